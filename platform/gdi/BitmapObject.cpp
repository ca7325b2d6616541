#include "platform/gdi/BitmapObject.h"

#include <cstring>
#include <limits>
#include <new>

#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/ObjectTable.h"

namespace platform::gdi {
namespace {

constexpr uint32_t kOpaqueBlack = 0xFF000000u;
constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;

int StrideFor(int width, int bitsPerPixel) {
  switch (bitsPerPixel) {
    case 1: return (width + 15) / 16 * 2;
    case 24: return (width * 3 + 3) / 4 * 4;
    default: return width * 4;
  }
}

// A monochrome bit is white when the colour is nearer white than black.
bool NearerWhite(uint32_t pixel) {
  const int sum = int((pixel >> 16) & 0xFF) + int((pixel >> 8) & 0xFF) + int(pixel & 0xFF);
  return sum * 2 > 3 * 255;
}

}  // namespace

BitmapObject* BitmapObject::Create(int width, int height, int bitsPerPixel, bool bottomUp) {
  if (width <= 0 || height <= 0) return nullptr;
  if (bitsPerPixel != 1 && bitsPerPixel != 24 && bitsPerPixel != 32) return nullptr;
  if (static_cast<int64_t>(width) * height > std::numeric_limits<int32_t>::max() / 4) return nullptr;
  const int stride = StrideFor(width, bitsPerPixel);
  const size_t size = static_cast<size_t>(stride) * height;
  std::unique_ptr<uint8_t[]> bits(new (std::nothrow) uint8_t[size]);
  if (!bits) return nullptr;
  std::memset(bits.get(), 0, size);
  return new BitmapObject(width, height, bitsPerPixel, bottomUp, stride, std::move(bits));
}

BitmapObject::BitmapObject(int width, int height, int bitsPerPixel, bool bottomUp, int stride,
                           std::unique_ptr<uint8_t[]> bits)
    : GdiObject(OBJ_BITMAP),
      width_(width),
      height_(height),
      bitsPerPixel_(bitsPerPixel),
      bottomUp_(bottomUp),
      stride_(stride),
      bits_(std::move(bits)) {
  uint8_t* data = bits_.get();
  if (bottomUp_ || bitsPerPixel_ != 32) {
    pixels_.reset(new uint8_t[static_cast<size_t>(width) * height * 4]);
    data = pixels_.get();
  }
  surface_ = cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, width, height, width * 4);
}

BitmapObject::~BitmapObject() { cairo_surface_destroy(surface_); }

BitmapObject* BitmapObject::FromHandle(HGDIOBJ handle) {
  return ObjectTable::FindAs<BitmapObject>(handle, OBJ_BITMAP);
}

uint8_t* BitmapObject::BitsRow(int y) {
  return bits_.get() + static_cast<size_t>(stride_) * (bottomUp_ ? height_ - 1 - y : y);
}

void BitmapObject::Unpack() {
  for (int y = 0; y < height_; ++y) {
    const uint8_t* from = BitsRow(y);
    auto* to = reinterpret_cast<uint32_t*>(pixels_.get() + static_cast<size_t>(width_) * 4 * y);
    switch (bitsPerPixel_) {
      case 1:
        for (int x = 0; x < width_; ++x) to[x] = (from[x / 8] & (0x80 >> (x % 8))) ? kOpaqueWhite : kOpaqueBlack;
        break;
      case 24:
        for (int x = 0; x < width_; ++x) {
          const uint8_t* p = from + x * 3;
          to[x] = kOpaqueBlack | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0];
        }
        break;
      default: std::memcpy(to, from, static_cast<size_t>(width_) * 4); break;
    }
  }
}

void BitmapObject::Pack() {
  for (int y = 0; y < height_; ++y) {
    const auto* from = reinterpret_cast<const uint32_t*>(pixels_.get() + static_cast<size_t>(width_) * 4 * y);
    uint8_t* to = BitsRow(y);
    switch (bitsPerPixel_) {
      case 1:
        for (int x = 0; x < width_; ++x) {
          const uint8_t bit = uint8_t(0x80 >> (x % 8));
          to[x / 8] = NearerWhite(from[x]) ? uint8_t(to[x / 8] | bit) : uint8_t(to[x / 8] & ~bit);
        }
        break;
      case 24:
        for (int x = 0; x < width_; ++x) {
          uint8_t* p = to + x * 3;
          p[0] = uint8_t(from[x]);
          p[1] = uint8_t(from[x] >> 8);
          p[2] = uint8_t(from[x] >> 16);
        }
        break;
      default: std::memcpy(to, from, static_cast<size_t>(width_) * 4); break;
    }
  }
}

cairo_surface_t* BitmapObject::Acquire() {
  if (acquired_++ == 0) {
    if (!SurfaceIsTheBits()) Unpack();
    cairo_surface_mark_dirty(surface_);
    modified_ = false;
  }
  return surface_;
}

void BitmapObject::Release(bool modified) {
  modified_ = modified_ || modified;
  if (--acquired_ > 0) return;
  cairo_surface_flush(surface_);
  if (!SurfaceIsTheBits() && modified_) Pack();
}

}  // namespace platform::gdi
