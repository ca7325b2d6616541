// The drop shadow: settings and their ranges, copying settings, the shadow bitmap
// computed from a host's region, and the pop-up made once per host.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <functional>
#include <vector>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/UiTestSupport.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CShadowUI;
using uitest::Host;
using uitest::Lines;
using uitest::LogContainer;

// A computed shadow bitmap, read by rows counted from the top.
struct ShadowImage {
  int width = 0;
  int height = 0;
  std::vector<uint32_t> bits;  // bottom-up

  uint32_t At(int col, int row) const { return bits[size_t(height - 1 - row) * size_t(width) + size_t(col)]; }
  int Alpha(int col, int row) const { return int(At(col, row) >> 24); }
  // True when every pixel of the block (right and bottom exclusive) has the value.
  bool All(int left, int top, int right, int bottom, uint32_t value) const {
    for (int row = top; row < bottom; ++row) {
      for (int col = left; col < right; ++col) {
        if (At(col, row) != value) return false;
      }
    }
    return true;
  }
};

ShadowImage Compute(const CShadowUI& shadow, int size, HRGN region, int hostWidth, int hostHeight) {
  ShadowImage image;
  image.width = hostWidth + 2 * size;
  image.height = hostHeight + 2 * size;
  image.bits.assign(size_t(image.width) * size_t(image.height), 0);
  shadow.MakeShadowOfRegion(image.bits.data(), region, RECT{100, 50, 100 + hostWidth, 50 + hostHeight});
  return image;
}

// The alpha a ring pixel t pixels outside the outline should have: a linear fade
// from the darkness at the edge over sharpness + 1 pixels, starting at the inner
// radius (size - sharpness) when the size is the larger.
double Fade(int darkness, int sharpness, int innerRadius, double distance) {
  if (distance < innerRadius) return darkness;
  return (1 - (distance - innerRadius) / (sharpness + 1)) * darkness;
}

class ShadowBitmap : public ::testing::Test {
 protected:
  TestDriver driver;
};

TEST_F(ShadowBitmap, TransparentUnderTheHostWithARingFadingOutward) {
  CShadowUI shadow;
  ASSERT_TRUE(shadow.SetSize(6));
  ASSERT_TRUE(shadow.SetSharpness(5));
  ASSERT_TRUE(shadow.SetDarkness(255));
  ASSERT_TRUE(shadow.SetColor(0x00FF8000));
  HRGN region = CreateRectRgn(0, 0, 40, 30);
  const ShadowImage image = Compute(shadow, 6, region, 40, 30);
  DeleteObject(region);

  ASSERT_EQ(image.width, 52) << "six pixels beyond each side";
  EXPECT_TRUE(image.All(6, 6, 46, 36, 0)) << "the host's own area stays transparent";
  EXPECT_EQ(image.At(5, 20), 0xFFFF8000u) << "full darkness at the edge, colour premultiplied";
  EXPECT_EQ(image.At(46, 20), 0xFFFF8000u);
  EXPECT_EQ(image.At(20, 5), 0xFFFF8000u);
  // Inner radius 1: the fade runs over the six pixels from the edge outward.
  for (int t = 1; t <= 6; ++t) {
    EXPECT_NEAR(image.Alpha(6 - t, 20), Fade(255, 5, 1, t), 1.0) << "left, " << t << " out";
    EXPECT_NEAR(image.Alpha(45 + t, 20), Fade(255, 5, 1, t), 1.0) << "right, " << t << " out";
    EXPECT_NEAR(image.Alpha(25, 36 - 1 + t), Fade(255, 5, 1, t), 1.0) << "below, " << t << " out";
  }
  EXPECT_EQ(image.At(0, 0), 0u) << "the corner lies beyond the ring's reach";
  EXPECT_NEAR(image.Alpha(2, 2), Fade(255, 5, 1, std::sqrt(32.0)), 1.0) << "corners are round";
}

TEST_F(ShadowBitmap, AnOffsetMovesTheCutOutTheOtherWayAndLeavesASolidBand) {
  CShadowUI shadow;
  ASSERT_TRUE(shadow.SetSize(6));
  ASSERT_TRUE(shadow.SetSharpness(5));
  ASSERT_TRUE(shadow.SetDarkness(200));
  ASSERT_TRUE(shadow.SetPosition(3, 3));
  HRGN region = CreateRectRgn(0, 0, 40, 30);
  const ShadowImage image = Compute(shadow, 6, region, 40, 30);
  DeleteObject(region);

  const uint32_t solid = 200u << 24;  // black at darkness 200
  EXPECT_TRUE(image.All(3, 3, 43, 33, 0)) << "the cut-out sits where the host lies over the moved shadow";
  EXPECT_TRUE(image.All(43, 6, 46, 33, solid)) << "the band the host no longer covers on the right";
  EXPECT_TRUE(image.All(6, 33, 46, 36, solid)) << "and at the bottom";
  EXPECT_NEAR(image.Alpha(2, 20), Fade(200, 5, 1, 4), 1.0) << "the ring outside the cut-out";
}

