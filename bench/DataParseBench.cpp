// Records per second of the patrol-server reply parsers on replies of 10,000 records,
// beside a bare JsonCpp parse of the same bytes. The ratio is what the parser rules and the
// cache look-ups cost on top of reading the JSON. Device records resolve their codes
// against 10,000 cached checkpoints and 1,000 cached readers.
#include <benchmark/benchmark.h>

#include <list>
#include <memory>
#include <string>

#include <json/json.h>

#include "CommonTools/global_singleton.h"
#include "data/DAL_PatrolServer.h"
#include "data/DalLog.h"
#include "data/DeviceRecordParser.h"
#include "data/InspectPosDeviceParser.h"
#include "data/StartupCaches.h"

namespace {

constexpr int kRecords = 10000;
constexpr int kCachedCheckpoints = 10000;
constexpr int kCachedReaders = 1000;
constexpr int kFingerprintsPerReader = 5;
constexpr int kBuildings = 100;
const std::string kEastGateGbk = "\xb6\xab\xc3\xc5";  // 东门

std::string Code(const char* head, int number) { return head + std::to_string(number); }

std::string CheckpointReply() {
  std::string reply = "[";
  for (int i = 1; i <= kRecords; ++i) {
    if (i > 1) reply += ',';
    reply += "{\"iID\":" + std::to_string(i) + ",\"strName\":\"" + kEastGateGbk + std::to_string(i) +
             "\",\"iAreaID\":" + std::to_string(i % kBuildings) + ",\"ifloor\":" + std::to_string(i % 7) +
             ",\"strCode\":\"" + Code("C", i) +
             "\",\"strCameraID\":\"cam\",\"strCamName\":\"gate\",\"strCamIp\":\"10.0.0.1\",\"strCamAccount\":"
             "\"admin\",\"strCamPassword\":\"pw\",\"CamPort\":554,\"CamBrand\":2,\"strReserve\":\"\"}";
  }
  return reply + "]";
}

std::string ReaderReply() {
  std::string reply = "[";
  for (int i = 1; i <= kRecords; ++i) {
    if (i > 1) reply += ',';
    reply += "{\"iID\":" + std::to_string(i) + ",\"strName\":\"" + kEastGateGbk + "\",\"strCode\":\"" + Code("D", i) +
             "\",\"strReserve\":\"2024-05-06 07:08:09\",\"iPeopleID\":3,\"strTelephone\":\"139\",\"iVoiceStatus\":1,"
             "\"iVoice\":2,\"iNotifyWay\":0,\"iFingerprintStatus\":0,\"ServerType\":1,\"Serveraddr\":\"10.0.0.1\"}";
  }
  return reply + "]";
}

std::string DeviceRecordReply() {
  std::string reply = "[";
  for (int i = 1; i <= kRecords; ++i) {
    if (i > 1) reply += ',';
    const int reader = i % kCachedReaders + 1;
    reply += "{\"strTime\":\"240506070809\",\"iID\":" + std::to_string(i) + ",\"iType\":2,\"strDeviceCode\":\"" +
             Code("D", reader) + "\",\"strInspectPositionDeviceCode\":\"" + Code("C", i % kCachedCheckpoints + 1) +
             "\",\"strPeopleCode\":\"" + Code("F", reader * kFingerprintsPerReader) + "\",\"strReserve\":\"--\"}";
  }
  return reply + "]";
}

void FillCaches() {
  for (int b = 0; b < kBuildings; ++b) g_mapDigiArea[b].buildingName = "B" + std::to_string(b);
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    for (int i = 1; i <= kCachedCheckpoints; ++i) {
      InspectPosDeviceInfo& checkpoint = g_mapInspectPosDevice[i];
      checkpoint.iID = i;
      checkpoint.strCode = Code("C", i);
      checkpoint.strName = kEastGateGbk;
      checkpoint.strAreaName = "B1";
    }
  }
  for (int r = 1; r <= kCachedReaders; ++r) {
    InspectDeviceInfo& reader = g_mapInspectDevice[r];
    reader.iID = r;
    reader.strCode = Code("D", r);
    reader.strName = "R";
    for (int f = 1; f <= kFingerprintsPerReader; ++f) {
      FingerprintInfo fingerprint;
      fingerprint.strCode = Code("F", (r - 1) * kFingerprintsPerReader + f);
      fingerprint.strPeopleName = "P";
      reader.listFingerprint.push_back(fingerprint);
    }
  }
}

// The measurements must not write log files; the reader parse logs one failed fingerprint
// request per reader.
struct Setup {
  Setup() {
    DalLog::SetObserver([](DalLog::Sink, int, const std::string&) {});
    FillCaches();
  }
};

void EnsureSetup() { static Setup setup; }

void BareParse(benchmark::State& state, const std::string& reply) {
  Json::CharReaderBuilder builder;
  std::unique_ptr<Json::CharReader> reader(builder.newCharReader());
  for (auto _ : state) {
    Json::Value root;
    std::string errors;
    reader->parse(reply.data(), reply.data() + reply.size(), &root, &errors);
    benchmark::DoNotOptimize(root);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_BareJsonCheckpoints(benchmark::State& state) { BareParse(state, CheckpointReply()); }
void BM_BareJsonReaders(benchmark::State& state) { BareParse(state, ReaderReply()); }
void BM_BareJsonDeviceRecords(benchmark::State& state) { BareParse(state, DeviceRecordReply()); }

void BM_ParseCheckpoints(benchmark::State& state) {
  EnsureSetup();
  const std::string reply = CheckpointReply();
  for (auto _ : state) {
    std::list<InspectPosDeviceInfo> checkpoints;
    ParseInspectPosDeviceJsonData(reply.c_str(), checkpoints);
    benchmark::DoNotOptimize(checkpoints);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

// The nested fingerprint request of each reader goes to a base URL without an HTTP scheme,
// which the transport refuses before any connection: what remains is the parse, the
// nested call's own frame and its log line.
void BM_ParseReaders(benchmark::State& state) {
  EnsureSetup();
  global_singleton::get_mutable_instance().m_strServerAddr = "bench:/";
  DAL_PatrolServer dal;
  const std::string reply = ReaderReply();
  for (auto _ : state) {
    std::list<InspectDeviceInfo> readers;
    dal.ParseInspectDeviceJsonData(reply.c_str(), readers);
    benchmark::DoNotOptimize(readers);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

void BM_ParseDeviceRecords(benchmark::State& state) {
  EnsureSetup();
  const std::string reply = DeviceRecordReply();
  for (auto _ : state) {
    std::list<DeviceRecordInfo> records;
    ParseDeviceRecordJsonData(reply.c_str(), records);
    benchmark::DoNotOptimize(records);
  }
  state.SetItemsProcessed(state.iterations() * kRecords);
}

BENCHMARK(BM_BareJsonCheckpoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseCheckpoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareJsonReaders)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseReaders)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_BareJsonDeviceRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ParseDeviceRecords)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
