// What buttons, options and check boxes send for the input a person gives them, in
// order, and the state they are left in: clicks, a press dragged out, Space and
// Return, disabled controls, option groups and toggles, context menus; what a
// "click" handler sees; the bound tab layout; an option that goes while grouped.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/controls/COptionUI.h"
#include "ui/controls/UIButtonState.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CTabLayoutUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/types/CUIPtrArray.h"

namespace {

using controltest::ControlHarness;
using controltest::TestSkin;
using Lines = std::vector<std::string>;

const wchar_t kButtons[] =
    L"<Button name=\"btn\" text=\"OK\" height=\"30\"/>"
    L"<Button name=\"off\" text=\"Off\" height=\"30\" enabled=\"false\"/>"
    L"<Button name=\"nokeys\" text=\"No keys\" height=\"30\" keyboard=\"false\"/>"
    L"<Button name=\"withmenu\" text=\"Menu\" height=\"30\" menu=\"true\"/>"
    L"<HorizontalLayout name=\"group\" height=\"30\">"
    L"<Option name=\"o1\" text=\"1\" group=\"g\" selected=\"true\"/>"
    L"<Option name=\"o2\" text=\"2\" group=\"g\"/>"
    L"<Option name=\"o3\" text=\"3\" group=\"g\"/>"
    L"</HorizontalLayout>"
    L"<Option name=\"toggle\" text=\"Toggle\" height=\"30\"/>"
    L"<CheckBox name=\"check\" text=\"Check\" height=\"30\"/>"
    L"<Control name=\"away\"/>";

typedef std::function<void(ControlHarness&)> Input;

void Focus(ControlHarness& h, LPCTSTR name) {
  h.OnGui([&] { h.Find(name)->SetFocus(); });
}

void RightClick(ControlHarness& h, LPCTSTR name) {
  const POINT pt = h.ScreenPoint(name, h.CentreOffset(name));
  h.Driver().Click(pt.x, pt.y, platform::backend::MouseButton::Right);
}

struct EventCase {
  const char* what;
  Input input;
  Lines sent;
  LPCTSTR control;      // whose state is read afterwards
  UINT state;           // its pushed, captured and selected flags
  const char* selected; // the options selected afterwards
};

void PrintTo(const EventCase& c, std::ostream* os) { *os << c.what; }

class ButtonEvents : public ::testing::TestWithParam<EventCase> {};

// The options of the window that are selected, in skin order; gone ones are skipped.
std::string SelectedOptions(ControlHarness& h) {
  std::string names;
  h.OnGui([&] {
    // A test may have taken an option out.
    for (LPCTSTR name : {L"o1", L"o2", L"o3", L"toggle", L"check"}) {
      auto* option = dynamic_cast<SkinUI::COptionUI*>(h.FindIfAny(name));
      if (option == nullptr || !option->IsSelected()) continue;
      names += (names.empty() ? "" : " ") + controltest::Narrow(name);
    }
  });
  return names;
}

TEST_P(ButtonEvents, SendInOrderAndLeaveTheState) {
  const EventCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kButtons));
  ASSERT_TRUE(h.Created());
  c.input(h);
  EXPECT_EQ(h.Notifications().Lines(), c.sent);
  h.OnGui([&] {
    const UINT state = h.Find<SkinUI::CButtonUI>(c.control)->GetButtonState();
    EXPECT_EQ(state & (SkinUI::UISTATE_PUSHED | SkinUI::UISTATE_CAPTURED | SkinUI::UISTATE_SELECTED), c.state);
  });
  EXPECT_EQ(SelectedOptions(h), c.selected);
}

