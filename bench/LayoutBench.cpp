// A skin of 500 controls (50 rows of 9 coloured cells in a vertical layout) built by
// the skin builder into a window's manager and laid out on 1920 x 1080, beside
// parsing the same markup alone; and a full paint of the laid-out tree into a
// 1920 x 1080 memory DC, beside filling the same 450 cells directly. The skin comes
// twice: of base controls, and of labels, buttons, options and check boxes with
// text in the same cells, so the two show the cost of the framework's tree and of
// its real controls.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdint>
#include <string>
#include <vector>

#include "testing/driver/TestDriver.h"
#include "platform/win32.h"
#include "ui/core/builder/CDialogBuilder.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CControlUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/markup/CMarkupParser.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRows = 50;
constexpr int kCells = 9;

enum class Cells { Base, Real };

// The real controls take turns along a row; each row's options are one group.
std::wstring Cell(Cells cells, int row, int cell) {
  if (cells == Cells::Base) return L"<Control ";
  static const wchar_t* kElements[] = {L"Label", L"Button", L"Option", L"CheckBox"};
  const wchar_t* element = kElements[cell % 4];
  std::wstring markup = std::wstring(L"<") + element + L" text=\"巡更 " + std::to_wstring(cell) + L"\" ";
  if (cell % 4 == 2) markup += L"group=\"row" + std::to_wstring(row) + L"\" ";
  return markup;
}

std::wstring Skin(Cells cells) {
  static const wchar_t* kColors[] = {L"#FFE04040", L"#FF40A0E0", L"#FF50C050", L"#80202020"};
  std::wstring skin = L"<Window size=\"1920,1080\"><VerticalLayout inset=\"4,4,4,4\" childpadding=\"1\">";
  for (int row = 0; row < kRows; ++row) {
    skin += L"<HorizontalLayout childpadding=\"2\" padding=\"0,1,0,1\">";
    for (int cell = 0; cell < kCells; ++cell) {
      skin += Cell(cells, row, cell) + L"name=\"c" + std::to_wstring(row * kCells + cell) + L"\" bkcolor=\"" +
              kColors[(row + cell) % 4] + L"\" bordersize=\"1\" bordercolor=\"#FF000000\"/>";
    }
    skin += L"</HorizontalLayout>";
  }
  return skin + L"</VerticalLayout></Window>";
}

// A window whose manager the trees are built into: text needs its fonts and colours.
class Scene {
 public:
  Scene() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = L"LayoutBenchHost";
    RegisterClassExW(&wc);
    hwnd_ = CreateWindowExW(0, L"LayoutBenchHost", L"", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr, nullptr,
                            nullptr);
    manager_.Init(hwnd_);
  }
  ~Scene() { DestroyWindow(hwnd_); }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  SkinUI::CWindowManagerUI* Manager() { return &manager_; }

 private:
  platform::headless::TestDriver driver_;
  HWND hwnd_ = nullptr;
  SkinUI::CWindowManagerUI manager_;
};

SkinUI::CControlUI* BuildAndLayOut(const std::wstring& skin, SkinUI::CWindowManagerUI* manager) {
  SkinUI::CDialogBuilder builder;
  SkinUI::CControlUI* root = builder.Create(skin.c_str(), nullptr, nullptr, manager);
  if (root == nullptr) return nullptr;
  manager->InitControls(root);
  root->SetPos(RECT{0, 0, kWidth, kHeight});
  return root;
}

int CountElements(SkinUI::CMarkupElement element) {
  int count = 0;
  for (SkinUI::CMarkupElement child = element.GetChild(); child.IsValid(); child = child.GetSibling()) {
    count += 1 + CountElements(child);
    for (int i = 0; i < child.GetAttributeCount(); ++i) benchmark::DoNotOptimize(child.GetAttributeValue(i));
  }
  return count;
}

void BM_ParseSkinOnly(benchmark::State& state) {
  const std::wstring skin = Skin(Cells::Base);
  for (auto _ : state) {
    SkinUI::CMarkupParser parser;
    parser.LoadText(skin.c_str());
    benchmark::DoNotOptimize(CountElements(parser.GetRoot()));
  }
  state.counters["skins/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ParseSkinOnly)->Unit(benchmark::kMillisecond);

void BM_BuildAndLayOut500Controls(benchmark::State& state, Cells cells) {
  Scene scene;
  const std::wstring skin = Skin(cells);
  for (auto _ : state) {
    SkinUI::CControlUI* root = BuildAndLayOut(skin, scene.Manager());
    benchmark::DoNotOptimize(root);
    delete root;
  }
  state.counters["skins/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_BuildAndLayOut500Controls, BaseControls, Cells::Base)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_BuildAndLayOut500Controls, RealControls, Cells::Real)->Unit(benchmark::kMillisecond);

// A 1920 x 1080 top-down 32-bit bitmap in a memory DC.
class Canvas {
 public:
  Canvas() {
    dc_ = ::CreateCompatibleDC(nullptr);
    LPBYTE bits = nullptr;
    bitmap_ = SkinUI::CSkinRenderer::Create32BitDIB(dc_, kWidth, kHeight, &bits);
    old_ = ::SelectObject(dc_, bitmap_);
  }
  ~Canvas() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;
  HDC Dc() const { return dc_; }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

// The cells of the laid-out tree with their colours, for the direct fill.
void CollectCells(SkinUI::CControlUI* control, std::vector<RECT>* cells) {
  auto* container = static_cast<SkinUI::IContainerUI*>(control->GetInterface(L"IContainer"));
  if (container == nullptr) {
    cells->push_back(control->GetPos());
    return;
  }
  for (int i = 0; i < container->GetCount(); ++i) CollectCells(container->GetItemAt(i), cells);
}

void BM_FillCellsDirectly(benchmark::State& state) {
  Scene scene;
  SkinUI::CControlUI* root = BuildAndLayOut(Skin(Cells::Base), scene.Manager());
  std::vector<RECT> cells;
  CollectCells(root, &cells);
  delete root;
  static const DWORD kColors[] = {0xFFE04040, 0xFF40A0E0, 0xFF50C050, 0x80202020};
  Canvas canvas;
  for (auto _ : state) {
    SkinUI::CSkinRenderer::DrawColor(canvas.Dc(), RECT{0, 0, kWidth, kHeight}, 0xFFFFFFFF);
    for (size_t i = 0; i < cells.size(); ++i) {
      SkinUI::CSkinRenderer::DrawColor(canvas.Dc(), cells[i], kColors[i % 4]);
      SkinUI::CSkinRenderer::DrawRect(canvas.Dc(), cells[i], 1, 0xFF000000);
    }
  }
  state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_FillCellsDirectly)->Unit(benchmark::kMillisecond);

void BM_PaintTreeOf500Controls(benchmark::State& state, Cells cells) {
  Scene scene;
  SkinUI::CControlUI* root = BuildAndLayOut(Skin(cells), scene.Manager());
  Canvas canvas;
  const RECT rcAll = {0, 0, kWidth, kHeight};
  for (auto _ : state) {
    SkinUI::CSkinRenderer::DrawColor(canvas.Dc(), rcAll, 0xFFFFFFFF);
    root->Paint(canvas.Dc(), rcAll);
  }
  delete root;
  state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK_CAPTURE(BM_PaintTreeOf500Controls, BaseControls, Cells::Base)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PaintTreeOf500Controls, RealControls, Cells::Real)->Unit(benchmark::kMillisecond);

}  // namespace
