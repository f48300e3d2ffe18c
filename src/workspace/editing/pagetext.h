#pragma once

#include "editor/editorselection.h"

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

class TLEdit;

// Reading and rewriting a page's HTML source as plain text. Offsets count UTF-16 units from the
// start of the text, like QString indexes; ranges are half open, [start, end).
namespace PageText {

// One replacement in a text, and the selection to show once it is made (offsets in the new text).
struct TextEdit {
    int start = 0;
    int end = 0;
    QString replacement;
    int selectionStart = 0;
    int selectionEnd = 0;

    bool operator==(const TextEdit&) const = default;
};

QString applied(const QString& text, const TextEdit& edit);

// The line end the page already uses (the first one in it); CR LF for a text without one.
QString lineEnd(const QString& text);

// Editor line (first line 1) and column of an offset; a CR LF pair, a lone CR and a lone LF each
// end a line, as in the editor.
struct LineColumn {
    int line = 1;
    int column = 0;
    bool operator==(const LineColumn&) const = default;
};
LineColumn lineColumnAt(const QString& text, int offset);
int offsetAt(const QString& text, int line, int column);

// One attribute of a tag, with its place in the text. A value in quotes has valueStart/valueEnd
// inside the quotes; `end` is past the closing quote.
struct TagAttribute {
    QString name; // as written
    QString value;
    bool hasValue = false;
    QChar quote; // '"', '\'' or null for an unquoted value
    int start = 0;
    int end = 0;
    int valueStart = 0;
    int valueEnd = 0;
};

struct Tag {
    int start = 0;     // the "<"
    int end = 0;       // past the ">"
    int nameEnd = 0;   // past the tag name
    int contentEnd = 0; // where the closing ">" or "/>" starts
    QList<TagAttribute> attributes;

    // The first attribute of that name, compared ignoring case; -1 when there is none.
    int indexOf(QStringView name) const;
};

// Reads the tag whose "<" stands at `start`. A quoted value may hold ">"; a quote left open
// ends at the next ">" instead of swallowing the page. Nothing without a closing ">".
std::optional<Tag> readTag(const QString& text, int start);

// Where the first opening tag of that element at or after `from` starts, by whole name and
// ignoring case ("<body" does not find "<bodyx"), outside comments; -1 when there is none.
int findTagStart(const QString& text, QStringView name, int from = 0);
// That tag, read; nothing when there is none or when it never closes. It may span lines.
std::optional<Tag> findTag(const QString& text, QStringView name, int from = 0);

// The first closing tag "</name>" at or after `from`, ignoring case and blanks before ">".
std::optional<Tag> findClosingTag(const QString& text, QStringView name, int from = 0);

// The opening tag of that element that contains `offset` (inside its brackets), if any.
std::optional<Tag> tagAround(const QString& text, QStringView name, int offset);

// Where a new line of markup goes after `offset` (the end of a tag): the text to insert there
// is lineEnd + markup, followed by another line end when more text follows on that line.
TextEdit insertOnOwnLine(const QString& text, int offset, const QString& markup);

// A value written into a double-quoted attribute.
QString quotedValue(const QString& value);

// A change to one attribute of a tag: a value sets it (the first of that name keeps its place
// and the way its name is written; an attribute not there yet is added at the end under `name`);
// no value removes every attribute of that name.
struct AttributeChange {
    QString name;
    std::optional<QString> value;
};

// The tag's text with the changes made; everything else in it stays exactly as written, and an
// attribute whose value is already the one asked for is not rewritten.
QString rewriteTag(const QString& text, const Tag& tag, const QList<AttributeChange>& changes);

// Applies an edit to an editor whose text is `text` as one undo step and shows the selection.
void applyToEditor(TLEdit* editor, const QString& text, const TextEdit& edit);

EditorSelection selectionOf(const QString& text, int start, int end);

} // namespace PageText
