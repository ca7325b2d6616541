#pragma once
// How much longer a bounded wait allows in a program built with AddressSanitizer or
// ThreadSanitizer. Instrumented code runs several times slower (decoding a camera's
// pictures or laying out a thousand plans most of all), and the sanitizer runs share
// the machine with other builds: a bound that only catches a hang must not expire on
// a slow but correct run. A wait that passes returns as soon as its condition holds.
namespace testing_base {

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr int kCheckedSlowdown = 8;
#else
constexpr int kCheckedSlowdown = 1;
#endif

}  // namespace testing_base
