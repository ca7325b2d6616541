#pragma once
// The two buttons that leave a dialog without saving, in add mode (1) and edit mode (2):
// the rows of every dialog's table that nothing is sent or kept on the way out.
#include <string>

namespace managementtest {

struct WayOut {
  int mode;
  const wchar_t* button;
};

inline constexpr WayOut kWaysOut[] = {{1, L"btn_close"}, {1, L"btn_Cancel"}, {2, L"btn_close"}, {2, L"btn_Cancel"}};

// "adding, close" and the like, for a failure's trace.
inline std::string Describe(const WayOut& way) {
  return std::string(way.mode == 1 ? "adding, " : "editing, ") + (way.button[4] == 'c' ? "close" : "cancel");
}

}  // namespace managementtest
