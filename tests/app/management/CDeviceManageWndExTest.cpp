// The device page as a child of the stand-in main frame: the reader list with its
// fingerprint counts, the checkpoint pager as a table, the search and the placeholder,
// the last page after an add or an edit, the deletes with their audit entries, the
// checkpoint of a planned route kept, and the tab change clearing the search.
#include <gtest/gtest.h>

#include <json/json.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "app/management/CDeviceManageWndEx.h"
#include "data/StartupCaches.h"
#include "testing/ui/ControlPixels.h"
#include "testing/user/UserInput.h"
#include "tests/app/management/support/DeviceWindowTest.h"
#include "ui/controls/CListHeaderUI.h"
#include "ui/controls/CListUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using devicetest::Message;
using Texts = std::vector<std::wstring>;

std::string Numbered(const char* prefix, int n) {
  char text[32];
  std::snprintf(text, sizeof text, "%s%02d", prefix, n);
  return text;
}

class DevicePage : public devicetest::DeviceWindowTest {
 public:
  DevicePage() {
    CoverWorkArea();
  }
  ~DevicePage() override {
    CloseOpened();
    ui.Call([this] {
      if (page && ::IsWindow(page->GetHWND())) ::DestroyWindow(page->GetHWND());
      page.reset();
    });
    driver.WaitIdle();
  }

  // Checkpoints 1..n, cached and on the server; the odd ones with a camera.
  void Checkpoints(int n) {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    for (int id = 1; id <= n; ++id) {
      InspectPosDeviceInfo checkpoint;
      checkpoint.iID = id;
      checkpoint.strName = Numbered("点", id);
      checkpoint.strCode = Numbered("P", id);
      checkpoint.strAreaName = "图书馆";
      checkpoint.ifloor = 1;
      if (id % 2 == 1) checkpoint.strCamName = "一楼东";
      g_mapInspectPosDevice[id] = checkpoint;
      Json::Value stored;
      stored["iID"] = id;
      world.patrol.checkpoints().seed(stored);
    }
  }

  HWND Open() {
    page = std::make_unique<CDeviceManageWndEx>();
    ui.Call([this] { hwnd = page->Create(frame, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, 0); });
    driver.WaitIdle();
    return hwnd;
  }

  void ShowCheckpoints() {
    Click(hwnd, L"tabPositionDevice");
  }

  // The texts of one column of a list, row by row.
  Texts Column(LPCTSTR list, int column) {
    Texts texts;
    shelltest::OnWindowThread(hwnd, [&] {
      auto* rows = static_cast<SkinUI::CListUI*>(shelltest::FindControl(hwnd, list));
      for (int i = 0; i < rows->GetCount(); ++i) {
        auto* cell = static_cast<SkinUI::CContainerUI*>(
            static_cast<SkinUI::CContainerUI*>(rows->GetItemAt(i))->GetItemAt(column));
        texts.push_back(cell->GetCount() > 0 ? cell->GetItemAt(0)->GetText().GetData() : L"");
      }
    });
    return texts;
  }

  // The name of the first control of a cell.
  std::wstring CellName(LPCTSTR list, int row, int column) {
    std::wstring name;
    shelltest::OnWindowThread(hwnd, [&] {
      auto* rows = static_cast<SkinUI::CListUI*>(shelltest::FindControl(hwnd, list));
      auto* cell = static_cast<SkinUI::CContainerUI*>(
          static_cast<SkinUI::CContainerUI*>(rows->GetItemAt(row))->GetItemAt(column));
      name = cell->GetItemAt(0)->GetName().GetData();
    });
    return name;
  }

  // Clicks the button of that name in a row of a list.
  void ClickInRow(LPCTSTR list, int row, LPCTSTR button) {
    POINT centre = {-1, -1};
    shelltest::OnWindowThread(hwnd, [&] {
      auto* rows = static_cast<SkinUI::CListUI*>(shelltest::FindControl(hwnd, list));
      auto* item = static_cast<SkinUI::CContainerUI*>(rows->GetItemAt(row));
      for (int c = 0; c < item->GetCount(); ++c) {
        auto* cell = static_cast<SkinUI::CContainerUI*>(item->GetItemAt(c));
        for (int i = 0; i < cell->GetCount(); ++i) {
          if (cell->GetItemAt(i)->GetName() != button) continue;
          const RECT rc = cell->GetItemAt(i)->GetPos();
          centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
        }
      }
      ::ClientToScreen(hwnd, &centre);
    });
    driver.Click(centre.x, centre.y);
    Settle();
  }

