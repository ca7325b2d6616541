// Frames handed to a child window from another thread: kept and counted, drawn over the
// window's own painting inside its top-level picture, cleared again.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/user/ChildFrame.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/PresentedImage.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::headless::TestDriver;
using test::TraceWindow;
using test::WindowSpec;

// A frame of `width` x `height` whose top half is one colour and bottom half another,
// rows `padding` bytes longer than the pixels, the fourth byte of each pixel 0 as a
// decoder leaves it.
struct TwoBandFrame {
  TwoBandFrame(int w, int h, uint32_t top, uint32_t bottom, int padding = 0)
      : width(w), height(h), stride(w * 4 + padding), bytes(size_t(stride) * size_t(h), 0xEE) {
    for (int y = 0; y < h; ++y) {
      const uint32_t rgb = y < h / 2 ? top : bottom;
      for (int x = 0; x < w; ++x) {
        uint8_t* p = &bytes[size_t(y) * size_t(stride) + size_t(x) * 4];
        p[0] = uint8_t(rgb), p[1] = uint8_t(rgb >> 8), p[2] = uint8_t(rgb >> 16), p[3] = 0;
      }
    }
  }
  BOOL PresentTo(HWND hwnd) const { return platform::PresentFrame(hwnd, bytes.data(), width, height, stride); }

  int width, height, stride;
  std::vector<uint8_t> bytes;
};

class ChildFrames : public test::TracedTest {
 protected:
  // A 200 x 150 red frame window holding a 100 x 60 blue video child at (20, 30) and a
  // white sibling above it over the child's right-hand part from x = 100.
  void SetUp() override {
    gui.Call([&] {
      WindowSpec frameSpec{"frame", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, {0, 0, 200, 150}};
      frameSpec.hook = TraceWindow::PaintWith(RGB(255, 0, 0));
      frame = TraceWindow::Create(trace, frameSpec);
      WindowSpec videoSpec{"video", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, {20, 30, 120, 90}, frame};
      videoSpec.hook = TraceWindow::PaintWith(RGB(0, 0, 255));
      video = TraceWindow::Create(trace, videoSpec);
      WindowSpec siblingSpec{"sibling", WS_CHILD | WS_VISIBLE, 0, {100, 30, 140, 90}, frame};
      siblingSpec.hook = TraceWindow::PaintWith(RGB(255, 255, 255));
      TraceWindow::Create(trace, siblingSpec);
    });
    ASSERT_TRUE(driver.WaitIdle());
  }

  HWND frame = nullptr;
  HWND video = nullptr;
};

TEST_F(ChildFrames, FramesFromAnotherThreadAreCountedAndTheLastKept) {
  const TwoBandFrame first(4, 2, 0x00FF00, 0x00FF00);
  const TwoBandFrame last(8, 6, 0x112233, 0x445566, 12);
  EXPECT_TRUE(first.PresentTo(video));
  EXPECT_TRUE(first.PresentTo(video));
  EXPECT_TRUE(last.PresentTo(video));
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(driver.Backend().FrameCount(video), 3);
  auto kept = driver.Backend().LastFrame(video);
  ASSERT_NE(kept, nullptr);
  EXPECT_EQ(kept->width, 8);
  EXPECT_EQ(kept->height, 6);
  EXPECT_EQ(kept->stride, 32) << "rows are kept without the caller's padding";
  EXPECT_EQ(kept->Row(5)[0], 0x66);
  EXPECT_EQ(kept->Row(5)[2], 0x44);
  EXPECT_EQ(kept->Row(0)[1], 0x22);
  EXPECT_EQ(driver.Backend().FrameCount(frame), 0) << "frames belong to the window they were handed to";
}

