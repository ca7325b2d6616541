// A plain `scripts/run` against a stand-in build: its program is a script that records
// what the run gave it (the user its login session names, the broker the campus server
// names), beside the real campus server and a cmake that only notes its calls. No row
// starts a broker: nothing passes --broker, and no sbin is on the path.
#include <netinet/in.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "tests/tools/screenshot/ShellRun.h"

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

bool Listening(int port) {
  const int probe = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  address.sin_port = htons(static_cast<uint16_t>(port));
  const bool connected = connect(probe, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(probe);
  return connected;
}

std::string FileText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void WriteFile(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

void WriteScript(const fs::path& path, const std::string& text) {
  WriteFile(path, text);
  fs::permissions(path, fs::perms::owner_all);
}

using screenshottest::Outcome;
using screenshottest::RunShell;

// The client: one line of what it was given, the user of the token in the session the
// login component would read and the broker the campus server names. With
// STAND_IN_RESTARTS set it starts itself again on its own and ends, as a logout does;
// the second one looks a moment later, when the first has long ended.
const char kStandInClient[] = R"sh(#!/bin/sh
here=$(dirname "$0")
if [ -n "$STAND_IN_RESTARTS" ]; then
  STAND_IN_RESTARTS= STAND_IN_RESTARTED=1 setsid "$0" </dev/null >/dev/null 2>&1 &
fi
if [ -n "$STAND_IN_RESTARTED" ]; then sleep 1; fi
base=$(sed -n 's/^QVBaseAddr=\(.*\)\r$/\1/p' "$here/Config.ini")
session="${PATROL_LOGIN_SESSION_DIR:-$XDG_RUNTIME_DIR}/online-user.session"
user=none
if [ -s "$session" ]; then
  user=$(curl -s --connect-timeout 1 --max-time 5 "${base}UserMgr/Login/Api/OnlineUser.ashx?method=GetUser&token=$(cat "$session")&sysID=E61" |
    sed -n 's/.*"UserID":"\([^"]*\)".*/\1/p')
fi
broker=$(curl -s --connect-timeout 1 --max-time 5 "${base}Base/WS/Service_Basic.asmx/WS_G_GetSubSystemServerInfo?sysID=E80&subjectID=" |
  sed -n 's|.*<string>\(.*\)</string>.*|\1|p' | sed -n 4p)
echo "user=$user broker=$broker" >>"$here/record"
)sh";

// cmake as the run calls it: notes the call, and a build brings back a missing program.
const char kStandInCmake[] = R"sh(#!/bin/sh
echo "$*" >>"$BUILD_DIR/cmake-calls"
program="$BUILD_DIR/app/client/patrol-client"
if [ "$1" = --build ] && [ ! -e "$program" ]; then cp "$BUILD_DIR/stand-in" "$program"; fi
)sh";

// A scratch build with the stand-in program, a fresh build stamp, the person's own
// login session in their runtime folder, and a scratch folder for the run's own.
class StandInBuild {
 public:
  StandInBuild() {
    std::string pattern = std::string(SCRATCH_PARENT) + "/run.XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr) return;
    root_ = pattern;
    fs::create_directories(build() / "app/client");
    fs::create_directories(build() / "tools/campus-server");
    fs::create_directories(root_ / "bin");
    fs::create_directories(runtime());
    fs::create_directories(temporary());
    fs::create_symlink(CAMPUS_SERVER_PATH, build() / "tools/campus-server/campus-server");
    WriteScript(build() / "stand-in", kStandInClient);
    fs::copy_file(build() / "stand-in", program());
    WriteScript(root_ / "bin/cmake", kStandInCmake);
    WriteFile(build() / "CMakeCache.txt", "");
    WriteFile(stamp(), "");
    WriteFile(personalSession(), "the person's token");
  }
  ~StandInBuild() {
    std::error_code ignored;
    if (!root_.empty()) fs::remove_all(root_, ignored);
  }

  bool ready() const { return !root_.empty(); }
  fs::path build() const { return root_ / "build"; }
  fs::path program() const { return build() / "app/client/patrol-client"; }
  fs::path config() const { return build() / "app/client/Config.ini"; }
  fs::path record() const { return build() / "app/client/record"; }
  fs::path stamp() const { return build() / "scripts-run.stamp"; }
  fs::path cmakeCalls() const { return build() / "cmake-calls"; }
  fs::path runtime() const { return root_ / "runtime"; }
  fs::path personalSession() const { return runtime() / "online-user.session"; }
  fs::path temporary() const { return root_ / "tmp"; }

  // `scripts/run arguments` on the campus port given, with the environment given too.
  Outcome Run(int port, const std::string& arguments, const std::string& environment = "") const {
    const std::string command = environment + " PATH='" + (root_ / "bin").string() +
                                ":/usr/local/bin:/usr/bin:/bin' CAMPUS_PORT=" + std::to_string(port) +
                                " BUILD_DIR='" + build().string() + "' XDG_RUNTIME_DIR='" + runtime().string() +
                                "' TMPDIR='" + temporary().string() + "' " + RUN_SCRIPT + " " + arguments;
    return RunShell(command);
  }

 private:
  fs::path root_;
};

// What every run leaves: its campus server stopped, the person's own session as it was,
// and its scratch folder gone unless the run failed (it then holds the logs).
void ExpectCleanedUp(const StandInBuild& stand, int port, int status) {
  EXPECT_FALSE(Listening(port)) << "the campus server still runs";
  EXPECT_EQ(FileText(stand.personalSession()), "the person's token");
  if (status == 0) {
    EXPECT_TRUE(fs::is_empty(stand.temporary())) << "the run's scratch folder is left";
  }
}