  std::vector<std::string> AuditEvents() {
    std::vector<std::string> events;
    for (const Json::Value& entry : world.patrol.audit_log().all()) events.push_back(entry["strEvent"].asString());
    return events;
  }

  std::unique_ptr<CDeviceManageWndEx> page;
  HWND hwnd = nullptr;
};

// --- Readers -------------------------------------------------------------------------------

TEST_F(DevicePage, ListsTheReadersWithTheirFingerprintCountsAndDeletesOneWithItsAuditEntry) {
  InspectDeviceInfo first;
  first.iID = 4;
  first.strName = "一号机";
  first.strCode = "111";
  first.strReserve = "2026-01-02 08:00:00";
  InspectDeviceInfo second = first;
  second.iID = 9;
  second.strName = "二号机";
  second.strCode = "222";
  second.strReserve.clear();
  g_mapInspectDevice[4] = first;
  g_mapInspectDevice[9] = second;
  for (int id : {4, 9}) {
    Json::Value stored;
    stored["iID"] = id;
    world.patrol.readers().seed(stored);
  }
  for (int id : {1, 2}) {
    Json::Value fingerprint;
    fingerprint["iID"] = id;
    fingerprint["iDeviceID"] = 9;
    world.patrol.fingerprints().seed(fingerprint);
  }
  Open();
  EXPECT_EQ(Column(L"DeviceListManager", 1), (Texts{L"1", L"2"}));
  EXPECT_EQ(Column(L"DeviceListManager", 2), (Texts{L"一号机", L"二号机"}));
  EXPECT_EQ(Column(L"DeviceListManager", 4), (Texts{L"0", L"2"}));
  EXPECT_EQ(Column(L"DeviceListManager", 5), (Texts{L"2026-01-02 08:00:00", L"--"}));
  EXPECT_EQ(Text(hwnd, L"label_DeviceNum"), L"2");
  shelltest::SavePicture(frame, "device-page-readers");

  ClickInRow(L"DeviceListManager", 0, L"btn_DeleteDevice");
  EXPECT_EQ(Answer(L"cancle").text, L"是否删除巡更设备?");
  EXPECT_EQ(g_mapInspectDevice.size(), 2u);
  ClickInRow(L"DeviceListManager", 0, L"btn_DeleteDevice");
  Answer();
  EXPECT_EQ(Toasts().back(), L"删除成功!");
  EXPECT_EQ(AuditEvents(), std::vector<std::string>{u8"删除巡更设备-一号机"});
  EXPECT_EQ(g_mapInspectDevice.count(4), 0u);
  EXPECT_EQ(Column(L"DeviceListManager", 2), Texts{L"二号机"});

  world.http().route("POST", "/api/InspectDevice/Delete", test_support::HttpReply(200, "-1"));
  ClickInRow(L"DeviceListManager", 0, L"btn_DeleteDevice");
  Answer();
  EXPECT_EQ(Toasts().back(), L"删除失败!");
  EXPECT_EQ(g_mapInspectDevice.count(9), 1u);
}

// --- The checkpoint pager ------------------------------------------------------------------

struct PagerCase {
  const char* label;
  int checkpoints;
  const wchar_t* jump;   // typed into the page field before "btn_goto_Device"
  std::wstring message;  // "" for none
  int page;              // the page shown afterwards
  int rows;
  bool pagerVisible;
};

