// The window implementation base, built from skins written inline: hit-testing of
// the size box and the caption, the caption's clickable controls, the system
// buttons, the window region, size limits on configured monitors, default keys and
// the failure of a skin that cannot be built.
#include <gtest/gtest.h>

#include <atomic>

#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/base/Process.h"
#include "tests/ui/core/support/WindowTestSupport.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"

namespace {

using platform::backend::MonitorDesc;
using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CControlUI;
using wintest::Lines;
using wintest::SkinWindow;

// A 400x300 window at the screen's origin with a 4-pixel size box, a 30-pixel
// caption, a close button and a title label in the caption.
const wchar_t kFrameSkin[] =
    L"<Window size=\"400,300\" sizebox=\"4,4,4,4\" caption=\"0,0,0,30\">"
    L"<Container>"
    L"<Label name=\"title\" pos=\"10,0,200,30\" float=\"true\"/>"
    L"<Button name=\"closebtn\" pos=\"370,0,400,30\" float=\"true\"/>"
    L"<Button name=\"minbtn\" pos=\"310,0,340,30\" float=\"true\"/>"
    L"<Button name=\"maxbtn\" pos=\"340,0,370,30\" float=\"true\"/>"
    L"<Button name=\"restorebtn\" pos=\"340,0,370,30\" float=\"true\" visible=\"false\"/>"
    L"</Container></Window>";

class WindowImplTest : public ::testing::Test {
 protected:
  explicit WindowImplTest(std::vector<MonitorDesc> monitors = platform::headless::HeadlessBackend::DefaultMonitors())
      : driver(std::move(monitors)) {}
  void SetUp() override { uitest::EnsureInstance(); }
  void TearDown() override {
    gui.Call([this] {
      if (window && IsWindow(window->GetHWND())) DestroyWindow(window->GetHWND());
      window.reset();
    });
  }

  // Creates the window on the GUI thread at (x, y).
  HWND Open(const wchar_t* skin, int x = 0, int y = 0) {
    HWND hwnd = nullptr;
    gui.Call([&] {
      window.reset(new SkinWindow(skin, &log));
      hwnd = window->Create(nullptr, L"window", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
      if (hwnd != nullptr) SetWindowPos(hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    });
    EXPECT_TRUE(driver.WaitIdle());
    return hwnd;
  }
  UINT HitTest(HWND hwnd, int x, int y) {
    return static_cast<UINT>(SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)));
  }
  bool Visible(LPCTSTR name) {
    bool visible = false;
    gui.Call([&] { visible = window->Manager().FindControl(name)->IsVisible(); });
    return visible;
  }

