// Plain and markup text. Fonts are pinned (the window's default font is Tahoma at 12
// pixels), and markup is checked structurally: by the extents the layout reports and
// by comparing its pixels with the same runs drawn directly at the places the layout
// must have chosen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/RenderTestSupport.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using rendertest::Canvas;
using SkinUI::CSkinRenderer;
using SkinUI::CUIString;
using SkinUI::CWindowManagerUI;

constexpr DWORD kBlack = 0xFF000000;
constexpr DWORD kRed = 0xFFFF0000;
constexpr int kWidth = 300;
constexpr int kHeight = 80;

// One run of text drawn straight onto a reference canvas.
struct Piece {
  int x, y;
  std::wstring text;
  HFONT font;
  DWORD colour;
};

class TextTest : public ::testing::Test {
 protected:
  void SetUp() override {
    static const bool registered = [] {
      WNDCLASSEXW wc = {};
      wc.cbSize = sizeof(wc);
      wc.lpfnWndProc = &DefWindowProcW;
      wc.lpszClassName = L"RenderTextTestHost";
      wc.hInstance = GetModuleHandleW(nullptr);
      return RegisterClassExW(&wc) != 0;
    }();
    ASSERT_TRUE(registered);
    hwnd_ = CreateWindowExW(0, L"RenderTextTestHost", L"", WS_POPUP, 0, 0, 400, 200, nullptr, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hwnd_, nullptr);
    manager_.Init(hwnd_);
    manager_.SetDefaultFont(L"Tahoma", 12, false, false, false);
    normal_ = manager_.GetDefaultFontInfo()->hFont;
    metrics_ = manager_.GetDefaultFontInfo()->tm;
  }
  void TearDown() override {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
  }

  int LineHeight() const { return metrics_.tmHeight + metrics_.tmExternalLeading; }

  int Extent(const std::wstring& text, HFONT font) {
    HDC dc = manager_.GetPaintDC();
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size = {0, 0};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    return size.cx;
  }

  HFONT Bold() {
    HFONT bold = manager_.FindFont(L"Tahoma", 12, true, false, false);
    return bold != nullptr ? bold : manager_.AddFont(L"Tahoma", 12, true, false, false);
  }

  // The markup's measured rectangle, from a rectangle at (left, top).
  RECT Measure(const wchar_t* markup, UINT style, RECT rc = RECT{10, 5, 10 + kWidth, 5 + kHeight}) {
    int links = 0;
    CSkinRenderer::DrawMarkupText(manager_.GetPaintDC(), &manager_, rc, markup, kBlack, nullptr, nullptr, links,
                                  style | DT_CALCRECT);
    return rc;
  }

  void DrawMarkup(Canvas& canvas, const wchar_t* markup, RECT rc, UINT style = 0, DWORD colour = kBlack) {
    int links = 0;
    CSkinRenderer::DrawMarkupText(canvas.DC(), &manager_, rc, markup, colour, nullptr, nullptr, links, style);
  }

  static void DrawRuns(Canvas& canvas, const std::vector<Piece>& runs) {
    SetBkMode(canvas.DC(), TRANSPARENT);
    for (const Piece& run : runs) {
      HGDIOBJ old = SelectObject(canvas.DC(), run.font);
      SetTextColor(canvas.DC(), RGB(run.colour >> 16 & 0xFF, run.colour >> 8 & 0xFF, run.colour & 0xFF));
      TextOutW(canvas.DC(), run.x, run.y, run.text.c_str(), static_cast<int>(run.text.size()));
      SelectObject(canvas.DC(), old);
    }
  }

  static int Differences(const Canvas& a, const Canvas& b) {
    int count = 0;
    for (int y = 0; y < kHeight; ++y)
      for (int x = 0; x < kWidth; ++x) count += a.Pixel(x, y) != b.Pixel(x, y) ? 1 : 0;
    return count;
  }

  static bool HasInk(const Canvas& canvas, const RECT& rc) {
    return canvas.Count(rc, 0xFFFFFFFF) != (rc.right - rc.left) * (rc.bottom - rc.top);
  }

  platform::headless::TestDriver driver_;
  HWND hwnd_ = nullptr;
  CWindowManagerUI manager_;
  HFONT normal_ = nullptr;
  TEXTMETRICW metrics_ = {};
};

// --- Measuring ---

