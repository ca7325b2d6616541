#include "tests/platform/x11/SmokeWindow.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace x11test {

void MessageLog::Add(const Logged& entry) {
  // Notified under the lock: a waiter that sees the entry may end the log's life.
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.push_back(entry);
  changed_.notify_all();
}

bool MessageLog::WaitFor(const std::function<bool(const std::vector<Logged>&)>& done, int limitMs) {
  std::unique_lock<std::mutex> lock(mutex_);
  return changed_.wait_for(lock, std::chrono::milliseconds(limitMs), [&] { return done(entries_); });
}

std::vector<Logged> MessageLog::Entries() {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_;
}

std::vector<Logged> MessageLog::Only(const std::vector<UINT>& messages) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<Logged> out;
  for (const Logged& e : entries_) {
    if (std::find(messages.begin(), messages.end(), e.message) != messages.end()) out.push_back(e);
  }
  return out;
}

void MessageLog::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.clear();
}

bool SmokeWindow::Logs(UINT message) {
  switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_MOUSEWHEEL:
    case WM_KEYDOWN: case WM_KEYUP: case WM_CHAR: case WM_SYSKEYDOWN: case WM_SYSKEYUP:
    case WM_SETFOCUS: case WM_KILLFOCUS: case WM_ACTIVATE: case WM_SIZE: case WM_CLOSE:
    case WM_ENTERSIZEMOVE: case WM_EXITSIZEMOVE:
      return true;
    default:
      return false;
  }
}

HWND SmokeWindow::Create(const SmokeSpec& spec) {
  static const wchar_t* kClass = L"X11SmokeWindow";
  static bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &SmokeWindow::Proc;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kClass;
    return RegisterClassExW(&wc) != 0;
  }();
  (void)registered;
  auto* self = new SmokeWindow{spec};
  const RECT& r = spec.rect;
  return CreateWindowExW(spec.exStyle, spec.className ? spec.className : kClass, spec.title.c_str(), spec.style,
                         r.left, r.top, r.right - r.left, r.bottom - r.top, spec.owner, nullptr, nullptr, self);
}

LRESULT CALLBACK SmokeWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<SmokeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  if (self->spec.log && Logs(message)) self->spec.log->Add(Logged{hwnd, message, wParam, lParam});
  if (self->spec.hook) {
    if (std::optional<LRESULT> answer = self->spec.hook(hwnd, message, wParam, lParam)) return *answer;
  }
  switch (message) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC hdc = BeginPaint(hwnd, &ps);
      RECT client;
      GetClientRect(hwnd, &client);
      HBRUSH brush = CreateSolidBrush(self->spec.colour);
      FillRect(hdc, &client, brush);
      DeleteObject(brush);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_NCDESTROY: {
      SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
      delete self;
      return DefWindowProcW(hwnd, message, wParam, lParam);
    }
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void SmokeWindow::ShowLayered(HWND hwnd, int width, int height, uint32_t argb, int holeWidth) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ old = SelectObject(memory, bitmap);
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) pixels[y * width + x] = x < holeWidth ? 0u : argb;
  }
  RECT rect;
  GetWindowRect(hwnd, &rect);
  POINT at{rect.left, rect.top};
  SIZE size{width, height};
  POINT origin{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(hwnd, screen, &at, &size, memory, &origin, 0, &blend, ULW_ALPHA);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
}

}  // namespace x11test
