#include "ui/core/types/CUIStringMap.h"

#include <cwchar>

namespace SkinUI {

UINT HashKey(LPCTSTR pstrKey) {
  UINT h = 0;
  for (size_t i = wcslen(pstrKey); i > 0; --i) h = h * 33 + static_cast<UINT>(pstrKey[i - 1]);
  return h;
}

CUIStringMap::CUIStringMap(int nBuckets) : m_nBuckets(0), m_nCount(0) {
  Resize(nBuckets < MIN_BUCKETS ? static_cast<int>(MIN_BUCKETS) : nBuckets);
}

CUIStringMap::~CUIStringMap() { RemoveAll(); }

void CUIStringMap::Resize(int nBuckets) {
  RemoveAll();
  m_aT.reset();
  m_nBuckets = nBuckets < 0 ? 0 : nBuckets;
  if (m_nBuckets > 0) m_aT.reset(new Item*[static_cast<size_t>(m_nBuckets)]());
}

CUIStringMap::Item*& CUIStringMap::BucketOf(LPCTSTR pstrKey) const {
  return m_aT[HashKey(pstrKey) % static_cast<UINT>(m_nBuckets)];
}

CUIStringMap::Item* CUIStringMap::Lookup(LPCTSTR pstrKey) const {
  if (m_nBuckets == 0 || m_nCount == 0 || pstrKey == nullptr) return nullptr;
  for (Item* pItem = BucketOf(pstrKey); pItem != nullptr; pItem = pItem->pNext) {
    if (pItem->Key.Equals(pstrKey)) return pItem;
  }
  return nullptr;
}

void CUIStringMap::Unlink(Item* pItem) const {
  if (pItem->pPrev != nullptr) {
    pItem->pPrev->pNext = pItem->pNext;
  } else {
    BucketOf(pItem->Key.GetData()) = pItem->pNext;
  }
  if (pItem->pNext != nullptr) pItem->pNext->pPrev = pItem->pPrev;
  pItem->pPrev = nullptr;
  pItem->pNext = nullptr;
}

void CUIStringMap::LinkAtHead(Item* pItem) const {
  Item*& head = BucketOf(pItem->Key.GetData());
  pItem->pPrev = nullptr;
  pItem->pNext = head;
  if (head != nullptr) head->pPrev = pItem;
  head = pItem;
}

LPVOID CUIStringMap::Find(LPCTSTR pstrKey, bool bMoveToFront) const {
  Item* pItem = Lookup(pstrKey);
  if (pItem == nullptr) return nullptr;
  if (bMoveToFront && pItem->pPrev != nullptr) {
    Unlink(pItem);
    LinkAtHead(pItem);
  }
  return pItem->Data;
}

bool CUIStringMap::Insert(LPCTSTR pstrKey, LPVOID pData) {
  if (m_nBuckets == 0 || pstrKey == nullptr) return false;
  if (Find(pstrKey) != nullptr) return false;
  // A key stored with a null value is not found by Find, so look again by item.
  if (Lookup(pstrKey) != nullptr) return false;
  LinkAtHead(new Item{CUIString(pstrKey), pData, nullptr, nullptr});
  ++m_nCount;
  return true;
}

LPVOID CUIStringMap::Set(LPCTSTR pstrKey, LPVOID pData) {
  if (m_nBuckets == 0 || pstrKey == nullptr) return pData;
  Item* pItem = Lookup(pstrKey);
  if (pItem == nullptr) {
    Insert(pstrKey, pData);
    return nullptr;
  }
  LPVOID pOld = pItem->Data;
  pItem->Data = pData;
  return pOld;
}

bool CUIStringMap::Remove(LPCTSTR pstrKey) {
  Item* pItem = Lookup(pstrKey);
  if (pItem == nullptr) return false;
  Unlink(pItem);
  delete pItem;
  --m_nCount;
  return true;
}

void CUIStringMap::RemoveAll() {
  for (int i = 0; i < m_nBuckets; ++i) {
    Item* pItem = m_aT[i];
    while (pItem != nullptr) {
      Item* pNext = pItem->pNext;
      delete pItem;
      pItem = pNext;
    }
    m_aT[i] = nullptr;
  }
  m_nCount = 0;
}

int CUIStringMap::GetSize() const { return m_nCount; }

LPCTSTR CUIStringMap::GetKeyAt(int iIndex) const {
  if (iIndex < 0 || iIndex >= m_nCount) return nullptr;
  int n = 0;
  for (int i = m_nBuckets - 1; i >= 0; --i) {
    for (Item* pItem = m_aT[i]; pItem != nullptr; pItem = pItem->pNext) {
      if (n++ == iIndex) return pItem->Key.GetData();
    }
  }
  return nullptr;
}

}  // namespace SkinUI
