// What one control with nothing set costs: 1,000 bare controls and 1,000 buttons are made
// and destroyed per iteration, and the heap they hold while they live (glibc's count of
// bytes in use, so the allocator's own overhead counts too) is reported per control as
// "bytes", with the object's size as "sizeof". The baseline makes 1,000 plain blocks of
// the 4 KB a control may cost at most, which sets the ratio for the time.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <vector>

#include "ui/controls/CButtonUI.h"
#include "ui/core/control/CControlUI.h"

namespace {

constexpr int kControls = 1000;
constexpr size_t kBudget = 4096;

size_t HeapInUse() { return mallinfo2().uordblks; }

template <typename Made>
void MakeMany(benchmark::State& state, size_t objectSize) {
  std::vector<std::unique_ptr<Made>> made;
  made.reserve(kControls);
  size_t held = 0;
  for (auto _ : state) {
    const size_t before = HeapInUse();
    for (int i = 0; i < kControls; ++i) made.push_back(std::make_unique<Made>());
    held = HeapInUse() - before;
    made.clear();
  }
  state.counters["sizeof"] = static_cast<double>(objectSize);
  state.counters["bytes"] = static_cast<double>(held) / kControls;
  state.SetItemsProcessed(state.iterations() * kControls);
}

// A block of the budget, touched as a constructor would touch its fields.
struct PlainBlock {
  PlainBlock() { benchmark::DoNotOptimize(bytes[0] = 1); }
  char bytes[kBudget];
};

void BM_PlainBlocksOf4KB(benchmark::State& state) { MakeMany<PlainBlock>(state, sizeof(PlainBlock)); }
BENCHMARK(BM_PlainBlocksOf4KB);

void BM_BareControls(benchmark::State& state) { MakeMany<SkinUI::CControlUI>(state, sizeof(SkinUI::CControlUI)); }
BENCHMARK(BM_BareControls);

void BM_BareButtons(benchmark::State& state) { MakeMany<SkinUI::CButtonUI>(state, sizeof(SkinUI::CButtonUI)); }
BENCHMARK(BM_BareButtons);

}  // namespace
