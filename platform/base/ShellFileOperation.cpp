#include "platform/base/ShellFileOperation.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "platform/base/Error.h"
#include "platform/base/Path.h"

namespace {

namespace fs = std::filesystem;

// The paths of a list ending in an empty one.
std::vector<fs::path> PathList(LPCWSTR list) {
  std::vector<fs::path> paths;
  for (LPCWSTR item = list; item != nullptr && *item != L'\0';) {
    const std::wstring path(item);
    std::string native = platform::NativePath(path);
    while (native.size() > 1 && native.back() == '/') native.pop_back();
    paths.push_back(fs::path(native));
    item += path.size() + 1;
  }
  return paths;
}

// Whether `inner` is `outer` or lies below it.
bool IsWithin(const fs::path& inner, const fs::path& outer) {
  std::error_code error;
  const fs::path a = fs::weakly_canonical(inner, error);
  const fs::path b = fs::weakly_canonical(outer, error);
  auto mismatch = std::mismatch(b.begin(), b.end(), a.begin(), a.end());
  return mismatch.first == b.end();
}

int ResultOf(const std::error_code& error) {
  if (!error) return 0;
  return error == std::errc::permission_denied ? ERROR_ACCESS_DENIED : ERROR_WRITE_FAULT;
}

int Copy(const std::vector<fs::path>& sources, const fs::path& target) {
  for (const fs::path& source : sources) {
    std::error_code error;
    if (!fs::exists(source, error)) return ERROR_FILE_NOT_FOUND;
    const fs::path destination = target / source.filename();
    if (IsWithin(destination, source) && IsWithin(source, destination)) return DE_SAMEFILE;
    if (IsWithin(destination, source)) return DE_DESTSUBTREE;
  }
  std::error_code error;
  fs::create_directories(target, error);
  if (error) return ResultOf(error);
  for (const fs::path& source : sources) {
    const auto options = fs::copy_options::recursive | fs::copy_options::overwrite_existing;
    fs::copy(source, target / source.filename(), options, error);
    if (error) return ResultOf(error);
  }
  return 0;
}

}  // namespace

int SHFileOperationW(LPSHFILEOPSTRUCTW lpFileOp) {
  if (lpFileOp == nullptr) return ERROR_INVALID_PARAMETER;
  lpFileOp->fAnyOperationsAborted = FALSE;
  if (lpFileOp->wFunc != FO_COPY) return ERROR_INVALID_PARAMETER;
  const std::vector<fs::path> sources = PathList(lpFileOp->pFrom);
  const std::vector<fs::path> targets = PathList(lpFileOp->pTo);
  if (sources.empty() || targets.empty()) return DE_INVALIDFILES;
  return Copy(sources, targets.front());
}
