// The text services against a recording host: keys typed as real input into a window
// that hands its messages to them, messages sent as the rich edit sends them, and
// what they then hold, answer and ask of their host, in order.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "platform/base/SystemModules.h"
#include "platform/com/ComPtr.h"
#include "platform/textservices/TextServ.h"
#include "platform/textservices/TextServices.h"
#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/platform/gdi/DibCanvas.h"
#include "tests/platform/textservices/RecordingTextHost.h"

namespace {

using platform::com::ComPtr;
using textservicestest::RecordingTextHost;
using Lines = std::vector<std::string>;

const wchar_t kWindowClass[] = L"TextServicesTestWindow";

// Hands the window's keys and characters to the services, as the rich edit's
// message filter does.
LRESULT CALLBACK ForwardingProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* services = reinterpret_cast<ITextServices*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (services != nullptr && (msg == WM_KEYDOWN || msg == WM_CHAR || msg == WM_IME_CHAR)) {
    LRESULT result = 0;
    services->TxSendMessage(msg, wParam, lParam, &result);
    return result;
  }
  return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// Services made for a recording host on a GUI thread of their own, with a focused
// window that passes them its keys.
class ServicesFixture {
 public:
  explicit ServicesFixture(const std::function<void(RecordingTextHost&)>& configure = nullptr) {
    gui.Call([&] {
      host = std::make_unique<RecordingTextHost>();
      if (configure) configure(*host);
      ComPtr<IUnknown> unknown;
      EXPECT_EQ(CreateTextServices(nullptr, host.get(), unknown.Put()), S_OK);
      EXPECT_EQ(unknown->QueryInterface(IID_ITextServices, services.PutVoid()), S_OK);
      services->OnTxInPlaceActivate(nullptr);
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof(wc);
      wc.lpfnWndProc = ForwardingProc;
      wc.lpszClassName = kWindowClass;
      RegisterClassExW(&wc);
      window = CreateWindowExW(0, kWindowClass, L"services", WS_POPUP | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
      SetWindowLongPtrW(window, GWLP_USERDATA, LONG_PTR(services.Get()));
      SetForegroundWindow(window);
      SetFocus(window);
    });
  }

  ~ServicesFixture() {
    gui.Call([&] {
      SetWindowLongPtrW(window, GWLP_USERDATA, 0);
      DestroyWindow(window);
      if (services) services->OnTxInPlaceDeactivate();
      services.Reset();
      host.reset();
    });
  }

  std::pair<HRESULT, LRESULT> Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) {
    std::pair<HRESULT, LRESULT> out;
    gui.Call([&] { out.first = services->TxSendMessage(msg, wParam, lParam, &out.second); });
    return out;
  }

  void Select(LONG start, LONG end) {
    CHARRANGE range{start, end};
    Send(EM_EXSETSEL, 0, LPARAM(&range));
  }

  void Replace(const std::wstring& text) { Send(EM_REPLACESEL, FALSE, LPARAM(text.c_str())); }

  std::wstring Text(DWORD flags = GT_DEFAULT) {
    std::vector<WCHAR> buffer(4096, 0);
    GETTEXTEX info{DWORD(buffer.size() * sizeof(WCHAR)), flags, CP_WINUNICODE, nullptr, nullptr};
    Send(EM_GETTEXTEX, WPARAM(&info), LPARAM(buffer.data()));
    return buffer.data();
  }

  std::pair<LONG, LONG> Selection() {
    CHARRANGE range{-2, -2};
    Send(EM_EXGETSEL, 0, LPARAM(&range));
    return {range.cpMin, range.cpMax};
  }

  // The host's calls since the last look, the caret's coordinates left out.
  Lines TakeCalls() {
    Lines lines;
    gui.Call([&] {
      for (const std::string& call : host->calls) {
        lines.push_back(call.rfind("caret.pos", 0) == 0 ? "caret.pos" : call);
      }
      host->calls.clear();
    });
    return lines;
  }

