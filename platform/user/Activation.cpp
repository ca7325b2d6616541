#include "platform/user/ActivationOps.h"

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

// Runs on the thread that had the foreground when another thread took it.
void LoseActivation(HWND lost, HWND gainer) {
  HWND focus;
  {
    Guard guard = UserLock::Acquire();
    ThreadQueue* queue = ThreadQueue::Current();
    // Taken back before this ran: the news is stale.
    if (queue->active != lost || DesktopState::Instance().foreground == lost) return;
    focus = queue->focus;
    queue->active = nullptr;
    queue->focus = nullptr;
  }
  SendMessageInternal(lost, WM_NCACTIVATE, FALSE, 0);
  SendMessageInternal(lost, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, IsMinimized(lost)), LPARAM(gainer));
  if (focus) SendMessageInternal(focus, WM_KILLFOCUS, WPARAM(gainer), 0);
}

bool CanActivate(const WindowObject* w) {
  return w && w->IsTopLevel() && w->Visible() && w->Enabled() && !(w->exStyle & WS_EX_NOACTIVATE);
}

}  // namespace

void ActivateWindow(HWND hwnd, WORD how) {
  HWND previous = nullptr;
  HWND foreignLost = nullptr;
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
  SendMessageInternal(hwnd, WM_NCACTIVATE, TRUE, 0);
  SendMessageInternal(hwnd, WM_ACTIVATE, MAKEWPARAM(how, IsMinimized(hwnd)), LPARAM(previous));
  // The losing thread hears of it only once this thread has taken the focus: handed
  // over any earlier, its deactivation would run alongside ours, and the two threads'
  // messages would come in whatever order the scheduler picked. Nobody waits for it,
  // so a busy or hung loser never holds up the window taking over.
  if (foreignLost) {
    RunOnOwnerThread(foreignLost, [foreignLost, hwnd]() -> LRESULT {
      LoseActivation(foreignLost, hwnd);
      return 0;
    }, false);
  }
}

void ActivateAfter(HWND gone, HWND owner) {
  HWND next = nullptr;
  {
    Guard guard = UserLock::Acquire();
    ThreadQueue* queue = ThreadQueue::Current();
    if (queue->active != gone) return;
    WindowObject* o = FindWindowObject(owner);
    if (CanActivate(o) && o->queue == queue) {
      next = owner;
    } else {
      for (WindowObject* top : Desktop()->children) {
        if (top->handle != gone && top->queue == queue && CanActivate(top) && !(top->exStyle & WS_EX_TOOLWINDOW)) {
          next = top->handle;
          break;
        }
      }
    }
    if (!next) {
      queue->active = nullptr;
      DesktopState& desk = DesktopState::Instance();
      if (desk.foreground == gone) desk.foreground = nullptr;
      WindowObject* focus = FindWindowObject(queue->focus);
      WindowObject* g = FindWindowObject(gone);
      if (focus && g && IsDescendantOf(focus, g)) queue->focus = nullptr;
    }
  }
  if (next) ActivateWindow(next, WA_ACTIVE);
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
