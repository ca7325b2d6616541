#pragma once
// The message queue of one thread, with the per-thread input state (focus, active
// window, key state as of the last message retrieved, caret, mouse tracking) and the
// thread's timers. Guarded by the user lock; created on a thread's first use and
// torn down with the thread, destroying the windows it still owns.
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/user/MessageFilter.h"
#include "platform/user/Timer.h"
#include "platform/user/UserLock.h"

namespace platform::user {

class ThreadQueue;

// A message sent from another thread, or a call carried out for another thread.
struct SentMessage {
  HWND hwnd = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;
  std::function<LRESULT()> task;
  LRESULT result = 0;
  bool done = false;
  ThreadQueue* sender = nullptr;  // null: nobody waits for the answer
};

enum class InputKind { Mouse, Wheel, Key, Char };

struct RawInput {
  InputKind kind = InputKind::Mouse;
  UINT mouseMessage = 0;  // WM_MOUSEMOVE, WM_LBUTTONDOWN, ...
  POINT screen{};
  HWND target = nullptr;  // mouse: the window under the pointer or holding the capture
  UINT vk = 0;
  bool down = false;
  bool repeat = false;
  std::wstring text;
  int wheelDelta = 0;
  std::array<BYTE, 256> keys{};
  DWORD time = 0;
  uint64_t serial = 0;
  bool translated = false;  // `msg` holds what it became (a peek may look twice)
  MSG msg{};
};

struct TimerEntry {
  HWND hwnd = nullptr;
  UINT_PTR id = 0;
  UINT elapse = 0;
  TIMERPROC proc = nullptr;
  uint64_t due = 0;
};

struct MouseTracking {
  HWND hwnd = nullptr;
  DWORD flags = 0;  // TME_HOVER, TME_LEAVE, TME_NONCLIENT still armed
  DWORD hoverTime = 400;
  POINT anchor{};
  uint64_t anchorTime = 0;
};

struct CaretState {
  HWND hwnd = nullptr;
  HBITMAP bitmap = nullptr;
  int width = 0;
  int height = 0;
  POINT pos{};
  int hideCount = 1;  // a new caret is hidden
  bool blinkOn = true;     // in the shown half of its blink
  uint64_t nextBlink = 0;  // when it next changes half
};

class ThreadQueue {
 public:
  // The calling thread's queue, created on first use. Caller holds the user lock.
  static ThreadQueue* Current();
  static ThreadQueue* CurrentIfAny();

  explicit ThreadQueue(DWORD threadId);
  ~ThreadQueue();

  // Wakes the thread and tells the idle watchers something changed.
  void Wake();
  void Post(const MSG& msg);
  void PostFirst(const MSG& msg);
  void AddInput(RawInput input);
  void AddSent(std::shared_ptr<SentMessage> sent);
  // Answers every pending sent message for `hwnd` (all of them when null) with 0.
  void AbandonSent(HWND hwnd);
  void DropPosted(HWND hwnd);
  void DropTimers(HWND hwnd);

  // Runs one incoming sent message; lets go of the lock while it runs.
  bool ProcessOneSent(Guard& guard);
  // GetMessageW (block) and PeekMessageW. False when nothing matched (or WM_QUIT
  // for GetMessageW, which the caller tells by the message).
  bool Retrieve(Guard& guard, MSG* out, const MessageFilter& filter, UINT flags, bool block);
  // Whether a waiting Retrieve with `filter` would find something at time `now`.
  bool HasWork(const MessageFilter& filter, uint64_t now) const;
  // The earliest time a timer or hover falls due; UINT64_MAX when none.
  uint64_t NextDue() const;

  DWORD threadId;
  std::condition_variable cv;
  bool alive = true;
  bool gui = false;       // has created a window or retrieved a message
  bool waiting = false;   // blocked in GetMessageW/WaitMessage with nothing to do
  MessageFilter waitFilter;
  int sendDepth = 0;      // InSendMessage

  std::deque<MSG> posted;
  std::deque<RawInput> input;
  std::deque<std::shared_ptr<SentMessage>> sent;
  bool quitPosted = false;
  int quitCode = 0;
  std::vector<TimerEntry> timers;
  UINT_PTR nextThreadTimerId = 0x7F00;
  uint64_t nextInputSerial = 1;

  HWND focus = nullptr;
  HWND active = nullptr;
  std::array<BYTE, 256> keys{};
  MouseTracking tracking;
  CaretState caret;
  MSG lastMessage{};
  std::wstring lastKeyText;   // what the last WM_KEYDOWN retrieved types
  MSG lastKeyMessage{};

 private:
  bool TakePosted(const MessageFilter& filter, UINT flags, MSG* out);
  bool TakeQuit(const MessageFilter& filter, UINT flags, MSG* out);
  bool TakePaint(const MessageFilter& filter, MSG* out) const;
  bool TakeTimer(const MessageFilter& filter, UINT flags, MSG* out);
  bool FireHover();
  void WaitForWork(Guard& guard);
  void Retrieved(const MSG& msg);
};

}  // namespace platform::user
