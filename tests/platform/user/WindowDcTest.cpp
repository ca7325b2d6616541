// Device contexts the window layer hands out: the screen's, and the clip region an
// application has selected (none until it selects one).
#include <gtest/gtest.h>

#include <functional>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/user/TraceWindow.h"
#include "tests/platform/user/TracedTest.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using test::TraceWindow;
using test::WindowSpec;

TEST(ScreenDc, TheDesktopsIsTheScreensLikeNoWindowAtAll) {
  TestDriver driver;
  GuiThread gui;
  gui.Call([&] {
    for (HWND window : {HWND(nullptr), GetDesktopWindow()}) {
      HDC hdc = GetDC(window);
      ASSERT_NE(hdc, nullptr);
      EXPECT_EQ(GetObjectType(hdc), DWORD(OBJ_DC));
      EXPECT_EQ(GetDeviceCaps(hdc, BITSPIXEL), 32);
      EXPECT_EQ(GetDeviceCaps(hdc, LOGPIXELSY), 96);
      HRGN region = CreateRectRgn(0, 0, 1, 1);
      EXPECT_EQ(GetClipRgn(hdc, region), 0);
      DeleteObject(region);
      EXPECT_EQ(ReleaseDC(window, hdc), 1);
    }
  });
}

struct ClipCase {
  const char* what;
  std::function<void(HDC)> clip;  // what the application does to the DC
  int answer;                     // GetClipRgn's
  RECT box;                       // of the region read, when there is one
};

void PrintTo(const ClipCase& c, std::ostream* out) { *out << c.what; }

class SelectedClip : public test::TracedCaseTest<ClipCase> {};

// A window of 100 x 80 with an update region of (10, 10)-(50, 40) to paint.
TEST_P(SelectedClip, IsNoneUntilTheApplicationSelectsOne) {
  const ClipCase& c = GetParam();
  gui.Call([&] {
    HWND w = TraceWindow::Create(trace, WindowSpec{"w", WS_POPUP | WS_VISIBLE, 0, {0, 0, 100, 80}});
    UpdateWindow(w);
    RECT dirty{10, 10, 50, 40};
    InvalidateRect(w, &dirty, FALSE);
    HDC window = GetDC(w);
    PAINTSTRUCT ps;
    HDC painting = BeginPaint(w, &ps);
    HDC memory = CreateCompatibleDC(nullptr);
    for (HDC hdc : {window, painting, memory}) {
      c.clip(hdc);
      HRGN region = CreateRectRgn(0, 0, 1, 1);
      EXPECT_EQ(GetClipRgn(hdc, region), c.answer);
      RECT box{};
      GetRgnBox(region, &box);
      const RECT expected = c.answer ? c.box : RECT{0, 0, 1, 1};  // untouched without a clip
      EXPECT_EQ(box.left, expected.left);
      EXPECT_EQ(box.top, expected.top);
      EXPECT_EQ(box.right, expected.right);
      EXPECT_EQ(box.bottom, expected.bottom);
      DeleteObject(region);
    }
    DeleteDC(memory);
    EndPaint(w, &ps);
    ReleaseDC(w, window);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, SelectedClip,
    ::testing::Values(ClipCase{"as handed out", [](HDC) {}, 0, {}},
                      ClipCase{"a region selected", [](HDC hdc) {
                                 HRGN r = CreateRectRgn(5, 6, 30, 20);
                                 SelectClipRgn(hdc, r);
                                 DeleteObject(r);
                               },
                               1, {5, 6, 30, 20}},
                      ClipCase{"a rectangle intersected", [](HDC hdc) { IntersectClipRect(hdc, 2, 3, 40, 30); }, 1,
                               {2, 3, 40, 30}},
                      ClipCase{"selected and then taken away", [](HDC hdc) {
                                 IntersectClipRect(hdc, 2, 3, 40, 30);
                                 SelectClipRgn(hdc, nullptr);
                               },
                               0, {}},
                      ClipCase{"selected inside a saved state that is restored", [](HDC hdc) {
                                 const int saved = SaveDC(hdc);
                                 IntersectClipRect(hdc, 2, 3, 40, 30);
                                 RestoreDC(hdc, saved);
                               },
                               0, {}}),
    [](const ::testing::TestParamInfo<ClipCase>& info) { return "Case" + std::to_string(info.index); });

}  // namespace
