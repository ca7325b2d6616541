#pragma once
// Writes the crash dump of the current process into an open file, from inside a signal
// handler: only async-signal-safe calls, no allocation. The format is ours (there is no
// Windows minidump here); CrashDumpFormat.md beside this file describes it.
#include "platform/base/ExceptionFilter.h"

namespace platform {

class CrashDumpWriter {
 public:
  // Done once, outside any signal handler, before a dump may be needed: notes the
  // writable data segments of the modules loaded now and loads what the backtrace needs.
  static void Prepare();

  // pointers may be null (no exception information: no signal, registers or stack).
  // withDataSegments adds the writable data segments noted by Prepare.
  static bool Write(int fd, const EXCEPTION_POINTERS* pointers, DWORD threadId, bool withDataSegments);
};

}  // namespace platform
