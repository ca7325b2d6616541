#pragma once
// A plan that runs today with the state of each of its slots.
#include <vector>

#include "app/frame/home/TodaySlot.h"
#include "data/InspectPlanInfo.h"

struct TodayPlan {
  InspectPlanInfo plan;
  std::vector<TodaySlot> slots;

  // Every slot has ended (or there is none).
  bool Finished() const {
    for (const TodaySlot& slot : slots) {
      if (slot.phase != SlotPhase::Finished) return false;
    }
    return true;
  }
};
