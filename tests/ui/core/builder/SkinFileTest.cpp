// Skins read from the skin folder: the same markup from a file and from text,
// "Include" with its count, a skin that includes itself, and the child layout.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "tests/ui/core/support/RenderTestSupport.h"
#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/control/CChildLayoutUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using SkinUI::CContainerUI;
using SkinUI::CControlUI;
using SkinUI::CDialogBuilder;
using SkinUI::CWindowManagerUI;

std::string Shape(CControlUI* control) {
  if (control == nullptr) return "null";
  std::string shape = uitest::Narrow(control->GetClassName());
  auto* container = static_cast<SkinUI::IContainerUI*>(control->GetInterface(L"IContainer"));
  if (container == nullptr || container->GetCount() == 0) return shape;
  shape += "(";
  for (int i = 0; i < container->GetCount(); ++i) shape += (i > 0 ? "," : "") + Shape(container->GetItemAt(i));
  return shape + ")";
}

// A skin folder of its own for each test; the process-wide folder is put back after.
class SkinFolder : public skintest::SkinTest {
 protected:
  void SetUp() override {
    skintest::SkinTest::SetUp();
    folder_ = std::filesystem::temp_directory_path() /
              ("skin-" + std::to_string(::getpid()) + "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
    oldPath_ = CWindowManagerUI::GetResourcePath().GetData();
    const std::wstring path = folder_.wstring() + L"/";
    CWindowManagerUI::SetResourcePath(path.c_str());
  }
  void TearDown() override {
    CWindowManagerUI::SetResourcePath(oldPath_.c_str());
    std::filesystem::remove_all(folder_);
    skintest::SkinTest::TearDown();
  }
  std::wstring PathOf(const char* name) const { return (folder_ / name).wstring(); }
  void Remove(const char* name) { std::filesystem::remove(folder_ / name); }
  // Skins are UTF-8 files; the texts here are ASCII.
  void Write(const char* name, const char* text) { std::ofstream(folder_ / name, std::ios::binary) << text; }
  CControlUI* BuildFile(LPCTSTR name) {
    CDialogBuilder builder;
    CControlUI* root = builder.Create(name, nullptr, nullptr, &Manager());
    if (root != nullptr) Manager().AttachRoot(root);
    return root;
  }

 private:
  std::filesystem::path folder_;
  std::wstring oldPath_;
};

TEST_F(SkinFolder, FileBuildsLikeTheSameMarkupGivenAsText) {
  const char markup[] =
      "\xEF\xBB\xBF<Window size=\"120,90\"><Default name=\"Edit\" value=\"x\"/>"
      "<VerticalLayout><HorizontalLayout><Control/><Control/></HorizontalLayout><TileLayout/></VerticalLayout>"
      "</Window>";
  Write("same.xml", markup);
  OnGui([&] {
    const std::string fromFile = Shape(BuildFile(L"same.xml"));
    EXPECT_EQ("VerticalLayoutUI(HorizontalLayoutUI(ControlUI,ControlUI),TileLayoutUI)", fromFile);
    EXPECT_EQ(120, Manager().GetInitSize().cx);
    EXPECT_STREQ(L"x", Manager().GetDefaultAttributeList(L"Edit"));
    CDialogBuilder builder;
    std::wstring text;
    for (const char* p = markup + 3; *p != '\0'; ++p) text.push_back(wchar_t(*p));
    CControlUI* fromText = builder.Create(text.c_str(), nullptr, nullptr, &Manager());
    EXPECT_EQ(fromFile, Shape(fromText));
    delete fromText;
  });
}

TEST_F(SkinFolder, MissingOrEmptyFileBuildsNothing) {
  Write("empty.xml", "");
  OnGui([&] {
    EXPECT_EQ(nullptr, BuildFile(L"absent.xml"));
    EXPECT_EQ(nullptr, BuildFile(L"empty.xml"));
  });
}

TEST_F(SkinFolder, ImagesAreLoadedOnlyFromDirectlyUnderTheRoot) {
  const std::vector<DWORD> pixels(4, 0xFF00FF00);
  ASSERT_TRUE(rendertest::WritePng(PathOf("dot.png"), 2, 2, pixels));
  ASSERT_TRUE(rendertest::WritePng(PathOf("nested.png"), 2, 2, pixels));
  OnGui([&] {
    ASSERT_NE(nullptr, Load(L"<Window><Image name=\"dot.png\" mask=\"#FF00FF00\"/><Image mask=\"#FF000000\"/>"
                            L"<VerticalLayout><Image name=\"nested.png\"/></VerticalLayout></Window>"));
    // With the files gone, only what the build put in the cache can be had.
    Remove("dot.png");
    Remove("nested.png");
    const SkinUI::UIImageRecord* dot = Manager().GetImageEx(L"dot.png");
    ASSERT_NE(nullptr, dot);
    EXPECT_EQ(2, dot->nWidth);
    EXPECT_EQ(0xFF00FF00u, dot->dwMask);
    EXPECT_EQ(nullptr, Manager().GetImageEx(L"nested.png"));
  });
}

TEST_F(SkinFolder, IncludeAddsItsControlsCountTimesAndRegistersItsResources) {
  Write("row.xml", "<Window><Default name=\"Edit\" value=\"z\"/><Control/><TileLayout/></Window>");
  OnGui([&] {
    CControlUI* root = BuildFile(nullptr);
    EXPECT_EQ(nullptr, root);
    CDialogBuilder builder;
    root = builder.Create(
        L"<Window><VerticalLayout><Include source=\"row.xml\" count=\"3\"/><Include source=\"row.xml\" count=\"0\"/>"
        L"<Include source=\"row.xml\" count=\"-2\"/><Include count=\"2\"/><Include/><Include source=\"none.xml\"/>"
        L"<HorizontalLayout/></VerticalLayout></Window>",
        nullptr, nullptr, &Manager());
    EXPECT_EQ(
        "VerticalLayoutUI(ControlUI,TileLayoutUI,ControlUI,TileLayoutUI,ControlUI,TileLayoutUI,HorizontalLayoutUI)",
        Shape(root));
    EXPECT_STREQ(L"z", Manager().GetDefaultAttributeList(L"Edit"));
    delete root;
  });
}

TEST_F(SkinFolder, IncludedControlsNeverBecomeTheRoot) {
  Write("row.xml", "<Window><Control/></Window>");
  OnGui([&] {
    CDialogBuilder builder;
    CControlUI* root =
        builder.Create(L"<Window><Include source=\"row.xml\"/><TabLayout/></Window>", nullptr, nullptr, &Manager());
    EXPECT_EQ("TabLayoutUI", Shape(root));
    delete root;
  });
}

TEST_F(SkinFolder, SkinThatIncludesItselfStopsAtTheNestingLimit) {
  Write("loop.xml", "<Window><VerticalLayout><Include source=\"loop.xml\"/></VerticalLayout></Window>");
  OnGui([&] {
    CControlUI* root = BuildFile(L"loop.xml");
    int depth = 0;
    for (CControlUI* level = root; level != nullptr; level = static_cast<CContainerUI*>(level)->GetItemAt(0)) {
      ++depth;
    }
    EXPECT_EQ(int(CDialogBuilder::MAX_NESTING), depth);
  });
}

// Skins an "Include" chains together count as one: an included skin that would go
// deeper than a skin may is refused, and what includes it is built without it.
TEST_F(SkinFolder, AnIncludedSkinTooDeepUnderItsPlaceIsLeftOut) {
  std::string deep = "<Window>";
  for (int i = 0; i < 200; ++i) deep += "<Container>";
  for (int i = 0; i < 200; ++i) deep += "</Container>";
  deep += "</Window>";
  Write("deep.xml", deep.c_str());
  std::wstring skin = L"<Window>";
  for (int i = 0; i < 100; ++i) skin += L"<VerticalLayout>";
  skin += L"<Include source=\"deep.xml\"/><Control/>";
  for (int i = 0; i < 100; ++i) skin += L"</VerticalLayout>";
  skin += L"</Window>";
  OnGui([&] {
    CControlUI* root = BuildFile(skin.c_str());
    ASSERT_NE(nullptr, root);
    CControlUI* innermost = root;
    int depth = 1;
    for (auto* level = static_cast<SkinUI::IContainerUI*>(innermost->GetInterface(L"IContainer"));
         level != nullptr && level->GetCount() > 0;
         level = static_cast<SkinUI::IContainerUI*>(innermost->GetInterface(L"IContainer"))) {
      innermost = level->GetItemAt(0);
      ++depth;
    }
    EXPECT_EQ(101, depth) << "the layouts and the control after the include, nothing of deep.xml";
    EXPECT_STREQ(L"ControlUI", innermost->GetClassName());

    CDialogBuilder alone;
    CControlUI* whole = alone.Create(L"deep.xml", nullptr, nullptr, &Manager());
    EXPECT_NE(nullptr, whole) << "the same skin on its own is within the limit";
    delete whole;
  });
}

TEST_F(SkinFolder, ChildLayoutBuildsItsFileAtEveryInitialisation) {
  Write("child.xml", "<Window><HorizontalLayout><Control/></HorizontalLayout></Window>");
  OnGui([&] {
    auto* root = static_cast<CContainerUI*>(Load(
        L"<Window><VerticalLayout><ChildLayout xmlfile=\"child.xml\"/><ChildLayout xmlfile=\"none.xml\"/>"
        L"<ChildLayout><Control/></ChildLayout></VerticalLayout></Window>"));
    ASSERT_NE(nullptr, root);
    EXPECT_EQ("VerticalLayoutUI(ChildLayoutUI,ChildLayoutUI,ChildLayoutUI)", Shape(root));
    auto* child = static_cast<CContainerUI*>(root->GetItemAt(0));
    EXPECT_EQ(nullptr, child->GetInterface(L"IContainer"));
    EXPECT_EQ(child, child->GetInterface(L"ChildLayout"));
    ASSERT_EQ(1, child->GetCount());
    EXPECT_EQ("HorizontalLayoutUI(ControlUI)", Shape(child->GetItemAt(0)));
    EXPECT_EQ(0, static_cast<CContainerUI*>(root->GetItemAt(1))->GetCount());
    EXPECT_EQ(0, static_cast<CContainerUI*>(root->GetItemAt(2))->GetCount())
        << "a child layout cannot take child elements";

    Manager().InitControls(child, root);
    EXPECT_EQ(2, child->GetCount());
  });
}

TEST_F(SkinFolder, ChildLayoutOfItsOwnFileStopsAtTheNestingLimit) {
  Write("self.xml", "<Window><ChildLayout xmlfile=\"self.xml\"/></Window>");
  OnGui([&] {
    // A root is initialised without a parent, which builds nothing: the layout sits
    // inside another.
    CControlUI* root = Load(L"<Window><VerticalLayout><ChildLayout xmlfile=\"self.xml\"/></VerticalLayout></Window>");
    int depth = -1;
    for (CControlUI* level = root; level != nullptr; level = static_cast<CContainerUI*>(level)->GetItemAt(0)) {
      ++depth;
    }
    EXPECT_EQ(int(CDialogBuilder::MAX_NESTING) + 1, depth);
  });
}

}  // namespace
