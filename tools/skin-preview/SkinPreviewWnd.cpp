#include "tools/skin-preview/SkinPreviewWnd.h"

#include <utility>

namespace skinpreview {

const wchar_t SkinPreviewWnd::kClassName[] = L"SkinPreviewWnd";

SkinPreviewWnd::SkinPreviewWnd(std::wstring skinFile) : m_sSkinFile(std::move(skinFile)) {}

LPCTSTR SkinPreviewWnd::GetWindowClassName() const { return kClassName; }

SkinUI::CUIString SkinPreviewWnd::GetSkinXmlName() const { return SkinUI::CUIString(m_sSkinFile.c_str()); }

}  // namespace skinpreview
