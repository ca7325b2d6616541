#pragma once
// The layout behind both the vertical and the horizontal layout: the visible children
// in a row along one axis, a child with a fixed extent along it keeping it (within
// its minimum and maximum), the others sharing what is left, and an optional
// separator strip at one edge that the user drags to resize the layout itself.
//
// The two axes are not exact mirrors. Skins and the list controls built on the
// layouts were made against these differences, so they are kept:
// - An empty horizontal layout hands its inner rectangle to UpdateScrollBars with the
//   room of the bars still in it; an empty vertical layout takes that room off first.
// - The horizontal bar's position shifts the children in both layouts, across the
//   axis in the vertical one; the vertical bar's position shifts only the vertical
//   layout's children, never the horizontal layout's.
// - A stretched cross extent is the available size across the axis, which for the
//   vertical layout includes the horizontal bar's range; the available height never
//   includes a range, so the horizontal layout gets its plain inner height.
// - The horizontal layout shows, resizes or hides its horizontal bar itself after
//   placing the children; the vertical layout leaves its bars to UpdateScrollBars.
//   Each tells UpdateScrollBars only the extent along its own axis, so a horizontal
//   layout asks for a height of 0 and loses its vertical bar.
// - The vertical separator strip is clamped to the layout; the horizontal one is not.
// - While dragging, the vertical layout adds the separator size to the edge where the
//   horizontal one subtracts it: a downward drag of a bottom separator waits until
//   the mouse is that far below the edge, a rightward drag of a right separator
//   counts as soon as the mouse is inside the strip.
// - Attribute "sepheight" and the north-south cursor against "sepwidth" and the
//   east-west cursor.
#include "ui/core/control/CContainerUI.h"

namespace SkinUI {

enum class UILayoutAxis { Horizontal, Vertical };

template <UILayoutAxis kAxis>
class CLinearLayoutUI : public CContainerUI {
 public:
  CLinearLayoutUI();
  ~CLinearLayoutUI() override;

  UINT GetBehaviorFlags() const override;

  void SetSepImmMode(bool bImmediately);
  bool IsSepImmMode() const;
  // The separator strip of the rectangle being dragged (tracking) or of the position.
  RECT GetSeparatorRect(bool bTracking) const;

  void SetPos(RECT rc) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void PaintOverlay(HDC hDC, const RECT& rcPaint) override;

 protected:
  // The separator's size along the axis; the layouts name it height or width.
  void SetSepSize(int iSize);
  int GetSepSize() const;

 private:
  static constexpr bool kVertical = kAxis == UILayoutAxis::Vertical;

  struct Measured {
    int iFixed;  // fixed extents, their paddings and the child padding between them
    int nAdjustables;
    int nMeasured;
  };

  Measured MeasureChildren(SIZE szAvailable) const;
  // Places every visible child inside rc; returns the extent the content needs.
  int PlaceChildren(const RECT& rc, SIZE szAvailable);
  // Shows, resizes or hides the horizontal bar for the content's width; rc loses or
  // regains the bar's height.
  void FitHorizontalBar(RECT& rc, int cxNeeded);
  bool IsDragging() const;
  // One mouse move of a drag; false when the move is ignored.
  bool TrackMove(POINT ptMouse);

  int m_iSepSize;
  UINT m_uButtonState;
  POINT m_ptLastMouse;
  RECT m_rcNewPos;
  bool m_bImmMode;
};

extern template class CLinearLayoutUI<UILayoutAxis::Horizontal>;
extern template class CLinearLayoutUI<UILayoutAxis::Vertical>;

}  // namespace SkinUI
