#include "app/appstrings.h"
#include "app/pagetabbar.h"
#include "app/previewwiring.h"
#include "app/projectswiring.h"
#include "app/quietsettings.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "projects/model/outlineentry.h"
#include "projects/outline/outlinecommands.h"
#include "projects/outline/toutline.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/pages/pageprompts.h"
#include "support/testfiles.h"

#include <Qsci/qsciscintilla.h>

#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QMimeData>
#include <QSettings>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

namespace {

struct RecordingPrompts : PagePrompts {
    QStringList* asked;
    explicit RecordingPrompts(QStringList* asked) : asked(asked) {}
    void information(const QString& text) override { *asked << text; }
    void error(const QString& text) override { *asked << text; }
    bool warning(const QString& text) override { *asked << text; return true; }
    bool confirmation(const QString& text) override { *asked << text; return true; }
    QList<RecoveryAnswer> recover(const QList<OrphanSwapFile>&) override { return {}; }
    OutsideChangeAnswer outsideChange(const QString& text) override
    {
        *asked << text;
        return OutsideChangeAnswer::Cancel;
    }
};

class ProjectsWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        startQuietSettings();
        writeFile(user(QStringLiteral("site/index.htm")), "<P>home</P>");
        writeFile(user(QStringLiteral("site/PROJECT.INI")), "[PROJECT]\r\nmailto=me@example.org\r\n");
        writeFile(m_root.filePath(QStringLiteral("shop/PROJECT.INI")), "[PROJECT]\r\n");
        outlineText = "Site - site\r\n"
                      "\t#Default Project Settings - PROJECT.INI\r\n"
                      "\tHome - index.htm\r\n"
                      "Shop - "
            + m_root.filePath(QStringLiteral("shop")).toUtf8()
            + "\r\n"
              "\t#Default Project Settings - PROJECT.INI\r\n";
        writeFile(user(ProjectTexts::outlineFile), outlineText);
        start();
    }

    void start()
    {
        TForm1Environment environment;
        environment.programDirectory = ProgramDirectory(m_root.filePath(QStringLiteral("user")),
                                                        m_root.filePath(QStringLiteral("share")));
        environment.reportFailure = [this](const QString& title, const QString& text) { asked << title + ": " + text; };
        environment.makePagePrompts = [this] { return std::make_unique<RecordingPrompts>(&asked); };
        window = std::make_unique<TForm1>(environment);
        window->show();
        QCoreApplication::processEvents();
    }

    void restart()
    {
        window->close();
        window.reset();
        start();
    }

    QString user(const QString& name) const { return m_root.filePath(QStringLiteral("user/") + name); }
    TOutline& outline() const { return window->projects().outline(); }

    void select(int project, int page)
    {
        outline().select({project, page});
        outline().setFocus();
    }

    // A point on the entry's text, which starts inside even a narrow pane.
    QPoint pointOn(const QTreeWidgetItem* item) const
    {
        const QRect rect = outline().visualItemRect(item);
        return {rect.left() + 5, rect.center().y()};
    }

    void doubleClick(int project, int page)
    {
        select(project, page);
        // A real double click starts with a click on the same item.
        QTest::mouseClick(outline().viewport(), Qt::LeftButton, {}, pointOn(outline().currentItem()));
        QTest::mouseDClick(outline().viewport(), Qt::LeftButton, {}, pointOn(outline().currentItem()));
    }

    // A drag of the selected page, dropped on `target` inside `widget`.
    bool drop(QWidget* widget, const QPoint& target)
    {
        std::unique_ptr<QMimeData> data(outline().dragData());
        QDragEnterEvent enter(target, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(widget, &enter);
        QDragMoveEvent move(target, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(widget, &move);
        if (!move.isAccepted())
            return false;
        QDropEvent dropped(target, Qt::CopyAction | Qt::MoveAction, data.get(), Qt::LeftButton, {});
        QApplication::sendEvent(widget, &dropped);
        return dropped.isAccepted();
    }

    QPoint projectPoint(int project) const { return pointOn(outline().topLevelItem(project)); }

    QTemporaryDir m_root;
    QByteArray outlineText;
    QStringList asked;
    std::unique_ptr<TForm1> window;
};

TEST_F(ProjectsWindow, OutlineShowsTheStoredProjectsAndWritesThemBackAtShutdown)
{
    EXPECT_EQ(window->outlineWidget(), &outline());
    EXPECT_EQ(outline().toolTip(), ProjectTexts::outlineHint);
    ASSERT_EQ(outline().topLevelItemCount(), 2);
    EXPECT_EQ(outline().topLevelItem(0)->child(1)->text(0), QStringLiteral("Home - index.htm"));
    EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char('\n')).toStdString();

    select(0, 1);
    window->projects().outlineCommands().AddThePage(QStringLiteral("About - about.htm"));
    EXPECT_EQ(outline().selectedText(), QStringLiteral("About - about.htm"));
    window->close();
    EXPECT_EQ(readFile(user(ProjectTexts::outlineFile)),
              QByteArray(outlineText).insert(outlineText.indexOf("\tHome"), "\tAbout - about.htm\r\n"));
}

