#pragma once
// How big a generated school is: counts of each kind of record, read from one option
// such as "plans=10000,records=100000". What the option leaves out follows the plans:
// as many checkpoints and people as plans, a route for every ten plans, a reader for
// every hundred, and ten visits, device records and log lines per plan.
#include <string>

namespace campus_server {

struct SchoolSize {
  int plans = 100;
  int routes = 0;
  int checkpoints = 0;
  int people = 0;
  int readers = 0;
  int visits = 0;
  int records = 0;
  int log = 0;

  // Throws std::invalid_argument naming the piece it cannot read (an unknown name, a
  // count that is no whole number from 1 to 10,000,000).
  static SchoolSize Parse(const std::string& option);
};

}  // namespace campus_server
