// The people page over the fake services: paging, filters, delete, refresh.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <vector>

#include "app/management/CPeopleManageWndEx.h"
#include "data/StartupCaches.h"
#include "platform/base/CodePage.h"
#include "testing/user/UserInput.h"
#include "tests/app/management/support/ManagementWindowTest.h"

namespace {

using Texts = std::vector<std::wstring>;

class PeoplePage : public managementtest::ManagementWindowTest {
 protected:
  // The frame covers the work area as the program's does, so the whole page can be clicked.
  PeoplePage() { CoverWorkArea(); }
  void Fill(int count) {
    for (int id = 1; id <= count; ++id) AddPerson(id, "巡更员" + std::to_string(id), 1010000);
  }
  void Open() { page = OpenPage<CPeopleManageWndEx>(); }
  Texts Numbers() { return Column(pageHwnd, L"list-people", L"No"); }
  void Click(const std::wstring& name) { user.Click(pageHwnd, name); }
  // Types the page into the pager's field and presses its jump button.
  void JumpTo(const std::wstring& typed) {
    user.Type(pageHwnd, L"current_page_People", typed);
    Click(L"btn_goto_People");
  }
  // A person's click on a button of the page.
  void PressButton(LPCTSTR name) {
    const POINT centre = shelltest::ControlCentre(pageHwnd, name);
    ASSERT_GE(centre.x, 0) << "no button " << platform::codepage::WideToUtf8(name);
    driver.Click(centre.x, centre.y);
    ASSERT_TRUE(driver.WaitIdle());
  }

  userinput::UserInput user{driver};
  CPeopleManageWndEx* page = nullptr;
};

TEST_F(PeoplePage, PagesOfTwentyWithTheirPager) {
  const struct {
    int people;
    int lastPage;
    size_t lastRows;
    bool bar;
  } cases[] = {{45, 3, 5, true}, {20, 1, 20, false}, {21, 2, 1, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.people);
    g_mapPeople.clear();
    Fill(c.people);
    Open();
    EXPECT_EQ(TextOf(pageHwnd, L"page_count_People"), L"共" + std::to_wstring(c.lastPage) + L"页");
    EXPECT_EQ(TextOf(pageHwnd, L"lab_listCounts"), std::to_wstring(c.people));
    EXPECT_EQ(Visible(pageHwnd, L"PageShow_People"), c.bar);
    EXPECT_FALSE(Enabled(pageHwnd, L"btn_prev_page_People"));
    EXPECT_EQ(Enabled(pageHwnd, L"btn_next_page_People"), c.lastPage > 1);
    ASSERT_EQ(Numbers().size(), c.people < 20 ? static_cast<size_t>(c.people) : 20u);

    // A single page shows no pager to jump with.
    if (c.bar) JumpTo(std::to_wstring(c.lastPage));
    const Texts numbers = Numbers();
    ASSERT_EQ(numbers.size(), c.lastRows);
    EXPECT_EQ(numbers.front(), std::to_wstring((c.lastPage - 1) * 20 + 1));
    EXPECT_FALSE(Enabled(pageHwnd, L"btn_next_page_People"));
    EXPECT_EQ(Enabled(pageHwnd, L"btn_prev_page_People"), c.lastPage > 1);
  }
}

TEST_F(PeoplePage, PrevAndNextMoveOnePage) {
  Fill(45);
  Open();
  Click(L"btn_next_page_People");
  EXPECT_EQ(TextOf(pageHwnd, L"current_page_People"), L"2");
  EXPECT_EQ(Numbers().front(), L"21");
  Click(L"btn_prev_page_People");
  EXPECT_EQ(Numbers().front(), L"1");
}

TEST_F(PeoplePage, PageJumpsRefuseWhatIsNoPage) {
  Fill(45);
  Open();
  const struct {
    std::wstring typed;
    std::wstring message;
  } cases[] = {{L"", L"跳转页数不能为空!"},
               {L"abc", L"跳转页数必须为数字!"},
               {L"-1", L"跳转页数必须为数字!"},
               {L" 2", L"跳转页数必须为数字!"},
               {L"0", L"超过页数限制!"},
               {L"4", L"超过页数限制!"},
               {L"99999999999999", L"超过页数限制!"}};
  for (const auto& c : cases) {
    JumpTo(c.typed);
    EXPECT_EQ(user.Answer(), c.message) << "typed \"" << platform::codepage::WideToUtf8(c.typed) << "\"";
  }
  EXPECT_EQ(Numbers().front(), L"1") << "the page stayed";
}

// Every way of asking for the list again starts it over on its first page, so that a
// narrower list is never shown from a page it may no longer have.
TEST_F(PeoplePage, EachWayOfSearchingShowsTheFirstPageAgain) {
  const struct {
    const char* way;
    std::function<void()> act;
  } cases[] = {
      {"the search button", [this] { Click(L"btn_Peoplefind"); }},
      {"Return in the name field",
       [this] {
         Click(L"Rich_PeopleFind");
         user.Key(VK_RETURN);
       }},
      {"a type picked", [this] { user.PickCombo(pageHwnd, L"Comb_PeopleType", L"安防"); }},
      {"a name typed", [this] { user.Type(pageHwnd, L"Rich_PeopleFind", L"巡更"); }},
  };
  Fill(45);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.way);
    Open();
    Click(L"btn_next_page_People");
    ASSERT_EQ(TextOf(pageHwnd, L"current_page_People"), L"2");
    c.act();
    EXPECT_EQ(TextOf(pageHwnd, L"current_page_People"), L"1");
    EXPECT_EQ(Numbers().front(), L"1");
    EXPECT_EQ(TextOf(pageHwnd, L"lab_listCounts"), L"45");
  }
}

