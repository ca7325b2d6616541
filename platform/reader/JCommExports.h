#pragma once
// The patrol reader library "libJComm.dll" as the program reaches it: its functions are
// exported by ordinal only, each takes 32-bit integers and NUL-terminated GBK texts and
// answers a signed 32-bit result, negative for a failure. The library holds the one open
// reader; callers keep no handle.
//
// No reader protocol is known, so the functions run over a stand-in: with the variable
// PATROL_READER_SIM naming a folder, a simulated reader kept in that folder
// (ReaderSimulator); without it, no reader at all (every OpenDevice fails).
#include <cstdint>

namespace platform::reader {

// What GetProcAddress gives for an ordinal: a function to cast to its own type.
using JCommProc = void (*)();

// The export of that ordinal, or null when the library has none.
JCommProc JCommProcByOrdinal(int ordinal);

// The result of every call when there is no reader.
constexpr int32_t kNoReader = -1;

}  // namespace platform::reader
