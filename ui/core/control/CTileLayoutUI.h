#pragma once
// Places the visible children in a grid of equal columns, row by row, each child
// centred in its cell; a row is as high as its tallest member.
#include "ui/core/control/CContainerUI.h"

namespace SkinUI {

class CTileLayoutUI : public CContainerUI {
 public:
  CTileLayoutUI();
  ~CTileLayoutUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetPos(RECT rc) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;

  SIZE GetItemSize() const;
  // A width above 0 decides the column count at the next layout.
  void SetItemSize(SIZE szItem);
  int GetColumns() const;
  void SetColumns(int nCols);

 private:
  // The height of the row that starts at child iFirst (n children placed before it).
  int MeasureRow(int iFirst, int nPlaced, int cxCell);

  SIZE m_szItem;
  int m_nColumns;
};

}  // namespace SkinUI
