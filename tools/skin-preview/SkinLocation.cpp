#include "tools/skin-preview/SkinLocation.h"

#include "platform/base/Path.h"

namespace skinpreview {
namespace {

const wchar_t kSampleFolder[] = L"skin\\";
const wchar_t kSampleFile[] = L"preview.xml";

std::wstring Trimmed(const std::wstring& text) {
  const size_t first = text.find_first_not_of(L" \t");
  if (first == std::wstring::npos) return std::wstring();
  const size_t last = text.find_last_not_of(L" \t");
  std::wstring inner = text.substr(first, last - first + 1);
  // A path with spaces comes quoted; only a matching pair is taken off.
  if (inner.size() >= 2 && inner.front() == L'"' && inner.back() == L'"') inner = inner.substr(1, inner.size() - 2);
  return inner;
}

}  // namespace

SkinLocation SkinLocation::FromCommandLine(const std::wstring& commandLine, const std::wstring& instancePath) {
  const std::wstring path = Trimmed(commandLine);
  if (path.empty()) return SkinLocation{instancePath + kSampleFolder, kSampleFile};
  const size_t separator = platform::LastPathSeparator(path);
  if (separator == std::wstring::npos) return SkinLocation{std::wstring(), path};
  return SkinLocation{path.substr(0, separator + 1), path.substr(separator + 1)};
}

}  // namespace skinpreview
