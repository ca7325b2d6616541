// What a user sees of the program's skins where the check over them cannot tell: pixels
// read back from the headless window's picture, with the real skins and the rows the
// pages make.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/frame/home/TodayPlanTree.h"
#include "app/shell/ListRows.h"
#include "testing/driver/TestDriver.h"
#include "testing/ui/ControlHarness.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CComboWnd.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CListUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/controls/CTreeViewUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using controltest::ControlHarness;
using controltest::ControlPixels;

// The device page's lists start with a hidden column of one pixel that holds each
// row's record id: the id is kept there, never drawn over the next column.
TEST(DevicePageLook, TheHiddenIdColumnDrawsNothingBesideIt) {
  platform::headless::TestDriver driver;
  ControlHarness page(driver, L"DeviceManageWndEx.xml", POINT{0, 0});
  ASSERT_TRUE(page.Created());
  page.OnGui([&] {
    auto* list = page.Find<SkinUI::CListUI>(L"DeviceListManager");
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(ListInsertRow(list, 0, 60), 0);
    ListSetIdCell(list, 0, L"1429", L"csDeviceID");
    ListSetTextCell(list, 0, 1, L"1", L"csIndex", L"#FFA9B2B8");
  });
  driver.WaitIdle();
  const ControlPixels index = page.Pixels(L"csIndex");
  ASSERT_GT(index.Width(), 40);
  const uint32_t background = index.At(index.Width() - 2, 2);
  const RECT ink = index.InkBox(background);
  // Only the row number, centred in its cell.
  EXPECT_GT(ink.left, index.Width() / 2 - 12) << "something is drawn at the left of the number's cell, from x "
                                              << ink.left;
}

// The device page's list headers reach across the page, as its rows do.
TEST(DevicePageLook, ListHeadersStretchToThePageWidth) {
  platform::headless::TestDriver driver;
  ControlHarness page(driver, L"DeviceManageWndEx.xml", POINT{0, 0});
  ASSERT_TRUE(page.Created());
  RECT header{}, body{};
  page.OnGui([&] {
    auto* list = page.Find<SkinUI::CListUI>(L"DeviceListManager");
    ASSERT_NE(list, nullptr);
    body = list->GetPos();
    SkinUI::CControlUI* last = list->GetHeader()->GetItemAt(list->GetHeader()->GetCount() - 1);
    header = last->GetPos();
  });
  EXPECT_GE(header.right, body.right - 8) << "the last header column ends at " << header.right << ", the list at "
                                          << body.right;
}

// At a big school a type tile shows "done/total" in four digits each; the figure
// keeps whole in its tile.
TEST(HomePageLook, TypeTilesHoldFourDigitCounts) {
  platform::headless::TestDriver driver;
  ControlHarness page(driver, L"HomePageWndEx.xml", POINT{0, 0});
  ASSERT_TRUE(page.Created());
  const LPCTSTR tiles[] = {L"label_SafeNum",   L"label_DevicePlanNum", L"label_fireNum",    L"label_CanteenNum",
                           L"label_DormitoryNum", L"label_healthNum",   L"label_TestNum"};
  for (LPCTSTR tile : tiles) {
    int width = 0, room = 0;
    page.OnGui([&] {
      auto* label = page.Find<SkinUI::CLabelUI>(tile);
      ASSERT_NE(label, nullptr) << "no tile " << tile;
      label->SetText(L"1429/1429");
      RECT rc = {0, 0, 10000, 100};
      SkinUI::CSkinRenderer::DrawPlainText(page.Manager().GetPaintDC(), &page.Manager(), rc, label->GetText().GetData(),
                                           0, label->GetFont(), DT_CALCRECT | DT_SINGLELINE);
      width = rc.right - rc.left;
      const RECT pos = label->GetPos();
      room = pos.right - pos.left - label->GetTextPadding().left - label->GetTextPadding().right;
    });
    EXPECT_LE(width, room) << "\"1429/1429\" is " << width << " px, the tile's label has " << room;
  }
}

