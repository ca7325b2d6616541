#pragma once
// How X key symbols become the layer's keys: virtual-key codes and the text a key
// types. Pure functions of the key symbols, so the tables are tested without a display.
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::x11 {

class KeyMap {
 public:
  // `base` is the key's symbol without modifiers (its first level), `modified` the
  // symbol with the modifiers held. Keys name the key, not the character, as on
  // Windows: shifted digits stay digits. Keypad keys follow NumLock through
  // `modified`. 0 when the key has no virtual-key code.
  static UINT VirtualKey(unsigned long base, unsigned long modified);
  // The character a key symbol stands for; 0 when none.
  static wchar_t Character(unsigned long keysym);
  // The text handed to the layer with a key press. Empty where the layer's own
  // Windows rules decide: control characters, Ctrl chords, keys that type nothing.
  static std::wstring TypedText(unsigned long keysym, bool control, bool alt);
};

}  // namespace platform::x11
