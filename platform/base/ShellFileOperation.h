#pragma once
// The shell's file operations; copy is the one the program asks for.
#include "platform/base/WinTypes.h"

#define FO_MOVE 0x0001
#define FO_COPY 0x0002
#define FO_DELETE 0x0003
#define FO_RENAME 0x0004

#define FOF_MULTIDESTFILES 0x0001
#define FOF_SILENT 0x0004
#define FOF_RENAMEONCOLLISION 0x0008
#define FOF_NOCONFIRMATION 0x0010
#define FOF_ALLOWUNDO 0x0040
#define FOF_FILESONLY 0x0080
#define FOF_NOCONFIRMMKDIR 0x0200
#define FOF_NOERRORUI 0x0400

// Failures the shell reports with its own numbers.
#define DE_SAMEFILE 0x71
#define DE_DESTSUBTREE 0x76
#define DE_INVALIDFILES 0x7C

typedef WORD FILEOP_FLAGS;

typedef struct _SHFILEOPSTRUCTW {
  HWND hwnd;
  UINT wFunc;
  LPCWSTR pFrom;  // paths, each ending in a zero, the list in a second one
  LPCWSTR pTo;    // the same form; only its first path is read
  FILEOP_FLAGS fFlags;
  BOOL fAnyOperationsAborted;
  LPVOID hNameMappings;
  LPCWSTR lpszProgressTitle;
} SHFILEOPSTRUCTW, *LPSHFILEOPSTRUCTW;

// FO_COPY copies each source, a file or a whole folder, into the target folder under
// its own name (target\<name>\...), creating the target when missing and replacing
// files already there, without asking and without a progress window. 0 on success.
// Checked before anything is copied: ERROR_FILE_NOT_FOUND for a missing source,
// DE_SAMEFILE for a source copied onto itself, DE_DESTSUBTREE for a folder copied
// below itself, DE_INVALIDFILES for an empty list. ERROR_INVALID_PARAMETER for an
// operation other than FO_COPY; ERROR_ACCESS_DENIED or ERROR_WRITE_FAULT when the
// copy fails part way.
int SHFileOperationW(LPSHFILEOPSTRUCTW lpFileOp);

#define SHFILEOPSTRUCT SHFILEOPSTRUCTW
#define SHFileOperation SHFileOperationW
