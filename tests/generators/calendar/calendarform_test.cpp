#include "generators/calendar/calendarform.h"

#include "viewer/control/pageviewer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>

#include <gtest/gtest.h>

namespace {

using namespace tessera::generators;

class CalendarFormTest : public ::testing::Test {
protected:
    void open(CalendarMonth month)
    {
        TCalendarForm::Host host;
        host.insertLines = [this](const QStringList& lines) { inserted = lines; };
        host.chooseColour = [this](const QColor&) { return chosenColour; };
        form = std::make_unique<TCalendarForm>(host, month);
    }
    template<typename T>
    T* child(const char* name) const
    {
        T* found = form->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QString shownMonth() const
    {
        return child<QLabel>("MonthLabel")->text() + QLatin1Char(' ') + QString::number(child<QSpinBox>("YearSpinner")->value());
    }

    std::optional<QColor> chosenColour;
    QStringList inserted;
    std::unique_ptr<TCalendarForm> form;
};

TEST_F(CalendarFormTest, monthButtonsAndYearMoveTheCalendar)
{
    open({2000, 1});
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Calendar Rivi Roz"));
    EXPECT_EQ(shownMonth(), QStringLiteral("January 2000"));
    EXPECT_TRUE(form->preview()->documentText().contains(QStringLiteral("January 2000")));

    child<QPushButton>("BackButton")->click();
    EXPECT_EQ(shownMonth(), QStringLiteral("December 1999"));
    EXPECT_TRUE(form->calendarLines().contains(QStringLiteral("    December 1999")));
    child<QPushButton>("AheadButton")->click();
    child<QPushButton>("AheadButton")->click();
    EXPECT_EQ(shownMonth(), QStringLiteral("February 2000"));
    EXPECT_TRUE(form->calendarLines().contains(QStringLiteral("    29")));
    child<QSpinBox>("YearSpinner")->setValue(2015);
    EXPECT_EQ(shownMonth(), QStringLiteral("February 2015"));
    EXPECT_EQ(form->calendarLines().size(), 138);
    EXPECT_FALSE(form->calendarLines().contains(QStringLiteral("    29")));

}

TEST_F(CalendarFormTest, everyChoiceRebuildsAndOkHandsTheLinesOver)
{
    open({1997, 1});
    child<QComboBox>("ComboBox1")->setCurrentText(QStringLiteral("Monday"));
    EXPECT_EQ(form->calendarLines().value(8), QStringLiteral("    Mon"));
    child<QComboBox>("tblalign")->setCurrentText(QStringLiteral("center"));
    child<QComboBox>("cellalign")->setCurrentText(QStringLiteral("right"));
    EXPECT_EQ(form->calendarLines().value(0), QStringLiteral(R"(<TABLE BORDER ALIGN="center">)"));
    EXPECT_EQ(form->calendarLines().value(7), QStringLiteral(R"(    <TH ALIGN="right" width=50>)"));
    child<QCheckBox>("UseLinks")->setChecked(true);
    EXPECT_TRUE(form->calendarLines().contains(QStringLiteral(R"(    <A HREF="#January_1997_5">5</A>)")));

    chosenColour = QColor(255, 0, 0);
    child<QPushButton>("HeadingColorButton")->click();
    EXPECT_EQ(child<QLineEdit>("HeadingColor")->text(), QStringLiteral("FF0000"));
    EXPECT_TRUE(form->calendarLines().contains(QStringLiteral(R"(    <TH COLSPAN="7" ALIGN="CENTER" BGCOLOR="#FF0000">)")));
    // A colour typed but not yet left still counts on OK; letters other than digits do not go in.
    child<QLineEdit>("TextColor")->setText(QStringLiteral("000080"));
    child<QLineEdit>("TableColor")->insert(QStringLiteral("zz\"><"));
    EXPECT_EQ(child<QLineEdit>("TableColor")->text(), QString());

    form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    ASSERT_EQ(inserted.size(), 237);
    EXPECT_EQ(inserted.value(1), QStringLiteral(R"(<FONT COLOR="#000080">)"));
    EXPECT_EQ(form->result(), QDialog::Accepted);
}

TEST_F(CalendarFormTest, cancelInsertsNothing)
{
    open({2024, 2});
    form->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    EXPECT_TRUE(inserted.isEmpty());
    EXPECT_EQ(form->result(), QDialog::Rejected);
}

} // namespace
