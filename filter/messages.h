#pragma once

#include <string_view>

// The texts a run shows, byte for byte.
namespace xuanhao::messages {

inline constexpr std::string_view kGroupSizeOutOfRange = "组选数 超出范围!";
inline constexpr std::string_view kNoOddEvenMatch = "没有符合奇偶比要求的结果!";
inline constexpr std::string_view kNoSumMatch = "没有符合结果之和要求的结果!";
inline constexpr std::string_view kNoPairMatch = "没有符合分解数要求的结果!";

// 标签9 after the user cancelled a run.
inline constexpr std::string_view kCancelled = "已取消";

// The report: kElapsedLead + ms + kCountLead + count + kCountTail.
inline constexpr std::string_view kElapsedLead = "耗  时：";
inline constexpr std::string_view kCountLead = " 毫秒\r\n共找到：";
inline constexpr std::string_view kCountTail = " 组";

}  // namespace xuanhao::messages
