// The caret the layer draws over windows that are not layered: where it shows, its
// blinking on the virtual clock, its hide count, and its end with the focus or the
// window. And the input method: committed text and the composition spot.
#include <gtest/gtest.h>

#include "tests/platform/user/EditHost.h"
#include "tests/platform/user/PresentedImage.h"
#include "tests/platform/user/TracedTest.h"

namespace {

using test::EditHost;
using test::PresentedImage;

const uint32_t kBlack = 0xFF000000u;
const uint32_t kWhite = 0xFFFFFFFFu;

// The presented pixel in the middle of the caret's height at a column of the edit.
uint32_t CaretColumn(EditHost& host, int editX) {
  const RECT& e = EditHost::kEditRect;
  return PresentedImage(host.driver, host.host).At(e.left + editX, (e.top + e.bottom) / 2);
}

TEST(Caret, ShowsAfterTheLastTypedCharacterAndBlinksOnTheClock) {
  EditHost host(ES_AUTOHSCROLL);
  host.Type(L"ab ");
  POINT caret{};
  host.gui.Call([&] { ASSERT_TRUE(GetCaretPos(&caret)); });
  EXPECT_EQ(caret.x, host.Extent(L"ab "));
  const UINT blink = GetCaretBlinkTime();
  EXPECT_EQ(CaretColumn(host, caret.x), kBlack) << "the caret inverts the white background";
  EXPECT_EQ(CaretColumn(host, caret.x + 1), kWhite) << "one pixel wide";
  host.driver.Advance(blink - 1);
  EXPECT_EQ(CaretColumn(host, caret.x), kBlack);
  host.driver.Advance(1);
  EXPECT_EQ(CaretColumn(host, caret.x), kWhite) << "off after the blink time";
  host.driver.Advance(blink);
  EXPECT_EQ(CaretColumn(host, caret.x), kBlack) << "on again";
  host.Type(L"c");
  host.gui.Call([&] { GetCaretPos(&caret); });
  EXPECT_EQ(caret.x, host.Extent(L"ab c")) << "it follows the text";
}

TEST(Caret, GoesWithTheFocus) {
  EditHost host(ES_AUTOHSCROLL);
  host.Type(L"a ");
  const int x = host.Extent(L"a ");
  EXPECT_EQ(CaretColumn(host, x), kBlack);
  host.gui.Call([&] { SetFocus(host.host); });
  host.driver.WaitIdle();
  EXPECT_EQ(CaretColumn(host, x), kWhite);
  host.driver.Advance(GetCaretBlinkTime() * 3);
  EXPECT_EQ(CaretColumn(host, x), kWhite) << "nothing blinks any more";
  host.gui.Call([&] { SetFocus(host.edit); });
  host.driver.WaitIdle();
  EXPECT_EQ(CaretColumn(host, x), kBlack) << "back with the focus";
}

// Paints its client area white; the caret calls are made on it directly.
std::optional<LRESULT> PaintWhite(HWND hwnd, UINT message, WPARAM, LPARAM) {
  if (message != WM_PAINT) return std::nullopt;
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  FillRect(hdc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
  EndPaint(hwnd, &ps);
  return 0;
}

class CaretCalls : public test::TracedTest {};

TEST_F(CaretCalls, ShowOnlyWhileTheHideCountIsZeroAndEndWithTheWindow) {
  HWND window = nullptr;
  gui.Call([&] {
    test::WindowSpec spec{"w", WS_POPUP | WS_VISIBLE, 0, {0, 0, 40, 40}};
    spec.hook = &PaintWhite;
    window = test::TraceWindow::Create(trace, spec);
    UpdateWindow(window);
    ASSERT_TRUE(CreateCaret(window, nullptr, 2, 10));
    SetCaretPos(5, 5);
  });
  auto shown = [&] { return PresentedImage(driver, window).At(6, 9) == kBlack; };
  EXPECT_FALSE(shown()) << "a new caret is hidden";
  struct Step {
    BOOL (*call)(HWND);
    bool shown;
  };
  const Step steps[] = {{&ShowCaret, true}, {&HideCaret, false}, {&HideCaret, false}, {&ShowCaret, false},
                        {&ShowCaret, true}, {&ShowCaret, true}};
  for (const Step& step : steps) {
    gui.Call([&] { step.call(window); });
    EXPECT_EQ(shown(), step.shown);
  }
  gui.Call([&] { HideCaret(window); });
  EXPECT_FALSE(shown()) << "extra shows do not pile up";
  gui.Call([&] {
    ShowCaret(window);
    SetCaretPos(20, 20);
  });
  EXPECT_FALSE(shown());
  EXPECT_EQ(PresentedImage(driver, window).At(21, 24), kBlack) << "it follows SetCaretPos";
  gui.Call([&] {
    DestroyWindow(window);
    POINT at;
    EXPECT_FALSE(GetCaretPos(&at)) << "the caret went with its window";
    EXPECT_FALSE(SetCaretPos(1, 1));
  });
}

TEST_F(CaretCalls, DrawNothingOnALayeredWindow) {
  HWND window = nullptr;
  gui.Call([&] {
    window = test::TraceWindow::Create(trace, test::WindowSpec{"w", WS_POPUP | WS_VISIBLE, WS_EX_LAYERED,
                                                               {0, 0, 40, 40}});
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = 40;
    info.bmiHeader.biHeight = -40;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    for (int i = 0; i < 40 * 40; ++i) static_cast<uint32_t*>(bits)[i] = 0xFFFFFFFFu;
    HGDIOBJ old = SelectObject(memory, bitmap);
    POINT origin{0, 0};
    SIZE size{40, 40};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(window, screen, &origin, &size, memory, &origin, 0, &blend, ULW_ALPHA);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    CreateCaret(window, nullptr, 2, 10);
    SetCaretPos(5, 5);
    ShowCaret(window);
  });
  EXPECT_EQ(PresentedImage(driver, window).At(6, 9), kWhite) << "the program draws a layered window's caret";
}

TEST(InputMethod, CommittedTextIsOneChangePerCharacter) {
  EditHost host(ES_AUTOHSCROLL);
  host.driver.Commit(L"巡更点");
  EXPECT_EQ(host.Text(), L"巡更点");
  const std::vector<std::string> heard = host.TakeNotifications();
  std::vector<std::string> changes;
  for (const std::string& line : heard) {
    if (line == "EN_CHANGE") changes.push_back(line);
  }
  EXPECT_EQ(changes.size(), 3u);
}

TEST(InputMethod, TheCompositionSpotFollowsTheCaret) {
  EditHost host(ES_AUTOHSCROLL);
  POINT origin{0, 0};
  ClientToScreen(host.edit, &origin);
  host.driver.Commit(L"巡更");
  auto spot = host.driver.Backend().LastCompositionSpot();
  ASSERT_TRUE(spot.has_value());
  EXPECT_EQ(spot->window, host.edit);
  POINT caret{};
  host.gui.Call([&] { GetCaretPos(&caret); });
  EXPECT_EQ(spot->screen.x, origin.x + host.Extent(L"巡更"));
  EXPECT_EQ(spot->screen.y, origin.y + caret.y);
  host.driver.Tap(VK_HOME);
  spot = host.driver.Backend().LastCompositionSpot();
  EXPECT_EQ(spot->screen.x, origin.x);
}

}  // namespace
