#pragma once
// What a window offers the skin builder for element names the builder does not know.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;

class IDialogBuilderCallback {
 public:
  // A new control for the element name, or null.
  virtual CControlUI* CreateControl(LPCTSTR pstrClass) = 0;

 protected:
  ~IDialogBuilderCallback() = default;
};

}  // namespace SkinUI
