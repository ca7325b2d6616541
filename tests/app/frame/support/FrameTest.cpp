#include "tests/app/frame/support/FrameTest.h"

#include "app/frame/IdentityIconLoader.h"
#include "app/frame/UserPhotoLoader.h"

#include <stb/stb_image_write.h>

#include <chrono>

#include "app/frame/home/CHomePageWndEx.h"
#include "app/shell/BkWindow.h"
#include "app/shell/PhotoFeedBackWindow.h"
#include "app/shell/ShellRecordAlerts.h"
#include "app/shell/ShellServices.h"
#include "platform/base/Clock.h"
#include "platform/base/Shell.h"
#include "testing/base/LocalTime.h"
#include "tests/app/frame/support/HomePageTest.h"

namespace frametest {

namespace {

std::vector<platform::backend::MonitorDesc> PanelledScreen() {
  platform::backend::MonitorDesc screen;
  screen.bounds = RECT{0, 0, 1920, 1080};
  screen.work = TestWorkArea();
  screen.primary = true;
  screen.name = L"panelled";
  return {screen};
}

void AppendBytes(void* context, void* data, int size) {
  static_cast<std::string*>(context)->append(static_cast<const char*>(data), size);
}

std::vector<unsigned char> Fill(int width, int height) {
  std::vector<unsigned char> pixels;
  for (int i = 0; i < width * height; ++i) pixels.insert(pixels.end(), {0x20, 0x90, 0xE0});
  return pixels;
}

}  // namespace

std::string PngPicture(int width, int height) {
  std::string bytes;
  const std::vector<unsigned char> pixels = Fill(width, height);
  stbi_write_png_to_func(&AppendBytes, &bytes, width, height, 3, pixels.data(), width * 3);
  return bytes;
}

std::string JpegPicture(int width, int height) {
  std::string bytes;
  const std::vector<unsigned char> pixels = Fill(width, height);
  stbi_write_jpg_to_func(&AppendBytes, &bytes, width, height, 3, pixels.data(), 90);
  return bytes;
}

RECT TestWorkArea() { return RECT{0, 40, 1920, 1040}; }

FrameTest::FrameTest() : driver(PanelledScreen()) {
  shelltest::UseProgramSkin();
  global_singleton& session = global_singleton::get_mutable_instance();
  saved_ = SavedSession{session.m_pMainFrame,      session.m_nAllModules,     session.m_mapModules,
                        session.m_strIdentityCode, session.m_strIdentityIcon, session.m_strIdentityName};
  session.m_userInfo.nUserType = 6;
  session.m_userInfo.strSchoolName = "城南第一中学";
  session.m_strIdentityCode = "IC0001";
  session.m_strIdentityName = "超级管理员";
  session.m_strIdentityIcon.clear();
  session.m_nAllModules = 1;
  session.m_mapModules.clear();
  // As the entry does before the frame exists.
  savedAlerts_ = RecordAlerts::Install(std::make_shared<ShellRecordAlerts>());
  platform::PinWallClock(test_support::LocalTime(2024, 3, 6, 9, 5, 7));
  platform::SetShellExecuteHook([this](const std::wstring& verb, const std::wstring& file, const std::wstring& params,
                                       const std::wstring&, int show) -> INT_PTR {
    std::lock_guard<std::mutex> lock(mutex_);
    shellCalls_.push_back(verb + L"|" + file + L"|" + params + L"|" + std::to_wstring(show));
    return 33;
  });
}

FrameTest::~FrameTest() {
  CloseFrame();
  ForgetSharedWindows();
  platform::SetShellExecuteHook(nullptr);
  platform::UnpinWallClock();
  RecordAlerts::Install(savedAlerts_);
  global_singleton& session = global_singleton::get_mutable_instance();
  session.m_pMainFrame = saved_.mainFrame;
  session.m_nAllModules = saved_.allModules;
  session.m_mapModules = saved_.modules;
  session.m_strIdentityCode = saved_.identityCode;
  session.m_strIdentityIcon = saved_.identityIcon;
  session.m_strIdentityName = saved_.identityName;
}

void FrameTest::CloseFrame() {
  if (hwnd != nullptr && ::IsWindow(hwnd)) ::PostMessageW(hwnd, WM_CLOSE, 0, 0);
  if (result_.valid()) result_.wait_for(std::chrono::seconds(30));
  hwnd = nullptr;
}

// The toast and the shade outlive a frame; the next test starts without them.
void FrameTest::ForgetSharedWindows() {
  if (g_pFeedBackWnd != nullptr) {
    const HWND toast = g_pFeedBackWnd->GetHWND();
    if (::IsWindow(toast)) shelltest::OnWindowThread(toast, [toast] { ::DestroyWindow(toast); });
    delete g_pFeedBackWnd;
    g_pFeedBackWnd = nullptr;
  }
  if (g_pBkWnd != nullptr) {
    const HWND shade = g_pBkWnd->GetHWND();
    if (::IsWindow(shade)) shelltest::OnWindowThread(shade, [shade] { ::DestroyWindow(shade); });
    delete g_pBkWnd;
    g_pBkWnd = nullptr;
  }
}

void FrameTest::OpenFrame() {
  frame = std::make_unique<CMainFrameWnd>();
  auto closed = std::make_shared<std::promise<UINT>>();
  result_ = closed->get_future();
  std::promise<HWND> created;
  ui.Post([this, closed, &created] {
    const HWND window = frame->Create(nullptr, L"duvira主界面", WS_VISIBLE | WS_OVERLAPPEDWINDOW, WS_EX_WINDOWEDGE, 0, 0,
                                      0, 0);
    // As the entry does once the frame is built.
    const RECT work = frame->GetWorkArea();
    ::SetWindowPos(window, HWND_NOTOPMOST, 0, 0, work.right, work.bottom, SWP_FRAMECHANGED);
    created.set_value(window);
    closed->set_value(window == nullptr ? 0 : frame->ShowModal());
  });
  hwnd = created.get_future().get();
  ASSERT_NE(hwnd, nullptr);
  ASSERT_TRUE(driver.WaitIdle());
  if (CHomePageWndEx* home = frame->GetHomePage()) frametest::WaitForHomeReading(driver, hwnd, *home);
  if (!waitForUserPhoto) return;
  UserPhotoLoader* photo = frame->GetUserPhotoLoader();
  IdentityIconLoader* icon = frame->GetIdentityIconLoader();
  if (photo != nullptr) {
    ASSERT_TRUE(photo->WaitFinished(std::chrono::seconds(30))) << "the user's photo never finished loading";
  }
  if (icon != nullptr) {
    ASSERT_TRUE(icon->WaitFinished(std::chrono::seconds(30))) << "the identity's icon never finished loading";
  }
  ASSERT_TRUE(driver.WaitIdle());
}

UINT FrameTest::WaitForFrameResult() {
  if (result_.wait_for(std::chrono::seconds(30)) != std::future_status::ready) return 0xDEAD;
  return result_.get();
}

bool FrameTest::FrameClosed() const {
  return result_.valid() && result_.wait_for(std::chrono::seconds(0)) == std::future_status::ready;
}

void FrameTest::ClickControl(HWND window, LPCTSTR name) {
  const POINT centre = shelltest::ControlCentre(window, name);
  ASSERT_GE(centre.x, 0) << "no control " << platform::codepage::WideToUtf8(name);
  driver.Click(centre.x, centre.y);
  driver.WaitIdle();
}

HWND FrameTest::MessageBoxWindow() const { return shelltest::FindWindowOfClass(L"MessagWnd"); }

std::wstring FrameTest::MessageBoxText(HWND box) const {
  std::wstring text;
  shelltest::OnWindowThread(box, [&] {
    SkinUI::CControlUI* context = shelltest::FindControl(box, L"VContext");
    if (context != nullptr) text = context->GetText().GetData();
  });
  return text;
}

void FrameTest::Answer(LPCTSTR button) {
  const HWND box = MessageBoxWindow();
  ASSERT_NE(box, nullptr) << "no question open";
  ClickControl(box, button);
}

std::vector<std::wstring> FrameTest::ShellCalls() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return shellCalls_;
}

}  // namespace frametest
