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
        "DoVerb(-5,10,20,110,70)", "site.CanInPlaceActivate", "SetObjectRects(0,0,100,50)", "site.OnInPlaceActivate",
        "site.GetWindow", "site.GetWindowContext(0,0,0,0)", "SetSite(site)", "SetExtent(1,2646,1323)",
        "SetObjectRects(0,0,100,50)"}},
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
  // Only the first 99 characters of the text are read.
  const std::wstring longProgId = L"Patrol." + std::wstring(92, L'x') + L".Cut";
  RegisterScripted(other, longProgId.c_str());
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
      {longProgId.c_str(), false, &GUID_NULL},
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

TEST_F(ActiveXTest, QueryControlNeedsAnOutPointerAndAControl) {
  RegisterScripted(CLSID_ScriptedControl);
  gui.Call([&] {
    AddHost();
    IUnknown* object = reinterpret_cast<IUnknown*>(1);
    EXPECT_EQ(host->QueryControl(IID_IOleObject, nullptr), E_POINTER);
    EXPECT_EQ(host->QueryControl(IID_IOleObject, reinterpret_cast<void**>(&object)), E_PENDING);
    EXPECT_EQ(object, nullptr);
    host->SetDelayCreate(false);
    EXPECT_TRUE(host->CreateControlByClsid(CLSID_ScriptedControl));
    ASSERT_EQ(host->QueryControl(IID_IOleObject, reinterpret_cast<void**>(&object)), S_OK);
    EXPECT_EQ(object, static_cast<IOleObject*>(ScriptedOleControl::Last()));
    object->Release();
    EXPECT_EQ(host->QueryControl(IID_IWebBrowser2, reinterpret_cast<void**>(&object)), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
  });
}

// The program's route and plan-run windows: a plain host named "ie", created at once with
// the browser's class, asked for IWebBrowser2 and navigated to a local page.
TEST_F(ActiveXTest, TheProgramsBrowserPatternNavigatesOnlyARegisteredBrowser) {
  const wchar_t kPage[] =
      L"C:\\Patrol\\InspectRecord\\index.html?token=t&userID=7&campusId=3&InspectRecordID=12&Date=2024-05-01";
  for (const bool registered : {false, true}) {
    if (registered) {
      ScriptedOleControl::Script().browser = true;
      RegisterScripted(CLSID_WebBrowser);
    }
    OnGui([&] {
      host = new CActiveXUI();
      host->SetName(L"ie");
      Build(host);
      SkinUI::CControlUI* found = Manager().FindControl(L"ie");
      ASSERT_NE(found, nullptr);
      CActiveXUI* ie = static_cast<CActiveXUI*>(found->GetInterface(L"ActiveX"));
      ASSERT_EQ(ie, host);
      ie->SetDelayCreate(false);
      EXPECT_EQ(ie->CreateControlByClsid(CLSID_WebBrowser), registered);
      ComPtr<IWebBrowser2> browser;
      EXPECT_EQ(SUCCEEDED(ie->QueryControl(IID_IWebBrowser2, browser.PutVoid())), registered);
      ASSERT_EQ(static_cast<bool>(browser), registered);
      if (!browser) return;
      BSTR url = ::SysAllocString(kPage);
      VARIANT empty;
      VariantInit(&empty);
      EXPECT_EQ(browser->Navigate(url, &empty, &empty, &empty, &empty), S_OK);
      ::SysFreeString(url);
    });
    gui.Call([&] {
      ScriptedOleControl* control = ScriptedOleControl::Last();
      ASSERT_EQ(control != nullptr, registered);
      if (control != nullptr) {
        EXPECT_EQ(control->navigated, std::vector<std::wstring>{kPage});
        EXPECT_EQ(control->navigatingThreads, std::vector<DWORD>{::GetCurrentThreadId()});
      }
      ::DestroyWindow(Frame());
      window.reset();
    });
  }
}

// Immediate creation answers with what the creation gave (a deferred one cannot know
// yet); every failure leaves the host empty.
TEST_F(ActiveXTest, ImmediateCreationReportsWhatTheCreationGave) {
  RegisterScripted(CLSID_ScriptedControl);
  const CLSID missing = {0x5C1A7E00, 0x2024, 0x4A11, {0x9A, 0x11, 0, 0, 0, 0, 0, 2}};
  struct Case {
    const char* what;
    const CLSID* clsid;
    bool answersOleObject;
    HRESULT initNew;
    DWORD miscStatus;
    bool created;
    Lines expected;
  };
  const Case cases[] = {
      {"a registered class", &CLSID_ScriptedControl, true, S_OK, 0, true, {}},
      {"a class nobody registered", &missing, true, S_OK, 0, false, {}},
      {"a control without IOleObject", &CLSID_ScriptedControl, false, S_OK, 0, false, {}},
      {"a control that cannot start empty",
       &CLSID_ScriptedControl,
       true,
       E_OUTOFMEMORY,
       OLEMISC_SETCLIENTSITEFIRST,
       false,
       {"GetMiscStatus(1)", "SetClientSite(site)", "InitNew", "SetSite(null)", "Close(1)", "SetClientSite(null)"}},
      {"a control invisible at run time is not activated",
       &CLSID_ScriptedControl,
       true,
       S_OK,
       OLEMISC_INVISIBLEATRUNTIME,
       true,
       {"GetMiscStatus(1)", "InitNew", "SetClientSite(site)", "SetHostNames(UIActiveX,null)", "notify:showactivex",
        "SetSite(site)"}},
  };
  for (const Case& c : cases) {
    ScriptRecord::Reset();
    ScriptedOleControl::Script().answersOleObject = c.answersOleObject;
    ScriptedOleControl::Script().initNewResult = c.initNew;
    ScriptedOleControl::Script().miscStatus = c.miscStatus;
    OnGui([&] {
      AddHost();
      host->SetDelayCreate(false);
      EXPECT_EQ(host->CreateControlByClsid(*c.clsid), c.created) << c.what;
      IUnknown* object = nullptr;
      EXPECT_EQ(host->QueryControl(IID_IUnknown, reinterpret_cast<void**>(&object)), c.created ? S_OK : E_PENDING)
          << c.what;
      if (object != nullptr) object->Release();
      if (!c.expected.empty()) {
        EXPECT_EQ(ScriptRecord::Calls(), c.expected) << c.what;
      }
      if (!c.created) {
        EXPECT_EQ(ScriptRecord::Live(), 0) << c.what << ": nothing kept";
      }
    });
    gui.Call([&] {
      EXPECT_EQ(ScriptedOleControl::Made(), c.clsid == &missing ? 0 : 1) << c.what << ": the layout tries no more";
      ::DestroyWindow(Frame());
      window.reset();
    });
    ScriptedOleControl::ResetScript();
  }
}

TEST_F(ActiveXTest, ExtentAndRectanglesFollowEveryPosition) {
  RegisterScripted(CLSID_ScriptedControl);
  OnGui([&] {
    AddHost();
    host->CreateControlByClsid(CLSID_ScriptedControl);
  });
  struct Case {
    RECT pos;
    Lines expected;
  };
  const Case cases[] = {
      {RECT{10, 20, 110, 70}, {"SetExtent(1,2646,1323)", "SetObjectRects(10,20,110,70)"}},
      {RECT{30, 40, 130, 90}, {"SetExtent(1,2646,1323)", "SetObjectRects(30,40,130,90)"}},
      {RECT{0, 0, 200, 100}, {"SetExtent(1,5292,2646)", "SetObjectRects(0,0,200,100)"}},
      {RECT{5, 5, 5, 5}, {"SetExtent(1,0,0)", "SetObjectRects(5,5,5,5)"}},
  };
  for (const Case& c : cases) {
    gui.Call([&] {
      ScriptRecord::Reset();
      host->SetPos(c.pos);
      EXPECT_EQ(ScriptRecord::Calls(), c.expected) << oletest::RectText(c.pos);
    });
  }
}

TEST_F(ActiveXTest, AWindowlessControlIsPaintedIntoTheWindow) {
  RegisterScripted(CLSID_ScriptedControl);
  OnGui([&] {
    AddHost();
    host->CreateControlByClsid(CLSID_ScriptedControl);
  });
  gui.Call([&] { EXPECT_GT(ScriptedOleControl::Last()->draws, 0); });
  const wintest::PresentedImage image(Frame());
  ASSERT_TRUE(image.Valid());
  EXPECT_EQ(image.Pixel(10, 20), kControlPixel);
  EXPECT_EQ(image.Pixel(109, 69), kControlPixel);
  EXPECT_EQ(image.Pixel(110, 40), kWhite);
  EXPECT_EQ(image.Pixel(50, 19), kWhite);
}

// Where the windowless control's own window would be: the host moves, shows and hides
// the child window with the control and with the containers above it.
TEST_F(ActiveXTest, AWindowedControlsChildWindowFollowsTheHost) {
  ScriptedOleControl::Script().windowless = false;
  RegisterScripted(CLSID_ScriptedControl);
  OnGui([&] {
    AddHost();
    host->CreateControlByClsid(CLSID_ScriptedControl);
  });
  HWND child = nullptr;
  auto placed = [&] {
    RECT rc = {};
    ::GetWindowRect(child, &rc);
    POINT topLeft = {rc.left, rc.top};
    ::ScreenToClient(Frame(), &topLeft);
    return oletest::RectText(
        RECT{topLeft.x, topLeft.y, topLeft.x + rc.right - rc.left, topLeft.y + rc.bottom - rc.top});
  };
  gui.Call([&] {
    child = host->GetHostWindow();
    ASSERT_NE(child, nullptr);
    wchar_t text[32] = {};
    ::GetClassNameW(child, text, 32);
    EXPECT_STREQ(text, L"ActiveXWnd");
    ::GetWindowTextW(child, text, 32);
    EXPECT_STREQ(text, L"UIActiveX");
    EXPECT_EQ(::GetParent(child), Frame());
    EXPECT_EQ(::GetParent(ScriptedOleControl::Last()->ownWindow), child) << "the control works inside it";
    EXPECT_EQ(placed(), "10,20,110,70");
  });
  const wintest::PresentedImage image(Frame());
  EXPECT_EQ(image.Pixel(10, 20), kControlPixel) << "the control's window is shown in the host's place";
  EXPECT_EQ(image.Pixel(110, 20), kWhite);

  struct Step {
    const char* what;
    std::function<void()> act;
    bool visible;
    std::string at;
  };
  const Step steps[] = {
      {"moved by the layout",
       [&] {
         root->SetInset(RECT{40, 30, 0, 0});
       },
       true, "40,30,140,80"},
      {"moved by hand",
       [&] {
         host->SetPos(RECT{50, 10, 150, 60});
       },
       true, "50,10,150,60"},
      {"hidden", [&] { host->SetVisible(false); }, false, "50,10,150,60"},
      {"shown, and laid out again", [&] { host->SetVisible(true); }, true, "40,30,140,80"},
      {"its parent hidden", [&] { root->SetVisible(false); }, false, "40,30,140,80"},
      {"its parent shown", [&] { root->SetVisible(true); }, true, "40,30,140,80"},
  };
  for (const Step& step : steps) {
    OnGui(step.act);
    gui.Call([&] {
      EXPECT_EQ(::IsWindowVisible(child) != FALSE, step.visible) << step.what;
      EXPECT_EQ(placed(), step.at) << step.what;
    });
  }
}

// A windowless control gets mouse messages only where it answers a hit (the left half
// of the scripted one) or while it holds the capture, keys only with the focus, and
// WM_SETCURSOR without ending the window's own cursor handling.
TEST_F(ActiveXTest, AWindowlessControlGetsTheMessagesItAnswers) {
  RegisterScripted(CLSID_ScriptedControl);
  OnGui([&] {
    AddHost();
    host->CreateControlByClsid(CLSID_ScriptedControl);
  });
  struct Case {
    const char* what;
    std::function<void()> before;
    UINT message;
    LPARAM lParam;
    bool reaches;
    bool handled;
  };
  auto site = [] {
    ComPtr<IOleInPlaceSiteWindowless> windowless;
    ScriptedOleControl::Last()->ClientSite()->QueryInterface(IID_IOleInPlaceSiteWindowless, windowless.PutVoid());
    return windowless;
  };
  const LPARAM inside = MAKELPARAM(20, 30);
  const LPARAM rightHalf = MAKELPARAM(90, 30);
  const Case cases[] = {
      {"a click in its hit area", nullptr, WM_LBUTTONDOWN, inside, true, true},
      {"a click outside it", nullptr, WM_LBUTTONDOWN, rightHalf, false, false},
      {"a click anywhere while it holds the capture", [&] { site()->SetCapture(TRUE); }, WM_LBUTTONUP, rightHalf, true,
       true},
      {"released again", [&] { site()->SetCapture(FALSE); }, WM_LBUTTONUP, rightHalf, false, false},
      {"a key without the focus", nullptr, WM_KEYDOWN, 0, false, false},
      {"a key with the focus", [&] { host->SetFocus(); }, WM_KEYDOWN, 0, true, true},
      {"the cursor over its hit area", [&] { ::SetCursorPos(100 + 20, 100 + 30); }, WM_SETCURSOR,
       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), true, false},
      {"the cursor beside it", [&] { ::SetCursorPos(100 + 90, 100 + 30); }, WM_SETCURSOR,
       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE), false, false},
      {"a context menu", nullptr, WM_CONTEXTMENU, 0, true, false},
      {"help", nullptr, WM_HELP, 0, true, false},
      {"anything else", nullptr, WM_TIMER, 0, false, false},
      {"a click while mouse input is off", [&] { host->SetMouseEnabled(false); }, WM_LBUTTONDOWN, inside, false, false},
  };
  for (const Case& c : cases) {
    gui.Call([&] {
      if (c.before) c.before();
      ScriptedOleControl* control = ScriptedOleControl::Last();
      control->messages.clear();
      bool handled = false;
      const LRESULT result = host->FilterMessage(c.message, 0, c.lParam, handled);
      EXPECT_EQ(control->messages == std::vector<UINT>{c.message}, c.reaches) << c.what;
      EXPECT_EQ(handled, c.handled) << c.what;
      EXPECT_EQ(result, c.reaches ? static_cast<LRESULT>(c.message) : 0) << c.what << ": the control's result";
    });
  }
  gui.Call([&] {
    host->SetMouseEnabled(true);
    ScriptedOleControl::Last()->messages.clear();
    ::SendMessageW(Frame(), WM_LBUTTONDOWN, MK_LBUTTON, inside);
    EXPECT_EQ(ScriptedOleControl::Last()->messages, std::vector<UINT>{WM_LBUTTONDOWN})
        << "the window offers its messages to the host";
  });
}

