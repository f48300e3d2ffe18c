#pragma once

#include "viewer/control/pageviewer.h"
#include "workspace/preview/pageviewerpreview.h"
#include "workspace/preview/browserlauncher.h"
#include "workspace/preview/previewcontroller.h"

#include <QObject>

#include <memory>

class PageManager;
class QDialog;
class TForm1;
namespace tessera::workspace {
class TSubmitForm;
}

// Puts the split and full-screen previews into the main window and joins them to its commands,
// the page editor and the page tabs: refresh, live preview, full screen, inline images, history,
// links, form submissions and the external browsers.
class PreviewWiring : public QObject {
    Q_OBJECT
public:
    PreviewWiring(TForm1& window, PageManager& pages);
    ~PreviewWiring() override;

    tessera::viewer::TPageViewer& split() const { return *m_split; }
    tessera::viewer::TPageViewer& full() const { return *m_full; }
    tessera::workspace::PreviewController& controller() const { return *m_controller; }

    // Once the settings are read: live preview, inline images and the preview's look.
    void settingsRead();
    // Shows a page made by a command (not the editor's text) in the split preview.
    void showHtml(const QString& html);

private:
    tessera::workspace::PreviewHost makeHost();
    void wireCommands();
    void connectViewers();
    void launchBrowser(int browser);
    void showHelp();
    void showHistory(const tessera::workspace::HistoryState& state);
    void placeCaretAtSource(long long offset);
    // The editor caret moved: with follow-caret on, the split preview keeps it in view.
    void caretMoved();

    TForm1& m_window;
    PageManager& m_pages;
    tessera::viewer::TPageViewer* m_split = nullptr;
    tessera::viewer::TPageViewer* m_full = nullptr;
    std::unique_ptr<tessera::workspace::PageViewerPreview> m_splitPreview;
    std::unique_ptr<tessera::workspace::PageViewerPreview> m_fullPreview;
    tessera::workspace::PreviewController* m_controller = nullptr;
    tessera::workspace::DetachedProgramStarter m_starter;
    tessera::workspace::TSubmitForm* m_submitForm = nullptr;
    QDialog* m_help = nullptr;
    tessera::viewer::TPageViewer* m_helpViewer = nullptr;
};
