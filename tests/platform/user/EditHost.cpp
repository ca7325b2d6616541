#include "tests/platform/user/EditHost.h"

#include <cwchar>
#include <cwctype>


namespace test {

const RECT EditHost::kHostRect{100, 100, 500, 300};
const RECT EditHost::kEditRect{10, 10, 210, 34};

EditHost::EditHost(DWORD style, RECT editRect, DWORD hostExStyle) {
  gui.Call([&] {
    font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma");
    WindowSpec spec{"host", WS_POPUP | WS_VISIBLE, hostExStyle, kHostRect};
    spec.hook = [this](HWND h, UINT m, WPARAM w, LPARAM l) { return HostHook(h, m, w, l); };
    host = TraceWindow::Create(trace, spec);
    edit = CreateWindowExW(0, WC_EDITW, L"", WS_CHILD | WS_VISIBLE | style, editRect.left, editRect.top,
                           editRect.right - editRect.left, editRect.bottom - editRect.top, host, HMENU(7), nullptr,
                           nullptr);
    SendMessageW(edit, WM_SETFONT, WPARAM(font), TRUE);
    SetFocus(edit);
  });
  driver.WaitIdle();
  TakeNotifications();
}

EditHost::~EditHost() {
  gui.Call([&] {
    if (IsWindow(host)) DestroyWindow(host);
    DeleteObject(font);
  });
}

std::optional<LRESULT> EditHost::HostHook(HWND, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COMMAND && HWND(lParam) == edit && LOWORD(wParam) == 7) {
    const WORD code = HIWORD(wParam);
    std::lock_guard<std::mutex> lock(mutex_);
    notifications_.push_back(code == EN_UPDATE ? "EN_UPDATE" : code == EN_CHANGE ? "EN_CHANGE" : "EN_other");
    return 0;
  }
  if (message == WM_CTLCOLOREDIT || message == WM_CTLCOLORSTATIC) {
    ColourAnswer answer;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      notifications_.push_back(message == WM_CTLCOLOREDIT ? "WM_CTLCOLOREDIT" : "WM_CTLCOLORSTATIC");
      answer = colours_;
    }
    return answer ? answer(message, HDC(wParam)) : 0;
  }
  return std::nullopt;
}

void EditHost::Type(const std::wstring& keys) {
  for (wchar_t ch : keys) driver.Tap(UINT(std::towupper(wint_t(ch))));
}

void EditHost::Chord(UINT modifier, UINT key) {
  driver.KeyDown(modifier);
  driver.Tap(key);
  driver.KeyUp(modifier);
}

LRESULT EditHost::Send(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  gui.Call([&] { result = SendMessageW(edit, message, wParam, lParam); });
  driver.WaitIdle();
  return result;
}

std::wstring EditHost::Text() {
  std::wstring text;
  gui.Call([&] {
    text.resize(size_t(GetWindowTextLengthW(edit)) + 1);
    text.resize(size_t(GetWindowTextW(edit, &text[0], int(text.size()))));
  });
  return text;
}

std::pair<DWORD, DWORD> EditHost::Selection() {
  DWORD start = 0, end = 0;
  Send(EM_GETSEL, WPARAM(&start), LPARAM(&end));
  return {start, end};
}

std::vector<std::string> EditHost::TakeNotifications() {
  driver.WaitIdle();
  std::lock_guard<std::mutex> lock(mutex_);
  std::vector<std::string> taken;
  taken.swap(notifications_);
  return taken;
}

void EditHost::AnswerColours(ColourAnswer answer) {
  std::lock_guard<std::mutex> lock(mutex_);
  colours_ = std::move(answer);
}

int EditHost::Extent(const std::wstring& text) {
  SIZE size{};
  gui.Call([&] {
    HDC hdc = GetDC(edit);
    HGDIOBJ old = SelectObject(hdc, font);
    GetTextExtentPoint32W(hdc, text.c_str(), int(text.size()), &size);
    SelectObject(hdc, old);
    ReleaseDC(edit, hdc);
  });
  return size.cx;
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return text;
  HANDLE block = GetClipboardData(CF_UNICODETEXT);
  if (const auto* bytes = static_cast<const WCHAR*>(GlobalLock(block))) {
    text = bytes;
    GlobalUnlock(block);
  }
  CloseClipboard();
  return text;
}

void SetClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return;
  EmptyClipboard();
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(WCHAR));
  std::wmemcpy(static_cast<WCHAR*>(GlobalLock(block)), text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  SetClipboardData(CF_UNICODETEXT, block);
  CloseClipboard();
}

}  // namespace test
