#include "platform/reader/ReaderSimulator.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <thread>
#include <utility>

#include "platform/base/Path.h"
#include "platform/reader/JCommExports.h"

namespace platform::reader {

namespace {

// What the buffer behind the template pointer holds, its NUL included.
constexpr std::size_t kTemplateBuffer = 1024;

std::string Ints(std::initializer_list<int32_t> values) {
  std::string text;
  for (int32_t value : values) {
    if (!text.empty()) text += ' ';
    text += std::to_string(value);
  }
  return text;
}

std::string FingerKey(int32_t slot) { return "finger." + std::to_string(slot); }

// The records the reader holds, one per non-empty line.
std::string ReadRecords(const std::string& path, int& count) {
  std::ifstream in(path, std::ios::binary);
  std::string records;
  std::string line;
  count = 0;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    records += line + "\n";
    ++count;
  }
  return records;
}

}  // namespace

ReaderSimulator::ReaderSimulator(std::string folder) : m_folder(std::move(folder)) {}

std::mutex& ReaderSimulator::Lock() {
  static std::mutex lock;
  return lock;
}

std::string ReaderSimulator::Quote(const char* text) {
  return "\"" + KeyValueFile::Escape(text == nullptr ? std::string() : std::string(text)) + "\"";
}

template <class Function>
int32_t ReaderSimulator::Run(int ordinal, const std::string& arguments, Function body) {
  std::lock_guard<std::mutex> lock(Lock());
  Call call;
  call.device = KeyValueFile::Load(DevicePath(m_folder));
  call.state = KeyValueFile::Load(StatePath(m_folder));
  int32_t result = 0;
  const auto failure = call.device.find("fail." + std::to_string(ordinal));
  if (DeviceValue(call, "present", 1) == 0) {
    result = kNoReader;
  } else if (failure != call.device.end()) {
    result = std::atoi(failure->second.c_str());
  } else {
    result = body(call);
  }
  // Only a 5(0) right before it lets ordinal 8 empty the reader's memory.
  const std::string after5 = ordinal == 5 && arguments == "0" && result >= 0 ? "1" : "0";
  if (call.state["after_5_zero"] != after5) {
    call.state["after_5_zero"] = after5;
    call.stateChanged = true;
  }
  if (call.stateChanged) KeyValueFile::Save(StatePath(m_folder), call.state);
  AppendCall(ordinal, arguments, result);
  return result;
}

int ReaderSimulator::DeviceValue(const Call& call, const std::string& key, int fallback) const {
  const auto value = call.device.find(key);
  return value == call.device.end() ? fallback : std::atoi(value->second.c_str());
}

void ReaderSimulator::AppendCall(int ordinal, const std::string& arguments, int32_t result) const {
  std::ofstream out(CallsPath(m_folder), std::ios::binary | std::ios::app);
  out << ordinal;
  if (!arguments.empty()) out << ' ' << arguments;
  out << " -> " << result << '\n';
}

int32_t ReaderSimulator::OpenDevice() {
  return Run(1, "", [this](Call& call) {
    const int32_t result = DeviceValue(call, "open_result", 1);
    call.state["open"] = "1";
    call.stateChanged = true;
    return result;
  });
}

