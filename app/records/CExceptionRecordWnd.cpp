#include "app/records/CExceptionRecordWnd.h"

#include <algorithm>
#include <cctype>
#include <memory>
#include <mutex>
#include <utility>

#include "CommonTools/Conversions.h"
#include "CommonTools/FileNameCheck.h"
#include "CommonTools/Files.h"
#include "CommonTools/global_singleton.h"
#include "app/records/FileNames.h"
#include "app/records/FolderCopy.h"
#include "app/records/PathExists.h"
#include "app/records/RunKey.h"
#include "app/records/RunPhase.h"
#include "app/shell/ShellServices.h"
#include "app/shell/SavableText.h"
#include "app/shell/ShowCannotOpen.h"
#include "app/shell/ShowMessage.h"
#include "data/DAL_PatrolServer.h"
#include "data/StartupCaches.h"
#include "ui/controls/CButtonUI.h"
#include "ui/controls/CCheckBoxUI.h"
#include "ui/core/control/CHorizontalLayoutUI.h"
#include "ui/core/control/CTileLayoutUI.h"

namespace {

const int kMostPictures = 30;
const std::string::size_type kLongestPictureName = 30;
const std::string::size_type kFolderLimit = 61;
// Room for the folder and the names of many pictures chosen at once.
const DWORD kChosenFilesBuffer = 41600;

std::wstring Wide(const std::string& gbk) { return CommonTools::string_to_cstring(gbk).GetString(); }
std::string Narrow(const std::wstring& wide) { return CommonTools::cstring_to_string(CStringW(wide.c_str())); }

void Toast(const std::wstring& text) {
  if (g_pFeedBackWnd != nullptr) ShowToast(text, 3);
}

SkinUI::CTileLayoutUI* FindTiles(SkinUI::CWindowManagerUI& pm, LPCTSTR name) {
  SkinUI::CControlUI* control = pm.FindControl(name);
  return control == nullptr ? nullptr : static_cast<SkinUI::CTileLayoutUI*>(control->GetInterface(L"TileLayout"));
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::tolower(c); });
  return text;
}

// The filter's four kinds, in any case.
bool IsPictureFile(const std::string& path) {
  const std::string lower = Lower(path);
  for (const char* extension : {".jpg", ".jpeg", ".png", ".bmp"}) {
    const std::string ending = extension;
    if (lower.size() >= ending.size() && lower.compare(lower.size() - ending.size(), ending.size(), ending) == 0) {
      return true;
    }
  }
  return false;
}

// Cut in wide text: a GBK character's second byte may be a backslash. The layer's own
// dialog answers with "/" as well.
std::string FileNameOf(const std::string& path) {
  const std::wstring wide = Wide(path);
  const std::wstring::size_type separator = wide.find_last_of(L"\\/");
  return separator == std::wstring::npos ? path : Narrow(wide.substr(separator + 1));
}

// The dialog's answer: one full path, or the folder followed by each name.
std::vector<std::wstring> ChosenPaths(const std::vector<wchar_t>& answer) {
  const wchar_t* part = answer.data();
  const std::wstring first = part;
  if (first.empty()) return {};
  part += first.size() + 1;
  if (*part == L'\0') return {first};
  std::vector<std::wstring> paths;
  while (*part != L'\0') {
    const std::wstring name = part;
    paths.push_back(first + L"\\" + name);
    part += name.size() + 1;
  }
  return paths;
}

// The record's time of day: what follows its first space, or all of it.
std::string TimeOfDay(const std::string& time) {
  const std::string::size_type space = time.find(' ');
  return space == std::string::npos ? time : time.substr(space + 1);
}


}  // namespace

CExceptionRecordWnd::CExceptionRecordWnd(std::list<RecordAreaInfo> areas, int planId, std::string runKey)
    : m_nPlanId(planId),
      m_strTimeKey(TimeKeyFromRunKey(runKey)),
      m_listAreas(std::move(areas)),
      m_pictures(planId, m_strTimeKey) {
  m_record.iID = -1;
}

CExceptionRecordWnd::~CExceptionRecordWnd() = default;

LPCTSTR CExceptionRecordWnd::GetWindowClassName() const { return L"ExceptionRecord"; }

SkinUI::CUIString CExceptionRecordWnd::GetSkinXmlName() const { return L"ExceptionRecordWnd.xml"; }

