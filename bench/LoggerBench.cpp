// Lines per second of the two loggers, each line on disk before the measurement ends,
// beside the plain file writes each logger's writer does in the end.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <thread>

#include <boost/filesystem/operations.hpp>

#include "CommonTools/Log.h"
#include "CommonTools/LogHelper.h"
#include "testing/files/ScratchFolder.h"

namespace {

constexpr int kLines = 1000;
const char kText[] = "[DAL_InspectPlan_Get]\xB3\xF6\xB4\xED\xA3\xAC\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2"
                     "\xCE\xAA\xA3\xBA connect: Connection refused";

// Each iteration starts a logger, writes the lines and stops it, which writes out the queue.
void BM_TextLogLines(benchmark::State& state) {
  test_support::ScratchFolder folder;
  for (auto _ : state) {
    Log log;
    log.Init("log", 6, 100 << 20, folder.path());
    for (int i = 0; i < kLines; ++i) log.Write(3, "%s %d\n", kText, i);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

// What the text logger's writer does for a record at level 3 under threshold 6: four
// files, one flushed write each.
void BM_PlainFlushedLines(benchmark::State& state) {
  test_support::ScratchFolder folder;
  for (auto _ : state) {
    FILE* files[4];
    for (int f = 0; f < 4; ++f) files[f] = fopen(folder.file("plain" + std::to_string(f)).c_str(), "a+");
    for (int i = 0; i < kLines; ++i) {
      for (FILE* file : files) {
        fprintf(file, "2024-01-01 00:00:00 error 1234 %s %d\n", kText, i);
        fflush(file);
      }
    }
    for (FILE* file : files) fclose(file);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

// The queue holds 256 records, so past the first iterations the producer runs at the
// worker's pace: this is the worker's rate of archive, open, append and close.
void BM_AsyncLogLines(benchmark::State& state) {
  static test_support::ScratchFolder* folder = [] {
    auto* created = new test_support::ScratchFolder();
    boost::filesystem::current_path(created->path());
    return created;
  }();
  benchmark::DoNotOptimize(folder);
  CommonTools::log_helper::instance();
  for (auto _ : state) {
    for (int i = 0; i < kLines; ++i) CommonTools::log_helper::write(2, kText);
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

// One open, append and close per record, as the worker does, without archive or queue.
void BM_PlainAppendPerLine(benchmark::State& state) {
  test_support::ScratchFolder folder;
  const std::string path = folder.file("error.log");
  const std::string entry = std::string("00:00:00\n") + kText +
                            "\n----------------------------------------------\n\n";
  for (auto _ : state) {
    for (int i = 0; i < kLines; ++i) {
      FILE* file = fopen(path.c_str(), "ab");
      fwrite(entry.data(), 1, entry.size(), file);
      fclose(file);
    }
  }
  state.SetItemsProcessed(state.iterations() * kLines);
}

BENCHMARK(BM_TextLogLines)->UseRealTime();
BENCHMARK(BM_PlainFlushedLines)->UseRealTime();
BENCHMARK(BM_AsyncLogLines)->UseRealTime();
BENCHMARK(BM_PlainAppendPerLine)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
