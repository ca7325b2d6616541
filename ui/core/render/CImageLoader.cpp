#include "ui/core/render/CImageLoader.h"

#include <memory>

#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace SkinUI {

namespace {

bool IsNumber(LPCTSTR bitmap) { return (reinterpret_cast<ULONG_PTR>(bitmap) >> 16) == 0; }

std::unique_ptr<BYTE[]> ReadBytes(LPCTSTR bitmap, LPCTSTR type, DWORD& dwSize) {
  std::unique_ptr<BYTE[]> pData;
  const bool bTyped = type != nullptr && *type != L'\0';
  if (bTyped) {
    pData = CSkinRenderer::LoadResourceData(bitmap, type, dwSize);
  } else if (!IsNumber(bitmap)) {
    if (CWindowManagerUI::GetResourceZip().IsEmpty()) {
      pData = CSkinRenderer::LoadSkinFileData(bitmap, dwSize);
    } else {
      pData = CSkinRenderer::LoadZipItemData(bitmap, dwSize);
    }
  }
  // A name that is no picture of the skin may still be a path of its own.
  if (pData == nullptr && !IsNumber(bitmap)) pData = CSkinRenderer::LoadFileData(bitmap, dwSize);
  return pData;
}

// Decoded red, green, blue, alpha pixels into premultiplied blue, green, red, alpha
// ones; true when some pixel is not fully opaque.
bool Premultiply(const BYTE* pRgba, LPBYTE pBgra, int nPixels, DWORD mask) {
  bool bAlpha = false;
  for (int i = 0; i < nPixels; ++i) {
    const BYTE* src = pRgba + static_cast<size_t>(i) * 4;
    BYTE* dst = pBgra + static_cast<size_t>(i) * 4;
    const BYTE a = src[3];
    dst[3] = a;
    if (a == 255) {
      dst[0] = src[2];
      dst[1] = src[1];
      dst[2] = src[0];
    } else {
      dst[0] = static_cast<BYTE>(src[2] * a / 255);
      dst[1] = static_cast<BYTE>(src[1] * a / 255);
      dst[2] = static_cast<BYTE>(src[0] * a / 255);
      bAlpha = true;
    }
    const DWORD pixel = static_cast<DWORD>(dst[3]) << 24 | static_cast<DWORD>(dst[2]) << 16 |
                        static_cast<DWORD>(dst[1]) << 8 | static_cast<DWORD>(dst[0]);
    if (pixel == mask) {
      dst[0] = dst[1] = dst[2] = dst[3] = 0;
      bAlpha = true;
    }
  }
  return bAlpha;
}

}  // namespace

UIImageRecord* CImageLoader::Load(LPCTSTR bitmap, LPCTSTR type, DWORD mask) {
  if (bitmap == nullptr) return nullptr;
  DWORD dwSize = 0;
  std::unique_ptr<BYTE[]> pData = ReadBytes(bitmap, type, dwSize);
  if (pData == nullptr) return nullptr;

  int width = 0;
  int height = 0;
  LPBYTE pPixels = CSkinRenderer::DecodeImage(pData.get(), dwSize, &width, &height);
  pData.reset();
  if (pPixels == nullptr) return nullptr;

  LPBYTE pBits = nullptr;
  HBITMAP hBitmap = CSkinRenderer::Create32BitDIB(nullptr, width, height, &pBits);
  if (hBitmap == nullptr) {
    CSkinRenderer::FreeImageData(pPixels);
    return nullptr;
  }
  const bool bAlpha = Premultiply(pPixels, pBits, width * height, mask);
  CSkinRenderer::FreeImageData(pPixels);

  UIImageRecord* pRecord = new UIImageRecord();
  pRecord->hBitmap = hBitmap;
  pRecord->nWidth = width;
  pRecord->nHeight = height;
  pRecord->bAlpha = bAlpha;
  return pRecord;
}

}  // namespace SkinUI
