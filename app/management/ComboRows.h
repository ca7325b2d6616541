#pragma once
// The rows the management dialogs put into their combo boxes: a centred light text that is
// its own tooltip.
#include <string>

namespace SkinUI {
class CComboUI;
}

class ComboRows {
 public:
  // Appends a row; nothing without a combo.
  static void Add(SkinUI::CComboUI* pCombo, const std::wstring& text, const std::wstring& userData = std::wstring());
};
