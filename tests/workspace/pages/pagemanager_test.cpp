#include "editor/tledit.h"
#include "workspace/pages/caption.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/pages/pageprompts.h"
#include "workspace/pages/pagesettings.h"
#include "workspace/pages/pagetexts.h"
#include "workspace/settings/settings.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QFile>
#include <QFileInfo>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>
#include <QTabBar>
#include <QTest>
#include <QTemporaryDir>
#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <random>

#include <unistd.h>

namespace {

// Records every message and answers from a queue (Yes/OK when the queue is empty).
class FakePrompts : public PagePrompts
{
public:
    void information(const QString& text) override { shown.append("information: " + text); }
    void error(const QString& text) override { shown.append("error: " + text); }
    bool warning(const QString& text) override
    {
        shown.append("warning: " + text);
        return answer();
    }
    bool confirmation(const QString& text) override
    {
        shown.append("confirmation: " + text);
        return answer();
    }
    QList<RecoveryAnswer> recover(const QList<OrphanSwapFile>& backups) override
    {
        for (const OrphanSwapFile& backup : backups)
            shown.append("recover: " + backup.pageFile);
        return recoveryAnswers;
    }
    OutsideChangeAnswer outsideChange(const QString& text) override
    {
        shown.append("outside change: " + text);
        return outsideAnswer;
    }
    bool answer()
    {
        if (answers.empty())
            return true;
        const bool next = answers.front();
        answers.pop_front();
        return next;
    }
    QStringList shown;
    std::deque<bool> answers;
    QList<RecoveryAnswer> recoveryAnswers;
    OutsideChangeAnswer outsideAnswer = OutsideChangeAnswer::Cancel;
};

class FakeDialogs : public PageFileDialogs
{
public:
    QString saveFileName(const QString& directory, const QString& fileName, const QString& filter, int index) override
    {
        offeredDirectory = directory;
        offeredName = fileName;
        offeredFilter = filter;
        offeredIndex = index;
        return saveAnswer;
    }
    QString openFileName(const QString&, const QString& filter) override
    {
        offeredFilter = filter;
        return openAnswer;
    }
    QString openPage(const QString&, const QString&) override { return openAnswer; }
    QString saveAnswer, openAnswer, offeredDirectory, offeredName, offeredFilter;
    int offeredIndex = 0;
};

// Records the values a signal carried, in order.
template<typename T, typename Signal>
std::shared_ptr<QList<T>> record(PageManager* pages, Signal signal)
{
    auto values = std::make_shared<QList<T>>();
    QObject::connect(pages, signal, pages, [values](const T& value) { values->append(value); });
    return values;
}

QByteArray readBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

// Whether writing into the directory really fails (it does not when the tests run as root).
bool directoryRefusesWrites(const QString& directory)
{
    QFile probe(QDir(directory).filePath("probe"));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        return false;
    }
    return true;
}

class PagesTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(work.isValid() && program.isValid());
        makeManager();
    }

    void makeManager()
    {
        pages = std::make_unique<PageManager>(&tabs, &editor, &spare, &settings, program.path(), &prompts, &dialogs);
        pages->setHelperHandler([this](int number) { helpers.append(number); });
    }

    QString write(const QString& name, const QByteArray& bytes)
    {
        const QString path = QDir(work.path()).filePath(name);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(bytes);
        return path;
    }

    QString editorText() const { return editor.Text(); }
    QStringList tabLabels() const
    {
        QStringList labels;
        for (int i = 0; i < tabs.count(); ++i)
            labels.append(tabs.tabText(i));
        return labels;
    }
    void type(const QString& text) { editor.InsertText(text); }

    QTemporaryDir work;
    QTemporaryDir program;
    QTabBar tabs;
    TLEdit editor;
    TLEdit spare;
    TesseraSettings settings;
    FakePrompts prompts;
    FakeDialogs dialogs;
    QList<int> helpers;
    std::unique_ptr<PageManager> pages;
};

TEST_F(PagesTest, openingAPageSetsTabCaptionDirectoryAndRecentList)
{
    const QString page = write("Site/index.htm", "<HTML>\r\n</HTML>\r\n");
    auto open = record<bool>(pages.get(), &PageManager::pagesOpenChanged);
    EXPECT_TRUE(pages->LoadFile(page, true));
    EXPECT_EQ(tabLabels(), QStringList{"index.htm"});
    EXPECT_EQ(tabs.toolTip(), page);
    EXPECT_EQ(editorText(), "<HTML>\r\n</HTML>\r\n");
    EXPECT_EQ(pages->caption(), "Tessera! - " + page.toUpper());
    EXPECT_EQ(pages->currentFile(), page);
    EXPECT_EQ(pages->currentDirectory(), QFileInfo(page).absolutePath());
    EXPECT_EQ(QDir::currentPath(), QFileInfo(page).absolutePath());
    EXPECT_EQ(pages->recentFiles().first(), page);
    EXPECT_EQ(PageSettings::recentFiles(settings).first(), page);
    EXPECT_TRUE(pages->page(0).inProject);
    EXPECT_FALSE(pages->saveEnabled());
    EXPECT_FALSE(editor.modified());
    EXPECT_TRUE(editor.isEnabled());
    ASSERT_FALSE(open->isEmpty());
    EXPECT_TRUE(open->last());
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(PagesTest, filesThatCannotBeOpenedCreateNoPageAndSayWhy)
{
    const QString missing = QDir(work.path()).filePath("gone.htm");
    EXPECT_FALSE(pages->LoadFile(missing, false));
    EXPECT_EQ(prompts.shown, QStringList{"information: Could not find or open: " + missing});

    prompts.shown.clear();
    QDir(work.path()).mkdir("folder.htm");
    EXPECT_FALSE(pages->LoadFile(QDir(work.path()).filePath("folder.htm"), false));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].startsWith("error: Could not read ")) << prompts.shown[0].toStdString();
    EXPECT_TRUE(prompts.shown[0].contains("folder.htm"));
    EXPECT_EQ(tabs.count(), 0);
    EXPECT_FALSE(editor.isEnabled());
}

