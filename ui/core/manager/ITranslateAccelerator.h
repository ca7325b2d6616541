#pragma once
// What the message loops offer every message to before dispatching it.
#include "platform/win32.h"

namespace SkinUI {

class ITranslateAccelerator {
 public:
  // 0 when the message was translated and must not be dispatched.
  virtual LRESULT TranslateAccelerator(MSG* pMsg) = 0;

 protected:
  ~ITranslateAccelerator() = default;
};

}  // namespace SkinUI
