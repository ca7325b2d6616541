// Input that reaches the display becomes the layer's messages: pointer and keys
// injected through XTest, and text an input method commits.
#include <gtest/gtest.h>

#include "platform/backend/x11/X11Backend.h"
#include "testing/driver/GuiThread.h"
#include "testing/x11/TestDisplay.h"
#include "tests/platform/x11/SmokeWindow.h"

#include <X11/keysym.h>

namespace {

using platform::headless::GuiThread;
using x11test::Logged;
using x11test::MessageLog;
using x11test::SmokeSpec;
using x11test::SmokeWindow;
using x11test::TestDisplay;

// A shown, activated window at (100, 100) whose messages go to the fixture's log,
// with the X focus on it.
class InputTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ok());
    gui_.Call([this] {
      SmokeSpec spec;
      spec.rect = RECT{100, 100, 400, 300};
      spec.colour = RGB(255, 255, 0);
      spec.log = &log_;
      window_ = SmokeWindow::Create(spec);
      ShowWindow(window_, SW_SHOW);
      UpdateWindow(window_);
    });
    ASSERT_TRUE(TestDisplay::FlushBackend());
    ASSERT_TRUE(display_.WaitForPixel(150, 150, 0xFFFF00)) << "the window never showed";
    const unsigned long native = TestDisplay::NativeWindow(window_);
    ASSERT_TRUE(display_.WaitForFocus(native)) << "the X focus never came to the program's window";
    // The layer learns of the X focus from events its X thread reads after the server
    // moved it, and the last test's window leaving may have taken the keyboard from the
    // program until then. Keys queue behind those events; an injected commit does not.
    ASSERT_TRUE(TestDisplay::WaitUntil([this] { return GetForegroundWindow() == window_; }))
        << "the layer never gave the keyboard back to the program's window";
    log_.Clear();
  }

  std::vector<Logged> WaitForMessages(const std::vector<UINT>& kinds, size_t count) {
    const bool arrived = log_.WaitFor([&](const std::vector<Logged>& entries) {
      size_t n = 0;
      for (const Logged& e : entries) n += std::find(kinds.begin(), kinds.end(), e.message) != kinds.end();
      return n >= count;
    });
    EXPECT_TRUE(arrived) << "only " << log_.Only(kinds).size() << " of " << count << " messages arrived";
    return log_.Only(kinds);
  }

  TestDisplay display_;
  MessageLog log_;
  GuiThread gui_;
  HWND window_ = nullptr;
};

TEST_F(InputTest, ClicksArriveAtClientCoordinates) {
  display_.Click(130, 160);
  std::vector<Logged> got = WaitForMessages({WM_LBUTTONDOWN, WM_LBUTTONUP}, 2);
  ASSERT_EQ(got.size(), 2u);
  EXPECT_EQ(got[0].message, UINT(WM_LBUTTONDOWN));
  EXPECT_EQ(got[1].message, UINT(WM_LBUTTONUP));
  for (const Logged& e : got) {
    EXPECT_EQ(GET_X_LPARAM(e.lParam), 30);
    EXPECT_EQ(GET_Y_LPARAM(e.lParam), 60);
  }
  log_.Clear();
  display_.MovePointer(150, 150);
  display_.Button(3, true);
  display_.Button(3, false);
  display_.Button(4, true);  // the wheel turns away from the user
  display_.Button(4, false);
  got = WaitForMessages({WM_RBUTTONDOWN, WM_RBUTTONUP, WM_MOUSEWHEEL}, 3);
  ASSERT_EQ(got.size(), 3u);
  EXPECT_EQ(got[0].message, UINT(WM_RBUTTONDOWN));
  EXPECT_EQ(got[1].message, UINT(WM_RBUTTONUP));
  EXPECT_EQ(got[2].message, UINT(WM_MOUSEWHEEL));
  EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(got[2].wParam), WHEEL_DELTA);
}

