#pragma once
// The clickable control: a label with normal, hot, pushed, focused and disabled
// looks (an image or text colour per state), activated by a click inside it or by
// Space and Return. Activation sends "click", through which nearly every command of
// the program's windows arrives, and can show a page of a tab layout. A press sends
// "BtnDown", "BtnMove" and "BtnUp" as the mouse goes.
#include <memory>

#include "ui/controls/CLabelUI.h"
#include "ui/core/render/CImageAttribute.h"

namespace SkinUI {

class CButtonUI : public CLabelUI {
 public:
  CButtonUI();
  ~CButtonUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  bool Activate() override;
  void SetEnabled(bool bEnable = true) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  SIZE MeasureSize(SIZE szAvailable) override;
  void DrawStateImages(HDC hDC) override;
  void DrawText(HDC hDC) override;

  // The UISTATE_ flags.
  UINT GetButtonState() const;

  // 0 leaves the state without a colour of its own.
  void SetHotBkColor(DWORD dwColor);
  DWORD GetHotBkColor() const;
  void SetHotTextColor(DWORD dwColor);
  DWORD GetHotTextColor() const;
  void SetPushedTextColor(DWORD dwColor);
  DWORD GetPushedTextColor() const;
  void SetFocusedTextColor(DWORD dwColor);
  DWORD GetFocusedTextColor() const;
  void SetHotForeImage(LPCTSTR pStrImage);
  void SetPushedForeImage(LPCTSTR pStrImage);

  // A negative index is ignored.
  void SetBindTabIndex(int iIndex);
  int GetBindTabIndex() const;
  // The name of a tab layout of the same window; null is ignored.
  void SetBindTabLayoutName(LPCTSTR pstrName);
  CUIString GetBindTabLayoutName() const;
  // Shows a page of the bound tab layout: iIndex, or the bound index when iIndex is
  // negative. A name that names no tab layout selects nothing.
  void SelectBoundTab(int iIndex);

 protected:
  // The focused and disabled flags follow the control before it is drawn.
  void RefreshStateFlags();
  static bool IsSet(const CImageAttribute& image);
  // Gives the image a new description; false when it already had that one.
  static bool ReplaceImage(CImageAttribute& image, LPCTSTR pStrImage);
  // Sends the notification for this control; false when the control did not outlive
  // it. A window's handler may run a modal loop, in which the window deletes the
  // controls it took out of their containers, this one among them.
  bool NotifyWindow(LPCTSTR pstrType, WPARAM wParam = 0, LPARAM lParam = 0);
  // Draws the image when the skin set one.
  void DrawIfSet(HDC hDC, CImageAttribute& image);

  // The phases of a press: down inside (captured and pushed), moves while captured
  // (pushed only inside), up (activated only inside).
  void OnPress(UIEventRecord& event);
  void OnCapturedMove(POINT pt);
  void OnRelease(POINT pt);

  UINT m_uButtonState;
  DWORD m_dwHotBkColor;
  DWORD m_dwHotTextColor;
  DWORD m_dwPushedTextColor;
  DWORD m_dwFocusedTextColor;
  CImageAttribute m_diHotFore;
  CImageAttribute m_diPushedFore;
  int m_iBindTabIndex;
  CUIString m_sBindTabLayoutName;
  // False once the control is deleted; whoever holds a copy can tell.
  const std::shared_ptr<bool> m_pAlive;
};

}  // namespace SkinUI
