// A full repaint of a 1920 x 1080 memory DC the way the window manager paints a main
// frame: background fills, skin pictures drawn as nine-grids with AlphaBlend, and 200
// lines of mixed Chinese and Latin text through DrawTextW; beside the same scene drawn
// with cairo and pango directly. The ratio of the two rates is the layer's overhead.
// Argument 0 repaints the same texts every frame (a hover); 1 shows texts not seen for
// the last seven frames, as a list scrolled through does.
#include <benchmark/benchmark.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>
#include <vector>

#include "platform/gdi/Gdi.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kSkin = 48;     // the skin picture's size
constexpr int kCorner = 8;    // its nine-grid corner
constexpr int kButtons = 40;  // nine-grid pictures per frame
constexpr int kLines = 200;
constexpr int kTextSets = 8;  // frames before a text comes back when they change

struct Piece {
  int dx, dy, dw, dh, sx, sy, sw, sh;
};

// The nine pieces of a picture of kSkin x kSkin drawn over (x, y, w, h).
std::vector<Piece> NineGrid(int x, int y, int w, int h) {
  const int k = kCorner, s = kSkin, m = kSkin - 2 * kCorner;
  return {
      {x, y, k, k, 0, 0, k, k},
      {x + k, y, w - 2 * k, k, k, 0, m, k},
      {x + w - k, y, k, k, s - k, 0, k, k},
      {x, y + k, k, h - 2 * k, 0, k, k, m},
      {x + k, y + k, w - 2 * k, h - 2 * k, k, k, m, m},
      {x + w - k, y + k, k, h - 2 * k, s - k, k, k, m},
      {x, y + h - k, k, k, 0, s - k, k, k},
      {x + k, y + h - k, w - 2 * k, k, k, s - k, m, k},
      {x + w - k, y + h - k, k, k, s - k, s - k, k, k},
  };
}

std::wstring LineText(int i, int set) {
  static const wchar_t* kSamples[] = {L"巡更计划 Patrol plan 第", L"设备记录 Device records 编号",
                                      L"合格率 Pass rate 2024-05-", L"漏检 Missed checkpoint 东门岗亭 "};
  return kSamples[i % 4] + std::to_wstring(i + set * kLines);
}

// The lines of each frame: the same set every frame, or the sets in turn.
int SetCount(const benchmark::State& state) { return state.range(0) ? kTextSets : 1; }

HBITMAP MakeDib(HDC dc, int width, int height, void** bits) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  return CreateDIBSection(dc, &info, DIB_RGB_COLORS, bits, nullptr, 0);
}

void FillSkin(uint32_t* pixels) {
  for (int y = 0; y < kSkin; ++y)
    for (int x = 0; x < kSkin; ++x) {
      bool edge = x < 2 || y < 2 || x >= kSkin - 2 || y >= kSkin - 2;
      pixels[y * kSkin + x] = edge ? 0x80404040u : 0xFF3C8CDCu;
    }
}

