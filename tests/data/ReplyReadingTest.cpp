#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "data/DalExchange.h"
#include "data/JsonFields.h"

namespace {

struct IntCase {
  const char* reply;
  int expected;
};

TEST(ReplyToInt, ReadsTheReplyTheWayAtoiDoes) {
  const IntCase cases[] = {
      {"57", 57},          {"", 0},           {"abc", 0},         {"  -3x", -3},
      {"+8", 8},           {"\t\n12", 12},    {"1 2", 1},         {"- 5", 0},
      {"0012", 12},        {"2147483647", INT_MAX}, {"99999999999", INT_MAX}, {"-99999999999", INT_MIN},
  };
  for (const IntCase& c : cases) EXPECT_EQ(dal::ReplyToInt(c.reply), c.expected) << '"' << c.reply << '"';
}

struct ShieldCase {
  const char* what;
  std::string json;
  std::string expected;  // the text member as read
};

// The transport hands over GBK, so a double-byte character whose second byte is 0x5C sits
// inside a JSON string looking like the start of an escape.
TEST(ParseReply, KeepsDoubleByteCharactersWhoseSecondByteIsTheBackslash) {
  const ShieldCase cases[] = {
      {"alone", "{\"s\":\"\x95\x5c\"}", "\x95\x5c"},
      {"before a letter that would make an escape", "{\"s\":\"\x95\x5c" "n\"}", "\x95\x5c" "n"},
      {"beside ordinary escapes", "{\"s\":\"a\\n\x95\x5c\\\"\\\\\"}", "a\n\x95\x5c\"\\"},
      {"after other Chinese text", "{\"s\":\"\xd5\xc5\x95\x5c\xc8\xfd\"}", "\xd5\xc5\x95\x5c\xc8\xfd"},
      {"a plain backslash escape stays one", "{\"s\":\"a\\\\b\"}", "a\\b"},
  };
  for (const ShieldCase& c : cases) {
    Json::Value root;
    std::string errors;
    ASSERT_TRUE(dal::ParseReply(c.json.c_str(), root, errors)) << c.what << ": " << errors;
    EXPECT_EQ(dal::ReadText(root, "s"), c.expected) << c.what;
  }
}

}  // namespace
