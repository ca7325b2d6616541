// The tree view: a tree from a skin's nested nodes laid out depth first, starting
// collapsed; double clicks and folder buttons opening and closing sub-trees as they
// were; check boxes checking downwards; nodes added into and removed from a tree
// that is shown; what the nodes report; handlers that take nodes away meanwhile.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/controls/CTreeViewUI.h"

namespace {

using controltest::ControlHarness;
using controltest::TestSkin;
using SkinUI::CTreeNodeUI;
using SkinUI::CTreeViewUI;
using Lines = std::vector<std::string>;

// A with A1 (A1a, A1b) and A2 (A2a); B alone.
const wchar_t kTree[] =
    L"<TreeNode name=\"A\" text=\"A\">"
    L"<TreeNode name=\"A1\" text=\"A1\"><TreeNode name=\"A1a\" text=\"A1a\"/><TreeNode name=\"A1b\" text=\"A1b\"/>"
    L"</TreeNode>"
    L"<TreeNode name=\"A2\" text=\"A2\"><TreeNode name=\"A2a\" text=\"A2a\"/></TreeNode>"
    L"</TreeNode>"
    L"<TreeNode name=\"B\" text=\"B\"/>";

std::wstring TreeSkin(const std::wstring& treeAttributes = L"", const std::wstring& nodes = kTree) {
  return TestSkin(L"<TreeView name=\"tree\" height=\"250\" " + treeAttributes + L">" + nodes + L"</TreeView>");
}

// The rows' names in list order, the hidden ones in brackets.
std::string Rows(ControlHarness& h) {
  std::string rows;
  h.OnGui([&] {
    CTreeViewUI* pTree = h.Find<CTreeViewUI>(L"tree");
    for (int i = 0; i < pTree->GetCount(); ++i) {
      SkinUI::CControlUI* pRow = pTree->GetItemAt(i);
      const std::string name = controltest::Narrow(pRow->GetName());
      rows += (rows.empty() ? "" : " ") + (pRow->IsVisible() ? name : "(" + name + ")");
    }
  });
  return rows;
}

CTreeNodeUI* Node(ControlHarness& h, LPCTSTR name) { return h.Find<CTreeNodeUI>(name); }

POINT CentreOf(ControlHarness& h, const RECT& rc) {
  POINT pt = {(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
  h.OnGui([&] { ::ClientToScreen(h.Window(), &pt); });
  return pt;
}

void DoubleClick(ControlHarness& h, LPCTSTR name) {
  h.Click(name);
  h.Click(name);
}

// Clicks a part of a node, found on the window's thread.
void ClickPart(ControlHarness& h, LPCTSTR node, std::function<SkinUI::CControlUI*(CTreeNodeUI*)> part) {
  RECT rc = {0, 0, 0, 0};
  h.OnGui([&] {
    CTreeNodeUI* pNode = Node(h, node);
    if (pNode != nullptr) rc = part(pNode)->GetPos();
  });
  if (::IsRectEmpty(&rc)) return;  // the node is gone
  const POINT pt = CentreOf(h, rc);
  h.Driver().Click(pt.x, pt.y);
}

void ClickFolder(ControlHarness& h, LPCTSTR node) {
  ClickPart(h, node, [](CTreeNodeUI* p) { return p->GetFolderButton(); });
}

void ClickCheckBox(ControlHarness& h, LPCTSTR node) {
  ClickPart(h, node, [](CTreeNodeUI* p) { return p->GetCheckBox(); });
}

TEST(TreeFromSkin, NestedNodesInDepthFirstOrderStartingCollapsed) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin());
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(Rows(h), "A (A1) (A1a) (A1b) (A2) (A2a) B");
  h.OnGui([&] {
    CTreeNodeUI* pA = Node(h, L"A");
    ASSERT_EQ(pA->GetCountChild(), 2);
    EXPECT_EQ(pA->GetChildNode(0), Node(h, L"A1"));
    EXPECT_EQ(pA->GetChildNode(1), Node(h, L"A2"));
    EXPECT_EQ(Node(h, L"A1b")->GetParentNode(), Node(h, L"A1"));
    EXPECT_EQ(pA->GetLastNode(), Node(h, L"A2a"));
    EXPECT_EQ(Node(h, L"A2")->GetNodeIndex(), 4);
    EXPECT_EQ(Node(h, L"A1a")->GetItemText(), L"A1a");
    EXPECT_TRUE(pA->IsCollapsed()) << "the folder button says collapsed";
    EXPECT_FALSE(Node(h, L"B")->IsCollapsed()) << "a node without children is not collapsed";
    EXPECT_EQ(Node(h, L"A1")->GetTreeView(), h.Find<CTreeViewUI>(L"tree"));
    EXPECT_EQ(h.Find<CTreeViewUI>(L"tree")->GetHeader()->IsVisible(), false);
  });
}

TEST(TreeIndent, GrowsSixteenPixelsPerLevel) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin());
  ASSERT_TRUE(h.Created());
  DoubleClick(h, L"A");
  DoubleClick(h, L"A1");
  driver.WaitIdle();
  h.OnGui([&] {
    for (const auto& level : {std::make_pair(L"A", 2), std::make_pair(L"A1", 18), std::make_pair(L"A1a", 34),
                              std::make_pair(L"B", 2)}) {
      SkinUI::CLabelUI* pLine = Node(h, level.first)->GetDottedLine();
      EXPECT_EQ(pLine->GetFixedWidth(), level.second) << controltest::Narrow(level.first);
      EXPECT_EQ(pLine->GetPos().right - pLine->GetPos().left, level.second) << controltest::Narrow(level.first);
    }
    // Built in code, bottom up: the grandchild follows its parent's indent.
    auto* pTop = new CTreeNodeUI;
    auto* pChild = new CTreeNodeUI;
    auto* pGrandchild = new CTreeNodeUI;
    pChild->AddChildNode(pGrandchild);
    pTop->AddChildNode(pChild);
    EXPECT_EQ(pGrandchild->GetDottedLine()->GetFixedWidth(), 2 + 16 + 16);
    CTreeNodeUI indented(pChild);
    EXPECT_EQ(indented.GetDottedLine()->GetFixedWidth(), 2 + 16 + 16) << "constructed below a parent";
    SkinUI::CLabelUI notANode;
    CTreeNodeUI ignored(&notANode);
    EXPECT_EQ(ignored.GetDottedLine()->GetFixedWidth(), 2) << "a parent that is no node is ignored";
    EXPECT_EQ(ignored.GetPartsRow()->GetCount(), 4) << "and the node has its parts";
    EXPECT_TRUE(h.Find<CTreeViewUI>(L"tree")->AddNode(pTop));
  });
}

