// The default window procedure: what windows do with the messages they leave alone.
#include <algorithm>
#include <cwchar>

#include "platform/gdi/Gdi.h"
#include "platform/user/Cursor.h"
#include "platform/user/Focus.h"
#include "platform/user/IconTable.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Paint.h"
#include "platform/user/SizeMoveLoop.h"
#include "platform/user/Window.h"
#include "platform/user/WindowHelpers.h"
#include "platform/user/WindowPos.h"
#include "platform/user/WindowPosOps.h"

using namespace platform::user;

namespace {

HWND ParentIfChild(HWND hwnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w || !w->IsChild() || !w->parent || IsDesktop(w->parent)) return nullptr;
  return w->parent->handle;
}

LPCWSTR CursorForHit(int hit) {
  switch (hit) {
    case HTLEFT:
    case HTRIGHT: return IDC_SIZEWE;
    case HTTOP:
    case HTBOTTOM: return IDC_SIZENS;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return IDC_SIZENWSE;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return IDC_SIZENESW;
    default: return IDC_ARROW;
  }
}

LRESULT OnSetCursor(HWND hwnd, WPARAM wParam, LPARAM lParam) {
  if (HWND parent = ParentIfChild(hwnd)) {
    if (SendMessageInternal(parent, WM_SETCURSOR, wParam, lParam)) return TRUE;
  }
  const int hit = short(LOWORD(lParam));
  if (hit == HTCLIENT) {
    HCURSOR classCursor;
    {
      Guard guard = UserLock::Acquire();
      WindowObject* w = FindWindowObject(hwnd);
      classCursor = w && w->cls ? w->cls->cursor : nullptr;
    }
    if (!classCursor) return FALSE;
    SetCursor(classCursor);
    return TRUE;
  }
  SetCursor(LoadCursorW(nullptr, CursorForHit(hit)));
  return TRUE;
}

LRESULT OnNcHitTest(HWND hwnd, LPARAM lParam) {
  RECT r;
  if (!GetWindowRect(hwnd, &r)) return HTNOWHERE;
  const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
  return (x >= r.left && x < r.right && y >= r.top && y < r.bottom) ? HTCLIENT : HTNOWHERE;
}

LRESULT OnEraseBackground(HWND hwnd, HDC hdc) {
  HBRUSH brush;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    brush = w && w->cls ? w->cls->background : nullptr;
  }
  if (!brush || !hdc) return 0;
  // A class brush may be a system colour index plus one.
  if (uintptr_t(brush) <= 31) brush = GetSysColorBrush(int(uintptr_t(brush)) - 1);
  RECT client;
  GetClientRect(hwnd, &client);
  FillRect(hdc, &client, brush);
  return 1;
}

// A new size keeps within the track sizes the window answers, as a drag does; pop-ups
// and children without a sizing frame take any size. A minimised window may be
// larger than its largest track size.
LRESULT OnWindowPosChanging(HWND hwnd, WINDOWPOS* pos) {
  if (!pos || (pos->flags & SWP_NOSIZE)) return 0;
  DWORD style;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hwnd);
    if (!w) return 0;
    style = w->style;
  }
  if (!(style & WS_THICKFRAME) && (style & (WS_POPUP | WS_CHILD))) return 0;
  const MINMAXINFO mmi = QueryMinMaxInfo(hwnd, nullptr);
  pos->cx = std::max<int>(pos->cx, mmi.ptMinTrackSize.x);
  pos->cy = std::max<int>(pos->cy, mmi.ptMinTrackSize.y);
  if (style & WS_MINIMIZE) return 0;
  pos->cx = std::min<int>(pos->cx, mmi.ptMaxTrackSize.x);
  pos->cy = std::min<int>(pos->cy, mmi.ptMaxTrackSize.y);
  return 0;
}

struct PlaceNow {
  RECT rect{};
  RECT client{};
  DWORD style = 0;
};

