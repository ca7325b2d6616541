// Opening and closing the drop-down of a combo box of 2,000 label rows: the drop-down
// window is made, the rows are measured for its height, lent to its layout and laid
// out as its first paint would (the ones near the view placed), and given back when it
// closes; beside adding the same rows to a bare vertical layout of the same size and
// laying them all out. The bare layout places every row once and has no window; the
// drop-down places a few screens of rows but also makes and shows its window, registers
// the rows with its manager and puts them back on the combo's empty rectangle, which its
// behaviour asks for. Each runs with plain rows (argument 0)
// and with rows of markup text (argument 1: a bold number and a coloured name).
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <string>
#include <vector>

#include "platform/win32.h"
#include "testing/driver/TestDriver.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CComboWnd.h"
#include "ui/controls/CListLabelElementUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

constexpr int kRows = 2000;

// A window with a manager whose root is one combo of kRows rows.
class Scene {
 public:
  explicit Scene(bool markup) {
    SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &DefWindowProcW;
    wc.lpszClassName = L"PopupBenchHost";
    RegisterClassExW(&wc);
    hwnd_ = CreateWindowExW(0, L"PopupBenchHost", L"", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr, nullptr,
                            nullptr, nullptr);
    manager_.Init(hwnd_);
    combo_ = new SkinUI::CComboUI;
    manager_.AttachRoot(combo_);
    combo_->SetPos(RECT{10, 20, 210, 50});
    combo_->SetItemShowHtml(markup);
    for (int i = 0; i < kRows; ++i) {
      auto* row = new SkinUI::CListLabelElementUI;
      const std::wstring number = std::to_wstring(i);
      row->SetText((markup ? L"<b>" + number + L"</b> <c #FF2060A0>巡更点</c>" : L"巡更点 " + number).c_str());
      combo_->Add(row);
    }
    combo_->SelectItem(kRows / 2);
  }
  ~Scene() { DestroyWindow(hwnd_); }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  SkinUI::CWindowManagerUI* Manager() { return &manager_; }
  SkinUI::CComboUI* Combo() { return combo_; }

 private:
  platform::headless::TestDriver driver_;
  HWND hwnd_ = nullptr;
  SkinUI::CWindowManagerUI manager_;
  SkinUI::CComboUI* combo_ = nullptr;  // the manager's root
};

void BM_OpenAndCloseDropDownOf2000Rows(benchmark::State& state) {
  Scene scene(state.range(0) != 0);
  SkinUI::CComboUI* combo = scene.Combo();
  for (auto _ : state) {
    if (!combo->Activate()) {
      state.SkipWithError("the drop-down did not open");
      break;
    }
    SkinUI::CComboWnd* dropDown = combo->GetDropDown();
    RECT client = {};
    ::GetClientRect(dropDown->GetHWND(), &client);
    dropDown->GetLayout()->SetPos(client);
    dropDown->EnsureVisible(combo->GetCurSel());
    ::SendMessageW(dropDown->GetHWND(), WM_CLOSE, 0, 0);
    benchmark::DoNotOptimize(combo->IsDropped());
  }
  state.counters["openings/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OpenAndCloseDropDownOf2000Rows)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LayOutTheSameRowsInABareLayout(benchmark::State& state) {
  Scene scene(state.range(0) != 0);
  SkinUI::CComboUI* combo = scene.Combo();
  const RECT rc = {0, 0, 200, SkinUI::CComboWnd::kMaxHeight};
  for (auto _ : state) {
    SkinUI::CVerticalLayoutUI layout;
    layout.SetAutoDestroy(false);
    layout.SetManager(scene.Manager(), nullptr, false);
    for (int i = 0; i < combo->GetCount(); ++i) layout.Add(combo->GetItemAt(i));
    layout.SetPos(rc);
    layout.RemoveAll();
    // The rows go back as the drop-down gives them back.
    combo->SetManager(scene.Manager(), nullptr, false);
  }
  state.counters["layouts/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_LayOutTheSameRowsInABareLayout)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
