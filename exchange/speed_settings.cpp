#include "exchange/speed_settings.h"

#include <algorithm>

namespace tavrin {

std::optional<int> common_speed_index(long long bits_per_second)
{
    for (std::size_t i = 0; i < common_speeds_bps.size(); ++i)
        if (common_speeds_bps[i] == bits_per_second)
            return static_cast<int>(i);
    return std::nullopt;
}

int speed_minimum(SpeedUnit unit)
{
    return unit == SpeedUnit::kbps ? minimum_speed_bps / 1000 : minimum_speed_bps;
}

int speed_maximum(SpeedUnit unit)
{
    return unit == SpeedUnit::kbps ? maximum_speed_bps / 1000 : maximum_speed_bps;
}

long long to_bps(long long shown, SpeedUnit unit)
{
    return unit == SpeedUnit::kbps ? shown * 1000 : shown;
}

int shown_value(long long bits_per_second, SpeedUnit unit)
{
    long long v = bits_per_second;
    if (unit == SpeedUnit::kbps)
        v = (bits_per_second + 500) / 1000; // speeds are positive: round half up
    return static_cast<int>(std::clamp<long long>(v, speed_minimum(unit), speed_maximum(unit)));
}

} // namespace tavrin
