#pragma once
// The program's module resources: files of resources/<type>/<id or name>.<ext> in the
// source tree, compiled into the executable (embed_resources in CMake) and registered
// when it starts. Only the program's own module has resources.
#include <cstddef>

#include "platform/base/WinTypes.h"

#ifndef IS_INTRESOURCE
#define IS_INTRESOURCE(r) ((((ULONG_PTR)(r)) >> 16) == 0)
#endif
#ifndef MAKEINTRESOURCEW
#define MAKEINTRESOURCEW(i) ((LPWSTR)((ULONG_PTR)((WORD)(i))))
#endif
#ifndef MAKEINTRESOURCE
#define MAKEINTRESOURCE MAKEINTRESOURCEW
#endif

#define RT_CURSOR MAKEINTRESOURCEW(1)
#define RT_BITMAP MAKEINTRESOURCEW(2)
#define RT_ICON MAKEINTRESOURCEW(3)
#define RT_RCDATA MAKEINTRESOURCEW(10)
#define RT_GROUP_ICON MAKEINTRESOURCEW(14)

typedef struct HRSRC__* HRSRC;

// hModule null or the program's handle; names and types by number or by text (any case).
// A resource of the "icon" folder answers both RT_GROUP_ICON and RT_ICON.
HRSRC FindResourceW(HMODULE hModule, LPCWSTR lpName, LPCWSTR lpType);
HGLOBAL LoadResource(HMODULE hModule, HRSRC hResInfo);
DWORD SizeofResource(HMODULE hModule, HRSRC hResInfo);
// The resource's bytes, valid for the life of the process.
LPVOID LockResource(HGLOBAL hResData);

namespace platform {

// One compiled resource. type is the folder's name ("icon", "bitmap", "rcdata", or any
// other); name is the file's name without its extension, a number when all digits.
struct ModuleResource {
  const char* type;
  const char* name;
  const unsigned char* data;
  size_t size;
};

// Called by the compiled resource table when the program starts.
void RegisterModuleResources(const ModuleResource* resources, size_t count);

}  // namespace platform
