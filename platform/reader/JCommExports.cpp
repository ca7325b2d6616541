#include "platform/reader/JCommExports.h"

#include <cstdlib>

#include "platform/reader/ReaderBackend.h"
#include "platform/reader/ReaderSimulator.h"

namespace platform::reader {

namespace {

// Each export asks the backend chosen now; without a simulated reader there is none.
template <class... Args>
int32_t Forward(int32_t (ReaderSimulator::*function)(Args...), Args... args) {
  std::shared_ptr<ReaderSimulator> simulator = ReaderBackend::Current();
  if (!simulator) return kNoReader;
  return ((*simulator).*function)(args...);
}

int32_t OpenDevice() { return Forward(&ReaderSimulator::OpenDevice); }
int32_t CloseDevice() { return Forward(&ReaderSimulator::CloseDevice); }
int32_t GetDeviceId() { return Forward(&ReaderSimulator::GetDeviceId); }
int32_t Ordinal5(int32_t value) { return Forward(&ReaderSimulator::Ordinal5, value); }
int32_t SetClock(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second) {
  return Forward(&ReaderSimulator::SetClock, year, month, day, hour, minute, second);
}
int32_t GetRecords(const char* path, int32_t value) { return Forward(&ReaderSimulator::GetRecords, path, value); }
int32_t Ordinal8() { return Forward(&ReaderSimulator::Ordinal8); }
int32_t SetIpAndPort(const char* host, int32_t port) { return Forward(&ReaderSimulator::SetIpAndPort, host, port); }
int32_t SetDomain(const char* domain, const char* address, int32_t port) {
  return Forward(&ReaderSimulator::SetDomain, domain, address, port);
}
int32_t SetAddressBook(const char* book) { return Forward(&ReaderSimulator::SetAddressBook, book); }
int32_t RemoveFinger(int32_t finger) { return Forward(&ReaderSimulator::RemoveFinger, finger); }
int32_t RemoveAllFingers() { return Forward(&ReaderSimulator::RemoveAllFingers); }
int32_t SetVoice(int32_t voice) { return Forward(&ReaderSimulator::SetVoice, voice); }
int32_t SetVolume(int32_t volume) { return Forward(&ReaderSimulator::SetVolume, volume); }
int32_t SetLowAutoSendInterval(int32_t seconds) { return Forward(&ReaderSimulator::SetLowAutoSendInterval, seconds); }
int32_t StoreTemplate(const char* text) { return Forward(&ReaderSimulator::StoreTemplate, text); }
int32_t CaptureFinger(int32_t finger, char** text) { return Forward(&ReaderSimulator::CaptureFinger, finger, text); }
int32_t SetCallreminder(int32_t way) { return Forward(&ReaderSimulator::SetCallreminder, way); }
int32_t SetFingerprintJointCount(int32_t count) { return Forward(&ReaderSimulator::SetFingerprintJointCount, count); }

template <class Function>
JCommProc Export(Function function) {
  return reinterpret_cast<JCommProc>(function);
}

}  // namespace

JCommProc JCommProcByOrdinal(int ordinal) {
  switch (ordinal) {
    case 1: return Export(&OpenDevice);
    case 2: return Export(&CloseDevice);
    case 4: return Export(&GetDeviceId);
    case 5: return Export(&Ordinal5);
    case 6: return Export(&SetClock);
    case 7: return Export(&GetRecords);
    case 8: return Export(&Ordinal8);
    case 55: return Export(&SetIpAndPort);
    case 56: return Export(&SetDomain);
    case 104: return Export(&SetAddressBook);
    case 135: return Export(&RemoveFinger);
    case 136: return Export(&RemoveAllFingers);
    case 137: return Export(&SetVoice);
    case 149: return Export(&SetVolume);
    case 177: return Export(&SetLowAutoSendInterval);
    case 188: return Export(&StoreTemplate);
    case 194: return Export(&CaptureFinger);
    case 221: return Export(&SetCallreminder);
    case 603: return Export(&SetFingerprintJointCount);
    default: return nullptr;
  }
}

}  // namespace platform::reader