int32_t ReaderSimulator::CloseDevice() {
  return Run(2, "", [](Call& call) {
    call.state["open"] = "0";
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::GetDeviceId() {
  return Run(4, "", [this](Call& call) { return DeviceValue(call, "id", 12345678); });
}

int32_t ReaderSimulator::Ordinal5(int32_t value) {
  return Run(5, Ints({value}), [](Call&) { return 0; });
}

int32_t ReaderSimulator::SetClock(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                                  int32_t second) {
  return Run(6, Ints({year, month, day, hour, minute, second}), [=](Call& call) {
    char clock[64];
    std::snprintf(clock, sizeof clock, "%04d-%02d-%02d %02d:%02d:%02d", year, month, day, hour, minute, second);
    call.state["clock"] = clock;
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::GetRecords(const char* path, int32_t value) {
  return Run(7, Quote(path) + " " + Ints({value}), [this, path](Call& call) -> int32_t {
    if (path == nullptr) return -1;
    int count = 0;
    const std::string records = ReadRecords(RecordsPath(m_folder), count);
    std::ofstream out(NativePath(std::string(path)), std::ios::binary | std::ios::trunc);
    out << records;
    if (!out) return -1;
    return DeviceValue(call, "records_count_override", count);
  });
}

int32_t ReaderSimulator::Ordinal8() {
  return Run(8, "", [this](Call& call) {
    if (call.state["after_5_zero"] == "1") std::remove(RecordsPath(m_folder).c_str());
    return 0;
  });
}

int32_t ReaderSimulator::SetIpAndPort(const char* host, int32_t port) {
  return Run(55, Quote(host) + " " + Ints({port}), [=](Call& call) {
    call.state["ip"] = host == nullptr ? "" : host;
    call.state["port"] = std::to_string(port);
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::SetDomain(const char* domain, const char* address, int32_t port) {
  return Run(56, Quote(domain) + " " + Quote(address) + " " + Ints({port}), [=](Call& call) {
    call.state["domain"] = domain == nullptr ? "" : domain;
    call.state["domain_address"] = address == nullptr ? "" : address;
    call.state["domain_port"] = std::to_string(port);
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::SetAddressBook(const char* book) {
  return Run(104, Quote(book), [=](Call& call) {
    call.state["address_book"] = book == nullptr ? "" : book;
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::RemoveFinger(int32_t finger) {
  return Run(135, Ints({finger}), [=](Call& call) {
    call.stateChanged = call.state.erase(FingerKey(finger)) > 0;
    return 0;
  });
}

int32_t ReaderSimulator::RemoveAllFingers() {
  return Run(136, "", [](Call& call) {
    for (auto it = call.state.begin(); it != call.state.end();) {
      it = it->first.rfind("finger.", 0) == 0 ? call.state.erase(it) : std::next(it);
    }
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::SetVoice(int32_t voice) {
  return Run(137, Ints({voice}), [=](Call& call) {
    call.state["voice"] = std::to_string(voice);
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::SetVolume(int32_t volume) {
  return Run(149, Ints({volume}), [=](Call& call) {
    call.state["volume"] = std::to_string(volume);
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::SetLowAutoSendInterval(int32_t seconds) {
  return Run(177, Ints({seconds}), [=](Call& call) {
    call.state["low_battery_interval"] = std::to_string(seconds);
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::StoreTemplate(const char* fingerTemplate) {
  return Run(188, Quote(fingerTemplate), [=](Call& call) -> int32_t {
    const auto slot = call.state.find("last_captured");
    if (slot == call.state.end() || fingerTemplate == nullptr || *fingerTemplate == '\0') return -1;
    call.state[FingerKey(std::atoi(slot->second.c_str()))] = fingerTemplate;
    call.state.erase("last_captured");
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::CaptureFinger(int32_t finger, char** fingerTemplate) {
  return Run(194, Ints({finger}), [=](Call& call) -> int32_t {
    if (fingerTemplate == nullptr || *fingerTemplate == nullptr) return -1;
    const int delay = DeviceValue(call, "capture_delay_ms", 0);
    if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    const int counter = std::atoi(call.state["capture_counter"].c_str()) + 1;
    const auto scripted = call.device.find("capture_template");
    const std::string text = scripted != call.device.end()
                                 ? scripted->second
                                 : "FP-" + std::to_string(finger) + "-" + std::to_string(counter);
    std::strncpy(*fingerTemplate, text.c_str(), kTemplateBuffer - 1);
    (*fingerTemplate)[kTemplateBuffer - 1] = '\0';
    call.state["capture_counter"] = std::to_string(counter);
    call.state["last_captured"] = std::to_string(finger);
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::SetCallreminder(int32_t way) {
  return Run(221, Ints({way}), [=](Call& call) {
    call.state["call_reminder"] = std::to_string(way);
    call.stateChanged = true;
    return 0;
  });
}

int32_t ReaderSimulator::SetFingerprintJointCount(int32_t count) {
  return Run(603, Ints({count}), [=](Call& call) {
    call.state["joint_count"] = std::to_string(count);
    call.stateChanged = true;
    return 0;
  });
}

}  // namespace platform::reader
