#include "platform/reader/ReaderSimulatorControl.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <utility>

#include "platform/reader/ReaderSimulator.h"

namespace platform::reader {

ReaderSimulatorControl::ReaderSimulatorControl(std::string folder) : m_folder(std::move(folder)) {
  std::error_code error;
  std::filesystem::create_directories(m_folder, error);
}

void ReaderSimulatorControl::Reset() {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  std::remove(ReaderSimulator::DevicePath(m_folder).c_str());
  std::remove(ReaderSimulator::StatePath(m_folder).c_str());
  std::remove(ReaderSimulator::CallsPath(m_folder).c_str());
  std::remove(ReaderSimulator::RecordsPath(m_folder).c_str());
}

void ReaderSimulatorControl::SetDevice(const std::string& key, const std::string& value) {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  const std::string path = ReaderSimulator::DevicePath(m_folder);
  KeyValueFile::Values device = KeyValueFile::Load(path);
  device[key] = value;
  KeyValueFile::Save(path, device);
}

void ReaderSimulatorControl::SetPresent(bool present) { SetDevice("present", present ? "1" : "0"); }

void ReaderSimulatorControl::SetOpenResult(int result) { SetDevice("open_result", std::to_string(result)); }

void ReaderSimulatorControl::SetId(int id) { SetDevice("id", std::to_string(id)); }

void ReaderSimulatorControl::InjectFailure(int ordinal, int result) {
  SetDevice("fail." + std::to_string(ordinal), std::to_string(result));
}

void ReaderSimulatorControl::ClearFailures() {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  const std::string path = ReaderSimulator::DevicePath(m_folder);
  KeyValueFile::Values device = KeyValueFile::Load(path);
  for (auto it = device.begin(); it != device.end();) {
    it = it->first.rfind("fail.", 0) == 0 ? device.erase(it) : std::next(it);
  }
  KeyValueFile::Save(path, device);
}

void ReaderSimulatorControl::SetCaptureDelay(int milliseconds) {
  SetDevice("capture_delay_ms", std::to_string(milliseconds));
}

void ReaderSimulatorControl::SetCaptureTemplate(const std::string& text) { SetDevice("capture_template", text); }

void ReaderSimulatorControl::SetRecordsCountOverride(int count) {
  SetDevice("records_count_override", std::to_string(count));
}

void ReaderSimulatorControl::SetPendingRecords(const std::vector<std::string>& lines) {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  std::ofstream out(ReaderSimulator::RecordsPath(m_folder), std::ios::binary | std::ios::trunc);
  for (const std::string& line : lines) out << line << '\n';
}

void ReaderSimulatorControl::SetFinger(int slot, const std::string& fingerTemplate) {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  const std::string path = ReaderSimulator::StatePath(m_folder);
  KeyValueFile::Values state = KeyValueFile::Load(path);
  state["finger." + std::to_string(slot)] = fingerTemplate;
  KeyValueFile::Save(path, state);
}

KeyValueFile::Values ReaderSimulatorControl::State() const {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  return KeyValueFile::Load(ReaderSimulator::StatePath(m_folder));
}

std::string ReaderSimulatorControl::StateValue(const std::string& key) const {
  const KeyValueFile::Values state = State();
  const auto value = state.find(key);
  return value == state.end() ? std::string() : value->second;
}

std::map<int, std::string> ReaderSimulatorControl::Fingers() const {
  std::map<int, std::string> fingers;
  const std::string prefix = "finger.";
  for (const auto& [key, value] : State()) {
    if (key.rfind(prefix, 0) == 0) fingers[std::atoi(key.c_str() + prefix.size())] = value;
  }
  return fingers;
}

bool ReaderSimulatorControl::IsOpen() const { return StateValue("open") == "1"; }

bool ReaderSimulatorControl::HasPendingRecords() const {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  return std::filesystem::exists(ReaderSimulator::RecordsPath(m_folder));
}

std::vector<std::string> ReaderSimulatorControl::Calls() const {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  std::ifstream in(ReaderSimulator::CallsPath(m_folder), std::ios::binary);
  std::vector<std::string> calls;
  std::string line;
  while (std::getline(in, line)) calls.push_back(line);
  return calls;
}

void ReaderSimulatorControl::ClearCalls() {
  std::lock_guard<std::mutex> lock(ReaderSimulator::Lock());
  std::remove(ReaderSimulator::CallsPath(m_folder).c_str());
}

}  // namespace platform::reader
