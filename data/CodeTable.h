#pragma once
// An index from codes to positions in a list the caller keeps, in two flat arrays: built
// once per reply from a cache of thousands of records, it costs two allocations where a
// node-based map costs one per record. The codes are viewed, not copied: their texts must
// stay where they are while the table is in use.
#include <cstddef>
#include <string_view>
#include <vector>

class CodeTable {
 public:
  CodeTable() : CodeTable(0) {}
  explicit CodeTable(std::size_t expected);

  // False, changing nothing, when the code is there already: the first one stays.
  bool Insert(std::string_view code, int index);
  // The position given with the code, -1 when it is not there.
  int Find(std::string_view code) const;

 private:
  std::size_t SlotOf(std::string_view code) const;

  std::vector<std::string_view> m_codes;
  std::vector<int> m_indexes;  // -1 marks a free slot
  std::size_t m_mask = 0;
};
