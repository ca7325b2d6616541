#pragma once
// Windows that write the messages they receive into a shared trace, as "name:WM_X"
// lines, so a test can compare a message order with the one expected.
#include <functional>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace test {

class Trace {
 public:
  void Add(const std::string& line);
  // The lines recorded so far, cleared.
  std::vector<std::string> Take();
  // Only the lines for the given messages, cleared.
  std::vector<std::string> Take(const std::set<UINT>& messages);
  void Clear();

 private:
  struct Entry {
    UINT message;
    std::string line;
  };
  std::mutex mutex_;
  std::vector<Entry> entries_;
  friend class TraceWindow;
  void AddEntry(UINT message, const std::string& line);
};

// Answers a message instead of the default procedure when it returns a value.
typedef std::function<std::optional<LRESULT>(HWND, UINT, WPARAM, LPARAM)> Hook;

struct WindowSpec {
  WindowSpec(std::string n, DWORD s = WS_POPUP, DWORD ex = 0, RECT r = RECT{0, 0, 100, 100}, HWND p = nullptr)
      : name(std::move(n)), style(s), exStyle(ex), rect(r), parent(p) {}
  std::string name;
  DWORD style = WS_POPUP;
  DWORD exStyle = 0;
  RECT rect{0, 0, 100, 100};
  HWND parent = nullptr;
  HMENU id = nullptr;
  Hook hook;
  const wchar_t* className = nullptr;  // the plain trace class when null
};

class TraceWindow {
 public:
  // The class every traced window uses, registered once (CS_DBLCLKS unless `plain`).
  static const wchar_t* ClassName(bool doubleClicks = true);
  static HWND Create(Trace& trace, const WindowSpec& spec);
  static std::string MessageName(UINT message);
  // A hook that fills the whole client area with one colour on every WM_PAINT.
  static Hook PaintWith(COLORREF colour);
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  Trace* trace = nullptr;
  std::string name;
  Hook hook;
};

}  // namespace test
