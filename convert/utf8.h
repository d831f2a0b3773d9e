#pragma once

#include <cstddef>
#include <string_view>

namespace xuanhao {

// Length in bytes of the character that starts at `at` (at < text.size()): the
// length of a well-formed UTF-8 sequence, or 1 for a byte that begins none, so
// that every byte belongs to exactly one character and nothing reads past the end.
std::size_t CharLength(std::string_view text, std::size_t at);

}  // namespace xuanhao
