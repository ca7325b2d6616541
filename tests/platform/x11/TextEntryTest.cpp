// Text entry on a real display: keys typed through XTest and an input method's
// commit reach an edit, the clipboard goes to and comes from another X client, and
// the date picker's calendar shows over its window. Pictures of both are saved for a
// person to look at.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include "platform/backend/x11/X11Backend.h"
#include "testing/driver/GuiThread.h"
#include "testing/x11/ScreenCapture.h"
#include "testing/x11/TestDisplay.h"
#include "tests/platform/x11/ClipboardClient.h"
#include "tests/platform/x11/KeyboardMapping.h"
#include "tests/platform/x11/SmokeWindow.h"

namespace {

using platform::headless::GuiThread;
using platform::x11::ScreenCapture;
using x11test::ClipboardClient;
using x11test::KeyboardMapping;
using x11test::SmokeSpec;
using x11test::SmokeWindow;
using x11test::TestDisplay;

const RECT kHost{100, 100, 500, 400};
const uint32_t kYellow = 0xFFFF00;

// A yellow window at (100, 100) holding an edit at (10, 10) and a date picker at
// (10, 60), the edit with the focus and the X focus on the window.
class TextEntryTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(display_.ok());
    gui_.Call([this] {
      font_ = CreateFontW(-16, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"微软雅黑");
      SmokeSpec spec;
      spec.rect = kHost;
      spec.colour = RGB(255, 255, 0);
      host_ = SmokeWindow::Create(spec);
      edit_ = CreateWindowExW(0, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10, 10, 240, 24, host_,
                              nullptr, nullptr, nullptr);
      SendMessageW(edit_, WM_SETFONT, WPARAM(font_), TRUE);
      picker_ = CreateWindowExW(0, DATETIMEPICK_CLASSW, nullptr, WS_CHILD | WS_VISIBLE, 10, 60, 160, 24, host_,
                                nullptr, nullptr, nullptr);
      SendMessageW(picker_, WM_SETFONT, WPARAM(font_), TRUE);
      ShowWindow(host_, SW_SHOW);
      UpdateWindow(host_);
      SetFocus(edit_);
    });
    ASSERT_TRUE(TestDisplay::FlushBackend());
    ASSERT_TRUE(display_.WaitForPixel(kHost.right - 20, kHost.bottom - 20, kYellow)) << "the window never showed";
    ASSERT_TRUE(display_.WaitForFocus(TestDisplay::NativeWindow(host_)));
  }

  void TearDown() override {
    gui_.Call([this] {
      DestroyWindow(host_);
      DeleteObject(font_);
    });
  }

  std::wstring EditText() {
    std::wstring text;
    gui_.Call([&] {
      wchar_t buffer[256] = {};
      GetWindowTextW(edit_, buffer, 256);
      text = buffer;
    });
    return text;
  }

  bool WaitForText(const std::wstring& wanted) {
    return TestDisplay::WaitUntil([&] { return EditText() == wanted; });
  }

  TestDisplay display_;
  GuiThread gui_;
  HFONT font_ = nullptr;
  HWND host_ = nullptr;
  HWND edit_ = nullptr;
  HWND picker_ = nullptr;
};

TEST_F(TextEntryTest, TypedKeysAndACommittedChineseTextReachTheEdit) {
  for (unsigned long key : {XK_p, XK_a, XK_t, XK_r, XK_o, XK_l, XK_space}) display_.Chord({key});
  ASSERT_TRUE(WaitForText(L"patrol ")) << "typed: " << platform::codepage::WideToUtf8(EditText());
  platform::x11::X11Backend::Instance()->InjectInputMethodCommit("\xe5\xb7\xa1\xe6\x9b\xb4\xe7\x82\xb9");
  ASSERT_TRUE(WaitForText(L"patrol 巡更点"));
  display_.Chord({XK_BackSpace});
  ASSERT_TRUE(WaitForText(L"patrol 巡更"));
  ASSERT_TRUE(TestDisplay::FlushBackend());
  // The text shows: dark pixels in the edit where the white background was.
  const RECT area{kHost.left + 10, kHost.top + 10, kHost.left + 250, kHost.top + 34};
  EXPECT_TRUE(TestDisplay::WaitUntil([&] {
    cairo_surface_t* image = ScreenCapture::Grab(area);
    int dark = 0;
    for (int y = 0; y < area.bottom - area.top; ++y) {
      for (int x = 0; x < area.right - area.left; ++x) dark += ScreenCapture::PixelAt(image, x, y) < 0x404040;
    }
    if (image) cairo_surface_destroy(image);
    return dark > 40;
  }));
  display_.SaveScreen("edit-chinese");
}

