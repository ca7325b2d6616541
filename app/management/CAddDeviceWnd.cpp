#include "app/management/CAddDeviceWnd.h"

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <utility>

#include "CommonTools/TextTime.h"
#include "app/management/ComboRows.h"
#include "app/management/ReaderLog.h"
#include "app/shell/RunBusy.h"
#include "app/shell/ShellServices.h"
#include "app/shell/SavableText.h"
#include "app/shell/ShowMessage.h"
#include "data/CloudServerPort.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "platform/base/Clock.h"
#include "platform/base/CodePage.h"
#include "platform/reader/JCommApi.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CComboUI.h"
#include "ui/controls/CRichEditUI.h"
#include "ui/controls/CLabelUI.h"
#include "ui/controls/COptionUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CTileLayoutUI.h"

namespace {

using platform::codepage::GbkToWide;
using platform::codepage::WideToGbk;
using platform::reader::JComm;

const wchar_t kNotConnected[] = L"设备未连接，请先连接巡更设备!";
const wchar_t kCaptureFailed[] = L"指纹采集失败，请重新采集!";
const wchar_t kMismatch[] = L"设备连接错误，当前连接设备编码不匹配\r\n，请检查设备是否连接错误!";
const char kOpenFailed[] = "登陆巡更设备失败，OpenDevice()接口返回值%ld！\n";
const char kIdFailed[] = "获取巡更设备ID失败，GetDeviceId()接口返回值%ld！\n";
const char kAddressBookFailed[] = "登陆巡更设备失败，SetAddressBook()接口返回值%ld！\n";
const char kVoiceFailed[] = "设置语音状态失败，SetVoice()接口返回值%ld！\n";
const char kVolumeFailed[] = "设置音量，SetVolume()接口返回值%ld！\n";
const char kIntervalFailed[] = "设置设备低电发送间隔失败，SetLowAutoSendInterval()接口返回值%ld！\n";
const char kReminderFailed[] = "设置来电提醒方式失败，SetCallreminder()接口返回值%ld！\n";
const char kIpFailed[] = "设置服务器IP端口号失败，SetIpAndPort()接口返回值%ld！\n";
const char kDomainFailed[] = "设置服务器域名失败，SetDomain()接口返回值%ld！\n";
const char kDomainAddress[] = "141.141.141";
const int kDomainPort = 10406;
const int kLowBatteryInterval = 180;
const int kFingerJoints = 6;
// The capture call writes the template here; the buffer is the library's contract.
const std::size_t kTemplateBuffer = 1024;

// One reader setting as the reset and the save make it: the call's result, the log text
// for a failure, and the function's name for the user.
struct Setting {
  int result;
  const char* failureText;
  const char* function;
};

std::string TextOf(const SkinUI::CControlUI* control) {
  return control == nullptr ? std::string() : WideToGbk(control->GetText().GetData());
}

int Index(const SkinUI::CComboUI* combo) { return combo == nullptr ? -1 : combo->GetCurSel(); }

// The reader's volume for the form's volume row.
int VolumeOf(int index) {
  if (index == 0) return 2;
  if (index == 1) return 5;
  return 7;
}

void Toast(const wchar_t* text) { ShowToast(text, 3); }

// The first person of that name, highest id first; null when none.
const PeopleInfo* PersonNamedFromHighest(const std::string& name) {
  for (auto it = g_mapPeople.rbegin(); it != g_mapPeople.rend(); ++it) {
    if (it->second.strName == name) return &it->second;
  }
  return nullptr;
}

}  // namespace

CAddDeviceWnd::CAddDeviceWnd(int mode) : m_mode(mode) {
  m_device.iID = -1;
  m_device.iPeopleID = -1;
}

LPCTSTR CAddDeviceWnd::GetWindowClassName() const { return L"CAddDeviceWnd"; }

SkinUI::CUIString CAddDeviceWnd::GetSkinXmlName() const { return L"AddDeviceWnd.xml"; }

