#pragma once
// The device page of the main frame: one tab lists the hand-held readers, the other the
// checkpoints, 20 a page; each has a name search, add, edit and delete, and a checkpoint
// with a camera has a button that plays it. The main frame creates the page as its child
// on the first selection and shows or hides it afterwards.
#include <vector>

#include "data/InspectPosDeviceInfo.h"
#include "ui/core/window/WindowImplBase.h"

namespace SkinUI {
class CControlUI;
class CListUI;
}  // namespace SkinUI

class CDeviceManageWndEx : public SkinUI::WindowImplBase {
 public:
  enum Tab { TAB_READERS = 1, TAB_CHECKPOINTS = 2 };
  static constexpr int kRowsPerPage = 20;

  CDeviceManageWndEx() = default;

  void FillReaderList();
  // Shows that page of the matching checkpoints, or their last page with the flag set.
  void FillPositionList(int page, bool lastPage);
  void PrevPositionPage();
  void NextPositionPage();
  void GotoPositionPage();

  // What the main frame calls when it selects the page: the search button takes the focus.
  void FocusFindButton();

  void Notify(SkinUI::UINotifyRecord& msg) override;

  int CurrentTab() const { return m_tab; }
  int CurrentPage() const { return m_page; }

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  void FindControls();
  void OnSearch();
  void ShowNoContent(bool empty, SkinUI::CControlUI* list, SkinUI::CControlUI* pager);
  void SetCount(int count);
  void SetPagerButtons(int page, int pageCount);
  int PageCount() const;
  void AddReader();
  void EditReader(int id);
  void AddCheckpoint();
  void EditCheckpoint(int id);
  void PlayCamera(int id);
  void DeleteReader(int id);
  void DeleteCheckpoint(int id);
  // True when a route of a cached plan passes the checkpoint.
  static bool CheckpointInUse(int id);
  // The window the dialogs run over: the shade when there is one, else the page.
  HWND ShadeOrPage() const;
  void ShowShade(bool show) const;

  int m_tab = TAB_READERS;
  SkinUI::CControlUI* m_pCount = nullptr;
  SkinUI::CControlUI* m_pSearch = nullptr;
  SkinUI::CControlUI* m_pFind = nullptr;
  SkinUI::CControlUI* m_pAdd = nullptr;
  SkinUI::CListUI* m_pReaders = nullptr;
  SkinUI::CListUI* m_pCheckpoints = nullptr;
  SkinUI::CControlUI* m_pPager = nullptr;
  SkinUI::CControlUI* m_pClear = nullptr;
  int m_page = 1;
  std::vector<InspectPosDeviceInfo> m_filtered;
  RECT m_workArea = {0, 0, 0, 0};
};
