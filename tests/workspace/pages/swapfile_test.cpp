#include "workspace/pages/pagefile.h"
#include "workspace/pages/swapfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

#include <csignal>

#include <sys/resource.h>
#include <unistd.h>

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

// The run that wrote a swap file is the fourth field of its line in the store.
QString runOf(const QString& store, const QString& swap)
{
    for (const QByteArray& line : readBytes(store).split('\n')) {
        const QList<QByteArray> fields = line.split('\t');
        if (fields.size() == 5 && QString::fromUtf8(fields[2]) == swap)
            return QString::fromUtf8(fields[3]);
    }
    return {};
}

TEST(SwapFiles, onlyARunThatIsGoneLeavesOrphans)
{
    enum class Writer { ThisRun, LiveRun, EndedRun, KilledRun };
    struct Case {
        const char* name;
        Writer writer;
        bool orphan;
    };
    const Case cases[] = {
        {"this run's own", Writer::ThisRun, false},
        {"another run still going", Writer::LiveRun, false},
        {"a run that ended", Writer::EndedRun, true},
        {"a run killed with its lock left behind", Writer::KilledRun, true},
    };
    for (const Case& c : cases) {
        QTemporaryDir dir;
        const QString store = dir.filePath("swapfiles.txt");
        const QString page = dir.filePath("page.htm");
        const QString swap = swapFileName(page);
        QString error;
        auto writer = std::make_unique<SwapFileRegistry>(store);
        ASSERT_TRUE(writer->write(swap, "unsaved", &error, page)) << c.name;
        ASSERT_TRUE(writer->write(dir.filePath("tesseraview.htm"), "copy", &error)) << c.name;
        if (c.writer == Writer::ThisRun) {
            EXPECT_TRUE(writer->orphans().isEmpty()) << c.name;
            continue;
        }
        const QString lock = dir.filePath("swapfiles-" + runOf(store, swap) + ".lock");
        if (c.writer != Writer::LiveRun)
            writer.reset();
        if (c.writer == Writer::KilledRun) {
            // What a killed process leaves: its lock, naming a process that no longer exists.
            QFile file(lock);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write("2147483646\n" + QCoreApplication::applicationName().toUtf8() + "\n\n");
        }
        SwapFileRegistry next(store);
        const QList<OrphanSwapFile> orphans = next.orphans();
        if (!c.orphan) {
            EXPECT_TRUE(orphans.isEmpty()) << c.name;
            EXPECT_FALSE(next.write(swap, "overwritten", &error, page)) << c.name;
            EXPECT_EQ(readBytes(swap), "unsaved") << c.name;
            continue;
        }
        ASSERT_EQ(orphans.size(), 1) << c.name;
        EXPECT_EQ(orphans[0].swapFile, swap) << c.name;
        EXPECT_EQ(orphans[0].pageFile, page) << c.name;
        EXPECT_EQ(orphans[0].written, QFileInfo(swap).lastModified()) << c.name;
        EXPECT_EQ(next.orphansOf(page).size(), 1) << c.name;
        // An orphan waits for the user: neither written over nor deleted on the way.
        EXPECT_FALSE(next.write(swap, "overwritten", &error, page)) << c.name;
        EXPECT_FALSE(next.remove(swap)) << c.name;
        EXPECT_EQ(readBytes(swap), "unsaved") << c.name;
        EXPECT_FALSE(QFileInfo::exists(lock)) << c.name;
        // The browser copy of a run that is gone is taken over at once.
        EXPECT_TRUE(next.owns(dir.filePath("tesseraview.htm"))) << c.name;
    }
}

TEST(SwapFiles, theLockOfAKilledRunThatWroteNothingIsCleared)
{
    QTemporaryDir dir;
    const QString killed = dir.filePath("swapfiles-killed.lock");
    {
        QFile file(killed);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("2147483646\n" + QCoreApplication::applicationName().toUtf8() + "\n\n");
    }
    SwapFileRegistry live(dir.filePath("swapfiles.txt"));
    SwapFileRegistry next(dir.filePath("swapfiles.txt"));
    EXPECT_FALSE(QFileInfo::exists(killed));
    EXPECT_EQ(QDir(dir.path()).entryList({"*.lock"}, QDir::Files).size(), 2) << "the two live runs keep theirs";
}

