#include "generators/builders/tablelines.h"

#include <gtest/gtest.h>

namespace tessera::generators {
namespace {

using Lines = std::vector<std::string>;

constexpr const char* kDefaultTag = R"(<TABLE BORDER="1" WIDTH="0%"  ALIGN="None"  CELLPADDING="1"  CELLSPACING="2" >)";
constexpr const char* kDefaultCaption = R"(<CAPTION ALIGN="Top"><H1></H1></CAPTION>)";

std::string cell(int n, const std::string& colour = "")
{
    return R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" BGCOLOR=")" + colour + R"("><A HREF="Cell:)"
        + std::to_string(n) + R"(.">*</A>Cell:)" + std::to_string(n + 1) + "</TD>";
}

TableLines built(int rows, int columns, const TableAttributes& attributes = {})
{
    TableLines table;
    table.build(rows, columns, attributes);
    return table;
}

TEST(TableLines, tableTagAndCaption)
{
    struct Case {
        TableAttributes attributes;
        std::string tag;
        std::string caption;
    };
    TableAttributes coloured;
    coloured.tableColour = "FFFF00";
    coloured.borderColour = "0000FF";
    coloured.caption = "Prices";
    coloured.captionSize = 3;
    coloured.captionPosition = "Bottom";
    TableAttributes borderOnly;
    borderOnly.borderColour = "00FF00";
    borderOnly.alignment = "Center";
    borderOnly.widthPercent = 100;
    const Case cases[] = {
        {{}, kDefaultTag, kDefaultCaption},
        {coloured,
         R"(<TABLE BORDER="1" WIDTH="0%"  ALIGN="None"  CELLPADDING="1"  CELLSPACING="2"  BGCOLOR="#FFFF00" BORDERCOLOR="#0000FF">)",
         R"(<CAPTION ALIGN="Bottom"><H3>Prices</H3></CAPTION>)"},
        {borderOnly,
         R"(<TABLE BORDER="1" WIDTH="100%"  ALIGN="Center"  CELLPADDING="1"  CELLSPACING="2"  BORDERCOLOR="#00FF00">)",
         kDefaultCaption},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(tableTag(c.attributes), c.tag);
        EXPECT_EQ(captionLine(c.attributes), c.caption);
    }
}

TEST(TableLines, buildGivesOneLinePerTagGroup)
{
    struct Case {
        int rows;
        int columns;
        Lines expected;
    };
    const Case cases[] = {
        {1, 2, {kDefaultTag, kDefaultCaption, "<TR>", cell(0), cell(1), "</TR>", "</TABLE>"}},
        {0, 3, {kDefaultTag, kDefaultCaption, "</TABLE>"}},
        {2, 0, {kDefaultTag, kDefaultCaption, "<TR>", "</TR>", "<TR>", "</TR>", "</TABLE>"}},
    };
    for (const Case& c : cases) {
        const TableLines table = built(c.rows, c.columns);
        EXPECT_EQ(table.lines(), c.expected);
        EXPECT_EQ(table.cellCounter(), c.rows * c.columns);
        EXPECT_TRUE(table.isModified());
    }
    EXPECT_EQ(cell(0), R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" BGCOLOR=""><A HREF="Cell:0.">*</A>Cell:1</TD>)");
}

TEST(TableLines, selectingReadsTheCellAndOnlyAWizardTarget)
{
    TableLines table = built(2, 2);
    const ReadBack<TableCell> read = table.selectCell("Cell:2.");
    ASSERT_TRUE(read.value);
    EXPECT_EQ(table.currentLine(), 7);
    EXPECT_EQ(*read.value, (TableCell {1, 1, "top", "left", "", false, "Cell:3"}));

    for (std::string_view target : {"Cell:9.", "Cell:2", "http://example.com", "Cell:.", "CELL:1x."}) {
        const ReadBack<TableCell> none = table.selectCell(target);
        EXPECT_FALSE(none.value) << target;
        EXPECT_TRUE(none.error.empty()) << target;
        EXPECT_EQ(table.currentLine(), 7) << target;
    }
    // "Cell:1." must not find the cell of "Cell:10.".
    TableLines wide = built(1, 11);
    ASSERT_TRUE(wide.selectCell("Cell:1.").value);
    EXPECT_EQ(wide.currentLine(), 4);
}

