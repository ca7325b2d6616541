// A full repaint of a 1920 x 1080 memory DC the way the window manager paints a main
// frame: background fills, skin pictures drawn as nine-grids with AlphaBlend, and 200
// lines of mixed Chinese and Latin text through DrawTextW; beside the same scene drawn
// with cairo and pango directly. The ratio of the two rates is the layer's overhead.
// Argument 0 repaints the same texts every frame (a hover); 1 shows texts not seen for
// the last seven frames, as a list scrolled through does.
#include <benchmark/benchmark.h>

#include "bench/RepaintScene.h"

namespace {

constexpr int kTextSets = 8;  // frames before a text comes back when they change

int SetCount(const benchmark::State& state) { return state.range(0) ? kTextSets : 1; }

void BM_GdiFullRepaint(benchmark::State& state) {
  RepaintScene scene(SetCount(state));
  HDC screen = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP frame = RepaintScene::MakeDib(screen, RepaintScene::kWidth, RepaintScene::kHeight, &bits);
  HGDIOBJ oldFrame = SelectObject(screen, frame);
  int painted = 0;
  for (auto _ : state) {
    scene.DrawGdi(screen, painted++);
    benchmark::DoNotOptimize(bits);
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  SelectObject(screen, oldFrame);
  DeleteObject(frame);
  DeleteDC(screen);
}

void BM_PlainCairoFullRepaint(benchmark::State& state) {
  RepaintScene scene(SetCount(state));
  cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, RepaintScene::kWidth, RepaintScene::kHeight);
  cairo_t* cr = cairo_create(frame);
  int painted = 0;
  for (auto _ : state) {
    scene.DrawCairo(cr, painted++);
    cairo_surface_flush(frame);
    benchmark::DoNotOptimize(cairo_image_surface_get_data(frame));
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  cairo_destroy(cr);
  cairo_surface_destroy(frame);
}

BENCHMARK(BM_GdiFullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCairoFullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
