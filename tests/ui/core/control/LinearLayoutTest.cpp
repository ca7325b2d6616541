// The vertical and horizontal layouts as skins use them: (skin, client size) in,
// control rectangles out.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tests/ui/core/support/SkinTestSupport.h"

namespace {

struct LayoutCase {
  const char* what;
  const wchar_t* skin;
  SIZE client;
  std::vector<std::pair<const wchar_t*, RECT>> expected;  // name -> position
};

// Test output names a case by what it checks.
void PrintTo(const LayoutCase& c, std::ostream* os) { *os << c.what; }

std::string CaseName(const ::testing::TestParamInfo<LayoutCase>& info) { return info.param.what; }

class LinearLayout : public skintest::SkinTest, public ::testing::WithParamInterface<LayoutCase> {};

TEST_P(LinearLayout, PlacesEveryChild) {
  const LayoutCase& c = GetParam();
  OnGui([&] {
    ASSERT_NE(Load(c.skin, c.client), nullptr);
    for (const auto& e : c.expected) EXPECT_EQ(e.second, PosOf(e.first)) << uitest::Narrow(e.first);
  });
}

const LayoutCase kVerticalCases[] = {
    {"StretchedChildrenLeaveTheOddRowEmpty",
     L"<Window><VerticalLayout><Control name=\"a\"/><Control name=\"b\"/><Control name=\"c\"/></VerticalLayout>"
     L"</Window>",
     {200, 100},
     {{L"a", {0, 0, 200, 33}}, {L"b", {0, 33, 200, 66}}, {L"c", {0, 66, 200, 99}}}},
    {"MinimumRaisesAFixedHeight",
     L"<Window><VerticalLayout><Control name=\"a\" height=\"30\" minheight=\"50\"/><Control name=\"b\"/>"
     L"</VerticalLayout></Window>",
     {100, 100},
     {{L"a", {0, 0, 100, 50}}, {L"b", {0, 50, 100, 100}}}},
    {"MaximumWinsOverMinimum",
     L"<Window><VerticalLayout><Control name=\"a\" height=\"30\" minheight=\"50\" maxheight=\"20\"/>"
     L"<Control name=\"b\"/></VerticalLayout></Window>",
     {100, 100},
     {{L"a", {0, 0, 100, 20}}, {L"b", {0, 20, 100, 100}}}},
    {"InsetPaddingAndChildPadding",
     L"<Window><VerticalLayout inset=\"5,6,7,8\" childpadding=\"10\">"
     L"<Control name=\"a\" height=\"20\" padding=\"1,2,3,4\"/><Control name=\"b\"/></VerticalLayout></Window>",
     {100, 100},
     {{L"a", {6, 8, 90, 28}}, {L"b", {5, 42, 93, 92}}}},
    {"HiddenAndFloatChildrenTakeNoSpaceNorPadding",
     L"<Window><VerticalLayout childpadding=\"10\"><Control name=\"h\" height=\"30\" visible=\"false\"/>"
     L"<Control name=\"f\" float=\"true\" pos=\"10,10,30,40\"/><Control name=\"a\"/>"
     L"<Control name=\"g\" float=\"true\" pos=\"-30,-20,-10,-10\"/><Control name=\"b\"/></VerticalLayout></Window>",
     {100, 100},
     {{L"h", {0, 0, 0, 0}}, {L"f", {10, 10, 30, 40}}, {L"a", {0, 0, 100, 45}}, {L"g", {70, 80, 90, 90}},
      {L"b", {0, 55, 100, 100}}}},
    {"CrossExtentFixedOrClampedFullWidth",
     L"<Window><VerticalLayout><Control name=\"a\" width=\"40\" height=\"10\"/>"
     L"<Control name=\"b\" maxwidth=\"50\" height=\"10\"/><Control name=\"c\" minwidth=\"300\" height=\"10\"/>"
     L"</VerticalLayout></Window>",
     {100, 100},
     {{L"a", {0, 0, 40, 10}}, {L"b", {0, 10, 50, 20}}, {L"c", {0, 20, 300, 30}}}},
    {"OverfullContentLeavesNothingToShare",
     L"<Window><VerticalLayout><Control name=\"a\" height=\"60\"/><Control name=\"b\" height=\"60\"/>"
     L"<Control name=\"c\"/></VerticalLayout></Window>",
     {100, 100},
     {{L"a", {0, 0, 100, 60}}, {L"b", {0, 60, 100, 120}}, {L"c", {0, 120, 100, 120}}}},
    {"NestedLayoutsInsideEachOther",
     L"<Window><VerticalLayout><HorizontalLayout name=\"row\" height=\"40\"><Control name=\"l\" width=\"30\"/>"
     L"<Control name=\"r\"/></HorizontalLayout><Control name=\"rest\"/></VerticalLayout></Window>",
     {200, 100},
     {{L"row", {0, 0, 200, 40}}, {L"l", {0, 0, 30, 40}}, {L"r", {30, 0, 200, 40}}, {L"rest", {0, 40, 200, 100}}}},
};

INSTANTIATE_TEST_SUITE_P(Vertical, LinearLayout, ::testing::ValuesIn(kVerticalCases), CaseName);

const LayoutCase kHorizontalCases[] = {
    {"StretchedChildrenLeaveTheOddColumnEmpty",
     L"<Window><HorizontalLayout><Control name=\"a\"/><Control name=\"b\"/><Control name=\"c\"/>"
     L"</HorizontalLayout></Window>",
     {100, 50},
     {{L"a", {0, 0, 33, 50}}, {L"b", {33, 0, 66, 50}}, {L"c", {66, 0, 99, 50}}}},
    {"InsetPaddingChildPaddingAndFixedHeight",
     L"<Window><HorizontalLayout inset=\"2,2,2,2\" childpadding=\"4\">"
     L"<Control name=\"a\" width=\"30\" height=\"20\" padding=\"1,3,0,0\"/><Control name=\"b\"/>"
     L"</HorizontalLayout></Window>",
     {100, 50},
     {{L"a", {3, 5, 33, 25}}, {L"b", {37, 2, 98, 48}}}},
    {"WidthsClampedToMinimumAndMaximum",
     L"<Window><HorizontalLayout><Control name=\"a\" width=\"10\" minwidth=\"20\"/>"
     L"<Control name=\"b\" maxwidth=\"30\"/><Control name=\"c\"/></HorizontalLayout></Window>",
     {100, 50},
     {{L"a", {0, 0, 20, 50}}, {L"b", {20, 0, 50, 50}}, {L"c", {50, 0, 90, 50}}}},
    {"HiddenAndFloatChildrenTakeNoSpace",
     L"<Window><HorizontalLayout childpadding=\"10\"><Control name=\"h\" visible=\"false\"/><Control name=\"a\"/>"
     L"<Control name=\"f\" float=\"true\" pos=\"5,5,25,15\"/><Control name=\"b\"/></HorizontalLayout></Window>",
     {110, 40},
     {{L"h", {0, 0, 0, 0}}, {L"a", {0, 0, 50, 40}}, {L"f", {5, 5, 25, 15}}, {L"b", {60, 0, 110, 40}}}},
};

INSTANTIATE_TEST_SUITE_P(Horizontal, LinearLayout, ::testing::ValuesIn(kHorizontalCases), CaseName);

class FloatRelative : public skintest::SkinTest {};

TEST_F(FloatRelative, FollowsTheParentsGrowthFromTheSizeItFirstSaw) {
  OnGui([&] {
    ASSERT_NE(nullptr, Load(L"<Window><VerticalLayout><Control name=\"f\" float=\"true\" pos=\"10,10,30,30\" "
                            L"relativepos=\"50,100,50,0\"/><Control name=\"g\" float=\"true\" "
                            L"pos=\"-30,5,-10,15\"/></VerticalLayout></Window>",
                            SIZE{200, 100}));
    EXPECT_EQ((RECT{10, 10, 30, 30}), PosOf(L"f"));
    EXPECT_EQ((RECT{170, 5, 190, 15}), PosOf(L"g"));
    LayOut(RECT{0, 0, 300, 120});
    EXPECT_EQ((RECT{60, 30, 130, 50}), PosOf(L"f")) << "moved by half and all of the growth, half of it wider";
    EXPECT_EQ((RECT{270, 5, 290, 15}), PosOf(L"g")) << "kept its distance from the right edge";
    LayOut(RECT{0, 0, 300, 120});
    EXPECT_EQ((RECT{60, 30, 130, 50}), PosOf(L"f")) << "no growth since the last placement";
  });
}

}  // namespace
