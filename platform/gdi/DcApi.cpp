// Device contexts: creation, saved states, colours, modes and capabilities.
#include <cstdint>
#include <cstdlib>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/gdi/Region.h"

using platform::gdi::DeviceContext;

namespace {

constexpr int kScreenDpi = 96;
constexpr int kScreenWidth = 1920;
constexpr int kScreenHeight = 1080;

template <typename T>
T Swap(T& field, T value) {
  T previous = field;
  field = value;
  return previous;
}

}  // namespace

HDC CreateCompatibleDC(HDC hdc) {
  if (hdc && !DeviceContext::FromHandle(hdc)) return nullptr;
  return DeviceContext::CreateMemory()->Handle();
}

BOOL DeleteDC(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  dc->RequestDelete();
  return TRUE;
}

int SaveDC(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? dc->Save() : 0;
}

BOOL RestoreDC(HDC hdc, int nSavedDC) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc && dc->Restore(nSavedDC) ? TRUE : FALSE;
}

int GetDeviceCaps(HDC hdc, int index) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  bool window = dc && !dc->IsMemory();
  switch (index) {
    case LOGPIXELSX:
    case LOGPIXELSY:
      return kScreenDpi;
    case HORZRES:
      return window ? dc->Width() : kScreenWidth;
    case VERTRES:
      return window ? dc->Height() : kScreenHeight;
    case HORZSIZE:
      return (window ? dc->Width() : kScreenWidth) * 254 / (kScreenDpi * 10);
    case VERTSIZE:
      return (window ? dc->Height() : kScreenHeight) * 254 / (kScreenDpi * 10);
    case BITSPIXEL:
      return 32;
    case PLANES:
      return 1;
    case NUMCOLORS:
      return -1;
    case TECHNOLOGY:
      return DT_RASDISPLAY;
    case SHADEBLENDCAPS:
      return SB_CONST_ALPHA | SB_PIXEL_ALPHA | SB_GRAD_RECT;
    default:
      return 0;
  }
}

COLORREF SetTextColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? Swap(dc->State().textColor, color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetTextColor(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? dc->State().textColor : CLR_INVALID;
}

COLORREF SetBkColor(HDC hdc, COLORREF color) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? Swap(dc->State().bkColor, color & 0xFFFFFF) : CLR_INVALID;
}

COLORREF GetBkColor(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? dc->State().bkColor : CLR_INVALID;
}

int SetBkMode(HDC hdc, int mode) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  return Swap(dc->State().bkMode, mode);
}

int GetBkMode(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? dc->State().bkMode : 0;
}

int SetStretchBltMode(HDC hdc, int mode) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || mode < BLACKONWHITE || mode > HALFTONE) return 0;
  return Swap(dc->State().stretchMode, mode);
}

int GetStretchBltMode(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  return dc ? dc->State().stretchMode : 0;
}

BOOL SetBrushOrgEx(HDC hdc, int x, int y, LPPOINT lppt) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return FALSE;
  POINT previous = Swap(dc->State().brushOrigin, POINT{x, y});
  if (lppt) *lppt = previous;
  return TRUE;
}

int MulDiv(int nNumber, int nNumerator, int nDenominator) {
  if (nDenominator == 0) return -1;
  int64_t product = static_cast<int64_t>(nNumber) * nNumerator;
  int64_t denominator = nDenominator;
  // Rounded half away from zero, as Windows rounds.
  bool negative = (product < 0) != (denominator < 0);
  int64_t magnitude = (std::abs(product) + std::abs(denominator) / 2) / std::abs(denominator);
  int64_t result = negative ? -magnitude : magnitude;
  if (result > INT32_MAX || result < INT32_MIN) return -1;
  return static_cast<int>(result);
}

namespace platform::gdi {

HDC CreateSurfaceDC(cairo_surface_t* surface, POINT origin, HRGN clip) {
  const pixman_region32_t* region = clip ? RegionPixman(clip) : nullptr;
  DeviceContext* dc = DeviceContext::CreateSurface(surface, origin, region);
  return dc ? dc->Handle() : nullptr;
}

void DeleteSurfaceDC(HDC hdc) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (dc && !dc->IsMemory()) dc->RequestDelete();
}

}  // namespace platform::gdi
