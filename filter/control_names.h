#pragma once

#include <string_view>

// The stored names of the controls that handlers read or write; each is also the
// control's objectName in the window.
namespace xuanhao::controls {

inline constexpr std::string_view 编辑框1 = "编辑框1";            // candidate list
inline constexpr std::string_view 奇数编辑框 = "奇数编辑框";      // wanted odd count
inline constexpr std::string_view 偶数编辑框 = "偶数编辑框";      // wanted even count
inline constexpr std::string_view 前数文本框 = "前数文本框";      // lower sum bound
inline constexpr std::string_view 后数文本框 = "后数文本框";      // upper sum bound
inline constexpr std::string_view 分解数编辑框 = "分解数编辑框";  // pair target
inline constexpr std::string_view 组选数编辑框 = "组选数编辑框";  // group size, shown only
inline constexpr std::string_view 标签9 = "标签9";                // status label
inline constexpr std::string_view 按钮1 = "按钮1";                // start button

}  // namespace xuanhao::controls