const PagerCase kPagerCases[] = {
    {"40 checkpoints", 40, nullptr, L"", 1, 20, true},
    {"41 checkpoints", 41, nullptr, L"", 1, 20, true},
    {"20 checkpoints", 20, nullptr, L"", 1, 20, false},
    {"an empty page field", 41, L"", L"跳转页数不能为空!", 1, 20, true},
    {"letters", 41, L"abc", L"跳转页数必须为数字!", 1, 20, true},
    {"page 0", 41, L"0", L"超过页数限制!", 1, 20, true},
    {"a leading zero", 41, L"02", L"", 2, 20, true},
    {"the last page", 41, L"3", L"", 3, 1, true},
    {"a negative page", 41, L"-1", L"跳转页数必须为数字!", 1, 20, true},
    {"a leading space", 41, L" 2", L"跳转页数必须为数字!", 1, 20, true},
    {"a page past the end", 41, L"4", L"超过页数限制!", 1, 20, true},
    {"a number too long for an int", 41, L"99999999999", L"超过页数限制!", 1, 20, true},
    {"no checkpoint at all", 0, L"5", L"", 1, 0, false},
};

TEST_F(DevicePage, ThePagerShowsTwentyRowsAPageAndRefusesBadJumps) {
  for (const PagerCase& c : kPagerCases) {
    {
      std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
      g_mapInspectPosDevice.clear();
    }
    Checkpoints(c.checkpoints);
    Open();
    ShowCheckpoints();
    if (c.jump != nullptr) {
      TypeOver(hwnd, L"current_page_Device", c.jump);
      ClickControl(hwnd, L"btn_goto_Device");
    }
    EXPECT_EQ(Answer().text, c.message) << c.label;
    EXPECT_EQ(page->CurrentPage(), c.page) << c.label;
    EXPECT_EQ(Column(L"PosDeviceList", 1).size(), static_cast<std::size_t>(c.rows)) << c.label;
    EXPECT_EQ(Visible(hwnd, L"PageShow_Device"), c.pagerVisible) << c.label;
    EXPECT_EQ(Text(hwnd, L"label_DeviceNum"), std::to_wstring(c.checkpoints)) << c.label;
    ui.Call([this] {
      ::DestroyWindow(hwnd);
      page.reset();
    });
  }
}

TEST_F(DevicePage, PagesThroughTheCheckpointsAndShowsTheirCells) {
  Checkpoints(41);
  Open();
  ShowCheckpoints();
  EXPECT_EQ(Text(hwnd, L"page_count_Device"), L"共3页");
  Click(hwnd, L"btn_next_page_Device");
  Click(hwnd, L"btn_next_page_Device");
  EXPECT_EQ(page->CurrentPage(), 3);
  EXPECT_EQ(Column(L"PosDeviceList", 1), Texts{L"41"}) << "positions go on from page to page";
  EXPECT_EQ(Column(L"PosDeviceList", 2), Texts{L"点41"});
  EXPECT_EQ(CellName(L"PosDeviceList", 0, 6), L"btn_Cam");
  EXPECT_EQ(Column(L"PosDeviceList", 7), Texts{L"--"});
  Click(hwnd, L"btn_prev_page_Device");
  EXPECT_EQ(page->CurrentPage(), 2);
  EXPECT_EQ(CellName(L"PosDeviceList", 1, 6), L"csCam") << "checkpoint 22 has no camera";
  EXPECT_EQ(Column(L"PosDeviceList", 6)[1], L"--");
  shelltest::SavePicture(frame, "device-page-checkpoints");
}

// Asking for the checkpoints again, by the search button or by Return in the name field,
// starts the list over on its first page.
TEST_F(DevicePage, TheSearchButtonAndReturnShowTheFirstPageAgain) {
  userinput::UserInput user{driver};
  const struct {
    const char* way;
    std::function<void()> act;
  } cases[] = {
      {"the search button", [&] { user.Click(hwnd, L"btn_Devicefind"); }},
      {"Return in the name field",
       [&] {
         user.Click(hwnd, L"Rich_DeviceFind");
         user.Key(VK_RETURN);
       }},
  };
  Checkpoints(25);
  Open();
  user.Click(hwnd, L"tabPositionDevice");
  for (const auto& c : cases) {
    SCOPED_TRACE(c.way);
    user.Click(hwnd, L"btn_next_page_Device");
    ASSERT_EQ(Column(L"PosDeviceList", 1).front(), L"21");
    c.act();
    EXPECT_EQ(user.Text(hwnd, L"current_page_Device"), L"1");
    EXPECT_EQ(Column(L"PosDeviceList", 1).front(), L"1");
    EXPECT_EQ(Column(L"PosDeviceList", 1).size(), 20u);
  }
}

