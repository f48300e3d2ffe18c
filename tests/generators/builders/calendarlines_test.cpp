#include "generators/builders/calendarlines.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace tessera::generators {
namespace {

using Lines = std::vector<std::string>;

Lines cellLines(const std::string& open, const std::string& content, const std::string& close)
{
    return content.empty() ? Lines {open, close} : Lines {open, "    " + content, close};
}

TEST(CalendarLines, februaryStartingOnSundayHasAnEmptyFifthWeekAndNoSixth)
{
    CalendarSpec spec;
    spec.month = {2015, 2};
    const Lines lines = buildCalendar(spec);
    ASSERT_EQ(lines.size(), 138u);
    const Lines head = {"<TABLE BORDER>", "<TR>", R"(    <TH COLSPAN="7" ALIGN="CENTER">)", "    February 2015", "    </TH>",
                        "</TR>", "<TR>", "    <TH width=50>", "    Sun", "    </TH>", "    <TH width=50>", "    Mon"};
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + std::ptrdiff_t(head.size())), head);
    // Week 1 starts on the 1st.
    EXPECT_EQ(Lines(lines.begin() + 29, lines.begin() + 33), (Lines {"<TR>", "    <TD>", "    1", "    </TD>"}));
    // The fifth week: seven empty cells, then the table ends.
    Lines tail = {"<TR>"};
    for (int i = 0; i < 7; ++i)
        tail.insert(tail.end(), {"    <TD>", "    </TD>"});
    tail.insert(tail.end(), {"</TR>", "</TABLE>"});
    EXPECT_EQ(Lines(lines.end() - std::ptrdiff_t(tail.size()), lines.end()), tail);
}

TEST(CalendarLines, januaryWithLinksColoursAndAlignment)
{
    CalendarSpec spec;
    spec.month = {1997, 1};
    spec.firstWeekday = 1;
    spec.tableAlignment = "center";
    spec.dateAlignment = "center";
    spec.headingColour = "FF0000";
    spec.tableColour = "FFFFCC";
    spec.textColour = "000080";
    spec.pageLinks = true;
    const Lines lines = buildCalendar(spec);
    ASSERT_EQ(lines.size(), 237u);
    const Lines head = {R"(<A NAME="TOP_OF_CALENDAR"></A>)", R"(<FONT COLOR="#000080">)",
                        R"(<TABLE BORDER BGCOLOR="#FFFFCC" ALIGN="center">)", "<TR>",
                        R"(    <TH COLSPAN="7" ALIGN="CENTER" BGCOLOR="#FF0000">)", "    January 1997", "    </TH>", "</TR>",
                        "<TR>", R"(    <TH ALIGN="center" width=50>)", "    Mon"};
    EXPECT_EQ(Lines(lines.begin(), lines.begin() + std::ptrdiff_t(head.size())), head);

    // 1 January 1997 was a Wednesday: two empty cells open the first week.
    const auto firstWeek = std::find(lines.begin() + 10, lines.end(), "<TR>");
    Lines expectedWeek = {"<TR>"};
    for (int column = 0; column < 7; ++column) {
        const std::string day = column < 2 ? "" : std::to_string(column - 1);
        const std::string link = day.empty() ? "" : "<A HREF=\"#January_1997_" + day + "\">" + day + "</A>";
        const Lines cell = cellLines(R"(    <TD ALIGN="center">)", link, "    </TD>");
        expectedWeek.insert(expectedWeek.end(), cell.begin(), cell.end());
    }
    expectedWeek.push_back("</TR>");
    EXPECT_EQ(Lines(firstWeek, firstWeek + std::ptrdiff_t(expectedWeek.size())), expectedWeek);
    EXPECT_NE(std::find(lines.begin(), lines.end(), R"(    <A HREF="#January_1997_5">5</A>)"), lines.end());

    const auto anchor = std::find(lines.begin(), lines.end(),
                                  R"(<A NAME="January_1997_5">January 5, 1997</A> <A HREF="#TOP_OF_CALENDAR">Go Back</A><BR>)");
    ASSERT_NE(anchor, lines.end());
    EXPECT_EQ(*(anchor - 1), "<BR>");
    EXPECT_EQ(*(anchor + 1), "");
    EXPECT_EQ(lines[lines.size() - 2],
              R"(<A NAME="January_1997_31">January 31, 1997</A> <A HREF="#TOP_OF_CALENDAR">Go Back</A><BR>)");
    EXPECT_EQ(*(std::find(lines.begin(), lines.end(), "</TABLE>") + 1), "</FONT>");
}

TEST(CalendarLines, startingTheWeekLaterMovesNamesAndDaysLeft)
{
    CalendarSpec sunday;
    sunday.month = {2024, 3};
    CalendarSpec monday = sunday;
    monday.firstWeekday = 1;
    // 1 March 2024 was a Friday.
    EXPECT_EQ(monthGrid(2024, 3, 0)[0], (std::array<int, 7> {0, 0, 0, 0, 0, 1, 2}));
    EXPECT_EQ(monthGrid(2024, 3, 1)[0], (std::array<int, 7> {0, 0, 0, 0, 1, 2, 3}));
    EXPECT_EQ(buildCalendar(monday)[8], "    Mon");
    EXPECT_EQ(buildCalendar(sunday)[8], "    Sun");
    monday.firstWeekday = 6;
    EXPECT_EQ(buildCalendar(monday)[8], "    Sat");
    EXPECT_EQ(monthGrid(2024, 3, 6)[0], (std::array<int, 7> {0, 0, 0, 0, 0, 0, 1}));
}

TEST(CalendarLines, monthStepsStayOnRealMonthsWithinTheYears)
{
    struct Case {
        CalendarMonth from;
        int months;
        CalendarMonth to;
    };
    const Case cases[] = {
        {{2024, 1}, -1, {2023, 12}},  {{2023, 12}, 1, {2024, 1}},   {{2024, 2}, 1, {2024, 3}},
        {{2024, 3}, -1, {2024, 2}},   {{1, 1}, -1, {1, 1}},         {{9999, 12}, 1, {9999, 12}},
        {{9999, 11}, 1, {9999, 12}},  {{2000, 6}, -24, {1998, 6}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(stepMonth(c.from, c.months), c.to) << c.from.year << "-" << c.from.month << " by " << c.months;
    EXPECT_EQ(weekdayOf(1, 1, 1), 1);
    EXPECT_EQ(weekdayOf(9999, 12, 31), 5);
}

} // namespace
} // namespace tessera::generators
