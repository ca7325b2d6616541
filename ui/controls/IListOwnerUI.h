#pragma once
// What a row needs of the control that holds it (a list, a combo box): the shared
// look, the selection, and a handler for the input the row does not use, so that
// arrow keys and the wheel work while a row has the focus. Code that only knows a
// control asks it for "IListOwner".
#include "platform/win32.h"
#include "ui/core/control/UIEventRecord.h"

namespace SkinUI {

struct ListItemInfo;

class IListOwnerUI {
 public:
  virtual ListItemInfo* GetListInfo() = 0;
  // -1 for none.
  virtual int GetCurSel() const = 0;
  virtual bool SelectItem(int iIndex, bool bTakeFocus = false) = 0;
  virtual void HandleEvent(UIEventRecord& event) = 0;

 protected:
  ~IListOwnerUI() = default;
};

}  // namespace SkinUI
