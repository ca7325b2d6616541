// The Flash control: empty as on a machine without the player, and against the scripted
// control registered under the Flash class for the test: its events taken and ignored,
// re-creation, its names.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/ShockwaveFlash.h"
#include "tests/ui/controls/support/OleHostTest.h"
#include "ui/controls/CFlashUI.h"

namespace {

using oletest::CLSID_ScriptedControl;
using oletest::ScriptedOleControl;
using oletest::ScriptRecord;
using platform::com::ComPtr;
using SkinUI::CActiveXUI;
using SkinUI::CFlashUI;
using Lines = std::vector<std::string>;

const uint32_t kWhite = 0xFFFFFFFF;

class FlashTest : public oletest::OleHostTest {
 protected:
  // On the GUI thread: a Flash control in the window, made at the first layout.
  CFlashUI* AddFlash() {
    flash = new CFlashUI();
    Build(flash);
    return flash;
  }

  CFlashUI* flash = nullptr;
};

TEST_F(FlashTest, WithoutThePlayerTheControlStaysEmpty) {
  OnGui([&] { AddFlash(); });
  gui.Call([&] {
    IUnknown* object = nullptr;
    EXPECT_EQ(flash->QueryControl(IID_IUnknown, reinterpret_cast<void**>(&object)), E_PENDING);
    EXPECT_EQ(flash->GetShockwaveFlash(), nullptr);
    EXPECT_EQ(flash->RegisterEventHandler(TRUE), S_FALSE);
    MSG key = {Frame(), WM_KEYDOWN, 'C', 0, 0, {0, 0}};
    EXPECT_EQ(flash->TranslateAccelerator(&key), E_NOTIMPL);
    MSG click = {Frame(), WM_LBUTTONDOWN, 0, 0, 0, {0, 0}};
    EXPECT_EQ(flash->TranslateAccelerator(&click), S_FALSE);
  });
  const wintest::PresentedImage image(Frame());
  ASSERT_TRUE(image.Valid());
  EXPECT_EQ(image.Pixel(20, 30), kWhite) << "nothing painted in its place";
  EXPECT_EQ(image.Pixel(109, 69), kWhite);
}

TEST_F(FlashTest, TakesThePlayersEventsAndIgnoresThem) {
  ScriptedOleControl::Script().flash = true;
  RegisterScripted(CLSID_ShockwaveFlash);
  OnGui([&] { AddFlash(); });
  gui.Call([&] {
    ScriptedOleControl* control = ScriptedOleControl::Last();
    ASSERT_NE(control, nullptr);
    EXPECT_EQ(flash->GetShockwaveFlash(), static_cast<IShockwaveFlash*>(control));
    EXPECT_EQ(ScriptRecord::CallsStartingWith("cp."), Lines{"cp.Advise=1"});
    ScriptRecord::Reset();
    const RECT before = flash->GetPos();
    for (const DISPID dispid : {DISPID_FLASH_READYSTATECHANGE, DISPID_FLASH_PROGRESS, DISPID_FLASH_FSCOMMAND,
                                DISPID_FLASH_FLASHCALL, static_cast<DISPID>(4711)}) {
      EXPECT_EQ(control->FlashEvents()->Fire(dispid), std::vector<HRESULT>{S_OK}) << dispid;
    }
    EXPECT_EQ(ScriptRecord::Calls(), Lines{}) << "the events changed nothing";
    EXPECT_EQ(oletest::RectText(flash->GetPos()), oletest::RectText(before));
    EXPECT_EQ(flash->GetShockwaveFlash(), static_cast<IShockwaveFlash*>(control));

    MSG key = {Frame(), WM_KEYDOWN, 'C', 0, 0, {0, 0}};
    ::SetFocus(nullptr);
    EXPECT_EQ(flash->TranslateAccelerator(&key), S_FALSE) << "the focus is not in its window";
    EXPECT_FALSE(Manager().TranslateAccelerator(&key)) << "the control is on no accelerator list";
  });
  OnGui([&] { root->Remove(flash); });
  EXPECT_EQ(ScriptRecord::Calls(),
            (Lines{"cp.Unadvise(1)", "SetSite(null)", "Close(1)", "site.OnInPlaceDeactivate", "SetClientSite(null)"}));
}

TEST_F(FlashTest, ASecondClassLetsTheFirstControlGo) {
  ScriptedOleControl::Script().flash = true;
  RegisterScripted(CLSID_ShockwaveFlash);
  RegisterScripted(CLSID_ScriptedControl);
  OnGui([&] { AddFlash(); });
  gui.Call([&] {
    const int liveWithOne = ScriptRecord::Live();
    ScriptRecord::Reset();
    EXPECT_TRUE(flash->CreateControlByClsid(CLSID_ScriptedControl));
    flash->SetPos(flash->GetPos());
    EXPECT_EQ(ScriptedOleControl::Made(), 2);
    EXPECT_EQ(ScriptRecord::Live(), liveWithOne) << "the first control is gone";
    EXPECT_EQ(ScriptRecord::CallsStartingWith("cp."), (Lines{"cp.Unadvise(1)", "cp.Advise=1"}));
    EXPECT_EQ(flash->GetShockwaveFlash(), static_cast<IShockwaveFlash*>(ScriptedOleControl::Last()));
  });
}

TEST_F(FlashTest, IsTheFlashControlAnActiveXHostAndOneCOMObject) {
  gui.Call([&] {
    CFlashUI control;
    EXPECT_STREQ(control.GetClassName(), L"Flash");
    EXPECT_EQ(control.GetInterface(L"Flash"), static_cast<void*>(&control));
    EXPECT_EQ(control.GetInterface(L"ActiveX"), static_cast<void*>(static_cast<CActiveXUI*>(&control)));
    EXPECT_EQ(control.GetInterface(L"WebBrowser"), nullptr);
    EXPECT_EQ(control.GetClsid(), CLSID_ShockwaveFlash);

    for (const IID* iid : {&IID_IUnknown, &IID_IDispatch, &DIID__IShockwaveFlashEvents}) {
      ComPtr<IUnknown> part;
      ASSERT_EQ(control.QueryInterface(*iid, part.PutVoid()), S_OK);
      EXPECT_EQ(part.Get(), static_cast<IUnknown*>(static_cast<IDispatch*>(&control)));
    }
    ComPtr<IUnknown> none;
    EXPECT_EQ(control.QueryInterface(IID_IShockwaveFlash, none.PutVoid()), E_NOINTERFACE);
  });
}

}  // namespace
