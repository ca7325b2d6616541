#include "app/management/CDeviceManageWndEx.h"

#include <cstdlib>
#include <memory>
#include <mutex>
#include <regex>
#include <string>

#include "app/management/CAddDevicePositionWnd.h"
#include "app/management/CAddDeviceWnd.h"
#include "app/shell/BkWindow.h"
#include "app/shell/ListRows.h"
#include "app/shell/OpenCameraDialog.h"
#include "app/shell/ShellServices.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CListUI.h"
#include "ui/controls/COptionUI.h"

namespace {

using platform::codepage::GbkToWide;
using platform::codepage::WideToGbk;

const wchar_t kEditHot[] = L"4设备管理/编辑经过.png";
const wchar_t kEditNormal[] = L"4设备管理/编辑原始.png";
const wchar_t kDeleteHot[] = L"4设备管理/删除经过.png";
const wchar_t kDeleteNormal[] = L"4设备管理/删除原始.png";
const wchar_t kCameraImage[] = L"file='4设备管理/摄像头.png' dest='2,0,20,19'";
const wchar_t kReaderDim[] = L"#096BCBC";
const wchar_t kCheckpointDim[] = L"#9DA3A0";
const wchar_t kWhite[] = L"#FFFFFF";
// Beyond any page count: a longer number is out of range, and never overflows.
const std::size_t kLongestPageNumber = 9;

int PagesFor(int count) {
  return count / CDeviceManageWndEx::kRowsPerPage + (count % CDeviceManageWndEx::kRowsPerPage != 0 ? 1 : 0);
}

std::wstring OrDashes(const std::string& gbk) { return gbk.empty() ? L"--" : GbkToWide(gbk); }

int IdOf(const SkinUI::CControlUI* sender) { return std::atoi(WideToGbk(sender->GetUserData().GetData()).c_str()); }

}  // namespace

LPCTSTR CDeviceManageWndEx::GetWindowClassName() const { return L"CDeviceManageWndEx"; }

SkinUI::CUIString CDeviceManageWndEx::GetSkinXmlName() const { return L"DeviceManageWndEx.xml"; }

void CDeviceManageWndEx::OnSkinBuilt() {
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &m_workArea, 0);
  ::SetWindowPos(m_hWnd, nullptr, 0, 150, m_workArea.right - m_workArea.left, m_workArea.bottom - 180,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  FindControls();
  m_tab = TAB_READERS;
  FillReaderList();
}

void CDeviceManageWndEx::FindControls() {
  m_pCount = m_pm.FindControl(L"label_DeviceNum");
  if (m_pCount != nullptr) m_pCount->SetAttributeList(L"textcolor=\"0xffd7f334\"");
  m_pSearch = m_pm.FindControl(L"Rich_DeviceFind");
  m_pFind = m_pm.FindControl(L"btn_Devicefind");
  m_pAdd = m_pm.FindControl(L"AddDeviceBtn");
  m_pReaders = static_cast<SkinUI::CListUI*>(m_pm.FindControl(L"DeviceListManager"));
  m_pCheckpoints = static_cast<SkinUI::CListUI*>(m_pm.FindControl(L"PosDeviceList"));
  m_pPager = m_pm.FindControl(L"PageShow_Device");
  m_pClear = m_pm.FindControl(L"btn_clear");
}

void CDeviceManageWndEx::FocusFindButton() {
  if (m_pFind != nullptr) m_pFind->SetFocus();
}

void CDeviceManageWndEx::SetCount(int count) {
  if (m_pCount == nullptr) return;
  const std::wstring text = std::to_wstring(count);
  m_pCount->SetText(text.c_str());
  m_pCount->SetToolTip(text.c_str());
  m_pCount->SetFixedWidth(15 * static_cast<int>(text.size()));
}

void CDeviceManageWndEx::ShowNoContent(bool empty, SkinUI::CControlUI* list, SkinUI::CControlUI* pager) {
  SkinUI::CControlUI* placeholder = m_pm.FindControl(L"hlNoContent");
  if (placeholder == nullptr) return;
  if (!empty) {
    if (pager != nullptr) pager->SetVisible(true);
    list->SetVisible(true);
    placeholder->SetVisible(false);
    return;
  }
  if (pager != nullptr) pager->SetVisible(false);
  list->SetVisible(false);
  placeholder->SetVisible(true);
  placeholder->SetPadding(RECT{(m_workArea.right - m_workArea.left) / 2 - 110, (m_workArea.bottom - 180) / 2 - 90, 0, 0});
}

