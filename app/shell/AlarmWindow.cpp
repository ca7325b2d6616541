#include "app/shell/AlarmWindow.h"

#include <mutex>
#include <utility>

namespace {

const wchar_t kClassName[] = L"AlarmWindow";
const int kWidth = 360;
const int kHeight = 220;

std::mutex& HandlerMutex() {
  static std::mutex mutex;
  return mutex;
}

AlarmWindow::ModalHandler& Handler() {
  static AlarmWindow::ModalHandler handler;
  return handler;
}

// Once per process; any thread may be the first to create an alarm.
bool RegisterWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassExW(&wc) != 0;
  }();
  return registered;
}

}  // namespace

AlarmWindow::ModalHandler AlarmWindow::SetModalHandler(ModalHandler handler) {
  std::lock_guard<std::mutex> lock(HandlerMutex());
  std::swap(Handler(), handler);
  return handler;
}

AlarmWindow::AlarmWindow(const InspectRecordInfo& record) : m_record(record) {}

AlarmWindow::~AlarmWindow() {
  if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
}

HWND AlarmWindow::CreateWithStyle(HWND hwndParent, LPCWSTR pstrName, DWORD dwStyle,
                                  DWORD dwExStyle) {
  if (!RegisterWindowClass()) return nullptr;
  m_hWnd = CreateWindowExW(dwExStyle, kClassName, pstrName, dwStyle, 0, 0, kWidth, kHeight,
                           hwndParent, nullptr, GetModuleHandleW(nullptr), nullptr);
  return m_hWnd;
}

void AlarmWindow::CenterWindow() {
  if (!m_hWnd) return;
  RECT desktop = {};
  RECT window = {};
  if (!GetWindowRect(GetDesktopWindow(), &desktop) || !GetWindowRect(m_hWnd, &window)) return;
  const int width = window.right - window.left;
  const int height = window.bottom - window.top;
  const int x = desktop.left + (desktop.right - desktop.left - width) / 2;
  const int y = desktop.top + (desktop.bottom - desktop.top - height) / 2;
  SetWindowPos(m_hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

UINT AlarmWindow::ShowModal() {
  ModalHandler handler;
  {
    std::lock_guard<std::mutex> lock(HandlerMutex());
    handler = Handler();
  }
  if (handler) {
    handler(*this);
    return 0;
  }
  return RunModalLoop();
}

UINT AlarmWindow::RunModalLoop() {
  if (!m_hWnd || !IsWindow(m_hWnd)) return 0;
  ShowWindow(m_hWnd, SW_SHOWNORMAL);
  MSG msg = {};
  while (IsWindow(m_hWnd)) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got == 0) {
      PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
