#pragma once
// The tooltip a window manager shows for the control the mouse rests on: one
// tooltip window per manager, made on first use, tracking the control's text.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;
class CWindowManagerUI;

class CManagerTooltip {
 public:
  explicit CManagerTooltip(CWindowManagerUI& manager);
  CManagerTooltip(const CManagerTooltip&) = delete;
  CManagerTooltip& operator=(const CManagerTooltip&) = delete;
  ~CManagerTooltip();

  // How long the mouse must rest before a hover: the tooltip's initial delay, or
  // 400 ms before the tooltip exists.
  DWORD HoverTime() const;
  // Shows the control's tooltip text at its rectangle; an empty text shows nothing.
  void Show(CControlUI& control);
  void Hide();
  void Destroy();

 private:
  CWindowManagerUI& m_manager;
  HWND m_hwndTooltip;
  TTTOOLINFOW m_ToolTip;
};

}  // namespace SkinUI
