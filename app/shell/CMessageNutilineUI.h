#pragma once
// The two-line message box ("MessageMultiline.xml") of kind 4: one centred label per
// line in "VContext", the red buttons and the red background.
#include <string>
#include <vector>

#include "app/shell/MessageWindowBase.h"

class CMessageNutilineUI : public MessageWindowBase {
 public:
  // The lines are GBK; the box shows the first two.
  CMessageNutilineUI(std::vector<std::string> lines, int kind);

  // The text split at ",", with empty parts dropped (so ",," counts as one comma);
  // "," is never a GBK trail byte, so no character is cut.
  static std::vector<std::string> SplitLines(const std::string& text);

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void AddLines(SkinUI::CContainerUI& context);

  std::vector<std::string> m_lines;
};
