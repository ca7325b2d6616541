// The manager's message table: injected input becomes events for the controls,
// tooltips, keys, set-cursor, size limits, reflection to child windows and the
// delayed deletion at WM_APP+1.
#include <gtest/gtest.h>

#include <functional>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "tests/ui/core/support/WindowTestSupport.h"
#include "ui/core/types/CDelegate.h"

namespace {

using platform::backend::MouseButton;
using platform::headless::GuiThread;
using platform::headless::TestDriver;
using SkinUI::CWindowManagerUI;
using wintest::Lines;
using wintest::ManagedWindow;
using wintest::ProbeContainer;
using wintest::ProbeControl;

// A 400x300 frame at the screen's origin, so screen and client points agree, with
// A at (10,10)-(110,60) and B at (200,10)-(300,60) on a root that fills it.
class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    uitest::EnsureInstance();
    gui.Call([this] {
      window.reset(new ManagedWindow());
      window->Create(nullptr, L"frame", WS_POPUP | WS_VISIBLE, 0, 0, 0, 400, 300);
      root = new ProbeContainer(&log, L"root", RECT{0, 0, 400, 300});
      a = new ProbeControl(&log, L"A", RECT{10, 10, 110, 60});
      b = new ProbeControl(&log, L"B", RECT{200, 10, 300, 60});
      root->AddChild(a);
      root->AddChild(b);
      Manager().AttachRoot(root);
    });
    ASSERT_TRUE(driver.WaitIdle());
    log.clear();
  }
  void TearDown() override {
    gui.Call([this] {
      if (IsWindow(window->GetHWND())) DestroyWindow(window->GetHWND());
      window.reset();
    });
  }

  CWindowManagerUI& Manager() { return window->Manager(); }
  HWND Frame() const { return window->GetHWND(); }
  bool Unhandled(UINT message) const {
    return std::find(window->unhandled.begin(), window->unhandled.end(), message) != window->unhandled.end();
  }

  TestDriver driver;
  GuiThread gui;
  Lines log;
  std::unique_ptr<ManagedWindow> window;
  ProbeContainer* root = nullptr;
  ProbeControl* a = nullptr;
  ProbeControl* b = nullptr;
};

struct InputCase {
  const char* scenario;
  std::function<void(TestDriver&)> act;
  Lines expected;
};

void PrintTo(const InputCase& c, std::ostream* os) { *os << c.scenario; }

class InputSequences : public InputTest, public ::testing::WithParamInterface<InputCase> {};

TEST_P(InputSequences, BecomeTheseEvents) {
  const InputCase& c = GetParam();
  c.act(driver);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, InputSequences,
    ::testing::Values(
        InputCase{"moving from A to B leaves A before entering B",
                  [](TestDriver& d) {
                    d.MoveMouse(20, 20);
                    d.MoveMouse(210, 20);
                  },
                  {"A:enter", "A:move", "A:leave", "B:enter", "B:move"}},
        InputCase{"a button held on A keeps the moves on A",
                  [](TestDriver& d) {
                    d.MoveMouse(20, 20);
                    d.Press();
                    d.MoveMouse(210, 20);
                    d.Release();
                  },
                  {"A:enter", "A:move", "A:setfocus", "A:down", "A:leave", "B:enter", "A:move", "A:up"}},
        // Outside the window the pointer leaves A as a hovered control (the leave
        // message ends in a move to no control), but the moves and the release stay
        // with the pressed control.
        InputCase{"the capture keeps the moves and the release outside the window on A",
                  [](TestDriver& d) {
                    d.MoveMouse(20, 20);
                    d.Press();
                    d.MoveMouse(500, 400);
                    d.Release();
                  },
                  {"A:enter", "A:move", "A:setfocus", "A:down", "A:leave", "A:move", "A:move", "A:move", "A:up"}},
        InputCase{"a double click",
                  [](TestDriver& d) {
                    d.Click(20, 20);
                    d.Click(20, 20);
                  },
                  {"A:enter", "A:move", "A:setfocus", "A:down", "A:up", "A:move", "A:dblclick", "A:up"}},
        InputCase{"a right click gives the context menu to the pressed control",
                  [](TestDriver& d) {
                    d.MoveMouse(20, 20);
                    d.Press(MouseButton::Right);
                    d.Release(MouseButton::Right);
                  },
                  {"A:enter", "A:move", "A:setfocus", "A:rdown", "A:menu"}},
        InputCase{"the wheel scrolls down then up, hovering followed after each",
                  [](TestDriver& d) {
                    d.MoveMouse(20, 20);
                    d.Wheel(-120);
                    d.Wheel(120);
                  },
                  {"A:enter", "A:move", "A:wheel(1)", "A:move", "A:wheel(0)", "A:move"}},
        InputCase{"leaving the window leaves the hovered control once and the next move arms again",
                  [](TestDriver& d) {
                    d.MoveMouse(20, 20);
                    d.MoveMouse(600, 500);
                    d.MoveMouse(30, 20);
                  },
                  {"A:enter", "A:move", "A:leave", "A:enter", "A:move"}},
        InputCase{"a press outside every child goes to the root",
                  [](TestDriver& d) { d.Click(150, 200); },
                  {"root:enter", "root:move", "root:setfocus", "root:down", "root:up"}}),
    [](const ::testing::TestParamInfo<InputCase>& info) { return "Case" + std::to_string(info.index); });