TEST_F(PagesTest, oddNamesOpenAndSave)
{
    QString deep = "deep";
    for (int i = 0; i < 12; ++i)
        deep += "/" + QString(40, QLatin1Char('a' + i));
    const QString names[] = {"with space/my page.htm", QString::fromUtf8("ünï/çødé 页.htm"), deep + "/long.htm"};
    for (const QString& name : names) {
        const QString page = write(name, "<P>x</P>\n");
        ASSERT_TRUE(pages->LoadFile(page, false)) << name.toStdString();
        type("y");
        EXPECT_TRUE(pages->Save1Click()) << name.toStdString();
        EXPECT_EQ(readBytes(page), "y<P>x</P>\n") << name.toStdString();
    }
    EXPECT_EQ(tabs.count(), 3);
    EXPECT_TRUE(prompts.shown.isEmpty()) << prompts.shown.join('\n').toStdString();
}

TEST_F(PagesTest, emptyFileOpensATabThenOffersANewPage)
{
    const QString page = write("empty.htm", "");
    int built = 0;
    pages->setNewPageBuilder([&] {
        ++built;
        return true;
    });
    prompts.answers = {false};
    EXPECT_TRUE(pages->LoadFile(page, false));
    EXPECT_EQ(prompts.shown, QStringList{"confirmation: Empty file, start creation of new page?"});
    EXPECT_EQ(built, 0);
    EXPECT_EQ(tabs.count(), 1);

    pages->CloseActivePage();
    prompts.shown.clear();
    EXPECT_TRUE(pages->LoadFile(page, false));
    EXPECT_EQ(built, 1);
}

