#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace tessera::workspace {

// What the preview commands need from a viewer control. The main window hands in its two
// viewers through this, so these commands can be tested with stand-ins.
class PreviewViewer {
public:
    virtual ~PreviewViewer() = default;
    virtual bool isProcessing() const = 0;
    virtual std::uint32_t position() const = 0;
    virtual void setPosition(std::uint32_t value) = 0;
    // False on an error; `error` gets its message.
    virtual bool loadText(const QByteArray& text, QString& error) = 0;
    virtual void clear() = 0;
    virtual int historyPos() const = 0;
    virtual void setHistoryPos(int index) = 0;
    virtual QStringList history() const = 0;
    virtual QString title() const = 0;
    virtual bool viewImages() const = 0;
    virtual void setViewImages(bool on) = 0;
    virtual int selectionLength() const = 0;
    // The selected text, read without touching the clipboard.
    virtual QString selectedText() const = 0;
    // The whole document's text as displayed, without markup; also read without the clipboard.
    virtual QString documentText() const = 0;
    virtual void goToBottom() = 0;
    // Brings the text read from a source byte offset into view; false when none stems from it.
    virtual bool showSourceOffset(std::size_t) { return false; }
};

} // namespace tessera::workspace
