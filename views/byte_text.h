#pragma once

#include "views/trace.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// Upper-case hexadecimal digit of a nibble; NUL for anything above 15.
char hex_digit(std::uint8_t nibble);

// The value shown by HEX and BIN: a value that is above 255 when read as an
// unsigned 32-bit number (so also every negative value) is shown as 255.
std::uint8_t displayed_byte(std::int32_t value);

std::string nibble_pattern(unsigned nibble);       // "0000" … "1111"
std::string hex_text(std::int32_t value);          // "A5h"
std::string bin_text(std::int32_t value);          // "1010 0101"

// The code put into the ASCII field: the low 8 bits of the value as read.
// 0 stands for the empty text.
std::uint8_t ascii_code(std::int32_t value);

// Level of a bit on a lane: 0.9 for '1', 0.1 for '0'.
inline constexpr double bit_high = 0.9;
inline constexpr double bit_low = 0.1;

// The nine levels of a bit-sample series built from a BIN text: bit 7 twice
// (the first point only fixes where the line starts), then bits 6 to 0.
// A text shorter than nine characters gives nine low levels; characters
// other than 0 and 1 add nothing.
std::vector<double> bit_sample_levels(std::string_view bin);

// Bit character of the BIN text for the bit sent in place k (1 = D7 … 8 = D0):
// positions 1 to 4, then 6 to 9, skipping the blank between the nibbles.
// Returns '\0' for a text of fewer than nine characters.
char bin_bit(std::string_view bin, int k);

} // namespace tavrin
