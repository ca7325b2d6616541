#include "ui/core/manager/CWindowManagerUI.h"

#include <cstddef>
#include <cwchar>
#include <memory>
#include <mutex>
#include <string>
#include <utility>

#include "platform/gdiplus/Startup.h"
#include "ui/core/render/CImageLoader.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerList.h"
#include "ui/core/manager/UITimerRecord.h"

namespace SkinUI {

HINSTANCE CWindowManagerUI::m_hInstance = nullptr;
ULONG_PTR CWindowManagerUI::m_gdiplusToken = 0;
CUIString CWindowManagerUI::m_pStrResourcePath;
CUIString CWindowManagerUI::m_pStrResourceZip;
bool CWindowManagerUI::m_bCachedResourceZip = false;
HANDLE CWindowManagerUI::m_hResourceZip = nullptr;
CUIPtrArray CWindowManagerUI::m_aPlugins;
short CWindowManagerUI::m_H = 180;
short CWindowManagerUI::m_S = 100;
short CWindowManagerUI::m_L = 100;

namespace {

// The framework's share of the process start-up, done by the first manager.
void StartFrameworkOnce() {
  static std::once_flag once;
  std::call_once(once, [] {
    ::InitCommonControls();
    // Stays loaded: the renderer looks its blending functions up in it.
    ::LoadLibraryW(L"msimg32.dll");
  });
}

LOGFONTW StockGuiLogFont() {
  LOGFONTW lf = {};
  ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(LOGFONTW), &lf);
  lf.lfCharSet = DEFAULT_CHARSET;
  return lf;
}

typedef BOOL(WINAPI* PFNSETLAYEREDWINDOWATTRIBUTES)(HWND, COLORREF, BYTE, DWORD);

PFNSETLAYEREDWINDOWATTRIBUTES LayeredAttributesFunction() {
  static const PFNSETLAYEREDWINDOWATTRIBUTES fn = [] {
    HMODULE hUser32 = ::LoadLibraryW(L"User32.dll");
    if (hUser32 == nullptr) return PFNSETLAYEREDWINDOWATTRIBUTES(nullptr);
    return reinterpret_cast<PFNSETLAYEREDWINDOWATTRIBUTES>(::GetProcAddress(hUser32, "SetLayeredWindowAttributes"));
  }();
  return fn;
}

bool RemoveFirst(CUIPtrArray& array, LPVOID p) {
  const int index = array.Find(p);
  if (index < 0) return false;
  return array.RemoveAt(index);
}

bool IsDecimalDigit(TCHAR ch) { return ch >= L'0' && ch <= L'9'; }

UINT LeadingNumber(LPCTSTR text) {
  UINT value = 0;
  for (; IsDecimalDigit(*text); ++text) value = value * 10 + static_cast<UINT>(*text - L'0');
  return value;
}

}  // namespace

CWindowManagerUI::CWindowManagerUI()
    : m_hWndPaint(nullptr),
      m_nOpacity(255),
      m_hDcPaint(nullptr),
      m_bUseGdiplusText(false),
      m_painter(*this),
      m_tooltip(*this),
      m_input(*this, m_tooltip),
      m_rtCaret{0, 0, 0, 0},
      m_bCaretActive(false),
      m_bCaretShowing(false),
      m_currentCaretObject(nullptr),
      m_pRoot(nullptr),
      m_pFocus(nullptr),
      m_szMinWindow{0, 0},
      m_szMaxWindow{0, 0},
      m_szInitWindowSize{0, 0},
      m_rcSizeBox{0, 0, 0, 0},
      m_szRoundCorner{0, 0},
      m_rcCaption{0, 0, 0, 0},
      m_uTimerID(0x1000),
      m_bFirstLayout(true),
      m_bUpdateNeeded(false),
      m_bFocusNeeded(false),
      m_bUsedVirtualWnd(false),
      m_mNameHash(CUIStringMap::DEFAULT_BUCKETS),
      m_mOptionGroup(CUIStringMap::DEFAULT_BUCKETS),
      m_pParentResourcePM(nullptr),
      m_dwDefaultDisabledColor(0xFFA7A6AA),
      m_dwDefaultFontColor(0xFF000001),
      m_dwDefaultLinkFontColor(0xFF0000FF),
      m_dwDefaultLinkHoverFontColor(0xFFD3215F),
      m_dwDefaultSelectedBkColor(0xFFBAE4FF) {
  StartFrameworkOnce();
  const LOGFONTW lf = StockGuiLogFont();
  m_DefaultFontInfo.hFont = ::CreateFontIndirectW(&lf);
  m_DefaultFontInfo.sFontName = lf.lfFaceName;
  m_DefaultFontInfo.iSize = -lf.lfHeight;
  m_DefaultFontInfo.bBold = lf.lfWeight >= FW_BOLD;
  m_DefaultFontInfo.bUnderline = lf.lfUnderline != 0;
  m_DefaultFontInfo.bItalic = lf.lfItalic != 0;
}

