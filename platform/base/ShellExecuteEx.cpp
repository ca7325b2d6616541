#include "platform/base/ShellExecuteEx.h"

#include <cstddef>

#include "platform/base/Error.h"
#include "platform/base/Shell.h"

namespace {

// The size a caller's structure must have for every field read or written here.
const size_t kCoveredSize = offsetof(SHELLEXECUTEINFOW, hInstApp) + sizeof(HINSTANCE);

DWORD ErrorOf(INT_PTR code) {
  switch (code) {
    case SE_ERR_FNF:
      return ERROR_FILE_NOT_FOUND;
    case SE_ERR_PNF:
      return ERROR_PATH_NOT_FOUND;
    case SE_ERR_OOM:
      return ERROR_NOT_ENOUGH_MEMORY;
    case SE_ERR_NOASSOC:
      return ERROR_NO_ASSOCIATION;
    default:
      return ERROR_ACCESS_DENIED;
  }
}

}  // namespace

BOOL ShellExecuteExW(SHELLEXECUTEINFOW* pExecInfo) {
  if (pExecInfo == nullptr || pExecInfo->cbSize < kCoveredSize) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  const HINSTANCE result = ShellExecuteW(pExecInfo->hwnd, pExecInfo->lpVerb, pExecInfo->lpFile,
                                         pExecInfo->lpParameters, pExecInfo->lpDirectory, pExecInfo->nShow);
  pExecInfo->hInstApp = result;
  const INT_PTR code = reinterpret_cast<INT_PTR>(result);
  if (code > 32) return TRUE;
  SetLastError(ErrorOf(code));
  return FALSE;
}
