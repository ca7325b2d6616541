#pragma once
// The child window a windowed hosted control works in: class "ActiveXWnd", a child of
// the host's window, moved, shown and hidden with the host control. It activates the
// control for the user (in place on a click, UI-active on the focus) and keeps the
// wheel from reaching the window behind it.
#include "platform/com/OleHosting.h"
#include "ui/core/window/CWindowWnd.h"

namespace SkinUI {

class CActiveXCtrl;

class CActiveXWnd : public CWindowWnd {
 public:
  explicit CActiveXWnd(CActiveXCtrl* pOwner);
  // Destroys the window if it still exists: it must not outlive its object.
  ~CActiveXWnd() override;

  // Creates the window as a child of the parent, with no size yet; null on failure.
  HWND Init(HWND hWndParent);

 protected:
  LPCTSTR GetWindowClassName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

 private:
  void DoVerb(LONG iVerb);
  LRESULT OnMouseActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  LRESULT OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  LRESULT OnEraseBkgnd(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  LRESULT OnPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);

  CActiveXCtrl* m_pOwner;  // the site that owns this window
};

}  // namespace SkinUI