// Keeps a copy of every event a control receives.
struct EventRecorder {
  bool OnEvent(void* p) {
    events.push_back(*static_cast<SkinUI::UIEventRecord*>(p));
    return true;
  }
  std::vector<SkinUI::UIEventRecord> events;
};

TEST_F(InputTest, EventsCarryThePointAndButtonFlags) {
  EventRecorder recorder;
  std::vector<SkinUI::UIEventRecord>& events = recorder.events;
  gui.Call([&] {
    a->OnEventDelegates.Add(SkinUI::CDelegate<EventRecorder, EventRecorder>(&recorder, &EventRecorder::OnEvent));
  });
  driver.MoveMouse(25, 30);
  driver.Press();
  driver.Release();
  ASSERT_TRUE(driver.WaitIdle());
  ASSERT_GE(events.size(), 5u);
  const SkinUI::UIEventRecord& move = events[1];
  EXPECT_EQ(move.Type, SkinUI::UIEVENT_MOUSEMOVE);
  EXPECT_EQ(move.ptMouse.x, 25);
  EXPECT_EQ(move.ptMouse.y, 30);
  const SkinUI::UIEventRecord& down = events[3];
  EXPECT_EQ(down.Type, SkinUI::UIEVENT_BUTTONDOWN);
  EXPECT_EQ(down.pSender, a);
  EXPECT_EQ(down.wKeyState & MK_LBUTTON, MK_LBUTTON);
  EXPECT_EQ(GET_X_LPARAM(down.lParam), 25);
  EXPECT_EQ(GET_Y_LPARAM(down.lParam), 30);
}

