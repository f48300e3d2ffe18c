#include "viewer_test_support.h"

#include "viewer/parser/symbols.h"

#include <gtest/gtest.h>

namespace tessera::viewer::testing {
namespace {

struct DumpCase {
    const char* name;
    const char* html;
    const char* expected;
};

class TagDump : public ::testing::TestWithParam<DumpCase> {};

TEST_P(TagDump, BuildsModel)
{
    EXPECT_EQ(dumpOf(GetParam().html), GetParam().expected) << GetParam().html;
}

// Each tag family of the reader, with fonts shown as @position{points flags colour ->link}.
const DumpCase kTagCases[] = {
    {"whiteSpaceCollapses", "one   two\r\n\tthree", "text \"one two three\"\n  fonts @0{12}\n"},
    {"styleTags", "a<B>b</B><I>i</I><U>u</U><STRONG>s</STRONG><EM>e</EM><CITE>c</CITE><VAR>v</VAR>z",
     "text \"abiusecvz\"\n  fonts @0{12} @1{12 b} @2{12 i} @3{12 u} @4{12 b} @5{12 i} @6{12 i} @7{12 i} @8{12}\n"},
    {"twoFontChangesWithoutTextMakeOneObject", "a<B><I>b", "text \"ab\"\n  fonts @0{12} @1{12 b i}\n"},
    {"subscriptAndSuperscriptAreThreeQuarters", "H<SUB>2</SUB>O x<SUP>2</SUP>",
     "text \"H2O x2\"\n  fonts @0{12} @1{12/9 sub} @2{12} @5{12/9 sup} @6{12}\n"},
    {"fixedPitchTags", "<TT>t</TT><CODE>c</CODE><KBD>k</KBD><SAMP>s</SAMP>x",
     // A font ended and another begun with no text between them make one font object.
     "text \"tcksx\"\n  fonts @0{'Courier New' 12 fixed} @1{'Courier New' 12 fixed} @2{'Courier New' 12 fixed} "
     "@3{'Courier New' 12 fixed} @4{12}\n"},
    {"headingCentred", "<H1 ALIGN=center>Title</H1>after",
     "headspace 1\ntext center \"Title\"\n  fonts @0{24 b}\nheadspace 1\ntext \"after\"\n  fonts @0{12}\n"},
    {"headingLevelSevenIsLevelZero", "<H7>x</H7>",
     "headspace 0\ntext \"x\"\n  fonts @0{12}\nheadspace 0\n"},
    {"headingSizes", "<H2>a</H2><H3>b</H3><H6>c</H6>",
     "headspace 2\ntext \"a\"\n  fonts @0{18 b}\nheadspace 2\nheadspace 3\ntext \"b\"\n  fonts @0{15 b}\nheadspace 3\n"
     "headspace 6\ntext \"c\"\n  fonts @0{8 b}\nheadspace 6\n"},
    {"endHeadingWithoutStartIsIgnored", "a</H2>b", "text \"ab\"\n  fonts @0{12}\n"},
    {"paragraphsMergeAndAlign", "a<P><P> </P>\n<P ALIGN=right>b<P>c",
     "text \"a\"\n  fonts @0{12}\npara\ntext right \"b\"\n  fonts @0{12}\npara\ntext \"c\"\n  fonts @0{12}\n"},
    {"consecutiveBreaksGiveBlankLines", "a<BR><BR>b<UL><LI>c<BR><BR CLEAR=left><BR></UL>",
     "text \"a\"\n  fonts @0{12}\nblank\ntext \"b\"\n  fonts @0{12}\nli L1 \"c\"\n  fonts @0{12}\nblank L1\n"
     "blank L1 clear\n"},
    {"breakClear", "a<BR CLEAR=left>b<BR CLEAR=RIGHT>c<BR CLEAR>d<BR CLEAR=x>e",
     "text \"a\"\n  fonts @0{12}\ntext clear=1 \"b\"\n  fonts @0{12}\ntext clear=2 \"c\"\n  fonts @0{12}\n"
     "text clear=3 \"d\"\n  fonts @0{12}\ntext clear=3 \"e\"\n  fonts @0{12}\n"},
    {"center", "a<CENTER>b</CENTER>c",
     "text \"a\"\n  fonts @0{12}\ntext center \"b\"\n  fonts @0{12}\ntext \"c\"\n  fonts @0{12}\n"},
    {"nestedCenterEndsOneAtATime", "<CENTER>a<CENTER>b</CENTER>c</CENTER>d</CENTER>e",
     "text center \"a\"\n  fonts @0{12}\ntext center \"b\"\n  fonts @0{12}\ntext center \"c\"\n  fonts @0{12}\n"
     "text \"d\"\n  fonts @0{12}\ntext \"e\"\n  fonts @0{12}\n"},
    {"address", "a<ADDRESS>b</ADDRESS>c",
     "text \"a\"\n  fonts @0{12}\ntext \"b\"\n  fonts @0{12 i}\ntext \"c\"\n  fonts @0{12}\n"},
    {"rules", "<HR><HR SIZE=5 WIDTH=50%><HR SIZE=99 WIDTH=300><HR WIDTH=150% SIZE=0><HR NOSHADE>",
     "hr 2 full\nhr 5 50%\nhr 20 300px\nhr 2 full\nhr 2 full noshade\n"},
    {"image", "x<IMG SRC=\"a.gif\" ALT='A pic' WIDTH=10 HEIGHT=20 ALIGN=Middle BORDER=0 TRANSP ISMAP USEMAP=\" #Nav \">",
     "text \"x[img]\"\n  fonts @0{12}\n  img @1 \"a.gif\" alt=\"A pic\" 10x20 middle noborder transp ismap usemap=NAV\n"},
    {"floatingImages", "<IMG SRC=l ALIGN=left><IMG SRC=r ALIGN=RIGHT><IMG SRC=d ALIGN=absmiddle>",
     "text \"[img][img][img]\"\n  fonts @0{12}\n  img @0 \"l\" left\n  img @1 \"r\" right\n  img @2 \"d\" bottom\n"},
    {"link", "go <A HREF=\"next.htm#top\">next</A> now",
     "text \"go next now\"\n  fonts @0{12} @3{12 u #0000FF ->next.htm#top} @7{12}\n"},
    {"linkWithoutHrefIsNotALink", "<A>x</A><A HREF=\"\">y</A>", "text \"xy\"\n  fonts @0{12}\n"},
    {"anchor", "<A NAME=top>x</A>", "text \"x\"\n  fonts @0{12}\nanchor TOP in \"x\"\n"},
    {"nestedLinkReplacesOpenLink", "<A HREF=a>1<A HREF=b>2</A>3",
     "text \"123\"\n  fonts @0{12 u #0000FF ->a} @1{12 u #0000FF ->b} @2{12}\n"},
    {"unknownTagsAreSkipped", "a<DIV CLASS=x>b</DIV><SPAN>c</SPAN><SCRIPT>d</SCRIPT><NOBR>e",
     "text \"abcde\"\n  fonts @0{12}\n"},
    {"endTagOfStartOnlyTagIsUnknown", "a</LI></BR>b", "text \"ab\"\n  fonts @0{12}\n"},
    {"greaterThanIsText", "n must be >= 1 ==> x--> y", "text \"n must be >= 1 ==> x--> y\"\n  fonts @0{12}\n"},
    {"lessThanBeforeABlankIsText", "a < b<BR>c <3 <", "text \"a < b\"\n  fonts @0{12}\ntext \"c <3 <\"\n  fonts @0{12}\n"},
};

INSTANTIATE_TEST_SUITE_P(Tags, TagDump, ::testing::ValuesIn(kTagCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Font sizes, colours and faces.
const DumpCase kFontCases[] = {
    {"absoluteSize", "<FONT SIZE=5>x</FONT>y", "text \"xy\"\n  fonts @0{18} @1{12}\n"},
    {"relativeSize", "<FONT SIZE=+1>a</FONT><FONT SIZE=-2>b</FONT>", "text \"ab\"\n  fonts @0{14} @1{8} @2{12}\n"},
    {"sizeAboveTableClamps", "<FONT SIZE=+9>a</FONT><FONT SIZE=-99999999999>b</FONT><FONT SIZE=0>c</FONT>",
     "text \"abc\"\n  fonts @0{36} @1{8} @2{8} @3{12}\n"},
    {"colourByName", "<FONT COLOR=Navy>a</FONT>", "text \"a\"\n  fonts @0{12 #000080} @1{12}\n"},
    {"colourByNumber", "<FONT COLOR=\"#ff8000\">a<FONT COLOR=00FF00>b", "text \"ab\"\n  fonts @0{12 #FF8000} @1{12 #00FF00}\n"},
    {"badColourKeepsCurrent", "<FONT COLOR=red><FONT COLOR=#GG0000>a", "text \"a\"\n  fonts @0{12 #FF0000}\n"},
    {"face", "<FONT FACE=\"Arial\">a</FONT><FONT FACE=\"\">b", "text \"ab\"\n  fonts @0{'Arial' 12} @1{12}\n"},
    {"baseFontSetsRelativeBase", "<BASEFONT SIZE=5>a<FONT SIZE=+1>b</FONT>", "text \"ab\"\n  fonts @0{18} @1{24} @2{18}\n"},
    {"baseFontIgnoresColour", "<BASEFONT COLOR=red FACE=Arial>a", "text \"a\"\n  fonts @0{12}\n"},
    {"bigAndSmallStep", "<BIG>a</BIG><SMALL>b</SMALL><BIG><BIG>c", "text \"abc\"\n  fonts @0{14} @1{10} @2{18}\n"},
    {"bigStopsAtLargestStep", "<FONT SIZE=7><BIG>a", "text \"a\"\n  fonts @0{36}\n"},
    {"smallStopsAtSmallestStep", "<FONT SIZE=1><SMALL>a", "text \"a\"\n  fonts @0{8}\n"},
    {"stepFromSizeOutsideTableClampsToNearest", "<H3><BIG>a", "headspace 3\ntext \"a\"\n  fonts @0{18 b}\n"},
    {"fixedFontsUseFixedTable", "<TT><FONT SIZE=5>a", "text \"a\"\n  fonts @0{'Courier New' 15 fixed}\n"},
};

INSTANTIATE_TEST_SUITE_P(Fonts, TagDump, ::testing::ValuesIn(kFontCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ParserDocument, BodyAttributesSetDocumentColours)
{
    Parsed page = parse("<HTML><HEAD><TITLE>My &amp; page</TITLE><BASE HREF=\"c:\\site\\\"></HEAD>"
                        "<BODY TEXT=\"#800000\" LINK=lime BGCOLOR=white BACKGROUND=\"bg.gif\">x</BODY></HTML>");
    EXPECT_EQ(page.result.title, "My & page");
    EXPECT_EQ(page.result.base, "c:\\site\\");
    EXPECT_EQ(page.document->fontColor(), Color::fromRgb(0x800000));
    EXPECT_EQ(page.document->linkColor(), Color::fromRgb(0x00FF00));
    EXPECT_EQ(page.document->background(), Color::fromRgb(0xFFFFFF));
    EXPECT_EQ(page.document->backgroundImageName(), "bg.gif");
    // The base font takes the text colour.
    EXPECT_EQ(page.text(0).fonts()[0].font().color, Color::fromRgb(0x800000));
}

TEST(ParserDocument, BodyDiscardsTextBeforeIt)
{
    EXPECT_EQ(dumpOf("stray<BODY>x"), "text \"x\"\n  fonts @0{12}\n");
}

TEST(ParserDocument, BodyAfterParagraphIsIgnored)
{
    Parsed page = parse("a<P>b<BODY BGCOLOR=red>c");
    EXPECT_EQ(page.dump(noFonts()), "text \"a\"\npara\ntext \"bc\"\n");
    EXPECT_EQ(page.document->background(), colors::kButtonFace);
}

TEST(ParserDocument, TextAfterBodyEndIsShown)
{
    EXPECT_EQ(dumpOf("<BODY>a</BODY>b</HTML>c", noFonts()), "text \"abc\"\n");
}

TEST(ParserDocument, AttributeQuirks)
{
    // Unquoted, single-quoted, duplicated, missing values, names in any case, odd spacing.
    Parsed page = parse("<img src=a.gif ALT = 'x y' width=\"12%\" Width=99 height BORDER><table border>"
                        "<td colspan = 2 bgcolor=\"  #0000FF  \">z</table>");
    const TSection& section = page.text(0);
    ASSERT_EQ(section.images().size(), 1u);
    const TImageObj& image = *section.images()[0];
    EXPECT_EQ(image.source(), "a.gif");
    EXPECT_EQ(image.alt(), "x y");
    EXPECT_EQ(image.specifiedWidth(), 12); // the first WIDTH wins
    EXPECT_EQ(image.specifiedHeight(), 0);
    EXPECT_FALSE(image.noBorder()); // BORDER without a value counts as 1
    EXPECT_EQ(page.dump(noFonts()),
              "text \"[img]\"\n  img @0 \"a.gif\" alt=\"x y\" 12x0 bottom\n"
              "table border pad=2 space=3\n  row\n    cell span=2x1 bg=#0000FF\n      text \"z\"\n");
}

TEST(ParserDocument, ParagraphAlignmentBelongsToItsOwnParagraph)
{
    // A P's ALIGN is its paragraph's alone; the tag after the P brings no ALIGN of its own to it.
    EXPECT_EQ(dumpOf("<P ALIGN=right>a<B ALIGN=left>b<P>c", noFonts()),
              "para\ntext right \"ab\"\npara\ntext \"c\"\n");
    EXPECT_EQ(dumpOf("<P><IMG SRC=a ALIGN=right>text<P>next", noFonts()),
              "para\ntext \"[img]text\"\n  img @0 \"a\" right\npara\ntext \"next\"\n");
    EXPECT_EQ(dumpOf("<P ALIGN=center>x<P>next", noFonts()),
              "para\ntext center \"x\"\npara\ntext \"next\"\n");
}

TEST(ParserSymbols, EveryNameFindsItsSymbolAndNoOther)
{
    const char* const tags[] = {
        "HTML", "TITLE", "BODY", "HEAD", "B", "I", "H", "EM", "STRONG", "U", "CITE", "VAR", "TT", "CODE", "KBD",
        "SAMP", "OL", "UL", "DIR", "MENU", "DL", "A", "ADDRESS", "BLOCKQUOTE", "PRE", "CENTER", "TABLE", "TD", "TH",
        "CAPTION", "FORM", "TEXTAREA", "SELECT", "OPTION", "FONT", "SUB", "SUP", "BIG", "SMALL", "P", "MAP", "LI",
        "BR", "HR", "DD", "DT", "IMG", "BASE", "TR", "BUTTON", "INPUT", "SELECTED", "BASEFONT", "AREA",
    };
    for (std::size_t i = 0; i < std::size(tags); ++i)
        EXPECT_EQ(static_cast<int>(lookupTag(tags[i])), static_cast<int>(i) + 1) << tags[i];
    const char* const attributes[] = {
        "HREF", "NAME", "SRC", "ALT", "ALIGN", "TEXT", "BGCOLOR", "LINK", "BACKGROUND", "COLSPAN", "ROWSPAN",
        "BORDER", "CELLPADDING", "CELLSPACING", "VALIGN", "WIDTH", "START", "VALUE", "TYPE", "CHECKBOX", "RADIO",
        "METHOD", "ACTION", "CHECKED", "SIZE", "MAXLENGTH", "COLS", "ROWS", "MULTIPLE", "SELECTED", "FACE", "COLOR",
        "TRANSP", "CLEAR", "ISMAP", "BORDERCOLOR", "USEMAP", "SHAPE", "COORDS", "NOHREF", "HEIGHT", "PLAIN",
        "NOSHADE",
    };
    for (std::size_t i = 0; i < std::size(attributes); ++i)
        EXPECT_EQ(static_cast<int>(lookupAttribute(attributes[i])), static_cast<int>(i) + 1) << attributes[i];
    // Names the tables do not hold: near misses, other cases (callers upper-case first), none.
    for (const char* other : {"", "HTM", "HTMLX", "BLOCKQUOTES", "DIV", "SPAN", "b", "Table", "BB", "AB", "Z"}) {
        EXPECT_EQ(lookupTag(other), Tag::Unknown) << other;
        EXPECT_EQ(lookupAttribute(other), AttrSymbol::Unknown) << other;
    }
}

} // namespace
} // namespace tessera::viewer::testing