// Read afresh for each notification: a window that moves itself while hearing of a
// move has changed its place by the time the next one goes out.
bool ReadPlace(HWND hwnd, PlaceNow* place) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) return false;
  place->rect = w->rect;
  place->client = w->client;
  place->style = w->style;
  return true;
}

LRESULT OnWindowPosChanged(HWND hwnd, const WINDOWPOS* pos) {
  if (!pos) return 0;
  PlaceNow place;
  if (!(pos->flags & SWP_NOCLIENTMOVE)) {
    if (!ReadPlace(hwnd, &place)) return 0;
    SendMessageInternal(hwnd, WM_MOVE, 0,
                        MAKELPARAM(place.rect.left + place.client.left, place.rect.top + place.client.top));
  }
  if (!(pos->flags & SWP_NOCLIENTSIZE) || (pos->flags & SWP_STATECHANGED)) {
    if (!ReadPlace(hwnd, &place)) return 0;
    if (place.style & WS_MINIMIZE) {
      SendMessageInternal(hwnd, WM_SIZE, SIZE_MINIMIZED, 0);
    } else {
      const WPARAM kind = (place.style & WS_MAXIMIZE) ? SIZE_MAXIMIZED : SIZE_RESTORED;
      const RECT& client = place.client;
      SendMessageInternal(hwnd, WM_SIZE, kind, MAKELPARAM(client.right - client.left, client.bottom - client.top));
    }
  }
  return 0;
}

LRESULT OnSysCommand(HWND hwnd, WPARAM wParam) {
  const UINT command = UINT(wParam) & 0xFFF0;
  switch (command) {
    case SC_MINIMIZE: ShowWindow(hwnd, SW_MINIMIZE); return 0;
    case SC_MAXIMIZE: ShowWindow(hwnd, SW_MAXIMIZE); return 0;
    case SC_RESTORE: ShowWindow(hwnd, SW_RESTORE); return 0;
    case SC_CLOSE: SendMessageInternal(hwnd, WM_CLOSE, 0, 0); return 0;
    case SC_MOVE: SizeMoveLoop::Run(hwnd, 0); return 0;
    case SC_SIZE: SizeMoveLoop::Run(hwnd, int(wParam & 0x0F)); return 0;
    default: return 0;
  }
}

LRESULT OnNcButtonDown(HWND hwnd, WPARAM hit, LPARAM lParam) {
  if (hit == HTCAPTION) return SendMessageInternal(hwnd, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, lParam);
  if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT) {
    return SendMessageInternal(hwnd, WM_SYSCOMMAND, SC_SIZE + (hit - HTLEFT + 1), lParam);
  }
  return 0;
}

LRESULT OnSetText(HWND hwnd, LPCWSTR text) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) return FALSE;
  w->text = text ? text : L"";
  if (w->surface) {
    if (platform::backend::Backend* b = ActiveBackend()) b->SetTitle(w->surface, w->text);
  }
  return TRUE;
}

LRESULT OnGetText(HWND hwnd, WPARAM size, LPWSTR buffer) {
  if (!buffer || size == 0) return 0;
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) return 0;
  const size_t n = std::min(w->text.size(), size_t(size) - 1);
  std::wmemcpy(buffer, w->text.c_str(), n);
  buffer[n] = 0;
  return LRESULT(n);
}

LRESULT OnSetIcon(HWND hwnd, WPARAM which, HICON icon) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  if (!w) return 0;
  HICON& slot = which == ICON_BIG ? w->bigIcon : w->smallIcon;
  HICON old = slot;
  slot = icon;
  if (w->surface) {
    if (platform::backend::Backend* b = ActiveBackend()) {
      cairo_surface_t* image = IconTable::Instance().Image(icon);
      b->SetIcon(w->surface, image, which == ICON_BIG);
      if (image) cairo_surface_destroy(image);
    }
  }
  return LRESULT(old);
}

LRESULT OnPaint(HWND hwnd) {
  PAINTSTRUCT ps;
  BeginPaint(hwnd, &ps);
  EndPaint(hwnd, &ps);
  return 0;
}

