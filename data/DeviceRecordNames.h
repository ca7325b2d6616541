#pragma once
// The names a device record's codes resolve to, looked up in the checkpoint and reader
// caches. Within each cache the entry with the smallest id wins among equal codes, and
// codes match byte for byte, length included. Built once per reply, so that a long reply
// costs one pass over each cache instead of one per record.
#include <string>
#include <vector>

#include "data/CodeTable.h"
#include "data/DeviceRecordInfo.h"
#include "data/InspectDeviceInfo.h"

class DeviceRecordNames {
 public:
  // Copies the checkpoint names under the checkpoint cache's lock; refers to the readers
  // of g_mapInspectDevice, which must not change while the names are in use.
  DeviceRecordNames();
  DeviceRecordNames(const DeviceRecordNames&) = delete;
  DeviceRecordNames& operator=(const DeviceRecordNames&) = delete;

  // Fills the record's reader, person, checkpoint and building names; a code without a
  // match leaves its names empty.
  void Resolve(DeviceRecordInfo& record) const;

 private:
  struct PositionNames {
    std::string strCode;
    std::string strName;
    std::string strAreaName;
  };

  // Sized once and never grown: the table views the codes where they lie.
  std::vector<PositionNames> m_positions;
  CodeTable m_positionCodes;
  std::vector<const InspectDeviceInfo*> m_devices;
  CodeTable m_deviceCodes;
};