TEST_F(TextTest, ASingleLineMeasuresToTheSumOfItsExtents) {
  const RECT rc = Measure(L"abc <b>def</b> ghi", DT_SINGLELINE);
  const int width = Extent(L"abc", normal_) + Extent(L" ", normal_) + Extent(L"def", Bold()) + Extent(L" ", normal_) +
                    Extent(L"ghi", normal_);
  EXPECT_EQ(rc.left, 10);
  EXPECT_EQ(rc.right - rc.left, width);
  EXPECT_EQ(rc.top, 5);
  EXPECT_EQ(rc.bottom - rc.top, LineHeight());
}

TEST_F(TextTest, LinesMeasureToTheWidestAndTheirHeightsAddUp) {
  const RECT rc = Measure(L"abc\ndefgh\n\nxy", 0);
  EXPECT_EQ(rc.right - rc.left, Extent(L"defgh", normal_));
  EXPECT_EQ(rc.bottom - rc.top, 4 * LineHeight()) << "an empty line advances by a line height";
}

// Offsets, line heights and font sizes from tags are held to what a screen can show
// where they are read: a value past that measures as the largest one.
TEST_F(TextTest, TagValuesBeyondTheScreenMeasureAsTheLargestItCanShow) {
  struct Case {
    const wchar_t* beyond;
    const wchar_t* largest;
  } cases[] = {
      {L"<y 99999999999>a", L"<y 32767>a"},
      {L"<y -99999999999>a", L"<y -32767>a"},
      {L"<p 99999999999>a</p>", L"<p 32767>a</p>"},
      {L"<p -99999999999>a</p>", L"<p -32767>a</p>"},
      {L"<x 99999999999>a", L"<x 32767>a"},
      {L"<x -99999999999>a", L"<x -32767>a"},
      {L"<f Tahoma 99999999999>a</f>", L"<f Tahoma 1000>a</f>"},
      {L"<f Tahoma 0>a</f>", L"<f Tahoma 1>a</f>"},
  };
  for (const Case& c : cases) {
    const RECT beyond = Measure(c.beyond, 0);
    const RECT largest = Measure(c.largest, 0);
    EXPECT_EQ(beyond.right, largest.right) << rendertest::Narrow(c.beyond);
    EXPECT_EQ(beyond.bottom, largest.bottom) << rendertest::Narrow(c.beyond);
  }
  EXPECT_EQ(5 + 32767, Measure(L"<y 99999999999>a", 0).bottom);
}

// Each value is in range, but many of them add up: the pen stops short of where
// the sums would wrap around.
TEST_F(TextTest, ManyLargeOffsetsAddUpWithoutWrappingAround) {
  std::wstring down;
  for (int i = 0; i < 70000; ++i) down += L"<y 32767>a\n";
  const RECT tall = Measure(down.c_str(), 0);
  EXPECT_GT(tall.bottom, 32767 * 1000) << "lines go on adding up";

  std::wstring back;
  for (int i = 0; i < 70000; ++i) back += L"<x -32767>";
  back += L"a";
  const RECT wide = Measure(back.c_str(), DT_SINGLELINE);
  EXPECT_LE(wide.left, wide.right);
  EXPECT_LE(wide.right, 10 + kWidth);
}

TEST_F(TextTest, NestedTagsOfOneKindEndAtTheFirstClosingTag) {
  const int nested = Extent(L"x", Bold()) + Extent(L"WWW", normal_);
  ASSERT_NE(nested, Extent(L"x", Bold()) + Extent(L"WWW", Bold())) << "the fonts must differ in width";
  EXPECT_EQ(Measure(L"<b><b>x</b>WWW</b>", DT_SINGLELINE).right - 10, nested);
  const int mixed = Measure(L"<b><u>x</u>WWW</b>", DT_SINGLELINE).right - 10;
  EXPECT_EQ(mixed, Extent(L"x", manager_.FindFont(L"Tahoma", 12, true, true, false)) + Extent(L"WWW", Bold()))
      << "different kinds nest";
}

