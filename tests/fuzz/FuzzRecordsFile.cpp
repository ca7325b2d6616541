#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <list>
#include <sstream>
#include <string>

#include "app/records/RecordsFile.h"
#include "tests/fuzz/FuzzTargets.h"

namespace fuzz {
namespace {

// The import posts the person code as it stands: anything but ten digits is a wrong post.
bool TenDigits(const std::string& code) {
  return code.size() == 10 &&
         std::all_of(code.begin(), code.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; });
}

// Lines as the reader counts them: each line feed ends one, and so does the end of a
// last line without one.
std::size_t Lines(const std::string& text) {
  const std::size_t feeds = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
  return feeds + (!text.empty() && text.back() != '\n' ? 1 : 0);
}

}  // namespace

int FuzzRecordsFile(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::istringstream in(text);
  const std::list<ReaderRecord> records = RecordsFile::Parse(in);
  // A record lost or made up is a check the import posts wrongly; abort so the fuzzer keeps it.
  if (records.size() != Lines(text)) std::abort();
  for (const ReaderRecord& record : records) {
    if (!TenDigits(record.strPeopleCode)) std::abort();
  }
  return 0;
}

}  // namespace fuzz
