#pragma once
// The loopback camera of scripts/rtsp-source, started for one test: the main and sub
// stream paths of one camera brand, behind an account and password, on port 554 of a
// loopback address of its own. Ends with the object (and with the test process).
#include <string>
#include <sys/types.h>

namespace test_support {

class RtspSource {
 public:
  struct Options {
    char brand = 2;  // a brand whose two paths differ before any query: 2 or 3
    std::string user = "admin";
    std::string password = "12345";
    bool main = true;
    bool sub = true;
    std::string mainSize = "640x360";
  };

  explicit RtspSource(const Options& options);
  ~RtspSource();
  RtspSource(const RtspSource&) = delete;
  RtspSource& operator=(const RtspSource&) = delete;

  // True once it listens; else Error() says why (port 554 needs root, a package is
  // missing, it did not start in time).
  bool Ready() const { return !address_.empty(); }
  const std::string& Error() const { return error_; }
  const std::string& Address() const { return address_; }
  // The camera address of a stream kind (1 main, 2 sub), with the account and password.
  std::string Url(int kind) const;
  // The same with another password.
  std::string Url(int kind, const std::string& password) const;

 private:
  void Start();
  void AwaitReady(int fd);

  Options options_;
  pid_t pid_ = -1;
  std::string address_;
  std::string error_;
};

}  // namespace test_support
