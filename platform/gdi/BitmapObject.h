#pragma once
// A bitmap handle's object. Drawing always sees 32-bit premultiplied B, G, R, A pixels,
// top-down, with a stride of width x 4: a cairo image surface. The bitmap's own bits
// (what a DIB section hands its caller, or what CreateBitmap was given) are that
// surface itself for a top-down 32-bit bitmap; any other layout (bottom-up rows, 24
// bits per pixel, one bit per pixel) is unpacked into the surface when drawing starts
// and packed back when it ends having drawn.
#include <cairo.h>

#include <cstdint>
#include <memory>

#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiObject.h"

namespace platform::gdi {

class DeviceContext;

class BitmapObject : public GdiObject {
 public:
  // Null when the size is not positive, the depth is not 1, 24 or 32, or the memory
  // cannot be had. Rows of 24-bit bits are padded to four bytes (a DIB's rows), rows
  // of 1-bit bits to two (a device bitmap's); bits start zero.
  static BitmapObject* Create(int width, int height, int bitsPerPixel = 32, bool bottomUp = false);
  ~BitmapObject() override;

  static BitmapObject* FromHandle(HGDIOBJ handle);
  HBITMAP Handle() { return reinterpret_cast<HBITMAP>(static_cast<GdiObject*>(this)); }

  int Width() const { return width_; }
  int Height() const { return height_; }
  int BitsPerPixel() const { return bitsPerPixel_; }
  bool BottomUp() const { return bottomUp_; }
  // The bitmap's own bits, `Stride()` bytes a row.
  uint8_t* Bits() { return bits_.get(); }
  int Stride() const { return stride_; }
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
  BitmapObject(int width, int height, int bitsPerPixel, bool bottomUp, int stride, std::unique_ptr<uint8_t[]> bits);
  bool SurfaceIsTheBits() const { return pixels_ == nullptr; }
  // The row of the bits that holds image row `y` (counted from the top).
  uint8_t* BitsRow(int y);
  void Unpack();
  void Pack();

  int width_;
  int height_;
  int bitsPerPixel_;
  bool bottomUp_;
  int stride_;
  std::unique_ptr<uint8_t[]> bits_;
  std::unique_ptr<uint8_t[]> pixels_;  // the surface's memory when the bits are not it
  cairo_surface_t* surface_ = nullptr;
  int acquired_ = 0;
  bool modified_ = false;
  bool dibSection_ = false;
  DeviceContext* owner_ = nullptr;
};

}  // namespace platform::gdi
