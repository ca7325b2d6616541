#include "tests/ui/controls/support/SkinFiles.h"

#include <unistd.h>

#include <cstdio>

#include "platform/gdiplus/GdiPlus.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace controltest {

namespace {

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

}  // namespace

SkinFiles::SkinFiles() {
  char pattern[] = "/tmp/control-skin-XXXXXX";
  if (mkdtemp(pattern) != nullptr) folder_ = pattern;
  SkinUI::CWindowManagerUI::SetResourcePath(Wide(folder_ + "/").c_str());
}

SkinFiles::~SkinFiles() {
  for (const std::string& file : files_) std::remove(file.c_str());
  if (!folder_.empty()) rmdir(folder_.c_str());
}

std::wstring SkinFiles::Path(const std::string& name) const { return Wide(folder_ + "/" + name); }

std::wstring SkinFiles::SolidPng(const std::string& name, uint32_t argb, int width, int height) {
  Gdiplus::Bitmap bitmap(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) bitmap.SetPixel(x, y, Gdiplus::Color(argb));
  }
  files_.push_back(folder_ + "/" + name);
  bitmap.Save(Path(name).c_str(), &Gdiplus::ImageEncoders::PngClsid());
  return Wide(name);
}

std::wstring SkinFiles::Bytes(const std::string& name, const std::vector<uint8_t>& bytes) {
  files_.push_back(folder_ + "/" + name);
  FILE* file = std::fopen(files_.back().c_str(), "wb");
  if (file != nullptr) {
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }
  return Wide(name);
}

void SkinFiles::Remove(const std::string& name) { std::remove((folder_ + "/" + name).c_str()); }

}  // namespace controltest
