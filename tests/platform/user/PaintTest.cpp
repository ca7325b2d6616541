// Update regions, painting into the presented picture, child composition, layered
// windows and window shapes.
#include <gtest/gtest.h>

#include "testing/driver/TestDriver.h"
#include "tests/platform/user/PresentedImage.h"
#include "tests/platform/user/TracedTest.h"
#include "tests/platform/user/TraceWindow.h"

namespace {

using platform::headless::TestDriver;
using test::TraceWindow;
using test::WindowSpec;
typedef std::vector<std::string> Lines;

using Painting = test::TracedTest;

TEST_F(Painting, UpdateRegionAccumulatesAndBeginPaintValidates) {
  gui.Call([&] {
    HWND w = TraceWindow::Create(trace, WindowSpec{"w", WS_POPUP, 0, {0, 0, 100, 100}});
    RECT r;
    EXPECT_FALSE(GetUpdateRect(w, &r, FALSE));
    RECT a{10, 10, 20, 20}, b{50, 40, 60, 70};
    InvalidateRect(w, &a, FALSE);
    InvalidateRect(w, &b, FALSE);
    EXPECT_TRUE(GetUpdateRect(w, &r, FALSE));
    EXPECT_EQ(r.left, 10);
    EXPECT_EQ(r.bottom, 70);
    PAINTSTRUCT ps;
    EXPECT_NE(BeginPaint(w, &ps), nullptr);
    EXPECT_EQ(ps.rcPaint.right, 60);
    EndPaint(w, &ps);
    EXPECT_FALSE(GetUpdateRect(w, &r, FALSE));
    EXPECT_FALSE(InvalidateRect(nullptr, nullptr, FALSE)) << "a null window invalidates nothing";
  });
}

TEST_F(Painting, ChildWindowsAreComposedIntoTheTopLevelPicture) {
  HWND frame = nullptr;
  gui.Call([&] {
    WindowSpec frameSpec{"frame", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, {0, 0, 100, 100}};
    frameSpec.hook = TraceWindow::PaintWith(RGB(255, 0, 0));
    frame = TraceWindow::Create(trace, frameSpec);
    WindowSpec childSpec{"child", WS_CHILD | WS_VISIBLE, 0, {20, 30, 60, 50}, frame};
    childSpec.hook = TraceWindow::PaintWith(RGB(0, 0, 255));
    TraceWindow::Create(trace, childSpec);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(test::PresentedImage(driver, frame).At(5, 5), 0xFFFF0000u);
  EXPECT_EQ(test::PresentedImage(driver, frame).At(25, 35), 0xFF0000FFu);
  EXPECT_EQ(test::PresentedImage(driver, frame).At(59, 49), 0xFF0000FFu);
  EXPECT_EQ(test::PresentedImage(driver, frame).At(60, 50), 0xFFFF0000u);
}

TEST_F(Painting, LayeredPictureKeepsAlphaAndOpacityIsStored) {
  HWND w = nullptr;
  gui.Call([&] {
    w = TraceWindow::Create(trace, WindowSpec{"w", WS_POPUP | WS_VISIBLE, 0, {0, 0, 40, 40}});
    SetWindowLongW(w, GWL_EXSTYLE, GetWindowLongW(w, GWL_EXSTYLE) | WS_EX_LAYERED);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = 40;
    bmi.bmiHeader.biHeight = -40;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int i = 0; i < 40 * 40; ++i) pixels[i] = i < 40 * 20 ? 0x80400000u : 0u;  // half-transparent red, then clear
    HGDIOBJ old = SelectObject(memory, bitmap);
    POINT dst{300, 200}, src{0, 0};
    SIZE size{40, 40};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    EXPECT_TRUE(UpdateLayeredWindow(w, screen, &dst, &size, memory, &src, 0, &blend, ULW_ALPHA));
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    EXPECT_TRUE(SetLayeredWindowAttributes(w, 0, 150, LWA_ALPHA));
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(test::PresentedImage(driver, w).At(5, 5), 0x80400000u);
  auto surface = driver.Backend().Surface(w);
  ASSERT_TRUE(surface.has_value());
  EXPECT_TRUE(surface->perPixelAlpha);
  EXPECT_EQ(surface->opacity, 150);
  EXPECT_EQ(surface->rect.left, 300);
  // A fully transparent pixel of a layered picture lets the click through.
  EXPECT_EQ(WindowFromPoint(POINT{305, 205}), w);
  EXPECT_EQ(WindowFromPoint(POINT{305, 235}), nullptr);
}

using WindowShapes = test::TracedTest;

TEST_F(WindowShapes, RegionShapesHitTestingAndIsCopiedBack) {
  HWND w = nullptr;
  gui.Call([&] {
    w = TraceWindow::Create(trace, WindowSpec{"w", WS_POPUP | WS_VISIBLE, 0, {100, 100, 200, 200}});
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(w, probe), ERROR);
    EXPECT_TRUE(SetWindowRgn(w, CreateRectRgn(0, 0, 50, 100), TRUE));
    EXPECT_EQ(GetWindowRgn(w, probe), SIMPLEREGION);
    RECT box;
    GetRgnBox(probe, &box);
    EXPECT_EQ(box.right, 50);
    DeleteObject(probe);
  });
  EXPECT_EQ(WindowFromPoint(POINT{120, 150}), w);
  EXPECT_EQ(WindowFromPoint(POINT{170, 150}), nullptr);
}

}  // namespace
