#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DibCanvas.h"
#include "platform/gdi/DrawTextLayout.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;

int Extent(HDC dc, const std::wstring& text) {
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  return size.cx;
}

class WhiteCanvas : public DibCanvas {
 public:
  WhiteCanvas(int width, int height) : DibCanvas(width, height) {
    Fill(kWhite);
    SetBkMode(dc(), TRANSPARENT);
  }
};

struct PlacementCase {
  const char* what;
  UINT format;
  int cellLeft;  // -1: computed from the extent below
  int cellTop;
  int result;
};

// Text in rectangle (10, 10)-(190, 50) with the stock font (12 pixels high).
TEST(DrawText, PlacesTheTextCellForEachAlignment) {
  const std::wstring text = L"ABC 中文";
  WhiteCanvas probe(4, 4);
  const int width = Extent(probe.dc(), text);
  const PlacementCase cases[] = {
      {"left top", DT_LEFT | DT_TOP | DT_SINGLELINE, 10, 10, 12},
      {"centre", DT_CENTER | DT_SINGLELINE, (200 - width) / 2, 10, 12},
      {"right", DT_RIGHT | DT_SINGLELINE, 190 - width, 10, 12},
      {"vertical centre", DT_VCENTER | DT_SINGLELINE, 10, 24, 26},
      {"bottom", DT_BOTTOM | DT_SINGLELINE, 10, 38, 40},
      {"centre both ways", DT_CENTER | DT_VCENTER | DT_SINGLELINE, (200 - width) / 2, 24, 26},
      {"vertical centre needs a single line", DT_VCENTER, 10, 10, 12},
      {"bottom needs a single line", DT_BOTTOM | DT_RIGHT, 190 - width, 10, 12},
  };
  for (const PlacementCase& c : cases) {
    WhiteCanvas canvas(200, 60);
    RECT rc{10, 10, 190, 50};
    EXPECT_EQ(DrawTextW(canvas.dc(), text.data(), -1, &rc, c.format), c.result) << c.what;
    RECT ink = canvas.InkBox(kWhite);
    EXPECT_GE(ink.left, c.cellLeft) << c.what;
    EXPECT_LE(ink.left, c.cellLeft + 2) << c.what;
    EXPECT_LE(ink.right, c.cellLeft + width) << c.what;
    EXPECT_GE(ink.right, c.cellLeft + width - 3) << c.what;
    EXPECT_GE(ink.top, c.cellTop - 1) << c.what;
    EXPECT_LE(ink.top, c.cellTop + 3) << c.what;
    EXPECT_LE(ink.bottom, c.cellTop + 13) << c.what;
  }
}

struct CalcCase {
  const char* what;
  std::wstring text;
  UINT format;
  int width;
  int lines;
};

TEST(DrawText, CalcRectMeasuresWhatIsDrawn) {
  const CalcCase cases[] = {
      {"single line", L"巡更计划 Patrol plan", DT_SINGLELINE, 300, 1},
      {"line feeds", L"第一行\nsecond line is longer\n三", 0, 300, 3},
      {"carriage return and line feed", L"ab\r\ncd", 0, 300, 2},
      {"word break on spaces", L"alpha beta gamma delta epsilon", DT_WORDBREAK, 70, 3},
      {"word break in Chinese", L"巡更系统管理客户端程序", DT_WORDBREAK, 50, 3},
      {"centred word break", L"巡更系统管理客户端程序", DT_WORDBREAK | DT_CENTER, 50, 3},
      {"ellipsis", L"一段很长很长的提示文字", DT_SINGLELINE | DT_END_ELLIPSIS, 70, 1},
  };
  for (const CalcCase& c : cases) {
    WhiteCanvas canvas(320, 120);
    RECT calc{5, 5, 5 + c.width, 6};
    int height = DrawTextW(canvas.dc(), c.text.data(), -1, &calc, c.format | DT_CALCRECT);
    EXPECT_EQ(canvas.CountNot(kWhite, RECT{0, 0, 320, 120}), 0) << c.what;  // measuring draws nothing
    EXPECT_EQ(height, 12 * c.lines) << c.what;
    EXPECT_EQ(calc.bottom - calc.top, 12 * c.lines) << c.what;
    EXPECT_LE(calc.right - calc.left, c.width) << c.what;
    RECT draw{5, 5, 5 + c.width, 5 + height};
    UINT format = c.format | DT_NOCLIP;
    if (c.format & DT_CENTER) draw.right = calc.right;  // centred in the measured box
    DrawTextW(canvas.dc(), c.text.data(), -1, &draw, format);
    RECT ink = canvas.InkBox(kWhite);
    EXPECT_GE(ink.left, calc.left) << c.what;
    EXPECT_LE(ink.right, calc.right) << c.what;
    EXPECT_GE(ink.right, calc.right - 4) << c.what;  // the last glyph's side bearing
    EXPECT_GE(ink.top, calc.top - 1) << c.what;
    EXPECT_LE(ink.bottom, calc.bottom + 1) << c.what;
    EXPECT_GT(ink.bottom, calc.bottom - 12) << c.what;  // the last line is drawn
  }
}

