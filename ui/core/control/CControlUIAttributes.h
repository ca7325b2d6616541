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
};

}  // namespace SkinUI
