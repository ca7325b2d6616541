// The preview's window with its sample skin on a real X server: what it paints, and
// how it answers the mouse (caption drag, maximise and restore, tooltip) and the
// compositor (the drop shadow). The window lives on a thread of its own; the test
// drives it through XTest as a person would.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/x11/ScreenCapture.h"
#include "testing/x11/TestDisplay.h"
#include "tests/tools/skin-preview/PreviewColours.h"
#include "tools/skin-preview/SkinPreviewWnd.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using platform::headless::GuiThread;
using platform::x11::ScreenCapture;
using skinpreview::SkinPreviewWnd;
using x11test::TestDisplay;
using namespace previewtest;

const int kLeft = 200, kTop = 150;           // where the test puts the window
const RECT kBackdrop{100, 50, 1000, 700};    // a white backdrop under it and its shadow
const int kLimitMs = 15000;  // a bound for every wait: the machine may be busy running other suites

// The preview's window, telling the test when a move loop has started: pointer
// motion before that is not part of the drag.
class ObservedPreviewWnd : public SkinPreviewWnd {
 public:
  ObservedPreviewWnd() : SkinPreviewWnd(L"preview.xml") {}
  std::atomic<int> moveLoops{0};

 protected:
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
    if (uMsg == WM_ENTERSIZEMOVE) ++moveLoops;
    return SkinPreviewWnd::HandleMessage(uMsg, wParam, lParam);
  }
};

// A white window at the bottom of the stack, for the shadow to fall on: the root of
// a bare Xvfb is black, and so would be a shadow drawn without translucency. It stays
// below the window manager's frames, where a raised cover would hide the preview.
class Backdrop {
 public:
  explicit Backdrop(const RECT& area) : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) return;
    const int screen = DefaultScreen(display_);
    window_ = XCreateSimpleWindow(display_, DefaultRootWindow(display_), area.left, area.top,
                                  unsigned(area.right - area.left), unsigned(area.bottom - area.top), 0,
                                  BlackPixel(display_, screen), WhitePixel(display_, screen));
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    XChangeWindowAttributes(display_, window_, CWOverrideRedirect, &attributes);
    XMapWindow(display_, window_);
    XLowerWindow(display_, window_);
    XSync(display_, False);
  }
  ~Backdrop() {
    if (display_ == nullptr) return;
    if (window_ != 0) XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
  }
  Backdrop(const Backdrop&) = delete;
  Backdrop& operator=(const Backdrop&) = delete;

  bool ok() const { return window_ != 0; }

 private:
  Display* display_;
  Window window_ = 0;
};

