#include "filter/row_export.h"

#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

namespace xuanhao {

void WriteRowsHeader(std::ostream& out, RowFormat format, std::int32_t groupSize) {
    if (format != RowFormat::kCsv) return;
    out << "序号";
    for (std::int32_t c = 1; c <= groupSize; ++c) out << ",号码" << c;
    out << '\n';
}

void WriteRow(std::ostream& out, RowFormat format, std::uint64_t number,
              std::span<const std::int32_t> members) {
    const char separator = format == RowFormat::kSpaced ? ' ' : ',';
    if (format == RowFormat::kCsv) out << number << separator;
    for (std::size_t c = 0; c < members.size(); ++c) {
        if (c > 0) out << separator;
        out << members[c];
    }
    out << '\n';
}

std::string WriteFileAtomically(const std::string& path,
                                const std::function<bool(std::ostream&)>& write) {
    const std::string temporary = path + ".part-" + std::to_string(getpid());
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return "无法写入 " + temporary + "：" + std::strerror(errno);
        const bool complete = write(out);
        out.flush();
        const int error = errno;
        if (!complete || !out) {
            out.close();
            std::remove(temporary.c_str());
            return complete ? "写入失败：" + std::string(std::strerror(error)) : "已取消";
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        std::remove(temporary.c_str());
        return "无法保存 " + path + "：" + reason;
    }
    return {};
}

}  // namespace xuanhao