CWindowManagerUI::~CWindowManagerUI() {
  DeleteDelayedControls();
  FreeAsyncNotifications();
  // Without buckets the name map answers no lookup, so the controls reaping
  // themselves below find nothing to remove.
  m_mNameHash.Resize(0);
  delete m_pRoot;
  m_pRoot = nullptr;

  if (m_DefaultFontInfo.hFont != nullptr) ::DeleteObject(m_DefaultFontInfo.hFont);
  m_DefaultFontInfo.hFont = nullptr;
  RemoveAllFonts();
  RemoveAllImages();
  RemoveAllDefaultAttributeLists();
  RemoveAllOptionGroups();
  RemoveAllTimers();

  m_tooltip.Destroy();
  m_painter.DeleteOffscreen();
  if (m_hDcPaint != nullptr) ::ReleaseDC(m_hWndPaint, m_hDcPaint);

  CWindowManagerList::Instance().Leave(this);
}

// --- Window, control tree, invalidation and layout ---

void CWindowManagerUI::Init(HWND hWnd) {
  if (m_hDcPaint != nullptr) ::ReleaseDC(m_hWndPaint, m_hDcPaint);
  m_hWndPaint = hWnd;
  m_hDcPaint = ::GetDC(hWnd);
  CWindowManagerList::Instance().Join(this);
}

HDC CWindowManagerUI::GetPaintDC() const { return m_hDcPaint; }

HWND CWindowManagerUI::GetPaintWindow() const { return m_hWndPaint; }

bool CWindowManagerUI::AttachRoot(CControlUI* pControl) {
  SetFocus(nullptr);
  m_input.ForgetControls();
  // The old root may be running one of its own handlers, so it goes at the next
  // WM_APP+1; attaching the same root again must not queue it for deletion.
  if (m_pRoot != nullptr && m_pRoot != pControl) {
    m_aPostPaintControls.Empty();
    AddDelayedCleanup(m_pRoot);
  }
  m_pRoot = pControl;
  m_bUpdateNeeded = true;
  m_bFirstLayout = true;
  m_bFocusNeeded = true;
  m_shadow.Create(this);
  return InitControls(pControl);
}

bool CWindowManagerUI::InitControls(CControlUI* pControl, CControlUI* pParent) {
  if (pControl == nullptr) return false;
  pControl->SetManager(this, pParent != nullptr ? pParent : pControl->GetParent(), true);
  pControl->FindControl(&CWindowManagerUI::FindControlFromNameHash, this, UIFIND_ALL);
  return true;
}

CControlUI* CWindowManagerUI::GetRoot() const { return m_pRoot; }

CControlUI* CWindowManagerUI::FindControl(LPCTSTR pstrName) const {
  return static_cast<CControlUI*>(m_mNameHash.Find(pstrName));
}

CControlUI* CWindowManagerUI::FindSubControlByName(CControlUI* pParent, LPCTSTR pstrName) const {
  if (pParent == nullptr) pParent = m_pRoot;
  if (pParent == nullptr || pstrName == nullptr) return nullptr;
  return pParent->FindControl(&CWindowManagerUI::FindControlFromName, const_cast<LPTSTR>(pstrName), UIFIND_ALL);
}

