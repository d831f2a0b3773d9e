#include "filter/group_size.h"

#include "convert/text_to_int.h"

namespace xuanhao {

std::int32_t GroupSizeOf(std::string_view oddText, std::string_view evenText) {
    const double sum =
        static_cast<double>(TextToInt(oddText)) + static_cast<double>(TextToInt(evenText));
    return RealToInt(sum);
}

}  // namespace xuanhao