const EventCase kEventCases[] = {
    {"Click", [](ControlHarness& h) { h.Click(L"btn"); }, {"BtnDown:btn", "click:btn", "BtnUp:btn"}, L"btn", 0, "o1"},
    {"PressDraggedOutReleasedOutside",
     [](ControlHarness& h) {
       h.Press(L"btn", h.CentreOffset(L"btn"));
       h.MoveTo(L"away", POINT{5, 5});
       h.Release();
     },
     {"BtnDown:btn", "BtnMove:btn", "BtnUp:btn"}, L"btn", 0, "o1"},
    {"SpaceWithKeyboardInput",
     [](ControlHarness& h) {
       Focus(h, L"btn");
       h.Key(VK_SPACE);
     },
     {"click:btn"}, L"btn", 0, "o1"},
    {"ReturnWithKeyboardInput",
     [](ControlHarness& h) {
       Focus(h, L"btn");
       h.Key(VK_RETURN);
     },
     {"click:btn"}, L"btn", 0, "o1"},
    {"SpaceWithoutKeyboardInput",
     [](ControlHarness& h) {
       Focus(h, L"nokeys");
       h.Key(VK_SPACE);
       h.Key(VK_RETURN);
     },
     {}, L"nokeys", 0, "o1"},
    {"DisabledButton",
     [](ControlHarness& h) {
       h.Click(L"off");
       Focus(h, L"off");
       h.Key(VK_SPACE);
     },
     {}, L"off", 0, "o1"},
    {"GroupedOption", [](ControlHarness& h) { h.Click(L"o2"); },
     {"BtnDown:o2", "click:o2", "selectchanged:o2", "BtnUp:o2"}, L"o2", SkinUI::UISTATE_SELECTED, "o2"},
    {"TheOldOneIsDeselectedSilently", [](ControlHarness& h) { h.Click(L"o3"); },
     {"BtnDown:o3", "click:o3", "selectchanged:o3", "BtnUp:o3"}, L"o1", 0, "o3"},
    {"TheSelectedOptionAgain", [](ControlHarness& h) { h.Click(L"o1"); }, {"BtnDown:o1", "click:o1", "BtnUp:o1"},
     L"o1", SkinUI::UISTATE_SELECTED, "o1"},
    {"OptionWithoutGroupToggles",
     [](ControlHarness& h) {
       h.Click(L"toggle");
       h.Click(L"toggle");
     },
     {"BtnDown:toggle", "click:toggle", "selectchanged:toggle", "BtnUp:toggle", "BtnDown:toggle", "click:toggle",
      "selectchanged:toggle", "BtnUp:toggle"},
     L"toggle", 0, "o1"},
    {"CheckBoxByKey",
     [](ControlHarness& h) {
       Focus(h, L"check");
       h.Key(VK_SPACE);
     },
     {"click:check", "selectchanged:check"}, L"check", SkinUI::UISTATE_SELECTED, "o1 check"},
    {"SetCheckOnACheckedBox",
     [](ControlHarness& h) {
       h.OnGui([&] {
         h.Find<SkinUI::CCheckBoxUI>(L"check")->SetCheck(true);
         h.Find<SkinUI::CCheckBoxUI>(L"check")->SetCheck(true);
       });
     },
     {"selectchanged:check"}, L"check", SkinUI::UISTATE_SELECTED, "o1 check"},
    {"MenuWhenSwitchedOn",
     [](ControlHarness& h) {
       RightClick(h, L"withmenu");
       RightClick(h, L"btn");
     },
     {"menu:withmenu"}, L"withmenu", 0, "o1"},
};

INSTANTIATE_TEST_SUITE_P(Input, ButtonEvents, ::testing::ValuesIn(kEventCases),
                         [](const ::testing::TestParamInfo<EventCase>& info) { return info.param.what; });

TEST(ButtonPress, PushedFollowsTheMouseWhileCaptured) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kButtons));
  ASSERT_TRUE(h.Created());
  auto state = [&] {
    UINT value = 0;
    h.OnGui([&] { value = h.Find<SkinUI::CButtonUI>(L"btn")->GetButtonState(); });
    return value & (SkinUI::UISTATE_PUSHED | SkinUI::UISTATE_CAPTURED);
  };
  h.Press(L"btn", POINT{10, 10});
  EXPECT_EQ(state(), UINT(SkinUI::UISTATE_PUSHED | SkinUI::UISTATE_CAPTURED));
  h.MoveTo(L"away", POINT{5, 5});
  EXPECT_EQ(state(), UINT(SkinUI::UISTATE_CAPTURED)) << "not pushed while outside";
  h.MoveTo(L"btn", POINT{12, 12});
  EXPECT_EQ(state(), UINT(SkinUI::UISTATE_PUSHED | SkinUI::UISTATE_CAPTURED)) << "pushed again inside";
  h.Release();
  EXPECT_EQ(state(), 0u);
  EXPECT_EQ(h.Notifications().Lines(), (Lines{"BtnDown:btn", "BtnMove:btn", "BtnMove:btn", "click:btn", "BtnUp:btn"}));
}

TEST(OptionClick, AClickHandlerReadsTheSelectionAsItWas) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kButtons));
  ASSERT_TRUE(h.Created());
  std::vector<std::string> seen;
  h.OnNotify([&](SkinUI::UINotifyRecord& msg) {
    if (msg.sType != L"click") return;
    std::string line = controltest::Narrow(msg.pSender->GetName()) + ":";
    for (LPCTSTR name : {L"o1", L"o2", L"check"}) {
      line += h.Find<SkinUI::COptionUI>(name)->IsSelected() ? "1" : "0";
    }
    seen.push_back(line);
  });
  h.Click(L"o2");
  h.Click(L"check");
  h.OnNotify(nullptr);
  EXPECT_EQ(seen, (Lines{"o2:100", "check:010"}));
}

