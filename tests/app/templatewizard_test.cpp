#include "app/pagetabbar.h"
#include "app/windowfixture.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "generators/template/ttemplatewizeguy.h"
#include "workspace/tags/toolbook.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTest>

namespace {

using Page = TTemplateWizeGuy::Page;

const QByteArray placeholders = "<HTML>\r\n"
                                "<!--##Defaults-->\r\n"
                                "<TITLE>Old</TITLE>\r\n"
                                "<META NAME=\"Keywords\" CONTENT=\"k\">\r\n"
                                "<META NAME=\"Description\" CONTENT=\"d\">\r\n"
                                "<!--##Body-->\r\n"
                                "<BODY BGCOLOR=\"#FF0000\" VLINK=\"#00FF00\" LINK=\"#0000FF\" BACKGROUND=\"my tile.gif\">\r\n"
                                "<!--##Heading-->\r\n"
                                "<H2 ALIGN=\"center\">Welcome</H2>\r\n"
                                "<!--##Text-->\r\n"
                                "Hello\r\n"
                                "<!--##Image-->\r\n"
                                "\r\n"
                                "<!--##MailLink-->\r\n"
                                "\r\n"
                                "<!--##Link-->\r\n"
                                "<A HREF=\"x.htm\">x</A>\r\n"
                                "</BODY></HTML>\r\n";

class TemplateWizardFlow : public windowtest::WiringFixture {
protected:
    TTemplateWizeGuy* startWizard()
    {
        EXPECT_TRUE(window->commands().trigger(Command::TemplateRiviRoz));
        auto* wizard = window->findChild<TTemplateWizeGuy*>();
        EXPECT_NE(wizard, nullptr);
        return wizard;
    }

