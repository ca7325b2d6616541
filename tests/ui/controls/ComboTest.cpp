// The combo box and its drop-down: where the drop-down opens and how high, on which
// monitor, that it lends the rows and gets them back; the selection under keys, the
// wheel, clicks, Enter and Escape, closed and open; and the face showing the
// selected row.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CComboWnd.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/IListItemUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"

namespace {

using controltest::ControlHarness;
using controltest::OpenWindow;
using controltest::TestSkin;
using platform::backend::MonitorDesc;
using platform::headless::TestDriver;
using SkinUI::CComboUI;
using Lines = std::vector<std::string>;

const RECT kComboPos = {10, 20, 210, 50};

std::wstring ComboSkin(const RECT& pos = kComboPos, const std::wstring& attributes = L"") {
  return TestSkin(L"<Combo name=\"combo\" float=\"true\" pos=\"" + std::to_wstring(pos.left) + L"," +
                  std::to_wstring(pos.top) + L"," + std::to_wstring(pos.right) + L"," + std::to_wstring(pos.bottom) +
                  L"\" " + attributes + L"/>");
}

// As the program's dialogs fill their combos: label rows given a text, added with Add.
void Fill(ControlHarness& h, int rows, int heightBefore = 0) {
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    pCombo->RemoveAll();
    for (int i = 0; i < rows; ++i) {
      auto* pRow = new SkinUI::CListLabelElementUI;
      pRow->SetName((L"row" + std::to_wstring(i)).c_str());
      pRow->SetAttribute(L"text", (L"Row " + std::to_wstring(i)).c_str());
      if (heightBefore != 0) pRow->SetFixedHeight(heightBefore);
      pCombo->Add(pRow);
    }
  });
}

std::vector<OpenWindow> DropDowns(ControlHarness& h) { return h.OpenWindows(L"ComboWnd"); }

int CurSel(ControlHarness& h) {
  int sel = -2;
  h.OnGui([&] { sel = h.Find<CComboUI>(L"combo")->GetCurSel(); });
  return sel;
}

std::vector<MonitorDesc> OneMonitor(RECT work) {
  return {MonitorDesc{RECT{0, 0, 1920, 1080}, work, true, L"primary"}};
}

// A second monitor, taller than the first, to the right of it.
std::vector<MonitorDesc> TallSecondMonitor() {
  return {MonitorDesc{RECT{0, 0, 1920, 1080}, RECT{0, 0, 1920, 1040}, true, L"primary"},
          MonitorDesc{RECT{1920, 0, 3840, 1440}, RECT{1920, 0, 3840, 1400}, false, L"second"}};
}

// --- Where the drop-down opens ---

struct PlacementCase {
  const char* what;
  int rows;
  POINT origin;  // the window's, on the screen; the combo sits at kComboPos in it
  std::vector<MonitorDesc> monitors;
  std::wstring attributes;
  RECT expected;  // the drop-down on the screen
  bool scrollBar;
};

void PrintTo(const PlacementCase& c, std::ostream* os) { *os << c.what; }

class DropDownPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(DropDownPlacement, LendsTheRowsToAToolWindowOfTheCombosWindowAndGetsThemBack) {
  const PlacementCase& c = GetParam();
  TestDriver driver;
  ControlHarness h(driver, ComboSkin(kComboPos, c.attributes), c.origin);
  ASSERT_TRUE(h.Created());
  h.SetMonitors(c.monitors);
  Fill(h, c.rows, 25);
  h.Click(L"combo");

