// Clipping of device contexts. The application's clip is kept in logical coordinates
// beside the window layer's; drawing sees their intersection.
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/RegionObject.h"

using namespace platform::gdi;

namespace {

int ClipKind(DeviceContext& dc) { return RegionObject::KindOf(dc.Visible().Get()); }

// The application's clip, or the whole drawable when there is none: the operand the
// combining calls start from.
PixRegion CurrentClip(DeviceContext& dc) {
  return dc.State().clip ? *dc.State().clip : dc.Bounds();
}

// The application's clip narrowed to `region`; with none yet, `region` itself, as
// Windows keeps it: what drawing may touch is narrowed by the drawable anyway.
PixRegion Narrowed(DeviceContext& dc, const pixman_region32_t* region) {
  PixRegion result(region);
  if (dc.State().clip) pixman_region32_intersect(result.Get(), dc.State().clip->Get(), result.Get());
  return result;
}

}  // namespace

int GetClipBox(HDC hdc, LPRECT lprect) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !lprect) return ERROR;
  PixRegion visible = dc->Visible();
  if (visible.Empty()) {
    *lprect = RECT{0, 0, 0, 0};
    return NULLREGION;
  }
  pixman_box32_t box = visible.Extents();
  *lprect = RECT{box.x1, box.y1, box.x2, box.y2};
  return RegionObject::KindOf(visible.Get());
}

int GetClipRgn(HDC hdc, HRGN hrgn) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  RegionObject* region = RegionObject::FromHandle(hrgn);
  if (!dc || !region) return -1;
  if (!dc->State().clip) return 0;
  region->Assign(dc->State().clip->Get());
  return 1;
}

int SelectClipRgn(HDC hdc, HRGN hrgn) { return ExtSelectClipRgn(hdc, hrgn, RGN_COPY); }

int ExtSelectClipRgn(HDC hdc, HRGN hrgn, int mode) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return ERROR;
  RegionObject* region = RegionObject::FromHandle(hrgn);
  if (!region) {
    if (hrgn || mode != RGN_COPY) return ERROR;
    dc->State().clip.reset();
    return ClipKind(*dc);
  }
  PixRegion result;
  PixRegion current = CurrentClip(*dc);
  switch (mode) {
    case RGN_COPY:
      result = PixRegion(region->Pixman());
      break;
    case RGN_AND:
      result = Narrowed(*dc, region->Pixman());
      break;
    case RGN_OR:
      pixman_region32_union(result.Get(), current.Get(), region->Pixman());
      break;
    case RGN_DIFF:
      pixman_region32_subtract(result.Get(), current.Get(), region->Pixman());
      break;
    case RGN_XOR: {
      PixRegion both;
      pixman_region32_intersect(both.Get(), current.Get(), region->Pixman());
      pixman_region32_union(result.Get(), current.Get(), region->Pixman());
      pixman_region32_subtract(result.Get(), result.Get(), both.Get());
      break;
    }
    default:
      return ERROR;
  }
  dc->State().clip = result;
  return ClipKind(*dc);
}

int IntersectClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return ERROR;
  PixRegion rect(left, top, right, bottom);
  dc->State().clip = Narrowed(*dc, rect.Get());
  return ClipKind(*dc);
}

int ExcludeClipRect(HDC hdc, int left, int top, int right, int bottom) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return ERROR;
  PixRegion clip = CurrentClip(*dc);
  PixRegion hole(left, top, right, bottom);
  pixman_region32_subtract(clip.Get(), clip.Get(), hole.Get());
  dc->State().clip = clip;
  return ClipKind(*dc);
}

BOOL PtVisible(HDC hdc, int x, int y) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  PixRegion visible = dc->Visible();
  return pixman_region32_contains_point(visible.Get(), x, y, nullptr) ? TRUE : FALSE;
}
