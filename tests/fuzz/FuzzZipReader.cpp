#include <algorithm>
#include <memory>
#include <vector>

#include "tests/fuzz/FuzzTargets.h"
#include "ui/core/markup/CZipArchiveReader.h"
#include "ui/core/markup/ZipArchive.h"

namespace fuzz {
namespace {

const int kMostItems = 16;

// The directory and every item in small parts, through the reader itself.
std::vector<std::wstring> ReadInParts(const std::vector<BYTE>& archive) {
  std::vector<std::wstring> names;
  SkinUI::CZipArchiveReader reader;
  if (reader.OpenMemory(archive.data(), static_cast<DWORD>(archive.size())) != SkinUI::ZIP_OK) return names;
  SkinUI::ZipArchiveEntry entry = {};
  if (reader.GetItem(-1, &entry) != SkinUI::ZIP_OK) return names;
  const int count = std::min(entry.index, kMostItems);
  for (int i = 0; i < count; ++i) {
    if (reader.GetItem(i, &entry) != SkinUI::ZIP_OK) continue;
    names.emplace_back(entry.name);
    BYTE part[7];
    for (int guard = 0; guard < 4096; ++guard) {
      if (reader.ExtractToMemory(i, part, sizeof(part)) != SkinUI::ZIP_MORE) break;
    }
  }
  reader.Close();
  return names;
}

}  // namespace

int FuzzZipReader(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  // A copy of exactly the input's size: the sanitizer sees any read past its end.
  std::vector<BYTE> archive(data, data + size);
  const std::vector<std::wstring> names = ReadInParts(archive);

  // Each item by its name, whole, as the renderer reads skin pictures.
  SkinUI::HZIPARCHIVE hZip =
      SkinUI::OpenZipArchive(archive.data(), static_cast<DWORD>(archive.size()), SkinUI::ZIP_SOURCE_MEMORY);
  if (hZip == nullptr) return 0;
  for (const std::wstring& name : names) {
    DWORD dwSize = 0;
    std::unique_ptr<BYTE[]> item = SkinUI::ReadZipArchiveItem(hZip, name.c_str(), dwSize);
    (void)item;
  }
  SkinUI::CloseZipArchive(hZip);
  return 0;
}

}  // namespace fuzz
