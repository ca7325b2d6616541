#pragma once
// The skin-attribute vocabulary every control inherits: a name and its text value
// become a call of the control's setters. Names are compared exactly; an unknown name
// changes nothing, so that controls can pass down every name they do not know.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;

class CControlUIAttributes {
 public:
  CControlUIAttributes() = delete;

  static void Apply(CControlUI& control, LPCTSTR pstrName, LPCTSTR pstrValue);

  // Told of every name that reached the base control unknown, so that a check of the
  // skins can name a misspelt attribute; the program leaves it unset.
  using UnknownNameHook = void (*)(CControlUI& control, LPCTSTR pstrName, LPCTSTR pstrValue);
  static void SetUnknownNameHook(UnknownNameHook hook);
};

}  // namespace SkinUI
