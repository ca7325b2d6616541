#include "app/management/AuthorityTexts.h"

#include <vector>

#include "platform/base/CodePage.h"

namespace {

std::wstring JoinedOrAll(const std::vector<std::string>& words, size_t all) {
  if (words.size() >= all) return L"全部";
  std::wstring text;
  for (const std::string& word : words) {
    if (!text.empty()) text += L",";
    text += platform::codepage::GbkToWide(word);
  }
  return text;
}

}  // namespace

const std::map<int, std::wstring>& AuthorityAreas() {
  static const std::map<int, std::wstring> areas = {{1, L"教学"}, {2, L"清洁卫生"}, {3, L"宿舍检查"}, {4, L"食堂"},
                                                   {5, L"消防"}, {6, L"设备"},     {7, L"安防"}};
  return areas;
}

const std::map<int, std::wstring>& AuthorityModules() {
  static const std::map<int, std::wstring> modules = {{1, L"巡更结果"}, {2, L"巡更人员管理"}, {3, L"巡更设备管理"},
                                                     {4, L"巡更线路"}, {5, L"巡更计划管理"}, {6, L"巡更主页"}};
  return modules;
}

std::wstring AuthorityAreaText(const AuthorityInfo* record) {
  if (record == nullptr) return L"全部";
  return JoinedOrAll(record->TypeAuthority, AuthorityAreas().size());
}

std::wstring AuthorityModuleText(const AuthorityInfo* record) {
  if (record == nullptr) return L"全部";
  return JoinedOrAll(record->strModuleAuthority, AuthorityModules().size());
}

std::string AuthorityListText(const std::wstring& joined) {
  if (joined.empty()) return "--";
  return platform::codepage::WideToGbk(joined);
}
