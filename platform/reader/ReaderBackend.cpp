#include "platform/reader/ReaderBackend.h"

#include <cstdlib>
#include <mutex>

namespace platform::reader {

namespace {

struct Choice {
  std::mutex mutex;
  bool made = false;
  std::shared_ptr<ReaderSimulator> simulator;
};

Choice& TheChoice() {
  static Choice choice;
  return choice;
}

}  // namespace

std::shared_ptr<ReaderSimulator> ReaderBackend::Current() {
  Choice& choice = TheChoice();
  std::lock_guard<std::mutex> lock(choice.mutex);
  if (!choice.made) {
    choice.made = true;
    const char* folder = std::getenv("PATROL_READER_SIM");
    if (folder != nullptr && *folder != '\0') choice.simulator = std::make_shared<ReaderSimulator>(folder);
  }
  return choice.simulator;
}

void ReaderBackend::UseSimulator(const std::string& folder) {
  Choice& choice = TheChoice();
  std::lock_guard<std::mutex> lock(choice.mutex);
  choice.made = true;
  choice.simulator = std::make_shared<ReaderSimulator>(folder);
}

void ReaderBackend::UseNone() {
  Choice& choice = TheChoice();
  std::lock_guard<std::mutex> lock(choice.mutex);
  choice.made = true;
  choice.simulator.reset();
}

}  // namespace platform::reader
