// The reader dialog against the simulated reader and the test server: the reader calls
// of connect, reset, save, fingerprint capture and delete as tables over the reader's call
// log (with the toast or message, the log line and whether the reader is left open), what
// the server is sent, the save's refusals through clicks and typing, edit mode, and the
// fingerprint tiles.
#include <gtest/gtest.h>

#include <json/json.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/management/CAddDeviceWnd.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "platform/base/CodePage.h"
#include "testing/base/LocalTime.h"
#include "tests/app/management/support/DeviceWindowTest.h"
#include "tests/app/management/support/WaysOut.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/COptionUI.h"
#include "ui/controls/CRichEditUI.h"
#include "ui/core/control/CContainerUI.h"

namespace {

using devicetest::Message;
using Lines = std::vector<std::string>;
using Texts = std::vector<std::wstring>;

const int kReader = 10;
const char kCode[] = "12345678";
const char kOpen[] = "1 -> 1";
const char kId[] = "4 -> 12345678";
const char kBook[] = "104 \"张三\\t13800000001\\t0000000001\\r\\n\" -> 0";
const char kClock[] = "6 2026 3 14 9 26 53 -> 0";
const char kClose[] = "2 -> 0";
const wchar_t kNotConnected[] = L"设备未连接，请先连接巡更设备!";
const wchar_t kMismatch[] = L"设备连接错误，当前连接设备编码不匹配\r\n，请检查设备是否连接错误!";
const wchar_t kCaptureFailed[] = L"指纹采集失败，请重新采集!";

Json::Value Json(const std::string& text) {
  Json::Value value;
  Json::Reader().parse(text, value);
  return value;
}

PeopleInfo Person(int id, const char* name, const char* phone) {
  PeopleInfo person;
  person.iID = id;
  person.strName = name;
  person.strTelephone = phone;
  return person;
}

class ReaderDialog : public devicetest::DeviceWindowTest {
 public:
  ReaderDialog() {
    platform::PinWallClock(test_support::LocalTime(2026, 3, 14, 9, 26, 53));
    g_mapPeople[1] = Person(1, "张三", "13800000001");
    g_mapPeople[2] = Person(2, "李四", "13800000002");
    g_mapPeople[3] = Person(3, "王五", "13800000003");
    edited.iID = kReader;
    edited.strName = "一号机";
    edited.strCode = kCode;
    edited.strReserve = "2026-01-02 08:00:00";
    edited.iPeopleID = 2;
    edited.strTelephone = "13800000002";
    edited.iVoiceStatus = 0;
    edited.iVoice = 2;
    edited.iNotifyWay = 1;
    edited.ServerType = 2;
    edited.Serveraddr = "patrol.example";
    g_mapInspectDevice[kReader] = edited;
    Json::Value stored;
    stored["iID"] = kReader;
    world.patrol.readers().seed(stored);
  }
  ~ReaderDialog() override {
    CloseOpened();
    ui.Call([this] { dialog.reset(); });
    platform::UnpinWallClock();
  }

  // A fingerprint of the edited reader on the server: its id.
  int Enrolled(int id, int person, const char* code) {
    Json::Value fingerprint;
    fingerprint["iID"] = id;
    fingerprint["iDeviceID"] = kReader;
    fingerprint["iPeopleID"] = person;
    fingerprint["strCode"] = code;
    return world.patrol.fingerprints().seed(fingerprint);
  }

  HWND Open(int mode) {
    dialog = std::make_unique<CAddDeviceWnd>(mode);
    OpenModal(dialog.get(), mode == 1 ? L"新增巡更设备" : L"编辑巡更设备", [this, mode] {
      if (mode == 2) dialog->LoadDevice(edited);
    });
    return Opened();
  }

  // A filled add form: a name, the code read from the reader on the desk (a second
  // one, 87654321) by its connect button, 张三 as contact.
  HWND OpenFilledAdd() {
    reader.SetId(87654321);
    HWND hwnd = Open(1);
    TypeOver(hwnd, L"Edit_Device_Name", L"二号机");
    Click(hwnd, L"Btn_AddDevice");
    // What the save asks of the reader is checked on its own.
    reader.ClearCalls();
    Select(hwnd, L"Comb_EmergencyContactPerson", 2);
    return hwnd;
  }

  std::vector<std::string> AuditEvents() {
    std::vector<std::string> events;
    for (const Json::Value& entry : world.patrol.audit_log().all()) events.push_back(entry["strEvent"].asString());
    return events;
  }

