#include "app/records/ResultOpeningFetch.h"

#include <utility>

#include "app/records/SystemLogFilter.h"
#include "data/DAL_PatrolServer.h"

ResultOpeningFetch::~ResultOpeningFetch() {
  if (m_thread.joinable()) m_thread.join();
}

void ResultOpeningFetch::Start(HWND owner, std::optional<LogQuery> log) {
  if (m_thread.joinable()) return;
  m_thread = std::thread([this, owner, log = std::move(log)] {
    // One after the other: two replies of a hundred thousand rows read at once would
    // double the program's peak for no time won on a server that answers in turn.
    m_answer.records = DAL_PatrolServer().DAL_DeviceRecord_Get();
    if (log) {
      m_answer.log = SystemLogFilter::Filter(DAL_PatrolServer().DAL_SystemLog_Get(), log->search, log->start, log->end);
    }
    // The window may be gone by now; the message then goes nowhere.
    ::PostMessageW(owner, WM_FETCHED, 0, 0);
  });
}

std::optional<ResultOpeningFetch::Answer> ResultOpeningFetch::Take() {
  if (!m_thread.joinable() || m_taken) return std::nullopt;
  m_thread.join();
  m_taken = true;
  return std::move(m_answer);
}
