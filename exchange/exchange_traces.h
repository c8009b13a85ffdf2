#pragma once

#include "views/trace.h"

#include <string_view>

namespace tavrin {

// Bit time in microseconds for a speed in bits per second.
double bit_time_us(double bits_per_second);

// The thirteen traces of one full-duplex exchange, in microseconds: the bus
// idles on [-T, 0], bits D7 … D0 fill [0, T] … [7T, 8T], idle again to 9T.
struct ExchangeTraces {
    PointList summary_miso;      // tav_spi_avsz_smastervett, lane 4
    PointList summary_mosi;      // tav_spi_avsz_sslavevett, lane 3
    PointList summary_clock;     // tav_spi_avsz_sorajel, lane 2
    PointList slave_select;      // tav_spi_avsz_sslavekivalaszt, lane 1
    PointList summary_sampling;  // tav_spi_avsz_sm, lane 0
    PointList master_miso;       // tav_spi_avsz_master_svett, lane 3
    PointList master_clock;      // tav_spi_avsz_master_sorajel
    PointList master_changes;    // tav_spi_avsz_master_sadatvalt: the slave's bit changes
    PointList master_sampling;   // tav_spi_avsz_master_sm
    PointList slave_mosi;        // tav_spi_avsz_slave_svett, lane 3
    PointList slave_clock;       // tav_spi_avsz_slave_sorajel
    PointList slave_changes;     // tav_spi_avsz_slave_sadatvalt: the master's bit changes
    PointList slave_sampling;    // tav_spi_avsz_slave_sm
};

PointList exchange_data_line(double T, std::string_view bin, double low, double high);
PointList exchange_clock(double T, int mode);
PointList exchange_slave_select(double T);
PointList exchange_sampling_markers(double T);
PointList exchange_change_markers(double T);

// master_bin travels on MOSI, slave_bin on MISO; the clock follows the mode.
ExchangeTraces build_exchange_traces(double T, int mode, std::string_view master_bin,
                                     std::string_view slave_bin);

} // namespace tavrin
