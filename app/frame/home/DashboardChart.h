#pragma once
// The dashboard's pass-rate chart: the outcome of the last seven periods (days, weeks,
// months or years) over the plans of one type, and the two scripts that hand it to the
// chart page's DrawBars.
#include <atomic>
#include <string>

#include "app/frame/home/PassRateBucket.h"
#include "platform/win32.h"

class DashboardChart {
 public:
  enum Range { DAY = 1, WEEK = 2, MONTH = 3, YEAR = 4 };
  enum { PERIODS = 7 };

  // One request per plan of the type in the cache (over several connections at once),
  // for the periods up to `today`'s. A failed request adds nothing.
  static PassRateBuckets ComputePassRates(int planType, const SYSTEMTIME& today, int range);
  // The same, asking nothing more once stop is set (what is summed then is to be dropped).
  static PassRateBuckets ComputePassRates(int planType, const SYSTEMTIME& today, int range,
                                          const std::atomic<bool>& stop);

  // The name of the period `back` periods before `today`'s (0 for today's own).
  static std::wstring Label(int range, int back, const SYSTEMTIME& today);
  // "var data = [...];": a pass and a miss item per period, today's period first.
  static std::wstring DataScript(int range, const PassRateBuckets& buckets, const SYSTEMTIME& today);
  static std::wstring DrawScript();
};
