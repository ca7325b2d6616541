#include "platform/user/ClipboardStore.h"

#include <cwchar>

#include "platform/backend/DesktopClipboard.h"
#include "platform/base/Error.h"
#include "platform/base/GlobalMemory.h"
#include "platform/base/Module.h"
#include "platform/user/Clipboard.h"
#include "platform/user/WindowHelpers.h"

namespace platform::user {
namespace {

backend::DesktopClipboard* SharedClipboard() { return dynamic_cast<backend::DesktopClipboard*>(ActiveBackend()); }

HANDLE BlockOf(const std::wstring& text) {
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(WCHAR));
  auto* bytes = static_cast<WCHAR*>(GlobalLock(block));
  if (!bytes) return block;
  std::wmemcpy(bytes, text.c_str(), text.size() + 1);
  GlobalUnlock(block);
  return block;
}

std::wstring TextOf(HANDLE block) {
  const auto* bytes = static_cast<const WCHAR*>(GlobalLock(block));
  if (!bytes) return std::wstring();
  std::wstring text(bytes, wcsnlen(bytes, GlobalSize(block) / sizeof(WCHAR)));
  GlobalUnlock(block);
  return text;
}

}  // namespace

ClipboardStore& ClipboardStore::Instance() {
  static auto* store = new ClipboardStore;
  return *store;
}

bool ClipboardStore::OpenedHere() const { return openerThread_ != 0 && openerThread_ == GetCurrentThreadId(); }

bool ClipboardStore::Open() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (openerThread_ != 0 && !OpenedHere()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  openerThread_ = GetCurrentThreadId();
  return true;
}

bool ClipboardStore::Close() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!OpenedHere()) return false;
  openerThread_ = 0;
  if (!changed_) return true;
  changed_ = false;
  auto text = blocks_.find(CF_UNICODETEXT);
  if (backend::DesktopClipboard* shared = SharedClipboard()) {
    shared->OfferText(text == blocks_.end() ? std::wstring() : TextOf(text->second));
  }
  return true;
}

bool ClipboardStore::Empty() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!OpenedHere()) return false;
  FreeAll();
  changed_ = true;
  return true;
}

HANDLE ClipboardStore::Set(UINT format, HANDLE block) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!OpenedHere() || !block) return nullptr;
  auto it = blocks_.find(format);
  if (it != blocks_.end() && it->second != block) GlobalFree(it->second);
  blocks_[format] = block;
  changed_ = true;
  return block;
}

HANDLE ClipboardStore::Get(UINT format) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (!OpenedHere()) return nullptr;
  if (format == CF_UNICODETEXT) TakeForeignText();
  auto it = blocks_.find(format);
  return it == blocks_.end() ? nullptr : it->second;
}

bool ClipboardStore::Available(UINT format) {
  std::lock_guard<std::mutex> lock(mutex_);
  if (format == CF_UNICODETEXT) TakeForeignText();
  return blocks_.count(format) != 0;
}

void ClipboardStore::FreeAll() {
  for (auto& entry : blocks_) GlobalFree(entry.second);
  blocks_.clear();
}

bool ClipboardStore::TakeForeignText() {
  backend::DesktopClipboard* shared = SharedClipboard();
  std::wstring text;
  if (!shared || !shared->ReadForeignText(&text)) return false;
  FreeAll();
  if (!text.empty()) blocks_[CF_UNICODETEXT] = BlockOf(text);
  return true;
}

}  // namespace platform::user

using platform::user::ClipboardStore;

BOOL OpenClipboard(HWND hWndNewOwner) { return ClipboardStore::Instance().Open() ? TRUE : FALSE; }

BOOL CloseClipboard() { return ClipboardStore::Instance().Close() ? TRUE : FALSE; }

BOOL EmptyClipboard() { return ClipboardStore::Instance().Empty() ? TRUE : FALSE; }

HANDLE SetClipboardData(UINT uFormat, HANDLE hMem) { return ClipboardStore::Instance().Set(uFormat, hMem); }

HANDLE GetClipboardData(UINT uFormat) { return ClipboardStore::Instance().Get(uFormat); }

BOOL IsClipboardFormatAvailable(UINT format) { return ClipboardStore::Instance().Available(format) ? TRUE : FALSE; }
