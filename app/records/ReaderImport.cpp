#include "app/records/ReaderImport.h"

#include <string>

#include "CommonTools/Log.h"
#include "app/records/ReaderRecord.h"
#include "app/records/RecordsFile.h"
#include "app/shell/ShellServices.h"
#include "data/DAL_PatrolServer.h"
#include "platform/reader/JCommApi.h"

namespace {

using platform::reader::JComm;

const int kToastSeconds = 3;

void Toast(const std::wstring& text) { ShowToast(text, kToastSeconds); }

}  // namespace

ReaderImport::Outcome ReaderImport::Run() {
  Outcome outcome = Import();
  JComm().CloseDevice();
  return outcome;
}

int ReaderImport::PostAll(const std::list<ReaderRecord>& records, int readerId) {
  DAL_PatrolServer server;
  int failed = 0;
  for (const ReaderRecord& record : records) {
    const int result = server.DAL_DeviceRecord_Add(record.iType, std::to_string(readerId), record.strPeopleCode,
                                                   record.strPositionCode, record.strTime, "--");
    if (result < 0) ++failed;
  }
  return failed;
}

ReaderImport::Outcome ReaderImport::Import() {
  Outcome outcome;
  const long opened = JComm().OpenDevice();
  if (opened < 0) {
    Toast(L"设备未连接，请先连接巡更设备!");
    g_log.Write(3, "登陆巡更设备失败，OpenDevice()接口返回值%ld！\n", opened);
    return outcome;
  }
  const long id = JComm().GetDeviceId();
  if (id < 0) {
    Toast(L"获取巡更设备ID失败!");
    g_log.Write(3, "获取巡更设备ID失败，GetDeviceId()接口返回值%ld！\n", id);
    return outcome;
  }
  const std::string path = RecordsFile::Path();
  JComm().Ordinal5(0);
  const long count = JComm().GetRecords(path.c_str(), 0);
  if (count < 0) {
    Toast(L"获取巡更设备ID失败!");
    g_log.Write(3, "获取巡更设备ID失败，GetRecords()接口返回值%ld！\n", count);
    return outcome;
  }
  if (count == 0) {
    Toast(L"当前巡更设备无巡更记录!");
    return outcome;
  }
  std::list<ReaderRecord> records;
  if (!RecordsFile::Read(path, records)) {
    Toast(L"记录文件不存在读取失败!");
    records.clear();
  }
  const int read = static_cast<int>(records.size());
  if (read != count) {
    Toast(L"读取巡更设备记录失败!");
    g_log.Write(3, "巡更设备记录数量%d，实际读取数量%d！\n", static_cast<int>(count), read);
    return outcome;
  }
  // The reader forgets its records after 5(0) and 8: only once the server holds them all.
  const int failed = PostAll(records, static_cast<int>(id));
  if (failed == 0) {
    JComm().Ordinal5(0);
    JComm().Ordinal8();
    Toast(L"读取巡更设备记录成功,共读取" + std::to_wstring(read) + L"条记录");
  } else {
    Toast(L"读取巡更设备记录失败!");
    g_log.Write(3, "上传巡更设备记录失败%d条，共%d条！\n", failed, read);
  }
  outcome.records = DAL_PatrolServer().DAL_DeviceRecord_Get();
  outcome.refreshed = true;
  return outcome;
}
