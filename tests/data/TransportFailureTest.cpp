#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "data/DAL_LoginInfo.h"
#include "data/DAL_PatrolServer.h"
#include "testing/http/FakeHttpServer.h"
#include "tests/data/DataTestBase.h"

namespace {

using data_test::DataTestBase;

struct FailureCase {
  const char* call;
  std::function<int()> run;  // the operation's result, a count for a container
  int expected;
  std::string head;  // the one failure line begins so
};

class TransportFailure : public DataTestBase, public ::testing::WithParamInterface<FailureCase> {};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.call; }

// A server that is not there: every operation reports its failure by its result and one
// line, and no audited write goes on to write its audit entry.
TEST_P(TransportFailure, GivesTheEmptyResultAndOneLine) {
  const FailureCase& c = GetParam();
  std::string gone;
  {
    test_support::FakeHttpServer server;
    gone = server.base_url();
  }
  UseServer(gone);
  EXPECT_EQ(c.run(), c.expected);
  const auto lines = Lines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].text.compare(0, c.head.size(), c.head), 0) << lines[0].text;
  EXPECT_GT(lines[0].text.size(), c.head.size() + 1);  // the transport's error text follows
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, TransportFailure,
    ::testing::Values(
        FailureCase{"list read", [] { return static_cast<int>(DAL_PatrolServer().DAL_People_Get().size()); }, 0,
                    "[DAL_People_Get]出错，错误信息为："},
        FailureCase{"single read", [] { return DAL_PatrolServer().DAL_People_GetByID(5).iID; }, 0,
                    "[DAL_People_GetByID]出错，错误信息为："},
        FailureCase{"audited add",
                    [] {
                      return DAL_PatrolServer().DAL_InspectPosDevice_Add("n", 1, 1, "", "c", "", "", "", "", 0, 0, "");
                    },
                    -1, "[DAL_InspectPosDevice_Add]出错，错误信息为："},
        FailureCase{"audited update",
                    [] {
                      return DAL_PatrolServer().DAL_InspectDevice_Update(5, "n", "c", "t", 1, "", 0, 0, 0, 0, 1, "");
                    },
                    -1, "[DAL_InspectDevice_Update]出错，错误信息为："},
        FailureCase{"delete", [] { return DAL_PatrolServer().DAL_Fingerprint_Delete(4); }, -1,
                    "[DAL_Fingerprint_Delete]出错，错误信息为："},
        FailureCase{"device record upload",
                    [] { return DAL_PatrolServer().DAL_DeviceRecord_Add(2, "D", "F", "C", "240506070809", "--"); }, -1,
                    "[DAL_DeviceRecord_Add]出错，错误信息为："},
        FailureCase{"exception record read",
                    [] { return DAL_PatrolServer().DAL_ExceptionRecord_Get(3, "t").iPlanID; }, 0,
                    "[DAL_ExceptionRecord_Get]出错，错误信息为："},
        FailureCase{"rights map", [] { return static_cast<int>(DAL_PatrolServer().Authority_Get().size()); }, 0,
                    "[Authority_Get]出错，错误信息为："},
        FailureCase{"login record write",
                    [] {
                      DAL_LoginInfo_Add(LoginSessionInfo());
                      return 0;
                    },
                    0, "[DAL_LoginInfo_Add]出错，错误信息为："},
        FailureCase{"login record read", [] { return DAL_LoginInfo_Get().ID; }, 0,
                    "[DAL_LoginInfo_Get]出错，错误信息为："}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return "Kind" + std::to_string(info.index); });

}  // namespace
