#pragma once
// The tooltip a window manager shows for the control the mouse rests on: one
// tooltip window per manager, made on first use, tracking the control's text.
#include "platform/win32.h"

namespace SkinUI {

class CWindowManagerUI;

class CManagerTooltip {
 public:
  // How long the mouse must rest before a hover: the tooltip's initial delay, or
  // 400 ms before the tooltip exists.
  static DWORD HoverTime(CWindowManagerUI& pm);
  // WM_MOUSEHOVER at a client point; true when a control lies under it.
  static bool OnMouseHover(CWindowManagerUI& pm, LPARAM lParam);
  static void Hide(CWindowManagerUI& pm);
};

}  // namespace SkinUI