// What each message puts in the record of the event it gives A (at (10,10)-(110,60)),
// the messages sent straight to the window so that every parameter is the test's
// own. A has the focus and nothing is held down, so the key-state mask is 0.
struct Message {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

struct RecordCase {
  const char* scenario;
  std::vector<Message> before;  // what brings A into the state the message needs
  Message message;
  int kind;  // the event looked at: the last of this kind that A got
  bool namesA;
  POINT pt;
  WORD chKey;
  WORD keyState;
  WPARAM wParam;
  LPARAM lParam;  // kLParamIsA: A itself
};

void PrintTo(const RecordCase& c, std::ostream* os) { *os << c.scenario; }

const LPARAM kLParamIsA = -2;
const LPARAM kAt25x30 = MAKELPARAM(25, 30);

class EventRecords : public InputTest, public ::testing::WithParamInterface<RecordCase> {
 protected:
  // Outlives the window, whose controls may call it until they go.
  EventRecorder recorder;
};

TEST_P(EventRecords, CarryWhatTheirMessageSays) {
  const RecordCase& c = GetParam();
  gui.Call([&] {
    a->SetFocus();
    a->OnEventDelegates.Add(SkinUI::CDelegate<EventRecorder, EventRecorder>(&recorder, &EventRecorder::OnEvent));
    for (const Message& m : c.before) SendMessageW(Frame(), m.message, m.wParam, m.lParam);
    SendMessageW(Frame(), c.message.message, c.message.wParam, c.message.lParam);
  });
  const SkinUI::UIEventRecord* event = nullptr;
  for (const SkinUI::UIEventRecord& e : recorder.events) {
    if (e.Type == c.kind) event = &e;
  }
  ASSERT_NE(event, nullptr) << "no event of kind " << c.kind;
  EXPECT_EQ(event->pSender, c.namesA ? a : nullptr);
  EXPECT_EQ(event->ptMouse.x, c.pt.x);
  EXPECT_EQ(event->ptMouse.y, c.pt.y);
  EXPECT_EQ(event->chKey, c.chKey);
  EXPECT_EQ(event->wKeyState, c.keyState);
  EXPECT_EQ(event->wParam, c.wParam);
  EXPECT_EQ(event->lParam, c.lParam == kLParamIsA ? reinterpret_cast<LPARAM>(a) : c.lParam);
  EXPECT_NE(event->dwTimestamp, 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, EventRecords,
    ::testing::Values(
        RecordCase{"entering carries the point alone", {}, {WM_MOUSEMOVE, MK_SHIFT, kAt25x30},
                   SkinUI::UIEVENT_MOUSEENTER, true, {25, 30}, 0, 0, 0, 0},
        RecordCase{"a move carries the mouse keys in wParam", {}, {WM_MOUSEMOVE, MK_SHIFT, kAt25x30},
                   SkinUI::UIEVENT_MOUSEMOVE, true, {25, 30}, 0, 0, MK_SHIFT, 0},
        RecordCase{"a hover carries its own point",
                   {{WM_MOUSEMOVE, 0, kAt25x30}},
                   {WM_MOUSEHOVER, 0, MAKELPARAM(27, 32)},
                   SkinUI::UIEVENT_MOUSEHOVER, true, {27, 32}, 0, 0, 0, 0},
        RecordCase{"a press carries the mouse keys and the message",
                   {},
                   {WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, kAt25x30},
                   SkinUI::UIEVENT_BUTTONDOWN, true, {25, 30}, 0, MK_LBUTTON | MK_CONTROL,
                   MK_LBUTTON | MK_CONTROL, kAt25x30},
        RecordCase{"a double click carries the mouse keys but not the message",
                   {},
                   {WM_LBUTTONDBLCLK, MK_LBUTTON, kAt25x30},
                   SkinUI::UIEVENT_DBLCLICK, true, {25, 30}, 0, MK_LBUTTON, 0, 0},
        RecordCase{"a release carries its own point, the mouse keys and the message",
                   {{WM_LBUTTONDOWN, MK_LBUTTON, kAt25x30}},
                   {WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(30, 35)},
                   SkinUI::UIEVENT_BUTTONUP, true, {30, 35}, 0, MK_SHIFT, MK_SHIFT, MAKELPARAM(30, 35)},
        RecordCase{"a right press carries the mouse keys and the message",
                   {},
                   {WM_RBUTTONDOWN, MK_RBUTTON, kAt25x30},
                   SkinUI::UIEVENT_RBUTTONDOWN, true, {25, 30}, 0, MK_RBUTTON, MK_RBUTTON, kAt25x30},
        RecordCase{"the context menu carries the client point and the control in lParam",
                   {{WM_RBUTTONDOWN, MK_RBUTTON, kAt25x30}},
                   {WM_CONTEXTMENU, 0, MAKELPARAM(26, 31)},
                   SkinUI::UIEVENT_CONTEXTMENU, true, {26, 31}, 0, 0, 0, kLParamIsA},
        RecordCase{"a wheel turned down carries step 1 and no point", {},
                   {WM_MOUSEWHEEL, MAKEWPARAM(0, -120), kAt25x30}, SkinUI::UIEVENT_SCROLLWHEEL, true, {0, 0}, 0, 0, 1,
                   kAt25x30},
        RecordCase{"a wheel turned up carries step 0", {}, {WM_MOUSEWHEEL, MAKEWPARAM(0, 120), kAt25x30},
                   SkinUI::UIEVENT_SCROLLWHEEL, true, {0, 0}, 0, 0, 0, kAt25x30},
        RecordCase{"a key names no sender and carries the last mouse point",
                   {{WM_MOUSEMOVE, 0, kAt25x30}},
                   {WM_KEYDOWN, 'K', 0x250001},
                   SkinUI::UIEVENT_KEYDOWN, false, {25, 30}, 'K', 0, 0, 0},
        RecordCase{"a key up goes where the key down went",
                   {{WM_MOUSEMOVE, 0, kAt25x30}, {WM_KEYDOWN, 'K', 0x250001}},
                   {WM_KEYUP, 'K', 0xC0250001},
                   SkinUI::UIEVENT_KEYUP, false, {25, 30}, 'K', 0, 0, 0},
        RecordCase{"a character", {}, {WM_CHAR, 'k', 0x250001}, SkinUI::UIEVENT_CHAR, false, {-1, -1}, 'k', 0, 0, 0},
        RecordCase{"a new window size names the focused control alone", {}, {WM_SIZE, 0, MAKELPARAM(400, 300)},
                   SkinUI::UIEVENT_WINDOWSIZE, true, {0, 0}, 0, 0, 0, 0}),
    [](const ::testing::TestParamInfo<RecordCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(InputTest, AControlOfAnotherManagerUnderThePointerGetsNothing) {
  CWindowManagerUI other;
  ProbeControl* foreign = nullptr;
  gui.Call([&] {
    foreign = new ProbeControl(&log, L"F", RECT{10, 100, 110, 150});
    root->AddChild(foreign);
    foreign->SetManager(&other, root, false);
    log.clear();
  });
  driver.MoveMouse(20, 20);
  driver.MoveMouse(20, 120);
  driver.Click(20, 120);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"A:enter", "A:move"})) << "the hovered control stays as it was";
  gui.Call([&] { foreign->SetManager(&Manager(), root, false); });
}

TEST_F(InputTest, ADoubleClickThatDestroysItsControlLeavesNoPressedControlBehind) {
  gui.Call([&] {
    a->hook = [this](int type) {
      if (type == SkinUI::UIEVENT_DBLCLICK) root->Remove(a);
    };
  });
  driver.Click(20, 20);
  driver.Click(20, 20);
  driver.MoveMouse(30, 20);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"A:enter", "A:move", "A:setfocus", "A:down", "A:up", "A:move", "A:dblclick", "root:enter",
                        "root:move"}))
      << "the button-up and the move after it found no deleted control";
}

