#include "platform/user/MessageBoxWindow.h"

#include <algorithm>
#include <mutex>

#include "platform/gdi/Gdi.h"
#include "platform/user/DialogModalLoop.h"
#include "platform/user/Focus.h"
#include "platform/user/Input.h"
#include "platform/user/MessageBox.h"
#include "platform/user/MessageQueue.h"
#include "platform/user/Paint.h"
#include "platform/user/SystemClasses.h"
#include "platform/user/Window.h"
#include "platform/user/WindowPos.h"

namespace platform::user {
namespace {

const int kMargin = 16;
const int kButtonWidth = 80;
const int kButtonHeight = 26;
const int kMaxTextWidth = 420;

std::mutex& BoxesMutex() {
  static auto* mutex = new std::mutex;
  return *mutex;
}

std::vector<OpenMessageBox>& Boxes() {
  static auto* boxes = new std::vector<OpenMessageBox>;
  return *boxes;
}

struct ButtonSpec {
  int id;
  const wchar_t* label;
};

std::vector<ButtonSpec> ButtonsFor(UINT type) {
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{IDOK, L"确定"}, {IDCANCEL, L"取消"}};
    case MB_ABORTRETRYIGNORE: return {{IDABORT, L"中止"}, {IDRETRY, L"重试"}, {IDIGNORE, L"忽略"}};
    case MB_YESNOCANCEL: return {{IDYES, L"是"}, {IDNO, L"否"}, {IDCANCEL, L"取消"}};
    case MB_YESNO: return {{IDYES, L"是"}, {IDNO, L"否"}};
    case MB_RETRYCANCEL: return {{IDRETRY, L"重试"}, {IDCANCEL, L"取消"}};
    default: return {{IDOK, L"确定"}};
  }
}

}  // namespace

MessageBoxWindow::MessageBoxWindow(std::wstring text, std::wstring caption, UINT type)
    : text_(std::move(text)), caption_(std::move(caption)), type_(type) {
  for (const ButtonSpec& spec : ButtonsFor(type)) buttons_.push_back(Button{spec.id, spec.label, RECT{}});
}

LPCWSTR MessageBoxWindow::ClassName() { return L"PlatformMessageBox"; }

std::vector<OpenMessageBox> MessageBoxWindow::OpenBoxes() {
  std::lock_guard<std::mutex> lock(BoxesMutex());
  return Boxes();
}

bool MessageBoxWindow::Answer(HWND hwnd, int buttonId) {
  {
    std::lock_guard<std::mutex> lock(BoxesMutex());
    auto it = std::find_if(Boxes().begin(), Boxes().end(), [hwnd](const OpenMessageBox& b) { return b.hwnd == hwnd; });
    if (it == Boxes().end()) return false;
  }
  return PostMessageW(hwnd, WM_COMMAND, WPARAM(buttonId), 0) != FALSE;
}

LRESULT CALLBACK MessageBoxWindow::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* cs = reinterpret_cast<CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(hwnd, 0, LONG_PTR(cs->lpCreateParams));
    return TRUE;
  }
  auto* self = reinterpret_cast<MessageBoxWindow*>(GetWindowLongPtrW(hwnd, 0));
  if (!self) return DefWindowProcW(hwnd, message, wParam, lParam);
  return self->Handle(hwnd, message, wParam, lParam);
}

int MessageBoxWindow::CancelAnswer() const {
  for (const Button& b : buttons_) {
    if (b.id == IDCANCEL) return IDCANCEL;
  }
  return buttons_.size() == 1 ? buttons_.front().id : 0;
}

void MessageBoxWindow::Finish(int id) {
  if (id == 0 || done_) return;
  result_ = id;
  done_ = true;
}

