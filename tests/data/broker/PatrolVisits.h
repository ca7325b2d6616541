#pragma once
// The patrol records the consumer tests announce, held by the test world's patrol server,
// which answers "api/InspectRecord/GetByID" with them (and null for an id it does not hold).
#include "data/InspectRecordInfo.h"
#include "tests/data/CampusWorld.h"

namespace broker_test {

// Replaces whatever the server held under the record's id.
void HoldVisit(CampusWorld& world, const InspectRecordInfo& record);
void ForgetVisit(CampusWorld& world, int id);
// The GetByID requests the server has received.
int VisitFetches(CampusWorld& world);

}  // namespace broker_test
