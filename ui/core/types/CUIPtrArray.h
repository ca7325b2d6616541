#pragma once
// A growable array of untyped pointers. It never owns what the pointers refer to.
#include "platform/win32.h"

namespace SkinUI {

class CUIPtrArray {
 public:
  explicit CUIPtrArray(int iPreallocSize = 0);
  CUIPtrArray(const CUIPtrArray& src);
  CUIPtrArray& operator=(const CUIPtrArray& src);
  ~CUIPtrArray();

  void Empty();
  // Discards the contents; the array then holds nSize null pointers.
  void Resize(int nSize);
  bool IsEmpty() const;
  int Find(LPVOID pData) const;
  bool Add(LPVOID pData);
  bool InsertAt(int iIndex, LPVOID pData);
  bool RemoveAt(int iIndex);
  int GetSize() const;

  // GetAt checks the index (null when outside); At and operator[] do not.
  LPVOID GetAt(int iIndex) const;
  LPVOID At(int iIndex) const;
  LPVOID operator[](int iIndex) const { return At(iIndex); }

 private:
  // Grows the block when one more element would reach the capacity.
  bool GrowForOneMore();

  LPVOID* m_ppVoid;  // owned block of m_nAllocated slots, null when none
  int m_nCount;
  int m_nAllocated;
};

}  // namespace SkinUI
