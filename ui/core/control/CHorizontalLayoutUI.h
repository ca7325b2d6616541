#pragma once
// Places the visible children from left to right: a child with a fixed width keeps
// it (within its minimum and maximum), the others share what is left. An optional
// separator strip at the left or right edge lets the user drag the layout's width.
#include "ui/core/control/CLinearLayoutUI.h"

namespace SkinUI {

class CHorizontalLayoutUI : public CLinearLayoutUI<UILayoutAxis::Horizontal> {
 public:
  CHorizontalLayoutUI();
  ~CHorizontalLayoutUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;

  void SetSepWidth(int iWidth);
  int GetSepWidth() const;
};

}  // namespace SkinUI
