#pragma once
// The clipboard: text handed over in global memory, one opener at a time. The
// program's own clipboard is held in the process; on a desktop with other programs it
// is offered to them, and their text is read when they hold the clipboard.
#include "platform/base/WinTypes.h"

#define CF_TEXT 1
#define CF_UNICODETEXT 13

// Fails while another thread has the clipboard open.
BOOL OpenClipboard(HWND hWndNewOwner);
BOOL CloseClipboard();
// Frees what the clipboard held and makes the opener its owner.
BOOL EmptyClipboard();
// The clipboard takes the global memory block (a NUL-terminated wide string for
// CF_UNICODETEXT); the caller must not free it. Null when the clipboard is not open.
HANDLE SetClipboardData(UINT uFormat, HANDLE hMem);
// A block the clipboard keeps owning; null when the format is not there or the
// clipboard is not open.
HANDLE GetClipboardData(UINT uFormat);
BOOL IsClipboardFormatAvailable(UINT format);
