// The list's one selection under the container operations, keys and the wheel: it
// stays on its row through insertions, removals and moves; a removed selected row
// hands it to the nearest selectable row at or before it; keys and the wheel move it
// and scroll it into view; handlers that rebuild the list while it reports are safe.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "testing/ui/ListFixture.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CListHeaderItemUI.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CListUI.h"
#include "ui/controls/IListItemUI.h"
#include "ui/core/control/CScrollBarUI.h"

namespace {

using controltest::ControlHarness;
using controltest::ListFixture;
using controltest::TestSkin;
using SkinUI::CListUI;
using Lines = std::vector<std::string>;

SkinUI::CControlUI* NewRow(LPCTSTR name) {
  auto* pRow = new SkinUI::CListLabelElementUI;
  pRow->SetName(name);
  pRow->SetText(name);
  return pRow;
}

SkinUI::CControlUI* Row(CListUI& list, int index) { return list.GetItemAt(index); }

SkinUI::IListItemUI* Item(SkinUI::CControlUI* pRow) {
  return static_cast<SkinUI::IListItemUI*>(pRow->GetInterface(L"ListItem"));
}

// --- Selection and index repair ---

struct SelectionCase {
  const char* what;
  std::set<int> disabled;
  int selected;  // selected before the operation
  std::function<bool(CListUI&)> operation;
  bool result;
  int expected;             // the selection afterwards
  const char* selectedRow;  // the row it names, "" for none
  Lines sent;
};

void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.what; }

class ListSelection : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(ListSelection, FollowsItsRow) {
  const SelectionCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(ListFixture(5).Disabled(c.disabled).Markup()));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] { h.Find<CListUI>(L"list")->SelectItem(c.selected); });
  h.Notifications().Clear();

  bool result = !c.result;
  h.OnGui([&] { result = c.operation(*h.Find<CListUI>(L"list")); });
  driver.WaitIdle();
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(h.Notifications().Lines(true), c.sent);
  h.OnGui([&] {
    CListUI& list = *h.Find<CListUI>(L"list");
    EXPECT_EQ(list.GetCurSel(), c.expected);
    std::string selected;
    for (int i = 0; i < list.GetCount(); ++i) {
      EXPECT_EQ(Item(Row(list, i))->GetIndex(), i) << "every row knows where it is";
      if (!Item(Row(list, i))->IsSelected()) continue;
      EXPECT_EQ(i, c.expected) << "only the selected row is flagged";
      selected = controltest::Narrow(Row(list, i)->GetName());
    }
    EXPECT_EQ(selected, c.selectedRow);
  });
}

