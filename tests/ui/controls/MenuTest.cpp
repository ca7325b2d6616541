// The pop-up menu: a root menu built from a skin at a point, sub-menus opening beside
// their item on the side and at the height that fit, hovering, keys and clicks, the
// message a leaf click posts to the opener before the menus close, check items, and
// what the process-wide observer keeps.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"
#include "ui/controls/CMenuElementUI.h"
#include "ui/controls/CMenuUI.h"
#include "ui/controls/CMenuWnd.h"
#include "ui/controls/IListItemUI.h"
#include "ui/controls/MenuClickedItemName.h"
#include "ui/controls/ObserverImpl.h"
#include "ui/core/manager/IMessageFilterUI.h"

namespace {

using controltest::ControlHarness;
using controltest::OpenWindow;
using controltest::TestSkin;
using platform::backend::MonitorDesc;
using platform::headless::TestDriver;
using SkinUI::CMenuElementUI;
using SkinUI::CMenuWnd;
using SkinUI::MenuCheckInfo;
using Lines = std::vector<std::string>;

const int kItemWidth = CMenuElementUI::kDefaultWidth;
const int kItemHeight = CMenuElementUI::kDefaultHeight;

// Root items, 30 pixels high each: "open", "more" (with "sub1", "sub2", a check item,
// and "deeper", which holds "deep1"), a separator of 6, "check" (a check item),
// "holder" (with the button "inner" inside) and "last".
const wchar_t kMenuSkin[] =
    L"<Window><Font name=\"微软雅黑\" size=\"14\" default=\"true\"/>"
    L"<Default name=\"Menu\" value=\"bkcolor=&quot;#FFFFFFFF&quot;\"/>"
    L"<Menu name=\"menu\" bkcolor=\"#FFFFFFFF\">"
    L"<MenuElement name=\"open\" text=\"Open\"/>"
    L"<MenuElement name=\"more\" text=\"More\" expland=\"true\">"
    L"<MenuElement name=\"sub1\" text=\"Sub 1\"/>"
    L"<MenuElement name=\"sub2\" text=\"Sub 2\" checkitem=\"true\" ischeck=\"true\"/>"
    L"<MenuElement name=\"deeper\" text=\"Deeper\"><MenuElement name=\"deep1\" text=\"Deep 1\"/></MenuElement>"
    L"</MenuElement>"
    L"<MenuElement name=\"sep\" linetype=\"true\"/>"
    L"<MenuElement name=\"check\" text=\"Check\" checkitem=\"true\" ischeck=\"true\"/>"
    L"<MenuElement name=\"holder\"><Button name=\"inner\" text=\"x\" width=\"40\"/></MenuElement>"
    L"<MenuElement name=\"last\" text=\"Last\"/>"
    L"</Menu></Window>";

// The items' tops in the root menu, from its top.
enum RootRow { kOpen = 0, kMore = 30, kSeparator = 60, kCheck = 66, kHolder = 96, kLast = 126, kRootHeight = 156 };

// What the opener's window hears of message 1145, and how many menu windows existed
// then.
class OpenerLog : public SkinUI::IMessageFilterUI {
 public:
  LRESULT FilterMessage(UINT uMsg, WPARAM, LPARAM lParam, bool&) override {
    if (uMsg != CMenuWnd::WM_MENUCLICK) return 0;
    const int open = static_cast<int>(SkinUI::GetMenuObserver().Receivers().size());
    lines.push_back("clicked " + std::to_string(lParam) + " with " + std::to_string(open) + " menus open");
    return 0;
  }
  Lines lines;
};

class MenuTest : public ::testing::Test {
 protected:
  MenuTest() : MenuTest(TestDriver::TwoMonitors()) {}
  explicit MenuTest(std::vector<MonitorDesc> monitors)
      : driver_(std::move(monitors)), h_(driver_, TestSkin(L"<Control name=\"body\"/>"), POINT{100, 100}) {
    h_.OnGui([this] { h_.Manager().AddMessageFilter(&opener_); });
  }
  ~MenuTest() override {
    h_.OnGui([this] { h_.Manager().RemoveMessageFilter(&opener_); });
  }

