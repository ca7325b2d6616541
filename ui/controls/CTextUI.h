#pragma once
// A label that wraps its words and, with markup, carries up to eight clickable links:
// a click on one sends "link" with its index. Plain text can have a one-pixel shadow.
#include "ui/controls/CLabelUI.h"

namespace SkinUI {

class CTextUI : public CLabelUI {
 public:
  // Links beyond these are drawn but take no clicks.
  enum { MAX_LINK = 8 };

  CTextUI();
  ~CTextUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  // A new text asks the parent for a layout: a wrapped text may change its height.
  void SetText(LPCTSTR pstrText) override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  SIZE MeasureSize(SIZE szAvailable) override;
  void DrawText(HDC hDC) override;

  // 0 draws no shadow.
  void SetShadowColor(DWORD dwColor);
  DWORD GetShadowColor() const;
  // The links of the last paint: their number, and each one's target and place.
  int GetLinkCount() const;
  CUIString GetLinkContent(int iIndex) const;
  RECT GetLinkRect(int iIndex) const;
  // The link under the mouse, -1 for none.
  int GetHoverLink() const;

 private:
  // The index of the link under the point, -1 for none.
  int LinkAt(POINT pt) const;

  int m_nLinks;
  RECT m_rcLinks[MAX_LINK];
  CUIString m_sLinks[MAX_LINK];
  int m_nHoverLink;
  DWORD m_dwShadowColor;
};

}  // namespace SkinUI
