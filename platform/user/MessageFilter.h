#pragma once
// The window and message range a GetMessageW or PeekMessageW call asks for.
#include "platform/base/WinTypes.h"

namespace platform::user {

class WindowObject;

class MessageFilter {
 public:
  MessageFilter() = default;
  MessageFilter(HWND window, UINT first, UINT last) : hwnd(window), min(first), max(last) {}

  bool InRange(UINT message) const {
    if (min == 0 && max == 0) return true;
    if (min <= max) return message >= min && message <= max;
    return message >= min || message <= max;  // an inverted range excludes the middle
  }
  // Caller holds the user lock; `target` may be null (a thread message).
  bool WantsWindow(HWND target) const;
  bool Matches(HWND target, UINT message) const { return InRange(message) && WantsWindow(target); }

  HWND hwnd = nullptr;
  UINT min = 0;
  UINT max = 0;
};

}  // namespace platform::user
