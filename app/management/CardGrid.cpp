#include "app/management/CardGrid.h"

#include "ui/controls/CMenuWnd.h"

namespace {

const DWORD kMenuBelow = 4;
const DWORD kMenuRight = 2;

SIZE FullScreen() {
  static const SIZE size = {::GetSystemMetrics(SM_CXFULLSCREEN), ::GetSystemMetrics(SM_CYFULLSCREEN)};
  return size;
}

}  // namespace

int CardGrid::Columns(int workWidth) {
  if (workWidth > 1670) return 5;
  if (workWidth > 1300) return 4;
  return 3;
}

DWORD CardGrid::MenuAlignment(POINT cursor, SIZE menu, SIZE screen) {
  const DWORD vertical = cursor.y + menu.cy > screen.cy ? SkinUI::CMenuWnd::ALIGN_TOP : kMenuBelow;
  const DWORD horizontal = cursor.x + menu.cx > screen.cx ? SkinUI::CMenuWnd::ALIGN_LEFT : kMenuRight;
  return vertical | horizontal;
}

void CardGrid::OpenMenu(HWND page, SkinUI::CWindowManagerUI& manager, LPCTSTR skin, SIZE menu) {
  POINT cursor = {0, 0};
  ::GetCursorPos(&cursor);
  const DWORD flags = MenuAlignment(cursor, menu, FullScreen());
  ::SetFocus(::GetAncestor(page, GA_ROOT));
  SkinUI::CMenuWnd* opened = SkinUI::CMenuWnd::CreateMenu(nullptr, skin, cursor, &manager, nullptr, flags);
  if (opened != nullptr) opened->ResizeMenu();
}
