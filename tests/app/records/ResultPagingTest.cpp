// The pager the three tabs of the result page share, driven through each tab's own
// controls: pages of 20 rows, the page jump's refusals, the search button keeping the
// page while Enter and typing go back to page 1, and each tab's row cells.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/app/records/ResultPageTest.h"

namespace {

using records_test::Texts;

struct TabCase {
  const char* name;
  CResultWndEx::Tab tab;
  const wchar_t* option;
  const wchar_t* list;
  std::wstring suffix;
  const wchar_t* count;
  const wchar_t* noContent;
  const wchar_t* search;
  const wchar_t* find;
  const wchar_t* clear;
  // Row 0's cells from column 1 on, with one row filled in.
  Texts firstRow;
};

void PrintTo(const TabCase& c, std::ostream* os) { *os << c.name; }

const TabCase kTabs[] = {
    {"Results", CResultWndEx::TAB_RESULTS, L"tabResult", L"list-Result", L"InspectRecord", L"lab_ResultlistCounts",
     L"hlNoInspectRecordContent", L"Rich_PlanFind", L"InspectRecordFind", L"btn_InspectRecordclear",
     {L"1", L"巡查01", L"2024-01-05 08:00-09:00", L"张三", L"0%", L"100%", L"已结束"}},
    {"DeviceRecords", CResultWndEx::TAB_DEVICE_RECORDS, L"tabRecord", L"list-Record", L"DeviceRecord",
     L"lab_RecordlistCounts", L"hlNoDeviceRecordContent", L"Rich_DeviceFind", L"btn_DeviceRecordfind",
     L"btn_DeviceRecordclear", {L"1", L"一号巡更机", L"张三", L"东门", L"一号楼", L"位置打卡", L"2024-01-05 08:00:00"}},
    {"SystemLog", CResultWndEx::TAB_SYSTEM_LOG, L"tablog", L"list-log", L"log", L"lab_loglistCounts",
     L"hlNoLogContent", L"Rich_LogFind", L"btn_logfind", L"btn_logclear",
     {L"1", L"管理员", L"10.0.0.1", L"2024-01-05 08:00:00", L"删除巡查计划-01"}},
};

class ResultPaging : public records_test::ResultPageTest, public ::testing::WithParamInterface<TabCase> {
 protected:
  std::wstring Pager(const wchar_t* prefix) const { return prefix + GetParam().suffix; }

  void OpenWith(int rows) {
    FillTab(GetParam().tab, rows);
    Open();
    Click(GetParam().option);
  }

