// Clipping, colour adjustment and the filled and stroked shapes of the renderer.
#include "ui/core/render/CSkinRenderer.h"

#include <algorithm>

#include "platform/gdiplus/GdiPlus.h"

namespace SkinUI {

namespace {

typedef BOOL(WINAPI* GradientFillProc)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);
typedef BOOL(WINAPI* AlphaBlendProc)(HDC, int, int, int, int, HDC, int, int, int, int, BLENDFUNCTION);

// The blending calls of "msimg32.dll", looked up once; the library is loaded by the
// first window manager and stays.
struct BlendExports {
  GradientFillProc gradientFill = nullptr;
  AlphaBlendProc alphaBlend = nullptr;

  BlendExports() {
    HMODULE module = ::GetModuleHandleW(L"msimg32.dll");
    if (module == nullptr) return;
    gradientFill =
        reinterpret_cast<GradientFillProc>(reinterpret_cast<void*>(::GetProcAddress(module, "GradientFill")));
    alphaBlend = reinterpret_cast<AlphaBlendProc>(reinterpret_cast<void*>(::GetProcAddress(module, "AlphaBlend")));
  }
};

const BlendExports& Exports() {
  static const BlendExports exports;
  return exports;
}

Gdiplus::Color ToGdiplus(DWORD dwColor) { return Gdiplus::Color(static_cast<Gdiplus::ARGB>(dwColor)); }

float Channel(DWORD dwColor, int shift) {
  const int value = static_cast<int>((dwColor >> shift) & 0xFF);
  return static_cast<float>(std::min(255, std::max(0, value))) / 255.0f;
}

float HueComponent(float p, float q, float t) {
  if (t < 0.0f) t += 1.0f;
  if (t > 1.0f) t -= 1.0f;
  if (6.0f * t < 1.0f) return p + (q - p) * 6.0f * t;
  if (2.0f * t < 1.0f) return q;
  if (3.0f * t < 2.0f) return p + (q - p) * 6.0f * (2.0f / 3.0f - t);
  return p;
}

// Rounded rather than cut off: a byte that went through RgbToHsl comes back as k/255
// give or take a float's error, and truncating that would darken it by one.
DWORD ToByte(float value) {
  const float scaled = value * 255.0f + 0.5f;
  if (scaled <= 0.0f) return 0;
  if (scaled >= 255.0f) return 255;
  return static_cast<DWORD>(scaled);
}

// 2^k bands of solid colour from the second colour (measured from the bottom or right
// edge) to the first, for a platform without GradientFill.
void FillGradientBands(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical, int nSteps) {
  int nShift = 1;
  if (nSteps >= 64) {
    nShift = 6;
  } else if (nSteps >= 32) {
    nShift = 5;
  } else if (nSteps >= 16) {
    nShift = 4;
  } else if (nSteps >= 8) {
    nShift = 3;
  } else if (nSteps >= 4) {
    nShift = 2;
  }
  const int nBands = 1 << nShift;
  const int nSize = bVertical ? rc.bottom - rc.top : rc.right - rc.left;
  for (int i = 0; i < nBands; ++i) {
    auto mix = [&](int shift) {
      const int first = static_cast<int>((dwFirst >> shift) & 0xFF);
      const int second = static_cast<int>((dwSecond >> shift) & 0xFF);
      return static_cast<BYTE>((second * (nBands - i) + first * i) >> nShift);
    };
    const int nFrom = nSize * i >> nShift;
    const int nTo = nSize * (i + 1) >> nShift;
    if (nTo <= nFrom) continue;
    RECT rcBand = rc;
    if (bVertical) {
      rcBand.bottom = rc.bottom - nFrom;
      rcBand.top = rc.bottom - nTo;
    } else {
      rcBand.right = rc.right - nFrom;
      rcBand.left = rc.right - nTo;
    }
    HBRUSH hBrush = ::CreateSolidBrush(RGB(mix(16), mix(8), mix(0)));
    ::FillRect(hDC, &rcBand, hBrush);
    ::DeleteObject(hBrush);
  }
}

void FillGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical, int nSteps) {
  GradientFillProc gradientFill = Exports().gradientFill;
  if (gradientFill == nullptr) {
    FillGradientBands(hDC, rc, dwFirst, dwSecond, bVertical, nSteps);
    return;
  }
  TRIVERTEX triv[2] = {
      {rc.left, rc.top, static_cast<COLOR16>(GetBValue(dwFirst) << 8), static_cast<COLOR16>(GetGValue(dwFirst) << 8),
       static_cast<COLOR16>(GetRValue(dwFirst) << 8), 0xFF00},
      {rc.right, rc.bottom, static_cast<COLOR16>(GetBValue(dwSecond) << 8),
       static_cast<COLOR16>(GetGValue(dwSecond) << 8), static_cast<COLOR16>(GetRValue(dwSecond) << 8), 0xFF00}};
  GRADIENT_RECT grc = {0, 1};
  gradientFill(hDC, triv, 2, &grc, 1, bVertical ? GRADIENT_FILL_RECT_V : GRADIENT_FILL_RECT_H);
}

}  // namespace

