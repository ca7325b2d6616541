#pragma once
// The process clock while the headless backend runs: time moves only when a test
// moves it, so timers, hover and double-click windows fall due deterministically.
#include <cstdint>

namespace platform::headless {

class VirtualClock {
 public:
  // Makes the virtual clock the process clock (GetTickCount and the layer's timers).
  static void Install();
  static uint64_t Now();
  static void Advance(uint64_t milliseconds);
  static void Set(uint64_t milliseconds);
};

}  // namespace platform::headless
