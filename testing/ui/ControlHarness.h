#pragma once
// One control test's window: a skin given as markup, built into a framework window on
// a GUI thread of its own on the headless backend, shown and active. Input goes in at
// screen coordinates, as a person's would, aimed at named controls; what the window
// presented is read back as pixels; every notification is recorded in order.
// Controls belong to the window's thread: touch them only inside OnGui.
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "platform/win32.h"
#include "testing/ui/ControlPixels.h"
#include "testing/ui/ControlTestWindow.h"
#include "testing/ui/NotifyRecorder.h"
#include "testing/ui/OpenWindow.h"
#include "ui/core/control/CControlUI.h"

namespace controltest {

class ControlHarness {
 public:
  // The window's top-left corner lands at `origin` on the screen; its size is the
  // skin's "size".
  ControlHarness(platform::headless::TestDriver& driver, std::wstring skin, POINT origin = POINT{100, 100});
  // As above, with the elements the framework does not know built by `createControl`.
  ControlHarness(platform::headless::TestDriver& driver, std::wstring skin, POINT origin,
                 std::function<SkinUI::CControlUI*(LPCTSTR)> createControl);
  ~ControlHarness();
  ControlHarness(const ControlHarness&) = delete;
  ControlHarness& operator=(const ControlHarness&) = delete;

  // False when the skin did not build.
  bool Created() const { return hwnd_ != nullptr; }
  HWND Window() const { return hwnd_; }
  platform::headless::TestDriver& Driver() { return driver_; }
  NotifyRecorder& Notifications() { return recorder_; }

  // Runs the call on the window's thread and waits for it.
  void OnGui(const std::function<void()>& call);
  // Runs for each notification on the window's thread, as the window's own handler.
  void OnNotify(std::function<void(SkinUI::UINotifyRecord&)> handler);
  // Runs the window's modal loop on its thread; the loop's result is kept when the
  // window closes.
  void RunModal();
  bool ModalEnded() const { return modalResult_.load() >= 0; }
  int ModalResult() const { return modalResult_.load(); }
  // The window no longer exists.
  bool Closed();

  // On the window's thread only: the control of that name, as T. A name the skin does
  // not define, or a control of another kind, fails the test and gives null, so a typo
  // cannot pass for an absence.
  template <class T = SkinUI::CControlUI>
  T* Find(LPCTSTR name) {
    T* found = dynamic_cast<T*>(FindNamed(name));
    if (found == nullptr && FindIfAny(name) != nullptr) FailKind(name);
    return found;
  }
  // For a control the test expects may be gone (removed by the window): null without a
  // failure.
  SkinUI::CControlUI* FindIfAny(LPCTSTR name) { return window_->Manager().FindControl(name); }
  SkinUI::CWindowManagerUI& Manager() { return window_->Manager(); }

  // The control's position in the window's client area; a name the skin does not
  // define fails the test (and gives all zero).
  RECT ControlRect(LPCTSTR name);
  // A point on the screen, `offset` from the control's top-left corner.
  POINT ScreenPoint(LPCTSTR name, POINT offset);
  POINT CentreOffset(LPCTSTR name);

  void Click(LPCTSTR name);
  void ClickAt(LPCTSTR name, POINT offset);
  void MoveTo(LPCTSTR name, POINT offset);
  void Press(LPCTSTR name, POINT offset);
  void Release();
  // Presses at `from`, moves in steps to `to` and releases there, both offsets from
  // the control's corner.
  void Drag(LPCTSTR name, POINT from, POINT to);
  // Turns the wheel over the control's centre; a positive delta turns it away from
  // the user (up).
  void Wheel(LPCTSTR name, int delta);
  void Key(UINT vk);
  // Moves the clock, running what falls due.
  void Advance(uint64_t milliseconds) { driver_.Advance(milliseconds); }

  // The control's pixels in the window's last presented picture, once the window is
  // idle (and so painted).
  ControlPixels Pixels(LPCTSTR name);
  // One of them, `offset` from the control's corner; 0xDEADBEEF outside.
  uint32_t Pixel(LPCTSTR name, POINT offset);
  // The window's surface has been presented this many times.
  int PresentCount();

  // The program's top-level windows once it is idle, topmost first; only those of
  // `className` when one is given, which must be a class the program registers.
  std::vector<OpenWindow> OpenWindows(LPCTSTR className = nullptr);
  // The virtual screen's monitors and work areas from now on; the window stays where
  // it is.
  void SetMonitors(std::vector<platform::backend::MonitorDesc> monitors);

 private:
  SkinUI::CControlUI* FindNamed(LPCTSTR name);
  static void FailKind(LPCTSTR name);

  platform::headless::TestDriver& driver_;
  NotifyRecorder recorder_;
  platform::headless::GuiThread gui_;
  std::unique_ptr<ControlTestWindow> window_;
  HWND hwnd_ = nullptr;
  std::atomic<int> modalResult_{-1};
};

}  // namespace controltest