// --- Clipping ---

void CSkinRenderer::SetClip(HDC hDC, const RECT& rc, CSkinClip& clip) {
  RECT rcClip = {0, 0, 0, 0};
  ::GetClipBox(hDC, &rcClip);
  clip.hOldRgn = ::CreateRectRgnIndirect(&rcClip);
  // The guard keeps the clip actually in force, so that UseOldClipEnd never widens
  // it beyond the outer clip.
  RECT rcInForce = {0, 0, 0, 0};
  ::IntersectRect(&rcInForce, &rc, &rcClip);
  clip.hRgn = ::CreateRectRgnIndirect(&rcInForce);
  ::ExtSelectClipRgn(hDC, clip.hRgn, RGN_AND);
  clip.hDC = hDC;
  clip.rcItem = rc;
}

void CSkinRenderer::SetRoundClip(HDC hDC, const RECT& rc, const RECT& rcItem, int cx, int cy, CSkinClip& clip) {
  RECT rcClip = {0, 0, 0, 0};
  ::GetClipBox(hDC, &rcClip);
  clip.hOldRgn = ::CreateRectRgnIndirect(&rcClip);
  RECT rcInForce = {0, 0, 0, 0};
  ::IntersectRect(&rcInForce, &rc, &rcClip);
  clip.hRgn = ::CreateRectRgnIndirect(&rcInForce);
  HRGN hRgnItem = ::CreateRoundRectRgn(rcItem.left, rcItem.top, rcItem.right + 1, rcItem.bottom + 1, cx * 2, cy * 2);
  ::CombineRgn(clip.hRgn, clip.hRgn, hRgnItem, RGN_AND);
  ::DeleteObject(hRgnItem);
  ::ExtSelectClipRgn(hDC, clip.hRgn, RGN_AND);
  clip.hDC = hDC;
  clip.rcItem = rc;
}

void CSkinRenderer::UseOldClipBegin(HDC hDC, CSkinClip& clip) { ::SelectClipRgn(hDC, clip.hOldRgn); }

void CSkinRenderer::UseOldClipEnd(HDC hDC, CSkinClip& clip) { ::SelectClipRgn(hDC, clip.hRgn); }

// --- Colours ---

DWORD CSkinRenderer::AdjustColor(DWORD dwColor, short H, short S, short L) {
  if (H == 180 && S == 100 && L == 100) return dwColor;
  float fH = 0.0f;
  float fS = 0.0f;
  float fL = 0.0f;
  RgbToHsl(dwColor, &fH, &fS, &fL);
  fH += static_cast<float>(H - 180);
  if (fH <= 0.0f) fH += 360.0f;
  fS *= static_cast<float>(S) / 100.0f;
  fL *= static_cast<float>(L) / 100.0f;
  HslToRgb(&dwColor, fH, fS, fL);
  return dwColor;
}

void CSkinRenderer::RgbToHsl(DWORD dwColor, float* H, float* S, float* L) {
  const float R = Channel(dwColor, 0);
  const float G = Channel(dwColor, 8);
  const float B = Channel(dwColor, 16);
  const float mn = std::min(R, std::min(G, B));
  const float mx = std::max(R, std::max(G, B));
  const float l = (mn + mx) / 2.0f;
  float h = 0.0f;
  float s = 0.0f;
  if (mn != mx) {
    float f = 0.0f;
    float i = 0.0f;
    if (R == mn) {
      f = G - B;
      i = 3.0f;
    } else if (G == mn) {
      f = B - R;
      i = 5.0f;
    } else {
      f = R - G;
      i = 1.0f;
    }
    h = i - f / (mx - mn);
    if (h >= 6.0f) h -= 6.0f;
    h *= 60.0f;
    s = 2.0f * l <= 1.0f ? (mx - mn) / (mx + mn) : (mx - mn) / (2.0f - mx - mn);
  }
  if (H != nullptr) *H = h;
  if (S != nullptr) *S = s;
  if (L != nullptr) *L = l;
}

void CSkinRenderer::HslToRgb(DWORD* dwColor, float H, float S, float L) {
  if (dwColor == nullptr) return;
  const float q = 2.0f * L < 1.0f ? L * (1.0f + S) : L + S - L * S;
  const float p = 2.0f * L - q;
  const float h = H / 360.0f;
  const DWORD low = ToByte(HueComponent(p, q, h + 1.0f / 3.0f));
  const DWORD middle = ToByte(HueComponent(p, q, h));
  const DWORD high = ToByte(HueComponent(p, q, h - 1.0f / 3.0f));
  *dwColor = (*dwColor & 0xFF000000) | (high << 16) | (middle << 8) | low;
}

