// The scroll bar itself: where its buttons and thumb lie, how presses, held buttons
// and thumb drags scroll its owner or itself, its attributes, and what it paints
// without pictures.
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/control/CScrollBarUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"
#include "ui/core/control/UIEventRecord.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using SkinUI::CControlUI;
using SkinUI::CScrollBarUI;

struct PartsCase {
  const char* what;
  bool horizontal;
  RECT pos;
  bool button1;
  bool button2;
  int range;
  int scrollPos;
  RECT button1Rect;
  RECT button2Rect;
  RECT thumbRect;
};

void PrintTo(const PartsCase& c, std::ostream* os) { *os << c.what; }

std::string PartsName(const ::testing::TestParamInfo<PartsCase>& info) { return info.param.what; }

class ScrollBarParts : public ::testing::TestWithParam<PartsCase> {};

TEST_P(ScrollBarParts, SizeTheThumbToTheVisiblePart) {
  const PartsCase& c = GetParam();
  CScrollBarUI bar;
  bar.SetHorizontal(c.horizontal);
  bar.SetShowButton1(c.button1);
  bar.SetShowButton2(c.button2);
  bar.SetScrollRange(c.range);
  bar.SetScrollPos(c.scrollPos);
  bar.SetPos(c.pos);
  EXPECT_EQ(c.button1Rect, bar.GetButton1Rect());
  EXPECT_EQ(c.button2Rect, bar.GetButton2Rect());
  EXPECT_EQ(c.thumbRect, bar.GetThumbRect());
}

const PartsCase kPartsCases[] = {
    {"ThumbAtTheStart", false, {0, 0, 16, 200}, true, true, 100, 0,
     {0, 0, 16, 16}, {0, 184, 16, 200}, {0, 16, 16, 128}},
    {"ThumbAtTheEnd", false, {0, 0, 16, 200}, true, true, 100, 100,
     {0, 0, 16, 16}, {0, 184, 16, 200}, {0, 72, 16, 184}},
    {"NoRangeFillsTheTrack", false, {0, 0, 16, 200}, true, true, 0, 0,
     {0, 0, 16, 16}, {0, 184, 16, 200}, {0, 16, 16, 184}},
    {"TooShortForAThumb", false, {0, 0, 16, 20}, true, true, 100, 0,
     {0, 0, 16, 10}, {0, 10, 16, 20}, {0, 0, 0, 0}},
    {"HiddenFirstButton", false, {10, 20, 26, 220}, false, true, 100, 0,
     {10, 20, 10, 20}, {10, 204, 26, 220}, {10, 20, 26, 142}},
    {"ThumbNeverShorterThanTheBarIsThick", false, {0, 0, 16, 100}, true, true, 100000, 0,
     {0, 0, 16, 16}, {0, 84, 16, 100}, {0, 16, 16, 32}},
    {"Horizontal", true, {0, 0, 200, 16}, true, true, 100, 50,
     {0, 0, 16, 16}, {184, 0, 200, 16}, {44, 0, 156, 16}},
};

INSTANTIATE_TEST_SUITE_P(Bar, ScrollBarParts, ::testing::ValuesIn(kPartsCases), PartsName);

TEST(ScrollBarAttributes, SetTheModelAndThePartsShown) {
  CScrollBarUI bar;
  bar.SetAttribute(L"hor", L"true");
  bar.SetAttribute(L"range", L"40");
  bar.SetAttribute(L"value", L"55");
  bar.SetAttribute(L"linesize", L"3");
  bar.SetAttribute(L"showbutton1", L"false");
  EXPECT_TRUE(bar.IsHorizontal());
  EXPECT_EQ(40, bar.GetScrollRange());
  EXPECT_EQ(40, bar.GetScrollPos());
  EXPECT_EQ(3, bar.GetLineSize());
  EXPECT_FALSE(bar.GetShowButton1());
  EXPECT_TRUE(bar.GetShowButton2());
  EXPECT_EQ(&bar, bar.GetInterface(L"ScrollBar"));
}

class ScrollBarInput : public skintest::SkinTest {
 protected:
  void Send(CControlUI* target, int type, POINT pt, WPARAM wParam = 0) {
    SkinUI::UIEventRecord event;
    event.Type = type;
    event.ptMouse = pt;
    event.wParam = wParam;
    event.pSender = target;
    target->HandleEvent(event);
  }
  void Tick(CScrollBarUI* bar) { Send(bar, SkinUI::UIEVENT_TIMER, POINT{0, 0}, CScrollBarUI::REPEAT_TIMER_ID); }
  int Scrolls() {
    int n = 0;
    for (const auto& record : listener.records) n += record.sType == L"scroll" ? 1 : 0;
    return n;
  }
  uitest::Lines log;
  uitest::LogListener listener{&log};
};

TEST_F(ScrollBarInput, HeldButtonWaitsFiveTicksThenRepeatsEveryTick) {
  OnGui([&] {
    auto* bar = new CScrollBarUI;
    Manager().AttachRoot(bar);
    Manager().AddNotifier(&listener);
    bar->SetPos(RECT{0, 0, 16, 200});
    Send(bar, SkinUI::UIEVENT_BUTTONDOWN, POINT{8, 190});
    EXPECT_EQ(8, bar->GetScrollPos());
    EXPECT_EQ(1, Scrolls());
    for (int i = 0; i < 5; ++i) Tick(bar);
    EXPECT_EQ(8, bar->GetScrollPos());
    EXPECT_EQ(1, Scrolls()) << "the waiting ticks send nothing";
    Tick(bar);
    Tick(bar);
    EXPECT_EQ(24, bar->GetScrollPos());
    EXPECT_EQ(3, Scrolls());
    Send(bar, SkinUI::UIEVENT_BUTTONUP, POINT{8, 190});
    Tick(bar);
    EXPECT_EQ(24, bar->GetScrollPos()) << "a tick after the release pages by the pointer, not by the button";
    Send(bar, SkinUI::UIEVENT_BUTTONDOWN, POINT{8, 8});
    EXPECT_EQ(16, bar->GetScrollPos());
    Send(bar, SkinUI::UIEVENT_BUTTONUP, POINT{8, 8});
    Manager().RemoveNotifier(&listener);
  });
}

