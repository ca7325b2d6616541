#include "app/frame/ClockText.h"

namespace {

// By wDayOfWeek: Sunday is 0.
const wchar_t* const kWeekdays[] = {L"星期日", L"星期一", L"星期二", L"星期三", L"星期四", L"星期五", L"星期六"};

}  // namespace

std::wstring ClockText::Format(const SYSTEMTIME& local) {
  const wchar_t* weekday = local.wDayOfWeek < 7 ? kWeekdays[local.wDayOfWeek] : L"";
  wchar_t text[64] = {};
  swprintf_s(text, 64, L"%02d年%02d月%02d日 %02d:%02d:%02d  %s", local.wYear, local.wMonth, local.wDay, local.wHour,
             local.wMinute, local.wSecond, weekday);
  return text;
}
