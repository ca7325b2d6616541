#include "platform/user/IconTable.h"

namespace platform::user {

IconTable& IconTable::Instance() {
  static IconTable* table = new IconTable;  // outlives static destructors
  return *table;
}

HICON IconTable::Add(cairo_surface_t* image, const std::string& sharedKey) {
  std::lock_guard<std::mutex> lock(mutex_);
  next_ += 4;
  const HICON icon = reinterpret_cast<HICON>(next_);
  icons_[icon] = Entry{image, !sharedKey.empty()};
  if (!sharedKey.empty()) shared_[sharedKey] = icon;
  return icon;
}

HICON IconTable::FindShared(const std::string& sharedKey) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = shared_.find(sharedKey);
  return found == shared_.end() ? nullptr : found->second;
}

cairo_surface_t* IconTable::Image(HICON icon) const {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = icons_.find(icon);
  return found == icons_.end() ? nullptr : cairo_surface_reference(found->second.image);
}

bool IconTable::Destroy(HICON icon) {
  std::lock_guard<std::mutex> lock(mutex_);
  const auto found = icons_.find(icon);
  if (found == icons_.end() || found->second.shared) return false;
  cairo_surface_destroy(found->second.image);
  icons_.erase(found);
  return true;
}

}  // namespace platform::user
