#include "app/description_files.h"

#include <fstream>
#include <sstream>

namespace tavrin {

std::optional<std::filesystem::path> DescriptionSearch::find(const std::string& name) const
{
    for (const auto& base : bases) {
        std::error_code ec;
        const auto candidate = base / "inf" / name;
        if (std::filesystem::is_regular_file(candidate, ec))
            return candidate;
    }
    return std::nullopt;
}

std::optional<std::string> read_file(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream out;
    out << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return out.str();
}

} // namespace tavrin
