// Every window of the program on a real X server, saved as a picture for a person to
// look at: each skin at its window's size, built as the program builds it, the plan and
// route cards on their pages, and the message box of each kind as the program opens it.
// The pictures go to "window-pictures/" in the suite's output folder.
#include <gtest/gtest.h>

#include <cairo.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/frame/home/CHomePageWndEx.h"
#include "app/management/CCardTilesUI.h"
#include "app/management/CPatrolPlanUI.h"
#include "app/management/CPatrolRouteUI.h"
#include "app/records/CResultWndEx.h"
#include "app/shell/ShowMessage.h"
#include "platform/backend/BackendRegistry.h"
#include "platform/backend/x11/X11Backend.h"
#include "platform/base/CodePage.h"
#include "testing/driver/GuiThread.h"
#include "testing/ui/ControlTestWindow.h"
#include "testing/x11/ScreenCapture.h"
#include "testing/x11/TestDisplay.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/manager/CWindowManagerUI.h"

namespace fs = std::filesystem;

namespace {

using platform::headless::GuiThread;
using platform::x11::ScreenCapture;
using x11test::TestDisplay;

const int kLeft = 0, kTop = 0;

fs::path PictureFolder() {
  const char* output = std::getenv("X11_SMOKE_OUTPUT");
  const fs::path folder = fs::path(output != nullptr ? output : ".") / "window-pictures";
  fs::create_directories(folder);
  return folder;
}

// A grid of samples across the window: a window that has painted is not all the X
// root's black (a camera's waiting video area is, but not its caption).
bool Painted(HWND hwnd) {
  cairo_surface_t* image = ScreenCapture::GrabWindow(hwnd);
  if (image == nullptr) return false;
  const int width = cairo_image_surface_get_width(image), height = cairo_image_surface_get_height(image);
  bool painted = false;
  for (int i = 0; i < 64 && !painted; ++i) {
    painted = ScreenCapture::PixelAt(image, 1 + (width - 2) * (i % 8) / 8, 1 + (height - 2) * (i / 8) / 8) != 0;
  }
  cairo_surface_destroy(image);
  return painted;
}

void Save(HWND hwnd, const std::string& name) {
  ASSERT_TRUE(TestDisplay::FlushBackend());
  EXPECT_TRUE(TestDisplay::WaitUntil([&] { return Painted(hwnd); })) << name << " never painted";
  cairo_surface_t* image = ScreenCapture::GrabWindow(hwnd);
  ASSERT_NE(image, nullptr) << name;
  const fs::path file = PictureFolder() / (name + ".png");
  EXPECT_TRUE(ScreenCapture::SavePng(image, file.string())) << file;
  cairo_surface_destroy(image);
}

SkinUI::CControlUI* CreateAsTheProgram(const std::wstring& skin, LPCTSTR pstrClass) {
  if (skin == L"HomePageWndEx.xml") {
    static CHomePageWndEx home;
    return home.CreateControl(pstrClass);
  }
  if (skin == L"ResultWndEx.xml") {
    static CResultWndEx results;
    return results.CreateControl(pstrClass);
  }
  // The plan and route pages build their card grid themselves.
  if (wcscmp(pstrClass, L"CardTiles") == 0) return new CCardTilesUI;
  return nullptr;
}

// Windows the program opens over the work area (the plan execution view) are no
// bigger than it.
void FitWorkArea(HWND hwnd) {
  RECT work{}, window{};
  ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  ::GetWindowRect(hwnd, &window);
  const int width = std::min(window.right - window.left, work.right - work.left);
  const int height = std::min(window.bottom - window.top, work.bottom - work.top);
  ::SetWindowPos(hwnd, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// One skin's window, shown at the top left of the screen until the test ends.
class SkinWindow {
 public:
  SkinWindow(GuiThread& gui, const std::wstring& skin) : gui_(gui) {
    gui_.Call([&] {
      window_ = std::make_unique<controltest::ControlTestWindow>(skin, nullptr);
      window_->onCreateControl = [skin](LPCTSTR pstrClass) { return CreateAsTheProgram(skin, pstrClass); };
      hwnd_ = window_->Create(nullptr, L"window picture", WS_POPUP | WS_CLIPCHILDREN, 0, kLeft, kTop, 0, 0);
      if (hwnd_ == nullptr) return;
      FitWorkArea(hwnd_);
      ::ShowWindow(hwnd_, SW_SHOW);
      ::UpdateWindow(hwnd_);
    });
  }
  ~SkinWindow() {
    gui_.Call([&] {
      if (hwnd_ != nullptr && ::IsWindow(hwnd_)) ::DestroyWindow(hwnd_);
      window_.reset();
    });
  }
  SkinWindow(const SkinWindow&) = delete;
  SkinWindow& operator=(const SkinWindow&) = delete;

  HWND Window() const { return hwnd_; }
  SkinUI::CWindowManagerUI& Manager() { return window_->Manager(); }

 private:
  GuiThread& gui_;
  std::unique_ptr<controltest::ControlTestWindow> window_;
  HWND hwnd_ = nullptr;
};

std::string Stem(const std::wstring& skin) {
  const std::string name = platform::codepage::WideToUtf8(skin);
  return name.substr(0, name.size() - 4);
}

class WindowPictures : public ::testing::TestWithParam<const wchar_t*> {};

TEST_P(WindowPictures, EachSkinAtItsSize) {
  GuiThread gui;
  SkinWindow window(gui, GetParam());
  ASSERT_NE(window.Window(), nullptr) << Stem(GetParam()) << " did not build";
  Save(window.Window(), Stem(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(
    EverySkin, WindowPictures,
    ::testing::Values(L"MainFrameWnd.xml", L"HomePageWndEx.xml", L"PatrolPlanWndEx.xml", L"RouteManageWndEx.xml",
                      L"DeviceManageWndEx.xml", L"PeopleManageWndEx.xml", L"ResultWndEx.xml", L"Authority.xml",
                      L"AddDevicePositionWnd.xml", L"AddDeviceWnd.xml", L"AddPeopleWnd.xml", L"AddPlanWnd.xml",
                      L"AddRouteWnd.xml", L"AlarmWindow.xml", L"CAuthorityWnd.xml", L"CamPlay.xml",
                      L"DownWindow.xml", L"EditPeopleWnd.xml", L"ExceptionRecordWnd.xml", L"InputQVBaseAddrWnd.xml",
                      L"LoadingGifWnd.xml", L"LoginWndUI.xml", L"LookPlanWnd.xml", L"PhotoFeedBackWindow.xml",
                      L"QR_CodeWndUI.xml", L"RouteUI.xml", L"TimeWndUI.xml", L"message.xml",
                      L"MessageMultiline.xml"),
    [](const ::testing::TestParamInfo<const wchar_t*>& info) { return Stem(info.param); });

// The cards the code builds, on their pages.
TEST(WindowPicturesOfCards, PlanAndRouteCardsOnTheirPages) {
  InspectPlanInfo plan;
  plan.iID = 7;
  plan.strName = "教学楼夜间巡更";
  plan.strRouteName = "教学楼一号线";
  plan.strAnnouncerName = "管理员";
  plan.iPlanState = 2;
  plan.strStartDate = "2026-01-01";
  plan.strEndDate = "2026-12-31";
  plan.strWeek = "1111100";
  plan.strTime = "08:00-18:00";
  InspectRouteInfo route;
  route.iID = 3;
  route.strName = "教学楼一号线";
  const struct {
    const wchar_t* skin;
    LPCTSTR grid;
    std::function<SkinUI::CControlUI*()> card;
    const char* picture;
  } pages[] = {
      {L"PatrolPlanWndEx.xml", L"TileLayout_plan", [&] { return new CPatrolPlanUI(plan); }, "PlanCard"},
      {L"RouteManageWndEx.xml", L"TileLayout_route", [&] { return new CPatrolRouteUI(route); }, "RouteCard"},
  };
  for (const auto& page : pages) {
    GuiThread gui;
    SkinWindow window(gui, page.skin);
    ASSERT_NE(window.Window(), nullptr);
    gui.Call([&] {
      auto* grid = static_cast<SkinUI::CContainerUI*>(window.Manager().FindControl(page.grid));
      ASSERT_NE(grid, nullptr) << page.picture;
      grid->Add(page.card());
    });
    Save(window.Window(), page.picture);
  }
}

// The message box of each kind, as the program opens it, over nothing.
TEST(WindowPicturesOfMessageBoxes, EachKind) {
  for (int kind = 1; kind <= 7; ++kind) {
    GuiThread gui;
    const std::wstring text = kind == 4 ? L"巡更计划已删除,请刷新后重试" : L"巡更计划已保存";
    gui.Post([text, kind] { RunMessageBox(text, nullptr, kind); });
    HWND box = nullptr;
    // The box runs its own modal loop on the window's thread: the test looks for it
    // and closes it from outside, as another program would.
    ASSERT_TRUE(TestDisplay::WaitUntil([&] {
      box = ::FindWindowW(kind == 4 ? L"MessagMultiLineWnd" : L"MessagWnd", nullptr);
      return box != nullptr && ::IsWindowVisible(box);
    })) << "the message box of kind " << kind << " did not open";
    Save(box, "MessageBox" + std::to_string(kind));
    ::PostMessageW(box, WM_CLOSE, 0, 0);
    ASSERT_TRUE(TestDisplay::WaitUntil([&] { return ::IsWindow(box) == FALSE; }))
        << "the message box of kind " << kind << " did not close";
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::string error;
  if (!platform::backend::BackendRegistry::Active(&error) || !platform::x11::X11Backend::Instance()) {
    std::fprintf(stderr, "the window pictures need PLATFORM_BACKEND=x11 and a display: %s\n", error.c_str());
    return 1;
  }
  SkinUI::CWindowManagerUI::SetInstance(::GetModuleHandleW(nullptr));
  SkinUI::CWindowManagerUI::SetResourcePath(SkinUI::CWindowManagerUI::GetInstancePath() + L"skin");
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