void CAddDeviceWnd::OnSkinBuilt() {
  m_pTitle = m_pm.FindControl(L"lab_title");
  m_pConnect = m_pm.FindControl(L"Btn_AddDevice");
  m_pCode = m_pm.FindControl(L"Edit_Device_Code");
  m_pName = m_pm.FindControl(L"Edit_Device_Name");
  m_pAddPeople = m_pm.FindControl(L"Btn_AddFingerPrintPeople");
  m_pContact = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_EmergencyContactPerson"));
  m_pPhone = m_pm.FindControl(L"Edit_EmergencyContactPhone");
  m_pVoiceStatus = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_VoiceStatus"));
  m_pVolume = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_Volume"));
  m_pNotifyWay = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_CallNotifyMethod"));
  m_pInitialize = m_pm.FindControl(L"Btn_InitializeDevice");
  m_pPeople = static_cast<SkinUI::CComboUI*>(m_pm.FindControl(L"Comb_people"));
  m_pTiles = static_cast<SkinUI::CTileLayoutUI*>(m_pm.FindControl(L"TileLayout_people"));
  m_pServer = static_cast<SkinUI::CRichEditUI*>(m_pm.FindControl(L"Edit_Device_Server"));
  m_pIpPort = static_cast<SkinUI::COptionUI*>(m_pm.FindControl(L"IPport_CK"));
  m_pDomain = static_cast<SkinUI::COptionUI*>(m_pm.FindControl(L"Domain_CK"));
  m_pFingerprintArea = m_pm.FindControl(L"HZ_fp");
  m_pInitializeArea = m_pm.FindControl(L"InitializeDeviceHZ");
  if (m_mode == MODE_ADD) {
    FillPeopleCombos();
    return;
  }
  if (m_pTitle == nullptr || m_pFingerprintArea == nullptr || m_pTiles == nullptr || m_pCode == nullptr ||
      m_pInitializeArea == nullptr) {
    return;
  }
  m_pTitle->SetText(L"编辑巡更设备");
  m_pFingerprintArea->SetVisible(true);
  m_pTiles->SetVisible(true);
  m_pInitializeArea->SetVisible(true);
  m_pCode->SetEnabled(false);
}

void CAddDeviceWnd::FillPeopleCombos() {
  if (m_pPeople == nullptr || m_pContact == nullptr) return;
  m_pPeople->RemoveAll();
  m_pContact->RemoveAll();
  int contactRow = 0;
  for (auto it = g_mapPeople.rbegin(); it != g_mapPeople.rend(); ++it) {
    const PeopleInfo& person = it->second;
    const std::wstring name = GbkToWide(person.strName);
    if (m_device.iID != -1 && person.iID == m_device.iPeopleID) contactRow = m_pContact->GetCount();
    ComboRows::Add(m_pContact, name);
    bool enrolled = false;
    for (const FingerprintInfo& fingerprint : m_fingerprints) enrolled = enrolled || fingerprint.iPeopleID == person.iID;
    if (!enrolled) ComboRows::Add(m_pPeople, name);
  }
  m_pPeople->SelectItem(0);
  m_pContact->SelectItem(contactRow);
}

void CAddDeviceWnd::FillFingerprintTiles() {
  if (m_pTiles == nullptr) return;
  m_pTiles->RemoveAll();
  m_pTiles->SetColumns(2);
  // The label leaves the tile's last 32 pixels to the delete button, which would
  // otherwise lie outside the tile, out of reach.
  for (const FingerprintInfo& fingerprint : m_fingerprints) {
    auto row = std::make_unique<SkinUI::CHorizontalLayoutUI>();
    row->SetAttributeList(L"bkcolor=\"0xff2A4FD7\" width=\"160\" height=\"40\"");
    auto label = std::make_unique<SkinUI::CLabelUI>();
    label->SetAttributeList(
        L"padding=\"5,0,0,0\" textcolor=\"0xffffff\" font=\"6\" endellipsis=\"true\" textpadding=\"34,8,10,5\" "
        L"bkimage=\"file='4设备管理/头像.png' dest='2,7,30,35'\" width=\"128\" height=\"40\"");
    const std::wstring name = GbkToWide(fingerprint.strPeopleName);
    label->SetText(name.c_str());
    label->SetToolTip(name.c_str());
    auto button = std::make_unique<SkinUI::CButtonUI>();
    button->SetAttributeList(L"normalimage=\"file='4设备管理/删除原始1.png'\" font=\"2\"");
    button->SetAttribute(L"hotimage", L"file='4设备管理/删除经过1.png'");
    button->SetPadding(RECT{4, 11, 5, 0});
    button->SetFixedWidth(18);
    button->SetFixedHeight(18);
    button->SetName(L"btn_deleteFingerprint");
    button->SetUserData(std::to_wstring(fingerprint.iID).c_str());
    if (row->Add(label.get())) label.release();
    if (row->Add(button.get())) button.release();
    if (m_pTiles->Add(row.get())) row.release();
  }
}

