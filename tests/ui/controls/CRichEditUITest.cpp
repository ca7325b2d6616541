// The rich edit in a skin window on the headless backend, input injected: what
// typing, Return, clicks, the wheel, Tab and the input method do and send, its tip
// text and colours, its vertical bar, its caret, and the text-services libraries.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "platform/base/SystemModules.h"
#include "platform/textservices/TextServicesExports.h"
#include "platform/user/ModuleExports.h"
#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CRichEditUI.h"
#include "ui/controls/CTxtWinHost.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using controltest::ControlHarness;
using controltest::ControlPixels;
using controltest::TestSkin;
using Lines = std::vector<std::string>;

// The first tab stop takes the focus when the window shows: a button, so that the
// rich edits start idle.
const wchar_t kSearch[] =
    L"<Button name=\"first\" text=\"First\" height=\"30\"/>"
    L"<RichEdit name=\"find\" height=\"30\" multiline=\"false\" wantreturn=\"false\" tipvalue=\"搜索\" "
    L"textpadding=\"4,6,4,4\"/>"
    L"<RichEdit name=\"memo\" height=\"80\" vscrollbar=\"true\" autovscroll=\"true\"/>"
    L"<Button name=\"other\" text=\"Other\" height=\"30\"/>";

std::wstring TextOf(ControlHarness& h, LPCTSTR name) {
  std::wstring text;
  h.OnGui([&] { text = h.Find(name)->GetText().GetData(); });
  return text;
}

void Type(ControlHarness& h, const std::wstring& keys) {
  for (wchar_t ch : keys) h.Key(UINT(towupper(wint_t(ch))));
}

TEST(RichEdit, TheSearchBoxSendsTextChangedWhileTypingAndReturnOnEnter) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kSearch));
  ASSERT_TRUE(h.Created());
  h.Click(L"find");
  Type(h, L"ab");
  h.Key(VK_RETURN);
  EXPECT_EQ(h.Notifications().Lines(), (Lines{"textchanged:find", "textchanged:find", "return:find"}));
  EXPECT_EQ(TextOf(h, L"find"), L"ab");
}


// --- Return ---

struct ReturnCase {
  const char* what;
  const wchar_t* attributes;
  bool ctrl;
  std::wstring text;
  Lines sent;
};

void PrintTo(const ReturnCase& c, std::ostream* os) { *os << c.what; }

class RichEditReturn : public ::testing::TestWithParam<ReturnCase> {};

TEST_P(RichEditReturn, InsertsALineOrSendsReturn) {
  const ReturnCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<Button name=\"first\" height=\"30\"/>"
                                                 L"<RichEdit name=\"memo\" height=\"80\" ") +
                                    c.attributes + L"/>"));
  ASSERT_TRUE(h.Created());
  h.Click(L"memo");
  Type(h, L"a");
  h.Notifications().Clear();
  if (c.ctrl) driver.KeyDown(VK_CONTROL);
  h.Key(VK_RETURN);
  if (c.ctrl) driver.KeyUp(VK_CONTROL);
  Type(h, L"b");
  EXPECT_EQ(TextOf(h, L"memo"), c.text);
  EXPECT_EQ(h.Notifications().Lines(), c.sent);
}

const ReturnCase kReturnCases[] = {
    {"WantedByDefault", L"", false, L"a\rb", {"textchanged:memo", "textchanged:memo"}},
    {"NotWantedSendsReturn", L"wantreturn=\"false\"", false, L"ab", {"return:memo", "textchanged:memo"}},
    {"CtrlReturnWantedByDefault", L"", true, L"a\rb", {"textchanged:memo", "textchanged:memo"}},
    {"CtrlReturnNotWantedSendsReturn", L"wantctrlreturn=\"false\"", true, L"ab",
     {"return:memo", "textchanged:memo"}},
    {"CtrlReturnNotWantedLeavesPlainReturn", L"wantctrlreturn=\"false\"", false, L"a\rb",
     {"textchanged:memo", "textchanged:memo"}},
    {"ASingleLineWantingReturnStillHoldsNoBreak", L"multiline=\"false\"", false, L"ab", {"textchanged:memo"}},
};

INSTANTIATE_TEST_SUITE_P(Table, RichEditReturn, ::testing::ValuesIn(kReturnCases));

