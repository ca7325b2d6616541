#include "app/records/PathExists.h"

bool PathExists(const CStringW& path, bool folderOnly) {
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW(path, &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  FindClose(search);
  return !folderOnly || (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}
