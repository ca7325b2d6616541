#include "app/shell/CSmartPlayerWndEx.h"

#include <cstdio>
#include <utility>

#include "CommonTools/CameraUrl.h"
#include "CommonTools/SecretMask.h"
#include "app/shell/CameraLog.h"
#include "app/shell/ShellServices.h"

namespace {

const int kLevelError = 3;
const int kLevelInfo = 6;
const int kLevelAsyncError = 2;

const int kMainStream = 1;
const int kSubStream = 2;

// Settings given before playing: a 200-ms buffer, 5 s of silence ending a stream, no
// rotation, RTSP over TCP, a fast start; then the scale mode and no sound.
const int kBufferMs = 200;
const int kTimeoutSeconds = 5;
const int kRotation = 0;
const int kRtspTcp = 1;
const int kFastStartup = 1;
const int kScaleMode = 0;
const int kMute = 0;

// The placement inside the dialog's area: below its caption, above its foot.
const int kInsetLeft = 2;
const int kInsetTop = 66;
const int kInsetWidth = 5;
const int kInsetHeight = 129;
const int kFreeLeft = 100;
const int kFreeTop = 135;
const int kFreeWidth = 650;
const int kFreeHeight = 500;

std::string WithUrl(const char* format, const std::string& url) {
  // The address carries the camera's account and password.
  const std::string masked = CommonTools::mask_url(url);
  const int length = std::snprintf(nullptr, 0, format, masked.c_str());
  if (length <= 0) return std::string();
  std::string line(static_cast<size_t>(length) + 1, '\0');
  std::snprintf(&line[0], line.size(), format, masked.c_str());
  line.resize(static_cast<size_t>(length));
  return line;
}

}  // namespace

CSmartPlayerWndEx::CSmartPlayerWndEx(InspectPosDeviceInfo checkpoint, RECT area, HWND hwndNotify, int mode)
    : m_checkpoint(std::move(checkpoint)), m_rcArea(area), m_hwndNotify(hwndNotify), m_nMode(mode), m_api{} {
  GetSmartPlayerSDKAPI(&m_api);
  if (m_api.Init(0, nullptr) != 0) return;
  if (m_api.Open(&m_hPlayer, nullptr, 0, nullptr) != 0) m_hPlayer = nullptr;
}

CSmartPlayerWndEx::~CSmartPlayerWndEx() {
  if (m_hPlayer == nullptr) return;
  StopPlayer();
  m_api.Close(m_hPlayer);
}

CSmartPlayerWndEx* CSmartPlayerWndEx::Open(InspectPosDeviceInfo checkpoint, RECT area, HWND hwndParent, int mode) {
  auto player = std::make_unique<CSmartPlayerWndEx>(std::move(checkpoint), area, hwndParent, mode);
  if (player->Create(hwndParent, L"播放器", WS_CHILD | WS_VISIBLE, 0, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                     CW_USEDEFAULT) == nullptr) {
    return nullptr;
  }
  // Nothing can destroy the window before this: no message has been pumped since.
  player->m_bSelfDeleting = true;
  return player.release();
}

LPCTSTR CSmartPlayerWndEx::GetWindowClassName() const { return L"CSmartPlayerWnd"; }

SkinUI::CUIString CSmartPlayerWndEx::GetSkinXmlName() const { return L"CSmartPlayerWnd.xml"; }

void CSmartPlayerWndEx::OnSkinBuilt() {
  if (m_nMode == MODE_INSIDE_AREA) {
    ::SetWindowPos(m_hWnd, nullptr, m_rcArea.left + kInsetLeft, m_rcArea.top + kInsetTop,
                   m_rcArea.right - m_rcArea.left - kInsetWidth, m_rcArea.bottom - m_rcArea.top - kInsetHeight,
                   SWP_FRAMECHANGED);
  } else {
    ::SetWindowPos(m_hWnd, nullptr, kFreeLeft, kFreeTop, kFreeWidth, kFreeHeight, SWP_FRAMECHANGED);
  }
  ::SetTimer(m_hWnd, TIMER_START, START_DELAY_MS, nullptr);
}

LRESULT CSmartPlayerWndEx::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
  ++m_nMessageDepth;
  HandleOwnMessage(uMsg, wParam);
  const LRESULT lRes = WindowImplBase::HandleMessage(uMsg, wParam, lParam);
  --m_nMessageDepth;
  // The window went during this message: it has left the layer by now.
  if (m_nMessageDepth == 0 && m_bWindowGone && m_bSelfDeleting && !m_bParentReleases) delete this;
  return lRes;
}

void CSmartPlayerWndEx::HandleOwnMessage(UINT uMsg, WPARAM wParam) {
  if (uMsg == WM_PLAYER_EVENT) {
    OnPlaying();
    return;
  }
  if (uMsg != WM_TIMER) return;
  switch (wParam) {
    case TIMER_START: OnStartTimer(); break;
    case TIMER_MAIN_WATCHDOG: OnMainWatchdog(); break;
    case TIMER_SUB_CHECK: OnSubCheck(); break;
    default: break;
  }
}

void CSmartPlayerWndEx::OnDetached(HWND hWnd) {
  WindowImplBase::OnDetached(hWnd);
  StopPlayer();
  m_bWindowGone = true;
  if (!m_bSelfDeleting || m_bParentReleases || m_nMessageDepth > 0) return;
  // Destroyed from outside, neither by itself nor with its parent: this is the last
  // message it sees.
  delete this;
}

void CSmartPlayerWndEx::ReleaseWithParent() { m_bParentReleases = true; }

