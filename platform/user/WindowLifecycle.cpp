#include "platform/user/WindowLifecycle.h"

#include <algorithm>

#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/ActivationOps.h"
#include "platform/user/DesktopState.h"
#include "platform/user/Monitor.h"
#include "platform/user/PaintOps.h"
#include "platform/user/SystemClasses.h"
#include "platform/user/Window.h"
#include "platform/user/WindowClassRegistry.h"
#include "platform/user/WindowHelpers.h"
#include "platform/user/WindowPosOps.h"
#include "platform/user/WindowTable.h"
#include "platform/user/ZOrder.h"


namespace platform::user {
namespace {

// Lock held: what goes when a window leaves the table, with or without messages.
void Unregister(WindowObject* w) {
  ThreadQueue* queue = w->queue;
  if (queue) {
    queue->DropTimers(w->handle);
    queue->DropPosted(w->handle);
    queue->AbandonSent(w->handle);
    if (queue->focus == w->handle) queue->focus = nullptr;
    if (queue->active == w->handle) queue->active = nullptr;
    if (queue->tracking.hwnd == w->handle) queue->tracking = MouseTracking{};
    if (queue->caret.hwnd == w->handle) queue->caret = CaretState{};
  }
  DesktopState& desk = DesktopState::Instance();
  if (desk.foreground == w->handle) desk.foreground = nullptr;
  if (desk.capture == w->handle) {
    desk.capture = nullptr;
    if (backend::Backend* b = ActiveBackend()) b->UngrabPointer();
  }
  if (desk.lastClick.hwnd == w->handle) desk.lastClick.valid = false;
  for (WindowObject* top : Desktop()->children) {
    if (top->owner == w->handle) top->owner = nullptr;
  }
  ZOrder::Unlink(w);
  if (w->cls) --w->cls->windows;
  if (w->surface) {
    if (backend::Backend* b = ActiveBackend()) b->DestroySurface(w->surface);
    w->surface = 0;
  }
  ForgetWindowImage(w);
  w->state = WindowObject::State::Destroyed;
  WindowTable::Instance().Remove(w->handle);
}

void DiscardTree(WindowObject* w) {
  const std::vector<WindowObject*> children = w->children;
  for (WindowObject* child : children) DiscardTree(child);
  Unregister(w);
}

int DefaultCoordinate(int value) { return value == CW_USEDEFAULT ? 0 : value; }

void SendParentNotify(HWND hwnd, UINT event) {
  HWND parent = nullptr;
  LONG_PTR id = 0;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w || !w->IsChild() || (w->exStyle & WS_EX_NOPARENTNOTIFY) || !w->parent || IsDesktop(w->parent)) return;
    parent = w->parent->handle;
    id = w->id;
  }
  SendMessageInternal(parent, WM_PARENTNOTIFY, MAKEWPARAM(event, id), LPARAM(hwnd));
}

std::vector<HWND> ChildHandles(HWND hwnd) {
  std::vector<HWND> out;
  Guard guard = UserLock::Acquire();
  if (WindowObject* w = FindWindowObject(hwnd)) {
    for (WindowObject* child : w->children) out.push_back(child->handle);
  }
  return out;
}

void SendDestroyDownwards(HWND hwnd) {
  SendMessageInternal(hwnd, WM_DESTROY, 0, 0);
  for (HWND child : ChildHandles(hwnd)) SendDestroyDownwards(child);
}

void FinishUpwards(HWND hwnd) {
  for (HWND child : ChildHandles(hwnd)) FinishUpwards(child);
  SendMessageInternal(hwnd, WM_NCDESTROY, 0, 0);
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) return;
  const std::vector<WindowObject*> leftovers = w->children;  // created during destruction
  for (WindowObject* child : leftovers) DiscardTree(child);
  Unregister(w);
}

void MarkDestroying(WindowObject* w) {
  w->state = WindowObject::State::Destroying;
  for (WindowObject* child : w->children) MarkDestroying(child);
}

// The focus inside a window being destroyed goes to the window's parent, or nowhere
// when the parent goes too, belongs to another thread, or the window is top-level.
void GiveUpFocus(HWND hwnd) {
  HWND to = nullptr;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    WindowObject* focus = FindWindowObject(ThreadQueue::Current()->focus);
    if (!w || !focus || !IsDescendantOf(focus, w)) return;
    WindowObject* parent = w->parent;
    if (w->IsChild() && parent && !IsDesktop(parent) && parent->state == WindowObject::State::Alive &&
        parent->threadId == GetCurrentThreadId()) {
      to = parent->handle;
    }
  }
  SetFocusOnThisThread(to);
}

