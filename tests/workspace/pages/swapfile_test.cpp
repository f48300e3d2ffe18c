#include "workspace/pages/pagefile.h"
#include "workspace/pages/swapfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

TEST(SwapFiles, nameIsThePageNameWithAnUnderscore)
{
    EXPECT_EQ(swapFileName("/site/index.htm"), "/site/index.htm_");
}

TEST(SwapFiles, onlyFilesMadeInThisRunAreWrittenOrDeleted)
{
    QTemporaryDir dir;
    const QString ours = dir.filePath("page.htm_");
    const QString theirs = dir.filePath("other.htm_");
    {
        QFile file(theirs);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("theirs");
    }
    SwapFileRegistry registry;
    QString error;
    EXPECT_TRUE(registry.write(ours, "one", &error)) << error.toStdString();
    EXPECT_TRUE(registry.write(ours, "two", &error)) << error.toStdString();
    EXPECT_EQ(readBytes(ours), "two");

    EXPECT_FALSE(registry.mayWrite(theirs));
    EXPECT_FALSE(registry.write(theirs, "clobbered", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(readBytes(theirs), "theirs");
    EXPECT_FALSE(registry.remove(theirs));
    EXPECT_TRUE(QFile::exists(theirs));

    EXPECT_TRUE(registry.remove(ours));
    EXPECT_FALSE(QFile::exists(ours));
    // Once deleted, a file that someone else puts there is theirs.
    {
        QFile file(ours);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("new owner");
    }
    EXPECT_FALSE(registry.write(ours, "three", &error));
    EXPECT_EQ(readBytes(ours), "new owner");
}

TEST(SwapFiles, ownershipLastsIntoTheNextRunUntilTheFileIsChanged)
{
    QTemporaryDir dir;
    const QString store = dir.filePath("swapfiles.txt");
    const QString copy = dir.filePath("tesseraview.htm");
    const QString changed = dir.filePath("page.htm_");
    QString error;
    {
        SwapFileRegistry firstRun(store);
        ASSERT_TRUE(firstRun.write(copy, "first", &error));
        ASSERT_TRUE(firstRun.write(changed, "first", &error));
    }
    {
        QFile file(changed);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Append));
        file.write(" and the user's own words");
    }
    SwapFileRegistry nextRun(store);
    EXPECT_TRUE(nextRun.write(copy, "second", &error)) << error.toStdString();
    EXPECT_EQ(readBytes(copy), "second");
    EXPECT_FALSE(nextRun.write(changed, "second", &error));
    EXPECT_EQ(readBytes(changed), "first and the user's own words");
}

TEST(PageFiles, failedWritesLeaveTheOldFileAndGiveAReason)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("page.htm");
    QString error;
    ASSERT_TRUE(PageFile::write(page, "old", &error));
    struct Case {
        const char* name;
        QString target;
    };
    const Case cases[] = {
        {"missing directory", dir.filePath("nowhere/page.htm")},
        {"directory in the way", dir.path()},
        {"file used as directory", page + "/inner.htm"},
    };
    for (const Case& c : cases) {
        error.clear();
        EXPECT_FALSE(PageFile::write(c.target, "new", &error)) << c.name;
        EXPECT_FALSE(error.isEmpty()) << c.name;
    }
    EXPECT_EQ(readBytes(page), "old");
    // No temporary file is left behind beside the page.
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"page.htm"});
}

TEST(PageFiles, readReportsMissingAndEmptyFiles)
{
    QTemporaryDir dir;
    const PageReadResult missing = PageFile::read(dir.filePath("none.htm"));
    EXPECT_FALSE(missing.ok);
    EXPECT_FALSE(missing.errorString.isEmpty());
    QString error;
    ASSERT_TRUE(PageFile::write(dir.filePath("empty.htm"), QByteArray(), &error));
    const PageReadResult empty = PageFile::read(dir.filePath("empty.htm"));
    EXPECT_TRUE(empty.ok);
    EXPECT_EQ(empty.size, 0);
}

} // namespace
