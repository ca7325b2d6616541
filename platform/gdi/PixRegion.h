#pragma once
// A pixman region with value semantics, for clip regions kept in DC states.
#include <pixman.h>

namespace platform::gdi {

class PixRegion {
 public:
  PixRegion();
  PixRegion(int left, int top, int right, int bottom);
  explicit PixRegion(const pixman_region32_t* region);
  PixRegion(const PixRegion& other);
  PixRegion& operator=(const PixRegion& other);
  ~PixRegion();

  pixman_region32_t* Get() { return &region_; }
  const pixman_region32_t* Get() const { return &region_; }
  bool Empty() const;
  pixman_box32_t Extents() const;
  void Intersect(const PixRegion& other);
  void IntersectRect(int left, int top, int right, int bottom);
  void Translate(int dx, int dy);

 private:
  pixman_region32_t region_;
};

}  // namespace platform::gdi
