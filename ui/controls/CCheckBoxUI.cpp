#include "ui/controls/CCheckBoxUI.h"

namespace SkinUI {

LPCTSTR CCheckBoxUI::GetClassName() const { return L"CheckBoxUI"; }

void CCheckBoxUI::SetCheck(bool bCheck) { SetSelected(bCheck); }

bool CCheckBoxUI::GetCheck() const { return IsSelected(); }

}  // namespace SkinUI
