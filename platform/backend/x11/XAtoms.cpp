#include "platform/backend/x11/XAtoms.h"

namespace platform::x11 {

void XAtoms::Intern(Display* display) {
  struct Entry {
    const char* name;
    Atom* atom;
  };
  const Entry entries[] = {
      {"WM_PROTOCOLS", &WM_PROTOCOLS},
      {"WM_DELETE_WINDOW", &WM_DELETE_WINDOW},
      {"WM_TRANSIENT_FOR", &WM_TRANSIENT_FOR},
      {"WM_STATE", &WM_STATE},
      {"WM_CHANGE_STATE", &WM_CHANGE_STATE},
      {"UTF8_STRING", &UTF8_STRING},
      {"COMPOUND_TEXT", &COMPOUND_TEXT},
      {"_NET_WM_NAME", &_NET_WM_NAME},
      {"_NET_WM_ICON", &_NET_WM_ICON},
      {"_NET_WM_PID", &_NET_WM_PID},
      {"_NET_WM_PING", &_NET_WM_PING},
      {"_NET_WM_STATE", &_NET_WM_STATE},
      {"_NET_WM_STATE_ABOVE", &_NET_WM_STATE_ABOVE},
      {"_NET_WM_STATE_SKIP_TASKBAR", &_NET_WM_STATE_SKIP_TASKBAR},
      {"_NET_WM_WINDOW_TYPE", &_NET_WM_WINDOW_TYPE},
      {"_NET_WM_WINDOW_TYPE_NORMAL", &_NET_WM_WINDOW_TYPE_NORMAL},
      {"_NET_WM_WINDOW_TYPE_DIALOG", &_NET_WM_WINDOW_TYPE_DIALOG},
      {"_NET_WM_WINDOW_TYPE_TOOLTIP", &_NET_WM_WINDOW_TYPE_TOOLTIP},
      {"_NET_WM_WINDOW_TYPE_POPUP_MENU", &_NET_WM_WINDOW_TYPE_POPUP_MENU},
      {"_NET_WM_WINDOW_TYPE_NOTIFICATION", &_NET_WM_WINDOW_TYPE_NOTIFICATION},
      {"_NET_WM_WINDOW_TYPE_UTILITY", &_NET_WM_WINDOW_TYPE_UTILITY},
      {"_NET_WM_WINDOW_OPACITY", &_NET_WM_WINDOW_OPACITY},
      {"_NET_WM_CM_S0", &_NET_WM_CM_S0},
      {"_NET_SUPPORTING_WM_CHECK", &_NET_SUPPORTING_WM_CHECK},
      {"_NET_SUPPORTED", &_NET_SUPPORTED},
      {"_NET_ACTIVE_WINDOW", &_NET_ACTIVE_WINDOW},
      {"_NET_CLIENT_LIST", &_NET_CLIENT_LIST},
      {"_NET_WORKAREA", &_NET_WORKAREA},
      {"_NET_CURRENT_DESKTOP", &_NET_CURRENT_DESKTOP},
      {"_MOTIF_WM_HINTS", &_MOTIF_WM_HINTS},
  };
  const int count = int(sizeof(entries) / sizeof(entries[0]));
  char* names[sizeof(entries) / sizeof(entries[0])];
  Atom atoms[sizeof(entries) / sizeof(entries[0])];
  for (int i = 0; i < count; ++i) names[i] = const_cast<char*>(entries[i].name);
  XInternAtoms(display, names, count, False, atoms);
  for (int i = 0; i < count; ++i) *entries[i].atom = atoms[i];
}

}  // namespace platform::x11
