#include "windowfixture.h"

#include "app/appstrings.h"
#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "viewer/control/pageviewer.h"
#include "workspace/pages/pagemanager.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <Qsci/qsciscintilla.h>

#include <gtest/gtest.h>

#include <memory>

namespace {

using windowtest::writeFile;

class PreviewWiringTest : public ::testing::Test {
protected:
    void start(bool liveUpdate, bool followCaret = false)
    {
        QCoreApplication::setOrganizationName(strings::organisationName);
        QCoreApplication::setApplicationName(strings::applicationName);
        QSettings settings;
        settings.clear();
        settings.setValue(QStringLiteral("Helpers/ShowTipOfTheDay"), false);
        for (const char* key : {"NewFile", "fullscreen", "BrowserRefresh", "ImageDisplaying"})
            settings.setValue(QStringLiteral("Helpers/") + QLatin1String(key), false);
        settings.setValue(QStringLiteral("Defaults/AutoUpdate"), liveUpdate);
        settings.setValue(QStringLiteral("Defaults/FollowCaret"), followCaret);
        settings.sync();
        writeFile(m_root.filePath(QStringLiteral("share/tessera/help/index.html")),
                  "<HTML><HEAD><TITLE>Help pages</TITLE></HEAD><BODY>Help</BODY></HTML>");
        TForm1Environment environment;
        environment.programDirectory = ProgramDirectory(m_root.filePath(QStringLiteral("user")),
                                                        m_root.filePath(QStringLiteral("share/tessera")));
        environment.reportFailure = [this](const QString&, const QString& text) { failures << text; };
        window = std::make_unique<TForm1>(environment);
        window->show();
    }

    tessera::viewer::TPageViewer& split() { return window->workspace().preview().split(); }

    void openPage(const QByteArray& text)
    {
        const QString path = m_root.filePath(QStringLiteral("site/page.htm"));
        writeFile(path, text);
        ASSERT_TRUE(window->workspace().pages().LoadFile(path, false));
        QCoreApplication::processEvents();
    }

