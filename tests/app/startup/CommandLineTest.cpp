// The command-line argument of the token road, cut into token, host and identity, and
// the addresses CommandLineLogin makes of it: every cut is clamped to the text.
#include <gtest/gtest.h>

#include <string>

#include "app/shell/LoginSequence.h"

namespace {

const std::wstring kPrefix = L"patrol://login/tk=..."; // 21 characters, skipped

struct SplitCase {
  const char* what;
  std::wstring argument;
  std::wstring token, host, identity;
};

std::ostream& operator<<(std::ostream& out, const SplitCase& c) { return out << c.what; }

class CommandLineSplit : public ::testing::TestWithParam<SplitCase> {};

TEST_P(CommandLineSplit, GivesTokenHostAndIdentity) {
  const SplitCase& c = GetParam();
  ASSERT_EQ(kPrefix.size(), 21u);
  const CommandLineParts parts = SplitCommandLine(c.argument);
  EXPECT_EQ(parts.token, c.token);
  EXPECT_EQ(parts.host, c.host);
  EXPECT_EQ(parts.identity, c.identity);
}

INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineSplit,
    ::testing::Values(
        SplitCase{"a quoted argument", kPrefix + L"TOKEN42$10.0.0.5:8080/$IC0001\"", L"TOKEN42", L"10.0.0.5:8080/",
                  L"IC0001"},
        SplitCase{"without any dollar", kPrefix + L"TOKEN42", L"", L"", kPrefix + L"TOKEN42"},
        SplitCase{"a host with several slashes", kPrefix + L"t$campus.edu///$IC0101", L"t", L"campus.edu///",
                  L"IC0101"},
        SplitCase{"one dollar", kPrefix + L"t9$IC0003", L"t9", L"", L"IC0003"},
        SplitCase{"shorter than the prefix", L"ab$host$IC0002", L"", L"host", L"IC0002"},
        SplitCase{"empty", L"", L"", L"", L""},
        SplitCase{"an identity without its closing quote", kPrefix + L"t$h$IC0102", L"t", L"h", L"IC0102"},
        SplitCase{"an identity with text after its quote", kPrefix + L"t$h$IC0102\" --x", L"t", L"h", L"IC0102"}),
    [](const ::testing::TestParamInfo<SplitCase>& info) { return "case" + std::to_string(info.index); });

}  // namespace