  // The names on the fingerprint tiles.
  Texts Tiles(HWND hwnd) {
    Texts names;
    shelltest::OnWindowThread(hwnd, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(shelltest::FindControl(hwnd, L"TileLayout_people"));
      for (int i = 0; i < tiles->GetCount(); ++i) {
        auto* tile = static_cast<SkinUI::CContainerUI*>(tiles->GetItemAt(i));
        names.push_back(tile->GetItemAt(0)->GetText().GetData());
      }
    });
    return names;
  }

  // Clicks the delete button of the tile at that index.
  void ClickTileDelete(HWND hwnd, int index) {
    POINT centre = {-1, -1};
    shelltest::OnWindowThread(hwnd, [&] {
      auto* tiles = static_cast<SkinUI::CContainerUI*>(shelltest::FindControl(hwnd, L"TileLayout_people"));
      const RECT rc = static_cast<SkinUI::CContainerUI*>(tiles->GetItemAt(index))->GetItemAt(1)->GetPos();
      centre = POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
      ::ClientToScreen(hwnd, &centre);
    });
    driver.Click(centre.x, centre.y);
  }

  InspectDeviceInfo edited;
  std::unique_ptr<CAddDeviceWnd> dialog;
};

// What one reader action left: the calls, what the user was told, the log and the reader.
struct Expected {
  Lines calls;
  std::wstring told;  // a toast or a message ("" for neither)
  std::string log;    // the level-3 line, "" for none
  bool open = true;
};

void ExpectOutcome(devicetest::DeviceWindowTest& t, const Expected& e, const std::wstring& told,
                   const char* label) {
  EXPECT_EQ(t.reader.Calls(), e.calls) << label;
  EXPECT_EQ(told, e.told) << label;
  const Lines lines = t.ReaderLogLines();
  EXPECT_EQ(lines, e.log.empty() ? Lines{} : Lines{"3 " + e.log}) << label;
  EXPECT_EQ(t.reader.IsOpen(), e.open) << label;
}

std::wstring LastToast(devicetest::DeviceWindowTest& t) {
  const Texts toasts = t.Toasts();
  return toasts.empty() ? std::wstring() : toasts.back();
}

// --- Connect -------------------------------------------------------------------------------

struct ConnectCase {
  const char* label;
  int mode;
  std::function<void(ReaderDialog&)> setup;
  Expected expected;
  std::wstring code;  // the code edit's text afterwards
};

std::vector<ConnectCase> ConnectCases() {
  const char* openFailed = "登陆巡更设备失败，OpenDevice()接口返回值-1！\n";
  return {
      {"add", 1, nullptr, {{kOpen, kId}, L"设备连接成功!", ""}, L"12345678"},
      {"add without a reader", 1, [](ReaderDialog& t) { t.reader.SetPresent(false); },
       {{"1 -> -1"}, kNotConnected, openFailed, false}, L""},
      {"add with the id failing", 1, [](ReaderDialog& t) { t.reader.InjectFailure(4, -2); },
       {{kOpen, "4 -> -2"}, L"获取巡更设备ID失败!", "获取巡更设备ID失败，GetDeviceId()接口返回值-2！\n"}, L""},
      {"edit, same reader", 2, nullptr, {{kOpen, kId}, L"设备连接成功!", ""}, L"12345678"},
      {"edit, another reader", 2, [](ReaderDialog& t) { t.reader.SetId(999); },
       {{kOpen, "4 -> 999"}, kMismatch, ""}, L"12345678"},
      {"edit, empty code", 2, [](ReaderDialog& t) { t.edited.strCode.clear(); },
       {{kOpen, kId}, L"设备编码不能为空!", ""}, L""},
  };
}

TEST_F(ReaderDialog, ConnectOpensTheReaderReadsItsIdAndLeavesItOpen) {
  for (const ConnectCase& c : ConnectCases()) {
    reader.Reset();
    ClearRecords();
    edited.strCode = kCode;
    if (c.setup) c.setup(*this);
    HWND hwnd = Open(c.mode);
    ClickControl(hwnd, L"Btn_AddDevice");
    const Message message = Answer();
    ExpectOutcome(*this, c.expected, message.text.empty() ? LastToast(*this) : message.text, c.label);
    EXPECT_EQ(Text(hwnd, L"Edit_Device_Code"), c.code) << c.label;
    CloseOpened();
    ui.Call([this] { dialog.reset(); });
  }
}

// --- Reset ---------------------------------------------------------------------------------

const Lines kResetCalls = {kOpen,       kId,         "5 0 -> 0",    "8 -> 0",
                           "136 -> 0",  "104 \"\" -> 0", "137 1 -> 0", "149 5 -> 0",
                           "177 180 -> 0", "221 2 -> 0", "55 \"\" 0 -> 0", "56 \"\" \"141.141.141\" 0 -> 0"};

