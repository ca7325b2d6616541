#include "app/shell/RunBusy.h"

#include "app/shell/CLoadingGifNobackgroundWndUI.h"
#include "platform/user/WorkerThread.h"

namespace {

const DWORD kBusyStyle = WS_POPUP | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | WS_CAPTION | WS_SYSMENU;
const DWORD kBusyExStyle = WS_EX_WINDOWEDGE | WS_EX_ACCEPTFILES;

// The job's last step, also when it throws: the busy window closes with 2. The worker
// only posts to the window's handle, which is never reused once the window is gone.
class CloseWhenDone {
 public:
  explicit CloseWhenDone(HWND hwndBusy) : m_hwndBusy(hwndBusy) {}
  ~CloseWhenDone() {
    if (::IsWindow(m_hwndBusy)) ::PostMessageW(m_hwndBusy, WM_CLOSE, 2, 0);
  }
  CloseWhenDone(const CloseWhenDone&) = delete;
  CloseWhenDone& operator=(const CloseWhenDone&) = delete;

 private:
  HWND m_hwndBusy;
};

// Keeps the owner disabled while the job goes on after the busy window is gone.
class DisabledWhile {
 public:
  explicit DisabledWhile(HWND hwnd) : m_hwnd(hwnd) {
    if (m_hwnd != nullptr) ::EnableWindow(m_hwnd, FALSE);
  }
  ~DisabledWhile() {
    if (m_hwnd == nullptr) return;
    ::EnableWindow(m_hwnd, TRUE);
    ::SetFocus(m_hwnd);
  }
  DisabledWhile(const DisabledWhile&) = delete;
  DisabledWhile& operator=(const DisabledWhile&) = delete;

 private:
  HWND m_hwnd;
};

}  // namespace

UINT RunBusy(HWND hwndParent, int timeout, int showText, const std::function<void()>& job) {
  CLoadingGifNobackgroundWndUI busy(timeout, showText);
  const HWND hwndBusy = busy.Create(hwndParent, L"LoadGift", kBusyStyle, kBusyExStyle, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT);
  busy.CenterWindow();
  const HWND hwndOwner = hwndBusy != nullptr ? ::GetWindow(hwndBusy, GW_OWNER) : nullptr;
  platform::WorkerThread worker([&job, hwndBusy] {
    CloseWhenDone closer(hwndBusy);
    job();
  });
  const UINT closed = busy.ShowModal();
  if (worker.Ended()) {
    worker.WaitPumping();
    return closed;
  }
  DisabledWhile disabled(hwndOwner);
  worker.WaitPumping();
  return closed;
}
