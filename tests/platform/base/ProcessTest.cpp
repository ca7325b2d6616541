#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/win32.h"

namespace fs = std::filesystem;

namespace {

class ExitProcessTest : public ::testing::Test {
 protected:
  void TearDown() override {
    for (int id : hooks_) platform::RemoveExitFlushHook(id);
    platform::SetExitProcessHook(nullptr);
  }
  void AddFlush(std::function<void()> hook) { hooks_.push_back(platform::AddExitFlushHook(std::move(hook))); }

  std::vector<int> hooks_;
};

TEST_F(ExitProcessTest, FlushHooksRunInOrderBeforeTheExitHook) {
  std::vector<std::string> events;
  AddFlush([&] { events.push_back("text log"); });
  AddFlush([] { throw std::runtime_error("disk gone"); });
  AddFlush([&] { events.push_back("async log"); });
  int removed = platform::AddExitFlushHook([&] { events.push_back("freed logger"); });
  platform::RemoveExitFlushHook(removed);
  platform::SetExitProcessHook([&](UINT code) { events.push_back("exit " + std::to_string(code)); });

  ExitProcess(3);
  ExitProcess(0);  // with the hook set, each call flushes again
  const std::vector<std::string> expected = {"text log", "async log", "exit 3", "text log", "async log", "exit 0"};
  EXPECT_EQ(events, expected);
}

TEST_F(ExitProcessTest, RealExitFlushesAndSkipsStaticDestructors) {
  char pattern[] = "/tmp/exit-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  const std::string folder = pattern;
  const std::string buffered = folder + "/buffered.txt";
  const std::string destroyed = folder + "/destroyed.txt";
  EXPECT_EXIT(
      {
        struct WritesOnDestruction {
          std::string path;
          ~WritesOnDestruction() { std::ofstream(path) << "destroyed"; }
        };
        static WritesOnDestruction marker{destroyed};
        FILE* file = std::fopen(buffered.c_str(), "w");
        std::fputs("still in the stdio buffer", file);  // never flushed by hand
        platform::AddExitFlushHook([] { std::fputs("flushed the queue\n", stderr); });
        ExitProcess(7);
        std::fputs("ExitProcess returned\n", stderr);
      },
      ::testing::ExitedWithCode(7), "flushed the queue");
  std::ifstream in(buffered);
  std::ostringstream text;
  text << in.rdbuf();
  EXPECT_EQ(text.str(), "still in the stdio buffer");
  EXPECT_FALSE(fs::exists(destroyed));
  fs::remove_all(folder);
}

TEST(CommandLine, BuiltFromArgumentsAsWindowsQuotesThem) {
  struct Case {
    std::vector<const char*> argv;
    std::wstring full;
    std::wstring arguments;
  } cases[] = {
      {{"/opt/patrol/client"}, L"/opt/patrol/client", L""},
      {{"/opt/patrol/client", "tok123$10.0.0.1$IC0001"}, L"/opt/patrol/client tok123$10.0.0.1$IC0001",
       L"tok123$10.0.0.1$IC0001"},
      {{"/opt/my patrol/client", "a b", "c"}, L"\"/opt/my patrol/client\" \"a b\" c", L"\"a b\" c"},
      {{"client", ""}, L"client \"\"", L"\"\""},
      {{"client", "say \"hi\""}, L"client \"say \\\"hi\\\"\"", L"\"say \\\"hi\\\"\""},
      {{"client", "dir\\", "a b\\"}, L"client dir\\ \"a b\\\\\"", L"dir\\ \"a b\\\\\""},
      {{"client", "\xD1\xB2\xB8\xFC"}, L"client 巡更", L"巡更"},          // GBK bytes
      {{"client", "\xE5\xB7\xA1\xE6\x9B\xB4"}, L"client 巡更", L"巡更"},  // UTF-8 bytes
  };
  for (const Case& c : cases) {
    LPWSTR arguments = platform::SetCommandLineFromArgs(static_cast<int>(c.argv.size()), c.argv.data());
    EXPECT_EQ(std::wstring(arguments), c.arguments);
    EXPECT_EQ(std::wstring(GetCommandLineW()), c.full);
  }
}

}  // namespace
