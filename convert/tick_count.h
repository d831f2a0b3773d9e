#pragma once

#include <cstdint>

namespace xuanhao {

// Milliseconds since the system started, in a 32-bit counter taken as signed:
// it climbs to 2147483647, goes on at -2147483648 and wraps to 0 after 2^32 ms.
std::int32_t TickCountMs();

// Milliseconds from `start` to `end` modulo 2^32, right across a wrap of the counter.
constexpr std::uint32_t ElapsedMs(std::int32_t start, std::int32_t end) {
    return static_cast<std::uint32_t>(end) - static_cast<std::uint32_t>(start);
}

}  // namespace xuanhao
