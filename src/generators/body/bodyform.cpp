#include "generators/body/bodyform.h"

#include "viewer/control/pageviewer.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>
#include <utility>

namespace {

constexpr int kMaxMargin = 32767;

QString hexByte(int value) { return QStringLiteral("%1").arg(value, 2, 16, QLatin1Char('0')).toUpper(); }

// Black or white, whichever reads better on the colour.
QColor contrastingText(const QColor& background)
{
    const int lightness = (background.red() * 299 + background.green() * 587 + background.blue() * 114) / 1000;
    return lightness < 128 ? QColor(Qt::white) : QColor(Qt::black);
}

QScrollBar* makeBar(const QString& name, QWidget* parent)
{
    auto* bar = new QScrollBar(Qt::Horizontal, parent);
    bar->setObjectName(name);
    bar->setRange(0, 255);
    bar->setPageStep(10);
    bar->setMinimumWidth(160);
    return bar;
}

QLabel* makeHexLabel(const QString& name, QWidget* parent)
{
    auto* label = new QLabel(hexByte(0), parent);
    label->setObjectName(name);
    // Room for "FF" in any font, so the bars do not shift as the value changes.
    label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("WW")));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QSpinBox* makeMarginBox(const QString& name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(-1, kMaxMargin);
    box->setValue(-1);
    box->setSpecialValueText(QStringLiteral("none"));
    return box;
}

} // namespace

