#include "custom/parmform.h"

#include "workspace/editing/pagetext.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include <utility>

namespace {

constexpr int kMaxEmbedSize = 9999;

QListWidget* makeList(const QString& name, const QStringList& items, QWidget* parent)
{
    auto* list = new QListWidget(parent);
    list->setObjectName(name);
    list->addItems(items);
    list->setCurrentRow(0);
    return list;
}

QWidget* listPage(QListWidget* list)
{
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(list);
    return page;
}

QSpinBox* makeSizeBox(const QString& name, QWidget* parent)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, kMaxEmbedSize);
    return box;
}

} // namespace

TParmForm::TParmForm(Host host, QWidget* parent)
    : QDialog(parent)
    , m_host(std::move(host))
    , m_notebook(new QTabWidget(this))
    , alignlist(makeList(QStringLiteral("alignlist"), alignItems(), this))
    , valignlist(makeList(QStringLiteral("valignlist"), valignItems(), this))
    , sizelist(makeList(QStringLiteral("sizelist"), sizeItems(), this))
    , MetaName(new QLineEdit(this))
    , MetaContent(new QLineEdit(this))
    , MetaHTTPEquiv(new QComboBox(this))
    , EmbedSrc(new QLineEdit(this))
    , SpeedButton1(new QToolButton(this))
    , EmbedHeight(makeSizeBox(QStringLiteral("EmbedHeight"), this))
    , EmbedWidth(makeSizeBox(QStringLiteral("EmbedWidth"), this))
    , BitBtn1(new QPushButton(QStringLiteral("OK"), this))
    , BitBtn2(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(QStringLiteral("Parameter Selections"));
    m_notebook->setObjectName(QStringLiteral("notebook"));
    MetaName->setObjectName(QStringLiteral("MetaName"));
    MetaContent->setObjectName(QStringLiteral("MetaContent"));
    MetaHTTPEquiv->setObjectName(QStringLiteral("MetaHTTPEquiv"));
    EmbedSrc->setObjectName(QStringLiteral("EmbedSrc"));
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    BitBtn1->setObjectName(QStringLiteral("BitBtn1"));
    BitBtn2->setObjectName(QStringLiteral("BitBtn2"));

    m_notebook->addTab(listPage(alignlist), QStringLiteral("align"));
    m_notebook->addTab(listPage(valignlist), QStringLiteral("valign"));
    m_notebook->addTab(listPage(sizelist), QStringLiteral("size"));

    MetaHTTPEquiv->setEditable(true);
    MetaHTTPEquiv->addItems({ QStringLiteral("Expires"), QStringLiteral("Keywords"), QStringLiteral("PICS-Label"),
        QStringLiteral("Reply-To") });
    MetaHTTPEquiv->setCurrentIndex(-1);
    MetaHTTPEquiv->setSizePolicy(QSizePolicy::Expanding, MetaHTTPEquiv->sizePolicy().verticalPolicy());
    auto* metaPage = new QWidget;
    auto* metaLayout = new QFormLayout(metaPage);
    metaLayout->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    metaLayout->addRow(QStringLiteral("Name:"), MetaName);
    metaLayout->addRow(QStringLiteral("Content:"), MetaContent);
    metaLayout->addRow(QStringLiteral("HTTP-EQUIV"), MetaHTTPEquiv);
    m_notebook->addTab(metaPage, QStringLiteral("meta"));

    SpeedButton1->setText(QStringLiteral("..."));
    SpeedButton1->setToolTip(QStringLiteral("Choose the file to embed"));
    auto* embedPage = new QWidget;
    auto* embedLayout = new QGridLayout(embedPage);
    embedLayout->addWidget(new QLabel(QStringLiteral("Embed Source:"), embedPage), 0, 0);
    embedLayout->addWidget(EmbedSrc, 0, 1, 1, 2);
    embedLayout->addWidget(SpeedButton1, 0, 3);
    embedLayout->addWidget(new QLabel(QStringLiteral("Height:"), embedPage), 1, 0);
    embedLayout->addWidget(EmbedHeight, 1, 1);
    embedLayout->addWidget(new QLabel(QStringLiteral("Width:"), embedPage), 2, 0);
    embedLayout->addWidget(EmbedWidth, 2, 1);
    embedLayout->setColumnStretch(2, 1);
    embedLayout->setRowStretch(3, 1);
    m_notebook->addTab(embedPage, QStringLiteral("embed"));

    m_notebook->addTab(new QWidget, QStringLiteral("object"));

    BitBtn1->setDefault(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(BitBtn1);
    buttons->addWidget(BitBtn2);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_notebook);
    layout->addLayout(buttons);
    resize(380, 280);

    connect(BitBtn1, &QPushButton::clicked, this, &TParmForm::BitBtn1Click);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(SpeedButton1, &QToolButton::clicked, this, &TParmForm::SpeedButton1Click);
    for (QListWidget* list : { alignlist, valignlist, sizelist })
        connect(list, &QListWidget::itemDoubleClicked, this, &TParmForm::BitBtn1Click);
}