struct OptionCase {
  const char* what;
  std::string arguments;
  std::string environment;
  int status;
  std::string record;  // what the stand-in client recorded, one line a start
  const char* says;    // in the output; empty: nothing in particular
};

std::ostream& operator<<(std::ostream& out, const OptionCase& c) { return out << c.what; }

class RunOptions : public ::testing::TestWithParam<OptionCase> {};

TEST_P(RunOptions, LogInTheUserThroughTheRunsOwnSessionWithoutABroker) {
  const OptionCase& c = GetParam();
  StandInBuild stand;
  ASSERT_TRUE(stand.ready());
  const int port = FreePort();

  const Outcome run = stand.Run(port, c.arguments, c.environment);
  EXPECT_EQ(run.status, c.status) << run.output;
  EXPECT_EQ(FileText(stand.record()), c.record) << run.output;
  EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
  ExpectCleanedUp(stand, port, run.status);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunOptions,
    ::testing::Values(
        OptionCase{"the administrator by default", "", "", 0, "user=admin broker=\n", ""},
        OptionCase{"a user named", "--user bwc01", "", 0, "user=bwc01 broker=\n", ""},
        // The person's own session names nobody the campus knows; the run's folder is empty.
        OptionCase{"the login window", "--login", "", 0, "user=none broker=\n", ""},
        // The second start finds the campus server and the session still there.
        OptionCase{"a restart after a logout", "", "STAND_IN_RESTARTS=1", 0,
                   "user=admin broker=\nuser=admin broker=\n", ""},
        OptionCase{"a user the fixtures do not know", "--user nobody", "", 1, "", "no user \"nobody\""},
        OptionCase{"a user and the login window", "--user bwc01 --login", "", 2, "", "usage"},
        OptionCase{"an option of another program", "--verbose", "", 2, "", "usage"}));

struct BuildCase {
  const char* what;
  bool removeProgram;
  bool dateBack;  // the program and the stamp older than every source
  std::string calls;
};

std::ostream& operator<<(std::ostream& out, const BuildCase& c) { return out << c.what; }

class RunBuild : public ::testing::TestWithParam<BuildCase> {};

TEST_P(RunBuild, BuildsOnlyWhatIsMissingOrOlderThanTheSources) {
  const BuildCase& c = GetParam();
  StandInBuild stand;
  ASSERT_TRUE(stand.ready());
  if (c.removeProgram) fs::remove(stand.program());
  if (c.dateBack) {
    const auto old = fs::file_time_type::clock::now() - std::chrono::hours(24 * 365 * 30);
    fs::last_write_time(stand.program(), old);
    fs::last_write_time(stand.stamp(), old);
  }
  const std::string calls = c.calls.empty() ? "" : "--build " + stand.build().string() + " " + c.calls + "\n";

  const Outcome first = stand.Run(FreePort(), "");
  EXPECT_EQ(first.status, 0) << first.output;
  EXPECT_EQ(FileText(stand.cmakeCalls()), calls);
  if (c.calls.empty()) {
    EXPECT_EQ(first.output, "") << "a run with nothing to build says nothing";
  }
  EXPECT_EQ(FileText(stand.record()), "user=admin broker=\n");

  // A build, even one that left the program as it was, counts until a source changes.
  const Outcome second = stand.Run(FreePort(), "");
  EXPECT_EQ(second.status, 0) << second.output;
  EXPECT_EQ(FileText(stand.cmakeCalls()), calls);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunBuild,
    ::testing::Values(BuildCase{"built since the last change", false, false, ""},
                      BuildCase{"no program", true, false, "--target patrol-client campus-server"},
                      BuildCase{"sources changed since", false, true, "--target patrol-client campus-server"}));

// The Config.ini a plain run leaves beside the program: written on the first run, pointed
// at this run's campus server when it names a local campus on another port, and kept when
// it names a real campus.
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
  StandInBuild stand;
  ASSERT_TRUE(stand.ready());
  // The stand-in's questions go to the address the file names: a real campus answers none.
  if (!c.before.empty()) WriteFile(stand.config(), c.before);
  const int port = FreePort();

  const Outcome run = stand.Run(port, "--login");
  EXPECT_EQ(run.status, 0) << run.output;

  std::string expected = c.after;
  for (size_t at = expected.find("PORT"); at != std::string::npos; at = expected.find("PORT")) {
    expected.replace(at, 4, std::to_string(port));
  }
  EXPECT_EQ(FileText(stand.config()), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunConfig,
    ::testing::Values(
        ConfigCase{"first run", "", Config("http://127.0.0.1:PORT/", "http://127.0.0.1:PORT/")},
        ConfigCase{"a local campus on another port",
                   Config("http://127.0.0.1:8090/", "http://127.0.0.1:8090/"),
                   Config("http://127.0.0.1:PORT/", "http://127.0.0.1:PORT/")},
        ConfigCase{"a real campus", Config("http://10.1.2.3:8090/", "http://campus.example.edu/"),
                   Config("http://10.1.2.3:8090/", "http://campus.example.edu/")},
        // The way the header gives to see the first-run address dialog.
        ConfigCase{"one naming no campus", "[LoginInfo]\r\n", "[LoginInfo]\r\n"}));

}  // namespace
