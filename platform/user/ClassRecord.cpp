#include "platform/user/ClassRecord.h"

namespace platform::user {

void ClassRecord::FillInfo(WNDCLASSEXW* info) const {
  info->style = style;
  info->lpfnWndProc = proc;
  info->cbClsExtra = clsExtra;
  info->cbWndExtra = wndExtra;
  info->hInstance = instance;
  info->hIcon = icon;
  info->hCursor = cursor;
  info->hbrBackground = background;
  info->lpszMenuName = menuName.empty() ? nullptr : menuName.c_str();
  info->lpszClassName = name.c_str();
  info->hIconSm = iconSmall;
}

}  // namespace platform::user
