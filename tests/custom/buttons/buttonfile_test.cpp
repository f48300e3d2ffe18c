#include "custom/buttons/buttonfile.h"
#include "workspace/tags/alignpopup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using ButtonFile::DropDownStyle;
using ButtonFile::TagType;

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

TEST(ButtonFile, LinesReadFieldByField)
{
    const struct {
        const char* line;
        const char* caption;
        const char* source;
        TagType type;
        DropDownStyle style;
        bool exists;
    } cases[] = {
        {"B|B|1|0", "B", "B", TagType::StandardDouble, DropDownStyle::DoubleWithAlign, true},
        {"Lnk|<A HREF=\"\">..</A>|2|0", "Lnk", "<A HREF=\"\">..</A>", TagType::UnevenDouble, DropDownStyle::DoubleWithAlign, true},
        {"***|BR|0|1", "***", "BR", TagType::InsertAsIs, DropDownStyle::SingleWithAlign, true},
        {"HR|<HR>", "HR", "<HR>", TagType::InsertAsIs, DropDownStyle::DoubleWithAlign, true},
        {"X", "X", "", TagType::InsertAsIs, DropDownStyle::DoubleWithAlign, true},
        {"X|y|7|3", "X", "y", TagType::InsertAsIs, DropDownStyle::DoubleWithAlign, true},
        {"X|y|one|", "X", "y", TagType::InsertAsIs, DropDownStyle::DoubleWithAlign, true},
        {"X|y|-1|-1", "X", "y", TagType::InsertAsIs, DropDownStyle::DoubleWithAlign, true},
        {"||0|0", "", "", TagType::InsertAsIs, DropDownStyle::DoubleWithAlign, false},
        {"|<B>|1|0", "", "<B>", TagType::StandardDouble, DropDownStyle::DoubleWithAlign, false},
        {"", "", "", TagType::InsertAsIs, DropDownStyle::DoubleWithAlign, false},
    };
    for (const auto& c : cases) {
        const ButtonFile::Button button = ButtonFile::parseLine(QString::fromUtf8(c.line));
        EXPECT_EQ(button.caption, QString::fromUtf8(c.caption)) << c.line;
        EXPECT_EQ(button.source, QString::fromUtf8(c.source)) << c.line;
        EXPECT_EQ(button.tagType, c.type) << c.line;
        EXPECT_EQ(button.dropDownStyle, c.style) << c.line;
        EXPECT_EQ(button.exists(), c.exists) << c.line;
    }
    EXPECT_EQ(ButtonFile::formatLine(QStringLiteral("***"), QStringLiteral("DIV"), 0, 0), QStringLiteral("***|DIV|0|0"));
}

TEST(ButtonFile, ShortListsArePaddedLongOnesKept)
{
    const QStringList two = {QStringLiteral("a|b|0|0"), QStringLiteral("c|d|1|0")};
    const QStringList padded = ButtonFile::padded(two);
    ASSERT_EQ(padded.size(), 19);
    EXPECT_EQ(padded.mid(0, 2), two);
    EXPECT_EQ(padded.last(), QStringLiteral("||0|0"));

    QStringList long_;
    for (int i = 0; i < 21; ++i)
        long_ << QStringLiteral("%1|x|0|0").arg(i);
    EXPECT_EQ(ButtonFile::padded(long_), long_);
}

TEST(ButtonFile, ReadsAnyLineEndAndEitherEncodingWritesCrLfUtf8)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page1.btn"));
    const struct {
        QByteArray bytes;
        QStringList lines;
    } cases[] = {
        {"a|b|0|0\r\nc|d|1|0\r\n", {QStringLiteral("a|b|0|0"), QStringLiteral("c|d|1|0")}},
        {"a|b|0|0\nc|d|1|0", {QStringLiteral("a|b|0|0"), QStringLiteral("c|d|1|0")}},
        {"\xa9|&#169;|0|0\r\n", {QStringLiteral("\u00a9|&#169;|0|0")}},
        {"\xc2\xa9|&copy;|0|0\r\n", {QStringLiteral("\u00a9|&copy;|0|0")}},
        {"||0|0\r\n\r\nx|y|0|0\r\n", {QStringLiteral("||0|0"), QString(), QStringLiteral("x|y|0|0")}},
        {"", {}},
    };
    for (const auto& c : cases) {
        writeBytes(path, c.bytes);
        const ButtonFile::ReadResult result = ButtonFile::read(path);
        EXPECT_EQ(result.status, ButtonFile::ReadResult::Status::Read);
        EXPECT_EQ(result.lines, c.lines) << c.bytes.toStdString();
    }

    QString error;
    ASSERT_TRUE(ButtonFile::write(path, {QStringLiteral("\u00a9|&#169;|0|0"), QStringLiteral("||0|0")}, &error));
    EXPECT_EQ(readBytes(path), QByteArray("\xc2\xa9|&#169;|0|0\r\n||0|0\r\n"));

    EXPECT_EQ(ButtonFile::read(dir.filePath(QStringLiteral("none.btn"))).status, ButtonFile::ReadResult::Status::Missing);
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("folder.btn")));
    const ButtonFile::ReadResult folder = ButtonFile::read(dir.filePath(QStringLiteral("folder.btn")));
    EXPECT_EQ(folder.status, ButtonFile::ReadResult::Status::Unreadable);
    EXPECT_FALSE(folder.error.isEmpty());

    EXPECT_FALSE(ButtonFile::write(dir.filePath(QStringLiteral("missing/page1.btn")), {QStringLiteral("a|b|0|0")}, &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(ButtonFile, DropDownItemsOfBothStyles)
{
    const AlignmentItems::Items pairs = AlignmentItems::alignedPairs(QStringLiteral("P"));
    EXPECT_EQ(pairs.captions, QStringList({QStringLiteral("<P></P>"), QStringLiteral("<P ALIGN=\"left\"></P>"),
                                           QStringLiteral("<P ALIGN=\"center\"></P>"), QStringLiteral("<P ALIGN=\"right\"></P>")}));
    EXPECT_EQ(pairs.action, AlignmentItems::Action::CaptionAsTag);
    const AlignmentItems::Items singles = AlignmentItems::clearedSingles(QStringLiteral("BR"));
    EXPECT_EQ(singles.captions, QStringList({QStringLiteral("<BR>"), QStringLiteral("<BR CLEAR=\"left\">"),
                                             QStringLiteral("<BR CLEAR=\"all\">"), QStringLiteral("<BR CLEAR=\"right\">")}));
    EXPECT_EQ(singles.action, AlignmentItems::Action::Text);
    // The tag name is used as written.
    EXPECT_EQ(AlignmentItems::alignedPairs(QStringLiteral("div")).captions.first(), QStringLiteral("<div></div>"));
}

} // namespace
