#include "app/shell/CMessageNutilineUI.h"

#include <utility>

#include "ui/controls/CLabelUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

SkinUI::CLabelUI* MakeLine(const std::wstring& text, LPCTSTR attributes, int height, int topPadding) {
  auto* label = new SkinUI::CLabelUI;
  label->SetText(text.c_str());
  label->SetAttributeList(attributes);
  label->SetFixedHeight(height);
  label->SetPadding(RECT{0, topPadding, 0, 0});
  return label;
}

}  // namespace

CMessageNutilineUI::CMessageNutilineUI(std::vector<std::string> lines, int kind)
    : MessageWindowBase(kind), m_lines(std::move(lines)) {}

LPCTSTR CMessageNutilineUI::GetWindowClassName() const { return L"MessagMultiLineWnd"; }

SkinUI::CUIString CMessageNutilineUI::GetSkinXmlName() const { return L"MessageMultiline.xml"; }

std::vector<std::string> CMessageNutilineUI::SplitLines(const std::string& text) {
  std::vector<std::string> parts;
  size_t start = 0;
  while (start <= text.size()) {
    size_t comma = text.find(',', start);
    if (comma == std::string::npos) comma = text.size();
    if (comma > start) parts.push_back(text.substr(start, comma - start));
    start = comma + 1;
  }
  return parts;
}

void CMessageNutilineUI::OnSkinBuilt() {
  SkinUI::CContainerUI* row = ButtonRow();
  SkinUI::CControlUI* found = m_pm.FindControl(L"VContext");
  auto* context = found == nullptr ? nullptr : static_cast<SkinUI::CContainerUI*>(found->GetInterface(L"Container"));
  if (context == nullptr) {
    if (row != nullptr) AddButton(*row, L"yes", L"确定", kTwoLinePlainButton);
    return;
  }
  AddLines(*context);
  if (row != nullptr) AddYesCancel(*row, 20, kTwoLineButton);
  UseRedBackground();
}

void CMessageNutilineUI::AddLines(SkinUI::CContainerUI& context) {
  static const wchar_t kFirst[] = L"font=\"4\" textcolor=\"#ffffffff\" align=\"center\"";
  static const wchar_t kSecond[] = L"font=\"2\" textcolor=\"#cccccc\" align=\"center\"";
  if (!m_lines.empty()) context.Add(MakeLine(platform::codepage::GbkToWide(m_lines[0]), kFirst, 24, 4));
  if (m_lines.size() < 2) {
    context.Add(MakeLine(L"数据格式错误!", kFirst, 24, 0));
    return;
  }
  context.Add(MakeLine(platform::codepage::GbkToWide(m_lines[1]), kSecond, 20, 10));
}
