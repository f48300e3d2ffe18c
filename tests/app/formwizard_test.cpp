#include "app/quietsettings.h"
#include "app/tform1.h"
#include "app/windowfixture.h"
#include "support/whenmodal.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "generators/form/formentry.h"
#include "generators/form/formwizeform.h"
#include "viewer/control/pageviewer.h"
#include "workspace/preview/submitresults.h"
#include "workspace/tags/toolbook.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct Answers : FormWizardPrompts {
    QStringList* asked;
    QString* fileName;
    Answers(QStringList* asked, QString* fileName) : asked(asked), fileName(fileName) {}
    SaveFirstAnswer askSaveFirst() override { *asked << QStringLiteral("save first"); return SaveFirstAnswer::No; }
    QString saveFileName(const QString&) override { return *fileName; }
    QString openFileName(const QString&) override { return *fileName; }
    void information(const QString& text) override { *asked << text; }
    void error(const QString& text) override { *asked << text; }
};

// Fills the definition dialog's controls, named as they are, and presses OK.
void defineNext(QObject* owner, std::vector<std::pair<const char*, QString>> values)
{
    whenShown<TFormEntry>(owner, [values = std::move(values)](TFormEntry* entry) {
        for (const auto& [name, value] : values) {
            QWidget* control = entry->findChild<QWidget*>(QLatin1String(name));
            if (auto* edit = qobject_cast<QLineEdit*>(control))
                edit->setText(value);
            else if (auto* box = qobject_cast<QCheckBox*>(control))
                box->setChecked(value == QLatin1String("1"));
            else if (auto* spin = qobject_cast<QSpinBox*>(control))
                spin->setValue(value.toInt());
            else if (auto* drop = qobject_cast<QComboBox*>(control))
                drop->setEditText(value);
            else if (auto* button = qobject_cast<QPushButton*>(control))
                button->click();
        }
        entry->accept();
    });
}

void click(QWidget* wizard, const char* button)
{
    auto* found = wizard->findChild<QPushButton*>(QLatin1String(button));
    ASSERT_NE(found, nullptr) << button;
    found->click();
}

QAction* menuItem(QWidget* wizard, const QString& text)
{
    for (QAction* action : wizard->findChildren<QAction*>()) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

class FormWizardFlow : public ::testing::Test {
protected:
    void SetUp() override
    {
        startQuietSettings([](QSettings&) {});
        environment.programDirectory = ProgramDirectory(m_root.filePath(QStringLiteral("user")),
                                                        m_root.filePath(QStringLiteral("share")));
        environment.reportFailure = [this](const QString& title, const QString& text) { asked << title + ": " + text; };
        environment.makeFormWizardPrompts = [this] { return std::make_unique<Answers>(&asked, &fileName); };
        // Page questions answered without a box; the empty new page is not built into a page.
        environment.makePagePrompts = [this] { return std::make_unique<windowtest::ScriptedPrompts>(&asked, &pageAnswer); };
        window = std::make_unique<TForm1>(environment);
        window->show();
        ASSERT_TRUE(window->commands().trigger(Command::FileNew));
    }

    QTemporaryDir m_root;
    TForm1Environment environment;
    QStringList asked;
    bool pageAnswer = true;
    QString fileName;
    std::unique_ptr<TForm1> window;
};

} // namespace

