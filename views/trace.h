#pragma once

#include "views/colours.h"

#include <optional>
#include <string>
#include <vector>

namespace tavrin {

// One point of a trace. A point without a colour of its own is drawn in the
// colour of the series that holds it.
struct TracePoint {
    double x = 0;
    double y = 0;
    std::string label;
    std::optional<Rgb> colour;

    friend bool operator==(const TracePoint&, const TracePoint&) = default;
};

using PointList = std::vector<TracePoint>;

inline TracePoint point(double x, double y, std::optional<Rgb> colour = std::nullopt)
{
    return TracePoint{x, y, {}, colour};
}

// A line series: points kept sorted by x, equal x in the order of appending.
class Series {
public:
    Series() = default;
    Series(std::string name, Rgb colour, int line_width)
        : name_(std::move(name)), colour_(colour), line_width_(line_width)
    {
    }

    const std::string& name() const { return name_; }
    Rgb colour() const { return colour_; }
    int line_width() const { return line_width_; }
    const PointList& points() const { return points_; }

    void clear() { points_.clear(); }
    // A new point goes after every point whose x is smaller than or equal to its own.
    void append(const TracePoint& p);
    void append_all(const PointList& list);

    Rgb colour_of(const TracePoint& p) const { return p.colour.value_or(colour_); }

private:
    std::string name_;
    Rgb colour_;
    int line_width_ = 1;
    PointList points_;
};

// A straight stretch of a drawn trace, in axis units.
struct Segment {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    Rgb colour;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// The stair rule: for each point after the first, a vertical segment at the
// previous x from the previous level to this level, then a horizontal one at
// this level up to this x, both in this point's colour. So a level holds over
// the interval that ends at its point, and three points at one x drawn low,
// high, low make a marker line.
std::vector<Segment> stair_segments(const Series& series);

} // namespace tavrin
