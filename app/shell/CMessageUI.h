#pragma once
// The one-text message box ("message.xml"): the text in "VContext" with the icon of
// its kind beside it, and the buttons of its kind in "YesNo".
#include <string>

#include "app/shell/MessageWindowBase.h"

class CMessageUI : public MessageWindowBase {
 public:
  CMessageUI(std::wstring text, int kind);

  // The icon's place inside "VContext", from the text's length: n characters (those
  // before the first "\r" when there is one), x = (213 - 9n) / 2 - 5n with C++'s
  // integer division; left x + 36, right x + 83; top 20 and bottom 62, or -8 and 34
  // for a text with "\r".
  static RECT IconDest(const std::wstring& text);

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  // The icon file of kinds 1, 2, 6 and 7; null for the others.
  LPCTSTR IconFile() const;
  void BuildButtons(SkinUI::CContainerUI& row);

  std::wstring m_text;
};
