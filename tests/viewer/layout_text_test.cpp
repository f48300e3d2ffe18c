#include "layout_test_support.h"

#include "viewer/model/clipbuffer.h"

#include "viewer/model/fixedsections.h"
#include "viewer/model/imageobj.h"
#include "viewer/model/viewererror.h"

#include <gtest/gtest.h>

namespace tessera::viewer::testing {
namespace {

struct BreakCase {
    const char* name;
    const char* html;
    int width;
    const char* lines;
};

TEST(LayoutLines, BreakAtSpaces)
{
    const BreakCase cases[] = {
        {"wraps at spaces", "aaa bbb ccc", 41, "0:aaa |0:bbb |0:ccc"},
        {"a word that fits exactly stays", "aaa bbb ccc", 42, "0:aaa bbb |0:ccc"},
        {"exact fit to the pixel", "aaaaaa bbb", 36, "0:aaaaaa |0:bbb"},
        {"long word overflows whole", "abcdefghij kl", 30, "0:abcdefghij |0:kl"},
        {"no break at a non-breaking space", "aa&nbsp;bb cc", 36, "0:aa\xC2\xA0" "bb |0:cc"},
        {"the space after a word stays with its line", "aa bb", 12, "0:aa |0:bb"},
        {"a pane one pixel wide still ends", "ab cd", 1, "0:ab |0:cd"},
        {"fonts change inside a line", "aa <b>bb</b> cc", 100, "0:aa bb cc"},
    };
    for (const BreakCase& c : cases) {
        auto laid = layOut(c.html, c.width);
        EXPECT_EQ(linesOf(laid->firstText()), c.lines) << c.name;
    }
}

TEST(LayoutLines, LayingOutAgainReusesNothingStale)
{
    // Lines are kept from one layout to the next only as memory: a narrower layout with more
    // lines and a wider one with fewer give what a fresh layout gives.
    const char* html = "aaa bbb ccc ddd eee<TABLE><TR><TD>fff ggg hhh</TABLE><UL><LI>iii jjj kkk</UL>";
    auto laid = layOut(html, 800);
    for (int width : {40, 800, 90, 40}) {
        laid->engine.layoutDocument(laid->document(), width);
        EXPECT_EQ(laid->dump(), layOut(html, width)->dump()) << width;
    }
}

TEST(LayoutLines, PreformattedNeverWraps)
{
    auto laid = layOut("<pre>a line of preformatted text far wider than the space</pre>", 30);
    EXPECT_EQ(laid->firstText().lines().size(), 1u);
    EXPECT_EQ(laid->firstText().lines()[0].lineHeight, 13);
}

TEST(LayoutLines, LineHeightIsTheTallestFont)
{
    auto laid = layOut("small <font size=7>BIG</font> small", 400);
    const LineRec& line = lineAt(laid->firstText(), 0);
    // Size 7 is 36 points here: 36 + 12 high, descent 9.
    EXPECT_EQ(line.lineHeight, 48);
    EXPECT_EQ(line.descent, 9);
}

TEST(LayoutLines, Justification)
{
    struct Case {
        const char* html;
        int width;
        int indent;
    };
    const Case cases[] = {
        {"<p align=right>ab</p>", 100, 88},
        {"<center>ab</center>", 100, 44},
        // Wider than the space: never left of the indent, where scrolling could not reach.
        {"<center>aaaaaaaaaaaaaaaaaaaa</center>", 60, 0},
        {"<p align=right>aaaaaaaaaaaaaaaaaaaa</p>", 60, 0},
        // Trailing spaces do not count for the line's width.
        {"<p align=right>ab   </p>", 100, 88},
    };
    for (const Case& c : cases) {
        auto laid = layOut(c.html, c.width);
        EXPECT_EQ(lineAt(laid->firstText(), 0).lineIndent, c.indent) << c.html;
    }
}

TEST(LayoutLines, ItemWiderThanThePaneGetsItsOwnLine)
{
    // A banner in a narrow pane: it overflows on a line of its own, and the text follows.
    auto laid = layOut("<img src=x width=300 height=20>text after", 100);
    EXPECT_EQ(linesOf(laid->firstText()), "0:[img]|0:text after");
    // A pane a few pixels wide with images and controls only.
    auto narrow = layOut("<img src=x width=30 height=20><img src=y width=30 height=20><input><input type=checkbox>", 3);
    EXPECT_EQ(linesOf(narrow->firstText()), "0:[img]|0:[img]|0:[ctl]|0:[ctl]");
}

TEST(LayoutLines, InlineImagesMakeRoomByAlignment)
{
    struct Case {
        const char* align;
        int above;
        int below;
        int imageTop; // relative to the section
    };
    const Case cases[] = {
        {"top", 0, 14, 0},
        {"middle", 7, 7, 0},
        // On the baseline: 30 - (16 - 3) above, the image ends 3 above the line's bottom.
        {"bottom", 17, 0, 0},
    };
    for (const Case& c : cases) {
        auto laid = layOut(std::string("ab <img src=x width=20 height=30 align=") + c.align + "> cd", 400);
        TSection& section = laid->firstText();
        const LineRec& line = lineAt(section, 0);
        EXPECT_EQ(line.spaceBefore, c.above) << c.align;
        EXPECT_EQ(line.spaceAfter, c.below) << c.align;
        EXPECT_EQ(section.images().at(0)->drawY - section.yPosition, c.imageTop) << c.align;
        EXPECT_EQ(section.images().at(0)->drawX, 18) << c.align;
    }
}

TEST(LayoutFloats, LeftImageTextFlowsPastAndReturns)
{
    auto laid = layOut("<img src=x width=50 height=40 align=left>aaaa bbbb cccc dddd eeee", 85);
    TSection& section = laid->firstText();
    // 85 - 55 leaves room for 5 characters beside the image; lines at 0, 16 and 32 are beside
    // it (its bottom is 40), the line at 48 is below.
    EXPECT_EQ(linesOf(section), "55:[img]aaaa |55:bbbb |55:cccc |0:dddd eeee");
    EXPECT_EQ(section.images().at(0)->drawX, 0);
    EXPECT_EQ(section.images().at(0)->drawY, 0);
}

TEST(LayoutFloats, RightImageNarrowsTheRightSide)
{
    auto laid = layOut("<img src=x width=50 height=20 align=right>aaaa bbbb cccc", 100);
    TSection& section = laid->firstText();
    EXPECT_EQ(section.images().at(0)->drawX, 50);
    EXPECT_EQ(linesOf(section), "0:[img]aaaa |0:bbbb |0:cccc");
    EXPECT_EQ(section.lines()[0].drawWidth, 24);
}

TEST(LayoutFloats, ClearMovesBelowTheImageOnlyWhenThereIsOne)
{
    auto laid = layOut("<img src=x width=50 height=40 align=left>ab<br clear=left>cd", 300);
    std::string dump = laid->dump();
    EXPECT_NE(dump.find("line y=16 x=0 w=12 h=16 above=25 \"cd\""), std::string::npos) << dump;
    auto plain = layOut("ab<br clear=left>cd", 300);
    dump = plain->dump();
    EXPECT_NE(dump.find("line y=16 x=0 w=12 h=16 \"cd\""), std::string::npos) << dump;
}

TEST(LayoutFloats, FloatReachingBelowTheTextSetsDrawHeight)
{
    auto laid = layOut("<img src=x width=50 height=40 align=left>ab", 300);
    TSection& section = laid->firstText();
    EXPECT_EQ(section.sectionHeight, 16);
    EXPECT_EQ(section.drawHeight, 40);
    EXPECT_EQ(laid->result.height, 40);
}

TEST(LayoutLists, NestedLevelsIndentBy35)
{
    auto laid = layOut("<ul><li>one<ul><li>two<ul><li>three</ul></ul><li>back</ul>after", 400);
    EXPECT_EQ(laid->dump(),
              "text y=0 h=0\n"
              "ul y=0 h=16\n  line y=0 x=35 w=18 h=16 \"one\"\n"
              "ul y=16 h=16\n  line y=16 x=70 w=18 h=16 \"two\"\n"
              "ul y=32 h=16\n  line y=32 x=105 w=30 h=16 \"three\"\n"
              "ul y=48 h=16\n  line y=48 x=35 w=24 h=16 \"back\"\n"
              "text y=64 h=16\n  line y=64 x=0 w=30 h=16 \"after\"\n");
}

TEST(LayoutLists, ParagraphsInsideADefinitionKeepItsIndent)
{
    auto laid = layOut("<dl><dt>term<dd>one<br>two<p>three<dt>next</dl>after", 400);
    EXPECT_EQ(laid->dump(),
              "text y=0 h=0\n"
              "dl y=0 h=16\n  line y=0 x=35 w=24 h=16 \"term\"\n"
              "dl y=16 h=16\n  line y=16 x=70 w=18 h=16 \"one\"\n"
              "text y=32 h=16\n  line y=32 x=70 w=18 h=16 \"two\"\n"
              "par y=48 h=14\n"
              "text y=62 h=16\n  line y=62 x=70 w=30 h=16 \"three\"\n"
              "dl y=78 h=16\n  line y=78 x=35 w=24 h=16 \"next\"\n"
              "text y=94 h=16\n  line y=94 x=0 w=30 h=16 \"after\"\n");
}

TEST(LayoutLines, BlankLinesTakeTheCurrentLineHeight)
{
    auto laid = layOut("a<br><br><font size=7><br></font>b", 400);
    EXPECT_EQ(laid->dump(),
              "text y=0 h=16\n  line y=0 x=0 w=6 h=16 \"a\"\n"
              "blank y=16 h=16\n"
              "blank y=32 h=48\n"
              "text y=80 h=16\n  line y=80 x=0 w=6 h=16 \"b\"\n");
    // Copied across, each blank line is a line end.
    TSectionList& document = laid->document();
    document.selectionStart = 0;
    document.selectionEnd = 2;
    ClipBuffer buffer;
    EXPECT_EQ(document.copySelection(buffer), "a\r\n\r\n\r\nb");
}

TEST(LayoutLists, WrappedItemKeepsItsIndent)
{
    auto laid = layOut("<ol><li>aaaa bbbb cccc</ol>", 35 + 30);
    EXPECT_EQ(linesOf(static_cast<TSection&>(*laid->document().sections().at(1))), "35:aaaa |35:bbbb |35:cccc");
}

TEST(LayoutFixed, RulesAndSpaces)
{
    auto laid = layOut("<hr><hr width=50%><hr width=100 size=5><p>x", 300);
    EXPECT_EQ(laid->dump(),
              "text y=0 h=0\n"
              "hr y=0 h=20 x=0 w=300\n"
              "hr y=20 h=20 x=75 w=150\n"
              "hr y=40 h=23 x=100 w=100\n"
              "par y=63 h=14\n"
              "text y=77 h=16\n  line y=77 x=0 w=6 h=16 \"x\"\n");
}

TEST(LayoutPosition, ValuesSaturateAtSixteenBits)
{
    auto laid = layOut("a", 100);
    TSectionList& document = laid->document();
    // A section far down: its offset saturates instead of wrapping into the section index.
    EXPECT_EQ(positionValue(document, 100000) & 0xFFFF, 0xFFFFu);
    EXPECT_EQ(positionValue(document, 100000) >> 16, 0u);
    for (int i = 0; i < 70000; ++i)
        document.Add(std::make_unique<TParagraphSpace>(&document));
    laid->engine.layoutDocument(document, 100);
    EXPECT_EQ(positionValue(document, 14 * 69999 + 16 + 3) >> 16, 0xFFFFu);
    EXPECT_EQ(scrollForPosition(document, (5u << 16) | 7u), 16 + 14 * 4 + 7);
    EXPECT_EQ(scrollForPosition(document, 0xFFFFu << 16) >= 0, true);
    auto small = layOut("a", 100);
    EXPECT_EQ(scrollForPosition(small->document(), 9u << 16), -1);
}

TEST(LayoutCost, LongDocumentsStayLinear)
{
    auto measure = [](int paragraphs) {
        std::string html;
        for (int i = 0; i < paragraphs; ++i)
            html += "<p>some words in a paragraph that wraps over a few lines <b>with</b> a bold word<ul><li>item</ul>";
        auto laid = layOut(html, 120);
        return laid->measurer.measureCalls;
    };
    long long small = measure(500);
    long long large = measure(2000);
    EXPECT_LT(large, small * 5) << small << " " << large;
}

} // namespace
} // namespace tessera::viewer::testing