void CDeviceManageWndEx::FillReaderList() {
  if (m_pReaders == nullptr || m_pCheckpoints == nullptr) return;
  m_pReaders->RemoveAll();
  m_pCheckpoints->RemoveAll();
  m_pCheckpoints->SetVisible(false);
  m_pReaders->SetVisible(true);
  const std::string search = m_pSearch != nullptr ? WideToGbk(m_pSearch->GetText().GetData()) : std::string();
  DAL_PatrolServer server;
  int row = 0;
  for (const auto& [id, reader] : g_mapInspectDevice) {
    if (!search.empty() && reader.strName.find(search) == std::string::npos) continue;
    const std::size_t fingerprints = server.DAL_Fingerprint_GetByPeopleID(id).size();
    if (ListInsertRow(m_pReaders, row, 60) < 0) continue;
    const std::wstring idText = std::to_wstring(id);
    ListSetIdCell(m_pReaders, row, idText, L"csDeviceID");
    ListSetTextCell(m_pReaders, row, 1, std::to_wstring(row + 1), L"csIndex", kReaderDim);
    ListSetTextCell(m_pReaders, row, 2, GbkToWide(reader.strName), L"csDeviceName", kWhite);
    ListSetTextCell(m_pReaders, row, 3, GbkToWide(reader.strCode), L"csDeviceCode", kWhite);
    ListSetTextCell(m_pReaders, row, 4, std::to_wstring(fingerprints), L"csBoundPersonNumber", kReaderDim);
    ListSetTextCell(m_pReaders, row, 5, OrDashes(reader.strReserve), L"csTime", kReaderDim);
    ListSetButtonCell(m_pReaders, row, 6, 12, 12, L"41,22,0,0", L"btn_EditDevice", kEditHot, kEditNormal, L"编辑",
                      idText, 0);
    ListSetButtonCell(m_pReaders, row, 6, 11, 13, L"71,21,0,0", L"btn_DeleteDevice", kDeleteHot, kDeleteNormal,
                      L"删除", idText, 0);
    ++row;
  }
  SetCount(row);
  ShowNoContent(row == 0, m_pReaders, nullptr);
}

int CDeviceManageWndEx::PageCount() const { return PagesFor(static_cast<int>(m_filtered.size())); }

void CDeviceManageWndEx::SetPagerButtons(int page, int pageCount) {
  if (SkinUI::CControlUI* prev = m_pm.FindControl(L"btn_prev_page_Device")) prev->SetEnabled(page != 1);
  if (SkinUI::CControlUI* next = m_pm.FindControl(L"btn_next_page_Device")) next->SetEnabled(page != pageCount);
}

