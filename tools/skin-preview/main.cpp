// skin-preview [skin file]: shows a skin as the client's windows will, without the
// client. With no argument it shows its own sample skin.
#include <memory>

#include "platform/win32.h"
#include "tools/skin-preview/SkinLocation.h"
#include "tools/skin-preview/SkinPreviewWnd.h"
#include "ui/core/manager/CWindowManagerUI.h"

int wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR lpCmdLine, int) {
  SkinUI::CWindowManagerUI::SetInstance(hInstance);
  const skinpreview::SkinLocation location = skinpreview::SkinLocation::FromCommandLine(
      lpCmdLine != nullptr ? lpCmdLine : L"", SkinUI::CWindowManagerUI::GetInstancePath().GetData());
  SkinUI::CWindowManagerUI::SetResourcePath(location.folder.c_str());

  auto window = std::make_unique<skinpreview::SkinPreviewWnd>(location.file);
  const DWORD dwStyle = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_SYSMENU;
  // A skin that cannot be loaded ends the process inside Create, with a message.
  if (window->Create(nullptr, L"皮肤预览", dwStyle, 0, 0, 0, 0, 0) == nullptr) return 1;
  window->CenterWindow();
  window->ShowModal();
  return 0;
}
