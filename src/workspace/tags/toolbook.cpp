#include "workspace/tags/toolbook.h"

#include "workspace/tags/alignpopup.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/toolbookicons.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>

#include <functional>

namespace {

using Icon = ToolBookIcons::Icon;

constexpr int buttonSize = 28;
constexpr int iconSize = 20;

// A combo box that fills its list just before it drops down, keeping what is typed in it.
class DropDownComboBox : public QComboBox {
public:
    DropDownComboBox(std::function<QStringList()> fill, QWidget* parent = nullptr)
        : QComboBox(parent)
        , m_fill(std::move(fill))
    {
    }
    void showPopup() override
    {
        if (m_fill) {
            const QString text = currentText();
            clear();
            addItems(m_fill());
            if (isEditable())
                setEditText(text);
            else
                setCurrentIndex(findText(text));
        }
        QComboBox::showPopup();
    }

private:
    std::function<QStringList()> m_fill;
};

// The HR button also opens its alignment variants on a right click.
class RightClickButton : public QToolButton {
public:
    std::function<void()> onRightClick;
    using QToolButton::QToolButton;

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        if (event->button() == Qt::RightButton && onRightClick) {
            onRightClick();
            return;
        }
        QToolButton::mousePressEvent(event);
    }
};

class PageBuilder {
public:
    explicit PageBuilder(QWidget* page)
        : m_page(page)
        , m_layout(new QHBoxLayout(page))
    {
        m_layout->setContentsMargins(4, 3, 4, 3);
        m_layout->setSpacing(2);
    }
    ~PageBuilder() { m_layout->addStretch(1); }

    QToolButton* button(const char* objectName, Icon icon, const QString& hint, std::function<void()> onClick,
                        QToolButton* made = nullptr)
    {
        QToolButton* b = made ? made : new QToolButton;
        b->setObjectName(QString::fromLatin1(objectName));
        b->setIcon(ToolBookIcons::icon(icon));
        b->setIconSize(QSize(iconSize, iconSize));
        b->setFixedSize(buttonSize, buttonSize);
        b->setAutoRaise(true);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setFocusPolicy(Qt::NoFocus);
        QObject::connect(b, &QToolButton::clicked, b, [onClick] { onClick(); });
        m_layout->addWidget(b);
        return b;
    }

    // A button that shows its caption (the caption is part of what it inserts).
    QToolButton* captionButton(const char* objectName, const QString& caption, const QString& hint,
                               std::function<void()> onClick, int width = buttonSize + 4)
    {
        auto* b = new QToolButton;
        b->setObjectName(QString::fromLatin1(objectName));
        b->setText(caption);
        b->setToolTip(hint);
        b->setStatusTip(hint);
        b->setAutoRaise(true);
        b->setFixedSize(width, buttonSize);
        b->setFocusPolicy(Qt::NoFocus);
        QFont font = b->font();
        font.setBold(true);
        b->setFont(font);
        QObject::connect(b, &QToolButton::clicked, b, [onClick] { onClick(); });
        m_layout->addWidget(b);
        return b;
    }

    QToolButton* textBesideIcon(const char* objectName, Icon icon, const QString& caption, const QString& hint,
                                std::function<void()> onClick)
    {
        QToolButton* b = button(objectName, icon, hint, std::move(onClick));
        b->setText(caption);
        b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        b->setMinimumWidth(0);
        b->setMaximumWidth(QWIDGETSIZE_MAX);
        b->setFixedHeight(buttonSize);
        return b;
    }

    // The narrow arrow beside a Format button; its hint is the tag name it offers variants of.
    QToolButton* arrow(const char* objectName, const QString& tagName, std::function<void(QToolButton*)> onClick)
    {
        auto* b = new QToolButton;
        b->setObjectName(QString::fromLatin1(objectName));
        b->setIcon(ToolBookIcons::icon(Icon::DownArrow));
        b->setIconSize(QSize(12, 12));
        b->setFixedSize(13, buttonSize);
        b->setAutoRaise(true);
        b->setToolTip(tagName);
        b->setStatusTip(tagName);
        b->setFocusPolicy(Qt::NoFocus);
        QObject::connect(b, &QToolButton::clicked, b, [b, onClick] { onClick(b); });
        m_layout->addWidget(b);
        return b;
    }

