// The scroll bar under a person's mouse and the window's clock: a held arrow button
// repeats after a pause, and a dragged thumb stays under the mouse, whether or not
// the bar shows its arrow buttons, and never runs backwards.
#include <gtest/gtest.h>

#include <ostream>
#include <string>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CScrollBarUI.h"

namespace {

using controltest::ControlHarness;
using controltest::TestSkin;
using SkinUI::CScrollBarUI;

TEST(ScrollBarClock, AHeldButtonWaitsFiveTicksThenRepeatsEveryTick) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<HorizontalLayout height=\"200\"><ScrollBar name=\"bar\" range=\"100\" "
                                    L"linesize=\"8\"/><Control/></HorizontalLayout>"));
  ASSERT_TRUE(h.Created());
  auto position = [&] {
    int pos = -1;
    h.OnGui([&] { pos = h.Find<CScrollBarUI>(L"bar")->GetScrollPos(); });
    return pos;
  };
  h.Press(L"bar", POINT{8, 192});
  const struct {
    int ms;  // since the press
    int pos;
    int scrolls;
  } ticks[] = {{0, 8, 1},     {50, 8, 1},    {100, 8, 1},   {150, 8, 1},
               {200, 8, 1},   {250, 8, 1},   {300, 16, 2},  {350, 24, 3}};
  for (const auto& tick : ticks) {
    if (tick.ms > 0) h.Advance(50);
    EXPECT_EQ(position(), tick.pos) << tick.ms << " ms";
    EXPECT_EQ(h.Notifications().Count("scroll"), tick.scrolls) << tick.ms << " ms";
  }
  h.Release();
  h.Advance(200);
  EXPECT_EQ(position(), 24) << "the release stops the repeat";
  EXPECT_EQ(h.Notifications().Count("scroll"), 3);
}

struct DragCase {
  const char* what;
  int length;
  int cross;
  bool buttons;
  int range;
  int mouse;    // pixels the mouse moves down the bar
  int pos;      // the content offset that gives
  int travel;   // pixels the thumb moves
};

void PrintTo(const DragCase& c, std::ostream* os) { *os << c.what; }

class ScrollBarDrag : public ::testing::TestWithParam<DragCase> {};

TEST_P(ScrollBarDrag, TheThumbFollowsTheMouse) {
  const DragCase& c = GetParam();
  const std::wstring shown = c.buttons ? L"true" : L"false";
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<HorizontalLayout height=\"" + std::to_wstring(c.length) +
                                    L"\"><ScrollBar name=\"bar\" width=\"" + std::to_wstring(c.cross) +
                                    L"\" range=\"" + std::to_wstring(c.range) + L"\" showbutton1=\"" + shown +
                                    L"\" showbutton2=\"" + shown + L"\"/><Control/></HorizontalLayout>",
                                    400, c.length + 40));
  ASSERT_TRUE(h.Created());
  RECT bar = {0, 0, 0, 0};
  RECT thumb = {0, 0, 0, 0};
  auto read = [&](int* pos) {
    h.OnGui([&] {
      auto* control = h.Find<CScrollBarUI>(L"bar");
      bar = control->GetPos();
      thumb = control->GetThumbRect();
      *pos = control->GetScrollPos();
    });
  };
  int pos = 0;
  read(&pos);
  const RECT before = thumb;
  const POINT grab = {c.cross / 2, (before.top + before.bottom) / 2 - bar.top};
  h.Press(L"bar", grab);
  // A drag takes effect at the repeat timer's next tick; each step goes no way back.
  int last = 0;
  for (int step = 1; step <= 4; ++step) {
    h.MoveTo(L"bar", POINT{grab.x, grab.y + c.mouse * step / 4});
    h.Advance(CScrollBarUI::REPEAT_TIMER_ELAPSE);
    read(&pos);
    EXPECT_GE(pos, last) << "step " << step;
    last = pos;
  }
  h.Release();
  EXPECT_EQ(pos, c.pos);
  EXPECT_EQ(thumb.top - before.top, c.travel);
}

const DragCase kDragCases[] = {
    // Thumb 112 of 200 between two 16-pixel buttons: 56 pixels of travel for 100.
    {"ButtonsShown", 200, 16, true, 100, 28, 50, 28},
    // Thumb 133 with no buttons: 67 pixels of travel.
    {"ButtonsHidden", 200, 16, false, 100, 30, 44, 29},
    // A combo box's drop-down: a 10-pixel bar without buttons over seven 40-pixel
    // rows shown in 258 pixels; thumb 237, 21 pixels of travel for 22.
    {"ComboDropDownOnePixel", 258, 10, false, 22, 1, 1, 0},
    {"ComboDropDownWholeTrack", 258, 10, false, 22, 21, 22, 21},
    // Twice the cross size would leave a track of -24 here: the drag would run backwards.
    {"ShortBarWithoutButtons", 40, 16, false, 10, 8, 10, 8},
    // The thumb fills the track: there is nowhere to drag it.
    {"NothingToScroll", 200, 16, true, 0, 30, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Bar, ScrollBarDrag, ::testing::ValuesIn(kDragCases),
                         [](const ::testing::TestParamInfo<DragCase>& info) { return info.param.what; });

TEST(ScrollBarDrag, TheComboDropDownsListFollowsItsThumb) {
  std::wstring rows;
  for (int i = 0; i < 7; ++i) rows += L"<Control height=\"40\"/>";
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<VerticalLayout name=\"list\" height=\"258\" vscrollbar=\"true\" "
                                    L"vscrollbarstyle=\"width=&quot;10&quot; showbutton1=&quot;false&quot; "
                                    L"showbutton2=&quot;false&quot;\">" +
                                    rows + L"</VerticalLayout><Control name=\"away\"/>"));
  ASSERT_TRUE(h.Created());
  RECT list = {0, 0, 0, 0};
  RECT thumb = {0, 0, 0, 0};
  int range = 0;
  h.OnGui([&] {
    auto* container = static_cast<SkinUI::CContainerUI*>(h.Find(L"list"));
    list = container->GetPos();
    thumb = container->GetVerticalScrollBar()->GetThumbRect();
    range = container->GetScrollRange().cy;
  });
  ASSERT_EQ(range, 22);
  const POINT grab = {(thumb.left + thumb.right) / 2 - list.left, (thumb.top + thumb.bottom) / 2 - list.top};
  h.Press(L"list", grab);
  for (int mouse = 1; mouse <= 21; ++mouse) {
    h.MoveTo(L"list", POINT{grab.x, grab.y + mouse});
    h.Advance(CScrollBarUI::REPEAT_TIMER_ELAPSE);
    int offset = -1;
    h.OnGui([&] { offset = static_cast<SkinUI::CContainerUI*>(h.Find(L"list"))->GetScrollPos().cy; });
    EXPECT_EQ(offset, mouse * 22 / 21) << mouse << " pixels down";
  }
  h.Release();
}

}  // namespace