TEST(DrawText, ClipsToTheRectangleUnlessAskedNotTo) {
  const std::wstring text = L"巡更系统管理客户端";
  WhiteCanvas clipped(200, 40), free(200, 40);
  RECT rc{10, 10, 40, 16};
  DrawTextW(clipped.dc(), text.data(), -1, &rc, DT_SINGLELINE);
  RECT ink = clipped.InkBox(kWhite);
  EXPECT_GE(ink.left, 10);
  EXPECT_LE(ink.right, 40);
  EXPECT_LE(ink.bottom, 16);
  DrawTextW(free.dc(), text.data(), -1, &rc, DT_SINGLELINE | DT_NOCLIP);
  EXPECT_GT(free.InkBox(kWhite).right, 100);
}

struct BreakCase {
  const char* what;
  std::wstring text;
  std::wstring fitsOnALine;  // the widest text a line may hold
  std::vector<std::wstring> lines;
  bool overflows = false;  // a line may be wider than the width
};

TEST(DrawTextLayout, BreaksAtSpacesAndBetweenChineseCharacters) {
  const BreakCase cases[] = {
      {"Chinese breaks anywhere", L"巡更系统管理客户端", L"巡更系统", {L"巡更系统", L"管理客户", L"端"}},
      {"spaces are dropped at a break", L"alpha beta gamma", L"alpha beta", {L"alpha beta", L"gamma"}},
      {"trailing spaces hang", L"alpha    beta", L"alpha", {L"alpha", L"beta"}},
      {"Latin after Chinese breaks before it", L"巡更abc", L"巡更ab", {L"巡更", L"abc"}},
      {"Chinese after Latin breaks before it", L"abc巡更系统", L"abc巡更", {L"abc巡更", L"系统"}},
      {"a word wider than the line overflows whole", L"abcdefghijkl", L"abcde", {L"abcdefghijkl"}, true},
      {"line feeds end lines", L"ab\ncd", L"abcdefgh", {L"ab", L"cd"}},
      {"empty lines stay", L"ab\n\ncd", L"abcdefgh", {L"ab", L"", L"cd"}},
      {"every line takes a character", L"巡更", L"", {L"巡", L"更"}},
  };
  platform::gdi::FontObject& font = *platform::gdi::FontObject::StockGuiFont();
  for (const BreakCase& c : cases) {
    int width = font.Extent(c.fitsOnALine.data(), c.fitsOnALine.size());
    platform::gdi::DrawTextLayout layout(font, c.text.data(), c.text.size(), DT_WORDBREAK | DT_NOPREFIX, width);
    std::vector<std::wstring> lines;
    for (const auto& line : layout.Lines()) lines.push_back(line.text);
    EXPECT_EQ(lines, c.lines) << c.what;
    for (const auto& line : layout.Lines()) {
      if (line.text.size() > 1 && !c.overflows) {
        EXPECT_LE(line.width, width) << c.what;
      }
    }
  }
}

struct PrefixCase {
  const char* what;
  std::wstring text;
  UINT format;
  std::wstring shown;
  int underlined;
};

