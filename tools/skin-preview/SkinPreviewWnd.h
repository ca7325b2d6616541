#pragma once
// The preview's window: a framework window that shows one skin file, as the client's
// own windows will.
#include <string>

#include "ui/core/window/WindowImplBase.h"

namespace skinpreview {

class SkinPreviewWnd : public SkinUI::WindowImplBase {
 public:
  static const wchar_t kClassName[];

  // `skinFile` is relative to the framework's resource folder.
  explicit SkinPreviewWnd(std::wstring skinFile);

  SkinUI::CWindowManagerUI& Manager() { return m_pm; }

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;

 private:
  std::wstring m_sSkinFile;
};

}  // namespace skinpreview
