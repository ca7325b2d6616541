// WM_PAINT: the lazy layout and "windowinit", the off-screen copy of an ordinary
// window, the per-pixel alpha picture of a layered window and its opaque inset, and
// which rectangle each paint covers.
#include <gtest/gtest.h>

#include "platform/backend/headless/HeadlessBackend.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/WindowTestSupport.h"
#include "testing/driver/GuiThread.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::HeadlessBackend;
using platform::headless::TestDriver;
using SkinUI::CWindowManagerUI;
using wintest::Lines;
using wintest::ManagedWindow;
using wintest::PresentedImage;
using wintest::ProbeContainer;
using wintest::ProbeControl;

const uint32_t kRed = 0xFFFF0000;
const uint32_t kWhite = 0xFFFFFFFF;

// A 200x100 frame with A at (10,10)-(60,40) painted red on a root that fills it.
class PaintTest : public ::testing::Test {
 protected:
  void SetUp() override { uitest::EnsureInstance(); }
  void TearDown() override {
    gui.Call([this] {
      if (window && IsWindow(window->GetHWND())) DestroyWindow(window->GetHWND());
      window.reset();
    });
  }

  // Call on the GUI thread.
  void Build(bool layered, DWORD rootFill) {
    window.reset(new ManagedWindow());
    window->Create(nullptr, L"frame", WS_POPUP | WS_VISIBLE, 0, 100, 100, 200, 100);
    Manager().SetLayered(layered);
    Manager().AddNotifier(&listener);
    root = new ProbeContainer(&log, L"root", RECT{0, 0, 10, 10});
    root->fill = rootFill;
    a = new ProbeControl(&log, L"A", RECT{10, 10, 60, 40});
    a->fill = kRed;
    root->AddChild(a);
    Manager().AttachRoot(root);
  }

  CWindowManagerUI& Manager() { return window->Manager(); }
  HWND Frame() const { return window->GetHWND(); }

  TestDriver driver;
  GuiThread gui;
  Lines log;
  Lines notes;
  uitest::LogListener listener{&notes};
  std::unique_ptr<ManagedWindow> window;
  ProbeContainer* root = nullptr;
  ProbeControl* a = nullptr;
};

TEST_F(PaintTest, TheFirstPaintLaysTheRootOnTheClientAreaThenSaysWindowinitOnce) {
  RECT rootAtInit{};
  wintest::CallbackListener atInit([&](SkinUI::UINotifyRecord& msg) {
    if (msg.sType == L"windowinit") rootAtInit = msg.pSender->GetPos();
  });
  gui.Call([&] {
    Build(false, kWhite);
    Manager().AddNotifier(&atInit);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(rootAtInit, (RECT{0, 0, 200, 100}));
  gui.Call([&] {
    a->Invalidate();
    SetWindowPos(Frame(), nullptr, 0, 0, 240, 120, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] { EXPECT_EQ(root->GetPos(), (RECT{0, 0, 240, 120})) << "a new size is laid out at the next paint"; });
  EXPECT_EQ(notes, (Lines{"listener:windowinit:root"}));
}

TEST_F(PaintTest, AnOrdinaryWindowShowsTheTreeItsOffscreenBitmapHeld) {
  gui.Call([&] { Build(false, kWhite); });
  ASSERT_TRUE(driver.WaitIdle());
  const PresentedImage image(Frame());
  ASSERT_TRUE(image.Valid());
  EXPECT_EQ(image.Pixel(20, 20), kRed);
  EXPECT_EQ(image.Pixel(100, 80), kWhite);
  EXPECT_EQ(image.Pixel(9, 9), kWhite);
}

TEST_F(PaintTest, ALayeredWindowPresentsPerPixelAlpha) {
  gui.Call([&] { Build(true, 0); });
  ASSERT_TRUE(driver.WaitIdle());
  const auto surface = HeadlessBackend::Instance()->Surface(Frame());
  ASSERT_TRUE(surface.has_value());
  EXPECT_TRUE(surface->perPixelAlpha);
  EXPECT_NE(GetWindowLongW(Frame(), GWL_EXSTYLE) & WS_EX_LAYERED, 0) << "the style follows the skin";
  const PresentedImage image(Frame());
  ASSERT_TRUE(image.Valid());
  EXPECT_EQ(image.Width(), 200);
  EXPECT_EQ(image.Pixel(20, 20), kRed);
  EXPECT_EQ(image.Pixel(100, 80), 0u) << "nothing painted there: transparent";
}

TEST_F(PaintTest, TheOpaqueInsetMakesTheInsideOpaqueAndLeavesTheBorderAsPainted) {
  gui.Call([&] {
    Build(true, 0);
    Manager().SetOpaqueInset(RECT{2, 3, 2, 3});
  });
  ASSERT_TRUE(driver.WaitIdle());
  const PresentedImage image(Frame());
  ASSERT_TRUE(image.Valid());
  struct Probe {
    POINT at;
    uint32_t expected;
  };
  const Probe probes[] = {{{1, 50}, 0u},           {{2, 50}, 0xFF000000},   {{197, 50}, 0xFF000000},
                          {{198, 50}, 0u},         {{100, 2}, 0u},          {{100, 3}, 0xFF000000},
                          {{100, 96}, 0xFF000000}, {{100, 97}, 0u},         {{20, 20}, kRed}};
  for (const Probe& p : probes) {
    EXPECT_EQ(image.Pixel(p.at.x, p.at.y), p.expected) << "at " << p.at.x << "," << p.at.y;
  }
}

struct RepaintCase {
  const char* scenario;
  bool layered;
  bool restoreFirst;
  RECT expected;
};

void PrintTo(const RepaintCase& c, std::ostream* os) { *os << c.scenario; }

class Repaints : public PaintTest, public ::testing::WithParamInterface<RepaintCase> {};

TEST_P(Repaints, CoverTheInvalidatedAreaOrAfterARestoreTheWholeWindow) {
  const RepaintCase& c = GetParam();
  gui.Call([&] { Build(c.layered, kWhite); });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] {
    if (c.restoreFirst) {
      LRESULT lRes = 0;
      EXPECT_TRUE(Manager().HandleWindowMessage(WM_SYSCOMMAND, SC_RESTORE, 0, lRes));
    }
    a->Invalidate();
  });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] { EXPECT_EQ(root->lastPaint, c.expected); });
}

INSTANTIATE_TEST_SUITE_P(Table, Repaints,
                         ::testing::Values(RepaintCase{"ordinary window", false, false, {10, 10, 60, 40}},
                                           RepaintCase{"layered window", true, false, {10, 10, 60, 40}},
                                           RepaintCase{"layered window after a restore", true, true, {0, 0, 200, 100}}),
                         [](const ::testing::TestParamInfo<RepaintCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST_F(PaintTest, ALayeredPaintStaysInsideTheBitmapWhateverWasInvalidated) {
  gui.Call([&] { Build(true, 0); });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] { Manager().Invalidate(RECT{0, 0, 5000, 4000}); });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] { EXPECT_EQ(root->lastPaint, (RECT{0, 0, 200, 100})); });
  const PresentedImage image(Frame());
  EXPECT_EQ(image.Pixel(20, 20), kRed);
}

TEST_F(PaintTest, AWindowWithoutRootIsOnlyValidated) {
  gui.Call([&] {
    window.reset(new ManagedWindow());
    window->Create(nullptr, L"frame", WS_POPUP | WS_VISIBLE, 0, 100, 100, 200, 100);
  });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] {
    RECT rc = {};
    EXPECT_FALSE(GetUpdateRect(Frame(), &rc, FALSE));
  });
}

}  // namespace
