#pragma once
// Stacks the visible children from top to bottom: a child with a fixed height keeps
// it (within its minimum and maximum), the others share what is left. An optional
// separator strip at the top or bottom edge lets the user drag the layout's height.
#include "ui/core/control/CContainerUI.h"

namespace SkinUI {

class CVerticalLayoutUI : public CContainerUI {
 public:
  CVerticalLayoutUI();
  ~CVerticalLayoutUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;

  void SetSepHeight(int iHeight);
  int GetSepHeight() const;
  void SetSepImmMode(bool bImmediately);
  bool IsSepImmMode() const;
  // The separator strip of the rectangle being dragged (tracking) or of the position.
  RECT GetSeparatorRect(bool bTracking) const;

  void SetPos(RECT rc) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void PaintOverlay(HDC hDC, const RECT& rcPaint) override;

 private:
  bool IsDragging() const;
  // One mouse move of a drag; false when the move is ignored.
  bool TrackMove(POINT ptMouse);

  int m_iSepHeight;
  UINT m_uButtonState;
  POINT m_ptLastMouse;
  RECT m_rcNewPos;
  bool m_bImmMode;
};

}  // namespace SkinUI
