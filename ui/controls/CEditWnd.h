#pragma once
// The native edit window an edit box lays over its text area while it has the focus:
// a superclass of the system "Edit" that reports each change of its text and Return
// to its control, answers the colour requests with the control's native colours, and
// closes itself when it loses the focus. It deletes itself once its window is gone.
#include "platform/win32.h"
#include "ui/core/window/CWindowWnd.h"

namespace SkinUI {

class CEditUI;

class CEditWnd : public CWindowWnd {
 public:
  CEditWnd();

  // Creates the window over the owner's text area with the owner's settings, shows it
  // and gives it the focus.
  void Init(CEditUI* pOwner);
  // Where the window goes for its owner: the text area narrowed to the font's height
  // and centred, in screen coordinates when the host window is layered.
  RECT CalPos();
  // The control is being destroyed: the window no longer reports to it.
  void ForgetOwner();

 protected:
  LPCTSTR GetWindowClassName() const override;
  LPCTSTR GetSuperclassName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnDetached(HWND hWnd) override;

 private:
  ~CEditWnd() override;

  LRESULT OnLoseFocus(UINT uMsg, WPARAM wParam, LPARAM lParam);
  void OnTextChange();
  LRESULT OnColor(HDC hDC);
  // The edit rectangle in the host window's client area.
  RECT ComputeEditRect() const;

  CEditUI* m_pOwner;
  HBRUSH m_hBkBrush;
  bool m_bInit;
};

}  // namespace SkinUI
