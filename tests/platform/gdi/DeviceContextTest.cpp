#include <gtest/gtest.h>

#include <cwchar>

#include "DibCanvas.h"
#include "platform/gdi/Gdi.h"

namespace {

BITMAPINFO Info(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

TEST(StockObjects, GuiFontIsSong12) {
  LOGFONTW lf{};
  ASSERT_EQ(GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(lf), &lf), static_cast<int>(sizeof(lf)));
  EXPECT_EQ(lf.lfHeight, -12);
  EXPECT_EQ(lf.lfWeight, FW_NORMAL);
  EXPECT_STREQ(lf.lfFaceName, L"宋体");
  // Stock objects survive DeleteObject.
  DeleteObject(GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(GetObjectType(GetStockObject(DEFAULT_GUI_FONT)), static_cast<DWORD>(OBJ_FONT));
}

TEST(SelectObject, ReturnsThePreviousObjectOfEachKind) {
  HDC dc = CreateCompatibleDC(nullptr);
  HBRUSH red = CreateSolidBrush(RGB(255, 0, 0));
  HBRUSH blue = CreateSolidBrush(RGB(0, 0, 255));
  HPEN pen = CreatePen(PS_SOLID, 2, RGB(1, 2, 3));
  HBITMAP bitmap = CreateCompatibleBitmap(dc, 4, 4);
  HGDIOBJ stockBitmap = SelectObject(dc, bitmap);
  EXPECT_NE(stockBitmap, nullptr);  // a new memory DC holds a 1 x 1 bitmap
  BITMAP bm{};
  GetObjectW(stockBitmap, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 1);
  EXPECT_EQ(SelectObject(dc, red), GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(SelectObject(dc, blue), red);
  EXPECT_EQ(SelectObject(dc, pen), GetStockObject(BLACK_PEN));
  EXPECT_EQ(SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT)), GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_BRUSH), blue);
  EXPECT_EQ(SelectObject(dc, stockBitmap), bitmap);
  EXPECT_EQ(SelectObject(nullptr, red), nullptr);
  EXPECT_EQ(SelectObject(dc, reinterpret_cast<HGDIOBJ>(0x1234)), nullptr);
  DeleteDC(dc);
  for (HGDIOBJ object : {static_cast<HGDIOBJ>(red), static_cast<HGDIOBJ>(blue), static_cast<HGDIOBJ>(pen),
                         static_cast<HGDIOBJ>(bitmap)})
    EXPECT_TRUE(DeleteObject(object));
}

TEST(SelectObject, ABitmapLivesInOneDcAtATime) {
  HDC first = CreateCompatibleDC(nullptr);
  HDC second = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateCompatibleBitmap(first, 8, 8);
  HGDIOBJ old = SelectObject(first, bitmap);
  EXPECT_EQ(SelectObject(second, bitmap), nullptr);
  SelectObject(first, old);
  EXPECT_NE(SelectObject(second, bitmap), nullptr);
  DeleteDC(first);
  DeleteDC(second);
  DeleteObject(bitmap);
}

TEST(DeleteObject, ASelectedObjectStaysUsableUntilDeselected) {
  DibCanvas canvas(4, 4);
  HBRUSH brush = CreateSolidBrush(RGB(0, 255, 0));
  HGDIOBJ old = SelectObject(canvas.dc(), brush);
  EXPECT_TRUE(DeleteObject(brush));
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_BRUSH), brush);
  EXPECT_TRUE(BitBlt(canvas.dc(), 0, 0, 4, 4, nullptr, 0, 0, PATCOPY));
  EXPECT_EQ(canvas.At(0, 0), 0xFF00FF00u);
  EXPECT_EQ(SelectObject(canvas.dc(), old), brush);
  EXPECT_EQ(GetObjectType(brush), 0u);  // freed once deselected
}

struct DibCase {
  int width, height;
  bool ok;
};

TEST(CreateDIBSection, SizesTable) {
  const DibCase cases[] = {{16, -8, true}, {16, 8, true}, {0, -8, false}, {16, 0, false}, {-4, 4, false}};
  for (const DibCase& c : cases) {
    BITMAPINFO info = Info(c.width, c.height);
    void* bits = reinterpret_cast<void*>(1);
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    EXPECT_EQ(bitmap != nullptr, c.ok) << c.width << "x" << c.height;
    EXPECT_EQ(bits != nullptr, c.ok) << c.width << "x" << c.height;
    if (!bitmap) continue;
    BITMAP bm{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof(bm), &bm), static_cast<int>(sizeof(bm)));
    EXPECT_EQ(bm.bmWidth, c.width);
    EXPECT_EQ(bm.bmHeight, c.height < 0 ? -c.height : c.height);
    EXPECT_EQ(bm.bmWidthBytes, c.width * 4);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    EXPECT_EQ(bm.bmBits, bits);
    DIBSECTION ds{};
    EXPECT_EQ(GetObjectW(bitmap, sizeof(ds), &ds), static_cast<int>(sizeof(ds)));
    EXPECT_EQ(ds.dsBmih.biHeight, c.height);
    DeleteObject(bitmap);
  }
}

