#pragma once
// What a backend that sees the whole desktop offers beyond its own surfaces: the
// top-level windows of other processes, found by title and restored, as the
// single-instance start needs. Reached by a dynamic_cast of the active backend;
// a backend without it finds nothing.
//
// A foreign window travels as an HWND whose two low bits are 01: the layer's own
// handles are multiples of four, so the two never meet, and the value still fits
// in a LONG. Calls on such a handle through the layer fail harmlessly.
#include <cstdint>
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::backend {

class ForeignWindows {
 public:
  virtual ~ForeignWindows() = default;

  // A window of another process whose title is exactly `title`, or null. Waits
  // a bounded time for the desktop's answer; call it without the layer's lock.
  virtual HWND FindForeignWindow(const std::wstring& title) = 0;
  // Shows, un-minimises, raises and activates a window FindForeignWindow gave.
  // False when the handle is not a foreign window or that window is gone.
  virtual bool RestoreForeignWindow(HWND foreign) = 0;

  static bool IsForeignHandle(HWND hwnd) { return (uintptr_t(hwnd) & 3u) == 1u; }
  static HWND MakeForeignHandle(uint32_t nativeId) { return HWND((uintptr_t(nativeId) << 2) | 1u); }
  static uint32_t NativeIdOf(HWND hwnd) { return uint32_t(uintptr_t(hwnd) >> 2); }
};

}  // namespace platform::backend
