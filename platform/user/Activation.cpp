#include "platform/user/ActivationOps.h"

#include <utility>
#include <vector>

#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/DesktopState.h"
#include "platform/user/Focus.h"
#include "platform/user/Window.h"
#include "platform/user/Styles.h"
#include "platform/user/WindowHelpers.h"
#include "platform/user/ZOrder.h"

namespace platform::user {
namespace {

bool IsMinimized(HWND hwnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  return w && (w->style & WS_MINIMIZE);
}

// Lock held: a window being destroyed, or owned (at any distance) by one, is on its
// way out and takes no activation.
bool Leaving(const WindowObject* w) {
  for (; w; w = FindWindowObject(w->owner)) {
    if (w->state != WindowObject::State::Alive) return true;
  }
  return false;
}

// Lock held.
bool CanActivate(const WindowObject* w) {
  return w && w->IsTopLevel() && w->Visible() && w->Enabled() && !(w->exStyle & WS_EX_NOACTIVATE) && !Leaving(w);
}

// Lock held: who takes over from `gone`: its owner when it can, else the topmost
// window of the program that can (tool windows, the menus and drop-downs, never do).
WindowObject* NextToActivate(const WindowObject* gone) {
  WindowObject* owner = FindWindowObject(gone->owner);
  if (CanActivate(owner)) return owner;
  for (WindowObject* top : Desktop()->children) {
    if (top != gone && CanActivate(top) && !(top->exStyle & WS_EX_TOOLWINDOW)) return top;
  }
  return nullptr;
}

// WM_ACTIVATEAPP to every top-level window of the program: this thread's at once, the
// others' on their own threads without waiting for them.
void TellProgram(bool active) {
  std::vector<std::pair<HWND, bool>> targets;
  {
    Guard guard = UserLock::Acquire();
    for (WindowObject* top : Desktop()->children) {
      if (!top->Gone()) targets.emplace_back(top->handle, top->threadId == GetCurrentThreadId());
    }
  }
  for (const auto& entry : targets) {
    const HWND target = entry.first;
    if (entry.second) {
      SendMessageInternal(target, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
      continue;
    }
    RunOnOwnerThread(target, [target, active]() -> LRESULT {
      return SendMessageInternal(target, WM_ACTIVATEAPP, active ? TRUE : FALSE, 0);
    }, false);
  }
}

// Runs on the thread of `lost`, its active window: the Windows order of a window
// giving up activation to `next` (null: no window of the program), then the thread's
// focus goes, told who takes it.
void Deactivate(HWND lost, HWND next, bool leavesProgram) {
  HWND focus;
  {
    Guard guard = UserLock::Acquire();
    ThreadQueue* queue = ThreadQueue::Current();
    if (queue->active != lost) return;
    focus = queue->focus;
    queue->active = nullptr;
    queue->focus = nullptr;
  }
  SendMessageInternal(lost, WM_NCACTIVATE, FALSE, 0);
  SendMessageInternal(lost, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsMinimized(lost)), LPARAM(next));
  if (leavesProgram) TellProgram(false);
  if (focus) SendMessageInternal(focus, WM_KILLFOCUS, WPARAM(next), 0);
}

}  // namespace

void LoseForeground(HWND lost, HWND gainer) {
  bool leavesProgram;
  {
    Guard guard = UserLock::Acquire();
    const HWND foreground = DesktopState::Instance().foreground;
    // Taken back before this ran: the news is stale.
    if (foreground == lost) return;
    leavesProgram = foreground == nullptr;
  }
  Deactivate(lost, gainer, leavesProgram);
}

void ActivateWindow(HWND hwnd, WORD how, HWND handedFrom) {
  HWND previous = nullptr;
  HWND foreignLost = nullptr;
  bool comesIn = false;
  {
    Guard guard = UserLock::Acquire();
    ThreadQueue* queue = ThreadQueue::Current();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w || w->threadId != GetCurrentThreadId() || IsDesktop(w)) return;
    w = RootOf(w);
    hwnd = w->handle;
    DesktopState& desk = DesktopState::Instance();
    if (queue->active == hwnd && desk.foreground == hwnd) return;
    previous = queue->active;
    comesIn = desk.foreground == nullptr;
    if (desk.foreground && desk.foreground != hwnd) {
      WindowObject* fg = FindWindowObject(desk.foreground);
      if (fg && fg->queue != queue) foreignLost = desk.foreground;
    }
    desk.foreground = hwnd;
    queue->active = hwnd;
    ZOrder::Raise(w);
    SyncStacking();
  }
  if (previous && previous != hwnd) {
    SendMessageInternal(previous, WM_NCACTIVATE, FALSE, 0);
    SendMessageInternal(previous, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsMinimized(previous)), LPARAM(hwnd));
  }
  if (comesIn) TellProgram(true);
  SendMessageInternal(hwnd, WM_NCACTIVATE, TRUE, 0);
  SendMessageInternal(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsMinimized(hwnd)), LPARAM(previous ? previous : handedFrom));
  // The losing thread hears of it only once this thread has taken the focus: handed
  // over any earlier, its deactivation would run alongside ours, and the two threads'
  // messages would come in whatever order the scheduler picked. Nobody waits for it,
  // so a busy or hung loser never holds up the window taking over.
  if (foreignLost) {
    RunOnOwnerThread(foreignLost, [foreignLost, hwnd]() -> LRESULT {
      LoseForeground(foreignLost, hwnd);
      return 0;
    }, false);
  }
}

