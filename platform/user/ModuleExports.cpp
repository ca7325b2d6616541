#include "platform/user/ModuleExports.h"

#include <map>
#include <mutex>
#include <utility>

#include "platform/base/SystemModules.h"

namespace platform::user {
namespace {

struct Table {
  std::mutex mutex;
  std::map<std::pair<std::wstring, std::string>, void*> exports;  // by lower-case file name
};

// Registrations run before main: the table is made on first use.
Table& Exports() {
  static auto* table = new Table;
  return *table;
}

}  // namespace

void ModuleExports::Register(const wchar_t* module, const char* name, void* address) {
  if (!module || !name) return;
  const std::wstring key = SystemModuleCanonicalName(module);
  Table& table = Exports();
  std::lock_guard<std::mutex> lock(table.mutex);
  if (address) table.exports[{key, name}] = address;
  else table.exports.erase({key, name});
}

void* ModuleExports::Find(HMODULE module, const char* name) {
  const wchar_t* file = SystemModuleName(module);
  if (!file || !name) return nullptr;
  Table& table = Exports();
  std::lock_guard<std::mutex> lock(table.mutex);
  auto found = table.exports.find({file, name});
  return found == table.exports.end() ? nullptr : found->second;
}

}  // namespace platform::user
