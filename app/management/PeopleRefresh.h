#pragma once
// The people page's refresh from the base platform, made on a worker so that the page
// answers input while a big school's updates go out one by one: the platform's users of
// the module, then for every person of the cache found among them (by user id, once per
// listing) the user's telephone and one update of the person on the patrol server. When
// all are done the page's window is posted WM_REFRESHED and the page applies, on its own
// thread, what the server took. Ending waits for the job, pumping the thread's messages.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/user/WorkerThread.h"
#include "platform/win32.h"

class PeopleRefresh {
 public:
  enum : UINT { WM_REFRESHED = WM_APP + 0x171 };

  // A person as the cache held it when the refresh started.
  struct Person {
    int id = 0;
    std::string userId;
    int group = 0;
  };

  // An update the server took, to be applied to the cache.
  struct Update {
    int id = 0;
    std::string name;
    int identity = 0;
    std::string telephone;
  };

  struct Outcome {
    std::vector<Update> updates;  // in the order they were made
    bool failed = false;          // the server refused at least one
  };

  PeopleRefresh() = default;
  PeopleRefresh(const PeopleRefresh&) = delete;
  PeopleRefresh& operator=(const PeopleRefresh&) = delete;

  // False, starting nothing, while a refresh is under way.
  bool Start(HWND owner, std::vector<Person> people);
  bool Running() const { return m_worker != nullptr; }
  // After WM_REFRESHED: what the refresh did, once.
  std::optional<Outcome> Take();

  // The requests themselves, on the calling thread.
  static Outcome Run(const std::vector<Person>& people);

 private:
  std::unique_ptr<platform::WorkerThread> m_worker;
  Outcome m_outcome;  // the worker's until it has posted
};
