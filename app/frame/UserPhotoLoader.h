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

  // Writes the circle picture cut from a photo; false when it could not.
  using CircleCut = bool (*)(const std::wstring& photo, const std::wstring& circle);

  // Downloads `url` into `photo` and cuts it into `circle` with `cut`.
  UserPhotoLoader(HWND frame, std::string url, std::wstring photo, std::wstring circle, CircleCut cut);
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
  const CircleCut m_cut;
  std::mutex m_mutex;
  std::condition_variable m_changed;
  bool m_finished = false;
  std::thread m_thread;
};
