#include "platform/user/SizeMoveLoop.h"

#include <algorithm>

#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Window.h"
#include "platform/user/WindowPos.h"
#include "platform/user/WindowPosOps.h"
#include "platform/user/WindowHelpers.h"

namespace platform::user {
namespace {

enum Edge { kLeft = 1, kRight = 2, kTop = 3, kTopLeft = 4, kTopRight = 5, kBottom = 6, kBottomLeft = 7, kBottomRight = 8 };

bool MovesLeft(int e) { return e == kLeft || e == kTopLeft || e == kBottomLeft; }
bool MovesRight(int e) { return e == kRight || e == kTopRight || e == kBottomRight; }
bool MovesTop(int e) { return e == kTop || e == kTopLeft || e == kTopRight; }
bool MovesBottom(int e) { return e == kBottom || e == kBottomLeft || e == kBottomRight; }

// The window's rectangle in its parent's client coordinates.
RECT ParentRect(HWND hwnd) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hwnd);
  return w ? w->rect : RECT{};
}

void OffsetBy(RECT& r, int dx, int dy) {
  r.left += dx;
  r.right += dx;
  r.top += dy;
  r.bottom += dy;
}

RECT Track(const RECT& start, int edge, int dx, int dy, const MINMAXINFO& mmi) {
  RECT r = start;
  if (edge == 0) {
    OffsetBy(r, dx, dy);
    return r;
  }
  const int minW = mmi.ptMinTrackSize.x, maxW = mmi.ptMaxTrackSize.x;
  const int minH = mmi.ptMinTrackSize.y, maxH = mmi.ptMaxTrackSize.y;
  if (MovesLeft(edge)) r.left = std::clamp(int(start.left + dx), int(start.right - maxW), int(start.right - minW));
  if (MovesRight(edge)) r.right = std::clamp(int(start.right + dx), int(start.left + minW), int(start.left + maxW));
  if (MovesTop(edge)) r.top = std::clamp(int(start.top + dy), int(start.bottom - maxH), int(start.bottom - minH));
  if (MovesBottom(edge)) r.bottom = std::clamp(int(start.bottom + dy), int(start.top + minH), int(start.top + maxH));
  return r;
}

}  // namespace

void SizeMoveLoop::Run(HWND hwnd, int edge) {
  POINT origin;
  GetCursorPos(&origin);
  const RECT start = ParentRect(hwnd);
  const MINMAXINFO mmi = QueryMinMaxInfo(hwnd, nullptr);
  SetCapture(hwnd);
  SendMessageInternal(hwnd, WM_ENTERSIZEMOVE, 0, 0);
  for (;;) {
    MSG msg;
    if (!GetMessageW(&msg, nullptr, 0, 0)) {
      PostQuitMessage(int(msg.wParam));
      break;
    }
    if (GetCapture() != hwnd || !IsWindow(hwnd)) break;
    if (msg.message == WM_LBUTTONUP && msg.hwnd == hwnd) break;
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
      SetWindowPos(hwnd, nullptr, start.left, start.top, start.right - start.left, start.bottom - start.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    if (msg.message != WM_MOUSEMOVE || msg.hwnd != hwnd) {
      if (msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST) continue;
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
      continue;
    }
    RECT r = Track(start, edge, msg.pt.x - origin.x, msg.pt.y - origin.y, mmi);
    SendMessageInternal(hwnd, edge ? WM_SIZING : WM_MOVING, WPARAM(edge), LPARAM(&r));
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (edge == 0) flags |= SWP_NOSIZE;
    SetWindowPos(hwnd, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top, flags);
  }
  if (GetCapture() == hwnd) ReleaseCapture();
  SendMessageInternal(hwnd, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace platform::user