  TestDriver driver;
  GuiThread gui;
  Lines log;
  std::unique_ptr<SkinWindow> window;
};

TEST_F(WindowImplTest, BuildsItsSkinOnCreationWithoutCaptionAndSizedByIt) {
  const HWND hwnd = Open(kFrameSkin, 50, 60);
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(window->skinBuilt, 1);
  RECT rc = {};
  GetWindowRect(hwnd, &rc);
  EXPECT_EQ(rc.right - rc.left, 400) << "the skin's size, set while WM_CREATE ran and before the root";
  EXPECT_EQ(rc.bottom - rc.top, 300);
  const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_EQ(style & (WS_CLIPSIBLINGS | WS_CLIPCHILDREN), WS_CLIPSIBLINGS | WS_CLIPCHILDREN);
  EXPECT_EQ(GetClassLongW(hwnd, GCL_STYLE) & CS_DBLCLKS, static_cast<DWORD>(CS_DBLCLKS));
}

struct HitCase {
  const char* scenario;
  bool maximised;
  POINT at;
  UINT expected;
};

void PrintTo(const HitCase& c, std::ostream* os) { *os << c.scenario; }

class HitTesting : public WindowImplTest, public ::testing::WithParamInterface<HitCase> {};

TEST_P(HitTesting, SizeBoxBandsThenTheCaptionThenTheClient) {
  const HitCase& c = GetParam();
  const HWND hwnd = Open(kFrameSkin);
  if (c.maximised) {
    gui.Call([&] { ShowWindow(hwnd, SW_MAXIMIZE); });
    ASSERT_TRUE(driver.WaitIdle());
  }
  EXPECT_EQ(HitTest(hwnd, c.at.x, c.at.y), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, HitTesting,
    ::testing::Values(HitCase{"top-left corner", false, {2, 2}, HTTOPLEFT},
                      HitCase{"top band", false, {200, 2}, HTTOP},
                      HitCase{"top-right corner", false, {398, 2}, HTTOPRIGHT},
                      HitCase{"left band", false, {2, 100}, HTLEFT},
                      HitCase{"right band", false, {398, 100}, HTRIGHT},
                      HitCase{"bottom-left corner", false, {2, 298}, HTBOTTOMLEFT},
                      HitCase{"bottom band", false, {200, 298}, HTBOTTOM},
                      HitCase{"bottom-right corner", false, {398, 298}, HTBOTTOMRIGHT},
                      HitCase{"the left band's inner edge is not in it", false, {4, 100}, HTCLIENT},
                      HitCase{"the right band's inner edge is not in it", false, {396, 100}, HTCLIENT},
                      HitCase{"the top band's inner edge is caption", false, {200, 4}, HTCAPTION},
                      HitCase{"over the title label", false, {50, 15}, HTCAPTION},
                      HitCase{"over the close button", false, {380, 15}, HTCLIENT},
                      HitCase{"below the caption", false, {200, 30}, HTCLIENT},
                      HitCase{"maximised: the corner falls to the caption", true, {2, 2}, HTCAPTION},
                      HitCase{"maximised: the left band falls to the client", true, {2, 100}, HTCLIENT}),
    [](const ::testing::TestParamInfo<HitCase>& info) { return "Case" + std::to_string(info.index); });

struct CaptionCase {
  const char* element;
  UINT expected;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.element; }

class CaptionControls : public WindowImplTest, public ::testing::WithParamInterface<CaptionCase> {};

TEST_P(CaptionControls, StayClickableOrDragTheWindow) {
  const CaptionCase& c = GetParam();
  std::wstring skin = L"<Window size=\"400,300\" caption=\"0,0,0,30\"><Container><";
  skin += std::wstring(c.element, c.element + strlen(c.element));
  skin += L" name=\"x\" pos=\"100,0,200,30\" float=\"true\"/></Container></Window>";
  const HWND hwnd = Open(skin.c_str());
  EXPECT_EQ(HitTest(hwnd, 150, 15), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Table, CaptionControls,
                         ::testing::Values(CaptionCase{"Button", HTCLIENT}, CaptionCase{"Option", HTCLIENT},
                                           CaptionCase{"Text", HTCLIENT}, CaptionCase{"Slider", HTCLIENT},
                                           CaptionCase{"LowerButton", HTCLIENT}, CaptionCase{"Label", HTCAPTION}),
                         [](const ::testing::TestParamInfo<CaptionCase>& info) {
                           return std::string(info.param.element);
                         });

TEST_F(WindowImplTest, TheCloseButtonEndsTheModalLoopWithOne) {
  const HWND hwnd = Open(kFrameSkin);
  std::atomic<int> result{-1};
  gui.Post([&] { result = static_cast<int>(window->ShowModal()); });
  ASSERT_TRUE(driver.WaitIdle());
  driver.Click(380, 15);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 1);
  EXPECT_FALSE(IsWindow(hwnd));
  gui.Call([&] { EXPECT_EQ(window->GetHWND(), nullptr) << "the object outlives its window"; });
}

TEST_F(WindowImplTest, TheSystemCloseCommandClosesLikeASentClose) {
  const HWND hwnd = Open(kFrameSkin);
  std::atomic<int> result{-1};
  gui.Post([&] { result = static_cast<int>(window->ShowModal()); });
  ASSERT_TRUE(driver.WaitIdle());
  PostMessageW(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 0);
}

TEST_F(WindowImplTest, MaximiseAndRestoreButtonsSwapAndMinimiseIconises) {
  const HWND hwnd = Open(kFrameSkin);
  driver.Click(350, 15);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(IsZoomed(hwnd));
  EXPECT_FALSE(Visible(L"maxbtn"));
  EXPECT_TRUE(Visible(L"restorebtn"));
  driver.Click(350, 15);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(IsZoomed(hwnd));
  EXPECT_TRUE(Visible(L"maxbtn"));
  EXPECT_FALSE(Visible(L"restorebtn"));
  driver.Click(320, 15);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(IsIconic(hwnd));
}

TEST_F(WindowImplTest, WithoutItsPartnerAMaximiseButtonStaysAsItIs) {
  const HWND hwnd = Open(
      L"<Window size=\"400,300\"><Container><Button name=\"maxbtn\" pos=\"340,0,370,30\" float=\"true\"/>"
      L"</Container></Window>");
  driver.Click(350, 15);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(IsZoomed(hwnd));
  EXPECT_TRUE(Visible(L"maxbtn"));
}

struct RegionCase {
  const char* scenario;
  const wchar_t* skin;
  POINT at;
  bool inside;
};

void PrintTo(const RegionCase& c, std::ostream* os) { *os << c.scenario; }

class WindowRegion : public WindowImplTest, public ::testing::WithParamInterface<RegionCase> {};

TEST_P(WindowRegion, FollowsEverySizeWithTheSkinsCorners) {
  const RegionCase& c = GetParam();
  const HWND hwnd = Open(c.skin);
  gui.Call([&] { SetWindowPos(hwnd, nullptr, 0, 0, 300, 200, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); });
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(hwnd, region), ERROR);
  EXPECT_EQ(PtInRegion(region, c.at.x, c.at.y) != FALSE, c.inside);
  DeleteObject(region);
}

const wchar_t kRounded[] = L"<Window size=\"400,300\" roundcorner=\"20,20\"><Container/></Window>";
const wchar_t kSquare[] = L"<Window size=\"400,300\"><Container/></Window>";

INSTANTIATE_TEST_SUITE_P(Table, WindowRegion,
                         ::testing::Values(RegionCase{"rounded: the corner is cut", kRounded, {1, 1}, false},
                                           RegionCase{"rounded: the far corner is cut", kRounded, {298, 198}, false},
                                           RegionCase{"rounded: the middle stays", kRounded, {150, 100}, true},
                                           RegionCase{"rounded: an edge's middle stays", kRounded, {150, 0}, true},
                                           RegionCase{"square: the corner stays", kSquare, {0, 0}, true},
                                           RegionCase{"square: the far corner stays", kSquare, {299, 199}, true}),
                         [](const ::testing::TestParamInfo<RegionCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(WindowImplTest, NonClientMessagesAreAnsweredByTheWindowItself) {
  const HWND hwnd = Open(kFrameSkin);
  EXPECT_EQ(SendMessageW(hwnd, WM_NCCALCSIZE, FALSE, 0), 0);
  EXPECT_EQ(SendMessageW(hwnd, WM_NCPAINT, 1, 0), 0);
  EXPECT_EQ(SendMessageW(hwnd, WM_NCACTIVATE, FALSE, 0), TRUE) << "deactivation proceeds";
  EXPECT_EQ(SendMessageW(hwnd, WM_NCACTIVATE, TRUE, 0), FALSE);
}

TEST_F(WindowImplTest, EnterAndEscapeReachTheDefaultKeyAndGoOnToTheFocusedControl) {
  const HWND hwnd = Open(
      L"<Window size=\"400,300\"><Container><Button name=\"ok\" pos=\"10,10,100,40\" float=\"true\"/>"
      L"</Container></Window>");
  std::atomic<int> result{-1};
  gui.Post([&] { result = static_cast<int>(window->ShowModal()); });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] { window->Manager().FindControl(L"ok")->SetFocus(); });
  log.clear();
  driver.Tap(VK_RETURN);
  driver.Tap(VK_ESCAPE);
  ASSERT_TRUE(driver.WaitIdle());
  Lines seen;
  for (const std::string& line : log) {
    if (line.find("keydown") != std::string::npos || line.find("default") != std::string::npos) seen.push_back(line);
  }
  EXPECT_EQ(seen, (Lines{"default key 13 -> 0", "ok:keydown(13)", "default key 27 -> 1", "ok:keydown(27)"}));
  EXPECT_TRUE(IsWindow(hwnd)) << "Escape closes nothing by itself";
  PostMessageW(hwnd, WM_CLOSE, 0, 0);
  ASSERT_TRUE(driver.WaitIdle());
}

// --- Windows that end while their own messages run ---

// A window that deletes itself with its last message, as a program's windows do,
// and destroys itself when its "destroybtn" is clicked.
class SelfDeletingWindow : public SkinWindow {
 public:
  SelfDeletingWindow(const wchar_t* skin, Lines* log, std::atomic<int>* moveLoops, std::atomic<bool>* deleted)
      : SkinWindow(skin, log), moveLoops_(moveLoops), deleted_(deleted) {}
  ~SelfDeletingWindow() override { *deleted_ = true; }
  void Notify(SkinUI::UINotifyRecord& msg) override {
    if (msg.sType == L"click" && msg.pSender != nullptr && msg.pSender->GetName() == L"destroybtn") {
      DestroyWindow(GetHWND());
      return;
    }
    SkinWindow::Notify(msg);
  }

