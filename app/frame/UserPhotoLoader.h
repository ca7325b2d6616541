#pragma once
// The user's photo, downloaded and cut to its ellipse on a thread of its own, so that a
// slow server or a large picture never holds up the frame: the frame is posted
// kReadyMessage when it is done, wParam 1 when the circle file was written and 0 when
// there is no photo. Destroying the loader waits for the thread; a frame that is gone by
// then simply misses the message, and nothing of the frame is touched from the thread.
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

#include "platform/win32.h"

class UserPhotoLoader {
 public:
  static constexpr UINT kReadyMessage = WM_USER + 431;

  // Downloads `url` into `photo` and cuts it into `circle`.
  UserPhotoLoader(HWND frame, std::string url, std::wstring photo, std::wstring circle);
  ~UserPhotoLoader();
  UserPhotoLoader(const UserPhotoLoader&) = delete;
  UserPhotoLoader& operator=(const UserPhotoLoader&) = delete;

  const std::wstring& CircleFile() const { return m_circle; }

  // True once the thread has posted its message; false when `limit` passed first.
  bool WaitFinished(std::chrono::milliseconds limit);

 private:
  void Run();

  const HWND m_frame;
  const std::string m_url;
  const std::wstring m_photo;
  const std::wstring m_circle;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_finished = false;
  std::thread m_thread;
};
