#pragma once
// The process-wide unhandled-exception filter. A fatal signal (SIGSEGV, SIGBUS, SIGILL,
// SIGFPE, SIGABRT, which std::terminate raises through abort) on any thread calls the
// filter with an exception record of ours; whatever the filter answers, the signal's
// default action follows, so the process still ends as crashed and a debugger (a
// tracer) still sees the signal.
#include <signal.h>
#include <ucontext.h>

#include "platform/base/WinTypes.h"

#define EXCEPTION_EXECUTE_HANDLER 1
#define EXCEPTION_CONTINUE_SEARCH 0

#define EXCEPTION_ACCESS_VIOLATION 0xC0000005u
#define EXCEPTION_ILLEGAL_INSTRUCTION 0xC000001Du
#define EXCEPTION_INT_DIVIDE_BY_ZERO 0xC0000094u
#define EXCEPTION_IN_PAGE_ERROR 0xC0000006u
#define STATUS_FATAL_APP_EXIT 0x40000015u
#define EXCEPTION_NONCONTINUABLE 0x1

#define EXCEPTION_MAXIMUM_PARAMETERS 15

// ExceptionInformation[0] holds the signal number, [1] the fault address.
struct EXCEPTION_RECORD {
  DWORD ExceptionCode;
  DWORD ExceptionFlags;
  EXCEPTION_RECORD* ExceptionRecord;
  PVOID ExceptionAddress;
  DWORD NumberParameters;
  ULONG_PTR ExceptionInformation[EXCEPTION_MAXIMUM_PARAMETERS];
};
typedef EXCEPTION_RECORD* PEXCEPTION_RECORD;

// The faulting thread's state as the kernel handed it to the signal handler.
struct CONTEXT {
  int signal;
  siginfo_t* info;
  ucontext_t* native;
};
typedef CONTEXT* PCONTEXT;

struct EXCEPTION_POINTERS {
  PEXCEPTION_RECORD ExceptionRecord;
  PCONTEXT ContextRecord;
};
typedef EXCEPTION_POINTERS* PEXCEPTION_POINTERS;

typedef LONG(WINAPI* LPTOP_LEVEL_EXCEPTION_FILTER)(EXCEPTION_POINTERS* ExceptionInfo);
typedef LPTOP_LEVEL_EXCEPTION_FILTER PTOP_LEVEL_EXCEPTION_FILTER;

// Installs the filter (null removes it) and returns the previous one. Once the filter is
// locked, the call changes nothing and returns null.
LPTOP_LEVEL_EXCEPTION_FILTER SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER lpTopLevelExceptionFilter);

// True while a tracer is attached to the process ("TracerPid" of /proc/self/status).
// Safe inside a signal handler.
BOOL IsDebuggerPresent();

namespace platform {

// From now on SetUnhandledExceptionFilter changes nothing, whoever calls it.
void LockUnhandledExceptionFilter();

// Gives the calling thread an alternate signal stack, so that a stack overflow on it
// still reaches the filter. The thread that installs a filter gets one; other threads
// call this when they start (it is cheap and may be called again).
void PrepareThreadForCrashes();

}  // namespace platform
