#pragma once
// The stream CreateStreamOnHGlobal makes: a read and write position over the bytes of
// a global memory block, which it frees at its last release when it owns it. The
// bytes are locked only for the length of each call.
#include <atomic>

#include "platform/com/Stream.h"

namespace platform::com {

class HGlobalStream final : public IStream {
 public:
  // Starts with one reference, held by the caller.
  HGlobalStream(HGLOBAL hGlobal, bool bDeleteOnRelease);
  HGlobalStream(const HGlobalStream&) = delete;
  HGlobalStream& operator=(const HGlobalStream&) = delete;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  HRESULT STDMETHODCALLTYPE Read(void* pv, ULONG cb, ULONG* pcbRead) override;
  HRESULT STDMETHODCALLTYPE Write(const void* pv, ULONG cb, ULONG* pcbWritten) override;

  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER dlibMove, DWORD dwOrigin, ULARGE_INTEGER* plibNewPosition) override;
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* pstatstg, DWORD grfStatFlag) override;
  // Nothing calls these on a memory stream: each answers E_NOTIMPL.
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER libNewSize) override;
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* pstm, ULARGE_INTEGER cb, ULARGE_INTEGER* pcbRead,
                                   ULARGE_INTEGER* pcbWritten) override;
  HRESULT STDMETHODCALLTYPE Commit(DWORD grfCommitFlags) override;
  HRESULT STDMETHODCALLTYPE Revert() override;
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER libOffset, ULARGE_INTEGER cb, DWORD dwLockType) override;
  HRESULT STDMETHODCALLTYPE Clone(IStream** ppstm) override;

 private:
  ~HGlobalStream();

  std::atomic<ULONG> m_cRef;
  HGLOBAL m_hGlobal;  // a fixed block becomes a new handle when a write moves it
  bool m_bDeleteOnRelease;
  ULONGLONG m_cbSize;
  ULONGLONG m_nPosition;
};

}  // namespace platform::com
