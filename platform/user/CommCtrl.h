#pragma once
// The common-control pieces the program uses: the tooltip class, the date picker and
// its month calendar.
#include "platform/base/WinTypes.h"
#include "platform/user/Messages.h"

#define TOOLTIPS_CLASSW L"tooltips_class32"
#define TOOLTIPS_CLASS TOOLTIPS_CLASSW

#define TTS_ALWAYSTIP 0x01
#define TTS_NOPREFIX 0x02
#define TTS_NOANIMATE 0x10
#define TTS_NOFADE 0x20
#define TTS_BALLOON 0x40

#define TTF_IDISHWND 0x0001
#define TTF_CENTERTIP 0x0002
#define TTF_RTLREADING 0x0004
#define TTF_SUBCLASS 0x0010
#define TTF_TRACK 0x0020
#define TTF_ABSOLUTE 0x0080
#define TTF_TRANSPARENT 0x0100

#define TTDT_AUTOMATIC 0
#define TTDT_RESHOW 1
#define TTDT_AUTOPOP 2
#define TTDT_INITIAL 3

#define TTM_ACTIVATE (WM_USER + 1)
#define TTM_SETDELAYTIME (WM_USER + 3)
#define TTM_GETTOOLCOUNT (WM_USER + 13)
#define TTM_TRACKACTIVATE (WM_USER + 17)
#define TTM_TRACKPOSITION (WM_USER + 18)
#define TTM_GETDELAYTIME (WM_USER + 21)
#define TTM_SETMAXTIPWIDTH (WM_USER + 24)
#define TTM_GETMAXTIPWIDTH (WM_USER + 25)
#define TTM_POP (WM_USER + 28)
#define TTM_UPDATE (WM_USER + 29)
#define TTM_ADDTOOLW (WM_USER + 50)
#define TTM_DELTOOLW (WM_USER + 51)
#define TTM_NEWTOOLRECTW (WM_USER + 52)
#define TTM_GETTOOLINFOW (WM_USER + 53)
#define TTM_SETTOOLINFOW (WM_USER + 54)
#define TTM_GETTEXTW (WM_USER + 56)
#define TTM_UPDATETIPTEXTW (WM_USER + 57)
#define TTM_ADDTOOL TTM_ADDTOOLW
#define TTM_DELTOOL TTM_DELTOOLW
#define TTM_SETTOOLINFO TTM_SETTOOLINFOW
#define TTM_GETTOOLINFO TTM_GETTOOLINFOW
#define TTM_UPDATETIPTEXT TTM_UPDATETIPTEXTW

#define LPSTR_TEXTCALLBACKW ((LPWSTR)(intptr_t)-1)

typedef struct tagTOOLINFOW {
  UINT cbSize;
  UINT uFlags;
  HWND hwnd;
  UINT_PTR uId;
  RECT rect;
  HINSTANCE hinst;
  LPWSTR lpszText;
  LPARAM lParam;
  void* lpReserved;
} TTTOOLINFOW, *PTOOLINFOW, *LPTTTOOLINFOW, TOOLINFOW;
typedef TTTOOLINFOW TTTOOLINFO;
typedef TOOLINFOW TOOLINFO;

// The date picker and the month calendar it drops down.
#define DATETIMEPICK_CLASSW L"SysDateTimePick32"
#define MONTHCAL_CLASSW L"SysMonthCal32"

#define DTM_FIRST 0x1000
#define DTM_GETSYSTEMTIME (DTM_FIRST + 1)
#define DTM_SETSYSTEMTIME (DTM_FIRST + 2)
#define DTM_GETMONTHCAL (DTM_FIRST + 8)

#define GDT_ERROR (-1)
#define GDT_VALID 0
#define GDT_NONE 1

#define MCM_FIRST 0x1000
#define MCM_HITTEST (MCM_FIRST + 14)

#define MCHT_NOWHERE 0x00000000
#define MCHT_TITLE 0x00010000
#define MCHT_CALENDAR 0x00020000
#define MCHT_NEXT 0x01000000
#define MCHT_PREV 0x02000000
#define MCHT_TITLEBK MCHT_TITLE
#define MCHT_TITLEBTNNEXT (MCHT_TITLE | MCHT_NEXT | 0x0003)
#define MCHT_TITLEBTNPREV (MCHT_TITLE | MCHT_PREV | 0x0003)
#define MCHT_CALENDARBK MCHT_CALENDAR
#define MCHT_CALENDARDATE (MCHT_CALENDAR | 0x0001)
#define MCHT_CALENDARDATENEXT (MCHT_CALENDARDATE | MCHT_NEXT)
#define MCHT_CALENDARDATEPREV (MCHT_CALENDARDATE | MCHT_PREV)
#define MCHT_CALENDARDAY (MCHT_CALENDAR | 0x0002)

// MCM_HITTEST: `pt` in the calendar's client coordinates; any cbSize that covers
// uHit is accepted, and st is filled when it is covered too.
typedef struct {
  UINT cbSize;
  POINT pt;
  UINT uHit;
  SYSTEMTIME st;
} MCHITTESTINFO, *PMCHITTESTINFO;

#define MCN_FIRST (0U - 746U)
#define MCN_SELECT MCN_FIRST

typedef struct tagNMSELCHANGE {
  NMHDR nmhdr;
  SYSTEMTIME stSelStart;
  SYSTEMTIME stSelEnd;
} NMSELCHANGE, *LPNMSELCHANGE;
typedef NMSELCHANGE NMSELECT, *LPNMSELECT;

void InitCommonControls();
