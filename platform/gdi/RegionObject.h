#pragma once
// A region handle's object: a pixman region in logical coordinates.
#include <pixman.h>

#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiObject.h"

namespace platform::gdi {

class RegionObject : public GdiObject {
 public:
  RegionObject();
  explicit RegionObject(const pixman_region32_t* region);
  ~RegionObject() override;

  static RegionObject* FromHandle(HRGN hrgn);
  HRGN Handle() { return reinterpret_cast<HRGN>(static_cast<GdiObject*>(this)); }

  pixman_region32_t* Pixman() { return &region_; }
  const pixman_region32_t* Pixman() const { return &region_; }
  void SetRect(int left, int top, int right, int bottom);
  void Assign(const pixman_region32_t* region);
  // NULLREGION, SIMPLEREGION or COMPLEXREGION.
  int Kind() const;

  // The kind of any pixman region, by the same rule.
  static int KindOf(const pixman_region32_t* region);

 private:
  pixman_region32_t region_;
};

}  // namespace platform::gdi
