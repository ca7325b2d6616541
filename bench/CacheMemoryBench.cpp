// What the start-up caches cost in resident memory with 10,000 checkpoints, readers,
// people and plans: each reply, as the transport hands it over (GBK), is parsed into its
// list and the records are moved into the cache, as the main frame loads them. Reported
// as counters in MiB: the process's resident peak while loading, what stays resident once
// the replies are gone (freed heap the allocator keeps included), and the heap the
// caches' records take. A record is built once from its reply and moved after that, never copied.
// The nested requests (a reader's fingerprints, a plan's people and creator) go to a
// server address the transport refuses at once.
#include <benchmark/benchmark.h>

#include <malloc.h>

#include <fstream>
#include <list>
#include <string>

#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalLog.h"
#include "data/InspectPlanParser.h"
#include "data/InspectPosDeviceParser.h"
#include "data/PeopleParser.h"
#include "data/StartupCaches.h"

namespace {

constexpr int kRecords = 10000;
const std::string kEastGateGbk = "\xb6\xab\xc3\xc5";  // 东门
const std::string kZhangSanGbk = "\xd5\xc5\xc8\xfd";  // 张三

// A value of /proc/self/status in KiB, such as "VmHWM" or "VmRSS".
double StatusKiB(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.compare(0, field.size() + 1, field + ":") == 0) return std::stod(line.substr(field.size() + 1));
  }
  return 0;
}

double HeapInUseKiB() {
  const struct mallinfo2 info = mallinfo2();
  return double(info.uordblks + info.hblkhd) / 1024;
}

// Starts a new peak: the kernel sets the peak back to the current size.
void ResetPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

template <class Make>
std::string ListReply(Make make) {
  std::string reply = "[";
  for (int i = 1; i <= kRecords; ++i) {
    if (i > 1) reply += ',';
    reply += make(i);
  }
  return reply + "]";
}

std::string CheckpointReply() {
  return ListReply([](int i) {
    return "{\"iID\":" + std::to_string(i) + ",\"strName\":\"" + kEastGateGbk + std::to_string(i) +
           "\",\"iAreaID\":" + std::to_string(i % 100) + ",\"ifloor\":" + std::to_string(i % 7) + ",\"strCode\":\"C" +
           std::to_string(i) +
           "\",\"strCameraID\":\"cam\",\"strCamName\":\"gate\",\"strCamIp\":\"10.0.0.1\",\"strCamAccount\":\"admin\","
           "\"strCamPassword\":\"pw\",\"CamPort\":554,\"CamBrand\":2,\"strReserve\":\"\"}";
  });
}

std::string ReaderReply() {
  return ListReply([](int i) {
    return "{\"iID\":" + std::to_string(i) + ",\"strName\":\"" + kEastGateGbk + "\",\"strCode\":\"D" +
           std::to_string(i) +
           "\",\"strReserve\":\"2024-05-06 07:08:09\",\"iPeopleID\":3,\"strTelephone\":\"13900000000\","
           "\"iVoiceStatus\":1,\"iVoice\":2,\"iNotifyWay\":0,\"iFingerprintStatus\":0,\"ServerType\":1,"
           "\"Serveraddr\":\"10.0.0.1\"}";
  });
}

std::string PeopleReply() {
  return ListReply([](int i) {
    return "{\"iID\":" + std::to_string(i) + ",\"iGroup\":1010000,\"strName\":\"" + kZhangSanGbk +
           std::to_string(i) + "\",\"iIdentity\":2,\"strTelephone\":\"13900000000\",\"UserID\":\"U" +
           std::to_string(i) + "\",\"strReserve\":\"\"}";
  });
}

std::string PlanReply() {
  return ListReply([](int i) {
    return "{\"ID\":" + std::to_string(i) + ",\"Name\":\"" + kEastGateGbk + std::to_string(i) +
           "\",\"iRouteID\":" + std::to_string(i % 50) +
           ",\"iAnnouncerID\":\"U1\",\"iEquipmentID\":3,\"iType\":1,\"strDate\":\"2024-05-01&2024-12-31\","
           "\"strTime\":\"08:00-09:00&14:00-15:00\",\"Inspectpeople\":\"" +
           std::to_string(i % kRecords + 1) + "&" + std::to_string((i + 1) % kRecords + 1) +
           "\",\"strWeek\":\"1111100\",\"strRemark\":\"\"}";
  });
}

// The records of a list, moved into the cache keyed by id.
template <class Record>
void MoveInto(std::list<Record>& records, std::map<int, Record>& cache) {
  for (Record& record : records) {
    const int id = record.iID;
    cache.emplace(id, std::move(record));
  }
}

template <class Parse, class Record>
void Load(std::string reply, Parse parse, std::map<int, Record>& cache) {
  std::list<Record> records;
  parse(reply.c_str(), records);
  std::string().swap(reply);
  MoveInto(records, cache);
}

void BM_StartupCachesOf10000(benchmark::State& state) {
  DalLog::SetObserver([](DalLog::Sink, int, const std::string&) {});
  global_singleton& session = global_singleton::get_mutable_instance();
  session.m_strServerAddr = "bench:/";
  session.m_nAllRights = 1;
  for (auto _ : state) {
    const double before = StatusKiB("VmRSS");
    const double heapBefore = HeapInUseKiB();
    ResetPeak();
    DAL_PatrolServer dal;
    Load(CheckpointReply(), ParseInspectPosDeviceJsonData, g_mapInspectPosDevice);
    Load(ReaderReply(), [&dal](const char* reply, std::list<InspectDeviceInfo>& readers) {
      dal.ParseInspectDeviceJsonData(reply, readers);
    }, g_mapInspectDevice);
    Load(PeopleReply(), ParsePeopleJsonData, g_mapPeople);
    Load(PlanReply(), ParseInspectPlanJsonData, g_mapInspectPlan);
    const double peak = StatusKiB("VmHWM");
    const double held = StatusKiB("VmRSS");
    state.counters["peak_MiB"] = (peak - before) / 1024;
    state.counters["held_MiB"] = (held - before) / 1024;
    state.counters["cache_heap_MiB"] = (HeapInUseKiB() - heapBefore) / 1024;
    state.counters["records"] = double(g_mapInspectPosDevice.size() + g_mapInspectDevice.size() +
                                       g_mapPeople.size() + g_mapInspectPlan.size());
  }
}

BENCHMARK(BM_StartupCachesOf10000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
