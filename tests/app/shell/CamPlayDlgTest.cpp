// The camera dialog and its player on the virtual clock, with a scripted player
// library: what the library is asked in which order, the URLs, the log lines, the
// toasts, message 1254, the result and when the dialog closes; "btn_close" in each
// phase; where the player sits; and the player closed whenever its window goes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <mutex>
#include <optional>

#include "CommonTools/CameraUrl.h"
#include "app/shell/CSmartPlayerWndEx.h"
#include "app/shell/PhotoFeedBackWindow.h"
#include "app/shell/ShellServices.h"
#include "data/StartupCaches.h"
#include "testing/ui/ControlPixels.h"
#include "testing/video/ScriptedPlayerTable.h"
#include "tests/app/shell/support/CameraDialogRun.h"
#include "tests/app/shell/support/ShellWindowTest.h"

namespace {

using shelltest::CameraDialogRun;
using shelltest::LogLine;
using test_support::PlayerCall;
using test_support::ScriptedPlayerTable;
using Sink = CameraLog::Sink;

const int kCamera = 7;
const int kNoCamera = 8;
const int kNotCached = 9;
const char kAddress[] = "10.20.30.40";
const char kAccount[] = "admin";
const char kPassword[] = "pa@ss:1";
const char kBrand = 2;
// Long after every timer of the dialog; a dialog still open then is closed by the test.
const long kHorizon = 15000;
const long kStillOpen = kHorizon;

std::string Url(int kind) { return CommonTools::build_rtsp_url(kAddress, kind, kBrand, kAccount, kPassword); }
// The address as the logs show it: the player gets the account and password, the logs never.
std::string LoggedUrl(int kind) {
  return std::string("rtsp://***:***@") + kAddress + ":554" +
         (kind == 1 ? "/h264/ch1/main/av_stream" : "/h264/ch1/sub/av_stream");
}

// The calls Play makes, in order, up to `last` (an entry of it).
const int kPlayEntries[] = {40, 43, 42, 44, 45, 14, 5, 17, 18, 46, 41, 21};

class CameraDialog : public shelltest::ShellWindowTest {
 protected:
  CameraDialog() {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    InspectPosDeviceInfo camera;
    camera.iID = kCamera;
    camera.strName = "东门";
    camera.strCamIp = kAddress;
    camera.strCamAccount = kAccount;
    camera.strCamPassword = kPassword;
    camera.CamBrand = kBrand;
    g_mapInspectPosDevice[kCamera] = camera;
    InspectPosDeviceInfo bare;
    bare.iID = kNoCamera;
    bare.strName = "西门";
    g_mapInspectPosDevice[kNoCamera] = bare;
  }
  ~CameraDialog() override {
    ui.Call([this] {
      g_pFeedBackWnd = nullptr;
      if (::IsWindow(toastHwnd_)) ::DestroyWindow(toastHwnd_);
    });
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    g_mapInspectPosDevice.clear();
  }

  void WithToastWindow() {
    ui.Call([this] {
      toastHwnd_ = toast_.CreateHidden();
      g_pFeedBackWnd = &toast_;
    });
  }

  // The call as the player makes it: the scripted handle, the player window where the
  // entry takes one, the setting or URL it passes.
  PlayerCall Expected(int entry, const std::string& url = std::string()) const {
    PlayerCall call;
    call.entry = entry;
    if (entry > 2) call.handle = ScriptedPlayerTable::Handle();
    if (entry == 5 || entry == 17 || entry == 18) call.hwnd = playerHwnd;
    const std::map<int, long long> settings = {{40, 200}, {43, 5}, {42, 0}, {44, 1}, {45, 1}, {46, 0}, {41, 0}};
    auto setting = settings.find(entry);
    if (setting != settings.end()) call.value = setting->second;
    if (entry == 14) call.url = Url(1);
    if (entry == 63) call.url = url.empty() ? Url(2) : url;
    return call;
  }

  std::vector<PlayerCall> ExpectedCalls(const std::vector<int>& entries) const {
    std::vector<PlayerCall> calls;
    for (int entry : entries) calls.push_back(Expected(entry));
    return calls;
  }

  // The recorded calls, the callback of entry 5 checked and then left out of the
  // comparison (it is the player's own).
  std::vector<PlayerCall> Calls() const {
    std::vector<PlayerCall> calls = table.Calls();
    for (PlayerCall& call : calls) {
      if (call.entry != 5) continue;
      EXPECT_NE(call.callback, nullptr) << "entry 5 without a callback";
      call.callback = nullptr;
    }
    return calls;
  }

