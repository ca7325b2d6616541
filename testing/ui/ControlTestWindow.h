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
  // Builds the skin's elements the framework does not know, as a program window's
  // CreateControl does; none when empty.
  std::function<SkinUI::CControlUI*(LPCTSTR)> onCreateControl;

  SkinUI::CControlUI* CreateControl(LPCTSTR pstrClass) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;

 private:
  std::wstring skin_;
  NotifyRecorder* recorder_;
};

}  // namespace controltest
