// Windows stay painted and answering while their threads are busy: two threads each
// run their own windows, and the X thread answers for a blocked one.
#include <gtest/gtest.h>

#include <atomic>
#include <future>

#include "testing/driver/GuiThread.h"
#include "testing/x11/TestDisplay.h"
#include "tests/platform/x11/SmokeWindow.h"

namespace {

using platform::headless::GuiThread;
using x11test::SmokeSpec;
using x11test::SmokeWindow;
using x11test::TestDisplay;

const uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kGreen = 0x00FF00;

// Paints red and blue by turns, one turn per timer tick.
x11test::Hook Blinking(std::atomic<int>* turns) {
  return [turns](HWND hwnd, UINT message, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (message == WM_TIMER) {
      turns->fetch_add(1);
      InvalidateRect(hwnd, nullptr, FALSE);
      return 0;
    }
    if (message != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    HBRUSH brush = CreateSolidBrush(turns->load() % 2 ? RGB(0, 0, 255) : RGB(255, 0, 0));
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
    EndPaint(hwnd, &ps);
    return 0;
  };
}

TEST(Threads, SecondThreadRunsItsModalWindowWhileTheFirstKeepsPainting) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  std::atomic<int> turns{0};
  GuiThread first;
  first.Call([&] {
    SmokeSpec spec;
    spec.rect = RECT{50, 50, 250, 200};
    spec.hook = Blinking(&turns);
    HWND blinking = SmokeWindow::Create(spec);
    ShowWindow(blinking, SW_SHOWNOACTIVATE);
    SetTimer(blinking, 1, 40, nullptr);
  });
  GuiThread second;
  std::atomic<HWND> modal{nullptr};
  std::atomic<bool> modalEnded{false};
  second.Post([&] {
    SmokeSpec spec;
    spec.rect = RECT{400, 300, 600, 450};
    spec.colour = RGB(0, 255, 0);
    HWND dialog = SmokeWindow::Create(spec);
    ShowWindow(dialog, SW_SHOW);
    modal.store(dialog);
    MSG msg;
    while (IsWindow(dialog) && GetMessageW(&msg, nullptr, 0, 0)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    modalEnded.store(true);
  });
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return modal.load() != nullptr; }));
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(display.WaitForPixel(500, 375, kGreen)) << "the modal window shows";
  // The first thread goes on painting while the second sits in its loop.
  EXPECT_TRUE(display.WaitForPixel(150, 125, kRed));
  EXPECT_TRUE(display.WaitForPixel(150, 125, kBlue));
  EXPECT_TRUE(display.WaitForPixel(150, 125, kRed));
  EXPECT_FALSE(modalEnded.load());
  PostMessageW(modal.load(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(TestDisplay::WaitUntil([&] { return modalEnded.load(); })) << "the modal loop ends with its window";
}

TEST(Threads, BlockedWindowStillShowsItsPictureAfterBeingCoveredAndAnswersPings) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  GuiThread gui;
  HWND window = nullptr;
  gui.Call([&] {
    SmokeSpec spec;
    spec.rect = RECT{700, 500, 900, 650};
    spec.colour = RGB(255, 0, 0);
    window = SmokeWindow::Create(spec);
    ShowWindow(window, SW_SHOWNOACTIVATE);
    UpdateWindow(window);
  });
  ASSERT_TRUE(TestDisplay::FlushBackend());
  ASSERT_TRUE(display.WaitForPixel(800, 575, kRed));
  const unsigned long native = TestDisplay::NativeWindow(window);

  // The window's thread is stuck (as in a long HTTP call) until released.
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::atomic<bool> blocked{false};
  gui.Post([released, &blocked] {
    blocked.store(true);
    released.wait();
  });
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return blocked.load(); }));

  const unsigned long cover = display.Cover(RECT{650, 450, 950, 700});
  ASSERT_NE(cover, 0u);
  EXPECT_TRUE(display.WaitForPixel(800, 575, 0xFFFFFF)) << "covered";
  display.Uncover(cover);
  EXPECT_TRUE(display.WaitForPixel(800, 575, kRed)) << "uncovered: the picture is back though its thread is stuck";
  EXPECT_TRUE(display.WaitForPixel(705, 505, kRed));
  EXPECT_TRUE(display.Ping(native)) << "the ping is answered for the stuck thread";
  display.SaveScreen("blocked-window-uncovered");
  release.set_value();
}

}  // namespace
