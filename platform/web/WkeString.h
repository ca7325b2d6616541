#pragma once
// The text behind a wkeString: made for one callback, read with wkeGetStringW.
#include <string>

#include "platform/base/CodePage.h"

struct wkeStringTag {
  explicit wkeStringTag(const std::string& utf8) : text(platform::codepage::Utf8ToWide(utf8)) {}
  std::wstring text;
};
