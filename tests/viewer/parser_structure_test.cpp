#include "viewer_test_support.h"

#include "viewer/model/form.h"
#include "viewer/model/table.h"

#include <gtest/gtest.h>

namespace tessera::viewer::testing {
namespace {

struct DumpCase {
    const char* name;
    const char* html;
    const char* expected;
};

class StructureDump : public ::testing::TestWithParam<DumpCase> {};

TEST_P(StructureDump, BuildsModel)
{
    EXPECT_EQ(dumpOf(GetParam().html, noFonts()), GetParam().expected) << GetParam().html;
}

const DumpCase kListCases[] = {
    {"bulleted", "<UL><LI>one<LI>two</UL>after", "li L1 \"one\"\nli L1 \"two\"\ntext \"after\"\n"},
    {"numberedFromStart", "<OL START=7><LI>a<LI>b</OL><OL START=-3><LI>c</OL><OL START=0><LI>d</OL>",
     "li #7 L1 \"a\"\nli #8 L1 \"b\"\nli #1 L1 \"c\"\nli #0 L1 \"d\"\n"},
    {"plainBullets", "<UL PLAIN><LI>a</UL>", "li plain L1 \"a\"\n"},
    {"dirAndMenuAreBulleted", "<DIR><LI>a</DIR><MENU><LI>b</MENU>", "li L1 \"a\"\nli L1 \"b\"\n"},
    {"definitionList", "<DL><DT>term<DD>meaning</DL>", "dt L1 \"term\"\ndd L1 \"meaning\"\n"},
    {"nestedThreeDeep", "<UL><LI>1<UL><LI>2<OL><LI>3</OL></UL><LI>back</UL>",
     "li L1 \"1\"\nli L2 \"2\"\nli #1 L3 \"3\"\nli L1 \"back\"\n"},
    {"endTagOfOtherKindEndsInnermost", "<OL><LI>a<UL><LI>b</OL><LI>c</UL>d",
     "li #1 L1 \"a\"\nli L2 \"b\"\nli #2 L1 \"c\"\ntext \"d\"\n"},
    {"blockQuoteIsAnIndentedLevel", "a<BLOCKQUOTE>q<P>r</BLOCKQUOTE>b",
     "text \"a\"\ntext L1 \"q\"\npara\ntext L1 \"r\"\ntext \"b\"\n"},
    {"textBeforeFirstItemJoinsOpenSection", "x<UL>y<LI>z</UL>", "text \"xy\"\nli L1 \"z\"\n"},
    {"definitionTextKeepsItsLevel", "<DL><DT>t<DD>d<BR>more<P>para<DT>u</DL>",
     "dt L1 \"t\"\ndd L1 \"d\"\ntext L2 \"more\"\npara\ntext L2 \"para\"\ndt L1 \"u\"\n"},
    {"listInsideADefinitionIsFurtherIn", "<DL><DD>d<UL><LI>x</UL>y</DL>", "dd L1 \"d\"\nli L3 \"x\"\ntext L2 \"y\"\n"},
    {"emptyTextAtTheSameLevelIsNotKept", "a<P><I></I><P>b<UL><LI>c</UL><P><HR>",
     "text \"a\"\npara\npara\ntext \"b\"\nli L1 \"c\"\npara\ntext \"\"\nhr 2 full\n"},
    {"ruleAndTableInList", "<UL><LI>a<HR><TABLE><TD>c</TABLE></UL>",
     "li L1 \"a\"\nhr 2 full\ntable pad=2 space=3\n  row\n    cell\n      text \"c\"\n"},
};

INSTANTIATE_TEST_SUITE_P(Lists, StructureDump, ::testing::ValuesIn(kListCases),
                         [](const auto& info) { return std::string(info.param.name); });

const DumpCase kTableCases[] = {
    {"rowsAndCells", "<TABLE BORDER=2 CELLPADDING=4 CELLSPACING=0 WIDTH=80% ALIGN=center BGCOLOR=silver BORDERCOLOR=red>"
                     "<TR><TD>a<TD>b</TR><TR><TD>c</TABLE>",
     "table border center width=80% pad=5 space=1 bg=#C0C0C0 bordercolor=#FF0000\n  row\n    cell\n      text \"a\"\n"
     "    cell\n      text \"b\"\n  row\n    cell\n      text \"c\"\n"},
    {"cellAttributes", "<TABLE><TR ALIGN=right><TD>r<TD ALIGN=left VALIGN=top COLSPAN=2 ROWSPAN=3 WIDTH=40%>l"
                       "<TH>h<TD BGCOLOR=00FF00 WIDTH=120 VALIGN=bottom>g</TABLE>",
     "table pad=2 space=3\n  row\n    cell\n      text right \"r\"\n    cell span=2x3 top width=40%\n      text \"l\"\n"
     "    cell\n      text right \"h\"\n    cell bottom width=120 bg=#00FF00\n      text right \"g\"\n"},
    {"headerCellsAreCentredAndBold", "<TABLE><TR><TH>h</TH><TD>d</TABLE>",
     "table pad=2 space=3\n  row\n    cell\n      text center \"h\"\n    cell\n      text \"d\"\n"},
    {"endRowIsSkipped", "<TABLE><TR><TD>a</TR><TD>b<TR><TD>c</TABLE>",
     "table pad=2 space=3\n  row\n    cell\n      text \"a\"\n    cell\n      text \"b\"\n  row\n    cell\n      text \"c\"\n"},
    {"cellsBeforeFirstRowMakeARow", "<TABLE><TD>a<TR><TD>b</TABLE>",
     "table pad=2 space=3\n  row\n    cell\n      text \"a\"\n  row\n    cell\n      text \"b\"\n"},
    {"strayTextGoesAheadOfTable", "<TABLE>lost <B>x</B> words<TR><TD>a</TABLE>",
     "text \"lost x words\"\ntable pad=2 space=3\n  row\n    cell\n      text \"a\"\n"},
    {"captions", "<TABLE><CAPTION ALIGN=bottom>cap</CAPTION><TR><TD>a<CAPTION>more</TABLE>",
     "table pad=2 space=3\n  caption bottom\n    text center \"cap\"\n    text center \"more\"\n  row\n    cell\n      text \"a\"\n"},
    {"nested", "<TABLE><TR><TD>out<TABLE BORDER><TR><TD>in</TABLE>tail</TABLE>",
     "table pad=2 space=3\n  row\n    cell\n      text \"out\"\n      table border pad=2 space=3\n        row\n"
     "          cell\n            text \"in\"\n      text \"tail\"\n"},
    {"listInCellEndsAtNextCell", "<TABLE><TR><TD><UL><LI>a<TD>b</TABLE>",
     "table pad=2 space=3\n  row\n    cell\n      li L1 \"a\"\n    cell\n      text \"b\"\n"},
    {"styleIsRestoredAfterTable", "<CENTER>c<TABLE><TR><TH>h</TABLE>d",
     "text center \"c\"\ntable center pad=2 space=3\n  row\n    cell\n      text center \"h\"\ntext center \"d\"\n"},
    // A cell's alignment, and any CENTER inside it, ends with the cell.
    {"centredTableInCenterEndsWithIt", "<CENTER><TABLE><TR><TD ALIGN=center>x</TD></TR></TABLE></CENTER>after",
     "table center pad=2 space=3\n  row\n    cell\n      text center \"x\"\ntext \"after\"\n"},
    {"lastCellAlignmentStaysInTable", "<TABLE ALIGN=center><TR><TD>a<TD ALIGN=center>x</TD></TR></TABLE><P>after",
     "table center pad=2 space=3\n  row\n    cell\n      text \"a\"\n    cell\n      text center \"x\"\npara\n"
     "text \"after\"\n"},
    {"endCenterReturnsToCellAlignment", "<TABLE><TR><TD ALIGN=right><CENTER>a</CENTER>b<P>c</TABLE>d",
     "table pad=2 space=3\n  row\n    cell\n      text center \"a\"\n      text right \"b\"\n      para\n"
     "      text right \"c\"\ntext \"d\"\n"},
    {"centerLeftOpenEndsWithCell", "<CENTER>c<TABLE><TD><CENTER>x<TD>y</TABLE>d</CENTER>e",
     "text center \"c\"\ntable center pad=2 space=3\n  row\n    cell\n      text center \"x\"\n    cell\n"
     "      text \"y\"\ntext center \"d\"\ntext \"e\"\n"},
    {"strayEndCenterInCellKeepsOuterCenter", "<CENTER><TABLE><TD ALIGN=right></CENTER>x</TABLE>z</CENTER>w",
     "table center pad=2 space=3\n  row\n    cell\n      text right \"x\"\ntext center \"z\"\n"
     "text \"w\"\n"},
    {"alignedBlocksInsideCells", "<TABLE><TD><P ALIGN=center>p<H1 ALIGN=right>h</H1>q<DIV ALIGN=center>r</DIV></TABLE>s",
     "table pad=2 space=3\n  row\n    cell\n      para\n      text center \"p\"\n      headspace 1\n"
     "      text right \"h\"\n      headspace 1\n      text \"qr\"\ntext \"s\"\n"},
};

INSTANTIATE_TEST_SUITE_P(Tables, StructureDump, ::testing::ValuesIn(kTableCases),
                         [](const auto& info) { return std::string(info.param.name); });

const DumpCase kPreCases[] = {
    {"linesAreSections", "<PRE>  a  b\n\n<B>c</B> &lt;d\n</PRE>e",
     "pre \"  a  b\"\npre \" \"\npre \"c <d\"\ntext \"e\"\n"},
    {"lineEndsFramingTheTextAreIgnored", "<PRE>\na\n\n</pre>b<PRE>\r\n</PRE>",
     "pre \"a\"\npre \" \"\ntext \"b\"\npre \" \"\n"},
    {"tabsAdvanceToTheNextStop", "<PRE>a\tb&#9;c\n1234567\t8\t|\n\xC3\xA9\tx&#10;y</PRE>",
     "pre \"a       b       c\"\npre \"1234567 8       |\"\npre \"\xC3\xA9       x\"\npre \"y\"\n"},
    {"lessThanWithoutATagIsText", "<PRE>a < b <= c<B>d</B></PRE>", "pre \"a < b <= cd\"\n"},
    {"breakIsALineEnd", "<PRE>a<BR>\nb<P>c</PRE>", "pre \"a\"\npre \"b\"\npre \"c\"\n"},
    {"otherTagsAreIgnored", "<PRE>a<TABLE><TD>b</TD></TABLE><H1>c</PRE>", "pre \"abc\"\n"},
    {"linkAcrossLines", "<PRE><A HREF=x>a\nb</A>c</PRE>", "pre \"a\"\npre \"bc\"\n"},
    {"imageAndControlInPre", "<PRE>a<IMG SRC=i>b<INPUT NAME=n></PRE>",
     "pre \"a[img]b[ctl]\"\n  img @1 \"i\" bottom\n  control @3 edit \"n\"\nform \"Get\" \"\"\n  edit \"n\"=\"\" size=20\n"},
};

INSTANTIATE_TEST_SUITE_P(Pre, StructureDump, ::testing::ValuesIn(kPreCases),
                         [](const auto& info) { return std::string(info.param.name); });

const DumpCase kFormCases[] = {
    {"everyControlKind",
     "<FORM METHOD=POST ACTION=\"/cgi-bin/a\"><INPUT NAME=e VALUE=\"v w\" SIZE=30 MAXLENGTH=5>"
     "<INPUT TYPE=PASSWORD NAME=p><INPUT TYPE=hidden NAME=h VALUE=1><INPUT TYPE=checkbox NAME=c CHECKED>"
     "<INPUT TYPE=radio NAME=r VALUE=1><INPUT TYPE=submit><INPUT TYPE=reset VALUE=Clear>"
     "<INPUT TYPE=image NAME=i><INPUT TYPE=file NAME=f><INPUT TYPE=frobnicate NAME=u>"
     "<SELECT NAME=s><OPTION>one<OPTION VALUE=2 SELECTED>  two  </SELECT>"
     "<SELECT NAME=m MULTIPLE><OPTION SELECTED>x<OPTION>y</OPTION>z<OPTION SELECTED>w</SELECT>"
     "<SELECT NAME=l SIZE=3><OPTION>q</SELECT>"
     "<TEXTAREA NAME=t ROWS=3 COLS=40>a &amp; <b>b</b>\nc</TEXTAREA></FORM>",
     "text \"[ctl][ctl][ctl][ctl][ctl][ctl][ctl][ctl][ctl][ctl][ctl][ctl][ctl]\"\n"
     "  control @0 edit \"e\"\n  control @1 edit \"p\"\n  control @2 checkbox \"c\"\n  control @3 radio \"r\"\n"
     "  control @4 button \"\"\n  control @5 button \"\"\n  control @6 edit \"i\"\n  control @7 edit \"f\"\n"
     "  control @8 edit \"u\"\n  control @9 combo \"s\"\n  control @10 listbox \"m\"\n  control @11 listbox \"l\"\n"
     "  control @12 textarea \"t\"\n"
     "form \"POST\" \"/cgi-bin/a\"\n  edit \"e\"=\"v w\" size=30 max=5\n  edit \"p\"=\"\" size=20 password\n"
     "  hidden \"h\"=\"1\"\n  checkbox \"c\"=\"\" checked\n  radio \"r\"=\"1\"\n  button \"\"=\"\" submit \"Submit\"\n"
     "  button \"\"=\"Clear\" reset \"Clear\"\n  edit \"i\"=\"\" size=20\n  edit \"f\"=\"\" size=20\n"
     "  edit \"u\"=\"\" size=20\n  combo \"s\"=\"\" \"one\" \"two\"=\"2\"*\n  listbox \"m\"=\"\" multiple \"x\"* \"y\" \"w\"*\n"
     "  listbox \"l\"=\"\" rows=3 \"q\"\n  textarea \"t\"=\"\" 3x40 \"a &amp; <b>b</b>\" \"c\"\n"},
    {"controlsOutsideFormShareAnImplicitForm", "<INPUT NAME=a><FORM></FORM><INPUT NAME=b>",
     "text \"[ctl][ctl]\"\n  control @0 edit \"a\"\n  control @1 edit \"b\"\nform \"Get\" \"\"\n  edit \"a\"=\"\" size=20\n"
     "form \"Get\" \"\"\nform \"Get\" \"\"\n  edit \"b\"=\"\" size=20\n"},
    {"comboShowsFirstOptionWithoutSelected", "<SELECT NAME=s><OPTION>a<OPTION>b</SELECT>",
     "text \"[ctl]\"\n  control @0 combo \"s\"\nform \"Get\" \"\"\n  combo \"s\"=\"\" \"a\"* \"b\"\n"},
    {"textAreaEndTagInAnyCase", "<TEXTAREA NAME=t>x</TeXtArEa   junk>after",
     "text \"[ctl]after\"\n  control @0 textarea \"t\"\nform \"Get\" \"\"\n  textarea \"t\"=\"\" 2x20 \"x\"\n"},
};

INSTANTIATE_TEST_SUITE_P(Forms, StructureDump, ::testing::ValuesIn(kFormCases),
                         [](const auto& info) { return std::string(info.param.name); });

const DumpCase kMapCases[] = {
    {"areas", "<MAP NAME=nav><AREA SHAPE=rect COORDS=\"0,0,10,10\" HREF=a.htm>text<AREA SHAPE=CIRCLE COORDS=\"5, 5, 3\" "
              "HREF=b.htm><AREA SHAPE=poly COORDS=\"0,0,10,0,10,10,7\" NOHREF><AREA COORDS=\"1,2,3\" HREF=short></MAP>",
     "map \"NAV\"\n  rect 0,0,10,10 -> \"a.htm\"\n  circle 5,5,3 -> \"b.htm\"\n  poly 0,0,10,0,10,10 -> \"\"\n"},
    {"mapWithoutEndIsDropped", "<MAP NAME=m><AREA COORDS=\"0,0,1,1\" HREF=a>", ""},
};

INSTANTIATE_TEST_SUITE_P(Maps, StructureDump, ::testing::ValuesIn(kMapCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParserTables, SpansAreClampedBeforeUse)
{
    Parsed page = parse("<TABLE CELLPADDING=99999999999 CELLSPACING=-7><TR><TD COLSPAN=2000000000 ROWSPAN=-4>x</TABLE>");
    const auto& table = dynamic_cast<const ThtmlTable&>(page.section(1));
    EXPECT_EQ(table.cellPadding(), ThtmlTable::kMaxPadding);
    EXPECT_EQ(table.cellSpacing(), 0);
    const TCellObj& cell = *table.rows().at(0).at(0);
    EXPECT_EQ(cell.colSpan(), TCellObj::kMaxSpan);
    EXPECT_EQ(cell.rowSpan(), 1);
}

TEST(ParserTables, HeadingsFontsAndLinksLeftOpenEndWithTheCell)
{
    EXPECT_EQ(dumpOf("<TABLE><TD><H1>x<TD>y</TABLE>z"),
              "table pad=2 space=3\n  row\n    cell\n      headspace 1\n      text \"x\"\n        fonts @0{24 b}\n"
              "    cell\n      text \"y\"\n        fonts @0{12}\ntext \"z\"\n  fonts @0{12}\n");
    EXPECT_EQ(dumpOf("<TABLE><TD><FONT SIZE=7><A HREF=q>x</TABLE>z</A>w"),
              "table pad=2 space=3\n  row\n    cell\n      text \"x\"\n        fonts @0{36 u #0000FF ->q}\n"
              "text \"zw\"\n  fonts @0{12}\n");
    // A link open around the table goes on after it, and a font closed inside a cell is back.
    EXPECT_EQ(dumpOf("<B><FONT SIZE=5><A HREF=q>a<TABLE><TD></FONT></A>x</TABLE>z</A>w"),
              "text \"a\"\n  fonts @0{18 b u #0000FF ->q}\ntable pad=2 space=3\n  row\n    cell\n      text \"x\"\n"
              "        fonts @0{12}\ntext \"zw\"\n  fonts @0{18 b u #0000FF ->q} @1{18 b}\n");
}

TEST(ParserForms, ControlsKnowTheirForm)
{
    Parsed page = parse("<FORM ACTION=x><INPUT NAME=a></FORM><FORM ACTION=y><INPUT NAME=b></FORM>");
    ASSERT_EQ(page.document->forms().size(), 2u);
    EXPECT_EQ(page.document->forms()[0]->controls().at(0)->form(), page.document->forms()[0].get());
    EXPECT_EQ(page.document->forms()[1]->controls().at(0)->name(), "b");
}

} // namespace
} // namespace tessera::viewer::testing
