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
  h.OnGui([&] { EXPECT_EQ(h.Find(L"find"), nullptr); });
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

}  // namespace
