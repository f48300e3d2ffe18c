#include "generators/template/templatepages.h"

#include "workspace/editing/bodyeditor.h"
#include "workspace/tags/insertimage.h"
#include "workspace/tags/tagtexts.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>

using namespace tessera::generators;

namespace {

constexpr int maxPictureSide = 9999;
constexpr int maxMargin = 999;

const QStringList lineAlignments {QStringLiteral("none"), QStringLiteral("left"), QStringLiteral("center"),
                                  QStringLiteral("right")};
const QStringList imageAlignments {QStringLiteral("none"), QStringLiteral("top"), QStringLiteral("middle"),
                                   QStringLiteral("bottom"), QStringLiteral("left"), QStringLiteral("right")};

QString qt(const std::string& text)
{
    return QString::fromStdString(text);
}

std::string plain(const QString& text)
{
    return text.toStdString();
}

template<typename Widget>
Widget* named(Widget* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QComboBox* alignmentList(const QStringList& items, const char* name)
{
    auto* list = named(new QComboBox, name);
    list->addItems(items);
    return list;
}

// An alignment the list does not offer shows as "none", which is what the line will get.
void selectAlignment(QComboBox* list, const std::string& alignment)
{
    list->setCurrentIndex(std::max(0, list->findText(qt(alignment), Qt::MatchFixedString)));
}

QSpinBox* spin(int minimum, int maximum, const char* name)
{
    auto* box = named(new QSpinBox, name);
    box->setRange(minimum, maximum);
    return box;
}

enum class RowFill { FirstWidget, Nothing };

QWidget* besideEachOther(std::initializer_list<QWidget*> widgets, RowFill fill = RowFill::FirstWidget)
{
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget* widget : widgets)
        layout->addWidget(widget, fill == RowFill::FirstWidget && widget == *widgets.begin() ? 1 : 0);
    if (fill == RowFill::Nothing)
        layout->addStretch();
    return row;
}

QPushButton* browseButton(const char* name)
{
    auto* button = named(new QPushButton(QStringLiteral("Browse...")), name);
    button->setAutoDefault(false);
    return button;
}

void paintSwatch(QLabel* label, const std::optional<QColor>& colour)
{
    label->setAutoFillBackground(colour.has_value());
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour.value_or(QColor()));
    label->setPalette(palette);
    label->setText(colour ? QString() : QStringLiteral("none"));
}

QLabel* swatch()
{
    auto* label = new QLabel;
    label->setFixedSize(40, 20);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

std::optional<QColor> colourOfBox(const QString& text)
{
    const std::optional<Rgb> rgb = hexToColour(plain(text.trimmed()));
    if (!rgb || text.trimmed().isEmpty())
        return std::nullopt;
    return QColor(rgb->red, rgb->green, rgb->blue);
}

} // namespace

// ---- shared pieces ---------------------------------------------------------------------------

