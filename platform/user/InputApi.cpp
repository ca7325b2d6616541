// Key state, capture, mouse tracking and the pointer.
#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/DesktopState.h"
#include "platform/user/Input.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;
namespace backend = platform::backend;

namespace {

SHORT StateOf(BYTE value) { return SHORT(((value & 0x80) ? 0x8000 : 0) | (value & 0x01)); }

}  // namespace

SHORT GetKeyState(int nVirtKey) {
  if (nVirtKey < 0 || nVirtKey > 255) return 0;
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  return StateOf(queue->keys[size_t(nVirtKey)]);
}

SHORT GetAsyncKeyState(int vKey) {
  if (vKey < 0 || vKey > 255) return 0;
  Guard guard = UserLock::Acquire();
  return SHORT((DesktopState::Instance().keys[size_t(vKey)] & 0x80) ? 0x8000 : 0);
}

BOOL GetKeyboardState(BYTE* lpKeyState) {
  if (!lpKeyState) return FALSE;
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  for (size_t i = 0; i < 256; ++i) lpKeyState[i] = queue->keys[i];
  return TRUE;
}

HWND SetCapture(HWND hWnd) {
  HWND previous;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(hWnd);
    if (!w || IsDesktop(w) || w->threadId != GetCurrentThreadId()) {
      SetLastError(w ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
      return nullptr;
    }
    DesktopState& desk = DesktopState::Instance();
    previous = desk.capture;
    if (previous == hWnd) return previous;
    desk.capture = hWnd;
    if (backend::Backend* b = ActiveBackend()) b->GrabPointer(RootOf(w)->surface);
  }
  if (previous) SendMessageInternal(previous, WM_CAPTURECHANGED, 0, LPARAM(hWnd));
  // Only a capture of this thread is reported back to it.
  return IsCallingThreadOwner(previous) ? previous : nullptr;
}

BOOL ReleaseCapture() {
  HWND previous;
  {
    Guard guard = UserLock::Acquire();
    DesktopState& desk = DesktopState::Instance();
    WindowObject* w = FindWindowObject(desk.capture);
    if (!w || w->threadId != GetCurrentThreadId()) return TRUE;
    previous = desk.capture;
    desk.capture = nullptr;
    if (backend::Backend* b = ActiveBackend()) b->UngrabPointer();
  }
  SendMessageInternal(previous, WM_CAPTURECHANGED, 0, 0);
  return TRUE;
}

HWND GetCapture() {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(DesktopState::Instance().capture);
  return w && w->threadId == GetCurrentThreadId() ? w->handle : nullptr;
}

BOOL TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) {
  if (!lpEventTrack || lpEventTrack->cbSize < sizeof(TRACKMOUSEEVENT)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  MouseTracking& tracking = queue->tracking;
  const DWORD flags = lpEventTrack->dwFlags;
  if (flags & TME_QUERY) {
    lpEventTrack->dwFlags = tracking.hwnd ? tracking.flags : 0;
    lpEventTrack->hwndTrack = tracking.hwnd;
    lpEventTrack->dwHoverTime = tracking.hoverTime;
    return TRUE;
  }
  WindowObject* w = FindWindowObject(lpEventTrack->hwndTrack);
  if (!w || w->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  const DWORD kinds = flags & (TME_HOVER | TME_LEAVE | TME_NONCLIENT);
  if (flags & TME_CANCEL) {
    if (tracking.hwnd == w->handle) {
      tracking.flags &= ~kinds;
      if (!(tracking.flags & (TME_HOVER | TME_LEAVE))) tracking = MouseTracking{};
    }
    return TRUE;
  }
  const DesktopState& desk = DesktopState::Instance();
  if (tracking.hwnd != w->handle) tracking = MouseTracking{};
  tracking.hwnd = w->handle;
  tracking.flags |= kinds;
  if (flags & TME_HOVER) {
    tracking.hoverTime = lpEventTrack->dwHoverTime == HOVER_DEFAULT ? 400 : lpEventTrack->dwHoverTime;
    tracking.anchor = desk.cursor;
    tracking.anchorTime = Now();
  }
  // Asked while the pointer is already elsewhere: the leave comes at once.
  WindowObject* under = WindowAtPoint(desk.cursor);
  if ((flags & TME_LEAVE) && under != w) {
    queue->Post(MakeMessage(w->handle, (flags & TME_NONCLIENT) ? WM_NCMOUSELEAVE : WM_MOUSELEAVE, 0, 0));
    tracking = MouseTracking{};
  }
  queue->Wake();
  return TRUE;
}

BOOL _TrackMouseEvent(LPTRACKMOUSEEVENT lpEventTrack) { return TrackMouseEvent(lpEventTrack); }

BOOL GetCursorPos(LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  Guard guard = UserLock::Acquire();
  *lpPoint = DesktopState::Instance().cursor;
  return TRUE;
}

BOOL SetCursorPos(int X, int Y) {
  Guard guard = UserLock::Acquire();
  DesktopState::Instance().cursor = POINT{X, Y};
  return TRUE;
}

UINT GetDoubleClickTime() {
  Guard guard = UserLock::Acquire();
  return DesktopState::Instance().doubleClickTime;
}
