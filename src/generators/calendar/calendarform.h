#pragma once

#include "generators/builders/calendarlines.h"

#include <QColor>
#include <QDialog>
#include <QStringList>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace tessera::viewer {
class TPageViewer;
}

// "Calendar Rivi Roz": a month calendar as an HTML table, previewed as it changes and handed to
// `insertLines` on OK.
class TCalendarForm : public QDialog {
    Q_OBJECT

public:
    struct Host {
        std::function<void(const QStringList& lines)> insertLines;
        std::function<std::optional<QColor>(const QColor& initial)> chooseColour;
    };

    // The calendar starts on `month`; the main window passes the current one.
    TCalendarForm(Host host, tessera::generators::CalendarMonth month, QWidget* parent = nullptr);
    ~TCalendarForm() override;

    const QStringList& calendarLines() const { return m_lines; }
    tessera::viewer::TPageViewer* preview() const { return Preview; }

    void BackClick();
    void AheadClick();
    void OkClick();

private:
    QLineEdit* colourBox(const char* name, QWidget*& button);
    void showMonth(tessera::generators::CalendarMonth month);
    tessera::generators::CalendarSpec spec() const;
    void rebuild();

    Host m_host;
    tessera::generators::CalendarMonth m_month;
    QStringList m_lines;
    // The user's short day names, Sunday first.
    std::array<std::string, 7> m_dayNames;

    QLabel* MonthLabel;
    QPushButton* m_back;
    QPushButton* m_ahead;
    QSpinBox* YearSpinner;
    QComboBox* ComboBox1;
    QComboBox* tblalign;
    QComboBox* cellalign;
    QLineEdit* HeadingColor;
    QLineEdit* TableColor;
    QLineEdit* TextColor;
    QCheckBox* UseLinks;
    tessera::viewer::TPageViewer* Preview;
};
