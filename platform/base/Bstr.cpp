#include "platform/base/Bstr.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>

namespace {

// The block holds the length in bytes, then the characters and a terminator.
struct BstrHeader {
  DWORD bytes;
};
static_assert(sizeof(BstrHeader) % alignof(OLECHAR) == 0, "characters must stay aligned");

BstrHeader* HeaderOf(BSTR bstr) { return reinterpret_cast<BstrHeader*>(bstr) - 1; }

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  const size_t bytes = static_cast<size_t>(length) * sizeof(OLECHAR);
  if (bytes > 0xFFFFFFF0u) return nullptr;
  void* block = std::malloc(sizeof(BstrHeader) + bytes + sizeof(OLECHAR));
  if (!block) return nullptr;
  BstrHeader* header = static_cast<BstrHeader*>(block);
  header->bytes = static_cast<DWORD>(bytes);
  BSTR chars = reinterpret_cast<BSTR>(header + 1);
  if (text) std::memcpy(chars, text, bytes);
  else std::memset(chars, 0, bytes);
  chars[length] = L'\0';
  return chars;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  return SysAllocStringLen(text, static_cast<UINT>(std::wcslen(text)));
}

INT SysReAllocString(BSTR* bstr, const OLECHAR* text) {
  if (!bstr) return FALSE;
  BSTR copy = SysAllocString(text);
  if (text && !copy) return FALSE;
  SysFreeString(*bstr);
  *bstr = copy;
  return TRUE;
}

void SysFreeString(BSTR bstr) {
  if (bstr) std::free(HeaderOf(bstr));
}

UINT SysStringLen(BSTR bstr) { return bstr ? HeaderOf(bstr)->bytes / sizeof(OLECHAR) : 0; }
