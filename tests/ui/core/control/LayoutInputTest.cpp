// Layouts under real input: the window's manager routes the wheel and the mouse to
// the controls, and the layouts scroll and resize. The trees are built in code.
#include <gtest/gtest.h>

#include <string>

#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"

namespace {

using SkinUI::CControlUI;
using SkinUI::CHorizontalLayoutUI;
using SkinUI::CVerticalLayoutUI;

class LayoutInput : public skintest::SkinTest {
 protected:
  static CControlUI* Fixed(int cx, int cy) {
    auto* control = new CControlUI;
    control->SetFixedWidth(cx);
    control->SetFixedHeight(cy);
    return control;
  }
  // Sizes the window and lays the attached root out on its client area.
  void Attach(CControlUI* root, SIZE client) {
    ::SetWindowPos(Window(), nullptr, 0, 0, client.cx, client.cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    Manager().AttachRoot(root);
    LayOut(RECT{0, 0, client.cx, client.cy});
  }
};

TEST_F(LayoutInput, WheelOverAListScrollsItByLines) {
  CVerticalLayoutUI* list = nullptr;
  OnGui([&] {
    list = new CVerticalLayoutUI;
    list->EnableScrollBar(true, false);
    list->SetScrollStepSize(10);
    for (int i = 0; i < 4; ++i) list->Add(Fixed(0, 50));
    Attach(list, SIZE{100, 100});
    ASSERT_EQ(100, list->GetScrollRange().cy);
  });
  driver.MoveMouse(20, 20);
  driver.Wheel(-120);
  driver.Wheel(-120);
  driver.Wheel(120);
  ASSERT_TRUE(driver.WaitIdle());
  OnGui([&] {
    EXPECT_EQ(10, list->GetScrollPos().cy);
    EXPECT_EQ((RECT{0, -10, 84, 40}), list->GetItemAt(0)->GetPos());
  });
}

TEST_F(LayoutInput, DraggingTheStripOverAChildResizesThePanel) {
  CHorizontalLayoutUI* panel = nullptr;
  OnGui([&] {
    auto* root = new CHorizontalLayoutUI;
    panel = new CHorizontalLayoutUI;
    panel->SetFixedWidth(100);
    panel->SetSepWidth(6);
    panel->Add(new CControlUI);  // covers the strip: its input bubbles up to the panel
    root->Add(panel);
    root->Add(new CControlUI);
    Attach(root, SIZE{300, 100});
  });
  driver.MoveMouse(97, 50);
  driver.Press();
  driver.MoveMouse(140, 50);
  driver.MoveMouse(160, 50);
  driver.Release();
  ASSERT_TRUE(driver.WaitIdle());
  OnGui([&] {
    LayOut(RECT{0, 0, 300, 100});
    EXPECT_EQ((RECT{0, 0, 163, 100}), panel->GetPos());
    EXPECT_EQ(163, panel->GetFixedWidth());
  });
}

}  // namespace
