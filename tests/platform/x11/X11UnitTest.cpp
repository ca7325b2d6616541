// The X11 backend's pure parts: key tables, window roles, monitor layout and the
// fallback for per-pixel alpha without a compositor. No display needed.
#include <gtest/gtest.h>

#include "platform/win32.h"
#include "platform/backend/ForeignWindows.h"
#include "platform/backend/x11/AlphaMask.h"
#include "platform/backend/x11/KeyMap.h"
#include "platform/backend/x11/MonitorLayout.h"
#include "platform/backend/x11/SurfaceRole.h"
#include "platform/backend/x11/XThread.h"
#include "testing/base/RectValues.h"

#include <X11/keysym.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>

namespace {

using platform::backend::ForeignWindows;
using platform::backend::MonitorDesc;
using platform::backend::SurfaceDesc;
using platform::x11::AlphaMask;
using platform::x11::KeyMap;
using platform::x11::MonitorLayout;
using platform::x11::PixelImage;
using platform::x11::Role;
using platform::x11::ScreenOutput;
using platform::x11::SurfaceRole;
using platform::x11::XThread;

struct KeyCase {
  unsigned long base;
  unsigned long modified;
  UINT vk;
};

TEST(KeyMap, VirtualKeysNameTheKeyNotTheCharacter) {
  const KeyCase cases[] = {
      {XK_a, XK_A, 'A'},                    // shifted letters stay the letter key
      {XK_1, XK_exclam, '1'},               // shifted digits stay the digit key
      {XK_semicolon, XK_colon, 0xBA},       // punctuation is an OEM key
      {XK_Return, XK_Return, 0x0D},
      {XK_KP_Enter, XK_KP_Enter, 0x0D},
      {XK_F5, XK_F5, 0x74},
      {XK_F12, XK_F12, 0x7B},
      {XK_Left, XK_Left, 0x25},
      {XK_Shift_R, XK_Shift_R, 0x10},
      {XK_Control_L, XK_Control_L, 0x11},
      {XK_Alt_L, XK_Meta_L, 0x12},
      {XK_KP_End, XK_KP_1, 0x61},           // NumLock on: the keypad types digits
      {XK_KP_End, XK_KP_End, 0x23},         // NumLock off: the keypad moves
      {XK_KP_Delete, XK_KP_Decimal, 0x6E},
      {XK_Super_L, XK_Super_L, 0x5B},
      {XK_VoidSymbol, XK_VoidSymbol, 0},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(KeyMap::VirtualKey(c.base, c.modified), c.vk) << std::hex << c.base << " / " << c.modified;
  }
}

struct TextCase {
  unsigned long keysym;
  bool control;
  bool alt;
  std::wstring text;
};

TEST(KeyMap, TypedTextLeavesControlCharactersToTheLayer) {
  const TextCase cases[] = {
      {XK_a, false, false, L"a"},
      {XK_A, false, false, L"A"},
      {XK_exclam, false, false, L"!"},
      {XK_eacute, false, false, L"\u00e9"},
      {0x010020AC, false, false, L"\u20ac"},  // a Unicode key symbol
      {XK_KP_5, false, false, L"5"},
      {XK_a, true, false, L""},              // Ctrl chords: the layer makes the control character
      {XK_a, true, true, L"a"},              // AltGr (Ctrl+Alt) types
      {XK_Return, false, false, L""},
      {XK_BackSpace, false, false, L""},
      {XK_Delete, false, false, L""},
      {XK_Left, false, false, L""},
  };
  for (const TextCase& c : cases) {
    EXPECT_EQ(KeyMap::TypedText(c.keysym, c.control, c.alt), c.text) << std::hex << c.keysym;
  }
}

struct RoleCase {
  const char* name;
  bool popup;
  bool toolWindow;
  bool noActivate;
  bool owned;
  DWORD exStyle;
  const wchar_t* className;
  Role role;
};

TEST(SurfaceRole, RolesDecideHowWindowsMap) {
  const RoleCase cases[] = {
      {"main frame", true, false, false, false, 0, L"MainWnd", Role::Normal},
      {"dialog over its owner", true, false, false, true, 0, L"DlgWnd", Role::Dialog},
      {"overlapped owned window", false, false, false, true, 0, L"DlgWnd", Role::Dialog},
      {"tooltip by class", true, false, false, true, 0, L"tooltips_class32", Role::Tooltip},
      {"tooltip, class in other case", true, false, false, true, 0, L"Tooltips_Class32", Role::Tooltip},
      {"menu", true, true, false, true, 0, L"MenuWnd", Role::Menu},
      {"tool window by its extended style", true, false, false, true, WS_EX_TOOLWINDOW, L"ComboWnd", Role::Menu},
      {"shadow", true, false, false, true, WS_EX_LAYERED | WS_EX_TRANSPARENT, L"VelmoShadowWnd", Role::Shadow},
      {"layered but clickable stays managed", true, false, false, false, WS_EX_LAYERED, L"MainWnd", Role::Normal},
      {"edit pop-up", true, false, false, true, 0, L"EditWnd", Role::EditPopup},
      {"an overlapped edit window stays managed", false, false, false, true, 0, L"EditWnd", Role::Dialog},
      {"no-activate pop-up", true, false, true, false, 0, L"Anything", Role::Tooltip},
  };
  for (const RoleCase& c : cases) {
    SurfaceDesc desc;
    desc.popup = c.popup;
    desc.toolWindow = c.toolWindow;
    desc.noActivate = c.noActivate;
    desc.owner = c.owned ? 7 : 0;
    desc.exStyle = c.exStyle;
    desc.className = c.className;
    EXPECT_EQ(SurfaceRole::Classify(desc), c.role) << c.name;
  }
  EXPECT_FALSE(SurfaceRole::OverrideRedirect(Role::Dialog));
  EXPECT_TRUE(SurfaceRole::OverrideRedirect(Role::EditPopup));
  EXPECT_FALSE(SurfaceRole::TakesFocus(Role::Menu));
}

TEST(MonitorLayout, WithoutOutputsTheRootIsTheMonitor) {
  const std::vector<MonitorDesc> monitors = MonitorLayout::Build({}, nullptr, 1280, 1024);
  ASSERT_EQ(monitors.size(), 1u);
  EXPECT_EQ(monitors[0].bounds, (RECT{0, 0, 1280, 1024}));
  EXPECT_EQ(monitors[0].work, monitors[0].bounds);
  EXPECT_TRUE(monitors[0].primary);
}

TEST(MonitorLayout, WorkAreaIsCutPerMonitorAndPrimaryComesFirst) {
  ScreenOutput left{RECT{0, 0, 1920, 1080}, false, L"DP-1"};
  ScreenOutput right{RECT{1920, 0, 3200, 1024}, true, L"HDMI-1"};
  ScreenOutput off{RECT{0, 0, 0, 0}, false, L"VGA-1"};  // a disabled output
  const RECT work{0, 30, 3200, 1000};  // a top panel and a bottom dock across both
  const std::vector<MonitorDesc> monitors = MonitorLayout::Build({left, off, right}, &work, 3200, 1080);
  ASSERT_EQ(monitors.size(), 2u);
  EXPECT_EQ(monitors[0].name, L"HDMI-1");
  EXPECT_TRUE(monitors[0].primary);
  EXPECT_FALSE(monitors[1].primary);
  EXPECT_EQ(monitors[0].work, (RECT{1920, 30, 3200, 1000}));
  EXPECT_EQ(monitors[1].work, (RECT{0, 30, 1920, 1000}));
}

TEST(MonitorLayout, AWorkAreaMissingAMonitorLeavesItWholeAndNoPrimaryPicksTheFirst) {
  ScreenOutput a{RECT{0, 0, 800, 600}, false, L"A"};
  ScreenOutput b{RECT{800, 0, 1600, 600}, false, L"B"};
  const RECT work{0, 0, 800, 560};
  const std::vector<MonitorDesc> monitors = MonitorLayout::Build({a, b}, &work, 1600, 600);
  ASSERT_EQ(monitors.size(), 2u);
  EXPECT_EQ(monitors[0].name, L"A");
  EXPECT_TRUE(monitors[0].primary);
  EXPECT_EQ(monitors[0].work, (RECT{0, 0, 800, 560}));
  EXPECT_EQ(monitors[1].work, (RECT{800, 0, 1600, 600}));
}

PixelImage Picture(int width, int height, std::vector<uint32_t> pixels) {
  PixelImage image;
  image.width = width;
  image.height = height;
  image.perPixelAlpha = true;
  image.pixels = std::move(pixels);
  return image;
}

TEST(AlphaMask, TransparentPixelsAreCutAway) {
  // Row 0: hole, pixel, hole, pixel. Row 1: all transparent. Row 2: one run of three.
  const PixelImage image = Picture(4, 3, {0, 0xFF0000FF, 0, 0x80000080,
                                          0, 0, 0, 0,
                                          0x01010101, 0xFF00FF00, 0xFFFFFFFF, 0});
  pixman_region32_t region;
  pixman_region32_init(&region);
  AlphaMask::VisibleRegion(image, &region);
  const bool expected[3][4] = {{false, true, false, true}, {false, false, false, false}, {true, true, true, false}};
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) {
      EXPECT_EQ(bool(pixman_region32_contains_point(&region, x, y, nullptr)), expected[y][x]) << x << "," << y;
    }
  }
  pixman_region32_fini(&region);
}

