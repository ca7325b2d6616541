// The animated GIF control on the window's clock: each frame shows for its own delay
// (100 ms when it has none), the picture trailing the frame counter by one tick;
// hiding, showing and changing the file; files that are missing, come later, or are
// still pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "tests/platform/gdiplus/GifWriter.h"
#include "tests/ui/controls/support/SkinFiles.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CGifAnimUI.h"

namespace {

using controltest::ControlHarness;
using controltest::kWhite;
using controltest::SkinFiles;
using controltest::TestSkin;
using SkinUI::CGifAnimUI;

const uint32_t kRed = 0xFFFF0000;
const uint32_t kGreen = 0xFF00FF00;
const uint32_t kBlue = 0xFF0000FF;

// Three frames of one colour each, red, green and blue, with these delays
// (hundredths of a second; negative: none at all).
std::vector<uint8_t> ThreeFrames(int first, int second, int third) {
  GifWriter gif(4, 4, {0xFF0000, 0x00FF00, 0x0000FF});
  const int delays[] = {first, second, third};
  for (uint8_t frame = 0; frame < 3; ++frame) gif.AddFrame(std::vector<uint8_t>(16, frame), delays[frame]);
  return gif.Finish();
}

std::vector<uint8_t> OneFrame(int delay) {
  GifWriter gif(4, 4, {0x0000FF});
  gif.AddFrame(std::vector<uint8_t>(16, 0), delay);
  return gif.Finish();
}

class GifAnim : public ::testing::Test {
 protected:
  void Build(const std::wstring& file) {
    h.reset(new ControlHarness(driver, TestSkin(L"<HorizontalLayout height=\"40\"><GifAnim name=\"gif\" width=\"40\" "
                                                L"bkimage=\"" + file + L"\"/><Control/></HorizontalLayout>")));
    ASSERT_TRUE(h->Created());
  }
  CGifAnimUI* Gif() { return h->Find<CGifAnimUI>(L"gif"); }
  UINT Position() {
    UINT position = 99;
    h->OnGui([&] { position = Gif()->GetFramePosition(); });
    return position;
  }
  bool Playing() {
    bool playing = false;
    h->OnGui([&] { playing = Gif()->IsPlaying(); });
    return playing;
  }
  UINT Frames() {
    UINT frames = 99;
    h->OnGui([&] { frames = Gif()->GetFrameCount(); });
    return frames;
  }
  uint32_t Shown() { return h->Pixel(L"gif", POINT{20, 20}); }

