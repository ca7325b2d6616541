// The decoder path without a network: a short clip made here plays into a window.
#include <gtest/gtest.h>

#include "testing/files/ScratchFolder.h"
#include "testing/video/TestClip.h"
#include "tests/platform/video/PlayerHarness.h"

namespace {

using test_support::TestClip;
using videotest::Near;
using videotest::PlayerHarness;

// Generous: a clip of a few frames decodes in milliseconds.
const int kLimitMs = 10000;

class LocalClip : public ::testing::Test {
 protected:
  void SetUp() override {
    clip = scratch.file("bands.mkv");
    ASSERT_TRUE(TestClip::Write(clip, 160, 120, 50));
  }

  test_support::ScratchFolder scratch;
  std::string clip;
  PlayerHarness player;
};

TEST_F(LocalClip, TheClipPlaysScaledToTheWindowWithItsColoursAndOneEventFromAnotherThread) {
  ASSERT_EQ(player.Play(clip), 0u);
  ASSERT_TRUE(player.WaitForMessages(1, kLimitMs)) << "no event";
  ASSERT_TRUE(videotest::WaitUntil([&] { return player.FrameCount() >= 10; }, kLimitMs));
  EXPECT_EQ(player.Messages()[0].eventId, WPARAM(SMART_EVENT_STREAM_SHOWN));
  EXPECT_EQ(player.Messages()[0].param, 1);
  EXPECT_FALSE(player.CallbackOnCallersThread()) << "the callback runs on a thread of the player";

  auto frame = player.LastFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->width, PlayerHarness::kClientWidth) << "scaled to the client area";
  EXPECT_EQ(frame->height, PlayerHarness::kClientHeight);
  const int y = frame->height * 3 / 4;  // below the moving square
  for (int band = 0; band < 4; ++band) {
    const int x = frame->width * (2 * band + 1) / 8;
    EXPECT_TRUE(Near(videotest::FrameColour(*frame, x, y), TestClip::BandColour(x, frame->width)))
        << "band " << band << ": " << std::hex << videotest::FrameColour(*frame, x, y);
  }
}

TEST_F(LocalClip, StopEndsPlayingAndClearsThePicture) {
  ASSERT_EQ(player.Play(clip), 0u);
  ASSERT_TRUE(player.WaitForMessages(1, kLimitMs));
  ASSERT_TRUE(videotest::WaitUntil([&] { return player.LastFrame() != nullptr; }, kLimitMs));
  EXPECT_EQ(player.api.StopPlay(player.handle), 0u);
  EXPECT_EQ(player.PlayState(), 0);
  EXPECT_EQ(player.LastFrame(), nullptr);
  const int frames = player.FrameCount();
  ASSERT_TRUE(player.driver.WaitIdle());
  EXPECT_EQ(player.FrameCount(), frames) << "no frame after the stop";

  EXPECT_EQ(player.api.StartPlay(player.handle), 0u) << "a stopped player starts again";
  ASSERT_TRUE(player.WaitForMessages(2, kLimitMs));
  EXPECT_EQ(player.Messages()[1].param, 2);
}

TEST_F(LocalClip, AFileThatIsNoVideoGivesNoEvent) {
  const std::string junk = scratch.file("junk.mkv");
  test_support::ScratchFolder::write(junk, std::string(4096, 'x'));
  ASSERT_EQ(player.Play(junk), 0u) << "starting succeeds; playing does not";
  // Long enough for the clip to have played many times over.
  PlayerHarness control;
  ASSERT_EQ(control.Play(clip), 0u);
  ASSERT_TRUE(videotest::WaitUntil([&] { return control.FrameCount() >= 10; }, kLimitMs));
  EXPECT_EQ(player.PlayState(), 0);
  EXPECT_EQ(player.FrameCount(), 0);
  EXPECT_TRUE(player.Messages().empty());
}

}  // namespace
