// The headless backend on its own: surfaces, pictures, stacking, the clock.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <string>

#include "platform/backend/BackendRegistry.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/backend/headless/VirtualClock.h"
#include "platform/base/Clock.h"

namespace {

using platform::backend::SurfaceDesc;
using platform::headless::HeadlessBackend;

cairo_surface_t* Filled(int width, int height, uint32_t pixel) {
  cairo_surface_t* image = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  unsigned char* data = cairo_image_surface_get_data(image);
  for (int y = 0; y < height; ++y) {
    auto* row = reinterpret_cast<uint32_t*>(data + y * cairo_image_surface_get_stride(image));
    for (int x = 0; x < width; ++x) row[x] = pixel;
  }
  cairo_surface_mark_dirty(image);
  return image;
}

uint32_t FirstPixel(cairo_surface_t* image) { return *reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(image)); }

struct PresentCase {
  bool perPixelAlpha;
  uint32_t presented;
  uint32_t readBack;
};

class Presenting : public ::testing::TestWithParam<PresentCase> {};

TEST_P(Presenting, OnlyLayeredPicturesKeepTheirAlpha) {
  HeadlessBackend backend;
  SurfaceDesc desc;
  desc.hwnd = HWND(0x1000);
  desc.rect = RECT{0, 0, 4, 4};
  const auto id = backend.CreateSurface(desc);
  cairo_surface_t* image = Filled(4, 4, GetParam().presented);
  backend.Present(id, image, GetParam().perPixelAlpha);
  cairo_surface_destroy(image);  // the backend keeps its own copy
  cairo_surface_t* copy = backend.CopyImage(desc.hwnd);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(FirstPixel(copy), GetParam().readBack);
  cairo_surface_destroy(copy);
}

INSTANTIATE_TEST_SUITE_P(Table, Presenting,
                         ::testing::Values(PresentCase{false, 0x80402010u, 0xFF402010u},
                                           PresentCase{true, 0x80402010u, 0x80402010u},
                                           PresentCase{false, 0x00000000u, 0xFF000000u}));

// The backend writes each picture over the last one of the same size: every present
// still shows exactly its own picture, with the alpha rule of its own call.
TEST(HeadlessBackend, EachPresentShowsItsOwnPicture) {
  HeadlessBackend backend;
  SurfaceDesc desc;
  desc.hwnd = HWND(0x1800);
  const auto id = backend.CreateSurface(desc);
  struct Step {
    int width, height;
    uint32_t presented;
    bool perPixelAlpha;
    uint32_t readBack;
  } steps[] = {
      {4, 3, 0x80402010u, true, 0x80402010u},
      {4, 3, 0x80402010u, false, 0xFF402010u},
      {4, 3, 0x40102030u, true, 0x40102030u},
      {6, 2, 0x00000000u, false, 0xFF000000u},
      {6, 2, 0x20000000u, true, 0x20000000u},
  };
  for (const Step& step : steps) {
    cairo_surface_t* image = Filled(step.width, step.height, step.presented);
    backend.Present(id, image, step.perPixelAlpha);
    cairo_surface_destroy(image);
    cairo_surface_t* copy = backend.CopyImage(desc.hwnd);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(cairo_image_surface_get_width(copy), step.width);
    EXPECT_EQ(cairo_image_surface_get_height(copy), step.height);
    const unsigned char* data = cairo_image_surface_get_data(copy);
    const auto* last = reinterpret_cast<const uint32_t*>(data + (step.height - 1) * cairo_image_surface_get_stride(copy));
    EXPECT_EQ(FirstPixel(copy), step.readBack) << std::hex << step.presented;
    EXPECT_EQ(last[step.width - 1], step.readBack) << std::hex << step.presented;
    cairo_surface_destroy(copy);
  }
}

TEST(HeadlessBackend, SavesPicturesAsPngAndTracksStacking) {
  HeadlessBackend backend;
  SurfaceDesc a, b;
  a.hwnd = HWND(0x2000);
  b.hwnd = HWND(0x3000);
  const auto ia = backend.CreateSurface(a);
  const auto ib = backend.CreateSurface(b);
  EXPECT_EQ(backend.StackingOrder(), (std::vector<HWND>{b.hwnd, a.hwnd})) << "new surfaces go on top";
  backend.Restack({ia, ib});
  EXPECT_EQ(backend.StackingOrder(), (std::vector<HWND>{a.hwnd, b.hwnd}));
  // Named after the process: the same test may run in another build's run at once.
  const std::string prefix = ::testing::TempDir() + "headless-" + std::to_string(getpid());
  EXPECT_FALSE(backend.SaveImagePng(a.hwnd, prefix + "-never.png")) << "nothing presented yet";
  cairo_surface_t* image = Filled(3, 2, 0xFF00FF00u);
  backend.Present(ia, image, false);
  cairo_surface_destroy(image);
  const std::string path = prefix + "-surface.png";
  ASSERT_TRUE(backend.SaveImagePng(a.hwnd, path));
  cairo_surface_t* loaded = cairo_image_surface_create_from_png(path.c_str());
  EXPECT_EQ(cairo_image_surface_get_width(loaded), 3);
  EXPECT_EQ(FirstPixel(loaded), 0xFF00FF00u);
  cairo_surface_destroy(loaded);
  std::remove(path.c_str());
  backend.DestroySurface(ia);
  EXPECT_FALSE(backend.Surface(a.hwnd).has_value());
}

TEST(HeadlessBackend, DefaultScreenAndVirtualClock) {
  const auto monitors = HeadlessBackend::DefaultMonitors();
  ASSERT_EQ(monitors.size(), 1u);
  EXPECT_EQ(monitors[0].bounds.right, 1920);
  EXPECT_EQ(monitors[0].bounds.bottom, 1080);
  EXPECT_EQ(monitors[0].work.bottom, 1040);
  HeadlessBackend backend;
  const uint64_t before = platform::ClockMilliseconds();
  platform::headless::VirtualClock::Advance(8000);
  EXPECT_EQ(platform::ClockMilliseconds(), before + 8000);
  EXPECT_EQ(GetTickCount(), DWORD(before + 8000));
}

TEST(BackendRegistry, TheTestRunnerAsksForHeadless) {
  EXPECT_EQ(platform::backend::BackendRegistry::RequestedName(), "headless");
  std::string error;
  ASSERT_NE(platform::backend::BackendRegistry::Active(&error), nullptr) << error;
  EXPECT_TRUE(platform::backend::BackendRegistry::Active()->ClockIsVirtual());
}

}  // namespace
