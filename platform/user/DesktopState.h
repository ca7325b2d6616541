#pragma once
// Process-wide input state: the foreground window, the capture, the pointer, the
// keys as they are now, and the last click (for double clicks). Under the user lock.
#include <array>
#include <cstdint>

#include "platform/backend/BackendTypes.h"
#include "platform/base/WinTypes.h"

namespace platform::user {

struct LastClick {
  HWND hwnd = nullptr;
  UINT message = 0;  // the button-down message, client or non-client
  POINT screen{};
  uint64_t time = 0;
  bool valid = false;
};

class DesktopState {
 public:
  static DesktopState& Instance();

  HWND foreground = nullptr;
  // The foreground window when the keyboard last went to another program: only a
  // program that had one is reactivated when the keyboard comes back.
  HWND keyboardLeftFrom = nullptr;
  HWND capture = nullptr;
  POINT cursor{0, 0};
  std::array<BYTE, 256> keys{};
  LastClick lastClick;
  HCURSOR currentCursor = nullptr;
  UINT doubleClickTime = 500;
  UINT caretBlinkTime = 530;

 private:
  DesktopState() = default;
};

}  // namespace platform::user
