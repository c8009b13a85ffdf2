#pragma once

#include "views/chart_model.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrin {

// JSON pieces. A number is written in the shortest form that reads back as
// the same double; a value JSON cannot hold (infinity, NaN) is written null.
std::string json_number(double value);
std::string json_string(std::string_view utf8_text);
std::string colour_hex(Rgb colour); // "#rrggbb"

// One chart as a JSON object: name, time_axis, level_axis and its series in
// drawing order, each point as [x, y, colour or null]. The object is written
// over several lines, each continued line indented by `indent` spaces more.
std::string chart_json(const ChartModel& chart, int indent = 0);

// The lane of a series: series 0 is drawn on the top lane, the last one on lane 0.
int series_lane(const ChartModel& chart, int series);

// A point of a series on its lane: high when above the middle of the lane.
bool is_high(const TracePoint& p, int lane);

// A series of a chart that is a line of the bus, under the name a logic
// analyser gives that line. Markers (sampling, bit changes) are never bus lines.
struct BusLine {
    std::string wire;
    int series = 0;
    int lane = 0;
    friend bool operator==(const BusLine&, const BusLine&) = default;
};

// The bus lines of one of the window's waveform charts, found by series name:
// packet and single-mode charts give SCLK and DATA; the exchange summary SCLK,
// MOSI, MISO and SS; the master's chart SCLK and MISO; the slave's SCLK and MOSI.
// A chart without such series gives none.
std::vector<BusLine> bus_lines(const ChartModel& chart);

// The bus lines of a chart as an IEEE 1364 value change dump: timescale 1 ps,
// one 1-bit wire per bus line in the scope "spi", times shifted so that the
// chart's first point is at 0. A point's level holds over the interval that
// ends at its x (the stair rule), so a wire takes it from the previous point's
// x onward. A line without points is dumped as x (unknown).
std::string chart_vcd(const ChartModel& chart, double picoseconds_per_unit = 1e6);

// The window's label of each series of a chart, top lane first; the series
// names for a chart the window does not have.
std::vector<std::string> lane_labels(const ChartModel& chart);

// Charts drawn with characters, one under the other on a common label column,
// over each chart's current time axis: two rows per lane (high and low level,
// box-drawing edges), the window's lane labels on the left, the bit cells named
// D7 … D0 above the lanes, a time ruler below. No line is wider than
// max_columns (from 20 up; narrower widths cut the labels and crowd the traces).
std::string chart_text(const std::vector<ChartModel>& charts, int max_columns = 100);

// Display width of a UTF-8 text in a terminal, one column per code point.
int text_columns(std::string_view utf8_text);

} // namespace tavrin