// Handlers that rebuild the tree under the pointer: what they delete gets no
// further event, and what lies there afterwards gets them.
TEST_F(InputTest, ALeaveThatDeletesTheControlEnteredNextHandsTheHoverToWhatIsThereNow) {
  gui.Call([&] {
    a->hook = [this](int type) {
      if (type == SkinUI::UIEVENT_MOUSELEAVE) root->Remove(b);
    };
  });
  driver.MoveMouse(20, 20);
  driver.MoveMouse(210, 20);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"A:enter", "A:move", "A:leave", "root:enter", "root:move"}));
}

TEST_F(InputTest, ARightPressWhoseFocusDeletesTheControlGoesNoFurther) {
  gui.Call([&] {
    b->hook = [this](int type) {
      if (type == SkinUI::UIEVENT_SETFOCUS) root->Remove(b);
    };
  });
  driver.MoveMouse(210, 20);
  driver.Press(MouseButton::Right);
  driver.Release(MouseButton::Right);
  driver.MoveMouse(220, 20);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"B:enter", "B:move", "B:setfocus", "root:enter", "root:move"}));
  gui.Call([&] { EXPECT_FALSE(Manager().IsCaptured()); });
}

TEST_F(InputTest, CloseLeavesHoverAndPressAndGivesTheOwnerTheFocus) {
  HWND owner = nullptr;
  ManagedWindow* dialog = nullptr;
  ProbeControl* c = nullptr;
  gui.Call([&] {
    owner = window->GetHWND();
    dialog = new ManagedWindow();
    dialog->Create(owner, L"dialog", WS_POPUP | WS_VISIBLE, 0, 500, 0, 200, 200);
    auto* dialogRoot = new ProbeContainer(nullptr, L"droot", RECT{0, 0, 200, 200});
    c = new ProbeControl(&log, L"C", RECT{10, 10, 100, 100});
    dialogRoot->AddChild(c);
    dialog->Manager().AttachRoot(dialogRoot);
  });
  ASSERT_TRUE(driver.WaitIdle());
  driver.MoveMouse(520, 20);
  driver.Press();
  ASSERT_TRUE(driver.WaitIdle());
  log.clear();
  gui.Call([&] { SendMessageW(dialog->GetHWND(), WM_CLOSE, 0, 0); });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"C:leave", "C:up", "C:killfocus"}));
  gui.Call([&] {
    EXPECT_EQ(GetFocus(), owner);
    EXPECT_FALSE(IsWindow(dialog->GetHWND()));
    delete dialog;
  });
  driver.Release();
}

