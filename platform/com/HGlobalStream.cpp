#include "platform/com/HGlobalStream.h"

#include <cstring>

#include "platform/base/GlobalMemory.h"

namespace platform::com {
namespace {

// The lock of a block for the length of one call.
class LockedBytes {
 public:
  explicit LockedBytes(HGLOBAL hGlobal) : m_hGlobal(hGlobal), m_pBytes(static_cast<BYTE*>(::GlobalLock(hGlobal))) {}
  ~LockedBytes() {
    if (m_pBytes != nullptr) ::GlobalUnlock(m_hGlobal);
  }
  LockedBytes(const LockedBytes&) = delete;
  LockedBytes& operator=(const LockedBytes&) = delete;

  BYTE* Get() const { return m_pBytes; }

 private:
  HGLOBAL m_hGlobal;
  BYTE* m_pBytes;
};

}  // namespace

HGlobalStream::HGlobalStream(HGLOBAL hGlobal, bool bDeleteOnRelease)
    : m_cRef(1),
      m_hGlobal(hGlobal),
      m_bDeleteOnRelease(bDeleteOnRelease),
      m_cbSize(::GlobalSize(hGlobal)),
      m_nPosition(0) {}

HGlobalStream::~HGlobalStream() {
  if (m_bDeleteOnRelease) ::GlobalFree(m_hGlobal);
}

HRESULT HGlobalStream::QueryInterface(REFIID riid, void** ppvObject) {
  if (ppvObject == nullptr) return E_POINTER;
  if (riid == IID_IUnknown || riid == IID_ISequentialStream || riid == IID_IStream) {
    *ppvObject = static_cast<IStream*>(this);
    AddRef();
    return S_OK;
  }
  *ppvObject = nullptr;
  return E_NOINTERFACE;
}

ULONG HGlobalStream::AddRef() { return ++m_cRef; }

ULONG HGlobalStream::Release() {
  const ULONG cRef = --m_cRef;
  if (cRef == 0) delete this;
  return cRef;
}

HRESULT HGlobalStream::Read(void* pv, ULONG cb, ULONG* pcbRead) {
  if (pcbRead != nullptr) *pcbRead = 0;
  if (pv == nullptr) return STG_E_INVALIDPOINTER;
  if (m_nPosition >= m_cbSize || cb == 0) return S_OK;
  const ULONGLONG cbLeft = m_cbSize - m_nPosition;
  const ULONG cbRead = cbLeft < cb ? static_cast<ULONG>(cbLeft) : cb;
  LockedBytes bytes(m_hGlobal);
  if (bytes.Get() == nullptr) return E_UNEXPECTED;
  std::memcpy(pv, bytes.Get() + m_nPosition, cbRead);
  m_nPosition += cbRead;
  if (pcbRead != nullptr) *pcbRead = cbRead;
  return S_OK;
}

HRESULT HGlobalStream::Write(const void* pv, ULONG cb, ULONG* pcbWritten) {
  if (pcbWritten != nullptr) *pcbWritten = 0;
  if (pv == nullptr) return STG_E_INVALIDPOINTER;
  if (cb == 0) return S_OK;
  const ULONGLONG nEnd = m_nPosition + cb;
  if (nEnd > ::GlobalSize(m_hGlobal)) {
    // Bytes skipped by a seek past the end read as zeros.
    HGLOBAL hGrown = ::GlobalReAlloc(m_hGlobal, static_cast<SIZE_T>(nEnd), GMEM_MOVEABLE | GMEM_ZEROINIT);
    if (hGrown == nullptr) return STG_E_MEDIUMFULL;
    m_hGlobal = hGrown;
  }
  LockedBytes bytes(m_hGlobal);
  if (bytes.Get() == nullptr) return E_UNEXPECTED;
  std::memcpy(bytes.Get() + m_nPosition, pv, cb);
  m_nPosition = nEnd;
  if (nEnd > m_cbSize) m_cbSize = nEnd;
  if (pcbWritten != nullptr) *pcbWritten = cb;
  return S_OK;
}

HRESULT HGlobalStream::Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) {
  LONGLONG nBase = 0;
  switch (dwOrigin) {
    case STREAM_SEEK_SET:
      break;
    case STREAM_SEEK_CUR:
      nBase = static_cast<LONGLONG>(m_nPosition);
      break;
    case STREAM_SEEK_END:
      nBase = static_cast<LONGLONG>(m_cbSize);
      break;
    default:
      return STG_E_INVALIDFUNCTION;
  }
  const LONGLONG nPosition = nBase + dlibMove.QuadPart;
  if (nPosition < 0) return STG_E_INVALIDFUNCTION;
  m_nPosition = static_cast<ULONGLONG>(nPosition);
  if (plibNewPosition != nullptr) plibNewPosition->QuadPart = m_nPosition;
  return S_OK;
}

HRESULT HGlobalStream::Stat(STATSTG* pstatstg, DWORD) {
  if (pstatstg == nullptr) return STG_E_INVALIDPOINTER;
  *pstatstg = STATSTG{};
  pstatstg->type = STGTY_STREAM;
  pstatstg->cbSize.QuadPart = m_cbSize;
  return S_OK;
}

HRESULT HGlobalStream::SetSize(ULARGE_INTEGER) { return E_NOTIMPL; }

HRESULT HGlobalStream::CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*, ULARGE_INTEGER*) { return E_NOTIMPL; }

HRESULT HGlobalStream::Commit(DWORD) { return E_NOTIMPL; }

HRESULT HGlobalStream::Revert() { return E_NOTIMPL; }

HRESULT HGlobalStream::LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) { return E_NOTIMPL; }

HRESULT HGlobalStream::UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) { return E_NOTIMPL; }

HRESULT HGlobalStream::Clone(IStream** ppstm) {
  if (ppstm != nullptr) *ppstm = nullptr;
  return E_NOTIMPL;
}

}  // namespace platform::com
