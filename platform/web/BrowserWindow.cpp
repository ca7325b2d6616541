#include "platform/web/BrowserWindow.h"

namespace platform::web {

namespace {

const wchar_t kClassName[] = L"WebBrowserFrame";
const UINT_PTR kFrameTimer = 1;
// As often as the web view control asks for frames.
const UINT kFrameInterval = 30;

void RegisterWindowClass(WNDPROC proc) {
  WNDCLASSW wc = {};
  if (::GetClassInfoW(::GetModuleHandleW(nullptr), kClassName, &wc)) return;
  wc.lpfnWndProc = proc;
  wc.lpszClassName = kClassName;
  wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
  ::RegisterClassW(&wc);
}

}  // namespace

BrowserWindow::BrowserWindow(HWND parent, const RECT& rect, wkeWebView view, bool pageDrawn) : view_(view) {
  RegisterWindowClass(&BrowserWindow::WindowProc);
  // Without an engine no page will ever draw: the window shows its white at once.
  const DWORD visible = pageDrawn || view == nullptr ? WS_VISIBLE : 0;
  hwnd_ = ::CreateWindowExW(0, kClassName, L"", WS_CHILD | visible | WS_CLIPSIBLINGS, rect.left, rect.top,
                            rect.right - rect.left, rect.bottom - rect.top, parent, nullptr, nullptr, nullptr);
  if (hwnd_ == nullptr) return;
  ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  ::SetTimer(hwnd_, kFrameTimer, kFrameInterval, nullptr);
}

BrowserWindow::~BrowserWindow() {
  if (hwnd_ != nullptr && ::IsWindow(hwnd_)) {
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    ::DestroyWindow(hwnd_);
  }
  FreeBitmap();
}

void BrowserWindow::Move(const RECT& rect) {
  if (hwnd_ == nullptr) return;
  ::MoveWindow(hwnd_, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, TRUE);
}

void BrowserWindow::ShowPage() {
  if (hwnd_ == nullptr || ::IsWindowVisible(hwnd_)) return;
  ::ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
}

LRESULT CALLBACK BrowserWindow::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<BrowserWindow*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
  if (window == nullptr) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
  switch (uMsg) {
    case WM_TIMER:
      if (wParam != kFrameTimer) break;
      ::InvalidateRect(hWnd, nullptr, FALSE);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps = {};
      HDC hdc = ::BeginPaint(hWnd, &ps);
      window->Paint(hdc);
      ::EndPaint(hWnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      // The container's window went first and took this one with it.
      ::KillTimer(hWnd, kFrameTimer);
      ::SetWindowLongPtrW(hWnd, GWLP_USERDATA, 0);
      window->hwnd_ = nullptr;
      break;
    default:
      break;
  }
  return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

void BrowserWindow::Paint(HDC hdc) {
  RECT client = {};
  ::GetClientRect(hwnd_, &client);
  HBRUSH white = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  const int width = wkeGetWidth(view_);
  const int height = wkeGetHeight(view_);
  if (!EnsureBitmap(width, height)) {
    ::FillRect(hdc, &client, white);
    return;
  }
  wkePaint2(view_, bits_, 0);
  ::BitBlt(hdc, 0, 0, width, height, memory_, 0, 0, SRCCOPY);
  // Whatever the view does not cover yet, while a resize is on its way to it.
  const RECT right = {width, 0, client.right, client.bottom};
  const RECT below = {0, height, width, client.bottom};
  if (!::IsRectEmpty(&right)) ::FillRect(hdc, &right, white);
  if (!::IsRectEmpty(&below)) ::FillRect(hdc, &below, white);
}

bool BrowserWindow::EnsureBitmap(int width, int height) {
  if (view_ == nullptr || width <= 0 || height <= 0) return false;
  if (bits_ != nullptr && width == bitmapWidth_ && height == bitmapHeight_) return true;
  FreeBitmap();
  memory_ = ::CreateCompatibleDC(nullptr);
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  bitmap_ = ::CreateDIBSection(memory_, &info, DIB_RGB_COLORS, &bits_, nullptr, 0);
  if (bitmap_ == nullptr || bits_ == nullptr) {
    FreeBitmap();
    return false;
  }
  previous_ = ::SelectObject(memory_, bitmap_);
  bitmapWidth_ = width;
  bitmapHeight_ = height;
  return true;
}

void BrowserWindow::FreeBitmap() {
  if (memory_ != nullptr && previous_ != nullptr) ::SelectObject(memory_, previous_);
  if (bitmap_ != nullptr) ::DeleteObject(bitmap_);
  if (memory_ != nullptr) ::DeleteDC(memory_);
  memory_ = nullptr;
  bitmap_ = nullptr;
  previous_ = nullptr;
  bits_ = nullptr;
  bitmapWidth_ = bitmapHeight_ = 0;
}

}  // namespace platform::web
