#pragma once
// One count shared by every running process of the program, so that a second start can
// tell that the program already runs. It lives in a small file in the user's runtime
// folder, named from the executable's path and the user; PATROL_INSTANCE_COUNTER names
// another file (tests). Every process holds a shared lock on the file for its life: a
// process that opens the file and finds no other holder knows that the processes that
// left a count behind are gone (a crash included), and starts again from zero.
#include <string>

namespace platform {

class InstanceCounter {
 public:
  // The counter of this program, opened on first use and held until the process ends.
  static InstanceCounter& Program();
  // The file the program's counter uses.
  static std::string ProgramFile();

  // Opens (creating) the counter file and takes the process's shared lock on it.
  explicit InstanceCounter(const std::string& path);
  ~InstanceCounter();
  InstanceCounter(const InstanceCounter&) = delete;
  InstanceCounter& operator=(const InstanceCounter&) = delete;

  bool IsOpen() const { return fd_ >= 0; }
  // In one locked step: false when the count is 1 or more, else the count becomes 1.
  // Two processes that try at the same instant never both succeed.
  bool RaiseIfZero();
  // One less, never below zero.
  void Lower();
  // 0 when the file could not be opened.
  int Value() const;

 private:
  int Read() const;
  void Write(int value) const;

  int fd_ = -1;
};

}  // namespace platform
