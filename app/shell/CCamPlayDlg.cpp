#include "app/shell/CCamPlayDlg.h"

#include <mutex>

#include "app/shell/CSmartPlayerWndEx.h"
#include "app/shell/ShellServices.h"
#include "data/StartupCaches.h"
#include "ui/core/control/CControlUI.h"

namespace {

InspectPosDeviceInfo CachedCheckpoint(int checkpointId) {
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  auto it = g_mapInspectPosDevice.find(checkpointId);
  return it == g_mapInspectPosDevice.end() ? InspectPosDeviceInfo() : it->second;
}

}  // namespace

CCamPlayDlg::CCamPlayDlg(int checkpointId)
    : m_checkpoint(CachedCheckpoint(checkpointId)) {}

CCamPlayDlg::~CCamPlayDlg() = default;

LPCTSTR CCamPlayDlg::GetWindowClassName() const { return L"CamPlay"; }

SkinUI::CUIString CCamPlayDlg::GetSkinXmlName() const { return L"CamPlay.xml"; }

void CCamPlayDlg::OnSkinBuilt() {
  // The window still lies at the screen's origin: this is the area in its own terms.
  RECT rcWindow = {0, 0, 0, 0};
  ::GetWindowRect(m_hWnd, &rcWindow);
  if (m_checkpoint.strCamIp.empty()) {
    if (g_pFeedBackWnd == nullptr) return;
    ShowToast(L"该巡更点未绑定摄像头!", 3);
    Close(1);
    return;
  }
  m_pPlayer = CSmartPlayerWndEx::Open(m_checkpoint, rcWindow, m_hWnd, CSmartPlayerWndEx::MODE_INSIDE_AREA);
  m_hPlayer = m_pPlayer != nullptr ? m_pPlayer->GetHWND() : nullptr;
}

LRESULT CCamPlayDlg::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  if (uMsg == CSmartPlayerWndEx::WM_PLAY_FAILED) {
    // A timer rather than a wait, so the window stays painted meanwhile.
    ::SetTimer(m_hWnd, TIMER_CLOSE_AFTER_FAILURE, CLOSE_AFTER_FAILURE_MS, nullptr);
  } else if (uMsg == WM_TIMER && wParam == TIMER_CLOSE_AFTER_FAILURE) {
    ::KillTimer(m_hWnd, TIMER_CLOSE_AFTER_FAILURE);
    Close(1);
  } else if (uMsg == WM_DESTROY) {
    // The player's window goes with this one, and leaves the layer before it.
    if (CSmartPlayerWndEx* player = Player()) {
      player->ReleaseWithParent();
      m_pPlayerLeft.reset(player);
    }
  }
  return WindowImplBase::HandleMessage(uMsg, wParam, lParam);
}

void CCamPlayDlg::OnDetached(HWND hWnd) {
  WindowImplBase::OnDetached(hWnd);
  m_pPlayer = nullptr;
  m_hPlayer = nullptr;
  m_pPlayerLeft.reset();
}

void CCamPlayDlg::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.sType != L"click" || msg.pSender == nullptr) return;
  if (msg.pSender->GetName() != L"btn_close") return;
  if (CSmartPlayerWndEx* player = Player()) player->Stop();
  Close(1);
}

CSmartPlayerWndEx* CCamPlayDlg::Player() const { return ::IsWindow(m_hPlayer) ? m_pPlayer : nullptr; }
