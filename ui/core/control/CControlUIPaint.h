#pragma once
// The base control's colour and border settings, behind the skin's background
// colour, border colour, border size and style and colour-HSL attributes, and the
// two paint steps that draw from them alone: the background colour and the border.
// The images, the border round and the paint rectangle stay with the control,
// whose subclasses read and write them directly.
#include "platform/win32.h"

namespace SkinUI {

class CControlUIPaint {
 public:
  CControlUIPaint();

  // Each answers whether the value changed.
  bool SetBkColor(DWORD dwBackColor);
  bool SetBkColor2(DWORD dwBackColor);
  bool SetBkColor3(DWORD dwBackColor);
  bool SetBorderColor(DWORD dwBorderColor);
  bool SetFocusBorderColor(DWORD dwBorderColor);
  bool SetColorHSL(bool bColorHSL);
  bool SetBorderSize(int nSize);

  void SetBorderSizes(const RECT& rcSizes);
  void SetLeftBorderSize(int nSize);
  void SetTopBorderSize(int nSize);
  void SetRightBorderSize(int nSize);
  void SetBottomBorderSize(int nSize);
  void SetBorderStyle(int nStyle);

  DWORD GetBkColor() const;
  DWORD GetBkColor2() const;
  DWORD GetBkColor3() const;
  DWORD GetBorderColor() const;
  DWORD GetFocusBorderColor() const;
  bool IsColorHSL() const;
  int GetBorderSize() const;
  const RECT& GetBorderSizes() const;
  int GetBorderStyle() const;

  // The colour shifted by the framework's hue, saturation and lightness when the
  // control follows them, else unchanged.
  DWORD AdjustColor(DWORD dwColor) const;
  // An opaque colour fills the part being painted, a translucent one the whole
  // position (it blends, so it must be drawn whole); two or three colours make
  // vertical gradients over the position.
  void DrawBackgroundColor(HDC hDC, const RECT& rcItem, const RECT& rcPaint) const;
  // A rounded border, else a focus frame, else the side lines, else a plain frame.
  void DrawBorder(HDC hDC, const RECT& rcItem, SIZE szRound, bool bFocused) const;

 private:
  DWORD m_dwBackColor;
  DWORD m_dwBackColor2;
  DWORD m_dwBackColor3;
  DWORD m_dwBorderColor;
  DWORD m_dwFocusBorderColor;
  bool m_bColorHSL;
  int m_nBorderSize;
  int m_nBorderStyle;
  RECT m_rcBorderSize;  // the left, top, right and bottom line widths
};

}  // namespace SkinUI
