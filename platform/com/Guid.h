#pragma once
// Globally unique identifiers: class ids, interface ids and the other GUIDs the program
// and its libraries name, with their registry text form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
#include "platform/base/WinTypes.h"

#ifndef GUID_DEFINED
#define GUID_DEFINED
typedef struct _GUID {
  DWORD Data1;
  WORD Data2;
  WORD Data3;
  BYTE Data4[8];
} GUID;
#endif

typedef GUID CLSID;
typedef GUID IID;
typedef CLSID* LPCLSID;
typedef GUID* LPGUID;
typedef const GUID& REFGUID;
typedef const CLSID& REFCLSID;
typedef const IID& REFIID;
typedef OLECHAR* LPOLESTR;

inline bool IsEqualGUID(REFGUID a, REFGUID b) {
  if (a.Data1 != b.Data1 || a.Data2 != b.Data2 || a.Data3 != b.Data3) return false;
  for (int i = 0; i < 8; ++i)
    if (a.Data4[i] != b.Data4[i]) return false;
  return true;
}
inline bool IsEqualIID(REFIID a, REFIID b) { return IsEqualGUID(a, b); }
inline bool IsEqualCLSID(REFCLSID a, REFCLSID b) { return IsEqualGUID(a, b); }
inline bool operator==(const GUID& a, const GUID& b) { return IsEqualGUID(a, b); }
inline bool operator!=(const GUID& a, const GUID& b) { return !IsEqualGUID(a, b); }

extern const GUID GUID_NULL;
#define IID_NULL GUID_NULL
#define CLSID_NULL GUID_NULL

// Writes the braced text form with its terminator; returns the characters written, the
// terminator included (39), or 0 when the buffer holds fewer.
int StringFromGUID2(REFGUID guid, LPOLESTR text, int maxChars);

// The braced text form, or else a registered ProgID. CO_E_CLASSSTRING for anything else.
HRESULT CLSIDFromString(LPCOLESTR text, LPCLSID clsid);

namespace platform::com {

// The braced form without the ProgID fallback; false for any other text.
bool ParseGuid(const wchar_t* text, GUID* guid);

}  // namespace platform::com
