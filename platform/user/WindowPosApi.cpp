// Geometry and show state; calls on another thread's window run on that thread.
#include "platform/backend/BackendRegistry.h"
#include "platform/backend/ForeignWindows.h"
#include "platform/base/Error.h"
#include "platform/user/Window.h"
#include "platform/user/WindowHelpers.h"
#include "platform/user/WindowPos.h"
#include "platform/user/WindowPosOps.h"

using namespace platform::user;

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int X, int Y, int cx, int cy, UINT uFlags) {
  bool ran = false;
  const bool wait = !(uFlags & SWP_ASYNCWINDOWPOS);
  const UINT flags = uFlags & ~UINT(SWP_ASYNCWINDOWPOS);
  const LRESULT result = RunOnOwnerThread(hWnd, [=]() -> LRESULT {
    return SetWindowPosOnOwner(hWnd, hWndInsertAfter, X, Y, cx, cy, flags);
  }, wait, &ran);
  if (!ran) return FALSE;
  return wait ? BOOL(result) : TRUE;
}

BOOL MoveWindow(HWND hWnd, int X, int Y, int nWidth, int nHeight, BOOL bRepaint) {
  UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
  if (!bRepaint) flags |= SWP_NOREDRAW;
  return SetWindowPos(hWnd, nullptr, X, Y, nWidth, nHeight, flags);
}

namespace {

// Another process's window (the single-instance restore) can only be restored, and
// only the desktop can do it.
BOOL ShowForeignWindow(HWND hWnd, int nCmdShow) {
  auto* desktop = dynamic_cast<platform::backend::ForeignWindows*>(platform::backend::BackendRegistry::Active());
  if (!desktop || nCmdShow != SW_RESTORE) return FALSE;
  return desktop->RestoreForeignWindow(hWnd) ? TRUE : FALSE;
}

}  // namespace

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  if (platform::backend::ForeignWindows::IsForeignHandle(hWnd)) return ShowForeignWindow(hWnd, nCmdShow);
  bool ran = false;
  const LRESULT result =
      RunOnOwnerThread(hWnd, [=]() -> LRESULT { return ShowWindowOnOwner(hWnd, nCmdShow); }, true, &ran);
  return ran ? BOOL(result) : FALSE;
}

BOOL BringWindowToTop(HWND hWnd) { return SetWindowPos(hWnd, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

BOOL GetWindowRect(HWND hWnd, LPRECT lpRect) {
  if (!lpRect) return FALSE;
  return WithWindow(hWnd, FALSE, [lpRect](WindowObject* w) {
    *lpRect = ScreenRectOf(w);
    return TRUE;
  });
}

BOOL GetClientRect(HWND hWnd, LPRECT lpRect) {
  if (!lpRect) return FALSE;
  return WithWindow(hWnd, FALSE, [lpRect](WindowObject* w) {
    *lpRect = IsDesktop(w) ? RECT{0, 0, w->Width(), w->Height()} : RECT{0, 0, w->ClientWidth(), w->ClientHeight()};
    return TRUE;
  });
}

BOOL ClientToScreen(HWND hWnd, LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  return WithWindow(hWnd, FALSE, [lpPoint](WindowObject* w) {
    const POINT origin = ClientOriginOnScreen(w);
    lpPoint->x += origin.x;
    lpPoint->y += origin.y;
    return TRUE;
  });
}

BOOL ScreenToClient(HWND hWnd, LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  return WithWindow(hWnd, FALSE, [lpPoint](WindowObject* w) {
    const POINT origin = ClientOriginOnScreen(w);
    lpPoint->x -= origin.x;
    lpPoint->y -= origin.y;
    return TRUE;
  });
}

int MapWindowPoints(HWND hWndFrom, HWND hWndTo, LPPOINT lpPoints, UINT cPoints) {
  Guard guard = UserLock::Acquire();
  WindowObject* from = hWndFrom ? FindWindowObject(hWndFrom) : Desktop();
  WindowObject* to = hWndTo ? FindWindowObject(hWndTo) : Desktop();
  if (!from || !to) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  const POINT a = ClientOriginOnScreen(from);
  const POINT b = ClientOriginOnScreen(to);
  const int dx = a.x - b.x;
  const int dy = a.y - b.y;
  for (UINT i = 0; lpPoints && i < cPoints; ++i) {
    lpPoints[i].x += dx;
    lpPoints[i].y += dy;
  }
  return MAKELONG(WORD(dx), WORD(dy));
}

// No window has a system frame here: the client area is the whole window.
BOOL AdjustWindowRectEx(LPRECT lpRect, DWORD, BOOL, DWORD) { return lpRect ? TRUE : FALSE; }

BOOL AdjustWindowRect(LPRECT lpRect, DWORD dwStyle, BOOL bMenu) {
  return AdjustWindowRectEx(lpRect, dwStyle, bMenu, 0);
}

BOOL GetWindowPlacement(HWND hWnd, WINDOWPLACEMENT* lpwndpl) {
  if (!lpwndpl) return FALSE;
  return WithWindow(hWnd, FALSE, [lpwndpl](WindowObject* w) {
    lpwndpl->flags = 0;
    lpwndpl->showCmd = (w->style & WS_MINIMIZE)   ? SW_SHOWMINIMIZED
                       : (w->style & WS_MAXIMIZE) ? SW_SHOWMAXIMIZED
                       : w->Visible()             ? SW_SHOWNORMAL
                                                  : SW_HIDE;
    lpwndpl->ptMinPosition = POINT{-1, -1};
    lpwndpl->ptMaxPosition = POINT{-1, -1};
    lpwndpl->rcNormalPosition =
        (w->style & (WS_MINIMIZE | WS_MAXIMIZE)) && w->hasNormalRect ? w->normalRect : w->rect;
    return TRUE;
  });
}

HWND WindowFromPoint(POINT Point) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = WindowAtPoint(Point);
  return w ? w->handle : nullptr;
}

HWND ChildWindowFromPoint(HWND hWndParent, POINT Point) {
  return WithWindow(hWndParent, HWND(nullptr), [hWndParent, Point](WindowObject* parent) -> HWND {
    if (Point.x < 0 || Point.y < 0 || Point.x >= parent->ClientWidth() || Point.y >= parent->ClientHeight()) {
      return nullptr;
    }
    for (WindowObject* child : parent->children) {
      const RECT& r = child->rect;
      if (Point.x >= r.left && Point.x < r.right && Point.y >= r.top && Point.y < r.bottom) return child->handle;
    }
    return hWndParent;
  });
}