CControlUI* CWindowManagerUI::FindControlAt(POINT pt) const {
  if (m_pRoot == nullptr) return nullptr;
  return m_pRoot->FindControl(&CWindowManagerUI::FindControlFromPoint, &pt,
                              UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CALLBACK CWindowManagerUI::FindControlFromNameHash(CControlUI* pThis, LPVOID pData) {
  CWindowManagerUI* pManager = static_cast<CWindowManagerUI*>(pData);
  const CUIString sName = pThis->GetName();
  if (!sName.IsEmpty()) pManager->m_mNameHash.Set(sName, pThis);
  return nullptr;  // visit every control
}

CControlUI* CALLBACK CWindowManagerUI::FindControlFromPoint(CControlUI* pThis, LPVOID pData) {
  const POINT* pPoint = static_cast<const POINT*>(pData);
  const RECT& rc = pThis->GetPos();
  return ::PtInRect(&rc, *pPoint) ? pThis : nullptr;
}

CControlUI* CALLBACK CWindowManagerUI::FindControlFromName(CControlUI* pThis, LPVOID pData) {
  LPCTSTR pstrName = static_cast<LPCTSTR>(pData);
  const CUIString sName = pThis->GetName();
  if (sName.IsEmpty()) return nullptr;
  return _wcsicmp(sName, pstrName) == 0 ? pThis : nullptr;
}

void CWindowManagerUI::ReapObjects(CControlUI* pControl) {
  if (pControl == nullptr) return;
  m_input.Reap(pControl);
  if (pControl == m_pFocus) m_pFocus = nullptr;
  // The caret and the post-paint list would otherwise paint a dead control.
  if (pControl == m_currentCaretObject) m_currentCaretObject = nullptr;
  while (RemoveFirst(m_aPostPaintControls, pControl)) {
  }
  KillTimers(pControl);
  const CUIString sName = pControl->GetName();
  if (!sName.IsEmpty() && m_mNameHash.Find(sName, false) == pControl) m_mNameHash.Remove(sName);
  for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i) {
    UINotifyRecord* pMsg = static_cast<UINotifyRecord*>(m_aAsyncNotify[i]);
    if (pMsg->pSender == pControl) pMsg->pSender = nullptr;
  }
}

void CWindowManagerUI::NeedUpdate() { m_bUpdateNeeded = true; }

void CWindowManagerUI::Invalidate(const RECT& rcItem) {
  RECT rc = rcItem;
  if (rc.left < 0) rc.left = 0;
  if (rc.top < 0) rc.top = 0;
  if (rc.right < rc.left) rc.right = rc.left;
  if (rc.bottom < rc.top) rc.bottom = rc.top;
  // Nothing to paint again; the window layer would look the window up only to find so.
  if (::IsRectEmpty(&rc)) return;
  m_painter.AddDirtyRect(rc);
  ::InvalidateRect(m_hWndPaint, &rc, FALSE);
}

bool CWindowManagerUI::AddPostPaint(CControlUI* pControl) { return m_aPostPaintControls.Add(pControl); }

bool CWindowManagerUI::RemovePostPaint(CControlUI* pControl) { return RemoveFirst(m_aPostPaintControls, pControl); }

// --- Window settings read from the skin ---

void CWindowManagerUI::SetInitSize(int cx, int cy) {
  m_szInitWindowSize.cx = cx;
  m_szInitWindowSize.cy = cy;
  if (m_pRoot == nullptr && m_hWndPaint != nullptr) {
    ::SetWindowPos(m_hWndPaint, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
  }
}

SIZE CWindowManagerUI::GetInitSize() const { return m_szInitWindowSize; }

void CWindowManagerUI::SetMinInfo(int cx, int cy) {
  m_szMinWindow.cx = cx;
  m_szMinWindow.cy = cy;
}

SIZE CWindowManagerUI::GetMinInfo() const { return m_szMinWindow; }

void CWindowManagerUI::SetMaxInfo(int cx, int cy) {
  m_szMaxWindow.cx = cx;
  m_szMaxWindow.cy = cy;
}

void CWindowManagerUI::SetSizeBox(const RECT& rcSizeBox) { m_rcSizeBox = rcSizeBox; }

const RECT& CWindowManagerUI::GetSizeBox() const { return m_rcSizeBox; }

void CWindowManagerUI::SetCaptionRect(const RECT& rcCaption) { m_rcCaption = rcCaption; }

const RECT& CWindowManagerUI::GetCaptionRect() const { return m_rcCaption; }

void CWindowManagerUI::SetRoundCorner(int cx, int cy) {
  m_szRoundCorner.cx = cx;
  m_szRoundCorner.cy = cy;
}

SIZE CWindowManagerUI::GetRoundCorner() const { return m_szRoundCorner; }

void CWindowManagerUI::SetOpaqueInset(const RECT& rcInset) { m_painter.SetOpaqueInset(rcInset); }

void CWindowManagerUI::SetOpacity(int nOpacity) {
  m_nOpacity = nOpacity < 0 ? 0 : (nOpacity > 255 ? 255 : nOpacity);
  if (m_hWndPaint == nullptr) return;
  PFNSETLAYEREDWINDOWATTRIBUTES fnSetLayeredWindowAttributes = LayeredAttributesFunction();
  if (fnSetLayeredWindowAttributes == nullptr) return;
  const DWORD dwStyle = static_cast<DWORD>(::GetWindowLongW(m_hWndPaint, GWL_EXSTYLE));
  DWORD dwNewStyle = dwStyle;
  if (nOpacity >= 0 && nOpacity < 256) {
    dwNewStyle |= WS_EX_LAYERED;
  } else {
    dwNewStyle &= ~static_cast<DWORD>(WS_EX_LAYERED);
  }
  if (dwStyle != dwNewStyle) ::SetWindowLongW(m_hWndPaint, GWL_EXSTYLE, static_cast<LONG>(dwNewStyle));
  fnSetLayeredWindowAttributes(m_hWndPaint, 0, static_cast<BYTE>(nOpacity), LWA_ALPHA);
}

void CWindowManagerUI::SetLayered(bool bLayered) { m_painter.SetLayered(bLayered); }

bool CWindowManagerUI::IsLayered() const { return m_painter.IsLayered(); }

void CWindowManagerUI::SetUseGdiplusText(bool bUse) { m_bUseGdiplusText = bUse; }

bool CWindowManagerUI::IsUseGdiplusText() const { return m_bUseGdiplusText; }

CShadowUI* CWindowManagerUI::GetShadow() { return &m_shadow; }

// --- Process-wide settings ---

bool CWindowManagerUI::SetInstance(HINSTANCE hInst) {
  m_hInstance = hInst;
  if (m_gdiplusToken == 0) {
    // Lives, like the token, as long as the process.
    static Gdiplus::GdiplusStartupInput* pInput = new Gdiplus::GdiplusStartupInput();
    Gdiplus::GdiplusStartup(&m_gdiplusToken, pInput, nullptr);
  }
  return CShadowUI::RegisterShadowClass(hInst);
}

HINSTANCE CWindowManagerUI::GetInstance() { return m_hInstance; }

HINSTANCE CWindowManagerUI::GetResourceInstance() { return m_hInstance; }

CUIString CWindowManagerUI::GetInstancePath() {
  if (m_hInstance == nullptr) return CUIString();
  std::wstring path(4096, L'\0');
  const DWORD n = ::GetModuleFileNameW(m_hInstance, &path[0], static_cast<DWORD>(path.size()));
  if (n == 0 || n >= path.size()) return CUIString();
  path.resize(n);
  const size_t pos = platform::LastPathSeparator(path);
  if (pos == std::wstring::npos) return CUIString();
  return CUIString(path.c_str(), static_cast<int>(pos + 1));
}

void CWindowManagerUI::SetResourcePath(LPCTSTR pStrPath) {
  m_pStrResourcePath = pStrPath;
  if (m_pStrResourcePath.IsEmpty()) return;
  const TCHAR cEnd = m_pStrResourcePath.GetAt(m_pStrResourcePath.GetLength() - 1);
  if (cEnd != L'\\' && cEnd != L'/') m_pStrResourcePath += L'\\';
}

const CUIString& CWindowManagerUI::GetResourcePath() { return m_pStrResourcePath; }

const CUIString& CWindowManagerUI::GetResourceZip() { return m_pStrResourceZip; }

bool CWindowManagerUI::IsCachedResourceZip() { return m_bCachedResourceZip; }

HANDLE CWindowManagerUI::GetResourceZipHandle() { return m_hResourceZip; }

CUIPtrArray* CWindowManagerUI::GetControlPlugins() { return &m_aPlugins; }

void CWindowManagerUI::GetHSL(short* H, short* S, short* L) {
  if (H != nullptr) *H = m_H;
  if (S != nullptr) *S = m_S;
  if (L != nullptr) *L = m_L;
}

// --- Messages, input events and notifications ---

void CWindowManagerUI::SendNotify(CControlUI* pControl, LPCTSTR pstrMessage, WPARAM wParam, LPARAM lParam,
                                  bool bAsync) {
  UINotifyRecord Msg;
  Msg.pSender = pControl;
  Msg.sType = pstrMessage;
  Msg.wParam = wParam;
  Msg.lParam = lParam;
  SendNotifyRecord(Msg, bAsync);
}

void CWindowManagerUI::SendNotifyRecord(UINotifyRecord& Msg, bool bAsync) {
  Msg.ptMouse = m_input.GetMousePos();
  Msg.dwTimestamp = ::GetTickCount();
  if (m_bUsedVirtualWnd && Msg.pSender != nullptr) Msg.sVirtualWnd = Msg.pSender->GetVirtualWindow();
  if (!bAsync) {
    DeliverNotification(Msg, true);
    return;
  }
  std::unique_ptr<UINotifyRecord> pCopy(new UINotifyRecord(Msg));
  if (m_aAsyncNotify.Add(pCopy.get())) pCopy.release();
}

void CWindowManagerUI::DeliverNotification(UINotifyRecord& Msg, bool bSenderDelegates) {
  if (bSenderDelegates && Msg.pSender != nullptr && Msg.pSender->OnNotifyDelegates.IsSet()) {
    Msg.pSender->OnNotifyDelegates.Invoke(&Msg);
  }
  const std::weak_ptr<const void> alive = Lifetime();
  // By index: a listener may add or remove listeners while it is notified.
  for (int i = 0; i < m_aNotifiers.GetSize(); ++i) {
    static_cast<INotifyUI*>(m_aNotifiers[i])->Notify(Msg);
    if (alive.expired()) return;
  }
}

void CWindowManagerUI::DeliverAsyncNotifications() {
  const std::weak_ptr<const void> alive = Lifetime();
  while (!m_aAsyncNotify.IsEmpty()) {
    std::unique_ptr<UINotifyRecord> pMsg(static_cast<UINotifyRecord*>(m_aAsyncNotify[0]));
    m_aAsyncNotify.RemoveAt(0);
    DeliverNotification(*pMsg, pMsg->pSender != nullptr);
    if (alive.expired()) return;
  }
}

void CWindowManagerUI::FreeAsyncNotifications() {
  for (int i = 0; i < m_aAsyncNotify.GetSize(); ++i) delete static_cast<UINotifyRecord*>(m_aAsyncNotify[i]);
  m_aAsyncNotify.Empty();
}

bool CWindowManagerUI::AddNotifier(INotifyUI* pControl) { return m_aNotifiers.Add(pControl); }

bool CWindowManagerUI::RemoveNotifier(INotifyUI* pControl) { return RemoveFirst(m_aNotifiers, pControl); }

bool CWindowManagerUI::AddMessageFilter(IMessageFilterUI* pFilter) { return m_aMessageFilters.Add(pFilter); }

bool CWindowManagerUI::RemoveMessageFilter(IMessageFilterUI* pFilter) {
  return RemoveFirst(m_aMessageFilters, pFilter);
}

void CWindowManagerUI::AddDelayedCleanup(CControlUI* pControl) {
  if (pControl == nullptr) return;
  pControl->SetManager(this, nullptr, false);
  // Queued twice, it would be deleted twice.
  if (m_aDelayedCleanup.Find(pControl) < 0) m_aDelayedCleanup.Add(pControl);
  ::PostMessageW(m_hWndPaint, WM_DELAYED_CLEANUP, 0, 0);
}

void CWindowManagerUI::DeleteDelayedControls() {
  // By index: a destructor may queue further controls, which go in the same pass.
  for (int i = 0; i < m_aDelayedCleanup.GetSize(); ++i) delete static_cast<CControlUI*>(m_aDelayedCleanup[i]);
  m_aDelayedCleanup.Empty();
}

void CWindowManagerUI::SetCapture() { m_input.SetCapture(); }

void CWindowManagerUI::ReleaseCapture() { m_input.ReleaseCapture(); }

bool CWindowManagerUI::IsCaptured() const { return m_input.IsCaptured(); }

POINT CWindowManagerUI::GetMousePos() const { return m_input.GetMousePos(); }

void CWindowManagerUI::SetVirtualWndUsed(bool bUsed) { m_bUsedVirtualWnd = bUsed; }

UINT CWindowManagerUI::GetKeyStateMask() {
  UINT uState = 0;
  if (::GetKeyState(VK_LBUTTON) < 0) uState |= 0x01;
  if (::GetKeyState(VK_RBUTTON) < 0) uState |= 0x02;
  if (::GetKeyState(VK_SHIFT) < 0) uState |= 0x04;
  if (::GetKeyState(VK_CONTROL) < 0) uState |= 0x08;
  if (::GetKeyState(VK_MENU) < 0) uState |= 0x20;
  return uState;
}

// --- Focus, keyboard navigation, timers and caret ---

bool CWindowManagerUI::IsTargetOrAncestor(HWND hTarget) const {
  if (m_hWndPaint == nullptr) return false;
  if (hTarget == m_hWndPaint) return true;
  for (HWND hParent = ::GetParent(hTarget); hParent != nullptr; hParent = ::GetParent(hParent)) {
    if (hParent == m_hWndPaint) return true;
  }
  return false;
}

bool CWindowManagerUI::TranslateWindowMessage(const LPMSG pMsg) {
  if (pMsg == nullptr) return false;
  CWindowManagerList& list = CWindowManagerList::Instance();
  const DWORD dwThreadId = ::GetCurrentThreadId();
  const bool bChild = (static_cast<DWORD>(::GetWindowLongW(pMsg->hwnd, GWL_STYLE)) & WS_CHILD) != 0;
  // What a manager is offered may create or destroy managers, so walk a snapshot
  // and look each manager up again before touching it. Managers of other threads
  // are never touched: their windows and controls belong to those threads.
  for (const CWindowManagerList::Entry& entry : list.Snapshot()) {
    if (entry.dwThreadId != dwThreadId || !list.IsListed(entry)) continue;
    CWindowManagerUI* pManager = entry.pManager;
    if (bChild ? !pManager->IsTargetOrAncestor(pMsg->hwnd) : pManager->GetPaintWindow() != pMsg->hwnd) continue;
    if (pManager->TranslateAccelerator(pMsg)) return true;
    LRESULT lRes = 0;
    if (list.IsListed(entry) && pManager->PreMessageHandler(pMsg->message, pMsg->wParam, pMsg->lParam, lRes)) {
      return true;
    }
    if (!bChild) return false;  // only the first manager of the target itself
  }
  return false;
}

bool CWindowManagerUI::TranslateAccelerator(LPMSG pMsg) {
  for (int i = 0; i < m_aTranslateAccelerator.GetSize(); ++i) {
    if (static_cast<ITranslateAccelerator*>(m_aTranslateAccelerator[i])->TranslateAccelerator(pMsg) == 0) return true;
  }
  return false;
}

bool CWindowManagerUI::AddPreMessageFilter(IMessageFilterUI* pFilter) { return m_aPreMessageFilters.Add(pFilter); }

bool CWindowManagerUI::RemovePreMessageFilter(IMessageFilterUI* pFilter) {
  return RemoveFirst(m_aPreMessageFilters, pFilter);
}

bool CWindowManagerUI::AddTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator) {
  return m_aTranslateAccelerator.Add(pTranslateAccelerator);
}

bool CWindowManagerUI::RemoveTranslateAccelerator(ITranslateAccelerator* pTranslateAccelerator) {
  return RemoveFirst(m_aTranslateAccelerator, pTranslateAccelerator);
}

UITimerRecord* CWindowManagerUI::FindTimer(CControlUI* pControl, UINT nTimerID) const {
  for (const std::unique_ptr<UITimerRecord>& pTimer : m_aTimers) {
    if (pTimer->pSender == pControl && pTimer->hWnd == m_hWndPaint && pTimer->uUserId == nTimerID) {
      return pTimer.get();
    }
  }
  return nullptr;
}

bool CWindowManagerUI::IsTimerIdTaken(UINT uWinTimer) const {
  for (const std::unique_ptr<UITimerRecord>& pTimer : m_aTimers) {
    if (pTimer->hWnd == m_hWndPaint && pTimer->uWinTimer == uWinTimer) return true;
  }
  return false;
}

bool CWindowManagerUI::NextWin32TimerId(UINT& uWinTimer) {
  // Two timers under one Win32 id would restart each other and deliver their ticks
  // to one owner, so an id a listed timer holds (a killed one may be armed again)
  // is passed over.
  for (UINT tries = 0; tries < TIMER_ID_COUNT; ++tries) {
    m_uTimerID = (m_uTimerID + 1) % TIMER_ID_COUNT;
    if (!IsTimerIdTaken(m_uTimerID)) {
      uWinTimer = m_uTimerID;
      return true;
    }
  }
  return false;
}

bool CWindowManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse) {
  if (pControl == nullptr || m_hWndPaint == nullptr) return false;
  if (UITimerRecord* pTimer = FindTimer(pControl, nTimerID)) {
    if (!pTimer->bKilled) return false;
    if (::SetTimer(m_hWndPaint, pTimer->uWinTimer, uElapse, nullptr) == 0) return false;
    pTimer->bKilled = false;
    return true;
  }
  UINT uWinTimer = 0;
  if (!NextWin32TimerId(uWinTimer)) return false;
  std::unique_ptr<UITimerRecord> pTimer(new UITimerRecord());
  pTimer->pSender = pControl;
  pTimer->uUserId = nTimerID;
  pTimer->hWnd = m_hWndPaint;
  pTimer->uWinTimer = uWinTimer;
  // Listed before the Win32 timer starts, so that a list that cannot grow leaves no
  // timer running without a record.
  m_aTimers.push_back(std::move(pTimer));
  if (::SetTimer(m_hWndPaint, uWinTimer, uElapse, nullptr) != 0) return true;
  m_aTimers.pop_back();
  return false;
}

