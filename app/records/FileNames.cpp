#include "app/records/FileNames.h"

#include <algorithm>

#include "CommonTools/FileNameCheck.h"
#include "platform/base/CodePage.h"

using platform::codepage::GbkToWide;
using platform::codepage::WideToGbk;

std::string PlanFileName(const std::string& planName) {
  if (planName == "." || planName == "..") return "_";
  std::wstring name = GbkToWide(planName);
  std::replace_if(name.begin(), name.end(), CommonTools::is_forbidden_file_name_char, L'_');
  // A name Windows would cut ("a.", "b ") or open as a device ("CON") keeps its text and
  // becomes a name of its own.
  if (!name.empty() && !CommonTools::is_plain_file_name(name)) name += L'_';
  return WideToGbk(name);
}

