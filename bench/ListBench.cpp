// Lists of 10,000 rows: scrolled by wheel steps, each step followed by a full paint
// of the window's picture, in frames per second, for multi-column text rows and for
// container rows of three cells, beside a bare vertical layout of the same cells;
// filled with Add and emptied with RemoveAll, beside the same rows in a vertical
// layout; and the top node of a 10,000-node tree collapsed and expanded with the
// layout that follows, beside hiding and showing the same rows of a vertical layout.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <memory>
#include <string>

#include "platform/win32.h"
#include "testing/driver/TestDriver.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/CListContainerElementUI.h"
#include "ui/controls/CListHeaderItemUI.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/controls/CListTextElementUI.h"
#include "ui/controls/CListUI.h"
#include "ui/controls/CTreeNodeUI.h"
#include "ui/controls/CTreeViewUI.h"
#include "ui/controls/IListTextCallbackUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kRows = 10000;
constexpr int kRowHeight = 22;
constexpr int kColumns = 3;
const RECT kAll = {0, 0, kWidth, kHeight};

// A window whose manager the controls belong to: text needs its fonts and colours.
class Scene {
 public:
  Scene() {
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = L"ListBenchHost";
    RegisterClassExW(&wc);
    hwnd_ =
        CreateWindowExW(0, L"ListBenchHost", L"", WS_POPUP, 0, 0, kWidth, kHeight, nullptr, nullptr, nullptr, nullptr);
    manager_.Init(hwnd_);
  }
  ~Scene() { DestroyWindow(hwnd_); }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  SkinUI::CWindowManagerUI* Manager() { return &manager_; }

  // Gives the tree to the manager and lays it out over the window.
  void Attach(SkinUI::CControlUI* root) {
    manager_.InitControls(root);
    root->SetPos(kAll);
  }

 private:
  platform::headless::TestDriver driver_;
  HWND hwnd_ = nullptr;
  SkinUI::CWindowManagerUI manager_;
};

// The window's picture: a top-down 32-bit bitmap in a memory DC.
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

  void Paint(SkinUI::CControlUI* root) {
    SkinUI::CSkinRenderer::DrawColor(dc_, kAll, 0xFFFFFFFF);
    root->Paint(dc_, kAll);
  }

 private:
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
};

class CellTexts : public SkinUI::IListTextCallbackUI {
 public:
  LPCTSTR GetItemText(SkinUI::CControlUI*, int iItem, int iSubItem) override {
    text_ = L"巡更点 " + std::to_wstring(iItem) + L"." + std::to_wstring(iSubItem);
    return text_.c_str();
  }

 private:
  std::wstring text_;
};

enum class Rows { Text, Container };

SkinUI::CListUI* NewList(Rows rows) {
  auto* pList = new SkinUI::CListUI;
  pList->EnableScrollBar(true, false);
  pList->SetItemLineColor(0xFFD0D0D0);
  pList->SetAlternateBk(true);
  pList->SetItemBkColor(0xFFF4F4F4);
  for (int i = 0; i < kColumns; ++i) {
    auto* pColumn = new SkinUI::CListHeaderItemUI;
    pColumn->SetText((L"列 " + std::to_wstring(i)).c_str());
    pList->Add(pColumn);
  }
  for (int row = 0; row < kRows; ++row) {
    SkinUI::CControlUI* pRow = nullptr;
    if (rows == Rows::Text) {
      pRow = new SkinUI::CListTextElementUI;
    } else {
      auto* pCells = new SkinUI::CListContainerElementUI;
      for (int i = 0; i < kColumns; ++i) {
        auto* pCell = new SkinUI::CLabelUI;
        pCell->SetText((L"巡更点 " + std::to_wstring(row) + L"." + std::to_wstring(i)).c_str());
        pCells->Add(pCell);
      }
      pRow = pCells;
    }
    pRow->SetFixedHeight(kRowHeight);
    pList->Add(pRow);
  }
  return pList;
}

// The same cells in plain layouts: a vertical layout of rows of three labels.
SkinUI::CVerticalLayoutUI* NewBareLayout() {
  auto* pLayout = new SkinUI::CVerticalLayoutUI;
  pLayout->EnableScrollBar(true, false);
  for (int row = 0; row < kRows; ++row) {
    auto* pCells = new SkinUI::CHorizontalLayoutUI;
    for (int i = 0; i < kColumns; ++i) {
      auto* pCell = new SkinUI::CLabelUI;
      pCell->SetText((L"巡更点 " + std::to_wstring(row) + L"." + std::to_wstring(i)).c_str());
      pCells->Add(pCell);
    }
    pCells->SetFixedHeight(kRowHeight);
    pLayout->Add(pCells);
  }
  return pLayout;
}

// One wheel step down, back to the top at the end of the range.
void WheelStep(SkinUI::CContainerUI* pScrolled) {
  if (pScrolled->GetScrollPos().cy >= pScrolled->GetScrollRange().cy) {
    pScrolled->ScrollToTop();
    return;
  }
  SkinUI::UIEventRecord event;
  event.Type = SkinUI::UIEVENT_SCROLLWHEEL;
  event.wParam = 1;  // one step down
  pScrolled->HandleEvent(event);
}

