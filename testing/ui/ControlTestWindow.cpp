#include "testing/ui/ControlTestWindow.h"

#include <utility>

namespace controltest {

ControlTestWindow::ControlTestWindow(std::wstring skin, NotifyRecorder* recorder)
    : skin_(std::move(skin)), recorder_(recorder) {}

void ControlTestWindow::Notify(SkinUI::UINotifyRecord& msg) {
  if (recorder_ != nullptr) recorder_->Notify(msg);
  WindowImplBase::Notify(msg);
  // Last, as a window's own handler: it may delete the sender.
  if (onNotify) onNotify(msg);
}

SkinUI::CControlUI* ControlTestWindow::CreateControl(LPCTSTR pstrClass) {
  if (onCreateControl) return onCreateControl(pstrClass);
  return WindowImplBase::CreateControl(pstrClass);
}

LPCTSTR ControlTestWindow::GetWindowClassName() const { return L"ControlTestWindow"; }

SkinUI::CUIString ControlTestWindow::GetSkinXmlName() const { return SkinUI::CUIString(skin_.c_str()); }

}  // namespace controltest
