#pragma once
// What listens to the notifications of a window's controls.
#include "ui/core/manager/UINotifyRecord.h"

namespace SkinUI {

class INotifyUI {
 public:
  virtual void Notify(UINotifyRecord& msg) = 0;

 protected:
  ~INotifyUI() = default;
};

}  // namespace SkinUI