TBodyForm::TBodyForm(Host host, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_swatch(new QFrame(this))
    , TextColor(new QRadioButton(QStringLiteral("Text Color"), m_swatch))
    , LinkColor(new QRadioButton(QStringLiteral("Link Color"), m_swatch))
    , VisitedLinkColor(new QRadioButton(QStringLiteral("Visited Link Color"), m_swatch))
    , ActiveLinkColor(new QRadioButton(QStringLiteral("Active Link Color"), m_swatch))
    , BackgroundColor(new QRadioButton(QStringLiteral("Background"), m_swatch))
    , R(makeBar(QStringLiteral("R"), this))
    , G(makeBar(QStringLiteral("G"), this))
    , B(makeBar(QStringLiteral("B"), this))
    , RValue(makeHexLabel(QStringLiteral("RValue"), this))
    , GValue(makeHexLabel(QStringLiteral("GValue"), this))
    , BValue(makeHexLabel(QStringLiteral("BValue"), this))
    , ColorButton(new QPushButton(QStringLiteral("Color..."), this))
    , LoadBackground(new QPushButton(QStringLiteral("Load Background"), this))
    , ClearBackground(new QPushButton(QStringLiteral("Clear Background"), this))
    , LoadDefaults(new QPushButton(QStringLiteral("Load Defaults"), this))
    , m_imageName(new QLabel(this))
    , LMargin(makeMarginBox(QStringLiteral("LMargin"), this))
    , RMargin(makeMarginBox(QStringLiteral("RMargin"), this))
    , FixedBG(new QCheckBox(QStringLiteral("Fixed Background"), this))
    , OkButton(new QPushButton(QStringLiteral("Ok"), this))
    , CancelButton(new QPushButton(QStringLiteral("Cancel"), this))
    , Preview(new tessera::viewer::TPageViewer(this))
{
    setWindowTitle(QStringLiteral("Body Settings"));
    TextColor->setObjectName(QStringLiteral("TextColor"));
    LinkColor->setObjectName(QStringLiteral("LinkColor"));
    VisitedLinkColor->setObjectName(QStringLiteral("VisitedLinkColor"));
    ActiveLinkColor->setObjectName(QStringLiteral("ActiveLinkColor"));
    BackgroundColor->setObjectName(QStringLiteral("BackgroundColor"));
    ColorButton->setObjectName(QStringLiteral("ColorButton"));
    LoadBackground->setObjectName(QStringLiteral("LoadBackground"));
    ClearBackground->setObjectName(QStringLiteral("ClearBackground"));
    LoadDefaults->setObjectName(QStringLiteral("LoadDefaults"));
    m_imageName->setObjectName(QStringLiteral("ImageName"));
    FixedBG->setObjectName(QStringLiteral("FixedBG"));
    OkButton->setObjectName(QStringLiteral("OkButton"));
    CancelButton->setObjectName(QStringLiteral("CancelButton"));
    Preview->setObjectName(QStringLiteral("Preview"));
    Preview->setMinimumSize(260, 150);
    Preview->setNoSelect(true);

    // The radio buttons sit on the page's background, each written in its own colour.
    m_swatch->setFrameShape(QFrame::StyledPanel);
    m_swatch->setAutoFillBackground(true);
    auto* swatchLayout = new QVBoxLayout(m_swatch);
    auto* roles = new QButtonGroup(this);
    int role = 0;
    for (QRadioButton* radio : { TextColor, LinkColor, VisitedLinkColor, ActiveLinkColor, BackgroundColor }) {
        roles->addButton(radio, role++);
        swatchLayout->addWidget(radio);
    }
    TextColor->setChecked(true);
    connect(roles, &QButtonGroup::idToggled, this, [this](int role, bool checked) {
        if (checked)
            selectRole(static_cast<ColourRole>(role));
    });

    auto* colourBox = new QGroupBox(QStringLiteral("Colors"), this);
    auto* colourLayout = new QGridLayout(colourBox);
    colourLayout->addWidget(m_swatch, 0, 0, 1, 3);
    const std::pair<QScrollBar*, QLabel*> bars[] = { { R, RValue }, { G, GValue }, { B, BValue } };
    const char* const letters[] = { "R", "G", "B" };
    for (int row = 0; row < 3; ++row) {
        colourLayout->addWidget(new QLabel(QLatin1String(letters[row]), colourBox), row + 1, 0);
        colourLayout->addWidget(bars[row].first, row + 1, 1);
        colourLayout->addWidget(bars[row].second, row + 1, 2);
        connect(bars[row].first, &QScrollBar::valueChanged, this, &TBodyForm::barMoved);
    }
    colourLayout->addWidget(ColorButton, 4, 0, 1, 3, Qt::AlignRight);
    colourLayout->setColumnStretch(1, 1);

    auto* backgroundBox = new QGroupBox(QStringLiteral("Background Image"), this);
    auto* backgroundLayout = new QGridLayout(backgroundBox);
    m_imageName->setTextFormat(Qt::PlainText);
    m_imageName->setMinimumWidth(120);
    backgroundLayout->addWidget(m_imageName, 0, 0, 1, 2);
    backgroundLayout->addWidget(LoadBackground, 1, 0);
    backgroundLayout->addWidget(ClearBackground, 1, 1);
    backgroundLayout->addWidget(FixedBG, 2, 0, 1, 2);

    auto* marginBox = new QGroupBox(QStringLiteral("Margins"), this);
    auto* marginLayout = new QGridLayout(marginBox);
    marginLayout->addWidget(new QLabel(QStringLiteral("Left Margin:"), marginBox), 0, 0);
    marginLayout->addWidget(LMargin, 0, 1);
    marginLayout->addWidget(new QLabel(QStringLiteral("Right Margin:"), marginBox), 0, 2);
    marginLayout->addWidget(RMargin, 0, 3);
    marginLayout->setColumnStretch(4, 1);

    auto* left = new QVBoxLayout;
    left->addWidget(colourBox);
    left->addWidget(marginBox);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(Preview, 1);
    right->addWidget(backgroundBox);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);

    OkButton->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LoadDefaults);
    buttons->addStretch(1);
    buttons->addWidget(OkButton);
    buttons->addWidget(CancelButton);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);

    connect(ColorButton, &QPushButton::clicked, this, &TBodyForm::ColorButtonClick);
    connect(LoadBackground, &QPushButton::clicked, this, &TBodyForm::LoadBackgroundClick);
    connect(ClearBackground, &QPushButton::clicked, this, &TBodyForm::ClearBackgroundClick);
    connect(LoadDefaults, &QPushButton::clicked, this, &TBodyForm::LoadDefaultsClick);
    connect(LMargin, &QSpinBox::valueChanged, this, [this](int value) { m_values.leftMargin = value; });
    connect(RMargin, &QSpinBox::valueChanged, this, [this](int value) { m_values.rightMargin = value; });
    connect(FixedBG, &QCheckBox::toggled, this, [this](bool on) { m_values.fixedBackground = on; });
    connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

    showSettings();
}

QString TBodyForm::mediaFilter()
{
    static const char* const types[] = { "BMP", "CMS", "GIF", "JPG", "PCX", "PNG", "SCM", "TIF", "WAV", "MID", "RMI",
        "AVI" };
    QString all = QStringLiteral("All Media|");
    QString each;
    for (const char* type : types) {
        const QString pattern = QStringLiteral("*.") + QLatin1String(type);
        all += pattern + QLatin1Char(';');
        each += QLatin1Char('|') + QLatin1String(type) + QStringLiteral(" Files|") + pattern;
    }
    return all + each;
}