  // Opens the root menu as the pages do: CreateMenu, then ResizeMenu once more.
  void Open(POINT at, DWORD flags = CMenuWnd::ALIGN_DEFAULT, MenuCheckInfo* checks = nullptr,
            const wchar_t* skin = kMenuSkin) {
    h_.OnGui([&] {
      CMenuWnd* pMenu = CMenuWnd::CreateMenu(nullptr, skin, at, &h_.Manager(), checks, flags);
      ASSERT_NE(pMenu, nullptr);
      pMenu->ResizeMenu();
    });
    driver_.WaitIdle();
  }

  std::vector<OpenWindow> Menus() { return h_.OpenWindows(L"SkinMenuWnd"); }
  // The menu window owned by `owner`: the root by the main window, a sub-menu by its
  // parent menu.
  OpenWindow MenuOwnedBy(HWND owner) {
    for (const OpenWindow& w : Menus()) {
      if (w.owner == owner) return w;
    }
    return OpenWindow{};
  }
  OpenWindow Root() { return MenuOwnedBy(h_.Window()); }

  // Points the mouse at an item `top` pixels down the menu window.
  void Hover(const OpenWindow& menu, int top) { driver_.MoveMouse(menu.rect.left + 40, menu.rect.top + top + 10); }
  void ClickItem(const OpenWindow& menu, int top) { driver_.Click(menu.rect.left + 40, menu.rect.top + top + 10); }

