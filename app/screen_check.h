#pragma once

#include <string>

namespace tavrin {

// The window is laid out for 1280 × 900 or more; a smaller primary screen
// cannot show it whole.
inline constexpr int minimum_screen_width = 1280;
inline constexpr int minimum_screen_height = 900;

bool screen_large_enough(int width, int height);

extern const char* const screen_too_small_message;

} // namespace tavrin
