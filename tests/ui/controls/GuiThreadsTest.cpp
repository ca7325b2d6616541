// Labels and buttons keep nothing process-wide: a window of them runs its modal loop
// on a second thread while the first thread runs its own, and each window's clicks
// reach only that window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "ui/controls/CLabelUI.h"

namespace {

using controltest::ControlHarness;
using Lines = std::vector<std::string>;

std::wstring AlarmLikeWindow(const std::wstring& title) {
  return L"<Window size=\"240,120\"><VerticalLayout bkcolor=\"#FFFFFFFF\">"
         L"<Label name=\"title\" text=\"" + title + L"\" height=\"40\"/>"
         L"<HorizontalLayout height=\"40\"><Button name=\"ok\" text=\"确定\"/>"
         L"<Button name=\"cancel\" text=\"取消\"/></HorizontalLayout><Control/></VerticalLayout></Window>";
}

TEST(GuiThreads, TwoModalWindowsTakeOnlyTheirOwnClicks) {
  platform::headless::TestDriver driver;
  ControlHarness main(driver, AlarmLikeWindow(L"巡更计划"), POINT{50, 50});
  ControlHarness alarm(driver, AlarmLikeWindow(L"报警"), POINT{600, 400});
  ASSERT_TRUE(main.Created());
  ASSERT_TRUE(alarm.Created());
  main.RunModal();
  alarm.RunModal();

  main.Click(L"ok");
  alarm.Click(L"cancel");
  alarm.Click(L"ok");
  main.Click(L"cancel");

  EXPECT_EQ(main.Notifications().Lines(), (Lines{"BtnDown:ok", "click:ok", "BtnUp:ok", "BtnDown:cancel",
                                                 "click:cancel", "BtnUp:cancel"}));
  EXPECT_EQ(alarm.Notifications().Lines(), (Lines{"BtnDown:cancel", "click:cancel", "BtnUp:cancel", "BtnDown:ok",
                                                  "click:ok", "BtnUp:ok"}));
  alarm.OnGui([&] { EXPECT_EQ(alarm.Find<SkinUI::CLabelUI>(L"title")->GetText(), L"报警"); });
  EXPECT_FALSE(main.ModalEnded());
  EXPECT_FALSE(alarm.ModalEnded());
}

}  // namespace