    QLabel* label(const QString& text)
    {
        auto* l = new QLabel(text);
        m_layout->addSpacing(4);
        m_layout->addWidget(l);
        return l;
    }

    template<typename W>
    W* add(W* widget, const char* objectName, const QString& hint)
    {
        widget->setObjectName(QString::fromLatin1(objectName));
        widget->setToolTip(hint);
        widget->setStatusTip(hint);
        m_layout->addWidget(widget);
        return widget;
    }

    void separator()
    {
        auto* line = new QFrame;
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        line->setFixedHeight(buttonSize - 6);
        m_layout->addSpacing(3);
        m_layout->addWidget(line);
        m_layout->addSpacing(3);
    }

    QHBoxLayout* layout() const { return m_layout; }

private:
    QWidget* m_page;
    QHBoxLayout* m_layout;
};

QSpinBox* spinBox(int minimum, int maximum, int value, const QString& suffix = {})
{
    auto* box = new QSpinBox;
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setSuffix(suffix);
    box->setFixedHeight(buttonSize - 4);
    box->setAccelerated(true);
    return box;
}

QComboBox* comboBox(const QStringList& items, int width)
{
    auto* box = new QComboBox;
    box->addItems(items);
    box->setFixedWidth(width);
    box->setFixedHeight(buttonSize - 4);
    return box;
}

} // namespace

ToolBook::ToolBook(TagInserter* inserter, QObject* parent)
    : QObject(parent)
    , m_inserter(inserter)
    , m_popup(new AlignmentPopup(inserter, this))
{
}

QStringList ToolBook::tabNames()
{
    return {QStringLiteral("Font"), QStringLiteral("Format"), QStringLiteral("Lists"), QStringLiteral("Tables"),
            QStringLiteral("Images"), QStringLiteral("Links"), QStringLiteral("Forms"), QStringLiteral("Templates")};
}

bool ToolBook::fillPage(QWidget* page, const QString& tabName)
{
    if (!page || page->layout())
        return false;
    using Builder = void (ToolBook::*)(QWidget*);
    static const std::pair<const char*, Builder> builders[] = {
        {"Font", &ToolBook::buildFont},     {"Format", &ToolBook::buildFormat}, {"Lists", &ToolBook::buildLists},
        {"Tables", &ToolBook::buildTables}, {"Images", &ToolBook::buildImages}, {"Links", &ToolBook::buildLinks},
        {"Forms", &ToolBook::buildForms},   {"Templates", &ToolBook::buildTemplates},
    };
    for (const auto& [name, build] : builders) {
        if (tabName == QLatin1String(name)) {
            (this->*build)(page);
            return true;
        }
    }
    return false;
}

QWidget* ToolBook::buildPage(const QString& tabName)
{
    auto* page = new QWidget;
    if (!fillPage(page, tabName)) {
        delete page;
        return nullptr;
    }
    return page;
}

int ToolBook::fillPowerBook(QTabWidget* book)
{
    int filled = 0;
    for (int i = 0; i < book->count(); ++i) {
        if (fillPage(book->widget(i), book->tabText(i).remove(QLatin1Char('&'))))
            ++filled;
    }
    return filled;
}

QAbstractButton* ToolBook::generatorButton(ToolBookGenerator which) const
{
    return m_generators[static_cast<int>(which)];
}

