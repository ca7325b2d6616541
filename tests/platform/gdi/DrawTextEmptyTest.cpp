// DrawTextW of nothing, and words longer than the line.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DibCanvas.h"
#include "platform/gdi/DrawTextLayout.h"
#include "platform/gdi/FontObject.h"
#include "platform/gdi/Gdi.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr int kLine = 12;  // the stock font's line

struct EmptyCase {
  const char* what;
  const wchar_t* text;
  int count;
  UINT format;
  RECT after;  // from (2, 3)-(60, 40)
};

void PrintTo(const EmptyCase& c, std::ostream* out) { *out << c.what; }

class EmptyText : public ::testing::TestWithParam<EmptyCase> {};

TEST_P(EmptyText, MeasuresOneLineAndDrawsNothing) {
  const EmptyCase& c = GetParam();
  DibCanvas canvas(80, 50);
  canvas.Fill(kWhite);
  RECT rc{2, 3, 60, 40};
  EXPECT_EQ(DrawTextW(canvas.dc(), c.text, c.count, &rc, c.format), kLine);
  EXPECT_EQ(rc.left, c.after.left);
  EXPECT_EQ(rc.top, c.after.top);
  EXPECT_EQ(rc.right, c.after.right);
  EXPECT_EQ(rc.bottom, c.after.bottom);
  EXPECT_EQ(canvas.CountNot(kWhite, RECT{0, 0, 80, 50}), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EmptyText,
    ::testing::Values(EmptyCase{"drawn", L"", -1, 0, {2, 3, 60, 40}},
                      EmptyCase{"drawn centred", L"", -1, DT_SINGLELINE | DT_VCENTER | DT_CENTER, {2, 3, 60, 40}},
                      EmptyCase{"measured on one line", L"", -1, DT_CALCRECT | DT_SINGLELINE, {2, 3, 2, 3}},
                      EmptyCase{"measured on several lines", L"", -1, DT_CALCRECT | DT_WORDBREAK, {2, 3, 2, 3}},
                      EmptyCase{"a count of 0, measured", L"abc", 0, DT_CALCRECT | DT_SINGLELINE, {2, 3, 60, 40}},
                      EmptyCase{"a count of 0, measured on lines", L"abc", 0, DT_CALCRECT, {2, 3, 60, 40}},
                      EmptyCase{"a count of 0, drawn", L"abc", 0, DT_SINGLELINE, {2, 3, 60, 40}}),
    [](const ::testing::TestParamInfo<EmptyCase>& info) { return "Case" + std::to_string(info.index); });

TEST(NullText, DrawsNothingMeasuresNothingAndAnswersZero) {
  for (UINT format : {0u, UINT(DT_SINGLELINE), UINT(DT_CALCRECT), UINT(DT_CALCRECT | DT_SINGLELINE)}) {
    for (int count : {-1, 0, 3}) {
      DibCanvas canvas(80, 50);
      canvas.Fill(kWhite);
      RECT rc{2, 3, 60, 40};
      EXPECT_EQ(DrawTextW(canvas.dc(), nullptr, count, &rc, format), 0) << format << " " << count;
      EXPECT_EQ(rc.right, 60);
      EXPECT_EQ(rc.bottom, 40);
      EXPECT_EQ(canvas.CountNot(kWhite, RECT{0, 0, 80, 50}), 0);
    }
  }
}

struct LongWordCase {
  const char* what;
  std::wstring text;
  UINT format;
  std::vector<std::wstring> lines;
};

void PrintTo(const LongWordCase& c, std::ostream* out) { *out << c.what; }

class LongWords : public ::testing::TestWithParam<LongWordCase> {};

// Lines as wide as "abcde".
TEST_P(LongWords, OverflowUnlessTheFormatSaysOtherwise) {
  const LongWordCase& c = GetParam();
  platform::gdi::FontObject& font = *platform::gdi::FontObject::StockGuiFont();
  const int width = font.Extent(L"abcde", 5);
  platform::gdi::DrawTextLayout layout(font, c.text.data(), c.text.size(), c.format | DT_NOPREFIX, width);
  std::vector<std::wstring> lines;
  for (const auto& line : layout.Lines()) lines.push_back(line.text);
  EXPECT_EQ(lines, c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LongWords,
    ::testing::Values(
        LongWordCase{"kept whole", L"abcdefghijkl", DT_WORDBREAK, {L"abcdefghijkl"}},
        LongWordCase{"on a line of its own", L"ab abcdefghijkl cd", DT_WORDBREAK, {L"ab", L"abcdefghijkl", L"cd"}},
        LongWordCase{"an edit control breaks it", L"abcdefghijkl", DT_WORDBREAK | DT_EDITCONTROL,
                     {L"abcde", L"fghij", L"kl"}},
        LongWordCase{"a word ellipsis ends it", L"abcdefghijkl xy", DT_WORDBREAK | DT_WORD_ELLIPSIS,
                     {L"ab...", L"xy"}},
        LongWordCase{"Chinese still breaks anywhere", L"巡更系统管理", DT_WORDBREAK, {L"巡更", L"系统", L"管理"}},
        LongWordCase{"a long word after Chinese starts a line", L"巡abcdefgh", DT_WORDBREAK, {L"巡", L"abcdefgh"}}),
    [](const ::testing::TestParamInfo<LongWordCase>& info) { return "Case" + std::to_string(info.index); });

TEST(LongWordDrawing, ClipsToTheRectangleUnlessNoClipAndMeasuresWhole) {
  const wchar_t* text = L"abcdefghijkl";
  DibCanvas probe(4, 4);
  SIZE whole{};
  GetTextExtentPoint32W(probe.dc(), text, 12, &whole);
  RECT measured{0, 0, 30, 40};
  DrawTextW(probe.dc(), text, -1, &measured, DT_WORDBREAK | DT_CALCRECT);
  EXPECT_EQ(measured.right, whole.cx);
  EXPECT_EQ(measured.bottom, kLine);
  for (UINT noClip : {0u, UINT(DT_NOCLIP)}) {
    DibCanvas canvas(120, 40);
    canvas.Fill(kWhite);
    SetBkMode(canvas.dc(), TRANSPARENT);
    RECT rc{0, 0, 30, 40};
    DrawTextW(canvas.dc(), text, -1, &rc, DT_WORDBREAK | noClip);
    const RECT ink = canvas.InkBox(kWhite);
    EXPECT_LE(ink.bottom, kLine) << "one line";
    if (noClip) {
      EXPECT_GT(ink.right, 30);
    } else {
      EXPECT_LE(ink.right, 30);
      EXPECT_GT(ink.right, 20);
    }
  }
}

}  // namespace
