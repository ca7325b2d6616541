#pragma once
// Registered window classes, keyed by (name, instance); system classes have a null
// instance and are found from any instance, and a null instance otherwise stands for
// the program's module. Records are never freed: windows keep pointers to their class.
#include <memory>
#include <vector>

#include "platform/user/ClassRecord.h"

namespace platform::user {

class WindowClassRegistry {
 public:
  static WindowClassRegistry& Instance();

  // Caller holds the user lock. Null and a last error on failure.
  ClassRecord* Register(const WNDCLASSEXW& info, bool system);
  // The class a window of `instance` would get: the instance's own, else a system or
  // global class. `name` may be an atom.
  ClassRecord* Find(LPCWSTR name, HINSTANCE instance);
  // A system or global class only: what a look-up without a module finds.
  ClassRecord* FindShared(LPCWSTR name);
  // Refused while windows of the class exist.
  bool Unregister(LPCWSTR name, HINSTANCE instance);

 private:
  WindowClassRegistry() = default;
  bool Matches(const ClassRecord& record, LPCWSTR name) const;

  std::vector<std::unique_ptr<ClassRecord>> classes_;
  ATOM nextAtom_ = 0xC000;
};

}  // namespace platform::user