void ToolBook::buildFont(QWidget* page)
{
    TagInserter* t = m_inserter;
    PageBuilder b(page);
    b.button("BoldButton", Icon::Bold, QStringLiteral("Bold"), [t] { t->Bold1Click(); });
    b.button("ItalicsButton", Icon::Italic, QStringLiteral("Italics"), [t] { t->Italics1Click(); });
    b.button("UnderlineButton", Icon::Underline, QStringLiteral("Underline"), [t] { t->Underline1Click(); });
    b.separator();
    b.button("CenterButton", Icon::Center, QStringLiteral("Center"), [t] { t->CenterClick(); });
    b.button("SubscriptButton", Icon::Subscript, QStringLiteral("Subscript"), [t] { t->SubscriptClick(); });
    b.button("SuperscriptButton", Icon::Superscript, QStringLiteral("Superscript"), [t] { t->SuperscriptClick(); });
    b.separator();
    b.label(QStringLiteral("Size"));
    QComboBox* size = b.add(comboBox({"1", "2", "3", "4", "5", "6", "7"}, 44), "FSize", QStringLiteral("Font size"));
    size->setCurrentIndex(2);
    QObject::connect(size, &QComboBox::activated, t, [t, size](int index) { t->FSizeChange(size->itemText(index)); });
    b.label(QStringLiteral("Face"));
    auto* face = b.add(new DropDownComboBox([] { return QFontDatabase::families(); }), "sf", QStringLiteral("Font name"));
    face->setEditable(true);
    face->setInsertPolicy(QComboBox::NoInsert);
    face->lineEdit()->setPlaceholderText(QStringLiteral("Font name"));
    face->setFixedSize(150, buttonSize - 4);
    QObject::connect(face, &QComboBox::textActivated, t, [t](const QString& text) { t->sfChange(text); });
    b.separator();
    b.button("FontPlus", Icon::FontLarger, QStringLiteral("Enlarge font"), [t] { t->FontPlusClick(); });
    b.button("SpeedButton5", Icon::FontSmaller, QStringLiteral("Reduce font"), [t] { t->SpeedButton5Click(); });
    b.button("TextButton", Icon::FontColour, QStringLiteral("Font colour"), [t] { t->TextButtonClick(); });
    b.button("SpeedButton13", Icon::FontDialog, QStringLiteral("Choose a font"), [t] { t->SpeedButton13Click(); });
    b.separator();
    b.button("CommentButton", Icon::Comment, QStringLiteral("Comment <!-- -->"), [t] { t->CommentClick(); });
    b.button("NbspButton", Icon::NonBreakingSpace, QStringLiteral("Nonbreaking space &nbsp;"),
             [t] { t->NonBreakingSpaceClick(); });
}

void ToolBook::buildFormat(QWidget* page)
{
    TagInserter* t = m_inserter;
    AlignmentPopup* popup = m_popup;
    PageBuilder b(page);
    const char* const headings[] = {"H1", "H2", "H3", "H4", "H5", "H6"};
    for (const char* heading : headings) {
        const QString caption = QString::fromLatin1(heading);
        const QByteArray name = QByteArray(heading) + "Button";
        const QByteArray arrowName = QByteArray(heading) + "Arrow";
        b.captionButton(name.constData(), caption, QStringLiteral("Heading %1").arg(caption.mid(1)),
                        [t, caption] { t->ParagraphBtnClick(caption); });
        b.arrow(arrowName.constData(), caption, [popup, caption](QToolButton* arrow) { popup->showBelow(arrow, caption); });
    }
    b.separator();
    b.button("PButton", Icon::Paragraph, QStringLiteral("Paragraph"), [t] { t->ParagraphBtnClick(QStringLiteral("P")); });
    b.arrow("PArrow", QStringLiteral("P"), [popup](QToolButton* arrow) { popup->showBelow(arrow, QStringLiteral("P")); });
    b.button("DIVButton", Icon::Division, QStringLiteral("Logical division"),
             [t] { t->ParagraphBtnClick(QStringLiteral("DIV")); });
    b.arrow("DIVArrow", QStringLiteral("DIV"), [popup](QToolButton* arrow) { popup->showBelow(arrow, QStringLiteral("DIV")); });
    b.separator();
    b.button("BRButton", Icon::LineBreak, QStringLiteral("Line break <BR>"), [t] { t->BRClick(); });
    b.arrow("SpeedButton24", QStringLiteral("BR"), [popup](QToolButton* arrow) { popup->showBelow(arrow, QStringLiteral("BR")); });
    auto* hr = new RightClickButton;
    b.button("SpeedButton10", Icon::HorizontalRule, QStringLiteral("Horizontal bar <HR>"), [t] { t->HorizontalBarClick(); },
             hr);
    hr->onRightClick = [popup, hr] { popup->showBelow(hr, QStringLiteral("HR")); };
    b.arrow("SpeedButton25", QStringLiteral("HR"), [popup](QToolButton* arrow) { popup->showBelow(arrow, QStringLiteral("HR")); });
}