void CAddDeviceWnd::LoadDevice(InspectDeviceInfo device) {
  m_device = std::move(device);
  m_fingerprints = DAL_PatrolServer().DAL_Fingerprint_GetByPeopleID(m_device.iID);
  FillPeopleCombos();
  if (m_pPhone != nullptr && m_pVoiceStatus != nullptr && m_pVolume != nullptr && m_pNotifyWay != nullptr &&
      m_pCode != nullptr && m_pName != nullptr) {
    m_pPhone->SetText(GbkToWide(m_device.strTelephone).c_str());
    m_pVoiceStatus->SelectItem(m_device.iVoiceStatus);
    m_pVolume->SelectItem(m_device.iVoice);
    m_pNotifyWay->SelectItem(m_device.iNotifyWay);
    m_pCode->SetText(GbkToWide(m_device.strCode).c_str());
    m_pCode->SetToolTip(L"设备编码不支持编辑");
    const std::wstring name = GbkToWide(m_device.strName);
    m_pName->SetText(name.c_str());
    m_pName->SetToolTip(name.c_str());
    if (m_device.ServerType == 1) {
      if (m_pIpPort != nullptr) m_pIpPort->SetSelected(true);
    } else if (m_pDomain != nullptr) {
      m_pDomain->SetSelected(true);
    }
    if (m_pServer != nullptr) {
      const std::wstring server = GbkToWide(m_device.Serveraddr);
      m_pServer->SetText(server.c_str());
      m_pServer->SetToolTip(server.c_str());
    }
  }
  FillFingerprintTiles();
}

void CAddDeviceWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"itemselect") {
    if (name == L"Comb_EmergencyContactPerson") ShowContactPhone();
    return;
  }
  if (msg.sType != L"click") return;
  if (name == L"btn_close" || name == L"btn_Cancel") {
    Close(2);
  } else if (name == L"IPport_CK") {
    if (m_pServer != nullptr) m_pServer->SetTipValue(L"eg:192.168.1.100");
  } else if (name == L"Domain_CK") {
    if (m_pServer != nullptr) m_pServer->SetTipValue(L"eg:patrol.example.com");
  } else if (name == L"Btn_AddDevice") {
    Connect();
  } else if (name == L"Btn_InitializeDevice") {
    Reset();
  } else if (name == L"btn_Ok") {
    SaveWithBusyWindow();
  } else if (name == L"Btn_AddFingerPrint") {
    CaptureFingerprint();
  } else if (name == L"btn_deleteFingerprint") {
    DeleteFingerprint(std::atoi(WideToGbk(msg.pSender->GetUserData().GetData()).c_str()));
  }
}

void CAddDeviceWnd::ShowContactPhone() {
  if (m_pContact == nullptr || m_pPhone == nullptr) return;
  const PeopleInfo* person = PersonNamedFromHighest(TextOf(m_pContact));
  if (person != nullptr) m_pPhone->SetText(GbkToWide(person->strTelephone).c_str());
}

bool CAddDeviceWnd::OpenReader() const {
  const long opened = JComm().OpenDevice();
  if (opened >= 0) return true;
  Toast(kNotConnected);
  ReaderLog::Error(kOpenFailed, opened);
  return false;
}

bool CAddDeviceWnd::OpenReaderAndReadId(long& id) const {
  if (!OpenReader()) return false;
  id = JComm().GetDeviceId();
  if (id >= 0) return true;
  Toast(L"获取巡更设备ID失败!");
  ReaderLog::Error(kIdFailed, id);
  return false;
}

void CAddDeviceWnd::Connect() {
  long id = 0;
  if (!OpenReaderAndReadId(id)) return;
  const std::wstring idText = std::to_wstring(id);
  if (m_mode == MODE_ADD) {
    if (m_pCode != nullptr) m_pCode->SetText(idText.c_str());
    Toast(L"设备连接成功!");
    return;
  }
  const std::wstring code = m_pCode != nullptr ? m_pCode->GetText().GetData() : std::wstring();
  if (code.empty()) {
    ShowMessage(L"设备编码不能为空!", m_hWnd, 1);
    return;
  }
  if (code != idText) {
    ShowMessage(kMismatch, m_hWnd, 1);
    return;
  }
  Toast(L"设备连接成功!");
}

