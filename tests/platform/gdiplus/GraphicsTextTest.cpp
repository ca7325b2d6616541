#include <gtest/gtest.h>

#include <string>

#include "platform/gdi/Gdi.h"
#include "platform/gdi/SurfaceDC.h"
#include "platform/gdiplus/GdiPlus.h"

using namespace Gdiplus;

namespace {

struct Box {
  int left = 1 << 20, top = 1 << 20, right = -1, bottom = -1;
  bool Empty() const { return right < 0; }
};

// The box of pixels whose alpha is not 0.
Box InkOf(const Bitmap& bitmap) {
  Box box;
  for (int y = 0; y < static_cast<int>(bitmap.GetHeight()); ++y)
    for (int x = 0; x < static_cast<int>(bitmap.GetWidth()); ++x) {
      Color c;
      bitmap.GetPixel(x, y, &c);
      if (c.GetA() == 0) continue;
      box.left = std::min(box.left, x);
      box.top = std::min(box.top, y);
      box.right = std::max(box.right, x + 1);
      box.bottom = std::max(box.bottom, y + 1);
    }
  return box;
}

int GdiExtent(const wchar_t* face, int em, const std::wstring& text, int* height) {
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT font = CreateFontW(-em, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, face);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
  *height = size.cy;
  return size.cx;
}

TEST(MeasureString, MatchesTheGdiFontItCameFrom) {
  const std::wstring text = L"巡更 Patrol 记录";
  HDC dc = CreateCompatibleDC(nullptr);
  HFONT hfont = CreateFontW(-14, 0, 0, 0, FW_NORMAL, 0, 0, 0, 0, 0, 0, 0, 0, L"微软雅黑");
  Font font(dc, hfont);
  ASSERT_EQ(font.GetLastStatus(), Ok);
  Bitmap bitmap(10, 10);
  Graphics g(&bitmap);
  StringFormat format(StringFormat::GenericTypographic());
  RectF bounds;
  ASSERT_EQ(g.MeasureString(text.c_str(), -1, &font, RectF(0, 0, 1000, 100), &format, &bounds), Ok);
  int height = 0;
  EXPECT_EQ(bounds.Width, GdiExtent(L"微软雅黑", 14, text, &height));
  EXPECT_EQ(bounds.Height, height);
  EXPECT_EQ(height, 19);
  DeleteObject(hfont);
  DeleteDC(dc);
}

TEST(MeasureString, FamilyFontsInPixels) {
  FontFamily family(L"微软雅黑");
  Font font(&family, 14, FontStyleRegular, UnitPixel);
  EXPECT_EQ(font.GetHeight(static_cast<const Graphics*>(nullptr)), 19.0f);
  Bitmap bitmap(10, 10);
  Graphics g(&bitmap);
  RectF bounds;
  g.MeasureString(L"合格率70%", -1, &font, PointF(0, 0), &bounds);
  int height = 0;
  EXPECT_EQ(bounds.Width, GdiExtent(L"微软雅黑", 14, L"合格率70%", &height));
}

struct AlignCase {
  StringAlignment horizontal, vertical;
  int left, top;  // expected ink position inside the 200 x 60 layout at (0, 0); -1 = centred
};

TEST(DrawString, AlignmentsPlaceTheLineInTheLayout) {
  const std::wstring text = L"巡更计划";  // four 14-pixel Chinese characters: 56 wide, 19 high
  const AlignCase cases[] = {
      {StringAlignmentNear, StringAlignmentNear, 0, 0},
      {StringAlignmentCenter, StringAlignmentCenter, 72, 20},
      {StringAlignmentFar, StringAlignmentFar, 144, 41},
  };
  for (const AlignCase& c : cases) {
    Bitmap bitmap(200, 60);
    {
      Graphics g(&bitmap);
      Font font(L"微软雅黑", 14, FontStyleRegular, UnitPixel);
      StringFormat format(StringFormat::GenericTypographic());
      format.SetAlignment(c.horizontal);
      format.SetLineAlignment(c.vertical);
      SolidBrush brush(Color(255, 0, 0, 0));
      ASSERT_EQ(g.DrawString(text.c_str(), -1, &font, RectF(0, 0, 200, 60), &format, &brush), Ok);
    }
    Box ink = InkOf(bitmap);
    ASSERT_FALSE(ink.Empty());
    EXPECT_GE(ink.left, c.left) << c.horizontal;
    EXPECT_LE(ink.left, c.left + 3) << c.horizontal;
    EXPECT_LE(ink.right, c.left + 56) << c.horizontal;
    EXPECT_GE(ink.top, c.top - 1) << c.vertical;
    EXPECT_LE(ink.bottom, c.top + 19 + 1) << c.vertical;
  }
}

TEST(DrawString, EllipsisTrimsAnUnwrappedLine) {
  const std::wstring text = L"一段很长很长很长的提示文字";
  Bitmap bitmap(300, 30);
  Graphics g(&bitmap);
  Font font(L"宋体", 12, FontStyleRegular, UnitPixel);
  StringFormat format(StringFormat::GenericTypographic());
  format.SetTrimming(StringTrimmingEllipsisCharacter);
  format.SetFormatFlags(StringFormatFlagsNoClip | StringFormatFlagsNoWrap);
  RectF layout(0, 0, 70, 20);
  RectF bounds;
  g.MeasureString(text.c_str(), -1, &font, layout, &format, &bounds);
  EXPECT_LE(bounds.Width, 70);
  EXPECT_EQ(bounds.Height, 12);
  SolidBrush brush(Color(255, 0, 0, 0));
  g.DrawString(text.c_str(), -1, &font, layout, &format, &brush);
  EXPECT_LE(InkOf(bitmap).right, 70);
  // Without trimming and wrapping the line runs on (nothing clips it).
  format.SetTrimming(StringTrimmingNone);
  g.MeasureString(text.c_str(), -1, &font, layout, &format, &bounds);
  EXPECT_EQ(bounds.Width, 13 * 12);
}

TEST(DrawString, WrapsInTheLayoutWidth) {
  Bitmap bitmap(10, 10);
  Graphics g(&bitmap);
  Font font(L"宋体", 12, FontStyleRegular, UnitPixel);
  RectF bounds;
  INT lines = 0;
  g.MeasureString(L"巡更系统管理客户端", -1, &font, RectF(0, 0, 50, 0), StringFormat::GenericTypographic(), &bounds,
                  nullptr, &lines);
  EXPECT_EQ(lines, 3);
  EXPECT_EQ(bounds.Height, 36);
  EXPECT_LE(bounds.Width, 50);
}

TEST(DrawString, LayeredTextKeepsItsAlpha) {
  Bitmap bitmap(100, 30);
  {
    Graphics g(&bitmap);
    Font font(L"微软雅黑", 14, FontStyleRegular, UnitPixel);
    SolidBrush brush(Color(254, 255, 255, 255));
    g.DrawString(L"半透明", -1, &font, PointF(10, 5), &brush);
  }
  Box ink = InkOf(bitmap);
  ASSERT_FALSE(ink.Empty());
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 4);
  int highest = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 100; ++x) {
      Color c;
      bitmap.GetPixel(x, y, &c);
      highest = std::max(highest, static_cast<int>(c.GetA()));
    }
  EXPECT_EQ(highest, 254);
}

