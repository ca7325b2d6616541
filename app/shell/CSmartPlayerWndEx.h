#pragma once
// The child window that plays a checkpoint's camera through the video player library:
// the main stream first; when nothing shows within 8 seconds, the sub stream; when
// that has not started 4 seconds later, "播放失败!", message 1254 to the notify window,
// and the player stops and closes its window; a camera address that is no host fails
// so at once.
//
// The object holds a player of the library from its construction to its deletion, and
// deletes itself once its window is gone: at the end of the message during which the
// window went, or, when it went with its parent, when the parent hands it back
// (ReleaseWithParent). The player is closed (entry 3) only then, after the window has
// left the layer, so that an event sent to it from the player's event thread is
// answered at once and closing the player, which waits for that thread, never waits
// for this one.
#include <memory>
#include <mutex>
#include <string>

#include "data/InspectPosDeviceInfo.h"
#include "platform/video/SmartPlayerSDK.h"
#include "ui/core/window/WindowImplBase.h"

class CSmartPlayerWndEx : public SkinUI::WindowImplBase {
 public:
  enum : UINT {
    WM_PLAYER_EVENT = WM_USER + 200,  // from the player's event thread
    WM_PLAY_FAILED = WM_USER + 230,   // to the notify window
  };
  enum : UINT_PTR {
    TIMER_START = 1252,
    TIMER_MAIN_WATCHDOG = 100001,
    TIMER_SUB_CHECK = 100002,
  };
  enum : UINT {
    START_DELAY_MS = 500,
    MAIN_WATCHDOG_MS = 8000,
    SUB_CHECK_MS = 4000,
  };
  // Mode 1 places the window inside the area given.
  enum { MODE_INSIDE_AREA = 1 };

  // Starts the library (entry 0) and opens a player (entry 2).
  CSmartPlayerWndEx(InspectPosDeviceInfo checkpoint, RECT area, HWND hwndNotify, int mode);
  // Closes the player (entry 3) when one was opened.
  ~CSmartPlayerWndEx() override;

  // The window, a visible child of `hwndParent` titled "播放器"; from then on the object
  // deletes itself. Null when the window could not be made (nothing is left behind).
  static CSmartPlayerWndEx* Open(InspectPosDeviceInfo checkpoint, RECT area, HWND hwndParent, int mode);

  // Builds the main stream's URL and starts playing it. A camera address that is no host
  // (CommonTools::is_camera_address) plays nothing: it is logged once and fails at once.
  void Play();
  // Stops playing and closes the window.
  void Stop();

  // The parent's window is being destroyed with this one inside: the parent deletes
  // this object once its own window is gone, and until then the object stays.
  void ReleaseWithParent();

 protected:
  LPCTSTR GetWindowClassName() const override;
  SkinUI::CUIString GetSkinXmlName() const override;
  LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
  void OnSkinBuilt() override;
  void OnDetached(HWND hWnd) override;

 private:
  // From the player's event thread.
  static void CALLBACK OnPlayerEvent(SmartPlayerHandle handle, HWND hwnd, UINT eventId, LONG_PTR param);

  void HandleOwnMessage(UINT uMsg, WPARAM wParam);
  void OnStartTimer();
  void OnPlaying();
  void OnMainWatchdog();
  void OnSubCheck();
  // "播放失败!", message 1254 to the notify window, and Stop.
  void Fail();
  // Under the URL lock.
  void SwitchToUrl(const std::string& url);
  std::string BuildUrl(int kind) const;
  void KillTimers();
  // Entry 22, when the player was started and not stopped since.
  void StopPlayer();

  InspectPosDeviceInfo m_checkpoint;
  RECT m_rcArea;
  HWND m_hwndNotify;
  int m_nMode;
  SmartPlayerSDKAPI m_api;
  SmartPlayerHandle m_hPlayer = nullptr;
  std::string m_strUrl;
  std::mutex m_urlMutex;

  bool m_bStarted = false;      // entry 21 or 63 succeeded, and no 22 since
  bool m_bSelfDeleting = false;  // its window was made: it deletes itself
  bool m_bWindowGone = false;
  bool m_bParentReleases = false;
  int m_nMessageDepth = 0;
};