const QStringList& TParmForm::alignItems()
{
    static const QStringList items { QStringLiteral("none"), QStringLiteral("left"), QStringLiteral("center"),
        QStringLiteral("right"), QStringLiteral("top"), QStringLiteral("middle"), QStringLiteral("bottom") };
    return items;
}

const QStringList& TParmForm::valignItems()
{
    static const QStringList items { QStringLiteral("none"), QStringLiteral("top"), QStringLiteral("middle"),
        QStringLiteral("bottom") };
    return items;
}

const QStringList& TParmForm::sizeItems()
{
    static const QStringList items = [] {
        QStringList sizes;
        for (const char* prefix : { "", "+", "-" }) {
            for (int size = 1; size <= 7; ++size)
                sizes.append(QLatin1String(prefix) + QString::number(size));
        }
        return sizes;
    }();
    return items;
}

void TParmForm::setPage(Page page) { m_notebook->setCurrentIndex(static_cast<int>(page)); }

TParmForm::Page TParmForm::page() const { return static_cast<Page>(m_notebook->currentIndex()); }

QListWidget* TParmForm::listFor(Page page) const
{
    switch (page) {
    case Page::Align:
        return alignlist;
    case Page::Valign:
        return valignlist;
    case Page::Size:
        return sizelist;
    default:
        return nullptr;
    }
}

std::optional<TParmForm::Page> TParmForm::selectionPage(const QString& selectedText)
{
    const QString upper = selectedText.trimmed().toUpper();
    if (upper.startsWith(QLatin1String("ALIGN")))
        return Page::Align;
    if (upper.startsWith(QLatin1String("VALIGN")))
        return Page::Valign;
    if (upper.startsWith(QLatin1String("SIZE")))
        return Page::Size;
    if (upper.startsWith(QLatin1String("<META")))
        return Page::Meta;
    return std::nullopt;
}

QString TParmForm::parameterValue(const QString& selectedText)
{
    const qsizetype open = selectedText.indexOf(QLatin1Char('"'));
    if (open >= 0) {
        const qsizetype close = selectedText.indexOf(QLatin1Char('"'), open + 1);
        if (close >= 0)
            return selectedText.mid(open + 1, close - open - 1);
    }
    const qsizetype equals = selectedText.indexOf(QLatin1Char('='));
    if (equals < 0)
        return {};
    // An unquoted value ends at a blank or the tag's end, so a selection that runs on past the
    // attribute still names the right item; a lone quote left by a cut-off selection is dropped.
    QStringView value = QStringView(selectedText).mid(equals + 1).trimmed();
    qsizetype end = 0;
    while (end < value.size() && !value[end].isSpace() && value[end] != QLatin1Char('>'))
        ++end;
    value = value.left(end);
    while (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\'')))
        value = value.mid(1);
    while (value.endsWith(QLatin1Char('"')) || value.endsWith(QLatin1Char('\'')))
        value.chop(1);
    return value.toString();
}

int TParmForm::CheckParm(const QStringList& items, const QString& value)
{
    const QString wanted = value.trimmed();
    for (qsizetype index = 0; index < items.size(); ++index) {
        if (items[index].compare(wanted, Qt::CaseInsensitive) == 0)
            return static_cast<int>(index);
    }
    return 0;
}

