// `scripts/run --screenshot FILE` photographs the client's main frame on an X server of
// its own and leaves the build as it found it; the tool it uses refuses clearly when
// there is nothing to photograph.
#include <cairo.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <netinet/in.h>
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "testing/base/ThreadChecked.h"

#include "tests/tools/screenshot/ShellRun.h"

namespace {

namespace fs = std::filesystem;

using screenshottest::Outcome;
using screenshottest::RunShell;

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

std::string FileText(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

// `scripts/run --screenshot picture` on the campus port given, with scratch files in `scratch`.
Outcome RunScreenshot(const fs::path& scratch, const std::string& port, const fs::path& picture) {
  return RunShell("TMPDIR=" + Quoted(scratch) + " CAMPUS_PORT=" + port + " BUILD_DIR=" + Quoted(BUILD_FOLDER) + " " +
                  RUN_SCRIPT + " --screenshot " + Quoted(picture));
}

// A folder of the test's own, removed afterwards.
class Scratch {
 public:
  Scratch() {
    std::string pattern = std::string(SCRATCH_PARENT) + "/scratch.XXXXXX";
    if (mkdtemp(&pattern[0]) != nullptr) path_ = pattern;
  }
  ~Scratch() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// The distinct colours of a PNG (at most `enough`), or -1 when it cannot be read.
int Colours(cairo_surface_t* picture, size_t enough) {
  if (cairo_surface_status(picture) != CAIRO_STATUS_SUCCESS) return -1;
  const int width = cairo_image_surface_get_width(picture);
  const int height = cairo_image_surface_get_height(picture);
  const int stride = cairo_image_surface_get_stride(picture);
  const unsigned char* data = cairo_image_surface_get_data(picture);
  std::set<uint32_t> seen;
  for (int y = 0; y < height && seen.size() < enough; ++y) {
    const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
    for (int x = 0; x < width && seen.size() < enough; ++x) seen.insert(row[x]);
  }
  return static_cast<int>(seen.size());
}

TEST(Screenshot, ScriptSavesThePaintedMainFrameAndLeavesTheBuildAlone) {
  // The client it runs is built alike and shows the dashboard on the real web engine.
  if (testing_base::kThreadChecked) GTEST_SKIP() << testing_base::kWebLibrariesUnseen;
  Scratch scratch;
  ASSERT_FALSE(scratch.path().empty());
  const fs::path config = fs::path(BUILD_FOLDER) / "app/client/Config.ini";
  const bool configBefore = fs::exists(config);
  const std::string configText = configBefore ? FileText(config) : std::string();
  // In folders that do not exist yet.
  const fs::path picture = scratch.path() / "shots" / "day 1" / "main frame.png";

  const Outcome run = RunScreenshot(scratch.path(), "0", picture);
  ASSERT_EQ(run.status, 0) << run.output;

  cairo_surface_t* image = cairo_image_surface_create_from_png(picture.c_str());
  EXPECT_EQ(cairo_image_surface_get_width(image), 1600);
  EXPECT_EQ(cairo_image_surface_get_height(image), 900);
  // An unpainted window over the black root is one colour; the frame has text and pictures.
  EXPECT_GE(Colours(image, 64), 64);
  cairo_surface_destroy(image);

  // Its scratch program folder is gone, and the build's own settings were not touched.
  for (const auto& entry : fs::recursive_directory_iterator(scratch.path())) {
    const bool wanted = entry.path() == picture || entry.path() == picture.parent_path() ||
                        entry.path() == picture.parent_path().parent_path();
    EXPECT_TRUE(wanted) << entry.path() << " left behind";
  }
  EXPECT_EQ(fs::exists(config), configBefore);
  if (configBefore) {
    EXPECT_EQ(FileText(config), configText);
  }
}

// A port that is already taken stops the run before any X server or client starts.
TEST(Screenshot, ScriptFailsClearlyWhenTheCampusPortIsTaken) {
  Scratch scratch;
  ASSERT_FALSE(scratch.path().empty());
  const int holder = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  ASSERT_EQ(bind(holder, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ASSERT_EQ(listen(holder, 1), 0);
  socklen_t length = sizeof address;
  getsockname(holder, reinterpret_cast<sockaddr*>(&address), &length);
  const fs::path picture = scratch.path() / "never.png";

  const Outcome run = RunScreenshot(scratch.path(), std::to_string(ntohs(address.sin_port)), picture);
  close(holder);
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("the campus server did not start"), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(picture));
}

// A picture that cannot be written (a file stands where its folder would be) stops the
// run before anything starts, and the run leaves no scratch folder behind.
TEST(Screenshot, ScriptRefusesAPictureItCannotWriteBeforeStartingAnything) {
  Scratch scratch;
  ASSERT_FALSE(scratch.path().empty());
  std::ofstream(scratch.path() / "taken") << "a file";
  const fs::path picture = scratch.path() / "taken" / "shot.png";

  const Outcome run = RunScreenshot(scratch.path(), "0", picture);
  EXPECT_NE(run.status, 0);
  EXPECT_NE(run.output.find("cannot write the screenshot into " + (scratch.path() / "taken").string()),
            std::string::npos)
      << run.output;
  for (const auto& entry : fs::directory_iterator(scratch.path())) {
    EXPECT_EQ(entry.path().filename(), "taken") << entry.path() << " left behind";
  }
}

struct Refusal {
  const char* what;
  std::string environment;
  std::string arguments;
  int status;
  const char* says;
};

std::ostream& operator<<(std::ostream& out, const Refusal& c) { return out << c.what; }

class ScreenshotRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(ScreenshotRefuses, WithAMessageAndNoFile) {
  const Refusal& c = GetParam();
  Scratch scratch;
  ASSERT_FALSE(scratch.path().empty());
  const fs::path picture = scratch.path() / "shot.png";
  const Outcome run = RunShell(c.environment + " " + SCREENSHOT_TOOL + " " + c.arguments + " " + Quoted(picture));
  EXPECT_EQ(run.status, c.status);
  EXPECT_NE(run.output.find(c.says), std::string::npos) << run.output;
  EXPECT_FALSE(fs::exists(picture));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ScreenshotRefuses,
    ::testing::Values(
        Refusal{"no display", "DISPLAY=", "--window 'duvira主界面' --within 1", 1, "cannot open the X display"},
        // The suite's own Xvfb shows no window at all.
        Refusal{"a window that never shows", "", "--window 'duvira主界面' --within 1", 1,
                "no window titled \"duvira主界面\" was shown within 1 s (shown: none)"},
        Refusal{"no deadline", "", "--window 'duvira主界面'", 2, "usage"},
        Refusal{"a deadline that is no number", "", "--window x --within soon", 2, "usage"}));

}  // namespace
