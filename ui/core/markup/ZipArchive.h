#pragma once
// Handle-based access to skin archives. Every call records its result, readable
// with GetZipArchiveLastResult.
//
// Only reading into memory is offered: extraction into files (kinds 1 and 2 of
// ExtractZipArchiveItem) and opening through a caller's file handle (kind 1 of
// OpenZipArchive) are refused, since the framework reads skins into memory only.
#include <memory>

#include "platform/win32.h"
#include "ui/core/markup/ZipArchiveEntry.h"

namespace SkinUI {

struct ZipArchiveHandle;
typedef ZipArchiveHandle* HZIPARCHIVE;

enum : DWORD {
  ZIP_SOURCE_HANDLE = 1,    // a file handle
  ZIP_SOURCE_FILENAME = 2,  // a wide file name
  ZIP_SOURCE_MEMORY = 3,    // a block read in place; the caller keeps it until closing
};

enum : DWORD {
  ZIP_TARGET_HANDLE = 1,
  ZIP_TARGET_FILENAME = 2,
  ZIP_TARGET_MEMORY = 3,
};

HZIPARCHIVE OpenZipArchive(void* pSource, DWORD dwLength, DWORD dwKind);
DWORD CloseZipArchive(HZIPARCHIVE hZip);
DWORD FindZipArchiveItem(HZIPARCHIVE hZip, LPCTSTR pstrName, bool bIgnoreCase, int* pIndex, ZipArchiveEntry* pEntry);
// Memory extraction hands the item over in parts: ZIP_MORE while data was delivered,
// ZIP_OK once the item is exhausted.
DWORD ExtractZipArchiveItem(HZIPARCHIVE hZip, int iIndex, void* pDest, DWORD dwLength, DWORD dwKind);
DWORD GetZipArchiveLastResult();

// An item declaring more than this is refused unread: no skin picture comes near it,
// and the declared size is what gets allocated.
enum : DWORD { ZIP_MAX_ITEM_BYTES = 256u * 1024u * 1024u };
// The named item (case ignored) whole, its size and checksum checked against its
// header: null, with a zero size, for an item that is missing, empty, larger than
// ZIP_MAX_ITEM_BYTES, or damaged.
std::unique_ptr<BYTE[]> ReadZipArchiveItem(HZIPARCHIVE hZip, LPCTSTR pstrName, DWORD& dwSize);

}  // namespace SkinUI
