#pragma once
// OLE's initialisation on top of COM's: the thread joins a single-threaded apartment.
// There is no clipboard, drag and drop or running-object table behind it here, so
// locking an object running only checks its argument.
#include "platform/com/Apartment.h"
#include "platform/com/Unknown.h"

// What CoInitialize gives for the calling thread: S_OK the first time, S_FALSE after,
// RPC_E_CHANGED_MODE on a thread initialised multithreaded.
HRESULT OleInitialize(LPVOID pvReserved);
// Ends one OleInitialize.
void OleUninitialize();
// Keeps an object running or lets it stop; S_OK for any object, E_INVALIDARG for none.
HRESULT OleLockRunning(LPUNKNOWN pUnknown, BOOL fLock, BOOL fLastUnlockCloses);