TEST_F(ReaderDialog, AResetStopsAtTheFirstFailingSettingWithoutClosingTheReader) {
  const struct {
    int ordinal;
    const char* log;
  } failures[] = {
      {104, "登陆巡更设备失败，SetAddressBook()接口返回值-7！\n"},
      {137, "设置语音状态失败，SetVoice()接口返回值-7！\n"},
      {149, "设置音量，SetVolume()接口返回值-7！\n"},
      {177, "设置设备低电发送间隔失败，SetLowAutoSendInterval()接口返回值-7！\n"},
      {221, "设置来电提醒方式失败，SetCallreminder()接口返回值-7！\n"},
      {55, "设置服务器IP端口号失败，SetIpAndPort()接口返回值-7！\n"},
      {56, "设置服务器域名失败，SetDomain()接口返回值-7！\n"},
  };
  HWND hwnd = Open(2);
  for (const auto& f : failures) {
    reader.Reset();
    ClearRecords();
    reader.InjectFailure(f.ordinal, -7);
    ClickControl(hwnd, L"Btn_InitializeDevice");
    EXPECT_EQ(Answer().text, L"是否初始化设备?");
    Expected e;
    for (const std::string& call : kResetCalls) {
      const bool failing = call.rfind(std::to_string(f.ordinal) + " ", 0) == 0;
      e.calls.push_back(failing ? call.substr(0, call.size() - 1) + "-7" : call);
      if (failing) break;
    }
    e.told = L"设备初始化失败!";
    e.log = f.log;
    ExpectOutcome(*this, e, LastToast(*this), std::to_string(f.ordinal).c_str());
    EXPECT_EQ(ModalResult(), -1) << "the dialog stays open";
  }
  EXPECT_EQ(Paths(), Lines{"/api/Fingerprint/GetbyDeviceID"}) << "nothing sent to the server";
}

TEST_F(ReaderDialog, AResetClearsTheReaderDeletesItsFingerprintsAndStoresTheFixedValues) {
  const int first = Enrolled(5, 1, "0000000003");
  const int second = Enrolled(6, 3, "0000000004");
  HWND hwnd = Open(2);
  ClickControl(hwnd, L"Btn_InitializeDevice");
  Answer();
  Expected e;
  e.calls = kResetCalls;
  e.calls.push_back(kClose);
  e.told = L"设备初始化成功!";
  e.open = false;
  ExpectOutcome(*this, e, LastToast(*this), "reset");
  EXPECT_EQ(ModalResult(), 2);
  EXPECT_EQ(world.patrol.fingerprints().size(), 0u) << first << " and " << second << " deleted";
  EXPECT_EQ(Json(LastBody("/api/InspectDevice/Update")),
            Json(u8"{\"iID\":\"10\",\"strName\":\"一号机\",\"strCode\":\"12345678\",\"time\":\"2026-01-02 08:00:00\","
                 u8"\"iPeopleID\":-1,\"strTelephone\":\"--\",\"iVoiceStatus\":\"1\",\"iVoice\":\"1\",\"iNotifyWay\":\"2\","
                 u8"\"iFingerprintStatus\":\"0\",\"ServerType\":1,\"Serveraddr\":\"\","
                 u8"\"strReserve\":\"2026-01-02 08:00:00\",\"strSchoolID\":\"s1\"}"));
  EXPECT_EQ(g_mapInspectDevice[kReader].strTelephone, "--");
  EXPECT_EQ(g_mapInspectDevice[kReader].iPeopleID, -1);
}

TEST_F(ReaderDialog, AResetTheServerRefusesIsAFailureAndLeavesTheCache) {
  world.http().route("POST", "/api/InspectDevice/Update", test_support::HttpReply(200, "-1"));
  HWND hwnd = Open(2);
  ClickControl(hwnd, L"Btn_InitializeDevice");
  Answer();
  EXPECT_EQ(LastToast(*this), L"设备初始化失败!");
  EXPECT_EQ(ModalResult(), -1);
  EXPECT_EQ(g_mapInspectDevice[kReader].strTelephone, "13800000002");
  EXPECT_EQ(g_mapInspectDevice[kReader].iPeopleID, 2);
}

// --- Save ----------------------------------------------------------------------------------

struct SaveCase {
  const char* label;
  std::function<void(ReaderDialog&, HWND)> setup;
  Expected expected;
  int modalResult;  // -1: still open
};

Lines Configured(const Lines& server, int volumeIndex = 0) {
  const int volume = volumeIndex == 0 ? 2 : volumeIndex == 1 ? 5 : 7;
  Lines calls = {kOpen, kBook, "137 1 -> 0", "149 " + std::to_string(volume) + " -> 0", "177 180 -> 0",
                 "221 2 -> 0", kClock};
  calls.insert(calls.end(), server.begin(), server.end());
  calls.push_back(kClose);
  return calls;
}