  const std::vector<OpenWindow> opened = DropDowns(h);
  ASSERT_EQ(opened.size(), 1u);
  const OpenWindow& w = opened.front();
  EXPECT_EQ(w.rect.left, c.expected.left);
  EXPECT_EQ(w.rect.top, c.expected.top);
  EXPECT_EQ(w.rect.right, c.expected.right);
  EXPECT_EQ(w.rect.bottom, c.expected.bottom);
  EXPECT_TRUE(w.visible);
  EXPECT_TRUE(w.style & WS_POPUP);
  EXPECT_TRUE(w.exStyle & WS_EX_TOOLWINDOW);
  EXPECT_FALSE(w.exStyle & WS_EX_TOPMOST);
  EXPECT_EQ(w.owner, h.Window());
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    ASSERT_NE(pCombo->GetDropDown(), nullptr);
    SkinUI::CWindowManagerUI* pDropManager = &pCombo->GetDropDown()->Manager();
    for (int i = 0; i < pCombo->GetCount(); ++i) {
      EXPECT_EQ(pCombo->GetItemAt(i)->GetManager(), pDropManager) << "row " << i;
      EXPECT_EQ(pCombo->GetItemAt(i)->GetFixedHeight(), CComboUI::kRowHeight) << "row " << i;
    }
    SkinUI::CScrollBarUI* pBar = pCombo->GetDropDown()->GetLayout()->GetVerticalScrollBar();
    ASSERT_NE(pBar, nullptr);
    EXPECT_EQ(pBar->IsVisible(), c.scrollBar);
  });

  h.Key(VK_ESCAPE);
  EXPECT_TRUE(DropDowns(h).empty());
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    EXPECT_FALSE(pCombo->IsDropped());
    for (int i = 0; i < pCombo->GetCount(); ++i) {
      EXPECT_EQ(pCombo->GetItemAt(i)->GetManager(), &h.Manager()) << "row " << i;
      EXPECT_EQ(pCombo->GetItemAt(i)->GetParent(), pCombo) << "row " << i;
    }
  });
}

// The window's client area starts at its origin; the combo's screen rectangle is
// (origin + 10, origin + 20) to (origin + 210, origin + 50).
INSTANTIATE_TEST_SUITE_P(
    Table, DropDownPlacement,
    ::testing::Values(
        PlacementCase{"no rows: the border alone", 0, {100, 100}, TestDriver::TwoMonitors(), L"",
                      {110, 150, 310, 152}, false},
        PlacementCase{"three rows of 40 whatever height they had", 3, {100, 100}, TestDriver::TwoMonitors(), L"",
                      {110, 150, 310, 272}, false},
        PlacementCase{"twenty rows: capped, with a scroll bar", 20, {100, 100}, TestDriver::TwoMonitors(), L"",
                      {110, 150, 310, 410}, true},
        PlacementCase{"a drop-box width of its own", 3, {100, 100}, TestDriver::TwoMonitors(),
                      L"dropboxsize=\"320,10\"", {110, 150, 430, 272}, false},
        PlacementCase{"at the bottom of the work area: upwards, as high as downwards", 5, {100, 900},
                      TestDriver::TwoMonitors(), L"", {110, 718, 310, 920}, false},
        PlacementCase{"upwards and capped", 20, {100, 900}, TestDriver::TwoMonitors(), L"",
                      {110, 660, 310, 920}, true},
        PlacementCase{"upwards within the room above the combo", 5, {100, 900},
                      OneMonitor(RECT{0, 820, 1920, 1040}), L"", {110, 820, 310, 920}, true},
        PlacementCase{"on a taller second monitor: downwards, by that monitor's work area", 5, {2000, 1080},
                      TallSecondMonitor(), L"", {2010, 1130, 2210, 1332}, false},
        PlacementCase{"at the bottom of the second monitor's work area: upwards", 5, {2000, 1300},
                      TallSecondMonitor(), L"", {2010, 1118, 2210, 1320}, false}),
    [](const ::testing::TestParamInfo<PlacementCase>& info) { return "Case" + std::to_string(info.index); });

// --- Selection and input ---

enum class Step {
  Down, Up, Home, End, PageDown, PageUp, Enter, Escape, F4, Wheel, Open, ClickRow3, ClickScrollBar, ClickWindow
};

struct InputCase {
  const char* what;
  int rows;
  int selected;  // before, with the combo focused
  std::vector<Step> steps;
  int expected;
  Lines sent;
  bool open;
};

void PrintTo(const InputCase& c, std::ostream* os) { *os << c.what; }

class ComboInput : public ::testing::TestWithParam<InputCase> {};

