#include "platform/user/WindowPosOps.h"

#include <algorithm>

#include "platform/user/ActivationOps.h"
#include "platform/user/Focus.h"
#include "platform/user/Monitor.h"
#include "platform/user/PaintOps.h"
#include "platform/user/Window.h"
#include "platform/user/WindowHelpers.h"
#include "platform/user/ZOrder.h"

namespace platform::user {
namespace {

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

backend::ShowState ShowStateOf(const WindowObject* w) {
  if (!w->Visible()) return backend::ShowState::Hidden;
  if (w->style & WS_MINIMIZE) return backend::ShowState::Minimized;
  if (w->style & WS_MAXIMIZE) return backend::ShowState::Maximized;
  return backend::ShowState::Normal;
}

// Lock held: mirrors a top-level window's state into the backend.
void SyncSurface(WindowObject* w) {
  backend::Backend* b = ActiveBackend();
  if (!b || !w->surface) return;
  b->MoveSurface(w->surface, w->rect);
  b->SetTopmost(w->surface, (w->exStyle & WS_EX_TOPMOST) != 0);
  b->SetShowState(w->surface, ShowStateOf(w));
}

RECT ClientInParent(const WindowObject* w) {
  return RECT{w->rect.left + w->client.left, w->rect.top + w->client.top, w->rect.left + w->client.right,
              w->rect.top + w->client.bottom};
}

}  // namespace

BOOL SetWindowPosOnOwner(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
  WINDOWPOS pos{hwnd, after, x, y, cx, cy, flags};
  RECT oldRect;
  RECT oldClient;
  bool wasVisible;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w || IsDesktop(w)) return FALSE;
    oldRect = w->rect;
    oldClient = ClientInParent(w);
    wasVisible = w->Visible();
    if (flags & SWP_NOMOVE) {
      pos.x = oldRect.left;
      pos.y = oldRect.top;
    }
    if (flags & SWP_NOSIZE) {
      pos.cx = oldRect.right - oldRect.left;
      pos.cy = oldRect.bottom - oldRect.top;
    }
  }
  if (!(flags & SWP_NOSENDCHANGING)) SendMessageInternal(hwnd, WM_WINDOWPOSCHANGING, 0, LPARAM(&pos));
  pos.cx = std::max(pos.cx, 0);
  pos.cy = std::max(pos.cy, 0);
  const RECT newRect{pos.x, pos.y, pos.x + pos.cx, pos.y + pos.cy};
  const bool sizeChanged = (newRect.right - newRect.left) != (oldRect.right - oldRect.left) ||
                           (newRect.bottom - newRect.top) != (oldRect.bottom - oldRect.top);
  bool isChild;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w) return FALSE;
    isChild = w->IsChild();
    // Hiding keeps the window's place: ShowWindow names no place, and a hidden
    // window's place matters only once it shows, which raises it.
    const bool hideInPlace = (pos.flags & SWP_HIDEWINDOW) && pos.hwndInsertAfter == HWND_TOP;
    if (!(pos.flags & SWP_NOZORDER) && !hideInPlace) ZOrder::Place(w, pos.hwndInsertAfter);
    w->rect = newRect;
    if (pos.flags & SWP_SHOWWINDOW) w->style |= WS_VISIBLE;
    if (pos.flags & SWP_HIDEWINDOW) w->style &= ~DWORD(WS_VISIBLE);
    if (sizeChanged) {
      w->client = RECT{0, 0, newRect.right - newRect.left, newRect.bottom - newRect.top};
    }
    SyncSurface(w);
    if (w->IsTopLevel()) SyncStacking();
  }
  if (sizeChanged || (pos.flags & SWP_FRAMECHANGED)) {
    NCCALCSIZE_PARAMS params{};
    params.rgrc[0] = newRect;
    params.rgrc[1] = oldRect;
    params.rgrc[2] = oldClient;
    params.lppos = &pos;
    SendMessageInternal(hwnd, WM_NCCALCSIZE, TRUE, LPARAM(&params));
    Guard guard = UserLock::Acquire();
    if (WindowObject* w = FindWindowObject(hwnd)) {
      const RECT& c = params.rgrc[0];
      w->client = RECT{c.left - newRect.left, c.top - newRect.top, c.right - newRect.left, c.bottom - newRect.top};
    }
  }
  bool nowVisible;
  RECT newClient;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w) return FALSE;
    nowVisible = w->Visible();
    newClient = ClientInParent(w);
    const bool shown = nowVisible && !wasVisible;
    const bool clientResized = (newClient.right - newClient.left) != (oldClient.right - oldClient.left) ||
                               (newClient.bottom - newClient.top) != (oldClient.bottom - oldClient.top);
    if (!(pos.flags & SWP_NOREDRAW) && (shown || clientResized || (pos.flags & SWP_FRAMECHANGED))) {
      InvalidateWindowTree(w, true);
    }
    if (isChild && w->parent && (!nowVisible || !SameRect(oldRect, newRect)) && (wasVisible || nowVisible)) {
      InvalidateParentArea(w->parent, oldRect);
    }
    if (clientResized || shown) ResizeTopLevelImage(RootOf(w));
    // Windows below a top-level window that went away or moved show again: they repaint.
    if (!isChild && wasVisible && (!nowVisible || !SameRect(oldRect, newRect))) InvalidateUncovered(w, oldRect);
  }
  UINT changedFlags = pos.flags;
  if (newClient.left == oldClient.left && newClient.top == oldClient.top) changedFlags |= SWP_NOCLIENTMOVE;
  if ((newClient.right - newClient.left) == (oldClient.right - oldClient.left) &&
      (newClient.bottom - newClient.top) == (oldClient.bottom - oldClient.top) && !(flags & SWP_STATECHANGED)) {
    changedFlags |= SWP_NOCLIENTSIZE;
  }
  if (!(changedFlags & SWP_NOCLIENTSIZE)) {
    // The default procedure's WM_SIZE below is the window's first one.
    Guard guard = UserLock::Acquire();
    if (WindowObject* w = FindWindowObject(hwnd)) w->sizePending = false;
  }
  if (!isChild && nowVisible && !(pos.flags & SWP_NOACTIVATE)) ActivateWindow(hwnd, WA_ACTIVE);
  WINDOWPOS changed = pos;
  changed.flags = changedFlags;
  SendMessageInternal(hwnd, WM_WINDOWPOSCHANGED, 0, LPARAM(&changed));
  if (!isChild && wasVisible && !nowVisible) ActivateAfter(hwnd);
  return TRUE;
}