std::vector<SaveCase> SaveCases() {
  auto server = [](const wchar_t* address, bool domain) {
    return [address, domain](ReaderDialog& t, HWND hwnd) {
      // The box is ticked first, as a person does before typing a name there.
      if (domain) t.Click(hwnd, L"Domain_CK");
      t.TypeOver(hwnd, L"Edit_Device_Server", address);
    };
  };
  auto volume = [](int index) { return [index](ReaderDialog& t, HWND hwnd) { t.Select(hwnd, L"Comb_Volume", index); }; };
  return {
      // Unplugged after the connect: the simulator forgets the open it had.
      {"no reader", [](ReaderDialog& t, HWND) {
         t.reader.Reset();
         t.reader.SetPresent(false);
       },
       {{"1 -> -1"}, L"设备未连接，请先连接设备再进行操作！", "登陆巡更设备失败，OpenDevice()接口返回值-1！\n", false},
       -1},
      {"a reader that opens with 0", [](ReaderDialog& t, HWND) { t.reader.SetOpenResult(0); },
       {{"1 -> 0"}, L"", "", true}, 1},
      {"no server", nullptr, {Configured({}), L"", "", false}, 1},
      {"an IP address with the server's port", server(L"10.1.2.3", false),
       {Configured({"55 \"10.1.2.3\" 9000 -> 0"}), L"", "", false}, 1},
      {"a domain", server(L"patrol.example", true),
       {Configured({"56 \"patrol.example\" \"141.141.141\" 10406 -> 0"}), L"", "", false}, 1},
      {"volume row 1", volume(1), {Configured({}, 1), L"", "", false}, 1},
      {"volume row 2", volume(2), {Configured({}, 2), L"", "", false}, 1},
      {"a setting that fails", [](ReaderDialog& t, HWND) { t.reader.InjectFailure(137, -3); },
       {[] {
          Lines calls = Configured({});
          calls[2] = "137 1 -> -3";
          return calls;
        }(),
        L"巡更设备参数设置失败：SetVoice", "设置语音状态失败，SetVoice()接口返回值-3！\n", false},
       1},
      {"the port lookup failing", [](ReaderDialog& t, HWND hwnd) {
         t.world.patrol.set_server_port_reply("-1");
         t.TypeOver(hwnd, L"Edit_Device_Server", L"10.1.2.3");
       },
       {Configured({}), L"巡更设备参数设置失败：SetIpAndPort", "", false}, 1},
  };
}

TEST_F(ReaderDialog, ASaveConfiguresTheReaderThenStoresIt) {
  for (const SaveCase& c : SaveCases()) {
    reader.Reset();
    ClearRecords();
    world.patrol.set_server_port_reply("\"9000\"");
    g_mapInspectDevice.erase(87654321);
    HWND hwnd = OpenFilledAdd();
    Select(hwnd, L"Comb_VoiceStatus", 1);
    Select(hwnd, L"Comb_Volume", 0);
    Select(hwnd, L"Comb_CallNotifyMethod", 2);
    if (c.setup) c.setup(*this, hwnd);
    ClickControl(hwnd, L"btn_Ok");
    Settle();
    const Message message = Answer(L"yes");
    ExpectOutcome(*this, c.expected, message.text, c.label);
    if (!c.expected.told.empty()) {
      EXPECT_EQ(message.kind, c.modalResult == 1 ? 7 : 1) << c.label;
    }
    EXPECT_EQ(ModalResult(), c.modalResult) << c.label;
    CloseOpened();
    ui.Call([this] { dialog.reset(); });
    for (auto it = g_mapInspectDevice.begin(); it != g_mapInspectDevice.end();) {
      it = it->first != kReader ? g_mapInspectDevice.erase(it) : std::next(it);
    }
  }
}