TEST(AlphaMask, FlattenedPixelsShowTheirOwnColourNotADarkerOne) {
  const struct {
    uint32_t premultiplied;
    uint32_t shown;
  } cases[] = {
      {0x80800000, 0xFFFF0000},  // half-transparent red shows red, not dark red
      {0x40004000, 0xFF00FF00},
      {0xFF123456, 0xFF123456},  // opaque pixels are kept
      {0x00000000, 0xFF000000},  // cut away by the shape anyway
      {0x80402010, 0xFF804020},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AlphaMask::Flattened(Picture(1, 1, {c.premultiplied}))[0], c.shown) << std::hex << c.premultiplied;
  }
}

TEST(ForeignWindows, ForeignHandlesNeverMeetTheLayersOwn) {
  for (uint32_t id : {0x1u, 0x400007u, 0x1FFFFFFFu}) {
    const HWND hwnd = ForeignWindows::MakeForeignHandle(id);
    EXPECT_TRUE(ForeignWindows::IsForeignHandle(hwnd));
    EXPECT_EQ(ForeignWindows::NativeIdOf(hwnd), id);
    EXPECT_LE(uintptr_t(hwnd), uintptr_t(0x7FFFFFFF)) << "survives a trip through a LONG";
  }
  for (uintptr_t own : {uintptr_t(0x10020), uintptr_t(0x10024), uintptr_t(0x7FFFFFFC)}) {
    EXPECT_FALSE(ForeignWindows::IsForeignHandle(HWND(own)));
  }
}

TEST(XThread, EventsThePumpLeftInTheQueueAreHandledWithoutWaitingForTheConnection) {
  // A connection that never turns readable: only the pump itself can tell that a
  // reply it waited for brought events along.
  int fds[2];
  ASSERT_EQ(pipe(fds), 0);
  std::atomic<int> pumps{0};
  std::promise<void> pumpedAgain;
  std::future<void> again = pumpedAgain.get_future();
  {
    XThread thread;
    thread.Start(fds[0], [&] {
      const int n = ++pumps;
      if (n == 2) pumpedAgain.set_value();
      return n == 1;
    });
    EXPECT_EQ(again.wait_for(std::chrono::seconds(10)), std::future_status::ready)
        << "the thread went to sleep on events it had already read";
  }
  close(fds[0]);
  close(fds[1]);
}

}  // namespace
