// The dashboard's chart on WebKitGTK, beside plain copies. Needs a display for GTK's
// own connection (the windows stay on the headless backend):
//   xvfb-run -a -s "-screen 0 1920x1080x24 -nolisten tcp" build/bench/bench_web
// - BM_FirstChartFrame: from wkeLoadW of html/index.html beside the program, with the
//   two chart scripts queued at once, to the first window image holding bars of both
//   colours, in milliseconds (a new view each time).
// - BM_TickPaint: one 30-ms tick of the web view control at 1920 x 900: wkePaint2 of
//   the latest frame into the control's bitmap and BitBlt into the window;
//   BM_PlainFrameCopy: memcpy of a buffer of the same size, the floor of that copy.
#include <benchmark/benchmark.h>

#include <cairo.h>

#include <chrono>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "CommonTools/Config.h"
#include "app/frame/home/DashboardChart.h"
#include "platform/backend/headless/HeadlessBackend.h"
#include "platform/base/CodePage.h"
#include "platform/web/Wke.h"
#include "platform/win32.h"
#include "testing/driver/TestDriver.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 900;
const uint32_t kPassColour = 0x34F35D;
const uint32_t kMissColour = 0xCC8600;

// The window the chart is shown in, painted as the web view control paints: the view's
// frame into a DIB section, then one BitBlt.
struct ChartWindow {
  HWND hwnd = nullptr;
  HDC memory = ::CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP bitmap = nullptr;
  HGDIOBJ previous = nullptr;
  wkeWebView view = nullptr;

  ChartWindow() {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = kWidth;
    info.bmiHeader.biHeight = -kHeight;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous = ::SelectObject(memory, bitmap);
  }
  ~ChartWindow() {
    if (hwnd != nullptr) ::DestroyWindow(hwnd);
    if (view != nullptr) wkeDestroyWebView(view);
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
  }

  void PaintTo(HDC dc) {
    wkePaint2(view, bits, 0);
    ::BitBlt(dc, 0, 0, kWidth, kHeight, memory, 0, 0, SRCCOPY);
  }
};

LRESULT CALLBACK ChartWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* window = reinterpret_cast<ChartWindow*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (message == WM_ERASEBKGND) return 1;
  if (message != WM_PAINT || window == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
  PAINTSTRUCT ps;
  HDC dc = ::BeginPaint(hwnd, &ps);
  window->PaintTo(dc);
  ::EndPaint(hwnd, &ps);
  return 0;
}

std::unique_ptr<platform::headless::TestDriver> StartWindowsAndEngine() {
  platform::backend::MonitorDesc screen;
  screen.bounds = screen.work = RECT{0, 0, kWidth, kHeight};
  screen.primary = true;
  auto driver = std::make_unique<platform::headless::TestDriver>(std::vector<platform::backend::MonitorDesc>{screen});
  wkeInitialize();
  WNDCLASSW wc = {};
  wc.lpfnWndProc = ChartWindowProc;
  wc.lpszClassName = L"WebChartBenchWindow";
  ::RegisterClassW(&wc);
  return driver;
}

// A window showing a new view, not loaded yet.
bool OpenWindow(ChartWindow* window) {
  window->view = wkeCreateWebView();
  if (window->view == nullptr) return false;
  wkeResize(window->view, kWidth, kHeight);
  window->hwnd = ::CreateWindowExW(0, L"WebChartBenchWindow", L"chart", WS_POPUP | WS_VISIBLE, 0, 0, kWidth, kHeight,
                                   nullptr, nullptr, nullptr, nullptr);
  ::SetWindowLongPtrW(window->hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
  return true;
}

// The chart page beside the program, its two scripts queued behind the load.
void LoadChart(ChartWindow* window) {
  wkeLoadW(window->view, (CommonTools::get_exe_dir() + L"\\html\\index.html").c_str());
  PassRateBuckets buckets;
  for (int period = 1; period <= 7; ++period) buckets[period] = PassRateBucket{period * 3, 8 - period, 0};
  SYSTEMTIME today = {};
  ::GetLocalTime(&today);
  const std::wstring scripts = DashboardChart::DataScript(1, buckets, today) + DashboardChart::DrawScript();
  wkeRunJS(window->view, platform::codepage::WideToUtf8(scripts).c_str());
}

// Whether the window image holds pixels of both bar colours.
bool ImageHasBars(HWND hwnd) {
  cairo_surface_t* image = platform::headless::HeadlessBackend::Instance()->CopyImage(hwnd);
  if (image == nullptr) return false;
  cairo_surface_flush(image);
  const int width = cairo_image_surface_get_width(image);
  const int height = cairo_image_surface_get_height(image);
  const int stride = cairo_image_surface_get_stride(image);
  const unsigned char* data = cairo_image_surface_get_data(image);
  bool pass = false;
  bool miss = false;
  for (int y = 0; y < height && !(pass && miss); ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const uint32_t rgb = row[x] & 0xFFFFFF;
      pass = pass || rgb == kPassColour;
      miss = miss || rgb == kMissColour;
    }
  }
  cairo_surface_destroy(image);
  return pass && miss;
}

// Lets the view's reports run and repaints until the bars show, for at most 30 s.
bool PaintUntilBars(ChartWindow* window) {
  const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
  while (std::chrono::steady_clock::now() < limit) {
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
    ::InvalidateRect(window->hwnd, nullptr, FALSE);
    ::UpdateWindow(window->hwnd);
    if (ImageHasBars(window->hwnd)) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  return false;
}

void BM_FirstChartFrame(benchmark::State& state) {
  auto driver = StartWindowsAndEngine();
  for (auto _ : state) {
    ChartWindow window;
    if (!OpenWindow(&window)) {
      state.SkipWithError("no web engine: is DISPLAY set?");
      return;
    }
    const auto start = std::chrono::steady_clock::now();
    LoadChart(&window);
    if (!PaintUntilBars(&window)) {
      state.SkipWithError("no bars within 30 s");
      return;
    }
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}

void BM_TickPaint(benchmark::State& state) {
  auto driver = StartWindowsAndEngine();
  ChartWindow window;
  if (!OpenWindow(&window)) {
    state.SkipWithError("no web engine: is DISPLAY set?");
    return;
  }
  LoadChart(&window);
  if (!PaintUntilBars(&window)) {
    state.SkipWithError("no chart: is DISPLAY set?");
    return;
  }
  HDC dc = ::GetDC(window.hwnd);
  for (auto _ : state) window.PaintTo(dc);
  ::ReleaseDC(window.hwnd, dc);
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 4);
}

void BM_PlainFrameCopy(benchmark::State& state) {
  std::vector<uint32_t> source(static_cast<size_t>(kWidth) * kHeight, 0xFF002971);
  std::vector<uint32_t> target(source.size());
  for (auto _ : state) {
    std::memcpy(target.data(), source.data(), source.size() * sizeof(uint32_t));
    benchmark::DoNotOptimize(target.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * kWidth * kHeight * 4);
}

}  // namespace

BENCHMARK(BM_FirstChartFrame)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_TickPaint)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainFrameCopy)->Unit(benchmark::kMillisecond)->UseRealTime();