const SelectionCase kSelectionCases[] = {
    {"AddKeepsTheSelection", {}, 2, [](CListUI& l) { return l.Add(NewRow(L"new")); }, true, 2, "row2", {}},
    {"AddAtBeforeTheSelectionMovesItDown", {}, 2, [](CListUI& l) { return l.AddAt(NewRow(L"new"), 0); }, true, 3,
     "row2", {}},
    {"AddAtTheSelectedIndexMovesItDown", {}, 2, [](CListUI& l) { return l.AddAt(NewRow(L"new"), 2); }, true, 3,
     "row2", {}},
    {"AddAtAfterTheSelection", {}, 2, [](CListUI& l) { return l.AddAt(NewRow(L"new"), 4); }, true, 2, "row2", {}},
    {"AddAtBeyondTheEndIsRefused", {}, 2,
     [](CListUI& l) {
       SkinUI::CControlUI* pRow = NewRow(L"new");
       const bool added = l.AddAt(pRow, 9);
       if (!added) delete pRow;
       return added;
     },
     false, 2, "row2", {}},
    {"RemoveBeforeTheSelection", {}, 2, [](CListUI& l) { return l.Remove(Row(l, 0)); }, true, 1, "row2", {}},
    {"RemoveAtAfterTheSelection", {}, 2, [](CListUI& l) { return l.RemoveAt(4); }, true, 2, "row2", {}},
    {"RemovingTheSelectedRowSelectsTheOneThatTookItsPlace", {}, 2, [](CListUI& l) { return l.RemoveAt(2); }, true, 2,
     "row3", {"itemselect:list(2,-1)"}},
    {"OrTheNearestSelectableBeforeIt", {3}, 2, [](CListUI& l) { return l.Remove(Row(l, 2)); }, true, 1, "row1",
     {"itemselect:list(1,-1)"}},
    {"RemovingTheSelectedLastRow", {}, 4, [](CListUI& l) { return l.RemoveAt(4); }, true, 3, "row3",
     {"itemselect:list(3,-1)"}},
    {"RemovingARowNotInTheList", {}, 2,
     [](CListUI& l) {
       SkinUI::CControlUI* pRow = NewRow(L"stray");
       const bool removed = l.Remove(pRow);
       delete pRow;
       return removed;
     },
     false, 2, "row2", {}},
    {"RemoveAtWithoutARow", {}, 2, [](CListUI& l) { return l.RemoveAt(7); }, false, 2, "row2", {}},
    {"MovingTheSelectedRow", {}, 1, [](CListUI& l) { return l.SetItemIndex(Row(l, 1), 3); }, true, 3, "row1", {}},
    {"MovingARowAcrossTheSelection", {}, 2, [](CListUI& l) { return l.SetItemIndex(Row(l, 0), 4); }, true, 1, "row2",
     {}},
    {"MovingARowToWhereItIs", {}, 2, [](CListUI& l) { return l.SetItemIndex(Row(l, 3), 3); }, true, 2, "row2", {}},
    {"RemoveAllSendsNothing", {}, 2,
     [](CListUI& l) {
       l.RemoveAll();
       return true;
     },
     true, -1, "", {}},
    {"SelectingTheSelectedIndex", {}, 2, [](CListUI& l) { return l.SelectItem(2); }, true, 2, "row2", {}},
    {"SelectingMinusOneDeselects", {}, 2, [](CListUI& l) { return l.SelectItem(-1); }, false, -1, "", {}},
    {"SelectingADisabledRowDeselects", {3}, 2, [](CListUI& l) { return l.SelectItem(3); }, false, -1, "", {}},
    {"SelectingAnotherRow", {}, 2, [](CListUI& l) { return l.SelectItem(4); }, true, 4, "row4",
     {"itemselect:list(4,2)"}},
    {"HidingTheSelectedRow", {}, 2,
     [](CListUI& l) {
       Row(l, 2)->SetVisible(false);
       return true;
     },
     true, -1, "", {}},
    {"SelectedFalseOnTheSelectedRowDeselects", {}, 2,
     [](CListUI& l) {
       Row(l, 2)->SetAttribute(L"selected", L"false");
       return true;
     },
     true, -1, "", {}},
    {"SelectedTrueSelects", {}, 2,
     [](CListUI& l) {
       Row(l, 0)->SetAttribute(L"selected", L"true");
       return true;
     },
     true, 0, "row0", {"itemselect:list(0,2)"}},
    {"SelectedFalseOnAnotherRowChangesNothing", {}, 2,
     [](CListUI& l) {
       Row(l, 0)->SetAttribute(L"selected", L"false");
       return true;
     },
     true, 2, "row2", {}},
};

INSTANTIATE_TEST_SUITE_P(Operations, ListSelection, ::testing::ValuesIn(kSelectionCases),
                         [](const ::testing::TestParamInfo<SelectionCase>& info) { return info.param.what; });

TEST(ListSelection, SkinRowsSelectedOnlyByTrue) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<List name=\"list\">"
                                    L"<ListLabelElement name=\"a\" text=\"a\" selected=\"false\"/>"
                                    L"<ListLabelElement name=\"b\" text=\"b\" selected=\"true\"/>"
                                    L"<ListLabelElement name=\"c\" text=\"c\" selected=\"yes\"/>"
                                    L"</List>"));
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(ListFixture::CurSel(h), 1);
  h.OnGui([&] {
    CListUI& list = *h.Find<CListUI>(L"list");
    EXPECT_FALSE(Item(Row(list, 0))->IsSelected());
    EXPECT_TRUE(Item(Row(list, 1))->IsSelected());
    EXPECT_FALSE(Item(Row(list, 2))->IsSelected());
  });
}

// --- Headers among the container operations ---

