// Makes the skin builder create the combo box for its element name before main runs.
// Every program that links this library gets it: the linker keeps this file through
// the symbol below, which the library's link options ask for. The menus' elements
// are made by the menu window itself, as the builder's callback.
#include "ui/controls/CComboUI.h"
#include "ui/core/builder/CControlClassTable.h"

extern "C" {
int ui_controls_popups_registered = 0;
}

namespace SkinUI {
namespace {

CControlUI* MakeCombo() { return new CComboUI; }

struct Registration {
  Registration() {
    CControlClassTable::Register(L"Combo", &MakeCombo);
    ui_controls_popups_registered = 1;
  }
};

const Registration g_registration;

}  // namespace
}  // namespace SkinUI
