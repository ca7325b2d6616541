#pragma once
// A scroll bar: two arrow buttons, a thumb sized in proportion to the visible part
// with a grip in its middle, and a background. A container creates, owns and drives
// its bars; clicks, drags and held buttons on a bar with an owner become the owner's
// line, page and position operations, and a bar without one scrolls its own
// position and reports "scroll".
#include "ui/core/control/CControlUI.h"
#include "ui/core/render/CImageAttribute.h"

namespace SkinUI {

class CContainerUI;

class CScrollBarUI : public CControlUI {
 public:
  enum { DEFAULT_SCROLLBAR_SIZE = 16, DEFAULT_RANGE = 100, DEFAULT_LINE_SIZE = 8 };
  // The manager timer that repeats held buttons and applies thumb drags.
  enum : UINT { REPEAT_TIMER_ID = 10, REPEAT_TIMER_ELAPSE = 50 };

  CScrollBarUI();
  ~CScrollBarUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetPos(RECT rc) override;
  void SetEnabled(bool bEnable = true) override;
  void SetFocus() override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;

  CContainerUI* GetOwner() const;
  void SetOwner(CContainerUI* pOwner);
  bool IsHorizontal() const;
  void SetHorizontal(bool bHorizontal = true);
  int GetScrollRange() const;
  void SetScrollRange(int nRange);
  int GetScrollPos() const;
  void SetScrollPos(int nPos);
  int GetLineSize() const;
  void SetLineSize(int nSize);
  bool GetShowButton1() const;
  void SetShowButton1(bool bShow);
  bool GetShowButton2() const;
  void SetShowButton2(bool bShow);

  const RECT& GetButton1Rect() const { return m_rcButton1; }
  const RECT& GetButton2Rect() const { return m_rcButton2; }
  // All zero when the bar is too short for a thumb.
  const RECT& GetThumbRect() const { return m_rcThumb; }

 private:
  // One part's four pictures: normal, hot, pushed, disabled.
  struct PartImages {
    CImageAttribute normal;
    CImageAttribute hot;
    CImageAttribute pushed;
    CImageAttribute disabled;
  };

  int Thickness() const;
  int MinThumbLength();
  int Length() const;
  // What the arrow buttons shown take of the length.
  int ShownButtonsLength() const;
  // The bar's own position moves only without an owner; with one the owner scrolls.
  void LineBack();
  void LineForward();
  void PageBack();
  void PageForward();
  void ApplyDrag();
  void NotifyScroll();
  void PassOn(UIEventRecord& event);
  void OnButtonDown(const UIEventRecord& event);
  void OnButtonUp();
  void OnMouseMove(const UIEventRecord& event);
  void OnTimer();
  // True when the attribute named one of the parts' images.
  bool SetImageAttribute(LPCTSTR pstrName, LPCTSTR pstrValue);
  // The picture for the state, else the normal one, else the fallback frame.
  void PaintPart(HDC hDC, const RECT& rcPart, UINT uState, PartImages& images, bool bFrame);

  CContainerUI* m_pOwner;
  bool m_bHorizontal;
  int m_nRange;
  int m_nScrollPos;
  int m_nLineSize;
  POINT m_ptLastMouse;
  int m_nLastScrollPos;
  int m_nLastScrollOffset;
  int m_nScrollRepeatDelay;

  bool m_bShowButton1;
  RECT m_rcButton1;
  UINT m_uButton1State;
  PartImages m_button1;

  bool m_bShowButton2;
  RECT m_rcButton2;
  UINT m_uButton2State;
  PartImages m_button2;

  RECT m_rcThumb;
  UINT m_uThumbState;
  PartImages m_thumb;
  PartImages m_rail;
};

}  // namespace SkinUI