TEST_F(ChildFrames, PicturesThatDoNotAddUpAndWindowsThatAreGoneAreRefused) {
  const std::vector<uint8_t> bytes(64 * 4, 0);
  struct Case {
    const char* what;
    const void* pixels;
    int width, height, stride;
  };
  const Case cases[] = {
      {"no pixels", nullptr, 4, 4, 16},
      {"no width", bytes.data(), 0, 4, 16},
      {"negative height", bytes.data(), 4, -1, 16},
      {"rows shorter than the width", bytes.data(), 4, 4, 12},
      {"a side beyond any camera", bytes.data(), 100000, 1, 400000},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(platform::PresentFrame(video, c.pixels, c.width, c.height, c.stride)) << c.what;
  }
  EXPECT_FALSE(platform::PresentFrame(nullptr, bytes.data(), 4, 4, 16));
  EXPECT_FALSE(platform::ClearFrame(nullptr));
  EXPECT_EQ(driver.Backend().FrameCount(video), 0);

  gui.Call([&] { DestroyWindow(video); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(TwoBandFrame(4, 4, 0, 0).PresentTo(video));
  EXPECT_FALSE(platform::ClearFrame(video));
}

TEST_F(ChildFrames, TheFrameIsDrawnScaledOverTheWindowsPaintingWhereTheWindowShows) {
  ASSERT_EQ(test::PresentedImage(driver, frame).At(30, 40), 0xFF0000FFu) << "the child's own painting first";
  // 10 x 4 pixels stretched over the 100 x 60 client area: green above, yellow below.
  ASSERT_TRUE(TwoBandFrame(10, 4, 0x00FF00, 0xFFFF00).PresentTo(video));
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(test::PresentedImage(driver, frame).At(22, 32), 0xFF00FF00u);
  EXPECT_EQ(test::PresentedImage(driver, frame).At(95, 50), 0xFF00FF00u);
  EXPECT_EQ(test::PresentedImage(driver, frame).At(22, 87), 0xFFFFFF00u);
  EXPECT_EQ(test::PresentedImage(driver, frame).At(95, 80), 0xFFFFFF00u);
  EXPECT_EQ(test::PresentedImage(driver, frame).At(110, 50), 0xFFFFFFFFu) << "the sibling above keeps its part";
  EXPECT_EQ(test::PresentedImage(driver, frame).At(10, 10), 0xFFFF0000u) << "the parent around the child";
  EXPECT_EQ(test::PresentedImage(driver, frame).At(60, 95), 0xFFFF0000u);
}

TEST_F(ChildFrames, ALaterPaintOfTheWindowStaysUnderTheFrame) {
  ASSERT_TRUE(TwoBandFrame(2, 2, 0x00FF00, 0x00FF00).PresentTo(video));
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] {
    InvalidateRect(video, nullptr, TRUE);
    UpdateWindow(video);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(test::PresentedImage(driver, frame).At(50, 50), 0xFF00FF00u);
}

TEST_F(ChildFrames, ClearingShowsTheWindowsOwnPaintingAgain) {
  ASSERT_TRUE(TwoBandFrame(2, 2, 0x00FF00, 0x00FF00).PresentTo(video));
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_EQ(test::PresentedImage(driver, frame).At(50, 50), 0xFF00FF00u);
  EXPECT_TRUE(platform::ClearFrame(video));
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(test::PresentedImage(driver, frame).At(50, 50), 0xFF0000FFu) << "without the window painting again";
  EXPECT_EQ(driver.Backend().LastFrame(video), nullptr);
  EXPECT_EQ(driver.Backend().FrameCount(video), 1);
  EXPECT_TRUE(platform::ClearFrame(video)) << "clearing twice is harmless";
}

TEST_F(ChildFrames, AHiddenWindowShowsNoFrame) {
  gui.Call([&] { ShowWindow(video, SW_HIDE); });
  ASSERT_TRUE(TwoBandFrame(2, 2, 0x00FF00, 0x00FF00).PresentTo(video));
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(test::PresentedImage(driver, frame).At(50, 50), 0xFFFF0000u);
  EXPECT_EQ(driver.Backend().FrameCount(video), 1) << "the frame is still handed over";
}

}  // namespace