TEST_F(ProjectsWindow, DoubleClickOpensAPageAndRefusesOneOpenUnderAnyName)
{
    doubleClick(0, 1);
    ASSERT_EQ(window->webPageTabs()->count(), 1);
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<P>home</P>"));
    EXPECT_TRUE(window->workspace().pages().page(0).inProject);
    window->commands().trigger(Command::FileClosePage);

    const QString alias = m_root.filePath(QStringLiteral("alias.htm"));
    ASSERT_TRUE(QFile::link(user(QStringLiteral("site/index.htm")), alias));
    for (const QString& openedAs : {user(QStringLiteral("site/index.htm")), alias,
                                    user(QStringLiteral("site/./index.htm")),
                                    QStringLiteral("/") + user(QStringLiteral("site//index.htm"))}) {
        asked.clear();
        window->workspace().pages().LoadFile(openedAs, false);
        doubleClick(0, 1);
        EXPECT_EQ(window->webPageTabs()->count(), 1) << openedAs.toStdString();
        EXPECT_EQ(asked, QStringList{ProjectTexts::selectedFileOpen}) << openedAs.toStdString();
        window->commands().trigger(Command::FileClosePage);
    }
}

TEST_F(ProjectsWindow, ProjectOnAWindowsDriveIsReportedMissing)
{
    const OutlinePosition project = outline().appendProject(QStringLiteral("Old - C:\\web"));
    outline().select(outline().insertPage(project.project, QStringLiteral("Old page - old.htm")));
    outline().setFocus();
    QTest::keyClick(&outline(), Qt::Key_Return);
    EXPECT_EQ(window->webPageTabs()->count(), 0);
    EXPECT_EQ(asked, QStringList{QStringLiteral("Could not find or open: C:/web/old.htm")});
}

TEST_F(ProjectsWindow, EnterOnAnOpenPageMakesItsTabCurrent)
{
    select(0, 1);
    QTest::keyClick(&outline(), Qt::Key_Return);
    ASSERT_EQ(window->webPageTabs()->count(), 1);
    writeFile(m_root.filePath(QStringLiteral("other.htm")), "other");
    window->workspace().pages().LoadFile(m_root.filePath(QStringLiteral("other.htm")), false);
    ASSERT_EQ(window->webPageTabs()->currentIndex(), 1);

    // Opened by another spelling of the same file, it is still the one page.
    select(0, 1);
    QTest::keyClick(&outline(), Qt::Key_Return);
    EXPECT_EQ(window->webPageTabs()->count(), 2);
    EXPECT_EQ(window->webPageTabs()->currentIndex(), 0);
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<P>home</P>"));
    EXPECT_TRUE(asked.isEmpty()) << asked.join(QLatin1Char('\n')).toStdString();
}

