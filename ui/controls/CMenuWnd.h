#pragma once
// One window of a pop-up menu: a borderless topmost tool window showing a menu list.
// A root menu is built from a skin at a point of the screen; a sub-menu borrows the
// sub-items of the item that opened it and shows beside that item. Every open menu
// window is a receiver of the process's menu observer, which closes them together.
// The object frees itself after its window's last message.
#include "platform/win32.h"
#include "ui/controls/MenuCheckInfo.h"
#include "ui/controls/ReceiverImpl.h"
#include "ui/core/builder/IDialogBuilderCallback.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/manager/INotifyUI.h"
#include "ui/core/window/CWindowWnd.h"

namespace SkinUI {

class CMenuElementUI;
class CMenuUI;

class CMenuWnd : public CWindowWnd, public ReceiverImpl, public INotifyUI, public IDialogBuilderCallback {
 public:
  // What the window that opened the menu is posted when a leaf item was clicked;
  // lParam is 1 when the item is now checked, else 0.
  enum : UINT { WM_MENUCLICK = WM_USER + 121 };
  // Alignment flags: the menu ends at the point instead of starting there.
  enum : DWORD { ALIGN_LEFT = 8, ALIGN_TOP = 16, ALIGN_DEFAULT = 6 };

  // Opens a root menu (no owner item) from a skin file or markup at the screen point,
  // for the window of `pManager`, with the caller's check states (or none); or the
  // sub-menu of an owner item. The caller may call ResizeMenu on the result at once.
  static CMenuWnd* CreateMenu(CMenuElementUI* pOwner, LPCTSTR pstrSkin, POINT point, CWindowManagerUI* pManager,
                              MenuCheckInfo* pCheckInfo = nullptr, DWORD dwAlignment = ALIGN_DEFAULT);

  CMenuWnd();

  // Sizes a root menu to its items and places it at the point; nothing without a
  // root (its skin did not build).
  void ResizeMenu();
  // Places a sub-menu beside its owner item, on the side and height that fit.
  void ResizeSubMenu();

  CWindowManagerUI& Manager() { return m_pm; }
  CMenuElementUI* GetOwnerItem() const { return m_pOwner; }
  // The owner item is being destroyed: the sub-items go back to it and the window
  // goes at once.
  void OwnerGone();

  // ReceiverImplBase
  BOOL Receive(UINT uKind, HWND hWnd) override;
  // INotifyUI
  void Notify(UINotifyRecord& msg) override;
  // IDialogBuilderCallback: "Menu" and "MenuElement", without regard to case.
  CControlUI* CreateControl(LPCTSTR pstrClass) override;

  // The open menu window that has this handle, or null.
  static CMenuWnd* FromHandle(HWND hWnd);

 protected:
  LPCTSTR GetWindowClassName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnDetached(HWND hWnd) override;

 private:
  friend class CMenuElementUI;

  ~CMenuWnd() override;

  // False when the window could not be made; the object is then gone.
  bool Init(CMenuElementUI* pOwner, LPCTSTR pstrSkin, POINT point, CWindowManagerUI* pManager,
            MenuCheckInfo* pCheckInfo, DWORD dwAlignment);
  void CreateRootContent();
  void CreateSubMenuContent();
  // The round corners of the skin, as every skin window has them.
  void ApplyRoundCorners();
  RECT WorkArea() const;
  // The sub-items come back to the owner item's manager.
  void GiveSubItemsBack();

  POINT m_ptBase;
  CUIString m_sSkin;
  CWindowManagerUI m_pm;
  CMenuElementUI* m_pOwner;  // null for a root menu, and once the owner item is gone
  CMenuUI* m_pLayout;        // a sub-menu's root, owned through the manager
  DWORD m_dwAlignment;
};

}  // namespace SkinUI
