// The render engine's two hot paths. A markup text of 2,000 characters (fonts,
// colours, links, paragraphs, Chinese and Latin words) laid out with word breaks and
// drawn into a 32-bit DIB section, beside the same characters drawn by DrawTextW; and
// 1,000 nine-grid skin pictures drawn with AlphaBlend, beside the same pictures drawn
// as one stretched blend each. The ratios are the renderer's own cost.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>

#include "testing/driver/TestDriver.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using SkinUI::CSkinRenderer;
using SkinUI::CUIString;
using SkinUI::CWindowManagerUI;

constexpr int kWidth = 640;
constexpr int kHeight = 1200;
constexpr int kMarkupCharacters = 2000;
constexpr int kPictures = 1000;
constexpr int kSkin = 48;
constexpr int kCorner = 8;

// A window whose manager measures fonts, and a DIB section to draw into.
class Scene {
 public:
  Scene() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = L"RenderBenchHost";
    RegisterClassExW(&wc);
    hwnd_ = CreateWindowExW(0, L"RenderBenchHost", L"", WS_POPUP, 0, 0, kWidth, 200, nullptr, nullptr, nullptr,
                            nullptr);
    manager_.Init(hwnd_);
    manager_.SetDefaultFont(L"微软雅黑", 12, false, false, false);
    manager_.AddFont(L"微软雅黑", 16, true, false, false);
    dc_ = CreateCompatibleDC(nullptr);
    bitmap_ = CSkinRenderer::Create32BitDIB(dc_, kWidth, kHeight, &bits_);
    old_ = SelectObject(dc_, bitmap_);
  }
  ~Scene() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
    DestroyWindow(hwnd_);
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  HDC DC() const { return dc_; }
  CWindowManagerUI& Manager() { return manager_; }
  LPBYTE Bits() const { return bits_; }

 private:
  platform::headless::TestDriver driver_;
  HWND hwnd_ = nullptr;
  CWindowManagerUI manager_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  LPBYTE bits_ = nullptr;
};

// Visible characters of one paragraph of the markup, and the markup around them.
const wchar_t* const kWords[] = {L"巡更计划", L"Patrol", L"plan", L"东门岗亭", L"checkpoint", L"合格率",
                                 L"98.5%", L"record", L"漏检", L"2024-05-01"};

std::wstring PlainText() {
  std::wstring text;
  for (int i = 0; text.size() < kMarkupCharacters; ++i) {
    text += kWords[i % 10];
    text += L' ';
  }
  text.resize(kMarkupCharacters);
  return text;
}

std::wstring MarkupText() {
  std::wstring plain = PlainText();
  std::wstring markup;
  int word = 0;
  for (size_t start = 0; start < plain.size();) {
    size_t end = plain.find(L' ', start);
    if (end == std::wstring::npos) end = plain.size();
    const std::wstring piece = plain.substr(start, end - start);
    switch (word++ % 12) {
      case 3:
        markup += L"<b>" + piece + L"</b>";
        break;
      case 5:
        markup += L"<c #FF2060A0>" + piece + L"</c>";
        break;
      case 8:
        markup += L"<a link" + std::to_wstring(word) + L">" + piece + L"</a>";
        break;
      case 11:
        markup += L"<f 0>" + piece + L"</f>";
        break;
      default:
        markup += piece;
    }
    if (end < plain.size()) markup += word % 40 == 39 ? L"<n>" : L" ";
    start = end + 1;
  }
  return markup;
}

void BM_MarkupText(benchmark::State& state) {
  Scene scene;
  const std::wstring markup = MarkupText();
  RECT links[64];
  CUIString names[64];
  for (auto _ : state) {
    RECT rc = {10, 10, kWidth - 10, kHeight - 10};
    int count = 64;
    CSkinRenderer::DrawMarkupText(scene.DC(), &scene.Manager(), rc, markup.c_str(), 0xFF202020, links, names, count,
                                  DT_WORDBREAK);
    benchmark::DoNotOptimize(scene.Bits());
  }
  state.counters["texts"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_PlainDrawText(benchmark::State& state) {
  Scene scene;
  const std::wstring plain = PlainText();
  HGDIOBJ old = SelectObject(scene.DC(), scene.Manager().GetDefaultFontInfo()->hFont);
  SetBkMode(scene.DC(), TRANSPARENT);
  for (auto _ : state) {
    RECT rc = {10, 10, kWidth - 10, kHeight - 10};
    DrawTextW(scene.DC(), plain.c_str(), -1, &rc, DT_WORDBREAK | DT_NOPREFIX);
    benchmark::DoNotOptimize(scene.Bits());
  }
  SelectObject(scene.DC(), old);
  state.counters["texts"] = benchmark::Counter(static_cast<double>(state.iterations()), benchmark::Counter::kIsRate);
}

HBITMAP MakeSkin() {
  LPBYTE bits = nullptr;
  HBITMAP skin = CSkinRenderer::Create32BitDIB(nullptr, kSkin, kSkin, &bits);
  DWORD* pixels = reinterpret_cast<DWORD*>(bits);
  for (int y = 0; y < kSkin; ++y) {
    for (int x = 0; x < kSkin; ++x) {
      const bool edge = x < 2 || y < 2 || x >= kSkin - 2 || y >= kSkin - 2;
      pixels[y * kSkin + x] = edge ? 0x80202020u : 0xFF3C8CDCu;
    }
  }
  return skin;
}

RECT PictureRect(int i) {
  const int x = 10 + (i % 4) * 155;
  const int y = 10 + (i / 4 % 25) * 46;
  return RECT{x, y, x + 150, y + 40};
}

void BM_NineGridPictures(benchmark::State& state) {
  Scene scene;
  HBITMAP skin = MakeSkin();
  const RECT all = {0, 0, kWidth, kHeight};
  const RECT source = {0, 0, kSkin, kSkin};
  const RECT corner = {kCorner, kCorner, kCorner, kCorner};
  for (auto _ : state) {
    for (int i = 0; i < kPictures; ++i) {
      CSkinRenderer::DrawBitmap(scene.DC(), skin, PictureRect(i), all, source, corner, true);
    }
    benchmark::DoNotOptimize(scene.Bits());
  }
  state.counters["pictures"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kPictures, benchmark::Counter::kIsRate);
  DeleteObject(skin);
}

void BM_SingleBlendPictures(benchmark::State& state) {
  Scene scene;
  HBITMAP skin = MakeSkin();
  HDC skinDc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(skinDc, skin);
  const BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  for (auto _ : state) {
    for (int i = 0; i < kPictures; ++i) {
      const RECT rc = PictureRect(i);
      AlphaBlend(scene.DC(), rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, skinDc, 0, 0, kSkin, kSkin,
                 blend);
    }
    benchmark::DoNotOptimize(scene.Bits());
  }
  state.counters["pictures"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * kPictures, benchmark::Counter::kIsRate);
  SelectObject(skinDc, old);
  DeleteDC(skinDc);
  DeleteObject(skin);
}

BENCHMARK(BM_MarkupText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlainDrawText)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NineGridPictures)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SingleBlendPictures)->Unit(benchmark::kMillisecond);

}  // namespace
