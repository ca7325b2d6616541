// The renderer's raw-data readers: files, the skin folder, module resources, the skin
// archive, and picture decoding through stb_image.
#include <stb/stb_image.h>

#include <new>

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/markup/ZipArchive.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

namespace {

std::unique_ptr<BYTE[]> NewBuffer(DWORD dwSize) { return std::unique_ptr<BYTE[]>(new (std::nothrow) BYTE[dwSize]); }

}  // namespace

std::unique_ptr<BYTE[]> CSkinRenderer::LoadFileData(LPCTSTR pstrPath, DWORD& dwSize) {
  dwSize = 0;
  if (pstrPath == nullptr || *pstrPath == L'\0') return nullptr;
  HANDLE hFile =
      ::CreateFileW(pstrPath, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) return nullptr;
  const DWORD dwFileSize = ::GetFileSize(hFile, nullptr);
  std::unique_ptr<BYTE[]> pData;
  if (dwFileSize != 0 && dwFileSize != INVALID_FILE_SIZE) pData = NewBuffer(dwFileSize);
  DWORD dwRead = 0;
  const bool bRead = pData != nullptr && ::ReadFile(hFile, pData.get(), dwFileSize, &dwRead, nullptr) != FALSE;
  ::CloseHandle(hFile);
  if (!bRead || dwRead != dwFileSize) return nullptr;
  dwSize = dwFileSize;
  return pData;
}

std::unique_ptr<BYTE[]> CSkinRenderer::LoadSkinFileData(LPCTSTR pstrName, DWORD& dwSize) {
  dwSize = 0;
  if (pstrName == nullptr) return nullptr;
  const CUIString sPath = CWindowManagerUI::GetResourcePath() + pstrName;
  return LoadFileData(sPath, dwSize);
}

std::unique_ptr<BYTE[]> CSkinRenderer::LoadResourceData(LPCTSTR, LPCTSTR, DWORD& dwSize) {
  // The platform layer keeps no module resources yet, so a resource is never found.
  dwSize = 0;
  return nullptr;
}

std::unique_ptr<BYTE[]> CSkinRenderer::LoadZipItemData(LPCTSTR pstrName, DWORD& dwSize) {
  dwSize = 0;
  if (pstrName == nullptr) return nullptr;
  HZIPARCHIVE hZip = nullptr;
  const bool bOwnArchive = !CWindowManagerUI::IsCachedResourceZip();
  if (bOwnArchive) {
    CUIString sArchive = CWindowManagerUI::GetResourcePath() + CWindowManagerUI::GetResourceZip().GetData();
    hZip = OpenZipArchive(const_cast<LPTSTR>(sArchive.GetData()), 0, ZIP_SOURCE_FILENAME);
  } else {
    hZip = static_cast<HZIPARCHIVE>(CWindowManagerUI::GetResourceZipHandle());
  }
  if (hZip == nullptr) return nullptr;

  std::unique_ptr<BYTE[]> pData = ReadZipArchiveItem(hZip, pstrName, dwSize);
  if (bOwnArchive) CloseZipArchive(hZip);
  return pData;
}

LPBYTE CSkinRenderer::DecodeImage(const BYTE* pData, DWORD dwSize, int* pWidth, int* pHeight) {
  int width = 0;
  int height = 0;
  int channels = 0;
  LPBYTE pPixels = nullptr;
  if (pData != nullptr && dwSize != 0 && dwSize <= 0x7FFFFFFF) {
    pPixels = stbi_load_from_memory(pData, static_cast<int>(dwSize), &width, &height, &channels, 4);
  }
  if (pWidth != nullptr) *pWidth = pPixels != nullptr ? width : 0;
  if (pHeight != nullptr) *pHeight = pPixels != nullptr ? height : 0;
  return pPixels;
}

void CSkinRenderer::FreeImageData(LPBYTE pPixels) {
  if (pPixels != nullptr) stbi_image_free(pPixels);
}

}  // namespace SkinUI
