#pragma once
// Where the preview finds its skin: the file named on the command line, or the
// sample skin in the "skin" folder beside the program. The framework reads skin
// files and their images relative to one resource folder, so a path is cut into
// that folder and the file's name.
#include <string>

namespace skinpreview {

struct SkinLocation {
  std::wstring folder;  // ends with a separator; empty for the current folder
  std::wstring file;

  // `commandLine` is the program's arguments as one text: one path, possibly in
  // double quotes. `instancePath` is the program's folder, ending with a separator.
  static SkinLocation FromCommandLine(const std::wstring& commandLine, const std::wstring& instancePath);
};

}  // namespace skinpreview
