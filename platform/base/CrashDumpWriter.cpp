#include "platform/base/CrashDumpWriter.h"

#include <execinfo.h>
#include <fcntl.h>
#include <link.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>

namespace platform {

namespace {

constexpr size_t kMaxSegments = 128;
constexpr uintptr_t kStackBytes = 64 * 1024;
constexpr int kMaxFrames = 64;

struct Segment {
  uintptr_t start;
  uintptr_t size;
};

Segment g_segments[kMaxSegments];
size_t g_segmentCount = 0;

// Text assembled on the stack, written out in one call.
class Line {
 public:
  Line& Text(const char* text) {
    while (*text != '\0' && length_ < sizeof buffer_) buffer_[length_++] = *text++;
    return *this;
  }
  Line& Hex(uintptr_t value) {
    char digits[2 + 2 * sizeof(uintptr_t)];
    size_t n = 0;
    do {
      digits[n++] = "0123456789abcdef"[value & 0xF];
      value >>= 4;
    } while (value != 0);
    Text("0x");
    while (n > 0 && length_ < sizeof buffer_) buffer_[length_++] = digits[--n];
    return *this;
  }
  Line& Decimal(long value) {
    if (value < 0) {
      Text("-");
      value = -value;
    }
    char digits[24];
    size_t n = 0;
    do {
      digits[n++] = static_cast<char>('0' + value % 10);
      value /= 10;
    } while (value != 0);
    while (n > 0 && length_ < sizeof buffer_) buffer_[length_++] = digits[--n];
    return *this;
  }
  bool WriteTo(int fd) const { return WriteAll(fd, buffer_, length_); }

  static bool WriteAll(int fd, const void* data, size_t size) {
    const char* at = static_cast<const char*>(data);
    while (size > 0) {
      const ssize_t written = write(fd, at, size);
      if (written <= 0) return false;
      at += written;
      size -= static_cast<size_t>(written);
    }
    return true;
  }

