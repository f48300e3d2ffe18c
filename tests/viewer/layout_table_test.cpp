#include "layout_test_support.h"

#include "viewer/model/table.h"
#include "viewer/model/viewererror.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tessera::viewer::testing {
namespace {

ThtmlTable& firstTable(LaidOut& laid)
{
    for (auto& section : laid.document().sections()) {
        if (section->kind() == SectionKind::Table)
            return static_cast<ThtmlTable&>(*section);
    }
    throw std::runtime_error("no table");
}

std::string columnsOf(const ThtmlTable& table)
{
    std::string out;
    for (std::size_t c = 0; c < table.columnWidths.size(); ++c)
        out += (c ? "," : "") + std::to_string(table.columnWidths[c]);
    return out;
}

TEST(LayoutTables, ColumnWidthsByMode)
{
    struct Case {
        const char* name;
        const char* html;
        int width;
        const char* columns;
    };
    // Default padding 2 and spacing 3 add 7 to every cell: "a" is 6 + 7 = 13 wide.
    const Case cases[] = {
        {"auto, room to spare: each column its maximum", "<table><tr><td>a<td>bb</table>", 600, "13,19"},
        {"auto, too narrow: minimum plus a share by max - min", "<table><tr><td>aa aa aa aa<td>b</table>", 50, "34,13"},
        {"auto, below the minimum: minimums, wider than the space", "<table><tr><td>aaaaaaaa<td>bbbbbbbb</table>", 40, "55,55"},
        {"50% of 600 gives the columns 300", "<table width=50%><tr><td>a<td>b</table>", 600, "150,150"},
        {"percentages share the table's width", "<table width=50%><tr><td width=20%>a<td>b</table>", 600, "60,240"},
        {"percentages over 100 without WIDTH are ignored", "<table><tr><td width=70%>a<td width=60%>b</table>", 600, "13,13"},
        {"percentages without WIDTH take what their content needs", "<table><tr><td width=25%>aaaa<td>b</table>", 600, "31,93"},
        {"absolute widths are the cells' widths", "<table><tr><td width=100>a<td width=50>b</table>", 600, "103,53"},
        {"pixel WIDTH of the table", "<table width=200><tr><td>a<td>bbb</table>", 600, "68,132"},
        {"a spanning cell spreads over its columns", "<table><tr><td colspan=2>aaaaaaaaaaaaaaaa<tr><td>a<td>b</table>", 600, "51,52"},
    };
    for (const Case& c : cases) {
        auto laid = layOut(c.html, c.width);
        EXPECT_EQ(columnsOf(firstTable(*laid)), c.columns) << c.name;
    }
}

TEST(LayoutTables, FixedWidthColumnLeavesTheRestToTheWindow)
{
    struct Case {
        const char* name;
        int width;
        const char* columns;
    };
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "word ";
    const std::string page = "<table><tr><td width=150>nav<td>" + text + "</table>";
    // The navigation column keeps its 150 (+3 spacing); the text takes the rest of the window
    // less the table's own spacing, and wraps in it.
    const Case cases[] = {
        {"320 px", 320, "153,164"},
        {"800 px", 800, "153,644"},
        {"1600 px", 1600, "153,1444"},
        {"narrower than both minimums: the table is wider than the window", 150, "153,31"},
    };
    for (const Case& c : cases) {
        auto laid = layOut(page, c.width);
        EXPECT_EQ(columnsOf(firstTable(*laid)), c.columns) << c.name;
    }
    auto shortText = layOut("<table><tr><td width=150>nav<td>short text</table>", 800);
    EXPECT_EQ(columnsOf(firstTable(*shortText)), "153,67");
    auto wrapped = layOut(page, 800);
    EXPECT_EQ(firstTable(*wrapped).tableWidth, 800);
}

TEST(LayoutTables, TableFirstInAListTakesTheListIndent)
{
    const char* table = "<table><tr><td>x</table>";
    struct Case {
        std::string html;
        int left;
    };
    const Case cases[] = {
        {std::string("<blockquote>") + table + "</blockquote>", 35},
        {std::string("<ul><li>") + table + "</ul>", 35},
        {std::string("<dl><dt>term<dd>") + table + "</dl>", 70},
        {std::string("<blockquote>text") + table + "</blockquote>", 35},
        {std::string("<ul><li>a</ul>") + table, 0},
    };
    for (const Case& c : cases) {
        auto laid = layOut(c.html, 400);
        EXPECT_EQ(firstTable(*laid).left, c.left) << c.html;
    }
}

TEST(LayoutTables, TableWidthAddsTheSpacing)
{
    auto laid = layOut("<table width=50%><tr><td>a<td>b</table>", 600);
    EXPECT_EQ(firstTable(*laid).tableWidth, 303);
}

TEST(LayoutTables, SpansAndPlacement)
{
    auto laid = layOut("<table border><tr><td rowspan=2>a<td>b<tr><td>c<tr><td colspan=2>d</table>", 600);
    EXPECT_EQ(laid->dump(),
              "text y=0 h=0\n"
              "table y=0 h=72 x=0 w=29 cols=13,13 rows=23,23,23\n"
              "  cell 0,0 x=3 y=3 w=10 h=43\n"
              "    text y=16 h=16\n      line y=16 x=5 w=6 h=16 \"a\"\n"
              "  cell 0,1 x=16 y=3 w=10 h=20\n"
              "    text y=5 h=16\n      line y=5 x=18 w=6 h=16 \"b\"\n"
              "  cell 1,1 x=16 y=26 w=10 h=20\n"
              "    text y=28 h=16\n      line y=28 x=18 w=6 h=16 \"c\"\n"
              "  cell 2,0 x=3 y=49 w=23 h=20\n"
              "    text y=51 h=16\n      line y=51 x=5 w=6 h=16 \"d\"\n");
}

TEST(LayoutTables, TallSpanningCellStretchesItsLastRow)
{
    auto laid = layOut("<table><tr><td rowspan=2>a<br>b<br>c<br>d<td>x<tr><td>y</table>", 600);
    ThtmlTable& table = firstTable(*laid);
    ASSERT_EQ(table.rowHeights.size(), 2u);
    EXPECT_EQ(table.rowHeights[0], 23);
    EXPECT_EQ(table.rowHeights[0] + table.rowHeights[1], 4 * 16 + 7);
}

TEST(LayoutTables, VerticalAlignmentAndCaption)
{
    auto laid = layOut("<table><caption align=bottom>cap</caption><tr><td valign=top>a<td valign=bottom>b<td>c<br>c<br>c</table>", 600);
    ThtmlTable& table = firstTable(*laid);
    const auto& row = table.rows().at(0);
    EXPECT_EQ(row[0]->cell().sections().at(0)->yPosition, 5);
    EXPECT_EQ(row[1]->cell().sections().at(0)->yPosition, 5 + 32);
    EXPECT_EQ(table.caption()->y, 3 * 16 + 7 + 3);
    EXPECT_EQ(table.sectionHeight, 3 * 16 + 7 + 3 + 16);
}

TEST(LayoutTables, BottomCaptionIsLaidOutLikeATopOne)
{
    const char* cell = "<tr><td>a</table>";
    auto top = layOut(std::string("<table><caption>a long caption</caption>") + cell, 600);
    auto bottom = layOut(std::string("<table><caption align=bottom>a long caption</caption>") + cell, 600);
    // The table grows to the caption's longest word, and the caption wraps at that width.
    EXPECT_EQ(top->dump(),
              "text y=0 h=0\ntable y=0 h=58 x=0 w=42 cols=39 rows=23\n"
              "  caption\n    text y=0 h=32\n"
              "      line y=0 x=3 w=36 h=16 \"a long \"\n      line y=16 x=0 w=42 h=16 \"caption\"\n"
              "  cell 0,0 x=3 y=35 w=36 h=20\n    text y=37 h=16\n      line y=37 x=5 w=6 h=16 \"a\"\n");
    EXPECT_EQ(bottom->dump(),
              "text y=0 h=0\ntable y=0 h=58 x=0 w=42 cols=39 rows=23\n"
              "  cell 0,0 x=3 y=3 w=36 h=20\n    text y=5 h=16\n      line y=5 x=5 w=6 h=16 \"a\"\n"
              "  caption\n    text y=26 h=32\n"
              "      line y=26 x=3 w=36 h=16 \"a long \"\n      line y=42 x=0 w=42 h=16 \"caption\"\n");
    // Never wider than the space for the caption's sake.
    auto narrow = layOut(std::string("<table><caption align=bottom>a long caption</caption>") + cell, 30);
    EXPECT_EQ(firstTable(*narrow).tableWidth, 30);
}

TEST(LayoutTables, CenteredAndRightTablesStayInsideTheIndents)
{
    auto centre = layOut("<table align=center><tr><td>a</table>", 100);
    EXPECT_EQ(firstTable(*centre).left, (100 - 16) / 2);
    auto right = layOut("<table align=right><tr><td>a</table>", 100);
    EXPECT_EQ(firstTable(*right).left, 100 - 16);
    auto wide = layOut("<table align=right><tr><td>aaaaaaaaaaaaaaaaaaaa</table>", 50);
    EXPECT_EQ(firstTable(*wide).left, 0);
}

TEST(LayoutTables, TooManyColumnsLeavesAnEmptyDocument)
{
    std::string html = "<p>before<table><tr>";
    for (int i = 0; i < 31; ++i)
        html += "<td>x";
    html += "</table>";
    Parsed parsed = parse(html);
    FixedMeasurer measurer;
    LayoutEngine engine(measurer);
    try {
        engine.layoutDocument(*parsed.document, 600);
        FAIL() << "no error";
    } catch (const ETooManyColumns& error) {
        EXPECT_STREQ(error.what(), "Table has too many Columns");
    }
    EXPECT_TRUE(parsed.document->empty());
    // A resize lays the (now empty) document out again without the error.
    EXPECT_NO_THROW(engine.layoutDocument(*parsed.document, 300));

    std::string thirty = "<table><tr>";
    for (int i = 0; i < 30; ++i)
        thirty += "<td>x";
    EXPECT_NO_THROW(layOut(thirty + "</table>", 600));
    EXPECT_THROW(layOut("<table><tr><td colspan=20>a<td colspan=11>b</table>", 600), ETooManyColumns);
}

TEST(LayoutTables, PercentageCorrectionEnds)
{
    // Percentages that cannot all be kept in a narrow space, with wide minimums.
    auto laid = layOut("<table width=100%><tr><td width=60%>aaaaaaaaaa<td width=60%>bbbbbbbbbbbb<td width=30%>cc<td>dddddd</table>", 90);
    ThtmlTable& table = firstTable(*laid);
    EXPECT_EQ(table.columnWidths.size(), 4u);
    for (int w : table.columnWidths)
        EXPECT_GT(w, 0);
}

TEST(LayoutTables, DeeplyNestedTablesAreCheap)
{
    std::string html;
    for (int i = 0; i < 20; ++i)
        html += "<table border><tr><td>level";
    html += "deepest";
    for (int i = 0; i < 20; ++i)
        html += "</td><td>side</td></tr></table>";
    auto start = std::chrono::steady_clock::now();
    auto laid = layOut(html, 2000);
    auto elapsed = std::chrono::steady_clock::now() - start;
    // Linear work: one layout and one width pass per cell, not two to the power of the depth.
    EXPECT_LT(laid->measurer.measureCalls, 5000) << laid->measurer.measureCalls;
    EXPECT_LT(std::chrono::duration_cast<std::chrono::seconds>(elapsed).count(), 5);
    // The innermost text lies inside every enclosing cell.
    std::string dump = laid->dump();
    EXPECT_NE(dump.find("\"leveldeepest\""), std::string::npos);
}

TEST(LayoutTables, RelayoutAtAnotherWidthGivesTheSameAsAFreshOne)
{
    const char* html = "<table border width=80%><tr><td>aaa bbb ccc<td rowspan=2>x<tr><td><table><tr><td>in</table></table>";
    auto laid = layOut(html, 400);
    laid->engine.layoutDocument(laid->document(), 200);
    auto fresh = layOut(html, 200);
    EXPECT_EQ(laid->dump(), fresh->dump());
}

} // namespace
} // namespace tessera::viewer::testing
