// Bitmaps whose bits are not 32 bits a pixel: 24-bit DIB sections with rows padded to
// four bytes, and 1-bit bitmaps from CreateBitmap with rows padded to two.
#include <gtest/gtest.h>

#include <vector>

#include "platform/gdi/Gdi.h"

namespace {

// A bitmap selected into a memory DC of its own.
class Selected {
 public:
  explicit Selected(HBITMAP bitmap) : bitmap_(bitmap), dc_(CreateCompatibleDC(nullptr)) {
    previous_ = SelectObject(dc_, bitmap_);
  }
  ~Selected() {
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
    DeleteObject(bitmap_);
  }
  HDC dc() const { return dc_; }

 private:
  HBITMAP bitmap_;
  HDC dc_;
  HGDIOBJ previous_;
};

HBITMAP Dib24(int width, int height, bool bottomUp, BYTE** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = bottomUp ? height : -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  return CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(bits), nullptr, 0);
}

struct Dib24Case {
  const char* what;
  int width;
  bool bottomUp;
  int stride;
};

void PrintTo(const Dib24Case& c, std::ostream* out) { *out << c.what; }

class Dib24Bits : public ::testing::TestWithParam<Dib24Case> {};

// Two rows: the program writes a pixel into the bits, GDI fills a rectangle, and each
// sees the other's work where the rows say.
TEST_P(Dib24Bits, AreBlueGreenRedInPaddedRows) {
  const Dib24Case& c = GetParam();
  BYTE* bits = nullptr;
  HBITMAP bitmap = Dib24(c.width, 2, c.bottomUp, &bits);
  ASSERT_NE(bitmap, nullptr);
  ASSERT_NE(bits, nullptr);
  DIBSECTION ds{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof(ds), &ds), int(sizeof(ds)));
  EXPECT_EQ(ds.dsBm.bmWidthBytes, c.stride);
  EXPECT_EQ(ds.dsBm.bmBitsPixel, 24);
  EXPECT_EQ(ds.dsBmih.biBitCount, 24);
  EXPECT_EQ(ds.dsBmih.biSizeImage, DWORD(c.stride * 2));

  const int topRow = c.bottomUp ? 1 : 0;  // where image row 0 lies in memory
  BYTE* top = bits + topRow * c.stride;
  BYTE* bottom = bits + (1 - topRow) * c.stride;
  top[0] = 0x30;  // blue
  top[1] = 0x20;  // green
  top[2] = 0x10;  // red
  Selected selected(bitmap);
  EXPECT_EQ(GetPixel(selected.dc(), 0, 0), RGB(0x10, 0x20, 0x30));
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  RECT lower{0, 1, c.width, 2};
  FillRect(selected.dc(), &lower, red);
  DeleteObject(red);
  const int last = (c.width - 1) * 3;
  EXPECT_EQ(std::vector<BYTE>(bottom + last, bottom + last + 3), (std::vector<BYTE>{0, 0, 255}));
  EXPECT_EQ(std::vector<BYTE>(top, top + 3), (std::vector<BYTE>{0x30, 0x20, 0x10}));
  for (int pad = c.width * 3; pad < c.stride; ++pad) EXPECT_EQ(bottom[pad], 0) << "padding stays";
}

INSTANTIATE_TEST_SUITE_P(Table, Dib24Bits,
                         ::testing::Values(Dib24Case{"top-down, rows padded", 5, false, 16},
                                           Dib24Case{"bottom-up, rows padded", 5, true, 16},
                                           Dib24Case{"top-down, rows a multiple of four", 4, false, 12},
                                           Dib24Case{"bottom-up, one pixel", 1, true, 4}),
                         [](const ::testing::TestParamInfo<Dib24Case>& info) {
                           return "Case" + std::to_string(info.index);
                         });

TEST(Dib24Bits, CopyIntoA32BitImageOpaque) {
  BYTE* bits = nullptr;
  Selected source(Dib24(2, 1, false, &bits));
  bits[3] = 0xFF;  // the second pixel blue
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 2;
  info.bmiHeader.biHeight = -1;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  uint32_t* pixels = nullptr;
  Selected target(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&pixels), nullptr, 0));
  EXPECT_TRUE(BitBlt(target.dc(), 0, 0, 2, 1, source.dc(), 0, 0, SRCCOPY));
  EXPECT_EQ(pixels[0], 0xFF000000u);
  EXPECT_EQ(pixels[1], 0xFF0000FFu);
}

struct MonoCase {
  int x, y;
  COLORREF expected;
};

// A 10 x 2 bitmap, rows of two bytes, most significant bit first.
TEST(MonochromeBitmap, ReadsItsInitialBitsBack) {
  const BYTE bits[] = {0xA0, 0x40, 0x00, 0xC0};
  HBITMAP bitmap = CreateBitmap(10, 2, 1, 1, bits);
  ASSERT_NE(bitmap, nullptr);
  BITMAP bm{};
  ASSERT_EQ(GetObjectW(bitmap, sizeof(bm), &bm), int(sizeof(bm)));
  EXPECT_EQ(bm.bmWidthBytes, 2);
  EXPECT_EQ(bm.bmBitsPixel, 1);
  Selected selected(bitmap);
  const COLORREF white = RGB(255, 255, 255), black = RGB(0, 0, 0);
  const MonoCase cases[] = {{0, 0, white}, {1, 0, black}, {2, 0, white}, {3, 0, black}, {9, 0, white},
                            {8, 0, black}, {0, 1, black}, {8, 1, white}, {9, 1, white}, {7, 1, black}};
  for (const MonoCase& c : cases) EXPECT_EQ(GetPixel(selected.dc(), c.x, c.y), c.expected) << c.x << "," << c.y;
}

TEST(MonochromeBitmap, DrawingTurnsColoursToTheNearerOfBlackAndWhite) {
  const BYTE bits[] = {0x00, 0x00, 0xFF, 0xC0};
  Selected selected(CreateBitmap(10, 2, 1, 1, bits));
  HBRUSH light = CreateSolidBrush(RGB(200, 220, 180));
  HBRUSH dark = CreateSolidBrush(RGB(90, 20, 60));
  RECT left{0, 0, 5, 2}, right{5, 0, 10, 2};
  FillRect(selected.dc(), &left, light);
  FillRect(selected.dc(), &right, dark);
  DeleteObject(light);
  DeleteObject(dark);
  EXPECT_EQ(GetPixel(selected.dc(), 0, 0), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(selected.dc(), 4, 1), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(selected.dc(), 5, 0), RGB(0, 0, 0));
  EXPECT_EQ(GetPixel(selected.dc(), 9, 1), RGB(0, 0, 0));
}

}  // namespace
