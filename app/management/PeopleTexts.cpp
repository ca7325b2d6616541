#include "app/management/PeopleTexts.h"

#include <cstdio>

namespace {

const wchar_t* const kTypeNames[kPatrolTypeCount] = {L"安防", L"设备", L"消防", L"食堂",
                                                     L"宿舍", L"卫生", L"教学"};

// The "%07d" text of the mask; a stored value of more than seven digits is not a mask.
std::string MaskText(int iGroup) {
  char text[16] = {0};
  std::snprintf(text, sizeof(text), "%07d", iGroup);
  return text;
}

}  // namespace

bool HasPatrolType(int iGroup, int position) {
  if (position < 0 || position >= kPatrolTypeCount) return false;
  const std::string mask = MaskText(iGroup);
  if (mask.size() != static_cast<size_t>(kPatrolTypeCount)) return false;
  return mask[position] == '1';
}

std::wstring PatrolTypeNames(int iGroup) {
  std::wstring names;
  for (int position = 0; position < kPatrolTypeCount; ++position) {
    if (!HasPatrolType(iGroup, position)) continue;
    if (!names.empty()) names += L",";
    names += kTypeNames[position];
  }
  return names;
}

int PatrolTypeMask(const std::array<bool, kPatrolTypeCount>& ticked) {
  int mask = 0;
  for (bool on : ticked) mask = mask * 10 + (on ? 1 : 0);
  return mask;
}

std::wstring IdentityCodeName(int iIdentity) {
  switch (iIdentity) {
    case 0: return L"管理员";
    case 1: return L"教师";
    case 6: return L"超级管理员";
    case 7: return L"领导";
    case 11: return L"其他";
    default: return L"--";
  }
}