void CAddDeviceWnd::Reset() {
  if (!ShowMessage(L"是否初始化设备?", m_hWnd, 2)) return;
  const int result = InitializeReader();
  if (result == 1) {
    Toast(L"设备初始化成功!");
    Close(2);
  } else if (result == -1) {
    Toast(L"设备初始化失败!");
  }
}

int CAddDeviceWnd::InitializeReader() {
  long id = 0;
  if (!OpenReaderAndReadId(id)) return 0;
  if (std::to_string(id) != m_device.strCode) {
    ShowMessage(kMismatch, m_hWnd, 1);
    return 0;
  }
  JComm().Ordinal5(0);
  JComm().Ordinal8();
  JComm().RemoveAllFingers();
  // Stops at the first setting that fails, before the close: the reader is left as it is.
  const std::pair<std::function<long()>, const char*> settings[] = {
      {[] { return JComm().SetAddressBook(""); }, kAddressBookFailed},
      {[] { return JComm().SetVoice(1); }, kVoiceFailed},
      {[] { return JComm().SetVolume(5); }, kVolumeFailed},
      {[] { return JComm().SetLowAutoSendInterval(kLowBatteryInterval); }, kIntervalFailed},
      {[] { return JComm().SetCallreminder(2); }, kReminderFailed},
      {[] { return JComm().SetIpAndPort("", 0); }, kIpFailed},
      {[] { return JComm().SetDomain("", kDomainAddress, 0); }, kDomainFailed},
  };
  for (const auto& [call, failureText] : settings) {
    const long result = call();
    if (result >= 0) continue;
    ReaderLog::Error(failureText, result);
    return -1;
  }
  JComm().CloseDevice();

  DAL_PatrolServer server;
  for (const FingerprintInfo& fingerprint : m_fingerprints) server.DAL_Fingerprint_Delete(fingerprint.iID);
  InspectDeviceInfo reset = m_device;
  reset.iPeopleID = -1;
  reset.strTelephone = "--";
  reset.iVoiceStatus = 1;
  reset.iVoice = 1;
  reset.iNotifyWay = 2;
  reset.iFingerprintStatus = 0;
  reset.ServerType = 1;
  reset.Serveraddr.clear();
  const int updated =
      server.DAL_InspectDevice_Update(reset.iID, reset.strName, reset.strCode, reset.strReserve, reset.iPeopleID,
                                      reset.strTelephone, reset.iVoiceStatus, reset.iVoice, reset.iNotifyWay,
                                      reset.iFingerprintStatus, reset.ServerType, reset.Serveraddr);
  // A refused update keeps the cache as the server has it.
  if (updated <= 0) return -1;
  m_device = reset;
  g_mapInspectDevice[m_device.iID] = m_device;
  return 1;
}

CAddDeviceWnd::ReaderForm CAddDeviceWnd::ReadForm() const {
  ReaderForm form;
  form.code = TextOf(m_pCode);
  form.name = TextOf(m_pName);
  form.contact = TextOf(m_pContact);
  form.phone = TextOf(m_pPhone);
  form.server = TextOf(m_pServer);
  form.serverType = m_pIpPort != nullptr && m_pIpPort->IsSelected() ? 1 : 2;
  form.voiceStatus = Index(m_pVoiceStatus);
  form.volume = Index(m_pVolume);
  form.notifyWay = Index(m_pNotifyWay);
  return form;
}

void CAddDeviceWnd::SaveWithBusyWindow() {
  if (!CheckSavableTexts(m_hWnd, {m_pName, m_pContact, m_pPhone, m_pServer})) return;
  const ReaderForm form = ReadForm();
  RunBusy(
      m_hWnd, 180000, 1, [this, form] { return ConfigureAndSave(form); },
      [this](const SaveOutcome& outcome) { ApplySave(outcome); });
}

