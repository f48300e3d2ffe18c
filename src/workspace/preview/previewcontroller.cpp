#include "workspace/preview/previewcontroller.h"

#include <QAction>
#include <QApplication>

namespace tessera::workspace {

namespace {

constexpr int kHistoryItems = 10;

// Puts the tool panel and the cursor back however a refresh ends.
class BusyScope {
public:
    explicit BusyScope(const PreviewHost& host) : m_host(host)
    {
        if (m_host.setToolsEnabled)
            m_host.setToolsEnabled(false);
        QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyScope()
    {
        QApplication::restoreOverrideCursor();
        if (m_host.setToolsEnabled)
            m_host.setToolsEnabled(true);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    const PreviewHost& m_host;
};

} // namespace

HistoryState historyStateOf(const PreviewViewer& viewer)
{
    HistoryState state;
    QStringList history = viewer.history();
    int index = viewer.historyPos();
    state.forwardEnabled = index > 0;
    state.backEnabled = history.size() > index;
    state.menuVisible = !history.isEmpty();
    state.items = history.mid(0, kHistoryItems);
    state.checked = index < state.items.size() ? index : -1;
    state.caption = viewer.title();
    return state;
}

void applyHistoryState(const HistoryState& state, QAction* historyMenu, const QList<QAction*>& entries,
                       QAction* backAction, QAction* forwardAction)
{
    if (historyMenu)
        historyMenu->setVisible(state.menuVisible);
    for (int i = 0; i < entries.size(); ++i) {
        QAction* entry = entries[i];
        bool used = i < state.items.size();
        entry->setVisible(used);
        if (used) {
            // A file name with "&" must not turn into a shortcut.
            entry->setText(QString(state.items[i]).replace(QLatin1Char('&'), QLatin1String("&&")));
            entry->setCheckable(true);
            entry->setChecked(i == state.checked);
        }
    }
    if (backAction)
        backAction->setEnabled(state.backEnabled);
    if (forwardAction)
        forwardAction->setEnabled(state.forwardEnabled);
}

QString imageNameOfLink(const QString& src)
{
    qsizetype cut = std::max({src.lastIndexOf(QLatin1Char('\\')), src.lastIndexOf(QLatin1Char('/')),
                              src.lastIndexOf(QLatin1Char(':'))});
    return src.mid(cut + 1);
}

PreviewController::PreviewController(PreviewHost host, QObject* parent) : QObject(parent), m_host(std::move(host))
{
    m_liveTimer.setSingleShot(true);
    m_liveTimer.setInterval(kLiveDelay);
    connect(&m_liveTimer, &QTimer::timeout, this, &PreviewController::UpdateWebView);
    m_retry.setSingleShot(true);
    m_retry.setInterval(0);
    connect(&m_retry, &QTimer::timeout, this, &PreviewController::UpdateWebView);
}

void PreviewController::setViewers(PreviewViewer* split, PreviewViewer* full)
{
    m_split = split;
    m_full = full;
}

void PreviewController::UpdateWebView()
{
    if (!m_split)
        return;
    if (!m_fullScreen && m_split->isProcessing()) {
        // Not dropped: it runs as soon as the current load has ended.
        m_retry.start();
        return;
    }
    RefreshViewer(m_split->position(), m_split);
}

std::optional<QString> PreviewController::renderedText()
{
    if (!m_split || m_split->isProcessing())
        return std::nullopt;
    if (!RefreshViewer(m_split->position(), m_split))
        return std::nullopt;
    return m_split->documentText();
}

bool PreviewController::RefreshViewer(std::uint32_t position, PreviewViewer* viewer)
{
    if (!viewer)
        return false;
    if (viewer->isProcessing()) {
        if (viewer == m_split)
            m_retry.start();
        return false;
    }
    ++m_refreshes;
    QString error;
    {
        BusyScope busy(m_host);
        QByteArray text = m_host.editorText ? m_host.editorText() : QByteArray();
        if (text.isEmpty()) {
            viewer->clear();
        } else {
            viewer->loadText(text, error);
            viewer->setPosition(position);
            if (m_followCaret && m_caretKnown && viewer == m_split)
                viewer->showSourceOffset(m_caret);
        }
    }
    if (error.isEmpty())
        return true;
    if (m_host.showMessage)
        m_host.showMessage(error);
    return false;
}

void PreviewController::editorChanged()
{
    // Not restarted by later keystrokes: a burst is shown by one render, and never later than
    // the delay after its first keystroke.
    if (m_live && !m_liveTimer.isActive())
        m_liveTimer.start();
}

void PreviewController::commandChangedPage()
{
    if (!m_live)
        UpdateWebView();
}

void PreviewController::caretMoved(std::size_t sourceOffset)
{
    m_caret = sourceOffset;
    m_caretKnown = true;
    // A refresh on its way shows the caret in the new text; the old one has other offsets.
    if (m_followCaret && m_split && !m_split->isProcessing() && !refreshPending())
        m_split->showSourceOffset(sourceOffset);
}

void PreviewController::View1Click()
{
    if (!m_fullScreen) {
        if (m_fullScreenHelper && m_host.showHelper)
            m_fullScreenHelper = m_host.showHelper(kFullScreenHelper);
        m_fullScreen = true;
        if (m_host.setSplitShown)
            m_host.setSplitShown(false);
        RefreshViewer(0, m_full);
        if (m_host.setFullScreenTexts)
            m_host.setFullScreenTexts(QStringLiteral("View HTML document in split screen"), QStringLiteral("&View Split Screen"));
    } else {
        m_fullScreen = false;
        if (m_host.setFullScreenTexts)
            m_host.setFullScreenTexts(QStringLiteral("View HTML document in full screen"), QStringLiteral("&View Full Screen"));
        if (m_host.setSplitShown)
            m_host.setSplitShown(true);
    }
}

void PreviewController::HideFullScreen()
{
    if (m_fullScreen)
        View1Click();
}

bool PreviewController::Viewinlineimages1Click()
{
    if (m_imageHelper && m_host.showHelper && m_host.editorEnabled && m_host.editorEnabled())
        m_imageHelper = m_host.showHelper(kImageHelper);
    bool on = m_split ? !m_split->viewImages() : (m_full ? !m_full->viewImages() : false);
    if (m_full)
        m_full->setViewImages(on);
    if (m_split)
        m_split->setViewImages(on);
    return on;
}

void PreviewController::HTMLSplitHotSpotCovered(const QString& src)
{
    if (m_host.setStatusLink)
        m_host.setStatusLink(src);
}

void PreviewController::HTMLSplitHotSpotClick(const QString& src, bool* handled)
{
    if (src.toLower().contains(QLatin1String(".gif")) && m_host.setImageName)
        m_host.setImageName(imageNameOfLink(src));
    if (handled)
        *handled = false;
}

void PreviewController::HTMLSplitHistoryChange(PreviewViewer* viewer)
{
    if (viewer && m_host.showHistory)
        m_host.showHistory(historyStateOf(*viewer));
}

void PreviewController::HistoryClick(int tag)
{
    for (PreviewViewer* viewer : {m_split, m_full}) {
        if (viewer)
            viewer->setHistoryPos(tag);
    }
}

void PreviewController::FwdBackClick(bool back)
{
    for (PreviewViewer* viewer : {m_split, m_full}) {
        if (!viewer)
            continue;
        int index = viewer->historyPos();
        if (back) {
            // Behind the oldest entry is the editor's own page.
            if (viewer->history().size() == index + 1)
                RefreshViewer(viewer->position(), viewer);
            viewer->setHistoryPos(index + 1);
        } else {
            viewer->setHistoryPos(index - 1);
        }
    }
}

PreviewViewer* PreviewController::shownViewer() const
{
    return m_fullScreen && m_full ? m_full : m_split;
}

void PreviewController::Gototop1Click()
{
    if (PreviewViewer* viewer = shownViewer())
        viewer->setPosition(0);
}

void PreviewController::Gotobottom1Click()
{
    if (PreviewViewer* viewer = shownViewer())
        viewer->goToBottom();
}

PreviewController::PopupState PreviewController::HTMLPopupPopup() const
{
    PopupState state;
    state.itemsEnabled = m_host.editorEnabled && m_host.editorEnabled();
    const PreviewViewer* viewer = shownViewer();
    state.searchSourceEnabled = state.itemsEnabled && viewer && viewer->selectionLength() != 0;
    return state;
}

void PreviewController::SearchSourceClick()
{
    PreviewViewer* viewer = shownViewer();
    if (!viewer || viewer->selectionLength() == 0)
        return;
    if (m_fullScreen)
        HideFullScreen();
    if (m_host.editorGoToTop)
        m_host.editorGoToTop();
    QString text = viewer->selectedText();
    // The selection may end with a line end, which the page source need not have there; only
    // that one line end goes, whatever its kind.
    if (text.endsWith(QLatin1String("\r\n")))
        text.chop(2);
    else if (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    if (!text.isEmpty() && m_host.editorFind)
        m_host.editorFind(text);
}

} // namespace tessera::workspace
