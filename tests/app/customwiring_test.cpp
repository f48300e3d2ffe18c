#include "windowfixture.h"

#include "app/customwiring.h"
#include "app/workspacewiring.h"
#include "custom/buttons/tcustombuttonform.h"
#include "custom/special/tspeccharform.h"
#include "editor/tledit.h"
#include "workspace/tags/alignpopup.h"
#include "workspace/tags/toolbook.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <Qsci/qsciscintilla.h>

namespace {

using namespace windowtest;

// Acts on the next modal window of type T once it is up.
template <typename T>
void whenShown(std::function<void(T*)> act)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        if (auto* shown = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            act(shown);
        }
    });
    timer->start(10);
}

// Answers the next message box with the button and records its text.
void answerMessage(QMessageBox::StandardButton answer, QString* text)
{
    whenShown<QMessageBox>([answer, text](QMessageBox* box) {
        *text = box->text();
        box->button(answer)->click();
    });
}

class CustomFixture : public WiringFixture {
protected:
    void adjustSettings(QSettings&) override
    {
        writeFile(user(QStringLiteral("page1.btn")),
                  "B|B|1|0\r\nHR|<HR>|0|0\r\nLnk|<A HREF=\"\">..</A>|2|0\r\n||0|0\r\n***|P|0|0\r\n***|BR|0|1\r\nX|x|9|0\r\n&|&amp;|0|0\r\n");
        writeFile(user(QStringLiteral("PAGE3.BTN")), "a|<a>|0|0\nb|<b>|0|0\n");
    }

    QString user(const QString& name) { return m_root.filePath(QStringLiteral("user/") + name); }
    QToolButton* button(int page, int slot)
    {
        return window->powerBook()->findChild<QToolButton*>(QStringLiteral("Custom%1PageButton%2").arg(page).arg(slot));
    }
    QToolButton* special(int slot)
    {
        return window->powerBook()->findChild<QToolButton*>(QStringLiteral("SpecialPageButton%1").arg(slot));
    }
    QStringList visibleSlots(int page)
    {
        QStringList shown;
        for (int k = 0; k < 19; ++k) {
            if (!button(page, k)->isHidden())
                shown << QString::number(k);
        }
        return shown;
    }
    int m_pages = 0;
    // Opens a new page holding `text` with all of it selected.
    void pageWith(const QString& text)
    {
        open(page(QStringLiteral("p%1.htm").arg(++m_pages), text.toUtf8()));
        window->webPage()->selectAll();
    }
};

TEST_F(CustomFixture, TabsShowOnlyTheButtonsOfTheirOwnFile)
{
    EXPECT_EQ(visibleSlots(1), QStringList({"0", "1", "2", "4", "5", "6", "7"}));
    EXPECT_EQ(visibleSlots(2), QStringList()) << "a missing page2.btn never shows tab 1's buttons";
    EXPECT_EQ(visibleSlots(3), QStringList({"0", "1"})) << "found whatever the case of its name";
    EXPECT_EQ(visibleSlots(4), QStringList());
    EXPECT_EQ(button(1, 1)->geometry(), QRect(30, 0, 30, 26));
    EXPECT_EQ(button(1, 4)->geometry(), QRect(30 * 4 + 12, 0, 19, 26));
    EXPECT_TRUE(button(1, 4)->text().isEmpty());
    EXPECT_FALSE(button(1, 4)->icon().isNull());
    EXPECT_EQ(button(1, 7)->text(), QStringLiteral("&&"));
}

