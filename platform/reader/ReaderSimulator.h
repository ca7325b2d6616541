#pragma once
// A simulated patrol reader kept in a folder, behind the library's functions:
//   device.ini           what the reader is (written by the tester): present (1), open_result
//                        (1; 0 for a reader that opens with 0), id (12345678),
//                        capture_delay_ms (0), records_count_override, fail.<ordinal>=<negative>
//                        to make that function fail with that result, capture_template to
//                        make captures deliver that text (an empty one too);
//   pending-records.txt  the patrol records the reader holds, one line of 13 tokens each;
//   state.ini            what the functions set (written by the simulator);
//   calls.log            one line per call: "<ordinal> <arguments> -> <result>", texts quoted.
// Ordinal 7 copies the records to the caller's file and answers their count; ordinal 8
// right after 5(0) clears them (the reader's memory is emptied once the records are
// uploaded). Ordinal 194 writes "FP-<slot>-<counter>" into the caller's buffer, 188 stores
// the text for the slot captured last, 135 and 136 remove one slot or all.
// Calls are serialised by one lock, which the control API (ReaderSimulatorControl) takes
// too.
#include <cstdint>
#include <mutex>
#include <string>

#include "platform/reader/KeyValueFile.h"

namespace platform::reader {

class ReaderSimulator {
 public:
  // The folder as a UTF-8 path.
  explicit ReaderSimulator(std::string folder);

  const std::string& Folder() const { return m_folder; }

  int32_t OpenDevice();
  int32_t CloseDevice();
  int32_t GetDeviceId();
  int32_t Ordinal5(int32_t value);
  int32_t SetClock(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute, int32_t second);
  int32_t GetRecords(const char* path, int32_t value);
  int32_t Ordinal8();
  int32_t SetIpAndPort(const char* host, int32_t port);
  int32_t SetDomain(const char* domain, const char* address, int32_t port);
  int32_t SetAddressBook(const char* book);
  int32_t RemoveFinger(int32_t finger);
  int32_t RemoveAllFingers();
  int32_t SetVoice(int32_t voice);
  int32_t SetVolume(int32_t volume);
  int32_t SetLowAutoSendInterval(int32_t seconds);
  int32_t StoreTemplate(const char* fingerTemplate);
  int32_t CaptureFinger(int32_t finger, char** fingerTemplate);
  int32_t SetCallreminder(int32_t way);
  int32_t SetFingerprintJointCount(int32_t count);

  // The one lock of every simulated reader of the process.
  static std::mutex& Lock();

  // The files of a folder.
  static std::string DevicePath(const std::string& folder) { return folder + "/device.ini"; }
  static std::string StatePath(const std::string& folder) { return folder + "/state.ini"; }
  static std::string CallsPath(const std::string& folder) { return folder + "/calls.log"; }
  static std::string RecordsPath(const std::string& folder) { return folder + "/pending-records.txt"; }

  // A text argument as the call log writes it.
  static std::string Quote(const char* text);

 private:
  struct Call {
    KeyValueFile::Values device;
    KeyValueFile::Values state;
    bool stateChanged = false;
  };
  // Runs one call: loads the files, answers the injected failure or kNoReader when there
  // is one, else runs the body; saves the state and logs the line.
  template <class Function>
  int32_t Run(int ordinal, const std::string& arguments, Function body);

  int DeviceValue(const Call& call, const std::string& key, int fallback) const;
  void AppendCall(int ordinal, const std::string& arguments, int32_t result) const;

  std::string m_folder;
};

}  // namespace platform::reader
