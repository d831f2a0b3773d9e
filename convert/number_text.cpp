#include "convert/number_text.h"

#include <cmath>
#include <cstdio>

namespace xuanhao {

std::string NumberToText(std::int32_t value) { return std::to_string(value); }

std::string NumberToText(std::uint64_t value) { return std::to_string(value); }

std::string NumberToText(double value) {
    char buffer[64];
    const double magnitude = std::fabs(value);
    if (value != 0.0 && !(magnitude >= 1e-4 && magnitude < 1e13)) {
        std::snprintf(buffer, sizeof buffer, "%.13g", value);
        return buffer;
    }
    const int integerDigits =
        value == 0.0 ? 1 : static_cast<int>(std::floor(std::log10(magnitude))) + 1;
    const int fractionDigits = integerDigits >= 13 ? 0 : 13 - integerDigits;
    std::snprintf(buffer, sizeof buffer, "%.*f", fractionDigits, value);
    std::string text = buffer;
    if (text.find('.') != std::string::npos) {
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
    }
    if (text == "-0") text = "0";
    return text;
}

}  // namespace xuanhao
