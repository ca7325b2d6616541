// Object handles: stock objects, selection, deletion, descriptions, bitmaps, brushes
// and pens.
#include <algorithm>
#include <cstring>

#include "platform/gdi/BitmapObject.h"
#include "platform/gdi/BrushObject.h"
#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/ObjectTable.h"
#include "platform/gdi/PenObject.h"
#include "platform/gdi/RegionObject.h"
#include "platform/gdi/StockObjects.h"

using namespace platform::gdi;

namespace {

HGDIOBJ HandleOf(GdiObject* object) { return object; }

int CopyOut(const void* from, size_t size, int c, LPVOID pv) {
  if (!pv) return static_cast<int>(size);
  size_t count = std::min(size, static_cast<size_t>(std::max(c, 0)));
  std::memcpy(pv, from, count);
  return static_cast<int>(count);
}

int DescribeBitmap(BitmapObject* bitmap, int c, LPVOID pv) {
  DIBSECTION dib{};
  dib.dsBm.bmType = 0;
  dib.dsBm.bmWidth = bitmap->Width();
  dib.dsBm.bmHeight = bitmap->Height();
  dib.dsBm.bmWidthBytes = bitmap->Stride();
  dib.dsBm.bmPlanes = 1;
  dib.dsBm.bmBitsPixel = static_cast<WORD>(bitmap->BitsPerPixel());
  dib.dsBm.bmBits = bitmap->IsDibSection() ? bitmap->Bits() : nullptr;
  bool wantsDib = bitmap->IsDibSection() && (pv == nullptr || c >= static_cast<int>(sizeof(DIBSECTION)));
  if (!wantsDib) return CopyOut(&dib.dsBm, sizeof(BITMAP), c, pv);
  dib.dsBmih.biSize = sizeof(BITMAPINFOHEADER);
  dib.dsBmih.biWidth = bitmap->Width();
  dib.dsBmih.biHeight = bitmap->BottomUp() ? bitmap->Height() : -bitmap->Height();
  dib.dsBmih.biPlanes = 1;
  dib.dsBmih.biBitCount = static_cast<WORD>(bitmap->BitsPerPixel());
  dib.dsBmih.biCompression = BI_RGB;
  dib.dsBmih.biSizeImage = static_cast<DWORD>(bitmap->Stride() * bitmap->Height());
  return CopyOut(&dib, sizeof(DIBSECTION), c, pv);
}

}  // namespace

HGDIOBJ GetStockObject(int i) { return StockObjects::Get(i); }

HGDIOBJ SelectObject(HDC hdc, HGDIOBJ h) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  GdiObject* object = ObjectTable::Find(h);
  if (!dc || !object) return nullptr;
  if (object->Type() == OBJ_REGION) {
    // Selecting a region sets the clip and answers the clip's kind.
    return reinterpret_cast<HGDIOBJ>(static_cast<intptr_t>(SelectClipRgn(hdc, static_cast<HRGN>(h))));
  }
  return HandleOf(dc->Select(object));
}

BOOL DeleteObject(HGDIOBJ ho) {
  GdiObject* object = ObjectTable::Find(ho);
  if (!object) return FALSE;
  if (object->Type() == OBJ_DC || object->Type() == OBJ_MEMDC) return FALSE;
  object->RequestDelete();
  return TRUE;
}

DWORD GetObjectType(HGDIOBJ h) {
  GdiObject* object = ObjectTable::Find(h);
  return object ? object->Type() : 0;
}

HGDIOBJ GetCurrentObject(HDC hdc, UINT type) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return nullptr;
  const DcState& state = dc->State();
  switch (type) {
    case OBJ_BITMAP:
      return HandleOf(state.bitmap);
    case OBJ_FONT:
      return HandleOf(state.font);
    case OBJ_BRUSH:
      return HandleOf(state.brush);
    case OBJ_PEN:
      return HandleOf(state.pen);
    default:
      return nullptr;
  }
}

