#include "platform/com/ClassRegistry.h"

#include <algorithm>
#include <cwctype>

#include "platform/com/Apartment.h"

namespace platform::com {
namespace {

bool SameProgId(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    const wchar_t x = a[i] < 0x80 ? static_cast<wchar_t>(std::towlower(a[i])) : a[i];
    const wchar_t y = b[i] < 0x80 ? static_cast<wchar_t>(std::towlower(b[i])) : b[i];
    if (x != y) return false;
  }
  return true;
}

}  // namespace

std::vector<ClassRegistry::Entry>& ClassRegistry::Entries() {
  static std::vector<Entry> entries;
  return entries;
}

std::mutex& ClassRegistry::Mutex() {
  static std::mutex mutex;
  return mutex;
}

bool ClassRegistry::Register(const CLSID& clsid, const std::wstring& progId, Creator creator) {
  if (!creator) return false;
  std::lock_guard<std::mutex> lock(Mutex());
  auto& entries = Entries();
  entries.erase(std::remove_if(entries.begin(), entries.end(),
                               [&](const Entry& e) {
                                 return e.clsid == clsid || (!progId.empty() && SameProgId(e.progId, progId));
                               }),
                entries.end());
  entries.push_back(Entry{clsid, progId, std::move(creator)});
  return true;
}

bool ClassRegistry::Unregister(const CLSID& clsid) {
  std::lock_guard<std::mutex> lock(Mutex());
  auto& entries = Entries();
  const auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) { return e.clsid == clsid; });
  if (found == entries.end()) return false;
  entries.erase(found);
  return true;
}

bool ClassRegistry::Find(const CLSID& clsid, Creator* creator) {
  std::lock_guard<std::mutex> lock(Mutex());
  for (const Entry& entry : Entries()) {
    if (entry.clsid != clsid) continue;
    *creator = entry.creator;
    return true;
  }
  return false;
}

bool ClassRegistry::FindProgId(const std::wstring& progId, CLSID* clsid) {
  std::lock_guard<std::mutex> lock(Mutex());
  for (const Entry& entry : Entries()) {
    if (entry.progId.empty() || !SameProgId(entry.progId, progId)) continue;
    *clsid = entry.clsid;
    return true;
  }
  return false;
}

}  // namespace platform::com

using platform::com::ClassRegistry;

HRESULT CoCreateInstance(REFCLSID rclsid, LPUNKNOWN pUnkOuter, DWORD dwClsContext, REFIID riid, LPVOID* ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (pUnkOuter) return CLASS_E_NOAGGREGATION;
  if ((dwClsContext & CLSCTX_ALL) == 0) return E_INVALIDARG;
  if (platform::com::ThreadInitCount() == 0) return CO_E_NOTINITIALIZED;
  ClassRegistry::Creator creator;
  if (!ClassRegistry::Find(rclsid, &creator)) return REGDB_E_CLASSNOTREG;
  // The creator runs outside the registry's lock, so it may register or create in turn.
  return creator(riid, ppv);
}

HRESULT CLSIDFromProgID(LPCOLESTR lpszProgID, LPCLSID lpclsid) {
  if (!lpszProgID || !lpclsid) return E_INVALIDARG;
  if (ClassRegistry::FindProgId(lpszProgID, lpclsid)) return S_OK;
  *lpclsid = GUID_NULL;
  return CO_E_CLASSSTRING;
}
