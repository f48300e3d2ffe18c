#include "workspace/tags/tagtarget.h"

#include "editor/editorline.h"
#include "editor/tledit.h"

#include <algorithm>

EditorSelection EditorTagTarget::selection()
{
    return m_editor.GetSelection();
}

void EditorTagTarget::setSelection(const EditorSelection& selection)
{
    m_editor.SetSelection(selection);
}

QString EditorTagTarget::selectedText()
{
    return m_editor.GetSelText();
}

void EditorTagTarget::replaceSelection(const QString& text)
{
    m_editor.InsertText(text);
}

// ---- plain text target ---------------------------------------------------------------------

TextTagTarget::TextTagTarget(QString text, EditorSelection selection)
    : m_lines(text.split(QLatin1Char('\n')))
{
    setSelection(selection);
}

void TextTagTarget::setSelection(const EditorSelection& selection)
{
    // Clamp as the editor does, so a test cannot select past the text.
    auto clampLine = [this](int line) { return std::clamp(line, EditorLine::first, int(m_lines.size())); };
    auto clampColumn = [this](int line, int column) {
        return std::clamp(column, 0, int(m_lines.at(EditorLine::toIndex(line)).size()));
    };
    m_selection.StartLine = clampLine(selection.StartLine);
    m_selection.EndLine = clampLine(selection.EndLine);
    m_selection.StartPos = clampColumn(m_selection.StartLine, selection.StartPos);
    m_selection.EndPos = clampColumn(m_selection.EndLine, selection.EndPos);
}

int TextTagTarget::offsetOf(int line, int column) const
{
    int offset = 0;
    for (int i = 0; i < EditorLine::toIndex(line); ++i)
        offset += m_lines.at(i).size() + 1;
    return offset + column;
}

void TextTagTarget::lineColumnOf(int offset, int* line, int* column) const
{
    int index = 0;
    while (index + 1 < m_lines.size() && offset > m_lines.at(index).size()) {
        offset -= m_lines.at(index).size() + 1;
        ++index;
    }
    *line = EditorLine::fromIndex(index);
    *column = offset;
}

QString TextTagTarget::selectedText()
{
    const int a = offsetOf(m_selection.StartLine, m_selection.StartPos);
    const int b = offsetOf(m_selection.EndLine, m_selection.EndPos);
    return text().mid(std::min(a, b), std::abs(b - a));
}

void TextTagTarget::replaceSelection(const QString& inserted)
{
    const int a = offsetOf(m_selection.StartLine, m_selection.StartPos);
    const int b = offsetOf(m_selection.EndLine, m_selection.EndPos);
    const int from = std::min(a, b);
    QString all = text();
    all.replace(from, std::abs(b - a), inserted);
    m_lines = all.split(QLatin1Char('\n'));
    int line = 0;
    int column = 0;
    lineColumnOf(from + inserted.size(), &line, &column);
    m_selection = {column, column, line, line};
}

// ---- rules ---------------------------------------------------------------------------------

QString TagRules::closingTagFor(const QString& openingTag)
{
    if (openingTag.isEmpty())
        return {};
    return openingTag.left(1) + QLatin1Char('/') + openingTag.mid(1);
}

std::pair<QString, QString> TagRules::captionAsTag(const QString& caption)
{
    const qsizetype close = caption.indexOf(QLatin1Char('>'));
    // Without a ">" the whole caption goes in front of the selection.
    if (close < 0)
        return {caption, {}};
    return {caption.left(close + 1), caption.mid(close + 1)};
}

std::pair<QString, QString> TagRules::unevenTags(const QString& line)
{
    static const QString dots = QStringLiteral("..");
    static const QString separator = QStringLiteral(" - ");
    QString opening;
    QString closing;
    const qsizetype split = line.indexOf(dots);
    if (split < 0) {
        opening = line;
    } else {
        opening = line.left(split);
        const QString rest = line.mid(split + dots.size());
        // The description starts at the first " - " after the dots; a "-" inside the closing
        // text itself (as in -->) belongs to the tag.
        const qsizetype description = rest.indexOf(separator);
        closing = description < 0 ? rest : rest.left(description);
    }
    // A bare tag name gets its brackets; a text that already has one of them (such as the -->
    // of a comment) is taken as written.
    auto wrapped = [](const QString& text) {
        const bool bare = !text.contains(QLatin1Char('<')) && !text.contains(QLatin1Char('>'));
        return text.isEmpty() || !bare ? text : QLatin1Char('<') + text + QLatin1Char('>');
    };
    return {wrapped(opening), wrapped(closing)};
}

QString TagRules::firstWordAsTag(const QString& caption)
{
    const qsizetype blank = caption.indexOf(QLatin1Char(' '));
    return QLatin1Char('<') + (blank < 0 ? caption : caption.left(blank)) + QLatin1Char('>');
}

EditorSelection TagRules::normalisedStart(const EditorSelection& s)
{
    const bool startFirst = s.StartLine < s.EndLine || (s.StartLine == s.EndLine && s.StartPos <= s.EndPos);
    const int line = startFirst ? s.StartLine : s.EndLine;
    const int column = startFirst ? s.StartPos : s.EndPos;
    return {column, column, line, line};
}

// ---- primitives ----------------------------------------------------------------------------

void TagEdit::insertText(TagTarget& target, const QString& text)
{
    target.selection();
    target.replaceSelection(text);
}

void TagEdit::insertSelected2(TagTarget& target, const QString& opening, const QString& closing)
{
    const EditorSelection before = target.selection();
    const EditorSelection start = TagRules::normalisedStart(before);
    const bool hadSelection = !before.isEmpty();
    const QString selected = hadSelection ? target.selectedText() : QString();
    target.replaceSelection(opening + selected + closing);
    const EditorSelection after = target.selection();
    if (hadSelection) {
        target.setSelection({start.StartPos, after.EndPos, start.StartLine, after.EndLine});
    } else {
        const int column = std::max(0, after.EndPos - int(closing.size()));
        target.setSelection({column, column, after.EndLine, after.EndLine});
    }
}

void TagEdit::insertSelected(TagTarget& target, const QString& openingTag)
{
    insertSelected2(target, openingTag, TagRules::closingTagFor(openingTag));
}

void TagEdit::insertCaptionAsTag(TagTarget& target, const QString& caption)
{
    const auto [opening, closing] = TagRules::captionAsTag(caption);
    insertSelected2(target, opening, closing);
}

void TagEdit::createUnevenTags(TagTarget& target, const QString& line)
{
    const auto [opening, closing] = TagRules::unevenTags(line);
    insertSelected2(target, opening, closing);
}

void TagEdit::insertLines(TagTarget& target, const QStringList& lines, const QString& lineBreak)
{
    QString text;
    for (const QString& line : lines)
        text += line + lineBreak;
    insertText(target, text);
}
