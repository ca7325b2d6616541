#pragma once
// A button with a selected state: a toggle on its own, or one of an exclusive group
// kept by the window manager, in which selecting one deselects the others silently.
// Activation sends "click" before the selection changes, so that a "click" handler
// reads the selection as it was; every change the option makes itself then sends
// "selectchanged".
#include "ui/controls/CButtonUI.h"

namespace SkinUI {

class COptionUI : public CButtonUI {
 public:
  COptionUI();
  ~COptionUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  bool Activate() override;
  void SetManager(CWindowManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
  void SetEnabled(bool bEnable = true) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void DrawStateImages(HDC hDC) override;
  void DrawText(HDC hDC) override;

  // Narrows the paint rectangle to the option (and its rounded corners) without
  // drawing; the second argument is not used.
  virtual void ClipPaintArea(HDC hDC, int iUnused, const RECT& rc);
  virtual void SetSelected(bool bSelected);

  bool IsSelected() const;
  // An empty name makes the option a toggle of its own.
  CUIString GetGroup() const;
  void SetGroup(LPCTSTR pstrGroupName);
  void SetSelectedImage(LPCTSTR pStrImage);
  void SetSelectedHotImage(LPCTSTR pStrImage);
  void SetSelectedPushedImage(LPCTSTR pStrImage);
  void SetSelectedForeImage(LPCTSTR pStrImage);
  // 0 leaves the selected state without a colour of its own.
  void SetSelectedBkColor(DWORD dwColor);
  DWORD GetSelectedBkColor() const;
  void SetSelectedTextColor(DWORD dwColor);
  DWORD GetSelectedTextColor() const;

 private:
  void JoinGroup(CWindowManagerUI* pManager);
  void LeaveGroup();

  bool m_bSelected;
  CUIString m_sGroupName;
  DWORD m_dwSelectedBkColor;
  DWORD m_dwSelectedTextColor;
  CImageAttribute m_diSelected;
  CImageAttribute m_diSelectedHot;
  CImageAttribute m_diSelectedPushed;
  CImageAttribute m_diSelectedFore;
  // The manager whose group list holds this option. The builder drops an option's
  // manager after its attributes, so the one it joined is kept here to be left.
  CWindowManagerUI* m_pGroupManager;
};

}  // namespace SkinUI
