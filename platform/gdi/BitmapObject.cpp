#include "platform/gdi/BitmapObject.h"

#include <cstring>
#include <limits>
#include <new>

#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/ObjectTable.h"

namespace platform::gdi {

BitmapObject* BitmapObject::Create(int width, int height, bool bottomUp) {
  if (width <= 0 || height <= 0) return nullptr;
  if (static_cast<int64_t>(width) * height > std::numeric_limits<int32_t>::max() / 4) return nullptr;
  size_t size = static_cast<size_t>(width) * height * 4;
  std::unique_ptr<uint8_t[]> bits(new (std::nothrow) uint8_t[size]);
  if (!bits) return nullptr;
  std::memset(bits.get(), 0, size);
  return new BitmapObject(width, height, bottomUp, std::move(bits));
}

BitmapObject::BitmapObject(int width, int height, bool bottomUp, std::unique_ptr<uint8_t[]> bits)
    : GdiObject(OBJ_BITMAP), width_(width), height_(height), bottomUp_(bottomUp), bits_(std::move(bits)) {
  uint8_t* data = bits_.get();
  if (bottomUp_) {
    flipped_.reset(new uint8_t[static_cast<size_t>(width) * height * 4]);
    data = flipped_.get();
  }
  surface_ = cairo_image_surface_create_for_data(data, CAIRO_FORMAT_ARGB32, width, height, width * 4);
}

BitmapObject::~BitmapObject() { cairo_surface_destroy(surface_); }

BitmapObject* BitmapObject::FromHandle(HGDIOBJ handle) {
  return ObjectTable::FindAs<BitmapObject>(handle, OBJ_BITMAP);
}

void BitmapObject::CopyRowsFlipped(const uint8_t* from, uint8_t* to) const {
  size_t stride = static_cast<size_t>(width_) * 4;
  for (int row = 0; row < height_; ++row)
    std::memcpy(to + stride * row, from + stride * (height_ - 1 - row), stride);
}

cairo_surface_t* BitmapObject::Acquire() {
  if (acquired_++ == 0) {
    if (bottomUp_) CopyRowsFlipped(bits_.get(), flipped_.get());
    cairo_surface_mark_dirty(surface_);
    modified_ = false;
  }
  return surface_;
}

void BitmapObject::Release(bool modified) {
  modified_ = modified_ || modified;
  if (--acquired_ > 0) return;
  cairo_surface_flush(surface_);
  if (bottomUp_ && modified_) CopyRowsFlipped(flipped_.get(), bits_.get());
}

}  // namespace platform::gdi
