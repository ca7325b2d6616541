// The ActiveX host against the scripted control: the creation protocol, windowless and
// windowed; when creation happens and what it reports; the control's extent, rectangles
// and child window following the host; painting; the messages a windowless control
// gets; the site's answers; and the release.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/WebBrowser.h"
#include "tests/ui/controls/support/OleHostTest.h"
#include "ui/controls/CActiveXUI.h"
#include "ui/core/builder/CControlClassTable.h"

namespace {

using oletest::CLSID_ScriptedControl;
using oletest::kScriptedProgId;
using oletest::ScriptedOleControl;
using oletest::ScriptRecord;
using platform::com::ComPtr;
using SkinUI::CActiveXUI;
using Lines = std::vector<std::string>;

const uint32_t kControlPixel = 0xFF0080FF;  // the scripted control's RGB(0, 128, 255)
const uint32_t kWhite = 0xFFFFFFFF;

class ActiveXTest : public oletest::OleHostTest {
 protected:
  // On the GUI thread: a host in the window, not yet laid out.
  CActiveXUI* AddHost() {
    host = new CActiveXUI();
    Build(host);
    return host;
  }

  CActiveXUI* host = nullptr;
};

// The creation protocol, in the order the host runs it, for the three kinds of control.
TEST_F(ActiveXTest, CreatesTheControlInTheOrderOfTheProtocol) {
  struct Case {
    const char* what;
    bool windowless;
    DWORD miscStatus;
    Lines expected;
  };
  const Case cases[] = {
      {"windowless",
       true,
       0,
       {"GetMiscStatus(1)", "InitNew", "SetClientSite(site)", "SetHostNames(UIActiveX,null)", "notify:showactivex",
        "DoVerb(-5,10,20,110,70)", "site.CanInPlaceActivate", "site.CanWindowlessActivate",
        "SetObjectRects(10,20,110,70)", "site.OnInPlaceActivateEx(windowless)", "site.GetWindow",
        "site.GetWindowContext(10,20,110,70)", "SetSite(site)", "SetExtent(1,2646,1323)",
        "SetObjectRects(10,20,110,70)"}},
      {"windowless, its client site first",
       true,
       OLEMISC_SETCLIENTSITEFIRST,
       {"GetMiscStatus(1)", "SetClientSite(site)", "InitNew", "SetHostNames(UIActiveX,null)", "notify:showactivex",
        "DoVerb(-5,10,20,110,70)", "site.CanInPlaceActivate", "site.CanWindowlessActivate",
        "SetObjectRects(10,20,110,70)", "site.OnInPlaceActivateEx(windowless)", "site.GetWindow",
        "site.GetWindowContext(10,20,110,70)", "SetSite(site)", "SetExtent(1,2646,1323)",
        "SetObjectRects(10,20,110,70)"}},
      {"windowed: the child window is placed once the layout has run",
       false,
       0,
       {"GetMiscStatus(1)", "InitNew", "SetClientSite(site)", "SetHostNames(UIActiveX,null)", "notify:showactivex",
        "DoVerb(-5,10,20,110,70)", "site.CanInPlaceActivate", "SetObjectRects(0,0,100,50)",
        "site.OnInPlaceActivate", "site.GetWindow", "site.GetWindowContext(0,0,0,0)", "SetSite(site)",
        "SetExtent(1,2646,1323)", "SetObjectRects(0,0,100,50)"}},
  };
  RegisterScripted(CLSID_ScriptedControl);
  for (const Case& c : cases) {
    ScriptRecord::Reset();
    ScriptedOleControl::Script().windowless = c.windowless;
    ScriptedOleControl::Script().miscStatus = c.miscStatus;
    OnGui([&] {
      AddHost();
      EXPECT_TRUE(host->CreateControlByClsid(CLSID_ScriptedControl));
    });
    EXPECT_EQ(ScriptRecord::Calls(), c.expected) << c.what;
    gui.Call([&] {
      ScriptedOleControl* control = ScriptedOleControl::Last();
      ASSERT_NE(control, nullptr) << c.what;
      EXPECT_EQ(control->siteWindow, host->GetHostWindow()) << c.what;
      EXPECT_EQ(control->siteWindow == Frame(), c.windowless) << c.what << ": the manager's window or a child";
      ::DestroyWindow(Frame());
      window.reset();
    });
    EXPECT_EQ(ScriptRecord::Live(), 0) << c.what;
  }
}

TEST_F(ActiveXTest, CreatesAtTheFirstLayoutUnlessDelayedCreationIsOff) {
  RegisterScripted(CLSID_ScriptedControl);
  struct Case {
    const char* what;
    bool delayOffFirst;  // switched off before the CLSID is set
    bool delayOffAfter;  // switched off after it
    int madeAtOnce;
  };
  const Case cases[] = {
      {"delayed: made at the first layout", false, false, 0},
      {"delay off, then the CLSID: made at once", true, false, 1},
      {"the CLSID, then delay off: made at once", false, true, 1},
  };
  for (const Case& c : cases) {
    gui.Call([&] {
      host = new CActiveXUI();
      if (c.delayOffFirst) host->SetDelayCreate(false);
      EXPECT_EQ(ScriptedOleControl::Made(), 0) << c.what << ": no CLSID yet, nothing made";
      EXPECT_TRUE(host->CreateControlByClsid(CLSID_ScriptedControl)) << c.what;
      if (c.delayOffAfter) host->SetDelayCreate(false);
      EXPECT_EQ(ScriptedOleControl::Made(), c.madeAtOnce) << c.what;
      Build(host);
    });
    ASSERT_TRUE(driver.WaitIdle());
    gui.Call([&] {
      EXPECT_EQ(ScriptedOleControl::Made(), 1) << c.what << ": the layout makes no second one";
      host->SetPos(RECT{0, 0, 100, 50});
      EXPECT_EQ(ScriptedOleControl::Made(), 1) << c.what;
      ::DestroyWindow(Frame());
      window.reset();
    });
    ScriptedOleControl::ResetScript();
  }
}

TEST_F(ActiveXTest, ClsidTextIsAProgIdOrABracedGuid) {
  RegisterScripted(CLSID_ScriptedControl, kScriptedProgId);
  const CLSID other = {0x5C1A7E00, 0x2024, 0x4A11, {0x9A, 0x11, 0, 0, 0, 0, 0, 1}};
  struct Case {
    const wchar_t* text;
    bool accepted;
    const CLSID* clsid;
  };
  const Case cases[] = {
      {kScriptedProgId, true, &CLSID_ScriptedControl},
      {L"patrol.scriptedcontrol", true, &CLSID_ScriptedControl},
      {L"{5C1A7E00-2024-4A11-9A11-504154524F4C}", true, &CLSID_ScriptedControl},
      {L"{5c1a7e00-2024-4a11-9a11-504154524f4c}", true, &CLSID_ScriptedControl},
      // A class nobody registered is only found missing when it is created.
      {L"{5C1A7E00-2024-4A11-9A11-000000000001}", true, &other},
      {L"{5C1A7E00-2024-4A11-9A11-504154524F4}", false, &GUID_NULL},
      {L"5C1A7E00-2024-4A11-9A11-504154524F4C", false, &GUID_NULL},
      {L"Patrol.NotRegistered", false, &GUID_NULL},
      {L"", false, &GUID_NULL},
  };
  for (const Case& c : cases) {
    gui.Call([&] {
      CActiveXUI probe;
      EXPECT_EQ(probe.CreateControlFromText(c.text), c.accepted) << oletest::Narrow(c.text);
      EXPECT_EQ(probe.GetClsid(), *c.clsid) << oletest::Narrow(c.text);
    });
  }
  EXPECT_EQ(ScriptedOleControl::Made(), 0) << "delayed creation: nothing made without a layout";
}

}  // namespace
