#include "platform/gdi/PixRegion.h"

namespace platform::gdi {

PixRegion::PixRegion() { pixman_region32_init(&region_); }

PixRegion::PixRegion(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) {
    pixman_region32_init(&region_);
    return;
  }
  pixman_region32_init_rect(&region_, left, top, static_cast<unsigned>(right - left),
                            static_cast<unsigned>(bottom - top));
}

PixRegion::PixRegion(const pixman_region32_t* region) {
  pixman_region32_init(&region_);
  pixman_region32_copy(&region_, const_cast<pixman_region32_t*>(region));
}

PixRegion::PixRegion(const PixRegion& other) : PixRegion(other.Get()) {}

PixRegion& PixRegion::operator=(const PixRegion& other) {
  if (this != &other) pixman_region32_copy(&region_, const_cast<pixman_region32_t*>(other.Get()));
  return *this;
}

PixRegion::~PixRegion() { pixman_region32_fini(&region_); }

bool PixRegion::Empty() const { return !pixman_region32_not_empty(const_cast<pixman_region32_t*>(&region_)); }

pixman_box32_t PixRegion::Extents() const { return *pixman_region32_extents(const_cast<pixman_region32_t*>(&region_)); }

void PixRegion::Intersect(const PixRegion& other) {
  pixman_region32_intersect(&region_, &region_, const_cast<pixman_region32_t*>(other.Get()));
}

void PixRegion::IntersectRect(int left, int top, int right, int bottom) {
  if (right <= left || bottom <= top) {
    pixman_region32_clear(&region_);
    return;
  }
  pixman_region32_intersect_rect(&region_, &region_, left, top, static_cast<unsigned>(right - left),
                                 static_cast<unsigned>(bottom - top));
}

void PixRegion::Translate(int dx, int dy) { pixman_region32_translate(&region_, dx, dy); }

}  // namespace platform::gdi
