#pragma once
// The base of every element of a window's control tree: geometry, state flags,
// texts, event sources and the default behaviour the window manager relies on.
// A control belongs to one manager and has at most one parent; the containers own
// their children. Everything runs on the thread of the control's window.
#include <memory>

#include "platform/win32.h"
#include "ui/core/control/CControlUIPaint.h"
#include "ui/core/control/UIEventRecord.h"
#include "ui/core/control/UIFindFlags.h"
#include "ui/core/control/UIRelativePos.h"
#include "ui/core/render/CImageAttribute.h"
#include "ui/core/types/CDelegateList.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

class CControlUI;
class CWindowManagerUI;

// A tree-search callback: returns the control it accepts, or null to go on.
typedef CControlUI*(CALLBACK* FINDCONTROLPROC)(CControlUI*, LPVOID);

class CControlUI {
 public:
  CControlUI();
  CControlUI(const CControlUI&) = delete;
  CControlUI& operator=(const CControlUI&) = delete;
  virtual ~CControlUI();

  // The virtual operations keep this order: controls derived from this class
  // append their own behind them.
  virtual CUIString GetName() const;
  virtual void SetName(LPCTSTR pstrName);
  virtual LPCTSTR GetClassName() const;
  virtual LPVOID GetInterface(LPCTSTR pstrName);
  virtual UINT GetBehaviorFlags() const;
  virtual bool Activate();
  virtual CWindowManagerUI* GetManager() const;
  virtual void SetManager(CWindowManagerUI* pManager, CControlUI* pParent, bool bInit = true);
  virtual CControlUI* GetParent() const;

  virtual CUIString GetText() const;
  virtual void SetText(LPCTSTR pstrText);

  virtual const RECT& GetPos() const;
  virtual void SetPos(RECT rc);
  virtual int GetWidth() const;
  virtual int GetHeight() const;
  virtual int GetX() const;
  virtual int GetY() const;
  virtual RECT GetPadding() const;
  virtual void SetPadding(RECT rcPadding);
  virtual SIZE GetFixedXY() const;
  virtual void SetFixedXY(SIZE szXY);
  virtual int GetFixedWidth() const;
  virtual void SetFixedWidth(int cx);
  virtual int GetFixedHeight() const;
  virtual void SetFixedHeight(int cy);
  virtual int GetMinWidth() const;
  virtual void SetMinWidth(int cx);
  virtual int GetMaxWidth() const;
  virtual void SetMaxWidth(int cx);
  virtual int GetMinHeight() const;
  virtual void SetMinHeight(int cy);
  virtual int GetMaxHeight() const;
  virtual void SetMaxHeight(int cy);
  virtual void SetRelativePos(int nMoveXPercent, int nMoveYPercent, int nZoomXPercent, int nZoomYPercent);
  virtual void SetRelativeParentSize(SIZE sz);
  virtual UIRelativePos GetRelativePos() const;
  virtual bool IsRelativePos() const;

  virtual CUIString GetToolTip() const;
  virtual void SetToolTip(LPCTSTR pstrText);
  virtual void SetToolTipWidth(int nWidth);
  virtual int GetToolTipWidth() const;
  virtual TCHAR GetShortcut() const;
  virtual void SetShortcut(TCHAR ch);
  virtual bool IsContextMenuUsed() const;
  virtual void SetContextMenuUsed(bool bMenuUsed);
  virtual const CUIString& GetUserData() const;
  virtual void SetUserData(LPCTSTR pstrText);
  virtual UINT_PTR GetTag() const;
  virtual void SetTag(UINT_PTR pTag);

  virtual bool IsVisible() const;
  virtual void SetVisible(bool bVisible = true);
  virtual void SetParentVisible(bool bVisible = true);
  virtual bool IsEnabled() const;
  virtual void SetEnabled(bool bEnable = true);
  virtual bool IsMouseEnabled() const;
  virtual void SetMouseEnabled(bool bEnable = true);
  virtual bool IsKeyboardEnabled() const;
  virtual void SetKeyboardEnabled(bool bEnable = true);
  virtual bool IsFocused() const;
  virtual void SetFocus();
  virtual bool IsFloat() const;
  virtual void SetFloat(bool bFloat = true);