  void Type(const std::wstring& keys) {
    for (wchar_t ch : keys) driver.Tap(UINT(towupper(wint_t(ch))));
  }

  void Chord(UINT modifier, UINT key) {
    driver.KeyDown(modifier);
    driver.Tap(key);
    driver.KeyUp(modifier);
  }

  platform::headless::TestDriver driver;
  platform::headless::GuiThread gui;
  std::unique_ptr<RecordingTextHost> host;
  ComPtr<ITextServices> services;
  HWND window = nullptr;
};

Lines Repeat(const Lines& lines, int times) {
  Lines out;
  for (int i = 0; i < times; ++i) out.insert(out.end(), lines.begin(), lines.end());
  return out;
}

const Lines kMoved{"redraw", "caret.pos"};
const Lines kChanged{"redraw", "caret.pos", "notify change"};

struct EditCase {
  const char* what;
  DWORD bits;
  DWORD maxLength;
  DWORD eventMask;
  std::wstring start;  // set before, the caret at its end, the calls forgotten
  std::function<void(ServicesFixture&)> input;
  std::wstring text;
  std::pair<LONG, LONG> selection;
  Lines calls;
};

void PrintTo(const EditCase& c, std::ostream* os) { *os << c.what; }

class TextServicesEdits : public ::testing::TestWithParam<EditCase> {};

TEST_P(TextServicesEdits, LeaveTextSelectionAndHostCalls) {
  const EditCase& c = GetParam();
  ServicesFixture f([&](RecordingTextHost& host) {
    host.bits = c.bits;
    host.maxLength = c.maxLength;
  });
  f.Send(EM_SETEVENTMASK, 0, c.eventMask);
  f.Send(WM_SETFOCUS);
  f.Replace(c.start);
  f.TakeCalls();
  c.input(f);
  f.driver.WaitIdle();
  EXPECT_EQ(f.Text(), c.text);
  EXPECT_EQ(f.Selection(), c.selection);
  EXPECT_EQ(f.TakeCalls(), c.calls);
}

const DWORD kMulti = TXTBIT_MULTILINE | TXTBIT_WORDWRAP;
const DWORD kSingle = TXTBIT_WORDWRAP;
const DWORD kLimit = 0x7FFF;

const EditCase kEditCases[] = {
    {"TypingInsertsAndReportsEachChange", kMulti, kLimit, ENM_CHANGE, L"",
     [](ServicesFixture& f) { f.Type(L"ab"); }, L"ab", {2, 2}, Repeat(kChanged, 2)},
    {"WithoutTheChangeMaskNothingIsReported", kMulti, kLimit, 0, L"",
     [](ServicesFixture& f) { f.Type(L"ab"); }, L"ab", {2, 2}, Repeat(kMoved, 2)},
    {"BackspaceTakesTheCharacterBeforeTheCaret", kMulti, kLimit, ENM_CHANGE, L"abc",
     [](ServicesFixture& f) { f.driver.Tap(VK_BACK); }, L"ab", {2, 2}, kChanged},
    {"DeleteTakesTheCharacterAfterIt", kMulti, kLimit, ENM_CHANGE, L"abc",
     [](ServicesFixture& f) {
       f.driver.Tap(VK_HOME);
       f.driver.Tap(VK_DELETE);
       f.driver.Tap(VK_BACK);  // at the start: nothing to take
     },
     L"bc", {0, 0}, Lines{"redraw", "caret.pos", "redraw", "caret.pos", "notify change"}},
    {"ArrowsMoveTheCaretAndChangeNothing", kMulti, kLimit, ENM_CHANGE, L"abc",
     [](ServicesFixture& f) {
       f.driver.Tap(VK_LEFT);
       f.driver.Tap(VK_LEFT);
       f.driver.Tap(VK_RIGHT);
     },
     L"abc", {2, 2}, Repeat(kMoved, 3)},
    {"ShiftWithArrowsSelects", kMulti, kLimit, ENM_CHANGE, L"abc",
     [](ServicesFixture& f) {
       f.Chord(VK_SHIFT, VK_LEFT);
       f.Chord(VK_SHIFT, VK_LEFT);
     },
     L"abc", {1, 3}, Repeat(kMoved, 2)},
    {"TypingReplacesTheSelectionAsOneChange", kMulti, kLimit, ENM_CHANGE, L"abc",
     [](ServicesFixture& f) {
       f.Chord(VK_SHIFT, VK_HOME);
       f.Type(L"z");
     },
     L"z", {1, 1}, Lines{"redraw", "caret.pos", "redraw", "caret.pos", "notify change"}},
    {"CtrlASelectsEverything", kMulti, kLimit, ENM_CHANGE, L"abc",
     [](ServicesFixture& f) { f.Chord(VK_CONTROL, 'A'); }, L"abc", {0, 3}, kMoved},
    {"ReturnBreaksAMultiLineText", kMulti, kLimit, ENM_CHANGE, L"ab",
     [](ServicesFixture& f) {
       f.driver.Tap(VK_LEFT);
       f.driver.Tap(VK_RETURN);
     },
     L"a\rb", {2, 2}, Lines{"redraw", "caret.pos", "redraw", "caret.pos", "notify change"}},
    {"ReturnInsertsNothingIntoASingleLine", kSingle, kLimit, ENM_CHANGE, L"ab",
     [](ServicesFixture& f) { f.driver.Tap(VK_RETURN); }, L"ab", {2, 2}, Lines{}},
    {"LineBreakCharactersAreNotTyped", kMulti, kLimit, ENM_CHANGE, L"ab",
     [](ServicesFixture& f) {
       f.Send(WM_CHAR, L'\r');
       f.Send(WM_CHAR, L'\n');
     },
     L"ab", {2, 2}, Lines{}},
    {"TheMaximumLengthStopsTyping", kMulti, 3, ENM_CHANGE, L"ab",
     [](ServicesFixture& f) { f.Type(L"cd"); }, L"abc", {3, 3}, kChanged},
    {"ReplaceSelIsCutToTheMaximumLength", kMulti, 3, ENM_CHANGE, L"a",
     [](ServicesFixture& f) { f.Replace(L"bcd"); }, L"abc", {3, 3}, kChanged},
    {"ExSetSelToTheEndThenReplaceSel", kMulti, kLimit, ENM_CHANGE, L"abcd",
     [](ServicesFixture& f) {
       f.Select(1, -1);
       f.Replace(L"Z");
     },
     L"aZ", {2, 2}, Lines{"redraw", "caret.pos", "redraw", "caret.pos", "notify change"}},
    {"ReplaceSelMakesEveryKindOfBreakOne", kMulti, kLimit, ENM_CHANGE, L"",
     [](ServicesFixture& f) { f.Replace(L"a\r\nb\nc\rd"); }, L"a\rb\rc\rd", {7, 7}, kChanged},
    {"ASingleLineKeepsTheFirstLineOfWhatItIsGiven", kSingle, kLimit, ENM_CHANGE, L"",
     [](ServicesFixture& f) { f.Replace(L"ab\r\ncd"); }, L"ab", {2, 2}, kChanged},
    {"ReadOnlyRefusesTheKeys", kMulti | TXTBIT_READONLY, kLimit, ENM_CHANGE, L"ab",
     [](ServicesFixture& f) {
       f.Type(L"c");
       f.driver.Tap(VK_BACK);
       f.driver.Tap(VK_RETURN);
     },
     L"ab", {2, 2}, Lines{}},
    {"ReadOnlyStillTakesTheProgramsText", kMulti | TXTBIT_READONLY, kLimit, ENM_CHANGE, L"ab",
     [](ServicesFixture& f) { f.Replace(L"c"); }, L"abc", {3, 3}, kChanged},
    {"APasswordIsTypedAsItIs", kMulti | TXTBIT_USEPASSWORD, kLimit, ENM_CHANGE, L"",
     [](ServicesFixture& f) { f.Type(L"pw"); }, L"pw", {2, 2}, Repeat(kChanged, 2)},
    {"APressCapturesTheMouseAndTheReleaseLetsItGo", kMulti, kLimit, ENM_CHANGE, L"abc",
     [](ServicesFixture& f) {
       f.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 25));
       f.Send(WM_LBUTTONUP, 0, MAKELPARAM(10, 25));
     },
     L"abc", {0, 0}, Lines{"capture", "redraw", "caret.pos", "release"}},
};