TEST_F(ReaderDialog, AnAddSendsTheFormAndCachesTheNewReader) {
  HWND hwnd = OpenFilledAdd();
  Select(hwnd, L"Comb_VoiceStatus", 1);
  Select(hwnd, L"Comb_Volume", 1);
  Select(hwnd, L"Comb_CallNotifyMethod", 0);
  Click(hwnd, L"Domain_CK");
  TypeOver(hwnd, L"Edit_Device_Server", L"patrol.example");
  Click(hwnd, L"btn_Ok");
  ASSERT_EQ(ModalResult(), 1);
  EXPECT_EQ(Json(LastBody("/api/InspectDevice/Add")),
            Json(u8"{\"strName\":\"二号机\",\"strCode\":\"87654321\",\"time\":\"2026-03-14 09:26:53\",\"iPeopleID\":1,"
                 u8"\"strTelephone\":\"13800000001\",\"iVoiceStatus\":\"1\",\"iVoice\":\"1\",\"iNotifyWay\":\"0\","
                 u8"\"iFingerprintStatus\":\"0\",\"ServerType\":2,\"Serveraddr\":\"patrol.example\","
                 u8"\"strReserve\":\"2026-03-14 09:26:53\",\"strSchoolID\":\"s1\"}"));
  const int id = world.patrol.readers().all()[1]["iID"].asInt();
  ASSERT_EQ(g_mapInspectDevice.count(id), 1u);
  EXPECT_EQ(g_mapInspectDevice[id].strCode, "87654321");
  EXPECT_EQ(g_mapInspectDevice[id].ServerType, 2);
}

TEST_F(ReaderDialog, TheServerKindTickedNamesItsExampleInTheEmptyServerField) {
  const auto hint = [](HWND hwnd) {
    std::wstring shown;
    shelltest::OnWindowThread(hwnd, [&] {
      shown = static_cast<SkinUI::CRichEditUI*>(shelltest::FindControl(hwnd, L"Edit_Device_Server"))->GetTipValue().GetData();
    });
    return shown;
  };
  for (const int mode : {1, 2}) {
    SCOPED_TRACE(mode == 1 ? "adding" : "editing");
    HWND hwnd = Open(mode);
    TypeOver(hwnd, L"Edit_Device_Server", L"");
    const struct {
      const wchar_t* option;
      const wchar_t* example;
    } clicks[] = {{L"Domain_CK", L"eg:patrol.example.com"}, {L"IPport_CK", L"eg:192.168.1.100"},
                  {L"Domain_CK", L"eg:patrol.example.com"}};
    for (const auto& click : clicks) {
      Click(hwnd, click.option);
      EXPECT_EQ(hint(hwnd), click.example);
    }
    CloseOpened();
    ui.Call([this] { dialog.reset(); });
  }
}

TEST_F(ReaderDialog, TheCloseAndCancelButtonsEndTheDialogWithNothingStored) {
  for (const managementtest::WayOut& way : managementtest::kWaysOut) {
    SCOPED_TRACE(managementtest::Describe(way));
    world.http().clear_requests();
    HWND hwnd = way.mode == 1 ? OpenFilledAdd() : Open(2);
    TypeOver(hwnd, L"Edit_Device_Name", L"三号机");
    Click(hwnd, way.button);
    EXPECT_EQ(ModalResult(), 2);
    EXPECT_EQ(Opened(), nullptr);
    for (const std::string& path : Paths()) EXPECT_EQ(path.find("/api/InspectDevice/"), std::string::npos) << path;
    EXPECT_EQ(g_mapInspectDevice.size(), 1u);
    EXPECT_EQ(g_mapInspectDevice[kReader].strName, "一号机");
    ui.Call([this] { dialog.reset(); });
  }
}

TEST_F(ReaderDialog, AnUnselectedVolumeWritesSevenAndStoresMinusOne) {
  HWND hwnd = OpenFilledAdd();
  shelltest::OnWindowThread(hwnd, [&] {
    static_cast<SkinUI::CComboUI*>(shelltest::FindControl(hwnd, L"Comb_Volume"))->SelectItem(-1);
  });
  Click(hwnd, L"btn_Ok");
  ASSERT_EQ(ModalResult(), 1);
  const Lines calls = reader.Calls();
  ASSERT_GE(calls.size(), 4u);
  EXPECT_EQ(calls[3], "149 7 -> 0");
  EXPECT_EQ(Json(LastBody("/api/InspectDevice/Add"))["iVoice"], "-1");
}

TEST_F(ReaderDialog, AnEditUpdatesTheReaderWithItsStoredTime) {
  HWND hwnd = Open(2);
  TypeOver(hwnd, L"Edit_Device_Name", L"一号机改");
  Click(hwnd, L"btn_Ok");
  ASSERT_EQ(ModalResult(), 1);
  const Json::Value body = Json(LastBody("/api/InspectDevice/Update"));
  EXPECT_EQ(body["iID"], "10");
  EXPECT_EQ(body["time"], "2026-01-02 08:00:00");
  EXPECT_EQ(body["iPeopleID"], 2) << "李四, the stored contact";
  EXPECT_EQ(body["iVoice"], "2");
  EXPECT_EQ(g_mapInspectDevice[kReader].strName, "一号机改");
}