void ToolBook::buildLists(QWidget* page)
{
    TagInserter* t = m_inserter;
    PageBuilder b(page);
    b.button("SpeedButton69", Icon::ListItem, QStringLiteral("Unordered list item"), [t] { t->SpeedButton69Click(); });
    b.separator();
    b.label(QStringLiteral("List"));
    QComboBox* type = b.add(comboBox({QStringLiteral("Ordered"), QStringLiteral("Unordered")}, 100), "ListType",
                            QStringLiteral("List type"));
    type->setPlaceholderText(QStringLiteral("List type"));
    type->setCurrentIndex(-1);
    QLabel* orderedLabel = b.label(QStringLiteral("Style"));
    QComboBox* ordered = b.add(comboBox({QStringLiteral("Default"), QStringLiteral("A - Capital letters"),
                                         QStringLiteral("a - Small letters"), QStringLiteral("I - Large roman numerals"),
                                         QStringLiteral("i - Small roman numerals")},
                                        170),
                               "OrderedStyle", QStringLiteral("Numbering style"));
    QLabel* startLabel = b.label(QStringLiteral("Start"));
    QSpinBox* start = b.add(spinBox(1, 9999, 1), "ListStart", QStringLiteral("First number"));
    QLabel* unorderedLabel = b.label(QStringLiteral("Bullet"));
    QComboBox* unordered = b.add(comboBox({QStringLiteral("Default"), QStringLiteral("disc"), QStringLiteral("circle"),
                                           QStringLiteral("square")},
                                          100),
                                 "UnorderedStyle", QStringLiteral("Bullet style"));
    b.label(QStringLiteral("Items"));
    QSpinBox* count = b.add(spinBox(1, TagTexts::maxListItems, 3), "ListCount", QStringLiteral("Number of list items"));
    b.button("AddListSB", Icon::List, QStringLiteral("Insert list"), [=] {
        TagTexts::ListSpec spec;
        spec.kind = type->currentIndex() == 0 ? TagTexts::ListKind::Ordered
            : type->currentIndex() == 1       ? TagTexts::ListKind::Unordered
                                              : TagTexts::ListKind::None;
        spec.style = spec.kind == TagTexts::ListKind::Ordered ? ordered->currentText() : unordered->currentText();
        spec.start = start->value();
        spec.count = count->value();
        t->insertList(spec);
    });
    auto ListTypeClick = [=](int index) {
        for (QWidget* w : std::initializer_list<QWidget*> {orderedLabel, ordered, startLabel, start})
            w->setVisible(index == 0);
        unorderedLabel->setVisible(index == 1);
        unordered->setVisible(index == 1);
    };
    QObject::connect(type, &QComboBox::currentIndexChanged, page, ListTypeClick);
    ListTypeClick(-1);
}

