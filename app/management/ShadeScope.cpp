#include "app/management/ShadeScope.h"

#include "app/shell/BkWindow.h"

ShadeScope::ShadeScope(HWND hwndPage) : m_owner(hwndPage), m_shown(false) {
  if (g_pBkWnd == nullptr || !::IsWindow(g_pBkWnd->GetHWND())) return;
  g_pBkWnd->ShowWindow(true, true);
  m_owner = g_pBkWnd->GetHWND();
  m_shown = true;
}

ShadeScope::~ShadeScope() {
  if (m_shown) g_pBkWnd->ShowWindow(false, true);
}
