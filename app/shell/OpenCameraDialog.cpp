#include "app/shell/OpenCameraDialog.h"

#include <memory>

#include "app/shell/BkWindow.h"
#include "app/shell/CCamPlayDlg.h"

UINT OpenCameraDialog(HWND hwndOwner, int checkpointId) {
  BkWindow* shade = g_pBkWnd;
  if (shade != nullptr && shade->GetHWND() != hwndOwner) shade = nullptr;
  if (shade != nullptr) shade->ShowWindow(true, true);
  auto dialog = std::make_unique<CCamPlayDlg>(checkpointId);
  UINT result = 0;
  if (dialog->CreateWithStyle(hwndOwner, L"摄像头播放", 0, 0) != nullptr) {
    dialog->CenterWindow();
    result = dialog->ShowModal();
  }
  if (shade != nullptr) shade->ShowWindow(false, true);
  return result;
}
