// The browser object registered under the browser's class, hosted as the program hosts
// it (an ActiveX host that creates the class at once) over the scripted web engine: its
// window in the host's window and its view following the control, the URLs it loads,
// the events its sinks get, its answers to the host, and its release.
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "platform/com/ClassRegistry.h"
#include "platform/com/WebBrowser.h"
#include "platform/web/BrowserObject.h"
#include "testing/ui/ControlPixels.h"
#include "testing/web/ScriptedWebEngine.h"
#include "tests/ui/controls/support/BrowserEventSink.h"
#include "tests/ui/controls/support/OleHostTest.h"
#include "ui/controls/CActiveXUI.h"

namespace {

using platform::com::ComPtr;
using platform::web::BrowserObject;
using SkinUI::CActiveXUI;
using test_support::ScriptedWebEngine;
using Strings = std::vector<std::string>;

const uint32_t kFrameColour = 0xFF3060A0;

// The scratch folder's paths are plain ASCII.
std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

// An object with no IDispatch to call events on.
class MuteSink final : public IUnknown {
 public:
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppvObject) override {
    *ppvObject = riid == IID_IUnknown ? this : nullptr;
    return *ppvObject != nullptr ? S_OK : E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
};

class BrowserObjectTest : public oletest::OleHostTest {
 protected:
  void SetUp() override {
    OleHostTest::SetUp();
    engine = ScriptedWebEngine::Install();
    engine->SetFrameColour(kFrameColour);
    BrowserObject::Register();
    char folder[] = "/tmp/browser-object-XXXXXX";
    dir = ::mkdtemp(folder);
    std::ofstream(dir + "/index.html") << "<html></html>";
  }
  void TearDown() override {
    gui.Call([this] { browser.Reset(); });
    OleHostTest::TearDown();
    EXPECT_EQ(BrowserObject::Live(), 0);
    platform::com::ClassRegistry::Unregister(CLSID_WebBrowser);
    ScriptedWebEngine::Uninstall();
    ::unlink((dir + "/index.html").c_str());
    ::rmdir(dir.c_str());
  }

  // A host in the window with the browser created in it at once and asked for
  // IWebBrowser2, as the map pages' windows do when their skin is built; laid out after
  // that, or (`laidOutFirst`) before.
  void CreateBrowser(bool laidOutFirst = false) {
    OnGui([&] {
      host = new CActiveXUI();
      Build(host);
      if (!laidOutFirst) Create();
    });
    if (laidOutFirst) OnGui([&] { Create(); });
  }
  void Create() {
    host->SetDelayCreate(false);
    ASSERT_TRUE(host->CreateControlByClsid(CLSID_WebBrowser));
    ASSERT_EQ(host->QueryControl(IID_IWebBrowser2, browser.PutVoid()), S_OK);
  }

  HWND BrowserWindow() {
    HWND hwnd = nullptr;
    gui.Call([&] {
      ComPtr<IOleInPlaceObject> inPlace;
      ASSERT_EQ(browser->QueryInterface(IID_IOleInPlaceObject, inPlace.PutVoid()), S_OK);
      inPlace->GetWindow(&hwnd);
    });
    return hwnd;
  }

  // The browser's window as the frame's image shows it, after one 30-ms tick.
  int PixelsOfTheFrame(const RECT& rect) {
    driver.Advance(30);
    EXPECT_TRUE(driver.WaitIdle());
    return controltest::ControlPixels(Frame(), rect).Count(kFrameColour);
  }

  HRESULT Navigate(const std::wstring& url) {
    HRESULT hr = E_FAIL;
    OnGui([&] {
      BSTR text = ::SysAllocString(url.c_str());
      hr = browser->Navigate(text, nullptr, nullptr, nullptr, nullptr);
      ::SysFreeString(text);
    });
    return hr;
  }

  ComPtr<IConnectionPoint> Events() {
    ComPtr<IConnectionPoint> point;
    gui.Call([&] {
      ComPtr<IConnectionPointContainer> container;
      ASSERT_EQ(browser->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()), S_OK);
      ASSERT_EQ(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put()), S_OK);
      ComPtr<IConnectionPoint> none;
      EXPECT_EQ(container->FindConnectionPoint(IID_IDispatch, none.Put()), CONNECT_E_NOCONNECTION);
    });
    return point;
  }

  std::shared_ptr<ScriptedWebEngine> engine;
  std::string dir;
  CActiveXUI* host = nullptr;
  ComPtr<IWebBrowser2> browser;
};

