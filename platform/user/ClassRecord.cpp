#include "platform/user/ClassRecord.h"

#include <cstring>

namespace platform::user {

void ClassRecord::FillInfo(WNDCLASSEXW* info) const {
  info->style = style;
  info->lpfnWndProc = proc;
  info->cbClsExtra = clsExtra;
  info->cbWndExtra = wndExtra;
  info->hInstance = reportedInstance;
  info->hIcon = icon;
  info->hCursor = cursor;
  info->hbrBackground = background;
  info->lpszMenuName = menuName.empty() ? nullptr : menuName.c_str();
  info->lpszClassName = name.c_str();
  info->hIconSm = iconSmall;
}

namespace {

bool Inside(int offset, size_t size, size_t extent) { return offset >= 0 && size_t(offset) + size <= extent; }

}  // namespace

bool ClassRecord::ReadExtra(int offset, size_t size, LONG_PTR* value) const {
  if (!Inside(offset, size, extra.size())) return false;
  if (size == sizeof(LONG)) {
    LONG small;
    std::memcpy(&small, &extra[size_t(offset)], sizeof(small));
    *value = small;
    return true;
  }
  std::memcpy(value, &extra[size_t(offset)], sizeof(LONG_PTR));
  return true;
}

bool ClassRecord::WriteExtra(int offset, size_t size, LONG_PTR value) {
  if (!Inside(offset, size, extra.size())) return false;
  if (size == sizeof(LONG)) {
    const LONG small = LONG(value);
    std::memcpy(&extra[size_t(offset)], &small, sizeof(small));
    return true;
  }
  std::memcpy(&extra[size_t(offset)], &value, sizeof(LONG_PTR));
  return true;
}

}  // namespace platform::user