TEST_F(ActiveXTest, TheSiteAnswersWhatTheControlAsks) {
  RegisterScripted(CLSID_ScriptedControl);
  OnGui([&] {
    AddHost();
    host->CreateControlByClsid(CLSID_ScriptedControl);
  });
  gui.Call([&] {
    IOleClientSite* clientSite = ScriptedOleControl::Last()->ClientSite();
    ASSERT_NE(clientSite, nullptr);
    ComPtr<IOleInPlaceSite> site;
    ASSERT_EQ(clientSite->QueryInterface(IID_IOleInPlaceSite, site.PutVoid()), S_OK);
    ComPtr<IUnknown> identity, identityFromSite;
    clientSite->QueryInterface(IID_IUnknown, identity.PutVoid());
    site->QueryInterface(IID_IUnknown, identityFromSite.PutVoid());
    EXPECT_EQ(identity.Get(), identityFromSite.Get()) << "one identity for every part";

    // The window context: the manager's window as the frame, a one-entry table.
    ComPtr<IOleInPlaceFrame> frame;
    ComPtr<IOleInPlaceUIWindow> document;
    RECT pos = {}, clip = {};
    OLEINPLACEFRAMEINFO info = {};
    ASSERT_EQ(site->GetWindowContext(frame.Put(), document.Put(), &pos, &clip, &info), S_OK);
    EXPECT_EQ(oletest::RectText(pos), "10,20,110,70");
    EXPECT_EQ(oletest::RectText(clip), "10,20,110,70");
    EXPECT_EQ(document.Get(), nullptr);
    EXPECT_EQ(info.cb, sizeof(OLEINPLACEFRAMEINFO));
    EXPECT_EQ(info.hwndFrame, Frame());
    EXPECT_NE(info.haccel, nullptr);
    EXPECT_EQ(info.cAccelEntries, 1u);
    EXPECT_EQ(site->GetWindowContext(nullptr, document.Put(), &pos, &clip, &info), E_POINTER);
    HWND frameWindow = nullptr;
    EXPECT_EQ(frame->GetWindow(&frameWindow), S_OK);
    EXPECT_EQ(frameWindow, Frame());
    EXPECT_EQ(frame->RequestBorderSpace(&pos), INPLACE_E_NOTOOLSPACE);
    EXPECT_EQ(frame->TranslateAccelerator(nullptr, 0), S_FALSE);

    // The container lists the one control.
    ComPtr<IOleContainer> container;
    ASSERT_EQ(clientSite->GetContainer(container.Put()), S_OK);
    ComPtr<IEnumUnknown> objects;
    ASSERT_EQ(container->EnumObjects(OLECONTF_EMBEDDINGS, objects.Put()), S_OK);
    IUnknown* found = nullptr;
    ULONG fetched = 0;
    ASSERT_EQ(objects->Next(1, &found, &fetched), S_OK);
    EXPECT_EQ(fetched, 1u);
    EXPECT_EQ(found, static_cast<IOleObject*>(ScriptedOleControl::Last()));
    found->Release();
    EXPECT_EQ(objects->Next(1, &found, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(objects->Reset(), S_OK);
    EXPECT_EQ(objects->Next(1, &found, nullptr), S_OK) << "from the start again";
    found->Release();

    ComPtr<IOleControlSite> controlSite;
    ASSERT_EQ(clientSite->QueryInterface(IID_IOleControlSite, controlSite.PutVoid()), S_OK);
    ComPtr<IDispatch> extended;
    EXPECT_EQ(controlSite->GetExtendedControl(extended.Put()), E_NOINTERFACE) << "what the control answers";
    EXPECT_EQ(controlSite->GetExtendedControl(nullptr), E_POINTER);
    EXPECT_EQ(controlSite->TranslateAccelerator(nullptr, 0), S_FALSE);

    ComPtr<IOleInPlaceSiteWindowless> windowless;
    ASSERT_EQ(clientSite->QueryInterface(IID_IOleInPlaceSiteWindowless, windowless.PutVoid()), S_OK);
    EXPECT_EQ(windowless->GetFocus(), S_FALSE);
    EXPECT_EQ(windowless->SetFocus(TRUE), S_OK);
    EXPECT_EQ(windowless->GetFocus(), S_OK);
    EXPECT_TRUE(host->IsFocused()) << "the control's focus is the host's";
    HDC hdc = nullptr;
    EXPECT_EQ(windowless->GetDC(nullptr, 0, nullptr), E_POINTER);
    ASSERT_EQ(windowless->GetDC(nullptr, OLEDC_PAINTBKGND, &hdc), S_OK);
    EXPECT_NE(hdc, nullptr);
    EXPECT_EQ(windowless->ReleaseDC(hdc), S_OK);
    EXPECT_EQ(windowless->InvalidateRect(nullptr, FALSE), S_OK);
  });
}

TEST_F(ActiveXTest, ReleaseClosesTheControlAndLeavesNothingAlive) {
  for (const bool windowless : {true, false}) {
    ScriptedOleControl::Script().windowless = windowless;
    RegisterScripted(CLSID_ScriptedControl);
    OnGui([&] {
      AddHost();
      host->CreateControlByClsid(CLSID_ScriptedControl);
    });
    OnGui([&] {
      ScriptRecord::Reset();
      root->Remove(host);
    });
    gui.Call([&] {
      EXPECT_EQ(ScriptRecord::Calls(),
                (Lines{"SetSite(null)", "Close(1)", "site.OnInPlaceDeactivate", "SetClientSite(null)"}));
      EXPECT_EQ(ScriptRecord::Live(), 0) << "windowless: " << windowless;
      EXPECT_EQ(::GetWindow(Frame(), GW_CHILD), nullptr) << "no child window left behind";
      // The host is off the window's message filters.
      ::SendMessageW(Frame(), WM_LBUTTONDOWN, 0, MAKELPARAM(20, 30));
      ::DestroyWindow(Frame());
      window.reset();
    });
    ScriptedOleControl::ResetScript();
  }
}

// The skin builder makes the three hosts for their element names, and the host reads its
// own attributes in the order they come.
TEST_F(ActiveXTest, SkinsCreateHostsAndSetThemUp) {
  const struct {
    const wchar_t* element;
    const wchar_t* className;
  } elements[] = {{L"ActiveX", L"ActiveXUI"}, {L"WebBrowser", L"WebBrowserUI"}, {L"Flash", L"Flash"}};
  for (const auto& e : elements) {
    std::unique_ptr<SkinUI::CControlUI> made(SkinUI::CControlClassTable::Create(e.element));
    ASSERT_NE(made, nullptr) << oletest::Narrow(e.element);
    EXPECT_STREQ(made->GetClassName(), e.className);
    EXPECT_NE(made->GetInterface(L"ActiveX"), nullptr) << oletest::Narrow(e.element);
  }

  RegisterScripted(CLSID_ScriptedControl, kScriptedProgId);
  struct Case {
    const char* what;
    std::vector<std::pair<const wchar_t*, const wchar_t*>> attributes;
    int madeAtOnce;
  };
  const Case cases[] = {
      {"delayed by default", {{L"clsid", kScriptedProgId}}, 0},
      {"\"delaycreate\" false first", {{L"delaycreate", L"false"}, {L"clsid", kScriptedProgId}}, 1},
      {"a module that is no library falls back to the registered class",
       {{L"modulename", L"scripted.ocx"}, {L"delaycreate", L"false"}, {L"clsid", kScriptedProgId}},
       1},
      {"a system library without a class factory too",
       {{L"modulename", L"user32.dll"}, {L"delaycreate", L"false"}, {L"clsid", kScriptedProgId}},
       1},
      {"anything but \"true\" is off", {{L"delaycreate", L"TRUE"}, {L"clsid", kScriptedProgId}}, 1},
  };
  for (const Case& c : cases) {
    gui.Call([&] {
      CActiveXUI probe;
      for (const auto& attribute : c.attributes) probe.SetAttribute(attribute.first, attribute.second);
      EXPECT_EQ(ScriptedOleControl::Made(), c.madeAtOnce) << c.what;
    });
    ScriptedOleControl::ResetScript();
  }
}

}  // namespace
