#include "app/shell/PhotoFeedBackWindow.h"

#include <memory>

#include "ui/controls/CLabelUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

const BYTE kToastAlpha = 150;
const int kToastHeight = 40;
const int kToastMargin = 30;
const UINT kHoverRecheckMs = 1000;

}  // namespace

PhotoFeedBackWindow::PhotoFeedBackWindow() : m_pTitle(nullptr), m_hToast(nullptr) {}

PhotoFeedBackWindow::~PhotoFeedBackWindow() = default;

LPCTSTR PhotoFeedBackWindow::GetWindowClassName() const { return L"PhotoFeedBackWindow"; }

SkinUI::CUIString PhotoFeedBackWindow::GetSkinXmlName() const { return L"PhotoFeedBackWindow.xml"; }

HWND PhotoFeedBackWindow::CreateHidden() {
  const HWND hwnd =
      CreateWithStyle(::GetDesktopWindow(), L"MyFeedBackWnd", WS_POPUP | WS_VISIBLE | WS_BORDER | WS_SYSMENU, 0);
  if (hwnd == nullptr) return nullptr;
  ShowWindow(false, false);
  m_hToast.store(hwnd);
  return hwnd;
}

void PhotoFeedBackWindow::ShowToast(const std::wstring& text, int seconds) {
  const HWND hwnd = m_hToast.load();
  if (hwnd == nullptr) return;
  if (::GetWindowThreadProcessId(hwnd, nullptr) == ::GetCurrentThreadId()) {
    Show(text, seconds);
    return;
  }
  auto request = std::make_unique<Request>(Request{text, seconds});
  if (::PostMessageW(hwnd, WM_SHOWTOAST, 0, reinterpret_cast<LPARAM>(request.get()))) request.release();
}

LRESULT PhotoFeedBackWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_SHOWTOAST) {
    const std::unique_ptr<Request> request(reinterpret_cast<Request*>(lParam));
    if (request) Show(request->text, request->seconds);
    return 0;
  }
  if (uMsg == WM_TIMER && wParam == TOAST_TIMER_ID) OnToastTimer();
  if (uMsg == WM_DESTROY) {
    // Posts fail from here on; what is queued already is freed with the window.
    m_hToast.store(nullptr);
    DropPendingRequests();
  }
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void PhotoFeedBackWindow::OnSkinBuilt() {
  const LONG exStyle = ::GetWindowLongW(m_hWnd, GWL_EXSTYLE);
  ::SetWindowLongW(m_hWnd, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  ::SetLayeredWindowAttributes(m_hWnd, 0, kToastAlpha, LWA_ALPHA);
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 300, kToastHeight, SWP_NOACTIVATE);
  SkinUI::CControlUI* title = m_pm.FindControl(L"title");
  if (title != nullptr) m_pTitle = static_cast<SkinUI::CContainerUI*>(title->GetInterface(L"Container"));
}

void PhotoFeedBackWindow::OnDetached(HWND hWnd) {
  m_pTitle = nullptr;
  m_hToast.store(nullptr);
  WindowImplBase::OnDetached(hWnd);
}

void PhotoFeedBackWindow::Show(const std::wstring& text, int seconds) {
  PutText(text);
  ::SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, MeasureText(text) + kToastMargin, kToastHeight, SWP_FRAMECHANGED);
  CenterWindow();
  ShowWindow(true, true);
  // The same id restarts a toast that is still showing.
  ::SetTimer(m_hWnd, TOAST_TIMER_ID, static_cast<UINT>(seconds) * 1000, nullptr);
}

void PhotoFeedBackWindow::PutText(const std::wstring& text) {
  if (m_pTitle == nullptr) return;
  m_pTitle->RemoveAll();
  auto* label = new SkinUI::CLabelUI;
  label->SetName(L"lab_message");
  label->SetText(text.c_str());
  label->SetToolTip(text.c_str());
  label->SetTextPadding(RECT{5, 0, 5, 0});
  label->SetAttributeList(L"endellipsis=\"true\" align=\"center\" font=\"0\" textcolor=\"0xffffffff\"");
  m_pTitle->Add(label);
}

int PhotoFeedBackWindow::MeasureText(const std::wstring& text) {
  const HDC hdc = m_pm.GetPaintDC();
  const HFONT font = m_pm.GetFont(0);
  const HGDIOBJ previous = font != nullptr ? ::SelectObject(hdc, font) : nullptr;
  SIZE extent = {0, 0};
  ::GetTextExtentPoint32W(hdc, text.c_str(), static_cast<int>(text.size()), &extent);
  if (previous != nullptr) ::SelectObject(hdc, previous);
  return extent.cx;
}

void PhotoFeedBackWindow::OnToastTimer() {
  POINT cursor = {0, 0};
  RECT window = {0, 0, 0, 0};
  ::GetCursorPos(&cursor);
  ::GetWindowRect(m_hWnd, &window);
  if (::PtInRect(&window, cursor)) {
    ::SetTimer(m_hWnd, TOAST_TIMER_ID, kHoverRecheckMs, nullptr);
    return;
  }
  ShowWindow(false, true);
  ::KillTimer(m_hWnd, TOAST_TIMER_ID);
  if (m_pTitle == nullptr) return;
  SkinUI::CControlUI* label = m_pm.FindControl(L"lab_message");
  if (label != nullptr) m_pTitle->Remove(label);
}

void PhotoFeedBackWindow::DropPendingRequests() {
  MSG msg;
  while (::PeekMessageW(&msg, m_hWnd, WM_SHOWTOAST, WM_SHOWTOAST, PM_REMOVE)) {
    delete reinterpret_cast<Request*>(msg.lParam);
  }
}