RefilledComboBox::RefilledComboBox(std::function<QStringList()> items, const char* objectName)
    : m_items(std::move(items))
{
    setObjectName(QLatin1String(objectName));
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void RefilledComboBox::showPopup()
{
    if (m_items) {
        const QString typed = currentText();
        const QSignalBlocker quiet(this);
        clear();
        addItems(m_items());
        setCurrentIndex(-1);
        setEditText(typed);
    }
    QComboBox::showPopup();
}

PictureChooser::PictureChooser(const TemplateServices& services, QWidget* parent)
    : QObject(parent)
    , m_services(services)
{
}

std::optional<QString> PictureChooser::choose(const QString& current) const
{
    const QString directory = m_services.pageDirectory ? m_services.pageDirectory() : QString();
    const QString start = current.isEmpty() || directory.isEmpty() ? current : QDir(directory).filePath(current);
    const QString chosen = m_services.chooseImageFile ? m_services.chooseImageFile(start) : QString();
    if (chosen.isEmpty())
        return std::nullopt;
    // A page never saved has no folder to put the picture in: it names the picture where it is.
    if (directory.isEmpty())
        return chosen;
    const CopyResult copied = CopyToPageDirectory(chosen, directory);
    if (!copied.ok) {
        if (m_services.reportFailure)
            m_services.reportFailure(QStringLiteral("Template Rivi Roz"), copied.errorString);
        return std::nullopt;
    }
    return copied.fileName;
}

// ---- Defaults ----------------------------------------------------------------------------------

TemplateDefaultsPage::TemplateDefaultsPage()
    : PageTitle(named(new QLineEdit, "PageTitle"))
    , Keywords(named(new QLineEdit, "Keywords"))
    , Description(named(new QLineEdit, "Description"))
    , DocType(named(new QComboBox, "DocType"))
{
    setObjectName(QStringLiteral("Defaults"));
    DocType->addItems({QStringLiteral("none"), QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 3.2 Final//EN\">"),
                       QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0 Transitional//EN\">"),
                       QStringLiteral("<!DOCTYPE HTML PUBLIC \"-//W3C//DTD HTML 4.0//EN\">")});
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Page title:"), PageTitle);
    form->addRow(QStringLiteral("META Keywords:"), Keywords);
    form->addRow(QStringLiteral("META Description:"), Description);
    form->addRow(QStringLiteral("Document Type:"), DocType);
}

TemplateDefaults TemplateDefaultsPage::fields() const
{
    return {plain(PageTitle->text()), plain(Keywords->text()), plain(Description->text())};
}

void TemplateDefaultsPage::showFields(const TemplateDefaults& fields)
{
    PageTitle->setText(qt(fields.title));
    Keywords->setText(qt(fields.keywords));
    Description->setText(qt(fields.description));
}

// ---- Header ------------------------------------------------------------------------------------

TemplateHeaderPage::TemplateHeaderPage(const TemplateServices& services)
    : m_services(services)
    , HeaderText(named(new QLineEdit, "HeaderText"))
    , HeaderSize(spin(1, 6, "HeaderSize"))
    , HeaderAlignment(alignmentList(lineAlignments, "HeaderAlignment"))
    , HeaderColor(named(new QPushButton(QStringLiteral("Color...")), "HeaderColor"))
    , m_noColour(named(new QPushButton(QStringLiteral("No Color")), "HeaderNoColor"))
    , m_colourLabel(swatch())
{
    setObjectName(QStringLiteral("Header"));
    HeaderColor->setAutoDefault(false);
    m_noColour->setAutoDefault(false);
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Heading Text:"), HeaderText);
    form->addRow(QStringLiteral("Heading Size:"), HeaderSize);
    form->addRow(QStringLiteral("Alignment:"), HeaderAlignment);
    form->addRow(QStringLiteral("Color:"), besideEachOther({m_colourLabel, HeaderColor, m_noColour}, RowFill::Nothing));
    connect(HeaderColor, &QPushButton::clicked, this, &TemplateHeaderPage::HeaderColorClick);
    connect(m_noColour, &QPushButton::clicked, this, [this] {
        m_colour.reset();
        showColour();
    });
    showColour();
}

void TemplateHeaderPage::HeaderColorClick()
{
    if (!m_services.chooseColour)
        return;
    if (const std::optional<QColor> chosen = m_services.chooseColour(m_colour.value_or(Qt::black))) {
        m_colour = *chosen;
        showColour();
    }
}

void TemplateHeaderPage::showColour()
{
    paintSwatch(m_colourLabel, m_colour);
}

TemplateHeading TemplateHeaderPage::fields() const
{
    TemplateHeading fields;
    fields.text = plain(HeaderText->text());
    fields.size = HeaderSize->value();
    fields.alignment = plain(HeaderAlignment->currentText());
    if (m_colour)
        fields.colour = Rgb {m_colour->red(), m_colour->green(), m_colour->blue()};
    return fields;
}

void TemplateHeaderPage::showFields(const TemplateHeading& fields)
{
    HeaderText->setText(qt(fields.text));
    HeaderSize->setValue(fields.size);
    selectAlignment(HeaderAlignment, fields.alignment);
    m_colour.reset();
    if (fields.colour)
        m_colour = QColor(fields.colour->red, fields.colour->green, fields.colour->blue);
    showColour();
}

// ---- Text --------------------------------------------------------------------------------------

TemplateTextPage::TemplateTextPage()
    : WebText(named(new QPlainTextEdit, "WebText"))
    , BoldCB(named(new QCheckBox(QStringLiteral("Bold")), "BoldCB"))
    , UnderlineCB(named(new QCheckBox(QStringLiteral("Underline")), "UnderlineCB"))
    , ItalicsCB(named(new QCheckBox(QStringLiteral("Italics")), "ItalicsCB"))
    , TextAlignment(alignmentList(lineAlignments, "TextAlignment"))
{
    setObjectName(QStringLiteral("Text"));
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Document Text:"), WebText);
    form->addRow(QString(), besideEachOther({BoldCB, UnderlineCB, ItalicsCB}, RowFill::Nothing));
    form->addRow(QStringLiteral("Alignment:"), TextAlignment);
}

TemplateText TemplateTextPage::fields() const
{
    return {plain(WebText->toPlainText()), BoldCB->isChecked(), UnderlineCB->isChecked(), ItalicsCB->isChecked(),
            plain(TextAlignment->currentText())};
}

void TemplateTextPage::showFields(const TemplateText& fields)
{
    WebText->setPlainText(qt(fields.text));
    BoldCB->setChecked(fields.bold);
    UnderlineCB->setChecked(fields.underline);
    ItalicsCB->setChecked(fields.italics);
    selectAlignment(TextAlignment, fields.alignment);
}

// ---- Image -------------------------------------------------------------------------------------

TemplateImagePage::TemplateImagePage(const TemplateServices& services)
    : m_services(services)
    , m_chooser(services, this)
    , ImageFilename(new RefilledComboBox(services.imageFiles, "ImageFilename"))
    , ImageWidth(spin(0, maxPictureSide, "ImageWidth"))
    , ImageHeight(spin(0, maxPictureSide, "ImageHeight"))
    , ImageAlignment(alignmentList(imageAlignments, "ImageAlignment"))
{
    setObjectName(QStringLiteral("Image"));
    QPushButton* browse = browseButton("ImageBrowse");
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Image filename:"), besideEachOther({ImageFilename, browse}));
    form->addRow(QStringLiteral("Width:"), ImageWidth);
    form->addRow(QStringLiteral("Height:"), ImageHeight);
    form->addRow(QStringLiteral("Image Alignment:"), ImageAlignment);
    connect(ImageFilename, &QComboBox::currentTextChanged, this, &TemplateImagePage::measure);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> name = m_chooser.choose(ImageFilename->currentText()))
            ImageFilename->setEditText(*name);
    });
}

