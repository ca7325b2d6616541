// The system buttons every skin window has, now that they are buttons: a click on
// "closebtn", "minbtn", "maxbtn" or "restorebtn" closes, minimises, maximises or
// restores the window, even where they sit in its caption.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"

namespace {

using controltest::ControlHarness;

const wchar_t kWindow[] =
    L"<Window size=\"300,200\" caption=\"0,0,0,30\">"
    L"<VerticalLayout bkcolor=\"#FFFFFFFF\">"
    L"<HorizontalLayout height=\"30\" bkcolor=\"#FF2D5B8C\"><Control/>"
    L"<Button name=\"minbtn\" width=\"30\"/>"
    L"<Button name=\"maxbtn\" width=\"30\"/>"
    L"<Button name=\"restorebtn\" width=\"30\" visible=\"false\"/>"
    L"<Button name=\"closebtn\" width=\"30\"/>"
    L"</HorizontalLayout><Control/></VerticalLayout></Window>";

struct ClickCase {
  const char* what;
  std::vector<LPCTSTR> clicks;
  const char* window;  // "closed", "minimised", "maximised" or "normal"
};

void PrintTo(const ClickCase& c, std::ostream* os) { *os << c.what; }

class SystemButtons : public ::testing::TestWithParam<ClickCase> {};

TEST_P(SystemButtons, ActOnTheirWindow) {
  const ClickCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, kWindow);
  ASSERT_TRUE(h.Created());
  h.RunModal();
  for (LPCTSTR name : c.clicks) h.Click(name);
  std::string window = "normal";
  if (h.Closed()) {
    window = "closed";
  } else if (::IsIconic(h.Window())) {
    window = "minimised";
  } else if (::IsZoomed(h.Window())) {
    window = "maximised";
  }
  EXPECT_EQ(window, c.window);
  if (window == "closed") {
    EXPECT_TRUE(h.ModalEnded());
    EXPECT_EQ(h.ModalResult(), 1);
  }
}

const ClickCase kClickCases[] = {
    {"Close", {L"closebtn"}, "closed"},
    {"Minimise", {L"minbtn"}, "minimised"},
    {"Maximise", {L"maxbtn"}, "maximised"},
    {"MaximiseThenRestore", {L"maxbtn", L"restorebtn"}, "normal"},
};

INSTANTIATE_TEST_SUITE_P(Window, SystemButtons, ::testing::ValuesIn(kClickCases),
                         [](const ::testing::TestParamInfo<ClickCase>& info) { return info.param.what; });

}  // namespace
