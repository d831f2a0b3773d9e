#include "convert/utf8.h"

namespace xuanhao {

namespace {

bool IsContinuation(unsigned char byte) { return (byte & 0xC0U) == 0x80U; }

}  // namespace

std::size_t CharLength(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = 1;
    unsigned char low = 0x80;  // allowed range of the second byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong forms
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        return 1;
    }
    if (text.size() - at < length) return 1;
    const auto second = static_cast<unsigned char>(text[at + 1]);
    if (second < low || second > high) return 1;
    for (std::size_t k = 2; k < length; ++k) {
        if (!IsContinuation(static_cast<unsigned char>(text[at + k]))) return 1;
    }
    return length;
}

}  // namespace xuanhao