void ScrollAndPaint(benchmark::State& state, SkinUI::CContainerUI* pScrolled, Scene& scene) {
  scene.Attach(pScrolled);
  Canvas canvas;
  for (auto _ : state) {
    WheelStep(pScrolled);
    canvas.Paint(pScrolled);
  }
  delete pScrolled;
  state.counters["frames/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void BM_BareLayoutWheelAndPaint(benchmark::State& state) {
  Scene scene;
  ScrollAndPaint(state, NewBareLayout(), scene);
}
BENCHMARK(BM_BareLayoutWheelAndPaint)->Unit(benchmark::kMillisecond);

void BM_ListWheelAndPaint(benchmark::State& state, Rows rows) {
  Scene scene;
  CellTexts texts;
  SkinUI::CListUI* pList = NewList(rows);
  pList->SetTextCallback(&texts);
  ScrollAndPaint(state, pList, scene);
}
BENCHMARK_CAPTURE(BM_ListWheelAndPaint, TextRows, Rows::Text)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ListWheelAndPaint, ContainerRows, Rows::Container)->Unit(benchmark::kMillisecond);

// --- Filling and emptying ---

template <class Container>
void FillAndEmpty(benchmark::State& state, Container* pContainer, Scene& scene) {
  scene.Attach(pContainer);
  pContainer->SetDelayedDestroy(false);
  for (auto _ : state) {
    for (int row = 0; row < kRows; ++row) {
      auto* pRow = new SkinUI::CListLabelElementUI;
      pRow->SetText(L"巡更点");
      pContainer->Add(pRow);
    }
    pContainer->RemoveAll();
  }
  delete pContainer;
  state.counters["rows/s"] = benchmark::Counter(double(state.iterations()) * kRows, benchmark::Counter::kIsRate);
}

void BM_BareLayoutAddAndRemoveAll(benchmark::State& state) {
  Scene scene;
  FillAndEmpty(state, new SkinUI::CVerticalLayoutUI, scene);
}
BENCHMARK(BM_BareLayoutAddAndRemoveAll)->Unit(benchmark::kMillisecond);

void BM_ListAddAndRemoveAll(benchmark::State& state) {
  Scene scene;
  FillAndEmpty(state, new SkinUI::CListUI, scene);
}
BENCHMARK(BM_ListAddAndRemoveAll)->Unit(benchmark::kMillisecond);

// --- Collapsing and expanding ---

// A top node with 100 children of 99 children each, every level but the top open.
SkinUI::CTreeViewUI* NewTree(SkinUI::CTreeNodeUI** ppTop) {
  auto* pTree = new SkinUI::CTreeViewUI;
  pTree->EnableScrollBar(true, false);
  auto* pTop = new SkinUI::CTreeNodeUI;
  pTop->SetItemText(L"校区");
  for (int i = 0; i < 100; ++i) {
    auto* pChild = new SkinUI::CTreeNodeUI;
    pChild->SetItemText(L"楼宇");
    for (int j = 0; j < 99; ++j) {
      auto* pLeaf = new SkinUI::CTreeNodeUI;
      pLeaf->SetItemText(L"巡更点");
      pChild->AddChildNode(pLeaf);
    }
    pTop->AddChildNode(pChild);
  }
  pTree->AddNode(pTop);
  for (int i = 0; i < pTop->GetCountChild(); ++i) pTop->GetChildNode(i)->GetFolderButton()->SetSelected(false);
  *ppTop = pTop;
  return pTree;
}

void BM_TreeCollapseAndExpandTop(benchmark::State& state) {
  Scene scene;
  SkinUI::CTreeNodeUI* pTop = nullptr;
  SkinUI::CTreeViewUI* pTree = NewTree(&pTop);
  scene.Attach(pTree);
  pTree->SetItemExpand(true, pTop);
  for (auto _ : state) {
    pTree->SetItemExpand(false, pTop);
    pTree->SetPos(kAll);
    pTree->SetItemExpand(true, pTop);
    pTree->SetPos(kAll);
  }
  benchmark::DoNotOptimize(pTree->GetCount());
  delete pTree;
  state.counters["toggles/s"] = benchmark::Counter(double(state.iterations()) * 2, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_TreeCollapseAndExpandTop)->Unit(benchmark::kMillisecond);

void BM_BareLayoutHideAndShowRows(benchmark::State& state) {
  Scene scene;
  SkinUI::CVerticalLayoutUI* pLayout = NewBareLayout();
  scene.Attach(pLayout);
  for (auto _ : state) {
    for (int row = 1; row < kRows; ++row) pLayout->GetItemAt(row)->SetVisible(false);
    pLayout->SetPos(kAll);
    for (int row = 1; row < kRows; ++row) pLayout->GetItemAt(row)->SetVisible(true);
    pLayout->SetPos(kAll);
  }
  delete pLayout;
  state.counters["toggles/s"] = benchmark::Counter(double(state.iterations()) * 2, benchmark::Counter::kIsRate);
}
BENCHMARK(BM_BareLayoutHideAndShowRows)->Unit(benchmark::kMillisecond);

}  // namespace
