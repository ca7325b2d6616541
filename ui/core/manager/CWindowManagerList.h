#pragma once
// The process-wide list of window managers that have a window. Windows run on more
// than one thread (the alarm window has its own), so the list is locked; walkers
// take a snapshot, because what they call may create or destroy managers.
#include <cstdint>
#include <mutex>
#include <vector>

#include "platform/win32.h"

namespace SkinUI {

class CWindowManagerUI;

class CWindowManagerList {
 public:
  struct Entry {
    CWindowManagerUI* pManager;
    // Tells a manager from a later one that happens to get the same address.
    uint64_t nSerial;
    // The thread that joined, which owns the manager's window.
    DWORD dwThreadId;
  };

  static CWindowManagerList& Instance();

  // A manager is listed once, however often it joins.
  void Join(CWindowManagerUI* pManager);
  void Leave(CWindowManagerUI* pManager);
  std::vector<Entry> Snapshot() const;
  // True while the manager of a snapshot entry is still the one that joined.
  bool IsListed(const Entry& entry) const;

 private:
  CWindowManagerList() = default;

  mutable std::mutex m_mutex;
  std::vector<Entry> m_entries;
  uint64_t m_nNextSerial = 1;
};

}  // namespace SkinUI
