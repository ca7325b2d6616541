#include "ui/controls/CWkeWebkitUI.h"

#include <cwchar>
#include <map>
#include <mutex>

#include "platform/base/CodePage.h"
#include "platform/base/Path.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

namespace {

const char kUserAgent[] =
    "Mozilla/5.0 (Windows NT 6.1) AppleWebKit/537.36 (KHTML, like Gecko) Chrome/52.0.2228.0 Safari/537.36";
const wchar_t kErrorPageName[] = L"error.html";
// A page's command and argument are cut to this many characters.
const size_t kMaxArgumentLength = 16383;

const unsigned kMouseMove = 0x200;
const unsigned kLeftButtonDown = 0x201;
const unsigned kLeftButtonUp = 0x202;
const unsigned kLeftButtonDoubleClick = 0x203;
const unsigned kRightButtonDown = 0x204;
const unsigned kKeyMask = MK_CONTROL | MK_SHIFT | MK_LBUTTON | MK_MBUTTON | MK_RBUTTON;

// The engine's mouse message for a button event of the control.
unsigned ButtonMessage(int type) {
  switch (type) {
    case UIEVENT_BUTTONDOWN: return kLeftButtonDown;
    case UIEVENT_BUTTONUP: return kLeftButtonUp;
    case UIEVENT_RBUTTONDOWN: return kRightButtonDown;
    default: return kLeftButtonDoubleClick;
  }
}

// Which control shows each view: "jsToNative" finds its control through the calling view.
struct ViewControls {
  std::mutex mutex;
  std::map<wkeWebView, CWkeWebkitUI*> controls;
};

ViewControls& Controls() {
  static ViewControls* controls = new ViewControls();
  return *controls;
}

// "file:///" + the program's folder (with its separator) + "error.html".
std::wstring ErrorPageURL() {
  wchar_t path[MAX_PATH] = {};
  const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring folder(path, length);
  const size_t cut = platform::LastPathSeparator(folder);
  folder.erase(cut == std::wstring::npos ? 0 : cut + 1);
  return L"file:///" + folder + kErrorPageName;
}

bool IsErrorPage(const std::wstring& url) { return url.find(kErrorPageName) != std::wstring::npos; }

std::wstring CutArgument(const wchar_t* text) {
  std::wstring value = text != nullptr ? text : L"";
  if (value.size() > kMaxArgumentLength) value.resize(kMaxArgumentLength);
  return value;
}

}  // namespace

CWkeWebkitUI::CWkeWebkitUI()
    : m_hMemDC(::CreateCompatibleDC(nullptr)), m_pWebView(wkeCreateWebView()), m_strErrorURL(ErrorPageURL()) {
  if (m_pWebView == nullptr) return;
  std::lock_guard<std::mutex> lock(Controls().mutex);
  Controls().controls[m_pWebView] = this;
}

CWkeWebkitUI::~CWkeWebkitUI() {
  {
    std::lock_guard<std::mutex> lock(Controls().mutex);
    Controls().controls.erase(m_pWebView);
  }
  if (m_pManager != nullptr) m_pManager->KillTimer(this, REPAINT_TIMER_ID);
  wkeDestroyWebView(m_pWebView);
  if (m_hMemDC != nullptr) ::DeleteDC(m_hMemDC);
  if (m_hBitmap != nullptr) ::DeleteObject(m_hBitmap);
}

LPCTSTR CWkeWebkitUI::GetClassName() const { return L"WkeWebkitUI"; }

LPVOID CWkeWebkitUI::GetInterface(LPCTSTR pstrName) {
  if (pstrName != nullptr && wcscmp(pstrName, L"WkeWebkit") == 0) return static_cast<CWkeWebkitUI*>(this);
  return CControlUI::GetInterface(pstrName);
}

void CWkeWebkitUI::SetPos(RECT rc) {
  m_rcDraw = rc;
  m_pBits = nullptr;
  CControlUI::SetPos(rc);
  wkeResize(m_pWebView, rc.right - rc.left, rc.bottom - rc.top);
}

