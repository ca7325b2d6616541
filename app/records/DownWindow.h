#pragma once
// The report download: the user picks a folder, a plan type and a range around today,
// and OK writes one spreadsheet with the passed and missed checkpoints of each chosen
// plan per day. The modal run ends with 1 however the window closes.
#include <list>
#include <map>
#include <string>

#include "app/records/PlanDayTally.h"
#include "ui/core/window/WindowImplBase.h"

class DownWindow : public SkinUI::WindowImplBase {
 public:
  DownWindow();
  ~DownWindow() override;

  // How the home page opens it: created over the owner (the shade, when there is one)
  // with the title "下载报告", centred and run modally. Returns the modal result.
  static UINT ShowOver(HWND hwndOwner);

  // Asks for a folder; "lab_path" shows the outcome, empty when the user cancelled or
  // picked something that is not a folder of the file system. Returns the folder (GBK).
  std::string ChooseFolder();
  // Collects the tallies and writes the report behind the busy window. False only when
  // the folder is missing or too long; the user learns the rest from a toast.
  bool Export();

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;

 private:
  using PlanTallies = std::map<std::string, PlanDayTally>;

  std::string Folder();
  int PlanType();
  int RangeCode();
  bool IsSelected(LPCTSTR option);
  void CollectRows(int planType, int rangeCode);

  std::list<PlanTallies> m_exportRows;
};
