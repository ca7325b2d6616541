#include "app/records/PlanRunExport.h"

#include <algorithm>
#include <utility>

#include "CommonTools/Conversions.h"
#include "CommonTools/FileNameCheck.h"
#include "CommonTools/Files.h"
#include "CommonTools/HttpDownload.h"
#include "CommonTools/Log.h"
#include "CommonTools/QueryValue.h"
#include "CommonTools/global_singleton.h"
#include "app/records/ExcelReportWriter.h"
#include "app/records/FileNames.h"
#include "app/records/PathExists.h"
#include "app/records/RunKey.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalLog.h"

namespace {

CStringW Wide(const std::string& gbk) { return CommonTools::string_to_cstring(gbk); }

// Makes the folder unless it is there already; false when it is still missing.
bool EnsureFolder(const std::string& folder) {
  const CStringW path = Wide(folder);
  if (PathExists(path, true)) return true;
  return ::CreateDirectoryW(path, nullptr) != FALSE;
}

}  // namespace

PlanRunExport::PlanRunExport(int planId, std::string planName, std::string runKey, std::list<PlanRunRow> rows)
    : m_nPlanId(planId), m_strPlanName(std::move(planName)), m_strRunKey(std::move(runKey)), m_rows(std::move(rows)) {}

std::string PlanRunExport::PlanFolder(const std::string& folder) const {
  return CommonTools::join_path(folder, PlanFileName(m_strPlanName));
}

bool PlanRunExport::Run(const std::string& folder) const {
  const std::string planFolder = PlanFolder(folder);
  if (!EnsureFolder(planFolder)) return false;
  std::string run = m_strRunKey;
  std::replace(run.begin(), run.end(), '/', ' ');
  const std::string title1 = m_strPlanName + "_" + run;
  const std::string timeKey = TimeKeyFromRunKey(m_strRunKey);
  const ExceptionRecordInfo record = DAL_PatrolServer().DAL_ExceptionRecord_Get(m_nPlanId, timeKey);
  ExcelReportWriter writer(planFolder);
  g_log.Write(3, "1\n");
  const std::string workbook = writer.WritePlanRunRecords(title1, m_rows, "异常说明:" + record.strRemark);
  // A run key that gives no time key names no pictures of its own.
  if (!timeKey.empty()) FetchPictures(planFolder, timeKey);
  return !workbook.empty();
}

void PlanRunExport::FetchPictures(const std::string& planFolder, const std::string& timeKey) const {
  const std::string pictureFolder = planFolder + "\\ExceptionPicture";
  if (PathExists(Wide(pictureFolder), true)) {
    CommonTools::delete_folder(Wide(pictureFolder), Wide(planFolder));
    ::Sleep(100);
  }
  if (::CreateDirectoryW(Wide(pictureFolder), nullptr) == FALSE) return;
  const std::string base = global_singleton::get_const_instance().m_strServerAddr + "ResPic/" +
                           std::to_string(m_nPlanId) + "/" + CommonTools::query_value(timeKey) + "/";
  for (const std::string& name : DAL_PatrolServer().DAL_UploadPic_GetNames(m_nPlanId, timeKey)) {
    // A name the server lists is never trusted as a path component.
    if (!CommonTools::is_plain_file_name(name)) {
      DalLog::InfoLine("下载图片失败，" + name + "\n");
      continue;
    }
    // Encoded as a path segment: "#", "%" or a blank in a name would ask for another file.
    http_download((base + CommonTools::query_value(name)).c_str(), (pictureFolder + "\\" + name).c_str());
  }
}
