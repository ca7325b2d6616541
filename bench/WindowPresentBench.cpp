// A window's full repaint from InvalidateRect to pixels the backend presents, on the
// backend PLATFORM_BACKEND names (headless when unset; x11 on the display in DISPLAY,
// with MIT-SHM under a local Xvfb); beside the same scene drawn with cairo and copied
// once into an X image (on x11, put on a window of its own through MIT-SHM and synced).
//   PLATFORM_BACKEND=x11 xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" build/bench/bench_present
// The window paints as the framework does: into an off-screen bitmap, then BitBlt.
#include <benchmark/benchmark.h>

#include "platform/backend/x11/XHeaders.h"
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "bench/RepaintScene.h"
#include "platform/backend/BackendRegistry.h"
#include "testing/driver/TestDriver.h"
#include "platform/backend/x11/X11Backend.h"
#include "platform/win32.h"

namespace {

constexpr int kWidth = RepaintScene::kWidth;
constexpr int kHeight = RepaintScene::kHeight;

bool OnX11() { return platform::backend::BackendRegistry::RequestedName() == "x11"; }

// The window under test and what its WM_PAINT needs.
struct PaintedWindow {
  RepaintScene scene;
  HDC offscreen = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = RepaintScene::MakeDib(offscreen, kWidth, kHeight, &bits);
  HGDIOBJ oldBitmap = SelectObject(offscreen, bitmap);
  HWND hwnd = nullptr;

  ~PaintedWindow() {
    if (hwnd) DestroyWindow(hwnd);
    SelectObject(offscreen, oldBitmap);
    DeleteObject(bitmap);
    DeleteDC(offscreen);
  }
};

LRESULT CALLBACK PaintedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<PaintedWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_ERASEBKGND) return 1;
  if (message != WM_PAINT || !window) return DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(hwnd, &ps);
  window->scene.DrawGdi(window->offscreen, 0);
  BitBlt(dc, 0, 0, kWidth, kHeight, window->offscreen, 0, 0, SRCCOPY);
  EndPaint(hwnd, &ps);
  return 0;
}

void BM_WindowRepaint(benchmark::State& state) {
  std::unique_ptr<platform::headless::TestDriver> driver;
  if (!OnX11()) {
    platform::backend::MonitorDesc screen;
    screen.bounds = screen.work = RECT{0, 0, kWidth, kHeight};
    screen.primary = true;
    driver = std::make_unique<platform::headless::TestDriver>(std::vector<platform::backend::MonitorDesc>{screen});
  }
  static const bool registered = [] {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = PaintedWindowProc;
    wc.lpszClassName = L"PresentBenchWindow";
    return RegisterClassExW(&wc) != 0;
  }();
  if (!registered) {
    state.SkipWithError("RegisterClassExW failed");
    return;
  }
  PaintedWindow window;
  window.hwnd = CreateWindowExW(0, L"PresentBenchWindow", L"present", WS_POPUP, 0, 0, kWidth, kHeight, nullptr,
                                nullptr, nullptr, nullptr);
  if (!window.hwnd) {
    state.SkipWithError("no window: is PLATFORM_BACKEND=x11 given a display?");
    return;
  }
  SetWindowLongPtrW(window.hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&window));
  ShowWindow(window.hwnd, SW_SHOWNOACTIVATE);
  UpdateWindow(window.hwnd);
  platform::x11::X11Backend* x11 = platform::x11::X11Backend::Instance();
  if (x11) x11->Flush();
  for (auto _ : state) {
    InvalidateRect(window.hwnd, nullptr, FALSE);
    UpdateWindow(window.hwnd);
    if (x11) x11->Flush();
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

// Where the bare scene goes: an X image in shared memory, put on a window of its own,
// or (headless) the image's memory alone.
class XImageTarget {
 public:
  XImageTarget() {
    if (!OnX11() || !(display_ = XOpenDisplay(nullptr))) {
      memory_.resize(size_t(kWidth) * kHeight);
      return;
    }
    const int screen = DefaultScreen(display_);
    XSetWindowAttributes attributes{};
    attributes.override_redirect = True;
    window_ = XCreateWindow(display_, RootWindow(display_, screen), 0, 0, kWidth, kHeight, 0, CopyFromParent,
                            InputOutput, CopyFromParent, CWOverrideRedirect, &attributes);
    XMapWindow(display_, window_);
    gc_ = XCreateGC(display_, window_, 0, nullptr);
    image_ = XShmCreateImage(display_, DefaultVisual(display_, screen), unsigned(DefaultDepth(display_, screen)),
                             ZPixmap, nullptr, &shm_, kWidth, kHeight);
    shm_.shmid = shmget(IPC_PRIVATE, size_t(image_->bytes_per_line) * kHeight, IPC_CREAT | 0600);
    shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
    shm_.readOnly = False;
    XShmAttach(display_, &shm_);
    XSync(display_, False);
    shmctl(shm_.shmid, IPC_RMID, nullptr);
  }
  ~XImageTarget() {
    if (!display_) return;
    XShmDetach(display_, &shm_);
    XSync(display_, False);
    shmdt(shm_.shmaddr);
    image_->data = nullptr;
    XDestroyImage(image_);
    XFreeGC(display_, gc_);
    XDestroyWindow(display_, window_);
    XCloseDisplay(display_);
  }
  XImageTarget(const XImageTarget&) = delete;
  XImageTarget& operator=(const XImageTarget&) = delete;

  // The one copy, and on x11 the put and a round trip.
  void Show(cairo_surface_t* frame) {
    const auto* pixels = cairo_image_surface_get_data(frame);
    const int stride = cairo_image_surface_get_stride(frame);
    char* target = display_ ? image_->data : reinterpret_cast<char*>(memory_.data());
    const int targetStride = display_ ? image_->bytes_per_line : kWidth * 4;
    for (int y = 0; y < kHeight; ++y)
      std::memcpy(target + size_t(y) * targetStride, pixels + size_t(y) * stride, size_t(kWidth) * 4);
    if (!display_) return;
    XShmPutImage(display_, window_, gc_, image_, 0, 0, 0, 0, kWidth, kHeight, False);
    XSync(display_, False);
  }

 private:
  Display* display_ = nullptr;
  Window window_ = 0;
  GC gc_ = nullptr;
  XImage* image_ = nullptr;
  XShmSegmentInfo shm_{};
  std::vector<uint32_t> memory_;
};

void BM_CairoSceneToXImage(benchmark::State& state) {
  RepaintScene scene;
  XImageTarget target;
  cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  cairo_t* cr = cairo_create(frame);
  for (auto _ : state) {
    scene.DrawCairo(cr, 0);
    cairo_surface_flush(frame);
    target.Show(frame);
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  cairo_destroy(cr);
  cairo_surface_destroy(frame);
}

BENCHMARK(BM_WindowRepaint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CairoSceneToXImage)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
