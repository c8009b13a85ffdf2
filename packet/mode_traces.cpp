#include "packet/mode_traces.h"

#include "views/byte_text.h"

namespace tavrin {

ClockLevels clock_levels(int mode, double low, double high)
{
    switch (mode) {
    case 1: return {low, high, low};
    case 2: return {high, high, low};
    case 3: return {high, low, high};
    default: return {low, low, high};
    }
}

ModeTraces build_mode_traces(std::string_view bin, int mode)
{
    constexpr double data_low = 2.1, data_high = 2.9;
    ModeTraces t;

    t.data.push_back(point(0, data_low, colour::idle));
    t.data.push_back(point(1, data_low, colour::idle));
    for (int k = 1; k <= 8; ++k) {
        const char c = bin_bit(bin, k);
        if (c == '0')
            t.data.push_back(point(k + 1, data_low, colour::data));
        else if (c == '1')
            t.data.push_back(point(k + 1, data_high, colour::data));
    }
    t.data.push_back(point(10, data_low, colour::idle));

    const ClockLevels l = clock_levels(mode, 1.1, 1.9);
    t.clock.push_back(point(0, l.idle));
    t.clock.push_back(point(1, l.idle));
    for (int k = 0; k < 8; ++k) {
        t.clock.push_back(point(1.5 + k, l.first_half));
        t.clock.push_back(point(2 + k, l.second_half));
    }
    t.clock.push_back(point(10, l.idle));

    t.sampling.push_back(point(0, 0.1));
    t.sampling.push_back(point(1, 0.1));
    for (int k = 0; k < 8; ++k) {
        const double x = 1.5 + k;
        t.sampling.push_back(point(x, 0.1));
        t.sampling.push_back(point(x, 0.9));
        t.sampling.push_back(point(x, 0.1));
    }
    t.sampling.push_back(point(10, 0.1));
    return t;
}

std::array<BitRow, 8> bit_table_rows(std::string_view bin)
{
    std::array<BitRow, 8> rows;
    for (int r = 1; r <= 8; ++r) {
        BitRow& row = rows[static_cast<std::size_t>(r - 1)];
        row.number = std::to_string(r) + ".";
        row.type = "adat " + std::to_string(8 - r) + ".bit";
        const char c = bin_bit(bin, r);
        if (c == '0' || c == '1')
            row.value = std::string(1, c);
    }
    return rows;
}

} // namespace tavrin
