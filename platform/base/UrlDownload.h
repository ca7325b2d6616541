#pragma once
// Downloading a URL into a file, as the shell's URL monikers do it.
#include "platform/base/WinTypes.h"

// Failure codes of the download, with the values Windows gives them.
#define INET_E_INVALID_URL ((HRESULT)0x800C0002L)
#define INET_E_CANNOT_CONNECT ((HRESULT)0x800C0004L)
#define INET_E_RESOURCE_NOT_FOUND ((HRESULT)0x800C0005L)
#define INET_E_DOWNLOAD_FAILURE ((HRESULT)0x800C0008L)
#define INET_E_CONNECTION_TIMEOUT ((HRESULT)0x800C000BL)

// Fetches the URL (following redirects) into the file: S_OK once the whole body is there.
// An HTTP status of 400 or more, a refused or timed-out connection (10 s to connect, 30 s
// without data) or a file that cannot be written is a failure. The body goes to a
// temporary file beside the target, which takes the target's name only on success, so a
// failed download leaves no file and never replaces a good one. The caller, the reserved
// value and the callback are not used.
HRESULT URLDownloadToFileW(LPVOID pCaller, LPCWSTR szURL, LPCWSTR szFileName, DWORD dwReserved, LPVOID lpfnCB);
