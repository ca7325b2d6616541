// Timers: per thread, on the process clock, coalesced.
#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/Timer.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;

UINT_PTR SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT uElapse, TIMERPROC lpTimerFunc) {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  if (hWnd) {
    WindowObject* w = FindWindowObject(hWnd);
    if (!w) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    if (w->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_ACCESS_DENIED);
      return 0;
    }
  }
  if (uElapse < USER_TIMER_MINIMUM) uElapse = USER_TIMER_MINIMUM;
  if (uElapse > USER_TIMER_MAXIMUM) uElapse = USER_TIMER_MAXIMUM;
  UINT_PTR id = nIDEvent;
  TimerEntry* existing = nullptr;
  for (TimerEntry& t : queue->timers) {
    if (t.hwnd == hWnd && t.id == id) existing = &t;
  }
  if (!hWnd && !existing) id = queue->nextThreadTimerId++;
  TimerEntry entry;
  entry.hwnd = hWnd;
  entry.id = id;
  entry.elapse = uElapse;
  entry.proc = lpTimerFunc;
  entry.due = Now() + uElapse;
  if (existing) {
    *existing = entry;  // same window and id: the timer starts over
  } else {
    queue->timers.push_back(entry);
  }
  queue->Wake();
  if (!hWnd) return id;
  return id ? id : 1;
}

BOOL KillTimer(HWND hWnd, UINT_PTR uIDEvent) {
  Guard guard = UserLock::Acquire();
  if (hWnd) {
    WindowObject* w = FindWindowObject(hWnd);
    if (!w || w->threadId != GetCurrentThreadId()) {
      SetLastError(w ? ERROR_ACCESS_DENIED : ERROR_INVALID_WINDOW_HANDLE);
      return FALSE;
    }
  }
  ThreadQueue* queue = ThreadQueue::Current();
  for (auto it = queue->timers.begin(); it != queue->timers.end(); ++it) {
    if (it->hwnd == hWnd && it->id == uIDEvent) {
      queue->timers.erase(it);
      return TRUE;
    }
  }
  SetLastError(ERROR_INVALID_PARAMETER);
  return FALSE;
}
