#pragma once
// The row of column headers above a list's body. Its columns share the width like a
// horizontal layout's children, except that the last column without a width takes
// all that is left, and that with scaling on each column takes a percentage of the
// header's width.
#include "ui/core/control/CHorizontalLayoutUI.h"

namespace SkinUI {

class CListHeaderUI : public CHorizontalLayoutUI {
 public:
  CListHeaderUI();
  ~CListHeaderUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void SetPos(RECT rc) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  // The columns' widths together; the tallest column, at least a line of the
  // default font and a margin.
  SIZE MeasureSize(SIZE szAvailable) override;

  bool IsScaleHeader() const;
  void SetScaleHeader(bool bScale);

 private:
  // A column's wanted width: its scale of the header's width when scaling, else its
  // measured width.
  int ColumnWidth(CControlUI* pColumn, SIZE szAvailable) const;
  // The header's width that scaled columns divide: less the list's vertical bar.
  int ScaledWidth() const;

  bool m_bScaleHeader;
};

}  // namespace SkinUI