struct KeyCase {
  const char* name;
  std::vector<unsigned long> chord;  // X key symbols pressed together
  UINT vk;                           // the last key's virtual key
  std::wstring chars;                // the WM_CHARs it types
};

TEST_F(InputTest, KeysArriveAsKeyAndCharMessages) {
  const KeyCase cases[] = {
      {"letter", {XK_a}, 'A', L"a"},
      {"shifted letter", {XK_Shift_L, XK_a}, 'A', L"A"},
      {"shifted digit", {XK_Shift_L, XK_1}, '1', L"!"},
      {"return", {XK_Return}, VK_RETURN, L"\r"},
      {"arrow types nothing", {XK_Left}, VK_LEFT, L""},
      {"function key", {XK_F5}, VK_F5, L""},
      {"control chord", {XK_Control_L, XK_c}, 'C', L"\x03"},
  };
  for (const KeyCase& c : cases) {
    log_.Clear();
    display_.Chord(c.chord);
    const size_t keys = c.chord.size() * 2;
    std::vector<Logged> got = WaitForMessages({WM_KEYDOWN, WM_KEYUP, WM_CHAR}, keys + c.chars.size());
    std::vector<UINT> downs;
    std::wstring chars;
    for (const Logged& e : got) {
      if (e.message == WM_KEYDOWN) downs.push_back(UINT(e.wParam));
      if (e.message == WM_CHAR) chars.push_back(wchar_t(e.wParam));
    }
    ASSERT_FALSE(downs.empty()) << c.name;
    EXPECT_EQ(downs.back(), c.vk) << c.name;
    EXPECT_EQ(chars, c.chars) << c.name;
    SHORT state = 0;
    gui_.Call([&] { state = GetKeyState(int(c.vk)); });
    EXPECT_GE(state, 0) << c.name << ": released again";
  }
}

TEST_F(InputTest, KeyStateFollowsHeldKeys) {
  SHORT held = 0, released = 0;
  display_.Key(XK_Shift_L, true);
  WaitForMessages({WM_KEYDOWN}, 1);
  gui_.Call([&] { held = GetKeyState(VK_SHIFT); });
  display_.Key(XK_Shift_L, false);
  WaitForMessages({WM_KEYUP}, 1);
  gui_.Call([&] { released = GetKeyState(VK_SHIFT); });
  EXPECT_LT(held, 0) << "down while held";
  EXPECT_GE(released, 0);
}

struct CommitCase {
  const char* name;
  std::string utf8;
  std::wstring chars;
};

TEST_F(InputTest, InputMethodCommitsBecomeChars) {
  const CommitCase cases[] = {
      {"ascii", "ok", L"ok"},
      {"chinese", "\xe5\xb7\xa1\xe6\x9b\xb4", L"\u5de1\u66f4"},
      {"mixed", "A\xe7\x82\xb9" "1", L"A\u70b9" L"1"},
  };
  platform::x11::X11Backend* backend = platform::x11::X11Backend::Instance();
  for (const CommitCase& c : cases) {
    log_.Clear();
    backend->InjectInputMethodCommit(c.utf8);
    std::vector<Logged> got = WaitForMessages({WM_CHAR}, c.chars.size());
    std::wstring chars;
    for (const Logged& e : got) chars.push_back(wchar_t(e.wParam));
    EXPECT_EQ(chars, c.chars) << c.name;
    EXPECT_TRUE(log_.Only({WM_KEYDOWN, WM_KEYUP}).empty()) << c.name << ": a commit presses no keys";
  }
  // An empty commit types nothing: only what comes after it arrives.
  log_.Clear();
  backend->InjectInputMethodCommit("");
  backend->InjectInputMethodCommit("z");
  std::vector<Logged> got = WaitForMessages({WM_CHAR}, 1);
  ASSERT_EQ(got.size(), 1u);
  EXPECT_EQ(got[0].wParam, WPARAM(L'z'));
}

}  // namespace
