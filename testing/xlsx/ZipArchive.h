#pragma once
// The members of a zip file, read through its central directory and inflated with zlib:
// enough to open what spreadsheet writers produce (stored or deflated members, no zip64).
#include <map>
#include <string>

namespace test_support {

class ZipArchive {
 public:
  // False when the bytes are no zip file this reader understands.
  bool Open(const std::string& bytes);

  bool Has(const std::string& name) const { return members_.count(name) != 0; }
  // The member's content, "" when there is none of that name.
  std::string Member(const std::string& name) const;

 private:
  bool ReadEntry(const std::string& bytes, size_t& offset);

  std::map<std::string, std::string> members_;
};

}  // namespace test_support