void CExceptionRecordWnd::OnSkinBuilt() {
  m_record = DAL_PatrolServer().DAL_ExceptionRecord_Get(m_nPlanId, m_strTimeKey);
  m_pRemark = m_pm.FindControl(L"Edit_remark");
  if (m_pRemark != nullptr) {
    const std::wstring remark = Wide(m_record.strRemark);
    m_pRemark->SetText(remark.c_str());
    m_pRemark->SetToolTip(remark.c_str());
  }
  // Setting the text sends no "textchanged": a saved remark is counted here.
  CountRemark();
  m_pCheckpoints = FindTiles(m_pm, L"TileLayout_ExceptionRecord");
  m_pPictures = FindTiles(m_pm, L"TileLayout_Pic");
  FillCheckpointItems();
  // A run key whose digits are not all digits names no run: shown, never touched.
  const bool knownRun = !m_strTimeKey.empty();
  if (knownRun) m_pictures.Fetch();
  FillPictureTiles();
  m_nEditable = knownRun && IsPlanPerson() ? 1 : 0;
  const int phase = GetRunPhase();
  if (phase == 1 || phase == 3) m_nEditable = 0;
  if (m_nEditable == 0) ShowReadOnly();
}

int CExceptionRecordWnd::GetRunPhase() const {
  SYSTEMTIME now = {};
  ::GetLocalTime(&now);
  return ::GetRunPhase(m_strTimeKey, now);
}

bool CExceptionRecordWnd::IsPlanPerson() const {
  std::list<PlanPeopleInfo> people;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    const auto plan = g_mapInspectPlan.find(m_nPlanId);
    if (plan == g_mapInspectPlan.end()) return false;
    people = plan->second.listPeople;
  }
  const std::string user = Lower(global_singleton::get_const_instance().m_userInfo.strUserID);
  for (const PlanPeopleInfo& person : people) {
    const auto cached = g_mapPeople.find(person.iID);
    if (cached != g_mapPeople.end() && Lower(cached->second.UserID) == user) return true;
  }
  return false;
}

void CExceptionRecordWnd::ShowReadOnly() {
  SkinUI::CControlUI* ok = m_pm.FindControl(L"btn_Ok");
  SkinUI::CControlUI* add = m_pm.FindControl(L"btn_Add");
  if (ok != nullptr && add != nullptr) {
    ok->SetVisible(false);
    add->SetVisible(false);
    if (m_pPictures != nullptr) m_pPictures->SetEnabled(false);
    if (m_pRemark != nullptr) m_pRemark->SetEnabled(false);
    if (m_pCheckpoints != nullptr) m_pCheckpoints->SetEnabled(false);
  }
  if (!m_pictures.Names().empty()) return;
  if (SkinUI::CControlUI* addRow = m_pm.FindControl(L"addhz")) addRow->SetVisible(false);
}

void CExceptionRecordWnd::FillCheckpointItems() {
  if (m_pCheckpoints == nullptr) return;
  m_pCheckpoints->RemoveAll();
  m_pCheckpoints->SetColumns(6);
  for (const RecordAreaInfo& area : m_listAreas) {
    for (const RecordPositionInfo& record : area.listPosition) {
      auto box = std::make_unique<SkinUI::CCheckBoxUI>();
      box->SetAttributeList(
          L"padding=\"0,12,0,0\" textpadding=\"25,4,0,0\" textcolor=\"#FFFFFF\" font=\"7\" align=\"left\" "
          L"endellipsis=\"true\" height=\"30\"");
      box->SetAttribute(L"selectedimage", L"file='2巡更计划/已打勾原始.png' dest='2,6,18,22'");
      box->SetAttribute(L"hotimage", L"file='2巡更计划/未打钩经过.png' dest='2,6,18,22'");
      box->SetAttribute(L"normalimage", L"file='2巡更计划/未打钩原始.png' dest='2,6,18,22'");
      const std::wstring name = Wide(record.Name);
      box->SetToolTip(name.c_str());
      box->SetText(name.c_str());
      box->SetUserData(std::to_wstring(record.ID).c_str());
      box->SetName((L"PositionDeviceCK" + std::to_wstring(record.ID)).c_str());
      if (record.iAbnormal == 1) {
        box->SetCheck(true);
      } else {
        box->SetCheck(false);
        if (record.iResult != 1) {
          box->SetEnabled(false);
          box->SetToolTip(L"该点未巡逻!");
        }
      }
      if (m_pCheckpoints->Add(box.get())) box.release();
    }
  }
}