bool CWindowManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID) {
  UITimerRecord* pTimer = FindTimer(pControl, nTimerID);
  if (pTimer == nullptr || pTimer->bKilled) return false;
  if (::IsWindow(m_hWndPaint)) ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
  pTimer->bKilled = true;
  return true;
}

void CWindowManagerUI::KillTimers(CControlUI* pControl) {
  for (size_t i = m_aTimers.size(); i > 0; --i) {
    const UITimerRecord& timer = *m_aTimers[i - 1];
    if (timer.pSender != pControl || timer.hWnd != m_hWndPaint) continue;
    if (!timer.bKilled && ::IsWindow(m_hWndPaint)) ::KillTimer(timer.hWnd, timer.uWinTimer);
    m_aTimers.erase(m_aTimers.begin() + static_cast<std::ptrdiff_t>(i - 1));
  }
}

void CWindowManagerUI::RemoveAllTimers() {
  for (const std::unique_ptr<UITimerRecord>& pTimer : m_aTimers) {
    if (pTimer->hWnd == m_hWndPaint && !pTimer->bKilled && ::IsWindow(m_hWndPaint)) {
      ::KillTimer(pTimer->hWnd, pTimer->uWinTimer);
    }
  }
  m_aTimers.clear();
}

void CWindowManagerUI::DispatchTimer(WPARAM wParam) {
  const UINT uWinTimer = LOWORD(wParam);
  for (const std::unique_ptr<UITimerRecord>& pTimer : m_aTimers) {
    if (pTimer->bKilled || pTimer->hWnd != m_hWndPaint || pTimer->uWinTimer != uWinTimer) continue;
    UIEventRecord event;
    event.Type = UIEVENT_TIMER;
    event.pSender = pTimer->pSender;
    event.dwTimestamp = ::GetTickCount();
    event.wParam = pTimer->uUserId;
    // The handler may kill or start timers: nothing of the list is used afterwards.
    pTimer->pSender->DispatchEvent(event);
    return;
  }
}

