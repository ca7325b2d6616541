#pragma once
// What a key types on a US layout, for backends that report keys without text (the
// headless backend) and for key messages a program posts itself.
#include <array>
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::user {

class KeyboardLayout {
 public:
  // The characters `vk` types with `keys` (a key-state array) held; empty for keys
  // that type nothing (arrows, function keys, Alt).
  static std::wstring Text(UINT vk, const std::array<BYTE, 256>& keys);
};

}  // namespace platform::user
