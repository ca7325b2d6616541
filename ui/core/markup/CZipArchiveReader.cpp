#include "ui/core/markup/CZipArchiveReader.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <ctime>

namespace SkinUI {

namespace {

const DWORD END_OF_DIRECTORY_SIGNATURE = 0x06054b50;
const DWORD DIRECTORY_ENTRY_SIGNATURE = 0x02014b50;
const DWORD LOCAL_HEADER_SIGNATURE = 0x04034b50;
const size_t END_OF_DIRECTORY_SIZE = 22;
const size_t DIRECTORY_ENTRY_SIZE = 46;
const size_t LOCAL_HEADER_SIZE = 30;
const size_t MAX_COMMENT = 0xFFFF;
const WORD METHOD_STORED = 0;
const WORD METHOD_DEFLATED = 8;
const WORD FLAG_ENCRYPTED = 0x0001;
const WORD FLAG_DATA_DESCRIPTOR = 0x0008;
const WORD HOST_UNIX = 3;
const WORD EXTRA_TIMESTAMP = 0x5455;  // "UT"
const size_t MAX_FIND_NAME = 255;
const ULONGLONG FILETIME_UNIX_EPOCH = 116444736000000000ULL;  // 1970-01-01 in 100 ns since 1601

WORD Read16(const BYTE* p) { return static_cast<WORD>(p[0] | p[1] << 8); }

DWORD Read32(const BYTE* p) { return DWORD(p[0]) | DWORD(p[1]) << 8 | DWORD(p[2]) << 16 | DWORD(p[3]) << 24; }

FILETIME FileTimeFromUnix(long long seconds) {
  const ULONGLONG ticks = FILETIME_UNIX_EPOCH + static_cast<ULONGLONG>(seconds) * 10000000ULL;
  return FILETIME{static_cast<DWORD>(ticks & 0xFFFFFFFFu), static_cast<DWORD>(ticks >> 32)};
}

// DOS times are the local time of whoever made the archive; read them as local here.
FILETIME FileTimeFromDos(WORD dosDate, WORD dosTime) {
  std::tm tm{};
  tm.tm_year = ((dosDate >> 9) & 0x7F) + 80;
  tm.tm_mon = ((dosDate >> 5) & 0x0F) - 1;
  tm.tm_mday = dosDate & 0x1F;
  tm.tm_hour = (dosTime >> 11) & 0x1F;
  tm.tm_min = (dosTime >> 5) & 0x3F;
  tm.tm_sec = (dosTime & 0x1F) * 2;
  tm.tm_isdst = -1;
  const time_t t = mktime(&tm);
  return FileTimeFromUnix(t == static_cast<time_t>(-1) ? 0 : static_cast<long long>(t));
}

DWORD AttributesOf(WORD versionMadeBy, DWORD externalAttr) {
  const DWORD dosBits = externalAttr & 0xFF;
  // Only archives made on Unix carry a mode in the upper half; elsewhere it is zero
  // and would make every item read-only.
  const bool bUnix = (versionMadeBy >> 8) == HOST_UNIX;
  const DWORD unixMode = bUnix ? externalAttr >> 16 : 0;
  DWORD attr = FILE_ATTRIBUTE_NORMAL;
  if ((dosBits & FILE_ATTRIBUTE_DIRECTORY) != 0 || (unixMode & 0040000) != 0) attr |= FILE_ATTRIBUTE_DIRECTORY;
  if ((dosBits & FILE_ATTRIBUTE_ARCHIVE) != 0) attr |= FILE_ATTRIBUTE_ARCHIVE;
  if ((dosBits & FILE_ATTRIBUTE_HIDDEN) != 0) attr |= FILE_ATTRIBUTE_HIDDEN;
  if ((dosBits & FILE_ATTRIBUTE_SYSTEM) != 0) attr |= FILE_ATTRIBUTE_SYSTEM;
  const bool bOwnerCannotWrite = bUnix && (unixMode & 0200) == 0;
  if ((dosBits & FILE_ATTRIBUTE_READONLY) != 0 || bOwnerCannotWrite) attr |= FILE_ATTRIBUTE_READONLY;
  return attr;
}

// Applies an extended-timestamp block of the local extra field, when there is one.
void ApplyTimestamps(const BYTE* pExtra, size_t nLength, ZipArchiveEntry* pEntry) {
  size_t pos = 0;
  while (pos + 4 <= nLength) {
    const WORD tag = Read16(pExtra + pos);
    const size_t nSize = Read16(pExtra + pos + 2);
    const BYTE* pBlock = pExtra + pos + 4;
    pos += 4 + nSize;
    if (pos > nLength) return;
    if (tag != EXTRA_TIMESTAMP || nSize < 1) continue;
    const BYTE flags = pBlock[0];
    size_t at = 1;
    FILETIME* targets[] = {&pEntry->mtime, &pEntry->atime, &pEntry->ctime};
    for (int bit = 0; bit < 3; ++bit) {
      if ((flags & (1 << bit)) == 0) continue;
      if (at + 4 > nSize) return;
      *targets[bit] = FileTimeFromUnix(static_cast<int32_t>(Read32(pBlock + at)));
      at += 4;
    }
    return;
  }
}

unsigned char AsciiLower(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

// Names are GBK: a lead byte and its trail byte are compared exactly, since a trail
// byte may look like an ASCII letter.
bool SameName(const std::string& a, const std::string& b, bool bIgnoreCase) {
  if (a.size() != b.size()) return false;
  if (!bIgnoreCase) return a == b;
  for (size_t i = 0; i < a.size(); ++i) {
    const auto ca = static_cast<unsigned char>(a[i]);
    const auto cb = static_cast<unsigned char>(b[i]);
    if (ca >= 0x81 && ca <= 0xFE && i + 1 < a.size()) {
      if (ca != cb || a[i + 1] != b[i + 1]) return false;
      ++i;
      continue;
    }
    if (AsciiLower(ca) != AsciiLower(cb)) return false;
  }
  return true;
}

std::string AnsiFromWide(const std::wstring& text) {
  if (text.empty()) return std::string();
  const int nBytes = WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
  if (nBytes <= 0) return std::string();
  std::string result(static_cast<size_t>(nBytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), &result[0], nBytes, nullptr, nullptr);
  return result;
}

void CopyNameToEntry(const std::string& name, ZipArchiveEntry* pEntry) {
  pEntry->name[0] = L'\0';
  if (name.empty()) return;
  const int nSize = static_cast<int>(name.size());
  const int nChars = MultiByteToWideChar(CP_ACP, 0, name.data(), nSize, nullptr, 0);
  if (nChars <= 0) return;
  std::wstring wide(static_cast<size_t>(nChars), L'\0');
  MultiByteToWideChar(CP_ACP, 0, name.data(), nSize, &wide[0], nChars);
  const size_t nCopy = std::min(wide.size(), static_cast<size_t>(MAX_PATH - 1));
  wmemcpy(pEntry->name, wide.data(), nCopy);
  pEntry->name[nCopy] = L'\0';
}

void ClearEntry(ZipArchiveEntry* pEntry, int iIndex) {
  memset(pEntry, 0, sizeof(*pEntry));
  pEntry->index = iIndex;
}

}  // namespace

struct CZipArchiveReader::Stream {
  int iIndex = -1;
  WORD method = METHOD_STORED;
  size_t dataPos = 0;
  size_t compLeft = 0;
  DWORD uncompDone = 0;
  uLong crc = 0;
  bool bFinished = false;
  bool bInflating = false;
  z_stream z{};

