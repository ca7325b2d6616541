#pragma once
// Shows one of its children, the current page, over its whole inner rectangle and
// hides the others; selecting another page sends "tabselect".
#include "ui/core/control/CContainerUI.h"

namespace SkinUI {

class CTabLayoutUI : public CContainerUI {
 public:
  CTabLayoutUI();
  ~CTabLayoutUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  bool Add(CControlUI* pControl) override;
  bool AddAt(CControlUI* pControl, int iIndex) override;
  bool Remove(CControlUI* pControl) override;
  void RemoveAll() override;

  void SetPos(RECT rc) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;

  virtual bool SelectItemByControl(CControlUI* pControl);
  virtual bool SelectItem(int iIndex);

  // -1 when there is no page.
  int GetCurrentIndex() const;

 private:
  int m_iCurSel;
};

}  // namespace SkinUI
