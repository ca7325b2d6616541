// The system "Edit" class on its own: what typed keys, editing keys, the clipboard
// and the edit messages do to the text, the selection and the notifications the
// parent hears; and how it paints.
#include <gtest/gtest.h>

#include "tests/platform/user/EditHost.h"
#include "tests/platform/user/PresentedImage.h"

namespace {

using test::EditHost;
using test::PresentedImage;
typedef std::vector<std::string> Lines;

const Lines kNone;
const Lines kOneChange{"EN_UPDATE", "EN_CHANGE"};

Lines Changes(int n) {
  Lines lines;
  for (int i = 0; i < n; ++i) lines.insert(lines.end(), kOneChange.begin(), kOneChange.end());
  return lines;
}

struct EditCase {
  const char* name;
  DWORD style;
  // Runs on the edit's thread before the input; what it sets off is not recorded.
  std::function<void(HWND)> setUp;
  std::function<void(EditHost&)> input;
  std::wstring text;
  std::pair<DWORD, DWORD> selection;
  Lines notifications;
  const wchar_t* clipboard = nullptr;  // the clipboard's text afterwards, when it matters
};

void SetText(HWND edit, const wchar_t* text) { SendMessageW(edit, WM_SETTEXT, 0, LPARAM(text)); }

std::function<void(HWND)> Text(const wchar_t* text) {
  return [text](HWND edit) { SetText(edit, text); };
}

std::function<void(HWND)> TextAndClipboard(const wchar_t* text, const wchar_t* clipboard) {
  return [text, clipboard](HWND edit) {
    SetText(edit, text);
    test::SetClipboardText(clipboard);
  };
}

class EditKeys : public ::testing::TestWithParam<EditCase> {};

TEST_P(EditKeys, ChangeTextSelectionAndNotifications) {
  const EditCase& c = GetParam();
  EditHost host(ES_AUTOHSCROLL | c.style);
  if (c.setUp) host.gui.Call([&] { c.setUp(host.edit); });
  host.TakeNotifications();
  c.input(host);
  Lines heard;
  for (const std::string& line : host.TakeNotifications()) {
    if (line.compare(0, 11, "WM_CTLCOLOR") != 0) heard.push_back(line);
  }
  EXPECT_EQ(host.Text(), c.text);
  EXPECT_EQ(host.Selection(), c.selection);
  EXPECT_EQ(heard, c.notifications);
  if (c.clipboard) {
    EXPECT_EQ(test::ClipboardText(), c.clipboard);
  }
}

const EditCase kEditCases[] = {
    {"LimitRefusesTheFourthCharacter", 0, [](HWND e) { SendMessageW(e, EM_LIMITTEXT, 3, 0); },
     [](EditHost& h) { h.Type(L"abcd"); }, L"abc", {3, 3}, Changes(3)},
    {"LimitZeroIsTheLargeDefault", 0, [](HWND e) { SendMessageW(e, EM_LIMITTEXT, 0, 0); },
     [](EditHost& h) { h.Type(L"abcd"); }, L"abcd", {4, 4}, Changes(4)},
    {"NumberStyleAddedAfterCreationRefusesALetter", 0,
     [](HWND e) { SetWindowLongW(e, GWL_STYLE, GetWindowLongW(e, GWL_STYLE) | ES_NUMBER); },
     [](EditHost& h) { h.Type(L"1a2"); }, L"12", {2, 2}, Changes(2)},
    {"ReadOnlyRefusesTypingAndDeleting", 0,
     [](HWND e) {
       SetText(e, L"巡更");
       SendMessageW(e, EM_SETREADONLY, TRUE, 0);
     },
     [](EditHost& h) {
       h.Type(L"x");
       h.driver.Tap(VK_BACK);
       h.driver.Tap(VK_DELETE);
     },
     L"巡更", {0, 0}, kNone},
    {"ReadOnlySelectsAndCopies", 0,
     [](HWND e) {
       SetText(e, L"巡更");
       SendMessageW(e, EM_SETREADONLY, TRUE, 0);
       test::SetClipboardText(L"old");
     },
     [](EditHost& h) {
       h.Chord(VK_CONTROL, 'A');
       h.Chord(VK_CONTROL, 'C');
       h.Chord(VK_CONTROL, 'X');
       h.Chord(VK_CONTROL, 'V');
     },
     L"巡更", {0, 2}, kNone, L"巡更"},
    {"SelectAllThenTypingReplacesEverything", 0,
     [](HWND e) {
       SetText(e, L"abc");
       SendMessageW(e, EM_SETSEL, 0, -1);
     },
     [](EditHost& h) { h.Type(L"z"); }, L"z", {1, 1}, Changes(1)},
    {"ReturnTabAndEscapeAreIgnored", 0, Text(L"ab"),
     [](EditHost& h) {
       h.driver.Tap(VK_RETURN);
       h.driver.Tap(VK_TAB);
       h.driver.Tap(VK_ESCAPE);
     },
     L"ab", {0, 0}, kNone},
    {"BackspaceAndDeleteWithoutSelection", 0, Text(L"abcd"),
     [](EditHost& h) {
       h.driver.Tap(VK_END);
       h.driver.Tap(VK_BACK);
       h.driver.Tap(VK_HOME);
       h.driver.Tap(VK_DELETE);
       h.driver.Tap(VK_BACK);  // at the start: nothing to take
     },
     L"bc", {0, 0}, Changes(2)},
    {"BackspaceAndDeleteTakeTheSelection", 0, Text(L"abcdef"),
     [](EditHost& h) {
       h.driver.Tap(VK_RIGHT);
       h.Chord(VK_SHIFT, VK_RIGHT);
       h.driver.Tap(VK_BACK);
       h.Chord(VK_SHIFT, VK_END);
       h.driver.Tap(VK_DELETE);
     },
     L"a", {1, 1}, Changes(2)},
    {"ShiftHomeSelectsBackToTheStart", 0, Text(L"abc"),
     [](EditHost& h) {
       h.driver.Tap(VK_END);
       h.Chord(VK_SHIFT, VK_HOME);
     },
     L"abc", {0, 3}, kNone},
    {"ArrowWithoutShiftCollapsesTheSelection", 0, Text(L"abcd"),
     [](EditHost& h) {
       h.Chord(VK_CONTROL, 'A');
       h.driver.Tap(VK_LEFT);
       h.driver.Tap(VK_RIGHT);
     },
     L"abcd", {1, 1}, kNone},
    {"CutTakesTheSelectionToTheClipboard", 0, Text(L"abcd"),
     [](EditHost& h) {
       h.driver.Tap(VK_RIGHT);
       h.Chord(VK_SHIFT, VK_RIGHT);
       h.Chord(VK_SHIFT, VK_RIGHT);
       h.Chord(VK_CONTROL, 'X');
     },
     L"ad", {1, 1}, Changes(1), L"bc"},
    {"PasteStopsAtTheFirstLineBreak", 0, TextAndClipboard(L"", L"第一行\r\n第二行"),
     [](EditHost& h) { h.Chord(VK_CONTROL, 'V'); }, L"第一行", {3, 3}, Changes(1)},
    {"PasteOfNonDigitsIntoANumberEditInsertsNothing", ES_NUMBER, TextAndClipboard(L"7", L"12a"),
     [](EditHost& h) { h.Chord(VK_CONTROL, 'V'); }, L"7", {0, 0}, kNone},
    {"PasteOfDigitsIntoANumberEdit", ES_NUMBER, TextAndClipboard(L"", L"123"),
     [](EditHost& h) { h.Chord(VK_CONTROL, 'V'); }, L"123", {3, 3}, Changes(1)},
    {"PasteIsCutToTheLimit", 0,
     [](HWND e) {
       SendMessageW(e, EM_LIMITTEXT, 5, 0);
       SetText(e, L"abc");
       SendMessageW(e, EM_SETSEL, 3, 3);
       test::SetClipboardText(L"12345");
     },
     [](EditHost& h) {
       h.Chord(VK_CONTROL, 'V');
       h.Chord(VK_CONTROL, 'V');  // full: refused
     },
     L"abc12", {5, 5}, Changes(1)},
    {"PasteReplacesTheSelection", 0, TextAndClipboard(L"abcd", L"巡"),
     [](EditHost& h) {
       h.Chord(VK_CONTROL, 'A');
       h.Chord(VK_CONTROL, 'V');
     },
     L"巡", {1, 1}, Changes(1)},
    {"SetTextReplacesAllAndIsOneChange", 0, Text(L"abc"),
     [](EditHost& h) { EXPECT_EQ(h.Send(WM_SETTEXT, 0, LPARAM(L"巡更点")), TRUE); }, L"巡更点", {0, 0},
     Changes(1)},
    {"SetSelectionMinusOneEndsAtTheEnd", 0, Text(L"abcd"),
     [](EditHost& h) { h.Send(EM_SETSEL, 1, -1); }, L"abcd", {1, 4}, kNone},
    {"TypingWithoutAutoScrollStopsAtTheRightEdge", 0,
     [](HWND e) {
       SetWindowLongW(e, GWL_STYLE, GetWindowLongW(e, GWL_STYLE) & ~ES_AUTOHSCROLL);
       SetWindowPos(e, nullptr, 0, 0, 25, 24, SWP_NOMOVE | SWP_NOZORDER);  // two m wide
     },
     [](EditHost& h) { h.Type(L"mmmmmmmm"); }, L"mm", {2, 2}, Changes(2)},
};

INSTANTIATE_TEST_SUITE_P(Table, EditKeys, ::testing::ValuesIn(kEditCases),
                         [](const ::testing::TestParamInfo<EditCase>& info) { return info.param.name; });

TEST(EditMessages, AnswerWhatTheySet) {
  EditHost host(ES_AUTOHSCROLL | ES_PASSWORD);
  EXPECT_EQ(host.Send(EM_GETPASSWORDCHAR), L'*') << "a password edit masks with '*' from the start";
  host.Send(EM_SETPASSWORDCHAR, L'#');
  EXPECT_EQ(host.Send(EM_GETPASSWORDCHAR), L'#');
  host.Send(EM_SETPASSWORDCHAR, 0);
  EXPECT_EQ(GetWindowLongW(host.edit, GWL_STYLE) & ES_PASSWORD, 0) << "0 shows the text";
  host.Send(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(3, 5));
  EXPECT_EQ(host.Send(EM_GETMARGINS), MAKELONG(3, 5));
  host.Send(EM_SETMARGINS, EC_RIGHTMARGIN, MAKELONG(9, 1));
  EXPECT_EQ(host.Send(EM_GETMARGINS), MAKELONG(3, 1)) << "only the margin named changes";
  host.Send(EM_SETREADONLY, TRUE);
  EXPECT_NE(GetWindowLongW(host.edit, GWL_STYLE) & ES_READONLY, 0);
  host.Type(L"ab");
  EXPECT_EQ(host.Send(EM_GETMODIFY), FALSE) << "refused keys change nothing";
  host.Send(EM_SETREADONLY, FALSE);
  host.Type(L"ab");
  EXPECT_EQ(host.Send(EM_GETMODIFY), TRUE);
  host.Send(EM_SETMODIFY, FALSE);
  EXPECT_EQ(host.Send(EM_GETMODIFY), FALSE);
  EXPECT_EQ(host.Send(WM_GETFONT), LRESULT(host.font));
  wchar_t small[2];
  EXPECT_EQ(host.Send(WM_GETTEXT, 2, LPARAM(small)), 1) << "the text is cut to the buffer";
  EXPECT_STREQ(small, L"a");
  for (UINT reflected : {0x2111u, 0x2133u, 0x2138u, 0x204Eu}) EXPECT_EQ(host.Send(reflected, 0, 0), 0);
  EXPECT_TRUE(IsWindow(host.edit));
}

TEST(EditMessages, TheSystemClassIsThereForSuperclasses) {
  WNDCLASSEXW info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetClassInfoExW(nullptr, WC_EDITW, &info));
  EXPECT_EQ(info.hCursor, LoadCursorW(nullptr, IDC_IBEAM));
  EXPECT_NE(info.style & CS_DBLCLKS, 0u);
  EXPECT_EQ(info.cbWndExtra, 0) << "the layer keeps an edit's state itself";
}

