#include "app/shell/CMessageUI.h"

#include <utility>

#include "ui/controls/CButtonUI.h"
#include "ui/core/control/CContainerUI.h"

CMessageUI::CMessageUI(std::wstring text, int kind) : MessageWindowBase(kind), m_text(std::move(text)) {}

LPCTSTR CMessageUI::GetWindowClassName() const { return L"MessagWnd"; }

SkinUI::CUIString CMessageUI::GetSkinXmlName() const { return L"message.xml"; }

RECT CMessageUI::IconDest(const std::wstring& text) {
  const size_t returnAt = text.find(L'\r');
  const bool twoLines = returnAt != std::wstring::npos;
  const int n = static_cast<int>(twoLines ? returnAt : text.size());
  const int x = (213 - 9 * n) / 2 - 5 * n;
  return RECT{x + 36, twoLines ? -8 : 20, x + 83, twoLines ? 34 : 62};
}

LPCTSTR CMessageUI::IconFile() const {
  switch (m_kind) {
    case 1:
      return L"MessageUI/图标（中）---提示.png";
    case 2:
      return L"MessageUI/图标（中）---询问.png";
    case 6:
      return L"MessageUI/图标（中）---操作成功.png";
    case 7:
      return L"MessageUI/图标（中）---操作失败.png";
    default:
      return nullptr;
  }
}

void CMessageUI::OnSkinBuilt() {
  SkinUI::CControlUI* context = m_pm.FindControl(L"VContext");
  if (context == nullptr) return;
  context->SetText(m_text.c_str());
  context->SetToolTip(m_text.c_str());
  if (LPCTSTR icon = IconFile()) {
    const RECT dest = IconDest(m_text);
    SkinUI::CUIString image;
    image.Format(L"file='%s' dest='%d,%d,%d,%d'", icon, dest.left, dest.top, dest.right, dest.bottom);
    context->SetBkImage(image);
  }
  if (m_kind == 3) UseRedBackground();
  SkinUI::CContainerUI* row = ButtonRow();
  if (row != nullptr) BuildButtons(*row);
}

void CMessageUI::BuildButtons(SkinUI::CContainerUI& row) {
  switch (m_kind) {
    case 1:
    case 3:
    case 6:
      AddSpacer(row, nullptr, 0);
      AddButton(row, L"yes", L"确定", kOneTextButton);
      AddSpacer(row, nullptr, 0);
      break;
    case 2:
      AddYesCancel(row, 40, kOneTextButton);
      break;
    case 5: {
      // The kind-2 row whose second button is the details button; its hot picture
      // stays the one of the other buttons.
      AddSpacer(row, nullptr, 0);
      AddButton(row, L"yes", L"确定", kOneTextButton);
      AddSpacer(row, L"Intercede", 40);
      SkinUI::CButtonUI* details = AddButton(row, L"ReadFailPicDetail", L"查看详情", kOneTextButton);
      details->SetPadding(RECT{0, 10, 0, 0});
      details->SetFixedHeight(30);
      details->SetFixedWidth(70);
      details->SetFont(12);
      details->SetAttribute(L"normalimage", L"file='ExaminationManagement/浏览原始.png'");
      AddSpacer(row, L"RightTaken", 120);
      break;
    }
    default:
      // Kind 7 closes by the skin's "close"; other kinds have no buttons.
      break;
  }
}