TEST(ListHeaders, ASecondHeaderGoesFirstWithoutTakingOverAHeaderWithColumns) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(ListFixture(2)
                                        .Header(L"<ListHeader name=\"header\"><ListHeaderItem name=\"c0\" "
                                                L"width=\"100\"/></ListHeader>")
                                        .Markup()));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    CListUI& list = *h.Find<CListUI>(L"list");
    SkinUI::CListHeaderUI* pFirst = list.GetHeader();
    ASSERT_NE(pFirst, nullptr);
    EXPECT_EQ(pFirst->GetName(), L"header") << "the skin's header took over the empty one";
    auto* pSecond = new SkinUI::CListHeaderUI;
    EXPECT_TRUE(list.Add(pSecond));
    EXPECT_EQ(list.GetHeader(), pFirst);
    EXPECT_EQ(list.GetItemIndex(pSecond), 0) << "placed first among the list's own children";
    EXPECT_EQ(list.GetItemIndex(pFirst), 1);
    EXPECT_EQ(list.GetCount(), 2) << "headers are no rows";
    EXPECT_FALSE(list.Add(pFirst)) << "a header already in the list is not added twice";
    EXPECT_EQ(list.GetItemIndex(pFirst), 1);
  });
}

TEST(ListHeaders, ARemovedHeaderLeavesNoneAndTheNextOneTakesOver) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(ListFixture(2)
                                        .Header(L"<ListHeader name=\"header\"><ListHeaderItem name=\"c0\" "
                                                L"width=\"100\"/></ListHeader>")
                                        .Markup()));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    CListUI& list = *h.Find<CListUI>(L"list");
    EXPECT_TRUE(list.Remove(list.GetHeader()));
    EXPECT_EQ(list.GetHeader(), nullptr);
    EXPECT_EQ(list.GetListInfo()->nColumns, 0);
    auto* pColumn = new SkinUI::CListHeaderItemUI;
    EXPECT_FALSE(list.Add(pColumn)) << "no header to take a column";
    delete pColumn;
    auto* pHeader = new SkinUI::CListHeaderUI;
    EXPECT_TRUE(list.Add(pHeader));
    EXPECT_EQ(list.GetHeader(), pHeader);
    EXPECT_TRUE(list.Add(new SkinUI::CListHeaderItemUI));
    EXPECT_EQ(list.GetListInfo()->nColumns, 1);
  });
  driver.WaitIdle();
  EXPECT_EQ(ListFixture::ColumnRects(h).size(), 1u);
}

// --- Keys and the wheel ---

// Twelve rows of 20 pixels in a body 100 pixels high: five show at a time.
const int kRowHeight = 20;
const int kVisibleHeight = 100;

struct KeyCase {
  const char* what;
  std::set<int> disabled;
  bool scrollSelect;
  int start;
  bool rowFocused;  // the start row takes the focus instead of the list
  std::function<void(ControlHarness&)> input;
  int expected;
  int scroll;         // the body's vertical scroll position afterwards
  bool selectedShown; // the input shows the selected row whole
  Lines sent;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.what; }

class ListKeys : public ::testing::TestWithParam<KeyCase> {};

std::function<void(ControlHarness&)> Keys(std::vector<UINT> keys) {
  return [keys](ControlHarness& h) {
    for (UINT vk : keys) h.Key(vk);
  };
}

std::function<void(ControlHarness&)> Wheel(std::vector<int> deltas) {
  return [deltas](ControlHarness& h) {
    for (int delta : deltas) h.Wheel(L"list", delta);
  };
}