  TestDriver driver_;
  ControlHarness h_;
  OpenerLog opener_;
};

// --- The root menu ---

struct RootCase {
  const char* what;
  DWORD flags;
  RECT expected;  // for the point (500, 400)
};

void PrintTo(const RootCase& c, std::ostream* os) { *os << c.what; }

class RootPlacement : public MenuTest, public ::testing::WithParamInterface<RootCase> {};

TEST_P(RootPlacement, StartsOrEndsAtThePointAsTheFlagsSay) {
  const RootCase& c = GetParam();
  Open(POINT{500, 400}, c.flags);
  const std::vector<OpenWindow> menus = Menus();
  ASSERT_EQ(menus.size(), 1u);
  const OpenWindow& root = menus.front();
  EXPECT_EQ(root.rect.left, c.expected.left);
  EXPECT_EQ(root.rect.top, c.expected.top);
  EXPECT_EQ(root.rect.right, c.expected.right);
  EXPECT_EQ(root.rect.bottom, c.expected.bottom);
  EXPECT_TRUE(root.visible);
  EXPECT_TRUE(root.style & WS_POPUP);
  EXPECT_EQ(root.exStyle & (WS_EX_TOOLWINDOW | WS_EX_TOPMOST), DWORD(WS_EX_TOOLWINDOW | WS_EX_TOPMOST));
  EXPECT_EQ(root.owner, h_.Window());
  EXPECT_EQ(GetForegroundWindow(), root.hwnd);
}

// The same menu with an inset of 4 around its items: a menu that ends at the point
// ends there with its inset.
TEST_F(MenuTest, AMenuWithAnInsetEndsAtThePointWithIt) {
  std::wstring skin = kMenuSkin;
  skin.replace(skin.find(L"<Menu name"), 10, L"<Menu inset=\"0,4,0,4\" name");
  Open(POINT{500, 400}, CMenuWnd::ALIGN_LEFT | CMenuWnd::ALIGN_TOP, nullptr, skin.c_str());
  const OpenWindow root = Root();
  EXPECT_EQ(root.rect.right, 500);
  EXPECT_EQ(root.rect.bottom, 400);
  EXPECT_EQ(root.rect.bottom - root.rect.top, kRootHeight + 8);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RootPlacement,
    ::testing::Values(RootCase{"from the point", CMenuWnd::ALIGN_DEFAULT, {500, 400, 500 + kItemWidth, 400 + kRootHeight}},
                      RootCase{"ending at its x", CMenuWnd::ALIGN_LEFT, {500 - kItemWidth, 400, 500, 400 + kRootHeight}},
                      RootCase{"ending at its y", CMenuWnd::ALIGN_TOP, {500, 400 - kRootHeight, 500 + kItemWidth, 400}},
                      RootCase{"ending at it", CMenuWnd::ALIGN_LEFT | CMenuWnd::ALIGN_TOP,
                               {500 - kItemWidth, 400 - kRootHeight, 500, 400}}),
    [](const ::testing::TestParamInfo<RootCase>& info) { return "Case" + std::to_string(info.index); });

// --- Sub-menus ---

struct SubMenuCase {
  const char* what;
  POINT at;      // the root menu's point
  DWORD flags;
  bool deeper;   // opens the third level and checks it instead
  RECT expected;
};

void PrintTo(const SubMenuCase& c, std::ostream* os) { *os << c.what; }

class SubMenuPlacement : public MenuTest, public ::testing::WithParamInterface<SubMenuCase> {};

TEST_P(SubMenuPlacement, OpensBesideItsItemWhereItFits) {
  const SubMenuCase& c = GetParam();
  Open(c.at, c.flags);
  const OpenWindow root = Root();
  Hover(root, kMore);
  OpenWindow sub = MenuOwnedBy(root.hwnd);
  ASSERT_NE(sub.hwnd, nullptr) << "the sub-menu opened";
  if (c.deeper) {
    Hover(sub, 2 * kItemHeight);
    sub = MenuOwnedBy(sub.hwnd);
    ASSERT_NE(sub.hwnd, nullptr) << "the third level opened";
  }
  EXPECT_EQ(sub.rect.left, c.expected.left);
  EXPECT_EQ(sub.rect.top, c.expected.top);
  EXPECT_EQ(sub.rect.right, c.expected.right);
  EXPECT_EQ(sub.rect.bottom, c.expected.bottom);
  EXPECT_EQ(Menus().size(), c.deeper ? 3u : 2u) << "the parents stay open";
}

// The sub-menu is two pixels wider than its items; "more" is the second root item
// and has three sub-items, "deeper" the third of them with one. The primary work
// area is 1920 x 1040.
INSTANTIATE_TEST_SUITE_P(
    Table, SubMenuPlacement,
    ::testing::Values(
        SubMenuCase{"to the right, level with its item", {500, 400}, CMenuWnd::ALIGN_DEFAULT, false,
                    {630, 430, 630 + kItemWidth + 2, 430 + 3 * kItemHeight}},
        SubMenuCase{"on the left when the work area ends", {1700, 400}, CMenuWnd::ALIGN_DEFAULT, false,
                    {1700 - kItemWidth - 2, 430, 1700, 430 + 3 * kItemHeight}},
        SubMenuCase{"upwards at the bottom of the work area", {500, 960}, CMenuWnd::ALIGN_DEFAULT, false,
                    {630, 990 - 3 * kItemHeight, 630 + kItemWidth + 2, 990}},
        SubMenuCase{"the third level to the right again", {500, 400}, CMenuWnd::ALIGN_DEFAULT, true,
                    {762, 490, 762 + kItemWidth + 2, 490 + kItemHeight}},
        // The second level went left of the root near the edge; the root lies to the
        // right of it, so the third goes left too.
        SubMenuCase{"the third level on the left when a menu is in the way", {1750, 400}, CMenuWnd::ALIGN_DEFAULT,
                    true, {1750 - 2 * (kItemWidth + 2), 490, 1750 - kItemWidth - 2, 490 + kItemHeight}},
        SubMenuCase{"on the second monitor, by its work area", {2500, 500}, CMenuWnd::ALIGN_DEFAULT, false,
                    {2630, 530, 2630 + kItemWidth + 2, 530 + 3 * kItemHeight}}),
    [](const ::testing::TestParamInfo<SubMenuCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(MenuTest, HoveringALeafClosesASiblingsSubMenuAndItsItemsComeBackHidden) {
  Open(POINT{500, 400});
  const OpenWindow root = Root();
  Hover(root, kMore);
  ASSERT_EQ(Menus().size(), 2u);
  driver_.WaitIdle();
  const controltest::ControlPixels sub(MenuOwnedBy(root.hwnd).hwnd, RECT{0, 0, 10, 10});
  EXPECT_EQ(sub.At(5, 5), 0xFFFFFFFFu) << "the sub-menu takes the opener skin's default look of a menu";
  // The root laid out again meanwhile leaves the sub-items where the sub-menu put them.
  h_.OnGui([&] {
    SkinUI::CWindowManagerUI& pm = CMenuWnd::FromHandle(root.hwnd)->Manager();
    auto* pMore = static_cast<CMenuElementUI*>(pm.FindControl(L"more"));
    SkinUI::CControlUI* pSub1 = pMore->GetItemAt(0);
    const RECT before = pSub1->GetPos();
    pm.GetRoot()->SetPos(pm.GetRoot()->GetPos());
    pMore->SetPos(pMore->GetPos());
    EXPECT_TRUE(EqualRect(&before, &pSub1->GetPos()));
    EXPECT_EQ(before.top, 0) << "the first row of the sub-menu";
  });
  Hover(root, kOpen);
  EXPECT_EQ(Menus().size(), 1u);
  h_.OnGui([&] {
    CMenuWnd* pRoot = CMenuWnd::FromHandle(root.hwnd);
    ASSERT_NE(pRoot, nullptr);
    SkinUI::CWindowManagerUI& pm = pRoot->Manager();
    auto* pMore = static_cast<CMenuElementUI*>(pm.FindControl(L"more"));
    ASSERT_NE(pMore, nullptr);
    EXPECT_EQ(pMore->GetSubMenu(), nullptr);
    auto* pList = static_cast<SkinUI::CMenuUI*>(pm.FindControl(L"menu"));
    for (LPCTSTR name : {L"sub1", L"sub2", L"deeper"}) {
      SkinUI::CControlUI* pItem = nullptr;
      for (int i = 0; i < pMore->GetCount(); ++i) {
        if (pMore->GetItemAt(i)->GetName() == name) pItem = pMore->GetItemAt(i);
      }
      ASSERT_NE(pItem, nullptr) << controltest::Narrow(name);
      EXPECT_FALSE(pItem->IsVisible()) << controltest::Narrow(name);
      EXPECT_EQ(pItem->GetManager(), &pm) << controltest::Narrow(name);
      EXPECT_EQ(pItem->GetParent(), pMore) << controltest::Narrow(name);
      auto* pRow = static_cast<SkinUI::IListItemUI*>(pItem->GetInterface(L"ListItem"));
      EXPECT_EQ(pRow->GetOwner(), static_cast<SkinUI::IListOwnerUI*>(pList)) << controltest::Narrow(name);
    }
  });
}

// --- Keys ---

TEST_F(MenuTest, RightOpensLeftAndEscapeCloseOneLevelEach) {
  Open(POINT{500, 400});
  const OpenWindow root = Root();
  Hover(root, kOpen);
  driver_.MoveMouse(10, 10);  // away, so that the pointer opens nothing
  h_.Key(VK_DOWN);
  h_.Key(VK_RIGHT);
  ASSERT_EQ(Menus().size(), 2u) << "Right on \"more\" opens its sub-menu";
  EXPECT_EQ(GetForegroundWindow(), MenuOwnedBy(root.hwnd).hwnd);
  Hover(MenuOwnedBy(root.hwnd), 0);  // selects "sub1" in the sub-menu
  h_.Key(VK_LEFT);
  EXPECT_EQ(Menus().size(), 1u) << "Left closes the sub-menu only";
  h_.OnGui([&] {
    auto* pList = static_cast<SkinUI::CMenuUI*>(CMenuWnd::FromHandle(root.hwnd)->Manager().FindControl(L"menu"));
    EXPECT_EQ(pList->GetCurSel(), 1) << "\"more\" stays selected";
  });
  driver_.MoveMouse(10, 10);
  h_.Key(VK_RIGHT);
  ASSERT_EQ(Menus().size(), 2u);
  h_.Key(VK_ESCAPE);
  EXPECT_EQ(Menus().size(), 1u) << "Escape closes the sub-menu only";
  h_.Key(VK_ESCAPE);
  EXPECT_EQ(Menus().size(), 0u);
  EXPECT_TRUE(opener_.lines.empty());
}

// --- Clicks ---

TEST_F(MenuTest, ALeafClickTellsTheOpenerBeforeEveryMenuCloses) {
  SkinUI::SetMenuClickedItemName(L"");
  Open(POINT{500, 400});
  const OpenWindow root = Root();
  Hover(root, kMore);
  const OpenWindow sub = MenuOwnedBy(root.hwnd);
  ASSERT_NE(sub.hwnd, nullptr);
  ClickItem(sub, 0);
  EXPECT_EQ(opener_.lines, (Lines{"clicked 0 with 2 menus open"}));
  EXPECT_TRUE(Menus().empty());
  EXPECT_EQ(SkinUI::GetMenuClickedItemName(), L"sub1");
  EXPECT_EQ(GetForegroundWindow(), h_.Window());
}

struct CheckCase {
  const char* what;
  bool withMap;
  std::vector<std::pair<std::wstring, bool>> before;  // the caller's entries
  int item;                                            // where the click lands
  std::string expected;
  std::vector<std::pair<std::wstring, bool>> after;
};

void PrintTo(const CheckCase& c, std::ostream* os) { *os << c.what; }

class MenuChecks : public MenuTest, public ::testing::WithParamInterface<CheckCase> {};

TEST_P(MenuChecks, LiveInTheCallersMapAndGoWithTheClick) {
  const CheckCase& c = GetParam();
  MenuCheckInfo checks;
  for (const auto& entry : c.before) checks[entry.first.c_str()] = entry.second;
  Open(POINT{500, 400}, CMenuWnd::ALIGN_DEFAULT, c.withMap ? &checks : nullptr);
  ClickItem(Root(), c.item);
  EXPECT_EQ(opener_.lines, (Lines{c.expected}));
  MenuCheckInfo expected;
  for (const auto& entry : c.after) expected[entry.first.c_str()] = entry.second;
  EXPECT_EQ(checks, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, MenuChecks,
    ::testing::Values(
        CheckCase{"no map: nothing to toggle, lParam 0", false, {}, kCheck, "clicked 0 with 1 menus open", {}},
        // The skin's "ischeck" fills a missing entry, then the click toggles it.
        CheckCase{"the skin's state in an empty map, toggled", true, {}, kCheck, "clicked 0 with 1 menus open",
                  {{L"check", false}, {L"sub2", true}}},
        CheckCase{"the caller's state wins over the skin's", true, {{L"check", false}, {L"sub2", false}}, kCheck,
                  "clicked 1 with 1 menus open", {{L"check", true}, {L"sub2", false}}},
        CheckCase{"a plain item leaves the map alone", true, {{L"check", false}}, kLast,
                  "clicked 0 with 1 menus open", {{L"check", false}, {L"sub2", true}}}),
    [](const ::testing::TestParamInfo<CheckCase>& info) { return "Case" + std::to_string(info.index); });

TEST_F(MenuTest, ASeparatorIsASixPixelLineAndInertAndTheRightButtonDoesNothing) {
  Open(POINT{500, 400});
  const OpenWindow root = Root();
  h_.OnGui([&] {
    SkinUI::CWindowManagerUI& pm = CMenuWnd::FromHandle(root.hwnd)->Manager();
    EXPECT_EQ(pm.FindControl(L"sep")->GetPos().bottom - pm.FindControl(L"sep")->GetPos().top, 6);
  });
  driver_.WaitIdle();
  // One line across the middle, inside the line padding (29 left, 7 right).
  const controltest::ControlPixels line(root.hwnd, RECT{0, kSeparator, kItemWidth, kSeparator + 6});
  for (int y = 0; y < 6; ++y) {
    EXPECT_EQ(line.At(60, y), y == 3 ? 0xFFBCBFC4u : 0xFFFFFFFFu) << y;
  }
  EXPECT_EQ(line.At(20, 3), 0xFFFFFFFFu);
  EXPECT_EQ(line.At(kItemWidth - 3, 3), 0xFFFFFFFFu);
  driver_.Click(root.rect.left + 40, root.rect.top + kSeparator + 3);
  driver_.Click(root.rect.left + 40, root.rect.top + kLast + 10, platform::backend::MouseButton::Right);
  EXPECT_EQ(Menus().size(), 1u);
  EXPECT_TRUE(opener_.lines.empty());
}

TEST_F(MenuTest, AClickFromAControlInsideAMenuReachesTheOpener) {
  Open(POINT{500, 400});
  const OpenWindow root = Root();
  driver_.Click(root.rect.left + 20, root.rect.top + kHolder + 15);
  EXPECT_EQ(h_.Notifications().Count("click"), 1);
  const std::vector<controltest::RecordedNotify> sent = h_.Notifications().Entries();
  EXPECT_TRUE(std::any_of(sent.begin(), sent.end(), [](const auto& e) { return e.type == "click" && e.sender == "inner"; }));
}

// --- Focus ---

TEST_F(MenuTest, TheFocusGoingToAnotherWindowClosesTheChainAndToASubMenuKeepsIt) {
  Open(POINT{500, 400});
  Hover(Root(), kMore);
  ASSERT_EQ(Menus().size(), 2u) << "the sub-menu took the focus and the root stayed";
  const POINT body = h_.ScreenPoint(L"body", POINT{20, 20});
  driver_.Click(body.x, body.y);
  EXPECT_TRUE(Menus().empty());
  EXPECT_TRUE(opener_.lines.empty());
}

TEST_F(MenuTest, TheOpenerClosingTakesTheWholeChainAlongFirst) {
  Open(POINT{500, 400});
  Hover(Root(), kMore);
  ASSERT_EQ(Menus().size(), 2u);
  h_.OnGui([&] { ::DestroyWindow(h_.Window()); });
  EXPECT_TRUE(Menus().empty());
  h_.OnGui([&] { EXPECT_TRUE(SkinUI::GetMenuObserver().Receivers().empty()); });
}

// --- What the observer keeps ---

TEST_F(MenuTest, TheObserverForgetsTheOpenerAndTheMapWithTheLastMenuAndKeepsTheClickedName) {
  MenuCheckInfo checks;
  Open(POINT{500, 400}, CMenuWnd::ALIGN_DEFAULT, &checks);
  h_.OnGui([&] {
    EXPECT_EQ(SkinUI::GetMenuObserver().GetManager(), &h_.Manager());
    EXPECT_EQ(SkinUI::GetMenuObserver().GetCheckInfo(), &checks);
  });
  ClickItem(Root(), kLast);
  ASSERT_TRUE(Menus().empty());
  h_.OnGui([&] {
    EXPECT_EQ(SkinUI::GetMenuObserver().GetManager(), nullptr);
    EXPECT_EQ(SkinUI::GetMenuObserver().GetCheckInfo(), nullptr);
    EXPECT_TRUE(SkinUI::GetMenuObserver().Receivers().empty());
  });
  EXPECT_EQ(SkinUI::GetMenuClickedItemName(), L"last");
}

TEST_F(MenuTest, ARootMenuWithoutAnOpenerPostsNothingAndReadsNoEarlierMap) {
  MenuCheckInfo checks;
  checks[L"check"] = true;
  Open(POINT{500, 400}, CMenuWnd::ALIGN_DEFAULT, &checks);
  h_.Key(VK_ESCAPE);
  ASSERT_TRUE(Menus().empty());
  h_.OnGui([&] {
    CMenuWnd* pMenu = CMenuWnd::CreateMenu(nullptr, kMenuSkin, POINT{500, 400}, nullptr, nullptr, 0);
    ASSERT_NE(pMenu, nullptr);
    pMenu->ResizeMenu();
    EXPECT_EQ(SkinUI::GetMenuObserver().GetCheckInfo(), nullptr);
  });
  driver_.WaitIdle();
  const std::vector<OpenWindow> menus = Menus();
  ASSERT_EQ(menus.size(), 1u);
  ClickItem(menus.front(), kCheck);
  EXPECT_TRUE(Menus().empty());
  EXPECT_TRUE(opener_.lines.empty());
  EXPECT_TRUE(checks[L"check"]) << "the earlier caller's map was not touched";
}

TEST_F(MenuTest, AMenuWhoseSkinCannotBeBuiltShowsNothingAndGoesQuietly) {
  h_.OnGui([&] {
    CMenuWnd* pMenu = CMenuWnd::CreateMenu(nullptr, L"<Window></Window>", POINT{500, 400}, &h_.Manager());
    ASSERT_NE(pMenu, nullptr);
    // The caller's immediate ResizeMenu finds the object alive.
    pMenu->ResizeMenu();
    EXPECT_FALSE(IsWindowVisible(pMenu->GetHWND()));
  });
  driver_.WaitIdle();
  EXPECT_TRUE(Menus().empty());
  h_.OnGui([&] { EXPECT_TRUE(SkinUI::GetMenuObserver().Receivers().empty()); });
}

}  // namespace
