// The message box as every page meets it: each kind closed each way it can be, with
// its buttons, icon and background; where the icon goes for texts of every length; how
// the two-line kind splits its text; the shade while a box is open, from the UI thread
// and from a worker; the details button.
#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <string>
#include <vector>

#include "app/shell/BkWindow.h"
#include "app/shell/ShowMessage.h"
#include "platform/user/WorkerThread.h"
#include "tests/app/shell/support/ShellWindowTest.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/core/control/CContainerUI.h"
#include "ui/core/manager/CWindowManagerUI.h"
#include "ui/core/render/CSkinRenderer.h"

namespace {

using shelltest::FindControl;
using shelltest::FindWindowOfClass;
using shelltest::ImagesOf;
using shelltest::OnWindowThread;
using Strings = std::vector<std::wstring>;

const wchar_t kOneText[] = L"MessagWnd";
const wchar_t kTwoLines[] = L"MessagMultiLineWnd";
const std::wstring kRed = L"MessageUI/提示--弹窗背景-red.png";

// How a test closes the box.
enum class Way { Yes, Cancel, CloseButton, PostedClose };

const char* WayName(Way way) {
  switch (way) {
    case Way::Yes: return "yes";
    case Way::Cancel: return "cancle";
    case Way::CloseButton: return "close";
    default: return "WM_CLOSE";
  }
}

// What a box showed while it was open.
struct Shown {
  Strings buttons;   // "name text width x height", "-" for an unnamed spacer
  std::wstring contextImage;
  std::wstring backgroundImage;
  Strings lines;     // the two-line box's labels
};

class MessageBoxes : public shelltest::ShellWindowTest {
 protected:
  // Opens the box from the UI thread; `result` gets RunMessageBox's answer, or
  // ShowMessage's as 1 or 0.
  void Open(const std::wstring& text, int kind, bool asShowMessage = false) {
    result = -1;
    ui.Post([this, text, kind, asShowMessage] {
      result = asShowMessage ? (ShowMessage(text, frame, kind) ? 1 : 0)
                             : static_cast<int>(RunMessageBox(text, frame, kind));
    });
    ASSERT_TRUE(driver.WaitIdle());
    box = FindWindowOfClass(kind == 4 ? kTwoLines : kOneText);
    ASSERT_NE(box, nullptr);
  }

  Shown Look() {
    Shown shown;
    OnWindowThread(box, [&] {
      auto* row = static_cast<SkinUI::CContainerUI*>(FindControl(box, L"YesNo"));
      for (int i = 0; row != nullptr && i < row->GetCount(); ++i) {
        SkinUI::CControlUI* item = row->GetItemAt(i);
        const std::wstring name = item->GetName().GetData();
        shown.buttons.push_back(name.empty() ? L"-"
                                             : name + L" " + item->GetText().GetData() + L" " +
                                                   std::to_wstring(item->GetFixedWidth()) + L"x" +
                                                   std::to_wstring(item->GetFixedHeight()));
      }
      SkinUI::CControlUI* context = FindControl(box, L"VContext");
      shown.contextImage = ImagesOf::Background(context);
      shown.backgroundImage = ImagesOf::Background(FindControl(box, L"mainContain"));
      auto* lines = static_cast<SkinUI::CContainerUI*>(context->GetInterface(L"Container"));
      for (int i = 0; lines != nullptr && i < lines->GetCount(); ++i) {
        shown.lines.push_back(lines->GetItemAt(i)->GetText().GetData());
      }
    });
    return shown;
  }

  void CloseBy(Way way) {
    switch (way) {
      case Way::Yes: ClickControl(box, L"yes"); break;
      case Way::Cancel: ClickControl(box, L"cancle"); break;
      case Way::CloseButton: ClickControl(box, L"close"); break;
      case Way::PostedClose: ::PostMessageW(box, WM_CLOSE, 0, 0); break;
    }
    ASSERT_TRUE(driver.WaitIdle());
  }

