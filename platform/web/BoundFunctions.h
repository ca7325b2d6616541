#pragma once
// The native functions pages may call, by name, for the whole process.
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/web/Wke.h"

namespace platform::web {

class BoundFunctions {
 public:
  static BoundFunctions& Instance();

  // False for an empty name or a null function. Binding a name again replaces it.
  bool Bind(const std::string& name, jsNativeFunction function, unsigned argCount);
  // Null when nothing is bound under the name.
  jsNativeFunction Find(const std::string& name) const;
  std::vector<std::string> Names() const;

 private:
  struct Binding {
    jsNativeFunction function = nullptr;
    unsigned argCount = 0;
  };

  mutable std::mutex mutex_;
  std::map<std::string, Binding> bindings_;
};

}  // namespace platform::web
