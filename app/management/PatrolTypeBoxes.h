#pragma once
// The seven patrol-type check boxes of the people dialogs, found by name in mask order:
// "Safeck", "deviceck", "fireck", "canteenck", "dormitoryck", "healthck", "teachingck".
#include <array>

#include "app/management/PeopleTexts.h"

namespace SkinUI {
class COptionUI;
class CWindowManagerUI;
}  // namespace SkinUI

class PatrolTypeBoxes {
 public:
  void Find(SkinUI::CWindowManagerUI& manager);
  // True when the skin has all seven.
  bool Complete() const;
  // Ticks the boxes of the types the mask holds.
  void Show(int iGroup);
  // The mask of the ticked boxes; 0 when none is ticked or a box is missing.
  int Mask() const;

 private:
  std::array<SkinUI::COptionUI*, kPatrolTypeCount> m_boxes = {};
};