TEST_F(TextTest, WordsBreakAfterEveryCharacterThatIsNoLetter) {
  struct Case {
    const wchar_t* text;
    const wchar_t* firstLine;
    const wchar_t* secondLine;
  } cases[] = {{L"aaaa bbbb", L"aaaa ", L"bbbb"},
               {L"aaaa,bbbb", L"aaaa,", L"bbbb"},
               {L"aa12bbbb", L"aa12", L"bbbb"},
               {L"中文字符中文字符", L"中文字符中文字", L"符"}};
  for (const Case& c : cases) {
    const int width = Extent(std::wstring(c.text).substr(0, 7), normal_);  // room for seven characters
    const RECT rc = Measure(c.text, DT_WORDBREAK, RECT{0, 0, width, 100});
    EXPECT_EQ(rc.right, std::max(Extent(c.firstLine, normal_), Extent(c.secondLine, normal_)))
        << rendertest::Narrow(c.text);
    EXPECT_EQ(rc.bottom, 2 * LineHeight()) << rendertest::Narrow(c.text);
    Canvas canvas(kWidth, kHeight);
    DrawMarkup(canvas, c.text, RECT{0, 0, width, kHeight}, DT_WORDBREAK);
    Canvas reference(kWidth, kHeight);
    DrawRuns(reference, {{0, 0, c.firstLine, normal_, kBlack}, {0, LineHeight(), c.secondLine, normal_, kBlack}});
    EXPECT_EQ(Differences(canvas, reference), 0) << rendertest::Narrow(c.text);
  }
}

TEST_F(TextTest, WithoutWordBreakALineTakesWhatFitsAndNeverLessThanOneCharacter) {
  const int three = Extent(L"aaa", normal_);
  RECT rc = Measure(L"aaaaaaa", 0, RECT{0, 0, three + 1, 100});
  EXPECT_EQ(rc.right, three);
  EXPECT_EQ(rc.bottom, 3 * LineHeight()) << "3 + 3 + 1 characters";
  rc = Measure(L"WWW", 0, RECT{0, 0, 2, 100});
  EXPECT_EQ(rc.bottom, 3 * LineHeight()) << "one character a line in a rectangle narrower than any";
}

// --- Drawing compared with the runs it must produce ---

TEST_F(TextTest, BracesAndAngleBracketsDrawAlike) {
  const RECT rc = {0, 0, kWidth, kHeight};
  Canvas angles(kWidth, kHeight);
  Canvas braces(kWidth, kHeight);
  DrawMarkup(angles, L"a<b>b</b> <c #FF0000>c</c> <u>d</u><x 5><i>e</i>", rc);
  DrawMarkup(braces, L"a{b}b{/b} {c #FF0000}c{/c} <u}d{/u>{x 5}{i>e</i}", rc);
  EXPECT_TRUE(HasInk(angles, rc));
  EXPECT_EQ(Differences(angles, braces), 0);
}

TEST_F(TextTest, EscapesAndStrayBracketsPrintLiterally) {
  const RECT rc = {0, 0, kWidth, kHeight};
  Canvas markup(kWidth, kHeight);
  DrawMarkup(markup, L"1<{>2<}>3{<}4{>}5 <6 <ab> {/", rc);
  Canvas reference(kWidth, kHeight);
  DrawRuns(reference, {{0, 0, L"1{2}3<4>5 <6 <ab> {/", normal_, kBlack}});
  EXPECT_EQ(Differences(markup, reference), 0);
  Canvas raw(kWidth, kHeight);
  DrawMarkup(raw, L"<r>1{2}3<4>5 <6 <ab> {/{/r}", rc);
  EXPECT_EQ(Differences(raw, reference), 0) << "raw text prints tags and escapes as they stand";
}

TEST_F(TextTest, AColourTagColoursOnlyItsOwnCharacters) {
  const RECT rc = {0, 0, kWidth, kHeight};
  const int a = Extent(L"a", normal_);
  for (const wchar_t* markup : {L"<c #FF0000>a</c>b", L"<c FFFF0000>a</c>b", L"<c #ff0000>a<c #00FF00></c></c>b"}) {
    Canvas canvas(kWidth, kHeight);
    DrawMarkup(canvas, markup, rc);
    Canvas reference(kWidth, kHeight);
    DrawRuns(reference, {{0, 0, L"a", normal_, kRed}, {a, 0, L"b", normal_, kBlack}});
    EXPECT_EQ(Differences(canvas, reference), 0) << rendertest::Narrow(markup);
  }
}

TEST_F(TextTest, RunsOfMixedFontsSitOnTheLinesBottom) {
  HFONT big = manager_.AddFont(L"Tahoma", 20, false, false, false);
  TEXTMETRICW bigMetrics = manager_.GetFontInfo(0)->tm;
  const int line = bigMetrics.tmHeight + bigMetrics.tmExternalLeading;
  const RECT rc = {0, 0, kWidth, kHeight};
  Canvas canvas(kWidth, kHeight);
  DrawMarkup(canvas, L"ab<f 0>CD</f>e", rc);
  const int ab = Extent(L"ab", normal_);
  const int cd = Extent(L"CD", big);
  Canvas reference(kWidth, kHeight);
  DrawRuns(reference, {{0, line - LineHeight(), L"ab", normal_, kBlack},
                       {ab, 0, L"CD", big, kBlack},
                       {ab + cd, line - LineHeight(), L"e", normal_, kBlack}});
  EXPECT_EQ(Differences(canvas, reference), 0);
  EXPECT_EQ(Measure(L"ab<f 0>CD</f>e\nx", 0).bottom - 5, line + LineHeight());
}

