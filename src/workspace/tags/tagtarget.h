#pragma once

#include "editor/editorselection.h"

#include <QString>
#include <QStringList>

#include <utility>

class TLEdit;

// What the insertion rules need from an editor: read and apply the selection, read the selected
// text, and replace the selection (the caret ends after the new text). The rules are written once
// against this and run on the real editor or on a plain text buffer.
class TagTarget {
public:
    virtual ~TagTarget() = default;
    virtual EditorSelection selection() = 0;
    virtual void setSelection(const EditorSelection& selection) = 0;
    virtual QString selectedText() = 0;
    virtual void replaceSelection(const QString& text) = 0;
};

// The page editor as a target.
class EditorTagTarget final : public TagTarget {
public:
    explicit EditorTagTarget(TLEdit& editor)
        : m_editor(editor)
    {
    }
    EditorSelection selection() override;
    void setSelection(const EditorSelection& selection) override;
    QString selectedText() override;
    void replaceSelection(const QString& text) override;

private:
    TLEdit& m_editor;
};

// A text with lines separated by "\n" and a selection in editor lines (first line 1) and
// columns, for checking the rules without widgets.
class TextTagTarget final : public TagTarget {
public:
    explicit TextTagTarget(QString text = {}, EditorSelection selection = {0, 0, 1, 1});
    QString text() const { return m_lines.join(QLatin1Char('\n')); }
    EditorSelection selection() override { return m_selection; }
    void setSelection(const EditorSelection& selection) override;
    QString selectedText() override;
    void replaceSelection(const QString& text) override;

private:
    int offsetOf(int line, int column) const;
    void lineColumnOf(int offset, int* line, int* column) const;

    QStringList m_lines;
    EditorSelection m_selection;
};

// The text rules of tag insertion, free of any editor.
namespace TagRules {

// The closing tag is the opening tag with "/" as its second character: <B> gives </B>, and
// <FONT SIZE=3> gives </FONT SIZE=3> (custom buttons rely on exactly this).
QString closingTagFor(const QString& openingTag);

// Splits after the first ">": <P ALIGN="left"></P> gives <P ALIGN="left"> and </P>.
std::pair<QString, QString> captionAsTag(const QString& caption);

// Opening and closing text of a two-tag line such as <A HREF="">..</A> - anchor.
std::pair<QString, QString> unevenTags(const QString& line);

// "<" + the text before the first blank + ">": "H1 - Size 1" gives <H1>.
QString firstWordAsTag(const QString& caption);

// The smaller end of the selection, lines first.
EditorSelection normalisedStart(const EditorSelection& selection);

} // namespace TagRules

// The insertion primitives on any target. They fix where the caret and selection end up.
namespace TagEdit {

void insertText(TagTarget& target, const QString& text);
// Wraps the selection in the two texts. A selection stays selected as a whole, wrapping
// included; without one the caret stands just before the closing text.
void insertSelected2(TagTarget& target, const QString& opening, const QString& closing);
void insertSelected(TagTarget& target, const QString& openingTag);
void insertCaptionAsTag(TagTarget& target, const QString& caption);
void createUnevenTags(TagTarget& target, const QString& line);
// Each line followed by a line break, the last one too, replacing the selection.
void insertLines(TagTarget& target, const QStringList& lines, const QString& lineBreak);

} // namespace TagEdit
