// A combo's drop-down and a two-level menu on a real X server: they map
// override-redirect above the window that opened them, the keys typed reach them
// while the X focus stays on that window, and a click on it closes them. The window
// lives on a thread of its own; the test drives it through XTest as a person would.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/ui/ControlTestWindow.h"
#include "testing/ui/NotifyRecorder.h"
#include "testing/x11/TestDisplay.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CMenuWnd.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using controltest::ControlTestWindow;
using controltest::NotifyRecorder;
using platform::headless::GuiThread;
using SkinUI::CComboUI;
using SkinUI::CMenuWnd;
using x11test::TestDisplay;

const int kLeft = 200, kTop = 150;
const uint32_t kDropDownTeal = 0x233D3D;  // the drop-down's background
const uint32_t kMenuBlue = 0x3060A0;

const wchar_t kSkin[] =
    L"<Window size=\"400,300\"><Font name=\"微软雅黑\" size=\"14\" default=\"true\"/>"
    L"<Font name=\"微软雅黑\" size=\"14\"/>"
    L"<VerticalLayout bkcolor=\"#FFFFFFFF\">"
    L"<Combo name=\"combo\" float=\"true\" pos=\"20,20,220,50\" bkcolor=\"#FF808080\"/>"
    L"</VerticalLayout></Window>";

const wchar_t kMenuSkin[] =
    L"<Window><Font name=\"微软雅黑\" size=\"14\" default=\"true\"/>"
    L"<Default name=\"Menu\" value=\"bkcolor=&quot;#FF3060A0&quot;\"/>"
    L"<Menu bkcolor=\"#FF3060A0\">"
    L"<MenuElement name=\"open\" text=\"Open\"/>"
    L"<MenuElement name=\"more\" text=\"More\">"
    L"<MenuElement name=\"sub1\" text=\"Sub 1\"/><MenuElement name=\"sub2\" text=\"Sub 2\"/>"
    L"</MenuElement>"
    L"</Menu></Window>";

