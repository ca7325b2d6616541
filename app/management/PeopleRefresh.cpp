#include "app/management/PeopleRefresh.h"

#include <list>
#include <map>
#include <utility>

#include "data/DAL_PatrolServer.h"
#include "data/PlatformUsers.h"

bool PeopleRefresh::Start(HWND owner, std::vector<Person> people) {
  if (m_worker != nullptr) return false;
  m_outcome = Outcome();
  m_worker = std::make_unique<platform::WorkerThread>([this, owner, people = std::move(people)] {
    m_outcome = Run(people);
    // The window may be gone by now; the message then goes nowhere.
    ::PostMessageW(owner, WM_REFRESHED, 0, 0);
  });
  return true;
}

// The job posts as its last step but one: its end is a moment away.
std::optional<PeopleRefresh::Outcome> PeopleRefresh::Take() {
  if (m_worker == nullptr) return std::nullopt;
  m_worker->WaitPumping();
  m_worker.reset();
  return std::move(m_outcome);
}

// Matched through a map of user ids, without a pass over the users per person; a user
// id listed twice updates the person twice, in list order.
PeopleRefresh::Outcome PeopleRefresh::Run(const std::vector<Person>& people) {
  const std::list<ModuleUserInfo> users = GetUserByModuleID();
  std::map<std::string, std::vector<const ModuleUserInfo*>> usersById;
  for (const ModuleUserInfo& user : users) usersById[user.UserID].push_back(&user);
  DAL_PatrolServer server;
  Outcome outcome;
  for (const Person& person : people) {
    const auto matched = usersById.find(person.userId);
    if (matched == usersById.end()) continue;
    for (const ModuleUserInfo* user : matched->second) {
      std::string tel = GetSchoolinfo(user->UserID);
      if (tel.empty()) tel = "--";
      const int result =
          server.DAL_People_Update(person.id, user->UserName, person.userId, user->UserType, person.group, tel, "--");
      if (result == -1) {
        outcome.failed = true;
        continue;
      }
      outcome.updates.push_back(Update{person.id, user->UserName, user->UserType, tel});
    }
  }
  return outcome;
}
