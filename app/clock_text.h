#pragma once

#include <string>

namespace tavrin {

struct LocalDateTime {
    int year = 0, month = 1, day = 1;
    int hour = 0, minute = 0, second = 0;
    int weekday = 1; // 1 = Sunday … 7 = Saturday
};

// Hungarian day name for weekday 1 (Sunday) … 7 (Saturday); empty otherwise.
std::string day_name(int weekday);

// "2011.01.13 14:05:09    csütörtök  ": date and time, four blanks, the day, two blanks.
std::string clock_text(const LocalDateTime& t);

// The current local date and time.
LocalDateTime local_now();

} // namespace tavrin
