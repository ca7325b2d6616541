// The toast on the virtual clock: its size, place and transparency, hiding after its
// seconds, a second text replacing the first, the pointer keeping it, and texts sent
// from another thread shown by the toast window's own thread.
#include <gtest/gtest.h>

#include <thread>

#include "app/shell/PhotoFeedBackWindow.h"
#include "app/shell/ShellServices.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "tests/app/shell/support/ShellWindowTest.h"

namespace {

using shelltest::FindControl;
using shelltest::OnWindowThread;

class Toasts : public shelltest::ShellWindowTest {
 protected:
  Toasts() {
    ui.Call([this] {
      hwnd = toast.CreateHidden();
      g_pFeedBackWnd = &toast;
    });
  }
  ~Toasts() override {
    ui.Call([this] {
      g_pFeedBackWnd = nullptr;
      if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
    });
  }

  void Toast(const std::wstring& text, int seconds) {
    ui.Call([&] { ShowToast(text, seconds); });
    ASSERT_TRUE(driver.WaitIdle());
  }
  bool Shown() { return ::IsWindowVisible(hwnd) != FALSE; }
  // The label's text; "(none)" without the label.
  std::wstring Text() {
    std::wstring text = L"(none)";
    OnWindowThread(hwnd, [&] {
      SkinUI::CControlUI* label = shelltest::ControlIfAny(hwnd, L"lab_message");
      if (label != nullptr) text = label->GetText().GetData();
    });
    return text;
  }
  // The text's width in the toast's font 0 (微软雅黑, 14 pixels).
  static int Extent(const std::wstring& text) {
    const HDC hdc = ::CreateCompatibleDC(nullptr);
    const HFONT font = ::CreateFontW(-14, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                                     L"微软雅黑");
    const HGDIOBJ previous = ::SelectObject(hdc, font);
    SIZE size = {0, 0};
    ::GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &size);
    ::SelectObject(hdc, previous);
    ::DeleteObject(font);
    ::DeleteDC(hdc);
    return size.cx;
  }

  PhotoFeedBackWindow toast;
  HWND hwnd = nullptr;
};

TEST_F(Toasts, ShowsTheTextCentredTopmostAndHalfTransparentForItsSeconds) {
  EXPECT_FALSE(Shown()) << "made hidden";
  EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), nullptr);
  Toast(L"删除成功!", 3);
  ASSERT_TRUE(Shown());
  EXPECT_EQ(Text(), L"删除成功!");
  const int width = Extent(L"删除成功!") + 30;
  RECT rc = {};
  ::GetWindowRect(hwnd, &rc);
  EXPECT_EQ(rc.right - rc.left, width);
  EXPECT_EQ(rc.bottom - rc.top, 40);
  EXPECT_EQ(rc.left, 960 - width / 2) << "centred on the 1920 x 1040 work area";
  EXPECT_EQ(rc.top, 500);
  const auto surface = platform::headless::HeadlessBackend::Instance()->Surface(hwnd);
  ASSERT_TRUE(surface.has_value());
  EXPECT_TRUE(surface->topmost);
  BYTE alpha = 0;
  DWORD flags = 0;
  ASSERT_TRUE(::GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 150);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  EXPECT_EQ(surface->opacity, 150);
  shelltest::SavePicture(hwnd, "toast");

  driver.Advance(2999);
  EXPECT_TRUE(Shown());
  driver.Advance(1);
  EXPECT_FALSE(Shown());
  EXPECT_EQ(Text(), L"(none)") << "the label goes with the toast";
}

TEST_F(Toasts, ASecondTextReplacesTheFirstAndCountsItsOwnSeconds) {
  Toast(L"添加成功!", 3);
  driver.Advance(1500);
  Toast(L"编辑成功!", 3);
  EXPECT_EQ(Text(), L"编辑成功!");
  driver.Advance(1500);
  EXPECT_TRUE(Shown()) << "the first text's time is over, not the second's";
  driver.Advance(1499);
  EXPECT_TRUE(Shown());
  driver.Advance(1);
  EXPECT_FALSE(Shown());
}

TEST_F(Toasts, ThePointerRestingOnItKeepsItASecondAtATime) {
  Toast(L"删除失败!", 3);
  RECT rc = {};
  ::GetWindowRect(hwnd, &rc);
  driver.MoveMouse((rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2);
  driver.Advance(3000);
  EXPECT_TRUE(Shown());
  driver.Advance(2000);
  EXPECT_TRUE(Shown()) << "looked at again each second";
  driver.MoveMouse(10, 10);
  driver.Advance(999);
  EXPECT_TRUE(Shown());
  driver.Advance(1);
  EXPECT_FALSE(Shown());
}

// The broker's thread shows its toasts through the toast window's thread: a timer set
// from any other thread would fail, and the toast would never hide.
TEST_F(Toasts, ATextFromAnotherThreadIsShownByTheToastsOwnThread) {
  std::thread broker([] { ShowToast(L"新的巡更记录", 3); });
  broker.join();
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(Shown());
  EXPECT_EQ(Text(), L"新的巡更记录");
  driver.Advance(3000);
  EXPECT_FALSE(Shown());
}

TEST_F(Toasts, ATextPostedToAToastThatIsGoneIsDropped) {
  ui.Call([this] { ::DestroyWindow(hwnd); });
  std::thread broker([this] { toast.ShowToast(L"新的巡更记录", 3); });
  broker.join();
  EXPECT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(::IsWindow(hwnd));
}

}  // namespace
