#include "views/chart_export.h"

#include "views/chart_specs.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>
#include <optional>
#include <system_error>

namespace tavrin {

std::string json_number(double value)
{
    if (!std::isfinite(value))
        return "null";
    // Readers take "-0" for the integer 0 and lose the sign.
    if (value == 0 && std::signbit(value))
        return "-0.0";
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

std::string json_string(std::string_view text)
{
    constexpr char digits[] = "0123456789abcdef";
    std::string s = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        switch (c) {
        case '"': s += "\\\""; break;
        case '\\': s += "\\\\"; break;
        case '\n': s += "\\n"; break;
        case '\r': s += "\\r"; break;
        case '\t': s += "\\t"; break;
        default:
            if (c < 0x20) {
                s += "\\u00";
                s += digits[c >> 4];
                s += digits[c & 15];
            } else {
                s += ch;
            }
        }
    }
    s += '"';
    return s;
}

std::string colour_hex(Rgb c)
{
    constexpr char digits[] = "0123456789abcdef";
    std::string s = "#";
    for (const std::uint8_t v : {c.r, c.g, c.b}) {
        s += digits[v >> 4];
        s += digits[v & 15];
    }
    return s;
}

namespace {
std::string axis_json(const AxisRange& r)
{
    return "{\"min\": " + json_number(r.min) + ", \"max\": " + json_number(r.max) + "}";
}
} // namespace

std::string chart_json(const ChartModel& chart, int indent)
{
    const std::string in(static_cast<std::size_t>(std::max(indent, 0)), ' ');
    std::string s = "{\n";
    s += in + "  \"name\": " + json_string(chart.name) + ",\n";
    s += in + "  \"time_axis\": " + axis_json(chart.time_axis) + ",\n";
    s += in + "  \"level_axis\": " + axis_json(chart.level_axis) + ",\n";
    s += in + "  \"series\": [";
    for (std::size_t i = 0; i < chart.series.size(); ++i) {
        const Series& series = chart.series[i];
        s += i ? ",\n" : "\n";
        s += in + "    {\"name\": " + json_string(series.name()) + ", \"colour\": " +
             json_string(colour_hex(series.colour())) + ", \"width\": " +
             std::to_string(series.line_width()) + ",\n";
        s += in + "     \"points\": [";
        bool first = true;
        for (const TracePoint& p : series.points()) {
            s += first ? "" : ", ";
            first = false;
            s += "[" + json_number(p.x) + ", " + json_number(p.y) + ", " +
                 (p.colour ? json_string(colour_hex(*p.colour)) : std::string("null")) + "]";
        }
        s += "]}";
    }
    s += chart.series.empty() ? "]\n" : "\n" + in + "  ]\n";
    s += in + "}";
    return s;
}

int series_lane(const ChartModel& chart, int series)
{
    return static_cast<int>(chart.series.size()) - 1 - series;
}

bool is_high(const TracePoint& p, int lane)
{
    return p.y > lane + 0.5;
}

namespace {

// Wires in the order a dump lists them.
constexpr std::string_view wire_order[] = {"SCLK", "MOSI", "MISO", "SS", "DATA"};

std::optional<std::string_view> wire_of(std::string_view series)
{
    static const std::map<std::string, std::string_view, std::less<>> wires = [] {
        std::map<std::string, std::string_view, std::less<>> m = {
            {"tav_spi_acssz_s2", "SCLK"},
            {"tav_spi_acssz_s1", "DATA"},
            {"tav_spi_avsz_sorajel", "SCLK"},
            {"tav_spi_avsz_sslavevett", "MOSI"},
            {"tav_spi_avsz_smastervett", "MISO"},
            {"tav_spi_avsz_sslavekivalaszt", "SS"},
            {"tav_spi_avsz_master_sorajel", "SCLK"},
            {"tav_spi_avsz_master_svett", "MISO"},
            {"tav_spi_avsz_slave_sorajel", "SCLK"},
            {"tav_spi_avsz_slave_svett", "MOSI"},
        };
        for (int mode = 0; mode < 4; ++mode) {
            const std::string prefix = "tav_spi_acssz_uzemmod" + std::to_string(mode);
            m.emplace(prefix + "_s2", "SCLK");
            m.emplace(prefix + "_s1", "DATA");
        }
        return m;
    }();
    const auto it = wires.find(series);
    if (it == wires.end())
        return std::nullopt;
    return it->second;
}

int wire_rank(std::string_view wire)
{
    return static_cast<int>(std::find(std::begin(wire_order), std::end(wire_order), wire) -
                            std::begin(wire_order));
}

// Identifier codes of the dump: printable characters from '!', leaving out
// '#' and '$', which start a time and a keyword.
std::string vcd_identifier(std::size_t index)
{
    char c = '!';
    for (std::size_t i = 0; i < index; ++i)
        do
            ++c;
        while (c == '#' || c == '$');
    return std::string(1, c);
}

} // namespace

std::vector<BusLine> bus_lines(const ChartModel& chart)
{
    std::vector<BusLine> lines;
    for (std::size_t i = 0; i < chart.series.size(); ++i)
        if (const auto wire = wire_of(chart.series[i].name()))
            lines.push_back({std::string(*wire), static_cast<int>(i),
                             series_lane(chart, static_cast<int>(i))});
    std::stable_sort(lines.begin(), lines.end(), [](const BusLine& a, const BusLine& b) {
        return wire_rank(a.wire) < wire_rank(b.wire);
    });
    return lines;
}

std::string chart_vcd(const ChartModel& chart, double picoseconds_per_unit)
{
    const std::vector<BusLine> lines = bus_lines(chart);

    std::optional<double> origin;
    double end = 0;
    for (const BusLine& line : lines) {
        const PointList& pts = chart.series[static_cast<std::size_t>(line.series)].points();
        if (pts.empty())
            continue;
        origin = origin ? std::min(*origin, pts.front().x) : pts.front().x;
        end = std::max(end, pts.back().x);
    }
    const auto time_of = [&](double x) {
        return std::llround((x - origin.value_or(0)) * picoseconds_per_unit);
    };

    // changes[t][wire]: the value the wire has from t on; the last one given for a time wins.
    std::map<long long, std::map<std::size_t, char>> changes;
    for (std::size_t w = 0; w < lines.size(); ++w) {
        const PointList& pts = chart.series[static_cast<std::size_t>(lines[w].series)].points();
        const int lane = lines[w].lane;
        if (pts.empty())
            continue;
        changes[time_of(pts.front().x)][w] = is_high(pts.front(), lane) ? '1' : '0';
        for (std::size_t i = 1; i < pts.size(); ++i)
            changes[time_of(pts[i - 1].x)][w] = is_high(pts[i], lane) ? '1' : '0';
    }

    std::string s = "$version ZEPRA TAVRIN-SPI $end\n";
    s += "$comment " + chart.name + " $end\n";
    s += "$timescale 1 ps $end\n";
    s += "$scope module spi $end\n";
    for (std::size_t w = 0; w < lines.size(); ++w)
        s += "$var wire 1 " + vcd_identifier(w) + " " + lines[w].wire + " $end\n";
    s += "$upscope $end\n";
    s += "$enddefinitions $end\n";

    // A wire whose trace begins after the first point holds its first level from 0.
    std::vector<char> value(lines.size(), 'x');
    for (const auto& [t, at_t] : changes)
        for (const auto& [w, v] : at_t)
            if (value[w] == 'x')
                value[w] = v;
    s += "#0\n$dumpvars\n";
    for (std::size_t w = 0; w < lines.size(); ++w)
        s += std::string(1, value[w]) + vcd_identifier(w) + "\n";
    s += "$end\n";

    long long last_time = 0;
    for (const auto& [t, at_t] : changes) {
        std::string entries;
        for (const auto& [w, v] : at_t)
            if (value[w] != v) {
                value[w] = v;
                entries += std::string(1, v) + vcd_identifier(w) + "\n";
            }
        if (!entries.empty() && t > 0) {
            s += "#" + std::to_string(t) + "\n" + entries;
            last_time = t;
        }
    }
    // The last stretch of every trace lasts up to the last point.
    if (origin && time_of(end) > last_time)
        s += "#" + std::to_string(time_of(end)) + "\n";
    return s;
}

std::vector<std::string> lane_labels(const ChartModel& chart)
{
    std::vector<std::string> labels = chart.lane_labels;
    if (labels.size() != chart.series.size()) {
        labels.clear();
        for (const Series& series : chart.series)
            labels.push_back(series.name());
    }
    return labels;
}

int text_columns(std::string_view text)
{
    return static_cast<int>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

namespace {

// Where each time of a chart falls among the text columns. Traces whose
// points all lie on a common step (half bit cells) get the same number of
// columns for every step, so equal stretches look equal.
class TextGrid {
public:
    TextGrid(const ChartModel& chart, int max_width)
        : range_(chart.time_axis), width_(std::max(max_width, 2))
    {
        const double span = range_.span();
        if (!(span > 0) || !std::isfinite(span))
            return;
        const double tolerance = span * 1e-9;
        std::vector<double> xs = {range_.min, range_.max};
        for (const Series& series : chart.series)
            for (const TracePoint& p : series.points())
                if (p.x >= range_.min - tolerance && p.x <= range_.max + tolerance)
                    xs.push_back(p.x);
        std::sort(xs.begin(), xs.end());
        double step = span;
        for (std::size_t i = 1; i < xs.size(); ++i)
            if (xs[i] - xs[i - 1] > tolerance)
                step = std::min(step, xs[i] - xs[i - 1]);
        const double steps = std::round(span / step);
        const int per_step = steps > 0 ? static_cast<int>((width_ - 1) / steps) : 0;
        const bool on_steps = std::abs(steps * step - span) <= tolerance * 1e3 &&
                              std::all_of(xs.begin(), xs.end(), [&](double x) {
                                  const double n = (x - range_.min) / step;
                                  return std::abs(n - std::round(n)) < 1e-6;
                              });
        if (on_steps && per_step >= 2) {
            step_ = step;
            per_step_ = per_step;
            width_ = static_cast<int>(steps) * per_step + 1;
        }
    }

    int width() const { return width_; }

    // Column of a time, unclamped: times outside the axis fall outside [0, width).
    long long column(double x) const
    {
        const double span = range_.span();
        if (!(span > 0) || !std::isfinite(span) || !std::isfinite(x))
            return 0;
        const double clamped = std::clamp(x, range_.min - span, range_.max + span);
        if (per_step_ > 0)
            return std::llround((clamped - range_.min) / step_) * per_step_;
        return std::llround((clamped - range_.min) / span * (width_ - 1));
    }

private:
    AxisRange range_;
    int width_;
    double step_ = 0;
    int per_step_ = 0;
};

enum Link : unsigned { left = 1, right = 2, up = 4, down = 8 };

const char* box_char(unsigned links)
{
    switch (links) {
    case left | right: return "─";
    case left: return "─";
    case right: return "─";
    case down | right: return "┌";
    case down | left: return "┐";
    case down | left | right: return "┬";
    case up | right: return "└";
    case up | left: return "┘";
    case up | left | right: return "┴";
    case down: return "│";
    case up: return "│";
    default: return " ";
    }
}

// The two text rows of one lane: high level on top, low level below.
std::pair<std::string, std::string> lane_rows(const Series& series, int lane, const TextGrid& grid)
{
    const int w = grid.width();
    std::vector<unsigned> top(static_cast<std::size_t>(w), 0), bottom(static_cast<std::size_t>(w), 0);
    const auto inside = [w](long long c) { return c >= 0 && c < w; };
    for (const Segment& s : stair_segments(series)) {
        const bool high1 = s.y1 > lane + 0.5;
        const bool high2 = s.y2 > lane + 0.5;
        const long long c1 = grid.column(s.x1);
        const long long c2 = grid.column(s.x2);
        if (s.x1 == s.x2) {
            if (high1 != high2 && inside(c1)) {
                top[static_cast<std::size_t>(c1)] |= down;
                bottom[static_cast<std::size_t>(c1)] |= up;
            }
        } else if (c2 >= 0 && c1 < w) {
            std::vector<unsigned>& row = high2 ? top : bottom;
            const long long from = std::max(c1, 0LL), to = std::min(c2, static_cast<long long>(w - 1));
            for (long long c = from; c <= to; ++c) {
                if (c > c1)
                    row[static_cast<std::size_t>(c)] |= left;
                if (c < c2)
                    row[static_cast<std::size_t>(c)] |= right;
            }
        }
    }
    std::pair<std::string, std::string> rows;
    for (int c = 0; c < w; ++c) {
        rows.first += box_char(top[static_cast<std::size_t>(c)]);
        rows.second += box_char(bottom[static_cast<std::size_t>(c)]);
    }
    return rows;
}

// A row of text columns that texts are written into by column.
class TextRow {
public:
    explicit TextRow(int width) : cells_(static_cast<std::size_t>(std::max(width, 0)), " ") {}

    // Writes a text whose first column is `at`, if it fits and does not touch
    // another text written before (one blank column kept between texts).
    bool place(long long at, std::string_view text)
    {
        const int n = text_columns(text);
        const long long w = static_cast<long long>(cells_.size());
        if (at < 0 || at + n > w)
            return false;
        for (long long c = std::max(at - 1, 0LL); c < std::min(at + n + 1, w); ++c)
            if (cells_[static_cast<std::size_t>(c)] != " ")
                return false;
        std::size_t i = 0;
        for (long long c = at; c < at + n; ++c) {
            std::size_t len = 1;
            while (i + len < text.size() && (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80)
                ++len;
            cells_[static_cast<std::size_t>(c)] = std::string(text.substr(i, len));
            i += len;
        }
        return true;
    }

    std::string text() const
    {
        std::string s;
        for (const std::string& c : cells_)
            s += c;
        return s;
    }

private:
    std::vector<std::string> cells_;
};

std::string tick_text(double v)
{
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, v, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

std::string fitted(std::string_view text, int columns)
{
    std::string s;
    int n = 0;
    for (std::size_t i = 0; i < text.size() && n < columns;) {
        std::size_t len = 1;
        while (i + len < text.size() && (static_cast<unsigned char>(text[i + len]) & 0xC0) == 0x80)
            ++len;
        s += text.substr(i, len);
        i += len;
        ++n;
    }
    s.append(static_cast<std::size_t>(columns - n), ' ');
    return s;
}

std::string trimmed(std::string s)
{
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

std::string ruler_label(const ChartModel& chart)
{
    return chart.time_axis_style == TimeAxisStyle::microseconds ? "time (µs)" : "time (bit cells)";
}

// Bit names over the cells of the first series that carries data bits: a
// point in the data colour ends the cell of its bit, D7 first.
std::string bit_caption_row(const ChartModel& chart, const TextGrid& grid)
{
    for (const Series& series : chart.series) {
        const PointList& pts = series.points();
        std::vector<std::size_t> bits;
        for (std::size_t i = 1; i < pts.size(); ++i)
            if (pts[i].colour == colour::data)
                bits.push_back(i);
        if (bits.empty())
            continue;
        TextRow row(grid.width());
        for (std::size_t j = 0; j < bits.size(); ++j) {
            const std::string name = "D" + std::to_string(bits.size() - 1 - j);
            const long long c1 = grid.column(pts[bits[j] - 1].x);
            const long long c2 = grid.column(pts[bits[j]].x);
            row.place((c1 + c2 + 1) / 2 - text_columns(name) / 2, name);
        }
        return row.text();
    }
    return {};
}

std::pair<std::string, std::string> ruler_rows(const ChartModel& chart, const TextGrid& grid)
{
    const int w = grid.width();
    // As many ticks as their labels leave room for, two blanks between labels.
    std::vector<double> ticks;
    for (int room = 3;;) {
        ticks = tick_values(chart.time_axis, std::max(w / room, 1));
        int longest = 0;
        for (const double t : ticks)
            longest = std::max(longest, text_columns(tick_text(t)));
        if (longest + 2 <= room || room >= w)
            break;
        room = longest + 2;
    }
    std::vector<std::string> line(static_cast<std::size_t>(w), "─");
    TextRow labels(w);
    for (const double t : ticks) {
        const long long c = grid.column(t);
        if (c < 0 || c >= w)
            continue;
        line[static_cast<std::size_t>(c)] = "┬";
        const std::string text = tick_text(t);
        const int n = text_columns(text);
        labels.place(std::clamp<long long>(c - n / 2, 0, std::max(w - n, 0)), text);
    }
    std::string ruler;
    for (const std::string& c : line)
        ruler += c;
    return {ruler, labels.text()};
}

} // namespace

std::string chart_text(const std::vector<ChartModel>& charts, int max_columns)
{
    int label_width = 0;
    for (const ChartModel& chart : charts) {
        for (const std::string& label : lane_labels(chart))
            label_width = std::max(label_width, text_columns(label));
        label_width = std::max(label_width, text_columns(ruler_label(chart)));
    }
    // The traces keep at least two thirds of the width; long labels are cut.
    label_width = std::min(label_width, max_columns / 3);
    const int plot_width = max_columns - label_width - 1;

    std::string out;
    for (const ChartModel& chart : charts) {
        if (!out.empty())
            out += "\n";
        const TextGrid grid(chart, plot_width);
        const auto line = [&](std::string_view label, const std::string& plot) {
            out += trimmed(fitted(label, label_width) + " " + plot) + "\n";
        };
        out += trimmed(fitted(chart.name, max_columns)) + "\n";
        const std::string captions = bit_caption_row(chart, grid);
        if (!captions.empty())
            line("", captions);
        const std::vector<std::string> labels = lane_labels(chart);
        for (std::size_t i = 0; i < chart.series.size(); ++i) {
            const auto [high, low] = lane_rows(chart.series[i], series_lane(chart, static_cast<int>(i)), grid);
            if (i > 0)
                out += "\n";
            line("", high);
            line(labels[i], low);
        }
        const auto [ruler, ruler_values] = ruler_rows(chart, grid);
        line(ruler_label(chart), ruler);
        line("", ruler_values);
    }
    return out;
}

} // namespace tavrin