TEST(TableLines, headerCellKeepsItsTextThroughEdits)
{
    TableLines table = built(1, 2);
    ASSERT_TRUE(table.selectCell("Cell:0.").value);
    TableCell header {1, 1, "top", "left", "", true, "Item"};
    ASSERT_TRUE(table.updateCell(header));
    EXPECT_EQ(table.lines()[3], R"(<TH ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" BGCOLOR=""><A HREF="Cell:0.">*</A>Item</TH>)");

    const ReadBack<TableCell> read = table.selectCell("Cell:0.");
    ASSERT_TRUE(read.value);
    EXPECT_EQ(*read.value, header);
    TableCell spanned = *read.value;
    spanned.columnSpan = 2;
    spanned.colour = "FF0000";
    table.updateCell(spanned);
    EXPECT_EQ(table.lines()[3],
              R"(<TH ROWSPAN="1" COLSPAN="2" VALIGN="top" ALIGN="left" BGCOLOR="#FF0000"><A HREF="Cell:0.">*</A>Item</TH>)");
    EXPECT_EQ(table.insertFormLines()[3], R"(<TH ROWSPAN="1" COLSPAN="2" VALIGN="top" ALIGN="left" BGCOLOR="#FF0000">Item</TH>)");
}

TEST(TableLines, addCellAndRowKeepTheSelectedCell)
{
    TableAttributes yellow;
    yellow.tableColour = "FFFF00";
    TableLines table = built(1, 2, yellow);
    ASSERT_TRUE(table.selectCell("Cell:0.").value);
    table.setModified(false);
    ASSERT_TRUE(table.addCell(WhereToAdd::After, "FFFF00"));
    EXPECT_EQ(table.lines()[4], cell(2, "#FFFF00"));
    EXPECT_EQ(table.lines()[4],
              R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" BGCOLOR="#FFFF00"><A HREF="Cell:2.">*</A>Cell:3</TD>)");
    EXPECT_TRUE(table.isModified());
    EXPECT_EQ(table.cellCounter(), 3);

    ASSERT_TRUE(table.addCell(WhereToAdd::Before, ""));
    EXPECT_EQ(table.lines()[3], cell(3));
    EXPECT_EQ(table.currentLine(), 4);

    ASSERT_TRUE(table.addRow(WhereToAdd::Before, ""));
    EXPECT_EQ(table.currentLine(), 7);
    EXPECT_EQ((Lines {table.lines().begin() + 2, table.lines().begin() + 5}), (Lines {"<TR>", cell(4), "</TR>"}));
    // A change after "Before" reaches the cell that was selected, not the new one.
    ASSERT_TRUE(table.updateCell({1, 1, "top", "left", "", false, "Changed"}));
    EXPECT_EQ(table.lines()[7].find("Cell:0.") != std::string::npos && table.lines()[7].ends_with(">Changed</TD>"), true)
        << table.lines()[7];

    ASSERT_TRUE(table.addRow(WhereToAdd::After, ""));
    EXPECT_EQ(table.lines()[table.lines().size() - 4], "<TR>");
    EXPECT_EQ(table.lines()[table.lines().size() - 3], cell(5));
}

TEST(TableLines, nothingHappensWithoutASelectedCellOrARow)
{
    TableLines table = built(1, 1);
    table.setModified(false);
    EXPECT_FALSE(table.addCell(WhereToAdd::After, ""));
    EXPECT_FALSE(table.addRow(WhereToAdd::After, ""));
    EXPECT_FALSE(table.deleteCell());
    EXPECT_FALSE(table.updateCell({}));
    EXPECT_FALSE(table.isModified());

    // A definition without row tags: the row search fails and nothing changes.
    TableLines rowless;
    rowless.load({kDefaultTag, kDefaultCaption, cell(0), "</TABLE>"});
    ASSERT_TRUE(rowless.selectCell("Cell:0.").value);
    const Lines before = rowless.lines();
    EXPECT_FALSE(rowless.addRow(WhereToAdd::After, ""));
    EXPECT_FALSE(rowless.addRow(WhereToAdd::Before, ""));
    EXPECT_EQ(rowless.lines(), before);
    EXPECT_EQ(rowless.cellCounter(), 1);

    TableLines never;
    EXPECT_FALSE(never.updateTable({}));
    EXPECT_TRUE(never.lines().empty());
}

TEST(TableLines, deletingTheOnlyCellOfARowRemovesTheRow)
{
    TableLines table = built(2, 1);
    table.setModified(false);
    ASSERT_TRUE(table.selectCell("Cell:1.").value);
    ASSERT_TRUE(table.deleteCell());
    EXPECT_EQ(table.lines(), (Lines {kDefaultTag, kDefaultCaption, "<TR>", cell(0), "</TR>", "</TABLE>"}));
    EXPECT_EQ(table.currentLine(), -1);
    EXPECT_TRUE(table.isModified());

    TableLines two = built(1, 2);
    ASSERT_TRUE(two.selectCell("Cell:0.").value);
    two.deleteCell();
    EXPECT_EQ(two.lines(), (Lines {kDefaultTag, kDefaultCaption, "<TR>", cell(1), "</TR>", "</TABLE>"}));
}

TEST(TableLines, toggleStripsAndRenumbersAnchors)
{
    TableLines table = built(1, 2);
    ASSERT_TRUE(table.selectCell("Cell:1.").value);
    table.deleteCell();
    ASSERT_TRUE(table.selectCell("Cell:0.").value);
    table.addCell(WhereToAdd::After, "");

    const Lines insertForm {kDefaultTag, kDefaultCaption, "<TR>",
                            R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" >Cell:1</TD>)",
                            R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" >Cell:3</TD>)", "</TR>", "</TABLE>"};
    EXPECT_EQ(table.insertFormLines(), insertForm);
    EXPECT_EQ(table.form(), LinesForm::Edit);

    table.toInsertForm();
    EXPECT_EQ(table.lines(), insertForm);
    EXPECT_EQ(table.currentLine(), -1);
    EXPECT_FALSE(table.selectCell("Cell:0.").value);

    table.toEditForm();
    EXPECT_EQ(table.lines()[4], R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" ><A HREF="Cell:1.">*</A>Cell:3</TD>)");
    EXPECT_EQ(table.cellCounter(), 2);
    // Without its empty BGCOLOR the cell still reads back by attribute name.
    const ReadBack<TableCell> read = table.selectCell("Cell:1.");
    ASSERT_TRUE(read.value);
    EXPECT_EQ(*read.value, (TableCell {1, 1, "top", "left", "", false, "Cell:3"}));
    table.updateCell(*read.value);
    EXPECT_EQ(table.lines()[4], cell(1).replace(cell(1).find("Cell:2"), 6, "Cell:3"));
}

TEST(TableLines, linksInCellTextSurviveEveryForm)
{
    TableLines table = built(1, 1);
    ASSERT_TRUE(table.selectCell("Cell:0.").value);
    table.updateCell({1, 1, "top", "left", "", false, R"(<A HREF="menu.htm">Menu</A>)"});
    const std::string edited = table.lines()[3];
    table.toInsertForm();
    EXPECT_EQ(table.lines()[3], R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" ><A HREF="menu.htm">Menu</A></TD>)");
    table.toEditForm();
    table.load(table.lines());
    EXPECT_EQ(table.lines()[3], R"(<TD ROWSPAN="1" COLSPAN="1" VALIGN="top" ALIGN="left" ><A HREF="Cell:0.">*</A><A HREF="menu.htm">Menu</A></TD>)");
    EXPECT_EQ(table.selectCell("Cell:0.").value->text, R"(<A HREF="menu.htm">Menu</A>)");
    EXPECT_NE(edited.find(R"(<A HREF="Cell:0.">*</A><A HREF="menu.htm">)"), std::string::npos);
}

TEST(TableLines, readingTableAttributesBack)
{
    TableAttributes chosen;
    chosen.border = 3;
    chosen.widthPercent = 80;
    chosen.alignment = "Right";
    chosen.padding = 4;
    chosen.spacing = 0;
    chosen.caption = "A \"quoted\" caption";
    chosen.captionSize = 7;
    chosen.captionPosition = "Bottom";
    const std::pair<std::string, std::string> colours[] = {{"", ""}, {"FFFF00", ""}, {"", "00FF00"}, {"ABCDEF", "123456"}};
    for (const auto& [table, border] : colours) {
        chosen.tableColour = table;
        chosen.borderColour = border;
        TableLines lines;
        lines.load(built(1, 1, chosen).lines());
        const ReadBack<TableAttributes> read = lines.readTableAttributes();
        ASSERT_TRUE(read.value) << read.error;
        EXPECT_EQ(*read.value, chosen);
    }
}

TEST(TableLines, damagedDefinitionsReportTheValue)
{
    const std::pair<Lines, std::string> cases[] = {
        {{}, "The table definition has no table tag and caption line"},
        {{kDefaultTag}, "The table definition has no table tag and caption line"},
        {{R"(<TABLE BORDER="x" WIDTH="0%">)", kDefaultCaption}, "'x' is not a valid integer value"},
        {{R"(<TABLE BORDER="1" WIDTH="%"  ALIGN="None"  CELLPADDING="1"  CELLSPACING="2" >)", kDefaultCaption},
         "'' is not a valid integer value"},
        {{"<HTML>", "<BODY>"}, "'' is not a valid integer value"},
        {{kDefaultTag, "<CAPTION>"}, "The caption line has no heading: <CAPTION>"},
        {{kDefaultTag, R"(<CAPTION ALIGN="Top"><Hx></Hx></CAPTION>)"}, "'x' is not a valid integer value"},
    };
    for (const auto& [lines, error] : cases) {
        TableLines table;
        table.load(lines);
        const ReadBack<TableAttributes> read = table.readTableAttributes();
        EXPECT_FALSE(read.value);
        EXPECT_EQ(read.error, error);
    }
    TableLines badSpan;
    badSpan.load({kDefaultTag, kDefaultCaption, "<TR>", R"(<TD ROWSPAN="two" COLSPAN="1">x</TD>)", "</TR>", "</TABLE>"});
    const ReadBack<TableCell> read = badSpan.selectCell("Cell:0.");
    EXPECT_FALSE(read.value);
    EXPECT_EQ(read.error, "'two' is not a valid integer value");
    EXPECT_EQ(badSpan.currentLine(), -1);
}

TEST(CellAttributes, stringHasOnlyWhatDiffersFromTheDefaults)
{
    struct Case {
        CellAttributeChoice choice;
        std::string expected;
    };
    const Case cases[] = {
        {{}, ""},
        {{2, 3, "top", "center", "FF0000", 0, false, 0, false},
         R"( ROWSPAN="2" COLSPAN="3" VALIGN="top" ALIGN="center" BGCOLOR="FF0000")"},
        {{1, 1, "none", "none", "", 40, true, 120, false}, R"( HEIGHT="40%" WIDTH="120")"},
        {{1, 1, "bottom", "none", "", 10, false, 50, true}, R"( VALIGN="bottom" HEIGHT="10" WIDTH="50%")"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(cellAttributeString(c.choice), c.expected);
}

} // namespace
} // namespace tessera::generators
