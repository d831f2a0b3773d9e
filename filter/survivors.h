#pragma once

#include <cstdint>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "filter/pruned_search.h"
#include "filter/row_export.h"

namespace xuanhao {

// What a run that ended with the report leaves to look at and to save: the
// texts it read, and the surviving combinations it kept (at most a limit).
struct RunRecord {
    std::map<std::string, std::string, std::less<>> texts;  // by control name
    std::int32_t groupSize = 0;
    std::uint64_t foundCount = 0;
    std::vector<std::int32_t> keptRows;  // groupSize values a row, smallest first

    std::uint64_t KeptCount() const {
        return groupSize > 0 ? keptRows.size() / static_cast<std::size_t>(groupSize) : 0;
    }
};

// Writes every surviving combination, the header of the format first. Where
// the record kept them all they come from it; otherwise the same filters run
// again over the record's texts and the rows are streamed as they are found.
// Returns false when progress cancelled or the stream failed.
bool WriteSurvivors(std::ostream& out, RowFormat format, const RunRecord& record,
                    const ProgressCheck& progress = {});

// WriteSurvivors into a file, through a temporary file renamed over it.
// Returns the empty text on success, otherwise the reason.
std::string SaveSurvivors(const std::string& path, RowFormat format, const RunRecord& record);

}  // namespace xuanhao