TEST_F(ReaderDialog, AServerRefusalIsToldAsAnExistingReader) {
  world.http().route("POST", "/api/InspectDevice/Add", test_support::HttpReply(200, "-1"));
  HWND hwnd = OpenFilledAdd();
  Click(hwnd, L"btn_Ok");
  EXPECT_EQ(LastToast(*this), L"设备已存在!");
  EXPECT_EQ(ModalResult(), -1);
  EXPECT_EQ(g_mapInspectDevice.size(), 1u);
}

// --- The save's refusals, typed and clicked ------------------------------------------------

TEST_F(ReaderDialog, TheSaveRefusesAnEmptyFormFieldByField) {
  const auto people = g_mapPeople;
  g_mapPeople.clear();
  HWND hwnd = Open(1);
  Click(hwnd, L"btn_Ok");
  EXPECT_EQ(Answer().text, L"设备名称不能为空!");
  Type(hwnd, L"Edit_Device_Name", L"二号机");
  Click(hwnd, L"btn_Ok");
  EXPECT_EQ(Answer().text, L"设备编号不能为空!");
  Click(hwnd, L"Btn_AddDevice");
  EXPECT_EQ(Text(hwnd, L"Edit_Device_Code"), L"12345678");
  Click(hwnd, L"btn_Ok");
  EXPECT_EQ(Answer().text, L"紧急联系人不能为空!");
  EXPECT_EQ(ModalResult(), -1);
  CloseOpened();
  ui.Call([this] { dialog.reset(); });

  g_mapPeople = people;
  hwnd = Open(1);
  Type(hwnd, L"Edit_Device_Name", L"二号机");
  Click(hwnd, L"Btn_AddDevice");
  EXPECT_EQ(Text(hwnd, L"Edit_EmergencyContactPhone"), L"13800000003") << "王五, the first row, gives his phone";
  TypeOver(hwnd, L"Edit_EmergencyContactPhone", L"");
  Type(hwnd, L"Edit_EmergencyContactPhone", L"--");
  Click(hwnd, L"btn_Ok");
  EXPECT_EQ(Answer().text, L"紧急联系方式不能为空!") << "a reset's \"--\" is no phone";
  Type(hwnd, L"Edit_EmergencyContactPhone", L"1");
  Click(hwnd, L"btn_Ok");
  EXPECT_EQ(Answer().text, L"该设备已存在，请勿重复添加!") << "the code of reader 10";
  EXPECT_EQ(ModalResult(), -1);
  EXPECT_TRUE(Paths().empty());
}

TEST_F(ReaderDialog, TextTheCodePageCannotHoldIsRefusedBeforeTheReaderOrTheServerIsTouched) {
  const struct {
    const wchar_t* field;
    std::wstring typed;
  } cases[] = {{L"Edit_Device_Name", L"二号机\U0001F600"}, {L"Edit_Device_Server", L"\U00020000.example"}};
  reader.SetId(87654321);  // a reader not stored yet
  for (const auto& c : cases) {
    const std::string field = platform::codepage::WideToUtf8(c.field);
    HWND hwnd = Open(1);
    if (std::wstring(c.field) != L"Edit_Device_Name") Type(hwnd, L"Edit_Device_Name", L"二号机");
    Click(hwnd, L"Btn_AddDevice");  // the reader's code, and 王五 with his phone as the contact
    Type(hwnd, c.field, c.typed);
    reader.ClearCalls();
    world.http().clear_requests();
    Click(hwnd, L"btn_Ok");
    const Message message = Answer();
    EXPECT_EQ(message.text, L"包含无法保存的字符!") << field;
    EXPECT_EQ(message.kind, 1) << field;
    EXPECT_EQ(ModalResult(), -1) << field;
    EXPECT_TRUE(reader.Calls().empty()) << field << ": the reader is not configured";
    EXPECT_TRUE(Paths().empty()) << field;
    EXPECT_EQ(g_mapInspectDevice.size(), 1u) << field;
    CloseOpened();
    ui.Call([this] { dialog.reset(); });
  }
}

TEST_F(ReaderDialog, TheEditedReaderMayKeepItsOwnCode) {
  HWND hwnd = Open(2);
  Click(hwnd, L"btn_Ok");
  EXPECT_EQ(Answer().text, L"");
  EXPECT_EQ(ModalResult(), 1);
}

// --- Edit mode -----------------------------------------------------------------------------