TEST(TreeExpand, DoubleClicksAndFolderButtonsKeepCollapsedSubTrees) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin());
  ASSERT_TRUE(h.Created());
  DoubleClick(h, L"A");
  EXPECT_EQ(Rows(h), "A A1 (A1a) (A1b) A2 (A2a) B");
  DoubleClick(h, L"A1");
  EXPECT_EQ(Rows(h), "A A1 A1a A1b A2 (A2a) B");
  DoubleClick(h, L"A");
  EXPECT_EQ(Rows(h), "A (A1) (A1a) (A1b) (A2) (A2a) B");
  DoubleClick(h, L"A");
  EXPECT_EQ(Rows(h), "A A1 A1a A1b A2 (A2a) B") << "A1 opens as it was, A2 stays closed";
  ClickFolder(h, L"A2");
  EXPECT_EQ(Rows(h), "A A1 A1a A1b A2 A2a B");
  ClickFolder(h, L"A1");
  EXPECT_EQ(Rows(h), "A A1 (A1a) (A1b) A2 A2a B");

  // Hidden rows take no room: B sits right under A2a.
  RECT rcA2a = {0, 0, 0, 0};
  RECT rcB = {0, 0, 0, 0};
  h.OnGui([&] {
    rcA2a = Node(h, L"A2a")->GetPos();
    rcB = Node(h, L"B")->GetPos();
  });
  EXPECT_EQ(rcB.top, rcA2a.bottom);
}

TEST(TreeCheck, CheckingANodeChecksEveryNodeBelowIt) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin(L"visiblecheckbtn=\"true\""));
  ASSERT_TRUE(h.Created());
  DoubleClick(h, L"A");
  DoubleClick(h, L"A1");
  const auto checked = [&] {
    std::string names;
    h.OnGui([&] {
      for (LPCTSTR name : {L"A", L"A1", L"A1a", L"A1b", L"A2", L"A2a", L"B"}) {
        if (Node(h, name)->GetCheckBox()->GetCheck()) names += (names.empty() ? "" : " ") + controltest::Narrow(name);
      }
    });
    return names;
  };
  ClickCheckBox(h, L"A");
  EXPECT_EQ(checked(), "A A1 A1a A1b A2 A2a") << "hidden descendants too";
  ClickCheckBox(h, L"A1a");
  EXPECT_EQ(checked(), "A A1 A1b A2 A2a") << "checks never go upwards";
  ClickCheckBox(h, L"A1");
  EXPECT_EQ(checked(), "A A2 A2a");
  h.OnGui([&] { h.Find<CTreeViewUI>(L"tree")->SetItemCheckBox(true); });
  EXPECT_EQ(checked(), "A A1 A1a A1b A2 A2a B") << "without a node, every node";
}

