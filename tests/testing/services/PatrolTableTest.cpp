// The table's index answers what a scan would, however the records came and went.
#include <gtest/gtest.h>

#include <vector>

#include "testing/services/PatrolTable.h"

namespace {

using test_support::FieldKind;
using test_support::PatrolField;
using test_support::PatrolTable;

std::vector<int> Ids(const Json::Value& records) {
  std::vector<int> ids;
  for (const auto& record : records) ids.push_back(record["iID"].asInt());
  return ids;
}

Json::Value Link(int route) {
  Json::Value body;
  body["iRouteId"] = route;
  return body;
}

TEST(PatrolTable, IndexFollowsSeedsAddsUpdatesAndRemovals) {
  PatrolTable table("iID", {PatrolField{"iRouteId", FieldKind::Number, "iRouteId"}});
  Json::Value seeded = Link(1);
  seeded["iID"] = 5;
  table.seed(seeded);              // 5 on route 1, before the index exists
  table.index_on("iRouteId");
  ASSERT_EQ(table.add(Link(2)), 6);  // 6 on route 2
  ASSERT_EQ(table.add(Link(1)), 7);  // 7 on route 1
  ASSERT_TRUE(table.update(6, Link(1)));
  ASSERT_TRUE(table.remove(5));
  seeded["iID"] = 7;
  seeded["iRouteId"] = 3;
  table.seed(seeded);  // 7 moves to route 3

  struct Case {
    int route;
    std::vector<int> ids;
  };
  for (const Case& c : {Case{1, {6}}, Case{2, {}}, Case{3, {7}}, Case{4, {}}}) {
    SCOPED_TRACE(c.route);
    EXPECT_EQ(Ids(table.select_where("iRouteId", c.route)), c.ids);
    const int route = c.route;
    EXPECT_EQ(Ids(table.select([route](const Json::Value& r) { return r["iRouteId"].asInt() == route; })), c.ids);
  }
  EXPECT_EQ(Ids(table.select_where("iRouteId", 1, [](const Json::Value&) { return false; })), std::vector<int>{});
  EXPECT_EQ(table.find(6)["iRouteId"].asInt(), 1);
  EXPECT_TRUE(table.find(5).isNull());
}

}  // namespace