// --- Notifications and text ---

TEST(RichEdit, TextChangedComesOncePerChangeFromTypingPastingAndSetText) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kSearch));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] { h.Find(L"find")->SetText(L"巡更"); });
  EXPECT_EQ(h.Notifications().Lines(), Lines{"textchanged:find"});
  h.Click(L"find");
  driver.KeyDown(VK_CONTROL);
  h.Key('A');
  h.Key('C');
  h.Key(VK_RIGHT);
  h.Key('V');
  driver.KeyUp(VK_CONTROL);
  Type(h, L"x");
  EXPECT_EQ(TextOf(h, L"find"), L"巡更巡更x");
  EXPECT_EQ(h.Notifications().Lines(), (Lines{"textchanged:find", "textchanged:find", "textchanged:find"}));
  h.Notifications().Clear();
  h.OnGui([&] { h.Find(L"find")->SetText(L""); });
  EXPECT_EQ(h.Notifications().Lines(), Lines{"textchanged:find"}) << "clearing the box is a change";
  EXPECT_EQ(TextOf(h, L"find"), L"");
}

TEST(RichEdit, AChineseCommitIsTypedIntoTheSearchBox) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kSearch));
  ASSERT_TRUE(h.Created());
  h.Click(L"find");
  driver.Commit(L"巡更点");
  EXPECT_EQ(TextOf(h, L"find"), L"巡更点");
  EXPECT_EQ(h.Notifications().Count("textchanged"), 3);
}

TEST(RichEdit, ATextChangedHandlerDeletingTheControlEndsCleanly) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Button name=\"first\" height=\"30\"/>"
                                    L"<VerticalLayout name=\"box\" height=\"40\">"
                                    L"<RichEdit name=\"find\" height=\"30\" wantreturn=\"false\"/></VerticalLayout>"));
  ASSERT_TRUE(h.Created());
  h.OnNotify([&](SkinUI::UINotifyRecord& msg) {
    if (msg.sType != L"textchanged") return;
    auto* box = h.Find<SkinUI::CContainerUI>(L"box");
    if (SkinUI::CControlUI* edit = h.Find(L"find")) box->Remove(edit);
  });
  h.Click(L"find");
  Type(h, L"ab");
  h.Key(VK_RETURN);
  EXPECT_EQ(h.Notifications().Lines(), Lines{"textchanged:find"});
  h.OnGui([&] { EXPECT_EQ(h.FindIfAny(L"find"), nullptr); });
}

// --- Pixels ---

int CountNear(const ControlPixels& pixels, uint32_t colour, int tolerance = 0) {
  int n = 0;
  for (int y = 0; y < pixels.Height(); ++y) {
    for (int x = 0; x < pixels.Width(); ++x) {
      const uint32_t p = pixels.At(x, y);
      int far = 0;
      for (int shift = 0; shift < 24; shift += 8) {
        far = std::max(far, std::abs(int((p >> shift) & 0xFF) - int((colour >> shift) & 0xFF)));
      }
      n += far <= tolerance ? 1 : 0;
    }
  }
  return n;
}

const uint32_t kTip = 0xFFBAC0C5;

TEST(RichEdit, TheTipIsDrawnOnlyWhileTheTextIsEmpty) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kSearch));
  ASSERT_TRUE(h.Created());
  EXPECT_GT(CountNear(h.Pixels(L"find"), kTip, 4), 10) << "the tip in its colour";
  h.Click(L"find");
  Type(h, L"w");
  EXPECT_EQ(CountNear(h.Pixels(L"find"), kTip, 4), 0) << "gone after typing";
  h.Key(VK_BACK);
  EXPECT_GT(CountNear(h.Pixels(L"find"), kTip, 4), 10) << "back when empty again";
}

TEST(RichEdit, SetTextReplacesEverythingInTheTextColour) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<RichEdit name=\"memo\" height=\"60\" textcolor=\"#FFFF0000\" text=\"old\"/>"));
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(TextOf(h, L"memo"), L"old") << "the skin's text";
  h.OnGui([&] { h.Find(L"memo")->SetText(L"巡更 WWW"); });
  EXPECT_EQ(TextOf(h, L"memo"), L"巡更 WWW");
  EXPECT_GT(CountNear(h.Pixels(L"memo"), 0xFFFF0000), 10);
  h.OnGui([&] { h.Find<SkinUI::CRichEditUI>(L"memo")->SetTextColor(0xFF00A000); });
  EXPECT_EQ(CountNear(h.Pixels(L"memo"), 0xFFFF0000), 0);
  EXPECT_GT(CountNear(h.Pixels(L"memo"), 0xFF00A000), 10);
}

