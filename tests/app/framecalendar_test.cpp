#include "app/quietsettings.h"
#include "app/tform1.h"
#include "app/windowfixture.h"
#include "support/whenmodal.h"
#include "app/previewwiring.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "generators/calendar/calendarform.h"
#include "generators/frames/frameform.h"
#include "viewer/control/pageviewer.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct FrameAnswers : FrameWizardPrompts {
    QStringList* asked;
    const bool* clear;
    FrameAnswers(QStringList* asked, const bool* clear) : asked(asked), clear(clear) {}
    bool confirmClearPage() override { *asked << FrameWizardTexts::clearQuestion; return *clear; }
    QString openSettingsName(const QString&) override { return {}; }
    QString saveSettingsName(const QString&) override { return {}; }
    bool confirmReplace(const QString&) override { return false; }
    QString htmlFileName(const QString&) override { return {}; }
    void warning(const QString& text) override { *asked << text; }
    void error(const QString& text) override { *asked << text; }
};

class FrameCalendarFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        startQuietSettings([](QSettings&) {});
        environment.programDirectory = ProgramDirectory(m_root.filePath(QStringLiteral("user")),
                                                        m_root.filePath(QStringLiteral("share")));
        environment.reportFailure = [this](const QString& title, const QString& text) { asked << title + ": " + text; };
        environment.makeFrameWizardPrompts = [this] { return std::make_unique<FrameAnswers>(&asked, &clearPage); };
        // Page questions answered without a box; the empty new page is not built into a page.
        environment.makePagePrompts = [this] { return std::make_unique<windowtest::ScriptedPrompts>(&asked, &pageAnswer); };
        window = std::make_unique<TForm1>(environment);
        window->show();
        ASSERT_TRUE(window->commands().trigger(Command::FileNew));
        page = window->webPage();
        page->setText(QStringLiteral("<P>old page</P>\r\n"));
        page->SetSelection(2, 0, 2, 0);
    }

    QString previewText() const { return window->workspace().preview().split().documentText(); }

    QTemporaryDir m_root;
    TForm1Environment environment;
    QStringList asked;
    bool pageAnswer = true;
    bool clearPage = true;
    std::unique_ptr<TForm1> window;
    TLEdit* page = nullptr;
};

TEST_F(FrameCalendarFlow, frameCreatorReplacesThePageInOneUndoStep)
{
    whenModal({[](QWidget* modal) {
        auto* wizard = qobject_cast<TFrameForm*>(modal);
        ASSERT_NE(wizard, nullptr);
        wizard->findChild<QLineEdit*>(QStringLiteral("PageTitle"))->setText(QStringLiteral("My frames"));
        wizard->findChild<QPushButton*>(QStringLiteral("Next"))->click();
        wizard->findChild<QLineEdit*>(QStringLiteral("FrameName"))->setText(QStringLiteral("top"));
        QApplication::setActiveWindow(wizard);
        QTest::keyClick(wizard, Qt::Key_S, Qt::ControlModifier);
    }});
    ASSERT_TRUE(window->commands().trigger(Command::FileFrameCreator));

    EXPECT_EQ(asked, QStringList {FrameWizardTexts::clearQuestion});
    const QString text = page->Text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>My frames</TITLE>\r\n</HEAD>\r\n"
                                               "<FRAMESET ROWS=\"33%,*,33%\">\r\n<FRAMESET COLS=\"33%,*,33%\">\r\n"
                                               "<FRAME SRC=\"\" NAME=\"top\">\r\n<FRAME SRC=\"\" NAME=\"Frame: 2\">\r\n")))
        << text.toStdString();
    EXPECT_TRUE(text.endsWith(QStringLiteral("</NOFRAMES>\r\n</HTML>\r\n")));
    EXPECT_FALSE(text.contains(QStringLiteral("old page")));
    EXPECT_TRUE(page->modified());
    EXPECT_TRUE(previewText().contains(QStringLiteral("This site makes use of frames.")));

    page->undo();
    EXPECT_EQ(page->Text(), QStringLiteral("<P>old page</P>\r\n"));
}

TEST_F(FrameCalendarFlow, answeringNoOrAbandoningLeavesThePage)
{
    clearPage = false;
    ASSERT_TRUE(window->commands().trigger(Command::PopupFrameRiviRoz));
    EXPECT_EQ(asked, QStringList {FrameWizardTexts::clearQuestion});

    clearPage = true;
    whenModal({[](QWidget* modal) {
        QApplication::setActiveWindow(modal);
        QTest::keyClick(modal, Qt::Key_X, Qt::ControlModifier);
    }});
    ASSERT_TRUE(window->commands().trigger(Command::PopupFrameRiviRoz));
    EXPECT_EQ(asked.size(), 2);
    EXPECT_EQ(page->Text(), QStringLiteral("<P>old page</P>\r\n"));
}

TEST_F(FrameCalendarFlow, calendarGoesInAtTheCaret)
{
    whenModal({[](QWidget* modal) {
        auto* calendar = qobject_cast<TCalendarForm*>(modal);
        ASSERT_NE(calendar, nullptr);
        EXPECT_EQ(calendar->windowTitle(), QStringLiteral("Calendar Rivi Roz"));
        auto* month = calendar->findChild<QLabel*>(QStringLiteral("MonthLabel"));
        for (int step = 0; step < 12 && month->text() != QStringLiteral("February"); ++step)
            calendar->findChild<QPushButton*>(QStringLiteral("AheadButton"))->click();
        calendar->findChild<QSpinBox*>(QStringLiteral("YearSpinner"))->setValue(2015);
        calendar->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }});
    ASSERT_TRUE(window->commands().trigger(Command::InsertCalendarRiviRoz));

    const QString text = page->Text();
    EXPECT_TRUE(text.startsWith(QStringLiteral("<P>old page</P>\r\n<TABLE BORDER>\r\n<TR>\r\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("\r\n    February 2015\r\n")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("</TR>\r\n</TABLE>\r\n")));
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 1 + 138);
    EXPECT_TRUE(previewText().contains(QStringLiteral("February 2015")));
}

} // namespace