// Two keys swap their letters, as a switch from a QWERTY to an AZERTY layout does: the
// keys typed afterwards give the new letters, through XKB and, in the suite's run under
// XKB_DISABLE, through the core keyboard map.
TEST_F(TextEntryTest, TypingFollowsAKeyboardMappingChangedWhileTheProgramRuns) {
  for (unsigned long key : {XK_q, XK_a}) display_.Chord({key});
  ASSERT_TRUE(WaitForText(L"qa")) << "typed: " << platform::codepage::WideToUtf8(EditText());
  KeyboardMapping mapping;
  ASSERT_TRUE(mapping.ok());
  const unsigned q = mapping.CodeOf(XK_q);
  const unsigned a = mapping.CodeOf(XK_a);
  ASSERT_TRUE(q != 0 && a != 0);
  mapping.Map(q, XK_a, XK_A);
  mapping.Map(a, XK_q, XK_Q);
  mapping.Press(q);
  mapping.Press(a);
  EXPECT_TRUE(WaitForText(L"qaaq")) << "typed after the change: " << platform::codepage::WideToUtf8(EditText());
}

// A key bound to characters that no virtual key stands for, as a layout holding Chinese
// characters binds them: each press types its character.
TEST_F(TextEntryTest, AKeyBoundToACharacterWithoutAVirtualKeyTypesIt) {
  // A key typed first shows the edit has the keyboard, as the last test's window leaving
  // can keep it from the program for a moment.
  display_.Chord({XK_q});
  ASSERT_TRUE(WaitForText(L"q")) << "typed: " << platform::codepage::WideToUtf8(EditText());
  KeyboardMapping mapping;
  ASSERT_TRUE(mapping.ok());
  const unsigned q = mapping.CodeOf(XK_q);
  const unsigned a = mapping.CodeOf(XK_a);
  ASSERT_TRUE(q != 0 && a != 0);
  // Unicode keysyms: U+5DE1 巡 and U+66F4 更.
  mapping.Map(q, 0x01005DE1, 0x01005DE1);
  mapping.Map(a, 0x010066F4, 0x010066F4);
  mapping.Press(q);
  mapping.Press(a);
  mapping.Press(q);
  EXPECT_TRUE(WaitForText(L"q巡更巡")) << "typed: " << platform::codepage::WideToUtf8(EditText());
}

TEST_F(TextEntryTest, CopyGoesToAnotherClientsClipboard) {
  gui_.Call([this] { SetWindowTextW(edit_, L"巡更 route 7"); });
  display_.Chord({XK_Control_L, XK_a});
  display_.Chord({XK_Control_L, XK_c});
  ClipboardClient other;
  ASSERT_TRUE(other.ok());
  std::string read;
  EXPECT_TRUE(TestDisplay::WaitUntil([&] { return (read = other.Read(1000)) == "\xe5\xb7\xa1\xe6\x9b\xb4 route 7"; }))
      << "the other client read: " << read;
}

TEST_F(TextEntryTest, PasteTakesAnotherClientsClipboard) {
  ClipboardClient other;
  ASSERT_TRUE(other.ok());
  ASSERT_TRUE(other.Own("\xe5\xa4\x96\xe9\x83\xa8 text\nsecond line"));
  gui_.Call([this] { SetWindowTextW(edit_, L"old"); });
  display_.Chord({XK_Control_L, XK_a});
  display_.Chord({XK_Control_L, XK_v});
  EXPECT_TRUE(WaitForText(L"外部 text")) << "pasted: " << platform::codepage::WideToUtf8(EditText());
}

TEST_F(TextEntryTest, TheCalendarShowsOverItsWindow) {
  gui_.Call([this] { SetFocus(picker_); });
  display_.Chord({XK_F4});
  HWND calendar = nullptr;
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return (calendar = FindWindowW(MONTHCAL_CLASSW, nullptr)) != nullptr; }));
  const unsigned long native = TestDisplay::NativeWindow(calendar);
  ASSERT_NE(native, 0u);
  EXPECT_TRUE(TestDisplay::WaitUntil([&] { return display_.Viewable(native); }));
  EXPECT_TRUE(display_.OverrideRedirect(native)) << "a tool window pop-up, placed by the program";
  RECT r{};
  GetWindowRect(calendar, &r);
  EXPECT_EQ(r.top, kHost.top + 60 + 24) << "right below the picker";
  // Its white face covers the yellow window below it (its right margin, inside the window).
  const POINT face{r.right - 2, r.top + 40};
  EXPECT_TRUE(display_.WaitForPixel(face.x, face.y, 0xFFFFFF));
  display_.SaveScreen("calendar-open");
  display_.Chord({XK_Escape});
  EXPECT_TRUE(TestDisplay::WaitUntil([] { return FindWindowW(MONTHCAL_CLASSW, nullptr) == nullptr; }));
  EXPECT_TRUE(display_.WaitForPixel(face.x, face.y, kYellow));
}

}  // namespace
