#include "ui/core/builder/CNotifyPump.h"

#include "ui/core/control/CControlUI.h"

namespace SkinUI {

namespace {

const UINotifyMapEntry kPumpEntries[] = {{L"", L"", UINOTIFY_END, nullptr, nullptr}};

}  // namespace

const UINotifyMap* CNotifyPump::GetClassNotifyMap() {
  static const UINotifyMap map = {nullptr, kPumpEntries};
  return &map;
}

const UINotifyMap* CNotifyPump::GetNotifyMap() const { return GetClassNotifyMap(); }

const UINotifyMapEntry* CNotifyPump::FindMapEntry(const UINotifyMapEntry* lpEntry, const UINotifyRecord& msg) {
  if (lpEntry == nullptr) return nullptr;
  const CUIString sSenderName = msg.pSender != nullptr ? msg.pSender->GetName() : CUIString();
  const UINotifyMapEntry* pAnySenderEntry = nullptr;
  for (; lpEntry->nCallKind != UINOTIFY_END; ++lpEntry) {
    if (lpEntry->sType != msg.sType) continue;
    if (lpEntry->sCtrlName.IsEmpty()) {
      pAnySenderEntry = lpEntry;
    } else if (msg.pSender != nullptr && lpEntry->sCtrlName == sSenderName) {
      return lpEntry;
    }
  }
  return pAnySenderEntry;
}

// The handlers are members of the window classes, converted to pointers to members
// of this base (not the first base of a window) and called on an object whose
// dynamic type has them: defined behaviour. The undefined-behaviour sanitizer's vptr
// check looks for a CNotifyPump at the address adjusted for the member's class and
// reports every call, so it is off for this function alone.
__attribute__((no_sanitize("vptr"))) bool CNotifyPump::DispatchNotify(UINotifyRecord& msg) {
  for (const UINotifyMap* pMap = GetNotifyMap(); pMap != nullptr;
       pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
    const UINotifyMapEntry* lpEntry = FindMapEntry(pMap->lpEntries, msg);
    if (lpEntry == nullptr) continue;
    switch (lpEntry->nCallKind) {
      case UINOTIFY_PARAMS:
        if (lpEntry->pfnParams == nullptr) return false;
        (this->*(lpEntry->pfnParams))(msg.wParam, msg.lParam);
        return true;
      case UINOTIFY_RECORD:
        if (lpEntry->pfnRecord == nullptr) return false;
        (this->*(lpEntry->pfnRecord))(msg);
        return true;
      default:
        return false;
    }
  }
  return false;
}

}  // namespace SkinUI
