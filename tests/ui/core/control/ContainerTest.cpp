// The container's child list: adding to hidden containers, removing with and without
// destroying, reordering, selectable rows and float placement relative to the size.
#include <gtest/gtest.h>

#include <atomic>
#include <ostream>
#include <string>

#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/types/CDelegate.h"

namespace {

using SkinUI::CContainerUI;
using SkinUI::CControlUI;

// Counts the destruction of the controls it watches.
struct DestroyCount {
  std::atomic<int> destroyed{0};
  bool OnDestroy(void*) {
    ++destroyed;
    return true;
  }
  template <class T>
  T* Watch(T* control) {
    control->OnDestroyDelegates.Add(SkinUI::CDelegate<DestroyCount, DestroyCount>(this, &DestroyCount::OnDestroy));
    return control;
  }
};

class Container : public skintest::SkinTest {
 protected:
  // An attached root container in the window.
  CContainerUI* AttachedRoot() {
    auto* root = new CContainerUI;
    Manager().AttachRoot(root);
    return root;
  }
  DestroyCount count;
};

TEST_F(Container, ChildOfAHiddenContainerShowsWithIt) {
  OnGui([&] {
    CContainerUI* root = AttachedRoot();
    auto* box = new CContainerUI;
    root->Add(box);
    box->SetVisible(false);
    auto* child = new CControlUI;
    ASSERT_TRUE(box->Add(child));
    EXPECT_FALSE(child->IsVisible());
    box->SetVisible(true);
    EXPECT_TRUE(child->IsVisible());
    EXPECT_EQ(box, child->GetParent());
    EXPECT_EQ(&Manager(), child->GetManager());
  });
}

TEST_F(Container, RemovedChildLivesUntilTheCleanupMessageButDiesWithItsContainerAtOnce) {
  OnGui([&] {
    CContainerUI* root = AttachedRoot();
    auto* doomed = count.Watch(new CControlUI);
    root->Add(doomed);
    ASSERT_TRUE(root->Remove(doomed));
    EXPECT_EQ(0, count.destroyed);
    EXPECT_EQ(0, root->GetCount());
    EXPECT_FALSE(root->Remove(doomed)) << "no longer a child";
  });
  driver.WaitIdle();
  EXPECT_EQ(1, count.destroyed);
  OnGui([&] {
    auto* box = count.Watch(new CContainerUI);
    box->Add(count.Watch(new CControlUI));
    box->Add(count.Watch(new CControlUI));
    static_cast<CContainerUI*>(Manager().GetRoot())->Add(box);
    static_cast<CContainerUI*>(Manager().GetRoot())->SetDelayedDestroy(false);
    static_cast<CContainerUI*>(Manager().GetRoot())->RemoveAt(0);
    EXPECT_EQ(1 + 3, count.destroyed) << "the container and both its children";
  });
}

TEST_F(Container, WithoutAutoDestroyRemovedChildrenSurvive) {
  OnGui([&] {
    CContainerUI* root = AttachedRoot();
    root->SetAutoDestroy(false);
    auto* kept = count.Watch(new CControlUI);
    root->Add(kept);
    root->RemoveAll();
    EXPECT_EQ(0, root->GetCount());
    EXPECT_EQ(root, kept->GetParent());
    delete kept;
  });
  driver.WaitIdle();
  EXPECT_EQ(1, count.destroyed);
}

TEST_F(Container, FindChildByNameSearchesDescendantsIgnoringCase) {
  OnGui([&] {
    CContainerUI* root = AttachedRoot();
    auto* row = new CContainerUI;
    auto* cell = new CContainerUI;
    auto* label = new CControlUI;
    auto* outside = new CControlUI;
    label->SetName(L"Cell_Text");
    outside->SetName(L"outside");
    row->SetName(L"row");
    cell->Add(label);
    row->Add(cell);
    root->Add(row);
    root->Add(outside);
    EXPECT_EQ(label, row->FindChildByName(L"cell_TEXT")) << "two levels down";
    EXPECT_EQ(row, row->FindChildByName(L"ROW")) << "the search starts at the container itself";
    EXPECT_EQ(nullptr, row->FindChildByName(L"outside")) << "only inside the container";
    EXPECT_EQ(nullptr, row->FindChildByName(L"missing"));
  });
}

TEST_F(Container, AddAtAndSetItemIndexKeepEveryChild) {
  OnGui([&] {
    CContainerUI box;
    CControlUI* a = new CControlUI;
    CControlUI* b = new CControlUI;
    CControlUI* c = new CControlUI;
    EXPECT_FALSE(box.Add(nullptr));
    ASSERT_TRUE(box.Add(a));
    ASSERT_TRUE(box.AddAt(c, 1));
    ASSERT_TRUE(box.AddAt(b, 1));
    CControlUI refused;
    EXPECT_FALSE(box.AddAt(&refused, 9)) << "the caller keeps a refused control";
    EXPECT_EQ(3, box.GetCount());
    EXPECT_EQ(1, box.GetItemIndex(b));
    EXPECT_EQ(nullptr, box.GetItemAt(3));
    EXPECT_EQ(nullptr, box.GetItemAt(-1));

    EXPECT_TRUE(box.SetItemIndex(a, 2));
    EXPECT_EQ(b, box.GetItemAt(0));
    EXPECT_EQ(a, box.GetItemAt(2));
    EXPECT_TRUE(box.SetItemIndex(c, 10));
    EXPECT_EQ(c, box.GetItemAt(2)) << "an index past the end puts the child last";
    EXPECT_TRUE(box.SetItemIndex(c, -4));
    EXPECT_EQ(c, box.GetItemAt(0));
    EXPECT_EQ(3, box.GetCount());
    CControlUI stranger;
    EXPECT_FALSE(box.SetItemIndex(&stranger, 0));
    EXPECT_FALSE(box.RemoveAt(3));
  });
}

// A list row: it answers "ListItem".
class Row : public CControlUI {
 public:
  LPVOID GetInterface(LPCTSTR name) override {
    if (std::wstring(name) == L"ListItem") return this;
    return CControlUI::GetInterface(name);
  }
};

struct SelectableCase {
  const char* what;
  const char* rows;  // per child: 'r' row, 'h' hidden row, 'd' disabled row, 'c' plain control
  int index;
  bool forward;
  int expected;
};

// Test output names a case by what it checks.
void PrintTo(const SelectableCase& c, std::ostream* os) { *os << c.what; }

std::string SelectableName(const ::testing::TestParamInfo<SelectableCase>& info) { return info.param.what; }

class Selectable : public ::testing::TestWithParam<SelectableCase> {};

TEST_P(Selectable, FindsTheNearestEnabledVisibleRow) {
  const SelectableCase& c = GetParam();
  CContainerUI list;
  for (const char* kind = c.rows; *kind != '\0'; ++kind) {
    CControlUI* child = *kind == 'c' ? new CControlUI : new Row;
    list.Add(child);
    if (*kind == 'h') child->SetVisible(false);
    if (*kind == 'd') child->SetEnabled(false);
  }
  EXPECT_EQ(c.expected, list.FindSelectable(c.index, c.forward));
}

const SelectableCase kSelectableCases[] = {
    {"EmptyList", "", 0, true, -1},
    {"ForwardSkipsWhatIsNoRow", "crr", 0, true, 1},
    {"ForwardSkipsHiddenAndDisabled", "rhdr", 1, true, 3},
    {"ForwardFindsNothingPastTheEnd", "rrc", 2, true, -1},
    {"BackwardStartsAtTheLastChild", "rcr", 5, false, 2},
    {"BackwardGoesDown", "rcc", 2, false, 0},
    {"BackwardFallsBackToForwardFromTheStart", "chr", 1, false, 2},
    {"BackwardFindsNothingAtAll", "chd", 2, false, -1},
    {"NegativeIndexStartsAtTheFirst", "r", -3, true, 0},
};

INSTANTIATE_TEST_SUITE_P(Container, Selectable, ::testing::ValuesIn(kSelectableCases), SelectableName);

TEST_F(Container, FloatChildFollowsTheGrowthByItsPercentages) {
  OnGui([&] {
    CContainerUI* root = AttachedRoot();
    auto* badge = new CControlUI;
    badge->SetFloat(true);
    badge->SetFixedXY(SIZE{10, 10});
    badge->SetFixedWidth(20);
    badge->SetFixedHeight(20);
    badge->SetRelativePos(50, 0, 50, 0);
    root->Add(badge);
    root->SetPos(RECT{0, 0, 200, 100});
    EXPECT_EQ((RECT{10, 10, 30, 30}), badge->GetPos()) << "the first placement only records the size";
    root->SetPos(RECT{0, 0, 300, 100});
    EXPECT_EQ((RECT{60, 10, 130, 30}), badge->GetPos());
  });
}

TEST_F(Container, FloatChildCountsFromTheEdgeItsSignNames) {
  OnGui([&] {
    CContainerUI* root = AttachedRoot();
    auto* corner = new CControlUI;
    corner->SetFloat(true);
    corner->SetFixedXY(SIZE{-10, -5});
    corner->SetFixedWidth(30);
    corner->SetFixedHeight(20);
    root->Add(corner);
    root->SetInset(RECT{7, 7, 7, 7});
    root->SetPos(RECT{0, 0, 200, 100});
    EXPECT_EQ((RECT{160, 75, 190, 95}), corner->GetPos()) << "the inset does not move float children";
  });
}

TEST_F(Container, PlainContainerStacksChildrenOverTheInnerRectangle) {
  OnGui([&] {
    CContainerUI* root = AttachedRoot();
    auto* a = new CControlUI;
    auto* b = new CControlUI;
    auto* hidden = new CControlUI;
    root->Add(a);
    root->Add(b);
    root->Add(hidden);
    hidden->SetVisible(false);
    root->SetInset(RECT{1, 2, 3, 4});
    root->SetPos(RECT{0, 0, 100, 50});
    EXPECT_EQ((RECT{1, 2, 97, 46}), a->GetPos());
    EXPECT_EQ((RECT{1, 2, 97, 46}), b->GetPos());
    EXPECT_EQ((RECT{0, 0, 0, 0}), hidden->GetPos());
  });
}

TEST_F(Container, ScrollBarsAreOwnedAndFollowTheMouseFlag) {
  OnGui([&] {
    CContainerUI* root = AttachedRoot();
    root->EnableScrollBar(true, true);
    SkinUI::CScrollBarUI* vertical = root->GetVerticalScrollBar();
    SkinUI::CScrollBarUI* horizontal = root->GetHorizontalScrollBar();
    ASSERT_NE(nullptr, vertical);
    ASSERT_NE(nullptr, horizontal);
    EXPECT_EQ(root, vertical->GetOwner());
    EXPECT_FALSE(vertical->IsHorizontal());
    EXPECT_TRUE(horizontal->IsHorizontal());
    EXPECT_EQ(16, vertical->GetFixedWidth());
    EXPECT_EQ("0,16", std::to_string(horizontal->GetFixedWidth()) + "," + std::to_string(horizontal->GetFixedHeight()));
    EXPECT_EQ(&Manager(), horizontal->GetManager());
    root->SetMouseEnabled(false);
    EXPECT_FALSE(vertical->IsMouseEnabled());
    EXPECT_FALSE(horizontal->IsMouseEnabled());
    count.Watch(vertical);
    root->SetAttribute(L"vscrollbar", L"false");
    EXPECT_EQ(1, count.destroyed);
    EXPECT_EQ(nullptr, root->GetVerticalScrollBar());
    EXPECT_EQ(horizontal, root->GetHorizontalScrollBar()) << "the other bar stays";
    root->SetAttribute(L"hscrollbar", L"no");
    EXPECT_EQ(nullptr, root->GetHorizontalScrollBar()) << "a flag is on only as \"true\"";
    EXPECT_EQ("0,0", std::to_string(root->GetScrollRange().cx) + "," + std::to_string(root->GetScrollRange().cy));
    root->ScrollLineDown();  // nothing to scroll
  });
}

struct BarCase {
  const char* what;
  int range;
  int pos;
  const char* expected;  // "range,pos" after setting range then position
};

// Test output names a case by what it checks.
void PrintTo(const BarCase& c, std::ostream* os) { *os << c.what; }

std::string BarName(const ::testing::TestParamInfo<BarCase>& info) { return info.param.what; }

class ScrollBarModel : public ::testing::TestWithParam<BarCase> {};

TEST_P(ScrollBarModel, ClampsThePositionToTheRange) {
  const BarCase& c = GetParam();
  SkinUI::CScrollBarUI bar;
  bar.SetScrollPos(80);
  bar.SetScrollRange(c.range);
  if (c.pos >= -1000) bar.SetScrollPos(c.pos);
  EXPECT_EQ(c.expected, std::to_string(bar.GetScrollRange()) + "," + std::to_string(bar.GetScrollPos()));
}

const BarCase kBarCases[] = {
    {"DefaultsAreRange100", 100, -2000, "100,80"},
    {"LowerRangePullsThePositionDown", 50, -2000, "50,50"},
    {"NegativeRangeBecomesZero", -5, -2000, "0,0"},
    {"PositionAboveTheRange", 100, 150, "100,100"},
    {"NegativePosition", 100, -3, "100,0"},
};

INSTANTIATE_TEST_SUITE_P(Bar, ScrollBarModel, ::testing::ValuesIn(kBarCases), BarName);

TEST(ScrollBarModel, SwitchingTheAxisMovesTheThicknessUnlessOneIsGiven) {
  SkinUI::CScrollBarUI bar;
  EXPECT_STREQ(L"ScrollBarUI", bar.GetClassName());
  EXPECT_EQ(8, bar.GetLineSize());
  bar.SetHorizontal(true);
  EXPECT_EQ(0, bar.GetFixedWidth());
  EXPECT_EQ(16, bar.GetFixedHeight());
  bar.SetHorizontal(false);
  EXPECT_EQ(16, bar.GetFixedWidth());
  EXPECT_EQ(0, bar.GetFixedHeight());
  bar.SetFixedHeight(10);
  bar.SetHorizontal(true);
  EXPECT_EQ(16, bar.GetFixedWidth()) << "a bar with a height of its own keeps both";
  EXPECT_EQ(10, bar.GetFixedHeight());
}

}  // namespace
