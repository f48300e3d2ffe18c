#include "app/appstrings.h"
#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "workspace/pagemanager.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

void writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(contents);
}

class PreviewWiringTest : public ::testing::Test {
protected:
    void start(bool liveUpdate)
    {
        QCoreApplication::setOrganizationName(strings::organisationName);
        QCoreApplication::setApplicationName(strings::applicationName);
        QSettings settings;
        settings.clear();
        settings.setValue(QStringLiteral("Helpers/ShowTipOfTheDay"), false);
        for (const char* key : {"NewFile", "fullscreen", "BrowserRefresh", "ImageDisplaying"})
            settings.setValue(QStringLiteral("Helpers/") + QLatin1String(key), false);
        settings.setValue(QStringLiteral("Defaults/AutoUpdate"), liveUpdate);
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
    QCoreApplication::processEvents();
    EXPECT_EQ(split().TitleText(), QStringLiteral("Edited")) << "live update refreshes after an edit";
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

} // namespace