TEST_F(ReaderDialog, EditModeShowsTheReaderItsFingerprintsAndOffersOnlyPeopleWithout) {
  Enrolled(5, 1, "0000000003");
  HWND hwnd = Open(2);
  EXPECT_EQ(Text(hwnd, L"lab_title"), L"编辑巡更设备");
  EXPECT_EQ(Text(hwnd, L"Edit_Device_Name"), L"一号机");
  EXPECT_EQ(Text(hwnd, L"Edit_Device_Code"), L"12345678");
  EXPECT_EQ(Text(hwnd, L"Edit_EmergencyContactPhone"), L"13800000002");
  EXPECT_EQ(Text(hwnd, L"Edit_Device_Server"), L"patrol.example");
  EXPECT_EQ(Rows(hwnd, L"Comb_EmergencyContactPerson"), (Texts{L"王五", L"李四", L"张三"}));
  EXPECT_EQ(Selected(hwnd, L"Comb_EmergencyContactPerson"), 1);
  EXPECT_EQ(Selected(hwnd, L"Comb_VoiceStatus"), 0);
  EXPECT_EQ(Selected(hwnd, L"Comb_Volume"), 2);
  EXPECT_EQ(Selected(hwnd, L"Comb_CallNotifyMethod"), 1);
  EXPECT_EQ(Rows(hwnd, L"Comb_people"), (Texts{L"王五", L"李四"})) << "张三 has a fingerprint";
  EXPECT_EQ(Tiles(hwnd), Texts{L"张三"});
  EXPECT_TRUE(Visible(hwnd, L"HZ_fp"));
  EXPECT_TRUE(Visible(hwnd, L"InitializeDeviceHZ"));
  bool codeEnabled = true;
  bool domain = false;
  shelltest::OnWindowThread(hwnd, [&] {
    codeEnabled = shelltest::FindControl(hwnd, L"Edit_Device_Code")->IsEnabled();
    domain = static_cast<SkinUI::COptionUI*>(shelltest::FindControl(hwnd, L"Domain_CK"))->IsSelected();
  });
  EXPECT_FALSE(codeEnabled);
  EXPECT_TRUE(domain);

  HWND add = nullptr;
  CloseOpened();
  ui.Call([this] { dialog.reset(); });
  add = Open(1);
  EXPECT_FALSE(Visible(add, L"HZ_fp"));
  EXPECT_FALSE(Visible(add, L"InitializeDeviceHZ"));
}

// --- Fingerprints --------------------------------------------------------------------------

struct CaptureCase {
  const char* label;
  std::function<void(ReaderDialog&)> setup;
  Expected expected;
  bool enrolled;
};

std::vector<CaptureCase> CaptureCases() {
  const Lines first = {kOpen, "136 -> 0", "603 6 -> 0", "194 1 -> 0"};
  auto with = [](Lines calls, std::initializer_list<const char*> more) {
    calls.insert(calls.end(), more.begin(), more.end());
    return calls;
  };
  return {
      {"the first enrolment", nullptr, {with(first, {"188 \"FP-1-1\" -> 0"}), L"指纹采集成功!", ""}, true},
      {"the joints failing", [](ReaderDialog& t) { t.reader.InjectFailure(603, -4); },
       {{kOpen, "136 -> 0", "603 6 -> -4"}, L"", "设置拼接次数失败，SetFingerprintJointCount()接口返回值-4！\n"},
       false},
      {"the capture failing", [](ReaderDialog& t) { t.reader.InjectFailure(194, -3); },
       {{kOpen, "136 -> 0", "603 6 -> 0", "194 1 -> -3"}, kCaptureFailed, ""}, false},
      {"an empty template", [](ReaderDialog& t) { t.reader.SetCaptureTemplate(""); }, {first, kCaptureFailed, ""},
       false},
      {"the store failing", [](ReaderDialog& t) { t.reader.InjectFailure(188, -5); },
       {with(first, {"188 \"FP-1-1\" -> -5"}), kCaptureFailed, ""}, false},
      {"the server refusing", [](ReaderDialog& t) {
         t.world.http().route("POST", "/api/Fingerprint/Add", test_support::HttpReply(200, "-1"));
       },
       {with(first, {"188 \"FP-1-1\" -> 0", "135 1 -> 0"}), kCaptureFailed, ""}, false},
  };
}