TEST_F(CustomFixture, EachKindOfButtonInsertsOnThePage)
{
    const struct {
        int slot;
        const char* expected;
    } cases[] = {
        {0, "<B>word</B>"},
        {1, "<HR>"},
        {2, "<A HREF=\"\">word</A>"},
        {6, "x"},
        {7, "&amp;"},
    };
    for (const auto& c : cases) {
        pageWith(QStringLiteral("word"));
        button(1, c.slot)->click();
        EXPECT_EQ(window->webPage()->Text(), QString::fromUtf8(c.expected)) << c.slot;
        window->webPage()->setText(QString());
    }

    const struct {
        int slot;
        int item;
        QStringList captions;
        const char* expected;
    } dropDowns[] = {
        {4, 2, {"<P></P>", "<P ALIGN=\"left\"></P>", "<P ALIGN=\"center\"></P>", "<P ALIGN=\"right\"></P>"},
         "<P ALIGN=\"center\">word</P>"},
        {5, 1, {"<BR>", "<BR CLEAR=\"left\">", "<BR CLEAR=\"all\">", "<BR CLEAR=\"right\">"}, "<BR CLEAR=\"left\">"},
    };
    QMenu* menu = window->workspace().toolBook().alignmentPopup()->menu();
    for (const auto& d : dropDowns) {
        pageWith(QStringLiteral("word"));
        button(1, d.slot)->click();
        QStringList captions;
        for (QAction* action : menu->actions())
            captions << action->text();
        EXPECT_EQ(captions, d.captions);
        menu->actions().at(d.item)->trigger();
        menu->hide();
        EXPECT_EQ(window->webPage()->Text(), QString::fromUtf8(d.expected));
        window->webPage()->setText(QString());
    }
}

TEST_F(CustomFixture, SpecialTabStartsWithTheTenDefaults)
{
    QStringList captions;
    for (int k = 0; k < 19; ++k) {
        if (!special(k)->isHidden())
            captions << special(k)->text();
    }
    EXPECT_EQ(captions, QStringList({"\u00a9", "\u00ae", "\u2122", "\u00bc", "\u00bd", "\u00be", "\u00a7", "<", ">", "&&"}));
    EXPECT_EQ(special(9)->font().pointSize(), 11);

    pageWith(QStringLiteral("x"));
    special(9)->click();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("&amp;")) << "replaces the selection";
    special(2)->click();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("&amp;&#153;"));
}

TEST_F(CustomFixture, TypedLatinLettersBecomeEntitiesByKeyAndByInputMethod)
{
    const QStringList names = QStringLiteral(
        "Agrave Aacute Acirc Atilde Auml Aring AElig Ccedil Egrave Eacute Ecirc Euml Igrave Iacute Icirc Iuml "
        "ETH Ntilde Ograve Oacute Ocirc Otilde Ouml - Oslash Ugrave Uacute Ucirc Uuml Yacute THORN szlig "
        "agrave aacute acirc atilde auml aring aelig ccedil egrave eacute ecirc euml igrave iacute icirc iuml "
        "eth ntilde ograve oacute ocirc otilde ouml - oslash ugrave uacute ucirc uuml yacute thorn yuml").split(QLatin1Char(' '));
    ASSERT_EQ(names.size(), 64);
    pageWith(QString());
    QsciScintilla* view = window->webPage()->scintilla();
    for (const bool byInputMethod : {false, true}) {
        for (int code = 0xC0; code <= 0xFF; ++code) {
            window->webPage()->setText(QString());
            const QString typed = QString(QChar(code));
            if (byInputMethod) {
                QInputMethodEvent commit;
                commit.setCommitString(typed);
                QApplication::sendEvent(view, &commit);
            } else {
                QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed);
                QApplication::sendEvent(view, &press);
            }
            const QString name = names.at(code - 0xC0);
            const QString expected = name == QLatin1String("-") ? typed : QLatin1Char('&') + name + QLatin1Char(';');
            EXPECT_EQ(window->webPage()->Text(), expected) << code << (byInputMethod ? " committed" : " pressed");
        }
    }
}

