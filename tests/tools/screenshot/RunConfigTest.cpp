// The Config.ini a plain `scripts/run` leaves beside the program: written on the first
// run, pointed at this run's campus server when it names a local campus on another
// port, and kept when it names a real campus. The build here is a stand-in whose
// program only shows what it was given, beside the real campus server.
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

namespace {

namespace fs = std::filesystem;

// A port nothing listens on now.
int FreePort() {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  const bool bound = bind(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
                     getsockname(probe, reinterpret_cast<sockaddr*>(&address), &length) == 0;
  close(probe);
  return bound ? ntohs(address.sin_port) : 0;
}

std::string FileText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

std::string Config(const std::string& base, const std::string& server) {
  return "[LoginInfo]\r\nQVBaseAddr=" + base + "\r\nServerAddr=" + server + "\r\nOutSideSchool=0\r\n";
}

struct ConfigCase {
  const char* what;
  std::string before;  // empty: no Config.ini yet
  std::string after;   // "PORT" stands for the run's port
};

std::ostream& operator<<(std::ostream& out, const ConfigCase& c) { return out << c.what; }

class RunConfig : public ::testing::TestWithParam<ConfigCase> {};

TEST_P(RunConfig, NamesTheCampusOfThisRun) {
  const ConfigCase& c = GetParam();
  std::string scratch = std::string(SCRATCH_PARENT) + "/build.XXXXXX";
  ASSERT_NE(mkdtemp(&scratch[0]), nullptr);
  const fs::path build = scratch;
  fs::create_directories(build / "app/client");
  fs::create_directories(build / "tools/campus-server");
  fs::create_symlink(CAMPUS_SERVER_PATH, build / "tools/campus-server/campus-server");
  const fs::path program = build / "app/client/patrol-client";
  std::ofstream(program) << "#!/bin/sh\nexit 0\n";
  fs::permissions(program, fs::perms::owner_all);
  const fs::path config = build / "app/client/Config.ini";
  if (!c.before.empty()) std::ofstream(config, std::ios::binary) << c.before;
  const std::string port = std::to_string(FreePort());

  // No sbin on the path: the run finds no broker to start, whatever listens on its port.
  const std::string command = "PATH=/usr/local/bin:/usr/bin:/bin CAMPUS_PORT=" + port + " BUILD_DIR='" +
                              build.string() + "' " + RUN_SCRIPT + " >/dev/null 2>&1";
  EXPECT_EQ(std::system(command.c_str()), 0);

  std::string expected = c.after;
  for (size_t at = expected.find("PORT"); at != std::string::npos; at = expected.find("PORT")) {
    expected.replace(at, 4, port);
  }
  EXPECT_EQ(FileText(config), expected);
  fs::remove_all(build);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunConfig,
    ::testing::Values(
        ConfigCase{"first run", "", Config("http://127.0.0.1:PORT/", "http://127.0.0.1:PORT/")},
        ConfigCase{"a local campus on another port",
                   Config("http://127.0.0.1:8090/", "http://127.0.0.1:8090/"),
                   Config("http://127.0.0.1:PORT/", "http://127.0.0.1:PORT/")},
        ConfigCase{"a real campus", Config("http://10.1.2.3:8090/", "http://campus.example.edu/"),
                   Config("http://10.1.2.3:8090/", "http://campus.example.edu/")}));

}  // namespace
