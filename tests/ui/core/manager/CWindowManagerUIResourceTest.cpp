// A window's shared resources: fonts, the image cache, default attribute lists,
// option groups, default colours and the resource parent that pop-ups borrow from;
// and the framework's process-wide settings.
#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/RenderTestSupport.h"
#include "tests/ui/core/support/UiTestSupport.h"

namespace {

using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CWindowManagerUI;
using SkinUI::UIFontRecord;
using uitest::Host;
using uitest::LogControl;

class ResourceTest : public ::testing::Test {
 protected:
  // Runs a check on the GUI thread with an attached window (owner) and a pop-up
  // manager that may borrow from it.
  void Run(const std::function<void(Host& owner, Host& popup)>& check) {
    gui.Call([&] {
      Host owner;
      Host popup(RECT{10, 10, 60, 60});
      check(owner, popup);
      popup.DropManager();
    });
  }

  TestDriver driver;
  GuiThread gui;
};

LONG Weight(HFONT font) {
  LOGFONTW lf = {};
  GetObjectW(font, sizeof(lf), &lf);
  return lf.lfWeight;
}

TEST_F(ResourceTest, TheDefaultFontIsTheStockGuiFont) {
  Run([](Host& owner, Host&) {
    const UIFontRecord* info = owner.Manager().GetDefaultFontInfo();
    EXPECT_EQ(info->sFontName, L"宋体");
    EXPECT_EQ(info->iSize, 12);
    EXPECT_FALSE(info->bBold);
    EXPECT_EQ(info->tm.tmHeight, 12) << "measured in the window's DC";
  });
}

TEST_F(ResourceTest, FontsAreListedInTheOrderAddedAndMeasuredInTheWindowDc) {
  Run([](Host& owner, Host&) {
    CWindowManagerUI& m = owner.Manager();
    HFONT f0 = m.AddFont(L"宋体", 12, false, false, false);
    HFONT f1 = m.AddFont(L"微软雅黑", 16, true, false, false);
    ASSERT_NE(f0, nullptr);
    ASSERT_NE(f1, nullptr);
    EXPECT_EQ(m.GetFont(0), f0);
    EXPECT_EQ(m.GetFont(1), f1);
    EXPECT_EQ(m.GetFontInfo(1)->iSize, 16);
    EXPECT_TRUE(m.GetFontInfo(1)->bBold);
    EXPECT_GT(m.GetFontInfo(1)->tm.tmHeight, 0);
    EXPECT_EQ(Weight(f1), 400 + 700) << "bold raises the stock weight by 700";
    EXPECT_EQ(Weight(f0), 400);
  });
}

TEST_F(ResourceTest, AFontAddedBeforeTheWindowIsMeasuredOnFirstUse) {
  gui.Call([] {
    Host owner;
    CWindowManagerUI early;
    early.AddFont(L"宋体", 14, false, false, false);
    EXPECT_EQ(early.GetFontInfo(0)->tm.tmHeight, 0) << "no DC to measure in";
    early.Init(owner.Window());
    EXPECT_EQ(early.GetFontInfo(0)->tm.tmHeight, 14);
  });
}

TEST_F(ResourceTest, ALongFaceNameIsCutInTheLogFontButKeptInTheRecord) {
  Run([](Host& owner, Host&) {
    const std::wstring face(40, L'x');
    HFONT font = owner.Manager().AddFont(face.c_str(), 12, false, false, false);
    ASSERT_NE(font, nullptr);
    LOGFONTW lf = {};
    GetObjectW(font, sizeof(lf), &lf);
    EXPECT_EQ(wcslen(lf.lfFaceName), size_t(LF_FACESIZE - 1));
    EXPECT_EQ(owner.Manager().GetFontInfo(0)->sFontName.GetLength(), 40);
  });
}

struct FontIndexCase {
  const char* scenario;
  int index;
  bool withParent;
  const char* expected;  // "own0", "own1", "parent2", "default", "parentDefault"
};

class FontByIndex : public ResourceTest, public ::testing::WithParamInterface<FontIndexCase> {};

TEST_P(FontByIndex, OutsideTheListAsksTheParentThenTheDefault) {
  const FontIndexCase& c = GetParam();
  Run([&](Host& owner, Host& popup) {
    CWindowManagerUI& parent = owner.Manager();
    CWindowManagerUI& m = popup.Manager();
    std::map<std::string, HFONT> fonts;
    fonts["parent0"] = parent.AddFont(L"宋体", 10, false, false, false);
    fonts["parent1"] = parent.AddFont(L"宋体", 11, false, false, false);
    fonts["parent2"] = parent.AddFont(L"宋体", 13, false, false, false);
    fonts["own0"] = m.AddFont(L"宋体", 20, false, false, false);
    fonts["own1"] = m.AddFont(L"宋体", 21, false, false, false);
    fonts["default"] = m.GetDefaultFontInfo()->hFont;
    fonts["parentDefault"] = parent.GetDefaultFontInfo()->hFont;
    if (c.withParent) {
      ASSERT_TRUE(m.SetResourceParent(&parent));
    }
    EXPECT_EQ(m.GetFont(c.index), fonts[c.expected]) << c.scenario;
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, FontByIndex,
    ::testing::Values(FontIndexCase{"inside the list", 1, true, "own1"},
                      FontIndexCase{"-1 without parent", -1, false, "default"},
                      FontIndexCase{"the count without parent", 2, false, "default"},
                      FontIndexCase{"the count with a parent holding that index", 2, true, "parent2"},
                      FontIndexCase{"beyond the parent's list too", 5, true, "parentDefault"}),
    [](const ::testing::TestParamInfo<FontIndexCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ResourceTest, FontRecordsFollowTheirOwnParentRules) {
  Run([](Host& owner, Host& popup) {
    CWindowManagerUI& parent = owner.Manager();
    CWindowManagerUI& m = popup.Manager();
    HFONT parentFont = parent.AddFont(L"宋体", 13, false, true, false);
    HFONT ownFont = m.AddFont(L"宋体", 20, false, false, true);
    ASSERT_TRUE(m.SetResourceParent(&parent));

    // By index: outside the list it is the default record, never the parent's index.
    EXPECT_EQ(m.GetFontInfo(7), parent.GetDefaultFontInfo()) << "the parent's default wins";
    EXPECT_EQ(m.GetFontInfo(0)->hFont, ownFont);
    // By handle: own, then the parent's, then the default.
    EXPECT_EQ(m.GetFontInfoByHandle(ownFont)->hFont, ownFont);
    EXPECT_EQ(m.GetFontInfoByHandle(parentFont)->hFont, parentFont);
    EXPECT_EQ(m.GetFontInfoByHandle(nullptr), parent.GetDefaultFontInfo());
    // By description: exact face, size and styles, then the parent's, else none.
    EXPECT_EQ(m.FindFont(L"宋体", 20, false, false, true), ownFont);
    EXPECT_EQ(m.FindFont(L"宋体", 13, false, true, false), parentFont);
    EXPECT_EQ(m.FindFont(L"宋体", 20, false, false, false), nullptr);
    EXPECT_EQ(m.FindFont(L"Tahoma", 20, false, false, true), nullptr);
  });
}

TEST_F(ResourceTest, ADefaultFontReplacesTheStockOne) {
  Run([](Host& owner, Host&) {
    CWindowManagerUI& m = owner.Manager();
    HFONT stock = m.GetDefaultFontInfo()->hFont;
    m.SetDefaultFont(L"宋体", 18, true, false, false);
    const UIFontRecord* info = m.GetDefaultFontInfo();
    EXPECT_NE(info->hFont, stock);
    EXPECT_EQ(info->sFontName, L"宋体");
    EXPECT_TRUE(info->bBold);
    EXPECT_EQ(info->iSize, 18);
    EXPECT_EQ(info->tm.tmHeight, 18) << "measured again";
    EXPECT_EQ(m.GetFont(0), info->hFont) << "an empty list answers the default";
    EXPECT_EQ(GetObjectType(stock), 0u) << "the old font is deleted";
  });
}

struct ColourCase {
  const char* scenario;
  DWORD (CWindowManagerUI::*get)() const;
  void (CWindowManagerUI::*set)(DWORD);
  DWORD start;
};

class DefaultColours : public ResourceTest, public ::testing::WithParamInterface<ColourCase> {};

TEST_P(DefaultColours, StartValuesAndTheParentsColourWinsOutright) {
  const ColourCase& c = GetParam();
  Run([&](Host& owner, Host& popup) {
    CWindowManagerUI& parent = owner.Manager();
    CWindowManagerUI& m = popup.Manager();
    EXPECT_EQ((m.*c.get)(), c.start) << c.scenario;
    (m.*c.set)(0xFF123456);
    EXPECT_EQ((m.*c.get)(), 0xFF123456u);
    ASSERT_TRUE(m.SetResourceParent(&parent));
    EXPECT_EQ((m.*c.get)(), c.start) << "the parent's, although this manager set its own";
    (parent.*c.set)(0xFF654321);
    EXPECT_EQ((m.*c.get)(), 0xFF654321u);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultColours,
    ::testing::Values(ColourCase{"disabled text", &CWindowManagerUI::GetDefaultDisabledColor,
                                 &CWindowManagerUI::SetDefaultDisabledColor, 0xFFA7A6AA},
                      ColourCase{"text", &CWindowManagerUI::GetDefaultFontColor,
                                 &CWindowManagerUI::SetDefaultFontColor, 0xFF000001},
                      ColourCase{"link", &CWindowManagerUI::GetDefaultLinkFontColor,
                                 &CWindowManagerUI::SetDefaultLinkFontColor, 0xFF0000FF},
                      ColourCase{"link hover", &CWindowManagerUI::GetDefaultLinkHoverFontColor,
                                 &CWindowManagerUI::SetDefaultLinkHoverFontColor, 0xFFD3215F},
                      ColourCase{"selected background", &CWindowManagerUI::GetDefaultSelectedBkColor,
                                 &CWindowManagerUI::SetDefaultSelectedBkColor, 0xFFBAE4FF}),
    [](const ::testing::TestParamInfo<ColourCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(ResourceTest, AResourceParentMustNotCloseACycle) {
  gui.Call([] {
    CWindowManagerUI a, b, c;
    EXPECT_FALSE(a.SetResourceParent(&a));
    EXPECT_TRUE(a.SetResourceParent(&b));
    EXPECT_TRUE(b.SetResourceParent(&c));
    EXPECT_FALSE(c.SetResourceParent(&a)) << "c > a > b > c";
    EXPECT_EQ(c.GetResourceParent(), nullptr);
    EXPECT_TRUE(a.SetResourceParent(nullptr));
    EXPECT_TRUE(c.SetResourceParent(&a));
  });
}

TEST_F(ResourceTest, TheFirstDefaultAttributeListOfANameWins) {
  Run([](Host& owner, Host& popup) {
    CWindowManagerUI& parent = owner.Manager();
    CWindowManagerUI& m = popup.Manager();
    m.AddDefaultAttributeList(L"Button", L"width=\"10\"");
    m.AddDefaultAttributeList(L"Button", L"width=\"20\"");
    parent.AddDefaultAttributeList(L"Button", L"width=\"30\"");
    parent.AddDefaultAttributeList(L"Edit", L"height=\"5\"");
    EXPECT_STREQ(m.GetDefaultAttributeList(L"Button"), L"width=\"10\"");
    EXPECT_EQ(m.GetDefaultAttributeList(L"Edit"), nullptr);
    ASSERT_TRUE(m.SetResourceParent(&parent));
    EXPECT_STREQ(m.GetDefaultAttributeList(L"Button"), L"width=\"10\"") << "its own first";
    EXPECT_STREQ(m.GetDefaultAttributeList(L"Edit"), L"height=\"5\"") << "then the parent's";
    EXPECT_EQ(m.GetDefaultAttributeList(L"button"), nullptr) << "names are exact";
  });
}

TEST_F(ResourceTest, OptionGroupsHoldEachOptionOnceAndVanishWhenEmptied) {
  Run([](Host& owner, Host&) {
    CWindowManagerUI& m = owner.Manager();
    LogControl one(nullptr, L"one"), two(nullptr, L"two");
    EXPECT_EQ(m.GetOptionGroup(L"tabs"), nullptr);
    EXPECT_TRUE(m.AddOptionGroup(L"tabs", &one));
    EXPECT_TRUE(m.AddOptionGroup(L"tabs", &two));
    EXPECT_FALSE(m.AddOptionGroup(L"tabs", &one));
    SkinUI::CUIPtrArray* group = m.GetOptionGroup(L"tabs");
    ASSERT_NE(group, nullptr);
    ASSERT_EQ(group->GetSize(), 2);
    EXPECT_EQ(group->GetAt(0), &one);
    EXPECT_EQ(group->GetAt(1), &two);
    m.RemoveOptionGroup(L"tabs", &one);
    m.RemoveOptionGroup(L"other", &two);
    EXPECT_EQ(m.GetOptionGroup(L"tabs")->GetSize(), 1);
    m.RemoveOptionGroup(L"tabs", &two);
    EXPECT_EQ(m.GetOptionGroup(L"tabs"), nullptr);
  });
}

// What the cache does before pictures can be decoded: nothing it cannot load is
// kept, so every later request tries again.
TEST_F(ResourceTest, TheImageCacheKeepsNothingItCannotLoad) {
  Run([](Host& owner, Host& popup) {
    CWindowManagerUI& m = owner.Manager();
    EXPECT_EQ(m.AddImage(L"missing.png"), nullptr);
    EXPECT_EQ(m.GetImageEx(L"missing.png"), nullptr);
    EXPECT_EQ(m.AddImage(L"png12", L"PNG"), nullptr) << "a typed name must start with its number";
    EXPECT_EQ(m.AddImage(L"", nullptr), nullptr);
    ASSERT_TRUE(popup.Manager().SetResourceParent(&m));
    EXPECT_EQ(popup.Manager().GetImageEx(L"missing.png"), nullptr);
  });
}

// The cache owns what it loaded: the first picture of a name stays, a second is
// refused and freed, and removing the images deletes their bitmaps.
TEST_F(ResourceTest, TheImageCacheKeepsTheFirstPictureOfANameAndDeletesWhatItHeld) {
  rendertest::TempDir folder;
  const std::wstring dot = folder.File(L"dot.png");
  const std::wstring bar = folder.File(L"bar.png");
  ASSERT_TRUE(rendertest::WritePng(dot, 2, 2, std::vector<DWORD>(4, 0xFF0000FF)));
  ASSERT_TRUE(rendertest::WritePng(bar, 4, 1, std::vector<DWORD>(4, 0xFF00FF00)));
  Run([&](Host& owner, Host&) {
    CWindowManagerUI& m = owner.Manager();
    const SkinUI::UIImageRecord* first = m.AddImage(dot.c_str());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(m.AddImage(dot.c_str(), nullptr, 0xFF0000FF), nullptr) << "a second picture of the name";
    EXPECT_EQ(m.GetImageEx(dot.c_str()), first);
    EXPECT_EQ(first->dwMask, 0u) << "the first as it was loaded";
    const SkinUI::UIImageRecord* loadedOnRequest = m.GetImageEx(bar.c_str());
    ASSERT_NE(loadedOnRequest, nullptr);
    EXPECT_EQ(loadedOnRequest->nWidth, 4);
    EXPECT_EQ(m.GetImageEx(bar.c_str()), loadedOnRequest);

    const HBITMAP bitmaps[] = {first->hBitmap, loadedOnRequest->hBitmap};
    m.RemoveAllImages();
    for (HBITMAP bitmap : bitmaps) EXPECT_EQ(GetObjectType(bitmap), 0u);
    const SkinUI::UIImageRecord* again = m.GetImageEx(dot.c_str());
    ASSERT_NE(again, nullptr) << "loaded anew";
    EXPECT_NE(GetObjectType(again->hBitmap), 0u);
  });
}

TEST_F(ResourceTest, RemovingTheFontsDeletesThemAndLeavesTheDefault) {
  Run([](Host& owner, Host&) {
    CWindowManagerUI& m = owner.Manager();
    const HFONT fonts[] = {m.AddFont(L"宋体", 12, false, false, false), m.AddFont(L"宋体", 14, true, false, false)};
    for (HFONT font : fonts) ASSERT_NE(GetObjectType(font), 0u);
    m.RemoveAllFonts();
    for (HFONT font : fonts) EXPECT_EQ(GetObjectType(font), 0u);
    EXPECT_EQ(m.GetFont(0), m.GetDefaultFontInfo()->hFont);
    EXPECT_EQ(m.FindFont(L"宋体", 12, false, false, false), nullptr);
  });
}

TEST_F(ResourceTest, FreeingAnImageRecordDeletesItsBitmap) {
  gui.Call([] {
    BITMAPINFO bmi = {};
    bmi.bmiHeader.biSize = sizeof(bmi.bmiHeader);
    bmi.bmiHeader.biWidth = 4;
    bmi.bmiHeader.biHeight = -4;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    auto* record = new SkinUI::UIImageRecord();
    record->hBitmap = CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
    ASSERT_NE(record->hBitmap, nullptr);
    HBITMAP bitmap = record->hBitmap;
    CWindowManagerUI::FreeImageRecord(record);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
    CWindowManagerUI::FreeImageRecord(new SkinUI::UIImageRecord());
    CWindowManagerUI::FreeImageRecord(nullptr);
  });
}

struct PathCase {
  const char* given;
  const wchar_t* path;
  const wchar_t* expected;
};

class ResourcePath : public ::testing::TestWithParam<PathCase> {};

TEST_P(ResourcePath, EndsWithASeparatorUnlessEmpty) {
  const PathCase& c = GetParam();
  const SkinUI::CUIString saved = CWindowManagerUI::GetResourcePath();
  CWindowManagerUI::SetResourcePath(c.path);
  EXPECT_EQ(CWindowManagerUI::GetResourcePath(), c.expected) << c.given;
  CWindowManagerUI::SetResourcePath(saved);
}

INSTANTIATE_TEST_SUITE_P(Table, ResourcePath,
                         ::testing::Values(PathCase{"empty", L"", L""},
                                           PathCase{"no separator", L"C:\\app\\skin", L"C:\\app\\skin\\"},
                                           PathCase{"a backslash", L"C:\\app\\skin\\", L"C:\\app\\skin\\"},
                                           PathCase{"a slash", L"/opt/app/./skin/", L"/opt/app/./skin/"}),
                         [](const ::testing::TestParamInfo<PathCase>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST(ProcessSettings, TheInstanceGivesTheProgramsFolder) {
  TestDriver driver;
  uitest::EnsureInstance();
  EXPECT_EQ(CWindowManagerUI::GetInstance(), GetModuleHandleW(nullptr));
  EXPECT_EQ(CWindowManagerUI::GetResourceInstance(), GetModuleHandleW(nullptr));
  wchar_t exe[4096] = {};
  GetModuleFileNameW(nullptr, exe, 4096);
  const std::wstring folder = CWindowManagerUI::GetInstancePath().GetData();
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(std::wstring(exe).compare(0, folder.size(), folder), 0) << "a prefix of the program's path";
  EXPECT_TRUE(folder.back() == L'/' || folder.back() == L'\\');
  EXPECT_EQ(std::wstring(exe).find_first_of(L"/\\", folder.size()), std::wstring::npos) << "only the name is left";
  // The shadow's class is registered once for the process.
  EXPECT_FALSE(SkinUI::CShadowUI::RegisterShadowClass(GetModuleHandleW(nullptr)));
  EXPECT_EQ(CWindowManagerUI::GetResourceZip().GetLength(), 0);
  EXPECT_FALSE(CWindowManagerUI::IsCachedResourceZip());
  EXPECT_EQ(CWindowManagerUI::GetResourceZipHandle(), nullptr);
  EXPECT_EQ(CWindowManagerUI::GetControlPlugins()->GetSize(), 0);
  short h = 0, s = 0, l = 0;
  CWindowManagerUI::GetHSL(&h, &s, &l);
  EXPECT_EQ(h, 180);
  EXPECT_EQ(s, 100);
  EXPECT_EQ(l, 100);
}

}  // namespace
