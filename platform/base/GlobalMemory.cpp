#include "platform/base/GlobalMemory.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/base/Error.h"

namespace {

// One block. A fixed block's handle is its memory; a movable block's handle is the
// record itself, so the memory behind it may move while the handle stays.
struct Block {
  bool movable = false;
  SIZE_T size = 0;
  UINT locks = 0;
  BYTE* data = nullptr;  // malloc'd; null for an empty movable block

  ~Block() { std::free(data); }
};

// Blocks are handed between threads (a stream made on one may be read on another).
class BlockTable {
 public:
  static BlockTable& Instance() {
    static BlockTable* table = new BlockTable();  // outlives static destructors
    return *table;
  }

  std::mutex mutex;
  std::unordered_map<HGLOBAL, std::unique_ptr<Block>> blocks;

  // The block behind a handle; an unknown handle is the caller's error.
  Block* Find(HGLOBAL hMem) {
    auto it = blocks.find(hMem);
    if (it != blocks.end()) return it->second.get();
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
};

// A fixed block needs memory of its own even when empty: its address is its handle.
BYTE* AllocateBytes(SIZE_T dwBytes, bool zero, bool keepAddress) {
  const SIZE_T n = dwBytes == 0 && keepAddress ? 1 : dwBytes;
  if (n == 0) return nullptr;
  return static_cast<BYTE*>(zero ? std::calloc(n, 1) : std::malloc(n));
}

// Gives the block a new size; the new tail is zeroed when asked.
bool Resize(Block& block, SIZE_T dwBytes, bool zero) {
  const SIZE_T n = dwBytes == 0 && !block.movable ? 1 : dwBytes;
  BYTE* data = nullptr;
  if (n != 0) {
    data = static_cast<BYTE*>(std::realloc(block.data, n));
    if (data == nullptr) return false;
  } else {
    std::free(block.data);
  }
  if (zero && dwBytes > block.size) std::memset(data + block.size, 0, dwBytes - block.size);
  block.data = data;
  block.size = dwBytes;
  return true;
}

}  // namespace

HGLOBAL GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  auto block = std::make_unique<Block>();
  block->movable = (uFlags & GMEM_MOVEABLE) != 0;
  block->size = dwBytes;
  block->data = AllocateBytes(dwBytes, (uFlags & GMEM_ZEROINIT) != 0, !block->movable);
  if (block->data == nullptr && (dwBytes != 0 || !block->movable)) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  HGLOBAL hMem = block->movable ? static_cast<HGLOBAL>(block.get()) : static_cast<HGLOBAL>(block->data);
  BlockTable& table = BlockTable::Instance();
  std::lock_guard<std::mutex> lock(table.mutex);
  table.blocks[hMem] = std::move(block);
  return hMem;
}

HGLOBAL GlobalReAlloc(HGLOBAL hMem, SIZE_T dwBytes, UINT uFlags) {
  BlockTable& table = BlockTable::Instance();
  std::lock_guard<std::mutex> lock(table.mutex);
  Block* block = table.Find(hMem);
  if (block == nullptr) return nullptr;
  const bool zero = (uFlags & GMEM_ZEROINIT) != 0;
  if (block->movable) {
    // Bytes a caller holds locked may move only when the caller says so.
    if (block->locks > 0 && (uFlags & GMEM_MOVEABLE) == 0) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    if (!Resize(*block, dwBytes, zero)) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    return hMem;
  }
  // A fixed block's address is its handle: it moves only when allowed to.
  if ((uFlags & GMEM_MOVEABLE) == 0) {
    if (dwBytes > block->size) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    block->size = dwBytes;
    return hMem;
  }
  std::unique_ptr<Block> owned = std::move(table.blocks[hMem]);
  table.blocks.erase(hMem);
  if (!Resize(*owned, dwBytes, zero)) {
    table.blocks[hMem] = std::move(owned);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  HGLOBAL hNew = owned->data;
  table.blocks[hNew] = std::move(owned);
  return hNew;
}

LPVOID GlobalLock(HGLOBAL hMem) {
  BlockTable& table = BlockTable::Instance();
  std::lock_guard<std::mutex> lock(table.mutex);
  Block* block = table.Find(hMem);
  if (block == nullptr) return nullptr;
  if (!block->movable) return block->data;
  if (block->data == nullptr) return nullptr;
  ++block->locks;
  return block->data;
}

BOOL GlobalUnlock(HGLOBAL hMem) {
  BlockTable& table = BlockTable::Instance();
  std::lock_guard<std::mutex> lock(table.mutex);
  Block* block = table.Find(hMem);
  if (block == nullptr) return FALSE;
  if (block->locks == 0) {
    SetLastError(block->movable ? ERROR_NOT_LOCKED : NO_ERROR);
    return FALSE;
  }
  if (--block->locks > 0) return TRUE;
  SetLastError(NO_ERROR);
  return FALSE;
}

HGLOBAL GlobalFree(HGLOBAL hMem) {
  BlockTable& table = BlockTable::Instance();
  std::lock_guard<std::mutex> lock(table.mutex);
  if (table.blocks.erase(hMem) == 0) {
    SetLastError(ERROR_INVALID_HANDLE);
    return hMem;
  }
  return nullptr;
}

SIZE_T GlobalSize(HGLOBAL hMem) {
  BlockTable& table = BlockTable::Instance();
  std::lock_guard<std::mutex> lock(table.mutex);
  Block* block = table.Find(hMem);
  if (block == nullptr) return 0;
  return block->size;
}
