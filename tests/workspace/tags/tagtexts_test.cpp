#include "workspace/tags/tagtexts.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

std::string lines(const QStringList& list)
{
    return list.join(QLatin1Char('|')).toStdString();
}

TEST(TagTextsTest, ColoursToHexAndBack)
{
    // A system colour resolves to its RGB value first.
    EXPECT_EQ(TagTexts::colourHex(QColor::fromHsv(60, 255, 255)).toStdString(), "FFFF00");
    EXPECT_EQ(TagTexts::colourFromHex(QStringLiteral("#12AB0c"), Qt::white), QColor(0x12, 0xAB, 0x0C));
    EXPECT_EQ(TagTexts::colourFromHex(QString(), Qt::white), QColor(Qt::black));
    EXPECT_EQ(TagTexts::colourFromHex(QStringLiteral("red"), Qt::white), QColor(Qt::white));
}

TEST(TagTextsTest, DateAndTimeWithoutZone)
{
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"en_US", "12/9/26", "1:05:07 PM"},
        {"de_DE", "09.12.26", "13:05:07"},
        {"en_GB", "09/12/2026", "13:05:07"},
    };
    for (const auto& [name, date, time] : cases) {
        const QLocale locale(QString::fromLatin1(name));
        EXPECT_EQ(TagTexts::dateText(locale, QDate(2026, 12, 9)).toStdString(), date) << name;
        EXPECT_EQ(TagTexts::timeText(locale, QTime(13, 5, 7)).toStdString(), time) << name;
    }
}

TEST(TagTextsTest, TableLines)
{
    EXPECT_EQ(lines(TagTexts::tableLines({true, 50, 1, 2})),
              "<TABLE BORDER WIDTH=\"50%\">|<TR>|<TD>Cell:1,1</TD>|<TD>Cell:1,2</TD>|</TR>|</TABLE>");
    EXPECT_EQ(lines(TagTexts::tableLines({false, 0, 1, 1})), "<TABLE >|<TR>|<TD>Cell:1,1</TD>|</TR>|</TABLE>");
    // The boxes limit columns and rows; a caller passing more gets the limits.
    EXPECT_EQ(TagTexts::tableLines({false, 0, 1, 99}).size(), 2 + 2 + TagTexts::maxTableColumns);
    EXPECT_EQ(TagTexts::tableLines({false, 0, 0, 0}).size(), 5);
}

TEST(TagTextsTest, ListLines)
{
    using K = TagTexts::ListKind;
    const std::pair<TagTexts::ListSpec, std::string> cases[] = {
        {{K::Ordered, "Default", 1, 2}, "<OL >|<LI> Line:1|<LI> Line:2|</OL>"},
        {{K::Ordered, "a - Small letters", 1, 1}, "<OL TYPE=\"a\" >|<LI> Line:1|</OL>"},
        {{K::Ordered, "I - Large roman numerals", 5, 1}, "<OL TYPE=\"I\" START=5 >|<LI> Line:1|</OL>"},
        {{K::Unordered, "square", 1, 1}, "<UL TYPE=\"square\" >|<LI> Line:1|</UL>"},
        {{K::Unordered, "Default", 3, 1}, "<UL >|<LI> Line:1|</UL>"},
        {{K::None, "Default", 1, 2}, "|<LI> Line:1|<LI> Line:2|"},
    };
    for (const auto& [spec, expected] : cases)
        EXPECT_EQ(lines(TagTexts::listLines(spec)), expected);
    EXPECT_EQ(TagTexts::listLines({K::Unordered, "disc", 1, 5000}).size(), 2 + TagTexts::maxListItems);
}

TEST(TagTextsTest, ImageAndFontTags)
{
    EXPECT_EQ(TagTexts::imageTag({"a.gif", "", 0, 0, ""}).toStdString(), "<IMG SRC=\"a.gif\">");
    EXPECT_EQ(TagTexts::imageTag({"a.gif", "right", 0, 8, ""}).toStdString(), "<IMG SRC=\"a.gif\" ALIGN=\"right\" HEIGHT=\"8\">");
    TagTexts::FontSpec font {"Arial", 10, QColor(0x12, 0xAB, 0x0F), true, false, true, true};
    const auto [opening, closing] = TagTexts::fontTags(font);
    EXPECT_EQ(opening.toStdString(), "<S><U><B><FONT FACE=\"Arial\" SIZE=\"10\" COLOR=\"#12AB0F\">");
    EXPECT_EQ(closing.toStdString(), "</FONT></B></U></S>");
    // No colour chosen (the desktop's font dialog has none): no COLOR, not a black one.
    const auto [plain, plainClosing] = TagTexts::fontTags({"Arial", 12, std::nullopt, false, false, false, false});
    EXPECT_EQ(plain.toStdString(), "<FONT FACE=\"Arial\" SIZE=\"12\">");
    EXPECT_EQ(plainClosing.toStdString(), "</FONT>");
}

} // namespace
