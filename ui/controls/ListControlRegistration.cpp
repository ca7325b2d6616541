// Makes the skin builder create the list controls for their element names before
// main runs. Every program that links this library gets them: the linker keeps this
// file through the symbol below, which the library's link options ask for.
#include "ui/controls/CListContainerElementUI.h"
#include "ui/controls/CListHeaderItemUI.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CListTextElementUI.h"
#include "ui/controls/CListUI.h"
#include "ui/core/builder/CControlClassTable.h"

extern "C" {
int ui_list_controls_registered = 0;
}

namespace SkinUI {
namespace {

template <class T>
CControlUI* Make() {
  return new T;
}

struct Registration {
  Registration() {
    CControlClassTable::Register(L"List", &Make<CListUI>);
    CControlClassTable::Register(L"ListHeader", &Make<CListHeaderUI>);
    CControlClassTable::Register(L"ListHeaderItem", &Make<CListHeaderItemUI>);
    CControlClassTable::Register(L"ListLabelElement", &Make<CListLabelElementUI>);
    CControlClassTable::Register(L"ListTextElement", &Make<CListTextElementUI>);
    CControlClassTable::Register(L"ListContainerElement", &Make<CListContainerElementUI>);
    ui_list_controls_registered = 1;
  }
};

const Registration g_registration;

}  // namespace
}  // namespace SkinUI
