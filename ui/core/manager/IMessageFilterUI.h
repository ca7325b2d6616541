#pragma once
// What sees a window's messages before the window manager handles them.
#include "platform/win32.h"

namespace SkinUI {

class IMessageFilterUI {
 public:
  // Setting bHandled stops the handling; the return value is then the result.
  virtual LRESULT FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;

 protected:
  ~IMessageFilterUI() = default;
};

}  // namespace SkinUI