struct FlagCase {
  const wchar_t* attributes;
  bool checkBoxes;
  bool folders;
};

void PrintTo(const FlagCase& c, std::ostream* os) { *os << controltest::Narrow(c.attributes); }

class TreeFlags : public ::testing::TestWithParam<FlagCase> {};

TEST_P(TreeFlags, ShowOrHideEveryNodesParts) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin(GetParam().attributes));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    CTreeViewUI* pTree = h.Find<CTreeViewUI>(L"tree");
    pTree->SetItemExpand(true, Node(h, L"A"));
    pTree->SetItemExpand(true, Node(h, L"A1"));
    for (LPCTSTR name : {L"A", L"A1a", L"B"}) {
      EXPECT_EQ(Node(h, name)->GetVisibleCheckBox(), GetParam().checkBoxes) << controltest::Narrow(name);
      EXPECT_EQ(Node(h, name)->GetVisibleFolderButton(), GetParam().folders) << controltest::Narrow(name);
    }
  });
}

INSTANTIATE_TEST_SUITE_P(
    Attributes, TreeFlags,
    ::testing::Values(FlagCase{L"", false, true}, FlagCase{L"visiblecheckbtn=\"true\"", true, true},
                      FlagCase{L"visiblecheckbtn=\"TRUE\"", true, true},
                      FlagCase{L"VisibleCheckBtn=\"True\"", true, true},
                      FlagCase{L"visiblecheckbtn=\"yes\"", false, true},
                      FlagCase{L"visiblefolderbtn=\"false\"", false, false},
                      FlagCase{L"visiblefolderbtn=\"FALSE\" visiblecheckbtn=\"true\"", true, false}));

// --- Adding and removing in a tree that is shown ---

CTreeNodeUI* NewNode(LPCTSTR name) {
  auto* pNode = new CTreeNodeUI;
  pNode->SetName(name);
  pNode->SetItemText(name);
  return pNode;
}

struct EditCase {
  const char* what;
  std::function<bool(ControlHarness&, CTreeViewUI&)> edit;
  bool result;
  std::string rows;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.what; }

class TreeEdits : public ::testing::TestWithParam<EditCase> {};

TEST_P(TreeEdits, KeepEverySubTreeRightAfterItsRoot) {
  const EditCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin());
  ASSERT_TRUE(h.Created());
  DoubleClick(h, L"A");  // A open, A1 and A2 closed
  bool result = !c.result;
  h.OnGui([&] {
    CTreeViewUI& tree = *h.Find<CTreeViewUI>(L"tree");
    tree.SetDelayedDestroy(false);
    result = c.edit(h, tree);
  });
  driver.WaitIdle();
  EXPECT_EQ(result, c.result);
  EXPECT_EQ(Rows(h), c.rows);
  h.OnGui([&] {
    CTreeViewUI& tree = *h.Find<CTreeViewUI>(L"tree");
    for (int i = 0; i < tree.GetCount(); ++i) {
      auto* pNode = static_cast<CTreeNodeUI*>(tree.GetItemAt(i)->GetInterface(L"TreeNode"));
      EXPECT_EQ(pNode->GetNodeIndex(), i);
      EXPECT_EQ(pNode->GetIndex(), i);
      // Every child follows its parent's sub-tree so far.
      CTreeNodeUI* pParent = pNode->GetParentNode();
      if (pParent == nullptr) continue;
      EXPECT_LT(pParent->GetNodeIndex(), i);
      EXPECT_LE(i, pParent->GetLastNode()->GetNodeIndex());
    }
  });
}