// A big school's today-plan tree: a thousand plans of three slots each, one of every
// phase. Its scroll bar's thumb is drawn as the skin's picture (no shorter than it), and
// each row shows whole beside the bar.
TEST(HomePageLook, ABigTodayPlanTreeScrollsWithTheSkinsThumbAndRowsFit) {
  platform::headless::TestDriver driver;
  ControlHarness page(driver, L"HomePageWndEx.xml", POINT{0, 0});
  ASSERT_TRUE(page.Created());
  std::vector<TodayPlan> plans(1000);
  for (size_t i = 0; i < plans.size(); ++i) {
    plans[i].plan.iID = static_cast<int>(i + 1);
    plans[i].plan.iType = static_cast<int>(i % 7);
    plans[i].plan.strName = "巡更计划" + std::to_string(i + 1);
    const SlotPhase phases[] = {SlotPhase::Finished, SlotPhase::UnderWay, SlotPhase::NotStarted};
    for (SlotPhase phase : phases) {
      TodaySlot slot;
      slot.span.strStart = "08:00";
      slot.span.strEnd = "16:00";
      slot.phase = phase;
      slot.missed = slot.anomaly = true;
      plans[i].slots.push_back(slot);
    }
  }
  RECT bar{}, thumb{}, firstSlot{};
  page.OnGui([&] {
    auto* tree = page.Find<SkinUI::CTreeViewUI>(L"TodayPlantreelist");
    ASSERT_NE(tree, nullptr);
    TodayPlanTree::Fill(*tree, plans);
  });
  driver.WaitIdle();
  page.OnGui([&] {
    auto* tree = page.Find<SkinUI::CTreeViewUI>(L"TodayPlantreelist");
    SkinUI::CScrollBarUI* scroll = tree->GetVerticalScrollBar();
    ASSERT_NE(scroll, nullptr);
    ASSERT_TRUE(scroll->IsVisible());
    bar = scroll->GetPos();
    thumb = scroll->GetThumbRect();
    firstSlot = tree->GetItemAt(1)->GetPos();
  });
  // The thumb's picture is 24 pixels long with rounded ends of 3.
  EXPECT_GE(thumb.bottom - thumb.top, 24) << "the thumb is " << thumb.bottom - thumb.top << " pixels long";

  RECT visible = firstSlot;
  visible.right = std::min(visible.right, bar.left);
  const controltest::ControlPixels row(page.Window(), visible);
  ASSERT_GT(row.Width(), 40);
  const RECT ink = row.InkBox(row.At(row.Width() - 1, 2));
  EXPECT_LT(ink.right, row.Width() - 1) << "the slot row's last picture runs into its right edge at x " << ink.right
                                        << " of " << row.Width();
}

// Typing goes into a native edit laid over the control: it keeps the skin's dark face
// instead of turning white.
TEST(DialogLook, AnEditKeepsItsFaceWhileTypedInto) {
  platform::headless::TestDriver driver;
  ControlHarness dialog(driver, L"AddPlanWnd.xml", POINT{0, 0});
  ASSERT_TRUE(dialog.Created());
  dialog.Click(L"Edit_PlanName");
  driver.WaitIdle();
  const ControlPixels edit = dialog.Pixels(L"Edit_PlanName");
  ASSERT_GT(edit.Width(), 20);
  EXPECT_EQ(edit.At(edit.Width() - 10, edit.Height() / 2), 0xFF002964u) << "the edit's face while typed into";
  EXPECT_EQ(edit.Count(0xFFFFFFFFu), 0) << "white pixels in the edit being typed into";
}

// A date is typed into the system picker laid over a date field: it keeps the field's
// dark face and white text instead of turning the field white.
TEST(DialogLook, ADateFieldKeepsItsFaceWhileADateIsTyped) {
  platform::headless::TestDriver driver;
  ControlHarness dialog(driver, L"AddPlanWnd.xml", POINT{0, 0});
  ASSERT_TRUE(dialog.Created());
  dialog.Click(L"dt_Startdate");
  dialog.Key('2');
  driver.WaitIdle();
  const ControlPixels field = dialog.Pixels(L"dt_Startdate");
  ASSERT_GT(field.Width(), 60);
  const COLORREF highlight = ::GetSysColor(COLOR_HIGHLIGHT);
  const uint32_t selected = 0xFF000000u | GetRValue(highlight) << 16 | GetGValue(highlight) << 8 | GetBValue(highlight);
  ASSERT_GT(field.Count(selected), 0) << "no picker open over the field with its year being typed";
  // Between the date and the drop button.
  EXPECT_EQ(field.At(field.Width() - 22, field.Height() / 2), 0xFF002964u) << "the face while a date is typed";
  const int area = field.Width() * field.Height();
  EXPECT_LT(field.Count(0xFFFFFFFFu), area / 5) << "white pixels: only the date and the frame may be white";
  EXPECT_EQ(field.Count(0xFFF0F0F0u), 0) << "the system's grey button face";
}

// The plan dialog's type drop-down ends under a row shown whole: every row lies wholly
// inside it or wholly outside, and the rows are low enough for every type to show.
TEST(DialogLook, TheTypeDropDownShowsOnlyWholeRows) {
  platform::headless::TestDriver driver;
  ControlHarness dialog(driver, L"AddPlanWnd.xml", POINT{0, 0});
  ASSERT_TRUE(dialog.Created());
  dialog.Click(L"Comb_PlanType");
  ASSERT_EQ(dialog.OpenWindows(L"ComboWnd").size(), 1u) << "the drop-down did not open";
  dialog.OnGui([&] {
    auto* combo = dialog.Find<SkinUI::CComboUI>(L"Comb_PlanType");
    ASSERT_NE(combo, nullptr);
    ASSERT_NE(combo->GetDropDown(), nullptr);
    SkinUI::CVerticalLayoutUI* layout = combo->GetDropDown()->GetLayout();
    RECT inside = layout->GetPos();
    const RECT inset = layout->GetInset();
    inside.top += inset.top;
    inside.bottom -= inset.bottom;
    int shown = 0;
    for (int i = 0; i < layout->GetCount(); ++i) {
      const RECT row = layout->GetItemAt(i)->GetPos();
      if (row.bottom <= inside.top || row.top >= inside.bottom) continue;
      ++shown;
      EXPECT_TRUE(row.top >= inside.top && row.bottom <= inside.bottom)
          << "row " << i << " spans " << row.top << " to " << row.bottom << ", the drop-down shows " << inside.top
          << " to " << inside.bottom;
    }
    EXPECT_EQ(shown, layout->GetCount()) << "types hidden under the drop-down's edge";
  });
}

}  // namespace
