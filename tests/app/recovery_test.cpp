#include "windowfixture.h"

#include "app/pagetabbar.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/pages/pagetexts.h"

#include <QApplication>
#include <QEvent>
#include <QTabBar>
#include <QTest>

#include <Qsci/qsciscintilla.h>

namespace {

using namespace windowtest;
using namespace std::chrono_literals;

class RecoveryWindow : public WiringFixture {
protected:
    void typeInPage(const QString& text) { QTest::keyClicks(window->webPage()->scintilla(), text); }
    void activateWindow()
    {
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(window.get(), &activate);
    }
};

TEST_F(RecoveryWindow, aRestartAfterACrashGivesBackWhatWasTyped)
{
    const QString first = page(QStringLiteral("one.htm"), "<P>one</P>");
    const QString second = page(QStringLiteral("two.htm"), "<P>two</P>");
    open(first);
    typeInPage(QStringLiteral("first edit "));
    open(second);
    window->workspace().pages().pageBackup().setDelays(10ms, 10s);
    typeInPage(QStringLiteral("second edit "));
    ASSERT_TRUE(QTest::qWaitFor([&] { return QFileInfo::exists(second + QLatin1Char('_')); }, 2000));

    // The window goes without closing anything, as in a crash.
    window.reset();
    asked.clear();
    recoveryAnswers = {RecoveryAnswer::Recover, RecoveryAnswer::Recover};
    window = std::make_unique<TForm1>(environment);
    window->show();

    EXPECT_EQ(asked, (QStringList{QStringLiteral("recover: ") + first, QStringLiteral("recover: ") + second}));
    QTabBar* tabs = window->webPageTabs();
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("second edit <P>two</P>"));
    EXPECT_TRUE(window->webPage()->modified());
    tabs->setCurrentIndex(0);
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("first edit <P>one</P>"));
    ASSERT_TRUE(window->commands().trigger(Command::FileSave));
    EXPECT_EQ(readFile(first), "first edit <P>one</P>");
}

TEST_F(RecoveryWindow, comingBackToTheWindowAsksOnceAboutAnotherProgramsChange)
{
    const QString file = page(QStringLiteral("page.htm"), "mine");
    open(file);
    activateWindow();
    EXPECT_TRUE(asked.isEmpty());

    page(QStringLiteral("page.htm"), "theirs, longer");
    asked.clear();
    outsideAnswer = OutsideChangeAnswer::Cancel;
    activateWindow();
    activateWindow();
    EXPECT_EQ(asked, QStringList{PageTexts::changedOnDisk(file)});

    // Save still asks, and F2 leaves their version alone until the user says otherwise.
    asked.clear();
    ASSERT_TRUE(window->commands().trigger(Command::FileSave));
    EXPECT_EQ(asked, QStringList{PageTexts::changedOnDisk(file)});
    EXPECT_EQ(readFile(file), "theirs, longer");

    page(QStringLiteral("page.htm"), "theirs again");
    outsideAnswer = OutsideChangeAnswer::Reload;
    activateWindow();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("theirs again"));
    EXPECT_FALSE(window->webPage()->modified());
}

} // namespace
