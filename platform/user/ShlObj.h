#pragma once
// The shell's folder chooser and the item lists it answers with. An item list comes
// from the task allocator and is freed with CoTaskMemFree.
#include "platform/base/WinTypes.h"
#include "platform/com/TaskMemory.h"

#define BIF_RETURNONLYFSDIRS 0x00000001
#define BIF_DONTGOBELOWDOMAIN 0x00000002
#define BIF_RETURNFSANCESTORS 0x00000008
#define BIF_EDITBOX 0x00000010
#define BIF_NEWDIALOGSTYLE 0x00000040

typedef struct _SHITEMID {
  USHORT cb;  // the size of this item, cb included; 0 ends the list
  BYTE abID[1];
} SHITEMID;

typedef struct _ITEMIDLIST {
  SHITEMID mkid;
} ITEMIDLIST;

typedef ITEMIDLIST* LPITEMIDLIST;
typedef const ITEMIDLIST* LPCITEMIDLIST;
typedef ITEMIDLIST* PIDLIST_ABSOLUTE;
typedef const ITEMIDLIST* PCIDLIST_ABSOLUTE;

typedef int(CALLBACK* BFFCALLBACK)(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

typedef struct _browseinfoW {
  HWND hwndOwner;
  PCIDLIST_ABSOLUTE pidlRoot;  // a folder this chooser answered earlier starts it there
  LPWSTR pszDisplayName;       // MAX_PATH characters: the chosen item's name
  LPCWSTR lpszTitle;           // the prompt above the folders
  UINT ulFlags;
  BFFCALLBACK lpfn;            // not called
  LPARAM lParam;
  int iImage;
} BROWSEINFOW, *LPBROWSEINFOW;

// Runs the chooser modally on the calling thread (its other windows and timers go
// on). The chosen item, or null when the user cancels; the display name is written
// only for a chosen item.
PIDLIST_ABSOLUTE SHBrowseForFolderW(LPBROWSEINFOW lpbi);
// Writes the item's file-system path (MAX_PATH characters at most); FALSE, with an
// empty text, for an item that is no file-system folder or whose path is too long.
BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE pidl, LPWSTR pszPath);

#define BROWSEINFO BROWSEINFOW
#define SHBrowseForFolder SHBrowseForFolderW
#define SHGetPathFromIDList SHGetPathFromIDListW
