#include "app/appstrings.h"
#include "app/pagetabbar.h"
#include "app/quietsettings.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "workspace/pages/pageprompts.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QMenu>
#include <QMimeData>
#include <QUrl>
#include <QSplitter>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

// Answers page questions from a script and remembers what was asked.
struct ScriptedPrompts : PagePrompts {
    QStringList* asked;
    const bool* answer;
    ScriptedPrompts(QStringList* asked, const bool* answer) : asked(asked), answer(answer) {}
    void information(const QString& text) override { *asked << text; }
    void error(const QString& text) override { *asked << text; }
    bool warning(const QString& text) override { *asked << text; return *answer; }
    bool confirmation(const QString& text) override { *asked << text; return *answer; }
};

// Picks the file a test names, as if the user had chosen it.
struct ChosenFile : PageFileDialogs {
    QString* chosen;
    explicit ChosenFile(QString* chosen) : chosen(chosen) {}
    QString saveFileName(const QString&, const QString&, const QString&, int) override { return *chosen; }
    QString openFileName(const QString&, const QString&) override { return *chosen; }
    QString openPage(const QString&, const QString&) override { return *chosen; }
};

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
}

class WiringFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        QCoreApplication::setOrganizationName(strings::organisationName);
        QCoreApplication::setApplicationName(strings::applicationName);
        QSettings settings;
        settings.clear();
        silenceTipsAndHelpers(settings);
        settings.sync();
        writeFile(m_root.filePath(QStringLiteral("share/tessera/blkhlght.mnu")), "<CITE>..</CITE> - citation\n");

        environment.programDirectory = ProgramDirectory(m_root.filePath(QStringLiteral("user")),
                                                        m_root.filePath(QStringLiteral("share/tessera")));
        environment.reportFailure = [this](const QString& title, const QString& text) { asked << title + ": " + text; };
        environment.makePagePrompts = [this] { return std::make_unique<ScriptedPrompts>(&asked, &answer); };
        environment.makePageFileDialogs = [this] { return std::make_unique<ChosenFile>(&chosen); };
        window = std::make_unique<TForm1>(environment);
        window->show();
    }

    QString page(const QString& name, const QByteArray& contents)
    {
        const QString path = m_root.filePath(QStringLiteral("site/") + name);
        writeFile(path, contents);
        return path;
    }

    void open(const QString& path)
    {
        chosen = path;
        ASSERT_TRUE(window->commands().trigger(Command::FileOpen));
    }

    QTemporaryDir m_root;
    TForm1Environment environment;
    QStringList asked;
    bool answer = true;
    QString chosen;
    std::unique_ptr<TForm1> window;
};

TEST_F(WiringFixture, NewMakesATabAndDroppedFilesOpen)
{
    EXPECT_TRUE(window->commands().trigger(Command::FileNew));
    ASSERT_EQ(window->webPageTabs()->count(), 1);
    EXPECT_TRUE(window->webPage()->isEnabled());
    EXPECT_TRUE(window->commands().isEnabled(Command::FileClosePage));

    // A drop opens the local files in order and ignores other addresses.
    const QString first = page(QStringLiteral("one.htm"), "1");
    const QString second = page(QStringLiteral("two.htm"), "2");
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(first), QUrl(QStringLiteral("https://example.invalid/x.htm")),
                  QUrl::fromLocalFile(second)});
    EXPECT_TRUE(window->workspace().dropFiles(&data));
    EXPECT_EQ(window->webPageTabs()->count(), 3);
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("2"));

    QMimeData text;
    text.setText(QStringLiteral("not a file"));
    EXPECT_FALSE(window->workspace().dropFiles(&text));
    EXPECT_EQ(window->webPageTabs()->count(), 3);
}

TEST_F(WiringFixture, ShowingTheToolBookKeepsTheWindowWidth)
{
    window->resize(640, 480);
    QCoreApplication::processEvents();
    const int width = window->width();
    open(page(QStringLiteral("w.htm"), "x"));
    QCoreApplication::processEvents();
    EXPECT_EQ(window->width(), width) << "the tool book's tabs scroll instead of widening the window";
}

