// The table's index answers what a scan would, however the records came and went.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/services/PatrolTable.h"
#include "testing/services/WireJson.h"

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

Json::Value Visit(const char* date) {
  Json::Value body;
  body["strDate"] = date;
  return body;
}

// Ids come back ascending across the days of a range, whatever order the days were
// written in, and a record that changes day moves with it.
TEST(PatrolTable, TextIndexAnswersDayRangesAsAScanWould) {
  PatrolTable table("iID", {PatrolField{"strDate", FieldKind::Text, "strDate"}});
  Json::Value seeded = Visit("2026-12-03");
  seeded["iID"] = 1;
  table.seed(seeded);                           // 1 on the 3rd, before the index exists
  table.index_on_text("strDate");
  ASSERT_EQ(table.add(Visit("2026-12-01")), 2);  // 2 on the 1st
  ASSERT_EQ(table.add(Visit("2026-12-03")), 3);  // 3 on the 3rd
  ASSERT_EQ(table.add(Visit("2026-12-02")), 4);  // 4 moves from the 2nd to the 1st
  ASSERT_TRUE(table.update(4, Visit("2026-12-01")));
  ASSERT_EQ(table.add(Visit("2026-12-10")), 5);  // 5 goes
  ASSERT_TRUE(table.remove(5));

  struct Case {
    const char* from;
    const char* to;
    std::vector<int> ids;
  };
  for (const Case& c : {Case{"2026-12-01", "2026-12-01", {2, 4}}, Case{"2026-12-01", "2026-12-03", {1, 2, 3, 4}},
                        Case{"2026-12-02", "2026-12-02", {}}, Case{"2026-12-02", "2026-12-31", {1, 3}},
                        Case{"2026-12-03", "2026-12-01", {}}, Case{"2026-12-10", "2026-12-10", {}}}) {
    SCOPED_TRACE(std::string(c.from) + " to " + c.to);
    EXPECT_EQ(Ids(table.select_text_between("strDate", c.from, c.to)), c.ids);
    EXPECT_EQ(table.wire_text_between("strDate", c.from, c.to),
              test_support::write_wire_json(table.select_text_between("strDate", c.from, c.to)));
    const std::string from = c.from;
    const std::string to = c.to;
    EXPECT_EQ(Ids(table.select([&](const Json::Value& r) {
                const std::string date = r["strDate"].asString();
                return from <= date && date <= to;
              })),
              c.ids);
  }
  EXPECT_EQ(Ids(table.select_text_between("strDate", "2026-12-01", "2026-12-03", [](const Json::Value& r) {
              return r["iID"].asInt() % 2 == 1;
            })),
            (std::vector<int>{1, 3}));
}

}  // namespace
