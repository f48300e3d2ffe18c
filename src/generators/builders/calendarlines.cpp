#include "generators/builders/calendarlines.h"

#include <algorithm>

namespace tessera::generators {

namespace {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days from 1 January of year 1 (a Monday in the proleptic Gregorian calendar) to the date.
long daysBefore(int year, int month, int day)
{
    const long previousYears = year - 1;
    long days = previousYears * 365 + previousYears / 4 - previousYears / 100 + previousYears / 400;
    for (int m = 1; m < month; ++m)
        days += daysInMonth(year, m);
    return days + day - 1;
}

std::string dayAnchor(const std::string& monthName, int year, int day)
{
    return monthName + "_" + std::to_string(year) + "_" + std::to_string(day);
}

} // namespace

int daysInMonth(int year, int month)
{
    static constexpr int lengths[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return lengths[std::clamp(month, 1, 12) - 1];
}

int weekdayOf(int year, int month, int day)
{
    return static_cast<int>((daysBefore(year, month, day) + 1) % 7);
}

CalendarMonth stepMonth(CalendarMonth from, int months)
{
    const long index = std::clamp<long>(long(from.year) * 12 + (from.month - 1) + months, long(minCalendarYear) * 12,
                                        long(maxCalendarYear) * 12 + 11);
    return {static_cast<int>(index / 12), static_cast<int>(index % 12) + 1};
}

MonthGrid monthGrid(int year, int month, int firstWeekday)
{
    MonthGrid grid {};
    const int offset = (weekdayOf(year, month, 1) - firstWeekday + 7) % 7;
    const int length = daysInMonth(year, month);
    for (int day = 1; day <= length; ++day) {
        const int cell = offset + day - 1;
        grid[cell / 7][cell % 7] = day;
    }
    return grid;
}

std::vector<std::string> buildCalendar(const CalendarSpec& spec)
{
    const int year = spec.month.year;
    const std::string monthName(calendarMonthNames[std::clamp(spec.month.month, 1, 12) - 1]);
    const std::string yearText = std::to_string(year);
    const bool textColour = !spec.textColour.empty();
    std::vector<std::string> lines;

    if (spec.pageLinks)
        lines.push_back(R"(<A NAME="TOP_OF_CALENDAR"></A>)");
    if (textColour)
        lines.push_back(R"(<FONT COLOR="#)" + spec.textColour + R"(">)");
    std::string table = "<TABLE BORDER";
    if (!spec.tableColour.empty())
        table += R"( BGCOLOR="#)" + spec.tableColour + "\"";
    if (spec.tableAlignment != "none")
        table += R"( ALIGN=")" + spec.tableAlignment + "\"";
    lines.push_back(table + ">");

    std::string heading = R"(    <TH COLSPAN="7" ALIGN="CENTER")";
    if (!spec.headingColour.empty())
        heading += R"( BGCOLOR="#)" + spec.headingColour + "\"";
    lines.insert(lines.end(), {"<TR>", heading + ">", "    " + monthName + " " + yearText, "    </TH>", "</TR>"});

    const std::string dateAlignment
        = spec.dateAlignment == "none" ? std::string() : R"( ALIGN=")" + spec.dateAlignment + "\"";
    lines.push_back("<TR>");
    for (int column = 0; column < 7; ++column) {
        lines.push_back("    <TH" + dateAlignment + " width=50>");
        lines.push_back("    " + spec.dayNames[(spec.firstWeekday + column) % 7]);
        lines.push_back("    </TH>");
    }
    lines.push_back("</TR>");

    const MonthGrid grid = monthGrid(year, spec.month.month, spec.firstWeekday);
    for (int week = 0; week < 6; ++week) {
        // The sixth week is written only when the month reaches into it; the fifth always is.
        if (week == 5 && grid[week][0] == 0)
            break;
        lines.push_back("<TR>");
        for (int day : grid[week]) {
            lines.push_back("    <TD" + dateAlignment + ">");
            if (day != 0) {
                const std::string number = std::to_string(day);
                lines.push_back("    "
                                + (spec.pageLinks ? "<A HREF=\"#" + dayAnchor(monthName, year, day) + "\">" + number + "</A>"
                                                  : number));
            }
            lines.push_back("    </TD>");
        }
        lines.push_back("</TR>");
    }

    lines.push_back("</TABLE>");
    if (textColour)
        lines.push_back("</FONT>");
    if (spec.pageLinks) {
        for (int day = 1; day <= daysInMonth(year, spec.month.month); ++day) {
            lines.push_back("<BR>");
            lines.push_back("<A NAME=\"" + dayAnchor(monthName, year, day) + "\">" + monthName + " " + std::to_string(day)
                            + ", " + yearText + R"(</A> <A HREF="#TOP_OF_CALENDAR">Go Back</A><BR>)");
            lines.push_back("");
        }
    }
    return lines;
}

} // namespace tessera::generators
