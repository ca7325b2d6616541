#pragma once
// A scroll bar's model: a position within a range and a line size. A container
// creates, owns and drives its bars; the bar's drawing and its mouse handling
// come with the framework's controls.
#include "ui/core/CControlUI.h"

namespace SkinUI {

class CContainerUI;

class CScrollBarUI : public CControlUI {
 public:
  enum { DEFAULT_SCROLLBAR_SIZE = 16, DEFAULT_RANGE = 100, DEFAULT_LINE_SIZE = 8 };

  CScrollBarUI();
  ~CScrollBarUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  virtual CContainerUI* GetOwner() const;
  virtual void SetOwner(CContainerUI* pOwner);
  virtual bool IsHorizontal() const;
  virtual void SetHorizontal(bool bHorizontal = true);
  virtual int GetScrollRange() const;
  virtual void SetScrollRange(int nRange);
  virtual int GetScrollPos() const;
  virtual void SetScrollPos(int nPos);
  virtual int GetLineSize() const;
  virtual void SetLineSize(int nSize);

 private:
  CContainerUI* m_pOwner;
  bool m_bHorizontal;
  int m_nRange;
  int m_nScrollPos;
  int m_nLineSize;
};

}  // namespace SkinUI
