// The skin builder: the order in which an element's control receives its children,
// its parent, its default attributes and its own; what stops a level; resources and
// window settings; "Include", "TreeNode" and the child layout; and where element
// classes come from.
#include <gtest/gtest.h>

#include <cwchar>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>
#include <vector>

#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/builder/CControlClassTable.h"
#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/builder/IDialogBuilderCallback.h"
#include "ui/core/control/CChildLayoutUI.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/ITreeNodeUI.h"
#include "ui/core/control/ITreeViewUI.h"

namespace {

using SkinUI::CContainerUI;
using SkinUI::CControlUI;
using SkinUI::CDialogBuilder;
using SkinUI::CWindowManagerUI;

struct ProbeLog {
  std::vector<std::string> lines;
  int created = 0;
  int destroyed = 0;
  bool refuseChildren = false;
};

// A container that writes down what the builder does to it, as "#<n> <what>", n
// counting the probes in order of construction.
class Probe : public CContainerUI {
 public:
  explicit Probe(ProbeLog* log) : log_(log), id_(++log->created) { Log("new"); }
  ~Probe() override { ++log_->destroyed; }
  LPCTSTR GetClassName() const override { return L"ProbeUI"; }

  static std::string IdOf(CControlUI* control) {
    if (control == nullptr) return "-";
    auto* probe = dynamic_cast<Probe*>(control);
    return probe != nullptr ? "#" + std::to_string(probe->id_) : uitest::Narrow(control->GetClassName());
  }

  bool Add(CControlUI* child) override {
    Log("add " + IdOf(child));
    if (log_->refuseChildren) return false;
    return CContainerUI::Add(child);
  }
  void SetManager(CWindowManagerUI* manager, CControlUI* parent, bool init) override {
    Log(std::string("manager ") + (manager != nullptr ? "M" : "-") + " parent " + IdOf(parent));
    CContainerUI::SetManager(manager, parent, init);
  }
  void SetAttribute(LPCTSTR name, LPCTSTR value) override {
    Log("attr " + uitest::Narrow(name) + "=" + uitest::Narrow(value));
    CContainerUI::SetAttribute(name, value);
  }

 private:
  void Log(const std::string& what) { log_->lines.push_back(IdOf(this) + " " + what); }

  ProbeLog* log_;
  int id_;
};

// The window's own element classes: "Probe" and nothing else.
class ProbeFactory : public SkinUI::IDialogBuilderCallback {
 public:
  explicit ProbeFactory(ProbeLog* log) : log_(log) {}
  CControlUI* CreateControl(LPCTSTR pstrClass) override {
    asked.push_back(uitest::Narrow(pstrClass));
    if (wcscmp(pstrClass, L"Probe") == 0) return new Probe(log_);
    return nullptr;
  }
  std::vector<std::string> asked;

