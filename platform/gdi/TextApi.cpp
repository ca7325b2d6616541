// Fonts and single-line text output.
#include <algorithm>
#include <cwchar>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawScope.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/PixelFill.h"
#include "platform/gdi/TextRenderer.h"

using namespace platform::gdi;

namespace {

FontObject& FontOf(DeviceContext& dc) {
  return dc.State().font ? *dc.State().font : *FontObject::StockGuiFont();
}

size_t CountOf(LPCWSTR text, int c) { return c < 0 ? std::wcslen(text) : static_cast<size_t>(c); }

}  // namespace

HFONT CreateFontIndirectW(const LOGFONTW* lplf) {
  if (!lplf) return nullptr;
  return (new FontObject(*lplf))->Handle();
}

HFONT CreateFontW(int cHeight, int cWidth, int cEscapement, int cOrientation, int cWeight, DWORD bItalic,
                  DWORD bUnderline, DWORD bStrikeOut, DWORD iCharSet, DWORD iOutPrecision, DWORD iClipPrecision,
                  DWORD iQuality, DWORD iPitchAndFamily, LPCWSTR pszFaceName) {
  LOGFONTW logFont{};
  logFont.lfHeight = cHeight;
  logFont.lfWidth = cWidth;
  logFont.lfEscapement = cEscapement;
  logFont.lfOrientation = cOrientation;
  logFont.lfWeight = cWeight;
  logFont.lfItalic = bItalic ? 1 : 0;
  logFont.lfUnderline = bUnderline ? 1 : 0;
  logFont.lfStrikeOut = bStrikeOut ? 1 : 0;
  logFont.lfCharSet = static_cast<BYTE>(iCharSet);
  logFont.lfOutPrecision = static_cast<BYTE>(iOutPrecision);
  logFont.lfClipPrecision = static_cast<BYTE>(iClipPrecision);
  logFont.lfQuality = static_cast<BYTE>(iQuality);
  logFont.lfPitchAndFamily = static_cast<BYTE>(iPitchAndFamily);
  if (pszFaceName) std::wcsncpy(logFont.lfFaceName, pszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirectW(&logFont);
}

BOOL GetTextMetricsW(HDC hdc, LPTEXTMETRICW lptm) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !lptm) return FALSE;
  *lptm = FontOf(*dc).Metrics();
  return TRUE;
}

BOOL GetTextExtentPoint32W(HDC hdc, LPCWSTR lpString, int c, LPSIZE psizl) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !psizl || c < 0 || (!lpString && c > 0)) return FALSE;
  FontObject& font = FontOf(*dc);
  psizl->cx = c == 0 ? 0 : font.Extent(lpString, static_cast<size_t>(c));
  psizl->cy = font.Metrics().tmHeight;
  return TRUE;
}

int GetTextFaceW(HDC hdc, int c, LPWSTR lpName) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc) return 0;
  const std::wstring& face = FontOf(*dc).Face();
  if (!lpName) return static_cast<int>(face.size() + 1);
  if (c <= 0) return 0;
  size_t count = std::min(face.size(), static_cast<size_t>(c - 1));
  std::wmemcpy(lpName, face.data(), count);
  lpName[count] = 0;
  return static_cast<int>(count);
}

BOOL TextOutW(HDC hdc, int x, int y, LPCWSTR lpString, int c) {
  return ExtTextOutW(hdc, x, y, 0, nullptr, lpString, c < 0 ? 0 : static_cast<UINT>(c), nullptr);
}

BOOL ExtTextOutW(HDC hdc, int x, int y, UINT options, const RECT* lprect, LPCWSTR lpString, UINT c,
                 const INT* lpDx) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || (!lpString && c > 0)) return FALSE;
  FontObject& font = FontOf(*dc);
  DrawScope scope(*dc, true);
  if (!scope.Ready()) return FALSE;
  if ((options & ETO_OPAQUE) && lprect) FillLogicalRect(scope, *lprect, OpaquePixel(dc->State().bkColor));
  if (c == 0) return TRUE;
  TextRun run{lpString, CountOf(lpString, static_cast<int>(c)), x, y, dc->State().textColor};
  run.clip = (options & ETO_CLIPPED) ? lprect : nullptr;
  if (dc->State().bkMode == OPAQUE && !(options & ETO_OPAQUE))
    TextRenderer::FillCell(scope, font, run, dc->State().bkColor);
  TextRenderer::Draw(scope, font, run);
  return TRUE;
}
