#pragma once
// Whether this test program runs under ThreadSanitizer. The real web engine (WebKitGTK,
// JavaScriptCore, GLib) runs threads of its own and hands memory between them under
// GLib's futex locks, which the checker cannot see in uninstrumented libraries: every
// run reports a different race inside them, none of it ours. Suites that run the real
// engine skip under the checker; the scripted engine's suites cover our side of it.
namespace testing_base {

#if defined(__SANITIZE_THREAD__)
constexpr bool kThreadChecked = true;
#else
constexpr bool kThreadChecked = false;
#endif

constexpr const char kWebLibrariesUnseen[] = "the thread checker cannot see the web libraries' own locks";

}  // namespace testing_base
