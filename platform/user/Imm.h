#pragma once
// The input-method calls the program makes: the composition window follows the caret.
#include "platform/base/WinTypes.h"

#define CFS_DEFAULT 0x0000
#define CFS_RECT 0x0001
#define CFS_POINT 0x0002
#define CFS_FORCE_POSITION 0x0020

typedef struct tagCOMPOSITIONFORM {
  DWORD dwStyle;
  POINT ptCurrentPos;  // client coordinates of the context's window
  RECT rcArea;
} COMPOSITIONFORM, *PCOMPOSITIONFORM, *LPCOMPOSITIONFORM;

// The context of a window; null for a handle that is not a window.
HIMC ImmGetContext(HWND hWnd);
BOOL ImmReleaseContext(HWND hWnd, HIMC hIMC);
// Moves the input method's composition to the form's position (CFS_POINT,
// CFS_FORCE_POSITION, or the top-left of CFS_RECT's area).
BOOL ImmSetCompositionWindow(HIMC hIMC, LPCOMPOSITIONFORM lpCompForm);
