#include "platform/gdi/RegionObject.h"

#include <algorithm>

#include "platform/gdi/GdiConstants.h"
#include "platform/gdi/ObjectTable.h"

namespace platform::gdi {

RegionObject::RegionObject() : GdiObject(OBJ_REGION) { pixman_region32_init(&region_); }

RegionObject::RegionObject(const pixman_region32_t* region) : GdiObject(OBJ_REGION) {
  pixman_region32_init(&region_);
  pixman_region32_copy(&region_, const_cast<pixman_region32_t*>(region));
}

RegionObject::~RegionObject() { pixman_region32_fini(&region_); }

RegionObject* RegionObject::FromHandle(HRGN hrgn) {
  return ObjectTable::FindAs<RegionObject>(hrgn, OBJ_REGION);
}

void RegionObject::SetRect(int left, int top, int right, int bottom) {
  if (left > right) std::swap(left, right);
  if (top > bottom) std::swap(top, bottom);
  pixman_region32_fini(&region_);
  pixman_region32_init_rect(&region_, left, top, static_cast<unsigned>(right - left),
                            static_cast<unsigned>(bottom - top));
}

void RegionObject::Assign(const pixman_region32_t* region) {
  if (region == &region_) return;
  pixman_region32_copy(&region_, const_cast<pixman_region32_t*>(region));
}

int RegionObject::Kind() const { return KindOf(&region_); }

int RegionObject::KindOf(const pixman_region32_t* region) {
  int count = pixman_region32_n_rects(const_cast<pixman_region32_t*>(region));
  if (count == 0) return NULLREGION;
  return count == 1 ? SIMPLEREGION : COMPLEXREGION;
}

}  // namespace platform::gdi
