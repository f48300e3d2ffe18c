#include "viewer_test_support.h"

#include "viewer/model/clipbuffer.h"
#include "viewer/model/fixedsections.h"
#include "viewer/model/indentmanager.h"
#include "viewer/model/table.h"

#include <gtest/gtest.h>

namespace tessera::viewer::testing {
namespace {

TEST(SectionText, LeadingSpaceRules)
{
    struct Case {
        std::vector<std::string> pieces;
        std::string text;
    };
    const Case cases[] = {
        {{" a"}, "a"},               // an empty section takes no leading space
        {{"a ", " b"}, "a b"},       // nor does one ending in a space
        {{"a", " b"}, "a b"},
        {{"", "a"}, "a"},
        {{"a", "\x04\x02" "b"}, "ab"}, // placeholder bytes only come with their objects
    };
    for (const Case& c : cases) {
        TSectionList document;
        TSection section(&document, 0, Justify::Left, TLinkTarget(), document.baseFont());
        for (const std::string& piece : c.pieces)
            section.AddText(piece, {});
        EXPECT_EQ(section.text(), c.text);
    }
}

TEST(SectionText, SpaceAfterFloatingImagesOnlyIsDropped)
{
    TSectionList document;
    Parsed floats = parse("<IMG SRC=a ALIGN=left> text");
    EXPECT_EQ(floats.text(0).text(), "\x04text");
    Parsed inline_ = parse("<IMG SRC=a> text");
    EXPECT_EQ(inline_.text(0).text(), "\x04 text");
}

TEST(SectionText, BreakGivesEmptySectionASpace)
{
    TSectionList document;
    TSection empty(&document, 0, Justify::Center, TLinkTarget(), document.baseFont());
    empty.prepareForBreak();
    EXPECT_EQ(empty.text(), " ");
    TSection full(&document, 0, Justify::Center, TLinkTarget(), document.baseFont());
    full.AddText("x", {});
    full.prepareForBreak();
    EXPECT_EQ(full.text(), "x");
}

TEST(FontList, LooksUpByPosition)
{
    Parsed page = parse("ab<B>cd</B>e");
    const TFontList& fonts = page.text(0).fonts();
    ASSERT_EQ(fonts.count(), 3);
    const int positions[] = {0, 1, 2, 3, 4, 99};
    const int indexes[] = {0, 0, 1, 1, 2, 2};
    const int untilChange[] = {2, 1, 2, 1, 1, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(fonts.indexAt(positions[i]), indexes[i]) << positions[i];
        EXPECT_EQ(fonts.charsToNextChange(positions[i], 5), untilChange[i]) << positions[i];
    }
}

TEST(FixedElements, HeightsFollowTheDefaultFontSize)
{
    struct Case {
        int fontSize;
        int paragraph;
        int heading1;
        int heading0;
        int rule;
    };
    const Case cases[] = {
        {12, 14, 16, 8, 20},
        {18, 21, 24, 12, 30},
        {6, 7, 8, 4, 10},
    };
    for (const Case& c : cases) {
        Parsed page = parse("<P>x<H1>y</H1><H7>z</H7><HR>");
        TSectionList& document = *page.document;
        document.ApplyDefaultFonts("Times New Roman", "Courier New", c.fontSize, {}, {}, {});
        int found = 0;
        for (const auto& section : document.sections()) {
            int expected = -1;
            if (section->kind() == SectionKind::ParagraphSpace)
                expected = c.paragraph;
            else if (section->kind() == SectionKind::HeadingSpace)
                expected = static_cast<const THeadingSpace&>(*section).level() == 1 ? c.heading1 : c.heading0;
            else if (section->kind() == SectionKind::HorzLine)
                expected = c.rule;
            if (expected < 0)
                continue;
            EXPECT_EQ(section->sectionHeight, expected) << c.fontSize;
            ++found;
        }
        EXPECT_EQ(found, 6);
    }
}

TEST(FixedElements, DefaultFontSizeScalesEveryFont)
{
    Parsed page = parse("<H1>a</H1><TABLE><TD>b<SUB>c</SUB></TABLE>");
    page.document->ApplyDefaultFonts("Arial", "Courier New", 18, {}, {}, {});
    EXPECT_EQ(page.text(2).fonts()[0].font().size, 36);
    const auto& table = dynamic_cast<const ThtmlTable&>(page.section(4));
    const auto& cellText = static_cast<const TSection&>(*table.rows()[0][0]->cell().sections()[0]);
    EXPECT_EQ(cellText.fonts()[0].font().size, 18);
    EXPECT_EQ(cellText.fonts()[1].font().size, 14); // three quarters of 18, rounded
}

TEST(ClipBuffer, CopiesLongSelectionsWhole)
{
    std::string word(40000, 'x');
    Parsed page = parse(word + "<IMG SRC=a>y<P>second");
    TSectionList& document = *page.document;
    // Lay out the character positions as layout would.
    int cursor = 0;
    for (const auto& section : document.sections()) {
        section->startCursor = cursor;
        if (section->isTextSection())
            cursor += static_cast<int>(static_cast<const TSection&>(*section).text().size());
    }
    document.selectionStart = 0;
    document.selectionEnd = cursor;
    std::string copied;
    ClipBuffer buffer([&copied](const std::string& text) { copied = text; });
    EXPECT_EQ(document.copySelection(buffer), word + "y\r\nsecond");
    EXPECT_EQ(copied, word + "y\r\nsecond");

    document.selectionStart = 39998;
    document.selectionEnd = 40002;
    ClipBuffer part;
    EXPECT_EQ(document.copySelection(part), "xxy");
}

TEST(IndentManager, ListLevelsAndFloatingImages)
{
    IndentManager indents;
    indents.Reset(10, 610);
    indents.SetLevel(3, 0);
    EXPECT_EQ(indents.LeftIndent(5), 10 + 105);
    indents.SetLevel(1, 100);
    EXPECT_EQ(indents.LeftIndent(99), 10 + 105);
    EXPECT_EQ(indents.LeftIndent(100), 10 + 35);
    indents.SetLevel(0, 200);
    EXPECT_EQ(indents.LeftIndent(200), 10);

    EXPECT_EQ(indents.Update(300, false, 50, 40), 10);
    EXPECT_EQ(indents.LeftIndent(320), 10 + 55);
    EXPECT_EQ(indents.Update(300, true, 100, 60), 610 - 105 + 5);
    EXPECT_EQ(indents.RightSide(359), 610 - 105);
    EXPECT_EQ(indents.RightSide(361), 610);
    EXPECT_EQ(indents.ImageBottom(), 360);
    EXPECT_EQ(indents.GetClearY(true, false), 341);
    EXPECT_EQ(indents.GetClearY(false, true), 361);
}

TEST(SectionCopies, AreDeep)
{
    Parsed page = parse("a<IMG SRC=i><TABLE><TD>cell</TABLE>");
    TSectionList other;
    other.copyFrom(*page.document);
    page.document->Clear();
    EXPECT_EQ(dumpModel(other, nullptr, noFonts()),
              "text \"a[img]\"\n  img @1 \"i\" bottom\ntable pad=2 space=3\n  row\n    cell\n      text \"cell\"\n");
    EXPECT_EQ(other.sections()[0]->master(), &other);
}

} // namespace
} // namespace tessera::viewer::testing
