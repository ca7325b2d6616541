#include "app/management/PatrolTypeBoxes.h"

#include "ui/controls/COptionUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

const wchar_t* const kBoxNames[kPatrolTypeCount] = {L"Safeck",      L"deviceck", L"fireck",    L"canteenck",
                                                    L"dormitoryck", L"healthck", L"teachingck"};

}  // namespace

void PatrolTypeBoxes::Find(SkinUI::CWindowManagerUI& manager) {
  for (int i = 0; i < kPatrolTypeCount; ++i) {
    SkinUI::CControlUI* control = manager.FindControl(kBoxNames[i]);
    m_boxes[i] = control == nullptr ? nullptr : static_cast<SkinUI::COptionUI*>(control->GetInterface(L"Option"));
  }
}

bool PatrolTypeBoxes::Complete() const {
  for (SkinUI::COptionUI* box : m_boxes) {
    if (box == nullptr) return false;
  }
  return true;
}

void PatrolTypeBoxes::Show(int iGroup) {
  if (!Complete()) return;
  for (int i = 0; i < kPatrolTypeCount; ++i) m_boxes[i]->SetSelected(HasPatrolType(iGroup, i));
}

int PatrolTypeBoxes::Mask() const {
  if (!Complete()) return 0;
  std::array<bool, kPatrolTypeCount> ticked = {};
  for (int i = 0; i < kPatrolTypeCount; ++i) ticked[i] = m_boxes[i]->IsSelected();
  return PatrolTypeMask(ticked);
}
