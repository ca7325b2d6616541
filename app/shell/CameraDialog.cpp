#include "app/shell/CameraDialog.h"

#include <mutex>
#include <string>
#include <utility>

#include "ui/core/control/CControlUI.h"
#include "ui/core/window/WindowImplBase.h"

namespace {

std::mutex& OpenerMutex() {
  static std::mutex mutex;
  return mutex;
}

CameraDialogOpener& Opener() {
  static CameraDialogOpener opener;
  return opener;
}

// Stands in for the player dialog: the checkpoint's number and "btn_close", which closes
// it with 2.
class CameraPlaceholderDlg : public SkinUI::WindowImplBase {
 public:
  explicit CameraPlaceholderDlg(int checkpointId) : m_nCheckpointId(checkpointId) {}

  void Notify(SkinUI::UINotifyRecord& msg) override {
    if (msg.sType == L"click" && msg.pSender != nullptr && msg.pSender->GetName() == L"btn_close") Close(2);
  }

 protected:
  LPCTSTR GetWindowClassName() const override { return L"CCamPlayDlg"; }
  SkinUI::CUIString GetSkinXmlName() const override { return L"CamPlayDlg.xml"; }
  void OnSkinBuilt() override {
    SkinUI::CControlUI* label = m_pm.FindControl(L"lab_Camera");
    if (label != nullptr) label->SetText((L"巡更点 " + std::to_wstring(m_nCheckpointId)).c_str());
  }

 private:
  int m_nCheckpointId;
};

}  // namespace

UINT OpenCameraDialog(HWND hwndOwner, int checkpointId) {
  CameraDialogOpener opener;
  {
    std::lock_guard<std::mutex> lock(OpenerMutex());
    opener = Opener();
  }
  if (opener) return opener(hwndOwner, checkpointId);
  CameraPlaceholderDlg dialog(checkpointId);
  if (dialog.CreateWithStyle(hwndOwner, L"摄像头播放", 0, 0) == nullptr) return 0;
  dialog.CenterWindow();
  return dialog.ShowModal();
}

CameraDialogOpener SetCameraDialogOpener(CameraDialogOpener opener) {
  std::lock_guard<std::mutex> lock(OpenerMutex());
  std::swap(Opener(), opener);
  return opener;
}
