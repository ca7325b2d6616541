#pragma once
// Files a control test writes for its skin: a fresh folder that becomes the skin
// folder, solid-colour pictures and raw bytes in it; all removed at the end.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace controltest {

class SkinFiles {
 public:
  // Makes the folder and the framework's skin folder.
  SkinFiles();
  ~SkinFiles();
  SkinFiles(const SkinFiles&) = delete;
  SkinFiles& operator=(const SkinFiles&) = delete;

  // A PNG of one colour (0xAARRGGBB); returns its file name within the folder.
  std::wstring SolidPng(const std::string& name, uint32_t argb, int width = 8, int height = 8);
  std::wstring Bytes(const std::string& name, const std::vector<uint8_t>& bytes);
  // The file's full path.
  std::wstring Path(const std::string& name) const;
  void Remove(const std::string& name);

 private:
  std::string folder_;
  std::vector<std::string> files_;
};

}  // namespace controltest
