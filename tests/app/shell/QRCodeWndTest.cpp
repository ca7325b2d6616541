// The QR window as the main frame opens it.
#include <gtest/gtest.h>

#include <future>

#include "app/shell/CQRCodeWnd.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "tests/app/shell/support/ShellWindowTest.h"

namespace {

using QRWindow = shelltest::ShellWindowTest;

TEST_F(QRWindow, IsOwnedByItsOpenerTopmostAndClosesWithTwo) {
  std::promise<UINT> closed;
  ui.Post([&] { closed.set_value(CQRCodeWnd::ShowOver(frame)); });
  ASSERT_TRUE(driver.WaitIdle());
  const HWND qr = shelltest::FindWindowOfClass(L"QR_CodeWnd");
  ASSERT_NE(qr, nullptr);
  EXPECT_EQ(::GetWindow(qr, GW_OWNER), frame);
  EXPECT_FALSE(::IsWindowEnabled(frame));
  EXPECT_TRUE(platform::headless::HeadlessBackend::Instance()->Surface(qr)->topmost);
  wchar_t title[32] = {0};
  ::GetWindowTextW(qr, title, 32);
  EXPECT_EQ(std::wstring(title), L"下载APP");
  shelltest::SavePicture(qr, "qr-code");
  ClickControl(qr, L"btn_close");
  EXPECT_EQ(closed.get_future().get(), 2u);
  EXPECT_FALSE(::IsWindow(qr));
  EXPECT_TRUE(::IsWindowEnabled(frame));
}

}  // namespace