TEST_F(FormWizardFlow, FromTheMenuToAFormInThePage)
{
    TLEdit* page = window->webPage();
    page->setText(QStringLiteral("<P>before</P>\r\n"));
    page->SetSelection(1, 0, 1, 0);
    fileName = m_root.filePath(QStringLiteral("order.frm"));
    QStringList results;
    QStringList seen;
    QPointer<QWidget> submitResults;

    whenShown<TFormWizeForm>(window.get(), [&](TFormWizeForm* wizard) {
        seen << wizard->windowTitle();
        wizard->findChild<QLineEdit*>(QStringLiteral("MailToText"))->setText(QStringLiteral("me@example.com"));
        defineNext(wizard, {{"CBVar", "news"}, {"CBValue", "yes"}, {"CBCaption", "Send me news"}, {"CBChecked", "1"}});
        click(wizard, "AddCheckbox");
        defineNext(wizard, {{"RGVar", "size"}, {"RGValue", "L"}, {"RGCaption", "Large"}});
        click(wizard, "AddRadioButton");
        defineNext(wizard, {{"DEVar", "email"}, {"DECaption", "E-mail:"}, {"DELength", "30"}});
        click(wizard, "AddTextorPasswordfield");
        defineNext(wizard, {{"LBVar", "colour"}, {"LBCaption", "Colour:"}, {"LBEntry", "Red"}, {"LBAdd", ""},
                            {"LBEntry", "Blue"}, {"LBAdd", ""}, {"LBSort", "1"}, {"LBVisible", "2"}});
        click(wizard, "AddListbox");
        defineNext(wizard, {{"TAVar", "note"}, {"TACaption", "Note:"}});
        click(wizard, "AddTextArea");
        defineNext(wizard, {{"PTCaption", "Thanks!"}, {"PTBold", "1"}});
        click(wizard, "AddPlainText");
        defineNext(wizard, {{"HDVar", "source"}, {"HDValue", "web"}});
        click(wizard, "AddHiddenField");

        // Edit the radio button with a double click, move it down past the entry field, and
        // delete the text area from the list's pop-up.
        auto* list = wizard->findChild<QListWidget*>(QStringLiteral("FormItems"));
        const QPoint radio = list->visualItemRect(list->item(1)).center();
        defineNext(wizard, {{"RGChecked", "1"}});
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, radio);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, radio);
        click(wizard, "ItemDown");
        list->setCurrentRow(4);
        menuItem(list, QStringLiteral("Delete Selected"))->trigger();
        for (int row = 0; row < list->count(); ++row)
            seen << list->item(row)->text();

        click(wizard, "BuildButton");
        tessera::viewer::TPageViewer* preview = wizard->preview();
        const QByteArray html = wizard->formLines().join(QStringLiteral("\r\n")).toUtf8();
        const QRect submit = preview->sourceRect(std::size_t(html.indexOf(R"(<INPUT TYPE="submit")")));
        const int margin = tessera::viewer::TPageViewer::kMargin;
        QTest::mouseClick(preview->viewport(), Qt::LeftButton, {}, submit.center() + QPoint(margin, margin));
        tessera::workspace::TSubmitForm* shown = wizard->submitResults();
        submitResults = shown;
        if (QTest::qWaitFor([shown] { return shown->isVisible(); }, 2000)) {
            results << shown->ActionText()->text();
            for (int row = 0; row < shown->ResultBox()->count(); ++row)
                results << shown->ResultBox()->item(row)->text();
        }

        // Ctrl+C copies a text box's selection there, and the whole form elsewhere.
        QApplication::setActiveWindow(wizard);
        auto* mailTo = wizard->findChild<QLineEdit*>(QStringLiteral("MailToText"));
        mailTo->setFocus();
        mailTo->setSelection(0, 2);
        QTest::keyClick(mailTo, Qt::Key_C, Qt::ControlModifier);
        seen << QApplication::clipboard()->text();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_C, Qt::ControlModifier);
        seen << QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0);
        QTest::keyClick(wizard, Qt::Key_F2);
        list->setCurrentRow(0);
        menuItem(list, QStringLiteral("Delete Selected"))->trigger();
        QTest::keyClick(wizard, Qt::Key_F3);
        seen << QString::number(list->count());
        menuItem(wizard, QStringLiteral("Insert and return"))->trigger();
    });
    ASSERT_TRUE(window->commands().trigger(Command::InsertDataFormRiviRoz));

    EXPECT_EQ(seen, (QStringList {"Form Rivi Roz", "CB|news|yes|Send me news|1", "DE|email|E-mail:|30|0",
                                  "RG|size|L|Large|1", "LB|colour|Colour:|1|0|2|Blue|Red|", "PT|1|0|0|0|0|Thanks!",
                                  "HD|source|web", "me", "<FORM METHOD=\"POST\" ACTION=\"mailto:me@example.com\" >\r", "6"}));
    ASSERT_TRUE(submitResults);
    EXPECT_FALSE(submitResults->isVisible());
    EXPECT_EQ(results, (QStringList {"mailto:me@example.com", "news=yes", "email=", "size=L", "colour=Blue", "source=web"}));
    QFile saved(fileName);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    EXPECT_EQ(saved.readAll().count("\r\n"), 6);
    EXPECT_EQ(page->Text().toStdString(),
              "<FORM METHOD=\"POST\" ACTION=\"mailto:me@example.com\" >\r\n"
              "<INPUT TYPE=\"checkbox\" NAME=\"news\" VALUE=\"yes\" CHECKED> Send me news<BR>\r\n"
              "E-mail:  <INPUT TYPE=\"text\" NAME=\"email\" SIZE=30><BR>\r\n"
              "<INPUT TYPE=\"radio\" NAME=\"size\" VALUE=\"L\" CHECKED> Large<BR>\r\n"
              "Colour:   <SELECT NAME=\"colour\" Size=2>\r\n<OPTION SELECTED>Blue\r\n<OPTION>Red\r\n</SELECT><BR>\r\n"
              "<B>Thanks!</B><BR>\r\n"
              "<INPUT TYPE=\"HIDDEN\" NAME=\"source\" VALUE=\"web\">\r\n"
              "<P ALIGN=\"CENTER\"><INPUT TYPE=\"submit\" VALUE=\"Submit Form\"><INPUT TYPE=\"reset\" VALUE=\"Reset Form\"></P>\r\n"
              "</FORM>\r\n<P>before</P>\r\n");
    EXPECT_EQ(asked, QStringList {"save first"});
}

TEST_F(FormWizardFlow, ThePopUpAndTheToolButtonOpenTheSameWizardWithItsList)
{
    TFormWizeForm* first = nullptr;
    whenShown<TFormWizeForm>(window.get(), [&](TFormWizeForm* wizard) {
        first = wizard;
        defineNext(wizard, {{"HDVar", "kept"}});
        click(wizard, "AddHiddenField");
        wizard->AbandonAndReturnClick();
    });
    ASSERT_TRUE(window->commands().trigger(Command::PopupFormRiviRoz));

    std::size_t count = 0;
    TLEdit* page = window->webPage();
    page->setText(QStringLiteral("keep"));
    page->SetSelection(0, 1, 0, 3);
    whenShown<TFormWizeForm>(window.get(), [&](TFormWizeForm* wizard) {
        EXPECT_EQ(wizard, first);
        count = wizard->fields().size();
        auto* list = wizard->findChild<QListWidget*>(QStringLiteral("FormItems"));
        list->setCurrentRow(0);
        menuItem(list, QStringLiteral("Delete Selected"))->trigger();
        menuItem(wizard, QStringLiteral("Insert and return"))->trigger();
    });
    QAbstractButton* button = window->workspace().toolBook().generatorButton(ToolBookGenerator::DataFormRiviRoz);
    ASSERT_TRUE(button && button->isEnabled());
    button->click();
    EXPECT_EQ(count, 1u);
    // Nothing was left to insert: the page and its selection are as they were.
    EXPECT_EQ(page->Text(), QStringLiteral("keep"));
    EXPECT_EQ(page->GetSelText(), QStringLiteral("ee"));
}
