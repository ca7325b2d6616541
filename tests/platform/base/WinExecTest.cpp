// WinExec: the picture viewer's command and other command lines, recorded by the hook
// and started for real.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32.h"
#include "tests/platform/base/ProgramFolderTest.h"

namespace {

struct ExecCase {
  const char* what;
  std::string commandLine;  // GBK, as the program writes it
  std::string program;
  std::vector<std::string> arguments;  // UTF-8
};

TEST(WinExecForms, TheHookSeesWhatWouldStart) {
  const ExecCase cases[] = {
      {"viewer", "rundll32.exe C:\\Windows\\System32\\shimgvw.dll,ImageView_Fullscreen /opt/巡更/res/7/a.jpg",
       "xdg-open", {u8"/opt/巡更/res/7/a.jpg"}},
      {"quoted viewer with spaces and backslashes",
       "rundll32.exe C:\\Windows\\System32\\shimgvw.dll,ImageView_Fullscreen \"\\opt\\Patrol Client\\res\\a b.jpg\"",
       "xdg-open", {"/opt/Patrol Client/res/a b.jpg"}},
      {"unquoted viewer path with a space",
       "rundll32.exe C:\\Windows\\System32\\shimgvw.dll,ImageView_Fullscreen /opt/Patrol Client/a.jpg ", "xdg-open",
       {"/opt/Patrol Client/a.jpg"}},
      {"viewer in other letter cases", "RUNDLL32.EXE c:\\windows\\system32\\SHIMGVW.DLL,imageview_fullscreen x.png",
       "xdg-open", {"x.png"}},
      {"other entry of rundll32", "rundll32.exe shell32.dll,Control_RunDLL", "rundll32.exe",
       {"shell32.dll,Control_RunDLL"}},
      {"other command", "notepad.exe \"a b.txt\" c", "notepad.exe", {"a b.txt", "c"}},
      {"quoted program and an escaped quote", "\"/usr/bin/printf\" x\\\"y", "/usr/bin/printf", {"x\"y"}},
  };
  std::vector<platform::WinExecCall> calls;
  platform::SetWinExecHook([&](const platform::WinExecCall& call) -> UINT {
    calls.push_back(call);
    return 42;
  });
  for (const ExecCase& c : cases) {
    SCOPED_TRACE(c.what);
    calls.clear();
    EXPECT_EQ(WinExec(c.commandLine.c_str(), SW_SHOWNORMAL), 42u);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].commandLine, c.commandLine);
    EXPECT_EQ(calls[0].program, c.program);
    EXPECT_EQ(calls[0].arguments, c.arguments);
    EXPECT_EQ(calls[0].show, static_cast<UINT>(SW_SHOWNORMAL));
  }
  platform::SetWinExecHook(nullptr);
}

using WinExecStart = test::ProgramFolderTest;

TEST_F(WinExecStart, TheViewerHandsThePictureToXdgOpen) {
  Script(root_ + "/bin/xdg-open", root_ + "/opened");
  const std::string line = "rundll32.exe C:\\Windows\\System32\\shimgvw.dll,ImageView_Fullscreen \"" + root_ +
                           "\\res\\照片 1.jpg\"";
  EXPECT_GT(WinExec(line.c_str(), SW_SHOWNORMAL), 31u);
  const std::string text = Output(root_ + "/opened");
  EXPECT_EQ(text.substr(text.find('\n') + 1), root_ + u8"/res/照片 1.jpg\n");
}

TEST_F(WinExecStart, OtherCommandsStartTheirProgramWithItsArguments) {
  Script(root_ + "/bin/report", root_ + "/out");
  EXPECT_GT(WinExec("report one \"two words\"", SW_HIDE), 31u);
  const std::string text = Output(root_ + "/out");
  EXPECT_EQ(text.substr(text.find('\n') + 1), "one\ntwo words\n");
}

TEST_F(WinExecStart, FailuresGiveSmallValues) {
  const struct {
    const char* what;
    std::string commandLine;
    UINT result;
  } cases[] = {
      {"no such program on PATH", "nosuchprogram --x", ERROR_FILE_NOT_FOUND},
      {"no such file", root_ + "/missing.exe", ERROR_FILE_NOT_FOUND},
      {"the viewer without xdg-open", "rundll32.exe shimgvw.dll,ImageView_Fullscreen /tmp/a.jpg", ERROR_FILE_NOT_FOUND},
      {"the viewer without a picture", "rundll32.exe shimgvw.dll,ImageView_Fullscreen ", ERROR_FILE_NOT_FOUND},
      {"an empty line", "", ERROR_FILE_NOT_FOUND},
  };
  for (const auto& c : cases) EXPECT_EQ(WinExec(c.commandLine.c_str(), SW_SHOWNORMAL), c.result) << c.what;
}

}  // namespace
