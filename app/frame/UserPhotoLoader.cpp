#include "app/frame/UserPhotoLoader.h"

#include <utility>

#include "CommonTools/Conversions.h"

UserPhotoLoader::UserPhotoLoader(HWND frame, std::string url, std::wstring photo, std::wstring circle, CircleCut cut)
    : m_frame(frame), m_url(std::move(url)), m_photo(std::move(photo)), m_circle(std::move(circle)), m_cut(cut) {
  m_thread = std::thread([this] { Run(); });
}

UserPhotoLoader::~UserPhotoLoader() {
  if (m_thread.joinable()) m_thread.join();
}

bool UserPhotoLoader::WaitFinished(std::chrono::milliseconds limit) {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_changed.wait_for(lock, limit, [this] { return m_finished; });
}

void UserPhotoLoader::Run() {
  const std::wstring url = CommonTools::string_to_wstring(m_url);
  const bool ready = SUCCEEDED(::URLDownloadToFileW(nullptr, url.c_str(), m_photo.c_str(), 0, nullptr)) &&
                     m_cut(m_photo, m_circle);
  ::PostMessageW(m_frame, kReadyMessage, ready ? 1 : 0, 0);
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
  }
  m_changed.notify_all();
}
