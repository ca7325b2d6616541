#pragma once
// The words a patrol person is shown with, and the type mask the type boxes make. The
// mask is seven "0"/"1" digits, one per patrol type in the order 安防, 设备, 消防, 食堂,
// 宿舍, 卫生, 教学, stored as the decimal number they spell (so leading zeros are lost).
#include <array>
#include <string>

constexpr int kPatrolTypeCount = 7;

// The names of the types the mask holds, in mask order, joined by ","; empty for none.
std::wstring PatrolTypeNames(int iGroup);

// True when the mask holds the type at that position (0 to 6).
bool HasPatrolType(int iGroup, int position);

// The mask of the ticked types, in mask order; 0 when none is ticked.
int PatrolTypeMask(const std::array<bool, kPatrolTypeCount>& ticked);

// The role of a platform user type: 0 管理员, 1 教师, 6 超级管理员, 7 领导, 11 其他, else "--".
std::wstring IdentityCodeName(int iIdentity);
