// The URLs the program writes, as the engine gets them.
#include <gtest/gtest.h>

#include <unistd.h>

#include <string>

#include "platform/web/WebUrl.h"

namespace {

using platform::web::EngineUrl;

std::string WorkingFolder() {
  char buffer[4096];
  return std::string(::getcwd(buffer, sizeof buffer)) + "/";
}

TEST(WebUrl, LocalPathsAndFileUrlsNameTheSameFile) {
  struct Case {
    const wchar_t* given;
    const char* expected;
  };
  const Case cases[] = {
      {L"/opt/patrol/html/index.html", "file:///opt/patrol/html/index.html"},
      {L"\\opt\\patrol\\html\\index.html", "file:///opt/patrol/html/index.html"},
      {L"file:///opt/patrol/error.html", "file:///opt/patrol/error.html"},
      // "file:///" + an absolute folder: the fourth slash names the same file.
      {L"file:////opt/patrol/error.html", "file:///opt/patrol/error.html"},
      {L"FILE://\\opt\\patrol\\error.html", "file:///opt/patrol/error.html"},
      // The program folder written with "\" and a query: the query is kept as written.
      {L"/opt/patrol\\InspectRecord\\index.html?token=a\\b&width=300",
       "file:///opt/patrol/InspectRecord/index.html?token=a\\b&width=300"},
      {L"/opt/巡更/a b.html#top", "file:///opt/%E5%B7%A1%E6%9B%B4/a%20b.html#top"},
      {L"file:///opt/a%20b.html", "file:///opt/a%20b.html"},
      {L"about:blank", "about:blank"},
      {L"http://127.0.0.1:8090/x", "http://127.0.0.1:8090/x"},
      {L"", "about:blank"},
  };
  for (const Case& c : cases) EXPECT_EQ(EngineUrl(c.given), c.expected) << std::wstring(c.given).size();
}

TEST(WebUrl, RelativePathsAreUnderTheWorkingFolder) {
  EXPECT_EQ(EngineUrl(L"html\\index.html"), "file://" + WorkingFolder() + "html/index.html");
}

}  // namespace