  int Page() const { return page->CurrentPage(GetParam().tab); }
  size_t Listed() { return Column(GetParam().list, 1).size(); }
};

enum Button { kUnchecked = -1, kDisabled = 0, kEnabled = 1 };

struct PagerCase {
  const char* name;
  int rows;
  const wchar_t* jump;  // typed into the page box before the jump button; null for none
  std::wstring message;
  int page;  // the tab's page afterwards
  size_t listed;
  bool pagerVisible;
  std::wstring pageCount;  // "" where no page was shown
  int previous;
  int next;
};

const PagerCase kPagerCases[] = {
    {"no rows", 0, nullptr, L"", 1, 0, false, L"", kUnchecked, kUnchecked},
    {"no rows, then a jump", 0, L"1", L"", 1, 0, false, L"", kUnchecked, kUnchecked},
    {"20 rows", 20, nullptr, L"", 1, 20, false, L"共1页", kDisabled, kDisabled},
    {"21 rows", 21, nullptr, L"", 1, 20, true, L"共2页", kDisabled, kEnabled},
    {"a jump to 0", 21, L"0", L"超过页数限制!", 1, 20, true, L"共2页", kDisabled, kEnabled},
    {"a jump to 02", 21, L"02", L"", 2, 1, true, L"共2页", kEnabled, kDisabled},
    {"a jump to 3", 21, L"3", L"超过页数限制!", 1, 20, true, L"共2页", kDisabled, kEnabled},
    {"a jump to -1", 21, L"-1", L"跳转页数必须为数字!", 1, 20, true, L"共2页", kDisabled, kEnabled},
    {"a jump to 2a", 21, L"2a", L"跳转页数必须为数字!", 1, 20, true, L"共2页", kDisabled, kEnabled},
    {"a jump to \" 2\"", 21, L" 2", L"跳转页数必须为数字!", 1, 20, true, L"共2页", kDisabled, kEnabled},
    {"an empty jump", 21, L"", L"跳转页数不能为空!", 1, 20, true, L"共2页", kDisabled, kEnabled},
};

TEST_P(ResultPaging, ShowsTwentyRowsAPageAndRefusesBadJumps) {
  const TabCase& tab = GetParam();
  for (const PagerCase& c : kPagerCases) {
    SCOPED_TRACE(c.name);
    OpenWith(c.rows);
    if (c.jump != nullptr) {
      TypeOver(Pager(L"current_page_").c_str(), c.jump);
      Click(Pager(L"btn_goto_").c_str());
    }
    EXPECT_EQ(Answer(), c.message);
    if (!c.message.empty()) {
      EXPECT_EQ(Text(Pager(L"current_page_").c_str()), c.jump) << "the typed text stays";
    }
    EXPECT_EQ(Page(), c.page);
    EXPECT_EQ(Listed(), c.listed);
    EXPECT_EQ(Text(tab.count), std::to_wstring(c.rows));
    EXPECT_EQ(Visible(Pager(L"PageShow_").c_str()), c.pagerVisible);
    EXPECT_EQ(Visible(tab.list), c.listed > 0);
    EXPECT_EQ(Visible(tab.noContent), c.listed == 0);
    if (!c.pageCount.empty()) {
      EXPECT_EQ(Text(Pager(L"page_count_").c_str()), c.pageCount);
    }
    if (c.previous != kUnchecked) {
      EXPECT_EQ(Enabled(Pager(L"btn_prev_page_").c_str()), c.previous == kEnabled);
    }
    if (c.next != kUnchecked) {
      EXPECT_EQ(Enabled(Pager(L"btn_next_page_").c_str()), c.next == kEnabled);
    }
    Close();
  }
}

// The search button asks again for the page in view, even one the new rows no longer
// reach; Enter and typing start again from page 1.
TEST_P(ResultPaging, TheSearchButtonKeepsThePageWhileEnterAndTypingGoBackToTheFirst) {
  const TabCase& tab = GetParam();
  OpenWith(21);
  Click(Pager(L"btn_next_page_").c_str());
  ASSERT_EQ(Page(), 2);
  ASSERT_EQ(Listed(), 1u);

  FillTab(tab.tab, 5);
  Click(tab.find);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(Listed(), 0u);
  EXPECT_EQ(Text(tab.count), L"5");
  EXPECT_TRUE(Visible(tab.noContent));

  FillTab(tab.tab, 21);
  Click(tab.find);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(Listed(), 1u);

  Type(tab.search, L"巡");
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Listed(), 20u);
  EXPECT_TRUE(Visible(tab.clear));

  Click(Pager(L"btn_next_page_").c_str());
  ASSERT_EQ(Page(), 2);
  PressReturn(tab.search);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Listed(), 20u);
}

TEST_P(ResultPaging, PreviousAndNextEachMoveOnePageTheirOwnWay) {
  OpenWith(41);
  Click(Pager(L"btn_next_page_").c_str());
  Click(Pager(L"btn_next_page_").c_str());
  EXPECT_EQ(Page(), 3);
  EXPECT_EQ(Listed(), 1u);
  Click(Pager(L"btn_prev_page_").c_str());
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(Listed(), 20u);
  Click(Pager(L"btn_prev_page_").c_str());
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Column(GetParam().list, 1).front(), L"1");
}

// The clear button shows once something is typed; it empties the search, which lists
// every row again.
TEST_P(ResultPaging, TheClearButtonEmptiesTheSearchAndListsEveryRowAgain) {
  const TabCase& tab = GetParam();
  OpenWith(3);
  EXPECT_FALSE(Visible(tab.clear));
  Type(tab.search, L"无此");
  ASSERT_TRUE(Visible(tab.clear));
  ASSERT_EQ(Listed(), 0u);
  Click(tab.clear);
  EXPECT_EQ(Text(tab.search), L"");
  EXPECT_FALSE(Visible(tab.clear));
  EXPECT_EQ(Listed(), 3u);
}

TEST_P(ResultPaging, ListsItsRowsCellsInColumnOrder) {
  const TabCase& tab = GetParam();
  OpenWith(1);
  Texts row;
  for (size_t column = 1; column <= tab.firstRow.size(); ++column) {
    const Texts cells = Column(tab.list, static_cast<int>(column));
    ASSERT_EQ(cells.size(), 1u);
    row.push_back(cells[0]);
  }
  EXPECT_EQ(row, tab.firstRow);
}

INSTANTIATE_TEST_SUITE_P(Tabs, ResultPaging, ::testing::ValuesIn(kTabs),
                         [](const ::testing::TestParamInfo<TabCase>& info) { return std::string(info.param.name); });

}  // namespace
