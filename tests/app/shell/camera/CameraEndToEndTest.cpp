// The camera dialog with the real player library against the loopback camera
// (scripts/rtsp-source): the dialog's timers run on the virtual clock, the streams in
// real time, and every real-time wait is bounded.
#include <gtest/gtest.h>

#include <algorithm>
#include <mutex>

#include "CommonTools/CameraUrl.h"
#include "CommonTools/SecretMask.h"
#include "data/StartupCaches.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "testing/video/RtspSource.h"
#include "tests/app/shell/support/CameraDialogRun.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "tests/platform/video/PlayerHarness.h"

namespace {

using shelltest::CameraDialogRun;
using shelltest::LogLine;
using test_support::RtspSource;
using videotest::FrameColour;
using videotest::Near;
using videotest::WaitUntil;

const int kCheckpoint = 21;
// Well inside the dialog's 8-s watchdog.
const int kFirstEventLimitMs = 6000;
const int kFramesLimitMs = 10000;
const uint32_t kBarWhite = 0xFFFFFF;
const uint32_t kBarYellow = 0xFFFF00;
const uint32_t kBlue = 0x0000FF;

RtspSource::Options Camera(bool main) {
  RtspSource::Options options;
  options.password = "pa@ss:w/rd%1";
  options.main = main;
  return options;
}

class CameraEndToEnd : public shelltest::ShellWindowTest {
 protected:
  explicit CameraEndToEnd(bool main = true) : source(Camera(main)) {}

  void SetUp() override {
    ASSERT_TRUE(source.Ready()) << source.Error();
    InspectPosDeviceInfo checkpoint;
    checkpoint.iID = kCheckpoint;
    checkpoint.strCamIp = source.Address();
    checkpoint.strCamAccount = Camera(true).user;
    checkpoint.strCamPassword = Camera(true).password;
    checkpoint.CamBrand = Camera(true).brand;
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    g_mapInspectPosDevice[kCheckpoint] = checkpoint;
  }
  void TearDown() override {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    g_mapInspectPosDevice.erase(kCheckpoint);
  }

  std::string Url(int kind) const {
    const RtspSource::Options camera = Camera(true);
    return CommonTools::build_rtsp_url(source.Address(), kind, camera.brand, camera.user, camera.password);
  }
  LogLine Line(int level, const char* format, int kind) const {
    char text[512];
    // The logs show the address with its account and password masked.
    std::snprintf(text, sizeof(text), format, CommonTools::mask_url(Url(kind)).c_str());
    return LogLine{CameraLog::Sink::TextLog, level, text};
  }
  bool WaitForLine(const LogLine& line, int limitMs) {
    return WaitUntil([&] {
      const std::vector<LogLine> lines = recorder.Lines();
      return std::find(lines.begin(), lines.end(), line) != lines.end();
    }, limitMs);
  }
  int Frames(HWND player) { return platform::headless::HeadlessBackend::Instance()->FrameCount(player); }

  RtspSource source;
  shelltest::CameraRecorder recorder;
};

TEST_F(CameraEndToEnd, TheMainStreamPlaysInTheDialog) {
  const int threadsBefore = videotest::PlayerThreadCount();
  CameraDialogRun run(ui, driver, frame, kCheckpoint);
  ASSERT_NE(run.Player(), nullptr);
  driver.Advance(500);
  ASSERT_TRUE(WaitForLine(Line(6, "播放成功, url为:%s\n", 1), kFirstEventLimitMs)) << "no event from " << Url(1);
  const int first = Frames(run.Player());
  ASSERT_TRUE(WaitUntil([&] { return Frames(run.Player()) >= first + 3; }, kFramesLimitMs)) << "frames stopped";
  auto picture = platform::headless::HeadlessBackend::Instance()->LastFrame(run.Player());
  ASSERT_NE(picture, nullptr);
  EXPECT_EQ(picture->width, 800);
  EXPECT_EQ(picture->height, 500);
  EXPECT_TRUE(Near(FrameColour(*picture, picture->width / 14, picture->height / 3), kBarWhite));
  EXPECT_TRUE(Near(FrameColour(*picture, picture->width * 3 / 14, picture->height / 3), kBarYellow));

  driver.Advance(12000);
  EXPECT_FALSE(run.Closed()) << "the watchdog was stopped by the event";
  run.ClickClose();
  ASSERT_TRUE(run.Closed());
  EXPECT_EQ(run.Result(), 1u);
  EXPECT_EQ(recorder.Lines(), (std::vector<LogLine>{Line(6, "[play摄像头Url:%s\n", 1), Line(6, "播放成功, url为:%s\n", 1)}));
  EXPECT_TRUE(videotest::WaitForPlayerThreadCount(threadsBefore, kFramesLimitMs))
      << "the player was closed with its window: " << videotest::PlayerThreadCount() << " player threads, "
      << threadsBefore << " before";
}

class CameraEndToEndWithoutMain : public CameraEndToEnd {
 protected:
  CameraEndToEndWithoutMain() : CameraEndToEnd(false) {}
};

TEST_F(CameraEndToEndWithoutMain, TheSubStreamPlaysAfterTheWatchdog) {
  const int threadsBefore = videotest::PlayerThreadCount();
  CameraDialogRun run(ui, driver, frame, kCheckpoint);
  ASSERT_NE(run.Player(), nullptr);
  // The main path is off: nothing plays before the watchdog switches.
  driver.Advance(8500);
  ASSERT_TRUE(WaitForLine(Line(6, "播放成功, url为:%s\n", 2), kFirstEventLimitMs)) << "no event from " << Url(2);
  ASSERT_TRUE(WaitUntil([&] {
    auto picture = platform::headless::HeadlessBackend::Instance()->LastFrame(run.Player());
    return picture && Near(FrameColour(*picture, picture->width / 2, picture->height / 2), kBlue);
  }, kFramesLimitMs)) << "the sub stream's picture never showed";
  driver.Advance(4000);
  EXPECT_FALSE(run.Closed()) << "the sub stream counts as playing";
  EXPECT_TRUE(recorder.Toasts().empty());
  run.ClickClose();
  ASSERT_TRUE(run.Closed());
  EXPECT_EQ(recorder.Lines(), (std::vector<LogLine>{Line(6, "[play摄像头Url:%s\n", 1), Line(3, "播放失败, url为:%s\n", 1),
                                                    Line(6, "播放成功, url为:%s\n", 2)}));
  EXPECT_TRUE(videotest::WaitForPlayerThreadCount(threadsBefore, kFramesLimitMs))
      << videotest::PlayerThreadCount() << " player threads, " << threadsBefore << " before";
}

}  // namespace
