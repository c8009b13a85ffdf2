#include "views/byte_text.h"

namespace tavrin {

char hex_digit(std::uint8_t nibble)
{
    if (nibble < 10)
        return static_cast<char>('0' + nibble);
    if (nibble < 16)
        return static_cast<char>('A' + nibble - 10);
    return '\0';
}

std::uint8_t displayed_byte(std::int32_t value)
{
    const auto u = static_cast<std::uint32_t>(value);
    return u > 255 ? 255 : static_cast<std::uint8_t>(u);
}

std::string nibble_pattern(unsigned nibble)
{
    std::string s(4, '0');
    for (int i = 0; i < 4; ++i)
        if (nibble & (8u >> i))
            s[i] = '1';
    return s;
}

std::string hex_text(std::int32_t value)
{
    const std::uint8_t v = displayed_byte(value);
    return {hex_digit((v >> 4) & 15), hex_digit(v & 15), 'h'};
}

std::string bin_text(std::int32_t value)
{
    const std::uint8_t v = displayed_byte(value);
    return nibble_pattern((v >> 4) & 15) + " " + nibble_pattern(v & 15);
}

std::uint8_t ascii_code(std::int32_t value)
{
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) & 255u);
}

std::vector<double> bit_sample_levels(std::string_view bin)
{
    if (bin.size() < 9)
        return std::vector<double>(9, bit_low);
    std::vector<double> levels;
    auto add = [&levels](char c) {
        if (c == '1')
            levels.push_back(bit_high);
        else if (c == '0')
            levels.push_back(bit_low);
    };
    add(bin[0]);
    for (std::size_t p = 0; p < 9; ++p)
        add(bin[p]);
    return levels;
}

char bin_bit(std::string_view bin, int k)
{
    if (bin.size() < 9 || k < 1 || k > 8)
        return '\0';
    const int position = k <= 4 ? k : k + 1;
    return bin[static_cast<std::size_t>(position - 1)];
}

} // namespace tavrin
