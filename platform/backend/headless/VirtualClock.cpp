#include "platform/backend/headless/VirtualClock.h"

#include <atomic>

#include "platform/base/Clock.h"

namespace platform::headless {
namespace {

// Not zero: code that keeps "time of the last click" as 0 must not see a fresh start
// as a click a moment ago.
std::atomic<uint64_t> g_now{1000000};

uint64_t Read() { return g_now.load(); }

}  // namespace

void VirtualClock::Install() { platform::SetClockSource(&Read); }

uint64_t VirtualClock::Now() { return g_now.load(); }

void VirtualClock::Advance(uint64_t milliseconds) { g_now.fetch_add(milliseconds); }

void VirtualClock::Set(uint64_t milliseconds) { g_now.store(milliseconds); }

}  // namespace platform::headless
