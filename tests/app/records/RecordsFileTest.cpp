// The records file a reader writes, line by line into the records the import posts.
#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "app/records/RecordsFile.h"

namespace {

const char kLine[] = "2 7 1A2B 123 a b c d e 220601083059 x y z";

TEST(RecordsFile, ReadsTheTokensItUses) {
  const ReaderRecord record = RecordsFile::ParseLine(kLine);
  EXPECT_EQ(record.iType, 2);
  EXPECT_EQ(record.iNumber, 7);
  EXPECT_EQ(record.strPeopleCode, "0000006699");
  EXPECT_EQ(record.strPositionCode, "123");
  EXPECT_EQ(record.strTime, "220601083059");
}

TEST(RecordsFile, CountsLinesAsTheReaderDoes) {
  const std::string line = kLine;
  const struct {
    const char* what;
    std::string file;
    size_t records;
  } cases[] = {
      {"last line without a line feed", line + "\n" + line, 2},
      {"a trailing line feed adds nothing", line + "\n" + line + "\n", 2},
      {"a blank line is a record of its own", line + "\n\n" + line + "\n", 3},
      {"carriage returns are white space", line + "\r\n" + line + "\r\n", 2},
      {"an empty file", "", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::istringstream in(c.file);
    EXPECT_EQ(RecordsFile::Parse(in).size(), c.records);
  }
}

TEST(RecordsFile, MissingTokensAndOddCodes) {
  const ReaderRecord empty = RecordsFile::ParseLine("");
  EXPECT_EQ(empty.iType, 0);
  EXPECT_EQ(empty.strPeopleCode, "0000000000");
  EXPECT_EQ(empty.strPositionCode, "");
  EXPECT_EQ(empty.strTime, "");
  const ReaderRecord short_line = RecordsFile::ParseLine("5 1 FF");
  EXPECT_EQ(short_line.iType, 5);
  EXPECT_EQ(short_line.strPeopleCode, "0000000255");
  EXPECT_EQ(short_line.strTime, "");

  const struct {
    const char* token;
    const char* code;
  } codes[] = {
      {"7FFFFFFF", "2147483647"}, {"80000000", "2147483648"}, {"FFFFFFFF", "4294967295"},
      {"123456789A", "4294967295"}, {"12G4", "0000000018"},   {"xyz", "0000000000"},
  };
  for (const auto& c : codes) EXPECT_EQ(RecordsFile::PeopleCode(c.token), c.code) << c.token;
}

TEST(RecordsFile, AMissingFileIsReported) {
  std::list<ReaderRecord> records;
  EXPECT_FALSE(RecordsFile::Read("/nonexistent-folder\\records.txt", records));
}

}  // namespace
