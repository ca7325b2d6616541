// The shadow pop-up following its host: moves, sizes (growth waits for the host's
// paint, shrinking is drawn at once), maximise and restore, hide and show, the
// picture it presents, settings changed while shown, and hosts on two threads.
#include <gtest/gtest.h>

#include <thread>

#include "platform/backend/headless/HeadlessBackend.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/WindowTestSupport.h"
#include "ui/core/window/CShadowUI.h"
#include "testing/driver/GuiThread.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::HeadlessBackend;
using platform::headless::TestDriver;
using SkinUI::CShadowUI;
using wintest::ManagedWindow;
using wintest::PresentedImage;
using wintest::ProbeContainer;

HWND ShadowOf(HWND host) {
  struct Search {
    HWND host;
    HWND found;
  } search = {host, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        Search* s = reinterpret_cast<Search*>(lParam);
        wchar_t name[64] = {};
        GetClassNameW(hwnd, name, 64);
        if (wcscmp(name, L"VelmoShadowWnd") == 0 && GetWindow(hwnd, GW_OWNER) == s->host) s->found = hwnd;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

RECT WindowRect(HWND hwnd) {
  RECT rc = {};
  GetWindowRect(hwnd, &rc);
  return rc;
}

// A 200x100 host at (100,100) with a rectangular window region and a shadow of
// size 6 and sharpness 5.
class ShadowFollowing : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::EnsureInstance();
    gui.Call([this] {
      host.reset(new ManagedWindow());
      host->Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, 0, 100, 100, 200, 100);
      SetWindowRgn(Host(), CreateRectRgn(0, 0, 200, 100), FALSE);
      CShadowUI* shadow = host->Manager().GetShadow();
      shadow->ShowShadow(true);
      shadow->SetSize(6);
      shadow->SetSharpness(5);
      host->Manager().AttachRoot(new ProbeContainer(nullptr, L"root"));
      popup = ShadowOf(Host());
    });
    ASSERT_TRUE(driver.WaitIdle());
    ASSERT_NE(popup, nullptr);
  }
  void TearDown() override {
    gui.Call([this] {
      if (IsWindow(Host())) DestroyWindow(Host());
      host.reset();
    });
  }

  HWND Host() const { return host->GetHWND(); }
  void Resize(int cx, int cy) {
    SetWindowPos(Host(), nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  }

  TestDriver driver;
  GuiThread gui;
  std::unique_ptr<ManagedWindow> host;
  HWND popup = nullptr;
};

TEST_F(ShadowFollowing, StartsAroundItsHostGrownByTheSize) {
  EXPECT_EQ(WindowRect(popup), (RECT{94, 94, 306, 206}));
  EXPECT_TRUE(IsWindowVisible(popup));
  const auto surface = HeadlessBackend::Instance()->Surface(popup);
  ASSERT_TRUE(surface.has_value());
  EXPECT_TRUE(surface->perPixelAlpha);
  EXPECT_NE(WindowFromPoint(POINT{97, 150}), popup) << "clicks go through the shadow";
}

TEST_F(ShadowFollowing, PresentsAShadeAroundTheHostAndNothingUnderIt) {
  const PresentedImage image(popup);
  ASSERT_TRUE(image.Valid());
  EXPECT_EQ(image.Width(), 212);
  EXPECT_EQ(image.Height(), 112);
  EXPECT_EQ(image.Pixel(106, 56), 0u) << "under the host";
  EXPECT_EQ(image.Pixel(6, 56), 0u) << "the host's first column";
  const uint32_t edge = image.Pixel(5, 56);
  EXPECT_EQ(edge >> 24, 150u) << "the darkness right at the host's edge";
  EXPECT_EQ(edge & 0x00FFFFFF, 0u) << "black";
  EXPECT_LT(image.Pixel(1, 56) >> 24, edge >> 24) << "fading outward";
  EXPECT_GT(image.Pixel(106, 2) >> 24, 0u) << "above the host too";
}

TEST_F(ShadowFollowing, FollowsTheHostsMoves) {
  gui.Call([&] { SetWindowPos(Host(), nullptr, 300, 200, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE); });
  EXPECT_EQ(WindowRect(popup), (RECT{294, 194, 506, 306}));
}

TEST_F(ShadowFollowing, ShrinkingRedrawsAtOnceAndGrowingWaitsForTheHostsPaint) {
  // The shadow learns the host's size from its first WM_SIZE.
  gui.Call([&] { Resize(200, 110); });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] {
    Resize(150, 80);
    EXPECT_EQ(WindowRect(popup), (RECT{94, 94, 256, 186})) << "at once";
    Resize(250, 120);
    EXPECT_EQ(WindowRect(popup), (RECT{94, 94, 256, 186})) << "not yet";
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(WindowRect(popup), (RECT{94, 94, 356, 226})) << "at the host's paint";
}