CControlUI* CWindowManagerUI::GetCaretOwner() const { return m_currentCaretObject; }

// --- Fonts ---

LOGFONTW CWindowManagerUI::SkinLogFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic) {
  LOGFONTW lf = StockGuiLogFont();
  if (pStrFontName != nullptr) {
    // At most the field's length, and always terminated.
    wcsncpy(lf.lfFaceName, pStrFontName, LF_FACESIZE - 1);
    lf.lfFaceName[LF_FACESIZE - 1] = L'\0';
  }
  lf.lfHeight = -nSize;
  if (bBold) lf.lfWeight += FW_BOLD;
  if (bUnderline) lf.lfUnderline = TRUE;
  if (bItalic) lf.lfItalic = TRUE;
  return lf;
}

void CWindowManagerUI::FillFontMetrics(UIFontRecord* pFontInfo) const {
  if (pFontInfo == nullptr || pFontInfo->tm.tmHeight != 0 || m_hDcPaint == nullptr) return;
  HGDIOBJ hOldFont = ::SelectObject(m_hDcPaint, pFontInfo->hFont);
  ::GetTextMetricsW(m_hDcPaint, &pFontInfo->tm);
  ::SelectObject(m_hDcPaint, hOldFont);
}

HFONT CWindowManagerUI::AddFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic) {
  LOGFONTW lf = SkinLogFont(pStrFontName, nSize, bBold, bUnderline, bItalic);
  lf.lfQuality = CLEARTYPE_QUALITY;
  HFONT hFont = ::CreateFontIndirectW(&lf);
  if (hFont == nullptr) return nullptr;

  FontRecordPtr pFontInfo(new UIFontRecord());
  pFontInfo->hFont = hFont;
  pFontInfo->sFontName = pStrFontName;
  pFontInfo->iSize = nSize;
  pFontInfo->bBold = bBold;
  pFontInfo->bUnderline = bUnderline;
  pFontInfo->bItalic = bItalic;
  FillFontMetrics(pFontInfo.get());
  m_aCustomFonts.push_back(std::move(pFontInfo));
  return hFont;
}