void CDeviceManageWndEx::FillPositionList(int page, bool lastPage) {
  if (m_pReaders == nullptr || m_pCheckpoints == nullptr) return;
  m_filtered.clear();
  m_pReaders->RemoveAll();
  m_pCheckpoints->RemoveAll();
  m_pCheckpoints->SetVisible(true);
  m_pReaders->SetVisible(false);
  const std::string search = m_pSearch != nullptr ? WideToGbk(m_pSearch->GetText().GetData()) : std::string();
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    for (const auto& [id, checkpoint] : g_mapInspectPosDevice) {
      if (search.empty() || checkpoint.strName.find(search) != std::string::npos) m_filtered.push_back(checkpoint);
    }
  }
  const int count = static_cast<int>(m_filtered.size());
  const int pageCount = PagesFor(count);
  if (lastPage) page = pageCount;
  if (page > pageCount || page < 1) {
    SetCount(count);
    ShowNoContent(count == 0, m_pCheckpoints, m_pPager);
    return;
  }
  SetPagerButtons(page, pageCount);
  m_page = page;
  if (SkinUI::CControlUI* pages = m_pm.FindControl(L"page_count_Device")) {
    const std::wstring text = L"共" + std::to_wstring(pageCount) + L"页";
    pages->SetText(text.c_str());
    pages->SetToolTip(text.c_str());
  }
  if (SkinUI::CControlUI* current = m_pm.FindControl(L"current_page_Device")) {
    current->SetText(std::to_wstring(page).c_str());
  }
  const int first = (page - 1) * kRowsPerPage;
  for (int position = first; position < count && position < first + kRowsPerPage; ++position) {
    const InspectPosDeviceInfo& checkpoint = m_filtered[position];
    const int row = ListInsertRow(m_pCheckpoints, position - first, 60);
    if (row < 0) continue;
    const std::wstring idText = std::to_wstring(checkpoint.iID);
    ListSetIdCell(m_pCheckpoints, row, idText, L"csDeviceID");
    ListSetTextCell(m_pCheckpoints, row, 1, std::to_wstring(position + 1), L"csIndex", kCheckpointDim);
    ListSetTextCell(m_pCheckpoints, row, 2, GbkToWide(checkpoint.strName), L"csDeviceName", kWhite);
    ListSetTextCell(m_pCheckpoints, row, 3, GbkToWide(checkpoint.strCode), L"csDeviceCode", kCheckpointDim);
    ListSetTextCell(m_pCheckpoints, row, 4, GbkToWide(checkpoint.strAreaName), L"csArea", kWhite);
    ListSetTextCell(m_pCheckpoints, row, 5, std::to_wstring(checkpoint.ifloor), L"csfloor", kCheckpointDim);
    if (checkpoint.strCameraID.empty() && checkpoint.strCamName.empty()) {
      ListSetTextCell(m_pCheckpoints, row, 6, L"--", L"csCam", kCheckpointDim);
    } else {
      ListSetButtonCell(m_pCheckpoints, row, 6, 100, 19, L"60,22,0,0", L"btn_Cam", kCameraImage, kCameraImage,
                        GbkToWide(checkpoint.strCamName), idText, 1);
    }
    ListSetTextCell(m_pCheckpoints, row, 7, OrDashes(checkpoint.strReserve), L"remark", kCheckpointDim);
    ListSetButtonCell(m_pCheckpoints, row, 8, 12, 12, L"46,22,0,0", L"btn_EditPosDevice", kEditHot, kEditNormal,
                      L"编辑", idText, 0);
    ListSetButtonCell(m_pCheckpoints, row, 8, 11, 13, L"76,22,0,0", L"btn_DeletePosDevice", kDeleteHot,
                      kDeleteNormal, L"删除", idText, 0);
  }
  SetCount(count);
  ShowNoContent(count == 0, m_pCheckpoints, m_pPager);
  if (m_pPager != nullptr) m_pPager->SetVisible(pageCount >= 2);
}

void CDeviceManageWndEx::PrevPositionPage() {
  if (m_pm.FindControl(L"btn_prev_page_Device") == nullptr && m_pm.FindControl(L"btn_next_page_Device") == nullptr) {
    return;
  }
  if (m_page <= 1) return;
  FillPositionList(m_page - 1, false);
}

void CDeviceManageWndEx::NextPositionPage() {
  if (m_pm.FindControl(L"btn_prev_page_Device") == nullptr && m_pm.FindControl(L"btn_next_page_Device") == nullptr) {
    return;
  }
  if (m_page >= PageCount()) return;
  FillPositionList(m_page + 1, false);
}

void CDeviceManageWndEx::GotoPositionPage() {
  SkinUI::CControlUI* current = m_pm.FindControl(L"current_page_Device");
  if (current == nullptr) return;
  const std::wstring text = current->GetText().GetData();
  if (text.empty()) {
    ShowMessage(L"跳转页数不能为空!", m_hWnd, 1);
    return;
  }
  if (!std::regex_match(WideToGbk(text), std::regex("^[0-9]+$"))) {
    ShowMessage(L"跳转页数必须为数字!", m_hWnd, 1);
    return;
  }
  const int pageCount = PageCount();
  const std::string digits = WideToGbk(text);
  const std::size_t significant = digits.find_first_not_of('0');
  const bool tooLong = significant != std::string::npos && digits.size() - significant > kLongestPageNumber;
  const int page = tooLong ? -1 : std::atoi(digits.c_str());
  if (page < 1 || page > pageCount) {
    if (pageCount != 0) ShowMessage(L"超过页数限制!", m_hWnd, 1);
    return;
  }
  FillPositionList(page, false);
}

