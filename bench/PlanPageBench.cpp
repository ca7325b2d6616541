// The plan page with 1,000 cached plans: a refresh (the plans filtered out of the cache,
// a card built for each and every card laid out in the page's tiles) per second, beside
// refilling the same tiles with 1,000 bare layouts of a card's size and laying them out.
#include <benchmark/benchmark.h>

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

constexpr int kPlans = 1000;

// The page with its tiles reachable, as a top-level window over the work area.
class BenchPage : public CPatrolPlanWndEx {
 public:
  SkinUI::CTileLayoutUI* Tiles() {
    return static_cast<SkinUI::CTileLayoutUI*>(m_pm.FindControl(L"TileLayout_plan"));
  }
};

class Scene {
 public:
  Scene() {
    SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
    SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"skin");
    FillCache();
    page_.Create(nullptr, L"巡更计划", WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, 0);
  }
  ~Scene() {
    ::DestroyWindow(page_.GetHWND());
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan.clear();
  }
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  BenchPage& Page() { return page_; }

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
  BenchPage page_;
};

// What the manager does before the next paint: the tiles place every card.
void LayOut(SkinUI::CTileLayoutUI* tiles) { tiles->SetPos(tiles->GetPos()); }

void BM_RefreshPlanPageOf1000Plans(benchmark::State& state) {
  Scene scene;
  SkinUI::CTileLayoutUI* tiles = scene.Page().Tiles();
  if (tiles == nullptr) {
    state.SkipWithError("the page's skin did not build");
    return;
  }
  for (auto _ : state) {
    scene.Page().RefreshPlanList(false);
    LayOut(tiles);
  }
  if (tiles->GetCount() != kPlans) state.SkipWithError("not every plan got a card");
  state.counters["refreshes/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_RefreshPlanPageOf1000Plans)->Unit(benchmark::kMillisecond);

void BM_RefillTheSameTilesWithBareLayouts(benchmark::State& state) {
  Scene scene;
  SkinUI::CTileLayoutUI* tiles = scene.Page().Tiles();
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
