// Image descriptions: parsing into fields, replacing and modifying, one load attempt
// per description, and drawing relative to a control's rectangle.
#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>

#include "tests/ui/core/support/RenderTestSupport.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CImageAttribute.h"
#include "ui/core/render/CSkinRenderer.h"
#include "testing/base/RectValues.h"

namespace {

using rendertest::Canvas;
using rendertest::TempDir;
using rendertest::WritePng;
using SkinUI::CImageAttribute;
using SkinUI::CSkinRenderer;
using SkinUI::CWindowManagerUI;

struct ParseCase {
  const char* name;
  const wchar_t* text;
  const wchar_t* file;
  const wchar_t* resType;
  RECT dest, source, corner;
  DWORD mask;
  BYTE fade;
  bool hole, tiledX, tiledY;
};

constexpr RECT kZero = {0, 0, 0, 0};

class ImageDescriptionParse : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ImageDescriptionParse, FillsTheFields) {
  const ParseCase& c = GetParam();
  CImageAttribute image;
  image.SetAttributeString(c.text);
  EXPECT_EQ(image.GetAttributeString(), c.text);
  EXPECT_EQ(image.GetFile(), c.file);
  EXPECT_EQ(image.GetResType(), c.resType);
  EXPECT_EQ(image.GetDest(), c.dest);
  EXPECT_EQ(image.GetSource(), c.source);
  EXPECT_EQ(image.GetCorner(), c.corner);
  EXPECT_EQ(image.GetMask(), c.mask);
  EXPECT_EQ(image.GetFade(), c.fade);
  EXPECT_EQ(image.IsHole(), c.hole);
  EXPECT_EQ(image.IsTiledX(), c.tiledX);
  EXPECT_EQ(image.IsTiledY(), c.tiledY);
  EXPECT_TRUE(image.IsUsable());
  EXPECT_EQ(image.GetImageInfo(), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageDescriptionParse,
    ::testing::Values(
        ParseCase{"BareNameIsTheFile", L"sub/btn.png", L"sub/btn.png", L"", kZero, kZero, kZero, 0, 255, false, false,
                  false},
        ParseCase{"EveryKey",
                  L"file='a.png' restype='PNG' dest='1,2,3,4' source='5,6,7,8' corner='1,1,2,2' mask='#FFFF00FF' "
                  L"fade='128' hole='true' xtiled='true' ytiled='false'",
                  L"a.png",
                  L"PNG",
                  {1, 2, 3, 4},
                  {5, 6, 7, 8},
                  {1, 1, 2, 2},
                  0xFFFF00FF,
                  128,
                  true,
                  true,
                  false},
        ParseCase{"ResIsTheFileToo", L"res='12' restype='PNG'", L"12", L"PNG", kZero, kZero, kZero, 0, 255, false,
                  false, false},
        ParseCase{"PairsWithoutFileKeepTheWholeText",
                  L"dest='1,2,3,4'",
                  L"dest='1,2,3,4'",
                  L"",
                  {1, 2, 3, 4},
                  kZero,
                  kZero,
                  0,
                  255,
                  false,
                  false,
                  false},
        ParseCase{"ALineBreakEndsTheList", L"file='a.png'\ndest='1,2,3,4'", L"a.png", L"", kZero, kZero, kZero, 0, 255,
                  false, false, false},
        ParseCase{"MoreBlanksAfterTheFirstAreSkipped",
                  L"file='a.png'   dest='1,2,3,4'",
                  L"a.png",
                  L"",
                  {1, 2, 3, 4},
                  kZero,
                  kZero,
                  0,
                  255,
                  false,
                  false,
                  false},
        ParseCase{"BlanksAroundTheEqualsSign", L"file = 'a.png' fade =  '7'", L"a.png", L"", kZero, kZero, kZero, 0, 7,
                  false, false, false},
        ParseCase{"FadeKeepsItsLowByte", L"file='a.png' fade='300'", L"a.png", L"", kZero, kZero, kZero, 0, 44, false,
                  false, false},
        ParseCase{"FlagsAreOnOnlyForExactlyTrue", L"file='a.png' hole='True' xtiled='1' ytiled='true '", L"a.png", L"",
                  kZero, kZero, kZero, 0, 255, false, false, false},
        ParseCase{"AnEmptyValueChangesNothing", L"file='a.png' file='' dest=''", L"a.png", L"", kZero, kZero, kZero, 0,
                  255, false, false, false},
        ParseCase{"UnknownKeysAreIgnored", L"size='3' file='b.png'", L"b.png", L"", kZero, kZero, kZero, 0, 255, false,
                  false, false},
        ParseCase{"AnUnclosedValueIsNotApplied",
                  L"dest='1,2,3,4' file='a.png",
                  L"dest='1,2,3,4' file='a.png",
                  L"",
                  {1, 2, 3, 4},
                  kZero,
                  kZero,
                  0,
                  255,
                  false,
                  false,
                  false},
        ParseCase{"AMaskWithoutHashOrAlpha", L"file='a.png' mask='FF00FF'", L"a.png", L"", kZero, kZero, kZero,
                  0x00FF00FF, 255, false, false, false},
        ParseCase{"ShortNumberListsEndAtTheText",
                  L"file='a.png' dest='1,2' corner='7'",
                  L"a.png",
                  L"",
                  {1, 2, 0, 0},
                  kZero,
                  {7, 0, 0, 0},
                  0,
                  255,
                  false,
                  false,
                  false},
        ParseCase{"NegativeAndSignedNumbers",
                  L"file='a.png' dest='-5,+6,-7,8'",
                  L"a.png",
                  L"",
                  {-5, 6, -7, 8},
                  kZero,
                  kZero,
                  0,
                  255,
                  false,
                  false,
                  false}),
    [](const ::testing::TestParamInfo<ParseCase>& info) { return info.param.name; });

TEST(ImageDescription, ModifyingParsesOverTheFieldsAndKeepsTheText) {
  CImageAttribute image;
  image.SetAttributeString(L"file='strip.png' dest='0,0,10,10' fade='100'");
  image.ModifyAttribute(L"dest='10,0,20,10' source='5,0,10,5'");
  EXPECT_EQ(image.GetFile(), L"strip.png");
  EXPECT_EQ(image.GetFade(), 100);
  EXPECT_EQ(image.GetDest(), (RECT{10, 0, 20, 10}));
  EXPECT_EQ(image.GetSource(), (RECT{5, 0, 10, 5}));
  EXPECT_EQ(image.GetAttributeString(), L"file='strip.png' dest='0,0,10,10' fade='100'");

  image.SetAttributeString(L"file='strip.png' dest='0,0,10,10' fade='100'");
  EXPECT_EQ(image.GetDest(), (RECT{10, 0, 20, 10})) << "the same text again changes nothing";
  image.SetAttributeString(L"other.png");
  EXPECT_EQ(image.GetDest(), kZero) << "a new text starts from a clean description";
  EXPECT_EQ(image.GetFade(), 255);
  image.ModifyAttribute(nullptr);
  EXPECT_EQ(image.GetFile(), L"other.png");
}

TEST(ImageDescription, CopiesCarryEveryField) {
  CImageAttribute image;
  image.SetAttributeString(L"file='a.png' corner='1,2,3,4' mask='#FF00FF00' hole='true'");
  CImageAttribute copy(image);
  CImageAttribute assigned;
  assigned.Assign(image);
  for (const CImageAttribute* other : {&copy, &assigned}) {
    EXPECT_EQ(other->GetAttributeString(), image.GetAttributeString());
    EXPECT_EQ(other->GetFile(), L"a.png");
    EXPECT_EQ(other->GetCorner(), (RECT{1, 2, 3, 4}));
    EXPECT_EQ(other->GetMask(), 0xFF00FF00u);
    EXPECT_TRUE(other->IsHole());
  }
  image.Clear();
  EXPECT_TRUE(image.GetFile().IsEmpty());
  EXPECT_FALSE(image.IsUsable()) << "an empty description is not usable";
}

TEST(ImageDescription, AnEmptyTextOrAnEmptyCopyReturnsEveryFieldToItsStart) {
  const wchar_t* const full = L"file='a.png' restype='PNG' dest='1,1,2,2' corner='1,2,3,4' fade='7' xtiled='true'";
  const std::function<void(CImageAttribute&)> emptyings[] = {
      [](CImageAttribute& image) { image.SetAttributeString(L""); },
      [](CImageAttribute& image) { image.SetAttributeString(nullptr); },
      [](CImageAttribute& image) { image.Assign(CImageAttribute()); },
      [](CImageAttribute& image) { image = CImageAttribute(); },
  };
  for (size_t i = 0; i < std::size(emptyings); ++i) {
    SCOPED_TRACE(i);
    CImageAttribute image;
    image.SetAttributeString(full);
    emptyings[i](image);
    EXPECT_TRUE(image.GetAttributeString().IsEmpty());
    EXPECT_TRUE(image.GetFile().IsEmpty());
    EXPECT_TRUE(image.GetResType().IsEmpty());
    EXPECT_EQ(image.GetDest(), kZero);
    EXPECT_EQ(image.GetCorner(), kZero);
    EXPECT_EQ(image.GetFade(), 255);
    EXPECT_FALSE(image.IsTiledX());
    EXPECT_EQ(image.GetImageInfo(), nullptr);
    image.SetAttributeString(full);
    EXPECT_EQ(image.GetFade(), 7) << "the same text parses again after the emptying";
  }
  CImageAttribute untouched;
  untouched.SetDest(RECT{3, 4, 5, 6});
  EXPECT_EQ(untouched.GetDest(), (RECT{3, 4, 5, 6})) << "a field set without a text is kept";
  EXPECT_TRUE(untouched.GetAttributeString().IsEmpty());
}

// The window manager loads pictures through its image cache; until that cache is
// wired to the loader nothing can load, and the tests that need a picture say so.
bool ManagerLoadsPictures(const std::wstring& path) {
  SkinUI::UIImageRecord* record = CWindowManagerUI::LoadImageData(path.c_str());
  if (record == nullptr) return false;
  CWindowManagerUI::FreeImageRecord(record);
  return true;
}

class ImageLoading : public ::testing::Test {
 protected:
  void SetUp() override {
    savedPath_ = CWindowManagerUI::GetResourcePath();
    CWindowManagerUI::SetResourcePath(dir_.Path().c_str());
  }
  void TearDown() override { CWindowManagerUI::SetResourcePath(savedPath_); }

