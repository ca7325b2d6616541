#pragma once
// One entry of a window class's notify map: which notification, from which control,
// goes to which member handler.
#include "platform/win32.h"
#include "ui/core/manager/UINotifyRecord.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

class CNotifyPump;

typedef void (CNotifyPump::*UI_NOTIFY_PARAMS_HANDLER)(WPARAM, LPARAM);
typedef void (CNotifyPump::*UI_NOTIFY_RECORD_HANDLER)(UINotifyRecord&);

enum UINotifyCallKind : UINT {
  UINOTIFY_END = 0,     // closes an entry array
  UINOTIFY_PARAMS = 1,  // the handler takes the record's wParam and lParam
  UINOTIFY_RECORD = 2   // the handler takes the record
};

struct UINotifyMapEntry {
  CUIString sType;      // compared exactly with the record's type
  CUIString sCtrlName;  // empty: any sender
  UINT nCallKind;       // a UINotifyCallKind
  UI_NOTIFY_RECORD_HANDLER pfnRecord;
  UI_NOTIFY_PARAMS_HANDLER pfnParams;
};

}  // namespace SkinUI
