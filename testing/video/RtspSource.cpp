#include "testing/video/RtspSource.h"

#include <chrono>
#include <csignal>
#include <cstring>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CommonTools/CameraUrl.h"

#ifndef PATROL_SOURCE_DIR
#error "PATROL_SOURCE_DIR names the source tree, where scripts/rtsp-source is"
#endif

namespace test_support {
namespace {

// GStreamer loads its plug-ins on a first start; well past that, something is wrong.
const int kStartLimitMs = 30000;

// The path of a stream kind as the brand's camera address has it, without a query.
std::string PathOf(char brand, int kind) {
  const std::string prefix = "rtsp://u:p@h:554";
  std::string url = CommonTools::build_rtsp_url("h", kind, brand, "u", "p");
  if (url.compare(0, prefix.size(), prefix) != 0) return std::string();
  url.erase(0, prefix.size());
  return url.substr(0, url.find('?'));
}

}  // namespace

RtspSource::RtspSource(const Options& options) : options_(options) { Start(); }

RtspSource::~RtspSource() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  int status = 0;
  waitpid(pid_, &status, 0);
}

std::string RtspSource::Url(int kind) const { return Url(kind, options_.password); }

std::string RtspSource::Url(int kind, const std::string& password) const {
  return CommonTools::build_rtsp_url(address_, kind, options_.brand, options_.user, password);
}

void RtspSource::Start() {
  const std::string mainPath = PathOf(options_.brand, 1);
  const std::string subPath = PathOf(options_.brand, 2);
  if (mainPath.empty() || subPath.empty() || mainPath == subPath) {
    error_ = "brand " + std::to_string(int(options_.brand)) + " has no two stream paths to serve";
    return;
  }
  std::vector<std::string> args = {"/usr/bin/python3", std::string(PATROL_SOURCE_DIR) + "/scripts/rtsp-source",
                                   "--user", options_.user, "--password", options_.password,
                                   "--main", mainPath, "--sub", subPath, "--main-size", options_.mainSize};
  if (!options_.main) args.push_back("--no-main");
  if (!options_.sub) args.push_back("--no-sub");
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);

  int out[2];
  if (pipe2(out, O_CLOEXEC) != 0) {
    error_ = std::string("pipe: ") + std::strerror(errno);
    return;
  }
  const pid_t parent = getpid();
  pid_ = fork();
  if (pid_ == 0) {
    // The source goes with the test, however the test ends.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(1);
    dup2(out[1], STDOUT_FILENO);
    execv(argv[0], argv.data());
    _exit(127);
  }
  close(out[1]);
  if (pid_ < 0) {
    error_ = std::string("fork: ") + std::strerror(errno);
    close(out[0]);
    return;
  }
  AwaitReady(out[0]);
  close(out[0]);
}

void RtspSource::AwaitReady(int fd) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(kStartLimitMs);
  std::string line;
  for (;;) {
    const auto left =
        std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now()).count();
    pollfd p{fd, POLLIN, 0};
    if (left <= 0 || poll(&p, 1, int(left)) <= 0) {
      error_ = "scripts/rtsp-source did not start within " + std::to_string(kStartLimitMs / 1000) + " s";
      return;
    }
    char c;
    if (read(fd, &c, 1) != 1) {
      error_ = "scripts/rtsp-source ended before it listened (python3-gi and gir1.2-gst-rtsp-server-1.0 installed?)";
      return;
    }
    if (c != '\n') {
      line += c;
      continue;
    }
    if (line.compare(0, 6, "READY ") == 0) {
      address_ = line.substr(6);
      return;
    }
    if (line.compare(0, 6, "ERROR ") == 0) {
      error_ = "scripts/rtsp-source: " + line.substr(6);
      return;
    }
    line.clear();
  }
}

}  // namespace test_support
