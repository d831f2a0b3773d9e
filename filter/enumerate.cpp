#include "filter/enumerate.h"

#include "convert/number_text.h"

namespace xuanhao {

namespace {
constexpr std::string_view kRowSeparator = "，";
}  // namespace

bool EnumerateCombinations(std::int32_t m, std::int32_t k, ProgramState& state,
                           const RowSink& rows) {
    List<std::int32_t>& pickIndex = *state.pickIndex;
    for (std::int32_t i = m; i >= k; --i) {
        pickIndex.At(k) = i;
        if (k > 1) {
            if (!EnumerateCombinations(i - 1, k - 1, state, rows)) return false;
            continue;
        }
        std::string row;
        for (std::int32_t t = state.rowLength; t >= 1; --t) {
            row += NumberToText(pickIndex.At(t));
            row += kRowSeparator;
        }
        if (!rows(std::move(row))) return false;
    }
    return true;
}

}  // namespace xuanhao