// With nobody there is no page to jump to: the placeholder stands where the pager was.
TEST_F(PeoplePage, WithNobodyThePlaceholderStandsInPlaceOfThePager) {
  Open();
  EXPECT_TRUE(Visible(pageHwnd, L"hlNoContent"));
  EXPECT_FALSE(Visible(pageHwnd, L"PageShow_People"));
  EXPECT_EQ(OpenMessage(), L"");
}

TEST_F(PeoplePage, TypeFilterAndSearch) {
  AddPerson(1, "张三", 1010000);  // 安防,消防
  AddPerson(2, "李四", 100);      // 宿舍
  AddPerson(3, "张五", 10000);    // 消防
  Open();
  EXPECT_EQ(Column(pageHwnd, L"list-people", L"strGroup"), (Texts{L"安防,消防", L"宿舍", L"消防"}));
  EXPECT_EQ(Column(pageHwnd, L"list-people", L"Identity"), (Texts{L"教师", L"教师", L"教师"}));

  user.PickCombo(pageHwnd, L"Comb_PeopleType", L"消防");
  EXPECT_EQ(Column(pageHwnd, L"list-people", L"Name"), (Texts{L"张三", L"张五"}));
  user.PickCombo(pageHwnd, L"Comb_PeopleType", L"全部");
  EXPECT_EQ(Numbers().size(), 3u);

  user.Type(pageHwnd, L"Rich_PeopleFind", L"张");
  EXPECT_EQ(Column(pageHwnd, L"list-people", L"Name"), (Texts{L"张三", L"张五"}));
  EXPECT_TRUE(Visible(pageHwnd, L"btn_clear"));

  user.Type(pageHwnd, L"Rich_PeopleFind", L"王");
  user.Key(VK_RETURN);
  EXPECT_TRUE(Numbers().empty());
  EXPECT_TRUE(Visible(pageHwnd, L"hlNoContent"));
  EXPECT_FALSE(Visible(pageHwnd, L"list-people"));
  EXPECT_FALSE(Visible(pageHwnd, L"PageShow_People"));

  Click(L"btn_clear");
  EXPECT_EQ(Numbers().size(), 3u);
  EXPECT_FALSE(Visible(pageHwnd, L"btn_clear"));
  EXPECT_FALSE(Visible(pageHwnd, L"hlNoContent"));
}

TEST_F(PeoplePage, DeletingAPersonOfAPlanIsRefusedWithNothingSent) {
  AddPerson(1, "张三", 1010000);
  AddPerson(2, "李四", 100);
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    InspectPlanInfo plan;
    plan.iID = 9;
    plan.listPeople.push_back(PlanPeopleInfo{2, "李四"});
    g_mapInspectPlan[9] = plan;
  }
  Open();
  ClickRowButton(pageHwnd, L"list-people", 1, L"btn_Delete");
  EXPECT_EQ(Answer(), L"当前人员已存在于巡更计划中，\r\n不能进行删除！");
  EXPECT_EQ(OpenMessage(), L"") << "no question follows";
  EXPECT_TRUE(RequestsTo("/api/InspectPeople/Delete").empty());
  EXPECT_EQ(g_mapPeople.count(2), 1u);
}

