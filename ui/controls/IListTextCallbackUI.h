#pragma once
// Supplies the text of each cell of a multi-column text row, so that a window can
// show a large table without storing its texts in the rows.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;

class IListTextCallbackUI {
 public:
  virtual LPCTSTR GetItemText(CControlUI* pList, int iItem, int iSubItem) = 0;

 protected:
  ~IListTextCallbackUI() = default;
};

}  // namespace SkinUI