void Perform(ControlHarness& h, Step step) {
  switch (step) {
    case Step::Down: h.Key(VK_DOWN); break;
    case Step::Up: h.Key(VK_UP); break;
    case Step::Home: h.Key(VK_HOME); break;
    case Step::End: h.Key(VK_END); break;
    case Step::PageDown: h.Key(VK_NEXT); break;
    case Step::PageUp: h.Key(VK_PRIOR); break;
    case Step::Enter: h.Key(VK_RETURN); break;
    case Step::Escape: h.Key(VK_ESCAPE); break;
    case Step::F4: h.Key(VK_F4); break;
    case Step::Wheel:
      h.MoveTo(L"combo", h.CentreOffset(L"combo"));
      h.Driver().Wheel(-120);
      h.Driver().Wheel(120);
      break;
    case Step::Open: h.Click(L"combo"); break;
    case Step::ClickRow3: {
      // The drop-down starts under the combo with its one-pixel border.
      const std::vector<OpenWindow> opened = DropDowns(h);
      ASSERT_EQ(opened.size(), 1u);
      h.Driver().Click(opened[0].rect.left + 30, opened[0].rect.top + 1 + 3 * CComboUI::kRowHeight + 20);
      break;
    }
    case Step::ClickScrollBar: {
      const std::vector<OpenWindow> opened = DropDowns(h);
      ASSERT_EQ(opened.size(), 1u);
      h.Driver().Click(opened[0].rect.right - 1 - SkinUI::CComboWnd::kScrollBarWidth / 2, opened[0].rect.bottom - 20);
      break;
    }
    case Step::ClickWindow: {
      const POINT pt = h.ScreenPoint(L"combo", POINT{300, 200});  // beside the drop-down
      h.Driver().Click(pt.x, pt.y);
      break;
    }
  }
}

TEST_P(ComboInput, MovesTheSelectionAsTheKeysAndClicksAsk) {
  const InputCase& c = GetParam();
  TestDriver driver;
  ControlHarness h(driver, ComboSkin());
  ASSERT_TRUE(h.Created());
  Fill(h, c.rows);
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    pCombo->SelectItem(c.selected);
    pCombo->SetFocus();
  });
  h.Notifications().Clear();
  for (Step step : c.steps) Perform(h, step);
  EXPECT_EQ(CurSel(h), c.expected);
  EXPECT_EQ(h.Notifications().Lines(true), c.sent);
  EXPECT_EQ(DropDowns(h).size(), c.open ? 1u : 0u);
  h.OnGui([&] { EXPECT_EQ(h.Find<CComboUI>(L"combo")->IsDropped(), c.open); });
}

INSTANTIATE_TEST_SUITE_P(
    Closed, ComboInput,
    ::testing::Values(
        InputCase{"Down", 5, 0, {Step::Down}, 1, {"itemselect:combo(1,0)"}, false},
        InputCase{"Up", 5, 2, {Step::Up}, 1, {"itemselect:combo(1,2)"}, false},
        InputCase{"Home", 5, 3, {Step::Home}, 0, {"itemselect:combo(0,3)"}, false},
        InputCase{"End", 5, 1, {Step::End}, 4, {"itemselect:combo(4,1)"}, false},
        InputCase{"Page Down moves one row", 5, 1, {Step::PageDown}, 2, {"itemselect:combo(2,1)"}, false},
        InputCase{"Page Up moves one row", 5, 3, {Step::PageUp}, 2, {"itemselect:combo(2,3)"}, false},
        InputCase{"Down on the last row keeps it", 5, 4, {Step::Down}, 4, {}, false},
        InputCase{"the wheel changes nothing", 5, 2, {Step::Wheel}, 2, {}, false},
        InputCase{"F4 opens it", 5, 2, {Step::F4}, 2, {"dropdown:combo(0,0)"}, true}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return "Case" + std::to_string(info.index); });

