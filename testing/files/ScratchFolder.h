#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it when
// the object goes away.
#include <string>

namespace test_support {

class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder's native path, without a trailing separator; ASCII only.
  const std::string& path() const { return path_; }
  // path() + "/" + name
  std::string file(const std::string& name) const;
  // The whole content of a file, "" when it cannot be read.
  static std::string read(const std::string& nativePath);
  static void write(const std::string& nativePath, const std::string& bytes);

 private:
  std::string path_;
};

}  // namespace test_support
