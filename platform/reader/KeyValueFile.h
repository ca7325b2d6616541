#pragma once
// The simulated reader's small files: "key=value" lines, values with their tabs, line
// ends and backslashes escaped so that every value stays on its line.
#include <map>
#include <string>

namespace platform::reader {

class KeyValueFile {
 public:
  using Values = std::map<std::string, std::string>;

  // The values of the file at that UTF-8 path; empty when there is no such file. Lines
  // without "=" are skipped.
  static Values Load(const std::string& path);
  // Writes the file whole; false when it cannot be written.
  static bool Save(const std::string& path, const Values& values);

  static std::string Escape(const std::string& text);
  static std::string Unescape(const std::string& text);
};

}  // namespace platform::reader
