#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "GifWriter.h"
#include "platform/gdiplus/GdiPlus.h"
#include "platform/gdiplus/ImageCodec.h"
#include "testing/http/LargePicture.h"

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

namespace {

std::vector<uint8_t> GreyPng(uint32_t width, uint32_t height, bool pixels) {
  const std::string png = test_support::grey_png(width, height, pixels);
  return std::vector<uint8_t>(png.begin(), png.end());
}

// A GIF canvas with `frames` frames of one pixel each: a few dozen bytes, yet each frame
// decodes to a whole canvas.
std::vector<uint8_t> DotGif(uint16_t width, uint16_t height, int frames) {
  std::vector<uint8_t> gif = {'G', 'I', 'F', '8', '9', 'a', static_cast<uint8_t>(width), static_cast<uint8_t>(width >> 8),
                              static_cast<uint8_t>(height), static_cast<uint8_t>(height >> 8), 0x80, 0, 0,
                              0, 0, 0, 255, 255, 255};
  for (int i = 0; i < frames; ++i) {
    // Descriptor at 0,0 of 1 x 1; LZW code size 2; codes clear, 0, end.
    gif.insert(gif.end(), {0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 0x01, 0});
  }
  gif.push_back(0x3B);
  return gif;
}

std::vector<uint8_t> BmpHeader(int32_t width, int32_t height) {
  std::vector<uint8_t> bmp(54, 0);
  bmp[0] = 'B';
  bmp[1] = 'M';
  const auto put32 = [&](size_t at, uint32_t value) {
    for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<uint8_t>(value >> (8 * i));
  };
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<uint32_t>(width));
  put32(22, static_cast<uint32_t>(height));
  bmp[26] = 1;
  bmp[28] = 24;
  return bmp;
}

std::vector<uint8_t> JpegHeader(uint16_t width, uint16_t height) {
  return {0xFF, 0xD8, 0xFF, 0xC0, 0, 17, 8, static_cast<uint8_t>(height >> 8), static_cast<uint8_t>(height),
          static_cast<uint8_t>(width >> 8), static_cast<uint8_t>(width), 3, 1, 0x11, 0, 2, 0x11, 0, 3, 0x11, 0};
}

}  // namespace

// The header tells the size before any pixel is decoded, in every format the codec reads,
// and an animation counts every frame's canvas.
TEST(ImageCodec, ReadsThePixelCountFromTheHeader) {
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    uint64_t pixels;
  } cases[] = {
      {"PNG", GreyPng(16000, 16000, false), 256000000},
      {"JPEG", JpegHeader(12000, 9000), 108000000},
      {"BMP", BmpHeader(20000, 10000), 200000000},
      {"BMP stored top down", BmpHeader(300, -200), 60000},
      {"GIF of three frames", DotGif(5000, 5000, 3), 75000000},
      {"GIF without frames", DotGif(40, 30, 0), 1200},
      {"not a picture", {1, 2, 3, 4, 5, 6, 7, 8}, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ImageCodec::AnnouncedPixels(c.bytes.data(), c.bytes.size()), c.pixels) << c.what;
  }
}

// A small file that would decode to gigabytes is refused; the same kind within the budget
// still decodes.
TEST(Image, RefusesAPictureOverThePixelBudgetBeforeDecoding) {
  const struct {
    const char* what;
    std::vector<uint8_t> bytes;
    bool decodes;
    UINT width;
  } cases[] = {
      {"8000 x 8000 PNG", GreyPng(8000, 8000, true), false, 0},
      {"5000 x 5000 GIF of three frames", DotGif(5000, 5000, 3), false, 0},
      {"1000 x 1000 GIF of three frames", DotGif(1000, 1000, 3), true, 1000},
      {"600 x 400 PNG", GreyPng(600, 400, true), true, 600},
  };
  for (const auto& c : cases) {
    Image* image = Image::FromMemory(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(image->GetLastStatus() == Ok, c.decodes) << c.what;
    EXPECT_EQ(image->GetWidth(), c.width) << c.what;
    delete image;
  }
}
