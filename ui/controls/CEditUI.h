#pragma once
// The single-line text entry: drawn like a label while idle (the tip text in its own
// colour while empty, one password character per character in password mode); while
// it has the focus a native edit window lies over its text area and does the editing.
// Every change there is copied back into the control's text and sent as
// "textchanged"; Return sends "return".
#include "ui/controls/CLabelUI.h"

namespace SkinUI {

class CEditWnd;

class CEditUI : public CLabelUI {
 public:
  CEditUI();
  // An open native window goes first, told that its control is gone.
  ~CEditUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  // Assigns without comparing; an open native window gets the text too.
  void SetText(LPCTSTR pstrText) override;
  void SetPos(RECT rc) override;
  void SetVisible(bool bVisible = true) override;
  void SetParentVisible(bool bVisible = true) override;
  void SetEnabled(bool bEnable = true) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  SIZE MeasureSize(SIZE szAvailable) override;
  void DrawStateImages(HDC hDC) override;
  void DrawText(HDC hDC) override;

  void SetMaxChar(int uMax);
  int GetMaxChar() const;
  void SetReadOnly(bool bReadOnly);
  bool IsReadOnly() const;
  // Takes effect when the native window is next opened.
  void SetPasswordMode(bool bPasswordMode);
  bool IsPasswordMode() const;
  void SetPasswordChar(TCHAR cPasswordChar);
  TCHAR GetPasswordChar() const;
  // ES_NUMBER in the style the native window is next opened with.
  void SetNumberOnly(bool bNumberOnly);
  void SetTipValue(LPCTSTR pStrTipValue);
  CUIString GetTipValue() const;
  // Hexadecimal ARGB, with an optional '#'.
  void SetTipValueColor(LPCTSTR pStrColor);
  DWORD GetTipValueColor() const;
  void SetNativeTextColor(LPCTSTR pStrColor);
  DWORD GetNativeTextColor() const;
  // 0xFFFFFFFF leaves the native window's colours to the system.
  void SetNativeBkColor(DWORD dwBkColor);
  DWORD GetNativeBkColor() const;
  UINT GetEditStyle() const;

  // What the native window tells its control.
  // The native window's text, stored as it is, without a repaint.
  void StoreNativeText(LPCTSTR pstrText);
  // The native window is gone.
  void NativeWindowClosed();

 private:
  void OpenNativeWindow();
  // Selects everything in the native window (0 to 1 when empty).
  void SelectAllNative();

  CEditWnd* m_pWindow;
  int m_uMaxChar;
  bool m_bReadOnly;
  bool m_bPasswordMode;
  TCHAR m_cPasswordChar;
  UINT m_uButtonState;
  CUIString m_sTipValue;
  DWORD m_dwTipValueColor;
  DWORD m_dwNativeBkColor;
  DWORD m_dwNativeTextColor;
  UINT m_uEditStyle;
};

}  // namespace SkinUI
