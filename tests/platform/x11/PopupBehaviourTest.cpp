// A drop-down or menu on a real display: a tool window maps override-redirect where
// the layer placed it on the root, the X focus stays on the program's window while
// the layer hands the keys to the pop-up, and a press on the program's other window
// takes the focus there (which closes a pop-up) and still arrives.
#include <gtest/gtest.h>

#include <algorithm>

#include "testing/driver/GuiThread.h"
#include "testing/x11/TestDisplay.h"
#include "tests/platform/x11/SmokeWindow.h"

#include <X11/keysym.h>

namespace {

using platform::headless::GuiThread;
using x11test::Logged;
using x11test::MessageLog;
using x11test::SmokeSpec;
using x11test::SmokeWindow;
using x11test::TestDisplay;

bool Has(const std::vector<Logged>& entries, UINT message, WPARAM wParam) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const Logged& e) { return e.message == message && e.wParam == wParam; });
}

struct PopupCase {
  const char* name;
  DWORD exStyle;
};

class PopupOnDisplay : public testing::TestWithParam<PopupCase> {};

TEST_P(PopupOnDisplay, MapsOverrideRedirectTakesTheKeysAndLosesTheFocusToAPressOnTheOpener) {
  const PopupCase& c = GetParam();
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  // The logs outlive the thread whose windows write into them until they are gone.
  MessageLog mainLog, popupLog;
  GuiThread gui;
  HWND main = nullptr, popup = nullptr;
  gui.Call([&] {
    SmokeSpec m;
    m.rect = RECT{100, 100, 500, 400};
    m.colour = RGB(200, 200, 200);
    m.log = &mainLog;
    main = SmokeWindow::Create(m);
    ShowWindow(main, SW_SHOW);
    UpdateWindow(main);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  const unsigned long mainNative = TestDisplay::NativeWindow(main);
  ASSERT_TRUE(display.WaitForFocus(mainNative)) << "the main window has the X focus";

  // Created empty and placed afterwards, as the drop-down and the menus do.
  gui.Call([&] {
    SmokeSpec p;
    p.rect = RECT{0, 0, 0, 0};
    p.exStyle = c.exStyle;
    p.owner = main;
    p.colour = RGB(0, 0, 255);
    p.log = &popupLog;
    popup = SmokeWindow::Create(p);
    SetWindowPos(popup, nullptr, 150, 180, 200, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    ShowWindow(popup, SW_SHOW);
    UpdateWindow(popup);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  ASSERT_TRUE(display.WaitForPixel(250, 280, 0x0000FF)) << "the pop-up shows where it was placed";
  display.SaveScreen(std::string("popup-") + c.name);
  const unsigned long popupNative = TestDisplay::NativeWindow(popup);
  EXPECT_TRUE(display.OverrideRedirect(popupNative));
  const POINT at = display.RootPosition(popupNative);
  EXPECT_EQ(at.x, 150);
  EXPECT_EQ(at.y, 180);
  gui.Call([&] { EXPECT_EQ(GetFocus(), popup); });

  display.MovePointer(450, 350);
  display.Chord({XK_Down});
  EXPECT_TRUE(popupLog.WaitFor([](const std::vector<Logged>& e) { return Has(e, WM_KEYUP, VK_DOWN); }))
      << "the pop-up gets the keys";
  EXPECT_EQ(display.CurrentFocus(), mainNative) << "the X focus stays on the program's window";
  EXPECT_TRUE(mainLog.Only({WM_KEYDOWN, WM_KEYUP}).empty());

  display.Click(450, 350);
  EXPECT_TRUE(popupLog.WaitFor([&](const std::vector<Logged>& e) { return Has(e, WM_KILLFOCUS, WPARAM(main)); }))
      << "the pop-up hears that the main window took the focus";
  EXPECT_TRUE(mainLog.WaitFor([](const std::vector<Logged>& e) {
    return std::any_of(e.begin(), e.end(), [](const Logged& l) { return l.message == WM_LBUTTONDOWN; });
  })) << "and the press still arrives";
  gui.Call([&] { EXPECT_EQ(GetFocus(), main); });
}

INSTANTIATE_TEST_SUITE_P(Kinds, PopupOnDisplay,
                         testing::Values(PopupCase{"drop_down", WS_EX_TOOLWINDOW},
                                         PopupCase{"menu", WS_EX_TOOLWINDOW | WS_EX_TOPMOST}),
                         [](const testing::TestParamInfo<PopupCase>& info) { return std::string(info.param.name); });

}  // namespace
