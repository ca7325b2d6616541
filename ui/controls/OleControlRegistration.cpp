// Makes the skin builder create the controls that host COM objects for their element
// names before main runs. Every program that links this library gets them: the linker
// keeps this file through the symbol below, which the library's link options ask for.
#include "ui/controls/CActiveXUI.h"
#include "ui/controls/CFlashUI.h"
#include "ui/controls/CWebBrowserUI.h"
#include "ui/core/builder/CControlClassTable.h"

extern "C" {
int ui_controls_ole_registered = 0;
}

namespace SkinUI {
namespace {

template <class T>
CControlUI* Make() {
  return new T;
}

struct Registration {
  Registration() {
    CControlClassTable::Register(L"ActiveX", &Make<CActiveXUI>);
    CControlClassTable::Register(L"WebBrowser", &Make<CWebBrowserUI>);
    CControlClassTable::Register(L"Flash", &Make<CFlashUI>);
    ui_controls_ole_registered = 1;
  }
};

const Registration g_registration;

}  // namespace
}  // namespace SkinUI
