#include "platform/base/ExceptionFilter.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "platform/base/CrashDumpWriter.h"

namespace {

const int kFatalSignals[] = {SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGABRT};

std::atomic<LPTOP_LEVEL_EXCEPTION_FILTER> g_filter{nullptr};
std::atomic<bool> g_locked{false};
std::atomic<bool> g_installed{false};
// Set by the first thread that crashes; a second crash meanwhile (on another thread, or
// inside the filter) goes straight to the default action.
std::atomic<bool> g_handling{false};

DWORD CodeOf(int signal) {
  switch (signal) {
    case SIGSEGV: return EXCEPTION_ACCESS_VIOLATION;
    case SIGBUS: return EXCEPTION_IN_PAGE_ERROR;
    case SIGILL: return EXCEPTION_ILLEGAL_INSTRUCTION;
    case SIGFPE: return EXCEPTION_INT_DIVIDE_BY_ZERO;
    default: return STATUS_FATAL_APP_EXIT;
  }
}

void Die(int signal) {
  struct sigaction fallback;
  std::memset(&fallback, 0, sizeof fallback);
  fallback.sa_handler = SIG_DFL;
  sigemptyset(&fallback.sa_mask);
  sigaction(signal, &fallback, nullptr);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal);
  pthread_sigmask(SIG_UNBLOCK, &only, nullptr);
  raise(signal);
  _exit(128 + signal);  // a signal whose default is to go on: end anyway
}

void OnFatalSignal(int signal, siginfo_t* info, void* native) {
  if (g_handling.exchange(true)) Die(signal);
  LPTOP_LEVEL_EXCEPTION_FILTER filter = g_filter.load();
  if (filter != nullptr) {
    EXCEPTION_RECORD record;
    std::memset(&record, 0, sizeof record);
    record.ExceptionCode = CodeOf(signal);
    record.ExceptionFlags = EXCEPTION_NONCONTINUABLE;
    record.ExceptionAddress = info != nullptr ? info->si_addr : nullptr;
    record.NumberParameters = 2;
    record.ExceptionInformation[0] = static_cast<ULONG_PTR>(signal);
    record.ExceptionInformation[1] = reinterpret_cast<ULONG_PTR>(record.ExceptionAddress);
    CONTEXT context = {signal, info, static_cast<ucontext_t*>(native)};
    EXCEPTION_POINTERS pointers = {&record, &context};
    filter(&pointers);
  }
  Die(signal);
}

void InstallHandlers() {
  if (g_installed.exchange(true)) return;
  platform::CrashDumpWriter::Prepare();
  struct sigaction action;
  std::memset(&action, 0, sizeof action);
  action.sa_sigaction = &OnFatalSignal;
  action.sa_flags = SA_SIGINFO | SA_ONSTACK;
  sigemptyset(&action.sa_mask);
  for (int signal : kFatalSignals) sigaction(signal, &action, nullptr);
}

}  // namespace

LPTOP_LEVEL_EXCEPTION_FILTER SetUnhandledExceptionFilter(LPTOP_LEVEL_EXCEPTION_FILTER lpTopLevelExceptionFilter) {
  if (g_locked.load()) return nullptr;
  if (lpTopLevelExceptionFilter != nullptr) {
    platform::PrepareThreadForCrashes();
    InstallHandlers();
  }
  return g_filter.exchange(lpTopLevelExceptionFilter);
}

BOOL IsDebuggerPresent() {
  const int fd = open("/proc/self/status", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return FALSE;
  char text[4096];
  ssize_t length = read(fd, text, sizeof text - 1);
  close(fd);
  if (length <= 0) return FALSE;
  text[length] = '\0';
  const char key[] = "TracerPid:";
  const char* at = std::strstr(text, key);
  if (at == nullptr) return FALSE;
  at += sizeof key - 1;
  while (*at == ' ' || *at == '\t') ++at;
  long pid = 0;
  while (*at >= '0' && *at <= '9') pid = pid * 10 + (*at++ - '0');
  return pid != 0 ? TRUE : FALSE;
}

namespace platform {

void LockUnhandledExceptionFilter() { g_locked.store(true); }

namespace {

// A thread's alternate signal stack, given back when the thread ends.
class AlternateStack {
 public:
  AlternateStack() {
    stack_t stack;
    std::memset(&stack, 0, sizeof stack);
    stack.ss_size = kSize;
    stack.ss_sp = memory_;
    active_ = sigaltstack(&stack, nullptr) == 0;
  }
  ~AlternateStack() {
    if (!active_) return;
    stack_t off;
    std::memset(&off, 0, sizeof off);
    off.ss_flags = SS_DISABLE;
    sigaltstack(&off, nullptr);
  }
  AlternateStack(const AlternateStack&) = delete;
  AlternateStack& operator=(const AlternateStack&) = delete;

 private:
  static constexpr size_t kSize = 64 * 1024;
  char memory_[kSize];
  bool active_ = false;
};

}  // namespace

void PrepareThreadForCrashes() {
  thread_local std::unique_ptr<AlternateStack> stack;
  if (!stack) stack = std::make_unique<AlternateStack>();
}

}  // namespace platform
