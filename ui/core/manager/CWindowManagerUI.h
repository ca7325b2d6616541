#pragma once
// The manager of one window's control tree: it owns the root control and through it
// the tree, maps names to controls, answers tree searches, collects invalidated
// areas and layout requests, routes notifications, focus and timers, and holds the
// window's fonts, images, default attributes, option groups and default colours.
// It also keeps the framework's process-wide settings (module instance, skin folder,
// GDI+). A manager is created, used and destroyed on the thread of its window.
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/win32.h"
#include "ui/core/manager/CManagerInput.h"
#include "ui/core/manager/CManagerPainter.h"
#include "ui/core/manager/CManagerTooltip.h"
#include "ui/core/manager/IMessageFilterUI.h"
#include "ui/core/manager/INotifyUI.h"
#include "ui/core/manager/ITranslateAccelerator.h"
#include "ui/core/manager/UINotifyRecord.h"
#include "ui/core/render/UIFontRecord.h"
#include "ui/core/render/UIImageRecord.h"
#include "ui/core/types/CUIPtrArray.h"
#include "ui/core/types/CUIString.h"
#include "ui/core/types/CUIStringMap.h"
#include "ui/core/window/CShadowUI.h"

namespace SkinUI {

class CControlUI;
struct UITimerRecord;

class CWindowManagerUI {
 public:
  // Posted to the window to delete the controls queued for delayed deletion.
  enum : UINT { WM_DELAYED_CLEANUP = WM_APP + 1 };
  // The Win32 timer of the caret blink; control timers use 0..239.
  enum : UINT { CARET_TIMER_ID = 241, TIMER_ID_COUNT = 240 };

  CWindowManagerUI();
  CWindowManagerUI(const CWindowManagerUI&) = delete;
  CWindowManagerUI& operator=(const CWindowManagerUI&) = delete;
  ~CWindowManagerUI();

  // --- Window, control tree, invalidation and layout ---

  void Init(HWND hWnd);
  HDC GetPaintDC() const;        // the window's DC, kept since Init; also measures text
  HWND GetPaintWindow() const;
  bool AttachRoot(CControlUI* pControl);
  bool InitControls(CControlUI* pControl, CControlUI* pParent = nullptr);
  CControlUI* GetRoot() const;
  CControlUI* FindControl(LPCTSTR pstrName) const;
  CControlUI* FindSubControlByName(CControlUI* pParent, LPCTSTR pstrName) const;
  CControlUI* FindControlAt(POINT pt) const;
  void ReapObjects(CControlUI* pControl);
  void NeedUpdate();
  void Invalidate(const RECT& rcItem);
  bool AddPostPaint(CControlUI* pControl);
  bool RemovePostPaint(CControlUI* pControl);

  // --- Window settings read from the skin ---

  void SetInitSize(int cx, int cy);
  SIZE GetInitSize() const;
  void SetMinInfo(int cx, int cy);
  SIZE GetMinInfo() const;
  void SetMaxInfo(int cx, int cy);
  void SetSizeBox(const RECT& rcSizeBox);
  const RECT& GetSizeBox() const;
  void SetCaptionRect(const RECT& rcCaption);
  const RECT& GetCaptionRect() const;
  void SetRoundCorner(int cx, int cy);
  SIZE GetRoundCorner() const;
  void SetOpaqueInset(const RECT& rcInset);
  void SetOpacity(int nOpacity);
  void SetLayered(bool bLayered);
  bool IsLayered() const;
  void SetUseGdiplusText(bool bUse);
  bool IsUseGdiplusText() const;
  CShadowUI* GetShadow();

  // --- Process-wide settings ---

  // Stores the module, starts GDI+ and registers the shadow's window class;
  // returns what the registration gave.
  static bool SetInstance(HINSTANCE hInst);
  static HINSTANCE GetInstance();
  static HINSTANCE GetResourceInstance();
  // The folder of the module's file with its final separator; empty without a module.
  static CUIString GetInstancePath();
  static void SetResourcePath(LPCTSTR pStrPath);
  static const CUIString& GetResourcePath();
  static const CUIString& GetResourceZip();
  static bool IsCachedResourceZip();
  static HANDLE GetResourceZipHandle();
  static CUIPtrArray* GetControlPlugins();
  static void GetHSL(short* H, short* S, short* L);

  // --- Messages, input events and notifications ---

