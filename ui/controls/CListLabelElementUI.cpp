#include "ui/controls/CListLabelElementUI.h"

#include <cwchar>

#include "ui/controls/ListItemInfo.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/render/UIFontRecord.h"

namespace SkinUI {

CListLabelElementUI::CListLabelElementUI() = default;

CListLabelElementUI::~CListLabelElementUI() = default;

LPCTSTR CListLabelElementUI::GetClassName() const { return L"ListLabelElementUI"; }

LPVOID CListLabelElementUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"ListLabelElement") == 0) {
    return static_cast<CListLabelElementUI*>(this);
  }
  return CListElementUI::GetInterface(pstrName);
}

void CListLabelElementUI::HandleEvent(UIEventRecord& event) {
  if (!IsMouseEnabled() && IsMouseEvent(event)) {
    PassToOwner(event);
    return;
  }
  if (m_state.HandleMouse(*this, *this, event)) return;
  CListElementUI::HandleEvent(event);
}

SIZE CListLabelElementUI::MeasureSize(SIZE) {
  const ListItemInfo* pInfo = m_state.GetInfo();
  if (pInfo == nullptr) return SIZE{0, 0};
  SIZE sz = m_cxyFixed;
  if (sz.cy == 0) {
    const int cyFont = m_pManager != nullptr ? m_pManager->GetFontInfo(pInfo->nFont)->tm.tmHeight : 0;
    sz.cy = cyFont + 8 + pInfo->rcTextPadding.top + pInfo->rcTextPadding.bottom;
  }
  if (sz.cx != 0 || m_pManager == nullptr) return sz;

  const UINT uStyle = (pInfo->uTextStyle & ~(DT_CENTER | DT_RIGHT)) | DT_CALCRECT | DT_SINGLELINE;
  sz.cx = TextWidth(pInfo->bShowHtml, pInfo->nFont, uStyle, sz.cy) + pInfo->rcTextPadding.left +
          pInfo->rcTextPadding.right;
  return sz;
}

int CListLabelElementUI::TextWidth(bool html, int font, UINT style, int height) {
  // FNV-1a over the characters: with the length it tells a changed text.
  uint64_t hash = 1469598103934665603ull;
  const int length = m_sText.GetLength();
  for (LPCTSTR p = m_sText.GetData(); *p != L'\0'; ++p) hash = (hash ^ static_cast<uint32_t>(*p)) * 1099511628211ull;
  const UIFontRecord* record = m_pManager->GetFontInfo(font);
  const HFONT hFont = record != nullptr ? record->hFont : nullptr;
  const MeasuredText& last = m_measured;
  if (last.hash == hash && last.length == length && last.font == hFont &&
      last.style == style && last.html == html && last.height == height) {
    return last.width;
  }
  RECT rcText = {0, 0, 9999, height};
  if (html) {
    int nLinks = 0;
    CSkinRenderer::DrawMarkupText(m_pManager->GetPaintDC(), m_pManager, rcText, m_sText, 0, nullptr, nullptr, nLinks,
                                  style);
  } else {
    CSkinRenderer::DrawPlainText(m_pManager->GetPaintDC(), m_pManager, rcText, m_sText, 0, font, style);
  }
  m_measured = MeasuredText{hash, length, hFont, style, html, height, rcText.right - rcText.left};
  return m_measured.width;
}

void CListLabelElementUI::Paint(HDC hDC, const RECT& rcPaint) {
  if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
  DrawItemBackground(hDC, m_rcItem);
  DrawItemText(hDC, m_rcItem);
}

void CListLabelElementUI::DrawItemBackground(HDC hDC, const RECT& rcItem) {
  ListItemInfo* pInfo = m_state.GetInfo();
  if (pInfo == nullptr) return;
  const DWORD dwColor = m_state.GetBkColor(*pInfo, IsEnabled());
  if (dwColor != 0) CSkinRenderer::DrawColor(hDC, m_rcPaint, AdjustColor(dwColor));
  if (m_state.DrawStateImage(*this, hDC, *pInfo, IsEnabled())) return;
  if (DrawImage(hDC, pInfo->diBk)) return;
  if (pInfo->dwLineColor != 0) CListItemState::DrawBottomLine(hDC, rcItem, pInfo->dwLineColor);
}

void CListLabelElementUI::DrawItemText(HDC hDC, const RECT& rcItem) {
  m_state.DrawItemText(*this, hDC, rcItem);
}

}  // namespace SkinUI
