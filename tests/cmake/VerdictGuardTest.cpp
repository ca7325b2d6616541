// The verdict guard judges a GoogleTest run by GoogleTest's own report: a test that ends
// the process early fails whatever the exit code, a filter that matches nothing fails, a
// skip passes and leaves its reason for the summary; and so it goes through ctest.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "testing/files/ScratchFolder.h"

namespace {

struct Outcome {
  int code = -1;
  std::string output;  // stdout and stderr together
};

std::string Quoted(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
  return quoted + "'";
}

Outcome RunShell(const std::string& command) {
  Outcome outcome;
  FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
  if (pipe == nullptr) return outcome;
  char buffer[4096];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) outcome.output.append(buffer, n);
  const int status = ::pclose(pipe);
  outcome.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  return outcome;
}

Outcome Guard(const std::string& arguments, const std::string& environment = "") {
  // The notes of a whole run are not for the sample's skips.
  return RunShell("env -u VERDICT_SKIP_NOTES " + environment + " " + Quoted(VERDICT_PYTHON) + " " + Quoted(VERDICT_GUARD) + " " + arguments);
}

std::string Sample(const std::string& filter) {
  return Quoted(VERDICT_SAMPLE) + " " + Quoted("--gtest_filter=" + filter);
}

struct GuardCase {
  const char* what;
  std::string command;
  bool passes;
  std::string says;  // in the guard's output
};

std::ostream& operator<<(std::ostream& out, const GuardCase& c) { return out << c.what; }

class VerdictGuard : public ::testing::TestWithParam<GuardCase> {};

TEST_P(VerdictGuard, JudgesByGoogleTestsOwnReport) {
  const GuardCase& c = GetParam();
  const Outcome outcome = Guard(c.command);
  EXPECT_EQ(outcome.code == 0, c.passes) << outcome.output;
  EXPECT_NE(outcome.output.find(c.says), std::string::npos) << outcome.output;
}

INSTANTIATE_TEST_SUITE_P(
    Endings, VerdictGuard,
    ::testing::Values(
        GuardCase{"a passing test", Sample("Sample.Passes"), true, "[       OK ] Sample.Passes"},
        GuardCase{"a failing test", Sample("Sample.Fails"), false, "verdict-guard: failed: Sample.Fails"},
        GuardCase{"a skipped test", Sample("Sample.Skips*"), true, "[  SKIPPED ]"},
        GuardCase{"exit(0) inside a test", Sample("Sample.EndsTheProcessWithZero"), false,
                  "verdict-guard: the program ended (exit code 0) before GoogleTest's verdict"},
        GuardCase{"_Exit(0) inside a test", Sample("Sample.EndsTheProcessAtOnce"), false,
                  "verdict-guard: the program ended (exit code 0) before GoogleTest's verdict"},
        GuardCase{"an abort", Sample("Sample.Aborts"), false, "before GoogleTest's verdict"},
        GuardCase{"a filter that matches nothing", Sample("Sample.NoSuchTest"), false,
                  "verdict-guard: no test matched"},
        GuardCase{"a whole run that ends in its third test", Sample("Sample.Passes:Sample.Skips*:Sample.EndsTheProcessWithZero"),
                  false, "before GoogleTest's verdict"},
        GuardCase{"a whole run that passes", Sample("Sample.Passes:Sample.Skips*"), true, "[  PASSED  ] 1 test"},
        GuardCase{"a program that is no GoogleTest program", "/bin/true", false,
                  "verdict-guard: the program ended (exit code 0) without GoogleTest's report"},
        GuardCase{"a runner that passes a missing program on", "/bin/sh -c 'exec \"$0\"' /nonexistent/suite", false,
                  "without GoogleTest's report"}),
    [](const ::testing::TestParamInfo<GuardCase>& info) { return "case" + std::to_string(info.index); });

