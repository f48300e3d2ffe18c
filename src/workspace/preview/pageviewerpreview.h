#pragma once

#include "viewer/control/pageviewer.h"
#include "workspace/preview/previewviewer.h"

namespace tessera::workspace {

// A page viewer as the preview commands see it.
class PageViewerPreview : public PreviewViewer {
public:
    explicit PageViewerPreview(viewer::TPageViewer& viewer) : m_viewer(viewer) {}

    bool isProcessing() const override { return m_viewer.processing(); }
    std::uint32_t position() const override { return m_viewer.Position(); }
    void setPosition(std::uint32_t value) override { m_viewer.setPosition(value); }
    bool loadText(const QByteArray& text, QString& error) override
    {
        bool ok = m_viewer.LoadTextBlock(text);
        error = ok ? QString() : m_viewer.lastError();
        return ok;
    }
    void clear() override { m_viewer.Clear(); }
    int historyPos() const override { return m_viewer.HistoryPos(); }
    void setHistoryPos(int index) override { m_viewer.setHistoryPos(index); }
    QStringList history() const override { return m_viewer.historyFiles(); }
    QString title() const override { return m_viewer.TitleText(); }
    bool viewImages() const override { return m_viewer.ViewImages(); }
    void setViewImages(bool on) override { m_viewer.setViewImages(on); }
    int selectionLength() const override { return m_viewer.SelectionLength(); }
    QString selectedText() const override { return m_viewer.selectedText(); }
    QString documentText() const override { return m_viewer.documentText(); }
    void goToBottom() override { m_viewer.setVerticalPosition(m_viewer.scrollRange()); }
    bool showSourceOffset(std::size_t offset) override
    {
        // The offsets are the editor text's; a page reached through a link has other ones.
        return m_viewer.ShownFileName().isEmpty() && m_viewer.showSourceOffset(offset);
    }
    viewer::TPageViewer& viewer() { return m_viewer; }

private:
    viewer::TPageViewer& m_viewer;
};

} // namespace tessera::workspace
