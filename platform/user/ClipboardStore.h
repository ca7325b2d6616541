#pragma once
// What the clipboard holds for the process: one opener at a time, the blocks set per
// format (the clipboard owns them), and the desktop's clipboard behind it when the
// backend shares one with other programs. Its own lock, never the user lock: reading
// another program's text may wait a few seconds.
#include <map>
#include <mutex>
#include <string>

#include "platform/base/WinTypes.h"

namespace platform::user {

class ClipboardStore {
 public:
  static ClipboardStore& Instance();

  bool Open();
  bool Close();
  bool Empty();
  HANDLE Set(UINT format, HANDLE block);
  HANDLE Get(UINT format);
  bool Available(UINT format);

 private:
  ClipboardStore() = default;
  // Lock held.
  bool OpenedHere() const;
  void FreeAll();
  // The text another program holds, made the clipboard's own block; false when the
  // program's own clipboard is the desktop's.
  bool TakeForeignText();

  std::mutex mutex_;
  DWORD openerThread_ = 0;
  bool changed_ = false;
  std::map<UINT, HANDLE> blocks_;
};

}  // namespace platform::user
