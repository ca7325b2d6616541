#pragma once
// The text entry without a native window: the windowless text services edit and draw
// its text inside the control, through its text host. The control feeds them the
// window's messages (through its message filter), its focus, timers and scroll bars;
// it draws a tip text while the text is empty, sends "textchanged" for each change
// and "return" for a Return it does not want typed.
#include "platform/com/ComPtr.h"
#include "platform/textservices/TextServ.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/manager/IMessageFilterUI.h"
#include "ui/core/manager/IRichEditUI.h"

namespace SkinUI {

class CTxtWinHost;

class CRichEditUI : public CContainerUI, public IMessageFilterUI, public IRichEditUI {
 public:
  CRichEditUI();
  ~CRichEditUI() override;

  LPCTSTR GetClassName() const override;
  LPVOID GetInterface(LPCTSTR pstrName) override;
  UINT GetBehaviorFlags() const override;
  // The text the services hold.
  CUIString GetText() const override;
  // Replaces the whole text in the control's colour, as one change.
  void SetText(LPCTSTR pstrText) override;
  void SetPos(RECT rc) override;
  void SetEnabled(bool bEnable = true) override;
  void OnInit() override;
  void HandleEvent(UIEventRecord& event) override;
  void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) override;
  void Paint(HDC hDC, const RECT& rcPaint) override;
  void DrawStateImages(HDC hDC) override;
  void SetScrollPos(SIZE szPos) override;
  void ScrollLineUp() override;
  void ScrollLineDown() override;
  void ScrollPageUp() override;
  void ScrollPageDown() override;
  void ScrollToTop() override;
  void ScrollToBottom() override;
  void ScrollLineLeft() override;
  void ScrollLineRight() override;
  void ScrollPageLeft() override;
  void ScrollPageRight() override;
  void ScrollToLeft() override;
  void ScrollToRight() override;

  // What the text host calls.
  // A message for the services; Return not wanted becomes "return" instead.
  virtual HRESULT TxSendMessage(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* plResult);
  virtual bool OnTxViewChanged();
  virtual void OnTxNotify(DWORD iNotify, void* pv);

  // IMessageFilterUI
  LRESULT FilterMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
  // IRichEditUI
  bool IsWantTab() override;
  DWORD GetTextColor() override;

  // EM_GETTEXTLENGTHEX in WCHARs.
  long GetTextLength(DWORD dwFlags = GTL_DEFAULT) const;
  void SetSel(LONG nStartChar, LONG nEndChar);
  void ReplaceSel(LPCTSTR lpszNewText, bool bCanUndo);
  void SetTextColor(DWORD dwTextColor);
  void SetFont(int index);
  int GetFont() const;
  void SetLimitText(int iChars);
  int GetLimitText() const;
  void SetRich(bool bRich);
  bool IsRich() const;
  void SetWantTab(bool bWantTab);
  void SetWantReturn(bool bWantReturn);
  bool IsWantReturn() const;
  void SetWantCtrlReturn(bool bWantCtrlReturn);
  bool IsWantCtrlReturn() const;
  bool IsReadOnly() const;
  void SetTextPadding(RECT rc);
  RECT GetTextPadding() const;
  void SetTipValue(LPCTSTR pStrTipValue);
  CUIString GetTipValue() const;
  // Hexadecimal ARGB, with an optional '#'.
  void SetTipValueColor(LPCTSTR pStrColor);
  DWORD GetTipValueColor() const;
  UINT GetEditStyle() const;
  CTxtWinHost* GetTextHost() const { return m_pTwh.Get(); }
  // The input method's composition goes to the caret (GetCaretPos).
  void MoveCompositionToCaret();

 private:
  bool IsInHostRect(POINT pt) const;
  // The colour the services draw the text in: the text colour, or the window's
  // disabled colour while disabled.
  DWORD ShownTextColor() const;
  // The natural height of the text for a width.
  LONG NaturalHeight(LONG width) const;
  void SendScroll(UINT msg, WORD code, WORD pos = 0);
  void LayoutChildren(RECT rc);

  platform::com::ComPtr<CTxtWinHost> m_pTwh;
  bool m_bVScrollBarFixing;
  bool m_bWantTab;
  bool m_bWantReturn;
  bool m_bWantCtrlReturn;
  bool m_bRich;
  bool m_bReadOnly;
  DWORD m_dwTextColor;
  int m_iFont;
  int m_iLimitText;
  LONG m_lTwhStyle;
  bool m_bInited;
  UINT m_uButtonState;
  RECT m_rcTextPadding;
  CUIString m_sTipValue;
  DWORD m_dwTipValueColor;
};

}  // namespace SkinUI