TEST_F(ShadowBitmap, ASharpnessAboveTheSizeErodesTheOutlineFirst) {
  CShadowUI shadow;
  ASSERT_TRUE(shadow.SetSize(2));
  ASSERT_TRUE(shadow.SetSharpness(5));
  ASSERT_TRUE(shadow.SetDarkness(255));
  HRGN region = CreateRectRgn(0, 0, 40, 30);
  const ShadowImage image = Compute(shadow, 2, region, 40, 30);
  DeleteObject(region);

  ASSERT_EQ(image.width, 44);
  EXPECT_TRUE(image.All(2, 2, 42, 32, 0));
  // Eroded three times, the outline runs 3 pixels inside the host, so only the
  // tail of the fade (no inner radius, 6 steps) shows outside it.
  EXPECT_NEAR(image.Alpha(1, 15), Fade(255, 5, 0, 4), 1.0);
  EXPECT_NEAR(image.Alpha(0, 15), Fade(255, 5, 0, 5), 1.0);
  EXPECT_NEAR(image.Alpha(20, 1), Fade(255, 5, 0, 4), 1.0);
  EXPECT_NEAR(image.Alpha(42, 15), Fade(255, 5, 0, 4), 1.0);
}

TEST_F(ShadowBitmap, TheCutOutFollowsTheRegionNotItsBoundingBox) {
  CShadowUI shadow;
  ASSERT_TRUE(shadow.SetSize(6));
  ASSERT_TRUE(shadow.SetDarkness(255));
  // The host without its top-left 10 x 10 corner.
  HRGN region = CreateRectRgn(0, 0, 40, 30);
  HRGN notch = CreateRectRgn(0, 0, 10, 10);
  CombineRgn(region, region, notch, RGN_DIFF);
  const ShadowImage image = Compute(shadow, 6, region, 40, 30);
  DeleteObject(notch);
  DeleteObject(region);

  EXPECT_TRUE(image.All(16, 6, 46, 16, 0)) << "beside the notch the host is cut out";
  EXPECT_TRUE(image.All(6, 16, 46, 36, 0));
  EXPECT_NEAR(image.Alpha(13, 12), Fade(255, 5, 1, 3), 1.0) << "inside the notch the shadow shows";
}

TEST_F(ShadowBitmap, AHostWindowGivesItsWindowRegion) {
  GuiThread gui;
  gui.Call([] {
    Host host(RECT{100, 50, 140, 80});
    CShadowUI shadow;
    shadow.SetSize(6);
    shadow.SetDarkness(255);
    RECT rc = {100, 50, 140, 80};
    std::vector<uint32_t> bits(52 * 42, 0);
    shadow.MakeShadow(bits.data(), host.Window(), &rc);
    EXPECT_EQ(std::count(bits.begin(), bits.end(), 0u), long(bits.size())) << "no region: no shadow";

    SetWindowRgn(host.Window(), CreateRectRgn(0, 0, 40, 30), FALSE);
    shadow.MakeShadow(bits.data(), host.Window(), &rc);
    HRGN region = CreateRectRgn(0, 0, 40, 30);
    const ShadowImage expected = Compute(shadow, 6, region, 40, 30);
    DeleteObject(region);
    EXPECT_EQ(bits, expected.bits);
  });
}

TEST_F(ShadowBitmap, SizeZeroOrANonPositiveBitmapComputesNothing) {
  CShadowUI shadow;
  ASSERT_TRUE(shadow.SetSize(-20));
  HRGN region = CreateRectRgn(0, 0, 30, 30);
  std::vector<uint32_t> bits(4, 0);
  shadow.MakeShadowOfRegion(bits.data(), region, RECT{0, 0, 30, 30});  // 30 - 40 wide: no bitmap
  EXPECT_EQ(bits, std::vector<uint32_t>(4, 0));
  DeleteObject(region);
}