TEST_F(ScrollBarInput, PressOnTheTrackPagesAndADisabledBarTakesNoPress) {
  OnGui([&] {
    auto* bar = new CScrollBarUI;
    Manager().AttachRoot(bar);
    bar->SetScrollRange(1000);
    bar->SetPos(RECT{0, 0, 16, 200});
    Send(bar, SkinUI::UIEVENT_BUTTONDOWN, POINT{8, 150});
    EXPECT_EQ(200, bar->GetScrollPos()) << "a page is the bar's length";
    Send(bar, SkinUI::UIEVENT_BUTTONUP, POINT{8, 150});
    bar->SetEnabled(false);
    Send(bar, SkinUI::UIEVENT_BUTTONDOWN, POINT{8, 150});
    EXPECT_EQ(200, bar->GetScrollPos());
  });
}

TEST_F(ScrollBarInput, OwnedBarScrollsItsContainerAndDragsTheThumbOnTicks) {
  OnGui([&] {
    auto* list = new SkinUI::CVerticalLayoutUI;
    list->EnableScrollBar(true, false);
    list->SetScrollStepSize(5);
    for (int i = 0; i < 4; ++i) {
      auto* row = new CControlUI;
      row->SetFixedHeight(100);
      list->Add(row);
    }
    Manager().AddNotifier(&listener);
    Manager().AttachRoot(list);
    ::SetWindowPos(Window(), nullptr, 0, 0, 100, 200, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    LayOut(RECT{0, 0, 100, 200});
    CScrollBarUI* bar = list->GetVerticalScrollBar();
    ASSERT_EQ(200, bar->GetScrollRange());
    ASSERT_EQ((RECT{84, 0, 100, 200}), bar->GetPos());

    Send(bar, SkinUI::UIEVENT_BUTTONDOWN, POINT{90, 195});
    EXPECT_EQ(5, list->GetScrollPos().cy) << "the owner's line step, not the bar's";
    Send(bar, SkinUI::UIEVENT_BUTTONUP, POINT{90, 195});
    Send(bar, SkinUI::UIEVENT_BUTTONDOWN, POINT{90, 150});
    EXPECT_EQ(200, list->GetScrollPos().cy) << "a page of the owner";
    Send(bar, SkinUI::UIEVENT_BUTTONUP, POINT{90, 150});
    list->SetScrollPos(SIZE{0, 0});

    // Thumb 16..100 of a 200-pixel bar: the thumb travels 200 - 84 less the two
    // 16-pixel arrow buttons.
    const RECT thumb = bar->GetThumbRect();
    ASSERT_EQ((RECT{84, 16, 100, 100}), thumb);
    Send(bar, SkinUI::UIEVENT_BUTTONDOWN, POINT{90, 50});
    Send(bar, SkinUI::UIEVENT_MOUSEMOVE, POINT{90, 67});
    EXPECT_EQ(0, list->GetScrollPos().cy) << "a drag takes effect at the next tick";
    Tick(bar);
    EXPECT_EQ(17 * 200 / 84, list->GetScrollPos().cy);
    Send(bar, SkinUI::UIEVENT_BUTTONUP, POINT{90, 67});
    EXPECT_EQ(0, Scrolls()) << "an owned bar reports nothing itself";
    Manager().RemoveNotifier(&listener);
  });
}

TEST_F(ScrollBarInput, BarWithoutPicturesFramesItsButtonsAndThumb) {
  OnGui([&] {
    CScrollBarUI bar;
    bar.SetPos(RECT{0, 0, 16, 100});
    HDC dc = ::CreateCompatibleDC(nullptr);
    LPBYTE bits = nullptr;
    HBITMAP bitmap = SkinUI::CSkinRenderer::Create32BitDIB(dc, 16, 100, &bits);
    HGDIOBJ old = ::SelectObject(dc, bitmap);
    auto* pixels = reinterpret_cast<uint32_t*>(bits);
    for (int i = 0; i < 16 * 100; ++i) pixels[i] = 0xFFFFFFFF;
    bar.Paint(dc, RECT{0, 0, 16, 100});
    auto at = [&](int x, int y) { return pixels[y * 16 + x] & 0x00FFFFFF; };
    EXPECT_EQ(0x85E4FFu, at(0, 0)) << "button 1";
    EXPECT_EQ(0x85E4FFu, at(15, 99)) << "button 2";
    const RECT thumb = bar.GetThumbRect();
    EXPECT_EQ(0x85E4FFu, at(0, thumb.top + 1)) << "thumb";
    EXPECT_EQ(0xFFFFFFu, at(8, (thumb.top + thumb.bottom) / 2)) << "a frame, not a fill";
    ::SelectObject(dc, old);
    ::DeleteObject(bitmap);
    ::DeleteDC(dc);
  });
}

}  // namespace
