#pragma once

#include "workspace/preview/previewviewer.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;

namespace tessera::workspace {

// What the History menu, the back and forward buttons and the window caption show after a
// viewer's history changed.
struct HistoryState {
    bool forwardEnabled = false;
    bool backEnabled = false;
    bool menuVisible = false;
    QStringList items; // at most ten
    int checked = -1;
    QString caption;
};
HistoryState historyStateOf(const PreviewViewer& viewer);
// Applies a state to the History menu item and its ten entries (hidden beyond the history).
void applyHistoryState(const HistoryState& state, QAction* historyMenu, const QList<QAction*>& entries,
                       QAction* backAction = nullptr, QAction* forwardAction = nullptr);

// The file part of a link after its last "\", "/" or ":", for the image name box.
QString imageNameOfLink(const QString& src);

// The main window's side of the preview: each hook is optional.
struct PreviewHost {
    std::function<QByteArray()> editorText;
    std::function<bool()> editorEnabled;
    std::function<void(bool)> setToolsEnabled; // the tool panel, around a refresh
    std::function<void(bool)> setSplitShown;   // the editor splitter and the tool panel
    std::function<void(const QString& hint, const QString& caption)> setFullScreenTexts;
    std::function<void(const QString&)> showMessage;
    std::function<bool(int helper)> showHelper; // the one-time helper texts; returns the new flag
    std::function<void(const QString&)> setStatusLink;
    std::function<void(const QString&)> setImageName;
    std::function<void()> editorGoToTop;
    std::function<void(const QString&)> editorFind;
    std::function<void(const HistoryState&)> showHistory;
};

// Reloads the preview from the editor text keeping the reader's place, switches between the
// split and the full-screen view, moves through the preview history and runs the preview's
// pop-up commands.
class PreviewController : public QObject {
    Q_OBJECT

public:
    static constexpr int kFullScreenHelper = 2;
    static constexpr int kImageHelper = 5;
    // How long a live refresh waits for more keystrokes.
    static constexpr int kLiveDelay = 25;

    explicit PreviewController(PreviewHost host, QObject* parent = nullptr);

    void setViewers(PreviewViewer* split, PreviewViewer* full);
    bool fullScreen() const { return m_fullScreen; }
    // The preview the user sees: the full-screen one while it is up, else the split one. The
    // pop-up's commands act on it.
    PreviewViewer* shownViewer() const;
    void setLivePreview(bool on) { m_live = on; }
    bool livePreview() const { return m_live; }
    void setHelperFlags(bool fullScreen, bool images)
    {
        m_fullScreenHelper = fullScreen;
        m_imageHelper = images;
    }

    void UpdateWebView();
    // Renders the page in the split preview and returns its text as displayed; nothing when
    // the page could not be rendered (the message has been shown) or a load is still running.
    std::optional<QString> renderedText();
    // False when the viewer was busy or the page could not be shown (the message has been shown).
    bool RefreshViewer(std::uint32_t position, PreviewViewer* viewer);
    // The editor text changed; with live preview on the preview follows, at most one
    // refresh waiting at any time.
    void editorChanged();
    // A command changed the page; without live preview (which follows every change anyway) the
    // preview is refreshed at once.
    void commandChangedPage();
    bool refreshPending() const { return m_liveTimer.isActive() || m_retry.isActive(); }

    void View1Click();
    void HideFullScreen();
    // Returns the new show-images setting.
    bool Viewinlineimages1Click();
    void HTMLSplitHotSpotCovered(const QString& src);
    void HTMLSplitHotSpotClick(const QString& src, bool* handled);
    void HTMLSplitHistoryChange(PreviewViewer* viewer);
    void HistoryClick(int tag);
    void FwdBackClick(bool back);
    void Gototop1Click();
    void Gotobottom1Click();
    void SearchSourceClick();

    struct PopupState {
        bool itemsEnabled = false;
        bool searchSourceEnabled = false;
    };
    PopupState HTMLPopupPopup() const;

    // With follow-caret on (off by default) the split preview keeps the caret's part of the
    // page in view, after refreshes too.
    void setFollowCaret(bool on) { m_followCaret = on; }
    bool followCaret() const { return m_followCaret; }
    void caretMoved(std::size_t sourceOffset);

    int refreshCount() const { return m_refreshes; }

private:
    PreviewHost m_host;
    PreviewViewer* m_split = nullptr;
    PreviewViewer* m_full = nullptr;
    bool m_fullScreen = false;
    bool m_live = false;
    bool m_fullScreenHelper = true;
    bool m_imageHelper = true;
    QTimer m_liveTimer;
    QTimer m_retry;
    int m_refreshes = 0;
    bool m_followCaret = false;
    std::size_t m_caret = 0;
    bool m_caretKnown = false;
};

} // namespace tessera::workspace