void CExceptionRecordWnd::FillPictureTiles() {
  if (m_pPictures != nullptr) {
    m_pPictures->RemoveAll();
    m_pPictures->SetColumns(5);
    for (const std::string& name : m_pictures.Names()) {
      const std::wstring wideName = Wide(name);
      const std::wstring path = m_pictures.LocalPath(name);
      auto tile = std::make_unique<SkinUI::CHorizontalLayoutUI>();
      tile->SetAttributeList(L"bkcolor=\"0xff113EE1\" width=\"120\" height=\"73\"");
      auto look = std::make_unique<SkinUI::CButtonUI>();
      look->SetNormalImage(path.c_str());
      look->SetHotImage(path.c_str());
      look->SetToolTip(wideName.c_str());
      look->SetUserData(wideName.c_str());
      look->SetName(L"btn_Look");
      auto remove = std::make_unique<SkinUI::CButtonUI>();
      remove->SetAttributeList(L"normalimage=\"file='弹窗/删除原始.png'\" font=\"2\"");
      remove->SetHotImage(L"file='弹窗/删除经过.png'");
      remove->SetToolTip(L"删除");
      remove->SetPadding(RECT{-15, 0, 0, 0});
      remove->SetFixedHeight(15);
      remove->SetFixedWidth(15);
      remove->SetName(L"btn_Delete");
      remove->SetUserData(wideName.c_str());
      if (tile->Add(look.get())) look.release();
      if (tile->Add(remove.get())) remove.release();
      if (m_pPictures->Add(tile.get())) tile.release();
    }
  }
  SkinUI::CControlUI* copyOut = m_pm.FindControl(L"btn_DownLoad");
  SkinUI::CControlUI* okRow = m_pm.FindControl(L"hzok");
  SkinUI::CControlUI* none = m_pm.FindControl(L"NoContextLab");
  if (copyOut == nullptr || okRow == nullptr || none == nullptr) return;
  const bool any = !m_pictures.Names().empty();
  copyOut->SetVisible(any);
  none->SetVisible(!any);
  okRow->SetPadding(RECT{0, any ? 48 : 47, 0, 0});
}

void CExceptionRecordWnd::RefreshPictures() {
  m_pictures.Fetch();
  FillPictureTiles();
}

void CExceptionRecordWnd::Notify(SkinUI::UINotifyRecord& msg) {
  if (msg.pSender == nullptr) return;
  const SkinUI::CUIString name = msg.pSender->GetName();
  if (msg.sType == L"textchanged" && name == L"Edit_remark") {
    CountRemark();
    return;
  }
  if (msg.sType != L"click") return;
  if (name == L"btn_close" || name == L"btn_Cancel") {
    Close(2);
  } else if (name == L"btn_Ok") {
    if (Save()) Close(1);
  } else if (name == L"btn_Add") {
    UploadPictures();
    RefreshPictures();
  } else if (name == L"btn_DownLoad") {
    SavePictures();
  } else if (name == L"btn_Delete") {
    DeletePicture(Narrow(msg.pSender->GetUserData().GetData()));
  } else if (name == L"btn_Look") {
    ViewPicture(Narrow(msg.pSender->GetUserData().GetData()));
  }
}

void CExceptionRecordWnd::CountRemark() {
  SkinUI::CControlUI* counter = m_pm.FindControl(L"textNumberlab");
  if (counter == nullptr || m_pRemark == nullptr) return;
  const int length = m_pRemark->GetText().GetLength();
  if (length <= 0) return;
  counter->SetText((std::to_wstring(length) + L"/100").c_str());
}

bool CExceptionRecordWnd::Save() {
  if (!CheckSavableTexts(m_hWnd, {m_pRemark})) return false;
  const std::string remark = m_pRemark == nullptr ? std::string() : Narrow(m_pRemark->GetText().GetData());
  DAL_PatrolServer server;
  bool refused = false;
  for (const RecordAreaInfo& area : m_listAreas) {
    for (const RecordPositionInfo& record : area.listPosition) {
      if (record.ID <= 0) continue;
      SkinUI::CControlUI* box = m_pm.FindControl((L"PositionDeviceCK" + std::to_wstring(record.ID)).c_str());
      const bool checked =
          box != nullptr && box->GetInterface(L"Option") != nullptr && static_cast<SkinUI::CCheckBoxUI*>(box)->IsSelected();
      const int result = server.DAL_InspectRecord_Update(
          record.ID, record.iType, m_nPlanId, record.PositionDeviceID, record.strInspectPeopleID, record.strDate,
          TimeOfDay(record.strTime), record.iState, record.iResult, checked ? 1 : 0, record.strPhoto, record.strSound,
          record.strReserve);
      if (result < 0) refused = true;
    }
  }
  if (m_record.iID < 1) {
    const int id = server.DAL_ExceptionRecord_Add(m_nPlanId, m_strTimeKey, remark);
    if (id < 0) {
      refused = true;
    } else {
      // A second press after a refused update must not add the record again.
      m_record.iID = id;
      m_record.iPlanID = m_nPlanId;
      m_record.strTime = m_strTimeKey;
    }
  } else if (server.DAL_ExceptionRecord_Update(m_record.iID, m_record.iPlanID, m_record.strTime, remark) < 0) {
    refused = true;
  }
  if (refused) {
    ShowMessage(L"添加失败!", m_hWnd, 7);
    return false;
  }
  Toast(L"添加完成!");
  return true;
}