TEST(EditMessages, PasswordTextIsNeverCopied) {
  EditHost host(ES_AUTOHSCROLL | ES_PASSWORD);
  host.gui.Call([&] { SetText(host.edit, L"secret"); });
  test::SetClipboardText(L"before");
  host.Chord(VK_CONTROL, 'A');
  host.Chord(VK_CONTROL, 'C');
  host.Chord(VK_CONTROL, 'X');
  EXPECT_EQ(test::ClipboardText(), L"before");
  EXPECT_EQ(host.Text(), L"secret");
}

TEST(EditMessages, KillFocusHidesTheSelectionAndDestroysNothing) {
  EditHost host(ES_AUTOHSCROLL);
  host.gui.Call([&] {
    SetText(host.edit, L"abc");
    SetFocus(host.host);
  });
  host.driver.WaitIdle();
  EXPECT_TRUE(IsWindow(host.edit));
  POINT caret;
  host.gui.Call([&] { EXPECT_FALSE(GetCaretPos(&caret)) << "the caret goes with the focus"; });
}

TEST(EditMessages, AParentDestroyingTheEditOnANotificationEndsCleanly) {
  EditHost host(ES_AUTOHSCROLL);
  // The parent destroys the edit when asked for colours while the edit draws a change:
  // the edit, still inside its own handling of the key, draws and sends nothing more.
  host.AnswerColours([&](UINT, HDC) -> LRESULT {
    DestroyWindow(host.edit);
    return 0;
  });
  host.Type(L"a");
  EXPECT_FALSE(IsWindow(host.edit));
  EXPECT_EQ(host.TakeNotifications(), (Lines{"EN_UPDATE", "WM_CTLCOLOREDIT"}));
  host.Type(L"b");
  EXPECT_EQ(host.TakeNotifications(), Lines{});
}

