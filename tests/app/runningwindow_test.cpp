// The running program as a user meets it: a command, a key or a click on the real main window,
// then what the window shows (the preview's document, a control's state, the bytes on disk).

#include "windowfixture.h"

#include "app/pagetabbar.h"
#include "app/previewwiring.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "viewer/control/pageviewer.h"
#include "workspace/pages/pagemanager.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include <Qsci/qsciscintilla.h>

#include <functional>

namespace {

using namespace windowtest;
using tessera::viewer::TPageViewer;
using tessera::workspace::PreviewController;

class RunningWindowTest : public WiringFixture {
protected:
    PreviewWiring& preview() const { return window->workspace().preview(); }
    TPageViewer& split() const { return preview().split(); }
    int renders() const { return preview().controller().refreshCount(); }
    QToolButton* button(ButtonPanel::Button which) const { return window->buttonPanel1()->button(which); }

    void activate()
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
};

class LivePreviewTest : public RunningWindowTest {
protected:
    void adjustSettings(QSettings& settings) override { settings.setValue(QStringLiteral("Defaults/AutoUpdate"), true); }
};

TEST_F(RunningWindowTest, everyInsertionRefreshesThePreviewOnceWithoutLiveUpdate)
{
    open(page(QStringLiteral("ins.htm"), "<P>word</P>"));
    TLEdit* editor = window->webPage();
    auto selectWord = [editor] { editor->SetSelection(1, 3, 1, 7); };
    auto caretAtStart = [editor] { editor->SetSelection(1, 0, 1, 0); };
    // The date the command writes stands at the start, before any tag.
    auto insertedDate = [editor] { return editor->Text().section(QLatin1Char('<'), 0, 0).trimmed(); };
    struct Row {
        const char* name;
        std::function<void()> prepare;
        std::function<void()> act;
        std::function<QString()> shown; // text the preview's document then holds, if any
    };
    const Row rows[] = {
        {"menu Bold", selectWord, [this] { window->commands().trigger(Command::EditBold); }, {}},
        {"tool book Bold", selectWord,
         [this] { window->powerBook()->findChild<QToolButton*>(QStringLiteral("BoldButton"))->click(); }, {}},
        {"user tag menu", caretAtStart, [this] { window->menus().blockHighlights()->actions().first()->trigger(); }, {}},
        {"heading", caretAtStart, [this] { window->commands().trigger(Command::CodesHeading2); }, {}},
        {"date", caretAtStart, [this] { window->commands().trigger(Command::CodesDate); }, insertedDate},
    };
    for (const Row& row : rows) {
        row.prepare();
        const int before = renders();
        row.act();
        EXPECT_EQ(renders(), before + 1) << row.name;
        if (row.shown) {
            EXPECT_TRUE(split().documentText().contains(row.shown())) << row.name << ": " << row.shown().toStdString();
        }
    }
}

TEST_F(LivePreviewTest, aBurstOfKeystrokesIsShownByOneRenderThatNeverHoldsUpTyping)
{
    open(page(QStringLiteral("live.htm"), "<P>start</P>"));
    activate();
    window->webPage()->setFocus();
    const int before = renders();
    QTest::keyClicks(window->webPage()->scintilla(), QStringLiteral("abcde"));
    EXPECT_EQ(renders(), before) << "typing never waits for a render";
    QTest::qWait(PreviewController::kLiveDelay * 4);
    EXPECT_EQ(renders(), before + 1);
    EXPECT_TRUE(split().documentText().contains(QStringLiteral("abcde"))) << split().documentText().toStdString();
}

TEST_F(LivePreviewTest, anInsertionIsShownByTheLiveRenderAlone)
{
    open(page(QStringLiteral("ins.htm"), "<P>word</P>"));
    const int before = renders();
    window->commands().trigger(Command::EditInsertStandardTags);
    QTest::qWait(PreviewController::kLiveDelay * 4);
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(split().TitleText(), QStringLiteral("Web page Title"));
}

TEST_F(RunningWindowTest, openingAndSwitchingTabsRenderOnceEach)
{
    int before = renders();
    open(page(QStringLiteral("a.htm"), "<TITLE>Ay</TITLE>a"));
    EXPECT_EQ(renders(), before + 1);
    before = renders();
    open(page(QStringLiteral("b.htm"), "<TITLE>Bee</TITLE>b"));
    EXPECT_EQ(renders(), before + 1);
    before = renders();
    window->webPageTabs()->setCurrentIndex(0);
    EXPECT_EQ(renders(), before + 1);
    EXPECT_EQ(split().TitleText(), QStringLiteral("Ay"));
}

TEST_F(RunningWindowTest, fullScreenHidesTheToolsAndThePopUpActsOnTheShownPreview)
{
    QByteArray long_page = "<TITLE>Long</TITLE>";
    for (int i = 0; i < 200; ++i)
        long_page += "<P>line " + QByteArray::number(i) + "</P>\n";
    open(page(QStringLiteral("long.htm"), long_page));
    auto* tools = window->findChild<QWidget*>(QStringLiteral("ToolsPanel"));
    ASSERT_NE(tools, nullptr);
    ASSERT_TRUE(window->commands().trigger(Command::PageViewFullScreen));
    EXPECT_FALSE(tools->isVisible());

    TPageViewer& full = preview().full();
    ASSERT_TRUE(window->commands().trigger(Command::PreviewGoToBottom));
    EXPECT_GT(full.verticalPosition(), 0);
    EXPECT_EQ(split().verticalPosition(), 0);
    full.SelectAll();
    QGuiApplication::clipboard()->clear();
    ASSERT_TRUE(window->commands().trigger(Command::PreviewCopy));
    EXPECT_TRUE(QGuiApplication::clipboard()->text().contains(QStringLiteral("line 199")));

    ASSERT_TRUE(window->commands().trigger(Command::PageViewFullScreen));
    EXPECT_TRUE(tools->isVisible());
    EXPECT_EQ(split().DefBackground(), full.DefBackground()) << "the same page looks the same in both";
}

TEST_F(RunningWindowTest, historyLeadsBackToTheEditorsPageAndForwardAgain)
{
    page(QStringLiteral("b.htm"), "<TITLE>Bee</TITLE>b page");
    open(page(QStringLiteral("a.htm"), "<TITLE>Ay</TITLE><A HREF=\"b.htm\">next</A>"));
    CommandRegistry& commands = window->commands();
    split().followLink(QStringLiteral("b.htm"));
    EXPECT_EQ(split().TitleText(), QStringLiteral("Bee"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Bee")) << "the caption shows the document's title";
    EXPECT_TRUE(button(ButtonPanel::Button::Back)->isEnabled());
    EXPECT_FALSE(button(ButtonPanel::Button::Forward)->isEnabled());

    button(ButtonPanel::Button::Back)->click();
    EXPECT_EQ(split().TitleText(), QStringLiteral("Ay"));
    EXPECT_TRUE(button(ButtonPanel::Button::Forward)->isEnabled());
    EXPECT_TRUE(button(ButtonPanel::Button::Forward)->isEnabled());
    EXPECT_FALSE(button(ButtonPanel::Button::Back)->isEnabled());

    button(ButtonPanel::Button::Forward)->click();
    EXPECT_EQ(split().TitleText(), QStringLiteral("Bee"));

    button(ButtonPanel::Button::Back)->click();
    ASSERT_TRUE(commands.trigger(Command::History0));
    EXPECT_EQ(split().TitleText(), QStringLiteral("Bee")) << "the History menu's entry leads to its page";
}

TEST_F(RunningWindowTest, linksAndTheImageGalleryReachTheImagesTab)
{
    const QString path = page(QStringLiteral("pics.htm"), "<P>page</P>");
    page(QStringLiteral("logo.gif"), "GIF89a");
    open(path);
    emit split().hotSpotCovered(QStringLiteral("images/Logo.GIF"));
    EXPECT_EQ(window->statusPanel(2)->text(), QStringLiteral("images/Logo.GIF")) << "the link under the mouse";
    split().followLink(QStringLiteral("images/Logo.GIF"));
    auto* imageBox = window->powerBook()->findChild<QComboBox*>(QStringLiteral("ImageName"));
    ASSERT_NE(imageBox, nullptr);
    EXPECT_EQ(imageBox->currentText(), QStringLiteral("Logo.GIF"));

    window->powerBook()->findChild<QToolButton*>(QStringLiteral("SpeedButton36"))->click();
    EXPECT_TRUE(split().documentText().contains(QStringLiteral("Select an image below to insert into the toolbar")))
        << split().documentText().toStdString();
}

TEST_F(RunningWindowTest, toolButtonsFollowTheStateTheyActOn)
{
    activate();
    const QString first = page(QStringLiteral("one.htm"), "alpha");
    open(first);
    open(page(QStringLiteral("two.htm"), "beta"));
    TLEdit* editor = window->webPage();
    editor->setFocus();
    QGuiApplication::clipboard()->clear();
    struct Row {
        const char* name;
        std::function<void()> act;
        ButtonPanel::Button button;
        bool enabled;
    };
    const Row rows[] = {
        {"no selection: Cut off", [editor] { editor->SetSelection(1, 0, 1, 0); }, ButtonPanel::Button::Cut, false},
        {"no selection: Copy off", [] {}, ButtonPanel::Button::Copy, false},
        {"selection: Cut on", [editor] { editor->SetSelection(1, 0, 1, 2); }, ButtonPanel::Button::Cut, true},
        {"selection: Copy on", [] {}, ButtonPanel::Button::Copy, true},
        {"empty clipboard: Paste off", [] {}, ButtonPanel::Button::Paste, false},
        {"clipboard text: Paste on", [] { QGuiApplication::clipboard()->setText(QStringLiteral("x")); },
         ButtonPanel::Button::Paste, true},
        {"no browser: Browser off", [this] { window->updateCommandStates(); }, ButtonPanel::Button::Browser1, false},
        {"browser set: Browser on",
         [this] {
             window->settings().defaults.browser1 = QStringLiteral("/usr/bin/true");
             window->updateCommandStates();
         },
         ButtonPanel::Button::Browser1, true},
        {"unmodified page: Save off", [] {}, ButtonPanel::Button::Save, false},
        {"closing one of two unmodified pages: Save off",
         [this] { window->commands().trigger(Command::FileClosePage); }, ButtonPanel::Button::Save, false},
    };
    for (const Row& row : rows) {
        row.act();
        EXPECT_EQ(button(row.button)->isEnabled(), row.enabled) << row.name;
    }
}

TEST_F(RunningWindowTest, withoutAPageTheInternalClipboardKeepsItsKeys)
{
    activate();
    window->updateCommandStates();
    EXPECT_TRUE(window->commands().isEnabled(Command::OptionsViewInlineImages)) << "a choice for pages opened later";

    ASSERT_TRUE(window->commands().trigger(Command::OptionsToggleInternalClipboard));
    TLEdit* spare = window->spareEditor();
    spare->setText(QStringLiteral("note"));
    spare->setFocus();
    QCoreApplication::processEvents();
    QWidget* keys = spare->scintilla();
    QTest::keySequence(keys, QKeySequence(Qt::CTRL | Qt::Key_Slash));
    EXPECT_EQ(spare->GetSelText(), QStringLiteral("note")) << "Ctrl+/ selects all";
    QGuiApplication::clipboard()->clear();
    QTest::keySequence(keys, QKeySequence(Qt::CTRL | Qt::Key_C));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("note"));
    spare->SetSelection(1, 4, 1, 4);
    QTest::keySequence(keys, QKeySequence(Qt::CTRL | Qt::Key_V));
    EXPECT_EQ(spare->Text(), QStringLiteral("notenote"));
    QTest::keySequence(keys, QKeySequence(Qt::ALT | Qt::Key_Backspace));
    EXPECT_EQ(spare->Text(), QStringLiteral("note"));
}

TEST_F(RunningWindowTest, theChangeEventSeesThePageModified)
{
    open(page(QStringLiteral("mod.htm"), "x"));
    QList<bool> seen;
    QObject::connect(window->webPage(), &TLEdit::OnChange, [&] { seen << window->webPage()->modified(); });
    window->webPage()->InsertText(QStringLiteral("y"));
    ASSERT_FALSE(seen.isEmpty());
    EXPECT_TRUE(seen.last());
    EXPECT_TRUE(button(ButtonPanel::Button::Save)->isEnabled());
    EXPECT_TRUE(window->webPageTabs()->tabText(0).endsWith(QStringLiteral(" *"))) << "a modified page's tab is marked";
    ASSERT_TRUE(window->commands().trigger(Command::FileSave));
    EXPECT_EQ(window->webPageTabs()->tabText(0), QStringLiteral("mod.htm"));
}

TEST_F(RunningWindowTest, theDesktopsUsualChordsWork)
{
    activate();
    const QString path = page(QStringLiteral("keys.htm"), "text");
    chosen = path;
    QTest::keySequence(window.get(), QKeySequence(Qt::CTRL | Qt::Key_O));
    ASSERT_EQ(window->webPageTabs()->count(), 1) << "Ctrl+O opens";
    TLEdit* editor = window->webPage();
    EXPECT_TRUE(editor->scintilla()->hasFocus()) << "typing goes to the page just opened";
    editor->InsertText(QStringLiteral("more "));
    QTest::keySequence(editor->scintilla(), QKeySequence(Qt::CTRL | Qt::Key_S));
    EXPECT_EQ(readFile(path), QByteArray("more text")) << "Ctrl+S saves";

    chosen = m_root.filePath(QStringLiteral("site/copy.htm"));
    QTest::keySequence(editor->scintilla(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    EXPECT_EQ(readFile(chosen), QByteArray("more text")) << "Ctrl+Shift+S saves as";
    EXPECT_TRUE(window->statusPanel(2)->text().contains(QStringLiteral("copy.htm"))) << "the status names the new file";

    EXPECT_TRUE(window->commands().action(Command::SearchGoToLine)->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_G)));

    open(page(QStringLiteral("other.htm"), "other"));
    const struct { QKeyCombination keys; int tab; const char* why; } steps[] = {
        {Qt::CTRL | Qt::Key_PageDown, 0, "Ctrl+PgDown wraps round to the first tab"},
        {Qt::CTRL | Qt::Key_PageUp, 1, "Ctrl+PgUp wraps round to the last tab"},
        {Qt::CTRL | Qt::Key_PageUp, 0, "Ctrl+PgUp moves left"},
    };
    for (const auto& step : steps) {
        QTest::keySequence(window->webPage()->scintilla(), QKeySequence(step.keys));
        EXPECT_EQ(window->webPageTabs()->currentIndex(), step.tab) << step.why;
    }
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("more text")) << "the editor shows the tab's page";

    QTest::keySequence(editor->scintilla(), QKeySequence(Qt::CTRL | Qt::Key_W));
    QTest::keySequence(editor->scintilla(), QKeySequence(Qt::CTRL | Qt::Key_W));
    EXPECT_EQ(window->webPageTabs()->count(), 0) << "Ctrl+W closes the page";
}

TEST_F(RunningWindowTest, pagesGivenAtStartOpenInOrderTheLastActive)
{
    const QString first = page(QStringLiteral("one.htm"), "<P>one</P>");
    const QString legacy = page(QStringLiteral("legacy.htm"), "caf\xE9");
    const QString missing = m_root.filePath(QStringLiteral("site/missing.htm"));
    open(first);
    asked.clear();
    window->workspace().openFiles({first, missing, legacy});
    EXPECT_EQ(window->webPageTabs()->count(), 2) << "an open page is not opened twice, a missing one makes no tab";
    EXPECT_EQ(window->webPageTabs()->currentIndex(), 1);
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("caf\u00e9"));
    ASSERT_EQ(asked.size(), 1) << asked.join('\n').toStdString();
    EXPECT_TRUE(asked.first().contains(QStringLiteral("missing.htm")));
}

TEST_F(RunningWindowTest, recentFileCaptionsShowAmpersands)
{
    open(page(QStringLiteral("this&that.htm"), "x"));
    EXPECT_TRUE(window->commands().action(Command::FileRecent1)->text().contains(QStringLiteral("this&&that.htm")));
}

} // namespace
