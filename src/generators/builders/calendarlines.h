#pragma once

// A month calendar as an HTML table, optionally with a link from every day to an anchor of its
// own below the table. Dates are Gregorian, years 1 to 9999.

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tessera::generators {

inline constexpr int minCalendarYear = 1;
inline constexpr int maxCalendarYear = 9999;

inline constexpr std::array<std::string_view, 12> calendarMonthNames = {
    "January", "February", "March", "April", "May", "June",
    "July", "August", "September", "October", "November", "December"};

// A month of a year; the calendar always stands on its first day, so stepping never meets a day
// the next month lacks.
struct CalendarMonth {
    int year = 2000;
    int month = 1; // 1 to 12
    bool operator==(const CalendarMonth&) const = default;
};

int daysInMonth(int year, int month);
// 0 for Sunday to 6 for Saturday.
int weekdayOf(int year, int month, int day);
// `months` later (earlier when negative), held within years 1 to 9999.
CalendarMonth stepMonth(CalendarMonth from, int months);

// Six weeks of seven days, the first column being `firstWeekday` (0 Sunday); 0 marks a cell
// outside the month. Day 1 always lies in the first week.
using MonthGrid = std::array<std::array<int, 7>, 6>;
MonthGrid monthGrid(int year, int month, int firstWeekday);

struct CalendarSpec {
    CalendarMonth month;
    int firstWeekday = 0;
    // The short day names, Sunday first, in the user's language.
    std::array<std::string, 7> dayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
    // "none", "left", "center" or "right".
    std::string tableAlignment = "none";
    std::string dateAlignment = "none";
    // Six hexadecimal digits without "#"; empty for none.
    std::string headingColour;
    std::string tableColour;
    std::string textColour;
    bool pageLinks = false;
};

std::vector<std::string> buildCalendar(const CalendarSpec& spec);

} // namespace tessera::generators
