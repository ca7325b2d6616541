#include "testing/xlsx/ZipArchive.h"

#include <zlib.h>

#include <cstdint>

namespace test_support {
namespace {

constexpr uint32_t kEndOfDirectory = 0x06054b50;
constexpr uint32_t kDirectoryEntry = 0x02014b50;
constexpr uint32_t kLocalHeader = 0x04034b50;
constexpr size_t kEndRecordSize = 22;
constexpr size_t kEntrySize = 46;
constexpr size_t kLocalHeaderSize = 30;
constexpr uint16_t kStored = 0;
constexpr uint16_t kDeflated = 8;

uint32_t Read16(const std::string& bytes, size_t at) {
  return static_cast<uint8_t>(bytes[at]) | static_cast<uint8_t>(bytes[at + 1]) << 8;
}

uint32_t Read32(const std::string& bytes, size_t at) { return Read16(bytes, at) | Read16(bytes, at + 2) << 16; }

bool Inflate(const std::string& compressed, size_t size, std::string* out) {
  out->assign(size, '\0');
  z_stream stream{};
  if (inflateInit2(&stream, -MAX_WBITS) != Z_OK) return false;
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(compressed.data()));
  stream.avail_in = static_cast<uInt>(compressed.size());
  stream.next_out = reinterpret_cast<Bytef*>(out->data());
  stream.avail_out = static_cast<uInt>(size);
  const int result = inflate(&stream, Z_FINISH);
  inflateEnd(&stream);
  return result == Z_STREAM_END && stream.total_out == size;
}

}  // namespace

bool ZipArchive::Open(const std::string& bytes) {
  members_.clear();
  if (bytes.size() < kEndRecordSize) return false;
  size_t end = bytes.size() - kEndRecordSize;
  while (Read32(bytes, end) != kEndOfDirectory) {
    if (end == 0) return false;
    --end;
  }
  const uint32_t entries = Read16(bytes, end + 10);
  size_t offset = Read32(bytes, end + 16);
  for (uint32_t i = 0; i < entries; ++i) {
    if (!ReadEntry(bytes, offset)) return false;
  }
  return true;
}

bool ZipArchive::ReadEntry(const std::string& bytes, size_t& offset) {
  if (offset + kEntrySize > bytes.size() || Read32(bytes, offset) != kDirectoryEntry) return false;
  const uint16_t method = static_cast<uint16_t>(Read16(bytes, offset + 10));
  const uint32_t compressedSize = Read32(bytes, offset + 20);
  const uint32_t size = Read32(bytes, offset + 24);
  const uint32_t nameLength = Read16(bytes, offset + 28);
  const uint32_t extraLength = Read16(bytes, offset + 30);
  const uint32_t commentLength = Read16(bytes, offset + 32);
  const uint32_t local = Read32(bytes, offset + 42);
  const std::string name = bytes.substr(offset + kEntrySize, nameLength);
  offset += kEntrySize + nameLength + extraLength + commentLength;

  if (local + kLocalHeaderSize > bytes.size() || Read32(bytes, local) != kLocalHeader) return false;
  const size_t data = local + kLocalHeaderSize + Read16(bytes, local + 26) + Read16(bytes, local + 28);
  if (data + compressedSize > bytes.size()) return false;
  const std::string compressed = bytes.substr(data, compressedSize);
  if (method == kStored) {
    members_[name] = compressed;
    return true;
  }
  if (method != kDeflated) return false;
  return Inflate(compressed, size, &members_[name]);
}

std::string ZipArchive::Member(const std::string& name) const {
  const auto found = members_.find(name);
  return found == members_.end() ? std::string() : found->second;
}

}  // namespace test_support