void CAddDeviceWnd::ApplySave(const SaveOutcome& outcome) {
  if (outcome.result == 0) return;
  // The form's values stay in the record even when the server refused them.
  m_device = outcome.record;
  if (outcome.result < 0) {
    Toast(L"设备已存在!");
    return;
  }
  g_mapInspectDevice[m_device.iID] = m_device;
  if (!outcome.failedSettings.empty()) {
    std::string names;
    for (const std::string& function : outcome.failedSettings) names += (names.empty() ? "" : "、") + function;
    ShowMessage(L"巡更设备参数设置失败：" + GbkToWide(names), m_hWnd, 7);
  }
  Close(1);
}

CAddDeviceWnd::SaveOutcome CAddDeviceWnd::ConfigureAndSave(const ReaderForm& form) const {
  SaveOutcome outcome;
  const long opened = JComm().OpenDevice();
  if (opened < 0) {
    ReaderLog::Error(kOpenFailed, opened);
    ShowMessage(L"设备未连接，请先连接设备再进行操作！", m_hWnd, 1);
    return outcome;
  }
  const wchar_t* refusal = nullptr;
  if (form.name.empty()) {
    refusal = L"设备名称不能为空!";
  } else if (form.code.empty()) {
    refusal = L"设备编号不能为空!";
  } else if (form.contact.empty()) {
    refusal = L"紧急联系人不能为空!";
  } else if (form.phone.empty() || form.phone == "--") {
    refusal = L"紧急联系方式不能为空!";
  } else {
    for (const auto& [id, cached] : g_mapInspectDevice) {
      if (id != m_device.iID && cached.strCode == form.code) refusal = L"该设备已存在，请勿重复添加!";
    }
  }
  if (refusal != nullptr) {
    ShowMessage(refusal, m_hWnd, 1);
    return outcome;
  }
  int personId = -1;
  for (const auto& [id, person] : g_mapPeople) {
    if (person.strName != form.contact) continue;
    personId = id;
    break;
  }

  // A reader that opens with 0 is saved without being configured (and is not closed).
  if (opened > 0) {
    const std::string book = form.contact + "\t" + form.phone + "\t0000000001\r\n";
    const Setting settings[] = {
        {JComm().SetAddressBook(book.c_str()), kAddressBookFailed, "SetAddressBook"},
        {JComm().SetVoice(form.voiceStatus), kVoiceFailed, "SetVoice"},
        {JComm().SetVolume(VolumeOf(form.volume)), kVolumeFailed, "SetVolume"},
        {JComm().SetLowAutoSendInterval(kLowBatteryInterval), kIntervalFailed, "SetLowAutoSendInterval"},
        {JComm().SetCallreminder(form.notifyWay), kReminderFailed, "SetCallreminder"},
    };
    for (const Setting& setting : settings) {
      if (setting.result >= 0) continue;
      ReaderLog::Error(setting.failureText, setting.result);
      outcome.failedSettings.push_back(setting.function);
    }
    SYSTEMTIME now = {};
    ::GetLocalTime(&now);
    JComm().SetClock(now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond);
    if (!form.server.empty()) {
      const int port = DAL_Cloud_GetServerPort();
      const char* function = form.serverType == 1 ? "SetIpAndPort" : "SetDomain";
      // Without the port the reader would be sent to a port that does not exist.
      long result = -1;
      if (port >= 0) {
        result = form.serverType == 1 ? JComm().SetIpAndPort(form.server.c_str(), port)
                                      : JComm().SetDomain(form.server.c_str(), kDomainAddress, kDomainPort);
        if (result < 0) ReaderLog::Error(form.serverType == 1 ? kIpFailed : kDomainFailed, result);
      }
      if (result < 0) outcome.failedSettings.push_back(function);
    }
    JComm().CloseDevice();
  }

  InspectDeviceInfo& record = outcome.record;
  record = m_device;
  record.strName = form.name;
  record.strCode = form.code;
  record.iPeopleID = personId;
  record.strTelephone = form.phone;
  record.iVoiceStatus = form.voiceStatus;
  record.iVoice = form.volume;
  record.iNotifyWay = form.notifyWay;
  record.iFingerprintStatus = 0;
  record.ServerType = form.serverType;
  record.Serveraddr = form.server;
  DAL_PatrolServer server;
  if (m_mode == MODE_ADD) {
    outcome.result = server.DAL_InspectDevice_Add(form.name, form.code, CommonTools::now_text(), personId, form.phone,
                                                  form.voiceStatus, form.volume, form.notifyWay, 0, form.serverType,
                                                  form.server);
    record.iID = outcome.result;
    record.strReserve = CommonTools::now_text();
  } else if (m_mode == MODE_EDIT) {
    outcome.result = server.DAL_InspectDevice_Update(record.iID, form.name, form.code, record.strReserve, personId,
                                                     form.phone, form.voiceStatus, form.volume, form.notifyWay, 0,
                                                     form.serverType, form.server);
  } else {
    outcome.result = -1;
  }
  // The server answers 0 when it stored nothing.
  if (outcome.result == 0) outcome.result = -1;
  return outcome;
}

