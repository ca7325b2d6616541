// Retrieving, posting, sending and dispatching messages.
#include <map>
#include <string>

#include "platform/base/Error.h"
#include "platform/base/Module.h"
#include "platform/user/DesktopState.h"
#include "platform/user/KeyboardLayout.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/QueueRegistry.h"
#include "platform/user/Timer.h"
#include "platform/user/Window.h"
#include "platform/user/WindowHelpers.h"

using namespace platform::user;

namespace {

BOOL Retrieve(LPMSG msg, HWND hwnd, UINT min, UINT max, UINT flags, bool block) {
  MSG local{};
  if (!msg) msg = &local;
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  if (!queue->Retrieve(guard, msg, MessageFilter(hwnd, min, max), flags, block)) return FALSE;
  return TRUE;
}

bool KnownTimerProc(HWND hwnd, UINT_PTR id, LPARAM proc) {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  for (const TimerEntry& t : queue->timers) {
    if (t.hwnd == hwnd && t.id == id && LPARAM(t.proc) == proc) return true;
  }
  return false;
}

}  // namespace

BOOL GetMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax) {
  MSG local{};
  LPMSG msg = lpMsg ? lpMsg : &local;
  Retrieve(msg, hWnd, wMsgFilterMin, wMsgFilterMax, PM_REMOVE, true);
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL PeekMessageW(LPMSG lpMsg, HWND hWnd, UINT wMsgFilterMin, UINT wMsgFilterMax, UINT wRemoveMsg) {
  return Retrieve(lpMsg, hWnd, wMsgFilterMin, wMsgFilterMax, wRemoveMsg, false);
}

BOOL WaitMessage() {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  queue->gui = true;
  const MessageFilter all;
  while (!queue->HasWork(all, Now())) {
    if (queue->ProcessOneSent(guard)) continue;
    queue->waiting = true;
    queue->waitFilter = all;
    QueueRegistry::Instance().NotifyChanged();
    queue->cv.wait(guard);
    queue->waiting = false;
  }
  return TRUE;
}

BOOL TranslateMessage(const MSG* lpMsg) {
  if (!lpMsg || (lpMsg->message != WM_KEYDOWN && lpMsg->message != WM_SYSKEYDOWN)) return FALSE;
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  const MSG& last = queue->lastKeyMessage;
  const bool same = last.hwnd == lpMsg->hwnd && last.message == lpMsg->message && last.wParam == lpMsg->wParam &&
                    last.lParam == lpMsg->lParam && last.time == lpMsg->time;
  const std::wstring text = same ? queue->lastKeyText : KeyboardLayout::Text(UINT(lpMsg->wParam), queue->keys);
  if (text.empty()) return FALSE;
  const UINT message = lpMsg->message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  // The characters come next, before anything posted earlier.
  for (auto it = text.rbegin(); it != text.rend(); ++it) {
    MSG ch = *lpMsg;
    ch.message = message;
    ch.wParam = WPARAM(*it);
    queue->PostFirst(ch);
  }
  return TRUE;
}

LRESULT DispatchMessageW(const MSG* lpMsg) {
  if (!lpMsg) return 0;
  if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
    if (!KnownTimerProc(lpMsg->hwnd, lpMsg->wParam, lpMsg->lParam)) return 0;
    TIMERPROC proc = TIMERPROC(lpMsg->lParam);
    proc(lpMsg->hwnd, WM_TIMER, lpMsg->wParam, DWORD(Now()));
    return 0;
  }
  if (!lpMsg->hwnd) return 0;
  WNDPROC proc;
  {
    Guard guard = UserLock::Acquire();
    WindowObject* w = FindWindowObject(lpMsg->hwnd);
    if (!w || w->threadId != GetCurrentThreadId()) {
      SetLastError(ERROR_INVALID_WINDOW_HANDLE);
      return 0;
    }
    proc = w->proc;
  }
  return proc ? proc(lpMsg->hwnd, lpMsg->message, lpMsg->wParam, lpMsg->lParam) : 0;
}

BOOL PostMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  if (!hWnd) return PostThreadMessageW(GetCurrentThreadId(), Msg, wParam, lParam);
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || IsDesktop(w) || w->state == WindowObject::State::Destroying) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  w->queue->Post(MakeMessage(hWnd, Msg, wParam, lParam));
  return TRUE;
}

BOOL PostThreadMessageW(DWORD idThread, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = idThread == GetCurrentThreadId() ? ThreadQueue::Current()
                                                        : QueueRegistry::Instance().FindThread(idThread);
  if (!queue) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  queue->Post(MakeMessage(nullptr, Msg, wParam, lParam));
  return TRUE;
}

LRESULT SendMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  return SendMessageInternal(hWnd, Msg, wParam, lParam);
}

LRESULT SendMessageTimeoutW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam, UINT, UINT,
                            DWORD_PTR* lpdwResult) {
  if (!IsWindow(hWnd)) return 0;
  const LRESULT result = SendMessageInternal(hWnd, Msg, wParam, lParam);
  if (lpdwResult) *lpdwResult = DWORD_PTR(result);
  return 1;
}

BOOL SendNotifyMessageW(HWND hWnd, UINT Msg, WPARAM wParam, LPARAM lParam) {
  Guard guard = UserLock::Acquire();
  WindowObject* w = FindWindowObject(hWnd);
  if (!w || IsDesktop(w)) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  if (w->threadId == GetCurrentThreadId()) {
    guard.unlock();
    SendMessageInternal(hWnd, Msg, wParam, lParam);
    return TRUE;
  }
  auto item = std::make_shared<SentMessage>();
  item->hwnd = hWnd;
  item->message = Msg;
  item->wParam = wParam;
  item->lParam = lParam;
  w->queue->AddSent(item);
  return TRUE;
}

void PostQuitMessage(int nExitCode) {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  queue->quitPosted = true;
  queue->quitCode = nExitCode;
  queue->Wake();
}

BOOL InSendMessage() {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::CurrentIfAny();
  return queue && queue->sendDepth > 0 ? TRUE : FALSE;
}

DWORD GetQueueStatus(UINT flags) {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::Current();
  DWORD status = 0;
  if (!queue->posted.empty() || queue->quitPosted) status |= QS_POSTMESSAGE;
  if (!queue->sent.empty()) status |= QS_SENDMESSAGE;
  if (!queue->input.empty()) status |= QS_INPUT;
  if (queue->NextDue() <= Now()) status |= QS_TIMER;
  MSG ignored;
  (void)ignored;
  return (status & flags) << 16 | (status & flags);
}

LONG GetMessageTime() {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::CurrentIfAny();
  return queue ? LONG(queue->lastMessage.time) : 0;
}

DWORD GetMessagePos() {
  Guard guard = UserLock::Acquire();
  ThreadQueue* queue = ThreadQueue::CurrentIfAny();
  if (!queue) return 0;
  return DWORD(MAKELONG(queue->lastMessage.pt.x, queue->lastMessage.pt.y));
}

UINT RegisterWindowMessageW(LPCWSTR lpString) {
  static std::map<std::wstring, UINT>* registered = new std::map<std::wstring, UINT>;
  if (!lpString || !*lpString) return 0;
  Guard guard = UserLock::Acquire();
  auto it = registered->find(lpString);
  if (it != registered->end()) return it->second;
  const UINT id = UINT(0xC100 + registered->size());
  (*registered)[lpString] = id;
  return id;
}
