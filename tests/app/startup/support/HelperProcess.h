#pragma once
// The helper program (helper/StartupHelper.cpp) run as the other process of a test.
#include <fcntl.h>
#include <signal.h>
#include <sys/ptrace.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace startuptest {

// One run of the helper, with its own counter file and working folder.
class Helper {
 public:
  Helper(const std::vector<std::string>& arguments, const std::filesystem::path& folder, bool traced = false) {
    int toChild[2];
    int fromChild[2];
    if (pipe2(toChild, O_CLOEXEC) != 0 || pipe2(fromChild, O_CLOEXEC) != 0) return;
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(STARTUP_HELPER));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_ = fork();
    if (pid_ == 0) {
      dup2(toChild[0], 0);
      dup2(fromChild[1], 1);
      if (chdir(folder.c_str()) != 0) _exit(126);
      if (traced) ptrace(PTRACE_TRACEME, 0, nullptr, nullptr);
      execve(STARTUP_HELPER, argv.data(), environ);
      _exit(127);
    }
    close(toChild[0]);
    close(fromChild[1]);
    in_ = toChild[1];
    out_ = fromChild[0];
  }
  ~Helper() {
    if (in_ >= 0) close(in_);
    if (out_ >= 0) close(out_);
    if (pid_ > 0 && !reaped_) {
      kill(pid_, SIGKILL);
      waitpid(pid_, nullptr, 0);
    }
  }

  pid_t pid() const { return pid_; }
  // The first line it wrote.
  std::string Line() {
    std::string line;
    char c;
    while (read(out_, &c, 1) == 1 && c != '\n') line.push_back(c);
    return line;
  }
  // Lets a holding helper end.
  void Release() {
    close(in_);
    in_ = -1;
  }
  int Wait() {
    int status = 0;
    waitpid(pid_, &status, 0);
    reaped_ = true;
    return status;
  }

 private:
  pid_t pid_ = -1;
  int in_ = -1;
  int out_ = -1;
  bool reaped_ = false;
};

}  // namespace startuptest
