#pragma once
// What every row of a list, combo box, tree or menu implements: its place among its
// owner's rows, its owner, its selection and its text drawing. Code that only knows
// a control asks it for "ListItem".
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;
class IListOwnerUI;

class IListItemUI {
 public:
  virtual int GetIndex() const = 0;
  virtual void SetIndex(int iIndex) = 0;
  virtual IListOwnerUI* GetOwner() const = 0;
  // Keeps the control's "IListOwner" part; a control without one leaves no owner.
  virtual void SetOwner(CControlUI* pOwner) = 0;
  virtual bool IsSelected() const = 0;
  // False for a disabled row, which keeps its state.
  virtual bool Select(bool bSelect = true) = 0;
  virtual bool IsExpanded() const = 0;
  virtual bool Expand(bool bExpand = true) = 0;
  virtual void DrawItemText(HDC hDC, const RECT& rcItem) = 0;

 protected:
  ~IListItemUI() = default;
};

}  // namespace SkinUI
