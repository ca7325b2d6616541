// The stream interfaces' identifiers, and the one way the program makes a stream.
#include "platform/com/Stream.h"

#include "platform/base/Error.h"
#include "platform/base/GlobalMemory.h"
#include "platform/com/HGlobalStream.h"

const IID IID_ISequentialStream = {0x0C733A30, 0x2A1C, 0x11CE, {0xAD, 0xE5, 0x00, 0xAA, 0x00, 0x44, 0x77, 0x3A}};
const IID IID_IStream = {0x0000000C, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

HRESULT CreateStreamOnHGlobal(HGLOBAL hGlobal, BOOL fDeleteOnRelease, LPSTREAM* ppstm) {
  if (ppstm == nullptr) return E_INVALIDARG;
  *ppstm = nullptr;
  if (hGlobal == nullptr) {
    hGlobal = ::GlobalAlloc(GMEM_MOVEABLE, 0);
    if (hGlobal == nullptr) return E_OUTOFMEMORY;
  } else {
    ::SetLastError(NO_ERROR);
    if (::GlobalSize(hGlobal) == 0 && ::GetLastError() == ERROR_INVALID_HANDLE) return E_INVALIDARG;
  }
  *ppstm = new platform::com::HGlobalStream(hGlobal, fDeleteOnRelease != FALSE);
  return S_OK;
}
