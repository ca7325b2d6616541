#include "ui/core/manager/CWindowManagerList.h"

#include <algorithm>

namespace SkinUI {

CWindowManagerList& CWindowManagerList::Instance() {
  // Never destroyed: managers of windows still open at exit may leave it late.
  static CWindowManagerList* list = new CWindowManagerList();
  return *list;
}

void CWindowManagerList::Join(CWindowManagerUI* pManager) {
  std::lock_guard<std::mutex> lock(m_mutex);
  for (const Entry& entry : m_entries) {
    if (entry.pManager == pManager) return;
  }
  m_entries.push_back(Entry{pManager, m_nNextSerial++, ::GetCurrentThreadId()});
}

void CWindowManagerList::Leave(CWindowManagerUI* pManager) {
  std::lock_guard<std::mutex> lock(m_mutex);
  m_entries.erase(std::remove_if(m_entries.begin(), m_entries.end(),
                                 [pManager](const Entry& entry) { return entry.pManager == pManager; }),
                  m_entries.end());
}

std::vector<CWindowManagerList::Entry> CWindowManagerList::Snapshot() const {
  std::lock_guard<std::mutex> lock(m_mutex);
  return m_entries;
}

bool CWindowManagerList::IsListed(const Entry& entry) const {
  std::lock_guard<std::mutex> lock(m_mutex);
  for (const Entry& listed : m_entries) {
    if (listed.pManager == entry.pManager && listed.nSerial == entry.nSerial) return true;
  }
  return false;
}

}  // namespace SkinUI