INSTANTIATE_TEST_SUITE_P(Table, TextServicesEdits, ::testing::ValuesIn(kEditCases));

TEST(TextServices, LengthAndTextCountWideCharactersAndBreaksAlike) {
  ServicesFixture f;
  f.Replace(L"巡更\r\nab");
  GETTEXTLENGTHEX plain{GTL_DEFAULT, CP_WINUNICODE};
  GETTEXTLENGTHEX crlf{GTL_USECRLF, CP_WINUNICODE};
  EXPECT_EQ(f.Send(EM_GETTEXTLENGTHEX, WPARAM(&plain)), std::make_pair(S_OK, LRESULT(5)));
  EXPECT_EQ(f.Send(EM_GETTEXTLENGTHEX, WPARAM(&crlf)), std::make_pair(S_OK, LRESULT(6)));
  EXPECT_EQ(f.Text(GT_DEFAULT), L"巡更\rab");
  EXPECT_EQ(f.Text(GT_USECRLF), L"巡更\r\nab");
  GETTEXTLENGTHEX narrow{GTL_DEFAULT, CP_ACP};
  EXPECT_EQ(f.Send(EM_GETTEXTLENGTHEX, WPARAM(&narrow)).first, E_INVALIDARG) << "only wide text is offered";
}

struct BufferCase {
  const char* what;
  DWORD cb;  // bytes
  LRESULT copied;
  std::wstring buffer;
};