TEST(EditMouse, PressPlacesTheCaretAndDragSelects) {
  EditHost host(ES_AUTOHSCROLL);
  host.gui.Call([&] { SetText(host.edit, L"abcdef"); });
  POINT origin{0, 0};
  ClientToScreen(host.edit, &origin);
  const int y = origin.y + 10;
  const int afterB = origin.x + host.Extent(L"ab");
  const int afterE = origin.x + host.Extent(L"abcde");
  host.driver.MoveMouse(afterB, y);
  host.driver.Press();
  EXPECT_EQ(host.Selection(), std::make_pair(DWORD(2), DWORD(2)));
  host.gui.Call([&] { EXPECT_EQ(GetCapture(), host.edit); });
  host.driver.MoveMouse(afterE, y);
  host.driver.Release();
  EXPECT_EQ(host.Selection(), std::make_pair(DWORD(2), DWORD(5)));
  host.gui.Call([&] { EXPECT_EQ(GetCapture(), nullptr); });
}

TEST(EditMouse, DoubleClickSelectsAWord) {
  EditHost host(ES_AUTOHSCROLL);
  host.gui.Call([&] { SetText(host.edit, L"patrol 巡更点, route"); });
  POINT origin{0, 0};
  ClientToScreen(host.edit, &origin);
  const int inWord = origin.x + host.Extent(L"patrol 巡");
  host.driver.Click(inWord, origin.y + 10);
  host.driver.Click(inWord, origin.y + 10);
  EXPECT_EQ(host.Selection(), std::make_pair(DWORD(7), DWORD(10)));
}

