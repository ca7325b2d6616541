// The window base: registration of plain classes and superclasses, the two window
// procedures and their records, detaching at the end, the modal loop, centring,
// client resizing and showing.
#include <gtest/gtest.h>

#include <atomic>
#include <map>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/UiTestSupport.h"
#include "ui/core/window/CWindowWnd.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CWindowManagerUI;
using SkinUI::CWindowWnd;
using uitest::Lines;

std::string MessageName(UINT message) {
  static const std::map<UINT, std::string> names = {
      {WM_NCCREATE, "WM_NCCREATE"}, {WM_CREATE, "WM_CREATE"},       {WM_DESTROY, "WM_DESTROY"},
      {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_CLOSE, "WM_CLOSE"},       {WM_APP, "WM_APP"},
      {WM_KEYDOWN, "WM_KEYDOWN"},   {WM_SETICON, "WM_SETICON"}};
  auto it = names.find(message);
  return it == names.end() ? std::string() : it->second;
}

// A class that a superclass copies: it logs what reaches it and keeps its own
// value in GWLP_USERDATA, as the system's classes may.
const wchar_t kBaseClass[] = L"SkinUITestBaseClass";
Lines* g_baseLog = nullptr;
const LONG_PTR kBaseUserData = 0x5EED;

LRESULT CALLBACK BaseClassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  const std::string name = MessageName(message);
  if (g_baseLog != nullptr && !name.empty()) g_baseLog->push_back("base:" + name);
  if (message == WM_CREATE) SetWindowLongPtrW(hwnd, GWLP_USERDATA, kBaseUserData);
  if (message == WM_APP) return GetWindowLongPtrW(hwnd, GWLP_USERDATA);
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

void RegisterBaseClass() {
  static std::once_flag once;
  std::call_once(once, [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &BaseClassProc;
    wc.hInstance = CWindowManagerUI::GetInstance();
    wc.lpszClassName = kBaseClass;
    RegisterClassExW(&wc);
  });
}

class ProbeWindow : public CWindowWnd {
 public:
  ProbeWindow(Lines* log, LPCTSTR className, LPCTSTR superclass = nullptr)
      : log_(log), className_(className), superclass_(superclass) {}

  bool deleteOnDetach = false;
  HWND detachedFrom = nullptr;

 protected:
  LPCTSTR GetWindowClassName() const override { return className_; }
  LPCTSTR GetSuperclassName() const override { return superclass_; }
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    std::string name = MessageName(uMsg);
    if (uMsg == WM_SETICON) name += ":" + std::string(wParam == ICON_BIG ? "big" : "small");
    if (log_ != nullptr && !name.empty()) log_->push_back("handle:" + name);
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
  }
  void OnDetached(HWND hWnd) override {
    detachedFrom = hWnd;
    if (log_ != nullptr) log_->push_back(std::string("detached:") + (GetHWND() == nullptr ? "forgotten" : "known"));
    if (deleteOnDetach) delete this;
  }

 private:
  Lines* log_;
  LPCTSTR className_;
  LPCTSTR superclass_;
};

class WindowBaseTest : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::EnsureInstance();
    RegisterBaseClass();
    g_baseLog = &log;
  }
  void TearDown() override { g_baseLog = nullptr; }

  TestDriver driver;
  GuiThread gui;
  Lines log;
};

struct LifecycleCase {
  const char* scenario;
  LPCTSTR className;
  LPCTSTR superclass;
  Lines expected;
};

void PrintTo(const LifecycleCase& c, std::ostream* os) { *os << c.scenario; }

class WindowLifecycle : public WindowBaseTest, public ::testing::WithParamInterface<LifecycleCase> {};