// --- Tooltips ---

HWND TooltipOf(HWND owner) {
  struct Search {
    HWND owner;
    HWND found;
  } search = {owner, nullptr};
  EnumWindows(
      [](HWND hwnd, LPARAM lParam) -> BOOL {
        Search* s = reinterpret_cast<Search*>(lParam);
        wchar_t name[64] = {};
        GetClassNameW(hwnd, name, 64);
        if (wcscmp(name, L"tooltips_class32") == 0 && GetWindow(hwnd, GW_OWNER) == s->owner) s->found = hwnd;
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

TEST_F(InputTest, RestingOnAControlWithATooltipShowsItAndMovingOnHidesIt) {
  gui.Call([&] { a->SetToolTip(L"hint"); });
  driver.MoveMouse(20, 20);
  driver.Advance(400);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"A:enter", "A:move", "A:hover"}));
  const HWND tooltip = TooltipOf(Frame());
  ASSERT_NE(tooltip, nullptr);
  EXPECT_TRUE(IsWindowVisible(tooltip));
  driver.MoveMouse(210, 20);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_FALSE(IsWindowVisible(tooltip));
}

TEST_F(InputTest, AControlWithoutTooltipTextMakesNoTooltipWindow) {
  driver.MoveMouse(210, 20);
  driver.Advance(400);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"B:enter", "B:move", "B:hover"}));
  EXPECT_EQ(TooltipOf(Frame()), nullptr);
}

TEST_F(InputTest, AControlRemovedByItsOwnHoverShowsNoTooltip) {
  gui.Call([&] {
    a->SetToolTip(L"hint");
    a->hook = [this](int type) {
      if (type == SkinUI::UIEVENT_MOUSEHOVER) root->Remove(a);
    };
  });
  driver.MoveMouse(20, 20);
  driver.Advance(400);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"A:enter", "A:move", "A:hover"}));
  EXPECT_EQ(TooltipOf(Frame()), nullptr) << "the deleted control's tooltip text was not read";
  driver.MoveMouse(25, 20);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"A:enter", "A:move", "A:hover", "root:enter", "root:move"}));
}

// --- Keys ---

struct KeyCase {
  const char* scenario;
  bool focusFirst;
  std::function<void(TestDriver&, InputTest&)> act;
  Lines expected;
};

void PrintTo(const KeyCase& c, std::ostream* os) { *os << c.scenario; }

class KeySequences : public InputTest, public ::testing::WithParamInterface<KeyCase> {
 public:
  void FocusB() {
    gui.Call([this] { b->SetFocus(); });
  }
};

