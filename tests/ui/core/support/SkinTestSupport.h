#pragma once
// What the layout, builder and painting tests stand on: a headless window with a
// manager on a GUI thread, skins written inline as markup and built by the skin
// builder, and a layout pass that does what the manager's paint does first.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/win32.h"
#include "tests/ui/core/support/UiTestSupport.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "testing/base/RectValues.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"

namespace skintest {

class SkinTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs the call on the window's thread, where every control must be touched.
  void OnGui(const std::function<void()>& call) { gui.Call(call); }

  SkinUI::CWindowManagerUI& Manager() { return host->Manager(); }
  HWND Window() const { return host->Window(); }

  // Builds the markup, attaches the tree as the window's root and lays it out on
  // (0, 0, cx, cy). Call on the window's thread. Null when nothing was built.
  SkinUI::CControlUI* Load(const std::wstring& skin, SIZE client = SIZE{400, 300});
  // Places the root on the rectangle, then places again every control that asked for
  // a layout meanwhile, as the manager's paint does.
  void LayOut(RECT rc);
  SkinUI::CControlUI* Find(LPCTSTR name) { return Manager().FindControl(name); }
  // The position of a named control; a missing control fails the test.
  RECT PosOf(LPCTSTR name);

  platform::headless::TestDriver driver;
  platform::headless::GuiThread gui;
  std::unique_ptr<uitest::Host> host;
};

}  // namespace skintest