TEST_F(PeoplePage, DeleteAsksThenFollowsTheServer) {
  AddPerson(1, "张三", 1010000);
  AddPerson(2, "李四", 100);
  Open();

  ClickRowButton(pageHwnd, L"list-people", 0, L"btn_Delete");
  EXPECT_EQ(Cancel(), L"是否删除该人员?");
  EXPECT_TRUE(RequestsTo("/api/InspectPeople/Delete").empty());

  world.http().route("POST", "/api/InspectPeople/Delete", test_support::HttpReply(200, "-1"));
  ClickRowButton(pageHwnd, L"list-people", 0, L"btn_Delete");
  EXPECT_EQ(AnswerAll(), (Texts{L"是否删除该人员?", L"删除失败!"}));
  EXPECT_EQ(g_mapPeople.size(), 2u);
  EXPECT_EQ(Numbers().size(), 2u);

  world.http().route("POST", "/api/InspectPeople/Delete", test_support::HttpReply(200, "1"));
  ClickRowButton(pageHwnd, L"list-people", 0, L"btn_Delete");
  EXPECT_EQ(AnswerAll(), (Texts{L"是否删除该人员?", L"删除成功!"}));
  EXPECT_EQ(g_mapPeople.count(1), 0u);
  EXPECT_EQ(Column(pageHwnd, L"list-people", L"Name"), (Texts{L"李四"}));
  const auto sent = RequestsTo("/api/InspectPeople/Delete");
  ASSERT_EQ(sent.size(), 2u);
  EXPECT_NE(sent.back().body.find("\"iID\":\"1\""), std::string::npos) << sent.back().body;
}

TEST_F(PeoplePage, DeletingTheOnlyPersonOfTheLastPageShowsThePageBefore) {
  Fill(41);
  Open();
  JumpTo(L"3");
  ASSERT_EQ(Numbers(), (Texts{L"41"}));
  ClickRowButton(pageHwnd, L"list-people", 0, L"btn_Delete");
  EXPECT_EQ(AnswerAll(), (Texts{L"是否删除该人员?", L"删除成功!"}));
  EXPECT_EQ(TextOf(pageHwnd, L"current_page_People"), L"2");
  EXPECT_EQ(Numbers().front(), L"21");
  EXPECT_EQ(TextOf(pageHwnd, L"page_count_People"), L"共2页");
}

TEST_F(PeoplePage, DeletingTheLastPersonShowsThePlaceholder) {
  AddPerson(1, "张三", 1010000);
  Open();
  ClickRowButton(pageHwnd, L"list-people", 0, L"btn_Delete");
  EXPECT_EQ(AnswerAll(), (Texts{L"是否删除该人员?", L"删除成功!"}));
  EXPECT_TRUE(Visible(pageHwnd, L"hlNoContent"));
  EXPECT_TRUE(g_mapPeople.empty());
  EXPECT_EQ(world.patrol.people().size(), 0u);
}

TEST_F(PeoplePage, RefreshUpdatesEveryMatchedPersonFromThePlatform) {
  AddPerson(1, "旧名", 1010000, "u7");
  AddPerson(2, "不在平台", 100, "u8");
  AddPlatformUser("u7", "新名", "", 6);
  Open();
  Click(L"RefreshPeopleBtn");
  EXPECT_EQ(OpenMessage(), L"");
  EXPECT_EQ(RequestsTo("/BaseApi/UserMgr/UserInfoMgr/GetUserContactByIDs").size(), 1u);
  const auto updates = RequestsTo("/api/InspectPeople/Update");
  ASSERT_EQ(updates.size(), 1u);
  const PeopleInfo& person = g_mapPeople[1];
  EXPECT_EQ(person.strName, "新名");
  EXPECT_EQ(person.iIdentity, 6);
  EXPECT_EQ(person.strTelephone, "--");
  EXPECT_EQ(person.iGroup, 1010000);
  EXPECT_EQ(g_mapPeople[2].strName, "不在平台");
  EXPECT_EQ(world.patrol.people().request_of(1)["strName"].asString(), platform::codepage::GbkToUtf8("新名"));
}

