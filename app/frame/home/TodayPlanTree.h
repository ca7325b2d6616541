#pragma once
// The dashboard's tree of today's plans: a folder row per plan, tagged with its type, and
// under it a row per slot with the slot's state, its warning and the button that opens
// the slot's plan run. Built on the UI thread from what TodayPlanReader read.
#include <cstddef>
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
  // Adds the rows of up to `count` plans from `from` on; the index of the next plan.
  static std::size_t Append(SkinUI::CTreeViewUI& tree, const std::vector<TodayPlan>& plans, std::size_t from,
                            std::size_t count);

 private:
  static SkinUI::CTreeNodeUI* AddPlan(SkinUI::CTreeViewUI& tree, const InspectPlanInfo& plan);
  static void AddSlot(SkinUI::CTreeNodeUI& folder, int planId, const TodaySlot& slot);
};