TEST_P(ListKeys, MoveTheSelectionAndShowIt) {
  const KeyCase& c = GetParam();
  platform::headless::TestDriver driver;
  const std::wstring list = ListFixture(12)
                                .Disabled(c.disabled)
                                .ListAttributes(std::wstring(L"height=\"100\" header=\"hidden\" vscrollbar=\"true\" "
                                                             L"scrollstepsize=\"20\" scrollselect=\"") +
                                                (c.scrollSelect ? L"true" : L"false") + L"\"")
                                .RowAttributes(L"height=\"20\"")
                                .Markup();
  ControlHarness h(driver, TestSkin(list));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    CListUI& l = *h.Find<CListUI>(L"list");
    l.SelectItem(c.start, c.rowFocused);
    if (!c.rowFocused) l.SetFocus();
  });
  driver.WaitIdle();
  h.Notifications().Clear();

  c.input(h);
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(true), c.sent);
  h.OnGui([&] {
    CListUI& l = *h.Find<CListUI>(L"list");
    EXPECT_EQ(l.GetCurSel(), c.expected);
    EXPECT_EQ(l.GetScrollPos().cy, c.scroll);
    const RECT rcBody = l.GetList()->GetPos();
    EXPECT_EQ(rcBody.bottom - rcBody.top, kVisibleHeight);
    if (!c.selectedShown) return;
    const RECT rcRow = Row(l, c.expected)->GetPos();
    EXPECT_GE(rcRow.top, rcBody.top) << "the selected row shows whole";
    EXPECT_LE(rcRow.bottom, rcBody.bottom) << "the selected row shows whole";
  });
}

const int kLastScroll = 12 * kRowHeight - kVisibleHeight;

const KeyCase kKeyCases[] = {
    {"DownMovesToTheNextRow", {}, false, 0, false, Keys({VK_DOWN}), 1, 0, true, {"itemselect:list(1,0)"}},
    {"DownOnTheLastRowKeepsIt", {}, false, 11, false, Keys({VK_DOWN}), 11, kLastScroll, true, {}},
    {"UpOnTheFirstRowKeepsIt", {}, false, 0, false, Keys({VK_UP}), 0, 0, true, {}},
    {"DownSkipsDisabledRows", {1, 2}, false, 0, false, Keys({VK_DOWN}), 3, 0, true, {"itemselect:list(3,0)"}},
    {"UpSkipsDisabledRows", {1, 2}, false, 3, false, Keys({VK_UP}), 0, 0, true, {"itemselect:list(0,3)"}},
    {"DownPastTheLastEnabledRowKeepsTheSelection", {10, 11}, false, 9, false, Keys({VK_DOWN}), 9,
     10 * kRowHeight - kVisibleHeight, true, {}},
    {"UpBeforeTheFirstEnabledRowKeepsTheSelection", {0, 1}, false, 2, false, Keys({VK_UP}), 2, 0, true, {}},
    {"HomeWithTheFirstRowsDisabledSelectsTheFirstEnabled", {0, 1}, false, 5, false, Keys({VK_HOME}), 2,
     6 * kRowHeight - kVisibleHeight, true, {"itemselect:list(2,5)"}},
    {"EndSelectsTheLastRowAndScrollsItIn", {}, false, 0, false, Keys({VK_END}), 11, kLastScroll, true,
     {"itemselect:list(11,0)"}},
    {"EndWithTheLastRowDisabledSelectsTheLastEnabled", {11}, false, 0, false, Keys({VK_END}), 10,
     11 * kRowHeight - kVisibleHeight, true, {"itemselect:list(10,0)"}},
    {"HomeAtTheEndScrollsBackToTheTop", {}, false, 11, false, Keys({VK_HOME}), 0, 0, true, {"itemselect:list(0,11)"}},
    {"DownBelowTheViewScrollsTheRowIn", {}, false, 4, false, Keys({VK_DOWN}), 5, 6 * kRowHeight - kVisibleHeight, true,
     {"itemselect:list(5,4)"}},
    {"PageDownScrollsAPageAndKeepsTheSelection", {}, false, 0, false, Keys({VK_NEXT}), 0, kVisibleHeight, false, {}},
    {"PageUpScrollsBack", {}, false, 0, false, Keys({VK_NEXT, VK_NEXT, VK_PRIOR}), 0, kLastScroll - kVisibleHeight,
     false, {}},
    {"PageDownStopsAtTheEnd", {}, false, 0, false, Keys({VK_NEXT, VK_NEXT, VK_NEXT}), 0, kLastScroll, false, {}},
    {"ReturnActivatesTheSelectedRow", {}, false, 3, false, Keys({VK_RETURN}), 3, 0, true, {"itemactivate:row3(0,0)"}},
    {"ArrowsWorkWhileARowHasTheFocus", {}, false, 3, true, Keys({VK_DOWN, VK_DOWN}), 5, 6 * kRowHeight - kVisibleHeight,
     true, {"itemselect:list(4,3)", "itemselect:list(5,4)"}},
    {"ReturnOnAFocusedRowActivatesIt", {}, false, 3, true, Keys({VK_RETURN}), 3, 0, true, {"itemactivate:row3(0,0)"}},
    {"TheWheelScrollsALine", {}, false, 0, false, Wheel({-120, -120}), 0, 2 * kRowHeight, false, {}},
    {"TheWheelScrollsBackUp", {}, false, 0, false, Wheel({-120, -120, 120}), 0, kRowHeight, false, {}},
    {"TheWheelScrollsWhileARowHasTheFocus", {}, false, 0, true, Wheel({-120}), 0, kRowHeight, false, {}},
    {"ScrollSelectMovesTheSelectionWithTheWheel", {}, true, 0, false, Wheel({-120, -120, 120}), 1, 0, true,
     {"itemselect:list(1,0)", "itemselect:list(2,1)", "itemselect:list(1,2)"}},
    {"ScrollSelectSkipsDisabledRows", {1}, true, 0, false, Wheel({-120}), 2, 0, true, {"itemselect:list(2,0)"}},
};

