#include "platform/base/InstanceCounter.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "platform/base/RuntimeFolder.h"

namespace platform {

namespace {

const char kFileVariable[] = "PATROL_INSTANCE_COUNTER";

// The read-modify-write step is locked with an open-file-description lock, which two
// counters opened by one process (tests) also respect, and which is independent of the
// liveness lock taken with flock.
class StepLock {
 public:
  explicit StepLock(int fd) : fd_(fd) { Set(F_WRLCK); }
  ~StepLock() { Set(F_UNLCK); }
  StepLock(const StepLock&) = delete;
  StepLock& operator=(const StepLock&) = delete;

 private:
  void Set(short type) {
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    while (fcntl(fd_, F_OFD_SETLKW, &lock) != 0 && errno == EINTR) {
    }
  }

  int fd_;
};

uint64_t Fnv1a(const std::string& text) {
  uint64_t hash = 1469598103934665603ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

}  // namespace

std::string InstanceCounter::ProgramFile() {
  const char* named = std::getenv(kFileVariable);
  if (named != nullptr && *named != '\0') return named;
  std::error_code error;
  const std::string executable = std::filesystem::canonical("/proc/self/exe", error).string();
  char name[64];
  std::snprintf(name, sizeof name, "patrol-%016llx-%u.count", static_cast<unsigned long long>(Fnv1a(executable)),
                static_cast<unsigned>(geteuid()));
  return UserRuntimeFolder() + "/" + name;
}

InstanceCounter& InstanceCounter::Program() {
  static InstanceCounter* counter = new InstanceCounter(ProgramFile());  // held until the process ends
  return *counter;
}

InstanceCounter::InstanceCounter(const std::string& path) {
  fd_ = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
  if (fd_ < 0) return;
  // Alone with the file: whatever count it holds was left by processes that are gone.
  if (flock(fd_, LOCK_EX | LOCK_NB) == 0) {
    StepLock step(fd_);
    Write(0);
  }
  // A conversion is not atomic, but resets happen only under the exclusive lock and
  // raises only under the shared one, so they never meet.
  while (flock(fd_, LOCK_SH) != 0 && errno == EINTR) {
  }
}

InstanceCounter::~InstanceCounter() {
  if (fd_ >= 0) close(fd_);
}

bool InstanceCounter::RaiseIfZero() {
  if (fd_ < 0) return true;  // no shared count to keep: the start goes on
  StepLock step(fd_);
  if (Read() >= 1) return false;
  Write(1);
  return true;
}

void InstanceCounter::Lower() {
  if (fd_ < 0) return;
  StepLock step(fd_);
  const int value = Read();
  if (value > 0) Write(value - 1);
}

int InstanceCounter::Value() const {
  if (fd_ < 0) return 0;
  StepLock step(fd_);
  return Read();
}

int InstanceCounter::Read() const {
  int32_t value = 0;
  if (pread(fd_, &value, sizeof value, 0) != static_cast<ssize_t>(sizeof value)) return 0;
  return value;
}

void InstanceCounter::Write(int value) const {
  const int32_t stored = value;
  if (pwrite(fd_, &stored, sizeof stored, 0) != static_cast<ssize_t>(sizeof stored)) {
    // A full disk leaves the old count; the next start then decides on that.
  }
}

}  // namespace platform