  // True when the message was handled, or when handling it ended the manager: the
  // caller then touches nothing of the object that held it.
  bool HandleWindowMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
  void SendNotify(CControlUI* pControl, LPCTSTR pstrMessage, WPARAM wParam = 0, LPARAM lParam = 0,
                  bool bAsync = false);
  void SendNotifyRecord(UINotifyRecord& Msg, bool bAsync = false);
  bool AddNotifier(INotifyUI* pControl);
  bool RemoveNotifier(INotifyUI* pControl);
  bool AddMessageFilter(IMessageFilterUI* pFilter);
  bool RemoveMessageFilter(IMessageFilterUI* pFilter);
  void AddDelayedCleanup(CControlUI* pControl);
  void SetCapture();
  void ReleaseCapture();
  bool IsCaptured() const;
  POINT GetMousePos() const;
  void SetVirtualWndUsed(bool bUsed);
  static UINT GetKeyStateMask();

  // --- Focus, keyboard navigation, timers and caret ---

  CControlUI* GetFocus() const;
  // A control focused before the window's first layout keeps the focus through it (the
  // first tab stop takes the focus at that layout only when nothing was focused).
  void SetFocus(CControlUI* pControl);
  void SetFocusNeeded(CControlUI* pControl);
  bool SetNextTabControl(bool bForward = true);
  bool PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
  static bool TranslateWindowMessage(const LPMSG pMsg);
  bool TranslateAccelerator(LPMSG pMsg);
  bool AddPreMessageFilter(IMessageFilterUI* pFilter);
  bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
  bool AddTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator);
  bool RemoveTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator);
  bool SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse);
  bool KillTimer(CControlUI* pControl, UINT nTimerID);
  void KillTimers(CControlUI* pControl);
  void RemoveAllTimers();
  bool CreateCaret(HBITMAP hBmp, int nWidth, int nHeight);
  bool SetCaretPos(CControlUI* obj, int x, int y);
  bool ShowCaret(bool bShow);
  CControlUI* GetCaretOwner() const;
  void DrawCaret(HDC hDC, const RECT& rcPaint);

  // --- Fonts, images and shared resources ---

  HFONT AddFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
  void SetDefaultFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
  HFONT GetFont(int index);
  UIFontRecord* GetFontInfo(int index);
  UIFontRecord* GetFontInfoByHandle(HFONT hFont);
  HFONT FindFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic) const;
  UIFontRecord* GetDefaultFontInfo();
  void RemoveAllFonts();

  // A typed name is a module resource: its leading decimal number is the id.
  const UIImageRecord* AddImage(LPCTSTR bitmap, LPCTSTR type = nullptr, DWORD mask = 0);
  const UIImageRecord* GetImageEx(LPCTSTR bitmap, LPCTSTR type = nullptr, DWORD mask = 0);
  void RemoveAllImages();
  static void FreeImageRecord(UIImageRecord* pData);
  // Reads and decodes a picture (a name, or MAKEINTRESOURCE of a resource number
  // with a type); a new record or null.
  static UIImageRecord* LoadImageData(LPCTSTR bitmap, LPCTSTR type = nullptr, DWORD mask = 0);

  void AddDefaultAttributeList(LPCTSTR pStrControlName, LPCTSTR pStrControlAttrList);
  LPCTSTR GetDefaultAttributeList(LPCTSTR pStrControlName) const;
  void RemoveAllDefaultAttributeLists();

  bool AddOptionGroup(LPCTSTR pStrGroupName, CControlUI* pControl);
  CUIPtrArray* GetOptionGroup(LPCTSTR pStrGroupName) const;
  void RemoveOptionGroup(LPCTSTR pStrGroupName, CControlUI* pControl);
  void RemoveAllOptionGroups();

  bool SetResourceParent(CWindowManagerUI* pParent);
  CWindowManagerUI* GetResourceParent() const;

  DWORD GetDefaultDisabledColor() const;
  void SetDefaultDisabledColor(DWORD dwColor);
  DWORD GetDefaultFontColor() const;
  void SetDefaultFontColor(DWORD dwColor);
  DWORD GetDefaultLinkFontColor() const;
  void SetDefaultLinkFontColor(DWORD dwColor);
  DWORD GetDefaultLinkHoverFontColor() const;
  void SetDefaultLinkHoverFontColor(DWORD dwColor);
  DWORD GetDefaultSelectedBkColor() const;
  void SetDefaultSelectedBkColor(DWORD dwColor);

  // Expires when the manager is destroyed. Controls and listeners that a message reaches
  // may end the window and, with its last message, delete the object holding the
  // manager: whoever goes on after calling them checks this first.
  std::weak_ptr<const void> Lifetime() const { return m_pLifetime; }

 private:
  // Release a font with its HFONT and an image with its bitmap.
  struct FontRecordDeleter {
    void operator()(UIFontRecord* pFontInfo) const;
  };
  struct ImageRecordDeleter {
    void operator()(UIImageRecord* pData) const;
  };
  typedef std::unique_ptr<UIFontRecord, FontRecordDeleter> FontRecordPtr;
  typedef std::unique_ptr<UIImageRecord, ImageRecordDeleter> ImageRecordPtr;

  static CControlUI* CALLBACK FindControlFromNameHash(CControlUI* pThis, LPVOID pData);
  static CControlUI* CALLBACK FindControlFromPoint(CControlUI* pThis, LPVOID pData);
  static CControlUI* CALLBACK FindControlFromName(CControlUI* pThis, LPVOID pData);

  // WM_PAINT: the pending layout first, then the painter.
  void OnPaint();
  // Places what waits for a layout and says "windowinit" once per root.
  void LayoutPending();
  // The focused control gets its kill-focus event, which names the control taking
  // the focus (or null), and the "killfocus" notification; then no control has it.
  void KillFocus(CControlUI* pNewFocus);
  // Delivers the queued notifications, those queued meanwhile included.
  void DeliverAsyncNotifications();
  void DeliverNotification(UINotifyRecord& Msg, bool bSenderDelegates);
  void DeleteDelayedControls();
  void DispatchTimer(WPARAM wParam);
  UITimerRecord* FindTimer(CControlUI* pControl, UINT nTimerID) const;
  // A Win32 id, 0..239, that no timer of this window holds; false when all are taken.
  bool NextWin32TimerId(UINT& uWinTimer);
  bool IsTimerIdTaken(UINT uWinTimer) const;
  // Measures a font in the window DC unless it was measured already.
  void FillFontMetrics(UIFontRecord* pFontInfo) const;
  // The LOGFONT of a skin font, built on the stock GUI font.
  static LOGFONTW SkinLogFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic);
  void FreeAsyncNotifications();
  // True when the window is the target or one of its ancestors, as GetParent walks.
  bool IsTargetOrAncestor(HWND hTarget) const;

  HWND m_hWndPaint;
  int m_nOpacity;
  HDC m_hDcPaint;
  bool m_bUseGdiplusText;
  CShadowUI m_shadow;
  CManagerPainter m_painter;  // the off-screen bitmap and the layered window's repaint
  CManagerTooltip m_tooltip;
  CManagerInput m_input;      // hover, press, key-down, mouse point and capture

  RECT m_rtCaret;
  bool m_bCaretActive;   // the blink phase: the caret is drawn
  bool m_bCaretShowing;
  CControlUI* m_currentCaretObject;

  CControlUI* m_pRoot;  // owned
  CControlUI* m_pFocus;
  SIZE m_szMinWindow;
  SIZE m_szMaxWindow;
  SIZE m_szInitWindowSize;
  RECT m_rcSizeBox;
  SIZE m_szRoundCorner;
  RECT m_rcCaption;
  UINT m_uTimerID;
  bool m_bFirstLayout;
  bool m_bUpdateNeeded;
  bool m_bFocusNeeded;
  std::shared_ptr<const void> m_pLifetime = std::make_shared<bool>(true);
  bool m_bUsedVirtualWnd;

  CUIPtrArray m_aNotifiers;            // INotifyUI*
  std::vector<std::unique_ptr<UITimerRecord>> m_aTimers;
  CUIPtrArray m_aPreMessageFilters;    // IMessageFilterUI*
  CUIPtrArray m_aMessageFilters;       // IMessageFilterUI*
  CUIPtrArray m_aPostPaintControls;    // CControlUI*
  CUIPtrArray m_aDelayedCleanup;       // CControlUI*, owned until deleted
  CUIPtrArray m_aAsyncNotify;          // UINotifyRecord*, owned
  CUIStringMap m_mNameHash;            // name to CControlUI*
  CUIStringMap m_mOptionGroup;         // group to CUIPtrArray* of options, owned

  CWindowManagerUI* m_pParentResourcePM;
  DWORD m_dwDefaultDisabledColor;
  DWORD m_dwDefaultFontColor;
  DWORD m_dwDefaultLinkFontColor;
  DWORD m_dwDefaultLinkHoverFontColor;
  DWORD m_dwDefaultSelectedBkColor;
  UIFontRecord m_DefaultFontInfo;
  std::vector<FontRecordPtr> m_aCustomFonts;
  std::unordered_map<std::wstring, ImageRecordPtr> m_mImageHash;
  std::unordered_map<std::wstring, CUIString> m_DefaultAttrHash;  // element name to attribute list
  CUIPtrArray m_aTranslateAccelerator;  // ITranslateAccelerator*

  static HINSTANCE m_hInstance;
  static ULONG_PTR m_gdiplusToken;
  static CUIString m_pStrResourcePath;
  static CUIString m_pStrResourceZip;
  static bool m_bCachedResourceZip;
  static HANDLE m_hResourceZip;
  static CUIPtrArray m_aPlugins;
  static short m_H;
  static short m_S;
  static short m_L;
};

}  // namespace SkinUI
