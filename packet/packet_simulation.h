#pragma once

#include "packet/mode_traces.h"
#include "views/chart_model.h"

#include <array>
#include <cstdint>
#include <string>

namespace tavrin {

// The chart of the packet page after its simulation button: packet_chart()
// with data, clock and sampling filled for the byte's BIN text, its time
// axis at the start range.
ChartModel simulate_packet_chart(std::uint8_t byte, int mode);

// Everything the packet simulation shows.
struct PacketSimulation {
    std::uint8_t sent = 0;
    int mode = 0;
    ChartModel chart;            // tav_spi_acsszim
    std::array<BitRow, 8> table; // the bit table under the chart
};

PacketSimulation simulate_packet(std::uint8_t byte, int mode);

// "CPOL 1, CPHA 0": idle level of the clock, and whether the data is sampled
// on the second clock edge of a bit cell rather than the first.
std::string clock_settings_text(int mode);

// A bit table as JSON: rows 1 to 8, three strings each.
std::string bit_table_json(const std::array<BitRow, 8>& rows);

// The documents of the command-line companion.
std::string packet_json(const PacketSimulation& simulation);
std::string packet_text(const PacketSimulation& simulation, int max_columns = 100);
std::string packet_vcd(const PacketSimulation& simulation); // one bit cell = 1 µs

} // namespace tavrin
