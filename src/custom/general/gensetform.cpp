#include "custom/general/gensetform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QSpinBox* spinBox(const QString& name, int minimum, int maximum, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    return box;
}

QLineEdit* lineEdit(const QString& name, QWidget* parent)
{
    auto* field = new QLineEdit(parent);
    field->setObjectName(name);
    return field;
}

} // namespace

const QString TGenSetForm::autoUpdateWarning = QStringLiteral(
    "Please note that on slower machines this feature may cause General Protection Faults!  If you experience "
    "problems please turn this feature off before calling for technical support.");

TGenSetForm::TGenSetForm(Host host, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_tabs(new QTabWidget(this))
{
    setWindowTitle(QStringLiteral("General Settings"));
    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->addTab(buildGeneralTab(), QStringLiteral("General"));
    m_tabs->addTab(buildDefaultsTab(), QStringLiteral("Defaults"));
    m_tabs->addTab(buildSpellTab(), QStringLiteral("Spell Checker"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("BitBtn2"));
    connect(buttons, &QDialogButtonBox::accepted, this, &TGenSetForm::BitBtn2Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    resize(460, 320);
}

QWidget* TGenSetForm::buildGeneralTab()
{
    auto* tab = new QWidget;
    auto* layout = new QGridLayout(tab);
    for (int i = 0; i < TesseraSettings::customTabCount; ++i) {
        CustomPage[i] = checkBox(QStringLiteral("CustomPage%1").arg(i + 1),
                                 QStringLiteral("Show Custom Tab %1").arg(i + 1), tab);
        layout->addWidget(CustomPage[i], i, 0);
    }
    UseAutoUpdate = checkBox(QStringLiteral("UseAutoUpdate"), QStringLiteral("Auto Update HTML Viewer"), tab);
    UseClosingP = checkBox(QStringLiteral("UseClosingP"), QStringLiteral("Include closing </P> tag"), tab);
    UseBR = checkBox(QStringLiteral("UseBR"), QStringLiteral("Insert <BR> on carraige return"), tab);
    Autoload = checkBox(QStringLiteral("Autoload"), QStringLiteral("Autoload last opened file"), tab);
    layout->addWidget(UseAutoUpdate, 0, 1);
    layout->addWidget(UseClosingP, 1, 1);
    layout->addWidget(UseBR, 2, 1);
    layout->addWidget(Autoload, 3, 1);
    FontAdj = spinBox(QStringLiteral("FontAdj"), GeneralSettingsLimits::minFontSizeChange,
                      GeneralSettingsLimits::maxFontSizeChange, tab);
    auto* fontRow = new QHBoxLayout;
    fontRow->addWidget(new QLabel(QStringLiteral("Default font +/- change:"), tab));
    fontRow->addWidget(FontAdj);
    fontRow->addStretch(1);
    layout->addLayout(fontRow, 4, 0, 1, 2);
    layout->setRowStretch(5, 1);
    // Only the user's own click warns; filling the box on show does not.
    connect(UseAutoUpdate, &QCheckBox::clicked, this, &TGenSetForm::UseAutoUpdateClick);
    return tab;
}

QWidget* TGenSetForm::buildDefaultsTab()
{
    auto* tab = new QWidget;
    auto* layout = new QGridLayout(tab);
    ValidExtensions = lineEdit(QStringLiteral("ValidExtensions"), tab);
    ValidGraphicExtensions = lineEdit(QStringLiteral("ValidGraphicExtensions"), tab);
    ValidExtensions->setMaxLength(GeneralSettingsLimits::extensions);
    ValidGraphicExtensions->setMaxLength(GeneralSettingsLimits::extensions);
    ValidExtensions->installEventFilter(this);
    layout->addWidget(new QLabel(QStringLiteral("Valid HTML Extensions:"), tab), 0, 0);
    layout->addWidget(ValidExtensions, 0, 1, 1, 2);
    layout->addWidget(new QLabel(QStringLiteral("Valid Graphic Extensions:"), tab), 1, 0);
    layout->addWidget(ValidGraphicExtensions, 1, 1, 1, 2);

    const QString prefixHint =
        QStringLiteral("Prepend FILE:// to the beginning of the file when submitting the command to browser");
    Browser1 = lineEdit(QStringLiteral("Browser1"), tab);
    Browser2 = lineEdit(QStringLiteral("Browser2"), tab);
    UseBrowserPrefix1 = checkBox(QStringLiteral("UseBrowserPrefix1"), QStringLiteral("Use FILE://"), tab);
    UseBrowserPrefix2 = checkBox(QStringLiteral("UseBrowserPrefix2"), QStringLiteral("Use FILE://"), tab);
    const struct {
        QString caption;
        QLineEdit* field;
        QCheckBox* prefix;
        QString buttonName;
        void (TGenSetForm::*browse)();
    } browsers[] = {
        {QStringLiteral("Browser #1:"), Browser1, UseBrowserPrefix1, QStringLiteral("OpenBrowser1"),
         &TGenSetForm::OpenBrowser1Click},
        {QStringLiteral("Browser #2:"), Browser2, UseBrowserPrefix2, QStringLiteral("OpenBrowser2"),
         &TGenSetForm::OpenBrowser2Click},
    };
    int row = 2;
    for (const auto& browser : browsers) {
        auto* button = new QPushButton(QStringLiteral("..."), tab);
        button->setObjectName(browser.buttonName);
        button->setToolTip(QStringLiteral("Find a browser"));
        connect(button, &QPushButton::clicked, this, browser.browse);
        browser.prefix->setToolTip(prefixHint);
        layout->addWidget(new QLabel(browser.caption, tab), row, 0);
        layout->addWidget(browser.field, row, 1);
        layout->addWidget(button, row, 2);
        layout->addWidget(browser.prefix, row + 1, 1);
        row += 2;
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(row, 1);
    return tab;
}

QWidget* TGenSetForm::buildSpellTab()
{
    auto* tab = new QWidget;
    auto* layout = new QFormLayout(tab);
    LanguageChoice = new QComboBox(tab);
    LanguageChoice->setObjectName(QStringLiteral("LanguageChoice"));
    LanguageChoice->addItems({QStringLiteral("English"), QStringLiteral("Dutch"), QStringLiteral("British"),
                              QStringLiteral("Italian"), QStringLiteral("French"), QStringLiteral("Spanish")});
    DialogStyle = new QComboBox(tab);
    DialogStyle->setObjectName(QStringLiteral("DialogStyle"));
    // In the order of the stored codes.
    DialogStyle->addItems({QStringLiteral("MS Word"), QStringLiteral("Wordperfect"), QStringLiteral("WordPro 96")});
    SuggestCount = spinBox(QStringLiteral("SuggestCount"), GeneralSettingsLimits::minSuggestions,
                           GeneralSettingsLimits::maxSuggestions, tab);
    SkipHTML = checkBox(QStringLiteral("SkipHTML"), QStringLiteral("Skip HTML Tags"), tab);
    ConfirmAdd = checkBox(QStringLiteral("ConfirmAdd"), QStringLiteral("Confirm on add"), tab);
    layout->addRow(QStringLiteral("Language:"), LanguageChoice);
    layout->addRow(QStringLiteral("Dialog Style:"), DialogStyle);
    layout->addRow(QStringLiteral("Number of Suggestions:"), SuggestCount);
    layout->addRow(SkipHTML);
    layout->addRow(ConfirmAdd);
    return tab;
}

void TGenSetForm::FormShow(const GeneralSettings& values)
{
    m_tabs->setCurrentIndex(0);
    for (int i = 0; i < TesseraSettings::customTabCount; ++i)
        CustomPage[i]->setChecked(values.showCustom[i]);
    UseAutoUpdate->setChecked(values.autoUpdate);
    UseClosingP->setChecked(values.useClosingP);
    UseBR->setChecked(values.useBr);
    FontAdj->setValue(values.fontSizeChange);
    Autoload->setChecked(values.autoLoad);
    ValidExtensions->setText(values.extension);
    ValidGraphicExtensions->setText(values.graphicExtension);
    Browser1->setText(values.browser1);
    Browser2->setText(values.browser2);
    UseBrowserPrefix1->setChecked(values.browser1Prefix);
    UseBrowserPrefix2->setChecked(values.browser2Prefix);
    // Only the first language has a dictionary, so the choice always starts there.
    LanguageChoice->setCurrentIndex(0);
    DialogStyle->setCurrentIndex(qBound(0, values.dialogStyle, DialogStyle->count() - 1));
    SuggestCount->setValue(values.suggestCount);
    SkipHTML->setChecked(values.skipHtml);
    ConfirmAdd->setChecked(values.confirmAdd);
}

GeneralSettings TGenSetForm::values() const
{
    GeneralSettings values;
    for (int i = 0; i < TesseraSettings::customTabCount; ++i)
        values.showCustom[i] = CustomPage[i]->isChecked();
    values.autoUpdate = UseAutoUpdate->isChecked();
    values.useClosingP = UseClosingP->isChecked();
    values.useBr = UseBR->isChecked();
    values.fontSizeChange = FontAdj->value();
    values.autoLoad = Autoload->isChecked();
    values.extension = ValidExtensions->text();
    values.graphicExtension = ValidGraphicExtensions->text();
    values.browser1 = Browser1->text();
    values.browser2 = Browser2->text();
    values.browser1Prefix = UseBrowserPrefix1->isChecked();
    values.browser2Prefix = UseBrowserPrefix2->isChecked();
    values.dialogStyle = DialogStyle->currentIndex();
    values.suggestCount = SuggestCount->value();
    values.skipHtml = SkipHTML->isChecked();
    values.confirmAdd = ConfirmAdd->isChecked();
    return values;
}

void TGenSetForm::BitBtn2Click() { accept(); }

void TGenSetForm::UseAutoUpdateClick()
{
    if (UseAutoUpdate->isChecked() && m_host.warn)
        m_host.warn(autoUpdateWarning);
}

void TGenSetForm::OpenBrowser1Click() { browseInto(Browser1); }

void TGenSetForm::OpenBrowser2Click() { browseInto(Browser2); }

void TGenSetForm::browseInto(QLineEdit* field)
{
    if (!m_host.chooseBrowser)
        return;
    const QString browser = m_host.chooseBrowser();
    if (!browser.isEmpty())
        field->setText(browser);
}

void TGenSetForm::ValidExtensionsEnter()
{
    if (m_host.showExtensionHelper)
        m_host.showExtensionHelper();
}

bool TGenSetForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ValidExtensions && event->type() == QEvent::FocusIn)
        ValidExtensionsEnter();
    return QDialog::eventFilter(watched, event);
}