INSTANTIATE_TEST_SUITE_P(Input, ListKeys, ::testing::ValuesIn(kKeyCases),
                         [](const ::testing::TestParamInfo<KeyCase>& info) { return info.param.what; });

// --- Handlers that rebuild the list while it reports ---

// Every removed row is deleted at once, so that touching one after its removal is
// caught (run under AddressSanitizer).
class ListRebuiltInHandlers : public ::testing::Test {
 protected:
  void Build(const std::wstring& markup) {
    harness_ = std::make_unique<ControlHarness>(driver_, TestSkin(markup));
    ASSERT_TRUE(harness_->Created());
    harness_->OnGui([&] { harness_->Find<CListUI>(L"list")->SetDelayedDestroy(false); });
  }

  // On "itemselect", the handler empties the list and fills it with fresh rows.
  void RefillOnSelect(const ListFixture& rows) {
    harness_->OnNotify([this, rows](SkinUI::UINotifyRecord& msg) {
      if (msg.sType != L"itemselect" || refilling_) return;
      refilling_ = true;
      CListUI* pList = harness_->Find<CListUI>(L"list");
      pList->RemoveAll();
      rows.Fill(pList);
      ++refills_;
      refilling_ = false;
    });
  }

  platform::headless::TestDriver driver_;
  std::unique_ptr<ControlHarness> harness_;
  bool refilling_ = false;
  int refills_ = 0;
};

TEST_F(ListRebuiltInHandlers, AnItemSelectHandlerThatEmptiesAndRefillsTheList) {
  const ListFixture rows = ListFixture(6).RowAttributes(L"height=\"20\"");
  Build(rows.Markup());
  RefillOnSelect(rows);
  ControlHarness& h = *harness_;

  auto focusList = [&] { h.OnGui([&] { h.Find<CListUI>(L"list")->SetFocus(); }); };
  h.Click(L"row2");  // the pressed and focused row goes in the handler
  focusList();
  h.Key(VK_DOWN);  // the row taking the focus goes in the handler
  focusList();
  h.Key(VK_END);
  h.Wheel(L"list", -120);
  h.OnGui([&] { h.Find<CListUI>(L"list")->RemoveAt(0); });
  h.OnGui([&] { h.Find<CListUI>(L"list")->SelectItem(3, true); });
  h.OnGui([&] { h.Find<CListUI>(L"list")->GetItemAt(1)->SetAttribute(L"selected", L"true"); });
  driver_.WaitIdle();

  EXPECT_EQ(refills_, 5) << "the click, Down, End and the last two selections; the wheel only scrolls";
  EXPECT_EQ(ListFixture::RowRects(h).size(), 6u);
  EXPECT_EQ(ListFixture::CurSel(h), -1) << "the fresh rows are not selected";
}

