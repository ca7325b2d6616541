#include "platform/user/ShellItemList.h"

#include <cstring>
#include <limits>

namespace platform::user {
namespace {

// After cb: a mark, the kind, then the text's characters and a terminating zero.
const BYTE kMark[4] = {'P', 'L', 'S', 'I'};
const BYTE kFileSystem = 1;
const BYTE kOther = 2;
const size_t kHeader = sizeof(USHORT) + sizeof(kMark) + 1;

}  // namespace

PIDLIST_ABSOLUTE ShellItemList::Make(const ShellItem& item) {
  const size_t itemSize = kHeader + (item.text.size() + 1) * sizeof(wchar_t);
  if (itemSize > std::numeric_limits<USHORT>::max()) return nullptr;
  BYTE* bytes = static_cast<BYTE*>(CoTaskMemAlloc(itemSize + sizeof(USHORT)));
  if (bytes == nullptr) return nullptr;
  const USHORT cb = static_cast<USHORT>(itemSize);
  std::memcpy(bytes, &cb, sizeof cb);
  std::memcpy(bytes + sizeof cb, kMark, sizeof kMark);
  bytes[sizeof cb + sizeof kMark] = item.fileSystem ? kFileSystem : kOther;
  std::memcpy(bytes + kHeader, item.text.c_str(), (item.text.size() + 1) * sizeof(wchar_t));
  const USHORT end = 0;
  std::memcpy(bytes + itemSize, &end, sizeof end);
  return reinterpret_cast<PIDLIST_ABSOLUTE>(bytes);
}

bool ShellItemList::Read(PCIDLIST_ABSOLUTE list, ShellItem* item) {
  if (list == nullptr) return false;
  const BYTE* bytes = reinterpret_cast<const BYTE*>(list);
  USHORT cb = 0;
  std::memcpy(&cb, bytes, sizeof cb);
  if (cb < kHeader + sizeof(wchar_t) || std::memcmp(bytes + sizeof cb, kMark, sizeof kMark) != 0) return false;
  const BYTE kind = bytes[sizeof cb + sizeof kMark];
  if (kind != kFileSystem && kind != kOther) return false;
  const size_t count = (cb - kHeader) / sizeof(wchar_t) - 1;
  std::wstring text(count, L'\0');
  std::memcpy(&text[0], bytes + kHeader, count * sizeof(wchar_t));
  item->fileSystem = kind == kFileSystem;
  item->text = text;
  return true;
}

std::wstring ShellItemList::DisplayName(const ShellItem& item) {
  if (!item.fileSystem) return item.text;
  std::wstring path = item.text;
  while (path.size() > 1 && (path.back() == L'/' || path.back() == L'\\')) path.pop_back();
  const size_t cut = path.find_last_of(L"/\\");
  if (cut == std::wstring::npos || path.size() == 1) return path;
  return path.substr(cut + 1);
}

}  // namespace platform::user
