#pragma once
// The plan dialog's save: the checks of a plan form in their fixed order, the people's
// conflicts with the other cached plans, the write to the patrol server and the plan
// cache. Every refusal and the outcome go to the reporter as (text, message-box kind).
#include <functional>
#include <string>

#include "app/management/PlanForm.h"
#include "data/InspectPlanInfo.h"

class PlanSaver {
 public:
  using Reporter = std::function<void(const std::wstring& text, int kind)>;

  // mode 1 adds, 2 updates the plan given to Save.
  PlanSaver(int mode, Reporter report);

  // Writes the form's values into `plan` as it goes (the dialog keeps them after a
  // refusal). True when the server took the plan and the cache holds it.
  bool Save(const PlanForm& form, InspectPlanInfo& plan);

  // True when no row runs backwards and no two rows overlap, bounds included.
  bool CheckTimeSlots(const InspectPlanInfo& plan);
  // True when a person of the plan already patrols another cached plan at an
  // overlapping time; the first conflict is reported.
  bool CheckPeopleConflicts(const InspectPlanInfo& plan);

  // Hour and minute from characters 1-2 and 4-5 of "HH:MM"; a missing or non-digit
  // character counts 0.
  static PlanTimeSpan ReadSpan(const std::string& start, const std::string& end);
  // The date's calendar day as a day number: year before the first "-", month the two
  // characters after it, day the two after the last "-".
  static long DayNumber(const std::string& date);

 private:
  bool ReadDates(const PlanForm& form, InspectPlanInfo& plan);
  bool HasTypeRight(int type) const;
  bool Write(InspectPlanInfo& plan, const std::string& people);
  bool Conflicts(const InspectPlanInfo& plan, const InspectPlanInfo& other, const PlanPeopleInfo& person);
  void Refuse(const std::wstring& text) const { m_report(text, 1); }

  int m_mode;
  Reporter m_report;
};
