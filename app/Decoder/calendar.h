// Calendar dates of the timestamp prefix.
#pragma once

#include <cstdint>

namespace xelo {

// second, minute, hour, day of month, month, years since 2000.
struct CalendarRecord {
    std::uint8_t second, minute, hour, day, month, yearOffset;
};

// Seconds since 2000-01-01 00:00:00 to the calendar; Gregorian from 2000 to 2106.
void SecondsToCalendar(CalendarRecord* calendar, std::uint32_t seconds);

// Seconds from 1970-01-01 to 2000-01-01.
inline constexpr std::uint32_t kSeconds1970To2000 = 946684800u;

} // namespace xelo