TEST_F(DevicePage, TheClearButtonEmptiesTheSearchAndShowsEveryCheckpointAgain) {
  userinput::UserInput user{driver};
  Checkpoints(25);
  Open();
  user.Click(hwnd, L"tabPositionDevice");
  EXPECT_FALSE(user.Visible(hwnd, L"btn_clear"));
  user.Type(hwnd, L"Rich_DeviceFind", L"点0");
  ASSERT_EQ(Column(L"PosDeviceList", 1).size(), 9u);
  user.Click(hwnd, L"btn_clear");
  EXPECT_EQ(user.Text(hwnd, L"Rich_DeviceFind"), L"");
  EXPECT_FALSE(user.Visible(hwnd, L"btn_clear"));
  EXPECT_EQ(Column(L"PosDeviceList", 1).size(), 20u);
  EXPECT_EQ(user.Text(hwnd, L"label_DeviceNum"), L"25");
}

TEST_F(DevicePage, DeletingTheOnlyCheckpointOfTheLastPageShowsThePageBefore) {
  Checkpoints(41);
  Open();
  ShowCheckpoints();
  TypeOver(hwnd, L"current_page_Device", L"3");
  Click(hwnd, L"btn_goto_Device");
  ClickInRow(L"PosDeviceList", 0, L"btn_DeletePosDevice");
  EXPECT_EQ(Answer().text, L"是否删除巡更点?");
  EXPECT_EQ(Toasts().back(), L"删除成功!");
  EXPECT_EQ(page->CurrentPage(), 2);
  EXPECT_EQ(Column(L"PosDeviceList", 1).size(), 20u);
  EXPECT_EQ(AuditEvents(), std::vector<std::string>{u8"删除巡更点设备-点41"});
  std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
  EXPECT_EQ(g_mapInspectPosDevice.count(41), 0u);
}

TEST_F(DevicePage, ACheckpointOnTheRouteOfAPlanIsKeptAndOneOnAnUnplannedRouteGoes) {
  Checkpoints(4);
  InspectRouteDeviceInfo planned;
  planned.iDeviceID = 1;
  InspectRouteDeviceInfo unplanned;
  unplanned.iDeviceID = 2;
  g_mapInspectRoute[7].iID = 7;
  g_mapInspectRoute[7].mapArea[5].listDevice.push_back(planned);
  g_mapInspectRoute[8].iID = 8;
  g_mapInspectRoute[8].mapArea[5].listDevice.push_back(unplanned);
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    g_mapInspectPlan[3].iID = 3;
    g_mapInspectPlan[3].iRouteID = 7;
  }
  Open();
  ShowCheckpoints();
  ClickInRow(L"PosDeviceList", 0, L"btn_DeletePosDevice");
  const Message refusal = Answer();
  EXPECT_EQ(refusal.text, L"当前巡更点已存在于巡更线路中，\r\n不能进行删除！");
  EXPECT_EQ(refusal.kind, 1);
  EXPECT_EQ(Answer().text, L"") << "no question after the refusal";

  ClickInRow(L"PosDeviceList", 1, L"btn_DeletePosDevice");
  EXPECT_EQ(Answer().text, L"是否删除巡更点?");
  EXPECT_EQ(Column(L"PosDeviceList", 2), (Texts{L"点01", L"点03", L"点04"}));
  EXPECT_EQ(AuditEvents(), std::vector<std::string>{u8"删除巡更点设备-点02"});
}

