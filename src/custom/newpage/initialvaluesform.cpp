#include "custom/newpage/initialvaluesform.h"

#include "projects/model/projectini.h"
#include "projects/model/themes.h"
#include "viewer/control/pageviewer.h"
#include "workspace/settings/settings.h"
#include "workspace/tags/insertimage.h"
#include "workspace/tags/tagtexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

using namespace tessera::generators;

namespace {

const QString noTheme = QStringLiteral("[None]");
const QString captionText = QStringLiteral("Initial Values");

const QStringList pageTitles = {QStringLiteral("Page Internals"), QStringLiteral("Images/Themes"), QStringLiteral("Text"),
                                QStringLiteral("General"), QStringLiteral("Colors")};

const QStringList documentTypes = {
    QStringLiteral("none"),
    QStringLiteral(R"(<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN//3.2">)"),
    QStringLiteral(R"(<!DOCTYPE HTML PUBLIC  "-//IETF//DTD HTML 2.0//EN">)"),
    QStringLiteral(R"(<!DOCTYPE HTML PUBLIC  "-//IETF//DTD HTML Level 1//EN">)"),
};

std::string text(const QString& value) { return value.toStdString(); }

// -1 (no margin), then 0, 5, 10 ... 100: each step goes to the next multiple of five.
class MarginSpinBox : public QSpinBox {
public:
    MarginSpinBox()
    {
        setRange(-1, 100);
        setValue(-1);
        setSingleStep(5);
        setSpecialValueText(QStringLiteral("none"));
    }

    void stepBy(int steps) override
    {
        const int current = value();
        int next = current;
        for (; steps > 0; --steps)
            next = next < 0 ? 0 : (next / 5 + 1) * 5;
        for (; steps < 0; ++steps)
            next = next <= 0 ? -1 : (next - 1) / 5 * 5;
        setValue(next);
    }
};

void showSwatch(QLabel* swatch, const std::optional<QColor>& colour)
{
    swatch->setStyleSheet(colour && colour->isValid()
                              ? QStringLiteral("background-color: %1; border: 1px solid gray;").arg(colour->name())
                              : QStringLiteral("border: 1px solid gray;"));
}

QLabel* newSwatch()
{
    auto* swatch = new QLabel;
    swatch->setFixedSize(24, 18);
    showSwatch(swatch, std::nullopt);
    return swatch;
}

// The colour a field's text names by the hex-to-colour rule; nothing when it is not hexadecimal.
std::optional<QColor> colourOfField(const QLineEdit* edit)
{
    const QColor colour = TagTexts::colourFromHex(edit->text(), QColor());
    return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
}

} // namespace

TInitialValuesForm::TInitialValuesForm(Host host, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_themesDirectory(::themesDirectory(m_host.programDirectory) + QLatin1Char('/'))
{
    setObjectName(QStringLiteral("InitialValuesForm"));
    setWindowTitle(captionText);
    buildControls();
    showPage(0);
    // What the form's show does: the themes, the project's defaults, the first page.
    m_filling = true;
    fillThemes();
    ReadINI();
    m_filling = false;
    RefreshHTML();
}

TInitialValuesForm::~TInitialValuesForm()
{
    // A field that loses the focus as it is destroyed reports its edit to a half-gone form.
    for (QWidget* child : findChildren<QWidget*>())
        child->blockSignals(true);
}

QLineEdit* TInitialValuesForm::lineEdit(const char* name, const QString& initial, int maxLength)
{
    auto* edit = new QLineEdit(initial);
    edit->setObjectName(QLatin1String(name));
    if (maxLength > 0)
        edit->setMaxLength(maxLength);
    connect(edit, &QLineEdit::textChanged, this, &TInitialValuesForm::RefreshHTML);
    return edit;
}

QCheckBox* TInitialValuesForm::checkBox(const char* name, const QString& caption, bool checked)
{
    auto* box = new QCheckBox(caption);
    box->setObjectName(QLatin1String(name));
    box->setChecked(checked);
    connect(box, &QCheckBox::toggled, this, &TInitialValuesForm::RefreshHTML);
    return box;
}

QSpinBox* TInitialValuesForm::spinBox(const char* name, int minimum, int maximum, int value)
{
    auto* box = new QSpinBox;
    box->setObjectName(QLatin1String(name));
    box->setRange(minimum, maximum);
    box->setValue(value);
    connect(box, &QSpinBox::valueChanged, this, &TInitialValuesForm::RefreshHTML);
    return box;
}

QToolButton* TInitialValuesForm::browseButton(const char* name, QLineEdit* target)
{
    auto* button = new QToolButton;
    button->setObjectName(QLatin1String(name));
    button->setText(QStringLiteral("..."));
    button->setToolTip(QStringLiteral("Click to find an image"));
    connect(button, &QToolButton::clicked, this, [this, target] { browseFor(target); });
    return button;
}

QWidget* TInitialValuesForm::withHelp(QWidget* fields, const QString& help)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(fields);
    layout->addStretch();
    auto* label = new QLabel(help);
    label->setWordWrap(true);
    label->setFrameShape(QFrame::StyledPanel);
    label->setMargin(6);
    layout->addWidget(label);
    return page;
}

void TInitialValuesForm::buildControls()
{
    Notebook = new QStackedWidget;
    Notebook->addWidget(buildPageInternals());
    Notebook->addWidget(buildImagesThemes());
    Notebook->addWidget(buildText());
    Notebook->addWidget(buildGeneral());
    Notebook->addWidget(buildColors());
    m_pageTitle = new QLabel;
    QFont titleFont = m_pageTitle->font();
    titleFont.setBold(true);
    m_pageTitle->setFont(titleFont);

    BackBtn = new QPushButton(QStringLiteral("&Back"));
    BackBtn->setObjectName(QStringLiteral("BackBtn"));
    NextBtn = new QPushButton(QStringLiteral("&Next"));
    NextBtn->setObjectName(QStringLiteral("NextBtn"));
    FinishBtn = new QPushButton(QStringLiteral("Finish"));
    FinishBtn->setObjectName(QStringLiteral("FinishBtn"));
    CancelBtn = new QPushButton(QStringLiteral("&Cancel"));
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    for (QPushButton* button : {BackBtn, NextBtn, FinishBtn, CancelBtn})
        button->setAutoDefault(false);
    connect(BackBtn, &QPushButton::clicked, this, &TInitialValuesForm::BackBtnClick);
    connect(NextBtn, &QPushButton::clicked, this, &TInitialValuesForm::NextBtnClick);
    connect(FinishBtn, &QPushButton::clicked, this, &TInitialValuesForm::FinishBtnClick);
    connect(CancelBtn, &QPushButton::clicked, this, &TInitialValuesForm::CancelBtnClick);

    Preview = new tessera::viewer::TPageViewer;
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setHistoryMaxCount(0);
    Preview->setMinimumSize(520, 480);

    auto* left = new QVBoxLayout;
    left->addWidget(m_pageTitle);
    left->addWidget(Notebook, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(BackBtn);
    buttons->addWidget(NextBtn);
    buttons->addWidget(FinishBtn);
    buttons->addStretch();
    buttons->addWidget(CancelBtn);
    left->addLayout(buttons);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addWidget(Preview, 1);
}

QWidget* TInitialValuesForm::buildPageInternals()
{
    auto* fields = new QWidget;
    auto* form = new QFormLayout(fields);
    DocType = new QComboBox;
    DocType->setObjectName(QStringLiteral("DocType"));
    DocType->addItems(documentTypes);
    connect(DocType, &QComboBox::currentIndexChanged, this, &TInitialValuesForm::RefreshHTML);
    PageTitle = lineEdit("PageTitle", QStringLiteral("Web Page Title Here"));
    PageComments = lineEdit("PageComments", QStringLiteral("Comments go here"));
    Keywords = lineEdit("Keywords");
    Description = lineEdit("Description");
    form->addRow(QStringLiteral("Document Type:"), DocType);
    form->addRow(QStringLiteral("Page title:"), PageTitle);
    form->addRow(QStringLiteral("Initial Comments:"), PageComments);
    form->addRow(QStringLiteral("META Keywords:"), Keywords);
    form->addRow(QStringLiteral("META Description:"), Description);
    return withHelp(fields,
                    QStringLiteral("The title shows in the browser's title bar and in bookmarks. Search engines read "
                                   "the keywords (separated by commas) and the description. The comments are kept in "
                                   "the page's source with the date it was created; visitors do not see them."));
}

QWidget* TInitialValuesForm::buildImagesThemes()
{
    auto* fields = new QWidget;
    auto* form = new QFormLayout(fields);
    ThemeCombo = new QComboBox;
    ThemeCombo->setObjectName(QStringLiteral("ThemeCombo"));
    connect(ThemeCombo, &QComboBox::currentTextChanged, this, &TInitialValuesForm::RefreshHTML);
    BackgroundGraphic = lineEdit("BackgroundGraphic");
    auto* background = new QHBoxLayout;
    background->addWidget(BackgroundGraphic);
    background->addWidget(browseButton("SpeedButton1", BackgroundGraphic));
    LeftArrow = checkBox("LeftArrow", QStringLiteral("Left Arrow"));
    RightArrow = checkBox("RightArrow", QStringLiteral("Right Arrow"));
    UpArrow = checkBox("UpArrow", QStringLiteral("Up Arrow"));
    DownArrow = checkBox("DownArrow", QStringLiteral("Down Arrow"));
    QuestionMark = checkBox("QuestionMark", QStringLiteral("Question Mark"));
    FixedBG = checkBox("FixedBG", QStringLiteral("Fixed Background"));
    form->addRow(QStringLiteral("Graphic Themes"), ThemeCombo);
    form->addRow(QStringLiteral("Background graphic:"), background);
    for (QCheckBox* box : {LeftArrow, RightArrow, UpArrow, DownArrow, QuestionMark, FixedBG})
        form->addRow(box);
    return withHelp(fields,
                    QStringLiteral("A theme gives the page a background, divider lines and the arrow and question "
                                   "mark pictures you tick. A background graphic of your own replaces the theme's "
                                   "background. On Finish the pictures are copied beside the page."));
}

QWidget* TInitialValuesForm::buildText()
{
    auto* fields = new QWidget;
    auto* form = new QFormLayout(fields);
    EmailText = lineEdit("EmailText");
    EmailCaption = lineEdit("EmailCaption", QStringLiteral("Click here to send us an email message"));
    PageHeading = lineEdit("PageHeading");
    auto* headerButton = new QToolButton;
    headerButton->setObjectName(QStringLiteral("HeaderBtn"));
    headerButton->setText(QStringLiteral("Color..."));
    connect(headerButton, &QToolButton::clicked, this, &TInitialValuesForm::HeaderBtnClick);
    m_headingSwatch = newSwatch();
    auto* heading = new QHBoxLayout;
    heading->addWidget(PageHeading);
    heading->addWidget(m_headingSwatch);
    heading->addWidget(headerButton);
    HeadingSize = spinBox("HeadingSize", 1, 6, 1);
    Logo = lineEdit("Logo");
    auto* logo = new QHBoxLayout;
    logo->addWidget(Logo);
    logo->addWidget(browseButton("SpeedButton2", Logo));
    CenterText = checkBox("CenterText", QStringLiteral("Center these items?"), true);
    form->addRow(QStringLiteral("Page Owner's Email Address:"), EmailText);
    form->addRow(QStringLiteral("Email Caption:"), EmailCaption);
    form->addRow(QStringLiteral("Page Heading:"), heading);
    form->addRow(QStringLiteral("Size:"), HeadingSize);
    form->addRow(QStringLiteral("Logo:"), logo);
    form->addRow(CenterText);
    return withHelp(fields,
                    QStringLiteral("The e-mail address becomes a link with the caption as its text. The heading is "
                                   "written in size 1 (largest) to 6 (smallest), in the colour you choose. The logo "
                                   "is shown above the heading; centring applies to the logo, the heading and the "
                                   "e-mail link."));
}

QWidget* TInitialValuesForm::buildGeneral()
{
    auto* fields = new QWidget;
    auto* form = new QFormLayout(fields);
    CompanyName = lineEdit("CompanyName");
    OtherInfo = new QPlainTextEdit;
    OtherInfo->setObjectName(QStringLiteral("OtherInfo"));
    OtherInfo->setTabChangesFocus(true);
    connect(OtherInfo, &QPlainTextEdit::textChanged, this, &TInitialValuesForm::RefreshHTML);
    BaseFontSize = spinBox("BaseFontSize", 1, 7, 3);
    AuthorName = lineEdit("AuthorName", m_host.authorName.left(SettingsLimits::authorName), SettingsLimits::authorName);
    form->addRow(QStringLiteral("Name/Company Name/Greeting:"), CompanyName);
    form->addRow(QStringLiteral("Other Information:"), OtherInfo);
    form->addRow(QStringLiteral("Default Font Size:"), BaseFontSize);
    form->addRow(QStringLiteral("Author:"), AuthorName);
    return withHelp(fields,
                    QStringLiteral("The greeting and the other information start the page's text, each line as you "
                                   "type it (HTML tags and entities included). The default font size runs from 1 to "
                                   "7; 3 is the browser's normal size. The author is written into the page's META "
                                   "tags and kept for your next page."));
}

void TInitialValuesForm::addColourRow(QGridLayout* grid, const char* name, const QString& caption, const char* attribute)
{
    const int row = grid->rowCount();
    QLineEdit* edit = lineEdit(name, {}, 6);
    edit->setMaximumWidth(90);
    auto* button = new QToolButton;
    button->setText(QStringLiteral("..."));
    button->setObjectName(QLatin1String(name) + QStringLiteral("Btn"));
    const ColourRow colourRow {edit, newSwatch(), attribute};
    m_colours << colourRow;
    connect(edit, &QLineEdit::textChanged, this, [colourRow] { showSwatch(colourRow.swatch, colourOfField(colourRow.edit)); });
    connect(button, &QToolButton::clicked, this, [this, colourRow] { pickColour(colourRow); });
    grid->addWidget(new QLabel(caption), row, 0);
    grid->addWidget(edit, row, 1);
    grid->addWidget(colourRow.swatch, row, 2);
    grid->addWidget(button, row, 3);
}

QWidget* TInitialValuesForm::buildColors()
{
    auto* fields = new QWidget;
    auto* grid = new QGridLayout(fields);
    addColourRow(grid, "TextColorText", QStringLiteral("Text Color"), "TEXT");
    addColourRow(grid, "LinkColorText", QStringLiteral("Link Color"), "LINK");
    addColourRow(grid, "ALinkColorText", QStringLiteral("ALink Color"), "ALINK");
    addColourRow(grid, "vLinkColorText", QStringLiteral("VLink Color"), "VLINK");
    addColourRow(grid, "bgColorText", QStringLiteral("Background"), "BGCOLOR");
    LMargin = new MarginSpinBox;
    LMargin->setObjectName(QStringLiteral("LMargin"));
    RMargin = new MarginSpinBox;
    RMargin->setObjectName(QStringLiteral("RMargin"));
    int row = grid->rowCount();
    for (const auto& [caption, box] : {std::pair {QStringLiteral("Left Margin:"), LMargin},
                                       std::pair {QStringLiteral("Right Margin:"), RMargin}}) {
        connect(box, &QSpinBox::valueChanged, this, &TInitialValuesForm::RefreshHTML);
        grid->addWidget(new QLabel(caption), row, 0);
        grid->addWidget(box, row++, 1);
    }
    grid->setColumnStretch(4, 1);
    return withHelp(fields,
                    QStringLiteral("Colours are six hexadecimal digits, red, green and blue (FF0000 is red); the "
                                   "button beside each opens a colour chooser. An empty colour is left to the "
                                   "browser. The margins are in pixels; \"none\" leaves them to the browser."));
}

void TInitialValuesForm::fillThemes()
{
    ThemeCombo->clear();
    ThemeCombo->addItem(noTheme);
    ThemeCombo->addItems(themeNames(m_host.programDirectory));
    ThemeCombo->setCurrentIndex(0);
}

QString TInitialValuesForm::pageDirectory() const
{
    return QFileInfo(m_host.pageFile).absolutePath();
}

void TInitialValuesForm::ReadINI()
{
    const ProjectSettings settings = ProjectIni::read(pageDirectory(), ProjectSettings::initialValuesDefaults());
    EmailText->setText(settings.mailto);
    const QString* colours[] = {&settings.textColor, &settings.linkColor, &settings.aLinkColor, &settings.vLinkColor,
                                &settings.bgColor};
    for (qsizetype i = 0; i < m_colours.size(); ++i)
        m_colours[i].edit->setText(*colours[i]);
    if (!settings.themeStyle.isEmpty()) {
        const int theme = ThemeCombo->findText(settings.themeStyle, Qt::MatchFixedString);
        if (theme > 0)
            ThemeCombo->setCurrentIndex(theme);
    }
}

NewPageSpec TInitialValuesForm::spec() const
{
    NewPageSpec spec;
    if (DocType->currentIndex() > 0)
        spec.documentType = text(DocType->currentText());
    spec.title = text(PageTitle->text());
    spec.comments = text(PageComments->text());
    spec.keywords = text(Keywords->text());
    spec.description = text(Description->text());
    spec.author = text(AuthorName->text());

    if (ThemeCombo->currentText() != noTheme)
        spec.theme = text(ThemeCombo->currentText());
    spec.themesDirectory = text(m_themesDirectory);
    spec.background = text(BackgroundGraphic->text());
    spec.leftArrow = LeftArrow->isChecked();
    spec.rightArrow = RightArrow->isChecked();
    spec.upArrow = UpArrow->isChecked();
    spec.downArrow = DownArrow->isChecked();
    spec.questionMark = QuestionMark->isChecked();
    spec.fixedBackground = FixedBG->isChecked();

    spec.email = text(EmailText->text());
    spec.emailCaption = text(EmailCaption->text());
    spec.heading = text(PageHeading->text());
    if (m_headingColour)
        spec.headingColour = Rgb {m_headingColour->red(), m_headingColour->green(), m_headingColour->blue()};
    spec.headingSize = HeadingSize->value();
    spec.logo = text(Logo->text());
    spec.centre = CenterText->isChecked();

    spec.greeting = text(CompanyName->text());
    const QString other = OtherInfo->toPlainText();
    if (!other.isEmpty()) {
        QStringList lines = other.split(QLatin1Char('\n'));
        // A last Enter does not start a line of its own.
        if (lines.last().isEmpty())
            lines.removeLast();
        for (const QString& line : lines)
            spec.otherInformation.push_back(text(line));
    }
    spec.baseFontSize = BaseFontSize->value();

    std::string* colours[] = {&spec.textColour, &spec.linkColour, &spec.activeLinkColour, &spec.visitedLinkColour,
                              &spec.backgroundColour};
    for (qsizetype i = 0; i < m_colours.size(); ++i)
        *colours[i] = text(m_colours[i].edit->text());
    spec.leftMargin = LMargin->value();
    spec.rightMargin = RMargin->value();

    const QDateTime now = QDateTime::currentDateTime();
    spec.date = text(TagTexts::dateText(QLocale::system(), now.date()));
    spec.time = text(TagTexts::timeText(QLocale::system(), now.time()));
    return spec;
}

void TInitialValuesForm::DisplayNewHTML()
{
    m_lines.clear();
    for (const std::string& line : buildNewPage(spec()))
        m_lines << QString::fromStdString(line);
}

void TInitialValuesForm::RefreshHTML()
{
    if (m_filling)
        return;
    DisplayNewHTML();
    if (!Preview->processing())
        Preview->LoadStrings(m_lines);
}

TInitialValuesForm::Page TInitialValuesForm::page() const
{
    return static_cast<Page>(Notebook->currentIndex());
}

void TInitialValuesForm::showPage(int index)
{
    Notebook->setCurrentIndex(index);
    m_pageTitle->setText(pageTitles.value(index));
    const bool last = index == Notebook->count() - 1;
    BackBtn->setEnabled(index > 0);
    NextBtn->setEnabled(!last);
    FinishBtn->setVisible(last);
    if (last)
        FinishBtn->setDefault(true);
}

void TInitialValuesForm::NextBtnClick()
{
    if (Notebook->currentIndex() < Notebook->count() - 1)
        showPage(Notebook->currentIndex() + 1);
}

void TInitialValuesForm::BackBtnClick()
{
    if (Notebook->currentIndex() > 0)
        showPage(Notebook->currentIndex() - 1);
}

void TInitialValuesForm::pickColour(const ColourRow& row)
{
    if (!m_host.chooseColour)
        return;
    const std::optional<QColor> chosen = m_host.chooseColour(colourOfField(row.edit).value_or(Qt::black));
    if (chosen)
        row.edit->setText(TagTexts::colourHex(*chosen));
}

void TInitialValuesForm::HeaderBtnClick()
{
    if (!m_host.chooseColour)
        return;
    const std::optional<QColor> chosen = m_host.chooseColour(m_headingColour.value_or(Qt::black));
    if (!chosen)
        return;
    m_headingColour = *chosen;
    showSwatch(m_headingSwatch, m_headingColour);
    RefreshHTML();
}

void TInitialValuesForm::browseFor(QLineEdit* target)
{
    if (!m_host.chooseImage)
        return;
    const QString chosen = m_host.chooseImage(pageDirectory());
    if (!chosen.isEmpty())
        target->setText(QDir::toNativeSeparators(chosen));
}

void TInitialValuesForm::SpeedButton1Click()
{
    browseFor(BackgroundGraphic);
}

void TInitialValuesForm::SpeedButton2Click()
{
    browseFor(Logo);
}

QStringList TInitialValuesForm::copyPicturesBesidePage() const
{
    QStringList sources;
    for (const QLineEdit* field : {BackgroundGraphic, Logo}) {
        if (!field->text().isEmpty())
            sources << field->text();
    }
    const QString theme = ThemeCombo->currentText();
    if (theme != noTheme) {
        const QDir themes(m_themesDirectory);
        for (const QString& file : themes.entryList(QDir::Files, QDir::Name)) {
            if (isThemeFile(text(file), text(theme)))
                sources << themes.filePath(file);
        }
    }
    QStringList failures;
    QStringList beside;
    for (const QString& source : sources) {
        const CopyResult copied = CopyToPageDirectory(source, pageDirectory());
        if (copied.ok)
            beside << copied.fileName;
        else
            failures << copied.errorString;
    }
    if (m_host.keepPicturesWithPage)
        m_host.keepPicturesWithPage(beside);
    return failures;
}

void TInitialValuesForm::FinishBtnClick()
{
    const NewPageSpec page = spec();
    m_lines.clear();
    for (const std::string& line : buildNewPage(page))
        m_lines << QString::fromStdString(line);
    for (const ColourRow& row : m_colours) {
        if (const std::optional<QColor> colour = colourOfField(row.edit); colour && m_host.rememberColour)
            m_host.rememberColour(QLatin1String(row.attribute), *colour);
    }
    if (m_host.rememberBackground)
        m_host.rememberBackground(QString::fromStdString(fileNameOf(newPageBackground(page))));
    if (m_host.storeAuthorName)
        m_host.storeAuthorName(AuthorName->text());

    QStringList lines;
    for (const std::string& line : pageLinesBesidePictures(buildNewPage(page), page.themesDirectory, page.background,
                                                           page.logo))
        lines << QString::fromStdString(line);
    if (m_host.insertLines)
        m_host.insertLines(lines);

    // The page is in the editor whatever became of its pictures; the ones missing are named.
    const QStringList failures = copyPicturesBesidePage();
    if (!failures.isEmpty() && m_host.reportFailure)
        m_host.reportFailure(captionText, failures.join(QLatin1Char('\n')));

    QDir::setCurrent(pageDirectory());
    if (m_host.refreshPreview)
        m_host.refreshPreview();
    accept();
}

void TInitialValuesForm::CancelBtnClick()
{
    if (m_host.clearPage)
        m_host.clearPage();
    QDialog::reject();
}

void TInitialValuesForm::reject()
{
    CancelBtnClick();
}