TEST_F(TextTest, ASingleLineWithAnEllipsisEndsInDotsAndDrawsNoSecondLine) {
  const std::wstring text = L"abcdefghijklmnopqrstuvwxyz";
  const int width = Extent(L"abcdefghij", normal_) + 2;  // ten characters fit
  const RECT rc = {0, 0, width, kHeight};
  Canvas canvas(kWidth, kHeight);
  DrawMarkup(canvas, text.c_str(), rc, DT_SINGLELINE | DT_END_ELLIPSIS | DT_WORDBREAK);
  // Ten fit; two more are dropped for the dots.
  Canvas reference(kWidth, kHeight);
  const int run = Extent(L"abcdefgh", normal_);
  {
    HRGN clip = CreateRectRgn(0, 0, width, kHeight);
    SelectClipRgn(reference.DC(), clip);
    DrawRuns(reference, {{0, 0, L"abcdefgh", normal_, kBlack}, {run, 0, L"...", normal_, kBlack}});
    SelectClipRgn(reference.DC(), nullptr);
    DeleteObject(clip);
  }
  EXPECT_EQ(Differences(canvas, reference), 0) << "the dots, and the rest of the text on no second line";
}

TEST_F(TextTest, CentredRunsAndTheAlignmentPassMoveTheText) {
  const int w = Extent(L"abc", normal_);
  RECT rc = {0, 0, 200, 60};
  Canvas canvas(kWidth, kHeight);
  int links = 0;
  CSkinRenderer::DrawMarkupText(canvas.DC(), &manager_, rc, L"abc", kBlack, nullptr, nullptr, links,
                                DT_SINGLELINE | DT_CENTER | DT_VCENTER);
  const int left = 100 - w / 2;
  const int top = 30 - LineHeight() / 2;
  EXPECT_EQ(rc.left, left) << "the caller's rectangle is moved";
  EXPECT_EQ(rc.right, left + w);
  EXPECT_EQ(rc.top, top);
  EXPECT_EQ(rc.bottom, top + LineHeight());
  Canvas reference(kWidth, kHeight);
  DrawRuns(reference, {{left, top, L"abc", normal_, kBlack}});
  EXPECT_EQ(Differences(canvas, reference), 0);

  rc = RECT{0, 0, 200, 60};
  int none = 0;
  Canvas multi(kWidth, kHeight);
  CSkinRenderer::DrawMarkupText(multi.DC(), &manager_, rc, L"abc\nde", kBlack, nullptr, nullptr, none, DT_CENTER);
  Canvas perRun(kWidth, kHeight);
  DrawRuns(perRun, {{(200 - w) / 2, 0, L"abc", normal_, kBlack},
                    {(200 - Extent(L"de", normal_)) / 2, LineHeight(), L"de", normal_, kBlack}});
  EXPECT_EQ(Differences(multi, perRun), 0) << "without a single line each run is centred on its own";
}

TEST_F(TextTest, AnItalicTagWithoutANameAndAMissingPicture) {
  const RECT rc = {0, 0, kWidth, kHeight};
  Canvas missing(kWidth, kHeight);
  DrawMarkup(missing, L"a<i no-such-picture.png 3 1>b", rc);
  Canvas plain(kWidth, kHeight);
  DrawMarkup(plain, L"ab", rc);
  EXPECT_EQ(Differences(missing, plain), 0) << "the tag is consumed and draws nothing";
  EXPECT_EQ(manager_.FindFont(L"Tahoma", 12, false, false, true), nullptr);
  const int measured = Measure(L"a<i>b</i>", DT_SINGLELINE).right - 10;
  HFONT italic = manager_.FindFont(L"Tahoma", 12, false, false, true);
  ASSERT_NE(italic, nullptr) << "the variant joins the font list";
  EXPECT_EQ(measured, Extent(L"a", normal_) + Extent(L"b", italic));
}

