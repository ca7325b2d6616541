#pragma once
// The program's one modal message box. The kind chooses the icon, the buttons and, for
// kind 4, the two-line box: 1 information and refusals, 2 questions (确定 and 取消),
// 3 as 1 without an icon on the red background, 4 two lines in red ("first,second"),
// 5 as 2 without an icon and with a details button in place of 取消, 6 success,
// 7 failure (closed by its "close" button); other kinds show the text alone. While the box is open the shade
// (when there is one) covers the main frame; a shade that was already showing (a page's
// dialog under the box) stays when the box closes. A worker thread may show one: the box
// then runs on that thread, and its owner is disabled without waiting for the owner's
// thread.
#include <string>

#include "platform/win32.h"

// True exactly when the box was closed with "确定" (result 1).
bool ShowMessage(const std::wstring& text, HWND hwndParent, int kind);

// The box's result: 1 "确定", 2 "取消", 3 its "close" button, what a WM_CLOSE posted
// from outside carries, 0 when it could not be shown.
UINT RunMessageBox(const std::wstring& text, HWND hwndParent, int kind);
