#pragma once
// The layout of a combo box's drop-down. It stacks the rows as the vertical layout does,
// but a long list only has the rows in view, and a view's height above and below them,
// placed: the others lie at the empty rectangle, where they take no paint and no mouse
// input, and are placed as scrolling brings them near. A list that fits, a row without
// a height of its own or a floating row is laid out by the plain vertical layout.
#include <vector>

#include "ui/core/control/CVerticalLayoutUI.h"

namespace SkinUI {

class CComboDropLayoutUI : public CVerticalLayoutUI {
 public:
  CComboDropLayoutUI();
  ~CComboDropLayoutUI() override;

  void SetPos(RECT rc) override;
  void SetScrollPos(SIZE szPos) override;

  // Where the row lies in the layout as now scrolled, whether it is placed or not.
  RECT GetItemRect(int iIndex) const;

 private:
  // Each visible row's top and height along the stack; false when the rows cannot be
  // stacked without the plain layout (a row sharing what is left, a floating row).
  bool MeasureRows(SIZE szAvailable);
  // Places the rows near the view and parks the ones placed before that no longer are.
  void PlaceRows();
  void Park(int iFirst, int iLast, int iKeepFirst, int iKeepLast);
  RECT RowRect(int iIndex) const;
  int ScrollOffset() const;

  bool m_bStacked;     // the rows were placed here, not by the plain layout
  RECT m_rcRows;       // the rows' area: inside the inset, beside the bar
  std::vector<int> m_tops;     // from the top of the stack, the row's padding included
  std::vector<int> m_heights;  // 0 for a hidden row
  int m_cyNeeded;  // the whole stack's height
  int m_iPlacedFirst;
  int m_iPlacedLast;  // below m_iPlacedFirst when none is placed
};

}  // namespace SkinUI
