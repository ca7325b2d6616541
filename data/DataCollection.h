#pragma once
// The visit report to the data-collection service (sub-system "850"), sent once at exit.
#include <string>

// The service's reply read as a number; -1 when it could not be delivered or the
// service answered -1.
int SendLoginMegToBigDate(const std::string& userID, const std::string& moduleID,
                          const std::string& visitTime, const std::string& visitEndTime);

// The body of that report: the visit item wrapped twice, the inner JSON text carried as
// the string value of "EventData".
std::string BuildVisitReport(const std::string& userID, const std::string& moduleID,
                             const std::string& visitTime, const std::string& visitEndTime,
                             const std::string& eventDigits);
