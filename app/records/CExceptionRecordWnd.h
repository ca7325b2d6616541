#pragma once
// The modal dialog in which a plan's people record what went wrong in one run: a box per
// checkpoint record for its anomaly, a remark (its length counted against 100) and
// pictures, kept on the picture service and copied locally to be shown as tiles, opened
// full screen, copied out into a folder, uploaded and deleted. Only the plan's own
// people may change it, and only while the run is under way or later on its day. It
// closes with 1 after a save, 2 when closed or cancelled.
#include <list>
#include <string>
#include <vector>

#include "app/records/RunPictures.h"
#include "data/ExceptionRecordInfo.h"
#include "data/RecordAreaInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CTileLayoutUI;
}

class CExceptionRecordWnd : public SkinUI::WindowImplBase {
 public:
  // The areas of the run with their checkpoint records, as the plan execution view has
  // them, and the run key "YYYY-MM-DD/HH:MM-HH:MM".
  CExceptionRecordWnd(std::list<RecordAreaInfo> areas, int planId, std::string runKey);
  ~CExceptionRecordWnd() override;

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  void OnSkinBuilt() override;
  SkinUI::CUIString GetSkinXmlName() const override;

 private:
  // 1 not started, 2 under way, 4 over on its day, 3 over on another day.
  int GetRunPhase() const;
  bool IsPlanPerson() const;
  void ShowReadOnly();
  void FillCheckpointItems();
  void FillPictureTiles();
  void RefreshPictures();
  void CountRemark();
  // False, with the dialog left open, when the server refused a write.
  bool Save();
  void UploadPictures();
  std::vector<std::string> ChoosePictures() const;
  void SavePictures();
  std::string ChooseSaveFolder() const;
  bool CopyPictureFile(const std::string& target) const;
  void DeletePicture(const std::string& name);
  void ViewPicture(const std::string& name) const;

  SkinUI::CControlUI* m_pRemark = nullptr;
  SkinUI::CTileLayoutUI* m_pCheckpoints = nullptr;
  SkinUI::CTileLayoutUI* m_pPictures = nullptr;
  int m_nPlanId;
  ExceptionRecordInfo m_record;
  std::string m_strTimeKey;
  std::list<RecordAreaInfo> m_listAreas;
  RunPictures m_pictures;
  int m_nEditable = 0;
};
