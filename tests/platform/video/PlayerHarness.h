#pragma once
// A real player playing into a child window on a GUI thread of the headless backend,
// with the program's event callback (it sends message 1224 to the window) and the
// program's settings; waits are in real time and bounded.
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/backend/ChildFrame.h"
#include "platform/video/SmartPlayerSDK.h"
#include "platform/win32.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"

namespace videotest {

// True once `done` holds, false when `limitMs` of real time passed first.
bool WaitUntil(const std::function<bool()>& done, int limitMs);

// The threads of players in this process: the player names its threads "player-...",
// and threads they start (the decoder's) inherit the name.
int PlayerThreadCount();
// Waits until PlayerThreadCount() is `count`, false when `limitMs` passed first. A
// thread stays listed a moment after it was joined, until the kernel has reaped it.
bool WaitForPlayerThreadCount(int count, int limitMs);

// Message 1224 as the window received it.
struct ShownMessage {
  HWND hwnd = nullptr;
  WPARAM eventId = 0;
  LPARAM param = 0;
};

// 0xRRGGBB of a frame's pixel.
uint32_t FrameColour(const platform::backend::ChildFrame& frame, int x, int y);
// Whether two colours are within `tolerance` in each channel.
bool Near(uint32_t colour, uint32_t expected, int tolerance = 48);

class PlayerHarness {
 public:
  static constexpr UINT kPlayerEvent = WM_USER + 200;
  static constexpr int kClientWidth = 320;
  static constexpr int kClientHeight = 180;

  PlayerHarness();
  // Stops, destroys the window, closes the player.
  ~PlayerHarness();

  // The program's calls, in its order: settings, URL, callback, window, start.
  UINT Play(const std::string& url);
  int PlayState();
  // The messages this harness's window received.
  std::vector<ShownMessage> Messages() const;
  bool WaitForMessages(size_t count, int limitMs);
  int FrameCount();
  std::shared_ptr<const platform::backend::ChildFrame> LastFrame();
  // The player's callback calls that began (they may still wait for the window).
  int CallbacksEntered() const;
  // Whether any callback ran on the window's thread or on the thread that started playing.
  bool CallbackOnCallersThread() const;
  void Close();

  SmartPlayerSDKAPI api{};
  SmartPlayerHandle handle = nullptr;
  HWND top = nullptr;
  HWND video = nullptr;
  platform::headless::TestDriver driver;
  platform::headless::GuiThread gui;
};

}  // namespace videotest
