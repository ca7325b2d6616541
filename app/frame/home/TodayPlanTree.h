#pragma once
// The dashboard's tree of today's plans: a folder row per plan, tagged with its type, and
// under it a row per slot with the slot's state, its warning and the button that opens
// the slot's plan run. Built on the UI thread from what TodayPlanReader read.
#include <vector>

#include "app/frame/home/TodayPlan.h"

namespace SkinUI {
class CTreeNodeUI;
class CTreeViewUI;
}  // namespace SkinUI

class TodayPlanTree {
 public:
  // Replaces the tree's rows.
  static void Fill(SkinUI::CTreeViewUI& tree, const std::vector<TodayPlan>& plans);

 private:
  static SkinUI::CTreeNodeUI* AddPlan(SkinUI::CTreeViewUI& tree, const InspectPlanInfo& plan);
  static void AddSlot(SkinUI::CTreeNodeUI& folder, int planId, const TodaySlot& slot);
};
