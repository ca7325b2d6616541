#pragma once
// The system date picker a date field lays over itself: a superclass of
// "SysDateTimePick32" that takes the focus back whenever its calendar notifies it,
// stays open while its calendar is open, and closes when it loses the focus with the
// pointer outside it (writing the date into its control), or on the release of
// Escape (keeping the text), Delete or Backspace (emptying it). While it is open its
// fields keep the control's face and text colour. It deletes itself once its window is
// gone.
#include "platform/win32.h"
#include "ui/core/window/CWindowWnd.h"

namespace SkinUI {

class CDateTimeUI;

class CDateTimeWnd : public CWindowWnd {
 public:
  CDateTimeWnd();

  // Creates the picker over the owner (once), gives it the owner's date, shows it and
  // gives it the focus.
  void Init(CDateTimeUI* pOwner);
  // The control is being destroyed: the window no longer reports to it.
  void ForgetOwner();

 protected:
  LPCTSTR GetWindowClassName() const override;
  LPCTSTR GetSuperclassName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnDetached(HWND hWnd) override;

 private:
  ~CDateTimeWnd() override;

  LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam);
  // The update state the release of a key closes the picker with; DT_NONE for keys
  // that do not close it.
  static int ClosingStateOf(WPARAM vk);
  // The brush the picker paints its fields with; 0 leaves it the system's colours.
  LRESULT OnColor(HDC hDC);

  CDateTimeUI* m_pOwner;
  HBRUSH m_hBkBrush;  // the owner's face, made at the first paint, freed with the window
  bool m_bInit;
};

}  // namespace SkinUI
