#pragma once
// The checkpoint dialog: adds a checkpoint, or edits one, with its name, code, building,
// floor, the camera of that floor it is bound to, and a remark. The buildings, floors and
// cameras come from the building cache; a successful save goes into the checkpoint cache.
// Modal result: 1 after a successful save, 2 when closed or cancelled.
#include "data/DigiAreaInfo.h"
#include "data/DigiCameraInfo.h"
#include "data/InspectPosDeviceInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CComboUI;
class CControlUI;
}  // namespace SkinUI

class CAddDevicePositionWnd : public SkinUI::WindowImplBase {
 public:
  enum Mode { MODE_ADD = 1, MODE_EDIT = 2 };

  explicit CAddDevicePositionWnd(int mode);

  // Edit mode: shows the checkpoint; call after the window is created.
  void LoadPosition(InspectPosDeviceInfo position);
  // The server's new or edited id (> 0); 0 after a refused input (its message shown);
  // -1 when a control is missing, the mode is unknown or the server did not store it.
  int Save();

  void Notify(SkinUI::UINotifyRecord& msg) override;

  const InspectPosDeviceInfo& Position() const { return m_position; }

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void FillBuildingCombo();
  void FillFloorCombo();
  void FillCameraCombo();
  void UpdateRemarkCounter();
  void ChooseBuilding(const std::wstring& name);
  void ChooseCamera(const std::wstring& name);
  // The record as the save wrote it.
  InspectPosDeviceInfo Saved(int id, const std::string& name, const std::string& code,
                             const std::string& remark) const;

  int m_mode;
  SkinUI::CControlUI* m_pTitle = nullptr;
  SkinUI::CControlUI* m_pName = nullptr;
  SkinUI::CControlUI* m_pCode = nullptr;
  SkinUI::CComboUI* m_pArea = nullptr;
  SkinUI::CComboUI* m_pFloor = nullptr;
  SkinUI::CComboUI* m_pCamera = nullptr;
  SkinUI::CControlUI* m_pRemark = nullptr;
  SkinUI::CControlUI* m_pRemarkCount = nullptr;
  InspectPosDeviceInfo m_position;
  DigiAreaInfo m_building;
  DigiCameraInfo m_camera;
  // 1-based; 0 while no floor row is chosen (a building without floors).
  int m_floor = 0;
};