  std::unique_ptr<CameraDialogRun> Open(int checkpointId) {
    auto run = std::make_unique<CameraDialogRun>(ui, driver, frame, checkpointId);
    playerHwnd = run->Player();
    return run;
  }

  ScriptedPlayerTable table;
  shelltest::CameraRecorder recorder;
  HWND playerHwnd = nullptr;

 private:
  PhotoFeedBackWindow toast_;
  HWND toastHwnd_ = nullptr;
};

// The entries of Play, up to the one that fails or is the last called.
std::vector<int> PlayUpTo(int last, std::vector<int> without = {}) {
  std::vector<int> entries = {0, 2};
  for (int entry : kPlayEntries) {
    if (std::find(without.begin(), without.end(), entry) != without.end()) continue;
    entries.push_back(entry);
    if (entry == last) break;
  }
  return entries;
}

std::vector<int> Then(std::vector<int> entries, const std::vector<int>& more) {
  entries.insert(entries.end(), more.begin(), more.end());
  return entries;
}

LogLine Info(const char* format, int kind) {
  char text[512];
  std::snprintf(text, sizeof(text), format, LoggedUrl(kind).c_str());
  return LogLine{Sink::TextLog, 6, text};
}
LogLine Error(const char* format, int kind) {
  LogLine line = Info(format, kind);
  line.level = 3;
  return line;
}
LogLine Error(const char* text) { return LogLine{Sink::TextLog, 3, text}; }

const LogLine kPlayMain = Info("[play摄像头Url:%s\n", 1);
const LogLine kMainPlays = Info("播放成功, url为:%s\n", 1);
const LogLine kSubPlays = Info("播放成功, url为:%s\n", 2);
const LogLine kMainFailed = Error("播放失败, url为:%s\n", 1);
const LogLine kSubFailed = Error("切换摄像头失败,url为:%s\n", 2);

struct DialogCase {
  const char* name;
  int checkpoint = kCamera;
  bool toastWindow = true;
  // The script: -1 for a stream that never plays.
  int mainPlaysAfter = -1;
  int subPlaysAfter = -1;
  int playState = 0;
  std::optional<int> failing;  // an entry that answers an error
  int renderSupport = 1;
  // What comes of it.
  std::vector<int> entries;
  std::vector<LogLine> lines;
  std::vector<std::wstring> toasts;
  std::vector<long> failuresAt;
  long closedAt = kStillOpen;
};

DialogCase Named(const char* name) {
  DialogCase c;
  c.name = name;
  return c;
}

std::vector<DialogCase> DialogCases() {
  const std::vector<int> full = PlayUpTo(21);
  std::vector<DialogCase> cases;
  DialogCase c;
  c = Named("the main stream plays at 3 s");
  c.mainPlaysAfter = 2500;
  c.entries = Then(full, {22, 3});
  c.lines = {kPlayMain, kMainPlays};
  cases.push_back(c);

  c = Named("main silent, the sub stream plays at 10 s");
  c.subPlaysAfter = 1500;
  c.playState = 1;
  c.entries = Then(full, {63, 57, 22, 3});
  c.lines = {kPlayMain, kMainFailed, kSubPlays};
  cases.push_back(c);

  c = Named("both silent");
  c.entries = Then(full, {63, 57, 22, 3});
  c.lines = {kPlayMain, kMainFailed, kSubFailed};
  c.toasts = {L"播放失败!"};
  c.failuresAt = {12500};
  c.closedAt = 13500;
  cases.push_back(c);

  c = Named("both silent, without the toast window");
  c.toastWindow = false;
  c.entries = Then(full, {63, 57, 22, 3});
  c.lines = {kPlayMain, kMainFailed, kSubFailed};
  c.failuresAt = {12500};
  c.closedAt = 13500;
  cases.push_back(c);

  // Without a handle nothing more is asked of the library, and the state counts as 0.
  c = Named("entry 0 fails");
  c.failing = 0;
  c.mainPlaysAfter = 2500;
  c.entries = {0};
  c.lines = {kPlayMain, kMainFailed, kSubFailed};
  c.toasts = {L"播放失败!"};
  c.failuresAt = {12500};
  c.closedAt = 13500;
  cases.push_back(c);

  c = Named("entry 2 fails");
  c.failing = 2;
  c.mainPlaysAfter = 2500;
  c.entries = {0, 2};
  c.lines = {kPlayMain, kMainFailed, kSubFailed};
  c.toasts = {L"播放失败!"};
  c.failuresAt = {12500};
  c.closedAt = 13500;
  cases.push_back(c);

  c = Named("the URL is refused");
  c.failing = 14;
  c.mainPlaysAfter = 2500;
  c.entries = Then(PlayUpTo(14), {63, 57, 22, 3});
  c.lines = {kPlayMain, Error("[CSmartPlayerUI::Play()]中SetURL出错\n"), kMainFailed, kSubFailed};
  c.toasts = {L"播放失败!"};
  c.failuresAt = {12500};
  c.closedAt = 13500;
  cases.push_back(c);

  c = Named("entry 17 cannot render into the window");
  c.renderSupport = 0;
  c.mainPlaysAfter = 2500;
  c.entries = Then(PlayUpTo(21, {18}), {22, 3});
  c.lines = {kPlayMain, Error("进入到GDI绘制窗口\n"), kMainPlays};
  cases.push_back(c);

  c = Named("the start fails, the sub stream plays");
  c.failing = 21;
  c.subPlaysAfter = 1500;
  c.playState = 1;
  c.entries = Then(full, {63, 57, 22, 3});
  c.lines = {kPlayMain, LogLine{Sink::AsyncLog, 2, "[CSmartPlayerUI::Play()]中StartPlay出错"}, kMainFailed, kSubPlays};
  cases.push_back(c);

  c = Named("no camera");
  c.checkpoint = kNoCamera;
  c.entries = {};
  c.toasts = {L"该巡更点未绑定摄像头!"};
  c.closedAt = 0;
  cases.push_back(c);

  c = Named("no camera, without the toast window: the dialog stays, empty");
  c.checkpoint = kNoCamera;
  c.toastWindow = false;
  c.entries = {};
  cases.push_back(c);

  c = Named("a checkpoint not in the cache");
  c.checkpoint = kNotCached;
  c.entries = {};
  c.toasts = {L"该巡更点未绑定摄像头!"};
  c.closedAt = 0;
  cases.push_back(c);
  return cases;
}

class CameraDialogCases : public CameraDialog, public ::testing::WithParamInterface<DialogCase> {};

TEST_P(CameraDialogCases, AsksTheLibraryLogsAndClosesAsTheStreamsDo) {
  const DialogCase& c = GetParam();
  if (c.toastWindow) WithToastWindow();
  if (c.mainPlaysAfter >= 0) table.PlaysAfter(Url(1), static_cast<UINT>(c.mainPlaysAfter));
  if (c.subPlaysAfter >= 0) table.PlaysAfter(Url(2), static_cast<UINT>(c.subPlaysAfter));
  table.SetPlayState(c.playState);
  table.SetRenderSupport(c.renderSupport);
  if (c.failing) table.Answer(*c.failing, 1);

  auto run = Open(c.checkpoint);
  driver.Advance(static_cast<uint64_t>(kHorizon) - run->Elapsed());
  ASSERT_TRUE(driver.WaitIdle());
  if (!run->Closed()) {
    ASSERT_NE(run->Dialog(), nullptr);
    run->ClickClose();
  }
  ASSERT_TRUE(run->Closed());
  EXPECT_EQ(run->Result(), 1u);
  EXPECT_EQ(run->ClosedAt(), c.closedAt);
  EXPECT_EQ(run->FailuresAt(), c.failuresAt);
  EXPECT_EQ(Calls(), ExpectedCalls(c.entries));
  EXPECT_EQ(recorder.Lines(), c.lines);
  EXPECT_EQ(recorder.Toasts(), c.toasts);
  EXPECT_EQ(::IsWindow(playerHwnd), FALSE);
}

INSTANTIATE_TEST_SUITE_P(Streams, CameraDialogCases, ::testing::ValuesIn(DialogCases()),
                         [](const ::testing::TestParamInfo<DialogCase>& info) {
                           std::string name;
                           for (const char* p = info.param.name; *p != '\0'; ++p) {
                             if (std::isalnum(static_cast<unsigned char>(*p))) name += *p;
                           }
                           return name;
                         });

// The camera's address comes from the server's records: one that is no host reaches
// the library in no URL; the camera fails at once as a silent one does, logged once.
class CameraDialogAddress : public CameraDialog, public ::testing::WithParamInterface<const char*> {};

TEST_P(CameraDialogAddress, AnAddressThatIsNoHostFailsAtOnceWithoutAUrl) {
  const int hostile = 11;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    InspectPosDeviceInfo camera = g_mapInspectPosDevice[kCamera];
    camera.iID = hostile;
    camera.strCamIp = GetParam();
    g_mapInspectPosDevice[hostile] = camera;
  }
  WithToastWindow();
  auto run = Open(hostile);
  driver.Advance(static_cast<uint64_t>(kHorizon) - run->Elapsed());
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_TRUE(run->Closed());
  EXPECT_EQ(run->Result(), 1u);
  EXPECT_EQ(run->FailuresAt(), std::vector<long>{500});
  EXPECT_EQ(run->ClosedAt(), 1500);
  EXPECT_EQ(Calls(), ExpectedCalls({0, 2, 22, 3})) << "no URL, no start";
  EXPECT_EQ(recorder.Lines(), std::vector<LogLine>{Error("[CSmartPlayerUI::Play()]摄像头地址不是主机名或IP地址，未播放\n")});
  EXPECT_EQ(recorder.Toasts(), std::vector<std::wstring>{L"播放失败!"});
  EXPECT_EQ(::IsWindow(playerHwnd), FALSE);
}

