#include "views/trace.h"

#include <algorithm>

namespace tavrin {

void Series::append(const TracePoint& p)
{
    auto at = std::upper_bound(points_.begin(), points_.end(), p.x,
                               [](double x, const TracePoint& q) { return x < q.x; });
    points_.insert(at, p);
}

void Series::append_all(const PointList& list)
{
    for (const auto& p : list)
        append(p);
}

std::vector<Segment> stair_segments(const Series& series)
{
    std::vector<Segment> out;
    const auto& pts = series.points();
    if (pts.size() < 2)
        return out;
    out.reserve(2 * (pts.size() - 1));
    for (std::size_t i = 1; i < pts.size(); ++i) {
        const auto& prev = pts[i - 1];
        const auto& cur = pts[i];
        const Rgb c = series.colour_of(cur);
        out.push_back({prev.x, prev.y, prev.x, cur.y, c});
        out.push_back({prev.x, cur.y, cur.x, cur.y, c});
    }
    return out;
}

} // namespace tavrin
