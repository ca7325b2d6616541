#pragma once
// A combo box's drop-down: a borderless tool window owned by the combo's window,
// under it (or above it when there is no room below), holding the combo's rows in a
// scrolling layout of its own while it is open. Keys and the wheel go on to the
// combo; Enter, Escape, a click on a row or the focus going elsewhere close it, and
// closing gives the rows back. The object frees itself after its window's last
// message.
#include "platform/win32.h"
#include "ui/controls/CComboDropLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/manager/INotifyUI.h"
#include "ui/core/window/CWindowWnd.h"

namespace SkinUI {

class CComboUI;

class CComboWnd : public CWindowWnd, public INotifyUI {
 public:
  // The drop-down never grows taller than this.
  static constexpr int kMaxHeight = 260;
  // The scroll bar's width and pictures, relative to the working folder.
  static constexpr int kScrollBarWidth = 10;
  static const wchar_t kScrollBarImage[];
  static const wchar_t kScrollThumbImage[];

  CComboWnd();

  // Places, creates and shows the drop-down for the combo, lending it the rows;
  // false when the window could not be made.
  bool Init(CComboUI* pOwner);
  // Where the drop-down of the combo goes, in screen coordinates: under the combo as
  // high as its rows (plus the border, at most kMaxHeight), or above it when that
  // would pass the bottom of the work area of the combo's monitor.
  static RECT PlaceFor(CComboUI& owner);

  // The combo is being destroyed: the rows go back to it and the window goes at once.
  void OwnerGone();
  // Scrolls the layout until the row shows whole; nothing without a selection.
  void EnsureVisible(int iIndex);

  CWindowManagerUI& Manager() { return m_pm; }
  CVerticalLayoutUI* GetLayout() const { return m_pLayout; }

  void Notify(UINotifyRecord& msg) override;

 protected:
  LPCTSTR GetWindowClassName() const override;
  UINT GetClassStyle() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnDetached(HWND hWnd) override;

 private:
  ~CComboWnd() override;

  void BuildLayout();
  // Returns true when the message is answered with 0 and goes no further.
  bool OnKeyDown(WPARAM wParam);
  void OnButtonUp();
  void OnWheel(WPARAM wParam);
  // The rows' manager and parent become the combo's again.
  void GiveRowsBack();
  // And the layout lets go of them.
  void ReleaseRows();
  void PostKillFocus();

  CWindowManagerUI m_pm;
  CComboUI* m_pOwner;            // null once the combo is gone
  CComboDropLayoutUI* m_pLayout;  // the manager's root, owned through it
  int m_iOldSel;
};

}  // namespace SkinUI