  // A picture in the skin folder, solid in one straight ARGB colour.
  void WriteSolid(const std::wstring& name, int width, int height, DWORD argb) {
    ASSERT_TRUE(WritePng(dir_.File(name), width, height, std::vector<DWORD>(size_t(width * height), argb)));
  }
  bool Wired() {
    WriteSolid(L"probe.png", 1, 1, 0xFF000000);
    return ManagerLoadsPictures(dir_.File(L"probe.png"));
  }

  TempDir dir_;
  SkinUI::CUIString savedPath_;
  CWindowManagerUI manager_;
};

TEST_F(ImageLoading, AMissingPictureIsTriedOnceUntilTheDescriptionChanges) {
  CImageAttribute image;
  image.SetAttributeString(L"file='late.png' fade='200'");
  EXPECT_FALSE(image.LoadImage(&manager_));
  EXPECT_FALSE(image.IsUsable());
  EXPECT_EQ(image.GetImageInfo(), nullptr);
  ASSERT_TRUE(Wired()) << "the window manager's image cache did not load probe.png from the skin folder";

  WriteSolid(L"late.png", 4, 4, 0xFF00FF00);
  EXPECT_FALSE(image.LoadImage(&manager_)) << "no second attempt";
  image.SetAttributeString(L"file='late.png' fade='200'");
  EXPECT_FALSE(image.LoadImage(&manager_)) << "the same text is no new description";
  image.SetAttributeString(L"file='late.png' fade='201'");
  EXPECT_TRUE(image.IsUsable());
  ASSERT_TRUE(image.LoadImage(&manager_));
  ASSERT_NE(image.GetImageInfo(), nullptr);
  EXPECT_EQ(image.GetImageInfo()->nWidth, 4);
}

TEST_F(ImageLoading, TheSourceDefaultsToThePictureAndIsCutToIt) {
  ASSERT_TRUE(Wired()) << "the window manager's image cache did not load probe.png from the skin folder";
  WriteSolid(L"pic.png", 6, 4, 0xFF0000FF);
  struct Case {
    const wchar_t* text;
    RECT source;
  } cases[] = {{L"pic.png", {0, 0, 6, 4}},
               {L"file='pic.png' source='1,1,20,30'", {1, 1, 6, 4}},
               {L"file='pic.png' source='2,0,4,2'", {2, 0, 4, 2}}};
  for (const Case& c : cases) {
    CImageAttribute image;
    image.SetAttributeString(c.text);
    ASSERT_TRUE(image.LoadImage(&manager_));
    EXPECT_EQ(image.GetSource(), c.source) << rendertest::Narrow(c.text);
  }
  CImageAttribute image;
  image.SetAttributeString(L"pic.png");
  ASSERT_TRUE(image.LoadImage(&manager_));
  CImageAttribute copy(image);
  EXPECT_EQ(copy.GetImageInfo(), image.GetImageInfo()) << "copies share the cached picture";
  image.ModifyAttribute(L"dest='1,1,2,2'");
  EXPECT_EQ(image.GetImageInfo(), copy.GetImageInfo()) << "modifying keeps the loaded picture";
}

struct DrawCase {
  const char* name;
  const wchar_t* text;
  RECT item;
  RECT paint;
  bool layered;
  RECT drawn;  // where the picture must be, and nothing elsewhere
};

class ImageDrawing : public ImageLoading, public ::testing::WithParamInterface<DrawCase> {};

TEST_P(ImageDrawing, TheDestinationIsRelativeToTheItem) {
  ASSERT_TRUE(Wired()) << "the window manager's image cache did not load probe.png from the skin folder";
  const DrawCase& c = GetParam();
  WriteSolid(L"red.png", 20, 20, 0xFFFF0000);
  manager_.SetLayered(c.layered);
  CImageAttribute image;
  image.SetAttributeString(c.text);
  ASSERT_TRUE(image.LoadImage(&manager_));
  Canvas canvas(60, 60);
  EXPECT_TRUE(CSkinRenderer::DrawImage(canvas.DC(), &manager_, c.item, c.paint, image));
  const RECT& d = c.drawn;
  EXPECT_EQ(canvas.Count(d, 0xFFFF0000), (d.right - d.left) * (d.bottom - d.top));
  EXPECT_TRUE(canvas.OnlyInside(d, 0xFFFFFFFF));
}

const RECT kWhole = {0, 0, 60, 60};

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageDrawing,
    ::testing::Values(
        DrawCase{"NoDestinationFillsTheItem", L"red.png", {10, 10, 40, 45}, kWhole, false, {10, 10, 40, 45}},
        DrawCase{"DestinationMovesWithTheItem",
                 L"file='red.png' dest='2,3,12,13'",
                 {10, 10, 40, 40},
                 kWhole,
                 false,
                 {12, 13, 22, 23}},
        DrawCase{"RightAndBottomAreCutToTheItem",
                 L"file='red.png' dest='20,20,50,50'",
                 {10, 10, 40, 40},
                 kWhole,
                 false,
                 {30, 30, 40, 40}},
        DrawCase{"LeftAndTopAreNotCut",
                 L"file='red.png' dest='-5,-5,10,10'",
                 {10, 10, 40, 40},
                 kWhole,
                 false,
                 {5, 5, 20, 20}},
        DrawCase{"BeyondTheItemDrawsNothing",
                 L"file='red.png' dest='30,30,40,40'",
                 {10, 10, 40, 40},
                 kWhole,
                 false,
                 {0, 0, 0, 0}},
        DrawCase{"AnOpaqueCopyStaysInThePaintRectangle",
                 L"red.png",
                 {10, 10, 30, 30},
                 {0, 0, 20, 60},
                 false,
                 {10, 10, 20, 30}},
        DrawCase{
            "ALayeredWindowBlendsEveryPicture", L"red.png", {10, 10, 30, 30}, {0, 0, 20, 60}, true, {10, 10, 30, 30}}),
    [](const ::testing::TestParamInfo<DrawCase>& info) { return info.param.name; });

TEST_F(ImageLoading, NothingIsDrawnWithoutAManagerAFileOrAPicture) {
  Canvas canvas(10, 10);
  CImageAttribute image;
  EXPECT_FALSE(CSkinRenderer::DrawImage(canvas.DC(), &manager_, RECT{0, 0, 10, 10}, RECT{0, 0, 10, 10}, image));
  image.SetAttributeString(L"never-loaded.png");
  EXPECT_FALSE(CSkinRenderer::DrawImage(canvas.DC(), &manager_, RECT{0, 0, 10, 10}, RECT{0, 0, 10, 10}, image));
  EXPECT_FALSE(CSkinRenderer::DrawImage(canvas.DC(), nullptr, RECT{0, 0, 10, 10}, RECT{0, 0, 10, 10}, image));
  EXPECT_FALSE(image.LoadImage(nullptr));
  EXPECT_TRUE(image.IsUsable()) << "no manager is no failed load";
  EXPECT_EQ(canvas.Count(RECT{0, 0, 10, 10}, 0xFFFFFFFF), 100);
}

}  // namespace