TEST_F(PagesTest, newPageIsNewpageHtmInTheProgramDirectory)
{
    pages->setNewPageBuilder([] { return false; });
    prompts.answers = {false};
    pages->New1Click();
    const QString newPage = QDir(program.path()).filePath("newpage.htm");
    EXPECT_TRUE(QFileInfo(newPage).isFile());
    EXPECT_EQ(helpers, QList<int>{1});
    EXPECT_EQ(pages->currentFile(), newPage);
    EXPECT_EQ(prompts.shown, QStringList{"confirmation: Empty file, start creation of new page?"});

    // Saving it asks for a name, after helper 9, starting where the last page was opened.
    type("<P>");
    EXPECT_FALSE(pages->Save1Click());
    EXPECT_EQ(helpers, (QList<int>{1, 9}));
    EXPECT_EQ(dialogs.offeredDirectory, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
    EXPECT_EQ(dialogs.offeredName, "newpage.htm");
    EXPECT_EQ(readBytes(newPage), "");
    ASSERT_TRUE(pages->LoadFile(write("site/other.htm", "x"), false));
    tabs.setCurrentIndex(0);
    dialogs.saveAnswer = QDir(work.path()).filePath("site/Mine.htm");
    EXPECT_TRUE(pages->Save1Click());
    EXPECT_EQ(dialogs.offeredDirectory, QDir(work.path()).filePath("site"));
    EXPECT_EQ(readBytes(dialogs.saveAnswer), "<P>");
    EXPECT_EQ(readBytes(newPage), "");
    ASSERT_TRUE(pages->CloseActivePage());
    ASSERT_TRUE(pages->CloseActivePage());

    // A second New comes back to the same tab.
    pages->New1Click();
    EXPECT_EQ(tabs.count(), 1);
}

// Opening a file that is already open activates its tab: two tabs on one file would share one
// swap file, and switching between them overwrote one page's unsaved text with the other's.
TEST_F(PagesTest, openingAnOpenFileActivatesItsTab)
{
    const QString first = write("one.htm", "one");
    const QString second = write("two.htm", "two");
    ASSERT_TRUE(pages->LoadFile(first, false));
    type("edited ");
    ASSERT_TRUE(pages->LoadFile(second, false));
    QFile::link(first, QDir(work.path()).filePath("alias.htm"));
    const QString sameFileNames[] = {first, QDir(work.path()).filePath("./sub/../one.htm"),
                                     QDir(work.path()).filePath("alias.htm")};
    for (const QString& name : sameFileNames) {
        EXPECT_TRUE(pages->LoadFile(name, false)) << name.toStdString();
        EXPECT_EQ(tabs.count(), 2) << name.toStdString();
        EXPECT_EQ(tabs.currentIndex(), 0) << name.toStdString();
        EXPECT_EQ(editorText(), "edited one") << name.toStdString();
        EXPECT_TRUE(editor.modified());
        tabs.setCurrentIndex(1);
    }
}

TEST_F(PagesTest, switchingTabsKeepsEachPagesTextSelectionAndModifiedFlag)
{
    const QString first = write("a.htm", "line one\r\nline two\r\n");
    const QString second = write("b.htm", "other\n");
    ASSERT_TRUE(pages->LoadFile(first, false));
    editor.SetSelection(2, 5, 2, 8);
    type("TWO");
    editor.SetSelection(1, 0, 1, 4);
    ASSERT_TRUE(pages->LoadFile(second, false));
    EXPECT_EQ(pages->activeIndex(), 1);
    EXPECT_FALSE(editor.modified());
    EXPECT_FALSE(pages->saveEnabled());

    // The left page's text went to its swap file as a backup, in its own encoding.
    EXPECT_EQ(readBytes(first + "_"), "line one\r\nline TWO\r\n");
    EXPECT_TRUE(pages->page(0).modified);

    tabs.setCurrentIndex(0);
    EXPECT_EQ(editorText(), "line one\r\nline TWO\r\n");
    EXPECT_EQ(editor.GetSelection(), (EditorSelection{0, 4, 1, 1}));
    EXPECT_TRUE(editor.modified());
    EXPECT_TRUE(pages->saveEnabled());
    EXPECT_EQ(pages->currentFile(), first);
    EXPECT_EQ(pages->statusText(), first);
    EXPECT_TRUE(tabs.isEnabled());

    tabs.setCurrentIndex(1);
    EXPECT_EQ(editorText(), "other\n");
    EXPECT_FALSE(editor.modified());
}

// An inactive page's text lives in memory too: a swap file that vanished or could not be
// written no longer brings the page back empty.
TEST_F(PagesTest, inactivePageSurvivesAVanishedOrUnwritableSwapFile)
{
    const QString first = write("a.htm", "alpha");
    const QString second = write("b.htm", "beta");
    ASSERT_TRUE(pages->LoadFile(first, false));
    type("1 ");
    ASSERT_TRUE(pages->LoadFile(second, false));
    ASSERT_TRUE(QFile::remove(first + "_"));
    tabs.setCurrentIndex(0);
    EXPECT_EQ(editorText(), "1 alpha");
    EXPECT_TRUE(editor.modified());

    // The page's directory disappears: the swap file cannot be written; one error, text kept.
    const QString gone = write("gone/c.htm", "gamma");
    ASSERT_TRUE(pages->LoadFile(gone, false));
    type("3 ");
    ASSERT_TRUE(QDir(QFileInfo(gone).absolutePath()).removeRecursively());
    prompts.shown.clear();
    tabs.setCurrentIndex(0);
    tabs.setCurrentIndex(2);
    tabs.setCurrentIndex(0);
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].startsWith("error: Could not write the backup " + gone + "_"));
    tabs.setCurrentIndex(2);
    EXPECT_EQ(editorText(), "3 gamma");
}

// A file that already carries the swap-file name belongs to the user: it is never written over
// or deleted; the page's text is held in memory instead.
TEST_F(PagesTest, unrelatedFileWithTheSwapNameIsLeftAlone)
{
    const QString first = write("a.htm", "alpha");
    const QString unrelated = write("a.htm_", "someone else's file");
    const QString second = write("b.htm", "beta");
    ASSERT_TRUE(pages->LoadFile(first, false));
    type("x");
    ASSERT_TRUE(pages->LoadFile(second, false));
    EXPECT_EQ(readBytes(unrelated), "someone else's file");
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains("was not made by Tessera"));
    tabs.setCurrentIndex(0);
    EXPECT_EQ(editorText(), "xalpha");
    prompts.answers = {true};
    EXPECT_TRUE(pages->CloseActivePage());
    EXPECT_EQ(readBytes(unrelated), "someone else's file");

    // The tab-strip backup and the browser copy follow the same rule.
    const QString browserCopy = write("tesseraview.htm", "mine");
    pages->WebPageTabsMouseUp();
    EXPECT_EQ(readBytes(browserCopy), "mine");
    EXPECT_TRUE(pages->statusText().startsWith("The backup was not written."));
    EXPECT_EQ(readBytes(second + "_"), "beta");
}

TEST_F(PagesTest, tabStripBackupWritesSwapAndBrowserCopy)
{
    const QString page = write("a.htm", "alpha");
    ASSERT_TRUE(pages->LoadFile(page, false));
    type("new ");
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(&tabs, &release);
    EXPECT_EQ(pages->statusText(), "A backup of the File has been saved with a '_' character appended.");
    EXPECT_EQ(readBytes(page + "_"), "new alpha");
    EXPECT_EQ(readBytes(QDir(work.path()).filePath("tesseraview.htm")), "new alpha");
    EXPECT_EQ(readBytes(page), "alpha");
    EXPECT_TRUE(editor.modified());
    // Closing deletes the swap file the program made, but not the page.
    prompts.answers = {true};
    EXPECT_TRUE(pages->CloseActivePage());
    EXPECT_FALSE(QFileInfo::exists(page + "_"));
    EXPECT_TRUE(QFileInfo::exists(page));
}

struct CloseCase {
    const char* name;
    int pageCount;
    int closing;
    QStringList remaining;
    QString active;
};