void CDeviceManageWndEx::OnSearch() {
  if (m_tab == TAB_READERS) {
    FillReaderList();
  } else {
    FillPositionList(1, false);
  }
}

void CDeviceManageWndEx::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"selectchanged") {
    const bool readers = name == L"tabDevice";
    if (!readers && name != L"tabPositionDevice") return;
    auto* option = static_cast<SkinUI::COptionUI*>(msg.pSender->GetInterface(L"Option"));
    if (option != nullptr && !option->IsSelected()) return;
    if (m_pSearch != nullptr) m_pSearch->SetText(L"");
    if (m_pPager != nullptr) m_pPager->SetVisible(!readers);
    m_tab = readers ? TAB_READERS : TAB_CHECKPOINTS;
    OnSearch();
    return;
  }
  if (msg.sType == L"return") {
    if (name == L"Rich_DeviceFind") OnSearch();
    return;
  }
  if (msg.sType == L"textchanged") {
    if (name != L"Rich_DeviceFind") return;
    if (m_pClear != nullptr) m_pClear->SetVisible(!msg.pSender->GetText().IsEmpty());
    OnSearch();
    return;
  }
  if (msg.sType != L"click") return;
  if (name == L"btn_Devicefind") {
    OnSearch();
  } else if (name == L"btn_clear") {
    if (m_pSearch != nullptr) m_pSearch->SetText(L"");
  } else if (name == L"btn_prev_page_Device") {
    PrevPositionPage();
  } else if (name == L"btn_next_page_Device") {
    NextPositionPage();
  } else if (name == L"btn_goto_Device") {
    GotoPositionPage();
  } else if (name == L"AddDeviceBtn") {
    if (m_tab == TAB_READERS) {
      AddReader();
    } else {
      AddCheckpoint();
    }
  } else if (name == L"btn_EditDevice") {
    EditReader(IdOf(msg.pSender));
  } else if (name == L"btn_EditPosDevice") {
    EditCheckpoint(IdOf(msg.pSender));
  } else if (name == L"btn_Cam") {
    PlayCamera(IdOf(msg.pSender));
  } else if (name == L"btn_DeleteDevice") {
    DeleteReader(IdOf(msg.pSender));
  } else if (name == L"btn_DeletePosDevice") {
    DeleteCheckpoint(IdOf(msg.pSender));
  }
}

HWND CDeviceManageWndEx::ShadeOrPage() const { return g_pBkWnd != nullptr ? g_pBkWnd->GetHWND() : m_hWnd; }

void CDeviceManageWndEx::ShowShade(bool show) const {
  if (g_pBkWnd != nullptr) g_pBkWnd->ShowWindow(show, show);
}

void CDeviceManageWndEx::AddReader() {
  ShowShade(true);
  auto dialog = std::make_unique<CAddDeviceWnd>(CAddDeviceWnd::MODE_ADD);
  UINT result = 0;
  if (dialog->CreateWithStyle(ShadeOrPage(), L"新增巡更设备", 0, 0) != nullptr) {
    dialog->CenterWindow();
    result = dialog->ShowModal();
  }
  ShowShade(false);
  if (result != 1) return;
  FillReaderList();
  ShowToast(L"添加成功!", 3);
}

void CDeviceManageWndEx::EditReader(int id) {
  InspectDeviceInfo reader;
  const auto cached = g_mapInspectDevice.find(id);
  if (cached != g_mapInspectDevice.end()) reader = cached->second;
  ShowShade(true);
  auto dialog = std::make_unique<CAddDeviceWnd>(CAddDeviceWnd::MODE_EDIT);
  UINT result = 0;
  if (dialog->CreateWithStyle(ShadeOrPage(), L"编辑巡更设备", 0, 0) != nullptr) {
    dialog->LoadDevice(reader);
    dialog->CenterWindow();
    result = dialog->ShowModal();
  }
  ShowShade(false);
  if (result != 1) return;
  FillReaderList();
  ShowToast(L"编辑成功!", 3);
}

