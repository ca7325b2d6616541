#pragma once
// COM's per-thread initialisation. Each thread counts its own CoInitialize calls; COM is
// usable on the thread while the count is above zero, and each successful initialisation
// is ended by one CoUninitialize. There is no marshalling between apartments: an object
// is used on the thread that created it.
#include "platform/com/HResult.h"

#define COINIT_MULTITHREADED 0x0
#define COINIT_APARTMENTTHREADED 0x2
#define COINIT_DISABLE_OLE1DDE 0x4
#define COINIT_SPEED_OVER_MEMORY 0x8

// S_OK for the thread's first initialisation, S_FALSE for a further one (which still
// needs its CoUninitialize), RPC_E_CHANGED_MODE when the thread is already initialised
// in the other model (that call is not counted). The reserved argument must be null.
HRESULT CoInitialize(LPVOID pvReserved);
HRESULT CoInitializeEx(LPVOID pvReserved, DWORD dwCoInit);
// Ends one initialisation; nothing when the thread has none.
void CoUninitialize();

namespace platform::com {

// The calling thread's count of initialisations not yet ended.
int ThreadInitCount();

}  // namespace platform::com