INSTANTIATE_TEST_SUITE_P(NotAHost, CameraDialogAddress,
                         ::testing::Values("10.20.30.40/../admin", "evil.example@10.20.30.40", "10.20.30.40:8554",
                                           "10.20.30.40\r\nX: y", "cam%2F1", "10.20.30.40 "));

// "btn_close" stops the player at once whatever it is doing: nothing more is switched
// or asked afterwards, the player is stopped and closed, the dialog closes with 1.
struct ClosePhase {
  const char* name;
  int mainPlaysAfter;
  long clickAt;
  std::vector<int> before;
};

class CameraDialogClose : public CameraDialog, public ::testing::WithParamInterface<ClosePhase> {};

TEST_P(CameraDialogClose, StopsAndClosesThePlayerAndNothingFollows) {
  const ClosePhase& phase = GetParam();
  if (phase.mainPlaysAfter >= 0) table.PlaysAfter(Url(1), static_cast<UINT>(phase.mainPlaysAfter));
  auto run = Open(kCamera);
  driver.Advance(static_cast<uint64_t>(phase.clickAt) - run->Elapsed());
  run->ClickClose();
  ASSERT_TRUE(run->Closed());
  EXPECT_EQ(run->ClosedAt(), phase.clickAt);
  EXPECT_EQ(run->Result(), 1u);
  driver.Advance(20000);
  EXPECT_EQ(Calls(), ExpectedCalls(Then(phase.before, {22, 3})));
  EXPECT_TRUE(run->FailuresAt().empty());
  EXPECT_TRUE(recorder.Toasts().empty());
}