MINMAXINFO QueryMinMaxInfo(HWND hwnd, RECT* monitorRect) {
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &info);
  MINMAXINFO mmi{};
  mmi.ptMaxSize = POINT{info.rcMonitor.right - info.rcMonitor.left, info.rcMonitor.bottom - info.rcMonitor.top};
  mmi.ptMaxPosition = POINT{0, 0};
  mmi.ptMinTrackSize = POINT{GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  mmi.ptMaxTrackSize = POINT{GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessageInternal(hwnd, WM_GETMINMAXINFO, 0, LPARAM(&mmi));
  if (monitorRect) *monitorRect = info.rcMonitor;
  return mmi;
}

namespace {

struct ShowFacts {
  bool valid = false;
  bool visible = false;
  bool child = false;
  bool minimized = false;
  bool maximized = false;
  RECT rect{};
  RECT normal{};
  bool restoreToMaximized = false;
};

ShowFacts Facts(HWND hwnd) {
  ShowFacts facts;
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w || IsDesktop(w)) return facts;
  facts.valid = true;
  facts.visible = w->Visible();
  facts.child = w->IsChild();
  facts.minimized = (w->style & WS_MINIMIZE) != 0;
  facts.maximized = (w->style & WS_MAXIMIZE) != 0;
  facts.rect = w->rect;
  facts.normal = w->hasNormalRect ? w->normalRect : w->rect;
  facts.restoreToMaximized = w->restoreToMaximized;
  return facts;
}

void SetStateBits(HWND hwnd, DWORD set, DWORD clear, bool saveNormal) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) return;
  if (saveNormal && !(w->style & (WS_MINIMIZE | WS_MAXIMIZE))) {
    w->normalRect = w->rect;
    w->hasNormalRect = true;
  }
  w->style = (w->style | set) & ~clear;
}

void Maximize(HWND hwnd, bool activate) {
  const ShowFacts facts = Facts(hwnd);
  RECT monitor;
  const MINMAXINFO mmi = QueryMinMaxInfo(hwnd, &monitor);
  const int cx = std::min(mmi.ptMaxSize.x, mmi.ptMaxTrackSize.x);
  const int cy = std::min(mmi.ptMaxSize.y, mmi.ptMaxTrackSize.y);
  if (!facts.visible) SendMessageInternal(hwnd, WM_SHOWWINDOW, TRUE, 0);
  SetStateBits(hwnd, WS_MAXIMIZE, WS_MINIMIZE, true);
  UINT flags = SWP_NOZORDER | SWP_FRAMECHANGED | SWP_STATECHANGED | SWP_SHOWWINDOW;
  if (!activate || facts.child) flags |= SWP_NOACTIVATE;
  SetWindowPosOnOwner(hwnd, nullptr, monitor.left + mmi.ptMaxPosition.x, monitor.top + mmi.ptMaxPosition.y, cx, cy,
                      flags);
}