void BM_GdiFullRepaint(benchmark::State& state) {
  HDC screen = CreateCompatibleDC(nullptr);
  void* bits = nullptr;
  HBITMAP frame = MakeDib(screen, kWidth, kHeight, &bits);
  HGDIOBJ oldFrame = SelectObject(screen, frame);
  HDC skinDc = CreateCompatibleDC(nullptr);
  void* skinBits = nullptr;
  HBITMAP skin = MakeDib(skinDc, kSkin, kSkin, &skinBits);
  FillSkin(static_cast<uint32_t*>(skinBits));
  HGDIOBJ oldSkin = SelectObject(skinDc, skin);
  HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"微软雅黑");
  HBRUSH background = CreateSolidBrush(RGB(240, 244, 248));
  HBRUSH band = CreateSolidBrush(RGB(1, 21, 76));
  std::vector<std::vector<std::wstring>> sets(SetCount(state));
  for (int set = 0; set < SetCount(state); ++set)
    for (int i = 0; i < kLines; ++i) sets[set].push_back(LineText(i, set));
  const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};

  size_t painted = 0;
  for (auto _ : state) {
    const std::vector<std::wstring>& lines = sets[painted++ % sets.size()];
    int saved = SaveDC(screen);
    RECT all{0, 0, kWidth, kHeight};
    FillRect(screen, &all, background);
    RECT title{0, 0, kWidth, 60};
    FillRect(screen, &title, band);
    for (int b = 0; b < kButtons; ++b) {
      int x = 20 + (b % 10) * 180, y = 80 + (b / 10) * 50;
      for (const Piece& p : NineGrid(x, y, 160, 40))
        AlphaBlend(screen, p.dx, p.dy, p.dw, p.dh, skinDc, p.sx, p.sy, p.sw, p.sh, blend);
    }
    HGDIOBJ oldFont = SelectObject(screen, font);
    SetBkMode(screen, TRANSPARENT);
    SetTextColor(screen, RGB(32, 32, 32));
    for (int i = 0; i < kLines; ++i) {
      RECT cell{20 + (i / 50) * 470, 300 + (i % 50) * 15, 20 + (i / 50) * 470 + 460, 300 + (i % 50) * 15 + 15};
      DrawTextW(screen, lines[i].c_str(), -1, &cell, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
    }
    SelectObject(screen, oldFont);
    RestoreDC(screen, saved);
    benchmark::DoNotOptimize(bits);
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  SelectObject(skinDc, oldSkin);
  SelectObject(screen, oldFrame);
  DeleteObject(skin);
  DeleteObject(frame);
  DeleteObject(font);
  DeleteObject(background);
  DeleteObject(band);
  DeleteDC(skinDc);
  DeleteDC(screen);
}

void BM_PlainCairoFullRepaint(benchmark::State& state) {
  cairo_surface_t* frame = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kWidth, kHeight);
  cairo_surface_t* skin = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSkin, kSkin);
  cairo_surface_flush(skin);
  FillSkin(reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(skin)));
  cairo_surface_mark_dirty(skin);
  PangoFontDescription* font = pango_font_description_from_string("WenQuanYi Micro Hei");
  pango_font_description_set_absolute_size(font, 12 * PANGO_SCALE);
  std::vector<std::vector<std::string>> sets(SetCount(state));
  for (int n = 0; n < kLines * SetCount(state); ++n) {
    std::wstring wide = LineText(n % kLines, n / kLines);
    std::string utf8;
    for (wchar_t c : wide) {
      if (c < 0x80) {
        utf8 += static_cast<char>(c);
      } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      } else {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
      }
    }
    sets[n / kLines].push_back(utf8);
  }
  cairo_t* cr = cairo_create(frame);
  PangoLayout* layout = pango_cairo_create_layout(cr);
  pango_layout_set_font_description(layout, font);

  size_t painted = 0;
  for (auto _ : state) {
    const std::vector<std::string>& lines = sets[painted++ % sets.size()];
    cairo_save(cr);
    cairo_set_source_rgb(cr, 240 / 255.0, 244 / 255.0, 248 / 255.0);
    cairo_paint(cr);
    cairo_set_source_rgb(cr, 1 / 255.0, 21 / 255.0, 76 / 255.0);
    cairo_rectangle(cr, 0, 0, kWidth, 60);
    cairo_fill(cr);
    for (int b = 0; b < kButtons; ++b) {
      int x = 20 + (b % 10) * 180, y = 80 + (b / 10) * 50;
      for (const Piece& p : NineGrid(x, y, 160, 40)) {
        cairo_save(cr);
        cairo_rectangle(cr, p.dx, p.dy, p.dw, p.dh);
        cairo_clip(cr);
        cairo_translate(cr, p.dx, p.dy);
        cairo_scale(cr, static_cast<double>(p.dw) / p.sw, static_cast<double>(p.dh) / p.sh);
        cairo_set_source_surface(cr, skin, -p.sx, -p.sy);
        cairo_paint(cr);
        cairo_restore(cr);
      }
    }
    cairo_set_source_rgb(cr, 32 / 255.0, 32 / 255.0, 32 / 255.0);
    for (int i = 0; i < kLines; ++i) {
      pango_layout_set_text(layout, lines[i].data(), static_cast<int>(lines[i].size()));
      cairo_move_to(cr, 20 + (i / 50) * 470, 300 + (i % 50) * 15);
      pango_cairo_show_layout(cr, layout);
    }
    cairo_restore(cr);
    cairo_surface_flush(frame);
    benchmark::DoNotOptimize(cairo_image_surface_get_data(frame));
  }
  state.counters["fps"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
  g_object_unref(layout);
  cairo_destroy(cr);
  pango_font_description_free(font);
  cairo_surface_destroy(skin);
  cairo_surface_destroy(frame);
}

BENCHMARK(BM_GdiFullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainCairoFullRepaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