TEST_F(ProjectsWindow, F3InTheOutlineOpensTheSettingsEntryAsText)
{
    // With a page open, F3 is also Find Next; in the outline the outline's own F3 wins.
    writeFile(m_root.filePath(QStringLiteral("other.htm")), "other");
    window->workspace().pages().LoadFile(m_root.filePath(QStringLiteral("other.htm")), false);
    ASSERT_TRUE(window->commands().isEnabled(Command::SearchFindNext));
    select(0, 0);
    QTest::keyClick(&outline(), Qt::Key_F3);
    ASSERT_EQ(window->webPageTabs()->count(), 2);
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("[PROJECT]\r\nmailto=me@example.org\r\n"));

    // On a project entry F3 opens nothing.
    select(1, -1);
    QTest::keyClick(&outline(), Qt::Key_F3);
    EXPECT_EQ(window->webPageTabs()->count(), 2);
}

TEST_F(ProjectsWindow, SelectionDecidesWhichItemsAreEnabled)
{
    CommandRegistry& commands = window->commands();
    select(1, -1);
    EXPECT_FALSE(commands.wantsEnabled(Command::ProjectViewPage));
    EXPECT_TRUE(commands.wantsEnabled(Command::ProjectDelete));
    // The settings entry counts as a page; the commands themselves refuse it where they must.
    select(0, 0);
    EXPECT_TRUE(commands.wantsEnabled(Command::PageEditDescription));
    select(0, 1);
    EXPECT_TRUE(commands.isEnabled(Command::ProjectViewPage));
    EXPECT_TRUE(commands.wantsEnabled(Command::PageRenameFile));
    EXPECT_FALSE(commands.wantsEnabled(Command::ProjectDelete));
    // Commands that change projects wait for their dialogs.
    EXPECT_FALSE(commands.isEnabled(Command::PageRenameFile));

    window->menus().projectPopup()->popup(QPoint(0, 0));
    EXPECT_TRUE(commands.action(Command::ProjectViewPage)->isEnabled());
    window->menus().projectPopup()->hide();
    commands.trigger(Command::ProjectViewPage);
    EXPECT_TRUE(window->workspace().preview().split().ShownFileName().endsWith(QStringLiteral("index.htm")))
        << window->workspace().preview().split().ShownFileName().toStdString();
    EXPECT_EQ(window->webPageTabs()->count(), 0);
}

TEST_F(ProjectsWindow, DroppedPageMovesToTheOtherProjectButNeverOverAFile)
{
    // An open page stays where it is; so does a file of that name in the target, and the page.
    window->workspace().pages().LoadFile(user(QStringLiteral("site/index.htm")), true);
    select(0, 1);
    drop(outline().viewport(), projectPoint(1));
    window->commands().trigger(Command::FileClosePage);
    writeFile(m_root.filePath(QStringLiteral("shop/index.htm")), "shop's own");
    select(0, 1);
    drop(outline().viewport(), projectPoint(1));
    EXPECT_EQ(asked, (QStringList{ProjectTexts::selectedFileOpen, ProjectTexts::cannotMoveOrCopy}));
    EXPECT_EQ(readFile(m_root.filePath(QStringLiteral("shop/index.htm"))), QByteArray("shop's own"));
    EXPECT_EQ(outline().outline().project(0).pages.size(), 2);

    QFile::remove(m_root.filePath(QStringLiteral("shop/index.htm")));
    ASSERT_TRUE(drop(outline().viewport(), projectPoint(1)));
    EXPECT_EQ(readFile(m_root.filePath(QStringLiteral("shop/index.htm"))), QByteArray("<P>home</P>"));
    EXPECT_FALSE(QFile::exists(user(QStringLiteral("site/index.htm"))));
    EXPECT_EQ(outline().outline().project(0).pages, QStringList{ProjectTexts::settingsEntry});
    EXPECT_EQ(outline().outline().project(1).pages,
              (QStringList{ProjectTexts::settingsEntry, QStringLiteral("Home - index.htm")}));

    // A project that lists the page already takes no drop, its own project included.
    EXPECT_EQ(outline().selectedPosition(), (OutlinePosition{1, 1}));
    EXPECT_FALSE(drop(outline().viewport(), projectPoint(1)));
}

