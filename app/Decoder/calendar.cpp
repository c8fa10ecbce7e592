#include "Decoder/calendar.h"

namespace xelo {

void SecondsToCalendar(CalendarRecord* calendar, std::uint32_t seconds) {
    static constexpr std::uint32_t kMonthLength[12] = {31, 28, 31, 30, 31, 30,
                                                       31, 31, 30, 31, 30, 31};
    const std::uint32_t s = seconds % 86400u;
    calendar->second = static_cast<std::uint8_t>(s % 60u);
    calendar->minute = static_cast<std::uint8_t>((s / 60u) % 60u);
    calendar->hour = static_cast<std::uint8_t>(s / 3600u);

    std::uint32_t days = seconds / 86400u;
    std::uint32_t y = 0;
    auto yearLength = [](std::uint32_t year) {
        return (year == 0 || (year % 4 == 0 && year % 100 != 0)) ? 366u : 365u;
    };
    while (days >= yearLength(y)) {
        days -= yearLength(y);
        ++y;
    }
    const bool leap = yearLength(y) == 366u;
    std::uint32_t m = 0;
    while (m < 11 && days >= kMonthLength[m] + (m == 1 && leap ? 1u : 0u)) {
        days -= kMonthLength[m] + (m == 1 && leap ? 1u : 0u);
        ++m;
    }
    calendar->yearOffset = static_cast<std::uint8_t>(y);
    calendar->month = static_cast<std::uint8_t>(m + 1);
    calendar->day = static_cast<std::uint8_t>(days + 1);
}

} // namespace xelo