void CWindowManagerUI::SetDefaultFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic) {
  const LOGFONTW lf = SkinLogFont(pStrFontName, nSize, bBold, bUnderline, bItalic);
  HFONT hFont = ::CreateFontIndirectW(&lf);
  if (hFont == nullptr) return;
  if (m_DefaultFontInfo.hFont != nullptr) ::DeleteObject(m_DefaultFontInfo.hFont);
  m_DefaultFontInfo.hFont = hFont;
  m_DefaultFontInfo.sFontName = pStrFontName;
  m_DefaultFontInfo.iSize = nSize;
  m_DefaultFontInfo.bBold = bBold;
  m_DefaultFontInfo.bUnderline = bUnderline;
  m_DefaultFontInfo.bItalic = bItalic;
  m_DefaultFontInfo.tm = TEXTMETRICW{};
  FillFontMetrics(&m_DefaultFontInfo);
}

HFONT CWindowManagerUI::GetFont(int index) {
  if (index >= 0 && static_cast<size_t>(index) < m_aCustomFonts.size()) return m_aCustomFonts[index]->hFont;
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetFont(index);
  return m_DefaultFontInfo.hFont;
}

UIFontRecord* CWindowManagerUI::GetFontInfo(int index) {
  if (index < 0 || static_cast<size_t>(index) >= m_aCustomFonts.size()) return GetDefaultFontInfo();
  UIFontRecord* pFontInfo = m_aCustomFonts[index].get();
  FillFontMetrics(pFontInfo);
  return pFontInfo;
}

