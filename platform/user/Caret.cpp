// The caret of a thread: its position and visibility for the window that owns it.
#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/Caret.h"
#include "platform/user/DesktopState.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;

BOOL CreateCaret(HWND hWnd, HBITMAP hBitmap, int nWidth, int nHeight) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || w->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  CaretState& caret = ThreadQueue::Current()->caret;
  caret = CaretState{};
  caret.hwnd = hWnd;
  caret.bitmap = hBitmap;
  caret.width = nWidth ? nWidth : 1;
  caret.height = nHeight;
  return TRUE;
}

BOOL DestroyCaret() {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  if (!queue->caret.hwnd) return FALSE;
  queue->caret = CaretState{};
  return TRUE;
}

BOOL ShowCaret(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  CaretState& caret = ThreadQueue::Current()->caret;
  if (!caret.hwnd || (hWnd && hWnd != caret.hwnd)) return FALSE;
  if (caret.hideCount > 0) --caret.hideCount;
  return TRUE;
}

BOOL HideCaret(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  CaretState& caret = ThreadQueue::Current()->caret;
  if (!caret.hwnd || (hWnd && hWnd != caret.hwnd)) return FALSE;
  ++caret.hideCount;
  return TRUE;
}

BOOL SetCaretPos(int X, int Y) {
  Guard guard = UserLock::Acquire();
  CaretState& caret = ThreadQueue::Current()->caret;
  if (!caret.hwnd) return FALSE;  // callers rely on this failure to know no caret exists
  caret.pos = POINT{X, Y};
  return TRUE;
}

BOOL GetCaretPos(LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  Guard guard = UserLock::Acquire();
  const CaretState& caret = ThreadQueue::Current()->caret;
  if (!caret.hwnd) return FALSE;
  *lpPoint = caret.pos;
  return TRUE;
}

UINT GetCaretBlinkTime() {
  Guard guard = UserLock::Acquire();
  return DesktopState::Instance().caretBlinkTime;
}

BOOL SetCaretBlinkTime(UINT uMSeconds) {
  Guard guard = UserLock::Acquire();
  DesktopState::Instance().caretBlinkTime = uMSeconds;
  return TRUE;
}
