// The base control's skin attributes, one by one and as lists.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "tests/ui/core/support/SkinnedControl.h"
#include "testing/base/RectValues.h"

namespace {

using rendertest::SkinnedControl;

std::string Hex(DWORD value) {
  char text[16];
  snprintf(text, sizeof(text), "%08X", value);
  return text;
}

std::string Text(const SkinUI::CUIString& text) {
  std::string out;
  for (int i = 0; i < text.GetLength(); ++i) {
    const wchar_t ch = text.GetAt(i);
    out += ch == L'\r' ? std::string("\\r") : ch == L'\n' ? std::string("\\n") : std::string(1, char(ch));
  }
  return out;
}

// What an attribute can have changed, in words.
std::string Field(const SkinnedControl& c, const std::string& field) {
  if (field == "fixed") {
    const SIZE xy = c.GetFixedXY();
    return std::to_string(xy.cx) + "," + std::to_string(xy.cy) + " " + std::to_string(c.GetFixedWidth()) + "x" +
           std::to_string(c.GetFixedHeight());
  }
  if (field == "relative") {
    const SkinUI::UIRelativePos r = c.GetRelativePos();
    return std::string(r.bRelative ? "on " : "off ") + std::to_string(r.nMoveXPercent) + "," +
           std::to_string(r.nMoveYPercent) + "," + std::to_string(r.nZoomXPercent) + "," +
           std::to_string(r.nZoomYPercent);
  }
  if (field == "padding") return ::testing::PrintToString(c.GetPadding());
  if (field == "colours") {
    return Hex(c.BkColor(1)) + " " + Hex(c.BkColor(2)) + " " + Hex(c.BkColor(3)) + " " + Hex(c.BorderColor()) + " " +
           Hex(c.FocusBorderColor());
  }
  if (field == "border") {
    return std::to_string(c.BorderSize()) + "|" + ::testing::PrintToString(c.BorderSizes()) + "|" +
           std::to_string(c.BorderStyle()) + "|" + std::to_string(c.BorderRound().cx) + "," +
           std::to_string(c.BorderRound().cy);
  }
  if (field == "limits") {
    return std::to_string(c.GetMinWidth()) + "x" + std::to_string(c.GetMinHeight()) + " " +
           std::to_string(c.GetMaxWidth()) + "x" + std::to_string(c.GetMaxHeight());
  }
  if (field == "texts") {
    return Text(c.GetName()) + "|" + Text(c.GetText()) + "|" + Text(c.GetToolTip()) + "|" + Text(c.GetUserData()) +
           "|" + Text(SkinUI::CUIString(c.GetShortcut())) + "|" + Text(c.GetVirtualWindow());
  }
  if (field == "flags") {
    return std::string(c.IsEnabled() ? "E" : "e") + (c.IsMouseEnabled() ? "M" : "m") +
           (c.IsKeyboardEnabled() ? "K" : "k") + (c.IsVisible() ? "V" : "v") + (c.IsFloat() ? "F" : "f") +
           (c.IsContextMenuUsed() ? "C" : "c") + (c.ColorHSL() ? "H" : "h");
  }
  if (field == "images") return c.Images();
  return "unknown field " + field;
}

struct AttributeCase {
  const char* name;
  const wchar_t* attribute;
  const wchar_t* value;
  const char* field;
  const char* expected;
};

class BaseAttributes : public ::testing::TestWithParam<AttributeCase> {};

TEST_P(BaseAttributes, ChangeWhatTheyName) {
  const AttributeCase& c = GetParam();
  SkinnedControl control;
  control.SetAttribute(c.attribute, c.value);
  EXPECT_EQ(Field(control, c.field), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BaseAttributes,
    ::testing::Values(AttributeCase{"Pos", L"pos", L"10,20,110,60", "fixed", "10,20 100x40"},
                      AttributeCase{"PosFromTheFarEdges", L"pos", L"-60,-40,-10,-10", "fixed", "-10,-10 50x30"},
                      AttributeCase{"PosWithAnInvertedWidth", L"pos", L"10,20,5,60", "fixed", "10,20 0x40"},
                      AttributeCase{"PosCutShort", L"pos", L"1,2", "fixed", "1,2 0x0"},
                      AttributeCase{"RelativePos", L"relativepos", L"10,20,30,40", "relative", "on 10,20,30,40"},
                      AttributeCase{"Padding", L"padding", L"1,2,3,4", "padding", "{1,2,3,4}"},
                      AttributeCase{"BkColorWithHash", L"bkcolor", L"#FF112233", "colours",
                                    "FF112233 00000000 00000000 00000000 00000000"},
                      AttributeCase{"BkColorWithoutHash", L"bkcolor", L"80FF0000", "colours",
                                    "80FF0000 00000000 00000000 00000000 00000000"},
                      AttributeCase{"BkColorAfterBlanks", L"bkcolor", L"  #FF00FF00", "colours",
                                    "FF00FF00 00000000 00000000 00000000 00000000"},
                      AttributeCase{"BkColorInCStyle", L"bkcolor", L"0x80FFFFFF", "colours",
                                    "80FFFFFF 00000000 00000000 00000000 00000000"},
                      AttributeCase{"BkColorStopsAtTheFirstNonDigit", L"bkcolor", L"#FF12zz", "colours",
                                    "0000FF12 00000000 00000000 00000000 00000000"},
                      AttributeCase{"BkColor1IsBkColor", L"bkcolor1", L"#FF010203", "colours",
                                    "FF010203 00000000 00000000 00000000 00000000"},
                      AttributeCase{"BkColor2", L"bkcolor2", L"#FF040506", "colours",
                                    "00000000 FF040506 00000000 00000000 00000000"},
                      AttributeCase{"BkColor3", L"bkcolor3", L" #FF070809", "colours",
                                    "00000000 00000000 FF070809 00000000 00000000"},
                      AttributeCase{"BorderColor", L"bordercolor", L"#FF0A0B0C", "colours",
                                    "00000000 00000000 00000000 FF0A0B0C 00000000"},
                      AttributeCase{"BorderColorKeepsNoBlanks", L"bordercolor", L" #FF0A0B0C", "colours",
                                    "00000000 00000000 00000000 00000000 00000000"},
                      AttributeCase{"FocusBorderColor", L"focusbordercolor", L"FFABCDEF", "colours",
                                    "00000000 00000000 00000000 00000000 FFABCDEF"},
                      AttributeCase{"BorderSizeAlone", L"bordersize", L"3", "border", "3|{0,0,0,0}|0|0,0"},
                      AttributeCase{"BorderSizeBySide", L"bordersize", L"1,0,2,5", "border", "0|{1,0,2,5}|0|0,0"},
                      AttributeCase{"LeftBorderSize", L"leftbordersize", L"4", "border", "0|{4,0,0,0}|0|0,0"},
                      AttributeCase{"TopBorderSize", L"topbordersize", L"4", "border", "0|{0,4,0,0}|0|0,0"},
                      AttributeCase{"RightBorderSize", L"rightbordersize", L"4", "border", "0|{0,0,4,0}|0|0,0"},
                      AttributeCase{"BottomBorderSize", L"bottombordersize", L" 4", "border", "0|{0,0,0,4}|0|0,0"},
                      AttributeCase{"BorderStyle", L"borderstyle", L"2", "border", "0|{0,0,0,0}|2|0,0"},
                      AttributeCase{"BorderRound", L"borderround", L"4,6", "border", "0|{0,0,0,0}|0|4,6"},
                      AttributeCase{"Width", L"width", L"120", "fixed", "0,0 120x0"},
                      AttributeCase{"Height", L"height", L"abc", "fixed", "0,0 0x0"},
                      AttributeCase{"MinWidth", L"minwidth", L"20", "limits", "20x0 9999x9999"},
                      AttributeCase{"MinHeight", L"minheight", L"-5", "limits", "0x0 9999x9999"},
                      AttributeCase{"MaxWidth", L"maxwidth", L"300", "limits", "0x0 300x9999"},
                      AttributeCase{"MaxHeight", L"maxheight", L"+40", "limits", "0x0 9999x40"},
                      AttributeCase{"Name", L"name", L"btn_ok", "texts", "btn_ok|||||"},
                      AttributeCase{"Text", L"text", L"OK", "texts", "|OK||||"},
                      AttributeCase{"ToolTipBreaksLines", L"tooltip", L"a<n>b", "texts", "||a\\r\\nb|||"},
                      AttributeCase{"UserData", L"userdata", L"42", "texts", "|||42||"},
                      AttributeCase{"ShortcutTakesTheFirstCharacter", L"shortcut", L"Xyz", "texts", "||||X|"},
                      AttributeCase{"VirtualWindow", L"virtualwnd", L"page1", "texts", "|||||page1"},
                      AttributeCase{"Enabled", L"enabled", L"false", "flags", "eMKVfch"},
                      AttributeCase{"Mouse", L"mouse", L"false", "flags", "EmKVfch"},
                      AttributeCase{"Keyboard", L"keyboard", L"no", "flags", "EMkVfch"},
                      AttributeCase{"Visible", L"visible", L"false", "flags", "EMKvfch"},
                      AttributeCase{"Float", L"float", L"true", "flags", "EMKVFch"},
                      AttributeCase{"FloatIsCaseSensitive", L"float", L"True", "flags", "EMKVfch"},
                      AttributeCase{"Menu", L"menu", L"true", "flags", "EMKVfCh"},
                      AttributeCase{"ColorHsl", L"colorhsl", L"true", "flags", "EMKVfcH"},
                      AttributeCase{"BkImage", L"bkimage", L"file='a.png' corner='1,1,1,1'", "images",
                                    "file='a.png' corner='1,1,1,1'||||||"},
                      AttributeCase{"ForeImage", L"foreimage", L"f.png", "images", "|f.png|||||"},
                      AttributeCase{"NormalImage", L"normalimage", L"n.png", "images", "||n.png||||"},
                      AttributeCase{"HotImage", L"hotimage", L"h.png", "images", "|||h.png|||"},
                      AttributeCase{"PushedImage", L"pushedimage", L"p.png", "images", "||||p.png||"},
                      AttributeCase{"FocusedImage", L"focusedimage", L"o.png", "images", "|||||o.png|"},
                      AttributeCase{"DisabledImage", L"disabledimage", L"d.png", "images", "||||||d.png"},
                      AttributeCase{"NamesAreCaseSensitive", L"BkColor", L"#FF112233", "colours",
                                    "00000000 00000000 00000000 00000000 00000000"},
                      AttributeCase{"UnknownNamesAreIgnored", L"textcolor", L"#FF112233", "colours",
                                    "00000000 00000000 00000000 00000000 00000000"}),
    [](const ::testing::TestParamInfo<AttributeCase>& info) { return info.param.name; });

TEST(BaseAttributes, ASingleBorderSizeClearsTheSideSizes) {
  SkinnedControl control;
  control.SetAttribute(L"bordersize", L"0,0,0,2");
  control.SetAttribute(L"bordersize", L"1");
  EXPECT_EQ(Field(control, "border"), "1|{0,0,0,0}|0|0,0");
  control.SetAttribute(L"bordersize", L"2,2,2,2");
  EXPECT_EQ(Field(control, "border"), "1|{2,2,2,2}|0|0,0") << "side sizes keep the uniform size";
}

struct ListCase {
  const char* name;
  const wchar_t* list;
  const char* fixed;  // what "pos", "width" and "height" left behind
  RECT padding;
};

class AttributeLists : public ::testing::TestWithParam<ListCase> {};

TEST_P(AttributeLists, ApplyPairsSeparatedByOneBlank) {
  const ListCase& c = GetParam();
  SkinnedControl control;
  control.SetAttributeList(c.list);
  EXPECT_EQ(Field(control, "fixed"), c.fixed);
  EXPECT_EQ(control.GetPadding(), c.padding);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AttributeLists,
    ::testing::Values(
        ListCase{"EveryPair", L"padding=\"33,6,0,0\" width=\"290\" height=\"30\"", "0,0 290x30", {33, 6, 0, 0}},
        ListCase{"TwoBlanksPassALeadingBlankInTheName", L"width=\"290\"  padding=\"1,2,3,4\"", "0,0 290x0",
                 {0, 0, 0, 0}},
        ListCase{"AnythingButABlankAfterAValueStops", L"width=\"290\",padding=\"1,2,3,4\"", "0,0 290x0", {0, 0, 0, 0}},
        ListCase{"ANameWithoutEqualsStops", L"width \"290\" padding=\"1,2,3,4\"", "0,0 0x0", {0, 0, 0, 0}},
        ListCase{"AValueWithoutQuotesStops", L"width=290 padding=\"1,2,3,4\"", "0,0 0x0", {0, 0, 0, 0}},
        ListCase{"AnUnclosedValueIsNotApplied", L"height=\"12\" width=\"290", "0,0 0x12", {0, 0, 0, 0}},
        ListCase{"BlanksInsideValuesStay", L"pos=\"1, 2, 41, 22\"", "1,2 40x20", {0, 0, 0, 0}},
        ListCase{"AnEmptyListDoesNothing", L"", "0,0 0x0", {0, 0, 0, 0}}),
    [](const ::testing::TestParamInfo<ListCase>& info) { return info.param.name; });

TEST(AttributeLists, GoThroughTheControlsOwnVocabulary) {
  SkinnedControl control;
  control.SetAttributeList(L"bkcolor=\"#FF102030\" custom=\"yes\" name=\"x\"");
  EXPECT_EQ(control.customSeen, L"yes");
  EXPECT_EQ(Field(control, "texts"), "x|||||");
  EXPECT_EQ(control.BkColor(1), 0xFF102030u);
  control.SetAttributeList(nullptr);
}

}  // namespace
