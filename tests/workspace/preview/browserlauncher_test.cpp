#include "workspace/preview/browserfinder.h"
#include "workspace/preview/browserlauncher.h"
#include "workspace/preview/searchform.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QTemporaryDir>
#include <QUrl>

using namespace tessera::workspace;

namespace {

class RecordingStarter : public ProgramStarter {
public:
    bool start(const QString& program, const QStringList& arguments, const QString& workingDirectory) override
    {
        calls << QStringList{program} + arguments + QStringList{workingDirectory};
        return succeed;
    }
    QList<QStringList> calls;
    bool succeed = true;
};

struct Launch : ::testing::Test {
    Launch()
    {
        host.currentFile = [this] { return current; };
        host.workingDirectory = [this] { return dir.path(); };
        host.editorText = [this] { return text; };
        host.showMessage = [this](const QString& message) { messages << message; };
    }
    QByteArray readCopy() const
    {
        QFile file(dir.filePath("tesseraview.htm"));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QTemporaryDir dir;
    QString current;
    QByteArray text = "<p>unsaved edit</p>";
    QStringList messages;
    RecordingStarter starter;
    BrowserLauncher::Host host;
};

TEST_F(Launch, WritesTheCopyAndPassesOneArgument)
{
    current = dir.filePath("My Page.htm");
    BrowserLauncher launcher(host, starter);
    struct Case {
        bool prefix;
        QString argument;
    } cases[] = {
        {false, dir.filePath("tesseraview.htm")},
        {true, "file://" + QString(QUrl::toPercentEncoding(dir.filePath("tesseraview.htm"), "/"))},
    };
    for (const Case& c : cases) {
        starter.calls.clear();
        ASSERT_TRUE(launcher.LaunchBrowser("/usr/bin/some browser", c.prefix));
        ASSERT_EQ(starter.calls.size(), 1);
        EXPECT_EQ(starter.calls[0], (QStringList{"/usr/bin/some browser", c.argument, dir.path()}));
    }
    EXPECT_EQ(readCopy(), text);
    EXPECT_TRUE(messages.isEmpty());
}

TEST_F(Launch, NoBrowserWritesNothing)
{
    BrowserLauncher launcher(host, starter);
    EXPECT_FALSE(launcher.LaunchBrowser("  ", false));
    EXPECT_EQ(messages, QStringList{"No default browser has been selected!"});
    EXPECT_FALSE(QFile::exists(dir.filePath("tesseraview.htm")));
    EXPECT_TRUE(starter.calls.isEmpty());
}

TEST_F(Launch, FailedStartIsReportedAndTheCopyStays)
{
    starter.succeed = false;
    BrowserLauncher launcher(host, starter);
    EXPECT_FALSE(launcher.LaunchBrowser("/nowhere/browser", false));
    EXPECT_EQ(messages, QStringList{"Error launching external browser!  Please verify browser location and try again."});
    EXPECT_EQ(readCopy(), text);
}

TEST_F(Launch, UnwritableCopyStartsNoBrowser)
{
    current = dir.filePath("missing-folder/page.htm");
    BrowserLauncher launcher(host, starter);
    EXPECT_FALSE(launcher.LaunchBrowser("/usr/bin/browser", false));
    EXPECT_TRUE(starter.calls.isEmpty());
    ASSERT_EQ(messages.size(), 1);
    EXPECT_TRUE(messages[0].startsWith("Could not write the browser copy")) << messages[0].toStdString();
}

TEST_F(Launch, RealStarterRefusesAMissingProgram)
{
    DetachedProgramStarter real;
    BrowserLauncher launcher(host, real);
    EXPECT_FALSE(launcher.LaunchBrowser(dir.filePath("no-such-browser"), true));
    EXPECT_EQ(messages.size(), 1);
}

TEST(BrowserCaption, NamesTheProgram)
{
    EXPECT_EQ(browserMenuCaption("C:\\Program Files\\browser.exe"), "View page in browser.exe");
    EXPECT_EQ(browserMenuCaption("/usr/bin/firefox"), "View page in firefox");
}

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
}

TEST(BrowserFinder, FilesBeforeSubfoldersEachMaskInTurnNoLinkLoops)
{
    QTemporaryDir dir;
    touch(dir.filePath("a/netscape.exe"));
    touch(dir.filePath("netscape.exe"));
    touch(dir.filePath("b/iexplore.exe"));
    touch(dir.filePath("b/mybrowser"));
    ASSERT_TRUE(QFile::link(dir.path(), dir.filePath("b/loop")));
    BrowserFinder finder;
    QStringList found;
    finder.start(dir.path(), {"netscape.exe", "ie*.exe", "my*", "*browser"});
    finder.run([&](const QString& path) {
        found << QDir(dir.path()).relativeFilePath(path);
        return true;
    });
    EXPECT_EQ(found, (QStringList{"netscape.exe", "a/netscape.exe", "b/iexplore.exe", "b/mybrowser", "b/mybrowser"}));
    EXPECT_FALSE(finder.running());
}

TEST(BrowserFinder, StopsWhenAsked)
{
    QTemporaryDir dir;
    for (int i = 0; i < 5; ++i)
        touch(dir.filePath(QString("d%1/firefox").arg(i)));
    BrowserFinder finder;
    int seen = 0;
    finder.start(dir.path(), BrowserFinder::masksFor(""));
    finder.run([&](const QString&) { return ++seen < 2; });
    EXPECT_EQ(seen, 2);
    EXPECT_FALSE(finder.running());
    EXPECT_EQ(BrowserFinder::masksFor(" extra*.bin ").last(), "extra*.bin");
}

TEST(SearchForm, FindsAndCancels)
{
    QTemporaryDir dir;
    touch(dir.filePath("x/firefox"));
    TSearchForm form;
    QStringList messages;
    form.showMessage = [&](const QString& text) { messages << text; };
    EXPECT_EQ(form.windowTitle(), "Search ");
    form.setFolder(dir.path());
    form.SearchClick();
    QElapsedTimer clock;
    clock.start();
    while (form.searching() && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    ASSERT_EQ(form.ListBox1()->count(), 1);
    EXPECT_EQ(form.selectedBrowser(), dir.filePath("x/firefox"));
    EXPECT_TRUE(messages.isEmpty());

    QTemporaryDir empty;
    form.setFolder(empty.path());
    form.SearchClick();
    clock.restart();
    while (form.searching() && clock.elapsed() < 5000)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(messages, QStringList{"No files matching the mask were found!"});

    form.setFolder(QDir::rootPath());
    form.SearchClick();
    form.cancelSearch();
    EXPECT_FALSE(form.searching());
}

} // namespace