TEST_F(BrowserObjectTest, ShowsItsViewInsideTheHostsWindowAndFollowsTheControl) {
  CreateBrowser();
  const HWND own = BrowserWindow();
  ASSERT_NE(own, nullptr);
  ASSERT_EQ(Navigate(Wide(dir + "/index.html")), S_OK);
  EXPECT_EQ(::GetParent(own), host->GetHostWindow()) << "inside the host's child window";
  RECT placed = {};
  ::GetClientRect(own, &placed);
  EXPECT_EQ(placed, (RECT{0, 0, 100, 50}));
  EXPECT_EQ(engine->LastView().width, 100);
  EXPECT_EQ(engine->LastView().height, 50);
  EXPECT_EQ(PixelsOfTheFrame(RECT{10, 20, 110, 70}), 100 * 50);
  EXPECT_EQ(PixelsOfTheFrame(RECT{0, 0, 200, 100}), 100 * 50) << "and nothing outside the control";

  OnGui([&] { host->SetFixedWidth(150); });
  EXPECT_EQ(engine->LastView().width, 150);
  EXPECT_EQ(engine->LastView().height, 50);
  ::GetClientRect(own, &placed);
  EXPECT_EQ(placed, (RECT{0, 0, 150, 50}));
  EXPECT_EQ(PixelsOfTheFrame(RECT{10, 20, 160, 70}), 150 * 50);
}

// The engine's sheet is white until a page has drawn on it: meanwhile the skin's
// background shows where the page will be.
TEST_F(BrowserObjectTest, TheSkinsBackgroundShowsUntilAPageHasDrawn) {
  const uint32_t navy = 0xFF002971;
  const RECT control = {10, 20, 110, 70};
  engine->SetFrameColour(0xFFFFFFFF);
  engine->HoldLoads(true);
  CreateBrowser();
  OnGui([&] { root->SetBkColor(navy); });
  ASSERT_EQ(Navigate(Wide(dir + "/index.html")), S_OK);
  driver.Advance(600);
  ASSERT_TRUE(driver.WaitIdle());
  EXPECT_EQ(controltest::ControlPixels(Frame(), control).Count(navy), 100 * 50) << "while the page loads";

  engine->SetFrameColour(kFrameColour);
  engine->HoldLoads(false);
  engine->FinishLoads(engine->LastView().id);
  EXPECT_EQ(PixelsOfTheFrame(control), 100 * 50) << "once the page has drawn";
}

// The host sets the object's rectangles while it activates it, before its own window
// has a size to tell.
TEST_F(BrowserObjectTest, MadeAfterTheLayoutItTakesTheControlsSize) {
  CreateBrowser(true);
  RECT placed = {};
  ::GetClientRect(BrowserWindow(), &placed);
  EXPECT_EQ(placed, (RECT{0, 0, 100, 50}));
  EXPECT_EQ(engine->LastView().width, 100);
  EXPECT_EQ(engine->LastView().height, 50);
}