void DestroyOnOwner(HWND hwnd) {
  bool wasVisible;
  bool child;
  std::vector<HWND> owned;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w || w->state == WindowObject::State::Destroying) return;
    MarkDestroying(w);
    wasVisible = w->Visible();
    child = w->IsChild();
    for (WindowObject* o : OwnedWindows(w)) {
      if (o->threadId == w->threadId) {
        owned.push_back(o->handle);
      } else {
        o->owner = nullptr;  // another thread's window cannot be destroyed from here
      }
    }
  }
  SendParentNotify(hwnd, WM_DESTROY);
  if (wasVisible) {
    SetWindowPosOnOwner(hwnd, nullptr, 0, 0, 0, 0,
                        SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else if (!child) {
    ActivateAfter(hwnd);
  }
  for (HWND o : owned) DestroyOnOwner(o);
  {
    Guard guard = UserLock::Acquire();
    DesktopState& desk = DesktopState::Instance();
    WindowObject* w = FindWindowObject(hwnd);
    WindowObject* captured = FindWindowObject(desk.capture);
    if (w && captured && IsDescendantOf(captured, w)) {
      const HWND lost = desk.capture;
      desk.capture = nullptr;
      if (backend::Backend* b = ActiveBackend()) b->UngrabPointer();
      guard.unlock();
      SendMessageInternal(lost, WM_CAPTURECHANGED, 0, 0);
    }
  }
  GiveUpFocus(hwnd);
  SendDestroyDownwards(hwnd);
  FinishUpwards(hwnd);
}

}  // namespace

void DiscardWindowsOfQueue(ThreadQueue* queue) {
  for (;;) {
    WindowObject* found = nullptr;
    for (WindowObject* w : WindowsOfQueue(queue)) {
      found = w;
      break;
    }
    if (!found) return;
    DiscardTree(found);
  }
}

}  // namespace platform::user

using namespace platform::user;
namespace backend = platform::backend;

HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR lpClassName, LPCWSTR lpWindowName, DWORD dwStyle, int X, int Y,
                     int nWidth, int nHeight, HWND hWndParent, HMENU hMenu, HINSTANCE hInstance, LPVOID lpParam) {
  ActiveBackend();
  SystemClasses::Ensure();
  std::shared_ptr<WindowObject> w;
  const DWORD requested = dwStyle;
  {
    Guard guard = UserLock::Acquire();
    ClassRecord* cls = WindowClassRegistry::Instance().Find(lpClassName, hInstance);
    if (!cls) {
      SetLastError(ERROR_CANNOT_FIND_WND_CLASS);
      return nullptr;
    }
    WindowObject* parent = Desktop();
    HWND owner = nullptr;
    const bool child = (dwStyle & WS_CHILD) != 0;
    if (child) {
      parent = FindWindowObject(hWndParent);
      if (!parent) {
        SetLastError(hWndParent ? ERROR_INVALID_WINDOW_HANDLE : ERROR_TLW_WITH_WSCHILD);
        return nullptr;
      }
    } else if (hWndParent && hWndParent != HWND_MESSAGE && hWndParent != WindowTable::Instance().DesktopHandle()) {
      WindowObject* o = FindWindowObject(hWndParent);
      if (!o) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return nullptr;
      }
      owner = RootOf(o)->handle;  // a dialog opened from a page is owned by the page's frame
    }
    ThreadQueue* queue = ThreadQueue::Current();
    queue->gui = true;
    w = WindowTable::Instance().Add();
    w->cls = cls;
    ++cls->windows;
    w->proc = cls->proc;
    w->style = dwStyle & ~DWORD(WS_VISIBLE | WS_MINIMIZE | WS_MAXIMIZE);
    if (!(dwStyle & (WS_POPUP | WS_CHILD))) w->style |= WS_CLIPSIBLINGS | WS_CAPTION;
    w->exStyle = dwExStyle;
    w->id = child ? LONG_PTR(hMenu) : 0;
    w->instance = hInstance;
    w->extra.assign(size_t(cls->wndExtra), 0);
    w->parent = parent;
    w->owner = owner;
    w->queue = queue;
    w->threadId = GetCurrentThreadId();
    if (lpWindowName) w->text = lpWindowName;
    const bool overlapped = !(dwStyle & (WS_POPUP | WS_CHILD));
    int x = X, y = Y, cx = nWidth, cy = nHeight;
    if (overlapped) {
      MONITORINFO info{};
      info.cbSize = sizeof(info);
      GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info);
      if (X == CW_USEDEFAULT) {
        x = info.rcWork.left;
        y = info.rcWork.top;
      }
      if (nWidth == CW_USEDEFAULT) {
        cx = (info.rcWork.right - info.rcWork.left) * 3 / 4;
        cy = (info.rcWork.bottom - info.rcWork.top) * 3 / 4;
      }
    } else {
      x = DefaultCoordinate(X);
      y = DefaultCoordinate(Y);
      cx = DefaultCoordinate(nWidth);
      cy = DefaultCoordinate(nHeight);
    }
    cx = std::max(cx, 0);
    cy = std::max(cy, 0);
    w->rect = RECT{x, y, x + cx, y + cy};
    w->client = RECT{0, 0, cx, cy};
    w->state = WindowObject::State::Alive;
    ZOrder::Place(w.get(), HWND_TOP);
    if (!child) {
      if (backend::Backend* b = ActiveBackend()) {
        backend::SurfaceDesc desc;
        desc.hwnd = w->handle;
        desc.rect = w->rect;
        WindowObject* o = FindWindowObject(owner);
        desc.owner = o ? o->surface : 0;
        desc.popup = (dwStyle & WS_POPUP) != 0;
        desc.toolWindow = (dwExStyle & WS_EX_TOOLWINDOW) != 0;
        desc.noActivate = (dwExStyle & WS_EX_NOACTIVATE) != 0;
        desc.topmost = (dwExStyle & WS_EX_TOPMOST) != 0;
        desc.exStyle = w->exStyle;
        if (w->cls) desc.className = w->cls->name;
        w->surface = b->CreateSurface(desc);
        b->SetTitle(w->surface, w->text);
      }
      SyncStacking();
    }
  }
  const HWND hwnd = w->handle;
  CREATESTRUCTW cs{lpParam, hInstance, hMenu, hWndParent, nHeight, nWidth, Y, X, LONG(requested),
                   lpWindowName, lpClassName, dwExStyle};
  if ((requested & WS_THICKFRAME) || !(requested & (WS_POPUP | WS_CHILD))) {
    const MINMAXINFO mmi = QueryMinMaxInfo(hwnd, nullptr);
    Guard guard = UserLock::Acquire();
    if (!w->Gone()) {
      const int cx = std::max<int>(mmi.ptMinTrackSize.x, std::min<int>(w->Width(), mmi.ptMaxTrackSize.x));
      const int cy = std::max<int>(mmi.ptMinTrackSize.y, std::min<int>(w->Height(), mmi.ptMaxTrackSize.y));
      w->rect.right = w->rect.left + cx;
      w->rect.bottom = w->rect.top + cy;
      w->client = RECT{0, 0, cx, cy};
    }
  }
  if (!SendMessageInternal(hwnd, WM_NCCREATE, 0, LPARAM(&cs))) {
    SendMessageInternal(hwnd, WM_NCDESTROY, 0, 0);
    Guard guard = UserLock::Acquire();
    if (!w->Gone()) DiscardTree(w.get());
    return nullptr;
  }
  {
    NCCALCSIZE_PARAMS params{};
    {
      Guard guard = UserLock::Acquire();
      params.rgrc[0] = w->rect;
    }
    const RECT whole = params.rgrc[0];
    SendMessageInternal(hwnd, WM_NCCALCSIZE, FALSE, LPARAM(&params.rgrc[0]));
    Guard guard = UserLock::Acquire();
    const RECT& c = params.rgrc[0];
    w->client = RECT{c.left - whole.left, c.top - whole.top, c.right - whole.left, c.bottom - whole.top};
  }
  if (SendMessageInternal(hwnd, WM_CREATE, 0, LPARAM(&cs)) == -1) {
    DestroyWindow(hwnd);
    return nullptr;
  }
  if (!IsWindow(hwnd)) return nullptr;
  if (requested & (WS_CHILD | WS_POPUP)) {
    SendFirstSizeAndMove(hwnd);
  } else {
    Guard guard = UserLock::Acquire();
    w->sizePending = true;
  }
  SendParentNotify(hwnd, WM_CREATE);
  if (requested & WS_VISIBLE) {
    int command = SW_SHOW;
    if (requested & WS_MAXIMIZE) command = SW_SHOWMAXIMIZED;
    if (requested & WS_MINIMIZE) command = SW_SHOWMINIMIZED;
    ShowWindowOnOwner(hwnd, command);
  }
  return IsWindow(hwnd) ? hwnd : nullptr;
}

BOOL DestroyWindow(HWND hWnd) {
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hWnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
    if (IsDesktop(w) || w->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    if (w->state == WindowObject::State::Destroying) return TRUE;
  }
  DestroyOnOwner(hWnd);
  return TRUE;
}

BOOL IsWindow(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  return FindWindowObject(hWnd) ? TRUE : FALSE;
}

HWND GetDesktopWindow() {
  Guard guard = UserLock::Acquire();
  return WindowTable::Instance().DesktopHandle();
}