TEST(DrawTextLayout, PrefixCharacters) {
  const PrefixCase cases[] = {
      {"prefix underlines", L"&Save", 0, L"Save", 0},
      {"double prefix prints one", L"a&&b", 0, L"a&b", -1},
      {"no prefix prints it", L"&Save", DT_NOPREFIX, L"&Save", -1},
      {"hidden prefix", L"&Save", DT_HIDEPREFIX, L"Save", -1},
      {"prefix in the middle", L"保存(&S)", 0, L"保存(S)", 3},
      {"trailing prefix vanishes", L"ab&", 0, L"ab", -1},
  };
  platform::gdi::FontObject& font = *platform::gdi::FontObject::StockGuiFont();
  for (const PrefixCase& c : cases) {
    platform::gdi::DrawTextLayout layout(font, c.text.data(), c.text.size(), c.format | DT_SINGLELINE, 1000);
    ASSERT_EQ(layout.Lines().size(), 1u) << c.what;
    EXPECT_EQ(layout.Lines()[0].text, c.shown) << c.what;
    EXPECT_EQ(layout.Lines()[0].underlined, c.underlined) << c.what;
  }
}

TEST(DrawText, PrefixDrawsAnUnderline) {
  WhiteCanvas plain(100, 30), prefixed(100, 30);
  RECT rc{5, 5, 95, 25};
  DrawTextW(plain.dc(), L"Save", -1, &rc, DT_SINGLELINE);
  DrawTextW(prefixed.dc(), L"&Save", -1, &rc, DT_SINGLELINE);
  EXPECT_GT(prefixed.CountNot(kWhite, rc), plain.CountNot(kWhite, rc));
  EXPECT_GT(prefixed.InkBox(kWhite).bottom, plain.InkBox(kWhite).bottom - 1);
}

TEST(DrawText, EllipsisCutsTheLineToFit) {
  WhiteCanvas canvas(300, 30);
  const std::wstring text = L"一段很长很长的提示文字 with a tail";
  RECT rc{0, 0, 80, 20};
  DrawTextW(canvas.dc(), text.data(), -1, &rc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
  RECT ink = canvas.InkBox(kWhite);
  EXPECT_LE(ink.right, 80);
  EXPECT_GT(ink.right, 60);
  platform::gdi::FontObject& font = *platform::gdi::FontObject::StockGuiFont();
  platform::gdi::DrawTextLayout layout(font, text.data(), text.size(), DT_SINGLELINE | DT_END_ELLIPSIS, 80);
  const std::wstring& shown = layout.Lines()[0].text;
  EXPECT_EQ(shown.substr(shown.size() - 3), L"...");
  EXPECT_EQ(shown.substr(0, 3), L"一段很");
  // Text that fits is left whole.
  platform::gdi::DrawTextLayout fits(font, L"短", 1, DT_SINGLELINE | DT_END_ELLIPSIS, 80);
  EXPECT_EQ(fits.Lines()[0].text, L"短");
}

TEST(DrawText, EmptyAndInvalidCalls) {
  WhiteCanvas canvas(20, 20);
  RECT rc{2, 3, 10, 10};
  EXPECT_EQ(DrawTextW(canvas.dc(), L"", -1, &rc, DT_CALCRECT), 12);
  EXPECT_EQ(rc.right, 2) << "collapsed to its top-left corner";
  EXPECT_EQ(rc.bottom, 3);
  EXPECT_EQ(DrawTextW(nullptr, L"a", -1, &rc, 0), 0);
  EXPECT_EQ(DrawTextW(canvas.dc(), L"a", -1, nullptr, 0), 0);
}

TEST(DrawText, OpaqueBackgroundFillsEachLineCell) {
  DibCanvas canvas(100, 40);
  SetBkMode(canvas.dc(), OPAQUE);
  SetBkColor(canvas.dc(), RGB(0, 255, 0));
  RECT rc{0, 0, 100, 40};
  DrawTextW(canvas.dc(), L"ab\n中文字", -1, &rc, 0);
  int second = Extent(canvas.dc(), L"中文字");
  EXPECT_EQ(canvas.At(0, 0), 0xFF00FF00u);
  EXPECT_EQ(canvas.At(second - 1, 23), 0xFF00FF00u);
  EXPECT_EQ(canvas.At(second, 23), 0u);
  EXPECT_EQ(canvas.At(0, 24), 0u);
}

}  // namespace
