#include "platform/base/Error.h"

namespace {
// Each thread has its own last error, as on Windows.
thread_local DWORD t_lastError = ERROR_SUCCESS;
}  // namespace

DWORD GetLastError() { return t_lastError; }

void SetLastError(DWORD dwErrCode) { t_lastError = dwErrCode; }
