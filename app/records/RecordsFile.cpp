#include "app/records/RecordsFile.h"

#include <cctype>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <vector>

#include "CommonTools/Config.h"
#include "platform/base/CodePage.h"
#include "platform/base/Path.h"

namespace {

const std::size_t kTokens = 13;
const uint64_t kLargestCode = 4294967295u;

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A signed decimal from the token's leading characters, held within int.
int Decimal(const std::string& token) {
  const long long value = std::strtoll(token.c_str(), nullptr, 10);
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int>(value);
}

}  // namespace

std::string RecordsFile::Path() {
  return platform::codepage::WideToGbk(CommonTools::get_exe_dir()) + "\\records.txt";
}

std::string RecordsFile::PeopleCode(const std::string& token) {
  uint64_t value = 0;
  for (const char c : token) {
    const int digit = HexDigit(c);
    if (digit < 0) break;
    value = value * 16 + static_cast<uint64_t>(digit);
    if (value > kLargestCode) {
      value = kLargestCode;
      break;
    }
  }
  char text[16];
  std::snprintf(text, sizeof text, "%010llu", static_cast<unsigned long long>(value));
  return text;
}

ReaderRecord RecordsFile::ParseLine(const std::string& line) {
  std::istringstream in(line);
  std::vector<std::string> tokens;
  std::string token;
  while (tokens.size() < kTokens && in >> token) tokens.push_back(token);
  tokens.resize(kTokens);
  ReaderRecord record;
  record.iType = Decimal(tokens[0]);
  record.iNumber = Decimal(tokens[1]);
  record.strPeopleCode = PeopleCode(tokens[2]);
  record.strPositionCode = tokens[3];
  record.strTime = tokens[9];
  return record;
}

std::list<ReaderRecord> RecordsFile::Parse(std::istream& in) {
  std::list<ReaderRecord> records;
  std::string line;
  while (std::getline(in, line)) records.push_back(ParseLine(line));
  return records;
}

bool RecordsFile::Read(const std::string& gbkPath, std::list<ReaderRecord>& records) {
  std::ifstream in(platform::NativePath(gbkPath), std::ios::binary);
  if (!in) return false;
  records = Parse(in);
  return true;
}
