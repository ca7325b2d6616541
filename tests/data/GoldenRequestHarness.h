#pragma once
// Golden requests: a table row names a call, what the test server answers every request
// with, the call's result, and every request that must go out, in order, with its body
// bytes written out by hand (UTF-8, as they travel). The fixture performs the call and
// compares verb, target, body and, for a POST, the JSON content type.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "data/DAL_PatrolServer.h"
#include "tests/data/DataTestBase.h"

namespace data_test {

struct Sent {
  std::string method;
  std::string target;  // after the base URL
  // UTF-8; {TIME}, {NOW} and {IP} stand for the time, the current time in the reserve
  // field and the local address, known only when the request goes out.
  std::string body;
};

// The audit entry that follows a successful change, for the logged-in user of the fixture.
Sent AuditPost(const std::string& eventUtf8);

struct GoldenRow {
  const char* call;
  std::function<int(DAL_PatrolServer&)> run;
  std::string reply;  // what the server answers every request
  int result;
  std::vector<Sent> sent;
};

void PrintTo(const GoldenRow& row, std::ostream* os);

// The row's call, letters and digits only, as the name of its test.
std::string GoldenRowName(const ::testing::TestParamInfo<GoldenRow>& info);

class GoldenRequestFixture : public DataTestBase, public ::testing::WithParamInterface<GoldenRow> {
 protected:
  // Runs the row against a fresh test server and checks every request it received.
  static void ExpectSentExactly(const GoldenRow& row);

 private:
  // Puts the values only known when the request went out into the expected body, after
  // checking that they have the form they must have.
  static std::string WithSentValues(std::string expected, const std::string& sentBody);
};

}  // namespace data_test
