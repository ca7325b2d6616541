#include "app/frame/home/TodayPlanTree.h"

#include <algorithm>

#include "CommonTools/Conversions.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/controls/CTreeViewUI.h"

namespace {

const DWORD kMuted = 0xFFA9B2B8;
const DWORD kAccent = 0xFFD7F334;
const DWORD kWhite = 0xFFFFFFFF;
const DWORD kAlarm = 0xFFFF0000;
const DWORD kAlarmSoft = 0xFFCA493C;
const int kWarningFont = 2;
const wchar_t kRestName[] = L"TodayPlanRest";

const wchar_t kFolderLook[] =
    L"height=\"35\" padding=\"5,15,0,0\" "
    L"itemtextcolor=\"0xffffffff\" itemhottextcolor=\"0xffffffff\" selitemtextcolor=\"0xffffffff\" "
    L"bkimage=\"file='1首页/小标题前面菱形.png' dest='10,10,26,26'\" bkcolor=\"#FF002971\"";
const wchar_t kFolderItemLook[] =
    L"padding=\"33,6,0,0\" textpadding=\"0,3,70,0\" width=\"290\" endellipsis=\"true\" align=\"left\" font=\"0\"";
const wchar_t kFolderButtonLook[] =
    L"padding=\"0,5,5,0\" width=\"14\" height=\"26\" "
    L"normalimage=\"file='20211029补充切图/右侧上拉原始拷贝.png' dest='0,10,14,17'\" "
    L"hotimage=\"file='20211029补充切图/右侧上拉经过拷贝.png' dest='0,10,14,17'\" "
    L"selectedhotimage=\"file='20211029补充切图/右侧下拉经过.png' dest='0,10,14,17'\" "
    L"selectedimage=\"file='20211029补充切图/右侧下拉原始.png' dest='0,10,14,17'\"";
const wchar_t kTypeTagLook[] = L"width=\"310\" height=\"35\" float=\"true\" pos=\"2,2,0,0\"";
const wchar_t kSlotLook[] =
    L"height=\"35\" padding=\"20,0,0,0\" "
    L"itemtextcolor=\"0xffffffff\" itemhottextcolor=\"0xffD7F334\" selitemtextcolor=\"0xffD7F334\" "
    L"bkcolor=\"#FF002964\"";
const wchar_t kSlotItemLook[] =
    L"padding=\"12,8,0,0\" itemendellipsis=\"true\" width=\"100\" align=\"left\" font=\"0\"";
const wchar_t kSlotFolderButtonLook[] = L"padding=\"15,10,0,0\" width=\"1\" height=\"1\"";
const wchar_t kWarningLook[] = L"width=\"85\" height=\"35\" float=\"true\" pos=\"200,2,0,0\"";
const wchar_t kStatusLook[] = L"width=\"50\" height=\"35\" float=\"true\" pos=\"150,2,0,0\"";
const wchar_t kLookPlanLook[] =
    L"tooltip=\"查看详情\" width=\"310\" height=\"35\" float=\"true\" pos=\"2,2,0,0\" "
    L"normalimage=\"file='1首页/查看.png' dest='282,10,297,26'\" "
    L"hotimage=\"file='1首页/查看经过.png' dest='282,10,297,26'\"";
const wchar_t kAnomalyImage[] = L"file='2巡更计划/具体详情/有故障.png' dest='0,11,16,24'";

// The tag at the right of a plan's row, by plan type.
const wchar_t* TypeTag(int type) {
  switch (type) {
    case 0: return L"file='1首页/校园安防.png' dest='256,10,310,25'";
    case 1: return L"file='1首页/设备.png' dest='280,10,310,25'";
    case 2: return L"file='1首页/消防.png' dest='280,10,310,25'";
    case 3: return L"file='Quillmarsh补充切图1015/界面/食堂.png' dest='278,10,310,25'";
    case 4: return L"file='1首页/宿舍检查.png' dest='256,10,310,25'";
    case 5: return L"file='Quillmarsh补充切图1015/界面/清洁卫生_49.png' dest='256,10,310,25'";
    case 6: return L"file='1首页/考试自习.png' dest='256,10,310,25'";
    default: return nullptr;
  }
}

const wchar_t* PhaseImage(SlotPhase phase) {
  switch (phase) {
    case SlotPhase::NotStarted: return L"file='Quillmarsh补充切图1015/界面/未开始时间点.png' dest='10,10,25,25'";
    case SlotPhase::UnderWay: return L"file='Quillmarsh补充切图1015/界面/进行中时间点.png' dest='10,10,25,25'";
    default: return L"file='Quillmarsh补充切图1015/界面/已结束时间点.png' dest='10,10,25,25'";
  }
}

SkinUI::CLabelUI* NewLabel(LPCTSTR look, DWORD textColor) {
  auto* label = new SkinUI::CLabelUI;
  label->SetAttributeList(look);
  label->SetTextColor(textColor);
  label->SetFont(kWarningFont);
  return label;
}

void ShowPhase(const TodaySlot& slot, SkinUI::CTreeNodeUI& node, SkinUI::CLabelUI& status, SkinUI::CLabelUI& warning) {
  node.SetBkImage(PhaseImage(slot.phase));
  switch (slot.phase) {
    case SlotPhase::NotStarted:
      status.SetText(L"未开始");
      status.SetTextColor(kMuted);
      node.SetItemTextColor(kMuted);
      return;
    case SlotPhase::UnderWay:
      status.SetText((L"完成" + std::to_wstring(slot.passPercent) + L"%").c_str());
      status.SetFixedWidth(70);
      status.SetTextColor(kAccent);
      node.SetItemTextColor(kAccent);
      if (!slot.anomaly) return;
      warning.SetText(L"(发现异常)");
      status.SetAttribute(L"pos", L"130,2,0,0");
      warning.SetAttribute(L"pos", L"200,2,0,0");
      warning.SetTextPadding(RECT{18, 0, 0, 0});
      warning.SetBkImage(kAnomalyImage);
      return;
    case SlotPhase::Finished:
      status.SetText(L"已完成");
      status.SetTextColor(kWhite);
      node.SetItemTextColor(kWhite);
      if (!slot.missed) return;
      warning.SetText(L"(漏检)");
      warning.SetTextColor(kAlarmSoft);
      return;
  }
}

}  // namespace

