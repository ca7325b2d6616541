#pragma once
// Reads a zip archive's directory and inflates its items into memory with zlib.
// At most one item is open for streaming at a time, so a large item can be read in
// chunks of the caller's size.
#include <memory>
#include <string>
#include <vector>

#include "platform/win32.h"
#include "ui/core/markup/ZipArchiveEntry.h"

namespace SkinUI {

class CZipArchiveReader {
 public:
  CZipArchiveReader();
  CZipArchiveReader(const CZipArchiveReader&) = delete;
  CZipArchiveReader& operator=(const CZipArchiveReader&) = delete;
  ~CZipArchiveReader();

  // The block is read in place: the caller keeps it alive until Close.
  DWORD OpenMemory(const BYTE* pData, DWORD dwLength);
  DWORD OpenFile(LPCTSTR pstrFileName);
  DWORD Close();

  // Index -1 describes the archive: the entry's index is the number of items.
  DWORD GetItem(int iIndex, ZipArchiveEntry* pEntry);
  // '\' in the name counts as '/'; with bIgnoreCase, ASCII letters match in either case.
  DWORD Find(LPCTSTR pstrName, bool bIgnoreCase, int* pIndex, ZipArchiveEntry* pEntry);
  // Inflates the next part of the item into the buffer: ZIP_MORE while data was
  // delivered, then ZIP_OK once the item is exhausted and checked.
  DWORD ExtractToMemory(int iIndex, void* pDest, DWORD dwLength);

 private:
  struct Item {
    std::string name;  // bytes as stored
    WORD versionMadeBy;
    WORD flags;
    WORD method;
    WORD dosTime;
    WORD dosDate;
    DWORD crc;
    DWORD compSize;
    DWORD uncompSize;
    DWORD externalAttr;
    DWORD localOffset;
  };
  struct Stream;

  bool IsOpen() const { return m_pData != nullptr; }
  bool ReadDirectory();
  DWORD LocateLocalHeader(const Item& item, size_t* pExtra, size_t* pExtraLength, size_t* pData) const;
  DWORD Describe(int iIndex, ZipArchiveEntry* pEntry) const;
  DWORD OpenStream(int iIndex);
  void CloseStream();

  std::vector<BYTE> m_fileData;  // the archive's bytes when it was read from a file
  const BYTE* m_pData;
  size_t m_nSize;
  std::vector<Item> m_items;
  std::unique_ptr<Stream> m_stream;  // the item open for streaming, if any
  int m_iCachedIndex;
  ZipArchiveEntry m_cachedEntry;
};

}  // namespace SkinUI
