#include "app/shell/ShowCannotOpen.h"

#include "app/shell/ShowMessage.h"

void ShowCannotOpen(HWND hwndOwner) { ShowMessage(L"无法打开，请安装 xdg-utils!", hwndOwner, 1); }
