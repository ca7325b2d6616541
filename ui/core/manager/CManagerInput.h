#pragma once
// How a window manager turns the window's mouse and keyboard messages into input
// events for its controls, keeping track of the hovered, pressed and key-down
// controls and of the mouse capture.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;
class CWindowManagerUI;

class CManagerInput {
 public:
  // Each returns true when the manager handles the message.
  static bool OnClose(CWindowManagerUI& pm);
  static bool OnMouseMove(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnMouseLeave(CWindowManagerUI& pm);
  static bool OnButtonDown(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnDoubleClick(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnButtonUp(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnRightButtonDown(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnContextMenu(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnMouseWheel(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnSetCursor(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnKeyDown(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnKeyUp(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnChar(CWindowManagerUI& pm, WPARAM wParam, LPARAM lParam);
  static bool OnSize(CWindowManagerUI& pm);

 private:
  // The control under a client point when it belongs to this manager, else null.
  static CControlUI* OwnControlAt(CWindowManagerUI& pm, POINT pt);
  static void SendMouseEvent(CControlUI* pControl, int nType, POINT pt, WPARAM wParam = 0, LPARAM lParam = 0);
  static void SendKeyEvent(CWindowManagerUI& pm, CControlUI* pControl, int nType, WPARAM wParam, LPARAM lParam);
};

}  // namespace SkinUI
