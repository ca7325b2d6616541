#include <gtest/gtest.h>

#include <string>

#include "DibCanvas.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/TextContext.h"
#include "platform/gdi/Utf8Text.h"
#include "platform/gdi/Gdi.h"

namespace {

class SelectedFont {
 public:
  SelectedFont(HDC dc, const wchar_t* face, int height, int weight = FW_NORMAL, bool italic = false)
      : dc_(dc), font_(CreateFontW(height, 0, 0, 0, weight, italic, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, face)) {
    previous_ = SelectObject(dc_, font_);
  }
  ~SelectedFont() {
    SelectObject(dc_, previous_);
    DeleteObject(font_);
  }
  HFONT font() const { return font_; }

 private:
  HDC dc_;
  HFONT font_;
  HGDIOBJ previous_;
};

int Extent(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

TEST(TextMetrics, StockFontIsTwelvePixelsHigh) {
  DibCanvas canvas(8, 8);
  TEXTMETRICW tm{};
  ASSERT_TRUE(GetTextMetricsW(canvas.dc(), &tm));
  EXPECT_EQ(tm.tmHeight, 12);
  EXPECT_EQ(tm.tmAscent, 10);
  EXPECT_EQ(tm.tmDescent, 2);
  EXPECT_EQ(tm.tmInternalLeading, 0);
  EXPECT_EQ(tm.tmExternalLeading, 0);
  EXPECT_EQ(tm.tmWeight, FW_NORMAL);
  SIZE size{};
  GetTextExtentPoint32W(canvas.dc(), L"中", 1, &size);
  EXPECT_EQ(size.cx, 12);  // a Chinese character is one em wide
  EXPECT_EQ(size.cy, 12);
}

struct FaceCase {
  const wchar_t* face;
  int em;
  int height, ascent, descent;
};

// The heights Windows gives each face at these sizes (its design ascent and descent
// scaled to the em and rounded).
TEST(TextMetrics, SubstitutedFacesKeepWindowsHeights) {
  const FaceCase cases[] = {
      {L"宋体", 12, 12, 10, 2},     {L"SimSun", 14, 14, 12, 2},        {L"宋体", 16, 16, 14, 2},
      {L"微软雅黑", 12, 16, 13, 3}, {L"Microsoft YaHei", 14, 19, 15, 4}, {L"微软雅黑", 18, 24, 19, 5},
      {L"黑体", 16, 16, 14, 2},     {L"Tahoma", 11, 13, 11, 2},         {L"Tahoma", 12, 14, 12, 2},
      {L"Arial", 12, 14, 11, 3},    {L"Arial", 16, 17, 14, 3},
  };
  DibCanvas canvas(8, 8);
  for (const FaceCase& c : cases) {
    SelectedFont font(canvas.dc(), c.face, -c.em);
    TEXTMETRICW tm{};
    ASSERT_TRUE(GetTextMetricsW(canvas.dc(), &tm));
    EXPECT_EQ(tm.tmHeight, c.height) << c.em;
    EXPECT_EQ(tm.tmAscent, c.ascent) << c.em;
    EXPECT_EQ(tm.tmDescent, c.descent) << c.em;
    EXPECT_EQ(tm.tmInternalLeading, c.height - c.em) << c.em;
    EXPECT_GE(tm.tmMaxCharWidth, tm.tmAveCharWidth) << c.em;
    EXPECT_GE(tm.tmMaxCharWidth, Extent(canvas.dc(), L"W")) << c.em;
    EXPECT_GE(tm.tmMaxCharWidth, Extent(canvas.dc(), L"测")) << c.em;
    SIZE size{};
    GetTextExtentPoint32W(canvas.dc(), L"x", 1, &size);
    EXPECT_EQ(size.cy, c.height) << c.em;
  }
}

TEST(TextMetrics, PositiveHeightAsksForTheCellHeight) {
  DibCanvas canvas(8, 8);
  SelectedFont font(canvas.dc(), L"微软雅黑", 16);
  TEXTMETRICW tm{};
  GetTextMetricsW(canvas.dc(), &tm);
  EXPECT_EQ(tm.tmHeight, 16);
  EXPECT_EQ(tm.tmInternalLeading, 4);  // an em of 12
}

TEST(TextMetrics, LogFontReadsBackAsGivenAndBoldDrawsWider) {
  DibCanvas canvas(8, 8);
  SelectedFont regular(canvas.dc(), L"Tahoma", -14);
  int regularWidth = Extent(canvas.dc(), L"Patrol records");
  SelectedFont bold(canvas.dc(), L"Tahoma", -14, 1100);
  LOGFONTW lf{};
  GetObjectW(bold.font(), sizeof(lf), &lf);
  EXPECT_EQ(lf.lfWeight, 1100);
  EXPECT_EQ(lf.lfHeight, -14);
  EXPECT_STREQ(lf.lfFaceName, L"Tahoma");
  TEXTMETRICW tm{};
  GetTextMetricsW(canvas.dc(), &tm);
  EXPECT_EQ(tm.tmWeight, 1000);
  EXPECT_GT(Extent(canvas.dc(), L"Patrol records"), regularWidth);
}

// The width pango lays the whole string out in: what drawing the string takes.
int LaidOutWidth(HDC dc, const std::wstring& text) {
  auto* font = platform::gdi::FontObject::FromHandle(GetCurrentObject(dc, OBJ_FONT));
  platform::gdi::Utf8Text utf8(text.data(), text.size());
  PangoLayout* layout = platform::gdi::TextContext::NewLayout(utf8.Bytes(), font->Description(), false, false);
  PangoRectangle logical{};
  pango_layout_get_extents(layout, nullptr, &logical);
  g_object_unref(layout);
  return PANGO_PIXELS(logical.width);
}

TEST(TextExtent, AdvancesAddUp) {
  const wchar_t* faces[] = {L"宋体", L"微软雅黑", L"Tahoma", L"Arial"};
  const std::wstring texts[] = {L"AV To", L"巡更系统", L"ffi fl", L"合格率100%", L"Hello, 世界! wave"};
  DibCanvas canvas(8, 8);
  for (const wchar_t* face : faces) {
    SelectedFont font(canvas.dc(), face, -13);
    for (const std::wstring& text : texts) {
      int sum = 0;
      for (wchar_t ch : text) sum += Extent(canvas.dc(), std::wstring(1, ch));
      EXPECT_EQ(Extent(canvas.dc(), text), sum);
      // Kerning pairs (AV, To) and ligatures (ffi, fl) would make the drawn line
      // narrower than the sum of its characters.
      EXPECT_EQ(LaidOutWidth(canvas.dc(), text), sum);
      for (size_t cut = 1; cut < text.size(); ++cut)
        EXPECT_EQ(Extent(canvas.dc(), text), Extent(canvas.dc(), text.substr(0, cut)) +
                                                 Extent(canvas.dc(), text.substr(cut)));
    }
  }
  SIZE size{5, 5};
  EXPECT_TRUE(GetTextExtentPoint32W(canvas.dc(), L"", 0, &size));
  EXPECT_EQ(size.cx, 0);
  EXPECT_FALSE(GetTextExtentPoint32W(nullptr, L"a", 1, &size));
}

TEST(TextOut, GlyphsSitInTheCellAndStayOpaque) {
  DibCanvas canvas(200, 40);
  SetBkMode(canvas.dc(), TRANSPARENT);
  SetTextColor(canvas.dc(), RGB(0, 0, 255));
  const std::wstring text = L"巡更 Patrol";
  ASSERT_TRUE(TextOutW(canvas.dc(), 20, 10, text.data(), static_cast<int>(text.size())));
  RECT ink = canvas.InkBox(0);
  int width = Extent(canvas.dc(), text);
  EXPECT_GE(ink.left, 20);
  EXPECT_LE(ink.left, 22);
  EXPECT_LE(ink.right, 20 + width);
  EXPECT_GE(ink.right, 20 + width - 3);
  EXPECT_GE(ink.top, 9);
  EXPECT_LE(ink.bottom, 10 + 12 + 1);
  // Every touched pixel is opaque, also over a transparent bitmap.
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 200; ++x) {
      if (canvas.At(x, y) != 0) {
        ASSERT_EQ(canvas.At(x, y) >> 24, 0xFFu) << x << "," << y;
      }
    }
  }
}

TEST(TextOut, OpaqueModeFillsTheTextCell) {
  DibCanvas canvas(100, 30);
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), RGB(255, 255, 0));
  SetTextColor(canvas.dc(), RGB(0, 0, 0));
  TextOutW(canvas.dc(), 10, 5, L"ab中", 3);
  int width = Extent(canvas.dc(), L"ab中");
  const uint32_t yellow = 0xFFFFFF00u;
  EXPECT_EQ(canvas.At(10, 5), yellow);
  EXPECT_EQ(canvas.At(10 + width - 1, 5 + 11), yellow);
  EXPECT_EQ(canvas.At(10 + width, 5), 0u);
  EXPECT_EQ(canvas.At(10, 5 + 12), 0u);
  EXPECT_EQ(canvas.At(9, 5), 0u);
}

}  // namespace