    QTemporaryDir m_root;
    QStringList failures;
    std::unique_ptr<TForm1> window;
};

TEST_F(PreviewWiringTest, OpeningAPageShowsItAndLiveUpdateFollowsEdits)
{
    start(true);
    openPage("<HTML><HEAD><TITLE>First</TITLE></HEAD><BODY>text</BODY></HTML>");
    EXPECT_EQ(split().TitleText(), QStringLiteral("First"));

    window->webPage()->setText(QStringLiteral("<HTML><HEAD><TITLE>Edited</TITLE></HEAD><BODY>x</BODY></HTML>"));
    EXPECT_TRUE(QTest::qWaitFor([this] { return split().TitleText() == QStringLiteral("Edited"); }))
        << "live update refreshes after an edit";
}

TEST_F(PreviewWiringTest, WithoutLiveUpdateOnlyRefreshShowsEdits)
{
    start(false);
    openPage("<TITLE>First</TITLE>text");
    window->webPage()->setText(QStringLiteral("<TITLE>Edited</TITLE>x"));
    QCoreApplication::processEvents();
    EXPECT_EQ(split().TitleText(), QStringLiteral("First"));
    EXPECT_TRUE(window->commands().trigger(Command::PageRefreshHtml));
    QCoreApplication::processEvents();
    EXPECT_EQ(split().TitleText(), QStringLiteral("Edited"));
}

TEST_F(PreviewWiringTest, FullScreenTogglesAndHelpOpensInOurViewer)
{
    start(false);
    openPage("<P>page</P>");
    EXPECT_TRUE(window->commands().trigger(Command::PageViewFullScreen));
    EXPECT_TRUE(window->isFullScreenView());
    EXPECT_TRUE(window->commands().trigger(Command::PageViewFullScreen));
    EXPECT_FALSE(window->isFullScreenView());

    EXPECT_TRUE(window->commands().trigger(Command::HelpContents));
    auto* viewer = window->findChild<tessera::viewer::TPageViewer*>(QStringLiteral("HelpViewer"));
    ASSERT_NE(viewer, nullptr);
    EXPECT_EQ(viewer->TitleText(), QStringLiteral("Help pages"));
    EXPECT_TRUE(failures.isEmpty()) << failures.join('\n').toStdString();
}

TEST_F(PreviewWiringTest, SearchSourceFindsThePreviewSelectionAndLeavesTheClipboardAlone)
{
    start(false);
    openPage("<HTML><BODY><B>target</B></BODY></HTML>");
    QGuiApplication::clipboard()->setText(QStringLiteral("the user's own text"));
    split().SelectAll();
    window->updateCommandStates();
    EXPECT_TRUE(window->commands().trigger(Command::PreviewSearchSource));
    window->webPage()->GetSelection();
    EXPECT_EQ(window->webPage()->GetSelText(), QStringLiteral("target"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("the user's own text"));
}

// A page whose interesting text sits in a nested table far below the first screen.
QByteArray farTablePage()
{
    QByteArray html = "<HTML><BODY>\n";
    for (int i = 0; i < 60; ++i)
        html += "<P>Filler " + QByteArray::number(i) + "</P>\n";
    html += "<TABLE BORDER=1><TR><TD>Outer</TD><TD>\n<TABLE><TR><TD>\n    Deep target words</TD></TR></TABLE>\n"
            "</TD></TR></TABLE>\n</BODY></HTML>\n";
    return html;
}

class FollowCaretTest : public PreviewWiringTest {
protected:
    // Puts the editor caret at a byte offset of its text, as the user would.
    void caretTo(const QByteArray& text, long long offset)
    {
        const int line = static_cast<int>(text.left(offset).count('\n'));
        const int column = static_cast<int>(offset - (text.lastIndexOf('\n', offset - 1) + 1));
        window->webPage()->SetSelection(line + 1, column, line + 1, column);
    }
    long long caret() const
    {
        return window->webPage()->scintilla()->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    }
    bool inView(const QRect& rect)
    {
        const int top = rect.top() + tessera::viewer::TPageViewer::kMargin - split().verticalPosition();
        return top >= 0 && top + rect.height() <= split().viewport()->height();
    }
};

TEST_F(FollowCaretTest, offByDefaultThenStoredAndFollowingTheCaretIntoNestedCells)
{
    start(false);
    openPage(farTablePage());
    const QByteArray text = window->webPage()->Text().toUtf8();
    const long long target = text.indexOf("target");
    ASSERT_GT(target, 0);
    EXPECT_FALSE(window->commands().isChecked(Command::PreviewFollowCaret));

    caretTo(text, target);
    EXPECT_EQ(split().verticalPosition(), 0) << "off by default: the preview stays where it is";

    EXPECT_TRUE(window->commands().trigger(Command::PreviewFollowCaret));
    EXPECT_TRUE(window->commands().isChecked(Command::PreviewFollowCaret));
    EXPECT_TRUE(window->settings().defaults.followCaret);
    const QRect shown = split().sourceRect(static_cast<std::size_t>(target));
    EXPECT_TRUE(inView(shown)) << "turning it on shows the caret's place at once";

    // Ctrl+click on other text of the same cell puts the caret at its source.
    const long long deep = text.indexOf("Deep");
    const QRect word = split().sourceRect(static_cast<std::size_t>(deep));
    ASSERT_TRUE(inView(word));
    QPoint at(word.left() + tessera::viewer::TPageViewer::kMargin - split().horizontalScrollBar()->value() + 1,
              word.top() + tessera::viewer::TPageViewer::kMargin - split().verticalPosition() + word.height() / 2);
    QTest::mouseClick(split().viewport(), Qt::LeftButton, Qt::ControlModifier, at);
    EXPECT_EQ(caret(), deep);

    // Back to the top of the source: the preview follows.
    caretTo(text, text.indexOf("Filler 0"));
    EXPECT_EQ(split().verticalPosition(), 0);

    EXPECT_TRUE(window->commands().trigger(Command::PreviewFollowCaret));
    EXPECT_FALSE(window->settings().defaults.followCaret);
    caretTo(text, target);
    EXPECT_EQ(split().verticalPosition(), 0);
}

TEST_F(FollowCaretTest, storedSettingIsAppliedAtStart)
{
    start(false, true);
    EXPECT_TRUE(window->commands().isChecked(Command::PreviewFollowCaret));
    EXPECT_TRUE(window->workspace().preview().controller().followCaret());
}

} // namespace