TEST(VerdictGuardNotes, ASkipLeavesItsTestAndReasonForTheSummary) {
  test_support::ScratchFolder notes;
  const Outcome outcome = Guard(Sample("Sample.Passes:Sample.Skips*"), "VERDICT_SKIP_NOTES=" + Quoted(notes.path()));
  ASSERT_EQ(outcome.code, 0) << outcome.output;
  std::string written;
  for (const auto& entry : std::filesystem::directory_iterator(notes.path())) {
    written += test_support::ScratchFolder::read(entry.path().string());
  }
  EXPECT_EQ(written, "Sample.SkipsForWantOfADisplay: needs a display: DISPLAY is not set\n");
}

// A failed run leaves its verdict and each failure's message beside the skips, so the end of
// a whole run's log says what failed; an early end leaves the verdict alone.
TEST(VerdictGuardNotes, AFailureLeavesItsVerdictAndMessageForTheSummary) {
  struct Case {
    const char* filter;
    std::vector<std::string> says;
  };
  const Case cases[] = {
      {"Sample.Passes:Sample.Fails", {"verdict_sample", "failed: Sample.Fails", "  Sample.Fails:", "1 + 1"}},
      {"Sample.EndsTheProcessWithZero", {"before GoogleTest's verdict"}},
  };
  for (const Case& c : cases) {
    test_support::ScratchFolder notes;
    const Outcome outcome = Guard(Sample(c.filter), "VERDICT_SKIP_NOTES=" + Quoted(notes.path()));
    ASSERT_NE(outcome.code, 0) << outcome.output;
    std::string written;
    for (const auto& entry : std::filesystem::directory_iterator(notes.path())) {
      if (entry.path().extension() == ".failed") written += test_support::ScratchFolder::read(entry.path().string());
    }
    for (const std::string& text : c.says) EXPECT_NE(written.find(text), std::string::npos) << c.filter << ":\n" << written;
  }
}

TEST(VerdictGuardNotes, APassingRunLeavesNoFailureNote) {
  test_support::ScratchFolder notes;
  ASSERT_EQ(Guard(Sample("Sample.Passes"), "VERDICT_SKIP_NOTES=" + Quoted(notes.path())).code, 0);
  EXPECT_TRUE(std::filesystem::is_empty(notes.path()));
}

// The sample's cases, discovered and registered as every suite's are, in a ctest of their own.
TEST(VerdictGuardThroughCtest, AnEarlyExitFailsItsTestAndNothingElse) {
  test_support::ScratchFolder build;
  test_support::ScratchFolder::write(build.file("CTestTestfile.cmake"), "include(\"" VERDICT_SAMPLE_TESTS "\")\n");
  const Outcome outcome = RunShell("env -u VERDICT_SKIP_NOTES " + Quoted(CTEST_PROGRAM) + " --test-dir " + Quoted(build.path()) + " --no-tests=error");
  EXPECT_NE(outcome.code, 0) << outcome.output;
  auto lineOf = [&outcome](const std::string& test) {
    const size_t at = outcome.output.find(" " + test + " ");
    if (at == std::string::npos) return std::string("(no line for " + test + ")");
    return outcome.output.substr(at, outcome.output.find('\n', at) - at);
  };
  const struct {
    const char* test;
    const char* verdict;
  } expected[] = {{"Sample.Passes", "Passed"},
                  {"Sample.Fails", "***Failed"},
                  {"Sample.SkipsForWantOfADisplay", "***Skipped"},
                  {"Sample.EndsTheProcessWithZero", "***Failed"},
                  {"Sample.EndsTheProcessAtOnce", "***Failed"},
                  {"Sample.Aborts", "***Failed"}};
  for (const auto& e : expected) {
    EXPECT_NE(lineOf(e.test).find(e.verdict), std::string::npos) << lineOf(e.test) << "\n" << outcome.output;
  }
  EXPECT_NE(outcome.output.find("4 tests failed out of 6"), std::string::npos) << outcome.output;
}

}  // namespace
