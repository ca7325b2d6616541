#pragma once
// The alarm pop-up for an abnormal patrol record, as the broker consumer uses it: built
// from a copy of the record on the consumer's thread, created under the desktop window,
// centred, run modally on that thread until the user closes it, then destroyed.
//
// This is the stand-in the services use until the shell's skinned window exists: a plain
// top-level window of the class "AlarmWindow" whose modal loop ends when the window is
// destroyed (WM_CLOSE does that), so a posted WM_CLOSE closes it from any thread. Tests
// put a recording handler in place of the modal loop with SetModalHandler.
//
// Kept in this header alone, so that the services pick it up without a library of the
// shell's of their own.
#include <functional>
#include <mutex>
#include <utility>

#include "data/InspectRecordInfo.h"
#include "platform/win32.h"

class AlarmWindow {
 public:
  // Runs in ShowModal in place of the window's own modal loop and returns when the alarm
  // counts as closed; it may call RunModalLoop itself.
  using ModalHandler = std::function<void(AlarmWindow& window)>;

  // Returns the handler it replaces; an empty handler restores the window's own loop.
  static ModalHandler SetModalHandler(ModalHandler handler) {
    std::lock_guard<std::mutex> lock(HandlerMutex());
    std::swap(Handler(), handler);
    return handler;
  }

  explicit AlarmWindow(const InspectRecordInfo& record) : m_record(record) {}
  ~AlarmWindow() {
    if (m_hWnd && IsWindow(m_hWnd)) DestroyWindow(m_hWnd);
  }
  AlarmWindow(const AlarmWindow&) = delete;
  AlarmWindow& operator=(const AlarmWindow&) = delete;

  const InspectRecordInfo& GetRecord() const { return m_record; }
  HWND GetHWND() const { return m_hWnd; }

  // The window belongs to the calling thread. Null when it could not be created.
  HWND CreateWithStyle(HWND hwndParent, LPCWSTR pstrName, DWORD dwStyle, DWORD dwExStyle) {
    if (!RegisterWindowClass()) return nullptr;
    m_hWnd = CreateWindowExW(dwExStyle, kClassName, pstrName, dwStyle, 0, 0, kWidth, kHeight,
                             hwndParent, nullptr, GetModuleHandleW(nullptr), nullptr);
    return m_hWnd;
  }

  // Centres the window on the desktop.
  void CenterWindow() {
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

  // Returns once the alarm has been closed.
  UINT ShowModal() {
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

  // Shows the window and pumps the calling thread's messages until the window is gone. A
  // WM_QUIT that arrives meanwhile ends the loop and is posted again for the loop outside.
  UINT RunModalLoop() {
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

 private:
  static constexpr const wchar_t* kClassName = L"AlarmWindow";
  static constexpr int kWidth = 360;
  static constexpr int kHeight = 220;

  static std::mutex& HandlerMutex() {
    static std::mutex mutex;
    return mutex;
  }
  static ModalHandler& Handler() {
    static ModalHandler handler;
    return handler;
  }

  // Once per process; any thread may be the first to create an alarm.
  static bool RegisterWindowClass() {
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

  InspectRecordInfo m_record;
  HWND m_hWnd = nullptr;
};
