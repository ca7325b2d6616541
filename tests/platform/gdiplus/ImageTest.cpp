#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "GifWriter.h"
#include "platform/gdiplus/GdiPlus.h"

using namespace Gdiplus;

namespace {

// A file in a fresh temporary folder, removed with the fixture.
class TempFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/gdiplus-test-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override {
    for (const std::string& file : files_) std::remove(file.c_str());
    rmdir(folder_.c_str());
  }
  std::wstring Path(const std::string& name) {
    files_.push_back(folder_ + "/" + name);
    return std::wstring(files_.back().begin(), files_.back().end());
  }
  void Write(const std::wstring& path, const std::vector<uint8_t>& bytes) {
    std::string narrow(path.begin(), path.end());
    FILE* file = std::fopen(narrow.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
  }

  std::string folder_;
  std::vector<std::string> files_;
};

bool FindEncoder(const wchar_t* mime, CLSID* clsid) {
  UINT count = 0, size = 0;
  if (GetImageEncodersSize(&count, &size) != Ok || size == 0) return false;
  std::vector<uint8_t> buffer(size);
  auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
  if (GetImageEncoders(count, size, codecs) != Ok) return false;
  for (UINT i = 0; i < count; ++i) {
    if (std::wcscmp(codecs[i].MimeType, mime) == 0) {
      *clsid = codecs[i].Clsid;
      return true;
    }
  }
  return false;
}

std::vector<uint8_t> ThreeFrameGif() {
  GifWriter gif(4, 2, {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF});
  gif.AddFrame({0, 0, 0, 0, 0, 0, 0, 0}, 7);
  gif.AddFrame({1, 1, 1, 1, 1, 1, 1, 1}, 0);
  gif.AddFrame({2, 3, 2, 3, 2, 3, 2, 3}, 25);
  return gif.Finish();
}

Color PixelOf(Image* image, int x, int y) {
  Bitmap probe(image->GetWidth(), image->GetHeight());
  {
    Graphics g(&probe);
    g.DrawImage(image, 0, 0);
  }
  Color c;
  probe.GetPixel(x, y, &c);
  return c;
}

TEST_F(TempFiles, AnimatedGifGivesEveryFrameAndItsDelay) {
  std::wstring path = Path("anim.gif");
  Write(path, ThreeFrameGif());
  Image image(path.c_str());
  ASSERT_EQ(image.GetLastStatus(), Ok);
  EXPECT_EQ(image.GetWidth(), 4u);
  EXPECT_EQ(image.GetHeight(), 2u);
  ASSERT_EQ(image.GetFrameDimensionsCount(), 1u);
  GUID dimension{};
  ASSERT_EQ(image.GetFrameDimensionsList(&dimension, 1), Ok);
  EXPECT_TRUE(dimension == FrameDimensionTime);
  EXPECT_EQ(image.GetFrameCount(&dimension), 3u);

  UINT size = image.GetPropertyItemSize(PropertyTagFrameDelay);
  ASSERT_GT(size, 0u);
  std::vector<uint8_t> buffer(size);
  auto* item = reinterpret_cast<PropertyItem*>(buffer.data());
  ASSERT_EQ(image.GetPropertyItem(PropertyTagFrameDelay, size, item), Ok);
  ASSERT_EQ(item->length, 3u * 4);
  const auto* delays = static_cast<const uint32_t*>(item->value);
  EXPECT_EQ(delays[0], 7u);
  EXPECT_EQ(delays[1], 0u);
  EXPECT_EQ(delays[2], 25u);

  struct FrameCase {
    UINT frame;
    int x;
    ARGB colour;
  };
  const FrameCase frames[] = {{0, 0, 0xFFFF0000}, {1, 0, 0xFF00FF00}, {2, 0, 0xFF0000FF}, {2, 1, 0xFFFFFFFF}};
  for (const FrameCase& f : frames) {
    ASSERT_EQ(image.SelectActiveFrame(&FrameDimensionTime, f.frame), Ok);
    EXPECT_EQ(PixelOf(&image, f.x, 1).GetValue(), f.colour) << f.frame;
  }
  EXPECT_EQ(image.SelectActiveFrame(&FrameDimensionTime, 3), InvalidParameter);
}

TEST(Image, FromMemoryDecodesAndRejectsGarbage) {
  std::vector<uint8_t> gif = ThreeFrameGif();
  Image* image = Image::FromMemory(gif.data(), gif.size());
  EXPECT_EQ(image->GetLastStatus(), Ok);
  EXPECT_EQ(image->GetFrameCount(&FrameDimensionTime), 3u);
  delete image;
  const uint8_t junk[] = {1, 2, 3, 4, 5, 6, 7, 8};
  Image* bad = Image::FromMemory(junk, sizeof(junk));
  EXPECT_NE(bad->GetLastStatus(), Ok);
  EXPECT_EQ(bad->GetWidth(), 0u);
  EXPECT_EQ(bad->GetPropertyItemSize(PropertyTagFrameDelay), 0u);
  delete bad;
}

TEST(Image, MissingFileFails) {
  Image image(L"/nonexistent/photo.png");
  EXPECT_EQ(image.GetLastStatus(), FileNotFound);
  EXPECT_EQ(image.GetWidth(), 0u);
  Bitmap* bitmap = Bitmap::FromFile(L"/nonexistent/photo.png");
  EXPECT_NE(bitmap->GetLastStatus(), Ok);
  delete bitmap;
}

TEST(ImageEncoders, ListsPng) {
  CLSID png{};
  EXPECT_TRUE(FindEncoder(L"image/png", &png));
  EXPECT_FALSE(FindEncoder(L"image/jpeg", &png));
  UINT count = 0, size = 0;
  GetImageEncodersSize(&count, &size);
  std::vector<uint8_t> small(size - 1);
  EXPECT_NE(GetImageEncoders(count, size - 1, reinterpret_cast<ImageCodecInfo*>(small.data())), Ok);
}

TEST_F(TempFiles, PngRoundTripKeepsColoursAndAlpha) {
  Bitmap bitmap(16, 8, PixelFormat32bppARGB);
  ASSERT_EQ(bitmap.GetLastStatus(), Ok);
  Color blank;
  bitmap.GetPixel(3, 3, &blank);
  EXPECT_EQ(blank.GetA(), 0);  // a new bitmap is transparent
  {
    Graphics g(&bitmap);
    SolidBrush opaque(Color(255, 200, 100, 50));
    SolidBrush half(Color(128, 0, 0, 255));
    g.FillRectangle(&opaque, 0, 0, 8, 8);
    g.FillRectangle(&half, 8, 0, 8, 8);
  }
  CLSID png{};
  ASSERT_TRUE(FindEncoder(L"image/png", &png));
  std::wstring path = Path("round.png");
  ASSERT_EQ(bitmap.Save(path.c_str(), &png), Ok);
  Bitmap loaded(path.c_str());
  ASSERT_EQ(loaded.GetLastStatus(), Ok);
  EXPECT_EQ(loaded.GetWidth(), 16u);
  EXPECT_EQ(loaded.GetHeight(), 8u);
  struct Probe {
    int x, y;
    Color colour;
  };
  const Probe probes[] = {{0, 0, Color(255, 200, 100, 50)}, {7, 7, Color(255, 200, 100, 50)}, {12, 4, Color(128, 0, 0, 255)}};
  for (const Probe& p : probes) {
    Color c;
    loaded.GetPixel(p.x, p.y, &c);
    EXPECT_EQ(c.GetA(), p.colour.GetA()) << p.x;
    EXPECT_NEAR(c.GetR(), p.colour.GetR(), 2) << p.x;
    EXPECT_NEAR(c.GetG(), p.colour.GetG(), 2) << p.x;
    EXPECT_NEAR(c.GetB(), p.colour.GetB(), 2) << p.x;
  }
  CLSID unknown{};
  EXPECT_NE(bitmap.Save(Path("x.bin").c_str(), &unknown), Ok);
  EXPECT_NE(bitmap.Save(L"/nonexistent/folder/x.png", &png), Ok);
}

TEST_F(TempFiles, CirclePhotoThroughATextureBrush) {
  // A non-square picture becomes an ellipse with transparent corners.
  Bitmap photo(40, 20);
  {
    Graphics g(&photo);
    SolidBrush fill(Color(255, 10, 20, 30));
    g.FillRectangle(&fill, 0, 0, 40, 20);
  }
  Bitmap circle(40, 20, PixelFormat32bppARGB);
  {
    Graphics g(&circle);
    g.SetSmoothingMode(SmoothingModeHighQuality);
    TextureBrush brush(&photo);
    ASSERT_EQ(g.FillEllipse(&brush, 0, 0, 40, 20), Ok);
  }
  Color c;
  circle.GetPixel(20, 10, &c);
  EXPECT_EQ(c.GetValue(), Color(255, 10, 20, 30).GetValue());
  circle.GetPixel(0, 0, &c);
  EXPECT_EQ(c.GetA(), 0);
  circle.GetPixel(39, 19, &c);
  EXPECT_EQ(c.GetA(), 0);
  circle.GetPixel(1, 10, &c);
  EXPECT_GT(c.GetA(), 128);
}

TEST(GdiplusStartup, MayBeCalledMoreThanOnce) {
  GdiplusStartupInput input;
  ULONG_PTR first = 0, second = 0;
  EXPECT_EQ(GdiplusStartup(&first, &input, nullptr), Ok);
  EXPECT_EQ(GdiplusStartup(&second, &input, nullptr), Ok);
  EXPECT_NE(first, 0u);
  EXPECT_NE(first, second);
  GdiplusShutdown(second);
  GdiplusShutdown(first);
  GdiplusStartupInput wrong;
  wrong.GdiplusVersion = 3;
  EXPECT_EQ(GdiplusStartup(&first, &wrong, nullptr), UnsupportedGdiplusVersion);
}

TEST(Bitmap, ZeroSizeFailsCleanly) {
  Bitmap bitmap(0, 10);
  EXPECT_NE(bitmap.GetLastStatus(), Ok);
  Graphics g(&bitmap);
  EXPECT_NE(g.GetLastStatus(), Ok);
  SolidBrush brush(Color(255, 0, 0, 0));
  EXPECT_NE(g.FillRectangle(&brush, 0, 0, 5, 5), Ok);
}

}  // namespace
