#pragma once
// What the home page shows from the server, read on a worker so that the frame paints and
// answers input meanwhile: today's plans with the state of their slots, and the chart's
// pass rates of one plan type and range. When a reading is done the page's window is
// posted WM_READ_DONE and takes the answer on its own thread. A new reading replaces one
// still on its way: that one asks nothing more and its answer is dropped. The reader's end
// waits for the requests under way, never for more.
#include <atomic>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

#include "app/frame/home/PassRateBucket.h"
#include "app/frame/home/TodayPlan.h"
#include "platform/win32.h"

class HomePageReader {
 public:
  enum : UINT { WM_READ_DONE = WM_APP + 0x121 };

  struct Answer {
    std::optional<std::vector<TodayPlan>> plans;
    // Nothing when the reading was of today's plans alone.
    std::optional<PassRateBuckets> buckets;
  };

  HomePageReader() = default;
  ~HomePageReader();
  HomePageReader(const HomePageReader&) = delete;
  HomePageReader& operator=(const HomePageReader&) = delete;

  // Reads today's plans when `plans` is set, and the rates of planType over range when
  // `rates` is (each also when the reading it replaces was to), as at `now`.
  void Start(HWND owner, bool plans, int planType, int range, const SYSTEMTIME& now, bool rates = true);
  // Every reading asks nothing more; their answers will be dropped. Waits for nothing.
  void Stop();
  // A reading is on its way or its answer has not been taken.
  bool Reading() const { return m_current != nullptr; }
  // On WM_READ_DONE, with its wParam: the answer of the current reading, or nothing for
  // one that was replaced.
  std::optional<Answer> Take(WPARAM reading);

 private:
  struct Job {
    WPARAM id = 0;
    bool plans = false;
    bool rates = true;
    std::atomic<bool> stop{false};
    std::atomic<bool> ended{false};
    Answer answer;  // the worker's until ended
    std::thread thread;
  };

  // Joins the jobs that have ended, other than the current one.
  void ReapEnded();

  std::vector<std::unique_ptr<Job>> m_jobs;
  Job* m_current = nullptr;
  WPARAM m_nextId = 1;
};