TEST_F(TextTest, InlineImagesTakeACellCentredOnTheLine) {
  rendertest::TempDir skin;
  const CUIString savedPath = CWindowManagerUI::GetResourcePath();
  CWindowManagerUI::SetResourcePath(skin.Path().c_str());
  std::vector<DWORD> cells(20 * 10);
  for (int i = 0; i < 200; ++i) cells[size_t(i)] = i % 20 < 10 ? 0xFFFF0000 : 0xFF0000FF;
  ASSERT_TRUE(rendertest::WritePng(skin.File(L"cells.png"), 20, 10, cells));
  SkinUI::UIImageRecord* probe = CWindowManagerUI::LoadImageData(L"cells.png");
  CWindowManagerUI::FreeImageRecord(probe);
  if (probe == nullptr) {
    CWindowManagerUI::SetResourcePath(savedPath);
    FAIL() << "the window manager's image cache did not load cells.png from the skin folder";
  }
  const int ab = Extent(L"ab", normal_);
  const int line = LineHeight();
  ASSERT_GT(line, 10);
  Canvas canvas(kWidth, kHeight);
  DrawMarkup(canvas, L"ab<i cells.png 2 1>c <i file='cells.png'>", RECT{0, 0, kWidth, kHeight});
  const int top = line - 10 - (line - 10) / 2;
  EXPECT_EQ(canvas.Count(RECT{ab, top, ab + 10, top + 10}, 0xFF0000FF), 100) << "the second of two cells";
  const int second = ab + 10 + Extent(L"c ", normal_);
  EXPECT_EQ(canvas.Count(RECT{second, top, second + 10, top + 10}, 0xFFFF0000), 100) << "a description's picture";
  EXPECT_EQ(canvas.Count(RECT{second + 10, top, second + 20, top + 10}, 0xFF0000FF), 100);
  EXPECT_EQ(Measure(L"ab<i cells.png 2 1>c", DT_SINGLELINE).right - 10, ab + 10 + Extent(L"c", normal_));
  const RECT wrapped = Measure(L"ab<i cells.png>", 0, RECT{0, 0, ab + 5, 200});
  EXPECT_EQ(wrapped.bottom, 2 * line) << "a picture that does not fit goes to the next line";
  CWindowManagerUI::SetResourcePath(savedPath);
}

// --- Links ---

TEST_F(TextTest, ALinkThatWrapsYieldsARectangleForEachLine) {
  const std::wstring before = L"see ";
  const int lead = Extent(before, normal_);
  HFONT underlined = manager_.AddFont(L"Tahoma", 12, false, true, false);
  const int width = lead + Extent(L"the home ", underlined) + 1;  // "page" goes to the next line
  RECT rc = {4, 2, 4 + width, 200};
  RECT rects[4] = {};
  CUIString names[4];
  int count = 4;
  Canvas canvas(kWidth, kHeight);
  CSkinRenderer::DrawMarkupText(canvas.DC(), &manager_, rc, L"see <a home>the home page</a> now", kBlack, rects, names,
                                count, DT_WORDBREAK);
  ASSERT_EQ(count, 2);
  EXPECT_EQ(names[0], L"home");
  EXPECT_EQ(names[1], L"home");
  const int h = LineHeight();
  EXPECT_EQ(rects[0].left, 4 + lead);
  EXPECT_EQ(rects[0].top, 2);
  EXPECT_EQ(rects[0].bottom, 2 + h);
  EXPECT_EQ(rects[0].right, 4 + lead + Extent(L"the home ", underlined));
  EXPECT_EQ(rects[1].left, 4);
  EXPECT_EQ(rects[1].top, 2 + h);
  EXPECT_EQ(rects[1].bottom, 2 + 2 * h);
  EXPECT_EQ(rects[1].right, 4 + Extent(L"page", underlined));

  int one = 1;
  RECT single[1] = {};
  CUIString singleName[1];
  RECT again = {4, 2, 4 + width, 200};
  CSkinRenderer::DrawMarkupText(canvas.DC(), &manager_, again, L"see <a home>the home page</a> now", kBlack, single,
                                singleName, one, DT_WORDBREAK);
  EXPECT_EQ(one, 1) << "no more rectangles than there are slots";
  EXPECT_EQ(single[0].right, rects[0].right);
}

