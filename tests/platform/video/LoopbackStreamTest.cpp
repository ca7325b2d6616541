// The player against a camera on loopback (scripts/rtsp-source): real time, bounded
// waits. The camera's password holds characters that must be escaped in its address.
#include <gtest/gtest.h>

#include <future>
#include <thread>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include "testing/video/RtspSource.h"
#include "tests/platform/video/PlayerHarness.h"

namespace {

using test_support::RtspSource;
using videotest::FrameColour;
using videotest::Near;
using videotest::PlayerHarness;
using videotest::WaitUntil;

// Well inside the program's 8-s watchdog.
const int kFirstEventLimitMs = 6000;
const int kLimitMs = 10000;
// A stop or a close interrupts the network at once; this only catches a hang.
const int kHangLimitMs = 3000;

// The camera's full-strength colour bars (its JPEG pictures keep video levels, 16 to 235,
// which the tolerance takes in).
const uint32_t kBarWhite = 0xFFFFFF;
const uint32_t kBarYellow = 0xFFFF00;
const uint32_t kBarCyan = 0x00FFFF;
const uint32_t kBlue = 0x0000FF;

RtspSource::Options Camera() {
  RtspSource::Options options;
  options.password = "pa@ss:w/rd%1";
  return options;
}

// The main stream's colour bars, left to right, read halfway down.
void ExpectBars(const platform::backend::ChildFrame& frame) {
  const int y = frame.height / 3;
  const uint32_t bars[] = {kBarWhite, kBarYellow, kBarCyan};
  for (int i = 0; i < 3; ++i) {
    const int x = frame.width * (2 * i + 1) / 14;
    EXPECT_TRUE(Near(FrameColour(frame, x, y), bars[i])) << "bar " << i << ": " << std::hex << FrameColour(frame, x, y);
  }
}

// Calls `call` on a thread of its own; false when it did not return within the limit
// (the thread is then left behind, and the test has failed).
bool ReturnsWithin(int limitMs, std::function<void()> call) {
  auto done = std::make_shared<std::promise<void>>();
  std::future<void> finished = done->get_future();
  std::thread([call = std::move(call), done] {
    call();
    done->set_value();
  }).detach();
  return finished.wait_for(std::chrono::milliseconds(limitMs)) == std::future_status::ready;
}

// A TCP port that takes connections and never says a word.
class SilentPort {
 public:
  SilentPort() : fd_(socket(AF_INET, SOCK_STREAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address));
    listen(fd_, 4);
    socklen_t length = sizeof(address);
    getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~SilentPort() { close(fd_); }
  int Port() const { return port_; }

 private:
  int fd_;
  int port_ = 0;
};

class LoopbackCamera : public ::testing::Test {
 protected:
  explicit LoopbackCamera(RtspSource::Options options = Camera()) : source(options) {}
  void SetUp() override { ASSERT_TRUE(source.Ready()) << source.Error(); }

  RtspSource source;
  PlayerHarness player;
};

TEST_F(LoopbackCamera, TheMainStreamPlaysIntoTheWindow) {
  ASSERT_EQ(player.Play(source.Url(1)), 0u);
  ASSERT_TRUE(player.WaitForMessages(1, kFirstEventLimitMs)) << "no event from " << source.Url(1);
  EXPECT_EQ(player.PlayState(), 1);
  EXPECT_EQ(player.Messages()[0].param, 1);
  EXPECT_FALSE(player.CallbackOnCallersThread());

  const int first = player.FrameCount();
  ASSERT_GE(first, 1);
  ASSERT_TRUE(WaitUntil([&] { return player.FrameCount() >= first + 3; }, kLimitMs)) << "frames stopped coming";
  auto frame = player.LastFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->width, PlayerHarness::kClientWidth);
  ExpectBars(*frame);
  EXPECT_EQ(player.Messages().size(), 1u) << "one event per stream";
}

TEST_F(LoopbackCamera, ASwitchToTheSubStreamPlaysAgainWithASecondEvent) {
  ASSERT_EQ(player.Play(source.Url(1)), 0u);
  ASSERT_TRUE(player.WaitForMessages(1, kFirstEventLimitMs));
  ASSERT_EQ(player.api.SwitchURL(player.handle, source.Url(2).c_str(), 0, 0, nullptr), 0u);
  EXPECT_EQ(player.PlayState(), 0) << "not playing until the new stream shows";
  ASSERT_TRUE(player.WaitForMessages(2, kFirstEventLimitMs)) << "no event from " << source.Url(2);
  EXPECT_EQ(player.Messages()[1].param, 2);
  EXPECT_EQ(player.PlayState(), 1);
  ASSERT_TRUE(WaitUntil([&] {
    auto frame = player.LastFrame();
    return frame && Near(FrameColour(*frame, frame->width / 2, frame->height / 2), kBlue);
  }, kLimitMs)) << "the sub stream's picture never showed";
}

