#include "app/tipbook.h"

#include <QTemporaryDir>
#include <QFile>

#include <gtest/gtest.h>

namespace {

// Ten helper lines, `tips` tip lines and the closing line.
QStringList tipsFile(int tips)
{
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << QStringLiteral("?helper %1").arg(i);
    for (int i = 0; i < tips; ++i)
        lines << QStringLiteral("^tip %1").arg(i);
    lines << QStringLiteral("closing line");
    return lines;
}

using D = TipBook::Direction;
using B = TipBook::Buttons;

TEST(TipBook, Stepping)
{
    const TipBook book(tipsFile(3)); // tips on lines 10, 11, 12; closing line 13
    struct Case {
        int from;
        D direction;
        B buttons;
        int expected;
    } cases[] = {
        {10, D::Next, B::Stepping, 11},
        {12, D::Next, B::Stepping, 10},      // wraps before the closing line
        {11, D::Previous, B::Stepping, 10},
        {10, D::Previous, B::Stepping, 10},  // never steps back into the helper lines
        {0, D::Previous, B::Stepping, 10},   // a stored index below the tips
        {500, D::Previous, B::Stepping, 10}, // a stored index past the end
        {-7, D::Next, B::Stepping, 10},
        {4, D::Previous, B::Hidden, 3},      // a helper shows its own line
        {0, D::Previous, B::Hidden, 10},     // a negative index goes to the end, then wraps
    };
    for (const Case& c : cases)
        EXPECT_EQ(book.step(c.from, c.direction, c.buttons), c.expected) << "from " << c.from;
}

TEST(TipBook, FirstShowAfterStoredIndex)
{
    // The stored index is the last shown tip plus 2; stepping back once shows the following tip.
    const TipBook book(tipsFile(5));
    EXPECT_EQ(book.step(10, D::Previous, B::Stepping), 10); // first start
    EXPECT_EQ(book.step(11 + 2, D::Previous, B::Stepping), 12);
    EXPECT_EQ(book.step(14 + 2, D::Previous, B::Stepping), 10); // last tip shown: start again
}

TEST(TipBook, EntriesAreTakenLiterally)
{
    const TipBook book(QStringList{} << tipsFile(0).mid(0, 10)
                                     << QStringLiteral("^Tessera is 100% free")
                                     << QStringLiteral("?First%sSecond %d %n %x")
                                     << QStringLiteral("'quote") << QStringLiteral("!joke")
                                     << QStringLiteral("#message") << QStringLiteral("*plain")
                                     << QString() << QStringLiteral("closing"));
    struct Case {
        int line;
        const char* title;
        const char* text;
    } cases[] = {
        {10, "Today's tip...", "Tessera is 100% free"},
        {11, "Did you know...", "First\nSecond %d %n %x"},
        {12, "Today's quote...", "quote"},
        {13, "Today's joke...", "joke"},
        {14, "Today's message...", "message"},
        {15, "", "plain"},
        {16, "", ""},
        {0, "Did you know...", "helper 1"},
    };
    for (const Case& c : cases) {
        const auto entry = book.entryAt(c.line);
        ASSERT_TRUE(entry) << c.line;
        EXPECT_EQ(entry->title, QString::fromUtf8(c.title)) << c.line;
        EXPECT_EQ(entry->text, QString::fromUtf8(c.text)) << c.line;
    }
    EXPECT_FALSE(book.entryAt(17)) << "the closing line is never shown";
    EXPECT_FALSE(book.entryAt(18));
    EXPECT_FALSE(book.entryAt(-1));
}

TEST(TipBook, LongTextIsCut)
{
    const QString longTip = QStringLiteral("^") + QString(400, QLatin1Char('x'));
    const TipBook book(QStringList{} << tipsFile(0).mid(0, 10) << longTip << QStringLiteral("end"));
    EXPECT_EQ(book.entryAt(10)->text.size(), TipBook::maximumTextLength);
}

TEST(TipBook, ShortFilesHaveNoTips)
{
    for (int lines : {0, 1, 10, 11}) {
        const TipBook book(tipsFile(0).mid(0, lines));
        EXPECT_FALSE(book.hasTips()) << lines;
        const int shown = book.step(10, D::Previous, B::Stepping);
        EXPECT_FALSE(book.entryAt(shown)) << lines << " lines must not show a helper or read past the end";
    }
    EXPECT_TRUE(TipBook(tipsFile(1)).hasTips());
}

TEST(TipBook, ReadsFileAndMissingFile)
{
    QTemporaryDir dir;
    EXPECT_EQ(TipBook::fromFile(dir.filePath(QStringLiteral("none.txt"))).lineCount(), 0);
    QFile file(dir.filePath(QStringLiteral("TIPS.TXT")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("?one\r\n^two\r\nthree");
    file.close();
    const TipBook book = TipBook::fromFile(file.fileName());
    EXPECT_EQ(book.lineCount(), 3);
    EXPECT_EQ(book.entryAt(1)->text, QStringLiteral("two"));
}

} // namespace
