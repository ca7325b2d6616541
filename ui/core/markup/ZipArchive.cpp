#include "ui/core/markup/ZipArchive.h"

#include <atomic>
#include <memory>

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

}  // namespace SkinUI
