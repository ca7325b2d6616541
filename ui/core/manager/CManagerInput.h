#pragma once
// How a window manager turns the window's mouse and keyboard messages into input
// events for its controls. It keeps what input leaves behind between messages: the
// hovered, pressed and key-down controls, the last mouse point, whether the mouse
// is tracked for hover and leave, and the mouse capture.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;
class CManagerTooltip;
class CWindowManagerUI;

class CManagerInput {
 public:
  CManagerInput(CWindowManagerUI& manager, CManagerTooltip& tooltip);
  CManagerInput(const CManagerInput&) = delete;
  CManagerInput& operator=(const CManagerInput&) = delete;

  void SetCapture();
  void ReleaseCapture();
  bool IsCaptured() const;
  POINT GetMousePos() const;
  // Drops every reference to a control that is being destroyed.
  void Reap(CControlUI* pControl);
  // A new root: no control is hovered, pressed or holds a key any more.
  void ForgetControls();

  // Each returns true when the manager handles the message.
  bool OnClose();
  bool OnMouseMove(WPARAM wParam, LPARAM lParam);
  bool OnMouseHover(LPARAM lParam);
  bool OnMouseLeave();
  bool OnButtonDown(WPARAM wParam, LPARAM lParam);
  bool OnDoubleClick(WPARAM wParam, LPARAM lParam);
  bool OnButtonUp(WPARAM wParam, LPARAM lParam);
  bool OnRightButtonDown(WPARAM wParam, LPARAM lParam);
  bool OnContextMenu(WPARAM wParam, LPARAM lParam);
  bool OnMouseWheel(WPARAM wParam, LPARAM lParam);
  bool OnSetCursor(WPARAM wParam, LPARAM lParam);
  bool OnKeyDown(WPARAM wParam);
  bool OnKeyUp(WPARAM wParam);
  bool OnChar(WPARAM wParam);
  bool OnSize();

 private:
  // The control under a client point when it belongs to this manager, else null.
  CControlUI* OwnControlAt(POINT pt) const;
  void SendKeyEvent(CControlUI* pControl, int nType, WPARAM wParam);
  // A left or right press: the control under the point is pressed, focused, and
  // captures the mouse when focusing left it alive.
  bool Press(int nType, WPARAM wParam, LPARAM lParam);

  CWindowManagerUI& m_manager;
  CManagerTooltip& m_tooltip;
  CControlUI* m_pEventHover;
  CControlUI* m_pEventClick;
  CControlUI* m_pEventKey;
  POINT m_ptLastMousePos;  // client coordinates
  bool m_bMouseTracking;   // hover and leave are armed
  bool m_bMouseCapture;
};

}  // namespace SkinUI
