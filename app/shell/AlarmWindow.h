#pragma once
// The alarm pop-up for an abnormal patrol record, as the broker consumer's alerts use it:
// built from a copy of the record on the consumer's thread, created under the desktop
// window, centred, run modally on that thread until the user closes it, then destroyed.
//
// This is the stand-in the services use until the shell's skinned window exists: a plain
// top-level window of the class "AlarmWindow" whose modal loop ends when the window is
// destroyed (WM_CLOSE does that), so a posted WM_CLOSE closes it from any thread. Tests
// put a recording handler in place of the modal loop with SetModalHandler.
#include <functional>

#include "data/InspectRecordInfo.h"
#include "platform/win32.h"

class AlarmWindow {
 public:
  // Runs in ShowModal in place of the window's own modal loop and returns when the alarm
  // counts as closed; it may call RunModalLoop itself.
  using ModalHandler = std::function<void(AlarmWindow& window)>;

  // Returns the handler it replaces; an empty handler restores the window's own loop.
  static ModalHandler SetModalHandler(ModalHandler handler);

  explicit AlarmWindow(const InspectRecordInfo& record);
  ~AlarmWindow();
  AlarmWindow(const AlarmWindow&) = delete;
  AlarmWindow& operator=(const AlarmWindow&) = delete;

  const InspectRecordInfo& GetRecord() const { return m_record; }
  HWND GetHWND() const { return m_hWnd; }

  // The window belongs to the calling thread. Null when it could not be created.
  HWND CreateWithStyle(HWND hwndParent, LPCWSTR pstrName, DWORD dwStyle, DWORD dwExStyle);

  // Centres the window on the desktop.
  void CenterWindow();

  // Returns once the alarm has been closed.
  UINT ShowModal();

  // Shows the window and pumps the calling thread's messages until the window is gone. A
  // WM_QUIT that arrives meanwhile ends the loop and is posted again for the loop outside.
  UINT RunModalLoop();

 private:
  InspectRecordInfo m_record;
  HWND m_hWnd = nullptr;
};