void Minimize(HWND hwnd, bool activateNext) {
  const ShowFacts facts = Facts(hwnd);
  if (!facts.visible) SendMessageInternal(hwnd, WM_SHOWWINDOW, TRUE, 0);
  {
    Guard guard = UserLock::Acquire();
    if (WindowObject* w = FindWindowObject(hwnd)) w->restoreToMaximized = facts.maximized;
  }
  SetStateBits(hwnd, WS_MINIMIZE, WS_MAXIMIZE, !facts.maximized);
  SetWindowPosOnOwner(hwnd, nullptr, 0, 0, 0, 0,
                      SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_FRAMECHANGED | SWP_STATECHANGED |
                          SWP_SHOWWINDOW);
  if (activateNext && !facts.child) ActivateAfter(hwnd);
}

void Restore(HWND hwnd, bool activate) {
  const ShowFacts facts = Facts(hwnd);
  if (facts.minimized && facts.restoreToMaximized) {
    Maximize(hwnd, activate);
    return;
  }
  if (!facts.visible) SendMessageInternal(hwnd, WM_SHOWWINDOW, TRUE, 0);
  SetStateBits(hwnd, 0, WS_MINIMIZE | WS_MAXIMIZE, false);
  {
    Guard guard = UserLock::Acquire();
    if (WindowObject* w = FindWindowObject(hwnd)) w->restoreToMaximized = false;
  }
  UINT flags = SWP_NOZORDER | SWP_FRAMECHANGED | SWP_STATECHANGED | SWP_SHOWWINDOW;
  if (!activate || facts.child) flags |= SWP_NOACTIVATE;
  const RECT& r = facts.normal;
  SetWindowPosOnOwner(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
}

void Show(HWND hwnd, bool activate) {
  const ShowFacts facts = Facts(hwnd);
  if (!facts.visible) SendMessageInternal(hwnd, WM_SHOWWINDOW, TRUE, 0);
  UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW;
  if (facts.child) flags |= SWP_NOACTIVATE | SWP_NOZORDER;
  if (!activate) flags |= SWP_NOACTIVATE;
  if (facts.visible && (flags & SWP_NOACTIVATE)) return;
  SetWindowPosOnOwner(hwnd, nullptr, 0, 0, 0, 0, flags);
}

}  // namespace

void SendFirstSizeAndMove(HWND hwnd) {
  RECT client;
  RECT rect;
  DWORD style;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w) return;
    w->sizePending = false;
    client = w->client;
    rect = w->rect;
    style = w->style;
  }
  if (style & WS_MINIMIZE) {
    SendMessageInternal(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
  } else {
    const WPARAM kind = (style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
    SendMessageInternal(hwnd, WM_SIZE, kind, MAKELPARAM(client.right - client.left, client.bottom - client.top));
  }
  SendMessageInternal(hwnd, WM_MOVE, 0, MAKELPARAM(rect.left + client.left, rect.top + client.top));
}

namespace {

bool SizePending(HWND hwnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  return w && w->sizePending;
}

BOOL ShowWindowCommand(HWND hwnd, int command, const ShowFacts& facts) {
  switch (command) {
    case SW_HIDE:
      if (!facts.visible) return FALSE;
      SendMessageInternal(hwnd, WM_SHOWWINDOW, FALSE, 0);
      // Only the active window's hiding moves activation and the z-order.
      SetWindowPosOnOwner(hwnd, nullptr, 0, 0, 0, 0,
                          SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW |
                              (facts.child || ::GetActiveWindow() != hwnd ? SWP_NOACTIVATE | SWP_NOZORDER : 0));
      break;
    case SW_SHOWMAXIMIZED:
      Maximize(hwnd, true);
      break;
    case SW_MINIMIZE:
      Minimize(hwnd, true);
      break;
    case SW_SHOWMINIMIZED:
    case SW_SHOWMINNOACTIVE:
      Minimize(hwnd, false);
      break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
    case SW_SHOWNOACTIVATE:
      if (facts.minimized || facts.maximized) {
        Restore(hwnd, command != SW_SHOWNOACTIVATE);
      } else {
        Show(hwnd, command != SW_SHOWNOACTIVATE);
      }
      break;
    case SW_SHOWNA:
      Show(hwnd, false);
      break;
    case SW_SHOW:
    default:
      Show(hwnd, true);
      break;
  }
  return facts.visible ? TRUE : FALSE;
}

}  // namespace

BOOL ShowWindowOnOwner(HWND hwnd, int command) {
  const ShowFacts facts = Facts(hwnd);
  if (!facts.valid) return FALSE;
  const BOOL answer = ShowWindowCommand(hwnd, command, facts);
  if (command != SW_HIDE && SizePending(hwnd)) SendFirstSizeAndMove(hwnd);
  return answer;
}

}  // namespace platform::user
