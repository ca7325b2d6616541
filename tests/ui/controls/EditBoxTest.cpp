// The edit box in a skin window: the native edit it lays over its text area while
// focused, what typing, Return, clicks, Tab and hiding do and send, its limits and
// styles, its colours idle and while editing, a layered host's pop-up edit, and the
// control going away while it is edited.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/NativeWindows.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CEditUI.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

using controltest::ControlHarness;
using controltest::ControlPixels;
using controltest::FindNativeWindow;
using controltest::TestSkin;
using Lines = std::vector<std::string>;

// The window gives its first tab stop the focus when it shows: a button, so that the
// edit boxes start idle.
const wchar_t kEdits[] =
    L"<Button name=\"first\" text=\"First\" height=\"30\"/>"
    L"<VerticalLayout name=\"box\" height=\"90\">"
    L"<Edit name=\"edit\" height=\"40\" tipvalue=\"请输入\"/>"
    L"<Edit name=\"limited\" height=\"30\" maxchar=\"10\"/>"
    L"</VerticalLayout>"
    L"<Button name=\"other\" text=\"Other\" height=\"30\"/>";

HWND Native(ControlHarness& h) { return FindNativeWindow(h.Window(), L"EditWnd"); }

std::wstring TextOf(ControlHarness& h, LPCTSTR name) {
  std::wstring text;
  h.OnGui([&] { text = h.Find(name)->GetText().GetData(); });
  return text;
}

void SetTextOf(ControlHarness& h, LPCTSTR name, const std::wstring& text) {
  h.OnGui([&] { h.Find(name)->SetText(text.c_str()); });
}

void Type(ControlHarness& h, const std::wstring& keys) {
  for (wchar_t ch : keys) h.Key(UINT(towupper(wint_t(ch))));
}

std::pair<DWORD, DWORD> NativeSelection(ControlHarness& h) {
  DWORD start = 0, end = 0;
  h.OnGui([&] { SendMessageW(Native(h), EM_GETSEL, WPARAM(&start), LPARAM(&end)); });
  return {start, end};
}

typedef std::function<void(ControlHarness&)> Input;

struct EditCase {
  const char* what;
  Input input;
  Lines sent;
  LPCTSTR control;
  std::wstring text;
  bool open;  // a native window is open afterwards
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.what; }

class EditBoxEvents : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditBoxEvents, SendAndLeaveTheText) {
  const EditCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kEdits));
  ASSERT_TRUE(h.Created());
  c.input(h);
  driver.WaitIdle();
  EXPECT_EQ(h.Notifications().Lines(), c.sent);
  EXPECT_EQ(TextOf(h, c.control), c.text);
  EXPECT_EQ(Native(h) != nullptr, c.open);
}

const std::wstring k254(254, L'a');