TEST_F(BrowserObjectTest, LoadsProgramFolderPathsAsFileUrlsWithTheirQuery) {
  CreateBrowser();
  const std::wstring written = L"\\srv\\patrol\\InspectRecord\\index.html?token=a\\b&Date=2026-12-08/08:00-09:00";
  const std::string loaded = "file:///srv/patrol/InspectRecord/index.html?token=a\\b&Date=2026-12-08/08:00-09:00";
  EXPECT_EQ(Navigate(written), S_OK);
  OnGui([&] {
    VARIANT text;
    VariantInit(&text);
    text.vt = VT_BSTR;
    text.bstrVal = ::SysAllocString(L"file:///srv/patrol/InspectRecord/index.html?Type=3");
    EXPECT_EQ(browser->Navigate2(&text, nullptr, nullptr, nullptr, nullptr), S_OK);
    VARIANT byReference;
    VariantInit(&byReference);
    byReference.vt = VT_VARIANT | VT_BYREF;
    byReference.pvarVal = &text;
    EXPECT_EQ(browser->Navigate2(&byReference, nullptr, nullptr, nullptr, nullptr), S_OK);

    // Refused, and nothing loaded: no text, or what a page is not shown with.
    VARIANT number;
    VariantInit(&number);
    number.vt = VT_I4;
    number.lVal = 7;
    EXPECT_EQ(browser->Navigate2(&number, nullptr, nullptr, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(browser->Navigate2(nullptr, nullptr, nullptr, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(browser->Navigate2(&text, &number, nullptr, nullptr, nullptr), E_INVALIDARG);
    EXPECT_EQ(browser->Navigate(nullptr, nullptr, nullptr, nullptr, nullptr), E_INVALIDARG);
    VariantClear(&text);
  });
  EXPECT_EQ(Navigate(L""), E_INVALIDARG);
  EXPECT_EQ(engine->LastView().loads, (Strings{loaded, "file:///srv/patrol/InspectRecord/index.html?Type=3",
                                               "file:///srv/patrol/InspectRecord/index.html?Type=3"}));
  gui.Call([&] {
    BSTR location = nullptr;
    ASSERT_EQ(browser->get_LocationURL(&location), S_OK);
    EXPECT_EQ(std::wstring(location), L"file:///srv/patrol/InspectRecord/index.html?Type=3");
    ::SysFreeString(location);
  });
}

TEST_F(BrowserObjectTest, TellsItsSinksHowEachNavigationEnded) {
  CreateBrowser();
  ComPtr<IConnectionPoint> point = Events();
  ASSERT_TRUE(point);
  oletest::BrowserEventSink sink;
  MuteSink mute;
  DWORD cookie = 0;
  gui.Call([&] {
    DWORD none = 7;
    EXPECT_EQ(point->Advise(&mute, &none), CONNECT_E_CANNOTCONNECT);
    EXPECT_EQ(none, 0u);
    EXPECT_EQ(point->Advise(&sink, &cookie), S_OK);
  });
  const std::wstring page = L"file://" + std::wstring(dir.begin(), dir.end()) + L"/index.html?Type=1";
  const std::wstring missing = L"file://" + std::wstring(dir.begin(), dir.end()) + L"/missing.html?Type=3";
  Navigate(page);
  Navigate(missing);
  ASSERT_EQ(sink.events.size(), 2u);
  EXPECT_EQ(sink.events[0].dispid, DISPID_NAVIGATECOMPLETE2);
  EXPECT_EQ(sink.events[0].url, page);
  EXPECT_EQ(sink.events[1].dispid, DISPID_NAVIGATEERROR);
  EXPECT_EQ(sink.events[1].url, missing);
  EXPECT_EQ(sink.events[1].status, static_cast<LONG>(0x800C0005L));
  gui.Call([&] {
    ComPtr<IDispatch> automation;
    ASSERT_EQ(browser->QueryInterface(IID_IDispatch, automation.PutVoid()), S_OK);
    EXPECT_EQ(sink.events[0].browser, automation.Get()) << "the browser that navigated";
    EXPECT_EQ(point->Unadvise(cookie), S_OK);
    EXPECT_EQ(point->Unadvise(cookie), CONNECT_E_NOCONNECTION);
  });
  Navigate(page);
  EXPECT_EQ(sink.events.size(), 2u) << "an unadvised sink hears nothing more";
  EXPECT_EQ(sink.refs, 0u);
  gui.Call([&] { point.Reset(); });
}

TEST_F(BrowserObjectTest, AnswersItsHostAndLeavesNothingBehindWhenReleased) {
  CreateBrowser();
  const HWND own = BrowserWindow();
  ComPtr<IConnectionPoint> point = Events();
  oletest::BrowserEventSink sink;
  gui.Call([&] {
    IDispatch* document = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(browser->get_Document(&document), S_FALSE);
    EXPECT_EQ(document, nullptr);
    ComPtr<IOleInPlaceActiveObject> active;
    ASSERT_EQ(browser->QueryInterface(IID_IOleInPlaceActiveObject, active.PutVoid()), S_OK);
    MSG key = {};
    key.message = WM_KEYDOWN;
    key.wParam = VK_TAB;
    EXPECT_EQ(active->TranslateAccelerator(&key), S_FALSE);
    ComPtr<IObjectWithSite> withSite;
    ASSERT_EQ(browser->QueryInterface(IID_IObjectWithSite, withSite.PutVoid()), S_OK);
    ComPtr<IOleClientSite> site;
    EXPECT_EQ(withSite->GetSite(IID_IOleClientSite, site.PutVoid()), S_OK) << "the host's site";
    DWORD cookie = 0;
    EXPECT_EQ(point->Advise(&sink, &cookie), S_OK);
    browser.Reset();
    EXPECT_EQ(BrowserObject::Live(), 1);
    root->Remove(host);
  });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] {
    EXPECT_EQ(BrowserObject::Live(), 0);
    EXPECT_FALSE(::IsWindow(own));
    EXPECT_TRUE(engine->LastView().destroyed);
    EXPECT_EQ(sink.refs, 0u) << "its sinks go with it";
    ComPtr<IConnectionPointContainer> container;
    EXPECT_EQ(point->GetConnectionPointContainer(container.Put()), E_UNEXPECTED) << "a point held longer is detached";
    point.Reset();
  });
}

}  // namespace
