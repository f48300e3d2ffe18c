#include "app/appstrings.h"
#include "app/previewwiring.h"
#include "app/quietsettings.h"
#include "support/whenmodal.h"
#include "app/tform1.h"
#include "app/windowfixture.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "generators/table/tableattrform.h"
#include "generators/table/tblcreateform.h"
#include "viewer/control/pageviewer.h"
#include "workspace/tags/toolbook.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {

// Answers the wizard's questions the way a user in a hurry does: no saving, no colours.
struct HurriedUser : TableWizardPrompts {
    QStringList* asked;
    explicit HurriedUser(QStringList* asked) : asked(asked) {}
    bool confirmRebuild() override { return true; }
    SaveAnswer askSaveFirst() override { *asked << QStringLiteral("save first"); return SaveAnswer::No; }
    bool confirmReplace(const QString&) override { return false; }
    QString saveFileName(const QString&) override { return {}; }
    QString openFileName(const QString&) override { return {}; }
    std::optional<QColor> chooseColour(const QColor&) override { return std::nullopt; }
    void error(const QString& text) override { *asked << text; }
};

// Clicks the star of the cell whose anchor names `target`, where the preview shows it.
void clickStar(tessera::viewer::TPageViewer* preview, const TTblCreateForm& form, const QString& target)
{
    std::string text;
    for (const std::string& line : form.workingLines().lines())
        text += line + "\r\n";
    const std::size_t anchor = text.find("\"" + target.toStdString() + "\"");
    ASSERT_NE(anchor, std::string::npos);
    const QRect star = preview->sourceRect(text.find('*', anchor));
    ASSERT_FALSE(star.isEmpty());
    // The rectangle marks where the star starts, in document coordinates.
    const QPoint point = QPoint(star.left() + 2, star.center().y()) + QPoint(tessera::viewer::TPageViewer::kMargin, tessera::viewer::TPageViewer::kMargin)
        - QPoint(preview->horizontalScrollBar()->value(), preview->verticalScrollBar()->value());
    QTest::mouseClick(preview->viewport(), Qt::LeftButton, {}, point);
}

class TableWizardFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Only the table helper may come up, once.
        startQuietSettings([](QSettings& settings) { settings.setValue(QStringLiteral("Helpers/SimpleTable"), true); });
        environment.programDirectory = ProgramDirectory(m_root.filePath(QStringLiteral("user")),
                                                        m_root.filePath(QStringLiteral("share")));
        environment.reportFailure = [this](const QString& title, const QString& text) { asked << title + ": " + text; };
        environment.makeTableWizardPrompts = [this] { return std::make_unique<HurriedUser>(&asked); };
        // Page questions answered without a box; the empty new page is not built into a page.
        environment.makePagePrompts = [this] { return std::make_unique<windowtest::ScriptedPrompts>(&asked, &answer); };
        window = std::make_unique<TForm1>(environment);
        window->show();
        ASSERT_TRUE(window->commands().trigger(Command::FileNew));
    }

    QTemporaryDir m_root;
    TForm1Environment environment;
    QStringList asked;
    bool answer = true;
    std::unique_ptr<TForm1> window;
};

TEST_F(TableWizardFlow, helperThenWizardPutsTheTableIntoThePage)
{
    TLEdit* page = window->webPage();
    page->setText(QStringLiteral("<P>before</P>\r\n"));
    page->SetSelection(1, 0, 1, 0);
    QString helperTitle;
    whenModal({
        [&](QWidget* helper) {
            helperTitle = helper->windowTitle();
            if (auto* again = helper->findChild<QCheckBox*>())
                again->setChecked(false);
            qobject_cast<QDialog*>(helper)->accept();
        },
        [&](QWidget* modal) {
            auto* wizard = qobject_cast<TTblCreateForm*>(modal);
            ASSERT_NE(wizard, nullptr);
            EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Table Rivi Roz"));
            wizard->findChild<QSpinBox*>(QStringLiteral("TblRows"))->setValue(1);
            wizard->findChild<QPushButton*>(QStringLiteral("TblBuild"))->click();
            clickStar(wizard->preview(), *wizard, QStringLiteral("Cell:1."));
            EXPECT_EQ(wizard->page(), TTblCreateForm::Page::CellsAttributes);
            wizard->findChild<QCheckBox*>(QStringLiteral("CellHeader"))->setChecked(true);
            QApplication::setActiveWindow(wizard);
            QTest::keyClick(wizard, Qt::Key_I, Qt::ControlModifier);
        },
    });
    ASSERT_TRUE(window->commands().trigger(Command::InsertTableRiviRoz));

    EXPECT_FALSE(helperTitle.isEmpty());
    EXPECT_EQ(page->Text().toStdString(), std::string("<TABLE BORDER=\"1\" WIDTH=\"0%\"  ALIGN=\"None\"  CELLPADDING=\"1\"  CELLSPACING=\"2\" >\r\n"
                                           "<CAPTION ALIGN=\"Top\"><H1></H1></CAPTION>\r\n<TR>\r\n"
                                           "<TD ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" >Cell:1</TD>\r\n"
                                           "<TH ROWSPAN=\"1\" COLSPAN=\"1\" VALIGN=\"top\" ALIGN=\"left\" >Cell:2</TH>\r\n"
                                           "</TR>\r\n</TABLE>\r\n<P>before</P>\r\n"));
    EXPECT_EQ(asked, QStringList {QStringLiteral("save first")});
    EXPECT_TRUE(page->modified());
    EXPECT_TRUE(window->workspace().preview().split().documentText().contains(QStringLiteral("Cell:2")));

    // The helper was turned off: the tool book's button goes straight to the wizard.
    whenModal({[](QWidget* modal) { qobject_cast<TTblCreateForm*>(modal)->AbandonAndReturnClick(); }});
    QAbstractButton* button = window->workspace().toolBook().generatorButton(ToolBookGenerator::TableRiviRoz);
    ASSERT_TRUE(button->isEnabled());
    button->click();
    EXPECT_TRUE(page->Text().endsWith(QStringLiteral("<P>before</P>\r\n")));
}

TEST_F(TableWizardFlow, cellAttributesAreTypedAtTheCaret)
{
    TLEdit* page = window->webPage();
    page->setText(QStringLiteral("<TD>x</TD>"));
    page->SetSelection(1, 3, 1, 3);
    whenModal({[](QWidget* modal) {
        auto* form = qobject_cast<TTableAttrForm*>(modal);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Cell Attributes"));
        form->findChild<QSpinBox*>(QStringLiteral("ColSpan"))->setValue(3);
        form->OkButtonClick();
    }});
    ASSERT_TRUE(window->commands().trigger(Command::InsertTableCellAttributes));
    EXPECT_EQ(page->Text().toStdString(), std::string("<TD COLSPAN=\"3\">x</TD>"));
}

} // namespace
