#include "ui/controls/MenuClickedItemName.h"

namespace SkinUI {
namespace {

CUIString& ClickedName() {
  static CUIString s_name;
  return s_name;
}

}  // namespace

void SetMenuClickedItemName(LPCTSTR pstrName) { ClickedName() = pstrName != nullptr ? pstrName : L""; }

CUIString GetMenuClickedItemName() { return ClickedName(); }

}  // namespace SkinUI
