#include "views/chart_model.h"

#include <charconv>
#include <cmath>

namespace tavrin {

namespace {
constexpr double zoom_limit = 1e6;

bool usable_span(double span) { return std::isfinite(span) && span > 0; }
} // namespace

std::optional<AxisRange> zoomed_in(const AxisRange& current, const AxisRange& start)
{
    const double span = 0.5 * (current.max - current.min);
    const double floor = std::abs(start.span()) / zoom_limit;
    if (!usable_span(span) || span < floor)
        return std::nullopt;
    return AxisRange{current.min, current.min + span};
}

std::optional<AxisRange> zoomed_out(const AxisRange& current, const AxisRange& start)
{
    const double span = 2.0 * (current.max - current.min);
    const double ceiling = std::abs(start.span()) * zoom_limit;
    if (!usable_span(span) || span > ceiling)
        return std::nullopt;
    return AxisRange{current.min, current.min + span};
}

AxisRange panned(const AxisRange& current, double shift)
{
    if (!std::isfinite(shift))
        return current;
    return AxisRange{current.min + shift, current.max + shift};
}

AxisRange exchange_axis_steps(AxisRange current, double min, double max)
{
    if (current.max < 0)
        current.max = 0;
    current.min = min;
    current.max = max;
    return current;
}

PlotMapping PlotMapping::for_chart(const ChartModel& chart, double pixel_width, double pixel_height)
{
    PlotMapping m;
    m.left = pixel_width * chart.margins.left / 100.0;
    m.top = pixel_height * chart.margins.top / 100.0;
    m.width = pixel_width * (1.0 - (chart.margins.left + chart.margins.right) / 100.0);
    m.height = pixel_height * (1.0 - (chart.margins.top + chart.margins.bottom) / 100.0);
    m.x_range = chart.time_axis;
    m.y_range = chart.level_axis;
    return m;
}

double PlotMapping::x_to_pixel(double x) const
{
    const double span = x_range.span();
    if (!usable_span(span) || !std::isfinite(x_range.min))
        return left;
    return left + (x - x_range.min) / span * width;
}

double PlotMapping::y_to_pixel(double y) const
{
    const double span = y_range.span();
    if (!usable_span(span) || !std::isfinite(y_range.min))
        return top + height;
    return top + height - (y - y_range.min) / span * height;
}

double PlotMapping::pixel_to_x_shift(double dx_pixels) const
{
    const double span = x_range.span();
    if (!usable_span(span) || width <= 0)
        return 0;
    return dx_pixels / width * span;
}

std::string time_label(double microseconds, const std::string& group_separator,
                       const std::string& decimal_point)
{
    if (!std::isfinite(microseconds))
        return "µs";
    // to_chars, not printf: printf follows the C locale, which Qt sets from the
    // environment, and would write a decimal comma where a point is looked for.
    // The buffer holds the 309 integer digits of the largest double.
    char buf[400];
    const auto result =
        std::to_chars(buf, buf + sizeof buf, std::abs(microseconds), std::chars_format::fixed, 2);
    std::string digits(buf, result.ptr);
    const auto dot = digits.find('.');
    std::string integer = digits.substr(0, dot);
    const std::string fraction = digits.substr(dot + 1);
    std::string grouped;
    const std::size_t n = integer.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            grouped += group_separator;
        grouped += integer[i];
    }
    // "-0.00" would only confuse a learner: a value that rounds to zero has no sign.
    const bool negative = microseconds < 0 && digits != "0.00";
    return (negative ? "-" : "") + grouped + decimal_point + fraction + "µs";
}

std::vector<double> tick_values(const AxisRange& range, int max_labels)
{
    std::vector<double> ticks;
    const double span = range.span();
    if (!usable_span(span) || max_labels < 1 || !std::isfinite(range.min))
        return ticks;
    const double raw = span / max_labels;
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude;
    for (double f : {1.0, 2.0, 5.0, 10.0}) {
        step = f * magnitude;
        if (step >= raw)
            break;
    }
    if (!usable_span(step))
        return ticks;
    // -0.3 / 0.1 is a hair above -3 in doubles; without the tolerance the
    // label at the minimum itself would be lost.
    const double first = std::ceil(range.min / step - 1e-9);
    for (int i = 0; i <= max_labels + 1; ++i) {
        const double v = (first + i) * step;
        if (v > range.max + step * 1e-9)
            break;
        ticks.push_back(std::abs(v) < step * 1e-9 ? 0.0 : v);
    }
    return ticks;
}

} // namespace tavrin