TEST_F(ShadowFollowing, HidesWhileTheHostIsMaximisedAndComesBackOnRestore) {
  gui.Call([&] { ShowWindow(Host(), SW_MAXIMIZE); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(IsWindowVisible(popup));
  gui.Call([&] { ShowWindow(Host(), SW_RESTORE); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(IsWindowVisible(popup));
  EXPECT_EQ(WindowRect(popup), (RECT{94, 94, 306, 206}));
}

TEST_F(ShadowFollowing, HidesAndShowsWithItsHost) {
  gui.Call([&] { ShowWindow(Host(), SW_HIDE); });
  EXPECT_FALSE(IsWindowVisible(popup));
  gui.Call([&] {
    SetWindowPos(Host(), nullptr, 400, 300, 0, 0, SWP_NOZORDER | SWP_NOSIZE | SWP_NOACTIVATE);
    ShowWindow(Host(), SW_SHOWNOACTIVATE);
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_TRUE(IsWindowVisible(popup));
  EXPECT_EQ(WindowRect(popup), (RECT{394, 294, 606, 406})) << "redrawn where the host now is";
}

TEST_F(ShadowFollowing, SettingsChangedWhileShownRedrawAtOnce) {
  gui.Call([&] {
    CShadowUI* shadow = host->Manager().GetShadow();
    EXPECT_TRUE(shadow->SetPosition(3, 4));
    EXPECT_EQ(WindowRect(popup), (RECT{97, 98, 309, 210}));
    EXPECT_TRUE(shadow->SetSize(10));
    EXPECT_EQ(WindowRect(popup), (RECT{93, 94, 313, 214}));
  });
}

TEST(ShadowSize, ZeroShowsNothingUntilASizeIsSet) {
  uitest::EnsureInstance();
  TestDriver driver;
  GuiThread gui;
  gui.Call([&] {
    ManagedWindow host;
    host.Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, 0, 100, 100, 200, 100);
    host.Manager().GetShadow()->ShowShadow(true);
    host.Manager().AttachRoot(new ProbeContainer(nullptr, L"root"));
    const HWND popup = ShadowOf(host.GetHWND());
    ASSERT_NE(popup, nullptr);
    RECT rc = {};
    GetWindowRect(popup, &rc);
    EXPECT_TRUE(IsRectEmpty(&rc)) << "never drawn";
    host.Manager().GetShadow()->SetSize(6);
    EXPECT_EQ(WindowRect(popup), (RECT{94, 94, 306, 206}));
    DestroyWindow(host.GetHWND());
  });
}

TEST(ShadowImage, AnImageThatCannotBeHadLeavesThePopUpAsItWas) {
  uitest::EnsureInstance();
  TestDriver driver;
  GuiThread gui;
  gui.Call([&] {
    ManagedWindow host;
    host.Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, 0, 100, 100, 200, 100);
    CShadowUI* shadow = host.Manager().GetShadow();
    shadow->ShowShadow(true);
    shadow->SetShadowCorner(RECT{8, 8, 8, 8});
    EXPECT_TRUE(shadow->SetImage(L"no-such-shadow.png"));
    host.Manager().AttachRoot(new ProbeContainer(nullptr, L"root"));
    const HWND popup = ShadowOf(host.GetHWND());
    ASSERT_NE(popup, nullptr);
    RECT rc = {};
    GetWindowRect(popup, &rc);
    EXPECT_TRUE(IsRectEmpty(&rc));
    DestroyWindow(host.GetHWND());
  });
}

// Hosts come and go on two threads at once (the alarm window has its own thread):
// every one of them finds its own shadow, and the map ends empty.
TEST(ShadowMap, HostsOnTwoThreadsKeepTheirOwnShadows) {
  uitest::EnsureInstance();
  TestDriver driver;
  GuiThread first, second;
  std::atomic<int> mismatches{0};
  auto churn = [&mismatches] {
    for (int i = 0; i < 60; ++i) {
      ManagedWindow host;
      host.Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, 0, 10 * (i % 5), 10, 100, 50);
      CShadowUI* shadow = host.Manager().GetShadow();
      shadow->ShowShadow(true);
      shadow->SetSize(4);
      host.Manager().AttachRoot(new ProbeContainer(nullptr, L"root"));
      {
        std::lock_guard<std::mutex> lock(CShadowUI::GetShadowMapLock());
        auto it = CShadowUI::GetShadowMap().find(host.GetHWND());
        if (it == CShadowUI::GetShadowMap().end() || it->second != shadow) ++mismatches;
      }
      SetWindowPos(host.GetHWND(), nullptr, 20, 20, 120, 60, SWP_NOZORDER | SWP_NOACTIVATE);
      DestroyWindow(host.GetHWND());
    }
  };
  first.Post(churn);
  second.Post(churn);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(mismatches.load(), 0);
  std::lock_guard<std::mutex> lock(CShadowUI::GetShadowMapLock());
  EXPECT_TRUE(CShadowUI::GetShadowMap().empty());
}

}  // namespace