 private:
  char buffer_[256];
  size_t length_ = 0;
};

int NoteSegment(struct dl_phdr_info* info, size_t, void*) {
  for (int i = 0; i < info->dlpi_phnum && g_segmentCount < kMaxSegments; ++i) {
    const ElfW(Phdr)& header = info->dlpi_phdr[i];
    if (header.p_type != PT_LOAD || (header.p_flags & PF_W) == 0 || header.p_memsz == 0) continue;
    g_segments[g_segmentCount++] = Segment{info->dlpi_addr + header.p_vaddr, header.p_memsz};
  }
  return 0;
}

uintptr_t StackPointer(const ucontext_t* context) {
#if defined(__x86_64__)
  return static_cast<uintptr_t>(context->uc_mcontext.gregs[REG_RSP]);
#elif defined(__aarch64__)
  return static_cast<uintptr_t>(context->uc_mcontext.sp);
#else
  return 0;
#endif
}

void WriteRegisters(int fd, const ucontext_t* context) {
  Line().Text("== registers\n").WriteTo(fd);
#if defined(__x86_64__)
  static const char* const kNames[] = {"r8",  "r9",  "r10", "r11", "r12",    "r13", "r14",     "r15",
                                       "rdi", "rsi", "rbp", "rbx", "rdx",    "rax", "rcx",     "rsp",
                                       "rip", "efl", "csgsfs", "err", "trapno", "oldmask", "cr2"};
  for (int i = 0; i < NGREG; ++i) {
    Line().Text(kNames[i]).Text(" ").Hex(static_cast<uintptr_t>(context->uc_mcontext.gregs[i])).Text("\n").WriteTo(fd);
  }
#elif defined(__aarch64__)
  for (int i = 0; i < 31; ++i) {
    Line().Text("x").Decimal(i).Text(" ").Hex(context->uc_mcontext.regs[i]).Text("\n").WriteTo(fd);
  }
  Line().Text("sp ").Hex(context->uc_mcontext.sp).Text("\npc ").Hex(context->uc_mcontext.pc).Text("\n").WriteTo(fd);
#endif
}

// Reads a hexadecimal number; the pointer stops at the first other character.
uintptr_t ReadHex(const char*& at) {
  uintptr_t value = 0;
  for (;; ++at) {
    const char c = *at;
    if (c >= '0' && c <= '9') value = value * 16 + static_cast<uintptr_t>(c - '0');
    else if (c >= 'a' && c <= 'f') value = value * 16 + static_cast<uintptr_t>(c - 'a' + 10);
    else return value;
  }
}

// The end of the mapping of /proc/self/maps that holds the address; 0 when none does.
uintptr_t MappingEnd(uintptr_t address) {
  const int fd = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
  if (fd < 0) return 0;
  char line[512];
  size_t used = 0;
  uintptr_t end = 0;
  char c;
  while (end == 0 && read(fd, &c, 1) == 1) {
    if (c != '\n') {
      if (used < sizeof line - 1) line[used++] = c;
      continue;
    }
    line[used] = '\0';
    used = 0;
    const char* at = line;
    const uintptr_t start = ReadHex(at);
    if (*at++ != '-') continue;
    const uintptr_t stop = ReadHex(at);
    if (address >= start && address < stop) end = stop;
  }
  close(fd);
  return end;
}

void WriteStack(int fd, const ucontext_t* context) {
  const uintptr_t sp = StackPointer(context);
  const uintptr_t end = sp == 0 ? 0 : MappingEnd(sp);
  const uintptr_t size = end > sp ? (end - sp < kStackBytes ? end - sp : kStackBytes) : 0;
  Line().Text("== stack ").Hex(sp).Text(" ").Decimal(static_cast<long>(size)).Text("\n").WriteTo(fd);
  if (size > 0) Line::WriteAll(fd, reinterpret_cast<const void*>(sp), size);
  Line().Text("\n").WriteTo(fd);
}

void WriteMaps(int fd) {
  Line().Text("== maps\n").WriteTo(fd);
  const int maps = open("/proc/self/maps", O_RDONLY | O_CLOEXEC);
  if (maps < 0) return;
  char chunk[4096];
  ssize_t got;
  while ((got = read(maps, chunk, sizeof chunk)) > 0) Line::WriteAll(fd, chunk, static_cast<size_t>(got));
  close(maps);
}

void WriteDataSegments(int fd) {
  for (size_t i = 0; i < g_segmentCount; ++i) {
    const Segment& segment = g_segments[i];
    Line().Text("== data ").Hex(segment.start).Text(" ").Decimal(static_cast<long>(segment.size)).Text("\n").WriteTo(fd);
    // A page that cannot be read makes write fail with EFAULT instead of a fault: the
    // rest of the segment is then padded, so the stated size still holds.
    uintptr_t done = 0;
    static const char kZeros[4096] = {};
    while (done < segment.size) {
      const uintptr_t piece = segment.size - done < sizeof kZeros ? segment.size - done : sizeof kZeros;
      if (!Line::WriteAll(fd, reinterpret_cast<const void*>(segment.start + done), piece)) {
        Line::WriteAll(fd, kZeros, piece);
      }
      done += piece;
    }
    Line().Text("\n").WriteTo(fd);
  }
}

}  // namespace

void CrashDumpWriter::Prepare() {
  void* frames[1];
  backtrace(frames, 1);  // loads the unwinder now rather than inside a handler
  g_segmentCount = 0;
  dl_iterate_phdr(&NoteSegment, nullptr);
}

bool CrashDumpWriter::Write(int fd, const EXCEPTION_POINTERS* pointers, DWORD threadId, bool withDataSegments) {
  if (fd < 0) return false;
  Line head;
  head.Text("PATROL CRASH DUMP 1\nprocess ").Decimal(getpid()).Text("\nthread ").Decimal(threadId).Text("\n");
  if (!head.WriteTo(fd)) return false;
  const EXCEPTION_RECORD* record = pointers != nullptr ? pointers->ExceptionRecord : nullptr;
  const CONTEXT* context = pointers != nullptr ? pointers->ContextRecord : nullptr;
  if (record != nullptr) {
    Line()
        .Text("signal ")
        .Decimal(context != nullptr ? context->signal : 0)
        .Text("\ncode ")
        .Hex(record->ExceptionCode)
        .Text("\naddress ")
        .Hex(reinterpret_cast<uintptr_t>(record->ExceptionAddress))
        .Text("\n")
        .WriteTo(fd);
  }
  if (context != nullptr && context->native != nullptr) WriteRegisters(fd, context->native);
  Line().Text("== backtrace\n").WriteTo(fd);
  void* frames[kMaxFrames];
  backtrace_symbols_fd(frames, backtrace(frames, kMaxFrames), fd);
  if (context != nullptr && context->native != nullptr) WriteStack(fd, context->native);
  WriteMaps(fd);
  if (withDataSegments) WriteDataSegments(fd);
  return Line().Text("== end\n").WriteTo(fd);
}

}  // namespace platform