UIFontRecord* CWindowManagerUI::GetFontInfoByHandle(HFONT hFont) {
  for (const FontRecordPtr& pFontInfo : m_aCustomFonts) {
    if (pFontInfo->hFont != hFont) continue;
    FillFontMetrics(pFontInfo.get());
    return pFontInfo.get();
  }
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetFontInfoByHandle(hFont);
  FillFontMetrics(&m_DefaultFontInfo);
  return &m_DefaultFontInfo;
}

HFONT CWindowManagerUI::FindFont(LPCTSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic) const {
  for (const FontRecordPtr& pFontInfo : m_aCustomFonts) {
    if (pFontInfo->sFontName == pStrFontName && pFontInfo->iSize == nSize && pFontInfo->bBold == bBold &&
        pFontInfo->bUnderline == bUnderline && pFontInfo->bItalic == bItalic) {
      return pFontInfo->hFont;
    }
  }
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->FindFont(pStrFontName, nSize, bBold, bUnderline, bItalic);
  return nullptr;
}

UIFontRecord* CWindowManagerUI::GetDefaultFontInfo() {
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultFontInfo();
  FillFontMetrics(&m_DefaultFontInfo);
  return &m_DefaultFontInfo;
}

void CWindowManagerUI::RemoveAllFonts() { m_aCustomFonts.clear(); }

void CWindowManagerUI::FontRecordDeleter::operator()(UIFontRecord* pFontInfo) const {
  if (pFontInfo->hFont != nullptr) ::DeleteObject(pFontInfo->hFont);
  delete pFontInfo;
}

// --- Images ---

const UIImageRecord* CWindowManagerUI::AddImage(LPCTSTR bitmap, LPCTSTR type, DWORD mask) {
  if (bitmap == nullptr || *bitmap == L'\0') return nullptr;
  ImageRecordPtr pData;
  if (type != nullptr && *type != L'\0') {
    if (!IsDecimalDigit(*bitmap)) return nullptr;
    pData.reset(LoadImageData(MAKEINTRESOURCEW(LeadingNumber(bitmap)), type, mask));
  } else {
    pData.reset(LoadImageData(bitmap, nullptr, mask));
  }
  if (pData == nullptr) return nullptr;
  if (type != nullptr) pData->sResType = type;
  pData->dwMask = mask;
  // The first image of a name stays: a control may already draw it. The new one
  // is freed as it goes out of scope.
  const auto inserted = m_mImageHash.try_emplace(bitmap, std::move(pData));
  if (!inserted.second) return nullptr;
  return inserted.first->second.get();
}

const UIImageRecord* CWindowManagerUI::GetImageEx(LPCTSTR bitmap, LPCTSTR type, DWORD mask) {
  if (bitmap == nullptr) return nullptr;
  const auto found = m_mImageHash.find(bitmap);
  if (found != m_mImageHash.end()) return found->second.get();
  return AddImage(bitmap, type, mask);
}

void CWindowManagerUI::RemoveAllImages() { m_mImageHash.clear(); }

void CWindowManagerUI::ImageRecordDeleter::operator()(UIImageRecord* pData) const { FreeImageRecord(pData); }

