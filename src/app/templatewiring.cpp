#include "app/templatewiring.h"

#include "app/pagetabbar.h"
#include "app/previewwiring.h"
#include "app/tform1.h"
#include "app/workspacewiring.h"
#include "editor/tledit.h"
#include "workspace/pages/pagemanager.h"
#include "workspace/tags/taginserter.h"
#include "workspace/tags/toolbook.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QFileDialog>
#include <QSplitter>

TemplateWiring::TemplateWiring(TForm1& window)
    : QObject(&window)
    , m_window(window)
{
    window.commands().setHandler(Command::TemplateRiviRoz, [this] { TemplateWizeGuy1Click(); });
    if (QAbstractButton* go = window.workspace().toolBook().generatorButton(ToolBookGenerator::TemplateRiviRoz)) {
        go->setEnabled(true);
        connect(go, &QAbstractButton::clicked, this, [this] { m_window.commands().run(Command::TemplateRiviRoz); });
    }
    // Queued: the page list has settled on its new active page by then.
    PageTabBar* tabs = window.webPageTabs();
    connect(tabs, &QTabBar::currentChanged, this, &TemplateWiring::followPages, Qt::QueuedConnection);
    connect(tabs, &PageTabBar::countChanged, this, &TemplateWiring::followPages, Qt::QueuedConnection);
}

void TemplateWiring::TemplateWizeGuy1Click()
{
    if (m_wizard) {
        m_wizard->raise();
        m_wizard->activateWindow();
        return;
    }
    TLEdit* editor = m_window.webPage();
    if (!m_window.isPageOpen() || editor->lineCount() <= 1) {
        m_window.workspace().prompts().information(TTemplateWizeGuy::noDocument);
        return;
    }
    TagInserter& tags = m_window.workspace().tags();
    TTemplateWizeGuy::Host host;
    host.editor = editor;
    host.updatePreview = [this] { m_window.workspace().preview().controller().UpdateWebView(); };
    host.inform = [this](const QString& text) { m_window.workspace().prompts().information(text); };
    host.services.chooseColour = [this](const QColor& initial) -> std::optional<QColor> {
        const QColor colour = QColorDialog::getColor(initial, m_wizard);
        return colour.isValid() ? std::optional<QColor>(colour) : std::nullopt;
    };
    host.services.chooseImageFile = [this](const QString& start) {
        return QFileDialog::getOpenFileName(m_wizard, QStringLiteral("Open Image"), start,
                                            QStringLiteral("Images (*.gif *.jpg *.jpeg *.png *.bmp);;All files (*)"));
    };
    host.services.imageFiles = [&tags] { return tags.imagesOf(QStringLiteral("Default")); };
    host.services.linkTargets = [&tags] { return tags.webDocuments(); };
    host.services.pageDirectory = [&tags] { return tags.pageDirectory(); };
    host.services.reportFailure = [this](const QString& title, const QString& text) { m_window.reportFailure(title, text); };

    m_pageId = activePageId();
    m_wizard = new TTemplateWizeGuy(std::move(host), &m_window);
    // The preview takes the editor's place while the wizard is open, and gives it back however
    // the wizard closes.
    QSplitter* split = m_window.splitScreen();
    m_savedSplit = split->sizes();
    int total = 0;
    for (int size : m_savedSplit)
        total += size;
    split->setSizes({0, total});
    connect(m_wizard, &QObject::destroyed, split, [split, saved = m_savedSplit] { split->setSizes(saved); });
    m_wizard->show();
}

void TemplateWiring::followPages()
{
    if (!m_wizard)
        return;
    if (!isOpen(m_pageId)) {
        m_wizard->close();
        return;
    }
    m_wizard->setPageCurrent(activePageId() == m_pageId);
}

quint64 TemplateWiring::activePageId() const
{
    const PageManager& pages = m_window.workspace().pages();
    const int active = pages.activeIndex();
    return active >= 0 && active < pages.pageCount() ? pages.page(active).id : 0;
}

bool TemplateWiring::isOpen(quint64 pageId) const
{
    const PageManager& pages = m_window.workspace().pages();
    for (int i = 0; i < pages.pageCount(); ++i) {
        if (pages.page(i).id == pageId)
            return true;
    }
    return false;
}