// ---- painting ----

const COLORREF kGreen = RGB(0, 160, 0);
const COLORREF kRed = RGB(255, 0, 0);

struct PaintCase {
  const char* name;
  bool disabled;
  bool readOnly;
  bool answer;                     // the parent answers with its own brush and text colour
  const char* expectedRequest;     // the colour message the parent is sent
  COLORREF background;
  COLORREF text;                   // RGB(1,2,3): dark text of the system's colour
};

class EditPaint : public ::testing::TestWithParam<PaintCase> {};

TEST_P(EditPaint, FollowsTheParentsColours) {
  const PaintCase& c = GetParam();
  EditHost host(ES_AUTOHSCROLL);
  if (c.answer) {
    host.AnswerColours([](UINT, HDC hdc) -> LRESULT {
      static HBRUSH brush = CreateSolidBrush(kGreen);
      SetTextColor(hdc, kRed);
      SetBkMode(hdc, TRANSPARENT);
      return LRESULT(brush);
    });
  }
  host.gui.Call([&] {
    SetText(host.edit, L"WWWW");
    if (c.readOnly) SendMessageW(host.edit, EM_SETREADONLY, TRUE, 0);
    if (c.disabled) EnableWindow(host.edit, FALSE);
    SetFocus(host.host);  // no caret over the text
    InvalidateRect(host.edit, nullptr, FALSE);
  });
  const Lines heard = host.TakeNotifications();
  ASSERT_FALSE(heard.empty());
  EXPECT_EQ(heard.back(), c.expectedRequest);
  PresentedImage image(host.driver, host.host);
  const RECT& e = EditHost::kEditRect;
  EXPECT_EQ(image.At(e.right - 3, e.top + 2), PresentedImage::Opaque(c.background));
  const RECT textArea{e.left, e.top, e.left + host.Extent(L"WWWW"), e.bottom};
  const uint32_t wanted = PresentedImage::Opaque(c.text);
  EXPECT_GT(image.Count(textArea, [wanted](uint32_t p) { return PresentedImage::Near(p, wanted, 60); }), 5)
      << "text drawn in " << std::hex << wanted;
}

