#pragma once
// The icons the program loaded from its resources, as premultiplied ARGB images that the
// backends hand to the desktop. Handles are never reused.
#include <cairo.h>

#include <map>
#include <mutex>
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::user {

class IconTable {
 public:
  static IconTable& Instance();

  // Takes the image's reference. A shared icon is kept under its key and given again.
  HICON Add(cairo_surface_t* image, const std::string& sharedKey);
  HICON FindShared(const std::string& sharedKey) const;
  // A new reference to the icon's image, or null for an unknown handle.
  cairo_surface_t* Image(HICON icon) const;
  // False for a shared icon and an unknown handle.
  bool Destroy(HICON icon);

 private:
  struct Entry {
    cairo_surface_t* image;
    bool shared;
  };

  mutable std::mutex mutex_;
  uintptr_t next_ = 0x40000;
  std::map<HICON, Entry> icons_;
  std::map<std::string, HICON> shared_;
};

}  // namespace platform::user
