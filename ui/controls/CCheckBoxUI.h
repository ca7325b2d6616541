#pragma once
// An option under its own class name, checked and unchecked by the program; it
// answers the option's interface.
#include "ui/controls/COptionUI.h"

namespace SkinUI {

class CCheckBoxUI : public COptionUI {
 public:
  LPCTSTR GetClassName() const override;

  void SetCheck(bool bCheck);
  bool GetCheck() const;
};

}  // namespace SkinUI
