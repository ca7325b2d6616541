// The caret of a thread: its position and visibility for the window that owns it. It
// goes with its window; on a window that is not layered the layer draws it.
#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/Caret.h"
#include "platform/user/CaretPainter.h"
#include "platform/user/DesktopState.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;

namespace {

// Lock held. The calling thread's caret, forgotten once its window is gone.
CaretState& LiveCaret() {
  CaretState& caret = ThreadQueue::Current()->caret;
  if (caret.hwnd && !FindWindowObject(caret.hwnd)) caret = CaretState{};
  return caret;
}

// Lock held.
void CaretChanged(HWND before) { CaretPainter::Changed(*ThreadQueue::Current(), FindWindowObject(before)); }

}  // namespace

BOOL CreateCaret(HWND hWnd, HBITMAP hBitmap, int nWidth, int nHeight) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || w->threadId != GetCurrentThreadId()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  CaretState& caret = LiveCaret();
  const HWND before = caret.hwnd;
  caret = CaretState{};
  caret.hwnd = hWnd;
  caret.bitmap = hBitmap;
  caret.width = nWidth ? nWidth : 1;
  caret.height = nHeight;
  CaretChanged(before);
  return TRUE;
}

BOOL DestroyCaret() {
  Guard guard = UserLock::Acquire();
  CaretState& caret = LiveCaret();
  if (!caret.hwnd) return FALSE;
  const HWND before = caret.hwnd;
  caret = CaretState{};
  CaretChanged(before);
  return TRUE;
}

BOOL ShowCaret(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  CaretState& caret = LiveCaret();
  if (!caret.hwnd || (hWnd && hWnd != caret.hwnd)) return FALSE;
  if (caret.hideCount > 0) --caret.hideCount;
  CaretChanged(caret.hwnd);
  return TRUE;
}

BOOL HideCaret(HWND hWnd) {
  Guard guard = UserLock::Acquire();
  CaretState& caret = LiveCaret();
  if (!caret.hwnd || (hWnd && hWnd != caret.hwnd)) return FALSE;
  ++caret.hideCount;
  CaretChanged(caret.hwnd);
  return TRUE;
}

BOOL SetCaretPos(int X, int Y) {
  Guard guard = UserLock::Acquire();
  CaretState& caret = LiveCaret();
  if (!caret.hwnd) return FALSE;  // callers rely on this failure to know no caret exists
  if (caret.pos.x == X && caret.pos.y == Y) return TRUE;
  caret.pos = POINT{X, Y};
  CaretChanged(caret.hwnd);
  return TRUE;
}

BOOL GetCaretPos(LPPOINT lpPoint) {
  if (!lpPoint) return FALSE;
  Guard guard = UserLock::Acquire();
  const CaretState& caret = LiveCaret();
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
