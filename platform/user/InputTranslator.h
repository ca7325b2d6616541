#pragma once
// Turns raw input waiting in a thread's queue into the messages the thread retrieves,
// the way Windows does it on the receiving thread: WM_NCHITTEST picks client or
// non-client messages, WM_MOUSEACTIVATE and WM_SETCURSOR go out first, double clicks
// are made for classes with CS_DBLCLKS, keys go to the thread's focus window.
#include "platform/user/MessageFilter.h"
#include "platform/user/ThreadQueue.h"

namespace platform::user {

class InputTranslator {
 public:
  enum class Result { None, Message, Retry };

  // Lock held; it is let go while window procedures run, and then Retry says the
  // queue must be looked at again.
  static Result Next(Guard& guard, ThreadQueue& queue, const MessageFilter& filter, bool remove, MSG* out);

 private:
  // Lock not held. False when the input goes nowhere.
  static bool Translate(ThreadQueue& queue, const RawInput& raw, MSG* out);
  static bool TranslateMouse(ThreadQueue& queue, const RawInput& raw, MSG* out);
  static bool TranslateKeyboard(ThreadQueue& queue, const RawInput& raw, MSG* out);
};

}  // namespace platform::user
