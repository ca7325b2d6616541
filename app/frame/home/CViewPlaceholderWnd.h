#pragma once
// Stands in for the plan execution view and the report download window, which the home
// page opens and which come with their own windows: a modal window showing its title, a
// close button, and the plan run it was asked to load.
#include <string>

#include "ui/core/window/WindowImplBase.h"

class CViewPlaceholderWnd : public SkinUI::WindowImplBase {
 public:
  explicit CViewPlaceholderWnd(int planId = 0);

  // On the busy window's worker, as the plan execution view loads its run.
  void LoadPlanRun(std::string runKey);

  int GetPlanId() const { return m_planId; }
  const std::string& GetRunKey() const { return m_runKey; }

  void Notify(SkinUI::UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  void OnSkinBuilt() override;

 private:
  const int m_planId;
  std::string m_runKey;
};
