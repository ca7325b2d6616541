#pragma once
// What the skin archive functions report: one item's description and the result codes.
#include "platform/win32.h"

namespace SkinUI {

struct ZipArchiveEntry {
  int index;
  WCHAR name[MAX_PATH];  // in the ANSI code page of the archive's maker, '/' separated
  DWORD attr;            // FILE_ATTRIBUTE_* bits
  FILETIME atime;
  FILETIME ctime;
  FILETIME mtime;
  DWORD comp_size;
  DWORD unc_size;
};

enum : DWORD {
  ZIP_OK = 0,
  ZIP_NO_DUPLICATE_HANDLE = 0x00000100,
  ZIP_NO_FILE = 0x00000200,
  ZIP_WRITE_FAILED = 0x00000400,
  ZIP_NOT_FOUND = 0x00000500,
  ZIP_MORE = 0x00000600,
  ZIP_CORRUPT = 0x00000700,
  ZIP_READ_FAILED = 0x00000800,
  ZIP_BAD_ARGUMENT = 0x00010000,
  ZIP_WRONG_HANDLE = 0x00080000,
  ZIP_ALREADY_OPEN = 0x01000000,
  ZIP_NOT_DISK_FILE = 0x02000000,
  ZIP_INFLATE_FAILED = 0x05000000,
  // The source is not a zip archive this reader understands.
  ZIP_BAD_ARCHIVE = static_cast<DWORD>(-103),
};

}  // namespace SkinUI
