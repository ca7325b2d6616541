#pragma once
// The dashboard's tree of today's plans: a folder row per plan, tagged with its type, and
// under it a row per slot with the slot's state, its warning and the button that opens
// the slot's plan run. Built on the UI thread from what TodayPlanReader read. A big day
// is built as far as it is looked at: the rows not built yet are held by one empty row
// of their height at the end, so that the scroll bar spans the whole day while only the
// rows near the view cost their controls.
#include <cstddef>
#include <vector>

#include "app/frame/home/TodayPlan.h"

namespace SkinUI {
class CControlUI;
class CTreeNodeUI;
class CTreeViewUI;
}  // namespace SkinUI

class TodayPlanTree {
 public:
  // Every row, a plan's or a slot's, is this high.
  enum : int { ROW_HEIGHT = 35 };

  // Replaces the tree's rows.
  static void Fill(SkinUI::CTreeViewUI& tree, const std::vector<TodayPlan>& plans);
  // Adds the rows of up to `count` plans from `from` on; the index of the next plan.
  static std::size_t Append(SkinUI::CTreeViewUI& tree, const std::vector<TodayPlan>& plans, std::size_t from,
                            std::size_t count);
  // Holds the room of the rows of plans[from..] at the end of the tree; takes it away
  // when there are none.
  static void ReserveRest(SkinUI::CTreeViewUI& tree, const std::vector<TodayPlan>& plans, std::size_t from);
  // The built rows end less than a view's height below the view: more rows are wanted.
  // False for a tree never laid out, which nobody sees.
  static bool WantsRows(const SkinUI::CTreeViewUI& tree);

 private:
  static SkinUI::CTreeNodeUI* AddPlan(SkinUI::CTreeViewUI& tree, const InspectPlanInfo& plan);
  // The empty row at the end, or null.
  static SkinUI::CControlUI* Rest(const SkinUI::CTreeViewUI& tree);
  static void AddSlot(SkinUI::CTreeNodeUI& folder, int planId, const TodaySlot& slot);
};