TEST_P(WindowLifecycle, TheObjectSeesEveryMessageButTheLastWhichTheSavedProcedureEnds) {
  const LifecycleCase& c = GetParam();
  gui.Call([&] {
    ProbeWindow window(&log, c.className, c.superclass);
    const HWND hwnd = window.Create(nullptr, L"probe", WS_POPUP, 0, 0, 0, 100, 100);
    ASSERT_NE(hwnd, nullptr);
    EXPECT_EQ(window.GetHWND(), hwnd);
    DestroyWindow(hwnd);
    EXPECT_EQ(window.GetHWND(), nullptr);
    EXPECT_EQ(window.detachedFrom, hwnd);
  });
  EXPECT_EQ(log, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, WindowLifecycle,
    ::testing::Values(
        LifecycleCase{"plain class", L"SkinUITestPlain", nullptr,
                      {"handle:WM_NCCREATE", "handle:WM_CREATE", "handle:WM_DESTROY", "detached:forgotten"}},
        LifecycleCase{"superclass",
                      L"SkinUITestSuper",
                      kBaseClass,
                      {"handle:WM_NCCREATE", "base:WM_NCCREATE", "handle:WM_CREATE", "base:WM_CREATE",
                       "handle:WM_DESTROY", "base:WM_DESTROY", "base:WM_NCDESTROY", "detached:forgotten"}}),
    [](const ::testing::TestParamInfo<LifecycleCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(WindowBaseTest, ASuperclassLeavesTheCopiedClassItsOwnWindowData) {
  gui.Call([&] {
    ProbeWindow window(&log, L"SkinUITestSuperData", kBaseClass);
    const HWND hwnd = window.Create(nullptr, L"probe", WS_POPUP, 0, 0, 0, 100, 100);
    ASSERT_NE(hwnd, nullptr);
    log.clear();
    EXPECT_EQ(SendMessageW(hwnd, WM_APP, 0, 0), kBaseUserData);
    EXPECT_EQ(log, (Lines{"handle:WM_APP", "base:WM_APP"})) << "the object is still found through its property";
    DestroyWindow(hwnd);
  });
}

TEST_F(WindowBaseTest, AClassRegisteredTwiceServesBothWindows) {
  gui.Call([&] {
    ProbeWindow first(nullptr, L"SkinUITestTwice"), second(nullptr, L"SkinUITestTwice");
    EXPECT_TRUE(first.RegisterWindowClass());
    EXPECT_TRUE(second.RegisterWindowClass()) << "an existing class counts as registered";
    const HWND a = first.Create(nullptr, L"a", WS_POPUP, 0, 0, 0, 10, 10);
    const HWND b = second.Create(nullptr, L"b", WS_POPUP, 0, 0, 0, 10, 10);
    EXPECT_NE(a, nullptr);
    EXPECT_NE(b, nullptr);
    EXPECT_NE(a, b);
    DestroyWindow(a);
    DestroyWindow(b);
  });
}

TEST_F(WindowBaseTest, ASuperclassOfAnUnknownClassCreatesNothing) {
  gui.Call([&] {
    ProbeWindow window(&log, L"SkinUITestOrphan", L"NoSuchClass");
    EXPECT_FALSE(window.RegisterSuperclass());
    EXPECT_EQ(window.Create(nullptr, L"orphan", WS_POPUP, 0, 0, 0, 10, 10), nullptr);
    EXPECT_EQ(window.GetHWND(), nullptr);
    EXPECT_TRUE(log.empty());
  });
}

TEST_F(WindowBaseTest, CloseAndShowDoNothingWithoutAWindow) {
  gui.Call([&] {
    ProbeWindow window(&log, L"SkinUITestPlain");
    window.Close(3);
    window.ShowWindow(true, true);
    const HWND hwnd = window.Create(nullptr, L"probe", WS_POPUP, 0, 0, 0, 10, 10);
    DestroyWindow(hwnd);
    log.clear();
    window.Close(3);
    window.ShowWindow(true, true);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(log.empty());
}

// --- The modal loop ---

enum class Ending { PostedCode, SentClose, CloseCall };

struct ModalCase {
  const char* scenario;
  Ending ending;
  UINT expected;
};

void PrintTo(const ModalCase& c, std::ostream* os) { *os << c.scenario; }

class ModalResult : public WindowBaseTest, public ::testing::WithParamInterface<ModalCase> {};

TEST_P(ModalResult, IsThePostedCloseCodeWithTheOwnerDisabledMeanwhile) {
  const ModalCase& c = GetParam();
  ProbeWindow owner(nullptr, L"SkinUITestPlain"), dialog(nullptr, L"SkinUITestPlain");
  HWND hOwner = nullptr, hDialog = nullptr;
  gui.Call([&] {
    hOwner = owner.Create(nullptr, L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 0, 400, 300);
    hDialog = dialog.Create(hOwner, L"dialog", WS_POPUP, 0, 50, 50, 100, 100);
  });
  std::atomic<int> result{-1};
  gui.Post([&] { result = static_cast<int>(dialog.ShowModal()); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(IsWindowEnabled(hOwner));
  EXPECT_TRUE(IsWindowVisible(hDialog));
  switch (c.ending) {
    case Ending::PostedCode:
      PostMessageW(hDialog, WM_CLOSE, 7, 0);
      break;
    case Ending::SentClose:
      SendMessageW(hDialog, WM_CLOSE, 7, 0);
      break;
    case Ending::CloseCall:
      gui.Call([&] { dialog.Close(1); });
      break;
  }
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), static_cast<int>(c.expected));
  EXPECT_FALSE(IsWindow(hDialog));
  EXPECT_TRUE(IsWindowEnabled(hOwner));
  gui.Call([&] {
    EXPECT_EQ(GetFocus(), hOwner);
    DestroyWindow(hOwner);
  });
}

INSTANTIATE_TEST_SUITE_P(Table, ModalResult,
                         ::testing::Values(ModalCase{"posted code", Ending::PostedCode, 7},
                                           ModalCase{"sent close", Ending::SentClose, 0},
                                           ModalCase{"Close(1)", Ending::CloseCall, 1}),
                         [](const ::testing::TestParamInfo<ModalCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(WindowBaseTest, QuitInANestedModalLoopEndsItAndReachesTheOuterLoop) {
  ProbeWindow outer(nullptr, L"SkinUITestPlain"), inner(nullptr, L"SkinUITestPlain");
  HWND hOuter = nullptr;
  gui.Call([&] {
    hOuter = outer.Create(nullptr, L"outer", WS_POPUP, 0, 0, 0, 300, 300);
    inner.Create(hOuter, L"inner", WS_POPUP, 0, 10, 10, 100, 100);
  });
  gui.Post([&] {
    outer.ShowModal();
    log.push_back("outer ended");
  });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Post([&] {
    inner.ShowModal();
    log.push_back(IsWindowEnabled(hOuter) ? "inner ended, outer enabled" : "inner ended, outer disabled");
  });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Post([] { PostQuitMessage(42); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"inner ended, outer enabled", "outer ended"}));
  EXPECT_TRUE(gui.Finished());
  EXPECT_EQ(gui.ExitCode(), 42);
}

TEST_F(WindowBaseTest, AWindowThatDeletesItselfWhenDetachedStillGivesItsResult) {
  ProbeWindow* dialog = new ProbeWindow(&log, L"SkinUITestPlain");
  dialog->deleteOnDetach = true;
  gui.Call([&] { dialog->Create(nullptr, L"dialog", WS_POPUP, 0, 0, 0, 100, 100); });
  const HWND hDialog = dialog->GetHWND();
  std::atomic<int> result{-1};
  gui.Post([&] { result = static_cast<int>(dialog->ShowModal()); });
  ASSERT_TRUE(driver.WaitIdle());
  PostMessageW(hDialog, WM_CLOSE, 5, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 5);
  EXPECT_EQ(log.back(), "detached:forgotten");
}

// Consumes every key the loop offers to the window's manager.
class KeyEater : public SkinUI::IMessageFilterUI {
 public:
  LRESULT FilterMessage(UINT uMsg, WPARAM, LPARAM, bool& bHandled) override {
    if (uMsg == WM_KEYDOWN) bHandled = true;
    return 0;
  }
};

TEST_F(WindowBaseTest, TheLoopDispatchesNothingTheManagersConsume) {
  ProbeWindow dialog(&log, L"SkinUITestPlain");
  CWindowManagerUI* manager = nullptr;
  KeyEater eater;
  gui.Call([&] {
    dialog.Create(nullptr, L"dialog", WS_POPUP, 0, 0, 0, 100, 100);
    manager = new CWindowManagerUI();
    manager->Init(dialog.GetHWND());
  });
  std::atomic<int> result{-1};
  gui.Post([&] { result = static_cast<int>(dialog.ShowModal()); });
  ASSERT_TRUE(driver.WaitIdle());
  driver.Tap('A');
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] { manager->AddPreMessageFilter(&eater); });
  driver.Tap('B');
  ASSERT_TRUE(driver.WaitIdle());
  PostMessageW(dialog.GetHWND(), WM_CLOSE, 2, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(result.load(), 2);
  Lines keys;
  for (const std::string& line : log) {
    if (line == "handle:WM_KEYDOWN") keys.push_back(line);
  }
  EXPECT_EQ(keys, (Lines{"handle:WM_KEYDOWN"})) << "only the key before the filter came";
  gui.Call([&] { delete manager; });
}

// --- Placement ---

struct CenterCase {
  const char* scenario;
  bool owned;
  RECT owner;
  RECT window;
  POINT expected;
};

void PrintTo(const CenterCase& c, std::ostream* os) { *os << c.scenario; }

class Centring : public ::testing::TestWithParam<CenterCase> {};

TEST_P(Centring, OverTheOwnerOrTheWorkAreaAndKeptInsideTheWorkArea) {
  const CenterCase& c = GetParam();
  uitest::EnsureInstance();
  TestDriver driver(TestDriver::TwoMonitors());
  GuiThread gui;
  gui.Call([&] {
    ProbeWindow owner(nullptr, L"SkinUITestPlain"), window(nullptr, L"SkinUITestPlain");
    HWND hOwner = nullptr;
    if (c.owned) hOwner = owner.CreateInRect(nullptr, L"owner", WS_POPUP | WS_VISIBLE, 0, c.owner);
    window.CreateInRect(hOwner, L"window", WS_POPUP, 0, c.window);
    window.CenterWindow();
    RECT rc = {};
    GetWindowRect(window.GetHWND(), &rc);
    EXPECT_EQ(rc.left, c.expected.x);
    EXPECT_EQ(rc.top, c.expected.y);
    EXPECT_EQ(rc.right - rc.left, c.window.right - c.window.left) << "the size stays";
    DestroyWindow(window.GetHWND());
    if (hOwner != nullptr) DestroyWindow(hOwner);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, Centring,
    ::testing::Values(
        CenterCase{"work area of the primary", false, {}, {10, 10, 410, 310}, {760, 370}},
        CenterCase{"wider than the work area", false, {}, {10, 10, 2010, 310}, {0, 370}},
        CenterCase{"taller than the work area", false, {}, {10, 10, 410, 1110}, {760, 0}},
        CenterCase{"work area of the second monitor", false, {}, {2000, 100, 2400, 400}, {2360, 377}},
        CenterCase{"over its owner", true, {100, 100, 500, 400}, {0, 0, 200, 100}, {200, 200}},
        CenterCase{"owner at the right edge", true, {1700, 0, 1920, 200}, {0, 0, 400, 100}, {1520, 50}},
        CenterCase{"owner under the second monitor's panel", true, {2000, 30, 2200, 60}, {0, 0, 300, 200},
                   {1950, 30}}),
    [](const ::testing::TestParamInfo<CenterCase>& info) { return "Case" + std::to_string(info.index); });

struct ResizeCase {
  const char* scenario;
  int cx;
  int cy;
  SIZE expected;
};

void PrintTo(const ResizeCase& c, std::ostream* os) { *os << c.scenario; }

class ResizeClient : public ::testing::TestWithParam<ResizeCase> {};

TEST_P(ResizeClient, GivesTheClientAreaTheSizeAndMinusOneKeepsASide) {
  const ResizeCase& c = GetParam();
  uitest::EnsureInstance();
  TestDriver driver;
  GuiThread gui;
  gui.Call([&] {
    ProbeWindow window(nullptr, L"SkinUITestPlain");
    window.Create(nullptr, L"window", WS_POPUP, 0, 40, 50, 200, 100);
    window.ResizeClient(c.cx, c.cy);
    RECT client = {}, rc = {};
    GetClientRect(window.GetHWND(), &client);
    GetWindowRect(window.GetHWND(), &rc);
    EXPECT_EQ(client.right, c.expected.cx);
    EXPECT_EQ(client.bottom, c.expected.cy);
    EXPECT_EQ(rc.left, 40) << "the window does not move";
    EXPECT_EQ(rc.top, 50);
    DestroyWindow(window.GetHWND());
  });
}

INSTANTIATE_TEST_SUITE_P(Table, ResizeClient,
                         ::testing::Values(ResizeCase{"both", 320, 240, {320, 240}},
                                           ResizeCase{"keep the width", -1, 240, {200, 240}},
                                           ResizeCase{"keep the height", 320, -1, {320, 100}},
                                           ResizeCase{"keep both", -1, -1, {200, 100}}),
                         [](const ::testing::TestParamInfo<ResizeCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

struct ShowCase {
  const char* scenario;
  bool show;
  bool takeFocus;
  bool visible;
  bool focused;
};

void PrintTo(const ShowCase& c, std::ostream* os) { *os << c.scenario; }

class ShowWindowCommands : public WindowBaseTest, public ::testing::WithParamInterface<ShowCase> {};

TEST_P(ShowWindowCommands, ShowWithOrWithoutFocusOrHide) {
  const ShowCase& c = GetParam();
  gui.Call([&] {
    ProbeWindow other(nullptr, L"SkinUITestPlain"), window(nullptr, L"SkinUITestPlain");
    other.Create(nullptr, L"other", WS_POPUP | WS_VISIBLE, 0, 500, 0, 100, 100);
    SetFocus(other.GetHWND());
    window.Create(nullptr, L"window", c.show ? WS_POPUP : WS_POPUP | WS_VISIBLE, 0, 0, 0, 100, 100);
    window.ShowWindow(c.show, c.takeFocus);
    EXPECT_EQ(static_cast<bool>(IsWindowVisible(window.GetHWND())), c.visible);
    EXPECT_EQ(GetFocus() == window.GetHWND(), c.focused);
    DestroyWindow(window.GetHWND());
    DestroyWindow(other.GetHWND());
  });
}

INSTANTIATE_TEST_SUITE_P(Table, ShowWindowCommands,
                         ::testing::Values(ShowCase{"show and take the focus", true, true, true, true},
                                           ShowCase{"show without focus", true, false, true, false},
                                           ShowCase{"hide", false, true, false, false}),
                         [](const ::testing::TestParamInfo<ShowCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(WindowBaseTest, SetIconSendsTheBigIconThenTheSmallOne) {
  gui.Call([&] {
    ProbeWindow window(&log, L"SkinUITestPlain");
    window.Create(nullptr, L"window", WS_POPUP, 0, 0, 0, 100, 100);
    log.clear();
    window.SetIcon(101);
    EXPECT_EQ(log, (Lines{"handle:WM_SETICON:big", "handle:WM_SETICON:small"}));
    DestroyWindow(window.GetHWND());
  });
}

}  // namespace