void PrintTo(const BufferCase& c, std::ostream* os) { *os << c.what; }

class TextServicesGetText : public ::testing::TestWithParam<BufferCase> {};

TEST_P(TextServicesGetText, CopiesAndTerminatesWithinTheByteCount) {
  const BufferCase& c = GetParam();
  ServicesFixture f;
  f.Replace(L"巡更ab");
  std::vector<WCHAR> buffer(16, L'#');
  buffer.back() = 0;
  GETTEXTEX info{c.cb, GT_DEFAULT, CP_WINUNICODE, nullptr, nullptr};
  const auto answer = f.Send(EM_GETTEXTEX, WPARAM(&info), LPARAM(buffer.data()));
  EXPECT_EQ(answer.first, S_OK);
  EXPECT_EQ(answer.second, c.copied);
  EXPECT_EQ(std::wstring(buffer.data()), c.buffer);
}

const BufferCase kBufferCases[] = {
    {"RoomForAllAndTheTerminator", 5 * sizeof(WCHAR), 4, L"巡更ab"},
    {"TooSmallCutsAndStillTerminates", 3 * sizeof(WCHAR), 2, L"巡更"},
    {"RoomForTheTerminatorAlone", sizeof(WCHAR), 0, L""},
    {"LessThanOneCharacterWritesNothing", sizeof(WCHAR) - 1, 0, std::wstring(15, L'#')},
};

INSTANTIATE_TEST_SUITE_P(Table, TextServicesGetText, ::testing::ValuesIn(kBufferCases));

TEST(TextServices, FocusMakesShowsAndPlacesTheCaretThroughTheHost) {
  ServicesFixture f;
  const int lineHeight = f.host->LineHeight();
  f.TakeCalls();
  f.Send(WM_SETFOCUS);
  f.gui.Call([&] {
    EXPECT_EQ(f.host->calls, (Lines{"caret.create 1x" + std::to_string(lineHeight), "caret.pos 10,20", "caret.show",
                                    "redraw"}))
        << "at the client rectangle's corner";
    f.host->calls.clear();
  });
  f.Send(WM_KILLFOCUS);
  EXPECT_EQ(f.TakeCalls(), (Lines{"caret.hide", "redraw"}));
}

