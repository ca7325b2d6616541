#pragma once
// Tells the user that a page or a picture could not be opened: the desktop opens them
// with xdg-open, from the xdg-utils package, and without it nothing would show at all.
#include "platform/win32.h"

void ShowCannotOpen(HWND hwndOwner);
