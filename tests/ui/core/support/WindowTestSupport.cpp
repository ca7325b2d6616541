#include "tests/ui/core/support/WindowTestSupport.h"

#include <cairo.h>

#include <algorithm>
#include <cwchar>
#include <map>
#include <mutex>

#include "platform/backend/headless/HeadlessBackend.h"

namespace wintest {

std::string EventName(int type) {
  static const std::map<int, std::string> names = {
      {SkinUI::UIEVENT_KEYDOWN, "keydown"},       {SkinUI::UIEVENT_KEYUP, "keyup"},
      {SkinUI::UIEVENT_CHAR, "char"},             {SkinUI::UIEVENT_SYSKEY, "syskey"},
      {SkinUI::UIEVENT_MOUSEMOVE, "move"},        {SkinUI::UIEVENT_MOUSELEAVE, "leave"},
      {SkinUI::UIEVENT_MOUSEENTER, "enter"},      {SkinUI::UIEVENT_MOUSEHOVER, "hover"},
      {SkinUI::UIEVENT_BUTTONDOWN, "down"},       {SkinUI::UIEVENT_BUTTONUP, "up"},
      {SkinUI::UIEVENT_RBUTTONDOWN, "rdown"},     {SkinUI::UIEVENT_DBLCLICK, "dblclick"},
      {SkinUI::UIEVENT_CONTEXTMENU, "menu"},      {SkinUI::UIEVENT_SCROLLWHEEL, "wheel"},
      {SkinUI::UIEVENT_KILLFOCUS, "killfocus"},   {SkinUI::UIEVENT_SETFOCUS, "setfocus"},
      {SkinUI::UIEVENT_WINDOWSIZE, "size"},       {SkinUI::UIEVENT_SETCURSOR, "cursor"},
      {SkinUI::UIEVENT_TIMER, "timer"}};
  auto it = names.find(type);
  return it == names.end() ? "event" + std::to_string(type) : it->second;
}

namespace {

std::string Describe(const std::string& name, const SkinUI::UIEventRecord& event, bool withPoint) {
  std::string line = name + ":" + EventName(event.Type);
  switch (event.Type) {
    case SkinUI::UIEVENT_KEYDOWN:
    case SkinUI::UIEVENT_KEYUP:
    case SkinUI::UIEVENT_CHAR:
    case SkinUI::UIEVENT_SYSKEY:
      line += "(" + std::to_string(event.chKey) + ")";
      break;
    case SkinUI::UIEVENT_SCROLLWHEEL:
      line += "(" + std::to_string(event.wParam) + ")";
      break;
    default:
      break;
  }
  if (withPoint) line += "@" + std::to_string(event.ptMouse.x) + "," + std::to_string(event.ptMouse.y);
  return line;
}

// Keeps the base's focus flag; input stops at the probe instead of going on to
// its parent, so each event is logged once.
void KeepFocusFlag(SkinUI::CControlUI& control, SkinUI::UIEventRecord& event) {
  if (event.Type == SkinUI::UIEVENT_SETFOCUS || event.Type == SkinUI::UIEVENT_KILLFOCUS) {
    control.SkinUI::CControlUI::HandleEvent(event);
  }
}

void Fill(HDC hDC, const RECT& rcItem, const RECT& rcPaint, DWORD argb) {
  if (argb == 0) return;
  RECT rc = {};
  if (!IntersectRect(&rc, &rcItem, &rcPaint)) return;
  HBRUSH brush = CreateSolidBrush(RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF));
  FillRect(hDC, &rc, brush);
  DeleteObject(brush);
}

}  // namespace

ProbeControl::ProbeControl(Lines* log, LPCTSTR name, RECT pos, UINT flags) : uitest::LogControl(log, name, pos) {
  behaviorFlags = flags;
}

ProbeControl::~ProbeControl() {
  if (logDestruction && log_ != nullptr) log_->push_back(uitest::Narrow(GetName()) + ":deleted");
}

bool ProbeControl::Activate() {
  if (log_ != nullptr) log_->push_back(uitest::Narrow(GetName()) + ":activate");
  return SkinUI::CControlUI::Activate();
}

void ProbeControl::HandleEvent(SkinUI::UIEventRecord& event) {
  if (log_ != nullptr) log_->push_back(Describe(uitest::Narrow(GetName()), event, logPoints));
  KeepFocusFlag(*this, event);
  // Last, and from a copy: the hook may delete the control.
  const std::function<void(int)> run = hook;
  if (run) run(event.Type);
}

void ProbeControl::Paint(HDC hDC, const RECT& rcPaint) {
  lastPaint = rcPaint;
  ++paintCount;
  Fill(hDC, GetPos(), rcPaint, fill);
}

SkinProbe::SkinProbe(Lines* log, LPCTSTR className, bool clickable)
    : ProbeControl(log, L""), clickable_(clickable) {
  this->className = className;
}