void TemplateImagePage::measure(const QString& file)
{
    if (m_showing)
        return;
    const QString directory = m_services.pageDirectory ? m_services.pageDirectory() : QString();
    const QString path = file.isEmpty() || QFileInfo(file).isAbsolute() || directory.isEmpty() ? file : QDir(directory).filePath(file);
    const QSize size = file.trimmed().isEmpty() ? QSize() : imageSize(path);
    ImageWidth->setValue(size.isValid() ? size.width() : 0);
    ImageHeight->setValue(size.isValid() ? size.height() : 0);
}

TemplateImage TemplateImagePage::fields() const
{
    return {plain(ImageFilename->currentText()), ImageWidth->value(), ImageHeight->value(), plain(ImageAlignment->currentText())};
}

void TemplateImagePage::showFields(const TemplateImage& fields)
{
    m_showing = true;
    ImageFilename->setEditText(qt(fields.file));
    m_showing = false;
    ImageWidth->setValue(fields.width);
    ImageHeight->setValue(fields.height);
    selectAlignment(ImageAlignment, fields.alignment);
}

// ---- Link --------------------------------------------------------------------------------------

TemplateLinkPage::TemplateLinkPage(const TemplateServices& services)
    : m_chooser(services, this)
    , m_urlLabel(new QLabel)
    , URLLink(new RefilledComboBox(services.linkTargets, "URLLink"))
    , DisplayedText(named(new QLineEdit, "DisplayedText"))
    , LinkAlignment(alignmentList(lineAlignments, "LinkAlignment"))
    , MailTo(named(new QCheckBox(QStringLiteral("Use as mailto: link")), "MailTo"))
    , LinkStyle(named(new QComboBox, "LinkStyle"))
    , m_graphicLabel(new QLabel(QStringLiteral("Graphic to use:")))
    , DisplayedGraphic(new RefilledComboBox(services.imageFiles, "DisplayedGraphic"))
{
    QPushButton* browse = browseButton("GraphicBrowse");
    m_graphicRow = besideEachOther({DisplayedGraphic, browse});
    setObjectName(QStringLiteral("Link"));
    m_urlLabel->setObjectName(QStringLiteral("URLLabel"));
    LinkStyle->addItems({QStringLiteral("Text Link"), QStringLiteral("Image link")});
    auto* form = new QFormLayout(this);
    form->addRow(m_urlLabel, URLLink);
    form->addRow(QStringLiteral("Text to display:"), DisplayedText);
    form->addRow(QStringLiteral("Alignment:"), LinkAlignment);
    form->addRow(QString(), MailTo);
    form->addRow(QStringLiteral("Link Style:"), LinkStyle);
    form->addRow(m_graphicLabel, m_graphicRow);
    connect(MailTo, &QCheckBox::toggled, this, &TemplateLinkPage::MailToClick);
    connect(LinkStyle, &QComboBox::currentIndexChanged, this, &TemplateLinkPage::LinkStyleChange);
    connect(DisplayedText, &QLineEdit::editingFinished, this, &TemplateLinkPage::displayedTextLeft);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> name = m_chooser.choose(DisplayedGraphic->currentText()))
            DisplayedGraphic->setEditText(*name);
    });
    MailToClick();
    LinkStyleChange();
}

