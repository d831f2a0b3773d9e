#pragma once

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>

#include "convert/checked_array.h"

namespace xuanhao {

// Splits text at every occurrence of delimiter (default ","), never inside a
// multi-byte character. Empty items between delimiters stay; a trailing delimiter
// adds no item; no item is trimmed. With a limit, at most that many items, and the
// split ends at the limit-th delimiter (a limit below 0 counts as 0). An empty
// text or a limit of 0 gives the empty list; an empty delimiter the whole text.
List<std::string> SplitText(std::string_view text, std::string_view delimiter = ",",
                            std::optional<std::int32_t> limit = std::nullopt);

// The texts joined in order.
std::string Concat(std::initializer_list<std::string_view> parts);

}  // namespace xuanhao
