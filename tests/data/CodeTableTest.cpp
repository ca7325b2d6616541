// The flat code index the device-record names are looked up in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/CodeTable.h"

namespace {

TEST(CodeTable, FindsEveryCodeItWasGivenAndKeepsTheFirstOfEqualOnes) {
  // Enough codes to fill the table's slots past their first choice many times over.
  std::vector<std::string> codes;
  for (int i = 0; i < 5000; ++i) codes.push_back("C" + std::to_string(i));
  CodeTable table(codes.size());
  for (size_t i = 0; i < codes.size(); ++i) EXPECT_TRUE(table.Insert(codes[i], int(i)));
  const std::string again = "C42";
  EXPECT_FALSE(table.Insert(again, 9999));
  for (size_t i = 0; i < codes.size(); ++i) ASSERT_EQ(table.Find(codes[i]), int(i)) << codes[i];
  EXPECT_EQ(table.Find("C42"), 42) << "the first one stays";
  for (const std::string& absent : {std::string("C5000"), std::string("c1"), std::string("C1 "), std::string(),
                                    std::string("C0\0", 3)}) {
    EXPECT_EQ(table.Find(absent), -1) << absent;
  }
}

TEST(CodeTable, MatchesWholeCodesOnly) {
  const std::string shortCode = "D1";
  const std::string longCode = std::string("D1\0", 3);
  const std::string empty;
  CodeTable table(0);
  EXPECT_TRUE(table.Insert(shortCode, 1));
  EXPECT_TRUE(table.Insert(longCode, 2));
  EXPECT_TRUE(table.Insert(empty, 3));
  EXPECT_EQ(table.Find("D1"), 1);
  EXPECT_EQ(table.Find(std::string("D1\0", 3)), 2);
  EXPECT_EQ(table.Find(""), 3);
  EXPECT_EQ(table.Find("D"), -1);
}

}  // namespace