TEST_F(PagesTest, closingChoosesTheNeighbourAndClearsTheLastPage)
{
    const CloseCase cases[] = {
        {"middle activates right", 3, 1, {"p0.htm", "p2.htm"}, "p2"},
        {"rightmost activates left", 3, 2, {"p0.htm", "p1.htm"}, "p1"},
        {"leftmost activates right", 3, 0, {"p1.htm", "p2.htm"}, "p1"},
        {"last page", 1, 0, {}, ""},
    };
    for (const CloseCase& c : cases) {
        for (int i = 0; i < c.pageCount; ++i)
            ASSERT_TRUE(pages->LoadFile(write(QString("p%1.htm").arg(i), QString("p%1").arg(i).toUtf8()), false));
        tabs.setCurrentIndex(c.closing);
        auto open = record<bool>(pages.get(), &PageManager::pagesOpenChanged);
        EXPECT_TRUE(pages->CloseActivePage()) << c.name;
        EXPECT_EQ(tabLabels(), c.remaining) << c.name;
        EXPECT_EQ(editorText(), c.active) << c.name;
        EXPECT_EQ(pages->pageCount(), tabs.count()) << c.name;
        if (c.remaining.isEmpty()) {
            EXPECT_FALSE(editor.isEnabled()) << c.name;
            EXPECT_EQ(pages->currentFile(), "") << c.name;
            EXPECT_EQ(pages->caption(), "Tessera! - ") << c.name;
            ASSERT_FALSE(open->isEmpty());
            EXPECT_FALSE(open->last()) << c.name;
        } else {
            EXPECT_EQ(pages->currentFile(), QDir(work.path()).filePath(c.active + ".htm")) << c.name;
        }
        EXPECT_TRUE(pages->CloseAllPages()) << c.name;
    }
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(PagesTest, closeAllStopsAtTheFirstPageKeptOpen)
{
    const QString first = write("a.htm", "a");
    const QString second = write("b.htm", "b");
    ASSERT_TRUE(pages->LoadFile(first, false));
    ASSERT_TRUE(pages->LoadFile(second, false));
    type("changed");
    prompts.answers = {false};
    EXPECT_FALSE(pages->CloseAllPages());
    EXPECT_EQ(prompts.shown, QStringList{"confirmation: Close " + second + " without saving?"});
    EXPECT_EQ(tabs.count(), 2);
    EXPECT_EQ(editorText(), "changedb");
    EXPECT_TRUE(editor.modified());

    prompts.answers = {true};
    EXPECT_TRUE(pages->CloseAllPages());
    EXPECT_EQ(tabs.count(), 0);
    EXPECT_EQ(readBytes(second), "b");
}

TEST_F(PagesTest, saveAsKeepsTheNameAsTyped)
{
    const QString page = write("Mixed/Page.htm", "x");
    ASSERT_TRUE(pages->LoadFile(page, true));
    dialogs.saveAnswer = QDir(work.path()).filePath("Mixed/Saved Copy.HTM");
    EXPECT_TRUE(pages->SaveAs1Click());
    const QString saved = QDir(work.path()).filePath("Mixed/Saved Copy.HTM");
    EXPECT_EQ(dialogs.offeredFilter, "HTML Documents|*.htm;*.html|Frame Settings|*.set");
    EXPECT_EQ(dialogs.offeredIndex, 1);
    EXPECT_EQ(readBytes(saved), "x");
    EXPECT_EQ(pages->currentFile(), saved);
    EXPECT_FALSE(QFileInfo::exists(QDir(work.path()).filePath("Mixed/saved copy.htm")));
    EXPECT_EQ(tabLabels(), QStringList{"Saved Copy.HTM"});
    EXPECT_EQ(pages->caption(), formCaption(saved));
    EXPECT_EQ(pages->recentFiles().first(), saved);
    EXPECT_FALSE(pages->page(0).inProject);
    EXPECT_EQ(prompts.shown, QStringList{QString("information: ") + PageTexts::saveAsLeftProject});
}

TEST_F(PagesTest, saveAsIntoAnotherFolderCarriesThePagesCompanions)
{
    const QString page = write("a/p.htm", "<IMG SRC=\"pic.gif\">");
    write("a/pic.gif", "GIF89a");
    write("b/kept.gif", "mine");
    write("a/kept.gif", "theirs");
    ASSERT_TRUE(pages->LoadFile(page, false));
    pages->addCompanions({"pic.gif", "kept.gif", "gone.gif"});
    dialogs.saveAnswer = QDir(work.path()).filePath("b/p.htm");
    EXPECT_TRUE(pages->SaveAs1Click());
    EXPECT_EQ(readBytes(QDir(work.path()).filePath("b/pic.gif")), "GIF89a");
    EXPECT_EQ(readBytes(QDir(work.path()).filePath("b/kept.gif")), "mine");
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].startsWith("error: The page was saved")) << prompts.shown[0].toStdString();
    EXPECT_TRUE(prompts.shown[0].contains("gone.gif"));
}