TEST_F(ReaderDialog, ACaptureEnrolsTheChosenPersonOnTheReaderAndTheServer) {
  for (const CaptureCase& c : CaptureCases()) {
    reader.Reset();
    ClearRecords();
    for (const Json::Value& stored : world.patrol.fingerprints().all()) {
      world.patrol.fingerprints().remove(stored["iID"].asInt());
    }
    for (const Json::Value& entry : world.patrol.audit_log().all()) world.patrol.audit_log().remove(entry["iID"].asInt());
    g_mapInspectDevice[kReader].listFingerprint.clear();
    if (c.setup) c.setup(*this);
    HWND hwnd = Open(2);
    Select(hwnd, L"Comb_people", 1);
    ClickControl(hwnd, L"Btn_AddFingerPrint");
    Settle();
    ExpectOutcome(*this, c.expected, LastToast(*this), c.label);
    EXPECT_EQ(Tiles(hwnd), c.enrolled ? Texts{L"李四"} : Texts{}) << c.label;
    EXPECT_EQ(reader.Fingers().size(), c.enrolled ? 1u : 0u) << c.label << ": the reader keeps what the server has";
    const Json::Value stored = world.patrol.fingerprints().all();
    ASSERT_EQ(stored.size(), c.enrolled ? 1u : 0u) << c.label;
    EXPECT_EQ(AuditEvents(), c.enrolled ? std::vector<std::string>{u8"录入指纹-李四"} : std::vector<std::string>{})
        << c.label;
    EXPECT_EQ(g_mapInspectDevice[kReader].listFingerprint.size(), c.enrolled ? 1u : 0u) << c.label;
    if (c.enrolled) {
      EXPECT_EQ(Json(world.patrol.fingerprints().request_of(stored[0]["iID"].asInt()).toStyledString()),
                Json(u8"{\"iDeviceID\":\"10\",\"iPeopleID\":\"2\",\"strCode\":\"0000000001\"}"));
      EXPECT_EQ(Rows(hwnd, L"Comb_people"), (Texts{L"王五", L"张三"})) << "李四 is enrolled now";
    }
    CloseOpened();
    ui.Call([this] { dialog.reset(); });
  }
}

TEST_F(ReaderDialog, ALaterEnrolmentKeepsTheOtherFingersAndTakesTheNextNumber) {
  Enrolled(5, 1, "0000000003");
  reader.SetFinger(3, "FP-3-0");
  HWND hwnd = Open(2);
  EXPECT_EQ(Rows(hwnd, L"Comb_people"), (Texts{L"王五", L"李四"}));
  Click(hwnd, L"Btn_AddFingerPrint");
  EXPECT_EQ(reader.Calls(), (Lines{kOpen, "603 6 -> 0", "194 6 -> 0", "188 \"FP-6-1\" -> 0"}));
  EXPECT_EQ(Tiles(hwnd), (Texts{L"张三", L"王五"}));
  EXPECT_EQ(Rows(hwnd, L"Comb_people"), Texts{L"李四"}) << "王五 is enrolled now";
  EXPECT_EQ(reader.Fingers().size(), 2u);
}

struct DeleteCase {
  const char* label;
  bool several;
  std::function<void(ReaderDialog&)> setup;
  Expected expected;
  bool deleted;
};

std::vector<DeleteCase> DeleteCases() {
  return {
      {"one of several", true, nullptr, {{kOpen, "135 3 -> 0"}, L"删除指纹成功!", ""}, true},
      {"the only one", false, nullptr, {{kOpen, "136 -> 0"}, L"删除指纹成功!", ""}, true},
      {"the reader failing", true, [](ReaderDialog& t) { t.reader.InjectFailure(135, -2); },
       {{kOpen, "135 3 -> -2"}, L"删除指纹失败!", "删除5指纹失败，RemoveFinger()接口返回值-2！\n"}, false},
      {"the server refusing", false, [](ReaderDialog& t) {
         t.world.http().route("POST", "/api/Fingerprint/Delete", test_support::HttpReply(200, "-1"));
       },
       {{kOpen, "136 -> 0"}, L"删除指纹失败!", ""}, false},
  };
}

TEST_F(ReaderDialog, ADeleteRemovesTheFingerFromTheReaderAndTheServer) {
  for (const DeleteCase& c : DeleteCases()) {
    reader.Reset();
    ClearRecords();
    world.patrol.fingerprints().remove(5);
    world.patrol.fingerprints().remove(6);
    Enrolled(5, 1, "0000000003");
    if (c.several) Enrolled(6, 3, "0000000004");
    if (c.setup) c.setup(*this);
    HWND hwnd = Open(2);
    shelltest::SavePicture(hwnd, "reader-dialog-edit");
    ClickTileDelete(hwnd, 0);
    EXPECT_EQ(Answer().text, L"是否删除指纹?") << c.label;
    ExpectOutcome(*this, c.expected, LastToast(*this), c.label);
    const std::size_t left = (c.several ? 2u : 1u) - (c.deleted ? 1u : 0u);
    EXPECT_EQ(world.patrol.fingerprints().size(), left) << c.label;
    EXPECT_EQ(Tiles(hwnd).size(), left) << c.label;
    CloseOpened();
    ui.Call([this] { dialog.reset(); });
  }
}

}  // namespace