TEST_F(WiringFixture, OpenEditAndSaveAPage)
{
    const QString path = page(QStringLiteral("index.htm"), "<P>hello</P>\r\n");
    open(path);
    ASSERT_EQ(window->webPageTabs()->count(), 1);
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<P>hello</P>\r\n"));
    EXPECT_TRUE(window->windowTitle().contains(QStringLiteral("index.htm"), Qt::CaseInsensitive)) << window->windowTitle().toStdString();
    EXPECT_TRUE(window->statusPanel(2)->text().contains(QStringLiteral("index.htm"), Qt::CaseInsensitive))
        << window->statusPanel(2)->text().toStdString();

    window->webPage()->SetSelection(1, 3, 1, 8); // "hello"
    EXPECT_TRUE(window->commands().trigger(Command::EditBold));
    EXPECT_TRUE(window->commands().trigger(Command::FileSave));
    EXPECT_EQ(readFile(path), QByteArray("<P><B>hello</B></P>\r\n"));
    EXPECT_FALSE(window->webPage()->modified());

    QAction* recent = window->commands().action(Command::FileRecent1);
    EXPECT_TRUE(recent->isVisible());
    EXPECT_TRUE(recent->text().contains(QStringLiteral("index.htm"), Qt::CaseInsensitive)) << recent->text().toStdString();
}

TEST_F(WiringFixture, OpeningAndClosingFollowsTheMenusAndToolBook)
{
    EXPECT_FALSE(window->commands().isEnabled(Command::FileSave));
    EXPECT_FALSE(window->powerBook()->isVisibleTo(window.get()));
    open(page(QStringLiteral("a.htm"), "x"));
    EXPECT_TRUE(window->commands().isEnabled(Command::FileSave));
    EXPECT_TRUE(window->commands().isEnabled(Command::FileClosePage));
    EXPECT_TRUE(window->powerBook()->isVisibleTo(window.get()));

    EXPECT_TRUE(window->commands().trigger(Command::FileClosePage));
    EXPECT_EQ(window->webPageTabs()->count(), 0);
    EXPECT_FALSE(window->commands().isEnabled(Command::FileSave));
    EXPECT_FALSE(window->webPage()->isEnabled());
}

TEST_F(WiringFixture, ToolBookAndUserMenusInsertIntoThePage)
{
    open(page(QStringLiteral("b.htm"), "word"));
    window->webPage()->SetSelection(1, 0, 1, 4);
    auto* bold = window->powerBook()->findChild<QToolButton*>(QStringLiteral("BoldButton"));
    ASSERT_NE(bold, nullptr);
    bold->click();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<B>word</B>"));

    QMenu* blocks = window->menus().blockHighlights();
    ASSERT_EQ(blocks->actions().size(), 1) << "the shipped menu file is read at start";
    window->webPage()->SetSelection(1, 0, 1, 0);
    blocks->actions().first()->trigger();
    EXPECT_TRUE(window->webPage()->Text().startsWith(QStringLiteral("<CITE></CITE>")))
        << window->webPage()->Text().toStdString();

    EXPECT_TRUE(window->commands().trigger(Command::CodesHeading2));
    EXPECT_TRUE(window->webPage()->Text().contains(QStringLiteral("<H2></H2>"))) << window->webPage()->Text().toStdString();
}

TEST_F(WiringFixture, ExitWithAModifiedPageAsksFirst)
{
    const QString path = page(QStringLiteral("c.htm"), "original");
    open(path);
    window->webPage()->SetSelection(1, 0, 1, 0);
    window->commands().trigger(Command::EditInsertStandardTags);
    ASSERT_TRUE(window->webPage()->modified());

    answer = false; // keep the page open
    asked.clear();
    EXPECT_FALSE(window->close());
    EXPECT_EQ(asked.size(), 1) << "closing a modified page asks first";
    EXPECT_EQ(window->webPageTabs()->count(), 1);
    EXPECT_FALSE(window->settingsWritten());

    answer = true; // close without saving
    EXPECT_TRUE(window->close());
    EXPECT_EQ(readFile(path), QByteArray("original"));
    EXPECT_TRUE(window->settingsWritten());
}

