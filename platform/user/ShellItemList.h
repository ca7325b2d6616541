#pragma once
// The item lists the folder chooser hands out: one item naming either a file-system
// folder by its path or something else (a computer, a network place) by its name.
#include <string>

#include "platform/user/ShlObj.h"

namespace platform::user {

struct ShellItem {
  bool fileSystem = false;
  std::wstring text;  // the folder's path, or the other item's display name
};

class ShellItemList {
 public:
  // A list from the task allocator, null when memory is short.
  static PIDLIST_ABSOLUTE Make(const ShellItem& item);
  // False for a list this layer did not make.
  static bool Read(PCIDLIST_ABSOLUTE list, ShellItem* item);
  // What the chooser shows for an item: a folder's last name, "/" for the root.
  static std::wstring DisplayName(const ShellItem& item);
};

}  // namespace platform::user
