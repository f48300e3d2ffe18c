#include "layout_test_support.h"

#include "viewer/model/formcontrol.h"
#include "viewer/model/indentmanager.h"

#include <gtest/gtest.h>

namespace tessera::viewer::testing {
namespace {

// Measures only whole texts, so fitText falls back to the searching default.
class WholeTextMeasurer : public TextMeasurer {
public:
    int fontId(const TMyFont&) override { return 0; }
    FontMetrics metrics(int) override { return FontMetrics{true, 16, 13, 3, 0, 0, nullptr}; }
    int textWidth(int, std::string_view text) override
    {
        int width = 0;
        for (char c : text) {
            if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                width += c == 'w' ? 10 : 5;
        }
        return width;
    }
};

TEST(TextMeasure, FitsWholeCharactersOnly)
{
    struct Case {
        const char* text;
        int maxWidth;
        int bytes;
        int width;
    };
    const Case cases[] = {
        {"abc", 15, 3, 15},
        {"abc", 14, 2, 10},
        {"abc", 0, 0, 0},
        {"wab", 9, 0, 0},
        {"\xC3\xA9\xC3\xA9\xC3\xA9", 12, 4, 10}, // two of three two-byte characters
        {"a\xE2\x82\xAC" "b", 10, 4, 10},           // never inside the three-byte euro sign
        {"", 50, 0, 0},
    };
    WholeTextMeasurer searching;
    FixedMeasurer fixed;
    TMyFont font;
    font.size = 10; // 5 pixels a character
    int fixedId = fixed.fontId(font);
    for (const Case& c : cases) {
        int width = -1;
        EXPECT_EQ(searching.fitText(0, c.text, c.maxWidth, width), c.bytes) << c.text << " " << c.maxWidth;
        EXPECT_EQ(width, c.width) << c.text;
        if (std::string_view(c.text).find('w') == std::string_view::npos) {
            EXPECT_EQ(fixed.fitText(fixedId, c.text, c.maxWidth, width), c.bytes) << c.text;
            EXPECT_EQ(width, c.width) << c.text;
        }
    }
}

TEST(TextMeasure, LongWordOfWideCharactersIsNeverSplit)
{
    auto laid = layOut("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9 b", 12);
    const TSection& section = laid->firstText();
    ASSERT_EQ(section.lines().size(), 2u);
    EXPECT_EQ(section.lines()[0].count, 11);
}

TEST(LayoutMinMax, SectionWidths)
{
    struct Case {
        const char* html;
        int minWidth;
        int maxWidth;
    };
    const Case cases[] = {
        {"aa bbbb c", 24, 54},
        {"aa <b>bb</b>bb", 26, 44},                                       // a word across a font change
        {"aa <img src=x width=40 height=10> b", 40, 40 + 30},            // an inline image is a word
        {"<img src=x width=40 height=10 align=left>aa bb", 12 + 45, 30 + 45}, // floats add their width and gap
        {"<ul><li>aa bb</ul>", 12 + 35, 30 + 35},                        // the list indent
    };
    for (const Case& c : cases) {
        auto laid = layOut(c.html, 600);
        TSectionBase* text = nullptr;
        for (auto& section : laid->document().sections()) {
            if (section->isTextSection() && !static_cast<TSection&>(*section).empty())
                text = section.get();
        }
        ASSERT_NE(text, nullptr) << c.html;
        int mn = 0;
        int mx = 0;
        laid->engine.sectionMinMax(*text, mn, mx);
        EXPECT_EQ(mn, c.minWidth) << c.html;
        EXPECT_EQ(mx, c.maxWidth) << c.html;
    }
}

TEST(LayoutMinMax, PreformattedMinimumIsCapped)
{
    std::string line(200, 'x');
    auto laid = layOut("<pre>" + line + "</pre>", 600);
    int mn = 0;
    int mx = 0;
    laid->engine.sectionMinMax(laid->firstText(), mn, mx);
    EXPECT_EQ(mx, 1200);
    EXPECT_EQ(mn, 500);
}

TEST(LayoutControls, SizesFollowTheirAttributes)
{
    auto laid = layOut("<input size=5><input type=checkbox><select><option>abc<option>abcdef</select><textarea rows=3 cols=10></textarea>", 2000);
    std::vector<std::pair<int, int>> sizes;
    for (const auto& form : laid->document().forms()) {
        for (const auto& control : form->controls())
            sizes.emplace_back(control->width, control->height);
    }
    ASSERT_EQ(sizes.size(), 4u);
    // 10-point text: "A" is 6 pixels in the fixed face, lines are 13 high.
    EXPECT_EQ(sizes[0], std::make_pair(5 * 6 + 5, 13 + 8));
    EXPECT_EQ(sizes[1], std::make_pair(16, 16));
    EXPECT_EQ(sizes[2], std::make_pair(6 * 5 + 34, 13 + 8));
    EXPECT_EQ(sizes[3], std::make_pair(10 * 6 + 24, 3 * 13 + 8));
}

TEST(LayoutFloats, FloatWiderThanThePaneEnds)
{
    auto laid = layOut("<img src=x width=300 height=30 align=left>some words here", 100);
    const TSection& section = laid->firstText();
    EXPECT_LE(section.lines().size(), 4u);
    EXPECT_EQ(section.lines().back().start + section.lines().back().count, static_cast<int>(section.text().size()));
}

TEST(IndentRecords, DroppedRecordsKeepTheirBottoms)
{
    IndentManager indents;
    indents.Reset(0, 200);
    indents.Update(0, false, 50, 40);
    indents.Update(10, true, 30, 60);
    indents.SetLevel(1, 0);
    indents.SetLevel(0, 20);
    EXPECT_EQ(indents.LeftIndent(5), 90); // the list record, opened beside the image
    EXPECT_EQ(indents.LeftIndent(25), 55);
    indents.dropAbove(100);
    EXPECT_TRUE(indents.leftRecords().empty());
    EXPECT_TRUE(indents.rightRecords().empty());
    EXPECT_EQ(indents.ImageBottom(), 70);
    EXPECT_EQ(indents.GetClearY(true, false), 41);
    EXPECT_EQ(indents.GetClearY(false, true), 71);
    EXPECT_EQ(indents.LeftIndent(100), 0);
    indents.Clear();
    EXPECT_EQ(indents.ImageBottom(), 0);
    EXPECT_EQ(indents.GetClearY(true, true), 0);
}

TEST(LayoutPosition, SurvivesARelayoutAtAnotherWidth)
{
    std::string html;
    for (int i = 0; i < 40; ++i)
        html += "<p>paragraph " + std::to_string(i) + " with words that wrap when narrow";
    auto laid = layOut(html, 600);
    TSectionList& document = laid->document();
    int scroll = document.sections().at(41)->yPosition + 3;
    std::uint32_t value = positionValue(document, scroll);
    EXPECT_EQ(value, (41u << 16) | 3u);
    laid->engine.layoutDocument(document, 150);
    EXPECT_EQ(scrollForPosition(document, value), document.sections().at(41)->yPosition + 3);
}

} // namespace
} // namespace tessera::viewer::testing