void CWkeWebkitUI::OnInit() {
  CControlUI::OnInit();
  wkeSetUserAgent(m_pWebView, kUserAgent);
  wkeSetName(m_pWebView, wide_to_ansi(GetName()).c_str());
  if (m_pManager != nullptr) m_pManager->SetTimer(this, REPAINT_TIMER_ID, REPAINT_INTERVAL_MS);
  wkeOnTitleChanged(m_pWebView, &CWkeWebkitUI::OnTitleChanged, this);
  wkeOnURLChanged(m_pWebView, &CWkeWebkitUI::OnURLChanged, this);
  wkeOnNavigation(m_pWebView, &CWkeWebkitUI::OnNavigation, this);
  wkeOnCreateView(m_pWebView, &CWkeWebkitUI::OnCreateView, this);
  wkeOnDocumentReady(m_pWebView, &CWkeWebkitUI::OnDocumentReady, this);
  wkeOnLoadingFinish(m_pWebView, &CWkeWebkitUI::OnLoadingFinish, this);
}

POINT CWkeWebkitUI::ViewPoint(const UIEventRecord& event) const {
  return POINT{event.ptMouse.x - m_rcItem.left, event.ptMouse.y - m_rcItem.top};
}

void CWkeWebkitUI::HandleEvent(UIEventRecord& event) {
  const POINT pt = ViewPoint(event);
  switch (event.Type) {
    case UIEVENT_SETCURSOR:
      return;
    case UIEVENT_KEYDOWN:
      wkeFireKeyDownEvent(m_pWebView, event.chKey, static_cast<unsigned>(event.lParam), false);
      break;
    case UIEVENT_KEYUP:
      wkeFireKeyUpEvent(m_pWebView, event.chKey, static_cast<unsigned>(event.lParam), false);
      break;
    case UIEVENT_CHAR:
      wkeFireKeyPressEvent(m_pWebView, event.chKey, static_cast<unsigned>(event.lParam), false);
      break;
    case UIEVENT_MOUSEMOVE:
    case UIEVENT_MOUSELEAVE:
    case UIEVENT_MOUSEENTER:
      wkeFireMouseEvent(m_pWebView, kMouseMove, pt.x, pt.y, static_cast<unsigned>(event.wParam) & kKeyMask);
      break;
    case UIEVENT_BUTTONDOWN:
    case UIEVENT_BUTTONUP:
    case UIEVENT_RBUTTONDOWN:
    case UIEVENT_DBLCLICK:
      wkeFireMouseEvent(m_pWebView, ButtonMessage(event.Type), pt.x, pt.y, event.wKeyState);
      break;
    case UIEVENT_CONTEXTMENU:
      wkeFireContextMenuEvent(m_pWebView, pt.x, pt.y, static_cast<unsigned>(event.wParam) & (MK_CONTROL | MK_SHIFT));
      break;
    case UIEVENT_SCROLLWHEEL: {
      // A wheel event carries no point of its own: the page scrolls where the pointer is.
      const POINT at = m_pManager != nullptr ? m_pManager->GetMousePos() : event.ptMouse;
      wkeFireMouseWheelEvent(m_pWebView, at.x - m_rcItem.left, at.y - m_rcItem.top, event.wParam == 0 ? 120 : -120,
                             event.wKeyState);
      break;
    }
    case UIEVENT_KILLFOCUS:
      wkeKillFocus(m_pWebView);
      break;
    case UIEVENT_SETFOCUS:
      wkeSetFocus(m_pWebView);
      break;
    case UIEVENT_TIMER:
      if (event.wParam == REPAINT_TIMER_ID) Invalidate();
      break;
    default:
      break;
  }
  CControlUI::HandleEvent(event);
}

bool CWkeWebkitUI::EnsureBitmap() {
  if (m_pBits != nullptr) return true;
  const int width = m_rcDraw.right - m_rcDraw.left;
  const int height = m_rcDraw.bottom - m_rcDraw.top;
  // The rows run top-down, as the engine writes them.
  LPBYTE bits = nullptr;
  HBITMAP bitmap = CSkinRenderer::Create32BitDIB(m_hMemDC, width, height, &bits);
  if (bitmap == nullptr) return false;
  if (bits == nullptr) {
    ::DeleteObject(bitmap);
    return false;
  }
  ::SelectObject(m_hMemDC, bitmap);
  if (m_hBitmap != nullptr) ::DeleteObject(m_hBitmap);
  m_hBitmap = bitmap;
  m_pBits = bits;
  return true;
}

