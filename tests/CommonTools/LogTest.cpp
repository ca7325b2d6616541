#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <regex>
#include <sstream>
#include <thread>
#include <set>
#include <string>
#include <vector>

#include <boost/filesystem/operations.hpp>

#include "CommonTools/Log.h"
#include "platform/win32.h"
#include "testing/files/ScratchFolder.h"

namespace {

using test_support::ScratchFolder;

const char* const kNames[] = {"emerg", "alert", "crit", "error", "warn",
                              "notice", "info", "debug", "all"};

std::string LevelFile(const ScratchFolder& folder, int level) {
  return folder.file(std::string("log_") + kNames[level] + ".log");
}

std::set<std::string> FilesIn(const ScratchFolder& folder) {
  std::set<std::string> names;
  for (const auto& entry : boost::filesystem::directory_iterator(folder.path())) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// The level files holding the line, as indexes.
std::set<int> FilesWithText(const ScratchFolder& folder, const std::string& text) {
  std::set<int> levels;
  for (int level = 0; level < 9; ++level) {
    if (ScratchFolder::read(LevelFile(folder, level)).find(text) != std::string::npos) {
      levels.insert(level);
    }
  }
  return levels;
}

TEST(Log, RoutesARecordToTheFilesFromItsLevelUpToTheThreshold) {
  struct Case {
    int threshold;
    int level;
    int result;
    std::set<int> files;
  } cases[] = {
      {7, 3, 0, {3, 4, 5, 6, 7}},
      {7, 6, 0, {6, 7}},
      {7, 7, 0, {7}},
      {7, 8, -1, {}},
      {7, -1, -1, {}},
      {3, 0, 0, {0, 1, 2, 3}},
      {3, 4, -1, {}},
      {8, 3, 0, {8}},
      {8, 0, 0, {8}},
      {8, 8, 0, {8}},
      {0, 0, 0, {0}},
      {-1, 6, 0, {6}},  // a threshold outside 0..8 is taken as 6
      {9, 7, -1, {}},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    {
      Log log;
      ASSERT_TRUE(log.Init("log", c.threshold, 1 << 20, folder.path()));
      EXPECT_EQ(log.Write(c.level, "record %d\n", c.level), c.result)
          << "threshold " << c.threshold << " level " << c.level;
    }
    EXPECT_EQ(FilesWithText(folder, "record"), c.files)
        << "threshold " << c.threshold << " level " << c.level;
  }
}

TEST(Log, OpensTheFilesOfTheLevelsUpToTheThreshold) {
  struct Case {
    int threshold;
    std::set<std::string> files;
  } cases[] = {
      {7, {"log_emerg.log", "log_alert.log", "log_crit.log", "log_error.log", "log_warn.log",
           "log_notice.log", "log_info.log", "log_debug.log"}},
      {2, {"log_emerg.log", "log_alert.log", "log_crit.log"}},
      {8, {"log_all.log"}},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    Log log;
    ASSERT_TRUE(log.Init("log", c.threshold, 1 << 20, folder.path()));
    EXPECT_EQ(FilesIn(folder), c.files) << "threshold " << c.threshold;
  }
}

TEST(Log, WritesTimeLevelThreadAndTextOnOneLine) {
  ScratchFolder folder;
  {
    Log log;
    ASSERT_TRUE(log.Init("log", 7, 1 << 20, folder.path() + "/"));
    log.Write(3, "[%s]\xB3\xF6\xB4\xED %d\n", "DAL_InspectPlan_Add", 42);
    log.Write(6, "no line end");
    log.Write(6, "%s", " then more\n");
  }
  const std::string stamp = "\\d{4}-\\d{2}-\\d{2} \\d{2}:\\d{2}:\\d{2} ";
  const std::string thread = std::to_string(GetCurrentThreadId());
  const std::string errorLine =
      stamp + "error " + thread + " \\[DAL_InspectPlan_Add\\]\xB3\xF6\xB4\xED 42\n";
  EXPECT_TRUE(std::regex_match(ScratchFolder::read(LevelFile(folder, 3)), std::regex(errorLine)));
  // The info file also holds the more severe record; the writer adds no line end of its own.
  EXPECT_TRUE(std::regex_match(
      ScratchFolder::read(LevelFile(folder, 6)),
      std::regex(errorLine + stamp + "info " + thread + " no line end" + stamp + "info " + thread +
                 "  then more\n")));
}

TEST(Log, TakesRecordsOfLevelZeroBeforeInit) {
  ScratchFolder folder;
  {
    Log log;
    EXPECT_EQ(log.Write(0, "early\n"), 0);
    EXPECT_EQ(log.Write(1, "dropped\n"), -1);
    ASSERT_TRUE(log.Init("log", 7, 1 << 20, folder.path()));
  }
  EXPECT_EQ(FilesWithText(folder, "early"), (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
  EXPECT_EQ(FilesWithText(folder, "dropped"), std::set<int>{});
}

TEST(Log, UsesTheCurrentFolderWhenGivenNone) {
  ScratchFolder folder;
  const auto previous = boost::filesystem::current_path();
  boost::filesystem::current_path(folder.path());
  {
    Log log;
    ASSERT_TRUE(log.Init("cwd", 3, 1 << 20, ""));
    log.Write(3, "here\n");
  }
  boost::filesystem::current_path(previous);
  EXPECT_NE(ScratchFolder::read(folder.file("cwd_error.log")).find("here\n"), std::string::npos);
}

// Lines of 100 text bytes against a limit of 150: the second line of a file crosses it.
TEST(Log, RollsAFileOverAfterTheLineThatCrossesTheLimit) {
  struct Case {
    const char* what;
    int lines;
    bool bakIsFolder;
    std::vector<int> inBak;
    std::vector<int> inFile;
  } cases[] = {
      {"below the limit", 1, false, {}, {1}},
      {"first roll", 2, false, {1, 2}, {}},
      {"after the roll", 3, false, {1, 2}, {3}},
      {"second roll replaces the bak", 4, false, {3, 4}, {}},
      {"no copy possible: the file is kept", 3, true, {}, {1, 2, 3}},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    const std::string file = LevelFile(folder, 3);
    if (c.bakIsFolder) boost::filesystem::create_directory(file + ".bak");
    {
      Log log;
      ASSERT_TRUE(log.Init("log", 3, 150, folder.path()));
      for (int i = 1; i <= c.lines; ++i) log.Write(3, "%d%s\n", i, std::string(98, 'x').c_str());
    }
    auto lines_of = [](const std::string& text) {
      std::vector<int> numbers;
      for (std::size_t pos = text.find(" error "); pos != std::string::npos;
           pos = text.find(" error ", pos + 1)) {
        const std::size_t start = text.find(' ', pos + 7) + 1;
        numbers.push_back(std::stoi(text.substr(start)));
      }
      return numbers;
    };
    const std::string bak = c.bakIsFolder ? "" : ScratchFolder::read(file + ".bak");
    EXPECT_EQ(lines_of(bak), c.inBak) << c.what;
    EXPECT_EQ(lines_of(ScratchFolder::read(file)), c.inFile) << c.what;
    if (!c.inBak.empty()) {
      EXPECT_EQ(bak.back(), '\n') << c.what;
    }
  }
}

TEST(Log, CutsATextLongerThanARecordAtACharacterBoundary) {
  const std::string chinese = "\xD6\xD0";  // one two-byte GBK character
  std::string twoByte = "x";
  for (int i = 0; i < 5000; ++i) twoByte += chinese;
  struct Case {
    const char* what;
    std::string text;
    std::string kept;
  } cases[] = {
      {"ascii with line end", std::string(10000, 'a') + "\n", std::string(8190, 'a') + "\n"},
      {"ascii without line end", std::string(10000, 'b'), std::string(8191, 'b')},
      {"exactly a record", std::string(8191, 'c'), std::string(8191, 'c')},
      {"two-byte characters", twoByte + "\n", twoByte.substr(0, 1 + 2 * 4094) + "\n"},
  };
  for (const Case& c : cases) {
    ScratchFolder folder;
    {
      Log log;
      ASSERT_TRUE(log.Init("log", 3, 1 << 24, folder.path()));
      log.Write(3, "%s", c.text.c_str());
      log.Write(3, "next\n");
    }
    const std::string content = ScratchFolder::read(LevelFile(folder, 3));
    const std::string prefix = " error " + std::to_string(GetCurrentThreadId()) + " ";
    const std::size_t start = content.find(prefix) + prefix.size();
    const std::size_t next = content.find(prefix, start);
    ASSERT_NE(next, std::string::npos) << c.what;
    EXPECT_EQ(content.substr(start, next - 19 - start), c.kept) << c.what;
  }
}

TEST(Log, SkipsALevelFileThatCannotOpen) {
  ScratchFolder folder;
  boost::filesystem::create_directory(LevelFile(folder, 4));  // a folder in the warn file's place
  {
    Log log;
    ASSERT_TRUE(log.Init("log", 7, 1 << 20, folder.path()));
    EXPECT_EQ(log.Write(3, "still written\n"), 0);
  }
  EXPECT_EQ(FilesWithText(folder, "still written"), (std::set<int>{3, 5, 6, 7}));
}

TEST(Log, WritesOutTheQueueWhenItStops) {
  ScratchFolder folder;
  {
    Log log;
    ASSERT_TRUE(log.Init("log", 6, 1 << 24, folder.path()));
    for (int i = 0; i < 2000; ++i) log.Write(6, "line %d\n", i);
  }
  const std::string content = ScratchFolder::read(LevelFile(folder, 6));
  EXPECT_NE(content.find("line 1999\n"), std::string::npos);
  EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 2000);
}

// The writer takes bursts of records at once and flushes each file after them: while the
// logger keeps running, every line of a burst from several threads reaches each of its
// files whole, and each thread's lines keep their order.
TEST(Log, LinesOfABurstReachTheFilesWhileTheLoggerRuns) {
  ScratchFolder folder;
  Log log;
  ASSERT_TRUE(log.Init("log", 6, 1 << 24, folder.path()));
  constexpr int kThreads = 4;
  constexpr int kLines = 500;
  std::vector<std::thread> writers;
  for (int t = 0; t < kThreads; ++t) {
    writers.emplace_back([&log, t] {
      for (int i = 0; i < kLines; ++i) log.Write(t % 2 ? 3 : 6, "burst %d %d\n", t, i);
    });
  }
  for (std::thread& writer : writers) writer.join();
  // Only the writer catching up ends the wait; the deadline keeps a broken flush from
  // hanging the test.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
  std::string info;
  while (std::count(info.begin(), info.end(), '\n') < kThreads * kLines &&
         std::chrono::steady_clock::now() < deadline) {
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
    info = ScratchFolder::read(LevelFile(folder, 6));
  }
  const std::string error = ScratchFolder::read(LevelFile(folder, 3));
  struct Expectation {
    const std::string* content;
    std::vector<int> threads;
  } files[] = {{&info, {0, 1, 2, 3}}, {&error, {1, 3}}};
  for (const Expectation& file : files) {
    std::vector<int> next(kThreads, 0);
    int lines = 0;
    std::istringstream stream(*file.content);
    for (std::string line; std::getline(stream, line); ++lines) {
      std::smatch match;
      ASSERT_TRUE(std::regex_search(line, match, std::regex(" burst (\\d) (\\d+)$"))) << line;
      const int t = std::stoi(match[1]);
      EXPECT_EQ(std::stoi(match[2]), next[t]++) << "thread " << t;
    }
    EXPECT_EQ(lines, static_cast<int>(file.threads.size()) * kLines);
    for (int t : file.threads) EXPECT_EQ(next[t], kLines) << "thread " << t;
  }
}

TEST(Log, ProcessExitWritesOutTheQueue) {
  ScratchFolder folder;
  Log log;
  ASSERT_TRUE(log.Init("log", 6, 1 << 24, folder.path()));
  for (int i = 0; i < 500; ++i) log.Write(6, "exit line %d\n", i);
  UINT exitCode = 99;
  platform::SetExitProcessHook([&exitCode](UINT code) { exitCode = code; });
  ExitProcess(3);
  EXPECT_EQ(exitCode, 3u);
  const std::string content = ScratchFolder::read(LevelFile(folder, 6));
  EXPECT_EQ(std::count(content.begin(), content.end(), '\n'), 500);
  // The exit was intercepted and the process goes on: so does its log.
  log.Write(6, "after the exit\n");
  ExitProcess(0);
  platform::SetExitProcessHook(nullptr);
  EXPECT_NE(ScratchFolder::read(LevelFile(folder, 6)).find("after the exit"), std::string::npos);
}

}  // namespace
