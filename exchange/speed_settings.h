#pragma once

#include <array>
#include <optional>

namespace tavrin {

inline constexpr int minimum_speed_bps = 100000;
inline constexpr int maximum_speed_bps = 25000000;

// The common speeds offered beside the speed box, by item index.
inline constexpr std::array<int, 6> common_speeds_bps = {1000000,  5000000,  10000000,
                                                         15000000, 20000000, 25000000};

// Index of a common speed, if the speed is one.
std::optional<int> common_speed_index(long long bits_per_second);

// The speed box shows bits per second or kilobits per second.
enum class SpeedUnit { bps, kbps };

int speed_minimum(SpeedUnit unit); // 100000 bps or 100 kbps
int speed_maximum(SpeedUnit unit); // 25000000 bps or 25000 kbps

// A shown value in bits per second.
long long to_bps(long long shown, SpeedUnit unit);
// A speed in bits per second as the unit shows it: to the nearest whole kbps,
// within the limits of that unit.
int shown_value(long long bits_per_second, SpeedUnit unit);

} // namespace tavrin
