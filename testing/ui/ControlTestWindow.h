#pragma once
// A skin window for control tests: built from skin markup given inline, it records
// every notification, lets the window base act on it (so the system buttons work as
// in every window of the program), then runs a test's own handler.
#include <functional>
#include <string>

#include "testing/ui/NotifyRecorder.h"
#include "ui/core/window/WindowImplBase.h"

namespace controltest {

class ControlTestWindow : public SkinUI::WindowImplBase {
 public:
  ControlTestWindow(std::wstring skin, NotifyRecorder* recorder);

  SkinUI::CWindowManagerUI& Manager() { return m_pm; }
  void Notify(SkinUI::UINotifyRecord& msg) override;

  // Runs on the window's thread for each notification, after the window base.
  std::function<void(SkinUI::UINotifyRecord&)> onNotify;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;

 private:
  std::wstring skin_;
  NotifyRecorder* recorder_;
};

}  // namespace controltest