bool CompositorExpected() {
  const char* mode = std::getenv("X11_SMOKE_MODE");
  return mode && std::strcmp(mode, "compositor") == 0;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

std::string Hex(uint32_t rgb) {
  std::ostringstream out;
  out << std::hex << rgb;
  return out.str();
}

class PreviewWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ok());
    if (CompositorExpected()) {
      ASSERT_TRUE(TestDisplay::WaitUntil([this] { return display_.CompositorRunning(); }, kLimitMs))
          << "xcompmgr never took _NET_WM_CM_S0";
    }
    ASSERT_TRUE(backdrop_.ok());
    gui_.Call([this] {
      SkinUI::CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr));
      SkinUI::CWindowManagerUI::SetResourcePath(SKIN_PREVIEW_SKIN_DIR);
      window_ = std::make_unique<ObservedPreviewWnd>();
      hwnd_ = window_->Create(nullptr, L"皮肤预览", WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 0,
                              kLeft, kTop, 0, 0);
      if (hwnd_ == nullptr) return;
      SetWindowPos(hwnd_, nullptr, kLeft, kTop, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      ShowWindow(hwnd_, SW_SHOW);
      UpdateWindow(hwnd_);
    });
    ASSERT_NE(hwnd_, nullptr) << "the sample skin did not build";
    ASSERT_TRUE(TestDisplay::FlushBackend());
    native_ = TestDisplay::NativeWindow(hwnd_);
    ASSERT_NE(native_, 0u);
    ASSERT_TRUE(TestDisplay::WaitUntil([this] { return display_.Viewable(native_); }, kLimitMs))
        << "the window never mapped";
    // Mapped is not yet painted: the first paint is done once the logo shows.
    const bool painted = WaitForControlPixel(L"logo", 0, 0, kLogoOrange);
    if (!painted) display_.SaveScreen("preview-not-painted");
    ASSERT_TRUE(painted) << "the skin never appeared; logo expected at " << Centre(ControlRect(L"logo")).x << ","
                         << Centre(ControlRect(L"logo")).y;
  }

  void TearDown() override {
    gui_.Call([this] {
      if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
      window_.reset();
    });
  }

  // The control's rectangle on the screen.
  RECT ControlRect(const wchar_t* name) {
    RECT rc{};
    gui_.Call([&] {
      SkinUI::CControlUI* control = window_->Manager().FindControl(name);
      if (control == nullptr) return;
      rc = control->GetPos();
      POINT origin{0, 0};
      ClientToScreen(hwnd_, &origin);
      OffsetRect(&rc, origin.x, origin.y);
    });
    return rc;
  }

  bool ControlVisible(const wchar_t* name) {
    bool visible = false;
    gui_.Call([&] {
      SkinUI::CControlUI* control = window_->Manager().FindControl(name);
      visible = control != nullptr && control->IsVisible();
    });
    return visible;
  }

  RECT WindowRect() {
    RECT rc{};
    gui_.Call([&] { GetWindowRect(hwnd_, &rc); });
    return rc;
  }

  bool WaitForWindowRect(const RECT& expected) {
    return TestDisplay::WaitUntil(
        [&] {
          const RECT now = WindowRect();
          return EqualRect(&now, &expected) != FALSE;
        },
        kLimitMs);
  }

  bool Zoomed() {
    bool zoomed = false;
    gui_.Call([&] { zoomed = IsZoomed(hwnd_) != FALSE; });
    return zoomed;
  }

  // The pixel (dx, dy) from the control's centre shows `rgb`.
  bool WaitForControlPixel(const wchar_t* name, int dx, int dy, uint32_t rgb, int tolerance = 2) {
    const POINT c = Centre(ControlRect(name));
    return display_.WaitForPixel(c.x + dx, c.y + dy, rgb, tolerance, kLimitMs);
  }

  // Both clicks go to the server in one request batch, so that their times are as
  // close as a person's double-click, however busy the machine is.
  static void DoubleClick(POINT p) {
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return;
    XTestFakeMotionEvent(display, -1, p.x, p.y, CurrentTime);
    for (int click = 0; click < 2; ++click) {
      XTestFakeButtonEvent(display, 1, True, CurrentTime);
      XTestFakeButtonEvent(display, 1, False, CurrentTime);
    }
    XSync(display, False);
    XCloseDisplay(display);
  }

  // A point of the caption that no control and no text covers.
  POINT CaptionPoint() {
    const RECT bar = ControlRect(L"titlebar");
    return POINT{(bar.left + bar.right) / 2, bar.bottom - 3};
  }

  TestDisplay display_;
  Backdrop backdrop_{kBackdrop};
  GuiThread gui_;
  std::unique_ptr<ObservedPreviewWnd> window_;
  HWND hwnd_ = nullptr;
  unsigned long native_ = 0;
};

struct RegionCase {
  const wchar_t* control;
  int dx, dy;  // from the control's centre; a negative half size reaches its edge
  uint32_t rgb;
  const char* what;
};

