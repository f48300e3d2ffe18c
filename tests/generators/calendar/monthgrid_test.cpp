#include "generators/builders/calendarlines.h"

#include <QDate>

#include <algorithm>

#include <gtest/gtest.h>

namespace tessera::generators {
namespace {

// Every month of four years by every first day of the week, against Qt's own calendar: where day
// 1 falls, how long the month is, and how many week rows the calendar writes.
TEST(MonthGrid, agreesWithQDate)
{
    for (int year : {1900, 2000, 2015, 2024}) {
        for (int month = 1; month <= 12; ++month) {
            const QDate first(year, month, 1);
            for (int firstWeekday = 0; firstWeekday < 7; ++firstWeekday) {
                const MonthGrid grid = monthGrid(year, month, firstWeekday);
                const int qtWeekday = first.dayOfWeek() % 7; // Qt counts Monday 1 ... Sunday 7
                const int column = (qtWeekday - firstWeekday + 7) % 7;
                const std::string where = std::to_string(year) + "-" + std::to_string(month) + " from "
                    + std::to_string(firstWeekday);
                EXPECT_EQ(grid[0][column], 1) << where;
                EXPECT_EQ(daysInMonth(year, month), first.daysInMonth()) << where;
                const int cells = column + first.daysInMonth();
                const int last = cells - 1;
                EXPECT_EQ(grid[last / 7][last % 7], first.daysInMonth()) << where;

                CalendarSpec spec;
                spec.month = {year, month};
                spec.firstWeekday = firstWeekday;
                const std::vector<std::string> lines = buildCalendar(spec);
                const long weekRows = std::count(lines.begin(), lines.end(), "<TR>") - 2;
                EXPECT_EQ(weekRows, std::max(5, (cells + 6) / 7)) << where;
            }
        }
    }
}

} // namespace
} // namespace tessera::generators
