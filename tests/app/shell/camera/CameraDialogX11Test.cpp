// The camera dialog on a real X server playing the loopback camera's test pattern: the
// picture reaches the screen inside the dialog, and a picture of it is saved for a
// person to look at. "btn_close" is clicked through XTest.
#include <gtest/gtest.h>

#include <cstdlib>
#include <future>
#include <mutex>

#include "app/shell/OpenCameraDialog.h"
#include "data/StartupCaches.h"
#include "testing/base/CheckedSlowdown.h"
#include "testing/driver/GuiThread.h"
#include "testing/video/RtspSource.h"
#include "testing/x11/ScreenCapture.h"
#include "testing/x11/TestDisplay.h"
#include "tests/app/shell/support/ShellWindowTest.h"

namespace {

using test_support::RtspSource;
using x11test::TestDisplay;

const int kCheckpoint = 31;
const uint32_t kBarWhite = 0xFFFFFF;
const uint32_t kBarYellow = 0xFFFF00;
// The camera's JPEG pictures keep video levels; the screen shows them scaled.
const int kTolerance = 48;

TEST(CameraDialogOnX11, PlaysTheTestPatternInItsPlace) {
  TestDisplay display;
  ASSERT_TRUE(display.ok());
  RtspSource::Options camera;
  RtspSource source(camera);
  ASSERT_TRUE(source.Ready()) << source.Error();
  {
    InspectPosDeviceInfo checkpoint;
    checkpoint.iID = kCheckpoint;
    checkpoint.strCamIp = source.Address();
    checkpoint.strCamAccount = camera.user;
    checkpoint.strCamPassword = camera.password;
    checkpoint.CamBrand = camera.brand;
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    g_mapInspectPosDevice[kCheckpoint] = checkpoint;
  }

  platform::headless::GuiThread gui;
  std::promise<UINT> closed;
  std::future<UINT> result = closed.get_future();
  gui.Post([&] { closed.set_value(OpenCameraDialog(nullptr, kCheckpoint)); });
  HWND dialog = nullptr;
  HWND player = nullptr;
  // The dialog is found as soon as it exists; its player comes once its skin is built.
  ASSERT_TRUE(TestDisplay::WaitUntil([&] {
    dialog = shelltest::FindWindowOfClass(L"CamPlay");
    player = dialog != nullptr ? ::GetWindow(dialog, GW_CHILD) : nullptr;
    return player != nullptr;
  })) << "no dialog with a player";
  ASSERT_TRUE(TestDisplay::FlushBackend());
  RECT video = {};
  ::GetWindowRect(player, &video);
  const int y = video.top + (video.bottom - video.top) / 3;
  const int width = video.right - video.left;
  // The first picture comes once the stream is opened and its first frame decoded, by
  // the test's own encoder and the player at once: on a machine busy with builds that
  // took over thirty seconds, and an instrumented build takes many times longer again;
  // after it, the bars.
  EXPECT_TRUE(display.WaitForPixel(video.left + width / 14, y, kBarWhite, kTolerance,
                                   3 * TestDisplay::kPatienceMs * testing_base::kCheckedSlowdown))
      << "the first picture (its white bar) never showed";
  EXPECT_TRUE(display.WaitForPixel(video.left + width * 3 / 14, y, kBarYellow, kTolerance)) << "no yellow bar";

  cairo_surface_t* picture = platform::x11::ScreenCapture::GrabWindow(dialog);
  ASSERT_NE(picture, nullptr);
  const char* folder = std::getenv("X11_SMOKE_OUTPUT");
  platform::x11::ScreenCapture::SavePng(picture, std::string(folder ? folder : ".") + "/camera-dialog.png");
  cairo_surface_destroy(picture);

  RECT rc = {};
  ::GetWindowRect(dialog, &rc);
  display.Click(rc.right - 21, rc.top + 21);
  ASSERT_EQ(result.wait_for(std::chrono::milliseconds(TestDisplay::kPatienceMs)), std::future_status::ready)
      << "\"btn_close\" did not close the dialog";
  EXPECT_EQ(result.get(), 1u);
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  g_mapInspectPosDevice.erase(kCheckpoint);
}

}  // namespace
