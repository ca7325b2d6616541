#pragma once
// A row owner with a header of columns and a scrolling body: the list and the
// classes built on it. Code that only knows a control asks it for "IList".
#include "ui/controls/IListOwnerUI.h"

namespace SkinUI {

class CContainerUI;
class CListHeaderUI;
class IListTextCallbackUI;

class IListUI : public IListOwnerUI {
 public:
  // Null once the header was removed from the list.
  virtual CListHeaderUI* GetHeader() const = 0;
  // The container that holds the rows.
  virtual CContainerUI* GetList() const = 0;
  virtual IListTextCallbackUI* GetTextCallback() const = 0;
  // Not owned: the callback outlives the list.
  virtual void SetTextCallback(IListTextCallbackUI* pCallback) = 0;
  virtual bool ExpandItem(int iIndex, bool bExpand = true) = 0;
  // -1 for none.
  virtual int GetExpandedItem() const = 0;

 protected:
  ~IListUI() = default;
};

}  // namespace SkinUI
