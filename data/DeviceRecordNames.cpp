#include "data/DeviceRecordNames.h"

#include "data/StartupCaches.h"

DeviceRecordNames::DeviceRecordNames() {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    // Sized once: tens of thousands of checkpoints would otherwise rehash a dozen times.
    m_positions.reserve(g_mapInspectPosDevice.size());
    // Ascending id, and emplace keeps the first: the smallest id names a shared code.
    for (const auto& entry : g_mapInspectPosDevice) {
      const InspectPosDeviceInfo& position = entry.second;
      m_positions.emplace(position.strCode, PositionNames{position.strName, position.strAreaName});
    }
  }
  m_devices.reserve(g_mapInspectDevice.size());
  for (const auto& entry : g_mapInspectDevice) m_devices.emplace(entry.second.strCode, &entry.second);
}

void DeviceRecordNames::Resolve(DeviceRecordInfo& record) const {
  const auto position = m_positions.find(record.strInspectPositionDeviceCode);
  if (position != m_positions.end()) {
    record.strPositionName = position->second.strName;
    record.strAreaName = position->second.strAreaName;
  }
  const auto device = m_devices.find(record.strDeviceCode);
  if (device == m_devices.end()) return;
  record.strDeviceName = device->second->strName;
  // Only the matched reader's fingerprints name the person.
  for (const FingerprintInfo& fingerprint : device->second->listFingerprint) {
    if (fingerprint.strCode == record.strPeopleCode) {
      record.strPeopleName = fingerprint.strPeopleName;
      return;
    }
  }
}
