#include "custom/fontform/tfontform.h"

#include "custom/fontform/colourbox.h"
#include "editor/tledit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int minFontSize = 6;
constexpr int maxFontSize = 24;
constexpr int initialFontSize = 12;
constexpr int minTabSize = 1;
constexpr int maxTabSize = 20;

// The "File type:" items, in the order of the stored codes.
const QStringList fileTypes = {QStringLiteral("Default"), QStringLiteral("Mac Style"), QStringLiteral("Unix Style")};

QComboBox* fontList(const QString& name, QWidget* parent)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(QFontDatabase::families());
    return box;
}

// A font the machine does not list keeps its name: it is added, so Apply does not swap it for
// whatever font happens to be first.
void selectFamily(QComboBox* box, const QString& family)
{
    if (family.isEmpty())
        return;
    int index = box->findText(family, Qt::MatchFixedString);
    if (index < 0) {
        box->insertItem(0, family);
        index = 0;
    }
    box->setCurrentIndex(index);
}

QSpinBox* spinBox(const QString& name, int minimum, int maximum, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    return box;
}

QCheckBox* checkBox(const QString& name, const QString& caption, QWidget* parent)
{
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    return box;
}

QGroupBox* colourPair(const QString& title, const QString& firstCaption, ColourBox* first,
                      const QString& secondCaption, ColourBox* second, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QFormLayout(group);
    layout->addRow(firstCaption, first);
    layout->addRow(secondCaption, second);
    return group;
}

} // namespace

const QString TFontForm::sampleText = QStringLiteral(
    "<HTML>\r<TITLE>Your Web Page</TITLE>\r<BODY BACKGROUND=\"back.gif\"\rTEXT=\"#FF00FF\">\r"
    "This is the contents of your web\rpage.\r</BODY>\r</HTML>");

