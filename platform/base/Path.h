#pragma once
// Paths inside the program may be written with '\' as on Windows; the file system
// wants UTF-8 names with '/'. Every function of the layer that touches the file
// system goes through NativePath, and so does code that hands a path to the C
// library or Boost.Filesystem.
#include <cstddef>
#include <string>

namespace platform {

// A wide path as a UTF-8 file name with '/' separators. Forms this system has no
// use for (drive letters, UNC prefixes) are left as they are, separators aside.
std::string NativePath(const std::wstring& path);

// The same for a narrow path in the program's code page (GBK).
std::string NativePath(const std::string& gbkPath);

// Index of the last '\' or '/' in the path, npos when it has none. The one helper
// for cutting a path into folder and name, whichever separator it was written with.
size_t LastPathSeparator(const std::wstring& path);
size_t LastPathSeparator(const std::string& path);

}  // namespace platform