INSTANTIATE_TEST_SUITE_P(
    Open, ComboInput,
    ::testing::Values(
        InputCase{"a click opens it", 5, 0, {Step::Open}, 0, {"dropdown:combo(0,0)"}, true},
        InputCase{"Down moves and keeps it open", 5, 0, {Step::Open, Step::Down}, 1,
                  {"dropdown:combo(0,0)", "itemselect:combo(1,0)"}, true},
        InputCase{"Up, End and Home", 5, 2, {Step::Open, Step::Up, Step::End, Step::Home}, 0,
                  {"dropdown:combo(0,0)", "itemselect:combo(1,2)", "itemselect:combo(4,1)", "itemselect:combo(0,4)"},
                  true},
        InputCase{"Page Down and Page Up move one row", 5, 2, {Step::Open, Step::PageDown, Step::PageUp, Step::PageUp}, 1,
                  {"dropdown:combo(0,0)", "itemselect:combo(3,2)", "itemselect:combo(2,3)", "itemselect:combo(1,2)"},
                  true},
        InputCase{"Enter closes it with the row selected", 5, 0, {Step::Open, Step::Down, Step::Enter}, 1,
                  {"dropdown:combo(0,0)", "itemselect:combo(1,0)"}, false},
        InputCase{"a click on a row closes it with the row selected", 5, 0, {Step::Open, Step::ClickRow3}, 3,
                  {"dropdown:combo(0,0)", "itemselect:combo(3,0)"}, false},
        InputCase{"Escape after moving restores the opening selection", 5, 0,
                  {Step::Open, Step::Down, Step::Down, Step::Escape}, 0,
                  {"dropdown:combo(0,0)", "itemselect:combo(1,0)", "itemselect:combo(2,1)", "itemselect:combo(0,2)"},
                  false},
        InputCase{"a click on the scroll bar keeps it open", 20, 0, {Step::Open, Step::ClickScrollBar}, 0,
                  {"dropdown:combo(0,0)"}, true},
        InputCase{"the wheel changes nothing", 20, 5, {Step::Open, Step::Wheel}, 5, {"dropdown:combo(0,0)"}, true},
        InputCase{"F4 opens no second drop-down", 5, 0, {Step::Open, Step::F4}, 0, {"dropdown:combo(0,0)"}, true},
        InputCase{"a click on the window closes it", 5, 1, {Step::Open, Step::ClickWindow}, 1,
                  {"dropdown:combo(0,0)"}, false}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return "Case" + std::to_string(info.index); });

// --- A long list: the drop-down scrolled far from its first rows ---

enum class LongStep { Open, End, Up, Home, Enter, Escape, ClickRow3, DragThumbToEnd, ClickLastRow, ClickRowAboveLast };

struct LongCase {
  const char* what;
  int selected;  // as the dialog selected it before the user comes
  std::vector<LongStep> steps;
  int expected;
  Lines sent;
};

void PrintTo(const LongCase& c, std::ostream* os) { *os << c.what; }

class LongDropDown : public ::testing::TestWithParam<LongCase> {};

constexpr int kLongRows = 2000;

void Perform(ControlHarness& h, LongStep step) {
  switch (step) {
    case LongStep::Open: return Perform(h, Step::Open);
    case LongStep::End: return Perform(h, Step::End);
    case LongStep::Up: return Perform(h, Step::Up);
    case LongStep::Home: return Perform(h, Step::Home);
    case LongStep::Enter: return Perform(h, Step::Enter);
    case LongStep::Escape: return Perform(h, Step::Escape);
    case LongStep::ClickRow3: return Perform(h, Step::ClickRow3);
    default: break;
  }
  const std::vector<OpenWindow> opened = DropDowns(h);
  ASSERT_EQ(opened.size(), 1u);
  const RECT& rc = opened[0].rect;
  // Scrolled to its end, the list's last row fills the bottom of the drop-down, inside
  // its one-pixel border, whatever the scroll range came to.
  const int cyRow = CComboUI::kRowHeight;
  switch (step) {
    case LongStep::ClickLastRow: return h.Driver().Click(rc.left + 30, rc.bottom - 1 - cyRow / 2);
    case LongStep::ClickRowAboveLast: return h.Driver().Click(rc.left + 30, rc.bottom - 1 - cyRow - cyRow / 2);
    case LongStep::DragThumbToEnd: {
      // The thumb starts at the top of the bar; a drag to the bottom takes it to the end.
      const int x = rc.right - 1 - SkinUI::CComboWnd::kScrollBarWidth / 2;
      h.Driver().MoveMouse(x, rc.top + 4);
      h.Driver().Press();
      for (int y = rc.top + 4 + 50; y < rc.bottom; y += 50) {
        h.Driver().MoveMouse(x, y);
        h.Advance(SkinUI::CScrollBarUI::REPEAT_TIMER_ELAPSE);
      }
      h.Driver().MoveMouse(x, rc.bottom - 2);
      h.Advance(SkinUI::CScrollBarUI::REPEAT_TIMER_ELAPSE);
      h.Driver().Release();
      return;
    }
    default: return;
  }
}

