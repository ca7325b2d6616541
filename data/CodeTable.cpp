#include "data/CodeTable.h"

#include <functional>

CodeTable::CodeTable(std::size_t expected) {
  // At most half full, so that a probe ends soon.
  std::size_t slots = 16;
  while (slots < expected * 2) slots *= 2;
  m_codes.resize(slots);
  m_indexes.assign(slots, -1);
  m_mask = slots - 1;
}

// The slot holding the code, or the free slot where it would go.
std::size_t CodeTable::SlotOf(std::string_view code) const {
  std::size_t slot = std::hash<std::string_view>()(code) & m_mask;
  while (m_indexes[slot] != -1 && m_codes[slot] != code) slot = (slot + 1) & m_mask;
  return slot;
}

bool CodeTable::Insert(std::string_view code, int index) {
  const std::size_t slot = SlotOf(code);
  if (m_indexes[slot] != -1) return false;
  m_codes[slot] = code;
  m_indexes[slot] = index;
  return true;
}

int CodeTable::Find(std::string_view code) const { return m_indexes[SlotOf(code)]; }
