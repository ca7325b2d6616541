#pragma once
// The common open-file dialog.
#include "platform/base/WinTypes.h"

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_EXPLORER 0x00080000

// CommDlgExtendedError's answers.
#define CDERR_STRUCTSIZE 0x0001
#define CDERR_INITIALIZATION 0x0002
#define FNERR_BUFFERTOOSMALL 0x3003

typedef UINT_PTR(CALLBACK* LPOFNHOOKPROC)(HWND, UINT, WPARAM, LPARAM);

typedef struct tagOFNW {
  DWORD lStructSize;
  HWND hwndOwner;
  HINSTANCE hInstance;
  LPCWSTR lpstrFilter;  // description and pattern ("*.jpg;*.png"), pair after pair, ending in "\0\0"
  LPWSTR lpstrCustomFilter;
  DWORD nMaxCustFilter;
  DWORD nFilterIndex;   // 1-based; 0 takes the first pair
  LPWSTR lpstrFile;     // the result
  DWORD nMaxFile;       // in characters
  LPWSTR lpstrFileTitle;
  DWORD nMaxFileTitle;
  LPCWSTR lpstrInitialDir;
  LPCWSTR lpstrTitle;
  DWORD Flags;
  WORD nFileOffset;
  WORD nFileExtension;
  LPCWSTR lpstrDefExt;
  LPARAM lCustData;
  LPOFNHOOKPROC lpfnHook;  // not called
  LPCWSTR lpTemplateName;
  void* pvReserved;
  DWORD dwReserved;
  DWORD FlagsEx;
} OPENFILENAMEW, *LPOPENFILENAMEW;

// Runs the dialog modally on the calling thread. One file comes back as its full path;
// several (with OFN_ALLOWMULTISELECT) as the folder and then each name, every part
// ending in a zero and the whole in a second one. FALSE when the user cancels
// (CommDlgExtendedError 0) and when the result does not fit nMaxFile (then
// FNERR_BUFFERTOOSMALL, and lpstrFile[0] holds the characters needed).
BOOL GetOpenFileNameW(LPOPENFILENAMEW lpofn);
// Why the calling thread's last dialog failed; 0 after a cancel or a success.
DWORD CommDlgExtendedError();

#define OPENFILENAME OPENFILENAMEW
#define GetOpenFileName GetOpenFileNameW