TEST_P(LongDropDown, SelectsTheRowUnderTheMouseAndTheKeysWhereverItIsScrolled) {
  const LongCase& c = GetParam();
  TestDriver driver;
  ControlHarness h(driver, ComboSkin());
  ASSERT_TRUE(h.Created());
  Fill(h, kLongRows);
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    pCombo->SelectItem(c.selected);
    pCombo->SetFocus();
  });
  h.Notifications().Clear();
  for (LongStep step : c.steps) Perform(h, step);
  EXPECT_EQ(CurSel(h), c.expected);
  EXPECT_EQ(h.Notifications().Lines(true), c.sent);
  EXPECT_TRUE(DropDowns(h).empty()) << "every case ends by closing the drop-down";
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    for (int i : {0, c.expected, kLongRows - 1}) {
      EXPECT_EQ(pCombo->GetItemAt(i)->GetManager(), h.Find(L"combo")->GetManager()) << "row " << i << " given back";
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    Rows2000, LongDropDown,
    ::testing::Values(
        LongCase{"End, then a click on the row above the last", 0,
                 {LongStep::Open, LongStep::End, LongStep::ClickRowAboveLast}, kLongRows - 2,
                 {"dropdown:combo(0,0)", "itemselect:combo(1999,0)", "itemselect:combo(1998,1999)"}},
        LongCase{"End, then Up twice and Enter", 0,
                 {LongStep::Open, LongStep::End, LongStep::Up, LongStep::Up, LongStep::Enter}, kLongRows - 3,
                 {"dropdown:combo(0,0)", "itemselect:combo(1999,0)", "itemselect:combo(1998,1999)",
                  "itemselect:combo(1997,1998)"}},
        LongCase{"End, then Home and a click on the fourth row", 0,
                 {LongStep::Open, LongStep::End, LongStep::Home, LongStep::ClickRow3}, 3,
                 {"dropdown:combo(0,0)", "itemselect:combo(1999,0)", "itemselect:combo(0,1999)",
                  "itemselect:combo(3,0)"}},
        LongCase{"the thumb dragged to the end, then a click on the last row", 0,
                 {LongStep::Open, LongStep::DragThumbToEnd, LongStep::ClickLastRow}, kLongRows - 1,
                 {"dropdown:combo(0,0)", "itemselect:combo(1999,0)"}},
        LongCase{"opened on a row in the middle, which it shows last", 1000,
                 {LongStep::Open, LongStep::ClickRowAboveLast}, 999,
                 {"dropdown:combo(0,0)", "itemselect:combo(999,1000)"}},
        LongCase{"Escape at the end restores the opening selection", 5,
                 {LongStep::Open, LongStep::End, LongStep::Escape}, 5,
                 {"dropdown:combo(0,0)", "itemselect:combo(1999,5)", "itemselect:combo(5,1999)"}}),
    [](const ::testing::TestParamInfo<LongCase>& info) { return "Case" + std::to_string(info.index); });

TEST(ComboSelection, AnIndexPastTheEndSelectsTheLastRowAndRefusalsSendNothing) {
  TestDriver driver;
  ControlHarness h(driver, ComboSkin());
  ASSERT_TRUE(h.Created());
  Fill(h, 5);
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    EXPECT_TRUE(pCombo->SelectItem(99));
    EXPECT_EQ(pCombo->GetCurSel(), 4);
    EXPECT_EQ(pCombo->GetText(), L"Row 4");
    pCombo->GetItemAt(2)->SetEnabled(false);
    EXPECT_FALSE(pCombo->SelectItem(2));
    EXPECT_EQ(pCombo->GetCurSel(), -1);
    EXPECT_EQ(pCombo->GetText(), L"");
  });
  EXPECT_EQ(h.Notifications().Lines(true), (Lines{"itemselect:combo(4,-1)"}));
}

TEST(ComboSelection, FollowsItsRowThroughInsertionsMovesAndRemovals) {
  TestDriver driver;
  ControlHarness h(driver, ComboSkin());
  ASSERT_TRUE(h.Created());
  Fill(h, 5);
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    pCombo->SelectItem(2);
    auto* pRow = new SkinUI::CListLabelElementUI;
    pRow->SetName(L"new");
    ASSERT_TRUE(pCombo->AddAt(pRow, 1));
    EXPECT_EQ(pCombo->GetCurSel(), 3);
    EXPECT_EQ(pCombo->GetItemAt(pCombo->GetCurSel())->GetName(), L"row2");
    ASSERT_TRUE(pCombo->SetItemIndex(pCombo->GetItemAt(3), 0));
    EXPECT_EQ(pCombo->GetCurSel(), 0);
    for (int i = 0; i < pCombo->GetCount(); ++i) {
      auto* pItem = static_cast<SkinUI::IListItemUI*>(pCombo->GetItemAt(i)->GetInterface(L"ListItem"));
      EXPECT_EQ(pItem->GetIndex(), i);
    }
    // The selected row removed: the nearest selectable row at or before it.
    ASSERT_TRUE(pCombo->RemoveAt(0));
    EXPECT_EQ(pCombo->GetCurSel(), 0);
    EXPECT_EQ(pCombo->GetItemAt(0)->GetName(), L"row0");
    pCombo->RemoveAll();
    EXPECT_EQ(pCombo->GetCurSel(), -1);
  });
}