TEST(TextServices, TheScrollRangeFollowsTheContentHeightForAVerticalBar) {
  int lineHeight = 0;
  ServicesFixture f([&](RecordingTextHost& host) {
    lineHeight = host.LineHeight();
    host.scrollBars = WS_VSCROLL | ES_DISABLENOSCROLL;
    host.client = RECT{0, 0, 200, 2 * lineHeight};
  });
  // Made at activation, hidden while one line fits.
  EXPECT_EQ(f.TakeCalls(), (Lines{"enablebar vert disabled", "range vert 0-" + std::to_string(lineHeight)}));
  f.Send(WM_SETFOCUS);
  f.TakeCalls();
  f.driver.Tap(VK_RETURN);
  EXPECT_EQ(f.TakeCalls(), (Lines{"range vert 0-" + std::to_string(2 * lineHeight), "redraw", "caret.pos"}))
      << "exactly as tall as the client: the host hides the bar";
  f.driver.Tap(VK_RETURN);
  EXPECT_EQ(f.TakeCalls(), (Lines{"range vert 0-" + std::to_string(3 * lineHeight),
                                  "scrollpos vert " + std::to_string(lineHeight), "redraw", "caret.pos"}))
      << "outgrown: the caret's line scrolled into view";
  f.Send(WM_VSCROLL, SB_TOP);
  EXPECT_EQ(f.TakeCalls(), (Lines{"scrollpos vert 0", "redraw", "caret.pos"}));
  f.Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 5));
  EXPECT_EQ(f.TakeCalls(), (Lines{"scrollpos vert 5", "redraw", "caret.pos"}));
  f.Send(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 1000));
  EXPECT_EQ(f.TakeCalls(), (Lines{"scrollpos vert " + std::to_string(lineHeight), "redraw", "caret.pos"}))
      << "no further than the last line";
}

TEST(TextServices, WithoutScrollingStylesTheBarsAreNeverAskedFor) {
  ServicesFixture f([](RecordingTextHost& host) { host.client = RECT{0, 0, 200, 10}; });
  f.Replace(L"a\rb\rc\rd");
  f.Send(WM_VSCROLL, SB_BOTTOM);
  for (const std::string& call : f.TakeCalls()) {
    EXPECT_EQ(call.find("range"), std::string::npos) << call;
    EXPECT_EQ(call.find("scrollpos"), std::string::npos) << call;
    EXPECT_EQ(call.find("bar"), std::string::npos) << call;
  }
}

TEST(TextServices, TheNaturalHeightIsTheWrappedHeightForAWidth) {
  ServicesFixture f;
  const int lineHeight = f.host->LineHeight();
  f.Replace(L"巡更巡更 word word");
  LONG height = 0;
  auto heightFor = [&](LONG width) {
    SIZEL extent{-1, -1};
    f.gui.Call([&] {
      EXPECT_EQ(f.services->TxGetNaturalSize(DVASPECT_CONTENT, nullptr, nullptr, nullptr, TXTNS_FITTOCONTENT, &extent,
                                             &width, &height),
                S_OK);
    });
    return height;
  };
  EXPECT_EQ(heightFor(1000), lineHeight);
  HDC dc = CreateCompatibleDC(nullptr);
  LOGFONTW lf{};
  lf.lfHeight = -14;
  wcscpy(lf.lfFaceName, L"微软雅黑");
  HFONT font = CreateFontIndirectW(&lf);
  SelectObject(dc, font);
  SIZE two{};
  GetTextExtentPoint32W(dc, L"巡更", 2, &two);
  SIZE word{};
  GetTextExtentPoint32W(dc, L"word ", 5, &word);
  DeleteDC(dc);
  DeleteObject(font);
  // Two Chinese characters a line, then each word on its own line.
  EXPECT_EQ(heightFor(std::max(two.cx, word.cx)), 4 * lineHeight);
}

