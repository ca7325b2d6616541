#include "tests/ui/core/support/RenderTestSupport.h"

#include <stb/stb_image_write.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>

namespace rendertest {

Canvas::Canvas(int width, int height, DWORD fill) : width_(width), height_(height) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<DWORD*>(bits);
  dc_ = CreateCompatibleDC(nullptr);
  old_ = SelectObject(dc_, bitmap_);
  Fill(fill);
}

Canvas::~Canvas() {
  SelectObject(dc_, old_);
  DeleteDC(dc_);
  DeleteObject(bitmap_);
}

void Canvas::Fill(DWORD pixel) {
  for (int i = 0; i < width_ * height_; ++i) bits_[i] = pixel;
}

int Canvas::Count(const RECT& rc, DWORD pixel) const {
  int count = 0;
  for (int y = rc.top; y < rc.bottom; ++y)
    for (int x = rc.left; x < rc.right; ++x) count += Pixel(x, y) == pixel ? 1 : 0;
  return count;
}

bool Canvas::OnlyInside(const RECT& rc, DWORD background) const {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const bool inside = x >= rc.left && x < rc.right && y >= rc.top && y < rc.bottom;
      if (!inside && Pixel(x, y) != background) return false;
    }
  }
  return true;
}

HBITMAP MakeBitmap(int width, int height, const std::function<DWORD(int, int)>& pixel) {
  BITMAPINFO bmi = {};
  bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  bmi.bmiHeader.biWidth = width;
  bmi.bmiHeader.biHeight = -height;
  bmi.bmiHeader.biPlanes = 1;
  bmi.bmiHeader.biBitCount = 32;
  bmi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP bitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
  DWORD* out = static_cast<DWORD*>(bits);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) out[y * width + x] = pixel(x, y);
  return bitmap;
}

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "render-test-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  path_ = made != nullptr ? std::string(made) + "/" : std::string();
}

TempDir::~TempDir() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::wstring TempDir::Path() const { return std::wstring(path_.begin(), path_.end()); }

std::string Narrow(const std::wstring& text) {
  std::string out;
  for (wchar_t ch : text) out.push_back(ch < 128 ? static_cast<char>(ch) : '?');
  return out;
}

namespace {

void AppendBytes(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<unsigned char>*>(context);
  const auto* bytes = static_cast<const unsigned char*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

bool WritePng(const std::wstring& path, int width, int height, const std::vector<DWORD>& argb) {
  std::vector<unsigned char> rgba;
  rgba.reserve(argb.size() * 4);
  for (DWORD pixel : argb) {
    rgba.push_back(static_cast<unsigned char>(pixel >> 16));
    rgba.push_back(static_cast<unsigned char>(pixel >> 8));
    rgba.push_back(static_cast<unsigned char>(pixel));
    rgba.push_back(static_cast<unsigned char>(pixel >> 24));
  }
  std::vector<unsigned char> png;
  if (!stbi_write_png_to_func(&AppendBytes, &png, width, height, 4, rgba.data(), width * 4)) return false;
  std::ofstream file(Narrow(path), std::ios::binary);
  file.write(reinterpret_cast<const char*>(png.data()), static_cast<std::streamsize>(png.size()));
  return static_cast<bool>(file);
}

}  // namespace rendertest