void CExceptionRecordWnd::UploadPictures() {
  const std::vector<std::string> paths = ChoosePictures();
  if (paths.size() > static_cast<size_t>(kMostPictures)) {
    Toast(L"最多上传30张照片!");
    return;
  }
  if (paths.empty()) {
    Toast(L"所选文件为空!");
    return;
  }
  for (const std::string& path : paths) {
    if (FileNameOf(path).size() <= kLongestPictureName) continue;
    Toast(L"所选图片-" + Wide(path) + L"-名字过长请修改后上传!");
    return;
  }
  DAL_PatrolServer server;
  int uploaded = 0;
  int refused = 0;
  for (const std::string& path : paths) {
    if (!IsPictureFile(path)) continue;
    if (server.DAL_UploadPic(path, m_nPlanId, m_strTimeKey, 1, FileNameOf(path)) >= 1) {
      ++uploaded;
    } else {
      ++refused;
    }
  }
  if (refused > 0) {
    Toast(L"上传失败!");
  } else if (uploaded > 0) {
    Toast(L"上传成功");
  }
}

std::vector<std::string> CExceptionRecordWnd::ChoosePictures() const {
  std::vector<wchar_t> answer(kChosenFilesBuffer, L'\0');
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = nullptr;
  dialog.lpstrFilter = L"媒体文件( 图片)\0*.jpg;*.jpeg;*.png;*.bmp\0\0";
  dialog.lpstrFile = answer.data();
  dialog.nMaxFile = kChosenFilesBuffer;
  dialog.lpstrTitle = L"选择文件";
  dialog.Flags = OFN_EXPLORER | OFN_ALLOWMULTISELECT | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
  if (::GetOpenFileNameW(&dialog) == FALSE) return {};
  std::vector<std::string> paths;
  for (const std::wstring& path : ChosenPaths(answer)) paths.push_back(Narrow(path));
  return paths;
}

void CExceptionRecordWnd::SavePictures() {
  const std::string folder = ChooseSaveFolder();
  if (folder.empty()) return;
  if (folder.size() >= kFolderLimit) {
    Toast(L"下载路径过长，请重新选择下载路径!");
    return;
  }
  std::string planName;
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPlan);
    const auto plan = g_mapInspectPlan.find(m_nPlanId);
    if (plan != g_mapInspectPlan.end()) planName = plan->second.strName;
  }
  const std::string target = CommonTools::join_path(folder, PlanFileName(planName));
  const CStringW wideTarget = CommonTools::string_to_cstring(target);
  if (!PathExists(wideTarget, true) && ::CreateDirectoryW(wideTarget, nullptr) == FALSE) return;
  Toast(CopyPictureFile(target) ? L"下载成功!" : L"下载失败!");
}

std::string CExceptionRecordWnd::ChooseSaveFolder() const {
  wchar_t displayName[MAX_PATH] = {0};
  BROWSEINFOW info = {};
  info.hwndOwner = nullptr;
  info.pidlRoot = nullptr;
  info.pszDisplayName = displayName;
  info.lpszTitle = L"从下面选文件夹目录:";
  info.ulFlags = BIF_RETURNFSANCESTORS;
  auto item = ::SHBrowseForFolderW(&info);
  if (item == nullptr) return std::string();
  wchar_t path[MAX_PATH] = {0};
  const BOOL isFolder = ::SHGetPathFromIDListW(item, path);
  ::CoTaskMemFree(item);
  return isFolder ? Narrow(path) : std::string();
}

bool CExceptionRecordWnd::CopyPictureFile(const std::string& target) const {
  return CopyFolderInto(m_pictures.RunFolder(), Wide(target));
}

void CExceptionRecordWnd::DeletePicture(const std::string& name) {
  if (!ShowMessage(L"是否删除图片：" + Wide(name) + L"?", m_hWnd, 2)) return;
  const std::string path = Narrow(m_pictures.LocalPath(name));
  if (DAL_PatrolServer().DAL_UploadPic(path, m_nPlanId, m_strTimeKey, 16, name) == -1) return;
  if (g_pFeedBackWnd == nullptr) return;
  RefreshPictures();
  ShowToast(L"删除" + Wide(name) + L"成功!", 3);
}

void CExceptionRecordWnd::ViewPicture(const std::string& name) const {
  if (!CommonTools::is_plain_file_name(name)) return;
  // Quoted: the program folder may hold a space, as "Program Files" does.
  const std::string path = Narrow(m_pictures.LocalPath(name));
  const std::string command = "rundll32.exe C:\\Windows\\System32\\shimgvw.dll,ImageView_Fullscreen \"" + path + "\"";
  // A viewer that could not start (no xdg-open) is said so, rather than nothing
  // happening at the click.
  if (::WinExec(command.c_str(), SW_SHOWNORMAL) <= 31) ShowCannotOpen(m_hWnd);
}