TEST_F(LoopbackCamera, StreamsThatDoNotPlayGiveNoEventAndStopReturnsAtOnce) {
  SilentPort silent;
  const std::string host = source.Address();
  struct Case {
    const char* what;
    std::string url;
  };
  const Case cases[] = {
      {"a port that never answers", "rtsp://127.0.0.1:" + std::to_string(silent.Port()) + "/live"},
      {"a wrong password", source.Url(1, "wrong")},
      {"a path the camera does not serve", "rtsp://" + host + ":554/nothing/here"},
      {"nobody listening", "rtsp://" + host + ":1/live"},
  };
  std::vector<std::unique_ptr<PlayerHarness>> players;
  for (const Case& c : cases) {
    players.push_back(std::make_unique<PlayerHarness>());
    // Without the interrupt, a stop would wait this long for the silent port.
    players.back()->api.SetTimeout(players.back()->handle, 60);
    ASSERT_EQ(players.back()->Play(c.url), 0u) << c.what;
  }
  // The good stream's first picture is the time the others had to fail in.
  ASSERT_EQ(player.Play(source.Url(1)), 0u);
  ASSERT_TRUE(player.WaitForMessages(1, kFirstEventLimitMs));
  for (size_t i = 0; i < players.size(); ++i) {
    PlayerHarness& p = *players[i];
    EXPECT_TRUE(p.Messages().empty()) << cases[i].what;
    EXPECT_EQ(p.PlayState(), 0) << cases[i].what;
    EXPECT_EQ(p.FrameCount(), 0) << cases[i].what;
    EXPECT_TRUE(ReturnsWithin(kHangLimitMs, [&p] { p.api.StopPlay(p.handle); })) << "stop hung: " << cases[i].what;
  }
}

TEST_F(LoopbackCamera, StopReturnsWhileTheWindowsThreadIsKeptFromAnsweringTheEvent) {
  // The window's thread stops the player while the event's send to it waits: the
  // deadlock of a stop that would wait for the event thread.
  std::promise<void> stopped;
  std::future<void> stopDone = stopped.get_future();
  player.gui.Post([&] {
    WaitUntil([&] { return player.CallbacksEntered() >= 1; }, kLimitMs);
    player.api.StopPlay(player.handle);
    stopped.set_value();
  });
  ASSERT_EQ(player.Play(source.Url(1)), 0u);
  ASSERT_TRUE(WaitUntil([&] { return player.CallbacksEntered() >= 1; }, kFirstEventLimitMs)) << "no event";
  ASSERT_EQ(stopDone.wait_for(std::chrono::milliseconds(kHangLimitMs)), std::future_status::ready)
      << "stop waited for the event's send";
  EXPECT_EQ(player.PlayState(), 0);
  ASSERT_TRUE(player.WaitForMessages(1, kLimitMs)) << "the window answers the send once its thread is free";
  EXPECT_TRUE(ReturnsWithin(kHangLimitMs, [&] { player.Close(); }));
}

TEST_F(LoopbackCamera, CloseAfterStopLeavesNoThreadOfThePlayer) {
  const int before = videotest::PlayerThreadCount();
  SmartPlayerHandle handle = nullptr;
  ASSERT_EQ(player.api.Open(&handle, nullptr, 0, nullptr), 0u);
  ASSERT_EQ(player.api.SetURL(handle, source.Url(1).c_str()), 0u);
  ASSERT_EQ(player.api.SetRenderWindow(handle, player.video), 0u);
  ASSERT_EQ(player.api.StartPlay(handle), 0u);
  ASSERT_TRUE(WaitUntil([&] {
    int playing = 0;
    player.api.GetPlayState(handle, &playing);
    return playing == 1;
  }, kFirstEventLimitMs));
  EXPECT_GT(videotest::PlayerThreadCount(), before);
  EXPECT_EQ(player.api.StopPlay(handle), 0u);
  EXPECT_EQ(player.api.Close(handle), 0u);
  EXPECT_TRUE(videotest::WaitForPlayerThreadCount(before, kLimitMs))
      << videotest::PlayerThreadCount() << " player threads, " << before << " before";
}

class LoopbackCameraWithoutMain : public LoopbackCamera {
 protected:
  static RtspSource::Options NoMain() {
    RtspSource::Options options = Camera();
    options.main = false;
    return options;
  }
  LoopbackCameraWithoutMain() : LoopbackCamera(NoMain()) {}
};

TEST_F(LoopbackCameraWithoutMain, TheSubStreamPlaysAfterASwitchFromTheSilentMain) {
  ASSERT_EQ(player.Play(source.Url(1)), 0u);
  ASSERT_EQ(player.api.SwitchURL(player.handle, source.Url(2).c_str(), 0, 0, nullptr), 0u);
  ASSERT_TRUE(player.WaitForMessages(1, kFirstEventLimitMs));
  EXPECT_EQ(player.PlayState(), 1);
}

}  // namespace
