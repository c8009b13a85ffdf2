#include "app/screen_check.h"

namespace tavrin {

bool screen_large_enough(int width, int height)
{
    return width >= minimum_screen_width && height >= minimum_screen_height;
}

const char* const screen_too_small_message =
    "A képernyő felbontás nem megfelelő! A program működéséhez minimálisan szükséges: "
    "1280x1024 vagy 1440x900 (16 bit) képernyőfelbontás.";

} // namespace tavrin
