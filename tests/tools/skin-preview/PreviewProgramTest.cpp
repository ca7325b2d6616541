// The preview program itself, started as a person would start it: with no argument
// it shows its sample skin from beside the executable, with a path it shows that
// skin; its close button ends it. It centres its window on the work area, where the
// test looks for it.
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <X11/Xlib.h>
#include <X11/keysym.h>

#include "platform/backend/x11/ErrorTrap.h"
#include "platform/win32.h"
#include "testing/x11/TestDisplay.h"
#include "tests/tools/skin-preview/PreviewColours.h"

extern char** environ;

namespace {

using x11test::TestDisplay;
using namespace previewtest;

// A running preview, ended by its process id when the test is done with it.
class PreviewProcess {
 public:
  explicit PreviewProcess(const std::vector<std::string>& arguments) {
    std::vector<char*> argv;
    std::string program = SKIN_PREVIEW_PROGRAM;
    argv.push_back(&program[0]);
    std::vector<std::string> copies(arguments);
    for (std::string& a : copies) argv.push_back(&a[0]);
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, program.c_str(), nullptr, nullptr, argv.data(), environ) != 0) pid_ = 0;
  }
  ~PreviewProcess() {
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    waitpid(pid_, nullptr, 0);
  }
  PreviewProcess(const PreviewProcess&) = delete;
  PreviewProcess& operator=(const PreviewProcess&) = delete;

  bool started() const { return pid_ > 0; }
  // True while it runs; a preview that gave up has ended.
  bool Running() const { return pid_ > 0 && waitpid(pid_, nullptr, WNOHANG) == 0; }
  // Waits (bounded) for the program to end; its exit code, or -1.
  int WaitForExit(int limitMs) {
    int status = 0;
    const bool ended = TestDisplay::WaitUntil([&] { return waitpid(pid_, &status, WNOHANG) == pid_; }, limitMs);
    if (!ended) return -1;
    pid_ = 0;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = 0;
};

// The X window titled `title` among the root's children and theirs (a window
// manager's frames hold the clients); 0 when there is none.
unsigned long FindNativeWindow(Display* display, Window parent, const char* title, int depth) {
  Window root = 0, up = 0;
  Window* children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, parent, &root, &up, &children, &count)) return 0;
  unsigned long found = 0;
  for (unsigned i = 0; i < count && found == 0; ++i) {
    char* name = nullptr;
    if (XFetchName(display, children[i], &name) && name != nullptr) {
      if (std::strcmp(name, title) == 0) found = children[i];
      XFree(name);
    }
    if (found == 0 && depth > 0) found = FindNativeWindow(display, children[i], title, depth - 1);
  }
  if (children) XFree(children);
  return found;
}

unsigned long FindNativeWindow(const char* title) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return 0;
  unsigned long found = 0;
  {
    // Windows come and go while the tree is walked; one that went is simply skipped.
    platform::x11::ErrorTrap trap(display);
    found = FindNativeWindow(display, DefaultRootWindow(display), title, 2);
    trap.Clean();
  }
  XCloseDisplay(display);
  return found;
}

struct ProgramCase {
  const char* what;
  std::string skinText;  // empty: no argument, the sample skin
  SIZE window;           // the skin's size
  POINT probe;           // a point of the window, from its top-left
  uint32_t rgb;          // what shows there
};

std::string WriteSkin(const std::string& text) {
  const char* folder = std::getenv("X11_SMOKE_OUTPUT");
  // The suite runs in several modes at once: each run writes a file of its own. The
  // space checks that a quoted path reaches the program whole.
  const std::string path =
      std::string(folder ? folder : "/tmp") + "/preview skin " + std::to_string(getpid()) + ".xml";
  std::ofstream(path) << text;
  return path;
}

TEST(PreviewProgram, ShowsTheSkinItIsGivenCentredOnTheScreen) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info));
  const RECT work = info.rcWork;

  const ProgramCase cases[] = {
      {"the sample skin beside the program", "", SIZE{600, 400}, POINT{20, 20}, kLogoOrange},
      {"a skin named on the command line",
       "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
       "<Window size=\"300,200\"><VerticalLayout bkcolor=\"#FF10A040\" /></Window>\n",
       SIZE{300, 200}, POINT{150, 100}, 0x10A040},
  };
  for (const ProgramCase& c : cases) {
    std::vector<std::string> arguments;
    if (!c.skinText.empty()) arguments.push_back(WriteSkin(c.skinText));
    PreviewProcess preview(arguments);
    ASSERT_TRUE(preview.started()) << c.what;
    const int left = work.left + (work.right - work.left - c.window.cx) / 2;
    const int top = work.top + (work.bottom - work.top - c.window.cy) / 2;
    const bool shown = display.WaitForPixel(left + c.probe.x, top + c.probe.y, c.rgb, 2, 10000);
    if (!shown) display.SaveScreen("preview-program");
    EXPECT_TRUE(shown) << c.what << ": " << std::hex << display.ScreenPixel(left + c.probe.x, top + c.probe.y);
    EXPECT_TRUE(preview.Running()) << c.what;
    if (!arguments.empty()) std::remove(arguments[0].c_str());
  }
}

TEST(PreviewProgram, ItsCloseButtonEndsIt) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  ASSERT_TRUE(GetMonitorInfoW(MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &info));
  const int left = info.rcWork.left + (info.rcWork.right - info.rcWork.left - 600) / 2;
  const int top = info.rcWork.top + (info.rcWork.bottom - info.rcWork.top - 400) / 2;
  PreviewProcess preview({});
  ASSERT_TRUE(preview.started());
  ASSERT_TRUE(display.WaitForPixel(left + 20, top + 20, kLogoOrange, 2, 15000)) << "the sample skin never showed";
  // The close button is the title bar's last 40 pixels, inside the window's 1-pixel frame.
  display.Click(left + 600 - 1 - 20, top + 1 + 20);
  EXPECT_EQ(preview.WaitForExit(15000), 0);
}

TEST(PreviewProgram, SaysSoAndEndsWhenTheSkinCannotBeLoaded) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  PreviewProcess preview({"/nonexistent/folder/skin.xml"});
  ASSERT_TRUE(preview.started());
  unsigned long box = 0;
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return (box = FindNativeWindow("SkinUI")) != 0; }, 15000))
      << "no message box titled SkinUI";
  ASSERT_TRUE(TestDisplay::WaitUntil([&] { return display.Viewable(box); }, 15000)) << "the box never showed";
  EXPECT_TRUE(preview.Running()) << "the program waits for the message to be read";
  // The box sits in the middle of the screen: a click there gives it the keyboard,
  // Return dismisses it, and the program ends with 1.
  display.Click(GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2);
  if (preview.Running()) {
    ASSERT_TRUE(display.WaitForFocus(box, 15000)) << "the box never took the keyboard";
  }
  display.Key(XK_Return, true);
  display.Key(XK_Return, false);
  EXPECT_EQ(preview.WaitForExit(15000), 1);
}

}  // namespace