  std::atomic<int> result{-1};
  HWND box = nullptr;
};

// --- Every kind, every way it closes ---------------------------------------------------

struct KindCase {
  int kind;
  Way way;
  int modalResult;
  Strings buttons;
  std::wstring contextImage;
  std::wstring backgroundImage;
};

std::ostream& operator<<(std::ostream& out, const KindCase& c) { return out << "kind " << c.kind << " by " << WayName(c.way); }

class KindsAndWays : public MessageBoxes, public ::testing::WithParamInterface<KindCase> {};

// The text of the table: four characters, so the icon sits at 104, 20, 151, 62.
const wchar_t kText[] = L"巡更计划";

std::wstring Icon(const std::wstring& file) { return L"file='MessageUI/图标（中）---" + file + L"' dest='104,20,151,62'"; }

const Strings kNone = {};
const Strings kOk = {L"-", L"yes 确定 88x40", L"-"};
const Strings kOkCancel = {L"-", L"yes 确定 88x40", L"Intercede  40x0", L"cancle 取消 88x40", L"RightTaken  0x0"};
const Strings kRedOkCancel = {L"-", L"yes 确定 105x39", L"Intercede  20x0", L"cancle 取消 105x39",
                              L"RightTaken  0x0"};
const Strings kDetails = {L"-", L"yes 确定 88x40", L"Intercede  40x0", L"ReadFailPicDetail 查看详情 70x30",
                          L"RightTaken  120x0"};

std::vector<KindCase> AllKindsAndWays() {
  struct Kind {
    int kind;
    Strings buttons;
    std::wstring contextImage;
    std::wstring backgroundImage;
    bool yes, cancel;
  };
  const Kind kinds[] = {
      {0, kNone, L"", L"", false, false},
      {1, kOk, Icon(L"提示.png"), L"", true, false},
      {2, kOkCancel, Icon(L"询问.png"), L"", true, true},
      {3, kOk, L"", kRed, true, false},
      {4, kRedOkCancel, L"", kRed, true, true},
      {5, kDetails, L"", L"", true, false},
      {6, kOk, Icon(L"操作成功.png"), L"", true, false},
      {7, kNone, Icon(L"操作失败.png"), L"", false, false},
      {8, kNone, L"", L"", false, false},
  };
  std::vector<KindCase> cases;
  for (const Kind& k : kinds) {
    if (k.yes) cases.push_back({k.kind, Way::Yes, 1, k.buttons, k.contextImage, k.backgroundImage});
    if (k.cancel) cases.push_back({k.kind, Way::Cancel, 2, k.buttons, k.contextImage, k.backgroundImage});
    cases.push_back({k.kind, Way::CloseButton, 3, k.buttons, k.contextImage, k.backgroundImage});
    cases.push_back({k.kind, Way::PostedClose, 0, k.buttons, k.contextImage, k.backgroundImage});
  }
  return cases;
}

TEST_P(KindsAndWays, ShowTheirButtonsAndCloseWithTheirResult) {
  const KindCase& c = GetParam();
  const std::wstring text = c.kind == 4 ? L"巡更计划,已被删除" : kText;
  Open(text, c.kind);
  const Shown shown = Look();
  EXPECT_EQ(shown.buttons, c.buttons);
  EXPECT_EQ(shown.contextImage, c.contextImage);
  EXPECT_EQ(shown.backgroundImage, c.backgroundImage);
  if (c.way == Way::PostedClose) shelltest::SavePicture(box, "message-kind" + std::to_string(c.kind));
  CloseBy(c.way);
  EXPECT_FALSE(::IsWindow(box));
  EXPECT_EQ(result.load(), c.modalResult);

  Open(text, c.kind, true);
  CloseBy(c.way);
  EXPECT_EQ(result.load(), c.way == Way::Yes ? 1 : 0) << "ShowMessage is true for 确定 only";
  EXPECT_TRUE(::IsWindowEnabled(frame));
}

INSTANTIATE_TEST_SUITE_P(Table, KindsAndWays, ::testing::ValuesIn(AllKindsAndWays()));

// --- The icon's place ------------------------------------------------------------------

TEST_F(MessageBoxes, TheIconGoesByTheFirstLinesLengthWithIntegerDivision) {
  const struct {
    std::wstring text;
    std::wstring dest;
  } cases[] = {
      {L"", L"142,20,189,62"},
      {L"存", L"133,20,180,62"},
      {L"保存成功!", L"95,20,142,62"},
      {std::wstring(30, L'巡'), L"-142,20,-95,62"},
      {L"\r\n第二行", L"142,-8,189,34"},
      {L"存\r\n第二行", L"133,-8,180,34"},
      {L"当前巡更线\r\n不能进行删除！", L"95,-8,142,34"},
      {std::wstring(30, L'巡') + L"\r\n二", L"-142,-8,-95,34"},
  };
  for (const auto& c : cases) {
    Open(c.text, 1);
    EXPECT_EQ(Look().contextImage, L"file='MessageUI/图标（中）---提示.png' dest='" + c.dest + L"'")
        << c.text.size() << " characters";
    CloseBy(Way::PostedClose);
  }
}

// The longest texts the pages put into the one-text box: each of their lines is inside
// the box, none cut off at its foot.
TEST_F(MessageBoxes, EveryLineOfTheLongestMessagesIsInsideTheBox) {
  const std::wstring texts[] = {
      L"巡更人员：陈磊巡查时间\r\n与计划：本部夜巡\r\n巡查时间重叠，请调整时间或人员",
      L"您不具有该计划类型权限,\r\n请联系超级管理员分配该计划类型权限!",
      L"当前巡更点已存在于巡更线路中，\r\n不能进行删除！",
      L"保存成功!",
  };
  for (const std::wstring& text : texts) {
    SCOPED_TRACE(std::to_string(text.size()) + " characters");
    Open(text, 1);
    int needed = 0;
    int room = 0;
    OnWindowThread(box, [&] {
      auto* context = dynamic_cast<SkinUI::CLabelUI*>(FindControl(box, L"VContext"));
      if (context == nullptr) return;
      const RECT pos = context->GetPos();
      const RECT padding = context->GetTextPadding();
      RECT text_rect = {0, 0, (pos.right - pos.left) - padding.left - padding.right, 10000};
      SkinUI::CWindowManagerUI* manager = context->GetManager();
      SkinUI::CSkinRenderer::DrawPlainText(manager->GetPaintDC(), manager, text_rect, text.c_str(), 0,
                                           context->GetFont(), context->GetTextStyle() | DT_CALCRECT);
      needed = text_rect.bottom - text_rect.top;
      room = (pos.bottom - pos.top) - padding.top - padding.bottom;
    });
    EXPECT_GT(needed, 0);
    EXPECT_LE(needed, room) << "the text needs " << needed << " px, the box gives it " << room;
    CloseBy(Way::PostedClose);
  }
}

// --- The two-line box's lines ----------------------------------------------------------

TEST_F(MessageBoxes, TheTwoLineBoxShowsTheFirstTwoPartsBetweenCommas) {
  const struct {
    std::wstring text;
    Strings lines;
  } cases[] = {
      {L"巡更计划,已被删除", {L"巡更计划", L"已被删除"}},
      {L"巡更计划", {L"巡更计划", L"数据格式错误!"}},
      {L"巡更计划,,已被删除", {L"巡更计划", L"已被删除"}},
      {L",巡更计划,已被删除", {L"巡更计划", L"已被删除"}},
      {L"a,b,c", {L"a", L"b"}},
      {L"", {L"数据格式错误!"}},
  };
  for (const auto& c : cases) {
    Open(c.text, 4);
    EXPECT_EQ(Look().lines, c.lines) << "text of " << c.text.size() << " characters";
    CloseBy(Way::PostedClose);
  }
}

// --- The shade -------------------------------------------------------------------------

class Shade : public MessageBoxes {
 protected:
  Shade() {
    ui.Call([this] {
      shade.CreateHidden(frame);
      g_pBkWnd = &shade;
    });
  }
  ~Shade() override {
    ui.Call([this] {
      g_pBkWnd = nullptr;
      if (::IsWindow(shade.GetHWND())) ::DestroyWindow(shade.GetHWND());
    });
  }
  bool ShadeShown() { return ::IsWindowVisible(shade.GetHWND()) != FALSE; }

