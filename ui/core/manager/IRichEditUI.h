#pragma once
// What the window manager needs of a rich edit, a control whose class name is
// "RichEditUI": whether it takes the Tab key itself, and the colour its text (and
// so the caret of a layered window) is drawn in.
#include "platform/win32.h"

namespace SkinUI {

class IRichEditUI {
 public:
  virtual bool IsWantTab() = 0;
  // ARGB; 0 when the rich edit has no colour of its own.
  virtual DWORD GetTextColor() = 0;

 protected:
  ~IRichEditUI() = default;
};

}  // namespace SkinUI
