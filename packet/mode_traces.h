#pragma once

#include "views/trace.h"

#include <array>
#include <string>
#include <string_view>

namespace tavrin {

// SCLK levels of an SPI mode on a clock lane: idle, first half of a bit
// cell, second half.
struct ClockLevels {
    double idle;
    double first_half;
    double second_half;
};

// Modes 0 and 1 idle low, 2 and 3 high. Each clock pulse fills half a bit
// cell: the second half in modes 0 and 2, the first half in modes 1 and 3.
ClockLevels clock_levels(int mode, double low, double high);

// The three traces of one byte sent in one SPI mode, counted in bit cells:
// idle on [0, 1] and [9, 10], D7 … D0 in the cells [1, 2] … [8, 9].
struct ModeTraces {
    PointList data;     // lane 2: idle colour at both ends, data colour per bit
    PointList clock;    // lane 1, series colour
    PointList sampling; // lane 0, series colour: a marker in the middle of each cell
};

ModeTraces build_mode_traces(std::string_view bin, int mode);

// Rows 1 to 8 of a bit table: "1." … "8.", "adat 7.bit" … "adat 0.bit", and the
// bit read from the BIN text ("0", "1", or empty when the character is neither).
struct BitRow {
    std::string number;
    std::string type;
    std::string value;
};

std::array<BitRow, 8> bit_table_rows(std::string_view bin);

} // namespace tavrin
