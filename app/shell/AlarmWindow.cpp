#include "app/shell/AlarmWindow.h"

#include <mutex>
#include <string>
#include <utility>

#include "CommonTools/Conversions.h"
#include "app/shell/OpenCameraDialog.h"
#include "data/StartupCaches.h"
#include "ui/core/control/CControlUI.h"

namespace {

const UINT kHoverRecheckMs = 1000;

std::mutex& HandlerMutex() {
  static std::mutex mutex;
  return mutex;
}

AlarmWindow::ModalHandler& Handler() {
  static AlarmWindow::ModalHandler handler;
  return handler;
}

void SetTextAndTip(SkinUI::CControlUI* control, const std::string& gbkText) {
  if (control == nullptr) return;
  const std::wstring text = CommonTools::string_to_wstring(gbkText);
  control->SetText(text.c_str());
  control->SetToolTip(text.c_str());
}

// A copy taken under the lock: the pages change the checkpoints on the UI thread.
bool CachedCheckpoint(int id, InspectPosDeviceInfo& checkpoint) {
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  const auto found = g_mapInspectPosDevice.find(id);
  if (found == g_mapInspectPosDevice.end()) return false;
  checkpoint = found->second;
  return true;
}

}  // namespace

AlarmWindow::ModalHandler AlarmWindow::SetModalHandler(ModalHandler handler) {
  std::lock_guard<std::mutex> lock(HandlerMutex());
  std::swap(Handler(), handler);
  return handler;
}

AlarmWindow::AlarmWindow(const InspectRecordInfo& record) : m_record(record) {}

AlarmWindow::~AlarmWindow() {
  if (m_hWnd != nullptr && ::IsWindow(m_hWnd)) ::DestroyWindow(m_hWnd);
}

LPCTSTR AlarmWindow::GetWindowClassName() const { return L"AlarmWindow"; }

SkinUI::CUIString AlarmWindow::GetSkinXmlName() const { return L"AlarmWindow.xml"; }

UINT AlarmWindow::ShowModal() {
  ModalHandler handler;
  {
    std::lock_guard<std::mutex> lock(HandlerMutex());
    handler = Handler();
  }
  if (!handler) return RunModalLoop();
  handler(*this);
  return 0;
}

UINT AlarmWindow::RunModalLoop() { return CWindowWnd::ShowModal(); }

void AlarmWindow::OnSkinBuilt() {
  SetTextAndTip(m_pm.FindControl(L"lab_AlarmPeople"), m_record.strPeopleNames);
  SetTextAndTip(m_pm.FindControl(L"lab_AlarmTime"), m_record.strTime);
  if (!CachedCheckpoint(m_record.iPositionID, m_checkpoint)) return;
  SetTextAndTip(m_pm.FindControl(L"lab_Alarmpos"), m_checkpoint.strName);
}

void AlarmWindow::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (name == L"btn_close") {
    Close(1);
  } else if (name == L"btn_Cam1" || name == L"btn_Cam2") {
    OpenCameraDialog(m_hWnd, m_checkpoint.iID);
  }
}

LRESULT AlarmWindow::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == WM_TIMER && wParam == ALARM_TIMER_ID) {
    OnAlarmTimer();
    return 0;
  }
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

// While the pointer rests on the alarm it stays, looked at once a second.
void AlarmWindow::OnAlarmTimer() {
  ::KillTimer(m_hWnd, ALARM_TIMER_ID);
  POINT cursor = {};
  RECT window = {};
  ::GetCursorPos(&cursor);
  ::GetWindowRect(m_hWnd, &window);
  if (::PtInRect(&window, cursor)) {
    ::SetTimer(m_hWnd, ALARM_TIMER_ID, kHoverRecheckMs, nullptr);
    return;
  }
  Close(1);
}
