#include "platform/base/Resource.h"

#include <deque>
#include <mutex>
#include <string>

#include "platform/base/Crt.h"
#include "platform/base/Error.h"
#include "platform/base/Module.h"

#ifndef ERROR_RESOURCE_NAME_NOT_FOUND
#define ERROR_RESOURCE_NAME_NOT_FOUND 1814L
#endif

namespace {

struct Table {
  std::mutex mutex;
  std::deque<platform::ModuleResource> entries;  // handles point into it: never moved
};

Table& Resources() {
  static Table* table = new Table;  // outlives static destructors
  return *table;
}

// The folder names that stand for the numbered types.
struct NumberedType {
  WORD id;
  const char* folder;
};
const NumberedType kTypes[] = {{1, "cursor"}, {2, "bitmap"}, {3, "icon"}, {10, "rcdata"}, {14, "icon"}};

bool SameText(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (platform::ToLowerW(wchar_t(static_cast<unsigned char>(a[i]))) !=
        platform::ToLowerW(wchar_t(static_cast<unsigned char>(b[i])))) {
      return false;
    }
  }
  return true;
}

// A numbered name as its decimal text; a text name as ASCII (resource names are).
std::string NameText(LPCWSTR name) {
  if (IS_INTRESOURCE(name)) return std::to_string(static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(name)));
  std::string text;
  for (const wchar_t* p = name; *p != L'\0'; ++p) text.push_back(static_cast<char>(*p & 0x7F));
  if (!text.empty() && text[0] == '#') text.erase(0, 1);  // "#101" names number 101
  return text;
}

bool TypeMatches(const char* folder, LPCWSTR type) {
  if (!IS_INTRESOURCE(type)) return SameText(folder, NameText(type));
  const WORD id = static_cast<WORD>(reinterpret_cast<ULONG_PTR>(type));
  for (const NumberedType& known : kTypes) {
    if (known.id == id && SameText(folder, known.folder)) return true;
  }
  return false;
}

bool IsProgram(HMODULE module) { return module == nullptr || module == GetModuleHandleW(nullptr); }

const platform::ModuleResource* Entry(HRSRC resource) {
  return reinterpret_cast<const platform::ModuleResource*>(resource);
}

}  // namespace

HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType) {
  if (lpName == nullptr || lpType == nullptr || !IsProgram(hModule)) {
    SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
    return nullptr;
  }
  const std::string name = NameText(lpName);
  Table& table = Resources();
  std::lock_guard<std::mutex> lock(table.mutex);
  for (const platform::ModuleResource& entry : table.entries) {
    if (TypeMatches(entry.type, lpType) && SameText(entry.name, name)) {
      return reinterpret_cast<HRSRC>(const_cast<platform::ModuleResource*>(&entry));
    }
  }
  SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
  return nullptr;
}

HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo) {
  if (hResInfo == nullptr || !IsProgram(hModule)) return nullptr;
  return reinterpret_cast<HGLOBAL>(hResInfo);
}

DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo) {
  if (hResInfo == nullptr || !IsProgram(hModule)) return 0;
  return static_cast<DWORD>(Entry(hResInfo)->size);
}

LPVOID LockResource(HGLOBAL hResData) {
  if (hResData == nullptr) return nullptr;
  return const_cast<unsigned char*>(Entry(reinterpret_cast<HRSRC>(hResData))->data);
}

namespace platform {

void RegisterModuleResources(const ModuleResource* resources, size_t count) {
  Table& table = Resources();
  std::lock_guard<std::mutex> lock(table.mutex);
  for (size_t i = 0; i < count; ++i) table.entries.push_back(resources[i]);
}

}  // namespace platform
