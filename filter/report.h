#pragma once

#include <cstdint>
#include <string>

#include "filter/control_port.h"

namespace xuanhao {

// The report text: "耗  时：" ms " 毫秒\r\n共找到：" count " 组".
std::string ReportText(std::uint32_t elapsedMs, std::uint64_t foundCount);

// Writes into 标签9 the milliseconds since tickStart (modulo 2^32, read now) and
// how many combinations survived.
void ReportRunResult(std::int32_t tickStart, std::uint64_t foundCount, ControlPort& window);

}  // namespace xuanhao
