#include "ui/core/markup/ZipArchive.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "tests/ui/core/support/ZipBuilder.h"
#include "ui/core/markup/CZipArchiveReader.h"

using namespace SkinUI;

namespace {

ZipItemSpec Item(const std::string& name, const std::string& data, bool deflate = true) {
  ZipItemSpec spec;
  spec.name = name;
  spec.data = data;
  spec.deflate = deflate;
  return spec;
}

std::wstring WideFromGbk(const std::string& gbk) {
  wchar_t buffer[300] = {};
  MultiByteToWideChar(CP_ACP, 0, gbk.c_str(), -1, buffer, 300);
  return buffer;
}

FILETIME FromUnix(long long t) {
  const ULONGLONG ticks = (static_cast<ULONGLONG>(t) + 11644473600ULL) * 10000000ULL;
  return FILETIME{static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

bool SameTime(const FILETIME& a, const FILETIME& b) {
  return a.dwLowDateTime == b.dwLowDateTime && a.dwHighDateTime == b.dwHighDateTime;
}

// An archive in memory, open for the test's lifetime.
class OpenArchive {
 public:
  explicit OpenArchive(const ZipBuilder& builder) : m_bytes(builder.Build()) {
    m_handle = OpenZipArchive(m_bytes.data(), static_cast<DWORD>(m_bytes.size()), ZIP_SOURCE_MEMORY);
  }
  ~OpenArchive() {
    if (m_handle != nullptr) CloseZipArchive(m_handle);
  }
  HZIPARCHIVE get() const { return m_handle; }

  // Reads an item through buffers of the given size; the results of every call land
  // in results.
  std::string ReadAll(int index, DWORD chunk, std::vector<DWORD>* results) {
    std::string data;
    std::vector<char> buffer(chunk);
    for (int guard = 0; guard < 100000; ++guard) {
      std::fill(buffer.begin(), buffer.end(), '\0');
      const DWORD result = ExtractZipArchiveItem(m_handle, index, buffer.data(), chunk, ZIP_TARGET_MEMORY);
      results->push_back(result);
      if (result != ZIP_MORE) break;
      data.append(buffer.data(), chunk);
    }
    return data;
  }

 private:
  std::vector<BYTE> m_bytes;
  HZIPARCHIVE m_handle;
};

TEST(ZipArchiveFind, BackslashesCaseAndChineseNames) {
  const std::string gbkName = "skin/图片.png";  // GBK bytes
  const std::string trailA = "\x81\x41.png";     // a GBK character whose trail byte is 'A'
  const std::string trailLowerA = "\x81\x61.png";
  ZipBuilder builder;
  builder.Add(Item("skin/main.xml", "<Window/>"))
      .Add(Item("skin/Images/Btn.png", "png"))
      .Add(Item(gbkName, "chinese"))
      .Add(Item(trailA, "trail"))
      .Add(Item(std::string(255, 'n'), "255"))
      .Add(Item(std::string(256, 'm'), "256"));
  OpenArchive archive(builder);
  ASSERT_NE(nullptr, archive.get());

  struct Case {
    std::wstring query;
    bool ignoreCase;
    int index;
  } cases[] = {
      {L"skin/main.xml", false, 0},
      {L"skin\\main.xml", false, 0},
      {L"SKIN/MAIN.XML", false, -1},
      {L"SKIN\\MAIN.XML", true, 0},
      {L"skin\\images\\btn.png", true, 1},
      {L"skin/图片.png", false, 2},
      {L"skin/图片.PNG", true, 2},
      {WideFromGbk(trailA), true, 3},
      {WideFromGbk(trailLowerA), true, -1},
      {L"skin/main", true, -1},
      {std::wstring(255, L'N'), true, 4},
      {std::wstring(256, L'm'), false, -1},
  };
  for (const Case& c : cases) {
    int index = 99;
    ZipArchiveEntry entry;
    const DWORD result = FindZipArchiveItem(archive.get(), c.query.c_str(), c.ignoreCase, &index, &entry);
    EXPECT_EQ(c.index >= 0 ? ZIP_OK : ZIP_NOT_FOUND, result) << c.query.substr(0, 20);
    EXPECT_EQ(result, GetZipArchiveLastResult());
    EXPECT_EQ(c.index, index) << c.query.substr(0, 20);
    EXPECT_EQ(c.index, entry.index);
  }

  ZipArchiveEntry entry;
  int index = -1;
  ASSERT_EQ(ZIP_OK, FindZipArchiveItem(archive.get(), L"skin\\图片.png", false, &index, &entry));
  EXPECT_STREQ(L"skin/图片.png", entry.name);
  EXPECT_EQ(7u, entry.unc_size);
}

TEST(ZipArchiveExtract, ChunksReportMoreUntilTheItemIsDone) {
  struct Case {
    bool deflate;
    DWORD chunk;
  } cases[] = {{false, 1}, {false, 3}, {false, 10}, {false, 64}, {true, 1}, {true, 3}, {true, 10}, {true, 64}};
  const std::string data = "0123456789";
  for (const Case& c : cases) {
    ZipBuilder builder;
    builder.Add(Item("ten.txt", data, c.deflate));
    OpenArchive archive(builder);
    ASSERT_NE(nullptr, archive.get());
    std::vector<DWORD> results;
    const std::string read = archive.ReadAll(0, c.chunk, &results);
    const size_t deliveries = (data.size() + c.chunk - 1) / c.chunk;
    std::vector<DWORD> expected(deliveries, ZIP_MORE);
    expected.push_back(ZIP_OK);
    EXPECT_EQ(expected, results) << c.deflate << "/" << c.chunk;
    EXPECT_EQ(data, read.substr(0, data.size())) << c.deflate << "/" << c.chunk;
  }
}

TEST(ZipArchiveExtract, EmptyAndLargeItems) {
  std::string large;
  for (int i = 0; i < 20000; ++i) large += "line " + std::to_string(i * 7919 % 10007) + "\n";
  ZipBuilder builder;
  builder.Add(Item("empty.txt", "", true)).Add(Item("large.txt", large, true)).Add(Item("stored.bin", large, false));
  OpenArchive archive(builder);
  ASSERT_NE(nullptr, archive.get());

  char buffer[16];
  EXPECT_EQ(ZIP_OK, ExtractZipArchiveItem(archive.get(), 0, buffer, sizeof(buffer), ZIP_TARGET_MEMORY));
  for (int index : {1, 2}) {
    std::vector<DWORD> results;
    const std::string read = archive.ReadAll(index, 0x1000, &results);
    EXPECT_EQ(ZIP_OK, results.back());
    EXPECT_EQ(large, read.substr(0, large.size())) << index;
  }
}

TEST(ZipArchiveExtract, AnotherItemOrAFindRestartsTheStream) {
  ZipBuilder builder;
  builder.Add(Item("a.txt", "AAAAaaaa")).Add(Item("b.txt", "BBBB"));
  OpenArchive archive(builder);
  char buffer[5] = {};
  ASSERT_EQ(ZIP_MORE, ExtractZipArchiveItem(archive.get(), 0, buffer, 4, ZIP_TARGET_MEMORY));
  EXPECT_STREQ("AAAA", buffer);
  ASSERT_EQ(ZIP_MORE, ExtractZipArchiveItem(archive.get(), 1, buffer, 4, ZIP_TARGET_MEMORY));
  EXPECT_STREQ("BBBB", buffer);
  ASSERT_EQ(ZIP_MORE, ExtractZipArchiveItem(archive.get(), 0, buffer, 4, ZIP_TARGET_MEMORY));
  EXPECT_STREQ("AAAA", buffer);  // from the start again
  int index = -1;
  ASSERT_EQ(ZIP_OK, FindZipArchiveItem(archive.get(), L"a.txt", false, &index, nullptr));
  ASSERT_EQ(ZIP_MORE, ExtractZipArchiveItem(archive.get(), 0, buffer, 4, ZIP_TARGET_MEMORY));
  EXPECT_STREQ("AAAA", buffer);
  ASSERT_EQ(ZIP_MORE, ExtractZipArchiveItem(archive.get(), 0, buffer, 4, ZIP_TARGET_MEMORY));
  EXPECT_STREQ("aaaa", buffer);
}

TEST(ZipArchiveExtract, DamagedItemsFailInsteadOfPassingAsWhole) {
  struct Case {
    const char* name;
    ZipItemSpec spec;
    DWORD last;
  } cases[] = {
      {"intact", Item("x.txt", "some text to pack"), ZIP_OK},
      {"wrong checksum", [] { auto s = Item("x.txt", "some text to pack"); s.crcXor = 1; return s; }(), ZIP_INFLATE_FAILED},
      {"wrong checksum, stored", [] { auto s = Item("x.txt", "some text", false); s.crcXor = 4; return s; }(), ZIP_INFLATE_FAILED},
      {"cut-off stream", [] { auto s = Item("x.txt", std::string(500, 'q') + "tail"); s.dropCompressedBytes = 3; return s; }(),
       ZIP_INFLATE_FAILED},
      {"local header of another item", [] { auto s = Item("x.txt", "text"); s.localNameOverride = "y.txt"; return s; }(), ZIP_CORRUPT},
      {"local header out of the archive", [] { auto s = Item("x.txt", "text"); s.localOffsetOverride = 0x100000; return s; }(),
       ZIP_READ_FAILED},
  };
  for (const Case& c : cases) {
    ZipBuilder builder;
    builder.Add(c.spec);
    OpenArchive archive(builder);
    ASSERT_NE(nullptr, archive.get()) << c.name;
    std::vector<DWORD> results;
    archive.ReadAll(0, 4, &results);
    EXPECT_EQ(c.last, results.back()) << c.name;
  }
}

// Writes a declared uncompressed size into both headers of a one-item archive, as a
// lying or damaged archive would have it.
std::vector<BYTE> WithDeclaredSize(std::vector<BYTE> archive, DWORD size) {
  auto put32 = [&](size_t at) {
    for (int i = 0; i < 4; ++i) archive[at + i] = static_cast<BYTE>(size >> (8 * i));
  };
  put32(22);  // the local header at the start
  for (size_t at = 0; at + 4 <= archive.size(); ++at) {
    if (archive[at] == 0x50 && archive[at + 1] == 0x4B && archive[at + 2] == 0x01 && archive[at + 3] == 0x02) {
      put32(at + 24);  // the directory's record
    }
  }
  return archive;
}

// Reading an item whole: only an item whose size and checksum agree with its header
// comes back, and a declared size past the cap is refused before anything is
// allocated.
TEST(ZipArchiveRead, OnlyWholeAndCheckedItemsComeBack) {
  const std::string text(3000, 'w');
  struct Case {
    const char* name;
    ZipItemSpec spec;
    DWORD declared;  // 0 keeps the true size
    const char* lookup;
    bool whole;
  } cases[] = {
      {"intact, deflated", Item("Pics/A.png", text), 0, "pics\\a.png", true},
      {"intact, stored", Item("a.png", text, false), 0, "a.png", true},
      {"missing", Item("a.png", text), 0, "b.png", false},
      {"empty", Item("a.png", ""), 0, "a.png", false},
      {"declared larger than the data", Item("a.png", text), 4000, "a.png", false},
      {"declared larger, stored", Item("a.png", text, false), 4000, "a.png", false},
      {"declared smaller than the data", Item("a.png", text), 1000, "a.png", false},
      {"declared one byte short", Item("a.png", text), 2999, "a.png", false},
      {"wrong checksum", [&] { auto s = Item("a.png", text); s.crcXor = 1; return s; }(), 0, "a.png", false},
      {"cut-off stream", [&] { auto s = Item("a.png", text); s.dropCompressedBytes = 2; return s; }(), 0, "a.png", false},
      {"four gibibytes declared", Item("a.png", text), 0xFFFFFFF0u, "a.png", false},
      {"just past the cap", Item("a.png", text), ZIP_MAX_ITEM_BYTES + 1, "a.png", false},
  };
  for (const Case& c : cases) {
    std::vector<BYTE> bytes = ZipBuilder().Add(c.spec).Build();
    if (c.declared != 0) bytes = WithDeclaredSize(bytes, c.declared);
    HZIPARCHIVE archive = OpenZipArchive(bytes.data(), static_cast<DWORD>(bytes.size()), ZIP_SOURCE_MEMORY);
    ASSERT_NE(nullptr, archive) << c.name;
    const std::wstring lookup(c.lookup, c.lookup + strlen(c.lookup));
    DWORD size = 12345;
    std::unique_ptr<BYTE[]> data = ReadZipArchiveItem(archive, lookup.c_str(), size);
    EXPECT_EQ(c.whole, data != nullptr) << c.name;
    if (c.whole && data != nullptr) {
      EXPECT_EQ(std::string(reinterpret_cast<const char*>(data.get()), size), c.spec.data) << c.name;
    } else {
      EXPECT_EQ(0u, size) << c.name;
    }
    CloseZipArchive(archive);
  }
}

TEST(ZipArchiveOpen, SourcesThatAreNotArchives) {
  const std::vector<BYTE> valid = ZipBuilder().Add(Item("a", "b")).Build();
  struct Case {
    const char* name;
    std::vector<BYTE> bytes;
  } cases[] = {
      {"text", std::vector<BYTE>{'n', 'o', 't', ' ', 'a', ' ', 'z', 'i', 'p', ' ', 'f', 'i', 'l', 'e', ' ', 'a', 't', ' ', 'a', 'l', 'l', '!', '!'}},
      {"too short", std::vector<BYTE>{'P', 'K', 5, 6}},
      {"end record cut", std::vector<BYTE>(valid.begin(), valid.end() - 5)},
      {"directory cut", [&] { auto b = valid; b.erase(b.end() - 30, b.end() - 22); return b; }()},
  };
  for (const Case& c : cases) {
    std::vector<BYTE> bytes = c.bytes;
    EXPECT_EQ(nullptr, OpenZipArchive(bytes.data(), static_cast<DWORD>(bytes.size()), ZIP_SOURCE_MEMORY)) << c.name;
    EXPECT_EQ(ZIP_BAD_ARCHIVE, GetZipArchiveLastResult()) << c.name;
  }

  std::vector<BYTE> empty = ZipBuilder().Build();
  HZIPARCHIVE handle = OpenZipArchive(empty.data(), static_cast<DWORD>(empty.size()), ZIP_SOURCE_MEMORY);
  ASSERT_NE(nullptr, handle);
  int index = 5;
  EXPECT_EQ(ZIP_NOT_FOUND, FindZipArchiveItem(handle, L"a", true, &index, nullptr));
  EXPECT_EQ(-1, index);
  EXPECT_EQ(ZIP_OK, CloseZipArchive(handle));
}

TEST(ZipArchiveOpen, ArgumentsAndHandlesAreChecked) {
  std::vector<BYTE> bytes = ZipBuilder().Add(Item("a.txt", "abc")).Build();
  char buffer[8];
  EXPECT_EQ(nullptr, OpenZipArchive(bytes.data(), static_cast<DWORD>(bytes.size()), 0));
  EXPECT_EQ(ZIP_BAD_ARGUMENT, GetZipArchiveLastResult());
  EXPECT_EQ(nullptr, OpenZipArchive(nullptr, 10, ZIP_SOURCE_MEMORY));
  EXPECT_EQ(ZIP_BAD_ARGUMENT, GetZipArchiveLastResult());
  int fileHandle = 3;
  EXPECT_EQ(nullptr, OpenZipArchive(&fileHandle, 0, ZIP_SOURCE_HANDLE));
  EXPECT_EQ(ZIP_NO_DUPLICATE_HANDLE, GetZipArchiveLastResult());

  EXPECT_EQ(ZIP_BAD_ARGUMENT, CloseZipArchive(nullptr));
  EXPECT_EQ(ZIP_BAD_ARGUMENT, GetZipArchiveLastResult());
  EXPECT_EQ(ZIP_BAD_ARGUMENT, FindZipArchiveItem(nullptr, L"a.txt", false, nullptr, nullptr));
  EXPECT_EQ(ZIP_BAD_ARGUMENT, ExtractZipArchiveItem(nullptr, 0, buffer, 8, ZIP_TARGET_MEMORY));

  HZIPARCHIVE handle = OpenZipArchive(bytes.data(), static_cast<DWORD>(bytes.size()), ZIP_SOURCE_MEMORY);
  ASSERT_NE(nullptr, handle);
  struct Case {
    int index;
    DWORD kind;
    DWORD result;
  } cases[] = {
      {0, ZIP_TARGET_FILENAME, ZIP_NO_FILE},  // extraction into files is refused
      {0, ZIP_TARGET_HANDLE, ZIP_NO_FILE},
      {0, 4, ZIP_BAD_ARGUMENT},
      {1, ZIP_TARGET_MEMORY, ZIP_BAD_ARGUMENT},
      {-1, ZIP_TARGET_MEMORY, ZIP_BAD_ARGUMENT},
      {0, ZIP_TARGET_MEMORY, ZIP_MORE},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(c.result, ExtractZipArchiveItem(handle, c.index, buffer, 8, c.kind)) << c.index << "/" << c.kind;
    EXPECT_EQ(c.result, GetZipArchiveLastResult());
  }
  EXPECT_EQ(ZIP_OK, CloseZipArchive(handle));
}

TEST(ZipArchiveOpen, ByFileName) {
  const std::vector<BYTE> bytes = ZipBuilder().Add(Item("skin/a.xml", "<a/>")).Build();
  const std::string path = testing::TempDir() + "ui_core_skin_test.zip";
  {
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  }
  const std::wstring widePath(path.begin(), path.end());
  HZIPARCHIVE handle = OpenZipArchive(const_cast<wchar_t*>(widePath.c_str()), 0, ZIP_SOURCE_FILENAME);
  ASSERT_NE(nullptr, handle);
  int index = -1;
  ZipArchiveEntry entry;
  ASSERT_EQ(ZIP_OK, FindZipArchiveItem(handle, L"SKIN\\A.XML", true, &index, &entry));
  char buffer[4];
  EXPECT_EQ(ZIP_MORE, ExtractZipArchiveItem(handle, index, buffer, entry.unc_size, ZIP_TARGET_MEMORY));
  EXPECT_EQ(0, memcmp("<a/>", buffer, 4));
  EXPECT_EQ(ZIP_OK, ExtractZipArchiveItem(handle, index, buffer, entry.unc_size, ZIP_TARGET_MEMORY));
  EXPECT_EQ(ZIP_OK, CloseZipArchive(handle));
  std::remove(path.c_str());

  const std::wstring missing = widePath + L".missing";
  EXPECT_EQ(nullptr, OpenZipArchive(const_cast<wchar_t*>(missing.c_str()), 0, ZIP_SOURCE_FILENAME));
  EXPECT_EQ(ZIP_NO_FILE, GetZipArchiveLastResult());
}

TEST(ZipArchiveEntries, AttributesFromTheMakersConventions) {
  const WORD dos = 20;
  const WORD unix = (3 << 8) | 20;
  struct Case {
    WORD madeBy;
    DWORD external;
    DWORD attr;
  } cases[] = {
      {dos, 0x20, 0xA0},
      {dos, 0x00, 0x80},
      {dos, 0x10, 0x90},
      {dos, 0x01, 0x81},
      {dos, 0x06, 0x86},
      {dos, 0x20 | (0100444u << 16), 0xA0},  // a mode field only counts from Unix makers
      {unix, 0100644u << 16, 0x80},
      {unix, 0100444u << 16, 0x81},
      {unix, 040755u << 16, 0x90},
      {unix, (040755u << 16) | 0x10, 0x90},
  };
  for (const Case& c : cases) {
    ZipItemSpec spec = Item("item", "x");
    spec.versionMadeBy = c.madeBy;
    spec.externalAttr = c.external;
    const std::vector<BYTE> bytes = ZipBuilder().Add(spec).Build();
    CZipArchiveReader reader;
    ASSERT_EQ(ZIP_OK, reader.OpenMemory(bytes.data(), static_cast<DWORD>(bytes.size())));
    ZipArchiveEntry entry;
    ASSERT_EQ(ZIP_OK, reader.GetItem(0, &entry));
    EXPECT_EQ(c.attr, entry.attr) << std::hex << c.madeBy << "/" << c.external;
  }
}

TEST(ZipArchiveEntries, ExtendedTimestampsReplaceTheDosTime) {
  const int32_t m = 1700000000, a = 1700000100, cr = 1600000000;
  struct Case {
    std::string extra;
    bool mFromExtra, aFromExtra, cFromExtra;
  } cases[] = {
      {"", false, false, false},
      {ZipBuilder::TimestampExtra(1, {m}), true, false, false},
      {ZipBuilder::TimestampExtra(7, {m, a, cr}), true, true, true},
      {ZipBuilder::TimestampExtra(2, {a}), false, true, false},
      {std::string("\x01\x00\x04\x00" "abcd", 8) + ZipBuilder::TimestampExtra(1, {m}), true, false, false},  // after another block
      {ZipBuilder::TimestampExtra(7, {m}), true, false, false},                              // block shorter than its flags
  };
  for (const Case& c : cases) {
    ZipItemSpec spec = Item("t", "x");
    spec.localExtra = c.extra;
    const std::vector<BYTE> bytes = ZipBuilder().Add(spec).Build();
    CZipArchiveReader reader;
    ASSERT_EQ(ZIP_OK, reader.OpenMemory(bytes.data(), static_cast<DWORD>(bytes.size())));
    ZipArchiveEntry entry;
    ASSERT_EQ(ZIP_OK, reader.GetItem(0, &entry));
    const FILETIME dos = entry.mtime;
    if (c.mFromExtra) {
      EXPECT_TRUE(SameTime(FromUnix(m), entry.mtime)) << c.extra.size();
    }
    EXPECT_EQ(c.aFromExtra, SameTime(FromUnix(a), entry.atime)) << c.extra.size();
    EXPECT_EQ(c.cFromExtra, SameTime(FromUnix(cr), entry.ctime)) << c.extra.size();
    if (!c.mFromExtra) {
      EXPECT_NE(0u, dos.dwHighDateTime);
      EXPECT_TRUE(c.aFromExtra || SameTime(dos, entry.atime));
      EXPECT_TRUE(c.cFromExtra || SameTime(dos, entry.ctime));
    }
  }
}

TEST(ZipArchiveEntries, IndexMinusOneCountsTheItems) {
  const std::vector<BYTE> bytes = ZipBuilder().Add(Item("a", "1")).Add(Item("b", "2")).Build();
  CZipArchiveReader reader;
  ASSERT_EQ(ZIP_OK, reader.OpenMemory(bytes.data(), static_cast<DWORD>(bytes.size())));
  EXPECT_EQ(ZIP_ALREADY_OPEN, reader.OpenMemory(bytes.data(), static_cast<DWORD>(bytes.size())));
  ZipArchiveEntry entry;
  EXPECT_EQ(ZIP_OK, reader.GetItem(-1, &entry));
  EXPECT_EQ(2, entry.index);
  EXPECT_EQ(ZIP_OK, reader.GetItem(1, &entry));
  EXPECT_STREQ(L"b", entry.name);
  EXPECT_EQ(ZIP_BAD_ARGUMENT, reader.GetItem(2, &entry));
  EXPECT_EQ(ZIP_BAD_ARGUMENT, reader.GetItem(-2, &entry));
}

}  // namespace