TEST(RichEdit, ADisabledControlDrawsInTheDisabledColourAndEnablingRestoresItsOwn) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<RichEdit name=\"memo\" height=\"60\" textcolor=\"#FFFF0000\"/>"));
  ASSERT_TRUE(h.Created());
  const uint32_t disabled = 0xFFA7A6AA;
  h.OnGui([&] {
    h.Find(L"memo")->SetText(L"巡更 WWW");
    h.Find(L"memo")->SetEnabled(false);
  });
  EXPECT_GT(CountNear(h.Pixels(L"memo"), disabled), 10);
  EXPECT_EQ(CountNear(h.Pixels(L"memo"), 0xFFFF0000), 0);
  h.OnGui([&] { h.Find(L"memo")->SetText(L"WWW 巡更"); });
  EXPECT_EQ(CountNear(h.Pixels(L"memo"), 0xFFFF0000), 0) << "a text set while disabled stays disabled";
  h.OnGui([&] { h.Find(L"memo")->SetEnabled(true); });
  EXPECT_GT(CountNear(h.Pixels(L"memo"), 0xFFFF0000), 10);
  EXPECT_EQ(CountNear(h.Pixels(L"memo"), disabled), 0);
}

// A column of caret pixels: the caret is one pixel wide and a line high.
int CaretInk(ControlHarness& h, LPCTSTR name, int x, uint32_t background) {
  const ControlPixels pixels = h.Pixels(name);
  int n = 0;
  for (int y = 0; y < pixels.Height(); ++y) n += pixels.At(x, y) != background ? 1 : 0;
  return n;
}

struct CaretCase {
  const char* what;
  const wchar_t* windowAttributes;
};

void PrintTo(const CaretCase& c, std::ostream* os) { *os << c.what; }

class RichEditCaret : public ::testing::TestWithParam<CaretCase> {};

TEST_P(RichEditCaret, ShowsAtTheTextStartOnFocus) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Button name=\"first\" height=\"30\"/>"
                                    L"<RichEdit name=\"memo\" height=\"60\" textpadding=\"5,4,5,4\"/>",
                                    400, 300, GetParam().windowAttributes));
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(CaretInk(h, L"memo", 5, controltest::kWhite), 0);
  h.Click(L"memo");
  h.Key(VK_HOME);
  int lineHeight = 0;
  h.OnGui([&] { lineHeight = h.Manager().GetDefaultFontInfo()->tm.tmHeight; });
  EXPECT_GE(CaretInk(h, L"memo", 5, controltest::kWhite), lineHeight - 1);
  EXPECT_EQ(CaretInk(h, L"memo", 7, controltest::kWhite), 0) << "one pixel wide";
}

const CaretCase kCaretCases[] = {
    {"NotLayered", L""},
    {"Layered", L"bktrans=\"true\""},
};

INSTANTIATE_TEST_SUITE_P(Table, RichEditCaret, ::testing::ValuesIn(kCaretCases));

// --- Mouse, wheel, bar and Tab ---

TEST(RichEdit, AClickFocusesTheControlBeforeTheServicesPlaceTheCaret) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Button name=\"first\" height=\"30\"/>"
                                    L"<RichEdit name=\"memo\" height=\"60\" text=\"abc\"/>"));
  ASSERT_TRUE(h.Created());
  h.ClickAt(L"memo", POINT{1, 5});
  h.OnGui([&] { EXPECT_EQ(h.Manager().GetFocus(), h.Find(L"memo")); });
  Type(h, L"z");
  EXPECT_EQ(TextOf(h, L"memo"), L"zabc") << "the caret went where the click was";
  h.Notifications().Clear();
  h.ClickAt(L"memo", POINT{300, 5});
  Type(h, L"y");
  EXPECT_EQ(TextOf(h, L"memo"), L"zabcy");
  EXPECT_EQ(h.Notifications().Lines(), Lines{"textchanged:memo"}) << "the services took the click";
}