// --- Shapes ---

void CSkinRenderer::DrawColor(HDC hDC, const RECT& rc, DWORD dwColor) {
  if ((dwColor & 0xFF000000) == 0) return;
  Gdiplus::Graphics graphics(hDC);
  Gdiplus::SolidBrush brush(ToGdiplus(dwColor));
  graphics.FillRectangle(&brush, static_cast<INT>(rc.left), static_cast<INT>(rc.top),
                         static_cast<INT>(rc.right - rc.left), static_cast<INT>(rc.bottom - rc.top));
}

void CSkinRenderer::DrawGradient(HDC hDC, const RECT& rc, DWORD dwFirst, DWORD dwSecond, bool bVertical, int nSteps) {
  const int nAlpha = (static_cast<int>(dwFirst >> 24) + static_cast<int>(dwSecond >> 24)) / 2;
  if (nAlpha == 0) return;
  if (nAlpha == 255) {
    FillGradient(hDC, rc, dwFirst, dwSecond, bVertical, nSteps);
    return;
  }
  const int cx = rc.right - rc.left;
  const int cy = rc.bottom - rc.top;
  if (cx <= 0 || cy <= 0) return;
  HDC hPaintDC = ::CreateCompatibleDC(hDC);
  HBITMAP hPaintBitmap = ::CreateCompatibleBitmap(hDC, cx, cy);
  HGDIOBJ hOldBitmap = ::SelectObject(hPaintDC, hPaintBitmap);
  const RECT rcPaint = {0, 0, cx, cy};
  FillGradient(hPaintDC, rcPaint, dwFirst, dwSecond, bVertical, nSteps);
  AlphaBlendProc alphaBlend = Exports().alphaBlend;
  if (alphaBlend != nullptr) {
    BLENDFUNCTION bf = {AC_SRC_OVER, 0, static_cast<BYTE>(nAlpha), AC_SRC_ALPHA};
    alphaBlend(hDC, rc.left, rc.top, cx, cy, hPaintDC, 0, 0, cx, cy, bf);
  }
  ::SelectObject(hPaintDC, hOldBitmap);
  ::DeleteObject(hPaintBitmap);
  ::DeleteDC(hPaintDC);
}

void CSkinRenderer::DrawLine(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor, int nStyle) {
  Gdiplus::Graphics graphics(hDC);
  Gdiplus::Pen pen(ToGdiplus(dwPenColor), static_cast<Gdiplus::REAL>(nSize));
  pen.SetDashStyle(static_cast<Gdiplus::DashStyle>(nStyle));
  graphics.DrawLine(&pen, static_cast<INT>(rc.left), static_cast<INT>(rc.top), static_cast<INT>(rc.right),
                    static_cast<INT>(rc.bottom));
}

void CSkinRenderer::DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD dwPenColor) {
  Gdiplus::Graphics graphics(hDC);
  Gdiplus::Pen pen(ToGdiplus(dwPenColor), static_cast<Gdiplus::REAL>(nSize));
  pen.SetAlignment(Gdiplus::PenAlignmentInset);
  graphics.DrawRectangle(&pen, static_cast<INT>(rc.left), static_cast<INT>(rc.top),
                         static_cast<INT>(rc.right - rc.left - 1), static_cast<INT>(rc.bottom - rc.top - 1));
}

void CSkinRenderer::DrawRoundRect(HDC hDC, const RECT& rc, int nSize, int cx, int cy, DWORD dwPenColor) {
  Gdiplus::Graphics graphics(hDC);
  Gdiplus::Pen pen(ToGdiplus(dwPenColor), static_cast<Gdiplus::REAL>(nSize));
  pen.SetAlignment(Gdiplus::PenAlignmentInset);
  const INT l = rc.left;
  const INT t = rc.top;
  const INT r = rc.right;
  const INT b = rc.bottom;
  const INT rx = cx * 2;
  const INT ry = cy * 2;
  Gdiplus::GraphicsPath path;
  path.AddLine(l, b - cy, l, t + cy);
  path.AddArc(l, t, rx, ry, 180.0f, 90.0f);
  path.AddLine(l + cx, t, r - cx, t);
  path.AddArc(r - rx - 1, t, rx, ry, 270.0f, 90.0f);
  path.AddLine(r - 1, t + cy, r - 1, b - cy);
  path.AddArc(r - rx - 1, b - ry - 1, rx, ry, 0.0f, 90.0f);
  path.AddLine(r - cx, b - 1, l + cx, b - 1);
  path.AddArc(l, b - ry - 1, rx, ry, 90.0f, 90.0f);
  graphics.DrawPath(&pen, &path);
}

}  // namespace SkinUI
