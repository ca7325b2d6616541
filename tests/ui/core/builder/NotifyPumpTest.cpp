// Notify maps: which handler answers a notification, within one map and up the
// chain of base maps.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "ui/core/builder/CNotifyPump.h"
#include "ui/core/control/CControlUI.h"

namespace {

using SkinUI::CControlUI;
using SkinUI::CNotifyPump;
using SkinUI::UINotifyRecord;

// A window class's handlers: each writes its name (and the two values it got).
class BasePump : public CNotifyPump {
 public:
  std::vector<std::string> calls;

  void OnBaseClick(UINotifyRecord&) { calls.push_back("base-click"); }
  void OnBaseOk(UINotifyRecord&) { calls.push_back("base-ok"); }
  virtual void OnSelect(UINotifyRecord&) { calls.push_back("base-select"); }

  SKINUI_DECLARE_NOTIFY_MAP()
};

SKINUI_BEGIN_NOTIFY_MAP(BasePump, CNotifyPump)
SKINUI_NOTIFY_TYPE_HANDLER(L"click", OnBaseClick)
SKINUI_NOTIFY_HANDLER(L"click", L"btn_ok", OnBaseOk)
SKINUI_NOTIFY_TYPE_HANDLER(L"selectchanged", OnSelect)
SKINUI_END_NOTIFY_MAP()

class DerivedPump : public BasePump {
 public:
  void OnAnyClickFirst(UINotifyRecord&) { calls.push_back("any-first"); }
  void OnAnyClickLast(UINotifyRecord&) { calls.push_back("any-last"); }
  void OnCancel(UINotifyRecord& msg) { calls.push_back("cancel:" + std::string(msg.sType == L"click" ? "click" : "?")); }
  void OnTab(WPARAM wParam, LPARAM lParam) {
    calls.push_back("tab:" + std::to_string(wParam) + "," + std::to_string(lParam));
  }
  void OnSelect(UINotifyRecord&) override { calls.push_back("derived-select"); }

  SKINUI_DECLARE_NOTIFY_MAP()
};

// The any-control entries stand on both sides of the named one on purpose.
SKINUI_BEGIN_NOTIFY_MAP(DerivedPump, BasePump)
SKINUI_NOTIFY_TYPE_HANDLER(L"click", OnAnyClickFirst)
SKINUI_NOTIFY_HANDLER(L"click", L"btn_cancel", OnCancel)
SKINUI_NOTIFY_TYPE_HANDLER(L"click", OnAnyClickLast)
SKINUI_NOTIFY_PARAMS_HANDLER(L"tabselect", L"tabs", OnTab)
SKINUI_END_NOTIFY_MAP()

struct DispatchCase {
  const char* what;
  const wchar_t* type;
  const wchar_t* sender;  // null: a record whose sender is gone
  bool handled;
  const char* call;  // "" when nothing answers
};

// Test output names a case by what it checks.
void PrintTo(const DispatchCase& c, std::ostream* os) { *os << c.what; }

std::string CaseName(const ::testing::TestParamInfo<DispatchCase>& info) { return info.param.what; }

class NotifyMaps : public ::testing::TestWithParam<DispatchCase> {};

TEST_P(NotifyMaps, CallTheAnsweringHandler) {
  const DispatchCase& c = GetParam();
  CControlUI sender;
  UINotifyRecord record;
  record.sType = c.type;
  if (c.sender != nullptr) {
    sender.SetName(c.sender);
    record.pSender = &sender;
  }
  record.wParam = 2;
  record.lParam = 1;
  DerivedPump pump;
  EXPECT_EQ(c.handled, pump.DispatchNotify(record));
  const std::vector<std::string> expected = *c.call == '\0' ? std::vector<std::string>{}
                                                              : std::vector<std::string>{c.call};
  EXPECT_EQ(expected, pump.calls);
}

const DispatchCase kDispatchCases[] = {
    {"NamedEntryBeatsAnyControlEntriesAroundIt", L"click", L"btn_cancel", true, "cancel:click"},
    {"LaterAnyControlEntryAnswersOtherSenders", L"click", L"btn_other", true, "any-last"},
    {"UnnamedSenderGetsTheAnyControlEntry", L"click", L"", true, "any-last"},
    {"NullSenderCountsAsUnnamed", L"click", nullptr, true, "any-last"},
    {"NamedEntryOfTheBaseLosesToTheDerivedMap", L"click", L"btn_ok", true, "any-last"},
    {"BaseMapAnswersWhatTheDerivedMapLacks", L"selectchanged", L"list", true, "derived-select"},
    {"ParameterHandlerGetsBothValues", L"tabselect", L"tabs", true, "tab:2,1"},
    {"ParameterEntryForAnotherSenderDoesNotAnswer", L"tabselect", L"other", false, ""},
    {"NullSenderNeverMatchesANamedEntry", L"tabselect", nullptr, false, ""},
    {"TypeIsComparedExactly", L"Click", L"btn_cancel", false, ""},
    {"UnknownTypeFallsThroughEveryMap", L"timer", L"btn_ok", false, ""},
};

INSTANTIATE_TEST_SUITE_P(Pump, NotifyMaps, ::testing::ValuesIn(kDispatchCases), CaseName);

TEST(NotifyMapBase, BaseClassAloneAnswersItsNamedEntryWhateverItsPlace) {
  CControlUI sender;
  sender.SetName(L"btn_ok");
  UINotifyRecord record;
  record.sType = L"click";
  record.pSender = &sender;
  BasePump pump;
  EXPECT_TRUE(pump.DispatchNotify(record));
  sender.SetName(L"btn_other");
  EXPECT_TRUE(pump.DispatchNotify(record));
  EXPECT_EQ((std::vector<std::string>{"base-ok", "base-click"}), pump.calls);
}

TEST(NotifyMapBase, PumpOfItsOwnAnswersNothing) {
  CNotifyPump pump;
  UINotifyRecord record;
  record.sType = L"click";
  EXPECT_FALSE(pump.DispatchNotify(record));
  EXPECT_EQ(nullptr, CNotifyPump::GetClassNotifyMap()->pfnGetBaseMap);
  EXPECT_EQ(nullptr, CNotifyPump::FindMapEntry(nullptr, record));
}

}  // namespace
