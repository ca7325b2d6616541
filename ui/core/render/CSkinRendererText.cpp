// Text of the renderer: plain text through GDI (or GDI+ on layered windows and when
// the window asks for it) and markup text through the renderer's own layout.
#include "platform/gdiplus/GdiPlus.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CMarkupTextLayout.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

namespace {

COLORREF ToColorRef(DWORD dwColor) {
  return RGB(static_cast<BYTE>(dwColor >> 16), static_cast<BYTE>(dwColor >> 8), static_cast<BYTE>(dwColor));
}

Gdiplus::StringAlignment Alignment(UINT uStyle, UINT uCenter, UINT uFar) {
  if ((uStyle & uCenter) != 0) return Gdiplus::StringAlignmentCenter;
  if ((uStyle & uFar) != 0) return Gdiplus::StringAlignmentFar;
  return Gdiplus::StringAlignmentNear;
}

void DrawGdiplusText(HDC hDC, CWindowManagerUI* pManager, RECT& rc, LPCTSTR pstrText, DWORD dwTextColor, int iFont,
                     UINT uStyle) {
  Gdiplus::Graphics graphics(hDC);
  Gdiplus::Font font(hDC, pManager->GetFont(iFont));
  const Gdiplus::RectF rcLayout(static_cast<Gdiplus::REAL>(rc.left), static_cast<Gdiplus::REAL>(rc.top),
                                static_cast<Gdiplus::REAL>(rc.right - rc.left),
                                static_cast<Gdiplus::REAL>(rc.bottom - rc.top));
  // 254, not 255: the brush's alpha is forced below opaque, as text on layered
  // windows has always been drawn.
  Gdiplus::SolidBrush brush(Gdiplus::Color(254, static_cast<BYTE>(dwTextColor >> 16),
                                           static_cast<BYTE>(dwTextColor >> 8), static_cast<BYTE>(dwTextColor)));
  Gdiplus::StringFormat format(Gdiplus::StringFormat::GenericTypographic());
  if ((uStyle & DT_END_ELLIPSIS) != 0) format.SetTrimming(Gdiplus::StringTrimmingEllipsisCharacter);
  INT nFlags = 0;
  if ((uStyle & DT_NOCLIP) != 0) nFlags |= Gdiplus::StringFormatFlagsNoClip;
  if ((uStyle & DT_SINGLELINE) != 0) nFlags |= Gdiplus::StringFormatFlagsNoWrap;
  format.SetFormatFlags(nFlags);
  format.SetAlignment(Alignment(uStyle, DT_CENTER, DT_RIGHT));
  format.SetLineAlignment(Alignment(uStyle, DT_VCENTER, DT_BOTTOM));

  if ((uStyle & DT_CALCRECT) != 0) {
    Gdiplus::RectF bounds;
    graphics.MeasureString(pstrText, -1, &font, rcLayout, &format, &bounds);
    rc.bottom = rc.top + static_cast<LONG>(bounds.Height) + 1;
    rc.right = rc.left + static_cast<LONG>(bounds.Width) + 1;
    return;
  }
  graphics.DrawString(pstrText, -1, &font, rcLayout, &format, &brush);
}

}  // namespace

void CSkinRenderer::DrawPlainText(HDC hDC, CWindowManagerUI* pManager, RECT& rc, LPCTSTR pstrText, DWORD dwTextColor,
                                  int iFont, UINT uStyle) {
  if (pstrText == nullptr || pManager == nullptr) return;
  if (pManager->IsLayered() || pManager->IsUseGdiplusText()) {
    DrawGdiplusText(hDC, pManager, rc, pstrText, dwTextColor, iFont, uStyle);
    return;
  }
  ::SetBkMode(hDC, TRANSPARENT);
  ::SetTextColor(hDC, ToColorRef(dwTextColor));
  HGDIOBJ hOldFont = ::SelectObject(hDC, pManager->GetFont(iFont));
  ::DrawTextW(hDC, pstrText, -1, &rc, uStyle | DT_NOPREFIX);
  ::SelectObject(hDC, hOldFont);
}

void CSkinRenderer::DrawMarkupText(HDC hDC, CWindowManagerUI* pManager, RECT& rc, LPCTSTR pstrText, DWORD dwTextColor,
                                   RECT* prcLinks, CUIString* sLinks, int& nLinkRects, UINT uStyle) {
  CMarkupTextLayout layout(hDC, pManager, rc, pstrText, dwTextColor, prcLinks, sLinks, nLinkRects, uStyle);
  layout.Run();
}

}  // namespace SkinUI
