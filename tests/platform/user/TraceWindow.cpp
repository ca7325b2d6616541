#include "tests/platform/user/TraceWindow.h"

#include <map>
#include <memory>

namespace test {

void Trace::AddEntry(UINT message, const std::string& line) {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.push_back(Entry{message, line});
}

void Trace::Add(const std::string& line) { AddEntry(0, line); }

std::vector<std::string> Trace::Take() {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> out;
  for (const Entry& e : entries_) out.push_back(e.line);
  entries_.clear();
  return out;
}

std::vector<std::string> Trace::Take(const std::set<UINT>& messages) {
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> out;
  for (const Entry& e : entries_) {
    if (e.message == 0 || messages.count(e.message)) out.push_back(e.line);
  }
  entries_.clear();
  return out;
}

void Trace::Clear() {
  std::lock_guard<std::mutex> lock(mutex_);
  entries_.clear();
}

std::string TraceWindow::MessageName(UINT message) {
  static const std::map<UINT, std::string> names = {
      {WM_CREATE, "WM_CREATE"}, {WM_DESTROY, "WM_DESTROY"}, {WM_MOVE, "WM_MOVE"}, {WM_SIZE, "WM_SIZE"},
      {WM_ACTIVATE, "WM_ACTIVATE"}, {WM_SETFOCUS, "WM_SETFOCUS"}, {WM_KILLFOCUS, "WM_KILLFOCUS"},
      {WM_ENABLE, "WM_ENABLE"}, {WM_PAINT, "WM_PAINT"}, {WM_CLOSE, "WM_CLOSE"}, {WM_ERASEBKGND, "WM_ERASEBKGND"},
      {WM_SHOWWINDOW, "WM_SHOWWINDOW"}, {WM_SETCURSOR, "WM_SETCURSOR"}, {WM_MOUSEACTIVATE, "WM_MOUSEACTIVATE"},
      {WM_GETMINMAXINFO, "WM_GETMINMAXINFO"}, {WM_WINDOWPOSCHANGING, "WM_WINDOWPOSCHANGING"},
      {WM_WINDOWPOSCHANGED, "WM_WINDOWPOSCHANGED"}, {WM_CONTEXTMENU, "WM_CONTEXTMENU"},
      {WM_NCCREATE, "WM_NCCREATE"}, {WM_NCDESTROY, "WM_NCDESTROY"}, {WM_NCCALCSIZE, "WM_NCCALCSIZE"},
      {WM_NCHITTEST, "WM_NCHITTEST"}, {WM_NCACTIVATE, "WM_NCACTIVATE"}, {WM_NCMOUSEMOVE, "WM_NCMOUSEMOVE"},
      {WM_NCLBUTTONDOWN, "WM_NCLBUTTONDOWN"}, {WM_NCLBUTTONDBLCLK, "WM_NCLBUTTONDBLCLK"},
      {WM_KEYDOWN, "WM_KEYDOWN"}, {WM_KEYUP, "WM_KEYUP"}, {WM_CHAR, "WM_CHAR"}, {WM_SYSKEYDOWN, "WM_SYSKEYDOWN"},
      {WM_SYSKEYUP, "WM_SYSKEYUP"}, {WM_SYSCHAR, "WM_SYSCHAR"}, {WM_SYSCOMMAND, "WM_SYSCOMMAND"},
      {WM_TIMER, "WM_TIMER"}, {WM_MOUSEMOVE, "WM_MOUSEMOVE"}, {WM_LBUTTONDOWN, "WM_LBUTTONDOWN"},
      {WM_LBUTTONUP, "WM_LBUTTONUP"}, {WM_LBUTTONDBLCLK, "WM_LBUTTONDBLCLK"}, {WM_RBUTTONDOWN, "WM_RBUTTONDOWN"},
      {WM_RBUTTONUP, "WM_RBUTTONUP"}, {WM_MOUSEWHEEL, "WM_MOUSEWHEEL"}, {WM_PARENTNOTIFY, "WM_PARENTNOTIFY"},
      {WM_CAPTURECHANGED, "WM_CAPTURECHANGED"}, {WM_ENTERSIZEMOVE, "WM_ENTERSIZEMOVE"},
      {WM_EXITSIZEMOVE, "WM_EXITSIZEMOVE"}, {WM_MOUSEHOVER, "WM_MOUSEHOVER"}, {WM_MOUSELEAVE, "WM_MOUSELEAVE"},
      {WM_QUIT, "WM_QUIT"}, {WM_APP, "WM_APP"}, {WM_USER, "WM_USER"}};
  auto it = names.find(message);
  return it == names.end() ? std::string() : it->second;
}

const wchar_t* TraceWindow::ClassName(bool doubleClicks) {
  static const bool registered = [] {
    for (int i = 0; i < 2; ++i) {
      WNDCLASSEXW wc{};
      wc.cbSize = sizeof(wc);
      wc.style = i == 0 ? CS_DBLCLKS : 0;
      wc.lpfnWndProc = &TraceWindow::Proc;
      wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
      wc.lpszClassName = i == 0 ? L"TraceWindow" : L"TraceWindowPlain";
      RegisterClassExW(&wc);
    }
    return true;
  }();
  (void)registered;
  return doubleClicks ? L"TraceWindow" : L"TraceWindowPlain";
}

HWND TraceWindow::Create(Trace& trace, const WindowSpec& spec) {
  // The window takes the object at WM_NCCREATE and frees it at WM_NCDESTROY; a window
  // refused before its first message leaves it here, freed with the holder.
  auto self = std::make_unique<TraceWindow>();
  self->trace = &trace;
  self->name = spec.name;
  self->hook = spec.hook;
  const RECT& r = spec.rect;
  return CreateWindowExW(spec.exStyle, spec.className ? spec.className : ClassName(), L"", spec.style, r.left, r.top,
                         r.right - r.left, r.bottom - r.top, spec.parent, spec.id, nullptr, &self);
}

Hook TraceWindow::PaintWith(COLORREF colour) {
  return [colour](HWND h, UINT m, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (m != WM_PAINT) return std::nullopt;
    PAINTSTRUCT ps;
    HDC hdc = BeginPaint(h, &ps);
    RECT client;
    GetClientRect(h, &client);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(hdc, &client, brush);
    DeleteObject(brush);
    EndPaint(h, &ps);
    return 0;
  };
}

LRESULT CALLBACK TraceWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* holder = static_cast<std::unique_ptr<TraceWindow>*>(cs->lpCreateParams);
    if (holder != nullptr) SetWindowLongPtrW(hwnd, GWLP_USERDATA, LONG_PTR(holder->release()));
  }
  auto* self = reinterpret_cast<TraceWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  const std::string name = MessageName(message);
  if (!name.empty()) self->trace->AddEntry(message, self->name + ":" + name);
  std::optional<LRESULT> answer;
  if (self->hook) answer = self->hook(hwnd, message, wParam, lParam);
  const LRESULT result = answer ? *answer : DefWindowProcW(hwnd, message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
    delete self;
  }
  return result;
}

}  // namespace test
