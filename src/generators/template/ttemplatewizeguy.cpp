#include "generators/template/ttemplatewizeguy.h"

#include "editor/tledit.h"
#include "workspace/editing/pagetext.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStackedWidget>
#include <QVBoxLayout>

using namespace tessera::generators;

namespace {

QStringList splitLines(const QString& text)
{
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    return text.split(lineBreak);
}

// Set while the fields are filled from the page, on every way out of the filling.
class ImportingScope {
public:
    explicit ImportingScope(bool& flag) : m_flag(flag) { m_flag = true; }
    ~ImportingScope() { m_flag = false; }
    ImportingScope(const ImportingScope&) = delete;
    ImportingScope& operator=(const ImportingScope&) = delete;

private:
    bool& m_flag;
};

QPushButton* button(const QString& text, const char* name)
{
    auto* pushButton = new QPushButton(text);
    pushButton->setObjectName(QLatin1String(name));
    pushButton->setAutoDefault(false);
    return pushButton;
}

} // namespace

TTemplateWizeGuy::TTemplateWizeGuy(Host host, QWidget* parent)
    : QWidget(parent, Qt::Tool)
    , m_host(std::move(host))
    , m_pages(new QStackedWidget)
    , m_invalidLine(new QLabel)
    , m_defaults(new TemplateDefaultsPage)
    , m_header(new TemplateHeaderPage(m_host.services))
    , m_text(new TemplateTextPage)
    , m_image(new TemplateImagePage(m_host.services))
    , m_link(new TemplateLinkPage(m_host.services))
    , m_body(new TemplateBodyPage(m_host.services))
    , StartBtn(button(QStringLiteral("&Start"), "StartBtn"))
    , PreviousBtn(button(QStringLiteral("&Previous"), "PreviousBtn"))
    , NextBtn(button(QStringLiteral("&Next"), "NextBtn"))
    , RefreshBtn(button(QStringLiteral("&Refresh"), "RefreshBtn"))
    , CloseBtn(button(QStringLiteral("Close"), "CloseBtn"))
{
    setObjectName(QStringLiteral("TemplateWizeGuy"));
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* starting = new QWidget;
    starting->setObjectName(QStringLiteral("StartingPage"));
    auto* explanation = new QLabel(QStringLiteral(
        "The Template Rivi Roz fills in the template markers of this page, one after the other.\n\n"
        "For each marker it shows the settings of the HTML under it. Change them and press Refresh to "
        "write the HTML again; Next and Previous go to the other markers.\n\n"
        "Press Start to go to the first marker."));
    explanation->setWordWrap(true);
    auto* startingLayout = new QVBoxLayout(starting);
    startingLayout->addWidget(explanation);
    startingLayout->addWidget(StartBtn, 0, Qt::AlignHCenter);
    startingLayout->addStretch();

    auto* invalid = new QWidget;
    invalid->setObjectName(QStringLiteral("InvalidTag"));
    auto* invalidLayout = new QVBoxLayout(invalid);
    invalidLayout->addWidget(new QLabel(QStringLiteral("There appears to be an invalid tag on line:")));
    m_invalidLine->setObjectName(QStringLiteral("InvalidLine"));
    invalidLayout->addWidget(m_invalidLine);
    invalidLayout->addStretch();

    for (QWidget* page : std::initializer_list<QWidget*> {starting, m_defaults, m_header, m_text, m_image, m_link, m_body, invalid})
        m_pages->addWidget(page);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    for (QPushButton* pushButton : {PreviousBtn, NextBtn, RefreshBtn, CloseBtn})
        buttons->addWidget(pushButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    connect(StartBtn, &QPushButton::clicked, this, &TTemplateWizeGuy::StartClick);
    connect(PreviousBtn, &QPushButton::clicked, this, &TTemplateWizeGuy::PreviousClick);
    connect(NextBtn, &QPushButton::clicked, this, &TTemplateWizeGuy::NextClick);
    connect(RefreshBtn, &QPushButton::clicked, this, &TTemplateWizeGuy::RefreshClick);
    connect(CloseBtn, &QPushButton::clicked, this, &QWidget::close);
    // Leaving the box may mean clicking into the page: the wizard writes but keeps to the back.
    connect(m_link, &TemplateLinkPage::displayedTextLeft, this, [this] {
        if (isVisible() && page() == Page::Link)
            writeAndShow();
    });
    CloseBtn->hide();
    updateButtons();
    resize(460, 380);
}

TTemplateWizeGuy::~TTemplateWizeGuy()
{
    // A box losing the focus while the window goes must not write into the page.
    disconnect(m_link, nullptr, this, nullptr);
}

void TTemplateWizeGuy::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    if (QScreen* shown = screen() ? screen() : QGuiApplication::primaryScreen())
        move(shown->availableGeometry().topLeft());
}

TTemplateWizeGuy::Page TTemplateWizeGuy::page() const
{
    return static_cast<Page>(m_pages->currentIndex());
}

void TTemplateWizeGuy::showPage(Page page)
{
    m_pages->setCurrentIndex(static_cast<int>(page));
}

std::vector<std::string> TTemplateWizeGuy::pageLines() const
{
    std::vector<std::string> lines;
    if (!m_host.editor)
        return lines;
    for (const QString& line : splitLines(m_host.editor->Text()))
        lines.push_back(line.toStdString());
    return lines;
}

void TTemplateWizeGuy::StartClick()
{
    if (!m_pageCurrent)
        return;
    m_line = 0;
    const std::optional<int> found = findPlaceholder(pageLines(), m_line, SearchDirection::Forward);
    if (!found) {
        if (m_host.inform)
            m_host.inform(noDocument);
        close();
        return;
    }
    m_started = true;
    m_line = *found;
    openPlaceholder();
    updateButtons();
}