TEST_F(PagesTest, saveAsOverAnExistingFileAsksFirst)
{
    const QString page = write("a.htm", "mine");
    const QString other = write("b.htm", "keep");
    const QString third = write("c.htm", "c");
    ASSERT_TRUE(pages->LoadFile(page, false));
    dialogs.saveAnswer = other;
    prompts.answers = {false};
    EXPECT_FALSE(pages->SaveAs1Click());
    EXPECT_EQ(prompts.shown, QStringList{"warning: Overwrite existing file?"});
    EXPECT_EQ(readBytes(other), "keep");
    EXPECT_EQ(pages->currentFile(), page);

    // Saving onto a page open in another tab would give two tabs one file.
    ASSERT_TRUE(pages->LoadFile(third, false));
    prompts.shown.clear();
    dialogs.saveAnswer = page;
    EXPECT_FALSE(pages->SaveAs1Click());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains("is open in another tab"));
    EXPECT_EQ(readBytes(page), "mine");

    // Cancelling the dialog changes nothing.
    dialogs.saveAnswer.clear();
    prompts.shown.clear();
    EXPECT_FALSE(pages->SaveAs1Click());
    EXPECT_TRUE(prompts.shown.isEmpty());
}

// A failed write names the file and the reason, keeps the modified flag and the page file as
// they were, and never reports success.
TEST_F(PagesTest, failedSavesSayWhyAndKeepEverything)
{
    const QString page = write("vanishing/a.htm", "original");
    ASSERT_TRUE(pages->LoadFile(page, false));
    type("edit ");
    ASSERT_TRUE(QDir(QFileInfo(page).absolutePath()).removeRecursively());
    EXPECT_FALSE(pages->Save1Click());
    ASSERT_EQ(prompts.shown.size(), 2);
    EXPECT_EQ(prompts.shown[0], "confirmation: " + PageTexts::deletedSaveQuestion(page));
    EXPECT_TRUE(prompts.shown[1].startsWith("error: Could not write " + page + ":\n"));
    EXPECT_GT(prompts.shown[1].split('\n').value(1).size(), 0);
    EXPECT_TRUE(editor.modified());
    EXPECT_TRUE(pages->saveEnabled());

    prompts.shown.clear();
    const QString blocker = write("plainfile", "x");
    dialogs.saveAnswer = blocker + "/b.htm";
    EXPECT_FALSE(pages->SaveAs1Click());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].startsWith("error: Could not write " + blocker + "/b.htm"));
    EXPECT_EQ(pages->currentFile(), page);
    EXPECT_TRUE(editor.modified());
    EXPECT_EQ(editorText(), "edit original");
}