void ToolBook::buildTables(QWidget* page)
{
    TagInserter* t = m_inserter;
    PageBuilder b(page);
    QCheckBox* border = b.add(new QCheckBox(QStringLiteral("Border")), "BorderBox", QStringLiteral("Draw a border"));
    border->setChecked(true);
    b.label(QStringLiteral("Width"));
    QSpinBox* width = b.add(spinBox(0, 100, 0, QStringLiteral("%")), "TableWidth",
                            QStringLiteral("Table width in percent of the window (0: as wide as needed)"));
    b.label(QStringLiteral("Rows"));
    QSpinBox* rows = b.add(spinBox(1, TagTexts::maxTableRows, 2), "TableRows", QStringLiteral("Number of rows"));
    b.label(QStringLiteral("Columns"));
    QSpinBox* columns = b.add(spinBox(1, TagTexts::maxTableColumns, 2), "TableColumns", QStringLiteral("Number of columns"));
    b.button("SpeedButton7", Icon::Table, QStringLiteral("Insert table"), [=] {
        t->insertTable({border->isChecked(), width->value(), rows->value(), columns->value()});
    });
    b.separator();
    QToolButton* wizard = b.textBesideIcon("TableRiviRozButton", Icon::TableWizard, QStringLiteral("Table Rivi Roz..."),
                                           QStringLiteral("Build a table step by step"), [] {});
    wizard->setEnabled(false);
    m_generators[static_cast<int>(ToolBookGenerator::TableRiviRoz)] = wizard;
}

void ToolBook::buildImages(QWidget* page)
{
    TagInserter* t = m_inserter;
    PageBuilder b(page);
    b.label(QStringLiteral("Type"));
    QComboBox* type = b.add(comboBox(TagTexts::imageTypes, 90), "ImageType", QStringLiteral("Where the picture comes from"));
    b.label(QStringLiteral("Image"));
    auto* image = b.add(new DropDownComboBox([t, type] { return t->imagesOf(type->currentText()); }), "ImageName",
                        QStringLiteral("Picture file"));
    image->setEditable(true);
    image->setInsertPolicy(QComboBox::NoInsert);
    image->lineEdit()->setPlaceholderText(QStringLiteral("picture.gif"));
    image->setFixedSize(150, buttonSize - 4);
    b.label(QStringLiteral("Align"));
    QComboBox* align = b.add(comboBox({QString(), QStringLiteral("left"), QStringLiteral("right"), QStringLiteral("top"),
                                       QStringLiteral("middle"), QStringLiteral("bottom"), QStringLiteral("texttop"),
                                       QStringLiteral("absmiddle"), QStringLiteral("baseline"), QStringLiteral("absbottom")},
                                      90),
                             "ImageAlign", QStringLiteral("Alignment"));
    b.label(QStringLiteral("Link"));
    auto* link = b.add(new DropDownComboBox([t] { return t->webDocuments(); }), "HotLink",
                       QStringLiteral("Page the picture links to"));
    link->setEditable(true);
    link->setInsertPolicy(QComboBox::NoInsert);
    link->lineEdit()->setPlaceholderText(QStringLiteral("(no link)"));
    link->setFixedSize(140, buttonSize - 4);
    QObject::connect(type, &QComboBox::activated, page, [image, align] {
        image->clearEditText();
        image->clear();
        align->setCurrentIndex(0);
    });
    b.button("InsertImageTabBtn", Icon::Image, QStringLiteral("Insert image"), [=] {
        t->insertImage(type->currentText(), image->currentText().trimmed(), align->currentText(),
                       link->currentText().trimmed());
    });
    b.button("SpeedButton36", Icon::ImageGallery, QStringLiteral("View the images of this type"),
             [t, type] { t->showImageGallery(type->currentText()); });
}

void ToolBook::buildLinks(QWidget* page)
{
    TagInserter* t = m_inserter;
    PageBuilder b(page);
    b.label(QStringLiteral("Prefix"));
    QComboBox* prefix = b.add(comboBox(QStringList {QString()} + TagTexts::linkPrefixes, 100), "LinkPrefix",
                              QStringLiteral("Kind of address"));
    b.label(QStringLiteral("URL"));
    auto* url = b.add(new DropDownComboBox([t] { return t->webDocuments(); }), "URLLink", QStringLiteral("Address"));
    url->setEditable(true);
    url->setInsertPolicy(QComboBox::NoInsert);
    url->lineEdit()->setPlaceholderText(QStringLiteral("page.htm"));
    url->setFixedSize(200, buttonSize - 4);
    b.label(QStringLiteral("Text"));
    auto* text = b.add(new QLineEdit, "LinkText", QStringLiteral("Text the reader clicks"));
    text->setPlaceholderText(QStringLiteral("Click here"));
    text->setFixedSize(180, buttonSize - 4);
    b.textBesideIcon("BitBtn1", Icon::Link, QStringLiteral("Link"), QStringLiteral("Insert link"),
                     [=] { t->insertLink(prefix->currentText(), url->currentText().trimmed(), text->text()); });
}