TEST(ButtonClick, AControlItsClickHandlerDeletesIsNotTouchedAgain) {
  for (LPCTSTR name : {L"btn", L"toggle"}) {
    platform::headless::TestDriver driver;
    ControlHarness h(driver, TestSkin(kButtons));
    ASSERT_TRUE(h.Created());
    h.OnNotify([&](SkinUI::UINotifyRecord& msg) {
      if (msg.sType != L"click") return;
      static_cast<SkinUI::CContainerUI*>(msg.pSender->GetParent())->Remove(msg.pSender);
      // A modal dialog's loop, in which the window deletes what was taken out.
      MSG pending;
      while (::PeekMessageW(&pending, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&pending);
    });
    h.Click(name);
    h.OnNotify(nullptr);
    const std::string sender = controltest::Narrow(name);
    EXPECT_EQ(h.Notifications().Lines(), (Lines{"BtnDown:" + sender, "click:" + sender}))
        << "nothing more from a deleted control";
    h.OnGui([&] { EXPECT_EQ(h.FindIfAny(name), nullptr); });
  }
}

TEST(BoundTabLayout, ShowsThePageAfterTheClick) {
  const struct {
    const char* what;
    LPCTSTR button;
    int page;
  } cases[] = {{"bound to page 2", L"page2", 2},
               {"no page index", L"nopage", 0},
               {"a name that is no tab layout", L"notabs", 0}};
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(L"<Button name=\"page2\" height=\"30\" bindtablayoutname=\"pages\" bindtabindex=\"2\"/>"
                                    L"<Button name=\"nopage\" height=\"30\" bindtablayoutname=\"pages\"/>"
                                    L"<Button name=\"notabs\" height=\"30\" bindtablayoutname=\"label\" bindtabindex=\"1\"/>"
                                    L"<Label name=\"label\" height=\"20\"/>"
                                    L"<TabLayout name=\"pages\"><Control/><Control/><Control/></TabLayout>"));
  ASSERT_TRUE(h.Created());
  for (const auto& c : cases) {
    h.OnGui([&] { static_cast<SkinUI::CTabLayoutUI*>(h.Find(L"pages"))->SelectItem(0); });
    h.Notifications().Clear();
    h.Click(c.button);
    EXPECT_EQ(h.Notifications().Count("click"), 1) << c.what;
    h.OnGui([&] { EXPECT_EQ(static_cast<SkinUI::CTabLayoutUI*>(h.Find(L"pages"))->GetCurrentIndex(), c.page) << c.what; });
  }
}

TEST(OptionGroup, AnOptionThatGoesLeavesItsGroup) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kButtons));
  ASSERT_TRUE(h.Created());
  auto members = [&] {
    int n = 0;
    h.OnGui([&] { n = h.Manager().GetOptionGroup(L"g")->GetSize(); });
    return n;
  };
  ASSERT_EQ(members(), 3);
  // Taken out of its row, as a window rebuilding a list does; it goes at the next
  // round of the window's loop.
  h.OnGui([&] {
    auto* row = static_cast<SkinUI::CContainerUI*>(h.Find(L"group"));
    row->Remove(h.Find(L"o2"));
  });
  EXPECT_EQ(members(), 2);
  // One that joined while the builder lent it the manager, deleted without one.
  h.OnGui([&] {
    auto* loose = new SkinUI::COptionUI;
    loose->SetManager(&h.Manager(), nullptr, false);
    loose->SetGroup(L"g");
    loose->SetManager(nullptr, nullptr, false);
    EXPECT_EQ(h.Manager().GetOptionGroup(L"g")->GetSize(), 3);
    delete loose;
  });
  EXPECT_EQ(members(), 2);
  h.Click(L"o3");
  EXPECT_EQ(SelectedOptions(h), "o3") << "the group's others are deselected, none of them freed";
}

TEST(OptionGroup, AGroupTheManagerLacksHoldsTheOptionAlone) {
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(kButtons));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    for (LPCTSTR name : {L"o1", L"o2", L"o3"}) h.Manager().RemoveOptionGroup(L"g", h.Find(name));
    ASSERT_EQ(h.Manager().GetOptionGroup(L"g"), nullptr);
  });
  h.Click(L"o2");
  EXPECT_EQ(h.Notifications().Lines(), (Lines{"BtnDown:o2", "click:o2", "selectchanged:o2", "BtnUp:o2"}));
  EXPECT_EQ(SelectedOptions(h), "o1 o2") << "no other member to deselect";
}

}  // namespace