const EditCase kEditCases[] = {
    {"AChildOfAnOpenNodeGoesAfterItsLastDescendant",
     [](ControlHarness& h, CTreeViewUI&) { return Node(h, L"A")->AddChildNode(NewNode(L"X")); }, true,
     "A A1 (A1a) (A1b) A2 (A2a) X B"},
    {"AChildOfAClosedNodeIsHidden",
     [](ControlHarness& h, CTreeViewUI&) { return Node(h, L"A1")->AddChildNode(NewNode(L"X")); }, true,
     "A A1 (A1a) (A1b) (X) A2 (A2a) B"},
    {"AddThroughTheContainer", [](ControlHarness& h, CTreeViewUI&) { return Node(h, L"B")->Add(NewNode(L"X")); },
     true, "A A1 (A1a) (A1b) A2 (A2a) B X"},
    {"AddAtBeforeTheChildAtTheIndex",
     [](ControlHarness& h, CTreeViewUI&) { return Node(h, L"A")->AddAt(NewNode(L"X"), 1); }, true,
     "A A1 (A1a) (A1b) X A2 (A2a) B"},
    {"AddAtBeyondTheChildrenGoesAfterTheLastDescendant",
     [](ControlHarness& h, CTreeViewUI&) { return Node(h, L"A")->AddAt(NewNode(L"X"), 5); }, true,
     "A A1 (A1a) (A1b) A2 (A2a) X B"},
    {"AddAtRefusesOtherControls",
     [](ControlHarness& h, CTreeViewUI&) {
       auto pLabel = std::make_unique<SkinUI::CLabelUI>();
       return Node(h, L"A")->AddAt(pLabel.get(), 0);
     },
     false, "A A1 (A1a) (A1b) A2 (A2a) B"},
    {"AddNodeAtInsertsTheWholeSubTree",
     [](ControlHarness&, CTreeViewUI& tree) {
       CTreeNodeUI* pX = NewNode(L"X");
       CTreeNodeUI* pX1 = NewNode(L"X1");
       pX1->AddChildNode(NewNode(L"X1a"));
       pX->AddChildNode(pX1);
       pX->AddChildNode(NewNode(L"X2"));
       return tree.AddNodeAt(pX, 6) == 10;
     },
     true, "A A1 (A1a) (A1b) A2 (A2a) X X1 X1a X2 B"},
    {"AddNodeAtOfALeafAnswersTheNextIndex",
     [](ControlHarness&, CTreeViewUI& tree) { return tree.AddNodeAt(NewNode(L"X"), 0) == 1; }, true,
     "X A A1 (A1a) (A1b) A2 (A2a) B"},
    {"AddNodeAtRefusesOtherControls",
     [](ControlHarness&, CTreeViewUI& tree) {
       auto pLabel = std::make_unique<SkinUI::CLabelUI>();
       return tree.AddNodeAt(pLabel.get(), 0) == -1 && tree.AddNodeAt(nullptr, 0) == -1;
     },
     true, "A A1 (A1a) (A1b) A2 (A2a) B"},
    {"AddNodeBeforeARow",
     [](ControlHarness& h, CTreeViewUI& tree) { return tree.AddNodeBefore(NewNode(L"X"), Node(h, L"B")); }, true,
     "A A1 (A1a) (A1b) A2 (A2a) X B"},
    {"ANodeOfTheTreeIsNotAddedAgain",
     [](ControlHarness& h, CTreeViewUI& tree) {
       return tree.AddNode(Node(h, L"A1")) || tree.AddNodeAt(Node(h, L"B"), 0) >= 0 ||
              Node(h, L"B")->AddChildNode(Node(h, L"A1")) || Node(h, L"A2")->AddAt(Node(h, L"A"), 0) ||
              Node(h, L"A")->AddChildNode(Node(h, L"A"));
     },
     false, "A A1 (A1a) (A1b) A2 (A2a) B"},
    {"RemovingANodeWithTwoLevelsOfChildren",
     [](ControlHarness& h, CTreeViewUI& tree) { return tree.RemoveNode(Node(h, L"A")); }, true, "B"},
    {"RemovingAChildLeavesItsParent",
     [](ControlHarness& h, CTreeViewUI& tree) {
       return tree.RemoveNode(Node(h, L"A1")) && Node(h, L"A")->GetCountChild() == 1;
     },
     true, "A A2 (A2a) B"},
    {"RemoveThroughTheParentNode",
     [](ControlHarness& h, CTreeViewUI&) { return Node(h, L"A")->Remove(Node(h, L"A2")); }, true,
     "A A1 (A1a) (A1b) B"},
    {"RemoveOfANodeThatIsNoChild",
     [](ControlHarness& h, CTreeViewUI&) { return Node(h, L"A")->Remove(Node(h, L"A1a")); }, false,
     "A A1 (A1a) (A1b) A2 (A2a) B"},
    {"RemoveAtALeaf",
     [](ControlHarness& h, CTreeViewUI& tree) {
       return tree.RemoveAt(2) && Node(h, L"A1")->GetCountChild() == 1;
     },
     true, "A A1 (A1b) A2 (A2a) B"},
    {"RemoveAtANodeWithChildren", [](ControlHarness&, CTreeViewUI& tree) { return tree.RemoveAt(1); }, true,
     "A A2 (A2a) B"},
    {"RemoveAtWithoutARow", [](ControlHarness&, CTreeViewUI& tree) { return tree.RemoveAt(7); }, false,
     "A A1 (A1a) (A1b) A2 (A2a) B"},
    {"RemoveAll",
     [](ControlHarness&, CTreeViewUI& tree) {
       tree.RemoveAll();
       return tree.GetCount() == 0;
     },
     true, ""},
};

