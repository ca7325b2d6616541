#pragma once
// What every data-layer test needs: the session object pointed at a server, a known
// logged-in user, empty caches, and the data layer's log lines caught instead of written.
#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "data/DalLog.h"

namespace data_test {

// GBK and UTF-8 forms of the texts the tests send, written byte by byte so that they do
// not depend on the compiler's charset.
constexpr const char* kZhangSanGbk = "\xd5\xc5\xc8\xfd";  // 张三
constexpr const char* kZhangSanUtf8 = "\xe5\xbc\xa0\xe4\xb8\x89";
constexpr const char* kEastGateGbk = "\xb6\xab\xc3\xc5";  // 东门
constexpr const char* kEastGateUtf8 = "\xe4\xb8\x9c\xe9\x97\xa8";
// 昞: its second GBK byte has the value of a backslash.
constexpr const char* kBingGbk = "\x95\x5c";
constexpr const char* kBingUtf8 = "\xe6\x98\x9e";

// Stands in an expected line where the JSON library's own wording goes.
constexpr const char* kLibraryText = "{library}";

struct CaughtLine {
  DalLog::Sink sink;
  int level;
  std::string text;
};

class DataTestBase : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Points the session object (and so every DAL_PatrolServer made from now on) at a server.
  static void UseServer(const std::string& baseUrl);
  std::vector<CaughtLine> Lines() const;
  void ClearLines();
  // Nothing caught for an empty `expected`, otherwise exactly that one line on the text
  // log at level 3, any kLibraryText in it matching some non-empty text.
  void ExpectTextLine(const std::string& expected) const;

 private:
  mutable std::mutex m_mutex;
  std::vector<CaughtLine> m_lines;
};

}  // namespace data_test
