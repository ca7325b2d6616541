#include "tools/skin-preview/SkinPreviewWnd.h"

#include <cwchar>
#include <utility>

#include "tools/skin-preview/CPreviewTextUI.h"

namespace skinpreview {

const wchar_t SkinPreviewWnd::kClassName[] = L"SkinPreviewWnd";

SkinPreviewWnd::SkinPreviewWnd(std::wstring skinFile) : m_sSkinFile(std::move(skinFile)) {}

SkinUI::CControlUI* SkinPreviewWnd::CreateControl(LPCTSTR pstrClass) {
  if (pstrClass != nullptr && std::wcscmp(pstrClass, CPreviewTextUI::kElementName) == 0) return new CPreviewTextUI;
  return WindowImplBase::CreateControl(pstrClass);
}

LPCTSTR SkinPreviewWnd::GetWindowClassName() const { return kClassName; }

SkinUI::CUIString SkinPreviewWnd::GetSkinXmlName() const { return SkinUI::CUIString(m_sSkinFile.c_str()); }

}  // namespace skinpreview
