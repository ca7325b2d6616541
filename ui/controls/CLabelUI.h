#pragma once
// A text in one of the window's fonts and colours, placed by text-format flags and an
// inner padding: the framework's text-bearing control and the base of every other
// (text, button, option, progress, edit). A label always draws one line.
#include "ui/core/control/CControlUI.h"

namespace SkinUI {

class CLabelUI : public CControlUI {
 public:
  CLabelUI();
  ~CLabelUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  SIZE MeasureSize(SIZE szAvailable) override;
  void DrawText(HDC hDC) override;

  virtual bool IsAutoCalcWidth() const;
  virtual void SetAutoCalcWidth(bool bAutoCalcWidth);

  // 0 takes the window's default colour at the first paint, and keeps it.
  DWORD GetTextColor() const;
  void SetTextColor(DWORD dwTextColor);
  DWORD GetDisabledTextColor() const;
  void SetDisabledTextColor(DWORD dwTextColor);
  // An index into the window's fonts; -1 or an unknown index is the default font.
  int GetFont() const;
  void SetFont(int index);
  RECT GetTextPadding() const;
  void SetTextPadding(RECT rc);
  bool IsShowHtml() const;
  void SetShowHtml(bool bShowHtml = true);
  // The DrawText flags the skin's "align", "valign", "endellipsis" and "multiline" made.
  UINT GetTextStyle() const;

 protected:
  // A colour left 0 becomes the window's default, for good.
  void TakeDefaultColors();
  // The control's rectangle moved in by the text padding.
  RECT GetTextRect() const;
  // The text's colour by the enabled state, before any state colour of a button.
  DWORD GetStateTextColor() const;
  // Plain or markup text, without links, with the given style.
  void DrawTextWithStyle(HDC hDC, RECT& rc, DWORD dwColor, UINT uStyle);
  int GetFontHeight() const;

  DWORD m_dwTextColor;
  DWORD m_dwDisabledTextColor;
  int m_iFont;
  UINT m_uTextStyle;
  RECT m_rcTextPadding;
  bool m_bShowHtml;
  bool m_bAutoCalcWidth;
};

}  // namespace SkinUI