INSTANTIATE_TEST_SUITE_P(Phases, CameraDialogClose,
                         ::testing::Values(ClosePhase{"Waiting", -1, 200, {0, 2}},
                                           ClosePhase{"MainRequested", -1, 3000, PlayUpTo(21)},
                                           ClosePhase{"Playing", 2500, 5000, PlayUpTo(21)},
                                           ClosePhase{"SubRequested", -1, 10000, Then(PlayUpTo(21), {63})}),
                         [](const ::testing::TestParamInfo<ClosePhase>& info) { return info.param.name; });

// The dialog goes with its owner while the player plays: the player is still stopped
// and closed, once both windows are gone.
TEST_F(CameraDialog, APlayerThatGoesWithItsDialogIsStoppedAndClosed) {
  table.PlaysAfter(Url(1), 2500);
  auto run = Open(kCamera);
  driver.Advance(4000);
  ASSERT_EQ(recorder.Lines(), (std::vector<LogLine>{kPlayMain, kMainPlays}));
  ui.Call([&] { ::DestroyWindow(frame); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(::IsWindow(run->Dialog()));
  EXPECT_FALSE(::IsWindow(playerHwnd));
  EXPECT_EQ(Calls(), ExpectedCalls(Then(PlayUpTo(21), {22, 3})));
  // The modal loop notices its window is gone at its next message.
  ::PostThreadMessageW(ui.ThreadId(), WM_NULL, 0, 0);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(run->Closed());
}

// After the failure the player is gone while the dialog waits its second: a click on
// "btn_close" then closes the dialog without reaching for the player.
TEST_F(CameraDialog, CloseDuringTheSecondAfterAFailureClosesOnlyTheDialog) {
  auto run = Open(kCamera);
  driver.Advance(12800 - run->Elapsed());
  ASSERT_EQ(run->FailuresAt(), std::vector<long>{12500});
  ASSERT_FALSE(::IsWindow(playerHwnd));
  run->ClickClose();
  ASSERT_TRUE(run->Closed());
  EXPECT_EQ(run->ClosedAt(), 12800);
  EXPECT_EQ(Calls(), ExpectedCalls(Then(PlayUpTo(21), {63, 57, 22, 3})));
}

TEST_F(CameraDialog, ThePlayerSitsInsideTheDialogsPlaceOrAtItsOwnPlace) {
  struct Placement {
    int mode;
    RECT area;
    RECT expected;  // in the parent's client area
  };
  const Placement placements[] = {
      {CSmartPlayerWndEx::MODE_INSIDE_AREA, RECT{0, 0, 805, 629}, RECT{2, 66, 802, 566}},
      {CSmartPlayerWndEx::MODE_INSIDE_AREA, RECT{10, 20, 610, 420}, RECT{12, 86, 607, 357}},
      {0, RECT{10, 20, 610, 420}, RECT{100, 135, 750, 635}},
      {2, RECT{0, 0, 805, 629}, RECT{100, 135, 750, 635}},
  };
  for (const Placement& p : placements) {
    SCOPED_TRACE(testing::Message() << "mode " << p.mode << ", area " << p.area.left << "," << p.area.top);
    RECT placed = {};
    ui.Call([&] {
      CSmartPlayerWndEx* player = CSmartPlayerWndEx::Open(InspectPosDeviceInfo(), p.area, frame, p.mode);
      ASSERT_NE(player, nullptr);
      const HWND hwnd = player->GetHWND();
      EXPECT_EQ(::GetParent(hwnd), frame);
      EXPECT_EQ(static_cast<DWORD>(::GetWindowLongW(hwnd, GWL_STYLE)) & (WS_CHILD | WS_VISIBLE),
                static_cast<DWORD>(WS_CHILD | WS_VISIBLE));
      ::GetWindowRect(hwnd, &placed);
      ::MapWindowPoints(nullptr, frame, reinterpret_cast<POINT*>(&placed), 2);
      ::DestroyWindow(hwnd);
    });
    EXPECT_EQ(placed.left, p.expected.left);
    EXPECT_EQ(placed.top, p.expected.top);
    EXPECT_EQ(placed.right, p.expected.right);
    EXPECT_EQ(placed.bottom, p.expected.bottom);
  }
  // Never started, so never stopped; closed with its window each time.
  EXPECT_EQ(table.Entries(), (std::vector<int>{0, 2, 3, 0, 2, 3, 0, 2, 3, 0, 2, 3}));
}

TEST_F(CameraDialog, TheDialogIsTitledOwnedCentredAndPicturedWithThePlayerInItsPlace) {
  table.PlaysAfter(Url(1), 2500);
  auto run = Open(kCamera);
  const HWND dialog = run->Dialog();
  ASSERT_NE(dialog, nullptr);
  wchar_t title[32] = {0};
  ::GetWindowTextW(dialog, title, 32);
  EXPECT_EQ(std::wstring(title), L"摄像头播放");
  EXPECT_EQ(::GetWindow(dialog, GW_OWNER), frame);
  EXPECT_FALSE(::IsWindowEnabled(frame));
  RECT rc = {};
  ::GetWindowRect(dialog, &rc);
  EXPECT_EQ(rc.right - rc.left, 805);
  EXPECT_EQ(rc.bottom - rc.top, 629);
  RECT frameRect = {};
  ::GetWindowRect(frame, &frameRect);
  EXPECT_EQ((rc.left + rc.right) / 2, (frameRect.left + frameRect.right) / 2) << "centred over its owner";
  RECT player = {};
  ::GetWindowRect(playerHwnd, &player);
  EXPECT_EQ(player.left - rc.left, 2);
  EXPECT_EQ(player.top - rc.top, 66);
  EXPECT_EQ(player.right - player.left, 800);
  EXPECT_EQ(player.bottom - player.top, 500);
  wchar_t playerTitle[32] = {0};
  ::GetWindowTextW(playerHwnd, playerTitle, 32);
  EXPECT_EQ(std::wstring(playerTitle), L"播放器");
  driver.Advance(4000);
  shelltest::SavePicture(dialog, "camera-dialog");
}

// While nothing answers yet, the player's place shows the dialog's navy, not a black
// hole: the pictures, when they come, are drawn over it.
TEST_F(CameraDialog, ThePlayersPlaceShowsTheSkinsBackgroundWhileItWaits) {
  table.PlaysAfter(Url(1), 14000);
  auto run = Open(kCamera);
  ASSERT_NE(run->Dialog(), nullptr);
  driver.Advance(1000);
  driver.WaitIdle();
  RECT place = {};
  ::GetWindowRect(playerHwnd, &place);
  ::MapWindowPoints(nullptr, run->Dialog(), reinterpret_cast<POINT*>(&place), 2);
  const controltest::ControlPixels player(run->Dialog(), place);
  ASSERT_GT(player.Width(), 0);
  EXPECT_EQ(player.At(player.Width() / 2, player.Height() / 2), 0xFF002971u);
}

}  // namespace
