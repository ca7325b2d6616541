// The browser object on WebKitGTK as the program's windows host it: an ActiveX host
// named "ie" creates the browser's class at once, asks for IWebBrowser2 and navigates
// to the map page beside the program with a query. The windows stay on the headless
// backend; GTK talks to the X server the suite started. Every wait is bounded.
#include <gtest/gtest.h>

#include "testing/base/ThreadChecked.h"

#include <chrono>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "CommonTools/Config.h"
#include "platform/com/ComPtr.h"
#include "platform/com/OleHosting.h"
#include "platform/com/WebBrowser.h"
#include "platform/web/BrowserObject.h"
#include "platform/web/EngineHost.h"
#include "platform/web/Wke.h"
#include "testing/driver/GuiThread.h"
#include "testing/driver/TestDriver.h"
#include "testing/ui/ControlPixels.h"
#include "tests/ui/controls/support/BrowserEventSink.h"
#include "tests/ui/core/support/WindowTestSupport.h"
#include "ui/controls/CActiveXUI.h"
#include "ui/core/control/CVerticalLayoutUI.h"

namespace {

using platform::com::ComPtr;

// The map page's own background, #002971, as the window image holds it.
const uint32_t kPageBackground = 0xFF002971;
// The map's frame, #1E3F7A, and its text.
const uint32_t kMapBorder = 0xFF1E3F7A;
const uint32_t kText = 0xFFFFFFFF;
const uint32_t kWindowBackground = 0xFFFFFFFF;
const RECT kControlRect = {10, 20, 310, 220};

class BrowserObjectOnEngine : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (testing_base::kThreadChecked) return;
    platform::web::EngineHost::Instance().Install(nullptr);
    wkeInitialize();
    platform::web::BrowserObject::Register();
  }

  void SetUp() override {
    if (testing_base::kThreadChecked) GTEST_SKIP() << testing_base::kWebLibrariesUnseen;
    uitest::EnsureInstance();
    gui.Call([this] {
      ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
      window = std::make_unique<wintest::ManagedWindow>();
      window->Create(nullptr, L"host", WS_POPUP | WS_VISIBLE, 0, 100, 100, 400, 300);
      root = new SkinUI::CVerticalLayoutUI();
      root->SetBkColor(kWindowBackground);
      root->SetInset(RECT{kControlRect.left, kControlRect.top, 0, 0});
      host = new SkinUI::CActiveXUI();
      host->SetName(L"ie");
      host->SetFixedWidth(kControlRect.right - kControlRect.left);
      host->SetFixedHeight(kControlRect.bottom - kControlRect.top);
      root->Add(host);
      window->Manager().AttachRoot(root);
      // As the plan execution view and the route dialog do once their skin is built.
      host->SetDelayCreate(false);
      created = host->CreateControlByClsid(CLSID_WebBrowser);
      host->QueryControl(IID_IWebBrowser2, browser.PutVoid());
    });
    ASSERT_TRUE(driver.WaitIdle());
  }

  void TearDown() override {
    gui.Call([this] {
      browser.Reset();
      if (window && ::IsWindow(window->GetHWND())) ::DestroyWindow(window->GetHWND());
      window.reset();
      OleUninitialize();
    });
  }

  // The page beside the program, written as the program writes it, with its query.
  static std::wstring MapPage(const std::wstring& name, const std::wstring& query) {
    return CommonTools::get_exe_dir() + L"\\InspectRecord\\" + name + query;
  }

  void Advise() {
    gui.Call([this] {
      ComPtr<IConnectionPointContainer> container;
      ASSERT_EQ(browser->QueryInterface(IID_IConnectionPointContainer, container.PutVoid()), S_OK);
      ComPtr<IConnectionPoint> point;
      ASSERT_EQ(container->FindConnectionPoint(DIID_DWebBrowserEvents2, point.Put()), S_OK);
      ASSERT_EQ(point->Advise(static_cast<IDispatch*>(&sink), &cookie), S_OK);
    });
  }

  HRESULT Navigate(const std::wstring& url) {
    HRESULT hr = E_FAIL;
    gui.Call([&] {
      BSTR text = ::SysAllocString(url.c_str());
      hr = browser->Navigate(text, nullptr, nullptr, nullptr, nullptr);
      ::SysFreeString(text);
    });
    return hr;
  }

  // Lets the engine and the 30-ms repaints run until `done`, for at most 30 s.
  bool WaitFor(const std::function<bool()>& done) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (std::chrono::steady_clock::now() < limit) {
      driver.Advance(30);
      driver.WaitIdle();
      bool finished = false;
      gui.Call([&] { finished = done(); });
      if (finished) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return false;
  }

  bool HasEvent(DISPID dispid) const {
    for (const oletest::BrowserEventSink::Event& event : sink.events) {
      if (event.dispid == dispid) return true;
    }
    return false;
  }

  controltest::ControlPixels Image() const {
    RECT wide = kControlRect;
    ::InflateRect(&wide, 5, 5);
    return controltest::ControlPixels(window->GetHWND(), wide);
  }

  platform::headless::TestDriver driver;
  platform::headless::GuiThread gui;
  std::unique_ptr<wintest::ManagedWindow> window;
  SkinUI::CVerticalLayoutUI* root = nullptr;
  SkinUI::CActiveXUI* host = nullptr;
  bool created = false;
  ComPtr<IWebBrowser2> browser;
  oletest::BrowserEventSink sink;
  DWORD cookie = 0;
};