TEST(CreateDIBSection, RefusesWhatItCannotHold) {
  BITMAPINFO info = Info(4, -4);
  info.bmiHeader.biBitCount = 16;
  void* bits = nullptr;
  EXPECT_EQ(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
  EXPECT_EQ(bits, nullptr);
  EXPECT_EQ(CreateDIBSection(nullptr, nullptr, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
}

TEST(CreateCompatibleBitmap, HidesItsBits) {
  HBITMAP bitmap = CreateCompatibleBitmap(nullptr, 3, 2);
  BITMAP bm{};
  GetObjectW(bitmap, sizeof(bm), &bm);
  EXPECT_EQ(bm.bmWidth, 3);
  EXPECT_EQ(bm.bmHeight, 2);
  EXPECT_EQ(bm.bmBits, nullptr);
  DeleteObject(bitmap);
}

TEST(SaveDC, RestoresObjectsColoursModesAndClip) {
  DibCanvas canvas(40, 40);
  HDC dc = canvas.dc();
  HFONT font = CreateFontW(-20, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Arial");
  SetTextColor(dc, RGB(1, 2, 3));
  SetBkMode(dc, OPAQUE);
  int level = SaveDC(dc);
  EXPECT_EQ(level, 1);
  SelectObject(dc, font);
  SetTextColor(dc, RGB(9, 9, 9));
  SetBkColor(dc, RGB(8, 8, 8));
  SetBkMode(dc, TRANSPARENT);
  SetStretchBltMode(dc, HALFTONE);
  IntersectClipRect(dc, 5, 5, 10, 10);
  EXPECT_EQ(SaveDC(dc), 2);
  IntersectClipRect(dc, 0, 0, 7, 7);
  RECT box;
  GetClipBox(dc, &box);
  EXPECT_EQ(box.right, 7);
  EXPECT_TRUE(RestoreDC(dc, -1));
  GetClipBox(dc, &box);
  EXPECT_EQ(box.right, 10);
  EXPECT_TRUE(RestoreDC(dc, level));
  EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), GetStockObject(DEFAULT_GUI_FONT));
  EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
  EXPECT_EQ(GetBkColor(dc), RGB(255, 255, 255));
  EXPECT_EQ(GetBkMode(dc), OPAQUE);
  EXPECT_EQ(GetStretchBltMode(dc), BLACKONWHITE);
  EXPECT_EQ(GetClipBox(dc, &box), SIMPLEREGION);
  EXPECT_EQ(box.right, 40);
  EXPECT_EQ(box.bottom, 40);
  EXPECT_FALSE(RestoreDC(dc, 1));  // nothing left to restore
  EXPECT_TRUE(DeleteObject(font));
}

TEST(SaveDC, AnObjectDeletedWhileSavedLivesUntilRestored) {
  DibCanvas canvas(4, 4);
  HFONT font = CreateFontW(-14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
  HGDIOBJ old = SelectObject(canvas.dc(), font);
  SaveDC(canvas.dc());
  SelectObject(canvas.dc(), old);
  EXPECT_TRUE(DeleteObject(font));
  EXPECT_EQ(GetObjectType(font), static_cast<DWORD>(OBJ_FONT));
  RestoreDC(canvas.dc(), -1);
  TEXTMETRICW tm{};
  EXPECT_TRUE(GetTextMetricsW(canvas.dc(), &tm));
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_FONT), font);
  SelectObject(canvas.dc(), old);
  EXPECT_EQ(GetObjectType(font), 0u);
}

struct CapsCase {
  int index;
  int value;
};

TEST(GetDeviceCaps, ScreenValues) {
  HDC dc = CreateCompatibleDC(nullptr);
  const CapsCase cases[] = {{LOGPIXELSX, 96}, {LOGPIXELSY, 96}, {BITSPIXEL, 32}, {PLANES, 1}};
  for (const CapsCase& c : cases) EXPECT_EQ(GetDeviceCaps(dc, c.index), c.value) << c.index;
  DeleteDC(dc);
}

struct MulDivCase {
  int number, numerator, denominator, result;
};

TEST(MulDiv, RoundsHalfAwayFromZero) {
  const MulDivCase cases[] = {{10, 3, 4, 8},         {-10, 3, 4, -8},  {7, 1, 2, 4},  {-7, 1, 2, -4},
                              {12, 96, 72, 16},      {5, 5, 0, -1},    {0x40000000, 4, 1, -1},
                              {0x40000000, 4, 8, 0x20000000}};
  for (const MulDivCase& c : cases)
    EXPECT_EQ(MulDiv(c.number, c.numerator, c.denominator), c.result)
        << c.number << "*" << c.numerator << "/" << c.denominator;
}

TEST(GetSysColor, DefaultScheme) {
  EXPECT_EQ(GetSysColor(COLOR_WINDOW), RGB(255, 255, 255));
  EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(240, 240, 240));
  EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), RGB(0, 0, 0));
  LOGBRUSH lb{};
  GetObjectW(GetSysColorBrush(COLOR_HIGHLIGHT), sizeof(lb), &lb);
  EXPECT_EQ(lb.lbColor, GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(GetSysColorBrush(COLOR_HIGHLIGHT), GetSysColorBrush(COLOR_HIGHLIGHT));
}

}  // namespace