// The program's top-level windows of a class, as the layer has them.
std::vector<HWND> WindowsOf(const wchar_t* className) {
  struct Search {
    const wchar_t* className;
    std::vector<HWND> found;
  } search{className, {}};
  EnumWindows(
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        auto* s = reinterpret_cast<Search*>(lParam);
        wchar_t name[64] = {};
        GetClassNameW(hwnd, name, 64);
        if (wcscmp(name, s->className) == 0 && IsWindowVisible(hwnd)) s->found.push_back(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

// Where a window's frame (or the window) sits among the root's children; -1 if absent.
int StackIndex(TestDisplay& display, HWND hwnd) {
  const unsigned long top = display.TopLevelOf(TestDisplay::NativeWindow(hwnd));
  const std::vector<unsigned long> order = display.StackingOrder();
  auto it = std::find(order.begin(), order.end(), top);
  return it == order.end() ? -1 : int(it - order.begin());
}

class PopupsOnDisplay : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ok());
    gui_.Call([this] {
      window_ = std::make_unique<ControlTestWindow>(kSkin, &recorder_);
      hwnd_ = window_->Create(nullptr, L"pop-ups", WS_POPUP | WS_CLIPCHILDREN, 0, kLeft, kTop, 0, 0);
      if (hwnd_ == nullptr) return;
      SetWindowPos(hwnd_, nullptr, kLeft, kTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      CComboUI* combo = static_cast<CComboUI*>(window_->Manager().FindControl(L"combo"));
      for (int i = 0; i < 5; ++i) {
        auto* row = new SkinUI::CListLabelElementUI;
        row->SetAttribute(L"text", (L"Row " + std::to_wstring(i)).c_str());
        combo->Add(row);
      }
      combo->SelectItem(0);
      ShowWindow(hwnd_, SW_SHOW);
      SetForegroundWindow(hwnd_);
      UpdateWindow(hwnd_);
    });
    ASSERT_NE(hwnd_, nullptr);
    ASSERT_TRUE(TestDisplay::FlushBackend());
    native_ = TestDisplay::NativeWindow(hwnd_);
    ASSERT_TRUE(display_.WaitForPixel(kLeft + 300, kTop + 200, 0xFFFFFF)) << "the window never showed";
    ASSERT_TRUE(display_.WaitForFocus(native_)) << "the window has the X focus";
  }

  void TearDown() override {
    gui_.Call([this] {
      if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
      window_.reset();
    });
  }

  int CurSel() {
    int sel = -2;
    gui_.Call([&] { sel = static_cast<CComboUI*>(window_->Manager().FindControl(L"combo"))->GetCurSel(); });
    return sel;
  }

  bool WaitForWindows(const wchar_t* className, size_t count) {
    return TestDisplay::WaitUntil([&] { return WindowsOf(className).size() == count; });
  }

  // Checks that each pop-up maps override-redirect, above the main window.
  void ExpectAboveTheWindow(const std::vector<HWND>& popups) {
    ASSERT_TRUE(TestDisplay::FlushBackend());
    for (HWND popup : popups) {
      const unsigned long native = TestDisplay::NativeWindow(popup);
      EXPECT_TRUE(TestDisplay::WaitUntil([&] { return display_.Viewable(native); })) << "mapped";
      EXPECT_TRUE(display_.OverrideRedirect(native));
      EXPECT_TRUE(TestDisplay::WaitUntil([&] { return StackIndex(display_, popup) > StackIndex(display_, hwnd_); }))
          << "above the window that opened it";
    }
    EXPECT_EQ(display_.CurrentFocus(), native_) << "the X focus stays on the program's window";
  }

  TestDisplay display_;
  GuiThread gui_;
  NotifyRecorder recorder_;
  std::unique_ptr<ControlTestWindow> window_;
  HWND hwnd_ = nullptr;
  unsigned long native_ = 0;
};

TEST_F(PopupsOnDisplay, TheComboDropDownShowsAboveTakesTheKeysAndClosesOnAClickOnTheWindow) {
  display_.Click(kLeft + 100, kTop + 35);
  ASSERT_TRUE(WaitForWindows(L"ComboWnd", 1)) << "the drop-down opened";
  const std::vector<HWND> dropDowns = WindowsOf(L"ComboWnd");
  EXPECT_TRUE(display_.WaitForPixel(kLeft + 200, kTop + 60, kDropDownTeal)) << "under the combo";
  display_.SaveScreen("combo-drop-down");
  ExpectAboveTheWindow(dropDowns);

  display_.Chord({XK_Down});
  EXPECT_TRUE(TestDisplay::WaitUntil([&] { return CurSel() == 1; })) << "Down moved the selection";
  display_.Chord({XK_Return});
  EXPECT_TRUE(WaitForWindows(L"ComboWnd", 0)) << "Enter closed it";
  EXPECT_EQ(CurSel(), 1);

  // Far enough from the first click not to make a double click with it.
  display_.Click(kLeft + 180, kTop + 35);
  ASSERT_TRUE(WaitForWindows(L"ComboWnd", 1)) << "open again";
  display_.Click(kLeft + 350, kTop + 250);
  EXPECT_TRUE(WaitForWindows(L"ComboWnd", 0)) << "a click on the window closed it";
  EXPECT_EQ(CurSel(), 1);
}

TEST_F(PopupsOnDisplay, ATwoLevelMenuShowsAboveTakesTheKeysAndClosesOnAClickOnTheWindow) {
  const POINT at = {kLeft + 50, kTop + 80};
  gui_.Call([&] {
    CMenuWnd* menu = CMenuWnd::CreateMenu(nullptr, kMenuSkin, at, &window_->Manager());
    if (menu != nullptr) menu->ResizeMenu();
  });
  ASSERT_TRUE(WaitForWindows(L"SkinMenuWnd", 1)) << "the menu opened";
  EXPECT_TRUE(display_.WaitForPixel(at.x + 120, at.y + 5, kMenuBlue));
  display_.MovePointer(at.x + 40, at.y + 45);  // over "More"
  ASSERT_TRUE(WaitForWindows(L"SkinMenuWnd", 2)) << "the sub-menu opened";
  EXPECT_TRUE(display_.WaitForPixel(at.x + 130 + 120, at.y + 30 + 5, kMenuBlue)) << "beside its item";
  display_.SaveScreen("two-level-menu");
  ExpectAboveTheWindow(WindowsOf(L"SkinMenuWnd"));

  display_.Chord({XK_Escape});
  EXPECT_TRUE(WaitForWindows(L"SkinMenuWnd", 1)) << "Escape closed the sub-menu";
  display_.Click(kLeft + 350, kTop + 250);
  EXPECT_TRUE(WaitForWindows(L"SkinMenuWnd", 0)) << "a click on the window closed the menu";
}

}  // namespace
