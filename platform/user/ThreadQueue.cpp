#include "platform/user/ThreadQueue.h"

#include <algorithm>
#include <chrono>

#include "platform/base/Module.h"
#include "platform/user/CaretPainter.h"
#include "platform/user/DesktopState.h"
#include "platform/user/InputTranslator.h"
#include "platform/user/Input.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/QueueRegistry.h"
#include "platform/user/WindowHelpers.h"
#include "platform/user/WindowLifecycle.h"
#include "platform/user/WindowTable.h"

namespace platform::user {
namespace {

// Owns the calling thread's queue; its destructor runs as the thread ends.
class QueueHolder {
 public:
  ~QueueHolder() {
    if (!queue) return;
    Guard guard = UserLock::Acquire();
    queue->alive = false;
    DiscardWindowsOfQueue(queue);
    queue->AbandonSent(nullptr);
    QueueRegistry::Instance().Remove(queue);
    delete queue;
    queue = nullptr;
  }
  ThreadQueue* queue = nullptr;
};

thread_local QueueHolder t_holder;

}  // namespace

ThreadQueue* ThreadQueue::Current() {
  if (!t_holder.queue) {
    t_holder.queue = new ThreadQueue(GetCurrentThreadId());
    QueueRegistry::Instance().Add(t_holder.queue);
  }
  return t_holder.queue;
}

ThreadQueue* ThreadQueue::CurrentIfAny() { return t_holder.queue; }

ThreadQueue::ThreadQueue(DWORD id) : threadId(id) {}

ThreadQueue::~ThreadQueue() = default;

void ThreadQueue::Wake() {
  cv.notify_all();
  QueueRegistry::Instance().NotifyChanged();
}

void ThreadQueue::Post(const MSG& msg) {
  posted.push_back(msg);
  Wake();
}

void ThreadQueue::PostFirst(const MSG& msg) {
  posted.push_front(msg);
  Wake();
}

void ThreadQueue::AddInput(RawInput raw) {
  raw.serial = nextInputSerial++;
  input.push_back(std::move(raw));
  Wake();
}

void ThreadQueue::AddSent(std::shared_ptr<SentMessage> item) {
  sent.push_back(std::move(item));
  Wake();
}

void ThreadQueue::AbandonSent(HWND hwnd) {
  for (auto it = sent.begin(); it != sent.end();) {
    if (hwnd && (*it)->hwnd != hwnd) {
      ++it;
      continue;
    }
    (*it)->result = 0;
    (*it)->done = true;
    if ((*it)->sender) (*it)->sender->cv.notify_all();
    it = sent.erase(it);
  }
}

void ThreadQueue::DropPosted(HWND hwnd) {
  posted.erase(std::remove_if(posted.begin(), posted.end(), [hwnd](const MSG& m) { return m.hwnd == hwnd; }),
               posted.end());
  input.erase(std::remove_if(input.begin(), input.end(), [hwnd](const RawInput& r) { return r.target == hwnd; }),
              input.end());
}

void ThreadQueue::DropTimers(HWND hwnd) {
  timers.erase(
      std::remove_if(timers.begin(), timers.end(), [hwnd](const TimerEntry& t) { return t.hwnd == hwnd; }),
      timers.end());
}

bool ThreadQueue::ProcessOneSent(Guard& guard) {
  if (sent.empty()) return false;
  std::shared_ptr<SentMessage> item = sent.front();
  sent.pop_front();
  ++sendDepth;
  LRESULT result = 0;
  if (item->task) {
    guard.unlock();
    result = item->task();
    guard.lock();
  } else if (WindowObject* w = FindWindowObject(item->hwnd)) {
    WNDPROC proc = w->proc;
    guard.unlock();
    result = proc ? proc(item->hwnd, item->message, item->wParam, item->lParam) : 0;
    guard.lock();
  }
  --sendDepth;
  item->result = result;
  item->done = true;
  if (item->sender) item->sender->cv.notify_all();
  return true;
}

bool ThreadQueue::Retrieve(Guard& guard, MSG* out, const MessageFilter& filter, UINT flags, bool block) {
  gui = true;
  for (;;) {
    while (ProcessOneSent(guard)) {
    }
    if (TakePosted(filter, flags, out)) {
      Retrieved(*out);
      return true;
    }
    const InputTranslator::Result input = InputTranslator::Next(guard, *this, filter, flags & PM_REMOVE, out);
    if (input == InputTranslator::Result::Retry) continue;
    if (input == InputTranslator::Result::Message) {
      Retrieved(*out);
      return true;
    }
    if (TakeQuit(filter, flags, out)) return true;
    if (TakePaint(filter, out)) {
      Retrieved(*out);
      return true;
    }
    if (TakeTimer(filter, flags, out)) {
      Retrieved(*out);
      return true;
    }
    if (FireHover()) continue;
    if (CaretPainter::Blink(*this)) continue;
    if (!block) return false;
    waiting = true;
    waitFilter = filter;
    QueueRegistry::Instance().NotifyChanged();
    WaitForWork(guard);
    waiting = false;
  }
}

bool ThreadQueue::HasWork(const MessageFilter& filter, uint64_t now) const {
  if (!sent.empty()) return true;
  for (const MSG& m : posted) {
    if (filter.Matches(m.hwnd, m.message)) return true;
  }
  if (!input.empty()) return true;
  if (quitPosted && filter.InRange(WM_QUIT)) return true;
  MSG ignored;
  if (TakePaint(filter, &ignored)) return true;
  return NextDue() <= now;
}

uint64_t ThreadQueue::NextDue() const {
  uint64_t next = UINT64_MAX;
  for (const TimerEntry& t : timers) next = std::min(next, t.due);
  if (tracking.hwnd && (tracking.flags & TME_HOVER)) next = std::min(next, tracking.anchorTime + tracking.hoverTime);
  return std::min(next, CaretPainter::NextBlink(*this));
}

bool ThreadQueue::TakePosted(const MessageFilter& filter, UINT flags, MSG* out) {
  for (auto it = posted.begin(); it != posted.end(); ++it) {
    if (!filter.Matches(it->hwnd, it->message)) continue;
    *out = *it;
    if (flags & PM_REMOVE) posted.erase(it);
    return true;
  }
  return false;
}

bool ThreadQueue::TakeQuit(const MessageFilter& filter, UINT flags, MSG* out) {
  if (!quitPosted || !filter.InRange(WM_QUIT)) return false;
  *out = MakeMessage(nullptr, WM_QUIT, WPARAM(quitCode), 0);
  if (flags & PM_REMOVE) quitPosted = false;
  return true;
}

bool ThreadQueue::TakePaint(const MessageFilter& filter, MSG* out) const {
  for (WindowObject* w : WindowsOfQueue(this)) {
    if (!w->internalPaint && !pixman_region32_not_empty(&w->update)) continue;
    if (!IsShownOnScreen(w) || !filter.WantsWindow(w->handle) || !filter.InRange(WM_PAINT)) continue;
    *out = MakeMessage(w->handle, WM_PAINT, 0, 0);
    return true;
  }
  return false;
}

bool ThreadQueue::TakeTimer(const MessageFilter& filter, UINT flags, MSG* out) {
  if (!filter.InRange(WM_TIMER)) return false;
  const uint64_t now = Now();
  TimerEntry* due = nullptr;
  for (TimerEntry& t : timers) {
    if (t.due > now || !filter.WantsWindow(t.hwnd)) continue;
    if (!due || t.due < due->due) due = &t;
  }
  if (!due) return false;
  *out = MakeMessage(due->hwnd, WM_TIMER, due->id, LPARAM(due->proc));
  // Coalesced: however late, one WM_TIMER, and the next one a full period later.
  if (flags & PM_REMOVE) due->due = now + due->elapse;
  return true;
}

bool ThreadQueue::FireHover() {
  if (!tracking.hwnd || !(tracking.flags & TME_HOVER)) return false;
  if (Now() < tracking.anchorTime + tracking.hoverTime) return false;
  tracking.flags &= ~DWORD(TME_HOVER);
  WindowObject* w = FindWindowObject(tracking.hwnd);
  if (!w) return false;
  const DesktopState& desk = DesktopState::Instance();
  const POINT origin = ClientOriginOnScreen(w);
  WPARAM keys = 0;
  if (desk.keys[0x01] & 0x80) keys |= MK_LBUTTON;
  if (desk.keys[0x02] & 0x80) keys |= MK_RBUTTON;
  if (desk.keys[0x04] & 0x80) keys |= MK_MBUTTON;
  if (desk.keys[0x10] & 0x80) keys |= MK_SHIFT;
  if (desk.keys[0x11] & 0x80) keys |= MK_CONTROL;
  const bool nonClient = (tracking.flags & TME_NONCLIENT) != 0;
  LPARAM lp = nonClient ? MAKELPARAM(desk.cursor.x, desk.cursor.y)
                        : MAKELPARAM(desk.cursor.x - origin.x, desk.cursor.y - origin.y);
  Post(MakeMessage(tracking.hwnd, nonClient ? WM_NCMOUSEHOVER : WM_MOUSEHOVER,
                          nonClient ? WPARAM(HTCLIENT) : keys, lp));
  return true;
}

void ThreadQueue::WaitForWork(Guard& guard) {
  backend::Backend* b = ActiveBackend();
  const uint64_t due = NextDue();
  if ((b && b->ClockIsVirtual()) || due == UINT64_MAX) {
    cv.wait(guard);
    return;
  }
  const uint64_t now = Now();
  if (due <= now) return;
  cv.wait_for(guard, std::chrono::milliseconds(due - now));
}

void ThreadQueue::Retrieved(const MSG& msg) {
  lastMessage = msg;
}

}  // namespace platform::user
