#include "platform/user/InputRouter.h"

#include <cstdlib>

#include "platform/user/ActivationOps.h"
#include "platform/user/DesktopState.h"
#include "platform/user/Focus.h"
#include "platform/user/Input.h"
#include "platform/user/KeyboardLayout.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/QueueRegistry.h"
#include "platform/user/WindowHelpers.h"

namespace platform::user {
namespace {

// Lock held: leave and hover bookkeeping for every thread after the pointer moved.
void UpdateTracking(POINT screen, WindowObject* under) {
  for (ThreadQueue* queue : QueueRegistry::Instance().Queues()) {
    MouseTracking& tracking = queue->tracking;
    if (!tracking.hwnd) continue;
    if ((tracking.flags & TME_LEAVE) && (!under || under->handle != tracking.hwnd)) {
      const UINT message = (tracking.flags & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE;
      queue->Post(MakeMessage(tracking.hwnd, message, 0, 0));
      tracking = MouseTracking{};
      continue;
    }
    if ((tracking.flags & TME_HOVER) &&
        (std::abs(screen.x - tracking.anchor.x) > 2 || std::abs(screen.y - tracking.anchor.y) > 2)) {
      tracking.anchor = screen;
      tracking.anchorTime = Now();
      queue->Wake();
    }
  }
}

UINT ButtonMessage(backend::MouseButton button, bool down) {
  switch (button) {
    case backend::MouseButton::Left: return down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
    case backend::MouseButton::Right: return down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
    case backend::MouseButton::Middle: return down ? WM_MBUTTONDOWN : WM_MBUTTONUP;
  }
  return 0;
}

int ButtonKey(backend::MouseButton button) {
  switch (button) {
    case backend::MouseButton::Left: return VK_LBUTTON;
    case backend::MouseButton::Right: return VK_RBUTTON;
    case backend::MouseButton::Middle: return VK_MBUTTON;
  }
  return 0;
}

// Lock held.
ThreadQueue* ForegroundQueue() {
  WindowObject* w = FindWindowObject(DesktopState::Instance().foreground);
  return w ? w->queue : nullptr;
}

void SetKey(std::array<BYTE, 256>& keys, UINT vk, bool down) {
  if (vk > 255) return;
  if (down) {
    if (!(keys[vk] & 0x80)) keys[vk] ^= 0x01;  // the toggle flips on each press
    keys[vk] |= 0x80;
  } else {
    keys[vk] &= 0x7F;
  }
}

}  // namespace

InputRouter& InputRouter::Instance() {
  static InputRouter* router = new InputRouter;
  return *router;
}

void InputRouter::RouteMouse(UINT message, POINT screen) {
  Guard guard = UserLock::Acquire();
  DesktopState& desk = DesktopState::Instance();
  desk.cursor = screen;
  WindowObject* under = WindowAtPoint(screen);
  if (message == WM_MOUSEMOVE) UpdateTracking(screen, under);
  WindowObject* target = FindWindowObject(desk.capture);
  if (!target) target = under;
  if (!target) return;
  RawInput raw;
  raw.kind = InputKind::Mouse;
  raw.mouseMessage = message;
  raw.screen = screen;
  raw.target = target->handle;
  raw.keys = desk.keys;
  raw.time = DWORD(Now());
  target->queue->AddInput(std::move(raw));
}

void InputRouter::PointerMoved(POINT screen) { RouteMouse(WM_MOUSEMOVE, screen); }

void InputRouter::ButtonChanged(backend::MouseButton button, bool down, POINT screen) {
  {
    Guard guard = UserLock::Acquire();
    SetKey(DesktopState::Instance().keys, UINT(ButtonKey(button)), down);
  }
  RouteMouse(ButtonMessage(button, down), screen);
}

void InputRouter::WheelTurned(int delta, POINT screen) {
  Guard guard = UserLock::Acquire();
  DesktopState& desk = DesktopState::Instance();
  ThreadQueue* queue = ForegroundQueue();
  if (!queue) return;
  RawInput raw;
  raw.kind = InputKind::Wheel;
  raw.screen = screen;
  raw.wheelDelta = delta;
  raw.keys = desk.keys;
  raw.time = DWORD(Now());
  queue->AddInput(std::move(raw));
}

void InputRouter::KeyChanged(UINT vk, bool down, const std::wstring& text) {
  Guard guard = UserLock::Acquire();
  DesktopState& desk = DesktopState::Instance();
  const bool repeat = down && vk < 256 && (desk.keys[vk] & 0x80);
  SetKey(desk.keys, vk, down);
  ThreadQueue* queue = ForegroundQueue();
  if (!queue) return;
  RawInput raw;
  raw.kind = InputKind::Key;
  raw.vk = vk;
  raw.down = down;
  raw.repeat = repeat;
  raw.keys = desk.keys;
  raw.text = (down && text.empty()) ? KeyboardLayout::Text(vk, desk.keys) : text;
  raw.time = DWORD(Now());
  queue->AddInput(std::move(raw));
}

void InputRouter::TextCommitted(const std::wstring& text) {
  Guard guard = UserLock::Acquire();
  DesktopState& desk = DesktopState::Instance();
  ThreadQueue* queue = ForegroundQueue();
  if (!queue) return;
  for (wchar_t ch : text) {
    RawInput raw;
    raw.kind = InputKind::Char;
    raw.text = std::wstring(1, ch);
    raw.keys = desk.keys;
    raw.time = DWORD(Now());
    queue->AddInput(std::move(raw));
  }
}

void InputRouter::FocusLeftProgram() {
  HWND lost;
  {
    Guard guard = UserLock::Acquire();
    lost = DesktopState::Instance().foreground;
    DesktopState::Instance().foreground = nullptr;
    if (lost) DesktopState::Instance().keyboardLeftFrom = lost;
  }
  if (!lost) return;
  RunOnOwnerThread(lost, [lost]() -> LRESULT {
    LoseForeground(lost, nullptr);
    return 0;
  }, false);
}

void InputRouter::FocusReturned(HWND hwnd) {
  {
    Guard guard = UserLock::Acquire();
    DesktopState& desk = DesktopState::Instance();
    const HWND left = desk.keyboardLeftFrom;
    desk.keyboardLeftFrom = nullptr;
    // A desktop gives the keyboard to windows as they map, whether or not the
    // program activated them: with nothing active when the keyboard left, there is
    // nothing to give back, and a window shown without activation stays inactive.
    if (desk.foreground || !FindWindowObject(left)) return;
  }
  SetForegroundWindow(hwnd);
}

void InputRouter::CloseRequested(HWND hwnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (w && !IsDesktop(w)) w->queue->Post(MakeMessage(hwnd, WM_SYSCOMMAND, SC_CLOSE, 0));
}

// Posted, so the window's own thread restores it when it comes to it.
void InputRouter::RestoreRequested(HWND hwnd) { PostMessageW(hwnd, WM_SYSCOMMAND, SC_RESTORE, 0); }

}  // namespace platform::user
