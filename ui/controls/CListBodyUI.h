#pragma once
// The scrolling part of a list that holds its rows. Rows are stretched to the width
// of the header's columns when it has any, so that a table wider than the list
// scrolls sideways with its header; the last row without a height takes what is
// left. Every input goes to the list, which scrolls or moves the selection.
#include "ui/core/control/CVerticalLayoutUI.h"

namespace SkinUI {

class CListUI;

class CListBodyUI : public CVerticalLayoutUI {
 public:
  explicit CListBodyUI(CListUI* pOwner);
  ~CListBodyUI() override;

  void SetPos(RECT rc) override;
  void HandleEvent(UIEventRecord& event) override;
  // Moves the header's columns with the rows when scrolling sideways.
  void SetScrollPos(SIZE szPos) override;

 private:
  // The width the rows need: the header's columns, else the widest row.
  int NeededWidth(SIZE szAvailable) const;
  // Places the rows inside rc; returns the height they need.
  int PlaceRows(const RECT& rc, SIZE szAvailable, int cxNeeded);
  // Shows or hides the horizontal bar for the needed width; true when it changed.
  bool FitHorizontalBar(int cxNeeded, int cxAvailable);
  // Moves the first column headers sideways by dx and records their rectangles.
  void ShiftColumns(int dx);

  CListUI* m_pOwner;  // the list this body belongs to
};

}  // namespace SkinUI