TEST(GraphicsOnDc, HonoursTheOriginAndTheClip) {
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 80, 60);
  HRGN visible = CreateRectRgn(0, 0, 30, 20);
  HDC dc = platform::gdi::CreateSurfaceDC(image, POINT{10, 15}, visible);
  IntersectClipRect(dc, 5, 0, 100, 100);
  {
    Graphics g(dc);
    SolidBrush brush(Color(255, 255, 0, 0));
    g.FillRectangle(&brush, -50, -50, 500, 500);
    Pen pen(Color(255, 0, 255, 0));
    g.DrawLine(&pen, 0, 0, 100, 0);
  }
  cairo_surface_flush(image);
  auto* px = reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image));
  int stride = cairo_image_surface_get_stride(image) / 4;
  EXPECT_EQ(px[(15 + 5) * stride + 10 + 5], 0xFFFF0000u);   // client (5, 5)
  EXPECT_EQ(px[(15 + 5) * stride + 10 + 4], 0u);            // left of the DC's clip
  EXPECT_EQ(px[(15 + 19) * stride + 10 + 29], 0xFFFF0000u); // client (29, 19)
  EXPECT_EQ(px[(15 + 20) * stride + 10 + 29], 0u);          // below the window's clip
  EXPECT_EQ(px[15 * stride + 10 + 10], 0xFF00FF00u);        // the line on client row 0
  platform::gdi::DeleteSurfaceDC(dc);
  DeleteObject(visible);
  cairo_surface_destroy(image);
}

TEST(GraphicsOnDc, ADcDeletedUnderItLivesUntilTheGraphicsEnds) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
  SelectObject(dc, bitmap);
  {
    Graphics g(dc);
    EXPECT_TRUE(DeleteDC(dc));
    EXPECT_EQ(GetObjectType(dc), static_cast<DWORD>(OBJ_MEMDC));
    SolidBrush brush(Color(255, 1, 2, 3));
    EXPECT_EQ(g.FillRectangle(&brush, 0, 0, 4, 4), Ok);
  }
  EXPECT_EQ(GetObjectType(dc), 0u);
  EXPECT_TRUE(DeleteObject(bitmap));  // deselected with its DC
}

TEST(GraphicsOnDc, DrawsIntoABottomUpDib) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = 8;
  info.bmiHeader.biHeight = 8;  // bottom-up
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  uint32_t* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
  HGDIOBJ old = SelectObject(dc, dib);
  {
    Graphics g(dc);
    SolidBrush brush(Color(255, 0, 0, 255));
    g.FillRectangle(&brush, 0, 0, 8, 1);
  }
  EXPECT_EQ(bits[7 * 8 + 3], 0xFF0000FFu);  // image row 0 is the last row in memory
  EXPECT_EQ(bits[3], 0u);
  SelectObject(dc, old);
  DeleteObject(dib);
  DeleteDC(dc);
}

}  // namespace