TEST_F(BrowserObjectOnEngine, ShowsTheMapPageInsideTheControlWithItsQuery) {
  ASSERT_TRUE(created);
  ASSERT_TRUE(browser) << "the browser answers IWebBrowser2 as soon as it is created";
  Advise();
  const std::wstring query =
      L"?token=tk-7&userID=12&campusId=1&InspectRecordID=12&Date=2026-12-08/08:00-09:00"
      L"&width=300&height=200&Type=1&QVBaseAddr=http://127.0.0.1:8080";
  ASSERT_EQ(Navigate(MapPage(L"index.html", query)), S_OK);
  ASSERT_TRUE(WaitFor([&] { return HasEvent(DISPID_NAVIGATECOMPLETE2); }));

  const std::wstring expected = L"file://" + CommonTools::get_exe_dir() + L"/InspectRecord/index.html" + query;
  EXPECT_EQ(sink.events[0].url, expected) << "a file URL with the query as written";
  gui.Call([&] {
    BSTR location = nullptr;
    EXPECT_EQ(browser->get_LocationURL(&location), S_OK);
    EXPECT_EQ(std::wstring(location), expected);
    ::SysFreeString(location);
    IDispatch* document = reinterpret_cast<IDispatch*>(1);
    EXPECT_EQ(browser->get_Document(&document), S_FALSE);
    EXPECT_EQ(document, nullptr);
  });

  // The page's background fills the control's rectangle, and nothing outside it.
  ASSERT_TRUE(WaitFor([&] {
    const controltest::ControlPixels image = Image();
    return image.At(5 + 150, 5 + 180) == kPageBackground && image.At(5 + 295, 5 + 5) == kPageBackground;
  }));
  const controltest::ControlPixels image = Image();
  EXPECT_EQ(image.At(2, 2), kWindowBackground);
  EXPECT_EQ(image.At(5 + 300 + 2, 5 + 100), kWindowBackground);
  EXPECT_EQ(image.At(5 + 150, 5 + 200 + 2), kWindowBackground);
  const RECT ink = image.InkBox(kWindowBackground);
  EXPECT_EQ(ink.left, 5);
  EXPECT_EQ(ink.top, 5);
  EXPECT_EQ(ink.right, 5 + 300);
  EXPECT_EQ(ink.bottom, 5 + 200);
}

// The map page draws its map at the size its query gives and names the run in it.
TEST_F(BrowserObjectOnEngine, TheMapPageTakesTheSizeItsQueryGives) {
  ASSERT_TRUE(browser);
  Advise();
  ASSERT_EQ(
      Navigate(MapPage(L"index.html", L"?InspectRecordID=12&Date=2026-12-08/08:00-09:00&width=200&height=120&Type=1")),
      S_OK);
  // Image coordinates: the control's top-left is (5, 5).
  ASSERT_TRUE(WaitFor([&] {
    const controltest::ControlPixels image = Image();
    return image.At(5 + 199, 5 + 60) == kMapBorder && image.At(5 + 100, 5 + 119) == kMapBorder;
  })) << "the map's frame at 200 x 120";
  const controltest::ControlPixels image = Image();
  EXPECT_EQ(image.At(5 + 250, 5 + 60), kPageBackground) << "the page beyond the map";
  EXPECT_EQ(image.At(5 + 100, 5 + 160), kPageBackground);
  int text = 0;
  for (int y = 5 + 10; y < 5 + 70; ++y) {
    for (int x = 5 + 10; x < 5 + 190; ++x) text += image.At(x, y) == kText ? 1 : 0;
  }
  EXPECT_GT(text, 0) << "the run's facts in white";
}

TEST_F(BrowserObjectOnEngine, AMissingPageGivesNavigateError) {
  ASSERT_TRUE(browser);
  Advise();
  ASSERT_EQ(Navigate(MapPage(L"missing.html", L"?Type=3")), S_OK);
  ASSERT_TRUE(WaitFor([&] { return HasEvent(DISPID_NAVIGATEERROR); }));
  EXPECT_FALSE(HasEvent(DISPID_NAVIGATECOMPLETE2));
  EXPECT_EQ(sink.events[0].url, L"file://" + CommonTools::get_exe_dir() + L"/InspectRecord/missing.html?Type=3");
  EXPECT_EQ(sink.events[0].status, static_cast<LONG>(0x800C0005L));
}

TEST_F(BrowserObjectOnEngine, ReleasingTheControlLeavesNoBrowserAlive) {
  ASSERT_TRUE(browser);
  Advise();
  ASSERT_EQ(Navigate(MapPage(L"index.html", L"?Type=1")), S_OK);
  ASSERT_TRUE(WaitFor([&] { return HasEvent(DISPID_NAVIGATECOMPLETE2); }));
  gui.Call([&] {
    ComPtr<IOleInPlaceActiveObject> active;
    ASSERT_EQ(browser->QueryInterface(IID_IOleInPlaceActiveObject, active.PutVoid()), S_OK);
    MSG key = {};
    key.message = WM_KEYDOWN;
    key.wParam = VK_TAB;
    EXPECT_EQ(active->TranslateAccelerator(&key), S_FALSE) << "the pages take no accelerators";
    EXPECT_EQ(platform::web::BrowserObject::Live(), 1);
    browser.Reset();
    root->Remove(host);
    host = nullptr;
  });
  ASSERT_TRUE(driver.WaitIdle());
  gui.Call([&] { EXPECT_EQ(platform::web::BrowserObject::Live(), 0); });
  EXPECT_EQ(sink.refs, 0u) << "the sink was let go with the browser";
}

}  // namespace
