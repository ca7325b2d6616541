#pragma once
// The base of the program's windows: a window drawn entirely by the framework. On
// WM_CREATE it builds the window's skin into a control tree and attaches it; it
// drops the system caption and frame and answers the non-client messages itself
// (sizing borders from "sizebox", a dragging area from "caption", a rounded region
// from "roundcorner", maximising into the monitor's work area); it handles the
// standard system buttons by name; and it routes each message to a handler of its
// own, then HandleOtherMessage, then the manager, then the default procedure.
// The object outlives its window: its creator deletes it after the modal loop.
#include "platform/win32.h"
#include "ui/core/builder/CNotifyPump.h"
#include "ui/core/builder/IDialogBuilderCallback.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/manager/IMessageFilterUI.h"
#include "ui/core/manager/INotifyUI.h"
#include "ui/core/types/CUIString.h"
#include "ui/core/window/CWindowWnd.h"

namespace SkinUI {

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback {
 public:
  WindowImplBase() = default;
  ~WindowImplBase() override = default;

  // Every notification goes through the notify map: a "click" reaches OnClick.
  void Notify(UINotifyRecord& msg) override;
  // Enter and Escape reach OnDefaultKey; the key always goes on.
  LRESULT FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
  // Skins of this window use no elements of their own.
  CControlUI* CreateControl(LPCTSTR pstrClass) override;

  SKINUI_DECLARE_NOTIFY_MAP()

 protected:
  UINT GetClassStyle() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  // The window is gone: it stops listening and filtering, and the manager forgets
  // the root's references. The object stays alive.
  void OnDetached(HWND hWnd) override;

  // The tree is attached; find and fill the controls here.
  virtual void OnSkinBuilt();
  // "closebtn", "minbtn", "maxbtn" and "restorebtn".
  virtual void OnClick(UINotifyRecord& msg);
  // The skin file, relative to the skin folder.
  virtual CUIString GetSkinXmlName() const = 0;
  virtual LRESULT OnDefaultKey(WPARAM wParam);

  // Message handlers: each returns the message's result and clears bHandled to
  // let the message go on.
  virtual LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnNcCalcSize(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnWindowPosChanging(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnNcPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnMouseWheel(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnMouseHover(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnChar(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnKillFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnSetFocus(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnLButtonDown(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnLButtonUp(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  virtual LRESULT OnMouseMove(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  // Every message the handlers above leave alone.
  virtual LRESULT HandleOtherMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
  // The window's style without WS_CAPTION.
  virtual LONG GetStyle();

  CWindowManagerUI m_pm;

 private:
  // The hit code of a client point inside the size box, HTCLIENT outside it.
  UINT SizeBoxHitTest(POINT pt, const RECT& rcClient) const;
  bool IsCaptionPoint(POINT pt, const RECT& rcClient);
  // Shows "maxbtn" after a restore and "restorebtn" after a maximise.
  void SwapMaxRestoreButtons(bool bWasZoomed);
};

}  // namespace SkinUI
