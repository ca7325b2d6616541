#include "app/frame/IdentityIconLoader.h"

#include <utility>

#include "CommonTools/Conversions.h"
#include "platform/gdiplus/GdiPlus.h"

namespace {

// Decoding refuses a picture over the pixel budget from its header's dimensions.
bool Decodes(const std::wstring& file) {
  Gdiplus::Bitmap picture(file.c_str());
  return picture.GetLastStatus() == Gdiplus::Ok && picture.GetWidth() > 0 && picture.GetHeight() > 0;
}

}  // namespace

IdentityIconLoader::IdentityIconLoader(HWND frame, std::string url, std::wstring file)
    : m_frame(frame), m_url(std::move(url)), m_file(std::move(file)) {
  m_thread = std::thread([this] { Run(); });
}

IdentityIconLoader::~IdentityIconLoader() {
  if (m_thread.joinable()) m_thread.join();
}

bool IdentityIconLoader::WaitFinished(std::chrono::milliseconds limit) {
  std::unique_lock<std::mutex> lock(m_mutex);
  return m_changed.wait_for(lock, limit, [this] { return m_finished; });
}

bool IdentityIconLoader::Fetch() const {
  if (::PathFileExistsW(m_file.c_str()) == FALSE) {
    const std::wstring url = CommonTools::string_to_wstring(m_url);
    if (FAILED(::URLDownloadToFileW(nullptr, url.c_str(), m_file.c_str(), 0, nullptr))) return false;
  }
  if (Decodes(m_file)) return true;
  ::DeleteFileW(m_file.c_str());
  return false;
}

void IdentityIconLoader::Run() {
  ::PostMessageW(m_frame, kReadyMessage, Fetch() ? 1 : 0, 0);
  {
    std::lock_guard<std::mutex> lock(m_mutex);
    m_finished = true;
  }
  m_changed.notify_all();
}
