#pragma once

#include "views/trace.h"

#include <optional>
#include <string>
#include <vector>

namespace tavrin {

struct AxisRange {
    double min = 0;
    double max = 1;
    double span() const { return max - min; }
    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// Margins in percent: left and right of the chart's width, top and bottom of its height.
struct ChartMargins {
    double top = 0, bottom = 0, left = 0, right = 0;
};

// How the time axis is shown under the plot.
enum class TimeAxisStyle {
    hidden,       // counts bit cells; neither line nor labels
    microseconds, // line and value labels in microseconds
};

// Everything a chart is, apart from its widget: size, axes, series.
struct ChartModel {
    std::string name;
    int width = 0;
    int height = 0;
    AxisRange time_axis;     // changes with zoom, pan and the exchange simulation
    AxisRange start_time_axis; // the range the chart was created with
    AxisRange level_axis;
    bool level_axis_line = true; // a 1-pixel line at the plot's left edge
    TimeAxisStyle time_axis_style = TimeAxisStyle::hidden;
    std::optional<Rgb> background; // nullopt: the toolkit's default
    ChartMargins margins;
    bool panning = false;   // right-button drag moves the time axis
    bool zoomable = false;  // carries zoom buttons
    std::vector<Series> series; // in drawing order
    // Names of the lanes from top to bottom, as the page shows them beside the chart.
    std::vector<std::string> lane_labels;
};

// Zoom of the time axis, measured from the current minimum. The span never
// shrinks below a millionth nor grows beyond a million times the start span:
// past those limits a double span underflows or a chart can no longer be
// brought back with the buttons. A refused zoom returns nullopt.
std::optional<AxisRange> zoomed_in(const AxisRange& current, const AxisRange& start);
std::optional<AxisRange> zoomed_out(const AxisRange& current, const AxisRange& start);

// Moves both ends of the range by the same amount.
AxisRange panned(const AxisRange& current, double shift);

// The axis rule of the exchange simulation: a maximum below 0 is first lifted
// to 0, so that the minimum never passes the maximum on the way to [min, max].
AxisRange exchange_axis_steps(AxisRange current, double min, double max);

// The pixel rectangle of a plot and the mapping of axis values onto it.
// A degenerate or non-finite span maps everything to the rectangle's start,
// so a chart never divides by zero whatever its axis holds.
struct PlotMapping {
    double left = 0, top = 0, width = 0, height = 0;
    AxisRange x_range;
    AxisRange y_range;

    static PlotMapping for_chart(const ChartModel& chart, double pixel_width, double pixel_height);
    double x_to_pixel(double x) const;
    double y_to_pixel(double y) const;
    double pixel_to_x_shift(double dx_pixels) const; // axis units for a drag of dx pixels
};

// Label text of an exchange chart's time axis: thousands grouped, at least one
// integer digit, exactly two decimals, then "µs". Separators are the locale's.
std::string time_label(double microseconds, const std::string& group_separator,
                       const std::string& decimal_point);

// Evenly spaced label values for an axis range: steps of 1, 2 or 5 times a
// power of ten, at most about max_labels of them.
std::vector<double> tick_values(const AxisRange& range, int max_labels);

} // namespace tavrin
