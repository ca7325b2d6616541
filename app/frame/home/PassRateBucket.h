#pragma once
// The patrol outcome of one period of the dashboard's chart, summed over the plans of the
// chosen type.
#include <map>

struct PassRateBucket {
  int passed = 0;
  int missed = 0;
  int flag = 0;

  int Total() const { return passed + missed; }
  // Whole per cents; the miss rate makes the two add up to 100 unless nothing passed.
  int PassPercent() const { return Total() == 0 ? 0 : passed * 100 / Total(); }
  int MissPercent() const {
    if (Total() == 0) return 0;
    return PassPercent() == 0 ? missed * 100 / Total() : 100 - PassPercent();
  }
};

// Periods 1 to 7, 7 the current one.
using PassRateBuckets = std::map<int, PassRateBucket>;
