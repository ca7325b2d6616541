// Makes the skin builder create these controls for their element names before main
// runs. Every program that links this library gets them: the linker keeps this file
// through the symbol below, which the library's link options ask for.
#include "ui/controls/CActiveXUI.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CDateTimeUI.h"
#include "ui/controls/CEditUI.h"
#include "ui/controls/CFlashUI.h"
#include "ui/controls/CGifAnimUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CListContainerElementUI.h"
#include "ui/controls/CListHeaderItemUI.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CListTextElementUI.h"
#include "ui/controls/CListUI.h"
#include "ui/controls/COptionUI.h"
#include "ui/controls/CPieChartUI.h"
#include "ui/controls/CProgressUI.h"
#include "ui/controls/CRichEditUI.h"
#include "ui/controls/CSliderUI.h"
#include "ui/controls/CTextUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/controls/CTreeViewUI.h"
#include "ui/controls/CWebBrowserUI.h"
#include "ui/controls/CWkeWebkitUI.h"
#include "ui/core/builder/CControlClassTable.h"

extern "C" {
int ui_controls_registered = 0;
}

namespace SkinUI {
namespace {

template <class T>
CControlUI* Make() {
  return new T;
}

struct Registration {
  Registration() {
    CControlClassTable::Register(L"Label", &Make<CLabelUI>);
    CControlClassTable::Register(L"Text", &Make<CTextUI>);
    CControlClassTable::Register(L"Button", &Make<CButtonUI>);
    CControlClassTable::Register(L"Option", &Make<COptionUI>);
    CControlClassTable::Register(L"CheckBox", &Make<CCheckBoxUI>);
    CControlClassTable::Register(L"Progress", &Make<CProgressUI>);
    CControlClassTable::Register(L"Slider", &Make<CSliderUI>);
    CControlClassTable::Register(L"GifAnim", &Make<CGifAnimUI>);
    CControlClassTable::Register(L"Edit", &Make<CEditUI>);
    CControlClassTable::Register(L"RichEdit", &Make<CRichEditUI>);
    CControlClassTable::Register(L"DateTime", &Make<CDateTimeUI>);
    CControlClassTable::Register(L"List", &Make<CListUI>);
    CControlClassTable::Register(L"ListHeader", &Make<CListHeaderUI>);
    CControlClassTable::Register(L"ListHeaderItem", &Make<CListHeaderItemUI>);
    CControlClassTable::Register(L"ListLabelElement", &Make<CListLabelElementUI>);
    CControlClassTable::Register(L"ListTextElement", &Make<CListTextElementUI>);
    CControlClassTable::Register(L"ListContainerElement", &Make<CListContainerElementUI>);
    CControlClassTable::Register(L"TreeView", &Make<CTreeViewUI>);
    CControlClassTable::Register(L"TreeNode", &Make<CTreeNodeUI>);
    // The menus' elements are made by the menu window itself, as the builder's callback.
    CControlClassTable::Register(L"Combo", &Make<CComboUI>);
    CControlClassTable::Register(L"ActiveX", &Make<CActiveXUI>);
    CControlClassTable::Register(L"WebBrowser", &Make<CWebBrowserUI>);
    CControlClassTable::Register(L"Flash", &Make<CFlashUI>);
    CControlClassTable::Register(L"PieChart", &Make<CPieChartUI>);
    CControlClassTable::Register(L"wkeWebkit", &Make<CWkeWebkitUI>);
    ui_controls_registered = 1;
  }
};

const Registration g_registration;

}  // namespace
}  // namespace SkinUI