TEST_F(WiringFixture, InternalClipboardTogglesItsQuarter)
{
    window->commands().trigger(Command::OptionsToggleInternalClipboard);
    EXPECT_TRUE(window->commands().isChecked(Command::OptionsToggleInternalClipboard));
    const QList<int> shown = window->mainSplitter()->sizes();
    EXPECT_GT(shown.value(2), 0);
    window->commands().trigger(Command::OptionsToggleInternalClipboard);
    EXPECT_FALSE(window->commands().isChecked(Command::OptionsToggleInternalClipboard));
    EXPECT_EQ(window->mainSplitter()->sizes().value(2), 0);
}

} // namespace

namespace {

TEST_F(WiringFixture, SplitPositionSurvivesRestarts)
{
    window->resize(800, 600);
    QCoreApplication::processEvents();
    QSplitter* split = window->splitScreen();
    const int total = split->sizes().value(0) + split->sizes().value(1);
    split->setSizes({150, total - 150});
    ASSERT_EQ(split->sizes().value(0), 150);
    for (int restart = 0; restart < 3; ++restart) {
        ASSERT_TRUE(window->close());
        window = std::make_unique<TForm1>(environment);
        window->show();
        QCoreApplication::processEvents();
        EXPECT_EQ(window->splitScreen()->sizes().value(0), 150) << "after restart " << restart + 1;
    }
}

} // namespace

TEST_F(WiringFixture, BookmarksSelectTheirWholeLine)
{
    open(page(QStringLiteral("marks.htm"), "<P>one</P>\r\n<P>two</P>\r\n<P>three</P>\r\n"));
    TLEdit* editor = window->webPage();
    editor->SetSelection(2, 4, 2, 4);
    ASSERT_TRUE(window->commands().trigger(offsetCommand(Command::SetBookmark0, 3)));
    editor->SetSelection(1, 0, 1, 0);
    ASSERT_TRUE(window->commands().trigger(offsetCommand(Command::GotoBookmark0, 3)));
    EXPECT_EQ(editor->GetSelText(), QStringLiteral("<P>two</P>"));
    // A bookmark never set leaves the selection where it is.
    ASSERT_TRUE(window->commands().trigger(offsetCommand(Command::GotoBookmark0, 12)));
    EXPECT_EQ(editor->GetSelText(), QStringLiteral("<P>two</P>"));
}

TEST_F(WiringFixture, CaretPanelShowsWhereTheSelectionEnds)
{
    open(page(QStringLiteral("caret.htm"), "ab\r\ncdef\r\n"));
    TLEdit* editor = window->webPage();
    editor->SetSelection(1, 1, 2, 3);
    QTest::keyRelease(editor->scintilla(), Qt::Key_Shift);
    EXPECT_EQ(window->statusPanel(0)->text(), QStringLiteral("2:3"));
}

TEST_F(WiringFixture, UndoInTheInternalClipboardStaysThere)
{
    open(page(QStringLiteral("undo.htm"), "page"));
    window->webPage()->InsertText(QStringLiteral("typed "));
    ASSERT_TRUE(window->commands().trigger(Command::OptionsToggleInternalClipboard));
    TLEdit* spare = window->spareEditor();
    spare->InsertText(QStringLiteral("note"));
    QApplication::setActiveWindow(window.get());
    spare->setFocus();
    QCoreApplication::processEvents();
    ASSERT_EQ(window->focusedEditor(), spare);
    ASSERT_TRUE(window->commands().trigger(Command::EditUndo));
    EXPECT_EQ(spare->Text(), QString());
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("typed page"));
}