TEST_F(ProjectsWindow, DeleteChildrenRemovesPageFilesAndAsksAboutThoseItCannot)
{
    const QString settingsFile = m_root.filePath(QStringLiteral("shop/PROJECT.INI"));
    writeFile(settingsFile + QLatin1Char('_'), "swap");
    select(1, -1);
    outline().insertPage(1, QStringLiteral("Gone - gone.htm"));
    window->projects().outlineCommands().DeleteChildren();
    EXPECT_FALSE(QFile::exists(settingsFile));
    EXPECT_FALSE(QFile::exists(settingsFile + QLatin1Char('_')));
    EXPECT_EQ(asked, QStringList{QStringLiteral("Error removing file ") + m_root.filePath(QStringLiteral("shop/gone.htm"))
                                 + QStringLiteral(". Would you like to remove the project from the list anyway?")});
    EXPECT_TRUE(outline().outline().project(1).pages.isEmpty());
    EXPECT_EQ(outline().selectedPosition(), (OutlinePosition{1, -1}));
}

TEST_F(ProjectsWindow, PageDroppedOnTheEditorBecomesALink)
{
    writeFile(m_root.filePath(QStringLiteral("other.htm")), "go here");
    window->workspace().pages().LoadFile(m_root.filePath(QStringLiteral("other.htm")), false);
    window->webPage()->SetSelection(1, 3, 1, 7);
    select(0, 1);
    ASSERT_TRUE(drop(window->webPage()->scintilla()->viewport(), QPoint(5, 5)));
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("go <A HREF=\"index.htm\">here</A>"));
}

TEST_F(ProjectsWindow, DisplayProjectsIsRememberedAcrossRuns)
{
    EXPECT_GT(window->mainSplitter()->sizes().value(0), 0);
    window->commands().trigger(Command::ProjectDisplay);
    EXPECT_EQ(window->mainSplitter()->sizes().value(0), 0);
    EXPECT_FALSE(window->commands().isChecked(Command::ProjectDisplay));

    restart();
    EXPECT_EQ(window->mainSplitter()->sizes().value(0), 0);
    EXPECT_FALSE(window->commands().isChecked(Command::ProjectDisplay));
    window->buttonPanel1()->button(ButtonPanel::Button::Projects)->click();
    EXPECT_TRUE(window->commands().isChecked(Command::ProjectDisplay));
    const QList<int> sizes = window->mainSplitter()->sizes();
    const int total = sizes.value(0) + sizes.value(1) + sizes.value(2);
    EXPECT_NEAR(sizes.value(0), total / 4, 2);
}

TEST_F(ProjectsWindow, DamagedOutlineFileIsReportedAndKept)
{
    window->close();
    window.reset();
    const QByteArray damaged = "\tLost - lost.htm\r\n" + outlineText;
    writeFile(user(ProjectTexts::outlineFile), damaged);
    asked.clear();
    start();
    ASSERT_EQ(asked.size(), 1);
    EXPECT_TRUE(asked.first().contains(user(ProjectTexts::outlineFile))) << asked.first().toStdString();
    EXPECT_TRUE(asked.first().contains(QStringLiteral("line 1"))) << asked.first().toStdString();
    EXPECT_EQ(outline().topLevelItemCount(), 2);

    window->close();
    EXPECT_EQ(readFile(user(ProjectTexts::outlineBackupFile)), damaged);
    EXPECT_EQ(readFile(user(ProjectTexts::outlineFile)), outlineText);
}

} // namespace