void TemplateLinkPage::MailToClick()
{
    m_urlLabel->setText(MailTo->isChecked() ? QStringLiteral("Mailto:") : QStringLiteral("URL to Link to:"));
}

void TemplateLinkPage::LinkStyleChange()
{
    const bool image = LinkStyle->currentIndex() == 1;
    m_graphicLabel->setVisible(image);
    m_graphicRow->setVisible(image);
}

TemplateLink TemplateLinkPage::fields() const
{
    TemplateLink fields;
    fields.url = plain(URLLink->currentText());
    fields.text = plain(DisplayedText->text());
    fields.alignment = plain(LinkAlignment->currentText());
    fields.mailTo = MailTo->isChecked();
    fields.imageLink = LinkStyle->currentIndex() == 1;
    fields.graphic = plain(DisplayedGraphic->currentText());
    return fields;
}

void TemplateLinkPage::showFields(const TemplateLink& fields)
{
    URLLink->setEditText(qt(fields.url));
    {
        // Filling the box is no leaving of it.
        const QSignalBlocker quiet(DisplayedText);
        DisplayedText->setText(qt(fields.text));
    }
    selectAlignment(LinkAlignment, fields.alignment);
    MailTo->setChecked(fields.mailTo);
    LinkStyle->setCurrentIndex(fields.imageLink ? 1 : 0);
    DisplayedGraphic->setEditText(qt(fields.graphic));
}

// ---- Body --------------------------------------------------------------------------------------

