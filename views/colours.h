#pragma once

#include <cstdint>

namespace tavrin {

// A 24-bit RGB colour.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend constexpr bool operator==(Rgb, Rgb) = default;
};

// The program's fixed palette.
namespace colour {
inline constexpr Rgb window{212, 208, 200};
inline constexpr Rgb information_panel{220, 234, 239};
inline constexpr Rgb display_field{244, 249, 255};
inline constexpr Rgb result_memo{254, 254, 214};
inline constexpr Rgb data{129, 163, 163};
inline constexpr Rgb idle{0, 0, 0};
inline constexpr Rgb clock_series{32, 86, 147};
inline constexpr Rgb slave_select_series{40, 142, 58};
inline constexpr Rgb bit_sample{9, 135, 183};
inline constexpr Rgb packet_data_series{26, 121, 114};
inline constexpr Rgb black{0, 0, 0};
inline constexpr Rgb white{255, 255, 255};
} // namespace colour

} // namespace tavrin
