#include "ui/core/control/CHorizontalLayoutUI.h"

#include <cwchar>

namespace SkinUI {

CHorizontalLayoutUI::CHorizontalLayoutUI() = default;

CHorizontalLayoutUI::~CHorizontalLayoutUI() = default;

LPCTSTR CHorizontalLayoutUI::GetClassName() const { return L"HorizontalLayoutUI"; }

LPVOID CHorizontalLayoutUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"HorizontalLayout") == 0) {
    return static_cast<CHorizontalLayoutUI*>(this);
  }
  return CContainerUI::GetInterface(pstrName);
}

void CHorizontalLayoutUI::SetSepWidth(int iWidth) { SetSepSize(iWidth); }

int CHorizontalLayoutUI::GetSepWidth() const { return GetSepSize(); }

}  // namespace SkinUI