TEST_F(PreviewWindowTest, PaintsTheSkinsColoursAndImages) {
  const RECT title = ControlRect(L"titlebar");
  const RECT close = ControlRect(L"closebtn");
  const RECT tile = ControlRect(L"tile1");
  const RECT sidebar = ControlRect(L"sidebar");
  const RegionCase cases[] = {
      {L"titlebar", 0, (title.bottom - title.top) / 2 - 3, kTitleBlue, "caption colour"},
      {L"logo", 0, 0, kLogoOrange, "logo image"},
      {L"closebtn", -(close.right - close.left) / 2 + 4, -(close.bottom - close.top) / 2 + 4, kCloseRed,
       "close button's cell of the button strip"},
      {L"sidebar", 0, (sidebar.bottom - sidebar.top) / 2 - 10, kSidebar, "side panel colour"},
      {L"tile1", 0, 0, kTileWhite, "nine-grid centre stretched"},
      {L"tile1", -(tile.right - tile.left) / 2 + 1, 0, kTileFrame, "nine-grid edge kept"},
      {L"tile4", 0, 0, kTileGreen, "rounded tile colour"},
      {L"statusbar", 0, 0, kStatusBar, "status bar colour"},
  };
  for (const RegionCase& c : cases) {
    const RECT rc = ControlRect(c.control);
    const POINT p{Centre(rc).x + c.dx, Centre(rc).y + c.dy};
    EXPECT_TRUE(display_.WaitForPixel(p.x, p.y, c.rgb, 2, kLimitMs))
        << c.what << ": " << Hex(display_.ScreenPixel(p.x, p.y)) << " at " << p.x << "," << p.y;
  }
  display_.SaveScreen("preview-skin");
}

TEST_F(PreviewWindowTest, DrawsTheChineseTitleInItsFont) {
  const RECT title = ControlRect(L"title");
  ASSERT_GT(title.right - title.left, 0);
  // White strokes of the title on the blue caption: a good share of the text's
  // area, which an unknown font (boxes) or no text at all would not give.
  cairo_surface_t* image = ScreenCapture::Grab(title);
  ASSERT_NE(image, nullptr);
  int white = 0;
  for (int y = 0; y < title.bottom - title.top; ++y) {
    for (int x = 0; x < title.right - title.left; ++x) {
      if (CloseColour(ScreenCapture::PixelAt(image, x, y), 0xFFFFFF, 40)) ++white;
    }
  }
  cairo_surface_destroy(image);
  EXPECT_GT(white, 150) << "white text pixels in the title";
}

TEST_F(PreviewWindowTest, RoundCornerCutsTheWindow) {
  const RECT rc = WindowRect();
  // The corner pixel is cut away (backdrop, or the shadow over it), the caption
  // just inside the curve is not.
  EXPECT_TRUE(display_.WaitForPixel(rc.left + 20, rc.top + 3, kTitleBlue, 2, kLimitMs));
  EXPECT_FALSE(CloseColour(display_.ScreenPixel(rc.left, rc.top), kTitleBlue, 30))
      << Hex(display_.ScreenPixel(rc.left, rc.top));
}

TEST_F(PreviewWindowTest, CaptionDragMovesTheWindow) {
  const RECT before = WindowRect();
  const POINT grab = CaptionPoint();
  display_.MovePointer(grab.x, grab.y);
  display_.Button(1, true);
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return window_->moveLoops.load() > 0; }, kLimitMs))
      << "a press on the caption starts the move loop";
  for (int step = 1; step <= 10; ++step) display_.MovePointer(grab.x + step * 10, grab.y + step * 8);
  RECT after = before;
  OffsetRect(&after, 100, 80);
  const bool moved = WaitForWindowRect(after);
  display_.Button(1, false);
  ASSERT_TRUE(moved) << "window at " << WindowRect().left << "," << WindowRect().top;
  // The window took its picture along.
  EXPECT_TRUE(WaitForControlPixel(L"logo", 0, 0, kLogoOrange));
  EXPECT_EQ(WindowRect().right - WindowRect().left, before.right - before.left) << "a drag keeps the size";
}