TemplateBodyPage::TemplateBodyPage(const TemplateServices& services)
    : m_services(services)
    , m_chooser(services, this)
    , BackgroundImageFilename(named(new QLineEdit, "BackgroundImageFilename"))
    , bgProperties(named(new QCheckBox(QStringLiteral("Fixed Background")), "bgProperties"))
    , LeftMargin(spin(-1, maxMargin, "LeftMargin"))
    , RightMargin(spin(-1, maxMargin, "RightMargin"))
{
    setObjectName(QStringLiteral("Body"));
    auto* form = new QFormLayout(this);
    m_text = addColour(form, QStringLiteral("Text Color:"), "TextColorText");
    m_link = addColour(form, QStringLiteral("Link Color:"), "LinkColorText");
    m_active = addColour(form, QStringLiteral("Active Link Color:"), "ALinkColorText");
    m_visited = addColour(form, QStringLiteral("Visited Link Color:"), "vLinkColorText");
    m_background = addColour(form, QStringLiteral("Background Color:"), "bgColorText");
    QPushButton* browse = browseButton("BackgroundBrowse");
    form->addRow(QStringLiteral("Background Image:"), besideEachOther({BackgroundImageFilename, browse}));
    form->addRow(QString(), bgProperties);
    form->addRow(QStringLiteral("Left Margin:"), LeftMargin);
    form->addRow(QStringLiteral("Right Margin:"), RightMargin);
    connect(browse, &QPushButton::clicked, this, [this] {
        if (const std::optional<QString> name = m_chooser.choose(BackgroundImageFilename->text()))
            BackgroundImageFilename->setText(*name);
    });
    showFields({});
}

TemplateBodyPage::ColourBox TemplateBodyPage::addColour(QFormLayout* form, const QString& caption, const char* name)
{
    ColourBox box {named(new QLineEdit, name), swatch()};
    box.edit->setMaxLength(7);
    auto* button = named(new QPushButton(QStringLiteral("Color...")), (std::string(name) + "Button").c_str());
    button->setAutoDefault(false);
    auto* row = besideEachOther({box.edit, box.label, button});
    form->addRow(caption, row);
    connect(box.edit, &QLineEdit::textChanged, box.label, [label = box.label](const QString& text) {
        paintSwatch(label, colourOfBox(text));
    });
    connect(button, &QPushButton::clicked, this, [this, box] { chooseColour(box); });
    return box;
}

void TemplateBodyPage::chooseColour(const ColourBox& box)
{
    if (!m_services.chooseColour)
        return;
    if (const std::optional<QColor> chosen = m_services.chooseColour(colourOfBox(box.edit->text()).value_or(Qt::black)))
        box.edit->setText(TagTexts::colourHex(*chosen));
}

TemplateBody TemplateBodyPage::fields() const
{
    TemplateBody fields;
    fields.background = plain(BackgroundImageFilename->text());
    fields.text = plain(m_text.edit->text().trimmed());
    fields.link = plain(m_link.edit->text().trimmed());
    fields.visited = plain(m_visited.edit->text().trimmed());
    fields.active = plain(m_active.edit->text().trimmed());
    fields.backgroundColour = plain(m_background.edit->text().trimmed());
    fields.leftMargin = LeftMargin->value();
    fields.rightMargin = RightMargin->value();
    fields.fixedBackground = bgProperties->isChecked();
    return fields;
}

void TemplateBodyPage::showFields(const TemplateBody& fields)
{
    BackgroundImageFilename->setText(qt(fields.background));
    m_text.edit->setText(qt(fields.text));
    m_link.edit->setText(qt(fields.link));
    m_visited.edit->setText(qt(fields.visited));
    m_active.edit->setText(qt(fields.active));
    m_background.edit->setText(qt(fields.backgroundColour));
    LeftMargin->setValue(fields.leftMargin);
    RightMargin->setValue(fields.rightMargin);
    bgProperties->setChecked(fields.fixedBackground);
}

TemplateBody bodyFieldsOf(const QString& line)
{
    const BodyEditor::BodyAttributes body = BodyEditor::SetBodyVars(line, BodyEditor::BodyAttributes());
    TemplateBody fields;
    fields.background = plain(body.backgroundImage);
    fields.text = plain(TagTexts::colourHex(body.text));
    fields.link = plain(TagTexts::colourHex(body.link));
    fields.visited = plain(TagTexts::colourHex(body.visited));
    fields.active = plain(TagTexts::colourHex(body.active));
    fields.backgroundColour = plain(TagTexts::colourHex(body.background));
    fields.leftMargin = body.leftMargin;
    fields.rightMargin = body.rightMargin;
    fields.fixedBackground = body.fixedBackground;
    return fields;
}