 protected:
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    if (uMsg == WM_ENTERSIZEMOVE) ++*moveLoops_;
    return SkinWindow::HandleMessage(uMsg, wParam, lParam);
  }
  void OnDetached(HWND hWnd) override {
    SkinWindow::OnDetached(hWnd);
    delete this;
  }

 private:
  std::atomic<int>* moveLoops_;
  std::atomic<bool>* deleted_;
};

// Nothing touches the window object once a call that can end the window returns:
// under the address sanitizer these fail on the first read of a deleted object.
class WindowEndingInItsOwnMessages : public WindowImplTest {
 protected:
  HWND OpenSelfDeleting(const wchar_t* skin) {
    HWND hwnd = nullptr;
    gui.Call([&] {
      auto* window = new SelfDeletingWindow(skin, &log, &moveLoops, &deleted);
      hwnd = window->Create(nullptr, L"window", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
    });
    EXPECT_TRUE(driver.WaitIdle());
    return hwnd;
  }

  std::atomic<int> moveLoops{0};
  std::atomic<bool> deleted{false};
};

TEST_F(WindowEndingInItsOwnMessages, ClosedDuringItsCaptionDrag) {
  const HWND hwnd = OpenSelfDeleting(kFrameSkin);
  ASSERT_NE(hwnd, nullptr);
  driver.MoveMouse(250, 15);
  driver.Press();
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_EQ(moveLoops.load(), 1) << "the press on the caption runs the move loop";
  // Runs inside the move loop, as a test's tear-down or another thread's close would.
  gui.Call([&] { DestroyWindow(hwnd); });
  driver.MoveMouse(260, 25);
  driver.Release();
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(deleted.load());
}

TEST_F(WindowEndingInItsOwnMessages, DestroyedByAClickHandler) {
  const HWND hwnd = OpenSelfDeleting(
      L"<Window size=\"400,300\"><Container><Button name=\"destroybtn\" pos=\"10,10,100,40\" float=\"true\"/>"
      L"</Container></Window>");
  ASSERT_NE(hwnd, nullptr);
  driver.Click(50, 25);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_TRUE(deleted.load());
}

// --- Monitors ---

class WindowImplOnTwoMonitors : public WindowImplTest {
 protected:
  WindowImplOnTwoMonitors() : WindowImplTest(TestDriver::TwoMonitors()) {}
};

TEST_F(WindowImplOnTwoMonitors, SizeLimitsComeFromTheWorkAreaThenTheSkin) {
  const HWND hwnd = Open(L"<Window size=\"400,300\" mininfo=\"200,100\" maxinfo=\"800,0\"><Container/></Window>", 2000,
                         100);
  MINMAXINFO mmi = {};
  SendMessageW(hwnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi));
  EXPECT_EQ(mmi.ptMaxPosition.x, 0) << "relative to the monitor";
  EXPECT_EQ(mmi.ptMaxPosition.y, 30);
  EXPECT_EQ(mmi.ptMaxTrackSize.x, 800) << "the skin's maximum width wins";
  EXPECT_EQ(mmi.ptMaxTrackSize.y, 994) << "the work area's height";
  EXPECT_EQ(mmi.ptMinTrackSize.x, 200);
  EXPECT_EQ(mmi.ptMinTrackSize.y, 100);
}

