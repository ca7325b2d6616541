// Icons from the program's resources.
#include <cstring>
#include <string>

#include "platform/base/Error.h"
#include "platform/base/Resource.h"
#include "platform/user/Cursor.h"
#include "platform/user/IconTable.h"
#include "platform/user/Monitor.h"

using platform::user::IconTable;

namespace {

struct PngBytes {
  const unsigned char* data;
  size_t size;
  size_t at;
};

cairo_status_t ReadPng(void* closure, unsigned char* out, unsigned int length) {
  auto* bytes = static_cast<PngBytes*>(closure);
  if (bytes->size - bytes->at < length) return CAIRO_STATUS_READ_ERROR;
  std::memcpy(out, bytes->data + bytes->at, length);
  bytes->at += length;
  return CAIRO_STATUS_SUCCESS;
}

// A new ARGB image of the resource's picture; null when it is no PNG.
cairo_surface_t* DecodeResource(HINSTANCE module, LPCWSTR name) {
  HRSRC resource = FindResourceW(module, name, RT_GROUP_ICON);
  if (resource == nullptr) return nullptr;
  PngBytes bytes{static_cast<const unsigned char*>(LockResource(LoadResource(module, resource))),
                 SizeofResource(module, resource), 0};
  cairo_surface_t* image = cairo_image_surface_create_from_png_stream(&ReadPng, &bytes);
  if (cairo_surface_status(image) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(image);
    return nullptr;
  }
  return image;
}

cairo_surface_t* Scaled(cairo_surface_t* image, int cx, int cy) {
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  if ((cx == width && cy == height) || width == 0 || height == 0) return image;
  cairo_surface_t* scaled = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, cx, cy);
  cairo_t* cr = cairo_create(scaled);
  cairo_scale(cr, double(cx) / width, double(cy) / height);
  cairo_set_source_surface(cr, image, 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  cairo_paint(cr);
  cairo_destroy(cr);
  cairo_surface_destroy(image);
  cairo_surface_flush(scaled);
  return scaled;
}

std::string SharedKey(LPCWSTR name, int cx, int cy) {
  std::string key = IS_INTRESOURCE(name) ? "#" + std::to_string(reinterpret_cast<ULONG_PTR>(name)) : std::string();
  for (const wchar_t* p = IS_INTRESOURCE(name) ? L"" : name; *p != L'\0'; ++p) key.push_back(char(*p & 0x7F));
  return key + "@" + std::to_string(cx) + "x" + std::to_string(cy);
}

}  // namespace

HANDLE LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad) {
  if (type != IMAGE_ICON || name == nullptr) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if ((fuLoad & LR_DEFAULTSIZE) != 0) {
    if (cx == 0) cx = GetSystemMetrics(SM_CXICON);
    if (cy == 0) cy = GetSystemMetrics(SM_CYICON);
  }
  const bool shared = (fuLoad & LR_SHARED) != 0;
  if (shared) {
    if (HICON known = IconTable::Instance().FindShared(SharedKey(name, cx, cy))) return known;
  }
  cairo_surface_t* image = DecodeResource(hInst, name);
  if (image == nullptr) return nullptr;
  if (cx == 0) cx = cairo_image_surface_get_width(image);
  if (cy == 0) cy = cairo_image_surface_get_height(image);
  return IconTable::Instance().Add(Scaled(image, cx, cy), shared ? SharedKey(name, cx, cy) : std::string());
}

BOOL DestroyIcon(HICON hIcon) { return IconTable::Instance().Destroy(hIcon) ? TRUE : FALSE; }

bool platform::GetIconSize(HICON hIcon, SIZE* size) {
  cairo_surface_t* image = IconTable::Instance().Image(hIcon);
  if (image == nullptr || size == nullptr) {
    if (image != nullptr) cairo_surface_destroy(image);
    return false;
  }
  size->cx = cairo_image_surface_get_width(image);
  size->cy = cairo_image_surface_get_height(image);
  cairo_surface_destroy(image);
  return true;
}