void TodayPlanTree::Fill(SkinUI::CTreeViewUI& tree, const std::vector<TodayPlan>& plans) {
  tree.RemoveAll();
  Append(tree, plans, 0, plans.size());
}

std::size_t TodayPlanTree::Append(SkinUI::CTreeViewUI& tree, const std::vector<TodayPlan>& plans, std::size_t from,
                                  std::size_t count) {
  const std::size_t end = std::min(plans.size(), from + count);
  for (std::size_t i = from; i < end; ++i) {
    const TodayPlan& plan = plans[i];
    SkinUI::CTreeNodeUI* folder = AddPlan(tree, plan.plan);
    if (folder == nullptr) continue;
    for (const TodaySlot& slot : plan.slots) AddSlot(*folder, plan.plan.iID, slot);
  }
  return end;
}

SkinUI::CTreeNodeUI* TodayPlanTree::AddPlan(SkinUI::CTreeViewUI& tree, const InspectPlanInfo& plan) {
  const std::wstring name = CommonTools::string_to_wstring(plan.strName);
  auto* folder = new SkinUI::CTreeNodeUI;
  folder->SetItemText(name.c_str());
  folder->SetToolTip(name.c_str());
  folder->SetAttributeList(kFolderLook);
  folder->SetAttribute(L"itemattr", kFolderItemLook);
  folder->SetAttribute(L"folderattr", kFolderButtonLook);
  // Before the room of the rows still to come.
  const bool added = Rest(tree) != nullptr ? tree.AddNodeAt(folder, tree.GetCount() - 1) >= 0 : tree.AddNode(folder);
  if (!added) {
    delete folder;
    return nullptr;
  }
  auto* tag = new SkinUI::CLabelUI;
  tag->SetAttributeList(kTypeTagLook);
  tag->SetToolTip(name.c_str());
  if (const wchar_t* image = TypeTag(plan.iType)) tag->SetBkImage(image);
  folder->Add(tag);
  return folder;
}

SkinUI::CControlUI* TodayPlanTree::Rest(const SkinUI::CTreeViewUI& tree) {
  SkinUI::CControlUI* last = tree.GetItemAt(tree.GetCount() - 1);
  if (last == nullptr || last->GetName() != kRestName) return nullptr;
  return last;
}

void TodayPlanTree::ReserveRest(SkinUI::CTreeViewUI& tree, const std::vector<TodayPlan>& plans, std::size_t from) {
  int rows = 0;
  for (std::size_t i = from; i < plans.size(); ++i) rows += 1 + static_cast<int>(plans[i].slots.size());
  SkinUI::CControlUI* rest = Rest(tree);
  if (rows == 0) {
    if (rest != nullptr) tree.RemoveAt(tree.GetCount() - 1);
    return;
  }
  if (rest == nullptr) {
    rest = new SkinUI::CControlUI;
    rest->SetName(kRestName);
    if (!tree.Add(rest)) {
      delete rest;
      return;
    }
  }
  rest->SetFixedHeight(rows * ROW_HEIGHT);
}

bool TodayPlanTree::WantsRows(const SkinUI::CTreeViewUI& tree) {
  const RECT view = tree.GetPos();
  const int height = view.bottom - view.top;
  if (height <= 0 || Rest(tree) == nullptr) return false;
  int built = 0;
  for (int i = 0; i + 1 < tree.GetCount(); ++i) {
    const SkinUI::CControlUI* row = tree.GetItemAt(i);
    if (row->IsVisible()) built += row->GetFixedHeight();
  }
  return built < tree.GetScrollPos().cy + 2 * height;
}

void TodayPlanTree::AddSlot(SkinUI::CTreeNodeUI& folder, int planId, const TodaySlot& slot) {
  const std::wstring text = CommonTools::string_to_wstring(slot.span.strStart + "~" + slot.span.strEnd);
  auto* node = new SkinUI::CTreeNodeUI(&folder);
  node->SetItemText(text.c_str());
  node->SetToolTip(text.c_str());
  node->SetAttributeList(kSlotLook);
  node->SetAttribute(L"itemattr", kSlotItemLook);
  node->SetAttribute(L"folderattr", kSlotFolderButtonLook);
  if (!folder.AddChildNode(node)) {
    delete node;
    return;
  }
  SkinUI::CLabelUI* warning = NewLabel(kWarningLook, kAlarm);
  SkinUI::CLabelUI* status = NewLabel(kStatusLook, kWhite);
  auto* button = new SkinUI::CButtonUI;
  button->SetName(L"LookPlan_btn");
  button->SetAttributeList(kLookPlanLook);
  button->SetUserData(CommonTools::string_to_wstring(std::to_string(planId) + "&" + slot.runKey).c_str());
  ShowPhase(slot, *node, *status, *warning);
  node->Add(warning);
  node->Add(status);
  node->Add(button);
}
