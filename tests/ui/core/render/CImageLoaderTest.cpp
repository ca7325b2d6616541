// Reading and decoding pictures into premultiplied DIB sections, and the raw-data
// readers the loader and the skin builder share.
#include <gtest/gtest.h>

#include <fstream>

#include "tests/ui/core/support/RenderTestSupport.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CImageLoader.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using rendertest::Narrow;
using rendertest::TempDir;
using rendertest::WritePng;
using SkinUI::CImageLoader;
using SkinUI::CSkinRenderer;
using SkinUI::CWindowManagerUI;
using SkinUI::UIImageRecord;

// Frees a record the way the manager's cache does.
struct Record {
  explicit Record(UIImageRecord* p) : record(p) {}
  ~Record() { CWindowManagerUI::FreeImageRecord(record); }
  Record(const Record&) = delete;
  Record& operator=(const Record&) = delete;
  const DWORD* Pixels() const {
    BITMAP info = {};
    GetObjectW(record->hBitmap, sizeof(info), &info);
    return static_cast<const DWORD*>(info.bmBits);
  }
  UIImageRecord* record;
};

class ImageLoader : public ::testing::Test {
 protected:
  void SetUp() override {
    savedPath_ = CWindowManagerUI::GetResourcePath();
    CWindowManagerUI::SetResourcePath(skin_.Path().c_str());
  }
  void TearDown() override { CWindowManagerUI::SetResourcePath(savedPath_); }

  void WriteBytes(const std::wstring& path, const std::string& bytes) {
    std::ofstream(Narrow(path), std::ios::binary) << bytes;
  }

  TempDir skin_;
  TempDir elsewhere_;
  SkinUI::CUIString savedPath_;
};

struct PixelCase {
  const char* name;
  DWORD straight;  // AARRGGBB as written to the PNG
  DWORD mask;
  DWORD stored;  // the premultiplied pixel in the DIB
  bool alpha;
};

class ImageLoaderPixels : public ImageLoader, public ::testing::WithParamInterface<PixelCase> {};

TEST_P(ImageLoaderPixels, PremultipliesAndAppliesTheMask) {
  const PixelCase& c = GetParam();
  // The pixel under test beside an opaque grey one that no case masks.
  ASSERT_TRUE(WritePng(skin_.File(L"pixel.png"), 2, 1, {c.straight, 0xFF808080}));
  Record loaded(CImageLoader::Load(L"pixel.png", nullptr, c.mask));
  ASSERT_NE(loaded.record, nullptr);
  EXPECT_EQ(loaded.record->nWidth, 2);
  EXPECT_EQ(loaded.record->nHeight, 1);
  EXPECT_EQ(loaded.Pixels()[0], c.stored) << std::hex << loaded.Pixels()[0];
  EXPECT_EQ(loaded.Pixels()[1], 0xFF808080u);
  EXPECT_EQ(loaded.record->bAlpha, c.alpha);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ImageLoaderPixels,
    ::testing::Values(PixelCase{"OpaqueIsCopiedWithoutTheAlphaFlag", 0xFF336699, 0, 0xFF336699, false},
                      PixelCase{"TranslucentIsPremultipliedAndFlagged", 0x80C86432, 0, 0x80643219, true},
                      PixelCase{"TransparentBecomesZero", 0x00FFFFFF, 0, 0x00000000, true},
                      PixelCase{"AMaskWithAlphaHidesOpaqueMagenta", 0xFFFF00FF, 0xFFFF00FF, 0x00000000, true},
                      PixelCase{"AMaskWithoutAlphaLeavesOpaqueMagenta", 0xFFFF00FF, 0x00FF00FF, 0xFFFF00FF, false},
                      PixelCase{"TheMaskComparesThePremultipliedPixel", 0x80C86432, 0x80643219, 0x00000000, true},
                      PixelCase{"TheMaskIgnoresTheStraightPixel", 0x80C86432, 0x80C86432, 0x80643219, true}),
    [](const ::testing::TestParamInfo<PixelCase>& info) { return info.param.name; });

TEST_F(ImageLoader, FindsPicturesInTheSkinFolderThenByTheirOwnPath) {
  ASSERT_TRUE(WritePng(skin_.File(L"in-skin.png"), 3, 2, std::vector<DWORD>(6, 0xFF0000FF)));
  ASSERT_TRUE(WritePng(elsewhere_.File(L"outside.png"), 5, 1, std::vector<DWORD>(5, 0xFF00FF00)));
  Record inSkin(CImageLoader::Load(L"in-skin.png", nullptr, 0));
  ASSERT_NE(inSkin.record, nullptr);
  EXPECT_EQ(inSkin.record->nWidth, 3);
  Record byPath(CImageLoader::Load(elsewhere_.File(L"outside.png").c_str(), nullptr, 0));
  ASSERT_NE(byPath.record, nullptr);
  EXPECT_EQ(byPath.record->nWidth, 5);
  Record typed(CImageLoader::Load(elsewhere_.File(L"outside.png").c_str(), L"PNG", 0));
  ASSERT_NE(typed.record, nullptr) << "a typed name that is no resource is still tried as a path";
}

TEST_F(ImageLoader, GivesNothingForWhatCannotBeReadOrDecoded) {
  WriteBytes(skin_.File(L"text.png"), "not a picture at all");
  WriteBytes(skin_.File(L"empty.png"), "");
  for (const wchar_t* name : {L"missing.png", L"text.png", L"empty.png", L""}) {
    EXPECT_EQ(CImageLoader::Load(name, nullptr, 0), nullptr) << Narrow(name);
  }
  EXPECT_EQ(CImageLoader::Load(nullptr, nullptr, 0), nullptr);
  EXPECT_EQ(CImageLoader::Load(reinterpret_cast<LPCTSTR>(12), nullptr, 0), nullptr) << "a number needs a type";
  EXPECT_EQ(CImageLoader::Load(reinterpret_cast<LPCTSTR>(12), L"PNG", 0), nullptr) << "no such resource";
}

TEST_F(ImageLoader, RawReadersGiveTheWholeContentOrNothing) {
  WriteBytes(skin_.File(L"data.bin"), std::string("abc\0def", 7));
  WriteBytes(skin_.File(L"empty.bin"), "");
  DWORD size = 99;
  std::unique_ptr<BYTE[]> data = CSkinRenderer::LoadSkinFileData(L"data.bin", size);
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(size, 7u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.get()), 7), std::string("abc\0def", 7));
  data = CSkinRenderer::LoadFileData(skin_.File(L"data.bin").c_str(), size);
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(size, 7u);
  EXPECT_EQ(CSkinRenderer::LoadSkinFileData(L"empty.bin", size), nullptr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(CSkinRenderer::LoadFileData(skin_.File(L"none.bin").c_str(), size), nullptr);
  EXPECT_EQ(CSkinRenderer::LoadFileData(L"data.bin", size), nullptr) << "a plain path is not the skin folder";
  EXPECT_EQ(CSkinRenderer::LoadResourceData(reinterpret_cast<LPCTSTR>(1), L"PNG", size), nullptr);
  EXPECT_EQ(CSkinRenderer::DecodeImage(nullptr, 0, nullptr, nullptr), nullptr);
}

}  // namespace
