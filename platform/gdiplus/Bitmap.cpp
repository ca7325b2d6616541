#include "platform/gdiplus/Bitmap.h"

#include "platform/gdiplus/ImageCodec.h"

namespace Gdiplus {

Bitmap::Bitmap(INT width, INT height, PixelFormat) {
  if (width <= 0 || height <= 0) {
    SetStatus(InvalidParameter);
    return;
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    SetStatus(OutOfMemory);
    return;
  }
  DecodedImage blank;
  blank.frames.push_back(surface);
  blank.format = ImageFormatPNG;
  Adopt(blank);
}

Bitmap::Bitmap(const WCHAR* filename, BOOL useEmbeddedColorManagement) : Image(filename, useEmbeddedColorManagement) {}

Bitmap* Bitmap::FromFile(const WCHAR* filename, BOOL useEmbeddedColorManagement) {
  return new Bitmap(filename, useEmbeddedColorManagement);
}

Status Bitmap::GetPixel(INT x, INT y, Color* color) const {
  cairo_surface_t* surface = Surface();
  if (!surface || !color) return InvalidParameter;
  if (x < 0 || y < 0 || x >= static_cast<INT>(GetWidth()) || y >= static_cast<INT>(GetHeight()))
    return InvalidParameter;
  cairo_surface_flush(surface);
  const auto* row = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface) +
                                                      static_cast<size_t>(y) * cairo_image_surface_get_stride(surface));
  uint32_t p = row[x];
  uint32_t a = p >> 24;
  auto straight = [a](uint32_t c) { return static_cast<BYTE>(a == 0 ? 0 : (c * 255 + a / 2) / a); };
  *color = Color(static_cast<BYTE>(a), straight((p >> 16) & 0xFF), straight((p >> 8) & 0xFF), straight(p & 0xFF));
  return Ok;
}

Status Bitmap::SetPixel(INT x, INT y, const Color& color) {
  cairo_surface_t* surface = Surface();
  if (!surface) return InvalidParameter;
  if (x < 0 || y < 0 || x >= static_cast<INT>(GetWidth()) || y >= static_cast<INT>(GetHeight()))
    return InvalidParameter;
  cairo_surface_flush(surface);
  auto* row = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface) +
                                          static_cast<size_t>(y) * cairo_image_surface_get_stride(surface));
  uint32_t a = color.GetA();
  row[x] = a << 24 | (color.GetR() * a / 255) << 16 | (color.GetG() * a / 255) << 8 | (color.GetB() * a / 255);
  cairo_surface_mark_dirty(surface);
  return Ok;
}

}  // namespace Gdiplus
