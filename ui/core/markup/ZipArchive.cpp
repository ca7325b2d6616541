#include "ui/core/markup/ZipArchive.h"

#include <atomic>
#include <memory>
#include <new>

#include "ui/core/markup/CZipArchiveReader.h"

namespace SkinUI {

namespace {

const DWORD HANDLE_KIND_READER = 1;

std::atomic<DWORD> g_dwLastResult{ZIP_OK};

DWORD Record(DWORD dwResult) {
  g_dwLastResult = dwResult;
  return dwResult;
}

}  // namespace

struct ZipArchiveHandle {
  DWORD kind;
  std::unique_ptr<CZipArchiveReader> reader;
};

namespace {

// ZIP_OK when the handle is a usable reader handle.
DWORD CheckHandle(HZIPARCHIVE hZip) {
  if (hZip == nullptr) return ZIP_BAD_ARGUMENT;
  if (hZip->kind != HANDLE_KIND_READER || !hZip->reader) return ZIP_WRONG_HANDLE;
  return ZIP_OK;
}

}  // namespace

HZIPARCHIVE OpenZipArchive(void* pSource, DWORD dwLength, DWORD dwKind) {
  if (pSource == nullptr || dwKind < ZIP_SOURCE_HANDLE || dwKind > ZIP_SOURCE_MEMORY) {
    Record(ZIP_BAD_ARGUMENT);
    return nullptr;
  }
  if (dwKind == ZIP_SOURCE_HANDLE) {
    Record(ZIP_NO_DUPLICATE_HANDLE);
    return nullptr;
  }
  std::unique_ptr<ZipArchiveHandle> handle(new ZipArchiveHandle{HANDLE_KIND_READER, std::make_unique<CZipArchiveReader>()});
  const DWORD dwResult = dwKind == ZIP_SOURCE_FILENAME
                             ? handle->reader->OpenFile(static_cast<LPCTSTR>(pSource))
                             : handle->reader->OpenMemory(static_cast<const BYTE*>(pSource), dwLength);
  Record(dwResult);
  if (dwResult != ZIP_OK) return nullptr;
  return handle.release();
}

DWORD CloseZipArchive(HZIPARCHIVE hZip) {
  const DWORD dwCheck = CheckHandle(hZip);
  if (dwCheck != ZIP_OK) return Record(dwCheck);
  std::unique_ptr<ZipArchiveHandle> handle(hZip);
  return Record(handle->reader->Close());
}

DWORD FindZipArchiveItem(HZIPARCHIVE hZip, LPCTSTR pstrName, bool bIgnoreCase, int* pIndex, ZipArchiveEntry* pEntry) {
  const DWORD dwCheck = CheckHandle(hZip);
  if (dwCheck != ZIP_OK) return Record(dwCheck);
  return Record(hZip->reader->Find(pstrName, bIgnoreCase, pIndex, pEntry));
}

DWORD ExtractZipArchiveItem(HZIPARCHIVE hZip, int iIndex, void* pDest, DWORD dwLength, DWORD dwKind) {
  const DWORD dwCheck = CheckHandle(hZip);
  if (dwCheck != ZIP_OK) return Record(dwCheck);
  if (dwKind < ZIP_TARGET_HANDLE || dwKind > ZIP_TARGET_MEMORY) return Record(ZIP_BAD_ARGUMENT);
  if (dwKind != ZIP_TARGET_MEMORY) return Record(ZIP_NO_FILE);
  return Record(hZip->reader->ExtractToMemory(iIndex, pDest, dwLength));
}

DWORD GetZipArchiveLastResult() { return g_dwLastResult; }

std::unique_ptr<BYTE[]> ReadZipArchiveItem(HZIPARCHIVE hZip, LPCTSTR pstrName, DWORD& dwSize) {
  dwSize = 0;
  int iIndex = -1;
  ZipArchiveEntry entry = {};
  if (FindZipArchiveItem(hZip, pstrName, true, &iIndex, &entry) != ZIP_OK) return nullptr;
  if (entry.unc_size == 0 || entry.unc_size > ZIP_MAX_ITEM_BYTES) return nullptr;
  std::unique_ptr<BYTE[]> pData(new (std::nothrow) BYTE[entry.unc_size]);
  if (pData == nullptr) return nullptr;
  // Delivery stops only at the item's end, where the reader compares what came with
  // the header's size and checksum: a buffer exactly as large as the item fills in
  // one part, and any part after it is data the header did not declare.
  DWORD dwResult = ExtractZipArchiveItem(hZip, iIndex, pData.get(), entry.unc_size, ZIP_TARGET_MEMORY);
  BYTE beyond = 0;
  while (dwResult == ZIP_MORE) dwResult = ExtractZipArchiveItem(hZip, iIndex, &beyond, 1, ZIP_TARGET_MEMORY);
  if (dwResult != ZIP_OK) return nullptr;
  dwSize = entry.unc_size;
  return pData;
}

}  // namespace SkinUI
