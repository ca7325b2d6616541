// The conversions the REST transport and the loggers make, on JSON-like text with Chinese
// names, beside a bare iconv call over the same bytes: the ratio is what the policy
// handling and the string building add to the conversion itself.
#include <benchmark/benchmark.h>

#include <iconv.h>

#include <string>
#include <vector>

#include "platform/base/CodePage.h"

namespace {

using platform::codepage::Policy;

// About `size` bytes of a JSON list in UTF-8, the shape of a patrol-server reply.
std::string Utf8Reply(std::size_t size) {
  std::string json = "[";
  for (int i = 0; json.size() < size; ++i) {
    json += "{\"id\":" + std::to_string(i) + ",\"name\":\"\xE5\xB7\xA1\xE6\x9B\xB4\xE7\x82\xB9\"},";
  }
  json.back() = ']';
  return json;
}

// The same reply with one byte iconv refuses in its middle, so that the policy has to act.
std::string Utf8ReplyWithBadByte(std::size_t size) {
  std::string json = Utf8Reply(size);
  json.insert(json.size() / 2, 1, '\xFF');
  return json;
}

std::string GbkReply(std::size_t size) {
  return platform::codepage::Utf8ToGbk(Utf8Reply(size), Policy::Fail);
}

std::wstring WideReply(std::size_t size) {
  return platform::codepage::Utf8ToWide(Utf8Reply(size), Policy::Fail);
}

void Count(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
}

// One iconv call into a buffer large enough for the whole output.
void BareIconv(benchmark::State& state, const char* to, const char* from, const std::string& input) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) {
    state.SkipWithError("iconv_open failed");
    return;
  }
  std::vector<char> output(input.size() * 4 + 16);
  for (auto _ : state) {
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
    char* in = const_cast<char*>(input.data());
    size_t inLeft = input.size();
    char* out = output.data();
    size_t outLeft = output.size();
    iconv(cd, &in, &inLeft, &out, &outLeft);
    benchmark::DoNotOptimize(output.data());
    benchmark::ClobberMemory();
  }
  iconv_close(cd);
  Count(state, input.size());
}

void BM_BareIconvUtf8ToGbk(benchmark::State& state) {
  BareIconv(state, "CP936", "UTF-8", Utf8Reply(static_cast<std::size_t>(state.range(0))));
}

void BM_BareIconvGbkToUtf8(benchmark::State& state) {
  BareIconv(state, "UTF-8", "CP936", GbkReply(static_cast<std::size_t>(state.range(0))));
}

void BM_BareIconvUtf8ToWide(benchmark::State& state) {
  BareIconv(state, "WCHAR_T", "UTF-8", Utf8Reply(static_cast<std::size_t>(state.range(0))));
}

// The transport's route for every reply.
void BM_Utf8ToGbk(benchmark::State& state) {
  const std::string input = Utf8Reply(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(platform::codepage::Utf8ToGbk(input, Policy::Skip));
  Count(state, input.size());
}

// One refused byte halfway: the first half goes in one call, the rest after the policy.
void BM_Utf8ToGbkWithBadByte(benchmark::State& state) {
  const std::string input = Utf8ReplyWithBadByte(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(platform::codepage::Utf8ToGbk(input, Policy::Skip));
  Count(state, input.size());
}

// The transport's route for every request body.
void BM_GbkToUtf8(benchmark::State& state) {
  const std::string input = GbkReply(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(platform::codepage::GbkToUtf8(input, Policy::Skip));
  Count(state, input.size());
}

void BM_Utf8ToWide(benchmark::State& state) {
  const std::string input = Utf8Reply(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(platform::codepage::Utf8ToWide(input, Policy::Fail));
  Count(state, input.size());
}

void BM_WideToGbk(benchmark::State& state) {
  const std::wstring input = WideReply(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(platform::codepage::WideToGbk(input));
  Count(state, input.size() * sizeof(wchar_t));
}

BENCHMARK(BM_BareIconvUtf8ToGbk)->Arg(256)->Arg(64 << 10);
BENCHMARK(BM_Utf8ToGbk)->Arg(256)->Arg(64 << 10);
BENCHMARK(BM_Utf8ToGbkWithBadByte)->Arg(256)->Arg(64 << 10);
BENCHMARK(BM_BareIconvGbkToUtf8)->Arg(256)->Arg(64 << 10);
BENCHMARK(BM_GbkToUtf8)->Arg(256)->Arg(64 << 10);
BENCHMARK(BM_BareIconvUtf8ToWide)->Arg(256)->Arg(64 << 10);
BENCHMARK(BM_Utf8ToWide)->Arg(256)->Arg(64 << 10);
BENCHMARK(BM_WideToGbk)->Arg(256)->Arg(64 << 10);

}  // namespace

BENCHMARK_MAIN();