  ~Stream() {
    if (bInflating) inflateEnd(&z);
  }
};

CZipArchiveReader::CZipArchiveReader() : m_pData(nullptr), m_nSize(0), m_iCachedIndex(-1), m_cachedEntry{} {}

CZipArchiveReader::~CZipArchiveReader() { Close(); }

DWORD CZipArchiveReader::OpenMemory(const BYTE* pData, DWORD dwLength) {
  if (IsOpen()) return ZIP_ALREADY_OPEN;
  if (pData == nullptr) return ZIP_BAD_ARGUMENT;
  m_pData = pData;
  m_nSize = dwLength;
  if (ReadDirectory()) return ZIP_OK;
  Close();
  return ZIP_BAD_ARCHIVE;
}

DWORD CZipArchiveReader::OpenFile(LPCTSTR pstrFileName) {
  if (IsOpen()) return ZIP_ALREADY_OPEN;
  if (pstrFileName == nullptr) return ZIP_BAD_ARGUMENT;
  HANDLE hFile = CreateFileW(pstrFileName, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) return ZIP_NO_FILE;
  // Skin archives are small; holding the whole file keeps one reading path for files
  // and memory blocks.
  std::vector<BYTE> data;
  const DWORD dwSize = GetFileSize(hFile, nullptr);
  bool bRead = dwSize != INVALID_FILE_SIZE;
  if (bRead) {
    data.resize(dwSize);
    DWORD dwDone = 0;
    bRead = dwSize == 0 || (ReadFile(hFile, data.data(), dwSize, &dwDone, nullptr) && dwDone == dwSize);
  }
  CloseHandle(hFile);
  if (!bRead) return ZIP_NO_FILE;
  m_fileData.swap(data);
  m_pData = m_fileData.data();
  m_nSize = m_fileData.size();
  static const BYTE EMPTY = 0;
  if (m_pData == nullptr) m_pData = &EMPTY;
  if (ReadDirectory()) return ZIP_OK;
  Close();
  return ZIP_BAD_ARCHIVE;
}

DWORD CZipArchiveReader::Close() {
  CloseStream();
  m_items.clear();
  std::vector<BYTE>().swap(m_fileData);
  m_pData = nullptr;
  m_nSize = 0;
  m_iCachedIndex = -1;
  return ZIP_OK;
}

bool CZipArchiveReader::ReadDirectory() {
  if (m_nSize < END_OF_DIRECTORY_SIZE) return false;
  const size_t nLowest = m_nSize > END_OF_DIRECTORY_SIZE + MAX_COMMENT ? m_nSize - END_OF_DIRECTORY_SIZE - MAX_COMMENT : 0;
  size_t pos = m_nSize - END_OF_DIRECTORY_SIZE;
  while (Read32(m_pData + pos) != END_OF_DIRECTORY_SIGNATURE) {
    if (pos == nLowest) return false;
    --pos;
  }
  const BYTE* pEnd = m_pData + pos;
  // Archives spread over several disks are not skin archives.
  if (Read16(pEnd + 4) != 0 || Read16(pEnd + 6) != 0) return false;
  const size_t nEntries = Read16(pEnd + 10);
  const size_t nDirSize = Read32(pEnd + 12);
  const size_t nDirOffset = Read32(pEnd + 16);
  if (nDirOffset > pos || nDirSize > pos - nDirOffset) return false;
  size_t at = nDirOffset;
  const size_t nDirEnd = nDirOffset + nDirSize;
  std::vector<Item> items;
  items.reserve(nEntries);
  for (size_t i = 0; i < nEntries; ++i) {
    if (nDirEnd - at < DIRECTORY_ENTRY_SIZE) return false;
    const BYTE* p = m_pData + at;
    if (Read32(p) != DIRECTORY_ENTRY_SIGNATURE) return false;
    const size_t nName = Read16(p + 28);
    const size_t nExtra = Read16(p + 30);
    const size_t nComment = Read16(p + 32);
    const size_t nRecord = DIRECTORY_ENTRY_SIZE + nName + nExtra + nComment;
    if (nDirEnd - at < nRecord) return false;
    Item item;
    item.versionMadeBy = Read16(p + 4);
    item.flags = Read16(p + 8);
    item.method = Read16(p + 10);
    item.dosTime = Read16(p + 12);
    item.dosDate = Read16(p + 14);
    item.crc = Read32(p + 16);
    item.compSize = Read32(p + 20);
    item.uncompSize = Read32(p + 24);
    item.externalAttr = Read32(p + 38);
    item.localOffset = Read32(p + 42);
    item.name.assign(reinterpret_cast<const char*>(p + DIRECTORY_ENTRY_SIZE), nName);
    items.push_back(std::move(item));
    at += nRecord;
  }
  m_items.swap(items);
  return true;
}

DWORD CZipArchiveReader::LocateLocalHeader(const Item& item, size_t* pExtra, size_t* pExtraLength, size_t* pData) const {
  const size_t at = item.localOffset;
  if (at > m_nSize || m_nSize - at < LOCAL_HEADER_SIZE) return ZIP_READ_FAILED;
  const BYTE* p = m_pData + at;
  if (Read32(p) != LOCAL_HEADER_SIGNATURE) return ZIP_CORRUPT;
  const size_t nName = Read16(p + 26);
  const size_t nExtra = Read16(p + 28);
  if (m_nSize - at - LOCAL_HEADER_SIZE < nName + nExtra) return ZIP_READ_FAILED;
  if (Read16(p + 8) != item.method || nName != item.name.size() ||
      memcmp(p + LOCAL_HEADER_SIZE, item.name.data(), nName) != 0) {
    return ZIP_CORRUPT;
  }
  const bool bSizesLater = (Read16(p + 6) & FLAG_DATA_DESCRIPTOR) != 0;
  if (!bSizesLater && (Read32(p + 14) != item.crc || Read32(p + 18) != item.compSize || Read32(p + 22) != item.uncompSize)) {
    return ZIP_CORRUPT;
  }
  *pExtra = at + LOCAL_HEADER_SIZE + nName;
  *pExtraLength = nExtra;
  *pData = *pExtra + nExtra;
  return ZIP_OK;
}

DWORD CZipArchiveReader::Describe(int iIndex, ZipArchiveEntry* pEntry) const {
  const Item& item = m_items[static_cast<size_t>(iIndex)];
  size_t nExtra = 0;
  size_t nExtraLength = 0;
  size_t nData = 0;
  const DWORD dwResult = LocateLocalHeader(item, &nExtra, &nExtraLength, &nData);
  if (dwResult != ZIP_OK) return dwResult;
  ClearEntry(pEntry, iIndex);
  CopyNameToEntry(item.name, pEntry);
  pEntry->attr = AttributesOf(item.versionMadeBy, item.externalAttr);
  pEntry->mtime = FileTimeFromDos(item.dosDate, item.dosTime);
  pEntry->atime = pEntry->mtime;
  pEntry->ctime = pEntry->mtime;
  ApplyTimestamps(m_pData + nExtra, nExtraLength, pEntry);
  pEntry->comp_size = item.compSize;
  pEntry->unc_size = item.uncompSize;
  return ZIP_OK;
}

DWORD CZipArchiveReader::GetItem(int iIndex, ZipArchiveEntry* pEntry) {
  if (pEntry == nullptr) return ZIP_BAD_ARGUMENT;
  const int nCount = static_cast<int>(m_items.size());
  if (iIndex == -1) {
    ClearEntry(pEntry, nCount);
    return ZIP_OK;
  }
  if (iIndex < 0 || iIndex >= nCount) return ZIP_BAD_ARGUMENT;
  if (iIndex == m_iCachedIndex) {
    *pEntry = m_cachedEntry;
    return ZIP_OK;
  }
  const DWORD dwResult = Describe(iIndex, pEntry);
  if (dwResult != ZIP_OK) return dwResult;
  m_iCachedIndex = iIndex;
  m_cachedEntry = *pEntry;
  return ZIP_OK;
}

DWORD CZipArchiveReader::Find(LPCTSTR pstrName, bool bIgnoreCase, int* pIndex, ZipArchiveEntry* pEntry) {
  if (pstrName == nullptr) return ZIP_BAD_ARGUMENT;
  std::wstring name(pstrName);
  // Backslashes go before conversion, where no GBK trail byte can be mistaken for one.
  std::replace(name.begin(), name.end(), L'\\', L'/');
  int iFound = -1;
  if (name.size() <= MAX_FIND_NAME) {
    const std::string ansi = AnsiFromWide(name);
    for (size_t i = 0; i < m_items.size() && iFound < 0; ++i) {
      if (SameName(m_items[i].name, ansi, bIgnoreCase)) iFound = static_cast<int>(i);
    }
  }
  if (pIndex != nullptr) *pIndex = iFound;
  if (iFound < 0) {
    if (pEntry != nullptr) ClearEntry(pEntry, -1);
    return ZIP_NOT_FOUND;
  }
  CloseStream();
  if (pEntry == nullptr) return ZIP_OK;
  return GetItem(iFound, pEntry);
}

DWORD CZipArchiveReader::OpenStream(int iIndex) {
  const Item& item = m_items[static_cast<size_t>(iIndex)];
  size_t nExtra = 0;
  size_t nExtraLength = 0;
  size_t nData = 0;
  const DWORD dwResult = LocateLocalHeader(item, &nExtra, &nExtraLength, &nData);
  if (dwResult != ZIP_OK) return dwResult;
  if (nData > m_nSize || m_nSize - nData < item.compSize) return ZIP_READ_FAILED;
  std::unique_ptr<Stream> stream(new Stream);
  stream->iIndex = iIndex;
  stream->method = item.method;
  stream->dataPos = nData;
  stream->compLeft = item.compSize;
  stream->crc = crc32(0L, Z_NULL, 0);
  if ((item.flags & FLAG_ENCRYPTED) != 0) return ZIP_INFLATE_FAILED;
  if (item.method == METHOD_DEFLATED) {
    if (inflateInit2(&stream->z, -MAX_WBITS) != Z_OK) return ZIP_INFLATE_FAILED;
    stream->bInflating = true;
  } else if (item.method != METHOD_STORED) {
    return ZIP_INFLATE_FAILED;
  }
  m_stream = std::move(stream);
  return ZIP_OK;
}

void CZipArchiveReader::CloseStream() { m_stream.reset(); }

DWORD CZipArchiveReader::ExtractToMemory(int iIndex, void* pDest, DWORD dwLength) {
  if (!IsOpen() || iIndex < 0 || iIndex >= static_cast<int>(m_items.size())) return ZIP_BAD_ARGUMENT;
  if (pDest == nullptr || dwLength == 0) return ZIP_BAD_ARGUMENT;
  if (!m_stream || m_stream->iIndex != iIndex) {
    CloseStream();
    const DWORD dwResult = OpenStream(iIndex);
    if (dwResult != ZIP_OK) return dwResult;
  }
  Stream& s = *m_stream;
  const Item& item = m_items[static_cast<size_t>(iIndex)];
  auto* pOut = static_cast<BYTE*>(pDest);
  DWORD dwProduced = 0;
  bool bFailed = false;
  if (!s.bFinished && s.method == METHOD_STORED) {
    dwProduced = static_cast<DWORD>(std::min<size_t>(dwLength, s.compLeft));
    memcpy(pOut, m_pData + s.dataPos, dwProduced);
    s.dataPos += dwProduced;
    s.compLeft -= dwProduced;
    s.bFinished = s.compLeft == 0;
  } else if (!s.bFinished) {
    s.z.next_in = const_cast<Bytef*>(m_pData + s.dataPos);
    s.z.avail_in = static_cast<uInt>(std::min<size_t>(s.compLeft, UINT_MAX));
    s.z.next_out = pOut;
    s.z.avail_out = dwLength;
    int rc = Z_OK;
    while (s.z.avail_out > 0) {
      const uInt nInBefore = s.z.avail_in;
      const uInt nOutBefore = s.z.avail_out;
      rc = inflate(&s.z, Z_NO_FLUSH);
      if (rc != Z_OK || (s.z.avail_in == nInBefore && s.z.avail_out == nOutBefore)) break;
    }
    const size_t nConsumed = static_cast<size_t>(s.z.next_in - (m_pData + s.dataPos));
    s.dataPos += nConsumed;
    s.compLeft -= nConsumed;
    dwProduced = dwLength - s.z.avail_out;
    if (rc == Z_STREAM_END) {
      s.bFinished = true;
    } else if (rc != Z_OK && rc != Z_BUF_ERROR) {
      bFailed = true;
    } else if (s.z.avail_out > 0) {
      bFailed = true;  // the input ran out before the end of the stream
    }
  }
  if (!bFailed && dwProduced > 0) {
    s.crc = crc32(s.crc, pOut, dwProduced);
    s.uncompDone += dwProduced;
    bFailed = s.uncompDone > item.uncompSize;
  }
  if (bFailed) {
    CloseStream();
    return ZIP_INFLATE_FAILED;
  }
  if (dwProduced > 0) return ZIP_MORE;
  // Nothing left: the item is done, and whole only when its size and checksum agree.
  const bool bIntact = s.uncompDone == item.uncompSize && s.crc == item.crc;
  CloseStream();
  return bIntact ? ZIP_OK : ZIP_INFLATE_FAILED;
}

}  // namespace SkinUI
