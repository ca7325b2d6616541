// The web browser control against the scripted control registered under the browser's
// class: navigation, the event connection and what the events do, script errors,
// accelerators, the home page, re-creation, and the control's COM identity.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/WebBrowser.h"
#include "tests/ui/controls/support/OleHostTest.h"
#include "ui/controls/CWebBrowserUI.h"

namespace {

using oletest::CLSID_ScriptedControl;
using oletest::ScriptedDocument;
using oletest::ScriptedOleControl;
using oletest::ScriptRecord;
using platform::com::ComPtr;
using SkinUI::CActiveXUI;
using SkinUI::CWebBrowserUI;
using Lines = std::vector<std::string>;
using Urls = std::vector<std::wstring>;

class WebBrowserTest : public oletest::OleHostTest {
 protected:
  void SetUp() override {
    OleHostTest::SetUp();
    ScriptedOleControl::Script().browser = true;
    RegisterScripted(CLSID_WebBrowser);
  }

  // On the GUI thread: a browser control in the window, made at the first layout.
  CWebBrowserUI* AddBrowser() {
    browser = new CWebBrowserUI();
    Build(browser);
    return browser;
  }

  // The control's identity as COM sees it.
  IUnknown* Identity(IUnknown* part) {
    ComPtr<IUnknown> identity;
    EXPECT_EQ(part->QueryInterface(IID_IUnknown, identity.PutVoid()), S_OK);
    return identity.Get();
  }