TEST_F(CustomFixture, SetupDialogAssignsAndOkRebuildsTheTab)
{
    whenShown<TCustomButtonForm>([](TCustomButtonForm* form) {
        EXPECT_FALSE(form->assignButton()->isEnabled()) << "no slot is current";
        form->setupButton(0, 4)->click();
        EXPECT_TRUE(form->isDropType()->isChecked());
        EXPECT_EQ(form->buttonSource()->text(), QStringLiteral("P"));
        form->setupButton(0, 3)->click();
        EXPECT_FALSE(form->isDropType()->isChecked());
        form->isDropType()->click();
        EXPECT_EQ(form->buttonCaption()->text(), QStringLiteral("***"));
        EXPECT_FALSE(form->insertStyle()->isVisibleTo(form));
        form->buttonSource()->setText(QStringLiteral("DIV"));
        form->assignButton()->click();
        EXPECT_EQ(form->lines(0).at(3), QStringLiteral("***|DIV|0|0"));
        EXPECT_EQ(form->lines(0).size(), 19);
        EXPECT_FALSE(form->assignButton()->isEnabled());
        EXPECT_TRUE(form->buttonSource()->text().isEmpty());
        EXPECT_FALSE(form->setupButton(0, 3)->isChecked()) << "released after Assign";

        // "|" would cut the line's fields apart.
        form->setupButton(0, 8)->click();
        form->buttonCaption()->setText(QStringLiteral("a|"));
        form->buttonSource()->setText(QStringLiteral("<I>"));
        QString refused;
        answerMessage(QMessageBox::Ok, &refused);
        form->assignButton()->click();
        EXPECT_FALSE(refused.isEmpty());
        EXPECT_EQ(form->lines(0).at(8), QStringLiteral("||0|0"));
        form->buttonCaption()->setText(QStringLiteral("I"));
        form->insertStyleButton(1)->click();
        form->assignButton()->click();
        EXPECT_EQ(form->lines(0).at(8), QStringLiteral("I|<I>|1|0"));
        form->findChild<QPushButton*>(QStringLiteral("OK"))->click();
    });
    ASSERT_TRUE(window->commands().trigger(Command::OptionsCustomizeButtons));
    EXPECT_EQ(readFile(user(QStringLiteral("page2.btn"))), QByteArray("||0|0\r\n").repeated(19));
    const QByteArray first = readFile(user(QStringLiteral("page1.btn")));
    EXPECT_EQ(first.count("\r\n"), 19);
    EXPECT_TRUE(first.contains("\r\n***|DIV|0|0\r\n"));
    EXPECT_EQ(visibleSlots(1), QStringList({"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
    pageWith(QStringLiteral("w"));
    button(1, 8)->click();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("<<I>>w</<I>>")) << "the hint is wrapped as the tag";
}

TEST_F(CustomFixture, ChangingTabsAsksAndAbandoningAsksOnlyWhenModified)
{
    whenShown<TCustomButtonForm>([](TCustomButtonForm* form) {
        QString asked;
        form->setupButton(0, 0)->click();
        answerMessage(QMessageBox::Cancel, &asked);
        form->pageControl()->setCurrentIndex(1);
        EXPECT_EQ(asked, QStringLiteral("Change Button tabs without Assigning properties?"));
        EXPECT_EQ(form->pageControl()->currentIndex(), 0);
        answerMessage(QMessageBox::Ok, &asked);
        form->pageControl()->setCurrentIndex(1);
        EXPECT_EQ(form->pageControl()->currentIndex(), 1);
        EXPECT_FALSE(form->assignButton()->isEnabled());
        EXPECT_FALSE(form->setupButton(0, 0)->isChecked());

        form->setupButton(1, 2)->click();
        form->buttonCaption()->setText(QStringLiteral("Q"));
        form->buttonSource()->setText(QStringLiteral("Q"));
        form->assignButton()->click();
        asked.clear();
        answerMessage(QMessageBox::Cancel, &asked);
        form->reject();
        EXPECT_EQ(asked, QStringLiteral("Abandon changes?"));
        EXPECT_TRUE(form->isVisible());
        answerMessage(QMessageBox::Ok, &asked);
        form->close();
        EXPECT_FALSE(form->isVisible());
    });
    ASSERT_TRUE(window->commands().trigger(Command::OptionsCustomizeButtons));
    EXPECT_FALSE(QFile::exists(user(QStringLiteral("page2.btn")))) << "abandoned without writing";
    EXPECT_EQ(visibleSlots(2), QStringList());

    whenShown<TCustomButtonForm>([](TCustomButtonForm* form) {
        form->setupButton(0, 3)->click();
        form->buttonCaption()->setText(QStringLiteral("Q"));
        form->assignButton()->click();
        form->findChild<QPushButton*>(QStringLiteral("OK"))->click();
        EXPECT_FALSE(form->isModified());
        EXPECT_FALSE(form->isVisible()) << "no question after OK";
    });
    ASSERT_TRUE(window->commands().trigger(Command::OptionsCustomizeButtons));
}

TEST_F(CustomFixture, ShiftClickedTabCaptionSurvivesARestart)
{
    whenShown<TCustomButtonForm>([](TCustomButtonForm* form) {
        EXPECT_EQ(form->pageControl()->tabText(0), QStringLiteral("Custom 1"));
        whenShown<QInputDialog>([](QInputDialog* input) {
            EXPECT_EQ(input->windowTitle(), QStringLiteral("Tab Caption"));
            EXPECT_EQ(input->labelText(), QStringLiteral("New Tab Caption"));
            input->setTextValue(QStringLiteral("Tables and more"));
            input->accept();
        });
        QTabBar* tabs = form->pageControl()->tabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, Qt::ShiftModifier, tabs->tabRect(0).center());
        EXPECT_EQ(form->pageControl()->tabText(0), QStringLiteral("Tables and more"));
        form->findChild<QPushButton*>(QStringLiteral("OK"))->click();
    });
    ASSERT_TRUE(window->commands().trigger(Command::OptionsCustomizeButtons));
    const int tab = window->powerBook()->indexOf(window->powerBook()->findChild<QWidget*>(QStringLiteral("Custom1Page")));
    EXPECT_EQ(window->powerBook()->tabText(tab), QStringLiteral("Tables and more"));

    window->close();
    window = std::make_unique<TForm1>(environment);
    window->show();
    EXPECT_EQ(window->powerBook()->tabText(tab), QStringLiteral("Tables and more"));
}

TEST_F(CustomFixture, SpecialCharactersDialogSavesRowsAndRebuildsTheTab)
{
    whenShown<TSpecCharForm>([](TSpecCharForm* form) {
        EXPECT_EQ(form->windowTitle(), QStringLiteral("Special Characters"));
        EXPECT_EQ(form->characterField(9)->text(), QStringLiteral("&"));
        EXPECT_EQ(form->codeField(9)->text(), QStringLiteral("&amp;"));
        form->codeField(0)->clear();
        form->characterField(14)->setText(QStringLiteral("|"));
        form->codeField(14)->setText(QStringLiteral("&#124;"));
        QString refused;
        answerMessage(QMessageBox::Ok, &refused);
        form->BitBtn1Click();
        EXPECT_FALSE(refused.isEmpty()) << "\"|\" as a character would read back as an empty slot";
        EXPECT_TRUE(form->isVisible());
        form->characterField(14)->setText(QStringLiteral("\u00e9"));
        form->codeField(14)->setText(QStringLiteral("&eacute;"));
        form->BitBtn1Click();
    });
    ASSERT_TRUE(window->commands().trigger(Command::OptionsSpecialCharacters));
    QSettings settings;
    EXPECT_EQ(settings.value(QStringLiteral("SpecialCharacters/Spec1")).toString(), QStringLiteral("|"));
    EXPECT_EQ(settings.value(QStringLiteral("SpecialCharacters/Spec15")).toString(), QStringLiteral("\u00e9|&eacute;"));
    EXPECT_TRUE(special(0)->isHidden()) << "a character without a code loses its button";
    EXPECT_FALSE(special(14)->isHidden());
    pageWith(QString());
    special(14)->click();
    EXPECT_EQ(window->webPage()->Text(), QStringLiteral("&eacute;"));
}

} // namespace
