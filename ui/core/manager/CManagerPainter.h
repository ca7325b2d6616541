#pragma once
// How a window manager answers WM_PAINT: the pending layout first (and
// "windowinit" once per root), then the control tree painted into an off-screen
// bitmap that is copied to the window, or, for a layered window, composed with
// per-pixel alpha and handed to UpdateLayeredWindow.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;
class CWindowManagerUI;

class CManagerPainter {
 public:
  static void Paint(CWindowManagerUI& pm);

 private:
  static void Layout(CWindowManagerUI& pm);
  static void PaintOpaque(CWindowManagerUI& pm, const PAINTSTRUCT& ps);
  static void PaintLayered(CWindowManagerUI& pm, const PAINTSTRUCT& ps, const RECT& rcUpdate);
  static void PaintOverlays(CWindowManagerUI& pm, HDC hDC, const RECT& rcPaint);
  static void DeleteOffscreen(CWindowManagerUI& pm);
  // The off-screen bitmap's size; empty when there is none.
  static SIZE OffscreenSize(CWindowManagerUI& pm);
  static CControlUI* CALLBACK FindControlFromUpdate(CControlUI* pThis, LPVOID pData);
};

}  // namespace SkinUI
