// Painting a built tree into a bitmap: children clipped to the inner rectangle,
// float children to the container, later children over earlier ones, and the drag
// track of a layout separator over everything.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/ui/core/support/SkinTestSupport.h"
#include "ui/core/control/CVerticalLayoutUI.h"
#include "ui/core/control/UIEventRecord.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using SkinUI::CControlUI;

// A white 32-bit bitmap selected into a memory DC.
class Canvas {
 public:
  Canvas(int cx, int cy) : cx_(cx) {
    dc_ = ::CreateCompatibleDC(nullptr);
    bitmap_ = SkinUI::CSkinRenderer::Create32BitDIB(dc_, cx, cy, &bits_);
    old_ = ::SelectObject(dc_, bitmap_);
    for (int i = 0; i < cx * cy; ++i) Pixels()[i] = 0xFFFFFFFF;
  }
  ~Canvas() {
    ::SelectObject(dc_, old_);
    ::DeleteObject(bitmap_);
    ::DeleteDC(dc_);
  }
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  // The red, green and blue of a pixel as RRGGBB.
  uint32_t At(int x, int y) const { return Pixels()[y * cx_ + x] & 0x00FFFFFF; }

 private:
  uint32_t* Pixels() const { return reinterpret_cast<uint32_t*>(bits_); }

  int cx_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ old_ = nullptr;
  LPBYTE bits_ = nullptr;
};

const uint32_t kWhite = 0xFFFFFF;
const uint32_t kRed = 0xFF0000;
const uint32_t kBlue = 0x0000FF;
const uint32_t kGreen = 0x00FF00;

class TreePaint : public skintest::SkinTest {};

TEST_F(TreePaint, ChildrenStayInsideTheInsetAndFloatChildrenInsideTheContainer) {
  OnGui([&] {
    CControlUI* root = Load(
        L"<Window><VerticalLayout inset=\"10,10,10,10\">"
        L"<Control name=\"tall\" height=\"200\" bkcolor=\"#FFFF0000\"/>"
        L"<Control name=\"badge\" float=\"true\" pos=\"0,0,10,10\" bkcolor=\"#FF0000FF\"/>"
        L"<Container name=\"box\" float=\"true\" pos=\"50,50,80,80\">"
        L"<Control name=\"stray\" float=\"true\" pos=\"20,20,40,40\" bkcolor=\"#FF00FF00\"/></Container>"
        L"</VerticalLayout></Window>",
        SIZE{100, 100});
    ASSERT_NE(nullptr, root);
    ASSERT_EQ((RECT{10, 10, 90, 210}), PosOf(L"tall"));
    ASSERT_EQ((RECT{70, 70, 90, 90}), PosOf(L"stray"));
    Canvas canvas(100, 100);
    root->Paint(canvas.Dc(), RECT{0, 0, 100, 100});
    EXPECT_EQ(kRed, canvas.At(20, 20));
    EXPECT_EQ(kWhite, canvas.At(50, 95)) << "the tall child is cut at the bottom inset";
    EXPECT_EQ(kWhite, canvas.At(95, 50)) << "nor does it reach into the right inset";
    EXPECT_EQ(kBlue, canvas.At(5, 5)) << "a float child shows in the inset";
    EXPECT_EQ(kGreen, canvas.At(75, 75));
    EXPECT_EQ(kRed, canvas.At(85, 85)) << "a float child is cut at its own container";
  });
}

TEST_F(TreePaint, OnlyThePaintRectangleIsTouchedAndLaterChildrenLieOnTop) {
  OnGui([&] {
    CControlUI* root = Load(
        L"<Window><Container><Control bkcolor=\"#FFFF0000\"/><Control float=\"true\" pos=\"0,0,50,50\" "
        L"bkcolor=\"#FF0000FF\"/></Container></Window>",
        SIZE{100, 100});
    ASSERT_NE(nullptr, root);
    Canvas canvas(100, 100);
    root->Paint(canvas.Dc(), RECT{0, 0, 60, 100});
    EXPECT_EQ(kBlue, canvas.At(10, 10));
    EXPECT_EQ(kRed, canvas.At(55, 10));
    EXPECT_EQ(kWhite, canvas.At(65, 10)) << "outside the paint rectangle";
  });
}

TEST_F(TreePaint, ScrolledChildrenArePaintedWhereTheyNowLie) {
  OnGui([&] {
    auto* root = static_cast<SkinUI::CContainerUI*>(Load(
        L"<Window><VerticalLayout vscrollbar=\"true\"><Control height=\"80\" bkcolor=\"#FFFF0000\"/>"
        L"<Control height=\"80\" bkcolor=\"#FF0000FF\"/></VerticalLayout></Window>",
        SIZE{100, 100}));
    ASSERT_NE(nullptr, root);
    root->SetScrollPos(SIZE{0, 60});
    Canvas canvas(100, 100);
    root->Paint(canvas.Dc(), RECT{0, 0, 100, 100});
    EXPECT_EQ(kRed, canvas.At(10, 10));
    EXPECT_EQ(kBlue, canvas.At(10, 30));
    EXPECT_EQ(kBlue, canvas.At(10, 99));
  });
}

TEST_F(TreePaint, SeparatorTrackDarkensItsStripOnlyWhileDraggedInTrackMode) {
  OnGui([&] {
    ASSERT_NE(nullptr, Load(L"<Window><VerticalLayout><VerticalLayout name=\"panel\" height=\"50\" sepheight=\"4\"/>"
                            L"<Control/></VerticalLayout></Window>",
                            SIZE{100, 100}));
    auto* panel = static_cast<SkinUI::CVerticalLayoutUI*>(Find(L"panel"));
    ASSERT_NE(nullptr, panel);
    Canvas idle(100, 100);
    panel->PaintOverlay(idle.Dc(), RECT{0, 0, 100, 100});
    EXPECT_EQ(kWhite, idle.At(10, 48));

    SkinUI::UIEventRecord event;
    event.Type = SkinUI::UIEVENT_BUTTONDOWN;
    event.ptMouse = POINT{10, 48};
    panel->HandleEvent(event);
    event.Type = SkinUI::UIEVENT_MOUSEMOVE;
    event.ptMouse = POINT{10, 38};
    panel->HandleEvent(event);
    Canvas track(100, 100);
    panel->PaintOverlay(track.Dc(), RECT{0, 0, 100, 100});
    const uint32_t dark = track.At(10, 38);
    EXPECT_NEAR(0x55, int(dark & 0xFF), 1) << "black at alpha 0xAA over white";
    EXPECT_EQ(dark, track.At(99, 36));
    EXPECT_EQ(kWhite, track.At(10, 35));
    EXPECT_EQ(kWhite, track.At(10, 48)) << "the strip at the old position is not drawn";
  });
}

}  // namespace
