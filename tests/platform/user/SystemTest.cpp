// System pieces: exported functions, the message box, the tooltip class.
#include <gtest/gtest.h>

#include <atomic>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using test::TraceWindow;
using test::WindowSpec;

struct ExportCase {
  const wchar_t* module;
  const char* function;
  bool found;
};

class Exports : public ::testing::TestWithParam<ExportCase> {};

TEST_P(Exports, ResolveWhatTheProgramLooksUp) {
  const ExportCase& c = GetParam();
  HMODULE module = LoadLibraryW(c.module);
  ASSERT_NE(module, nullptr);
  EXPECT_EQ(GetProcAddress(module, c.function) != nullptr, c.found);
}

INSTANTIATE_TEST_SUITE_P(Table, Exports,
                         ::testing::Values(ExportCase{L"User32.dll", "SetLayeredWindowAttributes", true},
                                           ExportCase{L"USER32.DLL", "SetLayeredWindowAttributes", true},
                                           ExportCase{L"msimg32.dll", "AlphaBlend", true},
                                           ExportCase{L"msimg32.dll", "GradientFill", true},
                                           ExportCase{L"User32.dll", "NoSuchFunction", false},
                                           ExportCase{L"msimg32.dll", "SetLayeredWindowAttributes", false}));

TEST(Exports, UnknownLibrariesAreNotFound) {
  EXPECT_EQ(LoadLibraryW(L"nosuch.dll"), nullptr);
  typedef BOOL(WINAPI * SetAttributes)(HWND, COLORREF, BYTE, DWORD);
  auto fn = reinterpret_cast<SetAttributes>(GetProcAddress(LoadLibraryW(L"User32.dll"), "SetLayeredWindowAttributes"));
  ASSERT_NE(fn, nullptr);
  EXPECT_FALSE(fn(nullptr, 0, 10, LWA_ALPHA)) << "the function found is the real one";
}

TEST(Exports, AControlsModuleIsNoSystemLibrary) {
  // A skin's "modulename" names a control's own library; none loads, so the host falls
  // back to the classes registered in the process.
  for (const wchar_t* name : {L"flash.ocx", L"C:\\Windows\\System32\\ieframe.dll", L"Patrol.dll"}) {
    EXPECT_EQ(LoadLibraryW(name), nullptr);
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
  }
}

TEST(AcceleratorTables, AreHandlesOverACopyUntilDestroyedOnce) {
  ACCEL entries[2] = {{FVIRTKEY | FCONTROL, 'C', 100}, {0, 0, 0}};
  HACCEL first = CreateAcceleratorTableW(entries, 2);
  HACCEL second = CreateAcceleratorTableW(entries + 1, 1);
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  EXPECT_NE(first, second);
  EXPECT_TRUE(DestroyAcceleratorTable(first));
  EXPECT_FALSE(DestroyAcceleratorTable(first)) << "destroyed already";
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_HANDLE));
  EXPECT_TRUE(DestroyAcceleratorTable(second));

  SetLastError(0);
  EXPECT_EQ(CreateAcceleratorTableW(entries, 0), nullptr);
  EXPECT_EQ(CreateAcceleratorTableW(nullptr, 1), nullptr);
  EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_INVALID_PARAMETER));
  EXPECT_FALSE(DestroyAcceleratorTable(nullptr));
}

struct BoxCase {
  UINT type;
  int answer;
  int expected;
};

class MessageBoxes : public test::TracedTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxes, RunModallyAndTheDriverAnswers) {
  const BoxCase& c = GetParam();
  HWND owner = nullptr;
  std::atomic<int> result{-1};
  gui.Call([&] { owner = TraceWindow::Create(trace, WindowSpec{"owner", WS_POPUP | WS_VISIBLE}); });
  gui.Post([&] { result = MessageBoxW(owner, L"无法连接服务器", L"错误", c.type); });
  ASSERT_TRUE(driver.WaitIdle());
  const auto boxes = driver.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, L"无法连接服务器");
  EXPECT_EQ(boxes[0].caption, L"错误");
  EXPECT_FALSE(IsWindowEnabled(owner));
  EXPECT_EQ(GetForegroundWindow(), boxes[0].hwnd);
  if (c.answer) {
    EXPECT_TRUE(driver.AnswerMessageBox(c.answer));
  } else {
    driver.Tap(VK_ESCAPE);
  }
  EXPECT_EQ(result.load(), c.expected);
  EXPECT_TRUE(IsWindowEnabled(owner));
  EXPECT_TRUE(driver.MessageBoxes().empty());
}

INSTANTIATE_TEST_SUITE_P(Table, MessageBoxes,
                         ::testing::Values(BoxCase{MB_ICONHAND, IDOK, IDOK}, BoxCase{MB_OKCANCEL, IDCANCEL, IDCANCEL},
                                           BoxCase{MB_OKCANCEL, 0, IDCANCEL}, BoxCase{MB_OK, 0, IDOK}));

TEST(MessageBoxes, WorkBeforeAnyOtherWindowExists) {
  TestDriver driver;
  GuiThread worker;
  std::atomic<int> result{-1};
  worker.Post([&] { result = MessageBoxW(nullptr, L"配置文件缺失", nullptr, MB_ICONHAND); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(driver.AnswerMessageBox(IDOK));
  EXPECT_EQ(result.load(), IDOK);
}

using Tooltips = test::TracedTest;

TEST_F(Tooltips, ShowNearThePointerWithoutTakingTheFocus) {
  HWND host = nullptr, tip = nullptr;
  driver.MoveMouse(500, 400);
  gui.Call([&] {
    host = TraceWindow::Create(trace, WindowSpec{"host", WS_POPUP | WS_VISIBLE, 0, {0, 0, 800, 600}});
    tip = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, CW_USEDEFAULT,
                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, host, nullptr, nullptr, nullptr);
    ASSERT_NE(tip, nullptr);
    TTTOOLINFOW info{};
    info.cbSize = sizeof(info);
    info.uFlags = TTF_IDISHWND;
    info.hwnd = host;
    info.uId = UINT_PTR(host);
    wchar_t text[] = L"巡更点";
    info.lpszText = text;
    EXPECT_TRUE(SendMessageW(tip, TTM_ADDTOOLW, 0, LPARAM(&info)));
    text[0] = L'X';  // the tool keeps its own copy
    EXPECT_EQ(SendMessageW(tip, TTM_GETDELAYTIME, TTDT_INITIAL, 0), 500);
    SendMessageW(tip, TTM_SETMAXTIPWIDTH, 0, 300);
    SendMessageW(tip, TTM_TRACKACTIVATE, TRUE, LPARAM(&info));
    EXPECT_TRUE(IsWindowVisible(tip));
    EXPECT_EQ(GetFocus(), host);
    EXPECT_EQ(GetActiveWindow(), host);
  });
  ASSERT_TRUE(driver.WaitIdle());
  RECT r;
  GetWindowRect(tip, &r);
  EXPECT_GE(r.left, 500);
  EXPECT_GT(r.top, 400);
  EXPECT_GT(r.right - r.left, 0);
  EXPECT_TRUE(GetWindowLongW(tip, GWL_EXSTYLE) & WS_EX_TOPMOST);
  driver.Click(r.left + 2, r.top + 2);
  gui.Call([&] {
    EXPECT_EQ(GetFocus(), host) << "clicking a tip does not take the focus";
    SendMessageW(tip, TTM_TRACKACTIVATE, FALSE, 0);
    EXPECT_FALSE(IsWindowVisible(tip));
  });
}

}  // namespace
