#include "app/management/CAddDevicePositionWnd.h"

#include <mutex>
#include <string>
#include <utility>

#include "app/management/ComboRows.h"
#include "app/shell/SavableText.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "ui/controls/CComboUI.h"

namespace {

using platform::codepage::GbkToWide;
using platform::codepage::WideToGbk;

std::string TextOf(const SkinUI::CControlUI* control) { return WideToGbk(control->GetText().GetData()); }

}  // namespace

CAddDevicePositionWnd::CAddDevicePositionWnd(int mode) : m_mode(mode) { m_camera.buildingFloor = 1; }

LPCTSTR CAddDevicePositionWnd::GetWindowClassName() const { return L"CAddDevicePositionWnd"; }

SkinUI::CUIString CAddDevicePositionWnd::GetSkinXmlName() const { return L"AddDevicePositionWnd.xml"; }

void CAddDevicePositionWnd::OnSkinBuilt() {
  m_pTitle = m_pm.FindControl(L"lab_title");
  m_pName = m_pm.FindControl(L"Edit_Name");
  m_pCode = m_pm.FindControl(L"Edit_code");
  m_pArea = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_Area"));
  m_pFloor = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_Position"));
  m_pCamera = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_Cam"));
  m_pRemark = m_pm.FindControl(L"Edit_remark");
  m_pRemarkCount = m_pm.FindControl(L"lb_remark_count");
  if (m_mode == MODE_EDIT && m_pTitle != nullptr) m_pTitle->SetText(L"编辑巡更点设备");
  FillBuildingCombo();
  // The selection's notification fills the floors and the cameras of the first building.
  if (m_pArea != nullptr) m_pArea->SelectItem(0);
}

void CAddDevicePositionWnd::FillBuildingCombo() {
  if (m_pArea == nullptr) return;
  m_pArea->RemoveAll();
  for (auto it = g_mapDigiArea.rbegin(); it != g_mapDigiArea.rend(); ++it) {
    ComboRows::Add(m_pArea, GbkToWide(it->second.buildingName), std::to_wstring(it->first));
  }
}

void CAddDevicePositionWnd::FillFloorCombo() {
  if (m_pFloor == nullptr) return;
  m_pFloor->RemoveAll();
  for (int floor = 1; floor <= m_building.floorNumber; ++floor) {
    ComboRows::Add(m_pFloor, std::to_wstring(floor) + L"层");
  }
  // A building without floors leaves none chosen.
  if (m_pFloor->GetCount() == 0) m_floor = 0;
  m_pFloor->SelectItem(0);
}

void CAddDevicePositionWnd::FillCameraCombo() {
  if (m_pCamera == nullptr) return;
  m_pCamera->RemoveAll();
  for (const DigiCameraInfo& camera : m_building.listCamera) {
    if (camera.buildingFloor == m_floor) ComboRows::Add(m_pCamera, GbkToWide(camera.cameraName));
  }
  if (m_pCamera->GetCount() > 0) {
    m_pCamera->SelectItem(0);
    return;
  }
  m_camera = DigiCameraInfo();
  m_camera.buildingFloor = 1;
}

void CAddDevicePositionWnd::UpdateRemarkCounter() {
  if (m_pRemark == nullptr || m_pRemarkCount == nullptr) return;
  m_pRemarkCount->SetText((std::to_wstring(m_pRemark->GetText().GetLength()) + L"/40").c_str());
}

void CAddDevicePositionWnd::ChooseBuilding(const std::wstring& name) {
  const std::string gbkName = WideToGbk(name);
  for (auto it = g_mapDigiArea.rbegin(); it != g_mapDigiArea.rend(); ++it) {
    if (it->second.buildingName != gbkName) continue;
    m_building = it->second;
    break;
  }
  FillFloorCombo();
  FillCameraCombo();
}

void CAddDevicePositionWnd::ChooseCamera(const std::wstring& name) {
  const std::string gbkName = WideToGbk(name);
  for (const DigiCameraInfo& camera : m_building.listCamera) {
    if (camera.cameraName != gbkName) continue;
    m_camera = camera;
    return;
  }
}

void CAddDevicePositionWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"click") {
    if (name == L"btn_close" || name == L"btn_Cancel") {
      Close(2);
      return;
    }
    if (name != L"btn_Ok") return;
    const int result = Save();
    if (result > 0) {
      Close(1);
      return;
    }
    if (result < 0) {
      ShowMessage(m_mode == MODE_ADD ? L"添加失败，请检查巡更点名称或编号是否已存在!"
                                     : L"编辑失败，请检查巡更点名称或编号是否已存在!",
                  m_hWnd, 7);
    }
    return;
  }
  if (msg.sType == L"itemselect") {
    if (name == L"Comb_Area") {
      ChooseBuilding(msg.pSender->GetText().GetData());
    } else if (name == L"Comb_Position") {
      m_floor = m_pFloor->GetCurSel() + 1;
      FillCameraCombo();
    } else if (name == L"Comb_Cam") {
      ChooseCamera(msg.pSender->GetText().GetData());
    }
    return;
  }
  if (msg.sType == L"textchanged" && name == L"Edit_remark") UpdateRemarkCounter();
}