struct SetterCase {
  const char* scenario;
  std::function<bool(CShadowUI&)> set;
  bool accepted;
};

class ShadowSetters : public ::testing::TestWithParam<SetterCase> {};

TEST_P(ShadowSetters, RefuseValuesOutOfRangeAndKeepThePrevious) {
  const SetterCase& c = GetParam();
  TestDriver driver;
  CShadowUI shadow;
  shadow.SetSize(4);
  shadow.SetSharpness(2);
  shadow.SetDarkness(90);
  shadow.SetPosition(1, 2);
  HRGN region = CreateRectRgn(0, 0, 20, 10);
  const ShadowImage before = Compute(shadow, 4, region, 20, 10);
  EXPECT_EQ(c.set(shadow), c.accepted) << c.scenario;
  if (!c.accepted) {
    EXPECT_EQ(Compute(shadow, 4, region, 20, 10).bits, before.bits) << "nothing changed";
  }
  DeleteObject(region);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ShadowSetters,
    ::testing::Values(
        SetterCase{"size 21", [](CShadowUI& s) { return s.SetSize(21); }, false},
        SetterCase{"size -21", [](CShadowUI& s) { return s.SetSize(-21); }, false},
        SetterCase{"size -20", [](CShadowUI& s) { return s.SetSize(-20); }, true},
        SetterCase{"sharpness 21", [](CShadowUI& s) { return s.SetSharpness(21); }, false},
        SetterCase{"sharpness 20", [](CShadowUI& s) { return s.SetSharpness(20); }, true},
        SetterCase{"darkness 256", [](CShadowUI& s) { return s.SetDarkness(256); }, false},
        SetterCase{"darkness 0", [](CShadowUI& s) { return s.SetDarkness(0); }, true},
        SetterCase{"position y -21", [](CShadowUI& s) { return s.SetPosition(0, -21); }, false},
        SetterCase{"position x 21", [](CShadowUI& s) { return s.SetPosition(21, 0); }, false},
        SetterCase{"position -20, 20", [](CShadowUI& s) { return s.SetPosition(-20, 20); }, true},
        SetterCase{"a negative corner", [](CShadowUI& s) { return s.SetShadowCorner(RECT{0, 0, -1, 0}); }, false},
        SetterCase{"no image", [](CShadowUI& s) { return s.SetImage(nullptr); }, false},
        SetterCase{"any colour", [](CShadowUI& s) { return s.SetColor(0x00FFFFFF); }, true}),
    [](const ::testing::TestParamInfo<SetterCase>& info) { return "Case" + std::to_string(info.index); });

TEST(ShadowCopy, AComputedShadowPassesItsSettingsOn) {
  TestDriver driver;
  CShadowUI source, target;
  source.SetSize(6);
  source.SetSharpness(3);
  source.SetDarkness(100);
  source.SetColor(0x000000FF);
  source.SetPosition(2, -1);
  source.ShowShadow(true);
  EXPECT_TRUE(source.CopyShadow(&target));
  EXPECT_TRUE(target.IsShowShadow());
  HRGN region = CreateRectRgn(0, 0, 30, 20);
  EXPECT_EQ(Compute(target, 6, region, 30, 20).bits, Compute(source, 6, region, 30, 20).bits);
  DeleteObject(region);
}

TEST(ShadowCopy, AnImageShadowPassesOnlyItsImageSettings) {
  TestDriver driver;
  CShadowUI source, target;
  source.SetSize(6);
  source.SetImage(L"shadow.png");
  source.SetShadowCorner(RECT{4, 4, 4, 4});
  EXPECT_TRUE(source.CopyShadow(&target));
  EXPECT_FALSE(target.IsShowShadow());
  CShadowUI fresh;
  HRGN region = CreateRectRgn(0, 0, 30, 20);
  EXPECT_EQ(Compute(target, 0, region, 30, 20).bits, Compute(fresh, 0, region, 30, 20).bits)
      << "size, sharpness and darkness stayed as they were";
  DeleteObject(region);
}

BOOL CALLBACK CollectShadows(HWND hwnd, LPARAM param) {
  auto* found = reinterpret_cast<std::vector<HWND>*>(param);
  wchar_t name[64] = {};
  GetClassNameW(hwnd, name, 64);
  if (wcscmp(name, L"VelmoShadowWnd") == 0) found->push_back(hwnd);
  return TRUE;
}

std::vector<HWND> ShadowsOf(HWND host) {
  std::vector<HWND> all, owned;
  EnumWindows(&CollectShadows, LPARAM(&all));
  for (HWND hwnd : all) {
    if (GetWindow(hwnd, GW_OWNER) == host) owned.push_back(hwnd);
  }
  return owned;
}

