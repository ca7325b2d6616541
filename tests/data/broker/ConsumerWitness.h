#pragma once
// Watches the shell's alerts while the broker consumer runs: the shell's alerts are
// installed, the toast window exists (or not), and ShowToast and the alarm window's modal
// loop are recorded as one sequence of events, with the thread each ran on. The alerts
// and the shell's own behaviour are given back when the witness goes.
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "data/InspectRecordInfo.h"
#include "data/RecordAlerts.h"
#include "platform/win32.h"

namespace broker_test {

struct ConsumerEvent {
  enum class Kind { Toast, AlarmOpened, AlarmClosed };
  Kind kind = Kind::Toast;
  std::wstring text;     // Toast
  int seconds = 0;       // Toast
  InspectRecordInfo record;  // AlarmOpened, AlarmClosed: the record the alarm was built from
  HWND window = nullptr;     // AlarmOpened: the alarm's window
  std::wstring title;        // AlarmOpened: the alarm window's title
  std::thread::id thread;
};

class ConsumerWitness {
 public:
  enum class Alarm {
    ReturnAtOnce,  // the alarm is recorded and counts as closed at once
    StayOpen,      // the alarm runs its window's modal loop until something closes it
  };

  explicit ConsumerWitness(Alarm alarm);
  ~ConsumerWitness();
  ConsumerWitness(const ConsumerWitness&) = delete;
  ConsumerWitness& operator=(const ConsumerWitness&) = delete;

  // The toast window exists from the start.
  void SetToastWindow(bool exists);

  std::vector<ConsumerEvent> Events() const;
  std::vector<ConsumerEvent> Toasts() const;
  // True once at least `count` events happened; false when they did not within a minute.
  bool WaitForEvents(std::size_t count) const;
  // Posts WM_CLOSE to the alarm window opened last, as the user's close button would.
  void CloseAlarm() const;

 private:
  void Record(ConsumerEvent event);

  Alarm m_alarm;
  std::shared_ptr<RecordAlerts> m_replacedAlerts;
  mutable std::mutex m_mutex;
  mutable std::condition_variable m_changed;
  std::vector<ConsumerEvent> m_events;
};

}  // namespace broker_test
