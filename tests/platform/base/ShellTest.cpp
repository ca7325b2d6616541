#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/win32.h"
#include "tests/platform/base/ProgramFolderTest.h"

namespace fs = std::filesystem;

namespace {

INT_PTR Code(HINSTANCE result) { return reinterpret_cast<INT_PTR>(result); }

struct Call {
  std::wstring verb, file, params, dir;
  int show;
  bool operator==(const Call& o) const {
    return verb == o.verb && file == o.file && params == o.params && dir == o.dir && show == o.show;
  }
};

TEST(ShellExecute, HookRecordsCallsInsteadOfStartingAnything) {
  std::vector<Call> calls;
  platform::SetShellExecuteHook([&](const std::wstring& verb, const std::wstring& file, const std::wstring& params,
                                    const std::wstring& dir, int show) -> INT_PTR {
    calls.push_back({verb, file, params, dir, show});
    return file == L"missing" ? SE_ERR_FNF : 33;
  });
  struct Case {
    LPCWSTR verb, file, params, dir;
    int show;
    INT_PTR result;
  } cases[] = {
      {L"open", L"C:\\reports\\plan.xls", L"", L"", SW_SHOWNORMAL, 33},
      {nullptr, L"http://10.0.0.1/help", nullptr, nullptr, SW_SHOW, 33},
      {L"open", L"missing", L"-a \"b c\"", L"/tmp", SW_HIDE, SE_ERR_FNF},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Code(ShellExecuteW(nullptr, c.verb, c.file, c.params, c.dir, c.show)), c.result);
  }
  const std::vector<Call> expected = {
      {L"open", L"C:\\reports\\plan.xls", L"", L"", SW_SHOWNORMAL},
      {L"", L"http://10.0.0.1/help", L"", L"", SW_SHOW},
      {L"open", L"missing", L"-a \"b c\"", L"/tmp", SW_HIDE},
  };
  EXPECT_TRUE(calls == expected);
  platform::SetShellExecuteHook(nullptr);
  EXPECT_EQ(Code(ShellExecuteW(nullptr, L"open", L"/nonexistent/file.txt", L"", L"", SW_SHOWNORMAL)), SE_ERR_FNF);
  EXPECT_EQ(calls.size(), 3u);
}

using ShellStartTest = test::ProgramFolderTest;

TEST_F(ShellStartTest, ExecutableStartsDirectlyWithItsArgumentsAndFolder) {
  Script(root_ + "/prog.sh", root_ + "/out.txt");
  fs::create_directory(root_ + "/work dir");
  INT_PTR result = Code(ShellExecuteW(nullptr, L"open", W("prog.sh").c_str(), L"one \"two words\" a\\\"b 巡更",
                                      W("work dir").c_str(), SW_SHOWNORMAL));
  EXPECT_GT(result, 32);
  EXPECT_EQ(Output(root_ + "/out.txt"), root_ + "/work dir\none\ntwo words\na\"b\n" + u8"巡更" + "\n");
}

TEST_F(ShellStartTest, FailuresGiveSmallValues) {
  std::ofstream(root_ + "/doc.txt") << "text";
  std::ofstream(root_ + "/broken.sh") << "#!/nonexistent/interpreter\n";
  chmod((root_ + "/broken.sh").c_str(), 0755);
  struct Case {
    const char* what;
    LPCWSTR verb;
    std::wstring file;
    INT_PTR result;
  } cases[] = {
      {"a missing file", L"open", W("missing.txt"), SE_ERR_FNF},
      {"a document without xdg-open", L"open", W("doc.txt"), SE_ERR_FNF},
      {"a URL without xdg-open", L"open", L"http://10.0.0.1/", SE_ERR_FNF},
      {"a program that cannot be executed", L"open", W("broken.sh"), SE_ERR_FNF},
      {"a verb nothing handles", L"print", W("doc.txt"), SE_ERR_NOASSOC},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Code(ShellExecuteW(nullptr, c.verb, c.file.c_str(), L"", L"", SW_SHOWNORMAL)), c.result) << c.what;
  }
}

TEST_F(ShellStartTest, DocumentsAndUrlsGoToXdgOpen) {
  std::ofstream(root_ + "/plan.xls") << "sheet";
  struct Case {
    std::wstring file;
    std::string handedOver;
  } cases[] = {
      {W("plan.xls"), root_ + "/plan.xls"},
      {platform::codepage::Utf8ToWide(root_) + L"\\plan.xls", root_ + "/plan.xls"},
      {L"http://10.0.0.1:8080/help?x=1", "http://10.0.0.1:8080/help?x=1"},
      {W(""), root_ + "/"},  // a folder
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string output = root_ + "/opened" + std::to_string(n++);
    Script(root_ + "/bin/xdg-open", output);
    EXPECT_GT(Code(ShellExecuteW(nullptr, L"open", c.file.c_str(), L"", L"", SW_SHOWNORMAL)), 32);
    std::string text = Output(output);
    EXPECT_EQ(text.substr(text.find('\n') + 1), c.handedOver + "\n");
  }
}

// Only web pages go to xdg-open: any other scheme would open a local file or start the
// program registered for it.
TEST_F(ShellStartTest, OnlyHttpAndHttpsUrlsAreOpened) {
  const std::string refusedOutput = root_ + "/refused";
  Script(root_ + "/bin/xdg-open", refusedOutput);
  for (const wchar_t* url : {L"file:///etc/passwd", L"javascript:alert(1)", L"smb://host/share", L"ms-settings:x",
                             L"http:relative", L"FTP://10.0.0.1/"}) {
    EXPECT_EQ(Code(ShellExecuteW(nullptr, L"open", url, L"", L"", SW_SHOWNORMAL)), SE_ERR_ACCESSDENIED)
        << platform::codepage::WideToUtf8(url);
  }
  const std::string openedOutput = root_ + "/opened";
  Script(root_ + "/bin/xdg-open", openedOutput);
  EXPECT_GT(Code(ShellExecuteW(nullptr, L"open", L"HTTPS://10.0.0.1/centre?qv_tk=t", L"", L"", SW_SHOWNORMAL)), 32);
  const std::string text = Output(openedOutput);
  EXPECT_EQ(text.substr(text.find('\n') + 1), "HTTPS://10.0.0.1/centre?qv_tk=t\n");
  EXPECT_FALSE(fs::exists(refusedOutput)) << "a refused address never reached xdg-open";
}

}  // namespace
