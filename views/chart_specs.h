#pragma once

#include "views/chart_model.h"

#include <string>

namespace tavrin {

// The eleven charts of the window, each with its axes, margins and series.
// The GUI and the command-line companion build their charts from these.
ChartModel single_mode_chart(int mode);   // tav_spi_acssz_uzemmod<mode>_chart
ChartModel packet_chart();                // tav_spi_acsszim
ChartModel exchange_master_chart();       // tav_spi_avsz_master_chart
ChartModel exchange_slave_chart();        // tav_spi_avsz_slave_chart
ChartModel exchange_summary_chart();      // tav_spi_avsz_chart
ChartModel bit_sample_chart(const std::string& chart_name, const std::string& series_name);

// Lane levels: trace k lives in [k, k+1], low at k + 0.1 and high at k + 0.9.
constexpr double lane_low(int lane) { return lane + 0.1; }
constexpr double lane_high(int lane) { return lane + 0.9; }

} // namespace tavrin
