#include "exchange/exchange_traces.h"

#include "packet/mode_traces.h"
#include "views/byte_text.h"

namespace tavrin {

double bit_time_us(double bits_per_second)
{
    return 1000000.0 / bits_per_second;
}

PointList exchange_data_line(double T, std::string_view bin, double low, double high)
{
    PointList l;
    l.push_back(point(-T, low, colour::idle));
    l.push_back(point(0, low, colour::idle));
    for (int k = 1; k <= 8; ++k) {
        const char c = bin_bit(bin, k);
        if (c == '0')
            l.push_back(point(k * T, low, colour::data));
        else if (c == '1')
            l.push_back(point(k * T, high, colour::data));
    }
    l.push_back(point(9 * T, low, colour::idle));
    return l;
}

PointList exchange_clock(double T, int mode)
{
    const ClockLevels lv = clock_levels(mode, 2.1, 2.9);
    PointList l;
    l.push_back(point(-T, lv.idle));
    l.push_back(point(0, lv.idle));
    // Accumulated in half cells, as the clock is generated.
    double x = 0;
    for (int k = 0; k < 8; ++k) {
        x += T / 2;
        l.push_back(point(x, lv.first_half));
        x += T / 2;
        l.push_back(point(x, lv.second_half));
    }
    l.push_back(point(9 * T, lv.idle));
    return l;
}

PointList exchange_slave_select(double T)
{
    // /SS falls half a cell before the first bit and rises half a cell after the last.
    return {point(-T, 1.9), point(-T / 2, 1.9), point(0, 1.1), point(17 * T / 2, 1.1),
            point(9 * T, 1.9)};
}

namespace {
PointList markers(double T, double offset, double low, double high)
{
    PointList l;
    l.push_back(point(-T, low));
    l.push_back(point(0, low));
    for (int n = 0; n < 8; ++n) {
        const double x = (n + offset) * T;
        l.push_back(point(x, low));
        l.push_back(point(x, high));
        l.push_back(point(x, low));
    }
    l.push_back(point(9 * T, low));
    return l;
}
} // namespace

PointList exchange_sampling_markers(double T)
{
    return markers(T, 0.5, 0.1, 0.9);
}

PointList exchange_change_markers(double T)
{
    return markers(T, 0.0, 1.1, 1.9);
}

ExchangeTraces build_exchange_traces(double T, int mode, std::string_view master_bin,
                                     std::string_view slave_bin)
{
    ExchangeTraces t;
    t.summary_miso = exchange_data_line(T, slave_bin, 4.1, 4.9);
    t.master_miso = exchange_data_line(T, slave_bin, 3.1, 3.9);
    t.summary_mosi = exchange_data_line(T, master_bin, 3.1, 3.9);
    t.slave_mosi = t.summary_mosi;
    t.summary_clock = exchange_clock(T, mode);
    t.master_clock = t.summary_clock;
    t.slave_clock = t.summary_clock;
    t.slave_select = exchange_slave_select(T);
    t.summary_sampling = exchange_sampling_markers(T);
    t.master_sampling = t.summary_sampling;
    t.slave_sampling = t.summary_sampling;
    t.master_changes = exchange_change_markers(T);
    t.slave_changes = t.master_changes;
    return t;
}

} // namespace tavrin