void CAddDevicePositionWnd::LoadPosition(InspectPosDeviceInfo position) {
  m_position = std::move(position);
  if (m_pName == nullptr || m_pCode == nullptr || m_pArea == nullptr || m_pFloor == nullptr || m_pCamera == nullptr) {
    return;
  }
  const std::wstring name = GbkToWide(m_position.strName);
  m_pName->SetText(name.c_str());
  m_pName->SetToolTip(name.c_str());
  if (m_pRemark != nullptr) m_pRemark->SetText(GbkToWide(m_position.strReserve).c_str());
  UpdateRemarkCounter();

  // Rows in the combo's order, highest building id first; a missing one is one past the end.
  int buildingRow = 0;
  for (auto it = g_mapDigiArea.rbegin(); it != g_mapDigiArea.rend() && it->first != m_position.iAreaID; ++it) {
    ++buildingRow;
  }
  m_pArea->SelectItem(buildingRow);
  m_pFloor->SelectItem(m_position.ifloor - 1);
  m_pCode->SetText(GbkToWide(m_position.strCode).c_str());

  int cameraRow = 0;
  for (const DigiCameraInfo& camera : m_building.listCamera) {
    if (camera.buildingFloor != m_floor) continue;
    if (camera.cameraName == m_position.strCamName) break;
    ++cameraRow;
  }
  m_pCamera->SelectItem(cameraRow);
}

InspectPosDeviceInfo CAddDevicePositionWnd::Saved(int id, const std::string& name, const std::string& code,
                                                  const std::string& remark) const {
  InspectPosDeviceInfo saved = m_position;
  saved.iID = id;
  saved.strName = name;
  saved.strCode = code;
  saved.ifloor = m_floor;
  saved.iAreaID = m_building.buildingId;
  saved.strAreaName = m_building.buildingName;
  saved.strCameraID = m_camera.equipmentId;
  saved.strCamName = m_camera.cameraName;
  saved.strCamIp = m_camera.cameraIp;
  saved.strCamAccount = m_camera.account;
  saved.strCamPassword = m_camera.password;
  saved.CamPort = m_camera.cameraPort;
  saved.CamBrand = m_camera.cameraBrandId;
  saved.strReserve = remark;
  return saved;
}

int CAddDevicePositionWnd::Save() {
  if (m_pName == nullptr || m_pCode == nullptr || m_pArea == nullptr || m_pFloor == nullptr || m_pCamera == nullptr) {
    return -1;
  }
  if (!CheckSavableTexts(m_hWnd, {m_pName, m_pCode, m_pRemark})) return 0;
  const std::string name = TextOf(m_pName);
  const std::string area = TextOf(m_pArea);
  const std::string code = TextOf(m_pCode);
  const std::string remark = m_pRemark != nullptr ? TextOf(m_pRemark) : std::string();
  if (name.empty()) {
    ShowMessage(L"名称不能为空!", m_hWnd, 1);
    return 0;
  }
  if (area.empty()) {
    ShowMessage(L"区域不能为空!", m_hWnd, 1);
    return 0;
  }
  if (code.empty()) {
    ShowMessage(L"设备编码不能为空!", m_hWnd, 1);
    return 0;
  }
  // A building without floors would store a floor that does not exist.
  if (m_floor < 1) {
    ShowMessage(L"位置不能为空!", m_hWnd, 1);
    return 0;
  }
  if (m_mode != MODE_ADD && m_mode != MODE_EDIT) return -1;

  DAL_PatrolServer server;
  const int result =
      m_mode == MODE_ADD
          ? server.DAL_InspectPosDevice_Add(name, m_building.buildingId, m_floor, m_camera.equipmentId, code,
                                            m_camera.cameraName, m_camera.cameraIp, m_camera.account,
                                            m_camera.password, m_camera.cameraPort, m_camera.cameraBrandId, remark)
          : server.DAL_InspectPosDevice_Update(m_position.iID, name, m_building.buildingId, m_floor,
                                               m_camera.equipmentId, code, m_camera.cameraName, m_camera.cameraIp,
                                               m_camera.account, m_camera.password, m_camera.cameraPort,
                                               m_camera.cameraBrandId, remark);
  // The server answers 0 when it stored nothing, as well as -1.
  if (result <= 0) return -1;
  m_position = Saved(m_mode == MODE_ADD ? result : m_position.iID, name, code, remark);
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  g_mapInspectPosDevice[m_position.iID] = m_position;
  return result;
}
