#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <span>
#include <string>

namespace xuanhao {

// How surviving combinations are written out, one per line.
enum class RowFormat {
    kSpaced,  // members separated by one space
    kComma,   // members separated by ","
    kCsv,     // a header "序号,号码1,…,号码k", then the row number and the members
};

// The header line of the format, if it has one.
void WriteRowsHeader(std::ostream& out, RowFormat format, std::int32_t groupSize);

// One combination; `number` counts the rows from 1.
void WriteRow(std::ostream& out, RowFormat format, std::uint64_t number,
              std::span<const std::int32_t> members);

// Writes a file through a temporary file in the same folder, renamed over the
// target once complete, so that a failure never leaves a half-written file.
// Returns the empty text on success, otherwise the reason.
std::string WriteFileAtomically(const std::string& path,
                                const std::function<bool(std::ostream&)>& write);

}  // namespace xuanhao
