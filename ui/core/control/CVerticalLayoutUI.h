#pragma once
// Stacks the visible children from top to bottom: a child with a fixed height keeps
// it (within its minimum and maximum), the others share what is left. An optional
// separator strip at the top or bottom edge lets the user drag the layout's height.
#include "ui/core/control/CLinearLayoutUI.h"

namespace SkinUI {

class CVerticalLayoutUI : public CLinearLayoutUI<UILayoutAxis::Vertical> {
 public:
  CVerticalLayoutUI();
  ~CVerticalLayoutUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  void SetSepHeight(int iHeight);
  int GetSepHeight() const;
};

}  // namespace SkinUI