TEST_F(PreviewWindowTest, CaptionDoubleClickMaximisesAndRestores) {
  const RECT before = WindowRect();
  RECT work{};
  gui_.Call([&] {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    GetMonitorInfoW(MonitorFromWindow(hwnd_, MONITOR_DEFAULTTONEAREST), &info);
    work = info.rcWork;
  });

  DoubleClick(CaptionPoint());
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return Zoomed(); }, kLimitMs)) << "a caption double-click maximises";
  ASSERT_TRUE(WaitForWindowRect(work)) << "the window fills the work area";
  EXPECT_TRUE(ControlVisible(L"restorebtn"));
  EXPECT_FALSE(ControlVisible(L"maxbtn"));
  // Laid out and painted at the new size: the close button sits at the screen's edge.
  EXPECT_TRUE(display_.WaitForPixel(work.right - 36, work.top + 4, kCloseRed, 2, kLimitMs))
      << Hex(display_.ScreenPixel(work.right - 36, work.top + 4));

  DoubleClick(CaptionPoint());
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return !Zoomed(); }, kLimitMs)) << "a second double-click restores";
  ASSERT_TRUE(WaitForWindowRect(before)) << "back where it was";
  EXPECT_TRUE(ControlVisible(L"maxbtn"));
  EXPECT_FALSE(ControlVisible(L"restorebtn"));
  EXPECT_TRUE(WaitForControlPixel(L"logo", 0, 0, kLogoOrange));
}

TEST_F(PreviewWindowTest, HoveringATileShowsItsTooltip) {
  const POINT p = Centre(ControlRect(L"tile1"));
  display_.MovePointer(p.x - 5, p.y - 5);
  display_.MovePointer(p.x, p.y);
  HWND tooltip = nullptr;
  ASSERT_TRUE(TestDisplay::WaitUntil([&] {
    gui_.Call([&] {
      tooltip = FindWindowW(L"tooltips_class32", nullptr);
      if (tooltip != nullptr && !IsWindowVisible(tooltip)) tooltip = nullptr;
    });
    return tooltip != nullptr;
  }, kLimitMs)) << "no tooltip after hovering";
  const unsigned long native = TestDisplay::NativeWindow(tooltip);
  ASSERT_NE(native, 0u);
  EXPECT_TRUE(TestDisplay::WaitUntil([&] { return display_.Viewable(native); }, kLimitMs))
      << "the tooltip is on the screen";
  // By the pointer, not somewhere else on the screen.
  RECT tip{};
  gui_.Call([&] { GetWindowRect(tooltip, &tip); });
  RECT nearPointer{p.x - 60, p.y - 60, p.x + 60, p.y + 60};
  RECT overlap{};
  EXPECT_TRUE(IntersectRect(&overlap, &tip, &nearPointer)) << "tooltip at " << tip.left << "," << tip.top;
  display_.SaveScreen("preview-tooltip");
}

TEST_F(PreviewWindowTest, ShadowIsTranslucentOnlyWithACompositor) {
  HWND shadow = nullptr;
  gui_.Call([&] { shadow = FindWindowW(L"VelmoShadowWnd", nullptr); });
  ASSERT_NE(shadow, nullptr) << "the skin asks for a shadow";
  const unsigned long native = TestDisplay::NativeWindow(shadow);
  ASSERT_NE(native, 0u);
  const RECT rc = WindowRect();
  // Just below the window, where the shadow falls on the white backdrop.
  const POINT below{(rc.left + rc.right) / 2, rc.bottom + 3};
  if (display_.CompositorRunning()) {
    const bool grey = TestDisplay::WaitUntil(
        [&] {
          const uint32_t px = display_.ScreenPixel(below.x, below.y);
          const int g = int(px & 0xFF);
          return CloseColour(px, (g << 16) | (g << 8) | g, 8) && g > 40 && g < 245;
        },
        kLimitMs);
    display_.SaveScreen("preview-shadow-composited");
    EXPECT_TRUE(grey) << "a grey shadow over the white backdrop, not " << Hex(display_.ScreenPixel(below.x, below.y));
  } else {
    EXPECT_FALSE(display_.Viewable(native)) << "without a compositor the shadow would be a black frame";
    EXPECT_TRUE(display_.WaitForPixel(below.x, below.y, 0xFFFFFF, 2, kLimitMs))
        << "the backdrop shows below the window: " << Hex(display_.ScreenPixel(below.x, below.y));
    display_.SaveScreen("preview-shadow-plain");
  }
}

}  // namespace
