#include "convert/tick_count.h"

#include <time.h>

namespace xuanhao {

std::int32_t TickCountMs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000U +
                    static_cast<std::uint64_t>(now.tv_nsec) / 1000000U;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(ms));
}

}  // namespace xuanhao