TEST_P(KeySequences, GoToTheFocusedControl) {
  const KeyCase& c = GetParam();
  if (c.focusFirst) gui.Call([this] { a->SetFocus(); });
  gui.Call([this] { SetFocus(Frame()); });
  ASSERT_TRUE(driver.WaitIdle());
  log.clear();
  c.act(driver, *this);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeySequences,
    ::testing::Values(
        KeyCase{"a key press",
                true,
                [](TestDriver& d, InputTest&) { d.Tap('K'); },
                {"A:keydown(75)", "A:char(107)", "A:keyup(75)"}},
        KeyCase{"no focused control, no events", false, [](TestDriver& d, InputTest&) { d.Tap('K'); }, {}},
        KeyCase{"a key up without its key down", true, [](TestDriver& d, InputTest&) { d.KeyUp('K'); }, {}},
        KeyCase{"the key up goes where the key down went",
                true,
                [](TestDriver& d, InputTest& t) {
                  d.KeyDown('K');
                  static_cast<KeySequences&>(t).FocusB();
                  d.KeyUp('K');
                },
                {"A:keydown(75)", "A:char(107)", "A:killfocus", "B:setfocus", "A:keyup(75)"}}),
    [](const ::testing::TestParamInfo<KeyCase>& info) { return "Case" + std::to_string(info.index); });

// --- Size, cursor, size limits ---

