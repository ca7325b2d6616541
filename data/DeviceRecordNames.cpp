#include "data/DeviceRecordNames.h"

#include <mutex>

#include "data/StartupCaches.h"

DeviceRecordNames::DeviceRecordNames() {
  {
    std::lock_guard<std::mutex> lock(g_mutexInspectPosDevice);
    m_positionCodes = CodeTable(g_mapInspectPosDevice.size());
    m_positions.reserve(g_mapInspectPosDevice.size());
    // Ascending id, and the table keeps the first: the smallest id names a shared code.
    for (const auto& entry : g_mapInspectPosDevice) {
      const InspectPosDeviceInfo& position = entry.second;
      m_positions.push_back(PositionNames{position.strCode, position.strName, position.strAreaName});
      if (!m_positionCodes.Insert(m_positions.back().strCode, int(m_positions.size()) - 1)) m_positions.pop_back();
    }
  }
  m_deviceCodes = CodeTable(g_mapInspectDevice.size());
  m_devices.reserve(g_mapInspectDevice.size());
  for (const auto& entry : g_mapInspectDevice) {
    if (m_deviceCodes.Insert(entry.second.strCode, int(m_devices.size()))) m_devices.push_back(&entry.second);
  }
}

void DeviceRecordNames::Resolve(DeviceRecordInfo& record) const {
  const int position = m_positionCodes.Find(record.strInspectPositionDeviceCode);
  if (position >= 0) {
    record.strPositionName = m_positions[position].strName;
    record.strAreaName = m_positions[position].strAreaName;
  }
  const int device = m_deviceCodes.Find(record.strDeviceCode);
  if (device < 0) return;
  const InspectDeviceInfo& reader = *m_devices[device];
  record.strDeviceName = reader.strName;
  // Only the matched reader's fingerprints name the person.
  for (const FingerprintInfo& fingerprint : reader.listFingerprint) {
    if (fingerprint.strCode == record.strPeopleCode) {
      record.strPeopleName = fingerprint.strPeopleName;
      return;
    }
  }
}