const PaintCase kPaintCases[] = {
    {"SystemColoursWithoutAnAnswer", false, false, false, "WM_CTLCOLOREDIT", GetSysColor(COLOR_WINDOW),
     GetSysColor(COLOR_WINDOWTEXT)},
    {"TheAnsweredBrushAndTextColour", false, false, true, "WM_CTLCOLOREDIT", kGreen, kRed},
    {"ReadOnlyAsksAsStatic", false, true, true, "WM_CTLCOLORSTATIC", kGreen, kRed},
    {"DisabledAsksAsStaticAndGreysTheText", true, false, true, "WM_CTLCOLORSTATIC", kGreen,
     GetSysColor(COLOR_GRAYTEXT)},
    {"DisabledWithoutAnAnswer", true, false, false, "WM_CTLCOLORSTATIC", GetSysColor(COLOR_BTNFACE),
     GetSysColor(COLOR_GRAYTEXT)},
};

INSTANTIATE_TEST_SUITE_P(Table, EditPaint, ::testing::ValuesIn(kPaintCases),
                         [](const ::testing::TestParamInfo<PaintCase>& info) { return info.param.name; });

TEST(EditPaint, MasksEachCharacterWithThePasswordCharacter) {
  EditHost host(ES_AUTOHSCROLL | ES_PASSWORD);
  host.gui.Call([&] {
    SetText(host.edit, L"WWWW");
    SetFocus(host.host);
  });
  host.driver.WaitIdle();
  const RECT& e = EditHost::kEditRect;
  const uint32_t white = PresentedImage::Opaque(GetSysColor(COLOR_WINDOW));
  const int masked = PresentedImage(host.driver, host.host).RightmostInk(e, white) - e.left;
  EXPECT_LE(masked, host.Extent(L"****"));
  EXPECT_GT(masked, host.Extent(L"***"));
  host.Send(EM_SETPASSWORDCHAR, 0);
  const int shown = PresentedImage(host.driver, host.host).RightmostInk(e, white) - e.left;
  EXPECT_GT(shown, host.Extent(L"WWW")) << "0 shows the text itself";
}

TEST(EditPaint, LongTextScrollsToKeepTheCaretInView) {
  const RECT narrow{10, 10, 70, 34};
  EditHost host(ES_AUTOHSCROLL, narrow);
  host.Type(L"abcdefghijklmnopqrstuvwxyz");
  EXPECT_EQ(host.Text(), L"abcdefghijklmnopqrstuvwxyz");
  POINT caret{};
  host.gui.Call([&] { GetCaretPos(&caret); });
  EXPECT_GT(caret.x, 40);
  EXPECT_LT(caret.x, 60) << "the caret stays inside the edit";
  const uint32_t white = PresentedImage::Opaque(GetSysColor(COLOR_WINDOW));
  const RECT beforeCaret{narrow.left + caret.x - 6, narrow.top, narrow.left + caret.x - 1, narrow.bottom};
  EXPECT_GT(PresentedImage(host.driver, host.host).Count(beforeCaret, [white](uint32_t p) { return p != white; }), 0)
      << "the last letters show just left of the caret";
  host.driver.Tap(VK_HOME);
  host.gui.Call([&] { GetCaretPos(&caret); });
  EXPECT_EQ(caret.x, 0) << "back at the start, the text scrolls back";
}

}  // namespace
