#pragma once
// The busy pattern, which every long job of the program follows: the job runs on one
// worker thread while the calling (UI) thread sits in the busy window's modal loop,
// painting and running its timers. The job's last step closes the busy window with 2
// when it is still there; a job that ends before the loop starts still closes it (the
// close waits in the queue). When the busy window's time-out closes it first, the
// caller's window stays disabled and the caller keeps pumping its messages until the
// job has ended, so a job that shows a message box or sends to a UI-thread window is
// served; what the job produced is applied only after it has ended.
//
// Jobs never touch controls: a job computes and returns, and the step given with it
// applies the result on the calling thread. A job may call ShowMessage.
#include <functional>
#include <optional>
#include <utility>

#include "platform/win32.h"

// The busy window's settings the program uses: (180000, 1), (180000, 0), and
// (600000, 1) while a fingerprint is captured. Returns the busy window's result (2,
// however it closed). An exception the job threw is thrown here once the job has
// ended.
UINT RunBusy(HWND hwndParent, int timeout, int showText, const std::function<void()>& job);

// The same, then `apply` on the calling thread with what the job returned.
template <class Job, class Apply>
UINT RunBusy(HWND hwndParent, int timeout, int showText, Job job, Apply apply) {
  std::optional<decltype(job())> result;
  const UINT closed = RunBusy(hwndParent, timeout, showText, [&] { result.emplace(job()); });
  if (result) apply(*result);
  return closed;
}