TEST_F(ListRebuiltInHandlers, HandlersThatRemoveTheClickedOrActivatedRow) {
  Build(ListFixture(5).RowAttributes(L"height=\"20\"").Markup());
  ControlHarness& h = *harness_;
  std::vector<std::string> removed;
  h.OnNotify([&](SkinUI::UINotifyRecord& msg) {
    if (msg.sType != L"itemactivate" && msg.sType != L"itemclick") return;
    removed.push_back(controltest::Narrow(msg.pSender->GetName()));
    h.Find<CListUI>(L"list")->Remove(msg.pSender);
  });
  h.Click(L"row1");
  // Twice on one spot: the first click's row goes, the double click lands on the row
  // that took its place once the list was laid out again.
  const POINT pt = h.ScreenPoint(L"row2", h.CentreOffset(L"row2"));
  driver_.Click(pt.x, pt.y);
  driver_.Click(pt.x, pt.y);
  h.OnGui([&] {
    CListUI* pList = h.Find<CListUI>(L"list");
    pList->SelectItem(0);
    pList->SetFocus();
  });
  h.Key(VK_RETURN);
  driver_.WaitIdle();

  ASSERT_GE(removed.size(), 3u);
  EXPECT_EQ(removed[0], "row1");
  EXPECT_EQ(removed[1], "row2");
  h.OnGui([&] {
    CListUI* pList = h.Find<CListUI>(L"list");
    EXPECT_EQ(pList->GetCount(), 5 - static_cast<int>(removed.size()));
    for (int i = 0; i < pList->GetCount(); ++i) {
      const std::string name = controltest::Narrow(pList->GetItemAt(i)->GetName());
      EXPECT_EQ(std::count(removed.begin(), removed.end(), name), 0) << name;
      EXPECT_EQ(Item(pList->GetItemAt(i))->GetIndex(), i);
    }
  });
}

// --- The classes skins build ---

struct ClassCase {
  const wchar_t* markup;  // builds a control named "c"
  const char* className;
  std::vector<const wchar_t*> interfaces;
  const wchar_t* notAnswered;
};

void PrintTo(const ClassCase& c, std::ostream* os) { *os << c.className; }

class ListControlClasses : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ListControlClasses, AreBuiltFromTheirElementNames) {
  const ClassCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(c.markup));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    SkinUI::CControlUI* control = h.Find(L"c");
    ASSERT_NE(control, nullptr) << "no control for the element";
    EXPECT_EQ(controltest::Narrow(control->GetClassName()), c.className);
    for (const wchar_t* name : c.interfaces) {
      EXPECT_NE(control->GetInterface(name), nullptr) << controltest::Narrow(name);
    }
    EXPECT_EQ(control->GetInterface(c.notAnswered), nullptr) << controltest::Narrow(c.notAnswered);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Skin, ListControlClasses,
    ::testing::Values(
        ClassCase{L"<List name=\"c\"/>", "ListUI", {L"List", L"IList", L"IListOwner", L"IContainer"}, L"ListItem"},
        ClassCase{L"<List><ListHeader name=\"c\"/></List>", "ListHeaderUI", {L"ListHeader", L"IContainer"}, L"List"},
        ClassCase{L"<List><ListHeaderItem name=\"c\"/></List>", "ListHeaderItemUI", {L"ListHeaderItem", L"Container"},
                  L"ListItem"},
        ClassCase{L"<List><ListLabelElement name=\"c\"/></List>", "ListLabelElementUI",
                  {L"ListLabelElement", L"ListElement", L"ListItem"}, L"ListTextElement"},
        ClassCase{L"<List><ListTextElement name=\"c\"/></List>", "ListTextElementUI",
                  {L"ListTextElement", L"ListLabelElement", L"ListItem"}, L"Container"},
        ClassCase{L"<List><ListContainerElement name=\"c\"/></List>", "ListContainerElementUI",
                  {L"ListContainerElement", L"ListItem", L"IContainer"}, L"ListElement"},
        ClassCase{L"<TreeView name=\"c\"/>", "TreeViewUI", {L"TreeView", L"treeview", L"List", L"IListOwner"},
                  L"TreeNode"},
        ClassCase{L"<TreeView><TreeNode name=\"c\"/></TreeView>", "TreeNodeUI",
                  {L"TreeNode", L"TREENODE", L"ListContainerElement", L"ListItem"}, L"TreeView"}),
    [](const ::testing::TestParamInfo<ClassCase>& info) { return std::string(info.param.className); });

}  // namespace