TEST_F(DevicePage, ASearchThatMatchesNothingShowsThePlaceholderAndTheTabChangeClearsIt) {
  Checkpoints(3);
  Open();
  ShowCheckpoints();
  Type(hwnd, L"Rich_DeviceFind", L"点0");
  EXPECT_EQ(Column(L"PosDeviceList", 1).size(), 3u);
  EXPECT_TRUE(Visible(hwnd, L"btn_clear"));
  Type(hwnd, L"Rich_DeviceFind", L"9");
  EXPECT_EQ(Text(hwnd, L"label_DeviceNum"), L"0");
  EXPECT_TRUE(Visible(hwnd, L"hlNoContent"));
  EXPECT_FALSE(Visible(hwnd, L"PosDeviceList"));
  EXPECT_FALSE(Visible(hwnd, L"PageShow_Device"));

  Click(hwnd, L"tabDevice");
  EXPECT_EQ(Text(hwnd, L"Rich_DeviceFind"), L"");
  EXPECT_EQ(page->CurrentTab(), CDeviceManageWndEx::TAB_READERS);
  Click(hwnd, L"tabPositionDevice");
  EXPECT_EQ(Column(L"PosDeviceList", 1).size(), 3u) << "the search went with the tab change";
  EXPECT_FALSE(Visible(hwnd, L"hlNoContent"));
}

TEST_F(DevicePage, AnAddedOrEditedCheckpointIsShownOnTheLastPage) {
  DigiAreaInfo building;
  building.buildingId = 5;
  building.buildingName = "图书馆";
  building.floorNumber = 2;
  g_mapDigiArea[5] = building;
  Checkpoints(25);
  Open();
  ShowCheckpoints();
  EXPECT_EQ(page->CurrentPage(), 1);
  ClickControl(hwnd, L"AddDeviceBtn");
  Settle();
  HWND dialog = shelltest::FindWindowOfClass(L"CAddDevicePositionWnd");
  ASSERT_NE(dialog, nullptr);
  TypeOver(dialog, L"Edit_Name", L"新点");
  TypeOver(dialog, L"Edit_code", L"PN");
  Click(dialog, L"btn_Ok");
  EXPECT_EQ(Toasts().back(), L"添加成功!");
  EXPECT_EQ(page->CurrentPage(), 2);
  EXPECT_EQ(Column(L"PosDeviceList", 2).back(), L"新点");

  TypeOver(hwnd, L"current_page_Device", L"1");
  Click(hwnd, L"btn_goto_Device");
  ClickInRow(L"PosDeviceList", 0, L"btn_EditPosDevice");
  dialog = shelltest::FindWindowOfClass(L"CAddDevicePositionWnd");
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(Text(dialog, L"Edit_Name"), L"点01");
  Click(dialog, L"btn_Ok");
  EXPECT_EQ(Toasts().back(), L"编辑成功!");
  EXPECT_EQ(page->CurrentPage(), 2);
}

TEST_F(DevicePage, TheCameraButtonOpensTheCameraDialogOfItsCheckpoint) {
  Checkpoints(1);
  Open();
  ShowCheckpoints();
  ClickInRow(L"PosDeviceList", 0, L"btn_Cam");
  HWND camera = shelltest::FindWindowOfClass(L"CamPlay");
  ASSERT_NE(camera, nullptr) << "checkpoint 1 has a camera, though no address to play";
  EXPECT_FALSE(::IsWindowEnabled(frame)) << "modal over the main frame";
  Click(camera, L"btn_close");
  EXPECT_EQ(shelltest::FindWindowOfClass(L"CamPlay"), nullptr);
  EXPECT_TRUE(::IsWindowEnabled(frame));
}

TEST_F(DevicePage, TheSearchButtonTakesTheFocusWhenTheFrameSelectsThePage) {
  Open();
  std::wstring focused;
  ui.Call([&] {
    page->FocusFindButton();
    SkinUI::CControlUI* focus = shelltest::ManagerOf(hwnd)->GetFocus();
    focused = focus != nullptr ? focus->GetName().GetData() : L"";
  });
  EXPECT_EQ(focused, L"btn_Devicefind");
}

}  // namespace

// --- Look ----------------------------------------------------------------------------------

namespace look {

const uint32_t kAccent = 0xFFD7F334;
const uint32_t kMuted = 0xFFA9B2B8;

}  // namespace look

