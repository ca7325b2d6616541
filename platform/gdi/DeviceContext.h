#pragma once
// A device context: what it draws into (the bitmap selected into a memory DC, or an
// image of the window layer at an origin), the selected objects, colours and modes,
// the clip, and the stack of saved states. Logical coordinates are pixels; a window
// DC's logical (0, 0) is its origin inside the image.
#include <cairo.h>

#include <optional>
#include <vector>

#include "platform/base/WinTypes.h"
#include "platform/gdi/GdiObject.h"
#include "platform/gdi/PixRegion.h"

namespace platform::gdi {

class BitmapObject;
class BrushObject;
class FontObject;
class PenObject;

struct DcState {
  BitmapObject* bitmap = nullptr;
  FontObject* font = nullptr;
  BrushObject* brush = nullptr;
  PenObject* pen = nullptr;
  std::optional<PixRegion> clip;  // the application's clip, logical coordinates
  COLORREF textColor = 0x000000;
  COLORREF bkColor = 0xFFFFFF;
  int bkMode = 2;       // OPAQUE
  int stretchMode = 1;  // BLACKONWHITE
  POINT position{0, 0};
  POINT brushOrigin{0, 0};
};

class DeviceContext : public GdiObject {
 public:
  static DeviceContext* CreateMemory();
  static DeviceContext* CreateSurface(cairo_surface_t* surface, POINT origin, const pixman_region32_t* clip);
  ~DeviceContext() override;

  static DeviceContext* FromHandle(HDC hdc);
  HDC Handle() { return reinterpret_cast<HDC>(static_cast<GdiObject*>(this)); }
  bool IsMemory() const { return surface_ == nullptr; }

  DcState& State() { return state_; }
  const DcState& State() const { return state_; }
  // Selects a bitmap, font, brush or pen; returns the previous object of that kind,
  // or null when the object cannot be selected.
  GdiObject* Select(GdiObject* object);
  int Save();
  bool Restore(int level);

  // The drawable size in pixels and where logical (0, 0) lies inside it.
  int Width() const;
  int Height() const;
  POINT Origin() const { return origin_; }

  // Everything drawing may touch, in logical coordinates: the drawable's bounds, the
  // window layer's clip and the application's clip.
  PixRegion Visible() const;
  // The drawable's bounds and the window layer's clip, without the application's.
  PixRegion Bounds() const;

  // The top-down surface to draw into or read from; paired with EndAccess.
  cairo_surface_t* BeginAccess();
  void EndAccess(bool modified);

 private:
  DeviceContext(cairo_surface_t* surface, POINT origin);
  void Use(DcState& state);
  void Unuse(DcState& state);

  cairo_surface_t* surface_;  // the window layer's image; null for memory DCs
  POINT origin_;
  std::optional<PixRegion> systemClip_;
  DcState state_;
  std::vector<DcState> saved_;
};

}  // namespace platform::gdi
