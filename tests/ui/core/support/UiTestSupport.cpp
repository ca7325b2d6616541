#include "tests/ui/core/support/UiTestSupport.h"

#include <algorithm>
#include <mutex>

namespace uitest {

std::string Narrow(LPCTSTR text) {
  std::string out;
  if (text == nullptr) return out;
  for (; *text != L'\0'; ++text) out.push_back(*text < 128 ? static_cast<char>(*text) : '?');
  return out;
}

namespace {

const wchar_t kHostClass[] = L"SkinUITestHost";

void RegisterHostClass() {
  static std::once_flag once;
  std::call_once(once, [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = kHostClass;
    wc.hInstance = GetModuleHandleW(nullptr);
    RegisterClassExW(&wc);
  });
}

}  // namespace

Host::Host(RECT rc, DWORD style, HWND parent) : manager_(new SkinUI::CWindowManagerUI()) {
  RegisterHostClass();
  hwnd_ = CreateWindowExW(0, kHostClass, L"host", style, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                          parent, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Host::Proc));
  manager_->Init(hwnd_);
  ValidateRect(hwnd_, nullptr);
}

Host::~Host() {
  manager_.reset();
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

void Host::DropManager() { manager_.reset(); }

RECT Host::TakeUpdateRect() {
  RECT rc = {0, 0, 0, 0};
  if (!GetUpdateRect(hwnd_, &rc, FALSE)) rc = RECT{0, 0, 0, 0};
  ValidateRect(hwnd_, nullptr);
  return rc;
}

LRESULT CALLBACK Host::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Host* host = reinterpret_cast<Host*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (host != nullptr) {
    if (message == WM_TIMER) host->timerIds.push_back(UINT(wParam));
    LRESULT result = 0;
    if (host->manager_ && host->manager_->HandleWindowMessage(message, wParam, lParam, result)) return result;
    host->messages.push_back(message);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LogControl::LogControl(Lines* log, LPCTSTR name, RECT pos) : log_(log) {
  SetName(name);
  m_rcItem = pos;
}

void LogControl::HandleEvent(SkinUI::UIEventRecord& event) {
  std::string line = Narrow(GetName()) + ":event" + std::to_string(event.Type);
  if (event.Type == SkinUI::UIEVENT_KILLFOCUS || event.Type == SkinUI::UIEVENT_SETFOCUS) {
    line += "(" + (event.pSender ? Narrow(event.pSender->GetName()) : std::string("-")) + ")";
  }
  if (log_ != nullptr) log_->push_back(line);
  if (swallowEvents) return;
  SkinUI::CControlUI::HandleEvent(event);
}

void LogControl::OnInit() {
  if (log_ != nullptr) log_->push_back(Narrow(GetName()) + ":init");
}

LogContainer::LogContainer(Lines* log, LPCTSTR name, RECT pos) : LogControl(log, name, pos) {}

LogContainer::~LogContainer() {
  for (SkinUI::CControlUI* child : children_) delete child;
}

void LogContainer::Remove(SkinUI::CControlUI* child) {
  auto it = std::find(children_.begin(), children_.end(), child);
  if (it == children_.end()) return;
  children_.erase(it);
  delete child;
}

void LogContainer::SetManager(SkinUI::CWindowManagerUI* pManager, SkinUI::CControlUI* pParent, bool bInit) {
  for (SkinUI::CControlUI* child : children_) child->SetManager(pManager, this, bInit);
  SkinUI::CControlUI::SetManager(pManager, pParent, bInit);
}

void LogContainer::SetVisible(bool bVisible) {
  SkinUI::CControlUI::SetVisible(bVisible);
  for (SkinUI::CControlUI* child : children_) child->SetParentVisible(IsVisible());
}

void LogContainer::SetParentVisible(bool bVisible) {
  SkinUI::CControlUI::SetParentVisible(bVisible);
  for (SkinUI::CControlUI* child : children_) child->SetParentVisible(IsVisible());
}

SkinUI::CControlUI* LogContainer::FindControl(SkinUI::FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
  if ((uFlags & SkinUI::UIFIND_VISIBLE) != 0 && !IsVisible()) return nullptr;
  if ((uFlags & SkinUI::UIFIND_ENABLED) != 0 && !IsEnabled()) return nullptr;
  if ((uFlags & SkinUI::UIFIND_HITTEST) != 0 && !PtInRect(&m_rcItem, *static_cast<POINT*>(pData))) return nullptr;
  if ((uFlags & SkinUI::UIFIND_ME_FIRST) != 0) {
    if (SkinUI::CControlUI* found = SkinUI::CControlUI::FindControl(Proc, pData, uFlags)) return found;
  }
  const bool topFirst = (uFlags & SkinUI::UIFIND_TOP_FIRST) != 0;
  const int n = int(children_.size());
  for (int k = 0; k < n; ++k) {
    SkinUI::CControlUI* child = children_[size_t(topFirst ? n - 1 - k : k)];
    if (SkinUI::CControlUI* found = child->FindControl(Proc, pData, uFlags)) return found;
  }
  if ((uFlags & SkinUI::UIFIND_ME_FIRST) != 0) return nullptr;
  return SkinUI::CControlUI::FindControl(Proc, pData, uFlags);
}

void LogListener::Notify(SkinUI::UINotifyRecord& msg) {
  records.push_back(msg);
  if (log_ == nullptr) return;
  log_->push_back(name_ + ":" + Narrow(msg.sType) + ":" + (msg.pSender ? Narrow(msg.pSender->GetName()) : "-"));
}

void EnsureInstance() {
  static std::once_flag once;
  std::call_once(once, [] { SkinUI::CWindowManagerUI::SetInstance(GetModuleHandleW(nullptr)); });
}

Lines WithoutWindowInit(const Lines& log) {
  Lines kept;
  for (const std::string& line : log) {
    if (line.find(":windowinit:") == std::string::npos) kept.push_back(line);
  }
  return kept;
}

}  // namespace uitest