void CALLBACK CSmartPlayerWndEx::OnPlayerEvent(SmartPlayerHandle, HWND hwnd, UINT eventId, LONG_PTR param) {
  if (!::IsWindow(hwnd)) return;
  ::SendMessageW(hwnd, WM_PLAYER_EVENT, static_cast<WPARAM>(eventId), static_cast<LPARAM>(param));
}

void CSmartPlayerWndEx::OnStartTimer() {
  ::KillTimer(m_hWnd, TIMER_START);
  ::SetTimer(m_hWnd, TIMER_MAIN_WATCHDOG, MAIN_WATCHDOG_MS, nullptr);
  Play();
}

void CSmartPlayerWndEx::Play() {
  // The address comes from the server's records: anything but a host would point the
  // player elsewhere, so the camera fails at once, as one that never plays does. The
  // address stays out of the log line: it may hold line breaks of its own.
  if (!CommonTools::is_camera_address(m_checkpoint.strCamIp)) {
    CameraLog::Text(kLevelError, "[CSmartPlayerUI::Play()]摄像头地址不是主机名或IP地址，未播放\n");
    Fail();
    return;
  }
  m_strUrl = BuildUrl(kMainStream);
  CameraLog::Text(kLevelInfo, WithUrl("[play摄像头Url:%s\n", m_strUrl));
  if (m_hPlayer == nullptr) return;
  m_api.SetBuffer(m_hPlayer, kBufferMs);
  m_api.SetTimeout(m_hPlayer, kTimeoutSeconds);
  m_api.SetRotation(m_hPlayer, kRotation);
  m_api.SetRtspTcp(m_hPlayer, kRtspTcp);
  m_api.SetFastStartup(m_hPlayer, kFastStartup);
  if (m_api.SetURL(m_hPlayer, m_strUrl.c_str()) != 0) {
    CameraLog::Text(kLevelError, "[CSmartPlayerUI::Play()]中SetURL出错\n");
    return;
  }
  m_api.SetEventCallBack(m_hPlayer, m_hWnd, &CSmartPlayerWndEx::OnPlayerEvent);
  int supported = 0;
  if (m_api.CanRenderToWindow(m_hPlayer, m_hWnd, &supported) == 0 && supported == 1) {
    m_api.SetRenderWindow(m_hPlayer, m_hWnd);
  } else {
    CameraLog::Text(kLevelError, "进入到GDI绘制窗口\n");
  }
  m_api.SetRenderScaleMode(m_hPlayer, kScaleMode);
  m_api.SetMute(m_hPlayer, kMute);
  if (m_api.StartPlay(m_hPlayer) != 0) {
    CameraLog::Async(kLevelAsyncError, "[CSmartPlayerUI::Play()]中StartPlay出错");
    return;
  }
  m_bStarted = true;
}

void CSmartPlayerWndEx::OnPlaying() {
  ::KillTimer(m_hWnd, TIMER_MAIN_WATCHDOG);
  CameraLog::Text(kLevelInfo, WithUrl("播放成功, url为:%s\n", m_strUrl));
}

void CSmartPlayerWndEx::OnMainWatchdog() {
  CameraLog::Text(kLevelError, WithUrl("播放失败, url为:%s\n", m_strUrl));
  ::KillTimer(m_hWnd, TIMER_MAIN_WATCHDOG);
  const std::string url = BuildUrl(kSubStream);
  ::SetTimer(m_hWnd, TIMER_SUB_CHECK, SUB_CHECK_MS, nullptr);
  SwitchToUrl(url);
}

void CSmartPlayerWndEx::SwitchToUrl(const std::string& url) {
  std::lock_guard<std::mutex> lock(m_urlMutex);
  m_strUrl = url;
  if (m_hPlayer == nullptr) return;
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  if (m_api.SwitchURL(m_hPlayer, m_strUrl.c_str(), 0, 0, nullptr) == 0) m_bStarted = true;
}

void CSmartPlayerWndEx::OnSubCheck() {
  ::KillTimer(m_hWnd, TIMER_SUB_CHECK);
  int state = 0;
  if (m_hPlayer != nullptr) m_api.GetPlayState(m_hPlayer, &state);
  if (state != 0) return;
  CameraLog::Text(kLevelError, WithUrl("切换摄像头失败,url为:%s\n", m_strUrl));
  Fail();
}

void CSmartPlayerWndEx::Fail() {
  if (g_pFeedBackWnd != nullptr) ShowToast(L"播放失败!", 3);
  ::SendMessageW(m_hwndNotify, WM_PLAY_FAILED, 0, 0);
  Stop();
}

void CSmartPlayerWndEx::Stop() {
  KillTimers();
  if (m_hPlayer == nullptr) return;
  m_api.StopPlay(m_hPlayer);
  m_bStarted = false;
  ::InvalidateRect(m_hWnd, nullptr, TRUE);
  Close(1);
}

void CSmartPlayerWndEx::StopPlayer() {
  if (m_hPlayer == nullptr || !m_bStarted) return;
  m_api.StopPlay(m_hPlayer);
  m_bStarted = false;
}

void CSmartPlayerWndEx::KillTimers() {
  ::KillTimer(m_hWnd, TIMER_START);
  ::KillTimer(m_hWnd, TIMER_MAIN_WATCHDOG);
  ::KillTimer(m_hWnd, TIMER_SUB_CHECK);
}

std::string CSmartPlayerWndEx::BuildUrl(int kind) const {
  return CommonTools::build_rtsp_url(m_checkpoint.strCamIp, kind, static_cast<char>(m_checkpoint.CamBrand),
                                     m_checkpoint.strCamAccount, m_checkpoint.strCamPassword);
}
