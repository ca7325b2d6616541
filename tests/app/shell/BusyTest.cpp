// The busy pattern on the virtual clock: a job that ends at once, a job longer than the
// time-out that then asks the user something, the busy window's text and time-out by
// its settings and its skin.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <mutex>
#include <string>
#include <vector>

#include "app/shell/CLoadingGifNobackgroundWndUI.h"
#include "app/shell/RunBusy.h"
#include "app/shell/ShowMessage.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "tests/app/shell/support/ShellWindowTest.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::OnWindowThread;
using Lines = std::vector<std::string>;

const wchar_t kBusyClass[] = L"LoadingGifWnd";

class Busy : public shelltest::ShellWindowTest {
 protected:
  void Step(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex);
    steps.push_back(line);
  }
  Lines Steps() {
    std::lock_guard<std::mutex> lock(mutex);
    return steps;
  }
  int Presented(HWND hwnd) {
    driver.WaitIdle();
    return platform::headless::HeadlessBackend::Instance()->Surface(hwnd)->presentCount;
  }

  std::mutex mutex;
  Lines steps;
};

// The close either waits in the queue for the modal loop or ends a loop already
// running; both leave nothing behind.
TEST_F(Busy, AJobThatEndsAtOnceClosesTheBusyWindow) {
  for (int run = 0; run < 20; ++run) {
    std::promise<UINT> closed;
    ui.Post([&] { closed.set_value(RunBusy(frame, 180000, 1, [] {})); });
    EXPECT_EQ(closed.get_future().get(), 2u) << "run " << run;
    ASSERT_TRUE(driver.WaitIdle());
    EXPECT_EQ(FindWindowOfClass(kBusyClass), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(frame));
  }
}

TEST_F(Busy, AJobLongerThanTheTimeOutIsWaitedForWithTheUiAlive) {
  std::promise<void> gate;
  std::shared_future<void> open = gate.get_future().share();
  std::promise<void> counted;
  std::promise<UINT> closed;
  DWORD appliedOn = 0;
  ui.Post([&] {
    const UINT result = RunBusy(
        frame, 180000, 1,
        [&] {
          open.wait();
          MSG msg;
          ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the driver counts this thread from here
          counted.set_value();
          const bool retry = ShowMessage(L"读卡器连接超时,是否重试?", frame, 2);
          Step("job ended");
          return retry ? 7 : 0;
        },
        [&](int answer) {
          appliedOn = ::GetCurrentThreadId();
          Step("applied " + std::to_string(answer));
        });
    closed.set_value(result);
  });
  ASSERT_TRUE(driver.WaitIdle());
  const HWND busy = FindWindowOfClass(kBusyClass);
  ASSERT_NE(busy, nullptr);
  EXPECT_EQ(::GetWindow(busy, GW_OWNER), frame);
  EXPECT_FALSE(::IsWindowEnabled(frame));
  shelltest::SavePicture(busy, "busy");

  driver.Advance(179999);
  EXPECT_TRUE(::IsWindow(busy));
  driver.Advance(1);
  EXPECT_FALSE(::IsWindow(busy)) << "the time-out closed it";
  EXPECT_FALSE(::IsWindowEnabled(frame)) << "the frame waits for the job";
  const int before = Presented(frame);
  ::InvalidateRect(frame, nullptr, TRUE);
  EXPECT_GT(Presented(frame), before) << "the UI thread still paints";
  EXPECT_EQ(Steps(), Lines{});

  gate.set_value();
  counted.get_future().wait();
  ASSERT_TRUE(driver.WaitIdle());
  const HWND box = FindWindowOfClass(L"MessagWnd");
  ASSERT_NE(box, nullptr) << "the worker's question is served";
  ClickControl(box, L"yes");
  std::future<UINT> result = closed.get_future();
  EXPECT_EQ(result.get(), 2u);
  EXPECT_EQ(Steps(), (Lines{"job ended", "applied 7"}));
  EXPECT_EQ(appliedOn, ::GetWindowThreadProcessId(frame, nullptr)) << "the result is applied on the UI thread";
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(::IsWindowEnabled(frame));
}

TEST_F(Busy, AJobsExceptionReachesTheCallerAfterTheBusyWindowClosed) {
  std::promise<std::string> caught;
  ui.Post([&] {
    try {
      RunBusy(frame, 180000, 0, [] { throw std::runtime_error("导出失败"); });
      caught.set_value("nothing");
    } catch (const std::runtime_error&) {
      caught.set_value(FindWindowOfClass(kBusyClass) == nullptr ? "after the close" : "too early");
    }
  });
  EXPECT_EQ(caught.get_future().get(), "after the close");
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(::IsWindowEnabled(frame));
}

// --- The busy window by its settings and its skin ---------------------------------------

// The busy window with a skin of the test's own when one is given.
class BusyWindow : public CLoadingGifNobackgroundWndUI {
 public:
  BusyWindow(int timeout, int showText, std::wstring skin)
      : CLoadingGifNobackgroundWndUI(timeout, showText), m_skin(std::move(skin)) {}

 protected:
  SkinUI::CUIString GetSkinXmlName() const override {
    return m_skin.empty() ? CLoadingGifNobackgroundWndUI::GetSkinXmlName() : SkinUI::CUIString(m_skin.c_str());
  }

 private:
  std::wstring m_skin;
};

const wchar_t kWithoutAnimation[] =
    L"<Window size=\"240,150\"><VerticalLayout><Label name=\"lab_context\" /></VerticalLayout></Window>";
const wchar_t kWithoutText[] =
    L"<Window size=\"240,150\"><VerticalLayout><GifAnim name=\"LoadingGifAnim\" "
    L"bkimage=\"LoadingGif/加载中.gif\" /></VerticalLayout></Window>";

TEST_F(Busy, TheBusyWindowsTextAndTimeOutFollowItsSettingsAndSkin) {
  const struct {
    const char* what;
    const wchar_t* skin;
    int timeout;
    int showText;
    std::wstring text;
    bool closesAtTimeOut;
  } cases[] = {
      {"the skin, with text", L"", 180000, 1, L"程序执行中，请稍候...", true},
      {"the skin, without text", L"", 180000, 0, L"", true},
      {"the skin, no time-out", L"", 0, 1, L"程序执行中，请稍候...", false},
      {"no animation", kWithoutAnimation, 180000, 1, L"", false},
      {"no text label", kWithoutText, 180000, 1, L"(none)", false},
  };
  for (const auto& c : cases) {
    BusyWindow window(c.timeout, c.showText, c.skin);
    std::promise<UINT> closed;
    ui.Post([&] {
      window.Create(frame, L"LoadGift", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
      closed.set_value(window.ShowModal());
    });
    ASSERT_TRUE(driver.WaitIdle());
    const HWND hwnd = window.GetHWND();
    std::wstring text = L"(none)";
    OnWindowThread(hwnd, [&] {
      SkinUI::CControlUI* label = shelltest::ControlIfAny(hwnd, L"lab_context");
      if (label != nullptr) text = label->GetText().GetData();
    });
    EXPECT_EQ(text, c.text) << c.what;
    driver.Advance(180000);
    EXPECT_EQ(!::IsWindow(hwnd), c.closesAtTimeOut) << c.what;
    if (::IsWindow(hwnd)) ::PostMessageW(hwnd, WM_CLOSE, 2, 0);
    EXPECT_EQ(closed.get_future().get(), 2u) << c.what;
  }
}

}  // namespace
