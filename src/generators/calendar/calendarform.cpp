#include "generators/calendar/calendarform.h"

#include "generators/shared/dialogteardown.h"
#include "viewer/control/pageviewer.h"
#include "workspace/tags/tagtexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <tuple>

using namespace tessera::generators;

namespace {

const QStringList kAlignments = {QStringLiteral("none"), QStringLiteral("left"), QStringLiteral("center"),
                                 QStringLiteral("right")};

QComboBox* alignmentBox(const char* name)
{
    auto* box = new QComboBox;
    box->setObjectName(QLatin1String(name));
    box->addItems(kAlignments);
    return box;
}

std::array<std::string, 7> shortDayNames()
{
    const QLocale locale = QLocale::system();
    std::array<std::string, 7> names;
    for (int day = 0; day < 7; ++day)
        names[std::size_t(day)] = locale.dayName(day == 0 ? 7 : day, QLocale::ShortFormat).toStdString();
    return names;
}

} // namespace

TCalendarForm::TCalendarForm(Host host, CalendarMonth month, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_dayNames(shortDayNames())
{
    setObjectName(QStringLiteral("CalendarForm"));
    setWindowTitle(QStringLiteral("Calendar Rivi Roz"));

    MonthLabel = new QLabel;
    MonthLabel->setObjectName(QStringLiteral("MonthLabel"));
    MonthLabel->setAlignment(Qt::AlignCenter);
    MonthLabel->setMinimumWidth(90);
    QFont bold = MonthLabel->font();
    bold.setBold(true);
    MonthLabel->setFont(bold);
    m_back = new QPushButton(QStringLiteral("<"));
    m_back->setObjectName(QStringLiteral("BackButton"));
    m_back->setToolTip(QStringLiteral("Previous month"));
    m_ahead = new QPushButton(QStringLiteral(">"));
    m_ahead->setObjectName(QStringLiteral("AheadButton"));
    m_ahead->setToolTip(QStringLiteral("Next month"));
    for (QPushButton* button : {m_back, m_ahead})
        button->setFixedWidth(32);
    YearSpinner = new QSpinBox;
    YearSpinner->setObjectName(QStringLiteral("YearSpinner"));
    YearSpinner->setRange(minCalendarYear, maxCalendarYear);
    ComboBox1 = new QComboBox;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    const QLocale english(QLocale::English);
    for (int day = 0; day < 7; ++day)
        ComboBox1->addItem(english.dayName(day == 0 ? 7 : day));
    tblalign = alignmentBox("tblalign");
    cellalign = alignmentBox("cellalign");
    QWidget* headingButton = nullptr;
    QWidget* tableButton = nullptr;
    QWidget* textButton = nullptr;
    HeadingColor = colourBox("HeadingColor", headingButton);
    TableColor = colourBox("TableColor", tableButton);
    TextColor = colourBox("TextColor", textButton);
    UseLinks = new QCheckBox(QStringLiteral("Include Page links"));
    UseLinks->setObjectName(QStringLiteral("UseLinks"));

    Preview = new tessera::viewer::TPageViewer;
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setViewImages(false);
    Preview->setDefBackground(Qt::white);
    Preview->setHistoryMaxCount(0);
    Preview->setMinimumSize(420, 320);

    auto* monthRow = new QHBoxLayout;
    monthRow->addWidget(m_back);
    monthRow->addWidget(MonthLabel, 1);
    monthRow->addWidget(m_ahead);
    auto* form = new QFormLayout;
    form->addRow(monthRow);
    form->addRow(QStringLiteral("Year:"), YearSpinner);
    form->addRow(QStringLiteral("Start Week With:"), ComboBox1);
    form->addRow(QStringLiteral("Table Alignment:"), tblalign);
    form->addRow(QStringLiteral("Date Alignment:"), cellalign);
    for (auto [label, edit, button] : {std::tuple {QStringLiteral("Heading Color:"), HeadingColor, headingButton},
                                       std::tuple {QStringLiteral("Table Color:"), TableColor, tableButton},
                                       std::tuple {QStringLiteral("Calendar Text Color:"), TextColor, textButton}}) {
        auto* row = new QHBoxLayout;
        row->addWidget(edit);
        row->addWidget(button);
        row->addStretch();
        form->addRow(label, row);
    }
    form->addRow(UseLinks);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto* left = new QVBoxLayout;
    left->addLayout(form);
    left->addStretch();
    left->addWidget(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(Preview, 1);

    connect(m_back, &QPushButton::clicked, this, &TCalendarForm::BackClick);
    connect(m_ahead, &QPushButton::clicked, this, &TCalendarForm::AheadClick);
    connect(YearSpinner, &QSpinBox::valueChanged, this, [this](int year) { showMonth({year, m_month.month}); });
    for (QComboBox* box : {ComboBox1, tblalign, cellalign})
        connect(box, &QComboBox::currentIndexChanged, this, &TCalendarForm::rebuild);
    connect(UseLinks, &QCheckBox::toggled, this, &TCalendarForm::rebuild);
    for (QLineEdit* edit : {HeadingColor, TableColor, TextColor})
        connect(edit, &QLineEdit::editingFinished, this, &TCalendarForm::rebuild);
    connect(buttons, &QDialogButtonBox::accepted, this, &TCalendarForm::OkClick);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    showMonth(month);
}

TCalendarForm::~TCalendarForm()
{
    silenceChildrenForTeardown(*this);
}

QLineEdit* TCalendarForm::colourBox(const char* name, QWidget*& button)
{
    auto* edit = new QLineEdit;
    edit->setObjectName(QLatin1String(name));
    edit->setMaxLength(6);
    edit->setMaximumWidth(80);
    // Only hexadecimal digits make a colour the HTML can carry.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,6}")), edit));
    auto* colourButton = new QPushButton(QStringLiteral("Color..."));
    colourButton->setObjectName(edit->objectName() + QStringLiteral("Button"));
    connect(colourButton, &QPushButton::clicked, this, [this, edit] {
        if (!m_host.chooseColour)
            return;
        const std::optional<QColor> chosen = m_host.chooseColour(TagTexts::colourFromHex(edit->text(), Qt::white));
        if (!chosen)
            return;
        edit->setText(TagTexts::colourHex(*chosen));
        rebuild();
    });
    button = colourButton;
    return edit;
}

void TCalendarForm::showMonth(CalendarMonth month)
{
    m_month = stepMonth(month, 0);
    MonthLabel->setText(QString::fromUtf8(calendarMonthNames[std::size_t(m_month.month - 1)].data()));
    {
        const QSignalBlocker quiet(YearSpinner);
        YearSpinner->setValue(m_month.year);
    }
    rebuild();
}

void TCalendarForm::BackClick()
{
    showMonth(stepMonth(m_month, -1));
}

void TCalendarForm::AheadClick()
{
    showMonth(stepMonth(m_month, 1));
}

CalendarSpec TCalendarForm::spec() const
{
    CalendarSpec spec;
    spec.month = m_month;
    spec.firstWeekday = std::max(0, ComboBox1->currentIndex());
    spec.dayNames = m_dayNames;
    spec.tableAlignment = tblalign->currentText().toStdString();
    spec.dateAlignment = cellalign->currentText().toStdString();
    spec.headingColour = HeadingColor->text().toStdString();
    spec.tableColour = TableColor->text().toStdString();
    spec.textColour = TextColor->text().toStdString();
    spec.pageLinks = UseLinks->isChecked();
    return spec;
}

void TCalendarForm::rebuild()
{
    m_lines.clear();
    for (const std::string& line : buildCalendar(spec()))
        m_lines << QString::fromStdString(line);
    Preview->LoadStrings(m_lines);
}

void TCalendarForm::OkClick()
{
    // A colour typed but not yet left counts too.
    rebuild();
    if (m_host.insertLines)
        m_host.insertLines(m_lines);
    accept();
}
