#pragma once
// Functions of the system libraries that live above this layer (the text services of
// "Riched20.dll" and "msftedit.dll"): their library registers them by name when the
// program starts, and GetProcAddress finds them here.
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::user {

class ModuleExports {
 public:
  // `module` is a system library's file name in any case ("Riched20.dll"); a null
  // address takes the function away again.
  static void Register(const wchar_t* module, const char* name, void* address);
  // Null when the library does not export the name.
  static void* Find(HMODULE module, const char* name);
};

}  // namespace platform::user