TEST(WindowSize, ASizeBeforeTheRootExistsIsIgnoredAndOneAfterAsksForALayout) {
  uitest::EnsureInstance();
  TestDriver driver;
  GuiThread gui;
  Lines log;
  gui.Call([&] {
    ManagedWindow window;
    window.Create(nullptr, L"frame", WS_POPUP, 0, 0, 0, 100, 100);
    // The skin builder sizes the window while WM_CREATE runs, before the root.
    SetWindowPos(window.GetHWND(), nullptr, 0, 0, 300, 200, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    auto* root = new ProbeContainer(&log, L"root", RECT{0, 0, 300, 200});
    auto* a = new ProbeControl(&log, L"A", RECT{0, 0, 10, 10});
    root->AddChild(a);
    window.Manager().AttachRoot(root);
    a->SetFocus();
    root->SetPos(RECT{0, 0, 300, 200});
    EXPECT_FALSE(root->IsUpdateNeeded());
    log.clear();
    SetWindowPos(window.GetHWND(), nullptr, 0, 0, 320, 220, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    EXPECT_EQ(log, (Lines{"A:size"}));
    EXPECT_TRUE(root->IsUpdateNeeded());
    DestroyWindow(window.GetHWND());
  });
}

struct CursorCase {
  const char* scenario;
  POINT at;
  bool captured;
  bool handled;
  Lines expected;
};

void PrintTo(const CursorCase& c, std::ostream* os) { *os << c.scenario; }

class SetCursorMessages : public InputTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(SetCursorMessages, GoToControlsThatAskForThem) {
  const CursorCase& c = GetParam();
  gui.Call([&] {
    auto* cursor = new ProbeControl(&log, L"C", RECT{10, 100, 110, 150}, SkinUI::UIFLAG_SETCURSOR);
    root->AddChild(cursor);
    if (c.captured) Manager().SetCapture();
  });
  driver.MoveMouse(c.at.x, c.at.y);
  ASSERT_TRUE(driver.WaitIdle());
  Lines cursorEvents;
  for (const std::string& line : log) {
    if (line.find(":cursor") != std::string::npos) cursorEvents.push_back(line);
  }
  EXPECT_EQ(cursorEvents, c.expected);
  gui.Call([&] {
    window->unhandled.clear();
    SendMessageW(Frame(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Frame()), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(!Unhandled(WM_SETCURSOR), c.handled);
    if (c.captured) Manager().ReleaseCapture();
  });
}

INSTANTIATE_TEST_SUITE_P(
    Table, SetCursorMessages,
    ::testing::Values(CursorCase{"a control that asks", {20, 120}, false, true, {"C:cursor"}},
                      CursorCase{"a control that does not ask", {20, 20}, false, false, {}},
                      CursorCase{"while captured nothing changes the cursor", {20, 120}, true, true, {}}),
    [](const ::testing::TestParamInfo<CursorCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(InputTest, MinimumAndMaximumSizesAboveZeroReplaceTheTrackSizes) {
  gui.Call([&] {
    Manager().SetMinInfo(300, 0);
    Manager().SetMaxInfo(0, 500);
    MINMAXINFO mmi = {};
    mmi.ptMinTrackSize = POINT{10, 20};
    mmi.ptMaxTrackSize = POINT{1000, 2000};
    LRESULT lRes = 0;
    EXPECT_FALSE(Manager().HandleWindowMessage(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&mmi), lRes));
    EXPECT_EQ(mmi.ptMinTrackSize.x, 300);
    EXPECT_EQ(mmi.ptMinTrackSize.y, 20);
    EXPECT_EQ(mmi.ptMaxTrackSize.x, 1000);
    EXPECT_EQ(mmi.ptMaxTrackSize.y, 500);
  });
}

// --- Reflection ---

struct NotifyHeader {
  HWND hwndFrom;
  UINT_PTR idFrom;
  UINT code;
};

struct ReflectCase {
  const char* scenario;
  UINT message;
  std::string childLine;
  LRESULT answer;
};

void PrintTo(const ReflectCase& c, std::ostream* os) { *os << c.scenario; }

class Reflection : public InputTest, public ::testing::WithParamInterface<ReflectCase> {};

TEST_P(Reflection, HandsChildMessagesBackToTheChildAndReturnsItsAnswer) {
  const ReflectCase& c = GetParam();
  gui.Call([&] {
    const HWND child = wintest::ReflectTarget::Create(Frame(), &log);
    NotifyHeader header = {child, 5, 0};
    const LPARAM lParam =
        c.message == WM_NOTIFY ? reinterpret_cast<LPARAM>(&header) : reinterpret_cast<LPARAM>(child);
    window->unhandled.clear();
    EXPECT_EQ(SendMessageW(Frame(), c.message, 7, lParam), c.answer);
    EXPECT_FALSE(Unhandled(c.message));
  });
  EXPECT_EQ(log, (Lines{c.childLine}));
}

INSTANTIATE_TEST_SUITE_P(
    Table, Reflection,
    ::testing::Values(ReflectCase{"a command", WM_COMMAND, "child:0x2111(7)", 0x211},
                      ReflectCase{"a notification", WM_NOTIFY, "child:0x204E(7)", 0x14E},
                      ReflectCase{"an edit's colour", WM_CTLCOLOREDIT, "child:0x2133(7)", 0x233},
                      ReflectCase{"a static's colour", WM_CTLCOLORSTATIC, "child:0x2138(7)", 0x238}),
    [](const ::testing::TestParamInfo<ReflectCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(InputTest, ACommandFromAMenuIsLeftToTheWindow) {
  gui.Call([&] {
    window->unhandled.clear();
    SendMessageW(Frame(), WM_COMMAND, 40001, 0);
    EXPECT_TRUE(Unhandled(WM_COMMAND));
  });
}

// --- Delayed deletion ---

TEST_F(InputTest, AControlQueuedForDeletionLivesUntilItsMessageArrives) {
  gui.Call([&] {
    auto* doomed = new ProbeControl(&log, L"D");
    doomed->logDestruction = true;
    Manager().AddDelayedCleanup(doomed);
    EXPECT_EQ(doomed->GetManager(), &Manager());
    EXPECT_EQ(doomed->GetParent(), nullptr) << "detached from the tree";
    EXPECT_TRUE(log.empty());
  });
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"D:deleted"}));
}

TEST_F(InputTest, ARootReplacedFromItsOwnEventHandlerGoesOnlyAtTheDelayedCleanup) {
  Lines notes;
  uitest::LogListener listener(&notes);
  gui.Call([&] {
    Manager().AddNotifier(&listener);
    a->logDestruction = true;
    a->hook = [&](int type) {
      if (type != SkinUI::UIEVENT_BUTTONDOWN) return;
      auto* second = new ProbeContainer(&log, L"second", RECT{0, 0, 400, 300});
      Manager().AttachRoot(second);
      log.push_back(a->GetName() == L"A" ? "old root alive" : "?");
    };
  });
  driver.Click(20, 20);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(log, (Lines{"A:enter", "A:move", "A:setfocus", "A:down", "A:killfocus", "old root alive", "A:deleted"}))
      << "the release found no pressed control: the attachment forgot it";
  EXPECT_EQ(notes.back(), "listener:windowinit:second") << "the new root gets its own windowinit";
  gui.Call([&] { Manager().RemoveNotifier(&listener); });
}

}  // namespace
