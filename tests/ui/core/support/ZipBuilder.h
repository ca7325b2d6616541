#pragma once
// Builds zip archives in memory for the archive reader's tests, including archives
// that are damaged in chosen ways.
#include <string>
#include <vector>

#include "platform/win32.h"

struct ZipItemSpec {
  std::string name;  // bytes as stored
  std::string data;
  bool deflate = true;
  WORD versionMadeBy = 20;  // made on DOS/Windows
  DWORD externalAttr = 0x20;
  WORD dosTime = (13 << 11) | (45 << 5) | 10;          // 13:45:20
  WORD dosDate = ((2024 - 1980) << 9) | (3 << 5) | 9;  // 2024-03-09
  std::string localExtra;

  // Damage
  DWORD crcXor = 0;                 // a wrong checksum in both headers
  size_t dropCompressedBytes = 0;   // a cut-off stream with matching sizes
  std::string localNameOverride;    // a local header naming another item
  DWORD localOffsetOverride = 0;    // a directory pointing elsewhere (0 = the right place)
};

class ZipBuilder {
 public:
  ZipBuilder& Add(const ZipItemSpec& item);
  std::vector<BYTE> Build() const;

  // The extended-timestamp extra block for the given flags and Unix times.
  static std::string TimestampExtra(BYTE flags, const std::vector<int32_t>& times);

 private:
  std::vector<ZipItemSpec> m_items;
};