// What a person sees of the reader list: the count in the palette's accent, the row
// numbers alone at the left of each row (the record ids kept out of sight), the title
// "操作" over the row's buttons, and the search box's placeholder in the middle of its
// height.
TEST_F(DevicePage, TheCountRowsAndSearchPlaceholderLookAsTheOtherPages) {
  for (int id : {1429, 1430, 7}) {
    InspectDeviceInfo reader;
    reader.iID = id;
    reader.strName = "巡更棒" + std::to_string(id);
    reader.strCode = std::to_string(id);
    g_mapInspectDevice[id] = reader;
  }
  Open();
  RECT count{}, search{}, list{}, index{}, title{}, edit{}, remove{};
  shelltest::OnWindowThread(hwnd, [&] {
    count = shelltest::FindControl(hwnd, L"label_DeviceNum")->GetPos();
    search = shelltest::FindControl(hwnd, L"Rich_DeviceFind")->GetPos();
    auto* rows = static_cast<SkinUI::CListUI*>(shelltest::FindControl(hwnd, L"DeviceListManager"));
    list = rows->GetItemAt(0)->GetPos();
    auto* row = static_cast<SkinUI::CContainerUI*>(rows->GetItemAt(0));
    index = static_cast<SkinUI::CContainerUI*>(row->GetItemAt(1))->GetItemAt(0)->GetPos();
    title = rows->GetHeader()->GetItemAt(rows->GetHeader()->GetCount() - 1)->GetPos();
    auto* buttons = static_cast<SkinUI::CContainerUI*>(row->GetItemAt(row->GetCount() - 1));
    edit = buttons->GetItemAt(0)->GetPos();
    remove = buttons->GetItemAt(1)->GetPos();
  });
  // The page is a child of the frame: what is shown is the frame's picture.
  auto shown = [&](RECT rc) {
    ::MapWindowPoints(hwnd, ::GetAncestor(hwnd, GA_ROOT), reinterpret_cast<POINT*>(&rc), 2);
    return controltest::ControlPixels(::GetAncestor(hwnd, GA_ROOT), rc);
  };
  const controltest::ControlPixels figure = shown(count);
  EXPECT_GT(figure.Count(look::kAccent), 0) << "the count is not drawn in the accent colour";
  EXPECT_EQ(figure.Count(0xFFFFFF00), 0) << "the count is drawn in a yellow of no palette";

  // From the row's left edge to just before its number: nothing but the row's face.
  const int numberLeft = (index.left + index.right) / 2 - 12;
  // Inside the row's grid lines.
  const controltest::ControlPixels left = shown(RECT{list.left, list.top + 4, numberLeft, list.bottom - 4});
  ASSERT_GT(left.Width(), 0);
  const RECT stray = left.InkBox(left.At(left.Width() - 1, left.Height() / 2));
  EXPECT_EQ(stray.right - stray.left, 0) << "something is drawn left of the row number, from x " << stray.left
                                         << " to " << stray.right;

  const controltest::ControlPixels header = shown(title);
  ASSERT_GT(header.Width(), 0);
  const RECT words = header.InkBox(header.At(2, 2));
  const int wordsCentre = title.left + (words.left + words.right) / 2;
  const int buttonsCentre = (edit.left + remove.right) / 2;
  EXPECT_LE(std::abs(wordsCentre - buttonsCentre), 8)
      << "the last column's title is centred at x " << wordsCentre << ", the row's buttons at " << buttonsCentre;

  const controltest::ControlPixels box = shown(search);
  ASSERT_GT(box.Height(), 10);
  const RECT inside = {2, 2, box.Width() - 2, box.Height() - 2};
  RECT tip = {box.Width(), box.Height(), 0, 0};
  for (int y = inside.top; y < inside.bottom; ++y) {
    for (int x = inside.left; x < inside.right; ++x) {
      if (box.At(x, y) != look::kMuted) continue;
      tip.top = std::min<LONG>(tip.top, y);
      tip.bottom = std::max<LONG>(tip.bottom, y + 1);
    }
  }
  ASSERT_LT(tip.top, tip.bottom) << "no placeholder in the muted colour";
  const int above = tip.top, below = box.Height() - tip.bottom;
  EXPECT_LE(std::abs(above - below), 3) << "the placeholder sits " << above << " px from the top and " << below
                                        << " px from the bottom";
}
