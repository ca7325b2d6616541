#include "tests/ui/core/support/ZipBuilder.h"

#include <zlib.h>

#include <algorithm>
#include <stdexcept>

namespace {

void Put16(std::string& out, unsigned v) {
  out.push_back(static_cast<char>(v & 0xFF));
  out.push_back(static_cast<char>((v >> 8) & 0xFF));
}

void Put32(std::string& out, DWORD v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::string RawDeflate(const std::string& data) {
  z_stream z{};
  if (deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY) != Z_OK) {
    throw std::runtime_error("deflateInit2");
  }
  std::string out(deflateBound(&z, static_cast<uLong>(data.size())) + 16, '\0');
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = reinterpret_cast<Bytef*>(&out[0]);
  z.avail_out = static_cast<uInt>(out.size());
  const int rc = deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  if (rc != Z_STREAM_END) throw std::runtime_error("deflate");
  return out;
}

}  // namespace

ZipBuilder& ZipBuilder::Add(const ZipItemSpec& item) {
  m_items.push_back(item);
  return *this;
}

std::string ZipBuilder::TimestampExtra(BYTE flags, const std::vector<int32_t>& times) {
  std::string block;
  Put16(block, 0x5455);
  Put16(block, static_cast<unsigned>(1 + 4 * times.size()));
  block.push_back(static_cast<char>(flags));
  for (int32_t t : times) Put32(block, static_cast<DWORD>(t));
  return block;
}

std::vector<BYTE> ZipBuilder::Build() const {
  std::string out;
  std::string directory;
  for (const ZipItemSpec& item : m_items) {
    std::string stored = item.deflate ? RawDeflate(item.data) : item.data;
    stored.resize(stored.size() - std::min(stored.size(), item.dropCompressedBytes));
    const DWORD crc = static_cast<DWORD>(crc32(0L, reinterpret_cast<const Bytef*>(item.data.data()), static_cast<uInt>(item.data.size()))) ^ item.crcXor;
    const WORD method = item.deflate ? 8 : 0;
    const DWORD offset = static_cast<DWORD>(out.size());
    const std::string& localName = item.localNameOverride.empty() ? item.name : item.localNameOverride;

    Put32(out, 0x04034b50);
    Put16(out, 20);
    Put16(out, 0);
    Put16(out, method);
    Put16(out, item.dosTime);
    Put16(out, item.dosDate);
    Put32(out, crc);
    Put32(out, static_cast<DWORD>(stored.size()));
    Put32(out, static_cast<DWORD>(item.data.size()));
    Put16(out, static_cast<unsigned>(localName.size()));
    Put16(out, static_cast<unsigned>(item.localExtra.size()));
    out += localName;
    out += item.localExtra;
    out += stored;

    Put32(directory, 0x02014b50);
    Put16(directory, item.versionMadeBy);
    Put16(directory, 20);
    Put16(directory, 0);
    Put16(directory, method);
    Put16(directory, item.dosTime);
    Put16(directory, item.dosDate);
    Put32(directory, crc);
    Put32(directory, static_cast<DWORD>(stored.size()));
    Put32(directory, static_cast<DWORD>(item.data.size()));
    Put16(directory, static_cast<unsigned>(item.name.size()));
    Put16(directory, 0);  // extra
    Put16(directory, 0);  // comment
    Put16(directory, 0);  // disk
    Put16(directory, 0);  // internal attributes
    Put32(directory, item.externalAttr);
    Put32(directory, item.localOffsetOverride != 0 ? item.localOffsetOverride : offset);
    directory += item.name;
  }
  const DWORD directoryOffset = static_cast<DWORD>(out.size());
  out += directory;
  Put32(out, 0x06054b50);
  Put16(out, 0);
  Put16(out, 0);
  Put16(out, static_cast<unsigned>(m_items.size()));
  Put16(out, static_cast<unsigned>(m_items.size()));
  Put32(out, static_cast<DWORD>(directory.size()));
  Put32(out, directoryOffset);
  Put16(out, 0);
  return std::vector<BYTE>(out.begin(), out.end());
}