  SkinFiles files;
  platform::headless::TestDriver driver;
  std::unique_ptr<ControlHarness> h;
};

TEST_F(GifAnim, EachFrameShowsForItsDelayAndThePictureTrailsByOneTick) {
  files.Bytes("anim.gif", ThreeFrames(7, 0, 20));
  Build(L"anim.gif");
  ASSERT_EQ(Frames(), 3u);
  const struct {
    int advance;
    UINT position;
    uint32_t shown;
  } steps[] = {{0, 0, kRed},    {69, 0, kRed},    {1, 1, kRed},     // 7 hundredths: 70 ms
               {99, 1, kRed},   {1, 2, kGreen},                     // no delay: 100 ms
               {199, 2, kGreen}, {1, 0, kBlue},                     // 20 hundredths: 200 ms
               {69, 0, kBlue},  {1, 1, kRed}};
  int elapsed = 0;
  for (const auto& step : steps) {
    h->Advance(step.advance);
    elapsed += step.advance;
    EXPECT_EQ(Position(), step.position) << elapsed << " ms";
    EXPECT_EQ(Shown(), step.shown) << elapsed << " ms: " << std::hex << Shown();
  }
}

TEST_F(GifAnim, HidingAndShowingStartsAgainAtTheFirstFrame) {
  files.Bytes("anim.gif", ThreeFrames(7, 0, 20));
  Build(L"anim.gif");
  h->Advance(170);
  ASSERT_EQ(Position(), 2u);
  h->OnGui([&] { Gif()->SetVisible(false); });
  EXPECT_FALSE(Playing());
  EXPECT_EQ(Position(), 0u);
  h->Advance(500);
  EXPECT_EQ(Position(), 0u) << "a hidden picture stands still";
  h->OnGui([&] { Gif()->SetVisible(true); });
  EXPECT_TRUE(Playing());
  h->Advance(69);
  EXPECT_EQ(Position(), 0u);
  h->Advance(1);
  EXPECT_EQ(Position(), 1u) << "the first frame's delay again";
}

TEST_F(GifAnim, TheSameFileChangesNothingAnotherLoadsAtTheNextPaint) {
  files.Bytes("anim.gif", ThreeFrames(7, 0, 20));
  files.SolidPng("still.png", 0xFF808000);
  Build(L"anim.gif");
  h->Advance(70);
  h->OnGui([&] {
    Gif()->SetBkImage(L"anim.gif");
    EXPECT_TRUE(Gif()->IsPlaying());
    EXPECT_EQ(Gif()->GetFramePosition(), 1u);
    Gif()->SetBkImage(L"still.png");
    EXPECT_FALSE(Gif()->IsPlaying());
    EXPECT_EQ(Gif()->GetFramePosition(), 0u);
    EXPECT_EQ(Gif()->GetFrameCount(), 0u) << "not loaded before the paint";
  });
  EXPECT_EQ(Shown(), 0xFF808000u);
  EXPECT_EQ(Frames(), 1u);
  EXPECT_TRUE(Playing());
}

TEST_F(GifAnim, AMissingFileDrawsNothingUntilItIsWritten) {
  Build(L"later.gif");
  EXPECT_EQ(Frames(), 0u);
  EXPECT_FALSE(Playing());
  EXPECT_EQ(Shown(), kWhite);
  const int presents = h->PresentCount();
  h->Advance(1000);
  EXPECT_EQ(h->PresentCount(), presents) << "no timer runs";
  files.Bytes("later.gif", ThreeFrames(7, 0, 20));
  h->OnGui([&] { Gif()->Invalidate(); });
  EXPECT_EQ(Shown(), kRed) << "the next paint tries again";
  EXPECT_EQ(Frames(), 3u);
  EXPECT_TRUE(Playing());
}

struct StillCase {
  const char* what;
  std::vector<uint8_t> bytes;  // empty: a PNG
  UINT frames;
  UINT positionAfter100ms;
  uint32_t shown;
};

void PrintTo(const StillCase& c, std::ostream* os) { *os << c.what; }

class GifAnimPictures : public GifAnim, public ::testing::WithParamInterface<StillCase> {};

TEST_P(GifAnimPictures, WithoutFrameDelaysStepEvery100Ms) {
  const StillCase& c = GetParam();
  if (c.bytes.empty()) {
    files.SolidPng("picture", c.shown);
  } else {
    files.Bytes("picture", c.bytes);
  }
  Build(L"picture");
  EXPECT_EQ(Frames(), c.frames);
  EXPECT_EQ(Shown(), c.shown);
  int presents = h->PresentCount();
  h->Advance(99);
  EXPECT_EQ(h->PresentCount(), presents);
  h->Advance(1);
  EXPECT_GT(h->PresentCount(), presents) << "a tick at 100 ms";
  EXPECT_EQ(Position(), c.positionAfter100ms);
  EXPECT_EQ(Shown(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Still, GifAnimPictures,
                         ::testing::Values(StillCase{"Png", {}, 1, 0, 0xFF20A060},
                                           StillCase{"GifOfOneFrame", OneFrame(30), 1, 0, kBlue},
                                           StillCase{"GifWithoutDelays", ThreeFrames(-1, -1, -1), 3, 1, kRed}),
                         [](const ::testing::TestParamInfo<StillCase>& info) { return info.param.what; });

}  // namespace
