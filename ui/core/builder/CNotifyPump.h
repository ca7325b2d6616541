#pragma once
// Dispatches a control's notification to a member handler of the window class
// through the class's notify map and then the maps of its bases. Within one map an
// entry for the sender's name beats an entry for any control, and of two entries
// for any control the later one answers.
//
// A class declares its map with SKINUI_DECLARE_NOTIFY_MAP() in its body and defines
// it in its source file:
//   SKINUI_BEGIN_NOTIFY_MAP(CMyWnd, CBaseWnd)
//     SKINUI_NOTIFY_HANDLER(L"click", L"btn_ok", OnOk)        // void OnOk(UINotifyRecord&)
//     SKINUI_NOTIFY_TYPE_HANDLER(L"selectchanged", OnSelect)  // any sender
//     SKINUI_NOTIFY_PARAMS_HANDLER(L"tabselect", L"tabs", OnTab)  // void OnTab(WPARAM, LPARAM)
//   SKINUI_END_NOTIFY_MAP()
#include "ui/core/builder/UINotifyMap.h"
#include "ui/core/builder/UINotifyMapEntry.h"
#include "ui/core/manager/UINotifyRecord.h"

namespace SkinUI {

class CNotifyPump {
 public:
  CNotifyPump() = default;
  virtual ~CNotifyPump() = default;

  // True when a handler was called.
  bool DispatchNotify(UINotifyRecord& msg);
  // The entry of one map that answers the record, or null. A record without a
  // sender (one deleted while the record waited) counts as unnamed.
  static const UINotifyMapEntry* FindMapEntry(const UINotifyMapEntry* lpEntry, const UINotifyRecord& msg);

  static const UINotifyMap* GetClassNotifyMap();
  virtual const UINotifyMap* GetNotifyMap() const;
};

}  // namespace SkinUI

#define SKINUI_DECLARE_NOTIFY_MAP()                        \
 public:                                                   \
  static const ::SkinUI::UINotifyMap* GetClassNotifyMap(); \
  const ::SkinUI::UINotifyMap* GetNotifyMap() const override;

#define SKINUI_BEGIN_NOTIFY_MAP(theClass, baseClass)                                          \
  const ::SkinUI::UINotifyMap* theClass::GetNotifyMap() const { return GetClassNotifyMap(); } \
  const ::SkinUI::UINotifyMap* theClass::GetClassNotifyMap() {                                \
    typedef theClass SkinUIThisClass;                                                          \
    typedef baseClass SkinUIBaseClass;                                                         \
    static const ::SkinUI::UINotifyMapEntry entries[] = {

#define SKINUI_NOTIFY_HANDLER(type, name, handler)                                                            \
  {type, name, ::SkinUI::UINOTIFY_RECORD,                                                                     \
   static_cast<::SkinUI::UI_NOTIFY_RECORD_HANDLER>(&SkinUIThisClass::handler), nullptr},

#define SKINUI_NOTIFY_TYPE_HANDLER(type, handler) SKINUI_NOTIFY_HANDLER(type, L"", handler)

#define SKINUI_NOTIFY_PARAMS_HANDLER(type, name, handler) \
  {type, name, ::SkinUI::UINOTIFY_PARAMS, nullptr,       \
   static_cast<::SkinUI::UI_NOTIFY_PARAMS_HANDLER>(&SkinUIThisClass::handler)},

#define SKINUI_END_NOTIFY_MAP()                                                                 \
  {L"", L"", ::SkinUI::UINOTIFY_END, nullptr, nullptr}                                          \
  }                                                                                             \
  ;                                                                                             \
  static const ::SkinUI::UINotifyMap map = {&SkinUIBaseClass::GetClassNotifyMap, entries};     \
  return &map;                                                                                  \
  }
