#pragma once
// The live drawing handles. A handle is the object's address; the table tells live
// objects from stale or foreign pointers, so calls on them fail instead of crashing.
#include "platform/base/WinTypes.h"

namespace platform::gdi {

class GdiObject;

class ObjectTable {
 public:
  static void Add(GdiObject* object);
  static void Remove(GdiObject* object);
  // The live object behind a handle, or null.
  static GdiObject* Find(const void* handle);
  // The live object of `type` behind a handle, or null.
  template <typename T>
  static T* FindAs(const void* handle, DWORD type) {
    GdiObject* object = Find(handle);
    return object && TypeOf(object) == type ? static_cast<T*>(object) : nullptr;
  }

 private:
  static DWORD TypeOf(const GdiObject* object);
};

}  // namespace platform::gdi
