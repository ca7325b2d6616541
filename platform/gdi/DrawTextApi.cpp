// DrawTextW: lines laid out by DrawTextLayout, aligned in the rectangle, drawn with
// the DC's font, colours and background mode.
#include <cwchar>

#include "platform/gdi/DeviceContext.h"
#include "platform/gdi/DrawScope.h"
#include "platform/gdi/DrawTextLayout.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"
#include "platform/gdi/TextRenderer.h"

using namespace platform::gdi;

namespace {

int LineLeft(const RECT& rc, int width, UINT format) {
  if (format & DT_CENTER) return (rc.left + rc.right - width) / 2;
  if (format & DT_RIGHT) return rc.right - width;
  return rc.left;
}

// Vertical placement applies to single lines only, as on Windows.
int FirstLineTop(const RECT& rc, int height, UINT format) {
  if (!(format & DT_SINGLELINE)) return rc.top;
  if (format & DT_VCENTER) return (rc.top + rc.bottom - height) / 2;
  if (format & DT_BOTTOM) return rc.bottom - height;
  return rc.top;
}

void DrawLines(DeviceContext& dc, FontObject& font, const DrawTextLayout& layout, const RECT& rc, int top,
               int lineHeight, UINT format) {
  DrawScope scope(dc, true);
  if (!scope.Visible()) return;
  const RECT* clip = (format & DT_NOCLIP) ? nullptr : &rc;
  int y = top;
  for (const DrawTextLine& line : layout.Lines()) {
    if (clip && y >= rc.bottom) break;
    if (!line.text.empty()) {
      TextRun run{line.text.data(), line.text.size(), LineLeft(rc, line.width, format), y,
                  dc.State().textColor};
      run.underlined = line.underlined;
      run.clip = clip;
      if (dc.State().bkMode == OPAQUE) TextRenderer::FillCell(scope, font, run, dc.State().bkColor);
      TextRenderer::Draw(scope, font, run);
    }
    y += lineHeight;
  }
}

}  // namespace

int DrawTextW(HDC hdc, LPCWSTR lpchText, int cchText, LPRECT lprc, UINT format) {
  DeviceContext* dc = DeviceContext::FromHandle(hdc);
  if (!dc || !lprc || !lpchText) return 0;
  size_t count = cchText < 0 ? std::wcslen(lpchText) : static_cast<size_t>(cchText);
  FontObject& font = dc->State().font ? *dc->State().font : *FontObject::StockGuiFont();
  const TEXTMETRICW& metrics = font.Metrics();
  int lineHeight = metrics.tmHeight + ((format & DT_EXTERNALLEADING) ? metrics.tmExternalLeading : 0);
  if (count == 0) {
    // Nothing to draw still answers one line's height. A count of 0 leaves the
    // rectangle alone; an empty string measured collapses it to its top-left corner.
    if ((format & DT_CALCRECT) && cchText < 0) {
      lprc->right = lprc->left;
      lprc->bottom = lprc->top;
    }
    return lineHeight;
  }
  DrawTextLayout layout(font, lpchText, count, format, lprc->right - lprc->left);
  int height = lineHeight * static_cast<int>(layout.Lines().size());
  if (format & DT_CALCRECT) {
    lprc->right = lprc->left + layout.MaxWidth();
    lprc->bottom = lprc->top + height;
    return height;
  }
  int top = FirstLineTop(*lprc, height, format);
  DrawLines(*dc, font, layout, *lprc, top, lineHeight, format);
  if ((format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))) return top - lprc->top + height;
  return height;
}