int GetObjectW(HGDIOBJ h, int c, LPVOID pv) {
  GdiObject* object = ObjectTable::Find(h);
  if (!object) return 0;
  switch (object->Type()) {
    case OBJ_BITMAP:
      return DescribeBitmap(static_cast<BitmapObject*>(object), c, pv);
    case OBJ_FONT: {
      const LOGFONTW& logFont = static_cast<FontObject*>(object)->LogFont();
      return CopyOut(&logFont, sizeof(LOGFONTW), c, pv);
    }
    case OBJ_BRUSH: {
      auto* brush = static_cast<BrushObject*>(object);
      LOGBRUSH logBrush{brush->Style(), brush->Color(), 0};
      return CopyOut(&logBrush, sizeof(LOGBRUSH), c, pv);
    }
    case OBJ_PEN: {
      auto* pen = static_cast<PenObject*>(object);
      LOGPEN logPen{pen->Style(), POINT{pen->Width(), 0}, pen->Color()};
      return CopyOut(&logPen, sizeof(LOGPEN), c, pv);
    }
    default:
      return 0;
  }
}

HBITMAP CreateCompatibleBitmap(HDC hdc, int cx, int cy) {
  if (cx == 0 || cy == 0) return StockObjects::DefaultBitmap()->Handle();
  BitmapObject* bitmap = BitmapObject::Create(cx, cy);
  return bitmap ? bitmap->Handle() : nullptr;
}

HBITMAP CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitCount, const void* lpBits) {
  // Masks are one bit deep; every other depth is held as 32 bits.
  const bool mono = nPlanes == 1 && nBitCount == 1;
  BitmapObject* bitmap = BitmapObject::Create(nWidth, nHeight, mono ? 1 : 32);
  if (!bitmap) return nullptr;
  if (lpBits && nPlanes == 1 && (mono || nBitCount == 32))
    std::memcpy(bitmap->Bits(), lpBits, static_cast<size_t>(bitmap->Stride()) * nHeight);
  return bitmap->Handle();
}

HBITMAP CreateDIBSection(HDC hdc, const BITMAPINFO* pbmi, UINT usage, void** ppvBits, HANDLE hSection,
                         DWORD offset) {
  if (ppvBits) *ppvBits = nullptr;
  if (!pbmi || hSection || usage != DIB_RGB_COLORS) return nullptr;
  const BITMAPINFOHEADER& header = pbmi->bmiHeader;
  if ((header.biBitCount != 32 && header.biBitCount != 24) || header.biPlanes != 1) return nullptr;
  const bool masks = header.biCompression == BI_BITFIELDS && header.biBitCount == 32;
  if (header.biCompression != BI_RGB && !masks) return nullptr;
  if (header.biWidth <= 0 || header.biHeight == 0) return nullptr;
  bool bottomUp = header.biHeight > 0;
  int height = bottomUp ? header.biHeight : -header.biHeight;
  BitmapObject* bitmap = BitmapObject::Create(header.biWidth, height, header.biBitCount, bottomUp);
  if (!bitmap) return nullptr;
  bitmap->SetDibSection();
  if (ppvBits) *ppvBits = bitmap->Bits();
  return bitmap->Handle();
}

HBRUSH CreateSolidBrush(COLORREF color) { return (new BrushObject(BS_SOLID, color & 0xFFFFFF))->Handle(); }

HBRUSH CreateBrushIndirect(const LOGBRUSH* plbrush) {
  if (!plbrush) return nullptr;
  if (plbrush->lbStyle != BS_SOLID && plbrush->lbStyle != BS_NULL) return nullptr;
  return (new BrushObject(plbrush->lbStyle, plbrush->lbColor & 0xFFFFFF))->Handle();
}

HPEN CreatePen(int iStyle, int cWidth, COLORREF color) {
  return (new PenObject(static_cast<UINT>(iStyle), cWidth, color & 0xFFFFFF))->Handle();
}

HPEN CreatePenIndirect(const LOGPEN* plpen) {
  if (!plpen) return nullptr;
  return CreatePen(static_cast<int>(plpen->lopnStyle), plpen->lopnWidth.x, plpen->lopnColor);
}