TEST(ComboFace, ShowsTheSelectedRowInTheSelectedTextColour) {
  TestDriver driver;
  ControlHarness h(driver, ComboSkin(kComboPos, L"bkcolor=\"#FF000000\""));
  ASSERT_TRUE(h.Created());
  Fill(h, 3);
  // Opaque colours, so that the face shows exactly them.
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    pCombo->SetItemTextColor(0xFF00FF00);
    pCombo->SetSelectedItemTextColor(0xFFFF0000);
  });
  EXPECT_EQ(h.Pixels(L"combo").InkBox(0xFF000000).right, 0) << "nothing without a selection";
  h.OnGui([&] { h.Find<CComboUI>(L"combo")->SelectItem(1); });
  const controltest::ControlPixels face = h.Pixels(L"combo");
  EXPECT_GT(face.Count(0xFFFF0000), 10);
  EXPECT_EQ(face.Count(0xFF00FF00), 0);
}

// The drop-down reads its scroll bar's pictures from the skin folder under the working
// folder, as the program finds them beside itself.
TEST(ComboDropDownLook, TheScrollBarShowsTheSkinsGrooveAndThumbOnTheDarkBackground) {
  wchar_t previous[4096] = {};
  ::GetCurrentDirectoryW(4096, previous);
  ASSERT_TRUE(::SetCurrentDirectoryW(POPUP_SOURCE_ROOT));
  TestDriver driver;
  {
    ControlHarness h(driver, ComboSkin());
    ASSERT_TRUE(h.Created());
    Fill(h, 20);
    h.Click(L"combo");
    const std::vector<OpenWindow> opened = DropDowns(h);
    ASSERT_EQ(opened.size(), 1u);
    const int width = opened[0].rect.right - opened[0].rect.left;
    const int height = opened[0].rect.bottom - opened[0].rect.top;
    driver.WaitIdle();
    const controltest::ControlPixels pixels(opened[0].hwnd, RECT{0, 0, width, height});
    const int bar = width - 1 - SkinUI::CComboWnd::kScrollBarWidth;  // inside the border
    EXPECT_EQ(pixels.At(bar + 4, 3), 0xFFA9B2B8u) << "the thumb, at the top";
    EXPECT_EQ(pixels.At(bar + 4, height - 4), 0xFF1E3F7Au) << "the groove (the list grid colour), at the bottom";
    EXPECT_EQ(pixels.At(bar, height - 4), 0xFF233D3Du) << "the background beside the groove";
  }
  ::SetCurrentDirectoryW(previous);
}

TEST(ComboLifetime, AComboDestroyedWhileOpenTakesItsDropDownAlongAndGetsItsRowsBack) {
  TestDriver driver;
  ControlHarness h(driver, ComboSkin());
  ASSERT_TRUE(h.Created());
  Fill(h, 5);
  h.Click(L"combo");
  ASSERT_EQ(DropDowns(h).size(), 1u);
  h.OnGui([&] {
    CComboUI* pCombo = h.Find<CComboUI>(L"combo");
    auto* pParent = static_cast<SkinUI::CContainerUI*>(pCombo->GetParent());
    ASSERT_TRUE(pParent->Remove(pCombo));
  });
  driver.WaitIdle();
  EXPECT_TRUE(DropDowns(h).empty());
}

TEST(ComboLifetime, TheWindowClosingWhileOpenDestroysTheDropDownFirst) {
  TestDriver driver;
  ControlHarness h(driver, ComboSkin());
  ASSERT_TRUE(h.Created());
  Fill(h, 5);
  h.Click(L"combo");
  ASSERT_EQ(DropDowns(h).size(), 1u);
  h.OnGui([&] { ::DestroyWindow(h.Window()); });
  EXPECT_TRUE(DropDowns(h).empty());
}

}  // namespace
