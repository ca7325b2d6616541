// screenshot --window TITLE --within SECONDS FILE
// Waits until a window titled TITLE is shown on the X display and has painted (its
// picture is not of one colour, has had two seconds to fill in, and holds still between
// two looks), then saves the whole screen to FILE as PNG. Gives up after SECONDS. Exit
// status 0 when saved, 1 when a step failed (said on standard error), 2 for wrong
// arguments.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "testing/x11/ScreenCapture.h"
#include "tools/screenshot/PaintCheck.h"
#include "tools/screenshot/TitledWindow.h"

namespace {

using Clock = std::chrono::steady_clock;
using platform::x11::ScreenCapture;
using screenshot::PaintCheck;
using screenshot::TitledWindow;

// Often enough to catch the first painting soon, seldom enough to leave the machine to
// the client; a clock that ticks each second still holds still between two looks.
const std::chrono::milliseconds kLookEvery(200);
// A window's first image is seldom its whole: labels set by a one-second timer and web
// views that load on their own come a little later.
const std::chrono::milliseconds kFillingIn(2000);

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
using Picture = std::unique_ptr<cairo_surface_t, SurfaceRelease>;

struct DisplayClose {
  void operator()(Display* display) const { XCloseDisplay(display); }
};

struct Arguments {
  std::string title;
  int seconds = 0;
  std::string file;
};

bool ReadArguments(int argc, char** argv, Arguments& out) {
  if (argc != 6) return false;
  for (int i = 1; i + 1 < argc - 1; i += 2) {
    const std::string option = argv[i];
    if (option == "--window") {
      out.title = argv[i + 1];
    } else if (option == "--within") {
      char* end = nullptr;
      const long seconds = std::strtol(argv[i + 1], &end, 10);
      if (*argv[i + 1] == '\0' || *end != '\0' || seconds <= 0 || seconds > 3600) return false;
      out.seconds = static_cast<int>(seconds);
    } else {
      return false;
    }
  }
  out.file = argv[argc - 1];
  return !out.title.empty() && out.seconds > 0 && !out.file.empty();
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "screenshot: %s\n", message.c_str());
  return 1;
}

std::string Listed(const std::vector<std::string>& titles) {
  if (titles.empty()) return "none";
  std::string text;
  for (const std::string& title : titles) text += (text.empty() ? "\"" : ", \"") + title + "\"";
  return text;
}

// Waits for the window to be shown; its area on the screen, or none at the deadline.
std::optional<RECT> WaitShown(Display* display, const std::string& title, Clock::time_point deadline) {
  while (true) {
    if (std::optional<RECT> area = TitledWindow::Find(display, title)) return area;
    if (Clock::now() >= deadline) return std::nullopt;
    std::this_thread::sleep_for(kLookEvery);
  }
}

enum class Painting { Settled, Moving, Nothing };

// Waits until the window's picture is painted, had time to fill in, and holds still, or
// the deadline passes.
Painting WaitPainted(Display* display, const std::string& title, Clock::time_point deadline) {
  Picture previous;
  std::optional<Clock::time_point> firstPainted;
  while (true) {
    const std::optional<RECT> area = TitledWindow::Find(display, title);
    Picture current(area ? ScreenCapture::Grab(*area) : nullptr);
    const Clock::time_point now = Clock::now();
    if (current && !PaintCheck::OneColour(current.get())) {
      if (!firstPainted) firstPainted = now;
      if (now - *firstPainted >= kFillingIn && previous && PaintCheck::Same(previous.get(), current.get())) {
        return Painting::Settled;
      }
    }
    if (now >= deadline) return firstPainted ? Painting::Moving : Painting::Nothing;
    previous = std::move(current);
    std::this_thread::sleep_for(kLookEvery);
  }
}

}  // namespace

int main(int argc, char** argv) {
  Arguments arguments;
  if (!ReadArguments(argc, argv, arguments)) {
    std::fprintf(stderr, "usage: %s --window TITLE --within SECONDS FILE\n", argv[0]);
    return 2;
  }
  XInitThreads();
  std::unique_ptr<Display, DisplayClose> display(XOpenDisplay(nullptr));
  if (!display) {
    const char* name = std::getenv("DISPLAY");
    return Fail(std::string("cannot open the X display \"") + (name ? name : "") + "\"");
  }
  const Clock::time_point deadline = Clock::now() + std::chrono::seconds(arguments.seconds);
  const std::string within = " within " + std::to_string(arguments.seconds) + " s";
  if (!WaitShown(display.get(), arguments.title, deadline)) {
    return Fail("no window titled \"" + arguments.title + "\" was shown" + within + " (shown: " +
                Listed(TitledWindow::ShownTitles(display.get())) + ")");
  }
  switch (WaitPainted(display.get(), arguments.title, deadline)) {
    case Painting::Nothing:
      return Fail("the window \"" + arguments.title + "\" painted nothing" + within);
    case Painting::Moving:
      std::fprintf(stderr, "screenshot: the window \"%s\" still changes; saving it as it is\n",
                   arguments.title.c_str());
      break;
    case Painting::Settled:
      break;
  }
  const Picture screen(ScreenCapture::GrabScreen());
  if (!screen) return Fail("cannot read the screen");
  if (!ScreenCapture::SavePng(screen.get(), arguments.file)) return Fail("cannot write " + arguments.file);
  return 0;
}
