#pragma once
// What the plan and route pages share about their grids of cards: the columns for the
// work area, and the card menu opened at the cursor on the side that keeps it on the
// screen.
#include "platform/win32.h"

namespace SkinUI {
class CWindowManagerUI;
}

class CardGrid {
 public:
  static int Columns(int workWidth);
  // Above the cursor (16) or below it (4), left of it (8) or right of it (2), for a menu
  // of that size on a screen of that size.
  static DWORD MenuAlignment(POINT cursor, SIZE menu, SIZE screen);
  // The menu skin at the cursor for the page's window; the main frame keeps its active
  // caption while the menu is up. The screen is the full-screen client area, read once.
  static void OpenMenu(HWND page, SkinUI::CWindowManagerUI& manager, LPCTSTR skin, SIZE menu);
};
