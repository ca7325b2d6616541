#pragma once
// A line of text in one of the skin's fonts. The framework's base control keeps a
// text but does not draw it, and the text controls are not part of the framework
// yet; the preview needs titles and labels to show how a skin's fonts and Chinese
// text look. Skins use it as the "PreviewText" element.
#include "ui/core/control/CControlUI.h"

namespace skinpreview {

class CPreviewTextUI : public SkinUI::CControlUI {
 public:
  static const wchar_t kElementName[];

  LPCTSTR GetClassName() const override;
  // "font" (an index into the skin's fonts, -1 for the default) and "textcolor"
  // (ARGB); every other name is the base control's.
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void DrawText(HDC hDC) override;

 private:
  int m_iFont = -1;
  DWORD m_dwTextColor = 0;
};

}  // namespace skinpreview
