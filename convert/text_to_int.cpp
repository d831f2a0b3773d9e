#include "convert/text_to_int.h"

#include <cmath>

#include "convert/utf8.h"

namespace xuanhao {

namespace {

// The character at `at`, as TextToInt sees it: an ASCII byte stands for itself,
// a full-width digit, plus or minus and the ideographic space for their ASCII
// forms; any other character becomes 0, which no rule below accepts.
char NormalisedChar(std::string_view text, std::size_t at, std::size_t length) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    if (length == 1) return byte(0) < 0x80 ? static_cast<char>(byte(0)) : '\0';
    if (length != 3) return '\0';
    if (byte(0) == 0xEF && byte(1) == 0xBC) {  // U+FF00 .. U+FF3F
        if (byte(2) >= 0x90 && byte(2) <= 0x99) return static_cast<char>('0' + (byte(2) - 0x90));
        if (byte(2) == 0x8B) return '+';
        if (byte(2) == 0x8D) return '-';
    }
    if (byte(0) == 0xE3 && byte(1) == 0x80 && byte(2) == 0x80) return ' ';  // U+3000
    return '\0';
}

bool IsWhiteSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Leading white space, one sign, then digits; with fullWidth, the full-width
// forms count as their ASCII ones, otherwise every non-ASCII character is other.
std::int32_t ReadInteger(std::string_view text, bool fullWidth) {
    enum class Phase { kLeading, kDigits } phase = Phase::kLeading;
    bool negative = false;
    std::uint32_t value = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharLength(text, at);
        const char c =
            fullWidth ? NormalisedChar(text, at, length) : (length == 1 ? text[at] : '\0');
        at += length;
        if (phase == Phase::kLeading) {
            if (IsWhiteSpace(c)) continue;
            phase = Phase::kDigits;
            if (c == '+' || c == '-') {
                negative = c == '-';
                continue;
            }
        }
        if (c < '0' || c > '9') break;
        value = value * 10U + static_cast<std::uint32_t>(c - '0');
    }
    if (negative) value = 0U - value;
    return static_cast<std::int32_t>(value);
}

}  // namespace

std::int32_t TextToInt(std::string_view text) { return ReadInteger(text, true); }

std::int32_t PlainTextToInt(std::string_view text) { return ReadInteger(text, false); }

std::int32_t RealToInt(double x) {
    if (!std::isfinite(x)) return 0;
    const double truncated = std::trunc(x);
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (truncated < -kTwoTo63 || truncated >= kTwoTo63) return 0;
    return WrapToInt32(static_cast<std::int64_t>(truncated));
}

}  // namespace xuanhao