TEST_F(PagesTest, readOnlyDirectoryRefusesTheSaveAndLeavesThePage)
{
    const QString page = write("locked/a.htm", "original");
    ASSERT_TRUE(pages->LoadFile(page, false));
    type("edit ");
    const QString directory = QFileInfo(page).absolutePath();
    QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    const bool refuses = directoryRefusesWrites(directory);
    if (refuses) {
        EXPECT_FALSE(pages->Save1Click());
        EXPECT_EQ(readBytes(page), "original");
        EXPECT_TRUE(editor.modified());
        ASSERT_EQ(prompts.shown.size(), 1);
        EXPECT_TRUE(prompts.shown[0].contains(page));
    }
    QFile::setPermissions(directory, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    if (!refuses)
        GTEST_SKIP() << "running with rights that ignore directory permissions";
}

// A page with several names is written in place; its backup holds the text until that write ends.
TEST_F(PagesTest, aPageWithSeveralNamesKeepsItsBackupUntilTheWriteEnds)
{
    const QString page = write("linked/a.htm", "original");
    const QString alias = QDir(work.path()).filePath("linked/b.htm");
    ASSERT_EQ(::link(QFile::encodeName(page).constData(), QFile::encodeName(alias).constData()), 0);
    ASSERT_TRUE(pages->LoadFile(page, false));
    type("edit ");
    QFile::setPermissions(page, QFileDevice::ReadOwner);
    if (QFile(page).open(QIODevice::WriteOnly)) {
        QFile::setPermissions(page, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        GTEST_SKIP() << "running with rights that ignore file permissions";
    }
    EXPECT_FALSE(pages->Save1Click());
    EXPECT_EQ(readBytes(page + "_"), "edit original") << "a write that fails leaves the text in the backup";
    QFile::setPermissions(page, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    EXPECT_TRUE(pages->Save1Click());
    EXPECT_EQ(readBytes(alias), "edit original");
    EXPECT_FALSE(QFile::exists(page + "_")) << "a finished write needs no backup";
}

// Pages of every encoding and line-end style, opened and saved, unedited or after a trip to
// another tab, come back byte for byte.
TEST_F(PagesTest, pagesRoundTripByteForByte)
{
    std::mt19937 random(7);
    const QByteArray pieces[] = {"<P>", "word ", "\r\n", "\n", "\r", "\xC3\xA9", "\xE2\x80\x9C", "\t", "&nbsp;"};
    const QByteArray legacy[] = {"\xE9", "\x93", "\x81", "\xFF"};
    const QString other = write("other.htm", "other");
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes = round % 4 == 1 ? QByteArray("\xEF\xBB\xBF") : QByteArray();
        const int length = int(random() % 60);
        for (int i = 0; i < length; ++i)
            bytes += round % 4 == 2 && random() % 3 == 0 ? legacy[random() % 4] : pieces[random() % std::size(pieces)];
        const QString page = write(QString("round%1.htm").arg(round), bytes);
        ASSERT_TRUE(pages->LoadFile(page, false));
        if (round % 2) {
            ASSERT_TRUE(pages->LoadFile(other, false));
            ASSERT_TRUE(pages->LoadFile(page, false));
        }
        ASSERT_TRUE(pages->Save1Click());
        ASSERT_EQ(readBytes(page), bytes) << "round " << round << ": " << bytes.toHex().constData();
        ASSERT_TRUE(pages->CloseActivePage());
    }
}

TEST_F(PagesTest, typedLineBreaksFollowThePagesStyle)
{
    const QString unix = write("unix.htm", "a\nb\n");
    ASSERT_TRUE(pages->LoadFile(unix, false));
    editor.SetSelection(3, 0, 3, 0);
    editor.scintilla()->SendScintilla(QsciScintillaBase::SCI_NEWLINE);
    type("c");
    ASSERT_TRUE(pages->Save1Click());
    EXPECT_EQ(readBytes(unix), "a\nb\n\nc");
}

// The chosen style rewrites every line end of a saved page, in the page's own encoding; the
// swap file keeps the text as the editor holds it.
TEST_F(PagesTest, saveStyleConvertsEveryLineEndOfTheSavedPage)
{
    const struct {
        const char* name;
        bool mac;
        bool unix;
        QByteArray expected;
    } cases[] = {
        {"default", false, false, "a\r\nb\nc\rd\xE9\r\n"},
        {"mac", true, false, "a\rb\rc\rd\xE9\r"},
        {"unix", false, true, "a\nb\nc\nd\xE9\n"},
    };
    const QString other = write("other.htm", "other");
    for (const auto& c : cases) {
        const QString page = write(QString("%1.htm").arg(c.name), "a\r\nb\nc\rd\xE9\r\n");
        editor.setMacStyleSave(c.mac);
        editor.setUnixStyleSave(c.unix);
        ASSERT_TRUE(pages->LoadFile(page, false));
        ASSERT_TRUE(pages->LoadFile(other, false));
        EXPECT_EQ(readBytes(page + "_"), "a\r\nb\nc\rd\xE9\r\n") << c.name;
        tabs.setCurrentIndex(0);
        ASSERT_TRUE(pages->Save1Click());
        EXPECT_EQ(readBytes(page), c.expected) << c.name;
        ASSERT_TRUE(pages->CloseAllPages());
    }
}

TEST_F(PagesTest, aNewPageSavesCrLfByDefault)
{
    prompts.answers = {false};
    pages->New1Click();
    editor.InsertText("a");
    editor.scintilla()->SendScintilla(QsciScintillaBase::SCI_NEWLINE);
    type("b");
    dialogs.saveAnswer = QDir(work.path()).filePath("new.htm");
    ASSERT_TRUE(pages->Save1Click());
    EXPECT_EQ(readBytes(dialogs.saveAnswer), "a\r\nb");
}

TEST_F(PagesTest, recentMenuReopensAndAutoLoadOpensTheFirstAtStart)
{
    QStringList files;
    for (int i = 0; i < 5; ++i)
        files.append(write(QString("r%1.htm").arg(i), "r"));
    for (const QString& file : files)
        ASSERT_TRUE(pages->LoadFile(file, false));
    EXPECT_EQ(pages->recentFiles(), (QStringList{files[4], files[3], files[2], files[1]}));
    auto menu = record<QStringList>(pages.get(), &PageManager::recentFilesChanged);
    pages->Last4Click(2);
    EXPECT_EQ(pages->recentFiles(), (QStringList{files[2], files[4], files[3], files[1]}));
    EXPECT_EQ(tabs.currentIndex(), 2);
    ASSERT_EQ(menu->size(), 1);
    EXPECT_EQ(PageSettings::recentFiles(settings), pages->recentFiles());
    ASSERT_TRUE(pages->CloseAllPages());

    makeManager();
    PageSettings::setAutoLoad(settings, true);
    PageSettings::setRecentFiles(settings, {files[2], files[0]});
    pages->StartUp();
    EXPECT_EQ(pages->recentFiles(), (QStringList{files[2], files[0], "", ""}));
    EXPECT_EQ(tabs.count(), 1);
    EXPECT_EQ(pages->currentFile(), files[2]);
}

TEST_F(PagesTest, droppedFilesOpenInTurn)
{
    const QString first = write("drop one.htm", "1");
    const QString second = write("drop two.htm", "2");
    QMimeData drop;
    drop.setUrls({QUrl::fromLocalFile(first), QUrl("https://example.com/x.htm"),
                  QUrl::fromLocalFile(QDir(work.path()).filePath("missing.htm")), QUrl::fromLocalFile(second)});
    EXPECT_EQ(droppedFileNames(&drop).size(), 3);
    pages->FileDrag1Drop(droppedFileNames(&drop));
    EXPECT_EQ(tabLabels(), (QStringList{"drop one.htm", "drop two.htm"}));
    EXPECT_EQ(editorText(), "2");
    EXPECT_EQ(prompts.shown.size(), 1);
}

TEST_F(PagesTest, insertFilePassesThroughTheInternalClipboard)
{
    const QString page = write("a.htm", "<BODY></BODY>");
    const QString part = write("part.htm", "caf\xE9");
    spare.setText("scratch notes");
    ASSERT_TRUE(pages->LoadFile(page, false));
    editor.SetSelection(1, 6, 1, 6);
    dialogs.openAnswer = part;
    pages->InsertFile1Click();
    EXPECT_EQ(editorText(), QString::fromUtf8("<BODY>café</BODY>"));
    EXPECT_EQ(spare.Text(), "scratch notes");
    EXPECT_EQ(readBytes(QDir(program.path()).filePath("scratch.txt")), "scratch notes");
    EXPECT_TRUE(dialogs.offeredFilter.startsWith("Web Documents|"));
    EXPECT_TRUE(prompts.shown.isEmpty());
}

TEST_F(PagesTest, internalClipboardLoadsAndSavesScratchTxt)
{
    const QString scratch = QDir(program.path()).filePath("scratch.txt");
    EXPECT_TRUE(pages->LoadSpareEditorContents());
    EXPECT_EQ(spare.Text(), "");
    EXPECT_TRUE(pages->SaveSpareEditorContents());
    EXPECT_FALSE(QFileInfo::exists(scratch));

    QFile file(scratch);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("saved \x93quote\x94\r\n");
    file.close();
    EXPECT_TRUE(pages->LoadSpareEditorContents());
    EXPECT_EQ(spare.Text(), QString::fromUtf8("saved “quote”\r\n"));
    EXPECT_TRUE(pages->SaveSpareEditorContents());
    EXPECT_EQ(readBytes(scratch), "saved \x93quote\x94\r\n");

    // Typing in it is backed up to its file too, once the typing pauses.
    using namespace std::chrono_literals;
    pages->scratchBackup().setDelays(10ms, 10s);
    spare.InsertText("more ");
    EXPECT_TRUE(QTest::qWaitFor([&] { return readBytes(scratch) == "more saved \x93quote\x94\r\n"; }, 2000));

    pages->ToggleScratchPadClick();
    EXPECT_EQ(helpers, QList<int>{8});
}

TEST_F(PagesTest, internalClipboardWriteFailureIsReported)
{
    QDir(program.path()).mkdir("scratch.txt");
    spare.setText("notes");
    EXPECT_FALSE(pages->SaveSpareEditorContents());
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_TRUE(prompts.shown[0].contains("scratch.txt"));
    EXPECT_EQ(spare.Text(), "notes");
    // Shutdown collects the failure text instead of a box.
    QString error;
    EXPECT_FALSE(pages->SaveSpareEditorContents(&error));
    EXPECT_TRUE(error.contains("scratch.txt"));
    EXPECT_EQ(prompts.shown.size(), 1);
}

TEST_F(PagesTest, editorChangeEnablesSave)
{
    ASSERT_TRUE(pages->LoadFile(write("a.htm", "a"), false));
    auto save = record<bool>(pages.get(), &PageManager::saveEnabledChanged);
    type("b");
    EXPECT_TRUE(pages->saveEnabled());
    ASSERT_FALSE(save->isEmpty());
    EXPECT_TRUE(save->last());
    EXPECT_TRUE(pages->Save1Click());
    EXPECT_FALSE(pages->saveEnabled());
}

} // namespace

// Two pages edited, the second active, then the run ends without closing them.
class RecoveryTest : public PagesTest
{
protected:
    void SetUp() override
    {
        PagesTest::SetUp();
        first = write("a.htm", "alpha");
        second = write("b.htm", "beta");
        ASSERT_TRUE(pages->LoadFile(first, false));
        type("1 ");
        ASSERT_TRUE(pages->LoadFile(second, false));
        type("2 ");
        pages->backupActivePage();
        pages->finishBackup();
        ASSERT_EQ(readBytes(first + "_"), "1 alpha");
        ASSERT_EQ(readBytes(second + "_"), "2 beta");
        pages.reset();
        while (tabs.count() > 0)
            tabs.removeTab(0);
        prompts.shown.clear();
        makeManager();
    }
    QString first, second;
};

TEST_F(RecoveryTest, eachAnswerDoesWhatItSays)
{
    prompts.recoveryAnswers = {RecoveryAnswer::Recover, RecoveryAnswer::Discard};
    pages->StartUp();
    EXPECT_EQ(prompts.shown, (QStringList{"recover: " + first, "recover: " + second}));
    EXPECT_EQ(tabLabels(), QStringList{"a.htm *"});
    EXPECT_EQ(editorText(), "1 alpha");
    EXPECT_TRUE(editor.modified());
    EXPECT_TRUE(pages->saveEnabled());
    EXPECT_FALSE(QFileInfo::exists(second + "_"));
    EXPECT_EQ(readBytes(second), "beta");
    // Undo gives back the page as it is on disk; the recovered text saves byte for byte.
    EXPECT_TRUE(pages->Save1Click());
    EXPECT_EQ(readBytes(first), "1 alpha");
    // The recovered backup is this run's own now, and goes with the page.
    EXPECT_TRUE(pages->CloseActivePage());
    EXPECT_TRUE(QDir(work.path()).entryList({"*_*"}, QDir::Files).isEmpty());
}

TEST_F(RecoveryTest, decideLaterNeverTouchesTheBackup)
{
    prompts.recoveryAnswers = {RecoveryAnswer::DecideLater, RecoveryAnswer::DecideLater};
    pages->StartUp();
    EXPECT_EQ(tabs.count(), 0);

    // Opening the page asks again; deciding later opens it from disk.
    prompts.shown.clear();
    ASSERT_TRUE(pages->LoadFile(first, false));
    EXPECT_EQ(prompts.shown, QStringList{"recover: " + first});
    EXPECT_EQ(editorText(), "alpha");
    type("new ");
    pages->backupActivePage();
    ASSERT_TRUE(pages->LoadFile(write("c.htm", "gamma"), false));
    tabs.setCurrentIndex(0);
    EXPECT_TRUE(pages->CloseActivePage());
    EXPECT_EQ(readBytes(first + "_"), "1 alpha");
    EXPECT_EQ(readBytes(second + "_"), "2 beta");
    EXPECT_FALSE(QFileInfo::exists(first + "_1"));
}

TEST_F(RecoveryTest, aBackupEqualToItsPageGoesWithoutAQuestion)
{
    write("a.htm", "1 alpha");
    prompts.recoveryAnswers = {RecoveryAnswer::DecideLater};
    pages->StartUp();
    EXPECT_EQ(prompts.shown, QStringList{"recover: " + second});
    EXPECT_FALSE(QFileInfo::exists(first + "_"));
    EXPECT_TRUE(QFileInfo::exists(second + "_"));
}

TEST_F(PagesTest, theActivePageIsBackedUpOnceTypingPauses)
{
    using namespace std::chrono_literals;
    const QString page = write("a.htm", "alpha");
    ASSERT_TRUE(pages->LoadFile(page, false));
    pages->pageBackup().setDelays(20ms, 10s);
    type("x");
    EXPECT_FALSE(QFileInfo::exists(page + "_"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(page + "_"); }, 2000));
    EXPECT_EQ(readBytes(page + "_"), "xalpha");

    // Steady typing still gets a copy after the longest wait.
    pages->pageBackup().setDelays(10s, 50ms);
    type("y");
    EXPECT_TRUE(QTest::qWaitFor([&] { return readBytes(page + "_") == "xyalpha"; }, 2000));

    // Saving makes the page the copy.
    EXPECT_TRUE(pages->Save1Click());
    EXPECT_FALSE(QFileInfo::exists(page + "_"));
}