  BkWindow shade;
};

TEST_F(Shade, CoversTheFrameWhileABoxIsOpen) {
  EXPECT_FALSE(ShadeShown());
  EXPECT_EQ(::GetWindow(shade.GetHWND(), GW_OWNER), frame);
  RECT rc = {};
  ::GetWindowRect(shade.GetHWND(), &rc);
  EXPECT_EQ(rc.right, 1920);
  EXPECT_EQ(rc.bottom, 1040) << "to the bottom of the work area";

  Open(L"确定删除该巡更点吗?", 2);
  EXPECT_TRUE(ShadeShown());
  EXPECT_EQ(::GetForegroundWindow(), box) << "the box is above the shade";
  shelltest::SavePicture(shade.GetHWND(), "shade");
  CloseBy(Way::Yes);
  EXPECT_EQ(result.load(), 1);
  EXPECT_FALSE(ShadeShown());
}

TEST_F(MessageBoxes, OpenWithoutAShadeYet) {
  ASSERT_EQ(g_pBkWnd, nullptr);
  Open(L"用户名不能为空!", 1);
  EXPECT_FALSE(::IsWindowEnabled(frame));
  CloseBy(Way::Yes);
  EXPECT_EQ(result.load(), 1);
  EXPECT_TRUE(::IsWindowEnabled(frame));
}

// A worker's box runs on the worker's thread; the shade and the owner are the UI
// thread's, which waits for the worker and serves them meanwhile.
TEST_F(Shade, ABoxFromAWorkerThreadUsesTheUiThreadsShade) {
  std::promise<void> counted;
  std::atomic<bool> answer{false};
  std::promise<void> joined;
  ui.Post([&] {
    platform::WorkerThread worker([&] {
      MSG msg;
      ::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // the driver counts this thread from here
      counted.set_value();
      answer = ShowMessage(L"导出成功!", frame, 6);
    });
    worker.WaitPumping();
    joined.set_value();
  });
  counted.get_future().wait();
  ASSERT_TRUE(driver.WaitIdle());
  box = FindWindowOfClass(kOneText);
  ASSERT_NE(box, nullptr);
  EXPECT_NE(::GetWindowThreadProcessId(box, nullptr), ::GetWindowThreadProcessId(frame, nullptr));
  EXPECT_TRUE(ShadeShown());
  EXPECT_FALSE(::IsWindowEnabled(frame));
  CloseBy(Way::Yes);
  joined.get_future().wait();
  EXPECT_TRUE(answer.load());
  EXPECT_FALSE(ShadeShown());
  EXPECT_TRUE(::IsWindowEnabled(frame));
}

// --- The details button ----------------------------------------------------------------

TEST_F(MessageBoxes, TheDetailsButtonOpensThePictureNotesAndTheBoxStays) {
  struct Call {
    std::wstring verb, file;
    int show;
  };
  std::vector<Call> calls;
  platform::SetShellExecuteHook([&](const std::wstring& verb, const std::wstring& file, const std::wstring&,
                                    const std::wstring&, int show) -> INT_PTR {
    calls.push_back({verb, file, show});
    return SE_ERR_FNF;  // no notes there: nothing is reported
  });
  Open(L"图片读取失败", 5);
  OnWindowThread(box, [&] {
    auto* details = static_cast<SkinUI::CButtonUI*>(FindControl(box, L"ReadFailPicDetail"));
    EXPECT_EQ(details->GetFont(), 12);
    const RECT padding = details->GetPadding();
    EXPECT_EQ(padding.top, 10);
    EXPECT_EQ(ImagesOf::Normal(details), L"file='ExaminationManagement/浏览原始.png'");
    EXPECT_EQ(ImagesOf::Hot(details), L"file='MessageUI/确定取消经过.png'");
  });
  ClickControl(box, L"ReadFailPicDetail");
  platform::SetShellExecuteHook(nullptr);

  wchar_t module[MAX_PATH] = {0};
  const std::wstring program(module, ::GetModuleFileNameW(nullptr, module, MAX_PATH));
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].verb, L"") << "the default verb";
  EXPECT_EQ(calls[0].file, program.substr(0, program.rfind(L'/') + 1) + L"PictInfo.txt");
  EXPECT_EQ(calls[0].show, SW_SHOWNORMAL);
  EXPECT_TRUE(::IsWindow(box));
  EXPECT_EQ(result.load(), -1) << "still open";
  CloseBy(Way::CloseButton);
  EXPECT_EQ(result.load(), 3);
}

}  // namespace