const EditCase kEditCases[] = {
    {"TypingSendsTextChangedForEachKey",
     [](ControlHarness& h) {
       h.Click(L"edit");
       Type(h, L"ab");
     },
     {"textchanged:edit", "textchanged:edit"}, L"edit", L"ab", true},
    {"ReturnSendsReturnOnceAndInsertsNothing",
     [](ControlHarness& h) {
       h.Click(L"edit");
       Type(h, L"a");
       h.Key(VK_RETURN);
     },
     {"textchanged:edit", "return:edit"}, L"edit", L"a", true},
    {"AClickOnAnotherControlClosesItAndKeepsTheText",
     [](ControlHarness& h) {
       h.Click(L"edit");
       Type(h, L"x");
       h.Click(L"other");
     },
     {"textchanged:edit", "BtnDown:other", "click:other", "BtnUp:other"}, L"edit", L"x", false},
    {"HidingTheContainerClosesItAndKeepsTheText",
     [](ControlHarness& h) {
       h.Click(L"edit");
       Type(h, L"q");
       h.OnGui([&] { h.Find(L"box")->SetVisible(false); });
     },
     {"textchanged:edit"}, L"edit", L"q", false},
    {"TheDefaultLimitIs255",
     [](ControlHarness& h) {
       SetTextOf(h, L"edit", k254);
       h.Click(L"edit");
       h.Key(VK_END);
       Type(h, L"bc");
     },
     {"textchanged:edit"}, L"edit", k254 + L"b", true},
    {"MaxCharLimitsTheNativeWindow",
     [](ControlHarness& h) {
       SetTextOf(h, L"limited", L"123456789");
       h.Click(L"limited");
       h.Key(VK_END);
       Type(h, L"ab");
     },
     {"textchanged:limited"}, L"limited", L"123456789a", true},
    {"NumberOnlyGivenWhileOpenTakesEffectAtTheNextFocus",
     [](ControlHarness& h) {
       h.Click(L"edit");
       h.OnGui([&] { h.Find(L"edit")->SetAttribute(L"numberonly", L"true"); });
       Type(h, L"a");
       h.Click(L"other");
       h.Click(L"edit");
       h.Key(VK_END);
       Type(h, L"b1");
     },
     {"textchanged:edit", "BtnDown:other", "click:other", "BtnUp:other", "textchanged:edit"}, L"edit", L"a1", true},
    {"SetTextOnAnOpenEditSendsTextChanged",
     [](ControlHarness& h) {
       h.Click(L"edit");
       h.OnGui([&] { h.Find(L"edit")->SetText(L"巡更"); });
     },
     {"textchanged:edit"}, L"edit", L"巡更", true},
    {"SetTextWhileIdleSendsNothing", [](ControlHarness& h) { SetTextOf(h, L"edit", L"巡更"); }, {}, L"edit",
     L"巡更", false},
    {"ADisabledEditOpensNothing",
     [](ControlHarness& h) {
       h.OnGui([&] { h.Find(L"edit")->SetEnabled(false); });
       h.Click(L"edit");
       Type(h, L"a");
     },
     {}, L"edit", L"", false},
};

INSTANTIATE_TEST_SUITE_P(Table, EditBoxEvents, ::testing::ValuesIn(kEditCases));

TEST(EditBox, FocusByAClickGivesAnEditWndChildOverTheTextAreaCentredByFontHeight) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kEdits));
  ASSERT_TRUE(h.Created());
  EXPECT_EQ(Native(h), nullptr) << "idle: drawn as a label";
  h.Click(L"edit");
  HWND native = Native(h);
  ASSERT_NE(native, nullptr);
  EXPECT_NE(GetWindowLongW(native, GWL_STYLE) & WS_CHILD, 0);
  EXPECT_NE(GetWindowLongW(native, GWL_STYLE) & ES_AUTOHSCROLL, 0);
  int fontHeight = 0;
  h.OnGui([&] {
    fontHeight = h.Manager().GetDefaultFontInfo()->tm.tmHeight;
    EXPECT_EQ(GetFocus(), native);
  });
  const RECT control = h.ControlRect(L"edit");
  const RECT placed = controltest::RectInHost(h.Window(), native);
  EXPECT_EQ(placed.left, control.left + 4);
  EXPECT_EQ(placed.right, control.right - 4);
  EXPECT_EQ(placed.bottom - placed.top, fontHeight);
  EXPECT_EQ(placed.top, control.top + 3 + (control.bottom - control.top - 6 - fontHeight) / 2);
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  EXPECT_TRUE(GetClassInfoExW(SkinUI::CWindowManagerUI::GetInstance(), L"EditWnd", &info));
  EXPECT_EQ(info.hCursor, LoadCursorW(nullptr, IDC_IBEAM)) << "the superclass keeps the I-beam";
}

TEST(EditBox, AClickThatOpensTheEditSelectsEverything) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kEdits));
  ASSERT_TRUE(h.Created());
  h.Click(L"edit");
  EXPECT_EQ(NativeSelection(h), std::make_pair(DWORD(0), DWORD(0))) << "empty: nothing to select";
  Type(h, L"abc");
  // A press on the control's padding, beside the open native window, takes the focus
  // to the host window, so the native window closes; the next press opens a new one.
  h.ClickAt(L"edit", POINT{2, 2});
  EXPECT_EQ(Native(h), nullptr);
  h.ClickAt(L"edit", POINT{2, 2});
  EXPECT_EQ(NativeSelection(h), std::make_pair(DWORD(0), DWORD(3)));
  Type(h, L"z");
  EXPECT_EQ(TextOf(h, L"edit"), L"z");
}

