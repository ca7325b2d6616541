#pragma once
// The rich edit's messages, notifications, styles and structures, as far as the
// program and its windowless text services use them. Sizes are sizeof(...): WCHAR
// is 32 bits here, so the structures are larger than on Windows, and a size field
// is accepted when it covers the fields read.
#include "platform/base/WinTypes.h"
#include "platform/user/Edit.h"
#include "platform/user/Messages.h"

// Styles beyond the edit class's.
#ifndef ES_CENTER
#define ES_CENTER 0x0001L
#define ES_RIGHT 0x0002L
#endif
#ifndef ES_NOHIDESEL
#define ES_NOHIDESEL 0x0100L
#endif
#define ES_DISABLENOSCROLL 0x2000L
#define ES_SAVESEL 0x8000L

// Messages (the edit class's EM_REPLACESEL value is shared).
#ifndef EM_REPLACESEL
#define EM_REPLACESEL 0x00C2
#endif
#define EM_EXGETSEL (WM_USER + 52)
#define EM_EXLIMITTEXT (WM_USER + 53)
#define EM_EXSETSEL (WM_USER + 55)
#define EM_GETEVENTMASK (WM_USER + 59)
#define EM_SETEVENTMASK (WM_USER + 69)
#define EM_GETTEXTEX (WM_USER + 94)
#define EM_GETTEXTLENGTHEX (WM_USER + 95)
#define EM_SETLANGOPTIONS (WM_USER + 120)

// Event mask bits.
#define ENM_NONE 0x00000000
#define ENM_CHANGE 0x00000001
#define ENM_REQUESTRESIZE 0x00040000
#define ENM_SELCHANGE 0x00080000

// Notifications (EN_CHANGE comes with the edit class).
#define EN_MSGFILTER 0x0700
#define EN_REQUESTRESIZE 0x0701
#define EN_SELCHANGE 0x0702
#define EN_DROPFILES 0x0703
#define EN_PROTECTED 0x0704
#define EN_CORRECTTEXT 0x0705
#define EN_STOPNOUNDO 0x0706
#define EN_IMECHANGE 0x0707
#define EN_SAVECLIPBOARD 0x0708
#define EN_OLEOPFAILED 0x0709
#define EN_OBJECTPOSITIONS 0x070A
#define EN_LINK 0x070B
#define EN_DRAGDROPDONE 0x070C

// Scroll bars and their requests.
#ifndef SB_HORZ
#define SB_HORZ 0
#define SB_VERT 1
#define SB_CTL 2
#define SB_BOTH 3
#endif
#ifndef SB_LINEUP
#define SB_LINEUP 0
#define SB_LINELEFT 0
#define SB_LINEDOWN 1
#define SB_LINERIGHT 1
#define SB_PAGEUP 2
#define SB_PAGELEFT 2
#define SB_PAGEDOWN 3
#define SB_PAGERIGHT 3
#define SB_THUMBPOSITION 4
#define SB_THUMBTRACK 5
#define SB_TOP 6
#define SB_LEFT 6
#define SB_BOTTOM 7
#define SB_RIGHT 7
#define SB_ENDSCROLL 8
#endif
#ifndef ESB_ENABLE_BOTH
#define ESB_ENABLE_BOTH 0x0000
#define ESB_DISABLE_LTUP 0x0001
#define ESB_DISABLE_RTDN 0x0002
#define ESB_DISABLE_BOTH 0x0003
#endif

// Character format masks and effects.
#define CFM_BOLD 0x00000001
#define CFM_ITALIC 0x00000002
#define CFM_UNDERLINE 0x00000004
#define CFM_STRIKEOUT 0x00000008
#define CFM_CHARSET 0x08000000
#define CFM_OFFSET 0x10000000
#define CFM_FACE 0x20000000
#define CFM_COLOR 0x40000000
#define CFM_SIZE 0x80000000
#define CFE_BOLD 0x00000001
#define CFE_ITALIC 0x00000002
#define CFE_UNDERLINE 0x00000004
#define CFE_STRIKEOUT 0x00000008
#define CFE_AUTOCOLOR 0x40000000

// Paragraph format masks and alignments.
#define PFM_STARTINDENT 0x00000001
#define PFM_RIGHTINDENT 0x00000002
#define PFM_OFFSET 0x00000004
#define PFM_ALIGNMENT 0x00000008
#define PFM_TABSTOPS 0x00000010
#define PFM_NUMBERING 0x00000020
#define PFM_RTLPARA 0x00010000
#define PFM_OFFSETINDENT 0x80000000
#define PFA_LEFT 1
#define PFA_RIGHT 2
#define PFA_CENTER 3
#define MAX_TAB_STOPS 32
#define LF_FACESIZE_RICHEDIT 32

// EM_GETTEXTEX and EM_GETTEXTLENGTHEX.
#define GT_DEFAULT 0
#define GT_USECRLF 1
#define GTL_DEFAULT 0
#define GTL_USECRLF 1
#define GTL_PRECISE 2
#define GTL_NUMCHARS 8
#define GTL_NUMBYTES 16
// The code page that asks for wide text.
#define CP_WINUNICODE 1200

typedef struct _charformatw {
  UINT cbSize;
  DWORD dwMask;
  DWORD dwEffects;
  LONG yHeight;  // twips
  LONG yOffset;
  COLORREF crTextColor;
  BYTE bCharSet;
  BYTE bPitchAndFamily;
  WCHAR szFaceName[LF_FACESIZE_RICHEDIT];
} CHARFORMATW;

typedef struct _charformat2w : CHARFORMATW {
  WORD wWeight;
  SHORT sSpacing;
  COLORREF crBackColor;
  LCID lcid;
  DWORD dwReserved;
  SHORT sStyle;
  WORD wKerning;
  BYTE bUnderlineType;
  BYTE bAnimation;
  BYTE bRevAuthor;
  BYTE bUnderlineColor;
} CHARFORMAT2W;

typedef struct _paraformat {
  UINT cbSize;
  DWORD dwMask;
  WORD wNumbering;
  WORD wEffects;
  LONG dxStartIndent;
  LONG dxRightIndent;
  LONG dxOffset;
  WORD wAlignment;
  SHORT cTabCount;
  LONG rgxTabs[MAX_TAB_STOPS];
} PARAFORMAT;

typedef struct _paraformat2 : PARAFORMAT {
  LONG dySpaceBefore;
  LONG dySpaceAfter;
  LONG dyLineSpacing;
  SHORT sStyle;
  BYTE bLineSpacingRule;
  BYTE bOutlineLevel;
  WORD wShadingWeight;
  WORD wShadingStyle;
  WORD wNumberingStart;
  WORD wNumberingStyle;
  WORD wNumberingTab;
  WORD wBorderSpace;
  WORD wBorderWidth;
  WORD wBorders;
} PARAFORMAT2;

typedef struct _gettextex {
  DWORD cb;  // bytes of the buffer, its terminator included
  DWORD flags;
  UINT codepage;
  LPCSTR lpDefaultChar;
  LPBOOL lpUsedDefChar;
} GETTEXTEX;

typedef struct _gettextlengthex {
  DWORD flags;
  UINT codepage;
} GETTEXTLENGTHEX;

typedef struct _charrange {
  LONG cpMin;
  LONG cpMax;  // -1: the end of the text
} CHARRANGE;

typedef struct _reqresize {
  NMHDR nmhdr;
  RECT rc;
} REQRESIZE;
