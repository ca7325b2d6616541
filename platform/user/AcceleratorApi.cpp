#include <map>
#include <mutex>
#include <vector>

#include "platform/base/Error.h"
#include "platform/user/Accelerator.h"

namespace {

// Tables are made on any thread; handles count up and are never used twice.
struct AcceleratorTables {
  std::mutex lock;
  uintptr_t next = 0x100;
  std::map<uintptr_t, std::vector<ACCEL>> tables;
};

AcceleratorTables& Tables() {
  static AcceleratorTables tables;
  return tables;
}

}  // namespace

HACCEL CreateAcceleratorTableW(LPACCEL paccel, int cAccel) {
  if (paccel == nullptr || cAccel < 1) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  AcceleratorTables& all = Tables();
  std::lock_guard<std::mutex> guard(all.lock);
  const uintptr_t handle = all.next;
  all.next += 4;
  all.tables.emplace(handle, std::vector<ACCEL>(paccel, paccel + cAccel));
  return reinterpret_cast<HACCEL>(handle);
}

BOOL DestroyAcceleratorTable(HACCEL hAccel) {
  AcceleratorTables& all = Tables();
  std::lock_guard<std::mutex> guard(all.lock);
  if (all.tables.erase(reinterpret_cast<uintptr_t>(hAccel)) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  return TRUE;
}