void CAddDeviceWnd::CaptureFingerprint() {
  const int finger = m_fingerprints.empty() ? 1 : m_fingerprints.back().iID + 1;
  if (!OpenReader()) return;
  if (m_fingerprints.empty()) JComm().RemoveAllFingers();
  const long joints = JComm().SetFingerprintJointCount(kFingerJoints);
  if (joints < 0) {
    ReaderLog::Error("设置拼接次数失败，SetFingerprintJointCount()接口返回值%ld！\n", joints);
    return;
  }
  auto buffer = std::make_unique<char[]>(kTemplateBuffer);
  buffer[0] = '\0';
  char* fingerTemplate = buffer.get();
  int captured = -1;
  RunBusy(m_hWnd, 600000, 1, [&] { captured = JComm().CaptureFinger(finger, &fingerTemplate); });
  if (captured < 0 || fingerTemplate == nullptr || *fingerTemplate == '\0') {
    Toast(kCaptureFailed);
    return;
  }
  if (JComm().StoreTemplate(fingerTemplate) < 0) {
    Toast(kCaptureFailed);
    return;
  }

  char code[16];
  std::snprintf(code, sizeof code, "%010d", finger);
  FingerprintInfo fingerprint;
  fingerprint.iDeviceID = m_device.iID;
  fingerprint.iPeopleID = -1;
  const std::string personName = TextOf(m_pPeople);
  if (const PeopleInfo* person = PersonNamedFromHighest(personName)) {
    fingerprint.iPeopleID = person->iID;
    fingerprint.strPeopleName = personName;
  }
  DAL_PatrolServer server;
  const int id = server.DAL_Fingerprint_Add(fingerprint.iDeviceID, fingerprint.iPeopleID, code);
  if (id <= 0) {
    // The reader keeps no finger the server does not know.
    JComm().RemoveFinger(finger);
    Toast(kCaptureFailed);
    return;
  }
  server.DAL_SystemLog_Add("录入指纹-" + fingerprint.strPeopleName);
  fingerprint.iID = id;
  fingerprint.strCode = code;
  m_fingerprints.push_back(fingerprint);
  Toast(L"指纹采集成功!");
  auto cached = g_mapInspectDevice.find(m_device.iID);
  if (cached != g_mapInspectDevice.end()) cached->second.listFingerprint.push_back(fingerprint);
  FillPeopleCombos();
  FillFingerprintTiles();
}

void CAddDeviceWnd::DeleteFingerprint(int fingerprintId) {
  if (!ShowMessage(L"是否删除指纹?", m_hWnd, 2)) return;
  if (!OpenReader()) return;
  int finger = fingerprintId;
  for (const FingerprintInfo& fingerprint : m_fingerprints) {
    if (fingerprint.iID == fingerprintId) finger = std::atoi(fingerprint.strCode.c_str());
  }
  const long removed = m_fingerprints.size() > 1 ? JComm().RemoveFinger(finger) : JComm().RemoveAllFingers();
  if (removed < 0) {
    ReaderLog::Error("删除%d指纹失败，RemoveFinger()接口返回值%ld！\n", fingerprintId, removed);
    Toast(L"删除指纹失败!");
    return;
  }
  DAL_PatrolServer server;
  if (server.DAL_Fingerprint_Delete(fingerprintId) <= 0) {
    Toast(L"删除指纹失败!");
    return;
  }
  m_fingerprints = server.DAL_Fingerprint_GetByPeopleID(m_device.iID);
  FillPeopleCombos();
  FillFingerprintTiles();
  Toast(L"删除指纹成功!");
}
