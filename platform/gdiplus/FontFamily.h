#pragma once
// A font family by its Windows face name (substituted like GDI faces).
#include <string>

#include "platform/gdiplus/GdiPlusTypes.h"

namespace Gdiplus {

class FontCollection;

class FontFamily {
 public:
  FontFamily() = default;
  explicit FontFamily(const WCHAR* name, const FontCollection* fontCollection = nullptr);

  Status GetFamilyName(WCHAR name[32], WORD language = 0) const;
  Status GetLastStatus() const { return status_; }
  BOOL IsAvailable() const { return status_ == Ok; }
  const std::wstring& Name() const { return name_; }

 private:
  std::wstring name_;
  Status status_ = InvalidParameter;
};

}  // namespace Gdiplus