void CWindowManagerUI::FreeImageRecord(UIImageRecord* pData) {
  if (pData == nullptr) return;
  if (pData->hBitmap != nullptr) ::DeleteObject(pData->hBitmap);
  delete pData;
}

UIImageRecord* CWindowManagerUI::LoadImageData(LPCTSTR bitmap, LPCTSTR type, DWORD mask) {
  return CImageLoader::Load(bitmap, type, mask);
}

// --- Default attribute lists, option groups, resource parent, colours ---

void CWindowManagerUI::AddDefaultAttributeList(LPCTSTR pStrControlName, LPCTSTR pStrControlAttrList) {
  if (pStrControlName == nullptr) return;
  // The first list of a name stays.
  m_DefaultAttrHash.try_emplace(pStrControlName, pStrControlAttrList);
}

LPCTSTR CWindowManagerUI::GetDefaultAttributeList(LPCTSTR pStrControlName) const {
  if (pStrControlName != nullptr) {
    const auto found = m_DefaultAttrHash.find(pStrControlName);
    if (found != m_DefaultAttrHash.end()) return found->second.GetData();
  }
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultAttributeList(pStrControlName);
  return nullptr;
}

void CWindowManagerUI::RemoveAllDefaultAttributeLists() { m_DefaultAttrHash.clear(); }

bool CWindowManagerUI::AddOptionGroup(LPCTSTR pStrGroupName, CControlUI* pControl) {
  if (pStrGroupName == nullptr) return false;
  CUIPtrArray* aOptionGroup = static_cast<CUIPtrArray*>(m_mOptionGroup.Find(pStrGroupName));
  if (aOptionGroup != nullptr) {
    if (aOptionGroup->Find(pControl) >= 0) return false;
    aOptionGroup->Add(pControl);
    return true;
  }
  std::unique_ptr<CUIPtrArray> aNewGroup(new CUIPtrArray(6));
  aNewGroup->Add(pControl);
  if (m_mOptionGroup.Insert(pStrGroupName, aNewGroup.get())) aNewGroup.release();
  return true;
}

CUIPtrArray* CWindowManagerUI::GetOptionGroup(LPCTSTR pStrGroupName) const {
  return static_cast<CUIPtrArray*>(m_mOptionGroup.Find(pStrGroupName));
}

void CWindowManagerUI::RemoveOptionGroup(LPCTSTR pStrGroupName, CControlUI* pControl) {
  CUIPtrArray* aOptionGroup = static_cast<CUIPtrArray*>(m_mOptionGroup.Find(pStrGroupName));
  if (aOptionGroup == nullptr) return;
  RemoveFirst(*aOptionGroup, pControl);
  if (!aOptionGroup->IsEmpty()) return;
  delete aOptionGroup;
  m_mOptionGroup.Remove(pStrGroupName);
}

void CWindowManagerUI::RemoveAllOptionGroups() {
  for (int i = 0; i < m_mOptionGroup.GetSize(); ++i) {
    LPCTSTR key = m_mOptionGroup.GetKeyAt(i);
    delete static_cast<CUIPtrArray*>(m_mOptionGroup.Find(key, false));
  }
  m_mOptionGroup.RemoveAll();
}

bool CWindowManagerUI::SetResourceParent(CWindowManagerUI* pParent) {
  for (CWindowManagerUI* p = pParent; p != nullptr; p = p->m_pParentResourcePM) {
    if (p == this) return false;
  }
  m_pParentResourcePM = pParent;
  return true;
}

CWindowManagerUI* CWindowManagerUI::GetResourceParent() const { return m_pParentResourcePM; }

DWORD CWindowManagerUI::GetDefaultDisabledColor() const {
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultDisabledColor();
  return m_dwDefaultDisabledColor;
}

void CWindowManagerUI::SetDefaultDisabledColor(DWORD dwColor) { m_dwDefaultDisabledColor = dwColor; }

DWORD CWindowManagerUI::GetDefaultFontColor() const {
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultFontColor();
  return m_dwDefaultFontColor;
}

void CWindowManagerUI::SetDefaultFontColor(DWORD dwColor) { m_dwDefaultFontColor = dwColor; }

DWORD CWindowManagerUI::GetDefaultLinkFontColor() const {
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultLinkFontColor();
  return m_dwDefaultLinkFontColor;
}

void CWindowManagerUI::SetDefaultLinkFontColor(DWORD dwColor) { m_dwDefaultLinkFontColor = dwColor; }

DWORD CWindowManagerUI::GetDefaultLinkHoverFontColor() const {
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultLinkHoverFontColor();
  return m_dwDefaultLinkHoverFontColor;
}

void CWindowManagerUI::SetDefaultLinkHoverFontColor(DWORD dwColor) { m_dwDefaultLinkHoverFontColor = dwColor; }

DWORD CWindowManagerUI::GetDefaultSelectedBkColor() const {
  if (m_pParentResourcePM != nullptr) return m_pParentResourcePM->GetDefaultSelectedBkColor();
  return m_dwDefaultSelectedBkColor;
}

void CWindowManagerUI::SetDefaultSelectedBkColor(DWORD dwColor) { m_dwDefaultSelectedBkColor = dwColor; }

}  // namespace SkinUI
