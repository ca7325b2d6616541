#pragma once
// A hash map from texts to untyped pointers. Keys are copied and owned by the map;
// the values are not. A null value cannot be told from an absent key, so callers
// store no null values.
#include <memory>

#include "platform/win32.h"
#include "ui/core/types/CUIString.h"

namespace SkinUI {

// Hash of a key as the map places it; the bucket is this value modulo the bucket count.
UINT HashKey(LPCTSTR pstrKey);

class CUIStringMap {
 public:
  enum { MIN_BUCKETS = 16, DEFAULT_BUCKETS = 83 };

  explicit CUIStringMap(int nBuckets = DEFAULT_BUCKETS);
  CUIStringMap(const CUIStringMap&) = delete;
  CUIStringMap& operator=(const CUIStringMap&) = delete;
  ~CUIStringMap();

  // Frees every item and the buckets, then makes nBuckets empty buckets (0 leaves
  // the map without buckets, where nothing can be stored).
  void Resize(int nBuckets);
  // With bMoveToFront, a hit moves to the head of its bucket, so that keys looked up
  // often are found first.
  LPVOID Find(LPCTSTR pstrKey, bool bMoveToFront = true) const;
  bool Insert(LPCTSTR pstrKey, LPVOID pData);
  // Returns the value replaced, or null when the key was new.
  LPVOID Set(LPCTSTR pstrKey, LPVOID pData);
  bool Remove(LPCTSTR pstrKey);
  void RemoveAll();
  int GetSize() const;
  // Key of the n-th item, counting the buckets from the last to the first.
  LPCTSTR GetKeyAt(int iIndex) const;

 private:
  struct Item {
    CUIString Key;
    LPVOID Data;
    Item* pPrev;
    Item* pNext;
  };

  Item*& BucketOf(LPCTSTR pstrKey) const;
  Item* Lookup(LPCTSTR pstrKey) const;
  void Unlink(Item* pItem) const;
  void LinkAtHead(Item* pItem) const;

  // Each bucket heads a chain of items the map owns. Reordering a chain does not
  // change the map's contents, so lookups on a const map may do it.
  std::unique_ptr<Item*[]> m_aT;
  int m_nBuckets;
  int m_nCount;
};

}  // namespace SkinUI
