// What the program's windows must do under a window manager (and, where it makes
// sense, without one): dialogs above the shade that owns them, menus keeping the
// keyboard, the caption drag.
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

// Where a window's frame (or the window) sits among the root's children; -1 if absent.
int StackIndex(TestDisplay& display, HWND hwnd) {
  const unsigned long top = display.TopLevelOf(TestDisplay::NativeWindow(hwnd));
  const std::vector<unsigned long> order = display.StackingOrder();
  auto it = std::find(order.begin(), order.end(), top);
  return it == order.end() ? -1 : int(it - order.begin());
}

TEST(WindowManager, DialogStaysAboveTheShadeThatOwnsIt) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  if (!display.WindowManagerRunning()) GTEST_SKIP() << "no window manager on this display";
  GuiThread gui;
  HWND main = nullptr, shade = nullptr, dialog = nullptr;
  gui.Call([&] {
    SmokeSpec m;
    m.rect = RECT{100, 100, 700, 500};
    m.colour = RGB(200, 200, 200);
    main = SmokeWindow::Create(m);
    ShowWindow(main, SW_SHOW);
    SmokeSpec s;
    s.rect = m.rect;
    s.exStyle = WS_EX_LAYERED;
    s.colour = RGB(0, 0, 0);
    s.owner = main;
    shade = SmokeWindow::Create(s);
    SetLayeredWindowAttributes(shade, 0, 128, LWA_ALPHA);
    ShowWindow(shade, SW_SHOW);
    SmokeSpec d;
    d.rect = RECT{250, 200, 550, 400};
    d.colour = RGB(0, 128, 255);
    d.owner = shade;
    dialog = SmokeWindow::Create(d);
    ShowWindow(dialog, SW_SHOW);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  auto ordered = [&] {
    const int m = StackIndex(display, main), s = StackIndex(display, shade), d = StackIndex(display, dialog);
    return m >= 0 && m < s && s < d;
  };
  EXPECT_TRUE(TestDisplay::WaitUntil(ordered)) << "main, shade and dialog from the bottom up";
  // A click on the shade, and the program raising the main window, keep the dialog on top.
  display.Click(150, 150);
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(TestDisplay::WaitUntil(ordered)) << "after a click on the shade";
  gui.Call([&] { SetWindowPos(main, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(TestDisplay::WaitUntil(ordered)) << "after the main window was raised";
  EXPECT_TRUE(display.WaitForPixel(400, 300, 0x0080FF)) << "the dialog shows on top";
  display.SaveScreen("dialog-above-shade");
}

TEST(WindowManager, MenuPopupKeepsTheKeyboardUntilItCloses) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  // The logs outlive the thread: its windows log until they are destroyed with it.
  MessageLog mainLog, menuLog;
  GuiThread gui;
  HWND main = nullptr, menu = nullptr;
  gui.Call([&] {
    SmokeSpec m;
    m.rect = RECT{100, 100, 500, 400};
    m.log = &mainLog;
    main = SmokeWindow::Create(m);
    ShowWindow(main, SW_SHOW);
    UpdateWindow(main);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  ASSERT_TRUE(display.WaitForFocus(TestDisplay::NativeWindow(main))) << "the main window has the X focus";
  // The menu opens from a click on the main window, once that click was handled.
  display.Click(200, 200);
  ASSERT_TRUE(mainLog.WaitFor([](const std::vector<Logged>& entries) {
    return std::any_of(entries.begin(), entries.end(), [](const Logged& e) { return e.message == WM_LBUTTONUP; });
  }));
  gui.Call([&] {
    SmokeSpec p;
    p.rect = RECT{200, 200, 320, 320};
    p.exStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
    p.owner = main;
    p.colour = RGB(255, 255, 255);
    p.log = &menuLog;
    menu = SmokeWindow::Create(p);
    ShowWindow(menu, SW_SHOW);
    UpdateWindow(menu);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  ASSERT_TRUE(display.WaitForPixel(260, 260, 0xFFFFFF));
  mainLog.Clear();
  display.MovePointer(250, 250);
  display.Chord({XK_Down});
  display.Click(260, 260);  // a click inside the menu keeps it in charge
  display.Chord({XK_Return});
  EXPECT_TRUE(menuLog.WaitFor([](const std::vector<Logged>& entries) {
    return std::count_if(entries.begin(), entries.end(), [](const Logged& e) { return e.message == WM_KEYUP; }) >= 2;
  })) << "the menu gets the keys";
  EXPECT_TRUE(mainLog.Only({WM_KEYDOWN, WM_KEYUP}).empty()) << "the main window gets none while the menu is open";
  EXPECT_TRUE(menuLog.Only({WM_KILLFOCUS}).empty()) << "the menu never lost the focus";
  gui.Call([&] { DestroyWindow(menu); });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  display.Chord({XK_Escape});
  EXPECT_TRUE(mainLog.WaitFor([](const std::vector<Logged>& entries) {
    return std::any_of(entries.begin(), entries.end(),
                       [](const Logged& e) { return e.message == WM_KEYDOWN && e.wParam == VK_ESCAPE; });
  })) << "with the menu closed the keys go to the main window again";
}

TEST(WindowManager, CaptionDragMovesTheWindow) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  MessageLog log;  // outlives the thread, whose windows log until they go
  GuiThread gui;
  HWND window = nullptr;
  gui.Call([&] {
    SmokeSpec spec;
    spec.rect = RECT{100, 600, 400, 800};
    spec.colour = RGB(255, 128, 0);
    spec.log = &log;
    spec.hook = [](HWND hwnd, UINT message, WPARAM, LPARAM lParam) -> std::optional<LRESULT> {
      if (message != WM_NCHITTEST) return std::nullopt;
      POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      ScreenToClient(hwnd, &p);
      return p.y < 30 ? HTCAPTION : HTCLIENT;
    };
    window = SmokeWindow::Create(spec);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  ASSERT_TRUE(display.WaitForPixel(250, 700, 0xFF8000));
  display.MovePointer(150, 610);
  display.Button(1, true);
  ASSERT_TRUE(log.WaitFor([](const std::vector<Logged>& entries) {
    return std::any_of(entries.begin(), entries.end(), [](const Logged& e) { return e.message == WM_ENTERSIZEMOVE; });
  })) << "the caption press starts the move loop";
  for (int step = 1; step <= 10; ++step) display.MovePointer(150 + step * 20, 610 - step * 10);
  ASSERT_TRUE(TestDisplay::WaitUntil([&] {
    RECT r{};
    GetWindowRect(window, &r);
    return r.left == 300 && r.top == 500;
  })) << "the window follows the pointer";
  display.Button(1, false);
  EXPECT_TRUE(log.WaitFor([](const std::vector<Logged>& entries) {
    return std::any_of(entries.begin(), entries.end(), [](const Logged& e) { return e.message == WM_EXITSIZEMOVE; });
  }));
  ASSERT_TRUE(TestDisplay::FlushBackend());
  const unsigned long native = TestDisplay::NativeWindow(window);
  EXPECT_TRUE(TestDisplay::WaitUntil([&] {
    const POINT at = display.RootPosition(native);
    return at.x == 300 && at.y == 500;
  })) << "the X window is where the layer put it";
  EXPECT_TRUE(display.WaitForPixel(450, 650, 0xFF8000)) << "and shows its picture there";
}

}  // namespace