TFontForm::TFontForm(Host host, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_tabs(new QTabWidget(this))
    , SamplePage(new TLEdit(this))
{
    setWindowTitle(QStringLiteral("FontForm"));
    SamplePage->setObjectName(QStringLiteral("SamplePage"));
    SamplePage->setMinimumWidth(260);
    connect(SamplePage, &TLEdit::OnControlHighlight, this, &TFontForm::SamplePageControlHighlight);

    m_tabs->setObjectName(QStringLiteral("PageControl1"));
    m_tabs->addTab(buildGeneralTab(), QStringLiteral("General"));
    m_tabs->addTab(buildColoursTab(), QStringLiteral("Editor Colors"));
    m_tabs->addTab(buildViewerTab(), QStringLiteral("HTML Viewer"));

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKChanges"));
    ok->setDefault(true);
    auto* apply = new QPushButton(QStringLiteral("Apply"), this);
    apply->setObjectName(QStringLiteral("BitBtn3"));
    auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cancel->setObjectName(QStringLiteral("BitBtn2"));
    connect(ok, &QPushButton::clicked, this, &TFontForm::OKChangesClick);
    connect(apply, &QPushButton::clicked, this, &TFontForm::BitBtn3Click);
    connect(cancel, &QPushButton::clicked, this, &TFontForm::BitBtn2Click);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(apply);
    buttons->addWidget(cancel);
    auto* body = new QHBoxLayout;
    body->addWidget(m_tabs, 3);
    body->addWidget(SamplePage, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body);
    layout->addLayout(buttons);
    resize(640, 340);
}

QWidget* TFontForm::buildGeneralTab()
{
    auto* tab = new QWidget;
    FontListBox = fontList(QStringLiteral("FontListBox"), tab);
    FontSizeEdit = spinBox(QStringLiteral("FontSizeEdit"), minFontSize, maxFontSize, tab);
    FontSizeEdit->setValue(initialFontSize);
    AutoIndent = checkBox(QStringLiteral("AutoIndent"), QStringLiteral("&Auto Indent"), tab);
    SaveTypeAs = new QComboBox(tab);
    SaveTypeAs->setObjectName(QStringLiteral("SaveTypeAs"));
    SaveTypeAs->addItems(fileTypes);
    TabSize = spinBox(QStringLiteral("TabSize"), minTabSize, maxTabSize, tab);
    UseWordwrap = checkBox(QStringLiteral("UseWordwrap"), QStringLiteral("Use Wordwrap"), tab);
    ExpandtoHTML = checkBox(QStringLiteral("ExpandtoHTML"), QStringLiteral("Expand to HTML"), tab);
    ExpandtoHTML->setToolTip(QStringLiteral("Convert upper ASCII characters to their HTML equivilant"));

    auto* layout = new QFormLayout(tab);
    layout->addRow(QStringLiteral("Font &Name"), FontListBox);
    layout->addRow(QStringLiteral("Font &Size"), FontSizeEdit);
    layout->addRow(QStringLiteral("File type:"), SaveTypeAs);
    layout->addRow(QStringLiteral("Tab stop size:"), TabSize);
    layout->addRow(AutoIndent);
    layout->addRow(UseWordwrap);
    layout->addRow(ExpandtoHTML);

    connect(FontListBox, &QComboBox::currentIndexChanged, this, &TFontForm::FontListBoxChange);
    connect(FontSizeEdit, &QSpinBox::valueChanged, this, &TFontForm::FontListBoxChange);
    connect(TabSize, &QSpinBox::valueChanged, this, &TFontForm::FontListBoxChange);
    // Only the user's own clicks show the hints; loading the boxes does not.
    connect(UseWordwrap, &QCheckBox::clicked, this, &TFontForm::UseWordwrapClick);
    connect(ExpandtoHTML, &QCheckBox::clicked, this, &TFontForm::ExpandtoHTMLClick);
    return tab;
}

QWidget* TFontForm::buildColoursTab()
{
    auto* tab = new QWidget;
    TextColor = new ColourBox(QStringLiteral("TextColor"), tab);
    WindowColor = new ColourBox(QStringLiteral("WindowColor"), tab);
    SyntaxFore = new ColourBox(QStringLiteral("SyntaxFore"), tab);
    SyntaxBack = new ColourBox(QStringLiteral("SyntaxBack"), tab);
    SelectedFore = new ColourBox(QStringLiteral("SelectedFore"), tab);
    SelectedBack = new ColourBox(QStringLiteral("SelectedBack"), tab);
    const QString foreground = QStringLiteral("Foreground");
    const QString background = QStringLiteral("Background");
    auto* layout = new QVBoxLayout(tab);
    layout->addWidget(colourPair(QStringLiteral("Text Colors:"), QStringLiteral("Text"), TextColor, background,
                                 WindowColor, tab));
    layout->addWidget(colourPair(QStringLiteral("Tag Colors:"), foreground, SyntaxFore, background, SyntaxBack, tab));
    layout->addWidget(colourPair(QStringLiteral("Highlight Colors:"), foreground, SelectedFore, background,
                                 SelectedBack, tab));
    layout->addStretch(1);
    for (ColourBox* box : {TextColor, WindowColor, SyntaxFore, SyntaxBack, SelectedFore, SelectedBack})
        connect(box, &QComboBox::currentIndexChanged, this, &TFontForm::FontListBoxChange);
    return tab;
}

QWidget* TFontForm::buildViewerTab()
{
    auto* tab = new QWidget;
    HTMLFontStyle = fontList(QStringLiteral("HTMLFontStyle"), tab);
    HTMLFontSize = spinBox(QStringLiteral("HTMLFontSize"), minFontSize, maxFontSize, tab);
    HTMLFontSize->setValue(initialFontSize);
    HTMLWinColor = new ColourBox(QStringLiteral("HTMLWinColor"), tab);
    HTMLFontColor = new ColourBox(QStringLiteral("HTMLFontColor"), tab);
    auto* layout = new QFormLayout(tab);
    layout->addRow(QStringLiteral("Font &Name"), HTMLFontStyle);
    layout->addRow(QStringLiteral("Font &Size"), HTMLFontSize);
    layout->addRow(QStringLiteral("Window Color:"), HTMLWinColor);
    layout->addRow(QStringLiteral("Font Color"), HTMLFontColor);
    return tab;
}

void TFontForm::FormShow()
{
    m_tabs->setCurrentIndex(0);
    SetDefaults();
}

void TFontForm::SetDefaults()
{
    if (m_host.restoreRecorded)
        m_host.restoreRecorded();
    if (m_host.current)
        loadControls(m_host.current());
    SetupText();
}

void TFontForm::loadControls(const EditorOptions& options)
{
    // The sample takes the whole look once at the end, not once per control.
    m_loading = true;
    m_editorFont = options.editorFont;
    selectFamily(FontListBox, options.editorFont.family());
    if (options.editorFont.pointSize() > 0)
        FontSizeEdit->setValue(options.editorFont.pointSize());
    AutoIndent->setChecked(options.autoIndent);
    SaveTypeAs->setCurrentIndex(qBound(0, options.fileFormat, int(fileTypes.size()) - 1));
    TabSize->setValue(options.tabSize);
    UseWordwrap->setChecked(options.wordWrap);
    ExpandtoHTML->setChecked(options.expandToHtml);
    TextColor->setColour(options.textColor);
    WindowColor->setColour(options.windowColor);
    SyntaxFore->setColour(options.tagForeground);
    SyntaxBack->setColour(options.tagBackground);
    SelectedFore->setColour(options.selectedForeground);
    SelectedBack->setColour(options.selectedBackground);
    selectFamily(HTMLFontStyle, options.previewFontName);
    HTMLFontSize->setValue(options.previewFontSize);
    HTMLWinColor->setColour(options.previewBackground);
    HTMLFontColor->setColour(options.previewFontColor);
    m_loading = false;
    FontListBoxChange();
}

EditorOptions TFontForm::options() const
{
    EditorOptions options;
    options.editorFont = m_editorFont;
    options.editorFont.setFamily(FontListBox->currentText());
    options.editorFont.setPointSize(FontSizeEdit->value());
    options.textColor = TextColor->colour();
    options.windowColor = WindowColor->colour();
    options.tagForeground = SyntaxFore->colour();
    options.tagBackground = SyntaxBack->colour();
    options.selectedForeground = SelectedFore->colour();
    options.selectedBackground = SelectedBack->colour();
    options.tabSize = TabSize->value();
    options.autoIndent = AutoIndent->isChecked();
    options.wordWrap = UseWordwrap->isChecked();
    options.expandToHtml = ExpandtoHTML->isChecked();
    options.fileFormat = SaveTypeAs->currentIndex();
    options.previewFontName = HTMLFontStyle->currentText();
    options.previewFontSize = HTMLFontSize->value();
    options.previewFontColor = HTMLFontColor->colour();
    options.previewBackground = HTMLWinColor->colour();
    return options;
}

void TFontForm::FontListBoxChange()
{
    if (m_loading)
        return;
    const EditorOptions chosen = options();
    SamplePage->setEditorFont(chosen.editorFont);
    SamplePage->setFontColor(chosen.textColor);
    SamplePage->setColor(chosen.windowColor);
    SamplePage->setTabStopSize(chosen.tabSize);
    SamplePage->setSelectionColors(chosen.selectedForeground, chosen.selectedBackground);
    SamplePage->refreshHighlight();
    SetupText();
}

void TFontForm::SetupText()
{
    SamplePage->clearAll();
    SamplePage->InsertText(sampleText);
}

void TFontForm::SamplePageControlHighlight(ControlHighlight* request) const
{
    request->foreground = SyntaxFore->colour();
    request->background = SyntaxBack->colour();
    request->answer = ControlHighlight::useColours;
}

void TFontForm::Apply()
{
    if (m_host.apply)
        m_host.apply(options());
}

void TFontForm::OKChangesClick()
{
    Apply();
    if (m_host.record)
        m_host.record(options());
    accept();
}

void TFontForm::BitBtn3Click() { Apply(); }

void TFontForm::BitBtn2Click() { reject(); }

void TFontForm::reject()
{
    // Escape and the title bar's close button cancel too, so every way out but OK restores.
    SetDefaults();
    QDialog::reject();
}

void TFontForm::UseWordwrapClick()
{
    if (UseWordwrap->isChecked() && m_host.showHelper)
        m_host.showHelper(wordwrapHelper);
}

void TFontForm::ExpandtoHTMLClick()
{
    if (ExpandtoHTML->isChecked() && m_host.showHelper)
        m_host.showHelper(characterConversionsHelper);
}
