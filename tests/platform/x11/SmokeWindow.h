#pragma once
// Windows for the X11 smoke tests: each paints one colour (or a layered picture) and
// writes the messages it receives into a log that a test can wait on.
#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace x11test {

struct Logged {
  HWND hwnd;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class MessageLog {
 public:
  void Add(const Logged& entry);
  // Waits (bounded) until `done` holds for the entries so far; false on time-out.
  bool WaitFor(const std::function<bool(const std::vector<Logged>&)>& done, int limitMs = 15000);
  std::vector<Logged> Entries();
  // The entries of the given messages, in order.
  std::vector<Logged> Only(const std::vector<UINT>& messages);
  void Clear();

 private:
  std::mutex mutex_;
  std::condition_variable changed_;
  std::vector<Logged> entries_;
};

typedef std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> Hook;

struct SmokeSpec {
  RECT rect{0, 0, 100, 100};
  DWORD style = WS_POPUP;
  DWORD exStyle = 0;
  COLORREF colour = RGB(255, 0, 0);
  HWND owner = nullptr;
  std::wstring title;
  const wchar_t* className = nullptr;  // the smoke class when null
  MessageLog* log = nullptr;           // which messages: see SmokeWindow::Logs
  Hook hook;
};

class SmokeWindow {
 public:
  static HWND Create(const SmokeSpec& spec);
  // The messages a log records.
  static bool Logs(UINT message);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  // Gives a layered window a picture of `width` x `height`: premultiplied `argb`
  // everywhere, fully transparent in the left `holeWidth` columns.
  static void ShowLayered(HWND hwnd, int width, int height, uint32_t argb, int holeWidth);

  SmokeSpec spec;
};

}  // namespace x11test
