#include "tests/platform/base/ProgramFolderTest.h"

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/base/CodePage.h"

namespace fs = std::filesystem;

namespace test {

void ProgramFolderTest::SetUp() {
  char pattern[] = "/tmp/shell-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  root_ = pattern;
  fs::create_directory(root_ + "/bin");
  const char* path = std::getenv("PATH");
  savedPath_ = path != nullptr ? path : "";
  setenv("PATH", (root_ + "/bin").c_str(), 1);  // no xdg-open unless a test puts one there
}

void ProgramFolderTest::TearDown() {
  setenv("PATH", savedPath_.c_str(), 1);
  fs::remove_all(root_);
}

void ProgramFolderTest::Script(const std::string& path, const std::string& output) const {
  std::ofstream(path) << "#!/bin/sh\n{ pwd; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } > '" << output
                      << ".part' && /bin/mv '" << output << ".part' '" << output << "'\n";
  chmod(path.c_str(), 0755);
}

std::string ProgramFolderTest::Output(const std::string& path) const {
  for (int i = 0; i < 3000 && !fs::exists(path); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  std::ifstream in(path);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

std::wstring ProgramFolderTest::W(const std::string& relative) const {
  return platform::codepage::Utf8ToWide(root_ + "/" + relative);
}

}  // namespace test
