#pragma once
// Many independent requests made over several connections at once: what overlaps is the
// waiting on the network and the server, and the reading of the replies. Sixteen: on a
// busy machine the replies of thousands of small look-ups (one per person of a plan
// reply) come in about half the time of eight connections, and more win nothing. call(i) runs once for every i below count, on the calling
// thread and up to connections - 1 threads beside it, in no fixed order; the function
// returns when every call has. The calls must not share anything unguarded. An exception
// of a call is thrown here once all have ended.
#include <cstddef>
#include <functional>

namespace dal {

constexpr std::size_t kConnections = 16;

void RunConcurrently(std::size_t count, const std::function<void(std::size_t)>& call,
                     std::size_t connections = kConnections);

}  // namespace dal
