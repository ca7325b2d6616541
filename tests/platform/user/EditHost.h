#pragma once
// A shown top-level window holding one system edit on its own GUI thread, with the
// edit's notifications recorded in order ("EN_UPDATE", "EN_CHANGE", and the colour
// requests "WM_CTLCOLOREDIT", "WM_CTLCOLORSTATIC") and the parent's answer to the
// colour requests replaceable. Input goes through the test driver as real input.
#include <functional>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "platform/win32.h"
#include "tests/platform/user/TraceWindow.h"

namespace test {

class EditHost {
 public:
  // What the parent answers a colour request with; null answers 0.
  typedef std::function<LRESULT(UINT message, HDC hdc)> ColourAnswer;

  static const RECT kHostRect;
  static const RECT kEditRect;  // in the host's client area

  // `style` is added to WS_CHILD | WS_VISIBLE; the edit takes the focus.
  explicit EditHost(DWORD style, RECT editRect = kEditRect, DWORD hostExStyle = 0);
  ~EditHost();

  platform::headless::TestDriver driver;
  Trace trace;  // the host's messages; the tests read the notifications instead
  platform::headless::GuiThread gui;
  HWND host = nullptr;
  HWND edit = nullptr;
  HFONT font = nullptr;

  // Keys for 'a'-'z', '0'-'9' and ' ', typed one after the other.
  void Type(const std::wstring& keys);
  // `key` tapped while `modifier` is held.
  void Chord(UINT modifier, UINT key);
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
  std::wstring Text();
  std::pair<DWORD, DWORD> Selection();
  std::vector<std::string> TakeNotifications();
  void AnswerColours(ColourAnswer answer);
  // The extent of `text` in the edit's font.
  int Extent(const std::wstring& text);

 private:
  std::optional<LRESULT> HostHook(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  std::mutex mutex_;
  std::vector<std::string> notifications_;
  ColourAnswer colours_;
};

// The process clipboard's text, read and written outside any window.
std::wstring ClipboardText();
void SetClipboardText(const std::wstring& text);

}  // namespace test