TEST(RichEdit, AClickOnAControlLyingOverItIsNotTaken) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Button name=\"first\" height=\"30\"/>"
                                    L"<RichEdit name=\"memo\" height=\"60\">"
                                    L"<Button name=\"over\" float=\"true\" pos=\"100,10,160,40\"/></RichEdit>"));
  ASSERT_TRUE(h.Created());
  h.Click(L"over");
  EXPECT_EQ(h.Notifications().Lines(), (Lines{"BtnDown:over", "click:over", "BtnUp:over"}));
  h.OnGui([&] { EXPECT_NE(h.Manager().GetFocus(), h.Find(L"memo")); });
}

const wchar_t kTall[] =
    L"<Button name=\"first\" height=\"30\"/>"
    L"<RichEdit name=\"memo\" height=\"80\" vscrollbar=\"true\" autovscroll=\"true\"/>";

std::wstring Lines10() { return L"1\r2\r3\r4\r5\r6\r7\r8\r9\r10"; }

bool BarShown(ControlHarness& h) {
  bool shown = false;
  h.Driver().WaitIdle();
  h.OnGui([&] {
    SkinUI::CScrollBarUI* bar = h.Find<SkinUI::CRichEditUI>(L"memo")->GetVerticalScrollBar();
    shown = bar != nullptr && bar->IsVisible();
  });
  return shown;
}

int BarPos(ControlHarness& h) {
  int pos = -1;
  h.OnGui([&] { pos = h.Find<SkinUI::CRichEditUI>(L"memo")->GetVerticalScrollBar()->GetScrollPos(); });
  return pos;
}

TEST(RichEdit, TheVerticalBarShowsForATallTextAndGoesWhenLinesAreDeleted) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kTall));
  ASSERT_TRUE(h.Created());
  EXPECT_FALSE(BarShown(h));
  h.OnGui([&] { h.Find(L"memo")->SetText(Lines10().c_str()); });
  EXPECT_TRUE(BarShown(h));
  h.OnGui([&] {
    const RECT client = h.Find<SkinUI::CRichEditUI>(L"memo")->GetTextHost()->GetClientRect();
    EXPECT_LE(client.right, h.Find(L"memo")->GetPos().right - 16) << "the text makes room for the bar";
  });
  h.Click(L"memo");
  driver.KeyDown(VK_CONTROL);
  h.Key(VK_END);
  driver.KeyUp(VK_CONTROL);
  for (int i = 0; i < 19; ++i) h.Key(VK_BACK);
  EXPECT_EQ(TextOf(h, L"memo"), L"1");
  EXPECT_FALSE(BarShown(h));
}

TEST(RichEdit, TheWheelScrollsThroughTheContainerAndWithCtrlThroughTheServices) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kTall));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    auto* memo = h.Find<SkinUI::CRichEditUI>(L"memo");
    memo->SetText(Lines10().c_str());
    memo->SetSel(0, 0);  // back to the top with the caret
  });
  ASSERT_TRUE(BarShown(h));
  ASSERT_EQ(BarPos(h), 0);
  int lineHeight = 0;
  h.OnGui([&] { lineHeight = h.Manager().GetDefaultFontInfo()->tm.tmHeight; });
  h.Wheel(L"memo", -WHEEL_DELTA);
  EXPECT_EQ(BarPos(h), lineHeight) << "the container's line step, as a line of text";
  driver.KeyDown(VK_CONTROL);
  h.Wheel(L"memo", -WHEEL_DELTA);
  driver.KeyUp(VK_CONTROL);
  EXPECT_EQ(BarPos(h), 4 * lineHeight) << "the services' own three lines";
  h.Wheel(L"memo", WHEEL_DELTA);
  EXPECT_EQ(BarPos(h), 3 * lineHeight);
}

struct TabCase {
  const char* what;
  const wchar_t* attributes;
  std::wstring text;
  bool keeps;
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.what; }

class RichEditTab : public ::testing::TestWithParam<TabCase> {};