    template<typename Widget>
    Widget* control(TTemplateWizeGuy* wizard, const char* name)
    {
        auto* widget = wizard->findChild<Widget*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    QString line(int number) const { return window->webPage()->lineText(number); }
    int editorShare() const { return window->splitScreen()->sizes().value(0); }
};

TEST_F(TemplateWizardFlow, walksThePlaceholdersAndRewritesEachLine)
{
    const QString path = page(QStringLiteral("index.htm"), placeholders);
    ASSERT_TRUE(QImage(100, 80, QImage::Format_RGB32).save(QFileInfo(path).dir().filePath(QStringLiteral("cat.png"))));
    open(path);
    TLEdit* editor = window->webPage();
    ASSERT_GT(editorShare(), 0);
    const QList<int> splitBefore = window->splitScreen()->sizes();

    QPointer<TTemplateWizeGuy> wizard = startWizard();
    EXPECT_EQ(wizard->windowTitle(), QStringLiteral("Template Rivi Roz"));
    EXPECT_EQ(wizard->page(), Page::Starting);
    EXPECT_FALSE(control<QPushButton>(wizard, "RefreshBtn")->isVisible());
    EXPECT_EQ(editorShare(), 0);

    control<QPushButton>(wizard, "StartBtn")->click();
    ASSERT_EQ(wizard->page(), Page::Defaults);
    EXPECT_TRUE(control<QPushButton>(wizard, "RefreshBtn")->isVisible());
    EXPECT_EQ(control<QLineEdit>(wizard, "PageTitle")->text(), QStringLiteral("Old"));
    EXPECT_EQ(control<QLineEdit>(wizard, "Keywords")->text(), QStringLiteral("k"));
    control<QLineEdit>(wizard, "PageTitle")->setText(QStringLiteral("New"));
    wizard->RefreshClick();
    EXPECT_EQ(line(3), QStringLiteral("<TITLE>New</TITLE>"));
    EXPECT_EQ(line(6), QStringLiteral("<!--##Body-->"));

    // The one BODY reader: values with blanks, VLINK before LINK.
    wizard->NextClick();
    ASSERT_EQ(wizard->page(), Page::Body);
    EXPECT_EQ(control<QLineEdit>(wizard, "BackgroundImageFilename")->text(), QStringLiteral("my tile.gif"));
    EXPECT_EQ(control<QLineEdit>(wizard, "LinkColorText")->text(), QStringLiteral("0000FF"));
    EXPECT_EQ(control<QLineEdit>(wizard, "vLinkColorText")->text(), QStringLiteral("00FF00"));
    EXPECT_EQ(control<QLineEdit>(wizard, "bgColorText")->text(), QStringLiteral("FF0000"));
    control<QLineEdit>(wizard, "BackgroundImageFilename")->clear();
    control<QLineEdit>(wizard, "bgColorText")->setText(QStringLiteral("FFFFFF"));
    control<QLineEdit>(wizard, "LinkColorText")->setText(QStringLiteral("000000"));
    control<QLineEdit>(wizard, "vLinkColorText")->setText(QStringLiteral("000000"));
    wizard->RefreshClick();
    EXPECT_EQ(line(7), QStringLiteral("<BODY  TEXT=\"#000000\" LINK=\"#000000\" VLINK=\"#000000\" ALINK=\"#000000\" BGCOLOR=\"#FFFFFF\">"));

    wizard->NextClick();
    ASSERT_EQ(wizard->page(), Page::Header);
    EXPECT_EQ(control<QLineEdit>(wizard, "HeaderText")->text(), QStringLiteral("Welcome"));
    EXPECT_EQ(control<QSpinBox>(wizard, "HeaderSize")->value(), 2);
    EXPECT_EQ(control<QComboBox>(wizard, "HeaderAlignment")->currentText(), QStringLiteral("center"));
    control<QSpinBox>(wizard, "HeaderSize")->setValue(3);
    wizard->RefreshClick();
    EXPECT_EQ(line(9), QStringLiteral("<H3 ALIGN=\"center\">Welcome</H3>"));

    wizard->NextClick();
    ASSERT_EQ(wizard->page(), Page::Text);
    EXPECT_EQ(control<QPlainTextEdit>(wizard, "WebText")->toPlainText(), QStringLiteral("Hello"));
    control<QPlainTextEdit>(wizard, "WebText")->setPlainText(QStringLiteral("Hello\nthere"));
    control<QCheckBox>(wizard, "BoldCB")->setChecked(true);
    control<QCheckBox>(wizard, "ItalicsCB")->setChecked(true);
    control<QComboBox>(wizard, "TextAlignment")->setCurrentText(QStringLiteral("right"));
    wizard->RefreshClick();
    EXPECT_EQ(line(11), QStringLiteral("<P ALIGN=\"right\"><I><B>Hello there</B></I></P>"));
    EXPECT_EQ(line(12), QStringLiteral("<!--##Image-->"));

    wizard->NextClick();
    ASSERT_EQ(wizard->page(), Page::Image);
    control<QComboBox>(wizard, "ImageFilename")->setEditText(QStringLiteral("cat.png"));
    EXPECT_EQ(control<QSpinBox>(wizard, "ImageWidth")->value(), 100);
    EXPECT_EQ(control<QSpinBox>(wizard, "ImageHeight")->value(), 80);
    control<QComboBox>(wizard, "ImageAlignment")->setCurrentText(QStringLiteral("left"));
    wizard->RefreshClick();
    EXPECT_EQ(line(13), QStringLiteral("<IMG SRC=\"cat.png\" HEIGHT=\"80\" WIDTH=\"100\" ALIGN=\"left\">"));

    // Leaving "Text to display:" writes the link.
    wizard->NextClick();
    ASSERT_EQ(wizard->page(), Page::Link);
    EXPECT_TRUE(control<QCheckBox>(wizard, "MailTo")->isChecked());
    EXPECT_EQ(control<QLabel>(wizard, "URLLabel")->text(), QStringLiteral("Mailto:"));
    EXPECT_FALSE(control<QComboBox>(wizard, "DisplayedGraphic")->isVisible());
    control<QComboBox>(wizard, "URLLink")->setEditText(QStringLiteral("me@a.org"));
    auto* displayed = control<QLineEdit>(wizard, "DisplayedText");
    displayed->setText(QStringLiteral("Write me"));
    QApplication::setActiveWindow(wizard);
    displayed->setFocus();
    control<QComboBox>(wizard, "LinkAlignment")->setFocus();
    EXPECT_EQ(line(15), QStringLiteral("<A HREF=\"mailto:me@a.org\">Write me</A>"));

    wizard->NextClick();
    ASSERT_EQ(wizard->page(), Page::Link);
    EXPECT_FALSE(control<QCheckBox>(wizard, "MailTo")->isChecked());
    EXPECT_EQ(control<QLabel>(wizard, "URLLabel")->text(), QStringLiteral("URL to Link to:"));
    EXPECT_EQ(control<QComboBox>(wizard, "URLLink")->currentText(), QStringLiteral("x.htm"));
    control<QComboBox>(wizard, "LinkStyle")->setCurrentText(QStringLiteral("Image link"));
    EXPECT_TRUE(control<QComboBox>(wizard, "DisplayedGraphic")->isVisible());
    control<QComboBox>(wizard, "DisplayedGraphic")->setEditText(QStringLiteral("cat.png"));
    wizard->RefreshClick();
    EXPECT_EQ(line(17), QStringLiteral("<A HREF=\"x.htm\"><IMG SRC=\"cat.png\"></A>"));

    EXPECT_FALSE(control<QPushButton>(wizard, "CloseBtn")->isVisible());
    asked.clear();
    wizard->NextClick();
    EXPECT_EQ(asked, QStringList {TTemplateWizeGuy::noMoreDefinitions});
    EXPECT_EQ(wizard->currentLine(), 16);
    EXPECT_TRUE(control<QPushButton>(wizard, "CloseBtn")->isVisible());
    wizard->PreviousClick();
    EXPECT_EQ(wizard->currentLine(), 14);
    EXPECT_FALSE(control<QPushButton>(wizard, "CloseBtn")->isVisible());

    // Each write is one undo step.
    editor->undo();
    EXPECT_EQ(line(17), QStringLiteral("<A HREF=\"x.htm\">x</A>"));
    EXPECT_EQ(line(15), QStringLiteral("<A HREF=\"mailto:me@a.org\">Write me</A>"));

    wizard->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(wizard.isNull());
    EXPECT_EQ(window->splitScreen()->sizes(), splitBefore);
}

TEST_F(TemplateWizardFlow, writesOnlyIntoThePageItStartedOn)
{
    const QString first = page(QStringLiteral("first.htm"), "<!--##Text-->\r\nHello\r\n<P>after</P>\r\n");
    const QString second = page(QStringLiteral("second.htm"), "<P>other</P>\r\n<P>page</P>\r\n");
    open(first);
    QPointer<TTemplateWizeGuy> wizard = startWizard();
    wizard->StartClick();
    ASSERT_EQ(wizard->page(), Page::Text);
    auto* refresh = control<QPushButton>(wizard, "RefreshBtn");

    open(second);
    QCoreApplication::processEvents();
    EXPECT_FALSE(refresh->isEnabled());
    wizard->RefreshClick();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<P>other</P>\r\n<P>page</P>\r\n"));

    window->webPageTabs()->setCurrentIndex(0);
    QCoreApplication::processEvents();
    EXPECT_TRUE(refresh->isEnabled());

    // Lines typed above the placeholder: nothing is written and the line is reported.
    TLEdit* editor = window->webPage();
    editor->SetSelection(1, 0, 1, 0);
    editor->InsertText(QStringLiteral("<P>typed</P>\r\n"));
    const QString typed = editor->Text();
    wizard->RefreshClick();
    EXPECT_EQ(editor->Text(), typed);
    EXPECT_EQ(wizard->page(), Page::InvalidTag);
    EXPECT_EQ(control<QLabel>(wizard, "InvalidLine")->text(), QStringLiteral("#1"));

    // Back to the placeholder, a long text written twice stays on its one line.
    wizard->NextClick();
    ASSERT_EQ(wizard->page(), Page::Text);
    const QString longText(300, QLatin1Char('w'));
    control<QPlainTextEdit>(wizard, "WebText")->setPlainText(longText);
    wizard->RefreshClick();
    wizard->RefreshClick();
    EXPECT_EQ(editor->Text(), QStringLiteral("<P>typed</P>\r\n<!--##Text-->\r\n") + longText + QStringLiteral("\r\n<P>after</P>\r\n"));

    // Closing the page closes the wizard.
    ASSERT_TRUE(window->commands().trigger(Command::FileClosePage));
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(wizard.isNull());
    EXPECT_GT(editorShare(), 0);
}

TEST_F(TemplateWizardFlow, pagesWithoutPlaceholdersAreTurnedAway)
{
    open(page(QStringLiteral("one.htm"), "<P>one line</P>"));
    ASSERT_TRUE(window->commands().trigger(Command::TemplateRiviRoz));
    EXPECT_EQ(window->findChild<TTemplateWizeGuy*>(), nullptr);
    EXPECT_EQ(asked, QStringList {TTemplateWizeGuy::noDocument});

    asked.clear();
    open(page(QStringLiteral("two.htm"), "<P>one</P>\r\n<P>two</P>\r\n"));
    QAbstractButton* go = window->workspace().toolBook().generatorButton(ToolBookGenerator::TemplateRiviRoz);
    ASSERT_TRUE(go->isEnabled());
    go->click();
    QPointer<TTemplateWizeGuy> wizard = window->findChild<TTemplateWizeGuy*>();
    ASSERT_FALSE(wizard.isNull());
    wizard->StartClick();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(asked, QStringList {TTemplateWizeGuy::noDocument});
    EXPECT_TRUE(wizard.isNull());
    EXPECT_GT(editorShare(), 0);
}

TEST_F(TemplateWizardFlow, pageDefaultsGoBeforeTheBodyTheyFind)
{
    open(page(QStringLiteral("defaults.htm"), "<HTML>\n<!--##Defaults-->\n<BODY>\n</BODY>\n"));
    QPointer<TTemplateWizeGuy> wizard = startWizard();
    wizard->StartClick();
    ASSERT_EQ(wizard->page(), Page::Defaults);
    EXPECT_EQ(control<QLineEdit>(wizard, "PageTitle")->text(), QString());
    control<QLineEdit>(wizard, "PageTitle")->setText(QStringLiteral("Mine"));
    wizard->RefreshClick();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<HTML>\n<!--##Defaults-->\n<TITLE>Mine</TITLE>\n"
                                                        "<META NAME=\"Keywords\" CONTENT=\"\">\n"
                                                        "<META NAME=\"Description\" CONTENT=\"\">\n<BODY>\n</BODY>\n"));
}

TEST_F(TemplateWizardFlow, aPlaceholderOnTheLastLineGetsItsLineAppended)
{
    open(page(QStringLiteral("last.htm"), "<P>x</P>\r\n<!--##Image-->"));
    QPointer<TTemplateWizeGuy> wizard = startWizard();
    wizard->StartClick();
    ASSERT_EQ(wizard->page(), Page::Image);
    control<QComboBox>(wizard, "ImageFilename")->setEditText(QStringLiteral("a.gif"));
    wizard->RefreshClick();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<P>x</P>\r\n<!--##Image-->\r\n<IMG SRC=\"a.gif\">"));
    wizard->RefreshClick();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<P>x</P>\r\n<!--##Image-->\r\n<IMG SRC=\"a.gif\">"));
}

} // namespace
