// The separator strip of the vertical and horizontal layouts: where it lies and how
// dragging it resizes the layout, in track and in immediate mode.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"
#include "ui/core/control/UIEventRecord.h"

namespace {

using SkinUI::CControlUI;
using SkinUI::CHorizontalLayoutUI;
using SkinUI::CVerticalLayoutUI;

struct StripCase {
  const char* what;
  bool vertical;
  int size;
  RECT strip;  // of a layout at 0,0,200,100
};

// Test output names a case by what it checks.
void PrintTo(const StripCase& c, std::ostream* os) { *os << c.what; }

std::string StripName(const ::testing::TestParamInfo<StripCase>& info) { return info.param.what; }

class SeparatorStrip : public ::testing::TestWithParam<StripCase> {};

TEST_P(SeparatorStrip, LiesAtTheEdgeTheSignOfItsSizeNames) {
  const StripCase& c = GetParam();
  const RECT pos = {0, 0, 200, 100};
  if (c.vertical) {
    CVerticalLayoutUI layout;
    layout.SetPos(pos);
    layout.SetSepHeight(c.size);
    EXPECT_EQ(c.strip, layout.GetSeparatorRect(false));
    EXPECT_EQ(c.strip, layout.GetSeparatorRect(true)) << "no drag: the position counts";
    EXPECT_EQ(c.size != 0 ? SkinUI::UIFLAG_SETCURSOR : 0u, layout.GetBehaviorFlags());
  } else {
    CHorizontalLayoutUI layout;
    layout.SetPos(pos);
    layout.SetSepWidth(c.size);
    EXPECT_EQ(c.strip, layout.GetSeparatorRect(false));
    EXPECT_EQ(c.size != 0 ? SkinUI::UIFLAG_SETCURSOR : 0u, layout.GetBehaviorFlags());
  }
}

const StripCase kStripCases[] = {
    {"VerticalPositiveAtTheBottom", true, 4, {0, 96, 200, 100}},
    {"VerticalNegativeAtTheTop", true, -4, {0, 0, 200, 4}},
    {"VerticalClampedToTheLayout", true, 300, {0, 0, 200, 100}},
    {"VerticalNegativeClampedToTheLayout", true, -300, {0, 0, 200, 100}},
    {"HorizontalPositiveAtTheRight", false, 4, {196, 0, 200, 100}},
    {"HorizontalNegativeAtTheLeft", false, -4, {0, 0, 4, 100}},
    {"HorizontalNotClamped", false, -300, {0, 0, 300, 100}},
    {"HorizontalPositiveNotClamped", false, 300, {-100, 0, 200, 100}},
    {"NoSeparator", true, 0, {0, 100, 200, 100}},
};

INSTANTIATE_TEST_SUITE_P(Layouts, SeparatorStrip, ::testing::ValuesIn(kStripCases), StripName);

TEST(SeparatorStripFlags, DisabledLayoutWantsNoCursor) {
  CVerticalLayoutUI layout;
  layout.SetSepHeight(4);
  layout.SetEnabled(false);
  EXPECT_EQ(0u, layout.GetBehaviorFlags());
}

struct CursorCase {
  const char* what;
  bool vertical;
  POINT point;
  LPCWSTR cursor;
};

void PrintTo(const CursorCase& c, std::ostream* os) { *os << c.what; }

std::string CursorName(const ::testing::TestParamInfo<CursorCase>& info) { return info.param.what; }

class SeparatorCursor : public ::testing::TestWithParam<CursorCase> {};

TEST_P(SeparatorCursor, ShowsTheResizeArrowOverTheStripOnly) {
  const CursorCase& c = GetParam();
  CVerticalLayoutUI vertical;
  CHorizontalLayoutUI horizontal;
  CControlUI* layout = &horizontal;
  if (c.vertical) {
    vertical.SetSepHeight(4);
    layout = &vertical;
  } else {
    horizontal.SetSepWidth(-4);
  }
  layout->SetPos(RECT{0, 0, 200, 100});
  ::SetCursor(nullptr);
  SkinUI::UIEventRecord event;
  event.Type = SkinUI::UIEVENT_SETCURSOR;
  event.ptMouse = c.point;
  layout->HandleEvent(event);
  EXPECT_EQ(::LoadCursorW(nullptr, c.cursor), ::GetCursor());
}

const CursorCase kCursorCases[] = {
    {"VerticalStrip", true, {50, 97}, IDC_SIZENS},
    {"VerticalOffTheStrip", true, {50, 50}, IDC_ARROW},
    {"HorizontalStrip", false, {2, 50}, IDC_SIZEWE},
    {"HorizontalOffTheStrip", false, {50, 50}, IDC_ARROW},
};

INSTANTIATE_TEST_SUITE_P(Layouts, SeparatorCursor, ::testing::ValuesIn(kCursorCases), CursorName);

struct MoveCase {
  const char* what;
  bool vertical;
  int size;
  POINT press;
  POINT move;
  int extent;  // of a layout at 0,0,200,100 after the move
};

// Test output names a case by what it checks.
void PrintTo(const MoveCase& c, std::ostream* os) { *os << c.what; }

std::string MoveName(const ::testing::TestParamInfo<MoveCase>& info) { return info.param.what; }

class SeparatorMove : public ::testing::TestWithParam<MoveCase> {};

TEST_P(SeparatorMove, FollowsTheMouseOnlyPastTheEdgeTheAxisWaitsFor) {
  const MoveCase& c = GetParam();
  CVerticalLayoutUI vertical;
  CHorizontalLayoutUI horizontal;
  CControlUI* layout = &horizontal;
  if (c.vertical) {
    vertical.SetSepHeight(c.size);
    vertical.SetFixedHeight(100);
    layout = &vertical;
  } else {
    horizontal.SetSepWidth(c.size);
    horizontal.SetFixedWidth(200);
  }
  layout->SetPos(RECT{0, 0, 200, 100});
  for (const auto& step : {std::make_pair(SkinUI::UIEVENT_BUTTONDOWN, c.press),
                           std::make_pair(SkinUI::UIEVENT_MOUSEMOVE, c.move)}) {
    SkinUI::UIEventRecord event;
    event.Type = step.first;
    event.ptMouse = step.second;
    event.pSender = layout;
    layout->HandleEvent(event);
  }
  EXPECT_EQ(c.extent, c.vertical ? layout->GetFixedHeight() : layout->GetFixedWidth());
}

// The same one-pixel move outwards counts inside a horizontal strip, while the
// vertical layout waits until the mouse is the strip's size beyond its edge.
const MoveCase kMoveCases[] = {
    {"RightStripCountsInsideTheStrip", false, 4, {198, 50}, {199, 50}, 201},
    {"BottomStripWaitsBelowTheEdge", true, 4, {50, 98}, {50, 99}, 100},
    {"LeftStripCountsInsideTheStrip", false, -4, {2, 50}, {1, 50}, 201},
    {"TopStripWaitsAboveTheEdge", true, -4, {50, 2}, {50, 1}, 100},
    {"TopStripFollowsPastTheWait", true, -4, {50, 2}, {50, -5}, 107},
    {"LeftStripMovedInwards", false, -4, {2, 50}, {3, 50}, 199},
    {"TopStripMovedInwards", true, -4, {50, 2}, {50, 3}, 99},
};

INSTANTIATE_TEST_SUITE_P(Layouts, SeparatorMove, ::testing::ValuesIn(kMoveCases), MoveName);

class SeparatorDrag : public skintest::SkinTest {
 protected:
  void Send(CControlUI* target, int type, int x, int y) {
    SkinUI::UIEventRecord event;
    event.Type = type;
    event.ptMouse = POINT{x, y};
    event.pSender = target;
    target->HandleEvent(event);
  }
  void Press(CControlUI* t, int x, int y) { Send(t, SkinUI::UIEVENT_BUTTONDOWN, x, y); }
  void Move(CControlUI* t, int x, int y) { Send(t, SkinUI::UIEVENT_MOUSEMOVE, x, y); }
  void Release(CControlUI* t, int x, int y) { Send(t, SkinUI::UIEVENT_BUTTONUP, x, y); }
};

// A 100-pixel panel over the rest of a 200 x 300 window, with a 4-pixel strip at its
// bottom and a height of 50 to 150.
const wchar_t kPanel[] =
    L"<Window><VerticalLayout><VerticalLayout name=\"panel\" height=\"100\" sepheight=\"4\" minheight=\"50\" "
    L"maxheight=\"150\"/><Control name=\"rest\"/></VerticalLayout></Window>";

TEST_F(SeparatorDrag, TrackModeMovesOnlyTheTrackUntilRelease) {
  OnGui([&] {
    ASSERT_NE(nullptr, Load(kPanel, SIZE{200, 300}));
    auto* panel = static_cast<CVerticalLayoutUI*>(Find(L"panel"));
    ASSERT_NE(nullptr, panel);
    Press(panel, 10, 50);
    Move(panel, 10, 30);
    EXPECT_EQ((RECT{0, 96, 200, 100}), panel->GetSeparatorRect(true)) << "a press off the strip is no drag";

    Press(panel, 10, 98);
    Move(panel, 10, 80);
    EXPECT_EQ((RECT{0, 0, 200, 100}), PosOf(L"panel"));
    EXPECT_EQ((RECT{0, 78, 200, 82}), panel->GetSeparatorRect(true));
    EXPECT_EQ(82, panel->GetFixedHeight());
    host->TakeUpdateRect();
    Move(panel, 10, 70);
    EXPECT_EQ((RECT{0, 68, 200, 100}), host->TakeUpdateRect()) << "old track, new track and the strip";

    Release(panel, 10, 70);
    LayOut(RECT{0, 0, 200, 300});
    EXPECT_EQ((RECT{0, 0, 200, 72}), PosOf(L"panel"));
    EXPECT_EQ((RECT{0, 72, 200, 300}), PosOf(L"rest"));
    Move(panel, 10, 10);
    EXPECT_EQ((RECT{0, 0, 200, 72}), PosOf(L"panel")) << "no drag after the release";
  });
}

TEST_F(SeparatorDrag, LimitsStopTheDragAndTheWayBackWaitsForTheStrip) {
  OnGui([&] {
    ASSERT_NE(nullptr, Load(kPanel, SIZE{200, 300}));
    auto* panel = static_cast<CVerticalLayoutUI*>(Find(L"panel"));
    ASSERT_NE(nullptr, panel);
    Press(panel, 10, 98);
    Move(panel, 10, 20);
    EXPECT_EQ((RECT{0, 46, 200, 50}), panel->GetSeparatorRect(true)) << "stopped at the minimum";
    Move(panel, 10, 10);
    EXPECT_EQ(50, panel->GetFixedHeight());
    Move(panel, 10, 53);
    EXPECT_EQ(50, panel->GetFixedHeight()) << "down counts only 4 pixels below the bottom edge";
    Move(panel, 10, 55);
    EXPECT_EQ(52, panel->GetFixedHeight());
    Move(panel, 10, 400);
    EXPECT_EQ(150, panel->GetFixedHeight()) << "stopped at the maximum";
    Move(panel, 10, 410);
    EXPECT_EQ(150, panel->GetFixedHeight());
    Release(panel, 10, 410);
    LayOut(RECT{0, 0, 200, 300});
    EXPECT_EQ((RECT{0, 0, 200, 150}), PosOf(L"panel"));
  });
}

TEST_F(SeparatorDrag, ImmediateModeResizesOnEveryMove) {
  OnGui([&] {
    ASSERT_NE(nullptr, Load(L"<Window><HorizontalLayout><HorizontalLayout name=\"side\" width=\"100\" "
                            L"sepwidth=\"6\" sepimm=\"true\"/><Control name=\"rest\"/></HorizontalLayout></Window>",
                            SIZE{300, 100}));
    auto* side = static_cast<CHorizontalLayoutUI*>(Find(L"side"));
    ASSERT_NE(nullptr, side);
    EXPECT_TRUE(side->IsSepImmMode());
    Press(side, 97, 50);
    Move(side, 98, 50);
    EXPECT_EQ((RECT{0, 0, 101, 100}), PosOf(L"side")) << "a rightward drag counts inside the strip at once";
    LayOut(RECT{0, 0, 300, 100});
    EXPECT_EQ((RECT{101, 0, 300, 100}), PosOf(L"rest"));
    Move(side, 60, 50);
    EXPECT_EQ((RECT{0, 0, 63, 100}), PosOf(L"side"));
    Release(side, 60, 50);
    LayOut(RECT{0, 0, 300, 100});
    EXPECT_EQ((RECT{0, 0, 63, 100}), PosOf(L"side"));
    EXPECT_EQ((RECT{63, 0, 300, 100}), PosOf(L"rest"));
  });
}

TEST_F(SeparatorDrag, DisabledLayoutIgnoresThePress) {
  OnGui([&] {
    ASSERT_NE(nullptr, Load(kPanel, SIZE{200, 300}));
    auto* panel = static_cast<CVerticalLayoutUI*>(Find(L"panel"));
    ASSERT_NE(nullptr, panel);
    panel->SetEnabled(false);
    Press(panel, 10, 98);
    Move(panel, 10, 80);
    EXPECT_EQ(100, panel->GetFixedHeight());
  });
}

}  // namespace