TEST(SwapFiles, anOrphanTakenOverIsOursAndADiscardedOneIsGone)
{
    QTemporaryDir dir;
    const QString store = dir.filePath("swapfiles.txt");
    QString error;
    {
        SwapFileRegistry crashed(store);
        ASSERT_TRUE(crashed.write(dir.filePath("a.htm_"), "a", &error, dir.filePath("a.htm")));
        ASSERT_TRUE(crashed.write(dir.filePath("b.htm_"), "b", &error, dir.filePath("b.htm")));
    }
    SwapFileRegistry next(store);
    const QList<OrphanSwapFile> orphans = next.orphans();
    ASSERT_EQ(orphans.size(), 2);
    next.takeOver(orphans[0]);
    EXPECT_TRUE(next.write(dir.filePath("a.htm_"), "a2", &error, dir.filePath("a.htm"))) << error.toStdString();
    EXPECT_TRUE(next.discard(orphans[1]));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("b.htm_")));
    EXPECT_TRUE(next.orphans().isEmpty());
    // The decisions last: the run after sees the recovered file as an orphan of this one only
    // once this one is gone too.
    SwapFileRegistry concurrent(store);
    EXPECT_TRUE(concurrent.orphans().isEmpty());
}

TEST(SwapFiles, aFullDiskLeavesNoEmptyOrTruncatedFile)
{
    QTemporaryDir dir;
    SwapFileRegistry registry;
    QString error;
    const QString swap = dir.filePath("page.htm_");
    const QString page = dir.filePath("page.htm");
    ASSERT_TRUE(PageFile::write(page, "old", &error));
    // A full disk, as far as this process can tell: no file may grow past four bytes.
    rlimit limit {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &limit), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tiny = limit;
    tiny.rlim_cur = 4;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &tiny), 0);
    const bool written = registry.write(swap, "more than four bytes", &error);
    QString pageError;
    const bool pageSaved = PageFile::write(page, "more than four bytes", &pageError);
    setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(swap));
    EXPECT_FALSE(pageSaved);
    EXPECT_FALSE(pageError.isEmpty());
    EXPECT_EQ(readBytes(page), "old");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"page.htm"});
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

TEST(PageFiles, aFileWithSeveralLinksIsWrittenThroughAllOfThem)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("page.htm");
    const QString other = dir.filePath("other name.htm");
    QString error;
    ASSERT_TRUE(PageFile::write(page, "old", &error));
    ASSERT_EQ(::link(QFile::encodeName(page).constData(), QFile::encodeName(other).constData()), 0);
    ASSERT_TRUE(PageFile::write(page, "new", &error)) << error.toStdString();
    EXPECT_EQ(readBytes(other), "new");
}

TEST(PageFiles, changesByOtherProgramsAreToldFromTouches)
{
    QTemporaryDir dir;
    const QString page = dir.filePath("page.htm");
    QString error;
    ASSERT_TRUE(PageFile::write(page, "same", &error));
    DiskStamp known = PageFile::read(page).stamp;
    EXPECT_EQ(PageFile::compare(page, known), DiskChange::None);

    // Touched only: same bytes, a new time.
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    ASSERT_TRUE(file.setFileTime(QDateTime::currentDateTime().addSecs(60), QFileDevice::FileModificationTime));
    file.close();
    EXPECT_EQ(PageFile::compare(page, known), DiskChange::None);

    // Same size, other bytes: only the hash tells.
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    file.write("SAME");
    file.close();
    EXPECT_EQ(PageFile::compare(page, known), DiskChange::Changed);

    ASSERT_TRUE(QFile::remove(page));
    EXPECT_EQ(PageFile::compare(page, known), DiskChange::Deleted);
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
