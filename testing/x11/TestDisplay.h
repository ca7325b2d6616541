#pragma once
// The test's own connection to the X display: it injects input through XTest, reads
// the screen, and looks at windows the way the window manager and other programs
// see them. Every wait is bounded and reports what it waited for.
#include <cairo.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/win32.h"

typedef struct _XDisplay Display;

namespace x11test {

class TestDisplay {
 public:
  TestDisplay();
  ~TestDisplay();
  TestDisplay(const TestDisplay&) = delete;
  TestDisplay& operator=(const TestDisplay&) = delete;

  bool ok() const { return display_ != nullptr; }

  // How long a wait on the display may take before it counts as never: the server,
  // the window manager and the compositor share a loaded two-core machine with the
  // other suites.
  static constexpr int kPatienceMs = 15000;

  // Waits until the X thread carried out everything so far and the server answered.
  static bool FlushBackend();
  static unsigned long NativeWindow(HWND hwnd);
  // Polls `condition` every few milliseconds for at most `limitMs`.
  static bool WaitUntil(const std::function<bool()>& condition, int limitMs = kPatienceMs);

  // The screen pixel as 0xRRGGBB.
  uint32_t ScreenPixel(int x, int y);
  // Waits until the screen pixel is `rgb` (within `tolerance` per channel).
  bool WaitForPixel(int x, int y, uint32_t rgb, int tolerance = 0, int limitMs = kPatienceMs);
  // Saves the screen in the test's output folder (for a person to look at a failure).
  void SaveScreen(const std::string& name);

  void MovePointer(int x, int y);
  void Button(int button, bool down);
  void Click(int x, int y);
  void Key(unsigned long keysym, bool down);
  // Presses (and releases, in reverse) the keys of `keysyms` as one chord.
  void Chord(const std::vector<unsigned long>& keysyms);

  // An opaque white window of the test's own over `area`; 0 when none could be made.
  unsigned long Cover(const RECT& area);
  void Uncover(unsigned long cover);
  // Sends _NET_WM_PING to `window` and waits for the answer on the root.
  bool Ping(unsigned long window, int limitMs = kPatienceMs);

  unsigned long CurrentFocus();
  bool WaitForFocus(unsigned long window, int limitMs = kPatienceMs);
  bool OverrideRedirect(unsigned long window);
  bool Viewable(unsigned long window);
  // The root-level windows (frames under a window manager) that hold our windows,
  // bottom to top.
  std::vector<unsigned long> StackingOrder();
  // The root child that holds `window` (its frame, or the window itself).
  unsigned long TopLevelOf(unsigned long window);
  // The window's position on the root.
  POINT RootPosition(unsigned long window);
  std::vector<long> CardinalProperty(unsigned long window, const char* name);
  bool WindowManagerRunning();
  bool CompositorRunning();

 private:
  void Sync();

  Display* display_ = nullptr;
};

}  // namespace x11test
