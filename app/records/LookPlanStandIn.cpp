#include "app/records/LookPlanStandIn.h"

#include <mutex>

namespace {

std::mutex g_openedMutex;
LookPlanStandIn::Opened g_opened;

}  // namespace

LookPlanStandIn::LookPlanStandIn(int planId) : m_planId(planId) {}

void LookPlanStandIn::LoadPlanRun(const std::string& runKey) {
  std::lock_guard<std::mutex> lock(g_openedMutex);
  g_opened = Opened{m_planId, runKey};
}

LookPlanStandIn::Opened LookPlanStandIn::LastOpened() {
  std::lock_guard<std::mutex> lock(g_openedMutex);
  return g_opened;
}
