#pragma once
// The identity's icon, downloaded when its file is missing and decoded on a thread of
// its own, as the user's photo is: a slow server or a picture past the pixel budget never
// holds up the frame. The frame is posted kReadyMessage when it is done, wParam 1 when
// the icon file decodes and 0 when there is no icon to show (a file that does not decode
// is removed, so the next start asks for it again). Destroying the loader waits for the
// thread; nothing of the frame is touched from it.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "platform/win32.h"

class IdentityIconLoader {
 public:
  static constexpr UINT kReadyMessage = WM_USER + 432;

  // `file` is the icon's place in the picture folder; `url` where it is downloaded from
  // while the file is missing.
  IdentityIconLoader(HWND frame, std::string url, std::wstring file);
  ~IdentityIconLoader();
  IdentityIconLoader(const IdentityIconLoader&) = delete;
  IdentityIconLoader& operator=(const IdentityIconLoader&) = delete;

  const std::wstring& IconFile() const { return m_file; }

  // True once the thread has posted its message; false when `limit` passed first.
  bool WaitFinished(std::chrono::milliseconds limit);

 private:
  void Run();
  bool Fetch() const;

  const HWND m_frame;
  const std::string m_url;
  const std::wstring m_file;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_finished = false;
  std::thread m_thread;
};