TEST(EditBox, TabMovesTheFocusOnAndClosesIt) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kEdits));
  ASSERT_TRUE(h.Created());
  h.RunModal();  // the window's own loop offers keys to its manager first
  h.Click(L"edit");
  Type(h, L"t");
  HWND first = Native(h);
  h.Key(VK_TAB);
  EXPECT_FALSE(IsWindow(first));
  h.OnGui([&] { EXPECT_EQ(h.Manager().GetFocus(), h.Find(L"limited")); });
  HWND next = Native(h);
  ASSERT_NE(next, nullptr) << "the next edit box opens its own";
  const RECT limited = h.ControlRect(L"limited");
  EXPECT_GE(controltest::RectInHost(h.Window(), next).top, limited.top);
  EXPECT_EQ(TextOf(h, L"edit"), L"t");
}

TEST(EditBox, TheTipShowsWhileTheTextIsEmpty) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kEdits));
  ASSERT_TRUE(h.Created());
  auto inkNear = [&](uint32_t colour) {
    const ControlPixels pixels = h.Pixels(L"edit");
    int n = 0;
    for (int y = 0; y < pixels.Height(); ++y) {
      for (int x = 0; x < pixels.Width(); ++x) {
        const uint32_t p = pixels.At(x, y);
        int far = 0;
        for (int shift = 0; shift < 24; shift += 8) far = std::max(far, std::abs(int((p >> shift) & 0xFF) - int((colour >> shift) & 0xFF)));
        n += far <= 4 ? 1 : 0;
      }
    }
    return n;
  };
  const uint32_t tip = 0xFFBAC0C5;
  EXPECT_GT(inkNear(tip), 10) << "the tip in its colour";
  h.Click(L"edit");
  Type(h, L"w");
  h.Click(L"other");
  EXPECT_EQ(inkNear(tip), 0) << "the text instead";
  h.Click(L"edit");
  h.Key(VK_BACK);
  h.Click(L"other");
  EXPECT_GT(inkNear(tip), 10) << "empty again";
  SetTextOf(h, L"edit", L"请输入");
  EXPECT_GT(inkNear(tip), 10) << "a text equal to the tip is drawn as the tip";
}

TEST(EditBox, PasswordModeMasksIdleAndInTheNativeWindow) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Button name=\"first\" height=\"30\"/>"
                                    L"<Edit name=\"pw\" height=\"30\" password=\"true\" text=\"WWW\"/>"
                                    L"<Edit name=\"stars\" height=\"30\" text=\"***\"/>"
                                    L"<Button name=\"other\" height=\"30\"/>"));
  ASSERT_TRUE(h.Created());
  const RECT masked = h.Pixels(L"pw").InkBox(controltest::kWhite);
  const RECT stars = h.Pixels(L"stars").InkBox(controltest::kWhite);
  EXPECT_EQ(masked.right - masked.left, stars.right - stars.left) << "one '*' per character";
  EXPECT_EQ(TextOf(h, L"pw"), L"WWW");
  h.Click(L"pw");
  HWND native = Native(h);
  ASSERT_NE(native, nullptr);
  EXPECT_NE(GetWindowLongW(native, GWL_STYLE) & ES_PASSWORD, 0);
  h.OnGui([&] { EXPECT_EQ(SendMessageW(native, EM_GETPASSWORDCHAR, 0, 0), L'*'); });
  h.OnGui([&] { h.Find<SkinUI::CEditUI>(L"pw")->SetPasswordChar(L'#'); });
  h.OnGui([&] { EXPECT_EQ(SendMessageW(native, EM_GETPASSWORDCHAR, 0, 0), L'#') << "an open window follows"; });
}

struct ColourCase {
  const char* what;
  const wchar_t* attributes;
  uint32_t background;
};

void PrintTo(const ColourCase& c, std::ostream* os) { *os << c.what; }

class EditBoxNativeColours : public ::testing::TestWithParam<ColourCase> {};