TEST_P(RichEditTab, IsTypedOrMovesTheFocusOn) {
  const TabCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<Button name=\"first\" height=\"30\"/>"
                                                 L"<RichEdit name=\"memo\" height=\"60\" ") +
                                    c.attributes + L"/><Button name=\"next\" height=\"30\"/>"));
  ASSERT_TRUE(h.Created());
  h.RunModal();  // the window's own loop offers keys to its manager first
  h.Click(L"memo");
  h.Key(VK_TAB);
  EXPECT_EQ(TextOf(h, L"memo"), c.text);
  h.OnGui([&] { EXPECT_EQ(h.Manager().GetFocus() == h.Find(L"memo"), c.keeps); });
}

const TabCase kTabCases[] = {
    {"WantedByDefault", L"", L"\t", true},
    {"NotWantedPassesTheFocusOn", L"wanttab=\"false\"", L"", false},
};

INSTANTIATE_TEST_SUITE_P(Table, RichEditTab, ::testing::ValuesIn(kTabCases));

// --- The text host ---

TEST(RichEdit, ATwelvePixelFontIsAHundredAndEightyTwips) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, L"<Window size=\"300,200\"><Font name=\"宋体\" size=\"12\" default=\"true\"/>"
                           L"<Font name=\"微软雅黑\" size=\"12\" bold=\"true\"/>"
                           L"<VerticalLayout><RichEdit name=\"memo\" font=\"1\"/></VerticalLayout></Window>");
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    const CHARFORMAT2W& format = h.Find<SkinUI::CRichEditUI>(L"memo")->GetTextHost()->GetCharFormat();
    EXPECT_EQ(format.yHeight, 180);
    EXPECT_EQ(format.dwEffects & CFE_BOLD, DWORD(CFE_BOLD));
    EXPECT_EQ(std::wstring(format.szFaceName), L"微软雅黑");
    EXPECT_EQ(format.cbSize, sizeof(CHARFORMAT2W));
  });
}

TEST(RichEdit, AMaximumLengthBelowOneIsTheDefault) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<RichEdit name=\"memo\" height=\"60\" maxchar=\"3\"/>"));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    auto* memo = h.Find<SkinUI::CRichEditUI>(L"memo");
    EXPECT_EQ(memo->GetTextHost()->GetMaxLength(), 3);
    memo->SetText(L"abcdef");
    EXPECT_EQ(memo->GetText(), L"abc") << "the limit holds for the program's text too";
    memo->SetLimitText(0);
    EXPECT_EQ(memo->GetTextHost()->GetMaxLength(), 0x7FFF);
    memo->SetText(L"abcdef");
    EXPECT_EQ(memo->GetText(), L"abcdef");
  });
}

// The services each library made, with a reference of the test's own on each, so
// that what the host still holds shows when the test lets go.
struct MadeServices {
  static std::vector<IUnknown*>& RichEdit() {
    static std::vector<IUnknown*> made;
    return made;
  }
  static std::vector<IUnknown*>& MsftEdit() {
    static std::vector<IUnknown*> made;
    return made;
  }
  static HRESULT Keep(std::vector<IUnknown*>& made, IUnknown* outer, ITextHost* host, IUnknown** out) {
    const HRESULT hr = CreateTextServices(outer, host, out);
    if (SUCCEEDED(hr)) {
      (*out)->AddRef();
      made.push_back(*out);
    }
    return hr;
  }
  static HRESULT FromRichEdit(IUnknown* outer, ITextHost* host, IUnknown** out) {
    return Keep(RichEdit(), outer, host, out);
  }
  static HRESULT FromMsftEdit(IUnknown* outer, ITextHost* host, IUnknown** out) {
    return Keep(MsftEdit(), outer, host, out);
  }
  // How many of them the host still holds; the test's references go.
  static int StillHeld(std::vector<IUnknown*>& made) {
    int held = 0;
    for (IUnknown* services : made) held += services->Release() > 0 ? 1 : 0;
    made.clear();
    return held;
  }
};

class CountedLibraries {
 public:
  explicit CountedLibraries(const wchar_t* missing) : missing_(missing) {
    platform::user::ModuleExports::Register(L"riched20.dll", "CreateTextServices",
                                            reinterpret_cast<void*>(&MadeServices::FromRichEdit));
    platform::user::ModuleExports::Register(L"msftedit.dll", "CreateTextServices",
                                            reinterpret_cast<void*>(&MadeServices::FromMsftEdit));
    if (missing_) platform::SetSystemModuleMissing(missing_, true);
  }
  ~CountedLibraries() {
    MadeServices::StillHeld(MadeServices::RichEdit());
    MadeServices::StillHeld(MadeServices::MsftEdit());
    if (missing_) platform::SetSystemModuleMissing(missing_, false);
    platform::textservices::TextServicesExports::Register();
  }

