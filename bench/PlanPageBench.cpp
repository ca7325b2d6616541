// The plan page with 10,000 cached plans: the page opened (its skin built, the plans
// filtered out of the cache, the cards of the rows on screen and about them made and
// laid out), a refresh, and a scroll by a screen down the whole list, each per second;
// beside refilling the same tiles with 10,000 bare layouts of a card's size and laying
// them out, which is what a card for every plan would cost at the least. "cards" is the
// number of cards the page holds, "KB" the heap the open page holds.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <mutex>
#include <string>

#include "app/management/CPatrolPlanUI.h"
#include "app/management/CPatrolPlanWndEx.h"
#include "data/StartupCaches.h"
#include "platform/win32.h"
#include "testing/driver/TestDriver.h"
#include "ui/core/control/CTileLayoutUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace {

constexpr int kPlans = 10000;

size_t HeapInUse() { return mallinfo2().uordblks; }

// The page with its tiles reachable, as a top-level window over the work area.
class BenchPage : public CPatrolPlanWndEx {
 public:
  SkinUI::CTileLayoutUI* Tiles() {
    return static_cast<SkinUI::CTileLayoutUI*>(m_pm.FindControl(L"TileLayout_plan"));
  }
  // What the first paint does before it draws: the whole tree placed in the client area.
  void LayOutAll() {
    RECT client = {};
    ::GetClientRect(m_hWnd, &client);
    if (SkinUI::CControlUI* root = m_pm.GetRoot()) root->SetPos(client);
  }
};

class Scene {
 public:
  Scene() {
    SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"skin");
    FillCache();
  }
  ~Scene() {
    Close();
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  BenchPage& Page() { return *page_; }
  // The page as the main frame opens it, up to its first paint.
  BenchPage& Open() {
    page_ = std::make_unique<BenchPage>();
    page_->Create(nullptr, L"巡更计划", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
    driver_.WaitIdle();
    page_->LayOutAll();
    return *page_;
  }
  void Close() {
    if (page_ != nullptr) ::DestroyWindow(page_->GetHWND());
    page_.reset();
  }

 private:
  static void FillCache() {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    for (int id = 1; id <= kPlans; ++id) {
      InspectPlanInfo plan;
      plan.iID = id;
      plan.strName = "巡查计划" + std::to_string(id);
      plan.iType = id % 7;
      plan.iPlanState = 1 + id % 3;
      plan.strAnnouncerID = "u1";
      plan.strAnnouncerName = "管理员";
      plan.strRouteName = "东线";
      plan.strStartDate = "2022-07-01";
      plan.strEndDate = "2022-07-31";
      plan.strWeek = "1010100";
      plan.strTime = "08:00-10:00&14:00-16:00";
      plan.listPeople = {{12, "张三"}, {15, "李四"}, {3, "王五"}};
      g_mapInspectPlan[id] = plan;
    }
  }

  platform::headless::TestDriver driver_;
  std::unique_ptr<BenchPage> page_;
};

// What the manager does before the next paint: the tiles place every card.
void LayOut(SkinUI::CTileLayoutUI* tiles) { tiles->SetPos(tiles->GetPos()); }

void BM_OpenPlanPageOf10000Plans(benchmark::State& state) {
  Scene scene;
  size_t held = 0;
  int cards = 0;
  for (auto _ : state) {
    const size_t before = HeapInUse();
    BenchPage& page = scene.Open();
    held = HeapInUse() - before;
    if (page.Tiles() == nullptr || page.GetShownPlans().size() != kPlans) {
      state.SkipWithError("the page did not show every plan");
      break;
    }
    cards = page.Tiles()->GetCount();
    scene.Close();
  }
  state.counters["cards"] = cards;
  state.counters["KB"] = static_cast<double>(held) / 1024;
  state.counters["openings/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_OpenPlanPageOf10000Plans)->Unit(benchmark::kMillisecond);

void BM_RefreshPlanPageOf10000Plans(benchmark::State& state) {
  Scene scene;
  SkinUI::CTileLayoutUI* tiles = scene.Open().Tiles();
  if (tiles == nullptr) {
    state.SkipWithError("the page's skin did not build");
    return;
  }
  for (auto _ : state) {
    scene.Page().RefreshPlanList(false);
    LayOut(tiles);
  }
  if (scene.Page().GetShownPlans().size() != kPlans) state.SkipWithError("not every plan was shown");
  state.counters["cards"] = tiles->GetCount();
  state.counters["refreshes/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RefreshPlanPageOf10000Plans)->Unit(benchmark::kMillisecond);

// Down the whole list a screen at a time, as a dragged scroll bar moves it; the cards
// show other plans on the way.
void BM_ScrollThePlanPageThroughByScreens(benchmark::State& state) {
  Scene scene;
  SkinUI::CTileLayoutUI* tiles = scene.Open().Tiles();
  if (tiles == nullptr) {
    state.SkipWithError("the page's skin did not build");
    return;
  }
  const int screen = tiles->GetHeight();
  if (screen <= 0) {
    state.SkipWithError("the page was not laid out");
    return;
  }
  int steps = 0;
  for (auto _ : state) {
    tiles->SetScrollPos(SIZE{0, 0});
    for (int y = screen; y < tiles->GetScrollRange().cy; y += screen, ++steps) tiles->SetScrollPos(SIZE{0, y});
  }
  state.counters["screens/s"] = benchmark::Counter(double(steps), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ScrollThePlanPageThroughByScreens)->Unit(benchmark::kMillisecond);

void BM_RefillTheSameTilesWithBareLayouts(benchmark::State& state) {
  Scene scene;
  SkinUI::CTileLayoutUI* tiles = scene.Open().Tiles();
  if (tiles == nullptr) {
    state.SkipWithError("the page's skin did not build");
    return;
  }
  for (auto _ : state) {
    tiles->RemoveAll();
    for (int i = 0; i < kPlans; ++i) {
      auto* card = new SkinUI::CVerticalLayoutUI;
      card->SetFixedWidth(CPatrolPlanUI::CARD_WIDTH);
      card->SetFixedHeight(CPatrolPlanUI::CARD_HEIGHT);
      card->SetPadding(RECT{10, 20, 0, 0});
      tiles->Add(card);
    }
    LayOut(tiles);
  }
  state.counters["refreshes/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RefillTheSameTilesWithBareLayouts)->Unit(benchmark::kMillisecond);

}  // namespace
