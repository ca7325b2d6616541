#include "platform/reader/JCommApi.h"

#include "platform/reader/JCommExports.h"

namespace platform::reader {

namespace {

template <class Function>
void Bind(Function& function, int ordinal) {
  function = reinterpret_cast<Function>(JCommProcByOrdinal(ordinal));
}

JCommApi BindAll() {
  JCommApi api{};
  Bind(api.OpenDevice, 1);
  Bind(api.CloseDevice, 2);
  Bind(api.GetDeviceId, 4);
  Bind(api.Ordinal5, 5);
  Bind(api.SetClock, 6);
  Bind(api.GetRecords, 7);
  Bind(api.Ordinal8, 8);
  Bind(api.SetIpAndPort, 55);
  Bind(api.SetDomain, 56);
  Bind(api.SetAddressBook, 104);
  Bind(api.RemoveFinger, 135);
  Bind(api.RemoveAllFingers, 136);
  Bind(api.SetVoice, 137);
  Bind(api.SetVolume, 149);
  Bind(api.SetLowAutoSendInterval, 177);
  Bind(api.StoreTemplate, 188);
  Bind(api.CaptureFinger, 194);
  Bind(api.SetCallreminder, 221);
  Bind(api.SetFingerprintJointCount, 603);
  return api;
}

}  // namespace

const JCommApi& JComm() {
  static const JCommApi api = BindAll();
  return api;
}

}  // namespace platform::reader
