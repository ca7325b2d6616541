// The date ranges of the result page's tabs as the user sets them: a range that starts
// after it ends is refused with the rows on screen kept, and the log's range counts only
// once the log is asked again.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tests/app/records/ResultPageTest.h"

namespace {

using ResultRange = records_test::ResultPageTest;

// The results tab is refused by its days, the device-record tab by a minute on one day.
TEST_F(ResultRange, AReversedRangeIsRefusedAndTheListKeepsItsRows) {
  const struct {
    const char* name;
    CResultWndEx::Tab tab;
    const wchar_t* option;
    const wchar_t* list;
    const wchar_t* find;
    std::function<void()> reverse;
  } cases[] = {
      {"results", CResultWndEx::TAB_RESULTS, L"tabResult", L"list-Result", L"InspectRecordFind",
       [this] { PickDate(L"dt_SResultdate", 2024, 1, 6, L"lab_ResultlistCounts"); }},
      {"device records", CResultWndEx::TAB_DEVICE_RECORDS, L"tabRecord", L"list-Record", L"btn_DeviceRecordfind",
       [this] {
         PickTime(L"btnStartTime", 8, 1);
         EXPECT_EQ(Text(L"btnStartTime"), L"08:01");
         PickTime(L"btnEndTime", 8, 0);
         EXPECT_EQ(Text(L"btnEndTime"), L"08:00");
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    FillTab(c.tab, 3);
    Open();
    Click(c.option);
    ASSERT_EQ(Column(c.list, 1).size(), 3u);
    TakeToasts();
    c.reverse();
    Click(c.find);
    EXPECT_EQ(TakeToasts(), std::vector<std::wstring>{L"检索失败，检索开始时间不得大于结束时间!"});
    EXPECT_EQ(Column(c.list, 1).size(), 3u);
    Close();
  }
}

TEST_F(ResultRange, TheLogRangeCountsOnlyOnceTheLogIsAskedAgain) {
  FillTab(CResultWndEx::TAB_SYSTEM_LOG, 3);
  Open();
  Click(L"tablog");
  ASSERT_EQ(Column(L"list-log", 1).size(), 3u);

  PickDate(L"dt_Startdate", 2024, 1, 6, L"lab_loglistCounts");
  Click(L"tabResult");
  Click(L"tablog");
  EXPECT_EQ(Column(L"list-log", 1).size(), 3u) << "showing the tab again asks nothing";

  Click(L"btn_logfind");
  EXPECT_TRUE(Column(L"list-log", 1).empty());
  EXPECT_TRUE(Visible(L"hlNoLogContent"));
  EXPECT_FALSE(Visible(L"list-log"));
  EXPECT_EQ(Answer(), L"") << "a start after the end is no error here";
  EXPECT_TRUE(TakeToasts().empty());
}

}  // namespace