TEST(TextServices, MessagesItDoesNotTakeAnswerSFalse) {
  ServicesFixture f;
  EXPECT_EQ(f.Send(WM_CONTEXTMENU).first, S_FALSE);
  EXPECT_EQ(f.Send(WM_HELP).first, S_FALSE);
  EXPECT_EQ(f.Send(WM_TIMER, 77).first, S_FALSE) << "a timer it did not set";
  EXPECT_EQ(f.Send(WM_RBUTTONDOWN).first, S_FALSE);
  EXPECT_EQ(f.Send(EM_SETLANGOPTIONS).first, S_OK);
  EXPECT_EQ(f.Send(EM_SETEVENTMASK, 0, ENM_CHANGE), std::make_pair(S_OK, LRESULT(0)));
  EXPECT_EQ(f.Send(EM_GETEVENTMASK), std::make_pair(S_OK, LRESULT(ENM_CHANGE)));
}

TEST(TextServices, ADragPastTheBottomScrollsOnTheServicesOwnTimer) {
  int lineHeight = 0;
  ServicesFixture f([&](RecordingTextHost& host) {
    lineHeight = host.LineHeight();
    host.client = RECT{0, 0, 200, 2 * lineHeight};
  });
  f.Replace(L"a\rb\rc\rd");
  f.Select(0, 0);
  f.Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(1, 1));
  f.TakeCalls();
  f.Send(WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(1, 3 * lineHeight));
  EXPECT_EQ(f.TakeCalls(), (Lines{"timer.set", "redraw"})) << "unfocused: no caret to place";
  EXPECT_EQ(f.Send(WM_TIMER, 77).first, S_FALSE);
  EXPECT_EQ(f.Send(WM_TIMER, platform::textservices::TextServices::kAutoScrollTimer).first, S_OK);
  EXPECT_EQ(f.TakeCalls(), (Lines{"redraw"}));
  f.Send(WM_LBUTTONUP, 0, MAKELPARAM(1, 3 * lineHeight));
  EXPECT_EQ(f.TakeCalls(), (Lines{"timer.kill", "release"}));
  EXPECT_EQ(f.Send(WM_TIMER, platform::textservices::TextServices::kAutoScrollTimer).first, S_FALSE)
      << "stopped with the drag";
}

}  // namespace

