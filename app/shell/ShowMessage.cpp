#include "app/shell/ShowMessage.h"

#include <memory>

#include "app/shell/BkWindow.h"
#include "app/shell/CMessageNutilineUI.h"
#include "app/shell/CMessageUI.h"

namespace {

UINT RunTwoLineBox(const std::wstring& text, HWND hwndParent, int kind) {
  auto box = std::make_unique<CMessageNutilineUI>(
      CMessageNutilineUI::SplitLines(platform::codepage::WideToGbk(text)), kind);
  box->CreateWithStyle(hwndParent, L"MsgWnd", 0, 0);
  box->CenterWindow();
  return box->ShowModal();
}

UINT RunOneTextBox(const std::wstring& text, HWND hwndParent, int kind) {
  auto box = std::make_unique<CMessageUI>(text, kind);
  const HWND hwnd = box->CreateWithStyle(hwndParent, L"MsgWnd", 0, 0);
  ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_ASYNCWINDOWPOS);
  box->CenterWindow();
  return box->ShowModal();
}

}  // namespace

UINT RunMessageBox(const std::wstring& text, HWND hwndParent, int kind) {
  // Read once: the shade is the UI thread's, and a worker's box shows it from afar.
  // A shade already showing belongs to a dialog that is still open under the box: the
  // box leaves it alone, or the main frame would come up over that dialog and take
  // input while it runs.
  BkWindow* shade = g_pBkWnd;
  const bool ownShade = shade != nullptr && ::IsWindow(shade->GetHWND()) && !::IsWindowVisible(shade->GetHWND());
  if (ownShade) shade->ShowWindow(true, true);
  const UINT result = kind == 4 ? RunTwoLineBox(text, hwndParent, kind) : RunOneTextBox(text, hwndParent, kind);
  if (ownShade) shade->ShowWindow(false, true);
  return result;
}

bool ShowMessage(const std::wstring& text, HWND hwndParent, int kind) {
  return RunMessageBox(text, hwndParent, kind) == 1;
}