 private:
  ProbeLog* log_;
};

// The classes, children first, as "Class(child,child)".
std::string Shape(CControlUI* control) {
  if (control == nullptr) return "null";
  std::string shape = uitest::Narrow(control->GetClassName());
  auto* container = static_cast<SkinUI::IContainerUI*>(control->GetInterface(L"IContainer"));
  if (container == nullptr || container->GetCount() == 0) return shape;
  shape += "(";
  for (int i = 0; i < container->GetCount(); ++i) shape += (i > 0 ? "," : "") + Shape(container->GetItemAt(i));
  return shape + ")";
}

class Builder : public skintest::SkinTest {
 protected:
  CControlUI* Build(const std::wstring& skin, SkinUI::IDialogBuilderCallback* callback = nullptr) {
    CDialogBuilder builder;
    CControlUI* root = builder.Create(skin.c_str(), nullptr, callback, &Manager());
    if (root != nullptr) Manager().AttachRoot(root);
    return root;
  }
  ProbeLog log;
  ProbeFactory factory{&log};
};

TEST_F(Builder, ChildrenAndParentComeBeforeDefaultsWhichComeBeforeOwnAttributes) {
  OnGui([&] {
    CControlUI* root = Build(
        L"<Window><Default name=\"Probe\" value=\"b=&quot;d&quot;\"/>"
        L"<Probe a=\"1\"><Probe b=\"2\"/></Probe></Window>",
        &factory);
    ASSERT_NE(root, nullptr);
    const std::vector<std::string> expected = {
        "#1 new",           "#2 new",           "#1 add #2",          "#2 manager M parent -",
        "#2 attr b=d",      "#2 attr b=2",      "#2 manager - parent -", "#1 manager M parent -",
        "#2 manager M parent #1", "#1 attr b=d",  "#1 attr a=1",        "#1 manager - parent -",
        "#2 manager - parent #1", "#1 manager M parent -", "#2 manager M parent #1"};
    EXPECT_EQ(expected, log.lines);
  });
}

TEST_F(Builder, UnknownElementsAreSkippedWithEverythingInsideThem) {
  OnGui([&] {
    CControlUI* root = Build(
        L"<Window><VerticalLayout><Misspelt><Probe/></Misspelt><Probe/><Control/></VerticalLayout></Window>",
        &factory);
    EXPECT_EQ("VerticalLayoutUI(ProbeUI,ControlUI)", Shape(root));
    EXPECT_EQ(1, log.created);
    EXPECT_EQ((std::vector<std::string>{"Misspelt", "Probe"}), factory.asked);
  });
}

TEST_F(Builder, ParentThatIsNoContainerEndsItsLevelOnly) {
  OnGui([&] {
    CControlUI* root = Build(
        L"<Window><VerticalLayout><Control><Probe/><Probe/></Control><Probe/></VerticalLayout></Window>",
        &factory);
    EXPECT_EQ("VerticalLayoutUI(ControlUI,ProbeUI)", Shape(root));
    EXPECT_EQ(2, log.created) << "the second probe inside the control is never built";
    EXPECT_EQ(1, log.destroyed) << "the probe the control could not take is not left behind";
  });
}

TEST_F(Builder, ChildrenAContainerRefusesAreNotLeftBehind) {
  OnGui([&] {
    log.refuseChildren = true;
    CControlUI* root = Build(L"<Window><Probe><Probe/><Probe/></Probe></Window>", &factory);
    EXPECT_EQ("ProbeUI", Shape(root));
    EXPECT_EQ(3, log.created) << "a refusal ends no level: the second child is built too";
    EXPECT_EQ(2, log.destroyed);
  });
}

TEST_F(Builder, FirstTopLevelControlIsTheRootAndItsSiblingsGoToTheGivenParent) {
  OnGui([&] {
    const wchar_t skin[] = L"<Window><Bogus/><Probe/><Probe/><Control/></Window>";
    {
      CDialogBuilder builder;
      CControlUI* root = builder.Create(skin, nullptr, &factory, &Manager());
      EXPECT_EQ("ProbeUI", Shape(root));
      EXPECT_EQ(1, log.destroyed) << "a sibling without a parent to own it is not leaked";
      delete root;
    }
    CContainerUI parent;
    CDialogBuilder builder;
    CControlUI* first = builder.Create(skin, nullptr, &factory, &Manager(), &parent);
    EXPECT_EQ("ContainerUI(ProbeUI,ProbeUI,ControlUI)", Shape(&parent));
    EXPECT_EQ(parent.GetItemAt(0), first);
  });
}

TEST_F(Builder, ElementNamesAreCaseSensitive) {
  OnGui([&] {
    EXPECT_EQ("VerticalLayoutUI(ControlUI)",
              Shape(Build(L"<Window><VerticalLayout><control/><Control/><verticallayout/></VerticalLayout></Window>")));
  });
}

TEST_F(Builder, ResourcesAreReadOnlyDirectlyUnderTheRoot) {
  OnGui([&] {
    ASSERT_NE(nullptr, Build(L"<Window><Font name=\"Arial\" size=\"20\" bold=\"true\"/>"
                             L"<Default name=\"Button\" value=\"x\"/><Default value=\"nameless\"/>"
                             L"<VerticalLayout><Font name=\"Courier\" size=\"30\"/>"
                             L"<Default name=\"Edit\" value=\"y\"/></VerticalLayout></Window>"));
    ASSERT_NE(nullptr, Manager().GetFontInfo(0));
    EXPECT_EQ(20, Manager().GetFontInfo(0)->iSize);
    EXPECT_TRUE(Manager().GetFontInfo(0)->bBold);
    EXPECT_EQ(nullptr, Manager().FindFont(L"Courier", 30, false, false, false));
    ASSERT_NE(nullptr, Manager().GetDefaultAttributeList(L"Button"));
    EXPECT_STREQ(L"x", Manager().GetDefaultAttributeList(L"Button"));
    EXPECT_EQ(nullptr, Manager().GetDefaultAttributeList(L"Edit"));
  });
}

TEST_F(Builder, DefaultFontAndLaterDuplicateAttributes) {
  OnGui([&] {
    ASSERT_NE(nullptr, Build(L"<Window><Font name=\"Arial\" size=\"16\" size=\"18\" default=\"true\"/>"
                             L"<Font name=\"Arial\"/><Control/></Window>"));
    EXPECT_EQ(18, Manager().GetFontInfo(0)->iSize) << "the later of two equal attributes wins";
    EXPECT_EQ(12, Manager().GetFontInfo(1)->iSize) << "a font without a size is 12 pixels";
    EXPECT_EQ(18, Manager().GetDefaultFontInfo()->iSize);
  });
}

TEST_F(Builder, FontSizesAreHeldToWhatAScreenCanShow) {
  OnGui([&] {
    ASSERT_NE(nullptr, Build(L"<Window><Font name=\"Arial\" size=\"99999999999\"/><Font name=\"Arial\" size=\"-2147483648\"/>"
                             L"<Font name=\"Arial\" size=\"0\"/><Font name=\"Arial\" size=\"1000\"/><Control/></Window>"));
    EXPECT_EQ(1000, Manager().GetFontInfo(0)->iSize);
    EXPECT_EQ(1, Manager().GetFontInfo(1)->iSize) << "its height would not negate";
    EXPECT_EQ(1, Manager().GetFontInfo(2)->iSize);
    EXPECT_EQ(1000, Manager().GetFontInfo(3)->iSize);
  });
}

TEST_F(Builder, BuildWithoutManagerRegistersNothing) {
  OnGui([&] {
    CDialogBuilder builder;
    CControlUI* root = builder.Create(L"<Window size=\"50,60\"><Default name=\"Button\" value=\"x\"/>"
                                      L"<VerticalLayout/></Window>");
    EXPECT_EQ("VerticalLayoutUI", Shape(root));
    EXPECT_EQ(nullptr, root->GetManager());
    delete root;
    EXPECT_EQ(nullptr, Manager().GetDefaultAttributeList(L"Button"));
    EXPECT_EQ(0, Manager().GetInitSize().cx);
  });
}

TEST_F(Builder, ManagerIsTakenBackAfterTheBuild) {
  OnGui([&] {
    CDialogBuilder builder;
    CControlUI* root = builder.Create(L"<Window><VerticalLayout><Control/></VerticalLayout></Window>", nullptr,
                                      nullptr, &Manager());
    ASSERT_NE(nullptr, root);
    EXPECT_EQ(nullptr, root->GetManager());
    auto* layout = static_cast<CContainerUI*>(root);
    EXPECT_EQ(nullptr, layout->GetItemAt(0)->GetManager());
    EXPECT_EQ(root, layout->GetItemAt(0)->GetParent());
    delete root;
  });
}

TEST_F(Builder, BrokenMarkupBuildsNothing) {
  OnGui([&] {
    for (const wchar_t* skin : {L"<Window><VerticalLayout></Window>", L"<", L"<Window/>"}) {
      CDialogBuilder builder;
      EXPECT_EQ(nullptr, builder.Create(skin, nullptr, nullptr, &Manager())) << uitest::Narrow(skin);
    }
  });
}

// Children are built recursively: a skin deeper than a skin may be is refused with
// the markup's message instead of running out of stack, and one just within is built
// whole. Text is held to a file's size.
TEST_F(Builder, DeepOrOversizedSkinsAreRefusedWithTheMarkupsMessage) {
  struct Case {
    const char* what;
    std::wstring skin;
    const wchar_t* message;
  };
  auto nested = [](size_t depth) {
    std::wstring skin = L"<Window>";
    for (size_t i = 1; i < depth; ++i) skin += L"<Container>";
    for (size_t i = 1; i < depth; ++i) skin += L"</Container>";
    return skin + L"</Window>";
  };
  std::wstring oversized = L"<Window><Control/></Window>";
  oversized.resize(SkinUI::CMarkupParser::MAX_DOCUMENT_BYTES + 1, L' ');
  const Case cases[] = {
      {"one level too deep", nested(SkinUI::CMarkupParser::MAX_DEPTH + 1), L"Elements nested too deeply"},
      {"a hundred thousand levels", nested(100000), L"Elements nested too deeply"},
      {"text past the size limit", oversized, L"Text too large"},
  };
  OnGui([&] {
    for (const Case& c : cases) {
      CDialogBuilder builder;
      EXPECT_EQ(nullptr, builder.Create(c.skin.c_str(), nullptr, nullptr, &Manager())) << c.what;
      EXPECT_STREQ(c.message, builder.GetMarkup()->GetLastErrorMessage()) << c.what;
    }
    CDialogBuilder builder;
    CControlUI* root =
        builder.Create(nested(SkinUI::CMarkupParser::MAX_DEPTH).c_str(), nullptr, nullptr, &Manager());
    int depth = 1;  // the window element makes no control
    for (CControlUI* level = root; level != nullptr; level = static_cast<CContainerUI*>(level)->GetItemAt(0)) {
      ++depth;
    }
    EXPECT_EQ(int(SkinUI::CMarkupParser::MAX_DEPTH), depth);
    delete root;
  });
}

struct WindowCase {
  const char* what;
  const wchar_t* attribute;
  std::string (*read)(CWindowManagerUI&);
  const char* expected;
};

// Test output names a case by what it checks.
void PrintTo(const WindowCase& c, std::ostream* os) { *os << c.what; }

std::string CaseName(const ::testing::TestParamInfo<WindowCase>& info) { return info.param.what; }
std::string Hex(DWORD value) {
  char text[16];
  snprintf(text, sizeof text, "%08X", static_cast<unsigned>(value));
  return text;
}
std::string SizeText(SIZE sz) { return std::to_string(sz.cx) + "," + std::to_string(sz.cy); }

class WindowAttributes : public Builder, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(WindowAttributes, ReachTheManagerOnlyFromAWindowRoot) {
  const WindowCase& c = GetParam();
  OnGui([&] {
    const std::string before = c.read(Manager());
    ASSERT_NE(nullptr, Build(std::wstring(L"<Skin ") + c.attribute + L"><Control/></Skin>"));
    EXPECT_EQ(before, c.read(Manager())) << "a root of another name has no window attributes";
    ASSERT_NE(nullptr, Build(std::wstring(L"<Window ") + c.attribute + L"><Control/></Window>"));
    EXPECT_EQ(c.expected, c.read(Manager()));
  });
}

const WindowCase kWindowCases[] = {
    {"Size", L"size=\"300,200\"", [](CWindowManagerUI& m) { return SizeText(m.GetInitSize()); }, "300,200"},
    {"SizeBox", L"sizebox=\"4,5,6,7\"",
     [](CWindowManagerUI& m) { return ::testing::PrintToString(m.GetSizeBox()); }, "{4,5,6,7}"},
    {"Caption", L"caption=\"0,0,0,30\"",
     [](CWindowManagerUI& m) { return ::testing::PrintToString(m.GetCaptionRect()); }, "{0,0,0,30}"},
    {"RoundCorner", L"roundcorner=\"5,6\"", [](CWindowManagerUI& m) { return SizeText(m.GetRoundCorner()); },
     "5,6"},
    {"MinInfo", L"mininfo=\"100,80\"", [](CWindowManagerUI& m) { return SizeText(m.GetMinInfo()); }, "100,80"},
    {"Layered", L"bktrans=\"true\"", [](CWindowManagerUI& m) { return std::string(m.IsLayered() ? "on" : "off"); },
     "on"},
    {"GdiplusText", L"gdiplustext=\"true\"",
     [](CWindowManagerUI& m) { return std::string(m.IsUseGdiplusText() ? "on" : "off"); }, "on"},
    {"DisabledFontColour", L"disabledfontcolor=\"#FF010203\"",
     [](CWindowManagerUI& m) { return Hex(m.GetDefaultDisabledColor()); }, "FF010203"},
    {"DefaultFontColour", L"defaultfontcolor=\"FF112233\"",
     [](CWindowManagerUI& m) { return Hex(m.GetDefaultFontColor()); }, "FF112233"},
    {"LinkFontColour", L"linkfontcolor=\"#FF0000FF\"",
     [](CWindowManagerUI& m) { return Hex(m.GetDefaultLinkFontColor()); }, "FF0000FF"},
    {"LinkHoverFontColour", L"linkhoverfontcolor=\"#FF00FF00\"",
     [](CWindowManagerUI& m) { return Hex(m.GetDefaultLinkHoverFontColor()); }, "FF00FF00"},
    {"SelectedColour", L"selectedcolor=\"#80FFFFFF\"",
     [](CWindowManagerUI& m) { return Hex(m.GetDefaultSelectedBkColor()); }, "80FFFFFF"},
    {"ShowShadow", L"showshadow=\"true\"",
     [](CWindowManagerUI& m) { return std::string(m.GetShadow()->IsShowShadow() ? "on" : "off"); }, "on"},
};

INSTANTIATE_TEST_SUITE_P(Builder, WindowAttributes, ::testing::ValuesIn(kWindowCases), CaseName);

// The shadow a host's 20 x 10 rectangle casts, as premultiplied pixels.
std::vector<uint32_t> ShadowPixels(const SkinUI::CShadowUI& shadow, int size) {
  const RECT rcHost = {0, 0, 20, 10};
  std::vector<uint32_t> bits(size_t((20 + 2 * size) * (10 + 2 * size)), 0);
  HRGN region = ::CreateRectRgn(0, 0, 20, 10);
  shadow.MakeShadowOfRegion(bits.data(), region, rcHost);
  ::DeleteObject(region);
  return bits;
}

TEST_F(Builder, ShadowAttributesGiveTheShadowThatTheSettersGive) {
  OnGui([&] {
    ASSERT_NE(nullptr, Build(L"<Window shadowsize=\"4\" shadowsharpness=\"3\" shadowdarkness=\"200\" "
                             L"shadowposition=\"1,2\" shadowcolor=\"#00FF0000\" shadowcorner=\"1,1,1,1\">"
                             L"<Control/></Window>"));
    SkinUI::CShadowUI expected;
    expected.SetSize(4);
    expected.SetSharpness(3);
    expected.SetDarkness(200);
    expected.SetPosition(1, 2);
    expected.SetColor(0x00FF0000);
    SkinUI::CShadowUI plain;
    plain.SetSize(4);
    EXPECT_EQ(ShadowPixels(expected, 4), ShadowPixels(*Manager().GetShadow(), 4));
    EXPECT_NE(ShadowPixels(plain, 4), ShadowPixels(*Manager().GetShadow(), 4));
  });
}

// Tree classes as the builder sees them: a node answers "TreeNode", takes child nodes
// through its container and other controls into its row; a view takes nodes.
int g_nodesMade = 0;
int g_nodesGone = 0;

class StubTreeNode : public CContainerUI, public SkinUI::ITreeNodeUI {
 public:
  StubTreeNode() : row_(new SkinUI::CHorizontalLayoutUI) {
    ++g_nodesMade;
    CContainerUI::Add(row_);
  }
  ~StubTreeNode() override { ++g_nodesGone; }
  LPCTSTR GetClassName() const override { return L"TreeNodeUI"; }
  LPVOID GetInterface(LPCTSTR name) override {
    if (wcscmp(name, L"TreeNode") == 0) return this;
    return CContainerUI::GetInterface(name);
  }
  bool Add(CControlUI* control) override {
    if (refuseNodes || control == nullptr || control->GetInterface(L"TreeNode") == nullptr) return false;
    return CContainerUI::Add(control);
  }
  SkinUI::IContainerUI* GetRowLayout() override { return rowless ? nullptr : row_; }
  static bool rowless;
  static bool refuseNodes;

