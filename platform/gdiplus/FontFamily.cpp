#include "platform/gdiplus/FontFamily.h"

#include <algorithm>
#include <cwchar>

namespace Gdiplus {

FontFamily::FontFamily(const WCHAR* name, const FontCollection*) {
  if (!name || !*name) {
    status_ = InvalidParameter;
    return;
  }
  // Fontconfig falls back for any name, so every named family is available.
  name_ = name;
  status_ = Ok;
}

Status FontFamily::GetFamilyName(WCHAR name[32], WORD) const {
  if (!name) return InvalidParameter;
  size_t count = std::min<size_t>(name_.size(), 31);
  std::wmemcpy(name, name_.data(), count);
  name[count] = 0;
  return Ok;
}

}  // namespace Gdiplus
