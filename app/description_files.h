#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tavrin {

// The four description texts, by file name inside the folder "inf".
inline constexpr const char* adatcsomag_file = "spi_adatcsomag.rtf";
inline constexpr const char* topologia_file = "spi_topologia.rtf";
inline constexpr const char* szimulacio_file = "spi_szimulacio.rtf";
inline constexpr const char* adatatvitelbeall_file = "spi_adatatvitelbeall.rtf";

// Where a description file is looked for, in order: the folder "inf" of each base.
// The program uses the working directory, then the executable's folder, then
// the installed data folder.
struct DescriptionSearch {
    std::vector<std::filesystem::path> bases;

    // The first existing regular file base/inf/name, if any.
    std::optional<std::filesystem::path> find(const std::string& name) const;
};

// Reads a whole file; nullopt when it cannot be opened or read.
std::optional<std::string> read_file(const std::filesystem::path& path);

} // namespace tavrin