TEST_P(EditBoxNativeColours, PaintTheNativeWindow) {
  const ColourCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<Edit name=\"edit\" height=\"30\" bkcolor=\"#FF0000FF\" ") +
                                    c.attributes + L"/>"));
  ASSERT_TRUE(h.Created());
  h.Click(L"edit");
  HWND native = Native(h);
  ASSERT_NE(native, nullptr);
  const RECT placed = controltest::RectInHost(h.Window(), native);
  const RECT control = h.ControlRect(L"edit");
  // The native window's right end, where no text lies.
  const POINT inside{placed.right - 3 - control.left, (placed.top + placed.bottom) / 2 - control.top};
  EXPECT_EQ(h.Pixel(L"edit", inside), c.background);
}

const ColourCase kColourCases[] = {
    {"WithoutNativeColoursTheSystemsWindowColour", L"", 0xFFFFFFFF},
    {"WhiteLeavesTheSystemColours", L"nativebkcolor=\"#FFFFFFFF\"", 0xFFFFFFFF},
    {"AnotherColourFillsTheNativeWindow", L"nativebkcolor=\"#FF00A000\" nativetextcolor=\"#FFFF0000\"", 0xFF00A000},
};

INSTANTIATE_TEST_SUITE_P(Table, EditBoxNativeColours, ::testing::ValuesIn(kColourCases));

TEST(EditBox, ALayeredHostGetsAPopUpEditThatFollowsTheControl) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Edit name=\"edit\" height=\"30\" float=\"true\" pos=\"20,20,220,50\"/>", 400,
                                    300, L"bktrans=\"true\""));
  ASSERT_TRUE(h.Created());
  h.Click(L"edit");
  HWND native = Native(h);
  ASSERT_NE(native, nullptr);
  EXPECT_NE(GetWindowLongW(native, GWL_STYLE) & WS_POPUP, 0u);
  EXPECT_EQ(GetWindow(native, GW_OWNER), h.Window());
  EXPECT_TRUE(IsWindowVisible(native));
  RECT screen{};
  GetWindowRect(native, &screen);
  const POINT corner = h.ScreenPoint(L"edit", POINT{4, 0});
  EXPECT_EQ(screen.left, corner.x) << "at the text area, in screen coordinates";
  h.OnGui([&] { h.Find(L"edit")->SetPos(RECT{60, 100, 260, 130}); });
  GetWindowRect(native, &screen);
  EXPECT_EQ(screen.left, h.ScreenPoint(L"edit", POINT{4, 0}).x);
  EXPECT_GT(screen.top, corner.y + 70) << "it followed the control";
  Type(h, L"ok");
  EXPECT_EQ(TextOf(h, L"edit"), L"ok");
}

TEST(EditBox, TheControlDestroyedWhileEditingTakesItsWindowWithIt) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kEdits));
  ASSERT_TRUE(h.Created());
  h.Click(L"edit");
  Type(h, L"a");
  HWND native = Native(h);
  ASSERT_NE(native, nullptr);
  h.OnGui([&] { h.Find<SkinUI::CContainerUI>(L"box")->Remove(h.Find(L"edit")); });
  driver.WaitIdle();
  EXPECT_FALSE(IsWindow(native)) << "gone with the control";
  h.Notifications().Clear();
  Type(h, L"bc");
  h.Key(VK_RETURN);
  EXPECT_EQ(h.Notifications().Lines(), Lines{}) << "nothing reaches the control that is gone";
}

TEST(EditBox, ATextChangedHandlerDeletingTheControlEndsCleanly) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kEdits));
  ASSERT_TRUE(h.Created());
  h.OnNotify([&](SkinUI::UINotifyRecord& msg) {
    if (msg.sType != L"textchanged") return;
    auto* box = h.Find<SkinUI::CContainerUI>(L"box");
    if (SkinUI::CControlUI* edit = h.Find(L"edit")) box->Remove(edit);
  });
  h.Click(L"edit");
  Type(h, L"ab");
  EXPECT_EQ(Native(h), nullptr);
  EXPECT_EQ(h.Notifications().Count("textchanged"), 1);
  h.OnGui([&] { EXPECT_EQ(h.FindIfAny(L"edit"), nullptr); });
}

}  // namespace