TEST_F(WindowImplOnTwoMonitors, AFrameChangeWhileMaximisedOnTheSecondMonitorKeepsItsWorkArea) {
  const HWND hwnd = Open(kFrameSkin, 2000, 100);
  gui.Call([&] {
    ShowWindow(hwnd, SW_MAXIMIZE);
    SetWindowPos(hwnd, nullptr, 0, 0, 100, 100, SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOACTIVATE);
  });
  RECT rc = {};
  GetWindowRect(hwnd, &rc);
  EXPECT_EQ(rc, (RECT{1920, 30, 3200, 1024}));
}

// --- A skin that cannot be built ---

TEST_F(WindowImplTest, ASkinThatCannotBeBuiltSaysSoAndEndsTheProcessWithOne) {
  std::atomic<int> exitCode{-1};
  platform::SetExitProcessHook([&exitCode](UINT code) { exitCode = static_cast<int>(code); });
  std::atomic<bool> created{true};
  gui.Post([&] {
    window.reset(new SkinWindow(L"no-such-skin.xml", &log));
    created = window->Create(nullptr, L"window", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0) != nullptr;
  });
  ASSERT_TRUE(driver.WaitIdle());
  const auto boxes = driver.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"加载资源文件失败");
  EXPECT_EQ(boxes[0].caption, L"SkinUI");
  EXPECT_EQ(boxes[0].type & MB_ICONMASK, static_cast<UINT>(MB_ICONHAND));
  EXPECT_EQ(GetWindow(boxes[0].hwnd, GW_OWNER), nullptr) << "no owner";
  EXPECT_EQ(exitCode.load(), -1) << "not before the box is answered";
  ASSERT_TRUE(driver.AnswerMessageBox(IDOK));
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(exitCode.load(), 1);
  EXPECT_FALSE(created.load()) << "no window without its skin";
  platform::SetExitProcessHook(nullptr);
}

}  // namespace
