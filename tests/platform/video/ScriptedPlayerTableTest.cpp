// The scripted table the dialog tests drive: calls recorded with their arguments,
// answers as programmed, and "the stream plays" delivered on the virtual clock from a
// thread of its own.
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/video/ScriptedPlayerTable.h"

namespace {

using test_support::PlayerCall;
using test_support::ScriptedPlayerTable;

PlayerCall Called(int entry, SmartPlayerHandle handle = nullptr, HWND hwnd = nullptr, long long value = 0,
                  const std::string& url = "") {
  PlayerCall call;
  call.entry = entry;
  call.handle = handle;
  call.hwnd = hwnd;
  call.value = value;
  call.url = url;
  return call;
}

const UINT kPlayerEvent = WM_USER + 200;
const UINT_PTR kWatchdog = 100001;

// What the window saw, in order: "event <param> on <thread>" and "timer <id>".
std::mutex g_mutex;
std::vector<std::string> g_seen;

void Seen(const std::string& line) {
  std::lock_guard<std::mutex> lock(g_mutex);
  g_seen.push_back(line);
}

std::vector<std::string> TakeSeen() {
  std::lock_guard<std::mutex> lock(g_mutex);
  std::vector<std::string> out;
  out.swap(g_seen);
  return out;
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == kPlayerEvent) Seen("event " + std::to_string(lParam));
  if (message == WM_TIMER) {
    KillTimer(hwnd, wParam);
    Seen("timer " + std::to_string(wParam));
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

DWORD g_callbackThread = 0;

void CALLBACK OnPlayerEvent(SmartPlayerHandle, HWND hwnd, UINT eventId, LONG_PTR param) {
  g_callbackThread = GetCurrentThreadId();
  if (IsWindow(hwnd)) SendMessageW(hwnd, kPlayerEvent, eventId, param);
}

class ScriptedTable : public ::testing::Test {
 protected:
  void SetUp() override {
    TakeSeen();
    gui.Call([&] {
      WNDCLASSW wc{};
      wc.lpfnWndProc = &WindowProc;
      wc.lpszClassName = L"ScriptedTableWindow";
      RegisterClassW(&wc);
      hwnd = CreateWindowExW(0, L"ScriptedTableWindow", L"player", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                             nullptr, nullptr);
    });
    ASSERT_EQ(GetSmartPlayerSDKAPI(&api), 0u);
  }

  // The program's first steps: open, URL, callback, start.
  void Start(const std::string& url) {
    ASSERT_EQ(api.Open(&handle, nullptr, 0, nullptr), 0u);
    ASSERT_EQ(api.SetURL(handle, url.c_str()), 0u);
    ASSERT_EQ(api.SetEventCallBack(handle, hwnd, &OnPlayerEvent), 0u);
    ASSERT_EQ(api.StartPlay(handle), 0u);
  }

  platform::headless::TestDriver driver;
  platform::headless::GuiThread gui;
  ScriptedPlayerTable scripted;
  SmartPlayerSDKAPI api{};
  SmartPlayerHandle handle = nullptr;
  HWND hwnd = nullptr;
};

TEST_F(ScriptedTable, CallsAreRecordedWithTheirArgumentsAndAnsweredAsProgrammed) {
  scripted.Answer(14, 9);
  scripted.SetRenderSupport(0);
  scripted.SetPlayState(1);
  ASSERT_EQ(api.Open(&handle, nullptr, 0, nullptr), 0u);
  ASSERT_EQ(handle, ScriptedPlayerTable::Handle());
  EXPECT_EQ(api.SetBuffer(handle, 200), 0u);
  EXPECT_EQ(api.SetURL(handle, "rtsp://a/main"), 9u);
  int supported = -1;
  EXPECT_EQ(api.CanRenderToWindow(handle, hwnd, &supported), 0u);
  EXPECT_EQ(supported, 0);
  int state = -1;
  EXPECT_EQ(api.GetPlayState(handle, &state), 0u);
  EXPECT_EQ(state, 1);
  EXPECT_NE(api.Unsupported23To39[0](handle), 0u);
  EXPECT_EQ(api.SwitchURL(handle, "rtsp://a/sub", 0, 0, nullptr), 0u);

  EXPECT_EQ(scripted.Calls(), (std::vector<PlayerCall>{
                                 Called(2),
                                 Called(40, handle, nullptr, 200),
                                 Called(14, handle, nullptr, 0, "rtsp://a/main"),
                                 Called(17, handle, hwnd),
                                 Called(57, handle),
                                 Called(23, handle),
                                 Called(63, handle, nullptr, 0, "rtsp://a/sub"),
                             }));
}

TEST_F(ScriptedTable, TheStreamPlaysAtItsTimeOnTheVirtualClockFromAThreadOfItsOwn) {
  scripted.PlaysAfter("rtsp://a/main", 3000);
  Start("rtsp://a/main");
  gui.Call([&] { SetTimer(hwnd, kWatchdog, 8000, nullptr); });
  driver.Advance(2999);
  EXPECT_TRUE(TakeSeen().empty());
  driver.Advance(7001);
  EXPECT_EQ(TakeSeen(), (std::vector<std::string>{"event 1", "timer 100001"}))
      << "the clock stops at the event before the watchdog";
  EXPECT_EQ(scripted.EventsDelivered(), 1);
  EXPECT_NE(g_callbackThread, gui.ThreadId());
  EXPECT_NE(g_callbackThread, GetCurrentThreadId());
}

TEST_F(ScriptedTable, ASwitchPlaysTheNewURLAtItsOwnTimeAndForgetsTheOldStream) {
  scripted.PlaysAfter("rtsp://a/main", 5000);
  scripted.PlaysAfter("rtsp://a/sub", 2000);
  Start("rtsp://a/main");
  driver.Advance(1000);
  ASSERT_EQ(api.SwitchURL(handle, "rtsp://a/sub", 0, 0, nullptr), 0u);
  driver.Advance(1999);
  EXPECT_TRUE(TakeSeen().empty());
  driver.Advance(10000);
  EXPECT_EQ(TakeSeen(), std::vector<std::string>{"event 1"}) << "the sub stream only";
}

TEST_F(ScriptedTable, AStreamStoppedOrNeverProgrammedDoesNotPlay) {
  scripted.PlaysAfter("rtsp://a/main", 3000);
  Start("rtsp://a/main");
  driver.Advance(1000);
  ASSERT_EQ(api.StopPlay(handle), 0u);
  driver.Advance(5000);
  EXPECT_TRUE(TakeSeen().empty());
  ASSERT_EQ(api.SwitchURL(handle, "rtsp://a/silent", 0, 0, nullptr), 0u);
  driver.Advance(20000);
  EXPECT_TRUE(TakeSeen().empty());
  EXPECT_EQ(scripted.EventsDelivered(), 0);
}

TEST_F(ScriptedTable, AFailedStartPlaysNothing) {
  scripted.PlaysAfter("rtsp://a/main", 1000);
  scripted.Answer(21, 5);
  ASSERT_EQ(api.Open(&handle, nullptr, 0, nullptr), 0u);
  api.SetURL(handle, "rtsp://a/main");
  api.SetEventCallBack(handle, hwnd, &OnPlayerEvent);
  EXPECT_EQ(api.StartPlay(handle), 5u);
  driver.Advance(5000);
  EXPECT_TRUE(TakeSeen().empty());
}

}  // namespace
