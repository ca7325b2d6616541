#pragma once
// A bitmap handle's object: 32-bit premultiplied B, G, R, A pixels with a stride of
// width x 4. A top-down bitmap is a cairo image surface over its own bits; a
// bottom-up one keeps its rows in memory bottom first and is drawn through a flipped
// copy that is written back when the drawing ends.
#include <cairo.h>

#include <cstdint>
#include <memory>

#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiObject.h"

namespace platform::gdi {

class DeviceContext;

class BitmapObject : public GdiObject {
 public:
  // Null when the size is not positive or the memory cannot be had.
  static BitmapObject* Create(int width, int height, bool bottomUp);
  ~BitmapObject() override;

  static BitmapObject* FromHandle(HGDIOBJ handle);
  HBITMAP Handle() { return reinterpret_cast<HBITMAP>(static_cast<GdiObject*>(this)); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  bool BottomUp() const { return bottomUp_; }
  uint8_t* Bits() { return bits_.get(); }
  // DIB sections show their bits through GetObjectW; compatible bitmaps do not.
  bool IsDibSection() const { return dibSection_; }
  void SetDibSection() { dibSection_ = true; }

  // A top-down surface holding the current pixels. Each Acquire is paired with a
  // Release; `modified` says the surface was drawn into.
  cairo_surface_t* Acquire();
  void Release(bool modified);

  // The DC the bitmap is selected into (a bitmap is selected into one DC at a time).
  DeviceContext* Owner() const { return owner_; }
  void SetOwner(DeviceContext* dc) { owner_ = dc; }

 private:
  BitmapObject(int width, int height, bool bottomUp, std::unique_ptr<uint8_t[]> bits);
  void CopyRowsFlipped(const uint8_t* from, uint8_t* to) const;

  int width_;
  int height_;
  bool bottomUp_;
  std::unique_ptr<uint8_t[]> bits_;
  std::unique_ptr<uint8_t[]> flipped_;
  cairo_surface_t* surface_ = nullptr;
  int acquired_ = 0;
  bool modified_ = false;
  bool dibSection_ = false;
  DeviceContext* owner_ = nullptr;
};

}  // namespace platform::gdi
