#include "print/sourcelines.h"

#include <gtest/gtest.h>

namespace {

TEST(SourceLines, longLinesWrapAndTabsExpand)
{
    struct Case {
        const char* name;
        QString text;
        QString expected; // printed lines joined with "|"
    };
    const Case cases[] = {
        {"short lines stay", QStringLiteral("ab\r\ncd\r\n"), QStringLiteral("ab|cd")},
        {"empty lines stay", QStringLiteral("a\n\nb"), QStringLiteral("a||b")},
        {"empty text is one line", QString(), QString()},
        {"break after the last space that fits", QStringLiteral("aaa bbb ccc"), QStringLiteral("aaa bbb |ccc")},
        {"a word longer than a line breaks between characters", QStringLiteral("abcdefghijklmnopqrstu"),
         QStringLiteral("abcdefghij|klmnopqrst|u")},
        {"tabs to the next stop", QStringLiteral("\tx\n1\ty"), QStringLiteral("    x|1   y")},
        {"CR alone ends a line", QStringLiteral("a\rb"), QStringLiteral("a|b")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(wrapSourceLines(c.text, 4, 10, [](QChar) { return 1.0; }).join(QLatin1Char('|')), c.expected)
            << c.name;
}

TEST(SourceLines, aCharacterWiderThanTheLineStillPrints)
{
    EXPECT_EQ(wrapSourceLines(QStringLiteral("ab"), 4, 0.5, [](QChar) { return 1.0; }), (QStringList{"a", "b"}));
}

} // namespace