namespace {

const uint32_t kBlue = 0xFF0000FF;

// Draws the services' text over a blue canvas the size of the host's client rectangle.
struct Drawn {
  explicit Drawn(ServicesFixture& f) : canvas(260, 140) {
    canvas.Fill(kBlue);
    f.gui.Call([&] {
      const RECT& rc = f.host->client;
      const RECTL bounds{rc.left, rc.top, rc.right, rc.bottom};
      EXPECT_EQ(f.services->TxDraw(DVASPECT_CONTENT, 0, nullptr, nullptr, canvas.dc(), nullptr, &bounds, nullptr,
                                   nullptr, nullptr, 0, TXTVIEW_ACTIVE),
                S_OK);
    });
  }
  int Count(uint32_t argb) const {
    int n = 0;
    for (int y = 0; y < canvas.height(); ++y)
      for (int x = 0; x < canvas.width(); ++x) n += canvas.At(x, y) == argb;
    return n;
  }
  DibCanvas canvas;
};

uint32_t Argb(COLORREF colour) {
  return 0xFF000000u | (uint32_t(GetRValue(colour)) << 16) | (uint32_t(GetGValue(colour)) << 8) | GetBValue(colour);
}

TEST(TextServicesDrawing, TheTextInTheFormatColourInsideTheBoundsOnly) {
  ServicesFixture f([](RecordingTextHost& host) { host.charFormat.crTextColor = RGB(255, 0, 0); });
  f.Replace(L"巡更 WWW");
  Drawn drawn(f);
  EXPECT_GT(drawn.Count(0xFFFF0000), 10) << "glyph cores in the character format's colour";
  const RECT ink = drawn.canvas.InkBox(kBlue);
  EXPECT_GE(ink.left, 10);
  EXPECT_GE(ink.top, 20);
  EXPECT_LE(ink.bottom, 20 + f.host->LineHeight());
}

TEST(TextServicesDrawing, ATransparentHostKeepsItsBackgroundAndAnOpaqueOneGetsTheWindowColour) {
  ServicesFixture transparent;
  EXPECT_EQ(Drawn(transparent).canvas.InkBox(kBlue).right, 0) << "nothing drawn for an empty text";
  ServicesFixture opaque([](RecordingTextHost& host) { host.backStyle = TXTBACK_OPAQUE; });
  Drawn drawn(opaque);
  EXPECT_EQ(drawn.Count(Argb(GetSysColor(COLOR_WINDOW))), 200 * 100);
}

TEST(TextServicesDrawing, TheSelectionShowsWhileFocusedAndHidesWithTheFocus) {
  ServicesFixture f([](RecordingTextHost& host) { host.bits |= TXTBIT_HIDESELECTION; });
  f.Replace(L"WWW");
  f.Select(0, -1);
  const uint32_t highlight = Argb(GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_EQ(Drawn(f).Count(highlight), 0) << "hidden while unfocused";
  f.Send(WM_SETFOCUS);
  EXPECT_GT(Drawn(f).Count(highlight), 20);
}

TEST(TextServicesDrawing, APasswordShowsOneMaskCharacterPerCharacter) {
  ServicesFixture masked([](RecordingTextHost& host) { host.bits |= TXTBIT_USEPASSWORD; });
  masked.Replace(L"WWW");
  ServicesFixture stars;
  stars.Replace(L"***");
  const RECT a = Drawn(masked).canvas.InkBox(kBlue);
  const RECT b = Drawn(stars).canvas.InkBox(kBlue);
  EXPECT_EQ(a.right - a.left, b.right - b.left);
  EXPECT_GT(a.right - a.left, 0);
}

TEST(TextServicesLife, TheServicesHoldNoReferenceOnTheirHostAndGoWithTheirLast) {
  RecordingTextHost host;
  ComPtr<IUnknown> unknown;
  ASSERT_EQ(CreateTextServices(nullptr, &host, unknown.Put()), S_OK);
  ITextServices* services = nullptr;
  ASSERT_EQ(unknown->QueryInterface(IID_ITextServices, reinterpret_cast<void**>(&services)), S_OK);
  unknown.Reset();
  services->OnTxInPlaceActivate(nullptr);
  services->TxSendMessage(WM_SETFOCUS, 0, 0, nullptr);
  services->OnTxInPlaceDeactivate();
  EXPECT_EQ(host.references, 0) << "a counted reference would be a cycle with the host that owns them";
  EXPECT_EQ(services->Release(), 0u) << "the host's release is the last";
}

TEST(TextServicesLife, CreationRefusesAnOuterObjectAndAMissingHost) {
  RecordingTextHost host;
  IUnknown* out = reinterpret_cast<IUnknown*>(1);
  EXPECT_EQ(CreateTextServices(nullptr, nullptr, &out), E_INVALIDARG);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(CreateTextServices(reinterpret_cast<IUnknown*>(&host), &host, &out), CLASS_E_NOAGGREGATION);
  EXPECT_EQ(CreateTextServices(nullptr, &host, nullptr), E_INVALIDARG);
}

struct LibraryCase {
  const char* what;
  const wchar_t* missing;  // or null
  bool richEdit;           // "Riched20.dll" loads and exports CreateTextServices
  bool msftEdit;
};

void PrintTo(const LibraryCase& c, std::ostream* os) { *os << c.what; }

class TextServicesLibraries : public ::testing::TestWithParam<LibraryCase> {};

TEST_P(TextServicesLibraries, ExportCreateTextServices) {
  const LibraryCase& c = GetParam();
  if (c.missing) platform::SetSystemModuleMissing(c.missing, true);
  auto resolves = [](const wchar_t* name) {
    HMODULE module = LoadLibraryW(name);
    const bool found = module != nullptr && GetProcAddress(module, "CreateTextServices") != nullptr;
    if (module) FreeLibrary(module);
    return found;
  };
  EXPECT_EQ(resolves(L"Riched20.dll"), c.richEdit);
  EXPECT_EQ(resolves(L"msftedit.dll"), c.msftEdit);
  EXPECT_EQ(GetProcAddress(LoadLibraryW(L"user32.dll"), "CreateTextServices"), nullptr) << "only the rich edits";
  if (c.missing) platform::SetSystemModuleMissing(c.missing, false);
}

const LibraryCase kLibraryCases[] = {
    {"BothPresent", nullptr, true, true},
    {"WithoutMsftEdit", L"MSFTEDIT.DLL", true, false},
    {"WithoutRichEdit", L"riched20", false, true},
};

INSTANTIATE_TEST_SUITE_P(Table, TextServicesLibraries, ::testing::ValuesIn(kLibraryCases));

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<closed>";
  HANDLE block = GetClipboardData(CF_UNICODETEXT);
  if (const auto* bytes = static_cast<const WCHAR*>(GlobalLock(block))) {
    text = bytes;
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::wstring& text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(WCHAR));
  wmemcpy(static_cast<WCHAR*>(GlobalLock(block)), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

struct ClipboardCase {
  const char* what;
  DWORD bits;
  std::wstring start;
  std::function<void(ServicesFixture&)> input;
  std::wstring text;
  std::wstring clipboard;
};

void PrintTo(const ClipboardCase& c, std::ostream* os) { *os << c.what; }

class TextServicesClipboard : public ::testing::TestWithParam<ClipboardCase> {};

TEST_P(TextServicesClipboard, CopiesCutsAndPastes) {
  const ClipboardCase& c = GetParam();
  ServicesFixture f([&](RecordingTextHost& host) { host.bits = c.bits; });
  f.Replace(c.start);
  SetClipboardText(L"old");
  c.input(f);
  f.driver.WaitIdle();
  EXPECT_EQ(f.Text(), c.text);
  EXPECT_EQ(ClipboardText(), c.clipboard);
}

const ClipboardCase kClipboardCases[] = {
    {"CopyGivesBreaksAsCrLf", kMulti, L"a\rb",
     [](ServicesFixture& f) {
       f.Chord(VK_CONTROL, 'A');
       f.Chord(VK_CONTROL, 'C');
     },
     L"a\rb", L"a\r\nb"},
    {"CutTakesTheSelection", kMulti, L"abc",
     [](ServicesFixture& f) {
       f.Chord(VK_SHIFT, VK_LEFT);
       f.Chord(VK_CONTROL, 'X');
     },
     L"ab", L"c"},
    {"PasteReplacesTheSelection", kMulti, L"abc",
     [](ServicesFixture& f) {
       f.Chord(VK_SHIFT, VK_LEFT);
       f.Chord(VK_CONTROL, 'V');
     },
     L"abold", L"old"},
    {"APasswordIsNeitherCopiedNorCut", kMulti | TXTBIT_USEPASSWORD, L"secret",
     [](ServicesFixture& f) {
       f.Chord(VK_CONTROL, 'A');
       f.Chord(VK_CONTROL, 'C');
       f.Chord(VK_CONTROL, 'X');
     },
     L"secret", L"old"},
    {"ReadOnlyCopiesButNeitherCutsNorPastes", kMulti | TXTBIT_READONLY, L"abc",
     [](ServicesFixture& f) {
       f.Chord(VK_CONTROL, 'A');
       f.Chord(VK_CONTROL, 'C');
       f.Chord(VK_CONTROL, 'X');
       f.Chord(VK_CONTROL, 'V');
     },
     L"abc", L"abc"},
};

INSTANTIATE_TEST_SUITE_P(Table, TextServicesClipboard, ::testing::ValuesIn(kClipboardCases));

}  // namespace
