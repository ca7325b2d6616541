#include "platform/gdi/ObjectTable.h"

#include <mutex>
#include <unordered_set>

#include "platform/gdi/GdiObject.h"

namespace platform::gdi {
namespace {

struct Table {
  std::mutex mutex;
  std::unordered_set<const void*> live;
};

Table& TheTable() {
  static Table* table = new Table;  // outlives every static object that holds handles
  return *table;
}

}  // namespace

void ObjectTable::Add(GdiObject* object) {
  Table& table = TheTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  table.live.insert(object);
}

void ObjectTable::Remove(GdiObject* object) {
  Table& table = TheTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  table.live.erase(object);
}

GdiObject* ObjectTable::Find(const void* handle) {
  if (!handle) return nullptr;
  Table& table = TheTable();
  std::lock_guard<std::mutex> lock(table.mutex);
  if (table.live.count(handle) == 0) return nullptr;
  return static_cast<GdiObject*>(const_cast<void*>(handle));
}

DWORD ObjectTable::TypeOf(const GdiObject* object) { return object->Type(); }

}  // namespace platform::gdi
