#include "app/frame/home/HomePageReader.h"

#include <algorithm>

#include "app/frame/home/DashboardChart.h"
#include "app/frame/home/TodayPlanReader.h"

HomePageReader::~HomePageReader() {
  Stop();
  for (const auto& job : m_jobs) job->thread.join();
}

void HomePageReader::Stop() {
  for (const auto& job : m_jobs) job->stop = true;
  m_current = nullptr;
}

void HomePageReader::Start(HWND owner, bool plans, int planType, int range, const SYSTEMTIME& now, bool rates) {
  ReapEnded();
  if (m_current != nullptr) {
    plans = plans || m_current->plans;
    rates = rates || m_current->rates;
    m_current->stop = true;
  }
  auto job = std::make_unique<Job>();
  Job* raw = job.get();
  raw->id = m_nextId++;
  raw->plans = plans;
  raw->rates = rates;
  raw->thread = std::thread([raw, owner, planType, range, now] {
    if (raw->plans) raw->answer.plans = TodayPlanReader::Read(now, raw->stop);
    if (raw->rates) raw->answer.buckets = DashboardChart::ComputePassRates(planType, now, range, raw->stop);
    raw->ended = true;
    // The window may be gone by now; the message then goes nowhere and nothing is lost.
    ::PostMessageW(owner, WM_READ_DONE, raw->id, 0);
  });
  m_jobs.push_back(std::move(job));
  m_current = raw;
}

std::optional<HomePageReader::Answer> HomePageReader::Take(WPARAM reading) {
  std::optional<Answer> answer;
  if (m_current != nullptr && m_current->id == reading && m_current->ended) {
    answer = std::move(m_current->answer);
    m_current = nullptr;
  }
  ReapEnded();
  return answer;
}

void HomePageReader::ReapEnded() {
  const auto ended = [this](const std::unique_ptr<Job>& job) { return job.get() != m_current && job->ended; };
  for (const auto& job : m_jobs) {
    if (ended(job)) job->thread.join();
  }
  m_jobs.erase(std::remove_if(m_jobs.begin(), m_jobs.end(), ended), m_jobs.end());
}