INSTANTIATE_TEST_SUITE_P(Edits, TreeEdits, ::testing::ValuesIn(kEditCases),
                         [](const ::testing::TestParamInfo<EditCase>& info) { return info.param.what; });

TEST(TreeEdits, RemovingTheSelectedSubTreeSelectsTheRowThatTookItsPlaceOnce) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin());
  ASSERT_TRUE(h.Created());
  DoubleClick(h, L"A");
  DoubleClick(h, L"A1");
  h.OnGui([&] { h.Find<CTreeViewUI>(L"tree")->SelectItem(Node(h, L"A1b")->GetNodeIndex()); });
  h.Notifications().Clear();
  h.OnGui([&] { h.Find<CTreeViewUI>(L"tree")->RemoveNode(Node(h, L"A1")); });
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(true), Lines{"itemselect:tree(1,-1)"});
  h.OnGui([&] { EXPECT_EQ(h.Find<CTreeViewUI>(L"tree")->GetCurSel(), Node(h, L"A2")->GetNodeIndex()); });
}

// A sub-tree built outside any tree view (in code, or a skin's nodes no tree took) has
// no owner but its root: it goes with the root, while a node a tree view lists stays
// the view's.
TEST(TreeEdits, ASubTreeNoTreeTookGoesWithItsRoot) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin());
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    auto root = std::make_unique<CTreeNodeUI>();
    CTreeNodeUI* pChild = NewNode(L"C");
    CTreeNodeUI* pGrandchild = NewNode(L"C1");
    ASSERT_TRUE(pChild->AddChildNode(pGrandchild));
    ASSERT_TRUE(root->AddChildNode(pChild));
    const std::weak_ptr<const bool> child = pChild->GetLifeToken();
    const std::weak_ptr<const bool> grandchild = pGrandchild->GetLifeToken();
    root.reset();
    EXPECT_TRUE(child.expired());
    EXPECT_TRUE(grandchild.expired());

    auto outside = std::make_unique<CTreeNodeUI>();
    CTreeNodeUI* pListed = NewNode(L"D");
    ASSERT_TRUE(outside->AddChildNode(pListed));
    ASSERT_TRUE(h.Find<CTreeViewUI>(L"tree")->AddNode(pListed));
    const std::weak_ptr<const bool> listed = pListed->GetLifeToken();
    outside.reset();
    ASSERT_FALSE(listed.expired()) << "the tree view's row";
    EXPECT_EQ(pListed->GetParentNode(), nullptr);
  });
  EXPECT_EQ(Rows(h), "A (A1) (A1a) (A1b) (A2) (A2a) B D");
}

// --- What nodes report ---

TEST(TreeReports, PressMoveReleaseDoubleAndRightClicksInOrder) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin());
  ASSERT_TRUE(h.Created());
  h.MoveTo(L"B", POINT{100, 9});
  driver.WaitIdle();
  h.Notifications().Clear();
  h.Press(L"B", POINT{100, 9});
  h.MoveTo(L"B", POINT{110, 9});
  h.Release();
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(true),
            (Lines{"TreeNodeLButtonMove:B(0,0)", "TreeNodeLButtonDown:B(0,0)", "itemselect:tree(6,-1)",
                   "TreeNodeLButtonMove:B(0,0)", "TreeNodeLButtonUp:B(0,0)", "itemclick:B(0,0)"}))
      << "every move reports, the one that comes with the press too";

  h.Notifications().Clear();
  h.ClickAt(L"A", POINT{100, 9});
  h.ClickAt(L"A", POINT{100, 9});
  const POINT pt = h.ScreenPoint(L"A", POINT{100, 9});
  driver.Click(pt.x, pt.y, platform::backend::MouseButton::Right);
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(),
            (Lines{"TreeNodeLButtonMove:A", "TreeNodeLButtonDown:A", "itemselect:tree", "TreeNodeLButtonUp:A",
                   "itemclick:A", "TreeNodeLButtonMove:A", "selectchanged:", "treeitemdbclick:A",
                   "TreeNodeLButtonUp:A", "itemclick:A", "TreeNodeLButtonMove:A", "treeitemrclick:A"}))
      << "the tree hears the double click first and turns the folder button before the window hears it";
  EXPECT_EQ(Rows(h), "A A1 (A1a) (A1b) A2 (A2a) B");
}