TEST_F(PagesTest, aFailedBackupIsToldOnceInTheStatusBar)
{
    const QString page = write("gone/a.htm", "alpha");
    ASSERT_TRUE(pages->LoadFile(page, false));
    ASSERT_TRUE(QDir(QFileInfo(page).absolutePath()).removeRecursively());
    type("x");
    pages->backupActivePage();
    pages->finishBackup();
    EXPECT_TRUE(pages->statusText().startsWith("The backup " + page + "_ could not be written"));
    auto statuses = record<QString>(pages.get(), &PageManager::statusTextChanged);
    pages->backupActivePage();
    pages->finishBackup();
    EXPECT_TRUE(statuses->isEmpty());
    EXPECT_TRUE(prompts.shown.isEmpty());
    EXPECT_EQ(editorText(), "xalpha");
}

TEST_F(PagesTest, saveAsksBeforeOverwritingAnotherProgramsChange)
{
    struct Case {
        const char* name;
        OutsideChangeAnswer answer;
        bool saved;
        QByteArray onDisk;
        QString inEditor;
    };
    const Case cases[] = {
        {"overwrite", OutsideChangeAnswer::Overwrite, true, "mine theirs", "mine theirs"},
        {"reload", OutsideChangeAnswer::Reload, false, "changed by them", "changed by them"},
        {"cancel", OutsideChangeAnswer::Cancel, false, "changed by them", "mine theirs"},
    };
    for (const Case& c : cases) {
        const QString page = write(QString(c.name) + ".htm", "theirs");
        ASSERT_TRUE(pages->LoadFile(page, false));
        type("mine ");
        write(QString(c.name) + ".htm", "changed by them");
        prompts.shown.clear();
        prompts.outsideAnswer = c.answer;
        EXPECT_EQ(pages->Save1Click(), c.saved) << c.name;
        EXPECT_EQ(prompts.shown, QStringList{"outside change: " + PageTexts::changedOnDisk(page)}) << c.name;
        EXPECT_EQ(readBytes(page), c.onDisk) << c.name;
        EXPECT_EQ(editorText(), c.inEditor) << c.name;
        if (c.answer == OutsideChangeAnswer::Reload) {
            editor.scintilla()->undo();
            EXPECT_EQ(editorText(), "mine theirs") << "the editor's changes stay in undo";
        }
    }

    // A file only touched, or not changed at all, saves without a word.
    const QString page = write("touched.htm", "same");
    ASSERT_TRUE(pages->LoadFile(page, false));
    write("touched.htm", "same");
    prompts.shown.clear();
    EXPECT_TRUE(pages->Save1Click());
    EXPECT_TRUE(prompts.shown.isEmpty());

    // A deleted file is written back only when the user says so.
    ASSERT_TRUE(QFile::remove(page));
    prompts.answers = {false};
    EXPECT_FALSE(pages->Save1Click());
    EXPECT_FALSE(QFileInfo::exists(page));
    EXPECT_EQ(prompts.shown, QStringList{"confirmation: " + PageTexts::deletedSaveQuestion(page)});
    prompts.answers = {true};
    EXPECT_TRUE(pages->Save1Click());
    EXPECT_EQ(readBytes(page), "same");
}