  CWebBrowserUI* browser = nullptr;
};

TEST_F(WebBrowserTest, NavigateGivesTheUrlToNavigate2AsText) {
  gui.Call([&] {
    CWebBrowserUI detached;
    detached.Navigate(L"file:///nowhere.html");  // no browser yet: nothing to do
  });
  OnGui([&] { AddBrowser(); });
  gui.Call([&] {
    ASSERT_NE(browser->GetWebBrowser2(), nullptr);
    browser->Navigate(L"file:///C:/Patrol/html/index.html");
    browser->Navigate(L"");
    browser->Navigate(nullptr);
    EXPECT_EQ(ScriptedOleControl::Last()->navigated, Urls{L"2:file:///C:/Patrol/html/index.html"});
  });
}

TEST_F(WebBrowserTest, ListensToTheBrowsersEventsWhileItHasTheBrowser) {
  OnGui([&] { AddBrowser(); });
  gui.Call([&] {
    EXPECT_EQ(ScriptRecord::CallsStartingWith("cp."), Lines{"cp.Advise=1"});
    oletest::ScriptedConnectionPoint* events = ScriptedOleControl::Last()->BrowserEvents();
    ASSERT_EQ(events->SinkCount(), 1u);
    EXPECT_EQ(Identity(events->Sink(1)), Identity(static_cast<IDispatch*>(browser)));
    ScriptRecord::Reset();
  });
  OnGui([&] { root->Remove(browser); });
  EXPECT_EQ(ScriptRecord::Calls(),
            (Lines{"cp.Unadvise(1)", "SetSite(null)", "Close(1)", "site.OnInPlaceDeactivate", "SetClientSite(null)"}))
      << "unadvised with the cookie of the advise, before the browser goes";
}

// The browser's events need no answer beyond S_OK, except NavigateComplete2, after which
// the control becomes the UI handler of a document that can take one.
TEST_F(WebBrowserTest, NavigateComplete2InstallsTheUIHandlerWhereTheDocumentTakesOne) {
  struct Case {
    const char* what;
    bool hasDocument;
    bool customDoc;
    Lines expected;
  };
  const Case cases[] = {
      {"a document with ICustomDoc", true, true, {"doc.SetUIHandler"}},
      {"a document without it", true, false, {}},
      {"no document yet", false, false, {}},
  };
  for (const Case& c : cases) {
    ScriptedOleControl::Script().hasDocument = c.hasDocument;
    ScriptedOleControl::Script().documentHasCustomDoc = c.customDoc;
    OnGui([&] { AddBrowser(); });
    gui.Call([&] {
      ScriptRecord::Reset();
      oletest::ScriptedConnectionPoint* events = ScriptedOleControl::Last()->BrowserEvents();
      EXPECT_EQ(events->Fire(DISPID_NAVIGATECOMPLETE2), std::vector<HRESULT>{S_OK}) << c.what;
      EXPECT_EQ(ScriptRecord::Calls(), c.expected) << c.what;
      if (c.customDoc) {
        EXPECT_EQ(ScriptedOleControl::Last()->Document()->UIHandler(), static_cast<IDocHostUIHandler*>(browser));
      }
      ::DestroyWindow(Frame());
      window.reset();
    });
  }

  OnGui([&] { AddBrowser(); });
  gui.Call([&] {
    oletest::ScriptedConnectionPoint* events = ScriptedOleControl::Last()->BrowserEvents();
    for (const DISPID dispid : {DISPID_STATUSTEXTCHANGE, DISPID_COMMANDSTATECHANGE, DISPID_BEFORENAVIGATE2,
                                DISPID_NAVIGATEERROR, DISPID_NEWWINDOW3}) {
      EXPECT_EQ(events->Fire(dispid), std::vector<HRESULT>{S_OK}) << dispid;
    }
    EXPECT_EQ(events->Fire(259), std::vector<HRESULT>{DISP_E_MEMBERNOTFOUND}) << "an event it does not know";
    const IID someInterface = {1, 2, 3, {4, 5, 6, 7, 8, 9, 10, 11}};
    EXPECT_EQ(browser->Invoke(DISPID_NAVIGATECOMPLETE2, someInterface, 0, DISPATCH_METHOD, nullptr, nullptr, nullptr,
                              nullptr),
              E_INVALIDARG);
  });
}

// A page's script error comes as a command; the control reads the error from the page's
// event object and answers that scripts go on, so the browser shows no dialog.
TEST_F(WebBrowserTest, ScriptErrorsAreAnsweredWithoutADialog) {
  struct Case {
    const char* what;
    const GUID* group;
    DWORD command;
    bool withDocument;
    HRESULT expected;
    bool answered;
  };
  const GUID otherGroup = {0xF38BC242, 0xB950, 0x11D1, {0x89, 0x18, 0x00, 0xC0, 0x4F, 0xC2, 0xC8, 0x37}};
  const Case cases[] = {
      {"the standard group", nullptr, OLECMDID_SHOWSCRIPTERROR, true, OLECMDERR_E_UNKNOWNGROUP, false},
      {"another group", &otherGroup, OLECMDID_SHOWSCRIPTERROR, true, OLECMDERR_E_UNKNOWNGROUP, false},
      {"another command", &CGID_DocHostCommandHandler, OLECMDID_STOP, true, OLECMDERR_E_NOTSUPPORTED, false},
      {"a script error", &CGID_DocHostCommandHandler, OLECMDID_SHOWSCRIPTERROR, true, S_OK, true},
      {"a script error without its document", &CGID_DocHostCommandHandler, OLECMDID_SHOWSCRIPTERROR, false,
       E_INVALIDARG, true},
  };
  const Lines reads = {"event.get(errorLine)", "event.get(errorCharacter)", "event.get(errorCode)",
                       "event.get(errorMessage)", "event.get(errorUrl)"};
  for (const Case& c : cases) {
    gui.Call([&] {
      ScriptRecord::Reset();
      CWebBrowserUI control;
      VARIANT in, out;
      VariantInit(&in);
      VariantInit(&out);
      if (c.withDocument) {
        in.vt = VT_UNKNOWN;
        in.punkVal = static_cast<IHTMLDocument2*>(new ScriptedDocument(false));
      }
      EXPECT_EQ(control.Exec(c.group, c.command, OLECMDEXECOPT_DODEFAULT, &in, &out), c.expected) << c.what;
      EXPECT_EQ(out.vt, c.answered ? VT_BOOL : VT_EMPTY) << c.what;
      if (c.answered) {
        EXPECT_EQ(out.boolVal, VARIANT_TRUE) << c.what;
      }
      EXPECT_EQ(ScriptRecord::Calls(), c.answered && c.withDocument ? reads : Lines{}) << c.what;
      VariantClear(&in);
    });
  }
}

// Keys go to the browser (a windowed one here) only while the keyboard focus is in its
// window or below; the control is on the window's accelerator list while it has a
// browser.
TEST_F(WebBrowserTest, AcceleratorsReachTheBrowserOnlyWhileTheFocusIsInIt) {
  ScriptedOleControl::Script().windowless = false;
  gui.Call([&] {
    CWebBrowserUI detached;
    MSG key = {nullptr, WM_KEYDOWN, 'C', 0, 0, {0, 0}};
    EXPECT_EQ(detached.TranslateAccelerator(&key), E_NOTIMPL) << "no browser yet";
  });
  OnGui([&] { AddBrowser(); });
  struct Case {
    const char* what;
    std::function<HWND()> focus;
    UINT message;
    LRESULT expected;
  };
  const Case cases[] = {
      {"the focus in the window, outside the browser", [&] { return Frame(); }, WM_KEYDOWN, S_FALSE},
      {"the focus in the browser's window", [&] { return browser->GetHostWindow(); }, WM_KEYDOWN, S_OK},
      {"the focus in a window of the browser's own", [&] { return ScriptedOleControl::Last()->ownWindow; }, WM_CHAR,
       S_OK},
      {"no key", [&] { return browser->GetHostWindow(); }, WM_LBUTTONDOWN, S_FALSE},
  };
  for (const Case& c : cases) {
    gui.Call([&] {
      ::SetFocus(c.focus());
      ScriptedOleControl* control = ScriptedOleControl::Last();
      control->translated.clear();
      MSG msg = {c.focus(), c.message, 'C', 0, 0, {0, 0}};
      EXPECT_EQ(browser->TranslateAccelerator(&msg), c.expected) << c.what;
      EXPECT_EQ(Manager().TranslateAccelerator(&msg), c.expected == S_OK) << c.what << ": through the window";
      EXPECT_EQ(control->translated.size(), c.expected == S_OK ? 2u : 0u) << c.what;
    });
  }
  gui.Call([&] {
    ::SetFocus(browser->GetHostWindow());
    browser->CreateControlByClsid(CLSID_WebBrowser);
    browser->SetPos(browser->GetPos());  // made again: still on the list once
    MSG key = {browser->GetHostWindow(), WM_KEYDOWN, 'C', 0, 0, {0, 0}};
    ::SetFocus(browser->GetHostWindow());
    EXPECT_TRUE(Manager().TranslateAccelerator(&key));
    EXPECT_EQ(ScriptedOleControl::Last()->translated.size(), 1u);
  });
  OnGui([&] { root->Remove(browser); });
  gui.Call([&] {
    MSG key = {Frame(), WM_KEYDOWN, 'C', 0, 0, {0, 0}};
    ::SetFocus(Frame());
    EXPECT_FALSE(Manager().TranslateAccelerator(&key)) << "off the list with its browser";
  });
}

TEST_F(WebBrowserTest, OpensTheHomePageWhenAskedToAndGivenOne) {
  struct Case {
    const char* what;
    const wchar_t* autonavi;
    const wchar_t* homepage;
    Urls expected;
  };
  const Case cases[] = {
      {"both", L"true", L"file:///C:/Patrol/home.html", {L"2:file:///C:/Patrol/home.html"}},
      {"no home page", L"true", L"", {}},
      {"not asked to", L"false", L"file:///C:/Patrol/home.html", {}},
      {"asked in other words", L"yes", L"file:///C:/Patrol/home.html", {}},
  };
  for (const Case& c : cases) {
    OnGui([&] {
      browser = new CWebBrowserUI();
      browser->SetAttribute(L"homepage", c.homepage);
      browser->SetAttribute(L"autonavi", c.autonavi);
      EXPECT_EQ(ScriptedOleControl::Made(), 0) << c.what << ": not before the first layout";
      Build(browser);
    });
    gui.Call([&] {
      ASSERT_NE(ScriptedOleControl::Last(), nullptr) << c.what;
      EXPECT_EQ(ScriptedOleControl::Last()->navigated, c.expected) << c.what;
      ::DestroyWindow(Frame());
      window.reset();
    });
    ScriptedOleControl::ResetScript();
    ScriptedOleControl::Script().browser = true;
  }
}

// A second class in the same control lets the first browser go: closed, disconnected,
// released, nothing of it alive; navigation goes to the second.
TEST_F(WebBrowserTest, ASecondClassLetsTheFirstBrowserGo) {
  RegisterScripted(CLSID_ScriptedControl);
  int liveWithOne = 0;
  OnGui([&] { AddBrowser(); });
  gui.Call([&] {
    liveWithOne = ScriptRecord::Live();
    ScriptRecord::Reset();
    EXPECT_TRUE(browser->CreateControlByClsid(CLSID_ScriptedControl));
    browser->SetPos(browser->GetPos());
    EXPECT_EQ(ScriptedOleControl::Made(), 2);
    EXPECT_EQ(ScriptRecord::Live(), liveWithOne) << "the first browser is gone";
    const Lines released(ScriptRecord::Calls().begin(), ScriptRecord::Calls().begin() + 5);
    EXPECT_EQ(released, (Lines{"cp.Unadvise(1)", "SetSite(null)", "Close(1)", "site.OnInPlaceDeactivate",
                               "SetClientSite(null)"}));
    EXPECT_EQ(ScriptRecord::CallsStartingWith("cp.Advise"), Lines{"cp.Advise=1"}) << "the second one's";
    EXPECT_EQ(browser->GetWebBrowser2(), static_cast<IWebBrowser2*>(ScriptedOleControl::Last()));
    browser->Navigate(L"file:///second.html");
    EXPECT_EQ(ScriptedOleControl::Last()->navigated, Urls{L"2:file:///second.html"});
  });
}

TEST_F(WebBrowserTest, IsTheWebBrowserAnActiveXHostAndOneCOMObject) {
  gui.Call([&] {
    CWebBrowserUI control;
    EXPECT_STREQ(control.GetClassName(), L"WebBrowserUI");
    EXPECT_EQ(control.GetInterface(L"WebBrowser"), static_cast<void*>(&control));
    EXPECT_EQ(control.GetInterface(L"ActiveX"), static_cast<void*>(static_cast<CActiveXUI*>(&control)));
    EXPECT_NE(control.GetInterface(L"Control"), nullptr);
    EXPECT_EQ(control.GetInterface(L"Flash"), nullptr);
    EXPECT_EQ(control.GetClsid(), CLSID_WebBrowser);
    EXPECT_TRUE(control.IsDelayCreate());

    IUnknown* identity = Identity(static_cast<IDispatch*>(&control));
    for (const IID* iid : {&IID_IDispatch, &IID_IDocHostUIHandler, &IID_IServiceProvider, &IID_IOleCommandTarget}) {
      ComPtr<IUnknown> part;
      ASSERT_EQ(control.QueryInterface(*iid, part.PutVoid()), S_OK);
      EXPECT_EQ(Identity(part.Get()), identity) << "every part leads to the one identity";
    }
    ComPtr<IUnknown> none;
    EXPECT_EQ(control.QueryInterface(DIID_DWebBrowserEvents2, none.PutVoid()), E_NOINTERFACE);
    EXPECT_EQ(control.QueryInterface(IID_IOleObject, none.PutVoid()), E_NOINTERFACE);

    // The browser asks for the download manager; the control does not offer it.
    void* service = reinterpret_cast<void*>(1);
    EXPECT_EQ(control.QueryService(SID_SDownloadManager, IID_IDownloadManager, &service), E_NOINTERFACE);
    EXPECT_EQ(service, nullptr);
    EXPECT_EQ(control.Download(nullptr, nullptr, 0, 0, nullptr, nullptr, nullptr, 0), S_OK);
  });
}

}  // namespace