void TBodyForm::setBodySettings(const BodyEditor::BodyAttributes& settings)
{
    m_defaults = settings;
    m_values = settings;
    showSettings();
}

BodyEditor::BodyAttributes TBodyForm::bodySettings() const { return m_values; }

QColor& TBodyForm::colour(ColourRole role)
{
    switch (role) {
    case ColourRole::Text:
        return m_values.text;
    case ColourRole::Link:
        return m_values.link;
    case ColourRole::Visited:
        return m_values.visited;
    case ColourRole::Active:
        return m_values.active;
    case ColourRole::Background:
        break;
    }
    return m_values.background;
}

QRadioButton* TBodyForm::radioFor(ColourRole role) const
{
    switch (role) {
    case ColourRole::Text:
        return TextColor;
    case ColourRole::Link:
        return LinkColor;
    case ColourRole::Visited:
        return VisitedLinkColor;
    case ColourRole::Active:
        return ActiveLinkColor;
    case ColourRole::Background:
        break;
    }
    return BackgroundColor;
}

void TBodyForm::selectRole(ColourRole role)
{
    m_role = role;
    radioFor(role)->setChecked(true);
    showBars();
}

void TBodyForm::showSettings()
{
    // The boxes clamp a margin to their range: anything below -1 means "not set" as -1 does.
    const BodyEditor::BodyAttributes values = m_values;
    LMargin->setValue(values.leftMargin);
    RMargin->setValue(values.rightMargin);
    FixedBG->setChecked(values.fixedBackground);
    m_values.leftMargin = LMargin->value();
    m_values.rightMargin = RMargin->value();
    showBars();
    showColours();
    refreshPreview();
}

void TBodyForm::showBars()
{
    const QColor shown = colour(m_role);
    m_showingBars = true;
    R->setValue(shown.red());
    G->setValue(shown.green());
    B->setValue(shown.blue());
    m_showingBars = false;
    barMoved();
}

void TBodyForm::barMoved()
{
    RValue->setText(hexByte(R->value()));
    GValue->setText(hexByte(G->value()));
    BValue->setText(hexByte(B->value()));
    if (m_showingBars)
        return;
    const QColor chosen(R->value(), G->value(), B->value());
    QColor& target = colour(m_role);
    if (target.rgb() == chosen.rgb())
        return;
    target = chosen;
    showColours();
    refreshPreview();
}

void TBodyForm::showColours()
{
    QPalette swatch = m_swatch->palette();
    swatch.setColor(QPalette::Window, m_values.background);
    m_swatch->setPalette(swatch);
    for (ColourRole role : { ColourRole::Text, ColourRole::Link, ColourRole::Visited, ColourRole::Active,
             ColourRole::Background }) {
        QRadioButton* radio = radioFor(role);
        QPalette palette = radio->palette();
        palette.setColor(QPalette::WindowText,
            role == ColourRole::Background ? contrastingText(m_values.background) : colour(role));
        radio->setPalette(palette);
    }
    const QString image = m_values.backgroundImage;
    m_imageName->setText(image.isEmpty() ? QStringLiteral("(none)") : QFileInfo(image).fileName());
    m_imageName->setToolTip(image);
}

void TBodyForm::refreshPreview()
{
    Preview->setDefBackground(m_values.background);
    Preview->LoadTextBlock(BodyEditor::bodyPreviewHtml(m_values).toUtf8());
}

void TBodyForm::ColorButtonClick()
{
    if (!m_host.chooseColour)
        return;
    const std::optional<QColor> chosen = m_host.chooseColour(colour(m_role));
    if (!chosen || !chosen->isValid())
        return;
    colour(m_role) = QColor(chosen->red(), chosen->green(), chosen->blue());
    showBars();
    showColours();
    refreshPreview();
}

void TBodyForm::LoadBackgroundClick()
{
    if (!m_host.chooseMediaFile)
        return;
    const QString file = m_host.chooseMediaFile();
    if (file.isEmpty())
        return;
    m_values.backgroundImage = file;
    showColours();
    refreshPreview();
}

void TBodyForm::ClearBackgroundClick()
{
    m_values.backgroundImage.clear();
    showColours();
    refreshPreview();
}

void TBodyForm::LoadDefaultsClick()
{
    m_values = m_defaults;
    showSettings();
}