void ToolBook::buildForms(QWidget* page)
{
    TagInserter* t = m_inserter;
    PageBuilder b(page);
    b.button("SpeedButton33", Icon::FormSkeleton, QStringLiteral("Form"), [t] { t->SpeedButton33Click(); });
    b.separator();
    b.button("CheckBoxButton", Icon::CheckBox, QStringLiteral("Check box"), [t] { t->CheckBoxClick(); });
    b.button("RadioButton", Icon::RadioButton, QStringLiteral("Radio button"), [t] { t->RadioButtonClick(); });
    b.button("TextFieldButton", Icon::TextField, QStringLiteral("Text field"), [t] { t->TextFieldClick(); });
    b.button("TextAreaButton", Icon::TextArea, QStringLiteral("Text area"), [t] { t->TextAreaClick(); });
    b.button("HiddenFieldButton", Icon::HiddenField, QStringLiteral("Hidden field"), [t] { t->HiddenFieldClick(); });
    b.button("ListBoxButton", Icon::ListBox, QStringLiteral("List box"), [t] { t->ListBoxClick(); });
    b.button("OptionButton", Icon::Option, QStringLiteral("Option"), [t] { t->OptionClick(); });
    b.separator();
    QToolButton* wizard = b.textBesideIcon("DataFormRiviRozButton", Icon::FormWizard, QStringLiteral("Data Form Rivi Roz..."),
                                           QStringLiteral("Build a data-entry form step by step"), [] {});
    wizard->setEnabled(false);
    m_generators[static_cast<int>(ToolBookGenerator::DataFormRiviRoz)] = wizard;
}

void ToolBook::buildTemplates(QWidget* page)
{
    TagInserter* t = m_inserter;
    PageBuilder b(page);
    struct Marker {
        const char* objectName;
        Icon icon;
        const char* caption;
        const char* name;
    };
    const Marker markers[] = {
        {"TemplateBody", Icon::TemplateBody, "Body", "Body"},
        {"TemplateLink", Icon::TemplateLink, "Link", "Link"},
        {"TemplateMailLink", Icon::TemplateMailLink, "Mail Link", "MailLink"},
        {"TemplateImage", Icon::TemplateImage, "Image", "Image"},
        {"TemplateText", Icon::TemplateText, "Text", "Text"},
        {"TemplateHeading", Icon::TemplateHeading, "Heading", "Heading"},
    };
    for (const Marker& marker : markers) {
        const QString name = QString::fromLatin1(marker.name);
        b.textBesideIcon(marker.objectName, marker.icon, QString::fromLatin1(marker.caption),
                         QStringLiteral("Template marker <!--##%1-->").arg(name), [t, name] { t->templateMarker(name); });
    }
    b.textBesideIcon("TemplateDefaults", Icon::TemplateDefaults, QStringLiteral("Page Defaults"),
                     QStringLiteral("Template marker <!--##Defaults-->"), [t] { t->PageDefaultsClick(); });
    b.separator();
    QToolButton* go = b.textBesideIcon("TemplateGo", Icon::TemplateWizard, QStringLiteral("Go!"),
                                       QStringLiteral("Fill the template markers with the Template Rivi Roz"), [] {});
    go->setEnabled(false);
    m_generators[static_cast<int>(ToolBookGenerator::TemplateRiviRoz)] = go;
}