void SkinProbe::SetAttribute(LPCTSTR pstrName, LPCTSTR pstrValue) {
  const std::wstring name(pstrName);
  if (name == L"name") {
    SetName(pstrValue);
  } else if (name == L"pos") {
    RECT rc = {0, 0, 0, 0};
    swscanf(pstrValue, L"%d,%d,%d,%d", &rc.left, &rc.top, &rc.right, &rc.bottom);
    SetFixedXY(SIZE{rc.left, rc.top});
    SetFixedWidth(rc.right - rc.left);
    SetFixedHeight(rc.bottom - rc.top);
  } else if (name == L"float") {
    SetFloat(wcscmp(pstrValue, L"true") == 0);
  } else if (name == L"visible") {
    SetVisible(wcscmp(pstrValue, L"true") == 0);
  }
}

void SkinProbe::HandleEvent(SkinUI::UIEventRecord& event) {
  if (clickable_ && event.Type == SkinUI::UIEVENT_BUTTONUP && PtInRect(&GetPos(), event.ptMouse) &&
      GetManager() != nullptr) {
    GetManager()->SendNotify(this, L"click");
    return;
  }
  ProbeControl::HandleEvent(event);
}

SkinUI::CControlUI* SkinWindow::CreateControl(LPCTSTR pstrClass) {
  const std::wstring element(pstrClass);
  if (element == L"Button") return new SkinProbe(log_, L"ButtonUI", true);
  if (element == L"Option") return new SkinProbe(log_, L"OptionUI", true);
  if (element == L"Text") return new SkinProbe(log_, L"TextUI", false);
  if (element == L"Slider") return new SkinProbe(log_, L"SliderUI", false);
  if (element == L"Label") return new SkinProbe(log_, L"LabelUI", false);
  if (element == L"LowerButton") return new SkinProbe(log_, L"buttonui", true);
  return nullptr;
}

LRESULT SkinWindow::OnDefaultKey(WPARAM wParam) {
  const LRESULT lRes = SkinUI::WindowImplBase::OnDefaultKey(wParam);
  if (log_ != nullptr) log_->push_back("default key " + std::to_string(wParam) + " -> " + std::to_string(lRes));
  return lRes;
}

ProbeContainer::ProbeContainer(Lines* log, LPCTSTR name, RECT pos) : uitest::LogContainer(log, name, pos) {}

void ProbeContainer::HandleEvent(SkinUI::UIEventRecord& event) {
  if (log_ != nullptr) log_->push_back(Describe(uitest::Narrow(GetName()), event, false));
  KeepFocusFlag(*this, event);
}

void ProbeContainer::Paint(HDC hDC, const RECT& rcPaint) {
  lastPaint = rcPaint;
  Fill(hDC, GetPos(), rcPaint, fill);
  for (SkinUI::CControlUI* child : painted_) {
    if (child->IsVisible()) child->Paint(hDC, rcPaint);
  }
}

void ProbeContainer::AddChild(SkinUI::CControlUI* child) {
  Add(child);
  painted_.push_back(child);
}

void ProbeContainer::Remove(SkinUI::CControlUI* child) {
  painted_.erase(std::remove(painted_.begin(), painted_.end(), child), painted_.end());
  uitest::LogContainer::Remove(child);
}

ProbeRichEdit::ProbeRichEdit(Lines* log, LPCTSTR name, RECT pos, bool wantTab, DWORD textColor)
    : ProbeControl(log, name, pos, SkinUI::UIFLAG_TABSTOP), wantTab_(wantTab), textColor_(textColor) {
  className = L"RichEditUI";
}

LRESULT ManagedWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_CREATE) manager_.Init(m_hWnd);
  LRESULT lRes = 0;
  if (manager_.HandleWindowMessage(uMsg, wParam, lParam, lRes)) return lRes;
  unhandled.push_back(uMsg);
  return SkinUI::CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

namespace {

const wchar_t kReflectClass[] = L"SkinUITestReflectTarget";

LRESULT CALLBACK ReflectProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  Lines* log = reinterpret_cast<Lines*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message >= 0x2000 && message < 0x3000) {
    if (log != nullptr) {
      char line[64];
      snprintf(line, sizeof(line), "child:0x%X(%d)", message, static_cast<int>(wParam));
      log->push_back(line);
    }
    return 0x100 + static_cast<LRESULT>(message - 0x2000);
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace

HWND ReflectTarget::Create(HWND parent, Lines* log) {
  static std::once_flag once;
  std::call_once(once, [] {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &ReflectProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kReflectClass;
    RegisterClassExW(&wc);
  });
  HWND hwnd = CreateWindowExW(0, kReflectClass, L"child", WS_CHILD | WS_VISIBLE, 0, 0, 10, 10, parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(log));
  return hwnd;
}

PresentedImage::PresentedImage(HWND hwnd) {
  platform::headless::HeadlessBackend* backend = platform::headless::HeadlessBackend::Instance();
  if (backend == nullptr) return;
  cairo_surface_t* image = backend->CopyImage(hwnd);
  if (image == nullptr) return;
  cairo_surface_flush(image);
  width_ = cairo_image_surface_get_width(image);
  height_ = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  pixels_.resize(static_cast<size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width_; ++x) pixels_[static_cast<size_t>(y) * width_ + x] = row[x];
  }
  cairo_surface_destroy(image);
}

uint32_t PresentedImage::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0xDEADBEEF;
  return pixels_[static_cast<size_t>(y) * width_ + x];
}

}  // namespace wintest
