#pragma once
// The system "Edit" class: its styles, messages and the notifications it sends its
// parent in WM_COMMAND.
#include "platform/base/WinTypes.h"

#define WC_EDITW L"Edit"
#define WC_EDIT WC_EDITW

// Styles, read from the window's style whenever they matter.
#define ES_LEFT 0x0000L
#define ES_MULTILINE 0x0004L
#define ES_PASSWORD 0x0020L
#define ES_AUTOVSCROLL 0x0040L
#define ES_AUTOHSCROLL 0x0080L
#define ES_READONLY 0x0800L
#define ES_NUMBER 0x2000L

#define EM_GETSEL 0x00B0
#define EM_SETSEL 0x00B1
#define EM_GETMODIFY 0x00B8
#define EM_SETMODIFY 0x00B9
#define EM_LIMITTEXT 0x00C5
#define EM_SETLIMITTEXT EM_LIMITTEXT
#define EM_SETPASSWORDCHAR 0x00CC
#define EM_SETREADONLY 0x00CF
#define EM_GETPASSWORDCHAR 0x00D2
#define EM_SETMARGINS 0x00D3
#define EM_GETMARGINS 0x00D4
#define EM_GETLIMITTEXT 0x00D5

// EM_SETMARGINS: which margins the low (left) and high (right) word of lParam set.
#define EC_LEFTMARGIN 0x0001
#define EC_RIGHTMARGIN 0x0002

// Notification codes, in the high word of WM_COMMAND's wParam.
#define EN_CHANGE 0x0300
#define EN_UPDATE 0x0400
