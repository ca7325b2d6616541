// The edit box and the date field in a skin window on a real X server: keys typed
// through XTest and an input method's Chinese commit reach the open edit box, and the
// date field's calendar shows over its window. Pictures of both are saved for a person
// to look at.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>

#include "platform/backend/x11/X11Backend.h"
#include "testing/driver/GuiThread.h"
#include "testing/ui/ControlTestWindow.h"
#include "testing/x11/TestDisplay.h"
#include "tests/ui/controls/support/NativeWindows.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/core/control/CControlUI.h"

namespace {

using platform::headless::GuiThread;
using x11test::TestDisplay;

const POINT kOrigin{100, 100};

// The window with a button (which takes the first focus), an edit box and a date field.
class TextEntryControls : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ok());
    gui_.Call([this] {
      window_ = std::make_unique<controltest::ControlTestWindow>(
          controltest::TestSkin(L"<Button name=\"first\" text=\"First\" height=\"30\"/>"
                                L"<Edit name=\"edit\" height=\"32\" tipvalue=\"请输入\"/>"
                                L"<DateTime name=\"date\" height=\"30\" width=\"160\"/>"),
          nullptr);
      hwnd_ = window_->Create(nullptr, L"text entry", WS_POPUP | WS_CLIPCHILDREN, 0, kOrigin.x, kOrigin.y, 0, 0);
      ::SetWindowPos(hwnd_, nullptr, kOrigin.x, kOrigin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      ::ShowWindow(hwnd_, SW_SHOW);
      ::SetForegroundWindow(hwnd_);
      ::UpdateWindow(hwnd_);
    });
    ASSERT_NE(hwnd_, nullptr);
    ASSERT_TRUE(TestDisplay::FlushBackend());
    ASSERT_TRUE(display_.WaitForPixel(kOrigin.x + 390, kOrigin.y + 290, 0xFFFFFF)) << "the window never showed";
    ASSERT_TRUE(display_.WaitForFocus(TestDisplay::NativeWindow(hwnd_)));
  }

  void TearDown() override {
    gui_.Call([this] {
      if (::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
      window_.reset();
    });
  }

  // The centre of a control on the screen.
  POINT Centre(LPCTSTR name) {
    RECT rc{};
    gui_.Call([&] { rc = window_->Manager().FindControl(name)->GetPos(); });
    return POINT{kOrigin.x + (rc.left + rc.right) / 2, kOrigin.y + (rc.top + rc.bottom) / 2};
  }

  std::wstring TextOf(LPCTSTR name) {
    std::wstring text;
    gui_.Call([&] { text = window_->Manager().FindControl(name)->GetText().GetData(); });
    return text;
  }

  bool WaitForText(LPCTSTR name, const std::wstring& wanted) {
    return TestDisplay::WaitUntil([&] { return TextOf(name) == wanted; });
  }

  TestDisplay display_;
  GuiThread gui_;
  std::unique_ptr<controltest::ControlTestWindow> window_;
  HWND hwnd_ = nullptr;
};

TEST_F(TextEntryControls, TypedKeysAndAChineseCommitReachTheOpenEditBox) {
  const POINT edit = Centre(L"edit");
  display_.Click(edit.x, edit.y);
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return controltest::FindNativeWindow(hwnd_, L"EditWnd") != nullptr; }));
  for (unsigned long key : {XK_r, XK_o, XK_u, XK_t, XK_e, XK_space}) display_.Chord({key});
  ASSERT_TRUE(WaitForText(L"edit", L"route ")) << platform::codepage::WideToUtf8(TextOf(L"edit"));
  platform::x11::X11Backend::Instance()->InjectInputMethodCommit("\xe5\xb7\xa1\xe6\x9b\xb4\xe7\x82\xb9");
  ASSERT_TRUE(WaitForText(L"edit", L"route 巡更点"));
  ASSERT_TRUE(TestDisplay::FlushBackend());
  display_.SaveScreen("editbox-chinese");
  display_.Chord({XK_Return});
  const POINT first = Centre(L"first");
  display_.Click(first.x, first.y);
  EXPECT_TRUE(TestDisplay::WaitUntil([&] { return controltest::FindNativeWindow(hwnd_, L"EditWnd") == nullptr; }))
      << "a click elsewhere closes the native window";
  EXPECT_EQ(TextOf(L"edit"), L"route 巡更点");
}

TEST_F(TextEntryControls, TheDateFieldsCalendarShowsOverItsWindow) {
  const POINT date = Centre(L"date");
  display_.Click(date.x, date.y);
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return controltest::FindNativeWindow(hwnd_, L"DateTimeWnd") != nullptr; }));
  display_.Chord({XK_F4});
  HWND calendar = nullptr;
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return (calendar = FindWindowW(MONTHCAL_CLASSW, nullptr)) != nullptr; }));
  const unsigned long native = TestDisplay::NativeWindow(calendar);
  EXPECT_TRUE(TestDisplay::WaitUntil([&] { return display_.Viewable(native); }));
  RECT r{};
  GetWindowRect(calendar, &r);
  // The calendar's frame, grey, where the window below is white.
  EXPECT_TRUE(display_.WaitForPixel(r.left + 1, r.bottom - 1, 0xA0A0A0, 0x40)) << std::hex
      << display_.ScreenPixel(r.left + 1, r.bottom - 1);
  display_.SaveScreen("datefield-calendar");
  display_.Chord({XK_Escape});
  EXPECT_TRUE(TestDisplay::WaitUntil([] { return FindWindowW(MONTHCAL_CLASSW, nullptr) == nullptr; }));
}

}  // namespace
