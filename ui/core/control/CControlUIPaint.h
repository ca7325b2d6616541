#pragma once
// The base control's paint pipeline: the paint rectangle and rounded clip, then the
// background colour, background image, state images, text and border steps, each a
// virtual call so that controls override what they draw themselves.
#include "platform/win32.h"

namespace SkinUI {

class CControlUI;

class CControlUIPaint {
 public:
  CControlUIPaint() = delete;

  static void Paint(CControlUI& control, HDC hDC, const RECT& rcPaint);
  // An opaque colour fills the part being painted, a translucent one the whole
  // position (it blends, so it must be drawn whole); two or three colours make
  // vertical gradients over the position.
  static void DrawBackgroundColor(CControlUI& control, HDC hDC);
  static void DrawBackgroundImage(CControlUI& control, HDC hDC);
  // A rounded border, else a focus frame, else the side lines, else a plain frame.
  static void DrawBorder(CControlUI& control, HDC hDC);
};

}  // namespace SkinUI
