#include "convert/split_text.h"

#include "convert/utf8.h"

namespace xuanhao {

List<std::string> SplitText(std::string_view text, std::string_view delimiter,
                            std::optional<std::int32_t> limit) {
    List<std::string> items;
    std::int64_t remaining = limit ? std::max<std::int32_t>(*limit, 0) : -1;  // -1: no limit
    if (text.empty() || remaining == 0) return items;
    if (delimiter.empty()) {
        items.Append(std::string(text));
        return items;
    }
    std::size_t itemStart = 0;
    std::size_t at = 0;
    while (text.size() - at >= delimiter.size()) {
        if (text.compare(at, delimiter.size(), delimiter) == 0) {
            items.Append(std::string(text.substr(itemStart, at - itemStart)));
            at += delimiter.size();
            itemStart = at;
            if (remaining > 0 && --remaining == 0) return items;
        } else {
            at += CharLength(text, at);
        }
    }
    if (itemStart < text.size()) items.Append(std::string(text.substr(itemStart)));
    return items;
}

std::string Concat(std::initializer_list<std::string_view> parts) {
    std::size_t length = 0;
    for (std::string_view part : parts) length += part.size();
    std::string joined;
    joined.reserve(length);
    for (std::string_view part : parts) joined += part;
    return joined;
}

}  // namespace xuanhao