 private:
  const wchar_t* missing_;
};

struct LibraryCase {
  const char* what;
  const wchar_t* missing;
  bool host;
  int richEditHeld;
  int msftEditHeld;
};

void PrintTo(const LibraryCase& c, std::ostream* os) { *os << c.what; }

class RichEditLibraries : public ::testing::TestWithParam<LibraryCase> {};

TEST_P(RichEditLibraries, ChooseTheServices) {
  const LibraryCase& c = GetParam();
  CountedLibraries libraries(c.missing);
  {
    platform::headless::TestDriver driver;
    ControlHarness h(driver, TestSkin(kSearch));
    ASSERT_TRUE(h.Created());
    h.OnGui([&] { EXPECT_EQ(h.Find<SkinUI::CRichEditUI>(L"find")->GetTextHost() != nullptr, c.host); });
    h.Click(L"find");
    Type(h, L"ab");
    EXPECT_EQ(TextOf(h, L"find"), c.host ? L"ab" : L"");
    h.OnGui([&] {
      EXPECT_EQ(MadeServices::StillHeld(MadeServices::RichEdit()), c.richEditHeld);
      EXPECT_EQ(MadeServices::StillHeld(MadeServices::MsftEdit()), c.msftEditHeld);
    });
  }
}

const LibraryCase kLibraryCases[] = {
    // Two rich edits in the skin, each with its own services.
    {"BothPresentTheNewerIsUsed", nullptr, true, 0, 2},
    {"WithoutMsftEditRichEditIsUsed", L"msftedit.dll", true, 2, 0},
    {"WithoutRichEditNoHostAndAnEmptyContainer", L"riched20.dll", false, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Table, RichEditLibraries, ::testing::ValuesIn(kLibraryCases));

TEST(RichEdit, DestroyingTheControlFreesItsHostAndItsServices) {
  CountedLibraries libraries(nullptr);
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<VerticalLayout name=\"box\" height=\"60\">"
                                    L"<RichEdit name=\"memo\" height=\"60\" vscrollbar=\"true\"/></VerticalLayout>"));
  ASSERT_TRUE(h.Created());
  h.Click(L"memo");
  Type(h, L"ab");
  h.OnGui([&] { h.Find<SkinUI::CContainerUI>(L"box")->Remove(h.Find(L"memo")); });
  driver.WaitIdle();
  // The services go only with their host's release, in its destructor.
  h.OnGui([&] { EXPECT_EQ(MadeServices::StillHeld(MadeServices::MsftEdit()), 0); });
  Type(h, L"c");
  EXPECT_EQ(h.Notifications().Count("textchanged"), 2) << "nothing reaches the control that is gone";
}

TEST(RichEdit, TheInputMethodsCompositionFollowsTheCaret) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kSearch));
  ASSERT_TRUE(h.Created());
  h.Click(L"find");
  auto spotAtCaret = [&] {
    POINT caret{};
    h.OnGui([&] {
      ::GetCaretPos(&caret);
      ::ClientToScreen(h.Window(), &caret);
    });
    const auto spot = driver.Backend().LastCompositionSpot();
    return spot.has_value() && spot->window == h.Window() && spot->screen.x == caret.x && spot->screen.y == caret.y;
  };
  EXPECT_TRUE(spotAtCaret()) << "placed with the caret on focus";
  const POINT start = h.ScreenPoint(L"find", POINT{4, 6});
  EXPECT_EQ(driver.Backend().LastCompositionSpot()->screen.x, start.x) << "at the text's start";
  Type(h, L"ab");
  EXPECT_TRUE(spotAtCaret()) << "moved along with typing";
  EXPECT_GT(driver.Backend().LastCompositionSpot()->screen.x, start.x);
  h.OnGui([&] { ::SendMessageW(h.Window(), WM_IME_COMPOSITION, 0, 0); });
  EXPECT_TRUE(spotAtCaret()) << "and when a composition is announced";
  EXPECT_EQ(TextOf(h, L"find"), L"ab") << "the announcement types nothing";
}

}  // namespace
