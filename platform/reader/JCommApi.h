#pragma once
// The program's binding of the patrol reader library: one pointer per function it calls,
// looked up by ordinal once, as the import table of the closed library did.
#include <cstdint>

namespace platform::reader {

struct JCommApi {
  int32_t (*OpenDevice)();                                                  // 1
  int32_t (*CloseDevice)();                                                 // 2
  int32_t (*GetDeviceId)();                                                 // 4
  int32_t (*Ordinal5)(int32_t zero);                                        // 5
  int32_t (*SetClock)(int32_t year, int32_t month, int32_t day, int32_t hour, int32_t minute,
                      int32_t second);                                      // 6
  int32_t (*GetRecords)(const char* path, int32_t zero);                    // 7
  int32_t (*Ordinal8)();                                                    // 8
  int32_t (*SetIpAndPort)(const char* host, int32_t port);                  // 55
  int32_t (*SetDomain)(const char* domain, const char* address, int32_t port);  // 56
  int32_t (*SetAddressBook)(const char* book);                              // 104
  int32_t (*RemoveFinger)(int32_t finger);                                  // 135
  int32_t (*RemoveAllFingers)();                                            // 136
  int32_t (*SetVoice)(int32_t voice);                                       // 137
  int32_t (*SetVolume)(int32_t volume);                                     // 149
  int32_t (*SetLowAutoSendInterval)(int32_t seconds);                       // 177
  int32_t (*StoreTemplate)(const char* fingerTemplate);                     // 188
  // The template pointer must point at a buffer of 1024 bytes; the text is written there.
  int32_t (*CaptureFinger)(int32_t finger, char** fingerTemplate);          // 194
  int32_t (*SetCallreminder)(int32_t way);                                  // 221
  int32_t (*SetFingerprintJointCount)(int32_t count);                       // 603
};

// The table, bound on first use.
const JCommApi& JComm();

}  // namespace platform::reader