class ShadowWindow : public ::testing::Test {
 protected:
  void SetUp() override { uitest::EnsureInstance(); }
  TestDriver driver;
  GuiThread gui;
  Lines log;
};

TEST_F(ShadowWindow, OnlyAWantedShadowMakesAPopUp) {
  gui.Call([&] {
    Host host;
    host.Manager().AttachRoot(new LogContainer(&log, L"root"));
    EXPECT_TRUE(ShadowsOf(host.Window()).empty());
  });
}

TEST_F(ShadowWindow, ACreatedShadowIsAClickThroughLayeredPopUpShownWithItsHost) {
  gui.Call([&] {
    Host shown;
    Host hidden(RECT{0, 0, 100, 100}, WS_POPUP);
    for (Host* host : {&shown, &hidden}) {
      host->Manager().GetShadow()->ShowShadow(true);
      host->Manager().AttachRoot(new LogContainer(&log, L"root"));
      const std::vector<HWND> popups = ShadowsOf(host->Window());
      ASSERT_EQ(popups.size(), 1u);
      const DWORD exStyle = DWORD(GetWindowLongW(popups[0], GWL_EXSTYLE));
      EXPECT_EQ(exStyle & (WS_EX_LAYERED | WS_EX_TRANSPARENT), DWORD(WS_EX_LAYERED | WS_EX_TRANSPARENT));
      EXPECT_EQ(IsWindowVisible(popups[0]) != FALSE, host == &shown);
    }
  });
}

TEST_F(ShadowWindow, ASecondCreationForTheSameHostDoesNothing) {
  gui.Call([&] {
    Host host;
    host.Manager().GetShadow()->ShowShadow(true);
    host.Manager().AttachRoot(new LogContainer(&log, L"first"));
    host.Manager().AttachRoot(new LogContainer(&log, L"second"));
    // Another manager of the same window asks for a shadow too.
    SkinUI::CWindowManagerUI other;
    other.Init(host.Window());
    other.GetShadow()->ShowShadow(true);
    other.AttachRoot(new LogContainer(&log, L"third"));
    EXPECT_EQ(ShadowsOf(host.Window()).size(), 1u);
    host.messages.clear();
    SendMessageW(host.Window(), WM_USER + 7, 0, 0);
    EXPECT_EQ(std::count(host.messages.begin(), host.messages.end(), UINT(WM_USER + 7)), 1)
        << "the host's own procedure sees each message once";
  });
}

TEST_F(ShadowWindow, ThePopUpEndsWithItsHost) {
  gui.Call([&] {
    auto host = std::make_unique<Host>();
    host->Manager().GetShadow()->ShowShadow(true);
    host->Manager().AttachRoot(new LogContainer(&log, L"root"));
    const HWND hwnd = host->Window();
    const std::vector<HWND> popups = ShadowsOf(hwnd);
    ASSERT_EQ(popups.size(), 1u);
    DestroyWindow(hwnd);
    EXPECT_FALSE(IsWindow(popups[0]));
    {
      std::lock_guard<std::mutex> lock(CShadowUI::GetShadowMapLock());
      EXPECT_EQ(CShadowUI::GetShadowMap().count(hwnd), 0u);
    }
    host.reset();
  });
}

TEST_F(ShadowWindow, AShadowThatGoesFirstGivesTheHostItsProcedureBack) {
  gui.Call([&] {
    Host host;
    const LONG_PTR ownProc = GetWindowLongPtrW(host.Window(), GWLP_WNDPROC);
    host.Manager().GetShadow()->ShowShadow(true);
    host.Manager().AttachRoot(new LogContainer(&log, L"root"));
    const std::vector<HWND> popups = ShadowsOf(host.Window());
    ASSERT_EQ(popups.size(), 1u);
    EXPECT_NE(GetWindowLongPtrW(host.Window(), GWLP_WNDPROC), ownProc) << "subclassed";
    host.DropManager();
    EXPECT_EQ(GetWindowLongPtrW(host.Window(), GWLP_WNDPROC), ownProc);
    EXPECT_FALSE(IsWindow(popups[0]));
    host.messages.clear();
    SendMessageW(host.Window(), WM_USER + 8, 0, 0);
    EXPECT_EQ(host.messages, std::vector<UINT>{UINT(WM_USER + 8)});
  });
}

}  // namespace