void CWkeWebkitUI::Paint(HDC hDC, const RECT& rcPaint) {
  CControlUI::Paint(hDC, rcPaint);
  // Until the first page has drawn, the engine only has a blank white sheet: the skin's
  // background shows instead, so a page that takes a moment to load does not flash.
  if (!m_bPageDrawn) return;
  if (m_pWebView == nullptr || !EnsureBitmap()) return;
  wkePaint2(m_pWebView, m_pBits, 0);
  ::BitBlt(hDC, m_rcDraw.left, m_rcDraw.top, m_rcDraw.right - m_rcDraw.left, m_rcDraw.bottom - m_rcDraw.top,
           m_hMemDC, 0, 0, SRCCOPY);
}

void CWkeWebkitUI::LoadURL(const std::wstring& url) {
  m_strURL = url.substr(0, MAX_URL_LENGTH - 1);
  wkeLoadW(m_pWebView, m_strURL.c_str());
}

bool CWkeWebkitUI::OnNavigation(wkeWebView, void* param, wkeNavigationType, wkeString url) {
  auto* control = static_cast<CWkeWebkitUI*>(param);
  const std::wstring text = wkeGetStringW(url);
  if (!IsErrorPage(text) && text.size() < MAX_URL_LENGTH) control->m_strLastURL = text;
  return true;
}

wkeWebView CWkeWebkitUI::OnCreateView(wkeWebView, void*, wkeNavigationType, const wkeString,
                                      const wkeWindowFeatures*) {
  return nullptr;
}

void CWkeWebkitUI::OnLoadingFinish(wkeWebView webView, void* param, const wkeString url, wkeLoadingResult result,
                                   const wkeString) {
  auto* control = static_cast<CWkeWebkitUI*>(param);
  if (result == WKE_LOADING_SUCCEEDED) control->ShowPage();
  if (result != WKE_LOADING_FAILED) return;
  // The error page failing itself (a program folder without it) would load it again
  // for ever: the view stays as it is.
  if (IsErrorPage(wkeGetStringW(url))) return;
  wkeLoadW(webView, control->m_strErrorURL.c_str());
}

void CWkeWebkitUI::OnTitleChanged(wkeWebView, void*, const wkeString) {}

void CWkeWebkitUI::OnURLChanged(wkeWebView, void*, const wkeString) {}

void CWkeWebkitUI::OnDocumentReady(wkeWebView, void* param) { static_cast<CWkeWebkitUI*>(param)->ShowPage(); }

void CWkeWebkitUI::ShowPage() {
  if (m_bPageDrawn) return;
  m_bPageDrawn = true;
  Invalidate();
}

CWkeWebkitUI* CWkeWebkitUI::FindControl(wkeWebView webView) {
  std::lock_guard<std::mutex> lock(Controls().mutex);
  const auto found = Controls().controls.find(webView);
  return found != Controls().controls.end() ? found->second : nullptr;
}

jsValue CWkeWebkitUI::OnJsToNative(jsExecState es) {
  CWkeWebkitUI* control = FindControl(jsGetWebView(es));
  if (control == nullptr || jsArgCount(es) != 2) return jsUndefined();
  const jsValue command = jsArg(es, 0);
  const jsValue argument = jsArg(es, 1);
  if (!jsIsString(command) || !jsIsString(argument)) return jsUndefined();
  control->RunCommand(CutArgument(jsToTempStringW(es, command)), CutArgument(jsToTempStringW(es, argument)));
  return jsUndefined();
}

void CWkeWebkitUI::RunCommand(const std::wstring& command, const std::wstring&) {
  if (command != L"refresh" || m_strLastURL.empty()) return;
  wkeLoadW(m_pWebView, m_strLastURL.c_str());
}

std::string CWkeWebkitUI::wide_to_ansi(const wchar_t* text) {
  return text != nullptr ? platform::codepage::WideToGbk(text) : std::string();
}

std::string CWkeWebkitUI::wide_to_utf8(const wchar_t* text) {
  return text != nullptr ? platform::codepage::WideToUtf8(text) : std::string();
}

}  // namespace SkinUI
