#include "platform/com/OleApartment.h"

HRESULT OleInitialize(LPVOID pvReserved) { return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED); }

void OleUninitialize() { CoUninitialize(); }

HRESULT OleLockRunning(LPUNKNOWN pUnknown, BOOL fLock, BOOL fLastUnlockCloses) {
  UNREFERENCED_PARAMETER(fLock);
  UNREFERENCED_PARAMETER(fLastUnlockCloses);
  return pUnknown ? S_OK : E_INVALIDARG;
}
