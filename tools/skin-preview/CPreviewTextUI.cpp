#include "tools/skin-preview/CPreviewTextUI.h"

#include <cwchar>

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"
#include "ui/core/types/CUIValueParser.h"

namespace skinpreview {

const wchar_t CPreviewTextUI::kElementName[] = L"PreviewText";

LPCTSTR CPreviewTextUI::GetClassName() const { return L"PreviewTextUI"; }

void CPreviewTextUI::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  if (std::wcscmp(pstrName, L"font") == 0) {
    m_iFont = SkinUI::CUIValueParser::ReadDecimal(pstrValue, nullptr);
  } else if (std::wcscmp(pstrName, L"textcolor") == 0) {
    m_dwTextColor = SkinUI::CUIValueParser::ReadColor(pstrValue);
  } else {
    CControlUI::SetAttribute(pstrName, pstrValue);
  }
}

void CPreviewTextUI::DrawText(HDC hDC) {
  SkinUI::CWindowManagerUI* pManager = GetManager();
  const SkinUI::CUIString sText = GetText();
  if (pManager == nullptr || sText.IsEmpty()) return;
  RECT rc = GetPos();
  const DWORD dwColor = m_dwTextColor != 0 ? m_dwTextColor : pManager->GetDefaultFontColor();
  SkinUI::CSkinRenderer::DrawPlainText(hDC, pManager, rc, sText.GetData(), dwColor, m_iFont,
                                       DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX);
}

}  // namespace skinpreview
