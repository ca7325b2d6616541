// A search box (a single-line rich edit) in a skin window on a real X server: keys
// typed through XTest and an input method's Chinese commit reach the text services,
// each as "textchanged", Enter as "return"; a picture is saved for a person to look at.
#include <gtest/gtest.h>

#include <X11/keysym.h>

#include <memory>

#include "platform/backend/x11/X11Backend.h"
#include "testing/driver/GuiThread.h"
#include "testing/ui/ControlTestWindow.h"
#include "testing/ui/NotifyRecorder.h"
#include "testing/x11/TestDisplay.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/core/control/CControlUI.h"

namespace {

using platform::headless::GuiThread;
using x11test::TestDisplay;

const POINT kOrigin{120, 120};

// The window lives on its GUI thread and goes there, however the test ends.
class RichEditX11 : public testing::Test {
 protected:
  void TearDown() override {
    gui.Call([this] {
      if (::IsWindow(hwnd)) ::DestroyWindow(hwnd);
      window.reset();
    });
  }

  TestDisplay display;
  GuiThread gui;
  controltest::NotifyRecorder recorder;
  std::unique_ptr<controltest::ControlTestWindow> window;
  HWND hwnd = nullptr;
};

TEST_F(RichEditX11, AChineseCommitTypedIntoTheSearchBoxIsShownAndReported) {
  ASSERT_TRUE(display.ok());
  gui.Call([&] {
    window = std::make_unique<controltest::ControlTestWindow>(
        controltest::TestSkin(L"<Button name=\"first\" text=\"First\" height=\"30\"/>"
                              L"<RichEdit name=\"Rich_PlanFind\" height=\"32\" multiline=\"false\" "
                              L"wantreturn=\"false\" tipvalue=\"请输入计划名称\" textpadding=\"6,6,6,4\"/>"),
        &recorder);
    hwnd = window->Create(nullptr, L"search box", WS_POPUP, 0, kOrigin.x, kOrigin.y, 0, 0);
    ::SetWindowPos(hwnd, nullptr, kOrigin.x, kOrigin.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ::ShowWindow(hwnd, SW_SHOW);
    ::SetForegroundWindow(hwnd);
    ::UpdateWindow(hwnd);
  });
  ASSERT_NE(hwnd, nullptr);
  ASSERT_TRUE(TestDisplay::FlushBackend());
  ASSERT_TRUE(display.WaitForPixel(kOrigin.x + 390, kOrigin.y + 290, 0xFFFFFF)) << "the window never showed";
  ASSERT_TRUE(display.WaitForFocus(TestDisplay::NativeWindow(hwnd)));

  RECT box{};
  gui.Call([&] { box = window->Manager().FindControl(L"Rich_PlanFind")->GetPos(); });
  display.Click(kOrigin.x + (box.left + box.right) / 2, kOrigin.y + (box.top + box.bottom) / 2);
  ASSERT_TRUE(TestDisplay::WaitUntil([&] {
    bool focused = false;
    gui.Call([&] { focused = window->Manager().GetFocus() == window->Manager().FindControl(L"Rich_PlanFind"); });
    return focused;
  })) << "the click never focused the box";
  auto text = [&] {
    std::wstring out;
    gui.Call([&] { out = window->Manager().FindControl(L"Rich_PlanFind")->GetText().GetData(); });
    return out;
  };
  for (unsigned long key : {XK_p, XK_l, XK_a, XK_n, XK_space}) display.Chord({key});
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return text() == L"plan "; }));
  platform::x11::X11Backend::Instance()->InjectInputMethodCommit("\xe5\xb7\xa1\xe6\x9b\xb4\xe8\xae\xa1\xe5\x88\x92");
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return text() == L"plan 巡更计划"; }));
  ASSERT_TRUE(TestDisplay::FlushBackend());
  display.SaveScreen("richedit-search-chinese");
  display.Chord({XK_Return});
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return recorder.Count("return") == 1; }));
  EXPECT_EQ(recorder.Count("textchanged"), 9) << "one per character";
  EXPECT_EQ(text(), L"plan 巡更计划") << "Enter typed nothing";
}

}  // namespace