 private:
  SkinUI::CHorizontalLayoutUI* row_;
};

class StubTreeView : public CContainerUI, public SkinUI::ITreeViewUI {
 public:
  LPCTSTR GetClassName() const override { return L"TreeViewUI"; }
  LPVOID GetInterface(LPCTSTR name) override {
    if (wcscmp(name, L"TreeView") == 0) return this;
    return CContainerUI::GetInterface(name);
  }
  bool AddNode(CControlUI* node) override {
    if (refuse || node == nullptr || node->GetInterface(L"TreeNode") == nullptr) return false;
    return CContainerUI::Add(node);
  }
  static bool refuse;
};

bool StubTreeView::refuse = false;
bool StubTreeNode::rowless = false;
bool StubTreeNode::refuseNodes = false;

class TreeBuilder : public Builder {
 protected:
  void SetUp() override {
    Builder::SetUp();
    g_nodesMade = g_nodesGone = 0;
    StubTreeView::refuse = false;
    StubTreeNode::rowless = false;
    StubTreeNode::refuseNodes = false;
    ASSERT_TRUE(SkinUI::CControlClassTable::Register(L"TreeView", []() -> CControlUI* { return new StubTreeView; }));
    ASSERT_TRUE(SkinUI::CControlClassTable::Register(L"TreeNode", []() -> CControlUI* { return new StubTreeNode; }));
  }
  void TearDown() override {
    SkinUI::CControlClassTable::Unregister(L"TreeView");
    SkinUI::CControlClassTable::Unregister(L"TreeNode");
    Builder::TearDown();
  }
};

TEST_F(TreeBuilder, NodesNestAndOtherControlsGoIntoTheNodeRow) {
  OnGui([&] {
    CControlUI* root = Build(
        L"<Window><TreeView><TreeNode><TreeNode/><Control/><Probe/><TreeNode><TreeNode/></TreeNode></TreeNode>"
        L"<TreeNode/></TreeView></Window>",
        &factory);
    EXPECT_EQ(
        "TreeViewUI(TreeNodeUI(HorizontalLayoutUI(ControlUI,ProbeUI),TreeNodeUI(HorizontalLayoutUI),"
        "TreeNodeUI(HorizontalLayoutUI,TreeNodeUI(HorizontalLayoutUI))),TreeNodeUI(HorizontalLayoutUI))",
        Shape(root));
    EXPECT_EQ(0, g_nodesGone);
  });
}

TEST_F(TreeBuilder, NodeOutsideATreeIsDroppedOrEndsItsLevel) {
  OnGui([&] {
    EXPECT_EQ("VerticalLayoutUI", Shape(Build(L"<Window><TreeNode/><VerticalLayout/></Window>")));
    EXPECT_EQ(0, g_nodesMade) << "a node at the top level without a parent is skipped";

    EXPECT_EQ("VerticalLayoutUI", Shape(Build(L"<Window><VerticalLayout><TreeNode/><Control/></VerticalLayout>"
                                              L"</Window>")));
    EXPECT_EQ(1, g_nodesMade);
    EXPECT_EQ(1, g_nodesGone) << "the node no tree took is not left behind";

    StubTreeView::refuse = true;
    EXPECT_EQ("TreeViewUI", Shape(Build(L"<Window><TreeView><TreeNode/></TreeView></Window>")));
    EXPECT_EQ(2, g_nodesGone);
  });
}

TEST_F(TreeBuilder, WhatANodeCannotTakeIsNotLeftBehind) {
  OnGui([&] {
    StubTreeNode::rowless = true;
    EXPECT_EQ("TreeViewUI(TreeNodeUI(HorizontalLayoutUI))",
              Shape(Build(L"<Window><TreeView><TreeNode><Probe/><Probe/></TreeNode></TreeView></Window>", &factory)));
    EXPECT_EQ(2, log.created);
    EXPECT_EQ(2, log.destroyed) << "a node without a row takes no control";

    StubTreeNode::refuseNodes = true;
    g_nodesMade = g_nodesGone = 0;
    EXPECT_EQ("TreeViewUI(TreeNodeUI(HorizontalLayoutUI))",
              Shape(Build(L"<Window><TreeView><TreeNode><TreeNode/></TreeNode></TreeView></Window>")));
    EXPECT_EQ(2, g_nodesMade);
    EXPECT_EQ(1, g_nodesGone) << "the node its parent node refused";
  });
}

TEST_F(TreeBuilder, NodesNeverBecomeTheLevelsFirstControl) {
  OnGui([&] {
    StubTreeView view;
    CDialogBuilder builder;
    CControlUI* first = builder.Create(L"<Window><TreeNode/><Control/></Window>", nullptr, nullptr, &Manager(), &view);
    EXPECT_EQ("TreeViewUI(TreeNodeUI(HorizontalLayoutUI),ControlUI)", Shape(&view));
    EXPECT_EQ(view.GetItemAt(1), first);
  });
}

TEST(ControlClassTable, TakesOnlyTheNamesOfTheFixedTableAndLeavesThePluginsAlone) {
  auto make = []() -> CControlUI* { return new CControlUI; };
  EXPECT_FALSE(SkinUI::CControlClassTable::Register(L"MyWidget", make));
  EXPECT_FALSE(SkinUI::CControlClassTable::Register(L"VerticalLayout", make)) << "built into the builder";
  EXPECT_FALSE(SkinUI::CControlClassTable::Register(L"button", make)) << "names are case-sensitive";
  EXPECT_FALSE(SkinUI::CControlClassTable::Register(L"Button", nullptr));
  EXPECT_EQ(nullptr, SkinUI::CControlClassTable::Create(L"Button"));
  EXPECT_TRUE(SkinUI::CControlClassTable::Register(L"Button", make));
  CControlUI* made = SkinUI::CControlClassTable::Create(L"Button");
  EXPECT_NE(nullptr, made);
  delete made;
  SkinUI::CControlClassTable::Unregister(L"Button");
  EXPECT_EQ(nullptr, SkinUI::CControlClassTable::Create(L"Button"));
  EXPECT_EQ(0, CWindowManagerUI::GetControlPlugins()->GetSize());
}

CControlUI* MakeGadget(LPCTSTR pstrClass) {
  return wcscmp(pstrClass, L"Gadget") == 0 || wcscmp(pstrClass, L"Probe") == 0 ? new CContainerUI : nullptr;
}

TEST_F(Builder, ElementClassesComeFromTheTableThenPluginsThenTheCallback) {
  OnGui([&] {
    ASSERT_TRUE(SkinUI::CControlClassTable::Register(L"Label", [] () -> CControlUI* { return new CContainerUI; }));
    CWindowManagerUI::GetControlPlugins()->Add(reinterpret_cast<LPVOID>(&MakeGadget));
    CControlUI* root = Build(L"<Window><VerticalLayout><Label/><Gadget/><Probe/><Button/></VerticalLayout></Window>",
                             &factory);
    CWindowManagerUI::GetControlPlugins()->RemoveAt(0);
    SkinUI::CControlClassTable::Unregister(L"Label");
    EXPECT_EQ("VerticalLayoutUI(ContainerUI,ContainerUI,ContainerUI)", Shape(root));
    EXPECT_EQ(0, log.created) << "the plug-in made the probe before the callback was asked";
    EXPECT_EQ((std::vector<std::string>{"Button"}), factory.asked);
  });
}

}  // namespace
