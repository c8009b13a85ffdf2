#include "app/clock_text.h"

#include <array>
#include <cstdio>
#include <ctime>

namespace tavrin {

std::string day_name(int weekday)
{
    static const std::array<const char*, 7> names = {
        "vasárnap", "hétfő", "kedd", "szerda", "csütörtök", "péntek", "szombat"};
    if (weekday < 1 || weekday > 7)
        return {};
    return names[static_cast<std::size_t>(weekday - 1)];
}

std::string clock_text(const LocalDateTime& t)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d.%02d.%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return std::string(buf) + "    " + day_name(t.weekday) + "  ";
}

LocalDateTime local_now()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    LocalDateTime t;
    t.year = tm.tm_year + 1900;
    t.month = tm.tm_mon + 1;
    t.day = tm.tm_mday;
    t.hour = tm.tm_hour;
    t.minute = tm.tm_min;
    t.second = tm.tm_sec;
    t.weekday = tm.tm_wday + 1;
    return t;
}

} // namespace tavrin
