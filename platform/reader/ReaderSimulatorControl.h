#pragma once
// The tester's side of a simulated reader: writes what the reader is and holds, reads back
// what the library's functions did to it. Takes the simulator's lock, so it never sees a
// call half done.
#include <map>
#include <string>
#include <vector>

#include "platform/reader/KeyValueFile.h"

namespace platform::reader {

class ReaderSimulatorControl {
 public:
  // Over that folder (UTF-8), which it creates.
  explicit ReaderSimulatorControl(std::string folder);

  const std::string& Folder() const { return m_folder; }

  // A reader that is there, opens with 1, has the id 12345678, fails nothing, holds no
  // record and no finger, and has taken no call yet.
  void Reset();

  void SetPresent(bool present);
  void SetOpenResult(int result);
  void SetId(int id);
  // The function of that ordinal answers the result without doing anything.
  void InjectFailure(int ordinal, int result);
  void ClearFailures();
  void SetCaptureDelay(int milliseconds);
  // What captures deliver from now on, in place of "FP-<slot>-<counter>".
  void SetCaptureTemplate(const std::string& text);
  void SetRecordsCountOverride(int count);
  void SetPendingRecords(const std::vector<std::string>& lines);
  void SetFinger(int slot, const std::string& fingerTemplate);

  KeyValueFile::Values State() const;
  // One state value, empty when unset.
  std::string StateValue(const std::string& key) const;
  // Slot -> stored template.
  std::map<int, std::string> Fingers() const;
  bool IsOpen() const;
  bool HasPendingRecords() const;

  // The call log's lines, oldest first.
  std::vector<std::string> Calls() const;
  void ClearCalls();

 private:
  void SetDevice(const std::string& key, const std::string& value);

  std::string m_folder;
};

}  // namespace platform::reader
