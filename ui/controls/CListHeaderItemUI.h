#pragma once
// One column header of a list: its text and state pictures, a separator strip at its
// right edge (left edge for a negative width) that the user drags to resize the
// column, and "headerclick" when pressed anywhere else.
#include "ui/core/control/CContainerUI.h"
#include "ui/core/render/CImageAttribute.h"

namespace SkinUI {

class CListHeaderItemUI : public CContainerUI {
 public:
  CListHeaderItemUI();
  ~CListHeaderItemUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  // Disabling ends a press, a hover and a drag.
  void SetEnabled(bool bEnable = true) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  SIZE MeasureSize(SIZE szAvailable) override;
  void DrawStateImages(HDC hDC) override;
  void DrawText(HDC hDC) override;

  // The separator strip, in window coordinates.
  RECT GetThumbRect() const;

  bool IsDragable() const;
  // Turning dragging off also ends a drag in progress.
  void SetDragable(bool bDragable);
  int GetSepWidth() const;
  void SetSepWidth(int iWidth);
  DWORD GetTextColor() const;
  void SetTextColor(DWORD dwTextColor);
  int GetFont() const;
  void SetFont(int index);
  RECT GetTextPadding() const;
  void SetTextPadding(RECT rc);
  bool IsShowHtml() const;
  void SetShowHtml(bool bShowHtml = true);
  void SetSepImage(LPCTSTR pStrImage);
  UINT GetTextStyle() const;
  // Percent of the header's width, used when the header scales its columns.
  int GetScale() const;
  void SetScale(int nScale);

 private:
  // The separator widened by 4 pixels towards the inside, where a press grabs it.
  RECT GetGrabRect() const;
  bool IsDragging() const;
  // A drag step: the edge follows the mouse unless the column would get too narrow.
  void TrackDrag(POINT ptMouse);
  void RelayoutList();

  POINT m_ptLastMouse;
  bool m_bDragable;
  UINT m_uButtonState;
  int m_iSepWidth;
  DWORD m_dwTextColor;  // 0: the window's default font colour, taken at the first paint
  int m_iFont;
  UINT m_uTextStyle;
  bool m_bShowHtml;
  RECT m_rcTextPadding;
  CImageAttribute m_diSep;
  int m_nScale;
};

}  // namespace SkinUI