TEST(TreeReports, SelectedNodesTakeTheSelectedTextColour) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin(L"", L"<TreeNode name=\"A\" text=\"A\" itemtextcolor=\"#FF101010\" "
                                          L"selitemtextcolor=\"#FFF01010\"/><TreeNode name=\"B\" text=\"B\"/>"));
  ASSERT_TRUE(h.Created());
  h.Click(L"A");
  h.OnGui([&] { EXPECT_EQ(Node(h, L"A")->GetItemButton()->GetTextColor(), 0xFFF01010u); });
  h.Click(L"B");
  h.OnGui([&] { EXPECT_EQ(Node(h, L"A")->GetItemButton()->GetTextColor(), 0xFF101010u); });
}

// --- Handlers that take nodes away while they report ---

// Every removed node is deleted at once, so that touching one after its removal is
// caught (run under AddressSanitizer).
class TreeRebuiltInHandlers : public ::testing::TestWithParam<const char*> {};

TEST_P(TreeRebuiltInHandlers, TheNodeGoesInsideItsOwnReport) {
  const std::string type = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TreeSkin(L"visiblecheckbtn=\"true\""));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] { h.Find<CTreeViewUI>(L"tree")->SetDelayedDestroy(false); });
  DoubleClick(h, L"A");
  std::vector<std::string> removed;
  h.OnNotify([&](SkinUI::UINotifyRecord& msg) {
    if (controltest::Narrow(msg.sType) != type) return;
    CTreeViewUI* pTree = h.Find<CTreeViewUI>(L"tree");
    CTreeNodeUI* pNode = nullptr;
    if (msg.pSender == pTree) {
      pNode = static_cast<CTreeNodeUI*>(pTree->GetItemAt(static_cast<int>(msg.wParam))->GetInterface(L"TreeNode"));
    } else if (msg.pSender->GetInterface(L"TreeNode") != nullptr) {
      pNode = static_cast<CTreeNodeUI*>(msg.pSender->GetInterface(L"TreeNode"));
    } else {
      pNode = static_cast<CTreeNodeUI*>(msg.pSender->GetParent()->GetParent()->GetInterface(L"TreeNode"));
    }
    if (pNode == nullptr || pNode->GetTreeView() == nullptr) return;
    removed.push_back(controltest::Narrow(pNode->GetName()));
    pTree->RemoveNode(pNode);
  });
  // Each step acts on a node only while an earlier step's handler has left it there.
  auto there = [&](LPCTSTR node) {
    bool found = false;
    h.OnGui([&] { found = h.FindIfAny(node) != nullptr; });
    return found;
  };
  if (there(L"A1")) h.MoveTo(L"A1", POINT{100, 9});
  for (int click = 0; click < 2; ++click) {
    if (there(L"A1")) h.Click(L"A1");
  }
  if (there(L"A2")) ClickCheckBox(h, L"A2");
  if (there(L"B")) ClickFolder(h, L"B");
  if (there(L"A")) h.Click(L"A");
  if (there(L"A")) {
    const POINT pt = h.ScreenPoint(L"A", POINT{100, 9});
    driver.Click(pt.x, pt.y, platform::backend::MouseButton::Right);
  }
  driver.WaitIdle();

  EXPECT_FALSE(removed.empty()) << type;
  const std::string rows = Rows(h);
  for (const std::string& name : removed) {
    EXPECT_EQ((" " + rows + " ").find(" " + name + " "), std::string::npos) << name << " in " << rows;
  }
}

INSTANTIATE_TEST_SUITE_P(Reports, TreeRebuiltInHandlers,
                         ::testing::Values("TreeNodeLButtonDown", "TreeNodeLButtonMove", "TreeNodeLButtonUp",
                                           "itemselect", "itemclick", "treeitemdbclick", "treeitemrclick"));

}  // namespace