MetaEditor::MetaFields TParmForm::GetMetaInfo(const QString& selectedText)
{
    const qsizetype start = selectedText.indexOf(QLatin1Char('<'));
    if (start < 0)
        return {};
    std::optional<PageText::Tag> tag = PageText::readTag(selectedText, static_cast<int>(start));
    if (!tag) {
        // A selection that stops short of the ">" still holds the attributes typed so far.
        tag = PageText::readTag(selectedText + QLatin1Char('>'), static_cast<int>(start));
    }
    return tag ? MetaEditor::GetMetaInfo(*tag) : MetaEditor::MetaFields {};
}

QString TParmForm::attributeText(Page page, const QString& item)
{
    switch (page) {
    case Page::Align:
        return QStringLiteral("ALIGN=\"") + item + QLatin1Char('"');
    case Page::Valign:
        return QStringLiteral("VALIGN=\"") + item + QLatin1Char('"');
    case Page::Size:
        return QStringLiteral("SIZE=\"") + item + QLatin1Char('"');
    default:
        return {};
    }
}

QString TParmForm::embedTag(const QString& source, int height, int width)
{
    if (source.isEmpty())
        return {};
    QString tag = QStringLiteral("<EMBED SRC=") + PageText::quotedValue(source);
    if (height > 0)
        tag += QStringLiteral(" HEIGHT=\"%1\"").arg(height);
    if (width > 0)
        tag += QStringLiteral(" WIDTH=\"%1\"").arg(width);
    return tag + QLatin1Char('>');
}

void TParmForm::FormShow(const QString& selectedText)
{
    const std::optional<Page> kind = selectionPage(selectedText);
    if (!kind)
        return;
    if (*kind == Page::Meta) {
        // Every field shows the selected tag, so a field left over from an earlier, cancelled
        // edit is never written into a tag that does not have it.
        const MetaEditor::MetaFields fields = GetMetaInfo(selectedText);
        MetaName->setText(fields.name);
        MetaContent->setText(fields.content);
        MetaHTTPEquiv->setCurrentText(fields.httpEquiv);
        return;
    }
    QListWidget* list = listFor(*kind);
    const QStringList& items = *kind == Page::Align ? alignItems() : *kind == Page::Valign ? valignItems() : sizeItems();
    list->setCurrentRow(CheckParm(items, parameterValue(selectedText)));
}

void TParmForm::BitBtn1Click()
{
    auto insert = [this](const QString& text) {
        if (!text.isEmpty() && m_host.insertText)
            m_host.insertText(text);
    };
    const Page current = page();
    switch (current) {
    case Page::Align:
    case Page::Valign:
    case Page::Size: {
        QListWidget* list = listFor(current);
        const QListWidgetItem* item = list->currentItem() ? list->currentItem() : list->item(0);
        insert(attributeText(current, item->text()));
        break;
    }
    case Page::Meta: {
        const MetaEditor::MetaFields fields { MetaHTTPEquiv->currentText(), MetaName->text(),
            MetaContent->text() };
        // Three empty fields make no tag worth writing.
        if (!fields.isEmpty()) {
            if (m_host.writeMeta)
                m_host.writeMeta(fields);
            else
                insert(MetaEditor::buildMetaTag(fields));
        }
        MetaName->clear();
        MetaContent->clear();
        MetaHTTPEquiv->setCurrentIndex(-1);
        MetaHTTPEquiv->clearEditText();
        break;
    }
    case Page::Embed:
        insert(embedTag(EmbedSrc->text().trimmed(), EmbedHeight->value(), EmbedWidth->value()));
        EmbedSrc->clear();
        EmbedHeight->setValue(0);
        EmbedWidth->setValue(0);
        break;
    case Page::Object:
        break;
    }
    accept();
}

void TParmForm::SpeedButton1Click()
{
    if (!m_host.chooseEmbedFile)
        return;
    const QString file = m_host.chooseEmbedFile();
    if (!file.isEmpty())
        EmbedSrc->setText(file);
}