void ActivateAfter(HWND gone) {
  HWND next = nullptr;
  bool sameThread = false;
  bool leavesProgram = false;
  {
    Guard guard = UserLock::Acquire();
    ThreadQueue* queue = ThreadQueue::Current();
    if (queue->active != gone) return;
    DesktopState& desk = DesktopState::Instance();
    // Otherwise another thread has already taken the foreground: only the
    // deactivation is left to do here.
    if (desk.foreground == gone) {
      WindowObject* g = FindWindowObject(gone);
      WindowObject* n = g ? NextToActivate(g) : nullptr;
      next = n ? n->handle : nullptr;
      sameThread = n && n->queue == queue;
      leavesProgram = n == nullptr;
      // Held for the next window at once, so its thread takes it as a hand-over
      // within the program and not as activation coming back.
      desk.foreground = next;
    }
  }
  Deactivate(gone, next, leavesProgram);
  if (!next) return;
  if (sameThread) {
    ActivateWindow(next, WA_ACTIVE, gone);
    return;
  }
  RunOnOwnerThread(next, [next, gone]() -> LRESULT {
    ActivateWindow(next, WA_ACTIVE, gone);
    return 0;
  }, false);
}

HWND SetFocusOnThisThread(HWND hwnd) {
  HWND old;
  {
    Guard guard = UserLock::Acquire();
    ThreadQueue* queue = ThreadQueue::Current();
    old = queue->focus;
    if (old == hwnd) return old;
  }
  if (old && IsWindow(old)) SendMessageInternal(old, WM_KILLFOCUS, WPARAM(hwnd), 0);
  {
    Guard guard = UserLock::Acquire();
    ThreadQueue* queue = ThreadQueue::Current();
    if (hwnd && !FindWindowObject(hwnd)) return old;
    queue->focus = hwnd;
  }
  if (hwnd) SendMessageInternal(hwnd, WM_SETFOCUS, WPARAM(old), 0);
  return old;
}

bool MouseActivate(HWND hwnd, int hit, UINT message) {
  HWND top;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w) return false;
    WindowObject* root = RootOf(w);
    top = root->handle;
    if (root->exStyle & WS_EX_NOACTIVATE) return true;
    ThreadQueue* queue = ThreadQueue::Current();
    if (DesktopState::Instance().foreground == top && queue->active == top) return true;
  }
  const LRESULT answer = SendMessageInternal(hwnd, WM_MOUSEACTIVATE, WPARAM(top), MAKELPARAM(hit, message));
  if (answer == MA_ACTIVATE || answer == MA_ACTIVATEANDEAT) ActivateWindow(top, WA_CLICKACTIVE);
  return answer != MA_ACTIVATEANDEAT && answer != MA_NOACTIVATEANDEAT;
}

}  // namespace platform::user

using namespace platform::user;

HWND SetFocus(HWND hWnd) {
  HWND top = nullptr;
  if (hWnd) {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hWnd);
    if (!w || IsDesktop(w)) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    if (w->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return nullptr;
    }
    WindowObject* root = RootOf(w);
    ThreadQueue* queue = ThreadQueue::Current();
    if (queue->active != root->handle || DesktopState::Instance().foreground != root->handle) top = root->handle;
  }
  if (top) ActivateWindow(top, WA_ACTIVE);
  return SetFocusOnThisThread(hWnd);
}

HWND GetFocus() {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::CurrentIfAny();
  return queue ? queue->focus : nullptr;
}

HWND SetActiveWindow(HWND hWnd) {
  HWND previous;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hWnd);
    if (!w || w->threadId != GetCurrentThreadId()) return nullptr;
    previous = ThreadQueue::Current()->active;
  }
  ActivateWindow(hWnd, WA_ACTIVE);
  return previous;
}

HWND GetActiveWindow() {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::CurrentIfAny();
  return queue ? queue->active : nullptr;
}

BOOL SetForegroundWindow(HWND hWnd) {
  HWND top;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hWnd);
    if (!w || IsDesktop(w)) return FALSE;
    top = RootOf(w)->handle;
  }
  bool ran = false;
  RunOnOwnerThread(top, [top]() -> LRESULT {
    ActivateWindow(top, WA_ACTIVE);
    return 0;
  }, !IsCallingThreadOwner(top) ? false : true, &ran);
  return ran ? TRUE : FALSE;
}

HWND GetForegroundWindow() {
  Guard guard = UserLock::Acquire();
  return DesktopState::Instance().foreground;
}
