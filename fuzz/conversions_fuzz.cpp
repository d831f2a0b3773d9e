// TextToInt and SplitText on any bytes, any delimiter and any limit, each
// checked against a small model of its rule written here.
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "convert/split_text.h"
#include "convert/text_to_int.h"

namespace {

// The full-width forms and what they stand for. Their first bytes (EF, E3) are
// never continuation bytes, so where they occur a character starts.
std::optional<char> FullWidthAt(std::string_view text, std::size_t at) {
    if (text.size() - at < 3) return std::nullopt;
    const auto b = [&](std::size_t k) { return static_cast<unsigned char>(text[at + k]); };
    if (b(0) == 0xEF && b(1) == 0xBC && b(2) >= 0x90 && b(2) <= 0x99)
        return static_cast<char>('0' + b(2) - 0x90);
    if (b(0) == 0xEF && b(1) == 0xBC && b(2) == 0x8B) return '+';
    if (b(0) == 0xEF && b(1) == 0xBC && b(2) == 0x8D) return '-';
    if (b(0) == 0xE3 && b(1) == 0x80 && b(2) == 0x80) return ' ';
    return std::nullopt;
}

std::int32_t ModelTextToInt(std::string_view text) {
    std::string normal;  // ASCII as is, full-width forms as ASCII, anything else as '\x80'
    for (std::size_t at = 0; at < text.size();) {
        if (const auto c = FullWidthAt(text, at)) {
            normal += *c;
            at += 3;
        } else {
            normal += static_cast<unsigned char>(text[at]) < 0x80 ? text[at] : '\x80';
            at += 1;
        }
    }
    std::size_t at = normal.find_first_not_of(" \t\n\v\f\r");
    if (at == std::string::npos) return 0;
    bool negative = false;
    if (normal[at] == '+' || normal[at] == '-') negative = normal[at++] == '-';
    std::uint64_t value = 0;
    for (; at < normal.size() && normal[at] >= '0' && normal[at] <= '9'; ++at) {
        value = (value * 10 + static_cast<std::uint64_t>(normal[at] - '0')) % 4294967296U;
    }
    if (negative) value = (4294967296U - value) % 4294967296U;
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Bytes of the character starting at `at`: a well-formed UTF-8 sequence, else 1.
std::size_t ModelCharBytes(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t k) {
        return static_cast<unsigned>(static_cast<unsigned char>(text[at + k]));
    };
    struct Shape {
        unsigned leadLow, leadHigh, secondLow, secondHigh;
        std::size_t length;
    };
    static constexpr Shape kShapes[] = {
        {0xC2, 0xDF, 0x80, 0xBF, 2}, {0xE0, 0xE0, 0xA0, 0xBF, 3}, {0xE1, 0xEC, 0x80, 0xBF, 3},
        {0xED, 0xED, 0x80, 0x9F, 3}, {0xEE, 0xEF, 0x80, 0xBF, 3}, {0xF0, 0xF0, 0x90, 0xBF, 4},
        {0xF1, 0xF3, 0x80, 0xBF, 4}, {0xF4, 0xF4, 0x80, 0x8F, 4},
    };
    for (const Shape& shape : kShapes) {
        if (byte(0) < shape.leadLow || byte(0) > shape.leadHigh) continue;
        if (text.size() - at < shape.length || byte(1) < shape.secondLow ||
            byte(1) > shape.secondHigh)
            return 1;
        for (std::size_t k = 2; k < shape.length; ++k) {
            if (byte(k) < 0x80 || byte(k) > 0xBF) return 1;
        }
        return shape.length;
    }
    return 1;
}

std::vector<std::string> ModelSplit(std::string_view text, std::string_view delimiter,
                                    std::optional<int> limit) {
    std::vector<std::string> items;
    long remaining = limit ? (*limit < 0 ? 0 : *limit) : -1;
    if (text.empty() || remaining == 0) return items;
    if (delimiter.empty()) return {std::string(text)};
    std::size_t start = 0, at = 0;
    while (at + delimiter.size() <= text.size()) {
        if (text.substr(at, delimiter.size()) == delimiter) {
            items.emplace_back(text.substr(start, at - start));
            start = at = at + delimiter.size();
            if (remaining > 0 && --remaining == 0) return items;
        } else {
            at += ModelCharBytes(text, at);
        }
    }
    if (start < text.size()) items.emplace_back(text.substr(start));
    return items;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    if (xuanhao::TextToInt(input) != ModelTextToInt(input)) std::abort();

    // The first byte picks the limit, the next bytes up to a 0xFF byte the delimiter.
    if (size == 0) return 0;
    const int limitByte = static_cast<signed char>(input[0]);
    const std::optional<int> limit =
        limitByte == -128 ? std::nullopt : std::optional<int>(limitByte % 8);
    const std::size_t end = input.find('\xff', 1);
    const std::string_view delimiter = input.substr(1, end == std::string_view::npos ? 0 : end - 1);
    const std::string_view text =
        end == std::string_view::npos ? input.substr(1) : input.substr(end + 1);
    if (xuanhao::SplitText(text, delimiter, limit).Elements() != ModelSplit(text, delimiter, limit))
        std::abort();
    return 0;
}
