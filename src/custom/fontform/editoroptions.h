#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include <span>

struct TesseraSettings;

// The look the editor options dialog edits: the page editor's font, colours and behaviour, the
// colours of highlighted tags and the preview's default font and colours.
struct EditorOptions {
    QFont editorFont;
    QColor textColor;
    QColor windowColor;
    QColor tagForeground;
    QColor tagBackground;
    QColor selectedForeground;
    QColor selectedBackground;
    int tabSize = 5;
    bool autoIndent = true;
    bool wordWrap = false;
    bool expandToHtml = true;
    // A stored "FileFormat" code (LineEndStyle).
    int fileFormat = 0;
    QString previewFontName;
    int previewFontSize = 12;
    QColor previewFontColor;
    QColor previewBackground;
};

// One of the colours every colour drop-down offers, by name and stored value (0x00BBGGRR).
struct NamedColour {
    const char* name;
    qint64 value;
};

// The eighteen named colours in the order the drop-downs list them.
std::span<const NamedColour> namedColours();

// Writes the options into the settings record as OK records them, colours and sizes as decimal
// text; the tab stop goes with them, so it survives a restart.
void recordEditorOptions(const EditorOptions& options, TesseraSettings& settings);
