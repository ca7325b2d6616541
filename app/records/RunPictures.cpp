#include "app/records/RunPictures.h"

#include <utility>

#include "CommonTools/Config.h"
#include "CommonTools/Conversions.h"
#include "CommonTools/FileNameCheck.h"
#include "CommonTools/Files.h"
#include "CommonTools/QueryValue.h"
#include "CommonTools/global_singleton.h"
#include "app/records/PathExists.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalLog.h"
#include "platform/base/UrlDownload.h"

namespace {

std::wstring Wide(const std::string& gbk) { return CommonTools::string_to_cstring(gbk).GetString(); }

bool FolderExists(const std::wstring& folder) { return PathExists(CStringW(folder.c_str()), true); }

bool MakeFolder(const std::wstring& folder) { return ::CreateDirectoryW(folder.c_str(), nullptr) != FALSE; }

}  // namespace

RunPictures::RunPictures(int planId, std::string timeKey) : m_nPlanId(planId), m_strTimeKey(std::move(timeKey)) {
  m_resFolder = CommonTools::get_exe_dir() + L"\\res";
  m_planFolder = m_resFolder + L"\\" + std::to_wstring(planId);
  m_runFolder = m_planFolder + L"\\" + Wide(m_strTimeKey);
}

std::wstring RunPictures::LocalPath(const std::string& name) const { return m_runFolder + L"\\" + Wide(name); }

bool RunPictures::PrepareFolders() const {
  if (!FolderExists(m_resFolder) && !MakeFolder(m_resFolder)) return false;
  if (!FolderExists(m_planFolder)) {
    if (!MakeFolder(m_planFolder)) return false;
    return FolderExists(m_runFolder) || MakeFolder(m_runFolder);
  }
  if (FolderExists(m_runFolder)) {
    CommonTools::delete_folder(CStringW(m_runFolder.c_str()), CStringW(m_planFolder.c_str()));
    ::Sleep(1000);
  }
  return MakeFolder(m_runFolder);
}

bool RunPictures::Fetch() {
  // A run without a proper time key has no folder of its own: the plan folder or one
  // beside it would be emptied instead.
  if (!CommonTools::accept_file_name(m_strTimeKey, "巡更时间")) return false;
  if (!PrepareFolders()) return false;
  m_names.clear();
  // The time key and the names are path segments of the address: encoded, "#", "%", "&"
  // or a blank in a name reach the service as the name they are.
  const std::string base = global_singleton::get_const_instance().m_strServerAddr + "ResPic/" +
                           std::to_string(m_nPlanId) + "/" + CommonTools::query_value(m_strTimeKey) + "/";
  for (const std::string& name : DAL_PatrolServer().DAL_UploadPic_GetNames(m_nPlanId, m_strTimeKey)) {
    if (!CommonTools::is_plain_file_name(name)) {
      DalLog::InfoLine("下载图片失败，" + name + "\n");
      continue;
    }
    m_names.push_back(name);
    const std::wstring url = Wide(base + CommonTools::query_value(name));
    if (FAILED(::URLDownloadToFileW(nullptr, url.c_str(), LocalPath(name).c_str(), 0, nullptr))) {
      DalLog::InfoLine("下载图片失败，" + name + "\n");
    }
  }
  return true;
}
