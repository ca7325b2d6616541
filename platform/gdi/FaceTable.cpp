#include "platform/gdi/FaceTable.h"

#include <cwctype>

namespace platform::gdi {
namespace {

const FaceInfo kSong{"AR PL UMing CN", 220.0 / 256, 36.0 / 256, 0.0};
const FaceInfo kYaHei{"WenQuanYi Micro Hei", 2167.0 / 2048, 536.0 / 2048, 0.0};
const FaceInfo kHei{"WenQuanYi Micro Hei", 220.0 / 256, 36.0 / 256, 0.0};
const FaceInfo kTahoma{"DejaVu Sans", 2049.0 / 2048, 423.0 / 2048, 0.0};
const FaceInfo kArial{"DejaVu Sans", 1854.0 / 2048, 434.0 / 2048, 67.0 / 2048};

struct Entry {
  const wchar_t* name;
  const FaceInfo* info;
};

const Entry kEntries[] = {
    {L"宋体", &kSong},           {L"SimSun", &kSong},           {L"新宋体", &kSong},
    {L"NSimSun", &kSong},        {L"微软雅黑", &kYaHei},        {L"Microsoft YaHei", &kYaHei},
    {L"Microsoft YaHei UI", &kYaHei}, {L"黑体", &kHei},         {L"SimHei", &kHei},
    {L"Tahoma", &kTahoma},       {L"Arial", &kArial},
};

bool SameName(const std::wstring& a, const wchar_t* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i) {
    if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) return false;
  }
  return i == a.size() && b[i] == 0;
}

}  // namespace

const FaceInfo* FaceTable::Find(const std::wstring& face) {
  for (const Entry& entry : kEntries) {
    if (SameName(face, entry.name)) return entry.info;
  }
  return nullptr;
}

const FaceInfo& FaceTable::Default() { return kSong; }

}  // namespace platform::gdi
