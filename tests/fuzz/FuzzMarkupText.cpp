#include <string>

#include "tests/fuzz/FuzzTargets.h"
#include "tests/fuzz/FuzzText.h"
#include "tests/fuzz/FuzzWindow.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIString.h"

namespace fuzz {
namespace {

const UINT kStyles[] = {0, DT_SINGLELINE, DT_WORDBREAK, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                        DT_RIGHT | DT_BOTTOM, DT_END_ELLIPSIS | DT_SINGLELINE, DT_WORDBREAK | DT_END_ELLIPSIS,
                        DT_CENTER};

}  // namespace

// The first byte picks the style; the text is measured, then drawn with links.
int FuzzMarkupText(const uint8_t* data, size_t size) {
  if (size < 1 || size > 2048) return 0;
  const UINT uStyle = kStyles[data[0] % (sizeof(kStyles) / sizeof(kStyles[0]))];
  const std::wstring text = WideFromUtf8(data + 1, size - 1);
  FuzzWindow& window = FuzzWindow::Get();
  SkinUI::CWindowManagerUI& manager = window.Manager();
  HDC hDC = manager.GetPaintDC();

  RECT rcMeasure = {10, 5, 310, 205};
  int nLinks = 0;
  SkinUI::CSkinRenderer::DrawMarkupText(hDC, &manager, rcMeasure, text.c_str(), 0xFF000000, nullptr, nullptr, nLinks,
                                        uStyle | DT_CALCRECT);
  RECT rcDraw = {10, 5, 310, 205};
  RECT rcLinks[4] = {};
  SkinUI::CUIString sLinks[4];
  nLinks = 4;
  SkinUI::CSkinRenderer::DrawMarkupText(hDC, &manager, rcDraw, text.c_str(), 0xFF000000, rcLinks, sLinks, nLinks,
                                        uStyle);
  return 0;
}

}  // namespace fuzz
