#pragma once
// The two fetches the result page makes when it opens for the tabs not in view, made on a
// worker so that the first tab shows at once: every device record, and the log kept by
// the log tab's days and search, one after the other; when both are in, the page's window
// is posted WM_FETCHED and the page takes them on its own thread. Ending waits for those
// two requests, never for more.
#include <ctime>
#include <list>
#include <optional>
#include <string>
#include <thread>

#include "data/DeviceRecordInfo.h"
#include "data/SystemLogInfo.h"
#include "platform/win32.h"

class ResultOpeningFetch {
 public:
  enum : UINT { WM_FETCHED = WM_APP + 0x161 };

  struct Answer {
    std::list<DeviceRecordInfo> records;
    std::optional<std::list<SystemLogInfo>> log;  // none when the log was not asked for
  };

  // What the log tab keeps: its search text and its days.
  struct LogQuery {
    std::wstring search;
    std::time_t start = 0;
    std::time_t end = 0;
  };

  ResultOpeningFetch() = default;
  ~ResultOpeningFetch();
  ResultOpeningFetch(const ResultOpeningFetch&) = delete;
  ResultOpeningFetch& operator=(const ResultOpeningFetch&) = delete;

  // Once per page; without a log query only the device records are fetched.
  void Start(HWND owner, std::optional<LogQuery> log);
  // Started and not yet taken.
  bool Fetching() const { return m_thread.joinable() && !m_taken; }
  // After WM_FETCHED: what came, once.
  std::optional<Answer> Take();

 private:
  std::thread m_thread;
  Answer m_answer;  // the worker's until it has posted
  bool m_taken = false;
};
