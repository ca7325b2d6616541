// Skins build every control of this library from its element name, and each answers
// its class name and the interfaces of its line of descent.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "testing/ui/ControlHarness.h"
#include "tests/ui/controls/support/TestSkin.h"

namespace {

using controltest::ControlHarness;
using controltest::TestSkin;

struct ClassCase {
  const wchar_t* element;
  const char* className;
  std::vector<const wchar_t*> interfaces;
  const wchar_t* notAnswered;
};

void PrintTo(const ClassCase& c, std::ostream* os) { *os << controltest::Narrow(c.element); }

class ControlClasses : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ControlClasses, AreBuiltFromTheirElementNames) {
  const ClassCase& c = GetParam();
  platform::headless::TestDriver driver;
  ControlHarness h(driver, TestSkin(std::wstring(L"<") + c.element + L" name=\"c\" height=\"20\"/>"));
  ASSERT_TRUE(h.Created());
  h.OnGui([&] {
    SkinUI::CControlUI* control = h.Find(L"c");
    ASSERT_NE(control, nullptr) << "no control for the element";
    EXPECT_EQ(controltest::Narrow(control->GetClassName()), c.className);
    for (const wchar_t* name : c.interfaces) {
      EXPECT_EQ(control->GetInterface(name), static_cast<void*>(control)) << controltest::Narrow(name);
    }
    EXPECT_EQ(control->GetInterface(c.notAnswered), nullptr) << controltest::Narrow(c.notAnswered);
  });
}

INSTANTIATE_TEST_SUITE_P(
    Skin, ControlClasses,
    ::testing::Values(ClassCase{L"Label", "LabelUI", {L"Label", L"Control"}, L"Text"},
                      ClassCase{L"Text", "TextUI", {L"Text", L"Label"}, L"Button"},
                      ClassCase{L"Button", "ButtonUI", {L"Button", L"Label"}, L"Option"},
                      ClassCase{L"Option", "OptionUI", {L"Option", L"Button", L"Label"}, L"CheckBox"},
                      ClassCase{L"CheckBox", "CheckBoxUI", {L"Option", L"Button"}, L"CheckBox"},
                      ClassCase{L"Progress", "ProgressUI", {L"Progress", L"Label"}, L"Slider"},
                      ClassCase{L"Slider", "SliderUI", {L"Slider", L"Progress", L"Label"}, L"Button"},
                      ClassCase{L"GifAnim", "GifAnimUI", {L"GifAnim", L"Control"}, L"Label"},
                      ClassCase{L"Edit", "EditUI", {L"Edit", L"Label"}, L"Button"},
                      ClassCase{L"DateTime", "DateTimeUI", {L"DateTime", L"Label"}, L"Button"}),
    [](const ::testing::TestParamInfo<ClassCase>& info) { return controltest::Narrow(info.param.element); });

}  // namespace
