#pragma once

#include "workspace/tags/taginserter.h"

#include <QObject>
#include <QString>

#include <functional>

class TLEdit;
struct TLEditKeyPress;

// The HTML named entity for a typed Latin-1 letter 0xC0-0xFF ("&eacute;" for "é"); empty for
// every other character, including 0xD7 and 0xF7.
QString characterEntity(QChar c);

// Watches the keys typed into one editor: Enter adds <BR> first when "UseBR" is on, Ctrl+Enter
// always does, and with "ExpandCharstoHTML" the accented letters become entities. The changes
// go into the editor that received the key, never into another one.
class TypedKeyFilter : public QObject {
    Q_OBJECT
public:
    TypedKeyFilter(TLEdit* editor, std::function<TagOptions()> options, QObject* parent = nullptr);

    TLEdit* editor() const { return m_editor; }

Q_SIGNALS:
    // A character key was handled: the editor's modified flag is set (enable Save for the page).
    void edited();

private:
    void WebPageKeyPress(TLEditKeyPress* press);

    TLEdit* m_editor;
    std::function<TagOptions()> m_options;
};