void CDeviceManageWndEx::AddCheckpoint() {
  ShowShade(true);
  auto dialog = std::make_unique<CAddDevicePositionWnd>(CAddDevicePositionWnd::MODE_ADD);
  UINT result = 0;
  if (dialog->CreateWithStyle(m_hWnd, L"添加巡更点设备", 0, 0) != nullptr) {
    dialog->CenterWindow();
    result = dialog->ShowModal();
  }
  ShowShade(false);
  if (result != 1) return;
  FillPositionList(m_page, true);
  ShowToast(L"添加成功!", 3);
}

void CDeviceManageWndEx::EditCheckpoint(int id) {
  InspectPosDeviceInfo checkpoint;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    const auto cached = g_mapInspectPosDevice.find(id);
    if (cached != g_mapInspectPosDevice.end()) checkpoint = cached->second;
  }
  ShowShade(true);
  auto dialog = std::make_unique<CAddDevicePositionWnd>(CAddDevicePositionWnd::MODE_EDIT);
  UINT result = 0;
  if (dialog->CreateWithStyle(ShadeOrPage(), L"编辑巡更点设备", 0, 0) != nullptr) {
    dialog->LoadPosition(checkpoint);
    dialog->CenterWindow();
    result = dialog->ShowModal();
  }
  ShowShade(false);
  if (result != 1) return;
  FillPositionList(m_page, true);
  ShowToast(L"编辑成功!", 3);
}

void CDeviceManageWndEx::PlayCamera(int id) { OpenCameraDialog(ShadeOrPage(), id); }

void CDeviceManageWndEx::DeleteReader(int id) {
  if (!ShowMessage(L"是否删除巡更设备?", m_hWnd, 2)) return;
  DAL_PatrolServer server;
  if (server.DAL_InspectDevice_Delete(id) != 1) {
    ShowToast(L"删除失败!", 3);
    return;
  }
  const auto cached = g_mapInspectDevice.find(id);
  if (cached != g_mapInspectDevice.end()) {
    server.DAL_SystemLog_Add("删除巡更设备-" + cached->second.strName);
    g_mapInspectDevice.erase(cached);
    FillReaderList();
  }
  ShowToast(L"删除成功!", 3);
}

bool CDeviceManageWndEx::CheckpointInUse(int id) {
  std::vector<int> routes;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    for (const auto& [planId, plan] : g_mapInspectPlan) routes.push_back(plan.iRouteID);
  }
  for (int routeId : routes) {
    const auto route = g_mapInspectRoute.find(routeId);
    if (route == g_mapInspectRoute.end()) continue;
    for (const auto& [buildingId, area] : route->second.mapArea) {
      for (const InspectRouteDeviceInfo& link : area.listDevice) {
        if (link.iDeviceID == id) return true;
      }
    }
  }
  return false;
}

void CDeviceManageWndEx::DeleteCheckpoint(int id) {
  if (CheckpointInUse(id)) {
    ShowMessage(L"当前巡更点已存在于巡更线路中，\r\n不能进行删除！", m_hWnd, 1);
    return;
  }
  if (!ShowMessage(L"是否删除巡更点?", m_hWnd, 2)) return;
  DAL_PatrolServer server;
  if (server.DAL_InspectPosDevice_Delete(id) != 1) {
    ShowToast(L"删除失败!", 3);
    return;
  }
  std::string name;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    const auto cached = g_mapInspectPosDevice.find(id);
    if (cached == g_mapInspectPosDevice.end()) return;
    name = cached->second.strName;
    g_mapInspectPosDevice.erase(cached);
  }
  server.DAL_SystemLog_Add("删除巡更点设备-" + name);
  ShowToast(L"删除成功!", 3);
  const int pageCount = PagesFor(static_cast<int>(m_filtered.size()) - 1);
  if (pageCount < m_page) m_page = pageCount;
  if (pageCount == 0) m_page = 1;
  FillPositionList(m_page, false);
}