TEST_F(TextTest, TheLinkUnderTheMouseTakesTheHoverColour) {
  manager_.SetDefaultLinkFontColor(0xFF0000FF);
  manager_.SetDefaultLinkHoverFontColor(0xFFFF0000);
  RECT rects[2] = {};
  CUIString names[2];
  int count = 2;
  RECT rc = {0, 0, kWidth, kHeight};
  Canvas canvas(kWidth, kHeight);
  CSkinRenderer::DrawMarkupText(canvas.DC(), &manager_, rc, L"<a x>go</a> <a y>on</a>", kBlack, rects, names, count, 0);
  ASSERT_EQ(count, 2);
  HFONT underlined = manager_.FindFont(L"Tahoma", 12, false, true, false);
  const int go = Extent(L"go", underlined);
  const int blank = Extent(L" ", normal_);
  Canvas reference(kWidth, kHeight);
  DrawRuns(reference, {{0, 0, L"go", underlined, 0xFF0000FF}, {go + blank, 0, L"on", underlined, 0xFF0000FF}});
  EXPECT_EQ(Differences(canvas, reference), 0) << "the mouse has not been over the window";

  // The previous paint's rectangles come back in; the mouse is over the second link.
  LRESULT result = 0;
  const POINT over = {rects[1].left + 2, rects[1].top + 2};
  manager_.HandleWindowMessage(WM_MOUSEMOVE, 0, MAKELPARAM(over.x, over.y), result);
  const POINT seen = manager_.GetMousePos();
  ASSERT_TRUE(seen.x == over.x && seen.y == over.y) << "the manager did not follow the mouse to the second link";
  Canvas hovered(kWidth, kHeight);
  count = 2;
  rc = RECT{0, 0, kWidth, kHeight};
  CSkinRenderer::DrawMarkupText(hovered.DC(), &manager_, rc, L"<a x>go</a> <a y>on</a>", kBlack, rects, names, count,
                                0);
  Canvas hoverReference(kWidth, kHeight);
  DrawRuns(hoverReference, {{0, 0, L"go", underlined, 0xFF0000FF}, {go + blank, 0, L"on", underlined, 0xFFFF0000}});
  EXPECT_EQ(Differences(hovered, hoverReference), 0);
}

// --- Plain text ---

struct PlainCase {
  const char* name;
  bool layered;
  bool gdiplusText;
  DWORD strongestAlpha;
};

class PlainText : public TextTest, public ::testing::WithParamInterface<PlainCase> {};

TEST_P(PlainText, OpaqueColoursKeepTheirAlphaOnlyThroughGdi) {
  const PlainCase& c = GetParam();
  manager_.SetLayered(c.layered);
  manager_.SetUseGdiplusText(c.gdiplusText);
  Canvas canvas(kWidth, kHeight, 0x00000000);
  RECT rc = {0, 0, kWidth, kHeight};
  CSkinRenderer::DrawPlainText(canvas.DC(), &manager_, rc, L"MMMM", kBlack, -1, DT_SINGLELINE);
  DWORD strongest = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) strongest = std::max(strongest, canvas.Pixel(x, y) >> 24);
  EXPECT_EQ(strongest, c.strongestAlpha);
}

INSTANTIATE_TEST_SUITE_P(Paths, PlainText,
                         ::testing::Values(PlainCase{"Gdi", false, false, 255},
                                           PlainCase{"LayeredWindow", true, false, 254},
                                           PlainCase{"GdiplusText", false, true, 254}),
                         [](const ::testing::TestParamInfo<PlainCase>& info) { return info.param.name; });

TEST_F(TextTest, PlainTextPrintsAmpersandsAndMeasuresThroughGdi) {
  RECT rc = {5, 5, 305, 85};
  CSkinRenderer::DrawPlainText(manager_.GetPaintDC(), &manager_, rc, L"a&b", kBlack, -1, DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(rc.right - rc.left, Extent(L"a&b", normal_)) << "no prefix: the ampersand is a character";
  EXPECT_EQ(rc.bottom - rc.top, metrics_.tmHeight);
  RECT measured = {5, 5, 305, 85};
  manager_.SetUseGdiplusText(true);
  CSkinRenderer::DrawPlainText(manager_.GetPaintDC(), &manager_, measured, L"a&b", kBlack, -1,
                               DT_SINGLELINE | DT_CALCRECT);
  EXPECT_EQ(measured.right - measured.left, Extent(L"a&b", normal_) + 1) << "GDI+ rounds up by one";
  RECT untouched = {5, 5, 305, 85};
  CSkinRenderer::DrawPlainText(manager_.GetPaintDC(), nullptr, untouched, L"a", kBlack, -1, DT_CALCRECT);
  CSkinRenderer::DrawPlainText(manager_.GetPaintDC(), &manager_, untouched, nullptr, kBlack, -1, DT_CALCRECT);
  EXPECT_EQ(untouched.right, 305);
}

}  // namespace
