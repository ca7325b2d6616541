#include "ui/core/types/CUIPtrArray.h"

#include <climits>
#include <cstdlib>
#include <cstring>

namespace SkinUI {

namespace {

const int FIRST_GROWTH = 11;

LPVOID* AllocateSlots(int nSlots) { return static_cast<LPVOID*>(calloc(static_cast<size_t>(nSlots), sizeof(LPVOID))); }

}  // namespace

CUIPtrArray::CUIPtrArray(int iPreallocSize) : m_ppVoid(nullptr), m_nCount(0), m_nAllocated(0) {
  if (iPreallocSize <= 0) return;
  m_ppVoid = AllocateSlots(iPreallocSize);
  if (m_ppVoid != nullptr) m_nAllocated = iPreallocSize;
}

CUIPtrArray::CUIPtrArray(const CUIPtrArray& src) : m_ppVoid(nullptr), m_nCount(0), m_nAllocated(0) {
  *this = src;
}

CUIPtrArray& CUIPtrArray::operator=(const CUIPtrArray& src) {
  if (&src == this) return *this;
  Empty();
  if (src.m_nCount == 0) return *this;
  // The copy gets a block of the source's capacity so it grows at the same points.
  m_ppVoid = AllocateSlots(src.m_nAllocated);
  if (m_ppVoid == nullptr) return *this;
  memcpy(m_ppVoid, src.m_ppVoid, static_cast<size_t>(src.m_nCount) * sizeof(LPVOID));
  m_nAllocated = src.m_nAllocated;
  m_nCount = src.m_nCount;
  return *this;
}

CUIPtrArray::~CUIPtrArray() { free(m_ppVoid); }

void CUIPtrArray::Empty() {
  free(m_ppVoid);
  m_ppVoid = nullptr;
  m_nCount = 0;
  m_nAllocated = 0;
}

void CUIPtrArray::Resize(int nSize) {
  Empty();
  if (nSize <= 0) return;
  m_ppVoid = AllocateSlots(nSize);
  if (m_ppVoid == nullptr) return;
  m_nAllocated = nSize;
  m_nCount = nSize;
}

bool CUIPtrArray::IsEmpty() const { return m_nCount == 0; }

int CUIPtrArray::Find(LPVOID pData) const {
  for (int i = 0; i < m_nCount; ++i) {
    if (m_ppVoid[i] == pData) return i;
  }
  return -1;
}

bool CUIPtrArray::GrowForOneMore() {
  if (m_nCount + 1 < m_nAllocated) return true;
  if (m_nAllocated > INT_MAX / 2) return false;
  const int nNew = m_nAllocated == 0 ? FIRST_GROWTH : m_nAllocated * 2;
  auto* block = static_cast<LPVOID*>(realloc(m_ppVoid, static_cast<size_t>(nNew) * sizeof(LPVOID)));
  if (block == nullptr) return false;
  m_ppVoid = block;
  m_nAllocated = nNew;
  return true;
}

bool CUIPtrArray::Add(LPVOID pData) {
  if (!GrowForOneMore()) return false;
  m_ppVoid[m_nCount++] = pData;
  return true;
}

bool CUIPtrArray::InsertAt(int iIndex, LPVOID pData) {
  if (iIndex == m_nCount) return Add(pData);
  if (iIndex < 0 || iIndex > m_nCount) return false;
  if (!GrowForOneMore()) return false;
  memmove(&m_ppVoid[iIndex + 1], &m_ppVoid[iIndex], static_cast<size_t>(m_nCount - iIndex) * sizeof(LPVOID));
  m_ppVoid[iIndex] = pData;
  ++m_nCount;
  return true;
}

bool CUIPtrArray::RemoveAt(int iIndex) {
  if (iIndex < 0 || iIndex >= m_nCount) return false;
  --m_nCount;
  memmove(&m_ppVoid[iIndex], &m_ppVoid[iIndex + 1], static_cast<size_t>(m_nCount - iIndex) * sizeof(LPVOID));
  return true;
}

int CUIPtrArray::GetSize() const { return m_nCount; }

LPVOID CUIPtrArray::GetAt(int iIndex) const {
  if (iIndex < 0 || iIndex >= m_nCount) return nullptr;
  return m_ppVoid[iIndex];
}

LPVOID CUIPtrArray::At(int iIndex) const { return m_ppVoid[iIndex]; }

}  // namespace SkinUI
