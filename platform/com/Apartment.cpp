#include "platform/com/Apartment.h"

namespace {

struct ThreadApartment {
  int count = 0;
  bool multithreaded = false;
};

thread_local ThreadApartment t_apartment;

}  // namespace

HRESULT CoInitialize(LPVOID pvReserved) { return CoInitializeEx(pvReserved, COINIT_APARTMENTTHREADED); }

HRESULT CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit) {
  if (pvReserved) return E_INVALIDARG;
  const bool multithreaded = (dwCoInit & COINIT_APARTMENTTHREADED) == 0;
  if (t_apartment.count == 0) {
    t_apartment.multithreaded = multithreaded;
    t_apartment.count = 1;
    return S_OK;
  }
  if (t_apartment.multithreaded != multithreaded) return RPC_E_CHANGED_MODE;
  ++t_apartment.count;
  return S_FALSE;
}

void CoUninitialize() {
  if (t_apartment.count > 0) --t_apartment.count;
}

namespace platform::com {

int ThreadInitCount() { return t_apartment.count; }

}  // namespace platform::com
