#pragma once

#include "packet/mode_traces.h"
#include "views/chart_model.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace tavrin {

inline constexpr std::string_view exchange_success_message = "Az adatkommunikáció sikeres.";

// Everything the exchange simulation shows after its button: the three
// charts with their series filled and their time axes at -T … 9T, and the
// result pages of both sides.
struct ExchangeSimulation {
    std::uint8_t master_sent = 0; // on MOSI
    std::uint8_t slave_sent = 0;  // on MISO
    int mode = 0;
    int speed_bps = 0;
    double bit_time_us = 0;
    ChartModel summary; // tav_spi_avsz_chart
    ChartModel master;  // tav_spi_avsz_master_chart
    ChartModel slave;   // tav_spi_avsz_slave_chart
    std::uint8_t master_received = 0; // the slave's byte
    std::uint8_t slave_received = 0;  // the master's byte
    std::array<BitRow, 8> master_table; // from the slave's BIN text
    std::array<BitRow, 8> slave_table;  // from the master's BIN text
    std::string message;
};

ExchangeSimulation simulate_exchange(std::uint8_t master_byte, std::uint8_t slave_byte, int mode,
                                     int speed_bps);

// The documents of the command-line companion.
std::string exchange_json(const ExchangeSimulation& simulation);
std::string exchange_text(const ExchangeSimulation& simulation, int max_columns = 100);
std::string exchange_vcd(const ExchangeSimulation& simulation); // the summary chart's bus lines

} // namespace tavrin