LRESULT MessageBoxWindow::Handle(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_COMMAND: Finish(int(LOWORD(wParam))); return 0;
    case WM_CLOSE: Finish(CancelAnswer()); return 0;
    case WM_KEYDOWN:
      if (wParam == VK_RETURN) Finish(buttons_.front().id);
      if (wParam == VK_ESCAPE) Finish(CancelAnswer());
      return 0;
    case WM_LBUTTONUP: {
      const POINT p{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
      for (const Button& b : buttons_) {
        if (p.x >= b.rect.left && p.x < b.rect.right && p.y >= b.rect.top && p.y < b.rect.bottom) Finish(b.id);
      }
      return 0;
    }
    case WM_ERASEBKGND: return 1;
    case WM_PAINT: Paint(hwnd); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

void MessageBoxWindow::Layout(HWND hwnd) {
  HDC hdc = GetDC(hwnd);
  SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
  RECT measured{0, 0, kMaxTextWidth, 0};
  DrawTextW(hdc, text_.c_str(), int(text_.size()), &measured, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  ReleaseDC(hwnd, hdc);
  const int iconSpace = (type_ & MB_ICONMASK) ? 40 : 0;
  const int buttonsWidth = int(buttons_.size()) * (kButtonWidth + 8) - 8;
  const int width = std::max<int>(iconSpace + measured.right, buttonsWidth) + 2 * kMargin;
  const int height = std::max<int>(measured.bottom, iconSpace ? 32 : 0) + kButtonHeight + 3 * kMargin;
  textRect_ = RECT{kMargin + iconSpace, kMargin, kMargin + iconSpace + measured.right, kMargin + measured.bottom};
  int x = width - kMargin - buttonsWidth;
  for (Button& b : buttons_) {
    b.rect = RECT{x, height - kMargin - kButtonHeight, x + kButtonWidth, height - kMargin};
    x += kButtonWidth + 8;
  }
  DialogModalLoop::Centre(hwnd, width, height);
}

void MessageBoxWindow::Paint(HWND hwnd) {
  PAINTSTRUCT ps;
  HDC hdc = BeginPaint(hwnd, &ps);
  if (hdc) {
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(hdc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SelectObject(hdc, GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(hdc, TRANSPARENT);
    SetTextColor(hdc, GetSysColor(COLOR_WINDOWTEXT));
    if (type_ & MB_ICONMASK) {
      const COLORREF mark = (type_ & MB_ICONMASK) == MB_ICONHAND ? RGB(200, 30, 30) : RGB(30, 90, 200);
      HBRUSH brush = CreateSolidBrush(mark);
      RECT icon{kMargin, kMargin, kMargin + 32, kMargin + 32};
      FillRect(hdc, &icon, brush);
      DeleteObject(brush);
    }
    RECT text = textRect_;
    DrawTextW(hdc, text_.c_str(), int(text_.size()), &text, DT_WORDBREAK | DT_NOPREFIX);
    HBRUSH frame = CreateSolidBrush(RGB(112, 112, 112));
    for (const Button& b : buttons_) {
      RECT r = b.rect;
      FrameRect(hdc, &r, frame);
      DrawTextW(hdc, b.label, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    DeleteObject(frame);
  }
  EndPaint(hwnd, &ps);
}

int MessageBoxWindow::Run(HWND owner) {
  SystemClasses::Ensure();
  HWND top = DialogModalLoop::OwnerTop(owner);
  HWND hwnd = CreateWindowExW(WS_EX_DLGMODALFRAME | ((type_ & MB_TOPMOST) ? WS_EX_TOPMOST : 0), ClassName(),
                              caption_.c_str(), WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, 0, 0, 0, top, nullptr,
                              nullptr, this);
  if (!hwnd) return 0;
  {
    std::lock_guard<std::mutex> lock(BoxesMutex());
    Boxes().push_back(OpenMessageBox{hwnd, text_, caption_, type_});
  }
  Layout(hwnd);
  DialogModalLoop::Run(
      hwnd, top, [this] { return done_; },
      [hwnd] {
        std::lock_guard<std::mutex> lock(BoxesMutex());
        Boxes().erase(std::remove_if(Boxes().begin(), Boxes().end(),
                                     [hwnd](const OpenMessageBox& b) { return b.hwnd == hwnd; }),
                      Boxes().end());
      });
  return done_ ? result_ : CancelAnswer();
}

}  // namespace platform::user

int MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
  platform::user::MessageBoxWindow box(lpText ? lpText : L"", lpCaption ? lpCaption : L"错误", uType);
  return box.Run(hWnd);
}