// The match goes by user id both ways: two people of one platform user are both updated,
// and a person the platform lists twice is updated twice, the last listing winning.
TEST_F(PeoplePage, RefreshMatchesEveryPersonOfAUserAndEveryListingOfIt) {
  AddPerson(1, "甲", 100, "u7");
  AddPerson(2, "乙", 100, "u7");
  AddPerson(3, "丙", 100, "u9");
  AddPlatformUser("u7", "新甲", "", 6);
  AddPlatformUser("u9", "新丙一", "", 1);
  AddPlatformUser("u9", "新丙二", "", 2);
  Open();
  Click(L"RefreshPeopleBtn");
  EXPECT_EQ(OpenMessage(), L"");
  EXPECT_EQ(RequestsTo("/api/InspectPeople/Update").size(), 4u);
  EXPECT_EQ(g_mapPeople[1].strName, "新甲");
  EXPECT_EQ(g_mapPeople[2].strName, "新甲");
  EXPECT_EQ(g_mapPeople[3].strName, "新丙二");
  EXPECT_EQ(g_mapPeople[3].iIdentity, 2);
}

// The updates go out on a worker: while the server holds them the page answers input, a
// second refresh starts nothing, and the cache takes the names once the server has
// answered.
TEST_F(PeoplePage, TheRefreshWaitsOnTheServerOffThePagesThreadAndRunsOnceAtATime) {
  AddPerson(1, "旧名", 1010000, "u7");
  AddPerson(2, "别人", 1010000, "u8");
  AddPlatformUser("u7", "新名", "", 6);
  std::mutex mutex;
  std::condition_variable changed;
  int asked = 0;
  bool released = false;
  world.http().route("POST", "/api/InspectPeople/Update", [&](const test_support::RecordedRequest&) {
    std::unique_lock<std::mutex> lock(mutex);
    ++asked;
    changed.notify_all();
    changed.wait(lock, [&] { return released; });
    return test_support::HttpReply(200, "1");
  });
  const auto release = [&] {
    std::lock_guard<std::mutex> lock(mutex);
    released = true;
    changed.notify_all();
  };
  // However the test ends, the held request goes, so that the page's end does not wait.
  struct ReleaseAtEnd {
    std::function<void()> release;
    ~ReleaseAtEnd() { release(); }
  } releaseAtEnd{release};
  CoverWorkArea();
  Open();
  PressButton(L"RefreshPeopleBtn");
  {
    std::unique_lock<std::mutex> lock(mutex);
    ASSERT_TRUE(changed.wait_for(lock, std::chrono::seconds(30), [&] { return asked > 0; })) << "no update asked";
  }
  EXPECT_TRUE(driver.WaitIdle()) << "the page's thread waits on no request";
  EXPECT_EQ(g_mapPeople[1].strName, "旧名") << "nothing applied before the server answered";
  PressButton(L"RefreshPeopleBtn");
  TypeOver(pageHwnd, L"Rich_PeopleFind", L"旧");
  EXPECT_EQ(Column(pageHwnd, L"list-people", L"Name"), Texts{L"旧名"}) << "the search is served meanwhile";
  release();
  EXPECT_EQ(OpenMessage(), L"");
  EXPECT_EQ(RequestsTo("/api/InspectPeople/Update").size(), 1u) << "the second click started nothing";
  EXPECT_EQ(g_mapPeople[1].strName, "新名");
  EXPECT_EQ(g_mapPeople[1].iIdentity, 6);
}

TEST_F(PeoplePage, ARefusedRefreshLeavesThePersonAndSaysSoOnce) {
  AddPerson(1, "旧名一", 1010000, "u7");
  AddPerson(2, "旧名二", 100, "u8");
  AddPlatformUser("u7", "新名一", "13800000007");
  AddPlatformUser("u8", "新名二", "13800000008");
  world.http().route("POST", "/api/InspectPeople/Update", test_support::HttpReply(200, "-1"));
  Open();
  Click(L"RefreshPeopleBtn");
  EXPECT_EQ(AnswerAll(), (Texts{L"刷新失败!"}));
  EXPECT_EQ(RequestsTo("/api/InspectPeople/Update").size(), 2u);
  EXPECT_EQ(g_mapPeople[1].strName, "旧名一");
  EXPECT_EQ(g_mapPeople[2].strTelephone, "1392");
}

}  // namespace