  virtual CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags);

  virtual void Init();
  virtual void OnInit();
  virtual void DispatchEvent(UIEventRecord& event);
  virtual void HandleEvent(UIEventRecord& event);

  virtual void SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue);
  virtual SIZE MeasureSize(SIZE szAvailable);

  virtual void Paint(HDC hDC, const RECT& rcPaint);
  virtual void DrawBackgroundColor(HDC hDC);
  virtual void DrawBackgroundImage(HDC hDC);
  virtual void DrawStateImages(HDC hDC);
  virtual void DrawText(HDC hDC);
  virtual void DrawBorder(HDC hDC);
  virtual void PaintOverlay(HDC hDC, const RECT& rcPaint);

  void Invalidate();
  void RequestLayout();
  void RequestParentLayout();
  bool IsUpdateNeeded() const;
  CUIString GetVirtualWindow() const;
  void SetVirtualWindow(LPCTSTR pstrValue);
  bool StartTimer(UINT nTimerID, UINT uElapse);
  void SetAttributeList(LPCTSTR pstrList);
  void SetBkColor(DWORD dwBackColor);
  DWORD GetBkColor() const;
  void SetBkColor2(DWORD dwBackColor);
  void SetBkColor3(DWORD dwBackColor);
  void SetBorderColor(DWORD dwBorderColor);
  void SetFocusBorderColor(DWORD dwBorderColor);
  void SetColorHSL(bool bColorHSL);
  void SetBorderSize(int nSize);
  void SetBorderSizes(int nLeft, int nTop, int nRight, int nBottom);
  void SetLeftBorderSize(int nSize);
  void SetTopBorderSize(int nSize);
  void SetRightBorderSize(int nSize);
  void SetBottomBorderSize(int nSize);
  void SetBorderStyle(int nStyle);
  void SetBorderRound(int cx, int cy);
  void SetBkImage(LPCTSTR pStrImage);
  void SetForeImage(LPCTSTR pStrImage);
  void SetNormalImage(LPCTSTR pStrImage);
  void SetHotImage(LPCTSTR pStrImage);
  void SetPushedImage(LPCTSTR pStrImage);
  void SetFocusedImage(LPCTSTR pStrImage);
  void SetDisabledImage(LPCTSTR pStrImage);
  bool DrawImage(HDC hDC, CImageAttribute& image);
  bool DrawImageInRect(HDC hDC, CImageAttribute& image, const RECT& rc);
  bool DrawImageModified(HDC hDC, CImageAttribute& image, LPCTSTR pStrModify);
  DWORD AdjustColor(DWORD dwColor) const;

  // Event sources: called with the control (init, destroy, size), the event record
  // (event; a delegate answering false swallows the event) or the notify record
  // (notify, before the window's listeners).
  CDelegateList OnInitDelegates;
  CDelegateList OnDestroyDelegates;
  CDelegateList OnSizeDelegates;
  CDelegateList OnEventDelegates;
  CDelegateList OnNotifyDelegates;

 protected:
  // Intersects rc with the position of every ancestor; false when it comes out empty.
  bool ClipByAncestors(RECT& rc) const;

  CWindowManagerUI* m_pManager;
  CControlUI* m_pParent;
  CUIString m_sName;
  bool m_bUpdateNeeded;
  bool m_bMenuUsed;
  RECT m_rcItem;
  RECT m_rcPadding;
  SIZE m_cXY;
  SIZE m_cxyFixed;
  SIZE m_cxyMin;
  SIZE m_cxyMax;
  bool m_bVisible;
  bool m_bInternVisible;
  bool m_bEnabled;
  bool m_bMouseEnabled;
  bool m_bKeyboardEnabled;
  bool m_bFocused;
  bool m_bFloat;
  bool m_bSetPos;  // the size delegates are running
  UIRelativePos m_tRelativePos;
  CUIString m_sText;
  TCHAR m_chShortcut;
  UINT_PTR m_pTag;
  CControlUIPaint m_paint;  // the colour and border settings, applied by the skin attributes
  SIZE m_cxyBorderRound;
  RECT m_rcPaint;  // the part being painted, set by Paint
  CImageAttribute m_diBk;
  CImageAttribute m_diFore;
  CImageAttribute m_diNormal;
  CImageAttribute m_diHot;
  CImageAttribute m_diPushed;
  CImageAttribute m_diFocused;
  CImageAttribute m_diDisabled;

 private:
  enum { DEFAULT_TOOLTIP_WIDTH = 300 };
  // What few controls set, made on first set: each text is an inline string of half a
  // kilobyte, and a window builds thousands of controls that never use these.
  struct RarelySet {
    CUIString sVirtualWnd;
    CUIString sToolTip;
    CUIString sUserData;
    int nTooltipWidth = DEFAULT_TOOLTIP_WIDTH;
  };

  RarelySet& WriteRare();

  std::unique_ptr<RarelySet> m_pRare;
};

}  // namespace SkinUI