void TTemplateWizeGuy::NextClick()
{
    search(SearchDirection::Forward);
}

void TTemplateWizeGuy::PreviousClick()
{
    search(SearchDirection::Backward);
}

void TTemplateWizeGuy::search(SearchDirection direction)
{
    if (!m_started || !m_pageCurrent)
        return;
    const std::optional<int> found = findPlaceholder(pageLines(), m_line, direction);
    if (!found) {
        if (m_host.inform)
            m_host.inform(noMoreDefinitions);
        if (direction == SearchDirection::Forward)
            CloseBtn->show();
        return;
    }
    m_line = *found;
    if (direction == SearchDirection::Backward)
        CloseBtn->hide();
    openPlaceholder();
}

void TTemplateWizeGuy::openPlaceholder()
{
    const std::vector<std::string> lines = pageLines();
    m_kind = m_line >= 1 && m_line <= static_cast<int>(lines.size()) ? placeholderKind(lines[m_line - 1]) : std::nullopt;
    if (!m_kind) {
        showInvalidTag(m_line);
        return;
    }
    importFields(*m_kind, ownedLines(lines, m_line, *m_kind));
}

void TTemplateWizeGuy::importFields(TemplateKind kind, const std::vector<std::string>& owned)
{
    const ImportingScope importing(m_importing);
    const std::string& line = owned.front();
    switch (kind) {
    case TemplateKind::Defaults:
        m_defaults->showFields(importDefaults(owned));
        showPage(Page::Defaults);
        break;
    case TemplateKind::Heading:
        m_header->showFields(importHeading(line));
        showPage(Page::Header);
        break;
    case TemplateKind::Text:
        m_text->showFields(importText(line));
        showPage(Page::Text);
        break;
    case TemplateKind::Image:
        m_image->showFields(importImage(line));
        showPage(Page::Image);
        break;
    case TemplateKind::Link:
    case TemplateKind::MailLink:
        m_link->showFields(importLink(line, kind == TemplateKind::MailLink));
        showPage(Page::Link);
        break;
    case TemplateKind::Body:
        m_body->showFields(bodyFieldsOf(QString::fromStdString(line)));
        showPage(Page::Body);
        break;
    }
}

void TTemplateWizeGuy::showInvalidTag(int line)
{
    m_kind.reset();
    m_invalidLine->setText(QStringLiteral("#%1").arg(line));
    showPage(Page::InvalidTag);
}

std::optional<std::vector<std::string>> TTemplateWizeGuy::builtLines() const
{
    auto one = [](std::optional<std::string> line) -> std::optional<std::vector<std::string>> {
        if (!line)
            return std::nullopt;
        return std::vector<std::string> {std::move(*line)};
    };
    switch (page()) {
    case Page::Defaults:
        return buildDefaults(m_defaults->fields());
    case Page::Header:
        return one(buildHeading(m_header->fields()));
    case Page::Text:
        return one(buildText(m_text->fields()));
    case Page::Image:
        return one(buildImage(m_image->fields()));
    case Page::Link:
        return one(buildLink(m_link->fields()));
    case Page::Body:
        return one(buildBody(m_body->fields()));
    case Page::Starting:
    case Page::InvalidTag:
        break;
    }
    return std::nullopt;
}

void TTemplateWizeGuy::RefreshClick()
{
    if (!writeAndShow())
        return;
    raise();
    activateWindow();
}

bool TTemplateWizeGuy::writeAndShow()
{
    if (!m_started || !m_pageCurrent || m_importing || !m_kind)
        return false;
    writeLines();
    if (m_host.updatePreview)
        m_host.updatePreview();
    return true;
}

void TTemplateWizeGuy::writeLines()
{
    const std::optional<std::vector<std::string>> written = builtLines();
    if (!written || !m_host.editor)
        return;
    const QString text = m_host.editor->Text();
    const QStringList lines = splitLines(text);
    std::vector<std::string> page;
    for (const QString& line : lines)
        page.push_back(line.toStdString());
    const std::optional<LineReplacement> replacement = placeWrite(page, m_line, *m_kind, *written);
    if (!replacement) {
        showInvalidTag(m_line);
        return;
    }
    QStringList newLines;
    for (const std::string& line : replacement->lines)
        newLines << QString::fromStdString(line);
    const QString lineEnd = PageText::lineEnd(text);
    const QString joined = newLines.join(lineEnd);
    PageText::TextEdit edit;
    int caret = 0;
    if (replacement->firstLine > lines.size()) {
        edit.start = edit.end = static_cast<int>(text.size());
        edit.replacement = lineEnd + joined;
        caret = edit.start + static_cast<int>(edit.replacement.size());
    } else {
        edit.start = PageText::offsetAt(text, replacement->firstLine, 0);
        edit.end = edit.start;
        edit.replacement = joined + lineEnd;
        if (replacement->removedLines > 0) {
            const int last = replacement->firstLine + replacement->removedLines - 1;
            edit.end = PageText::offsetAt(text, last, 0) + static_cast<int>(lines.at(last - 1).size());
            edit.replacement = joined;
        }
        caret = edit.start + static_cast<int>(joined.size());
    }
    edit.selectionStart = edit.selectionEnd = caret;
    PageText::applyToEditor(m_host.editor, text, edit);
}

void TTemplateWizeGuy::setPageCurrent(bool current)
{
    m_pageCurrent = current;
    updateButtons();
}

void TTemplateWizeGuy::updateButtons()
{
    for (QPushButton* pushButton : {PreviousBtn, NextBtn, RefreshBtn}) {
        pushButton->setVisible(m_started);
        pushButton->setEnabled(m_pageCurrent);
    }
    StartBtn->setEnabled(m_pageCurrent);
}
