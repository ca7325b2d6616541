#include "app/shell/SavableText.h"

#include "app/shell/ShowMessage.h"
#include "platform/base/CodePage.h"
#include "ui/core/control/CControlUI.h"

bool IsSavableText(const std::wstring& text) {
  bool complete = true;
  platform::codepage::WideToGbk(text, platform::codepage::Policy::Fail, &complete);
  return complete;
}

bool CheckSavableTexts(HWND hwndParent, std::initializer_list<const SkinUI::CControlUI*> fields) {
  for (const SkinUI::CControlUI* field : fields) {
    if (field == nullptr || IsSavableText(field->GetText().GetData())) continue;
    ShowMessage(L"包含无法保存的字符!", hwndParent, 1);
    return false;
  }
  return true;
}