void ContextMenuFromKeyboard(HWND hwnd) { SendMessageInternal(hwnd, WM_CONTEXTMENU, WPARAM(hwnd), LPARAM(-1)); }

}  // namespace

LRESULT DefWindowProcW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  switch (Msg) {
    case WM_NCCREATE: return TRUE;
    case WM_NCCALCSIZE: return 0;
    case WM_NCHITTEST: return OnNcHitTest(hWnd, lParam);
    case WM_NCACTIVATE: return TRUE;
    case WM_CLOSE: DestroyWindow(hWnd); return 0;
    case WM_RBUTTONUP:
    case WM_NCRBUTTONUP: {
      POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      if (Msg == WM_RBUTTONUP) ClientToScreen(hWnd, &pt);
      SendMessageInternal(hWnd, WM_CONTEXTMENU, WPARAM(hWnd), MAKELPARAM(pt.x, pt.y));
      return 0;
    }
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
      if (HWND parent = ParentIfChild(hWnd)) return SendMessageInternal(parent, Msg, wParam, lParam);
      return 0;
    case WM_KEYUP:
      if (wParam == VK_APPS) ContextMenuFromKeyboard(hWnd);
      return 0;
    case WM_SYSKEYDOWN:
      if (wParam == VK_F10 && (GetKeyState(VK_SHIFT) < 0)) ContextMenuFromKeyboard(hWnd);
      if (wParam == VK_F4 && (lParam & (LPARAM(1) << 29))) SendMessageInternal(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0);
      return 0;
    case WM_SETCURSOR: return OnSetCursor(hWnd, wParam, lParam);
    case WM_MOUSEACTIVATE:
      if (HWND parent = ParentIfChild(hWnd)) {
        if (LRESULT answer = SendMessageInternal(parent, Msg, wParam, lParam)) return answer;
      }
      return MA_ACTIVATE;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && !HIWORD(wParam)) {
        HWND focus = GetFocus();
        if (focus != hWnd && !IsChild(hWnd, focus)) SetFocus(hWnd);
      }
      return 0;
    case WM_ERASEBKGND: return OnEraseBackground(hWnd, HDC(wParam));
    case WM_PAINT: return OnPaint(hWnd);
    case WM_SETTEXT: return OnSetText(hWnd, LPCWSTR(lParam));
    case WM_GETTEXT: return OnGetText(hWnd, wParam, LPWSTR(lParam));
    case WM_GETTEXTLENGTH: {
      Guard guard = UserLock::Acquire();
      WindowObject* w = FindWindowObject(hWnd);
      return w ? LRESULT(w->text.size()) : 0;
    }
    case WM_WINDOWPOSCHANGING: return OnWindowPosChanging(hWnd, reinterpret_cast<WINDOWPOS*>(lParam));
    case WM_WINDOWPOSCHANGED: return OnWindowPosChanged(hWnd, reinterpret_cast<const WINDOWPOS*>(lParam));
    case WM_SYSCOMMAND: return OnSysCommand(hWnd, wParam);
    case WM_NCLBUTTONDOWN: return OnNcButtonDown(hWnd, wParam, lParam);
    case WM_NCLBUTTONDBLCLK:
      if (wParam == HTCAPTION) SendMessageInternal(hWnd, WM_SYSCOMMAND, IsZoomed(hWnd) ? SC_RESTORE : SC_MAXIMIZE, 0);
      return 0;
    case WM_SETICON: return OnSetIcon(hWnd, wParam, HICON(lParam));
    case WM_GETICON: {
      Guard guard = UserLock::Acquire();
      WindowObject* w = FindWindowObject(hWnd);
      return w ? LRESULT(wParam == ICON_BIG ? w->bigIcon : w->smallIcon) : 0;
    }
    case WM_QUERYENDSESSION: return TRUE;
    default: return 0;
  }
}
