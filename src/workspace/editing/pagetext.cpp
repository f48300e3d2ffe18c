#include "workspace/editing/pagetext.h"

#include "editor/tledit.h"

#include <algorithm>
#include <climits>

namespace PageText {

namespace {

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n')
        || c == QLatin1Char('\f');
}

bool isLineEnd(QChar c)
{
    return c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

bool endsName(const QString& text, int at)
{
    return at >= text.size() || isBlank(text.at(at)) || text.at(at) == QLatin1Char('>') || text.at(at) == QLatin1Char('/');
}

bool startsWithNoCase(const QString& text, int at, QStringView word)
{
    return at + word.size() <= text.size()
        && QStringView(text).mid(at, word.size()).compare(word, Qt::CaseInsensitive) == 0;
}

} // namespace

QString applied(const QString& text, const TextEdit& edit)
{
    QString result = text;
    result.replace(edit.start, edit.end - edit.start, edit.replacement);
    return result;
}

QString lineEnd(const QString& text)
{
    for (int i = 0; i < text.size(); ++i) {
        if (text.at(i) == QLatin1Char('\n'))
            return QStringLiteral("\n");
        if (text.at(i) == QLatin1Char('\r'))
            return i + 1 < text.size() && text.at(i + 1) == QLatin1Char('\n') ? QStringLiteral("\r\n") : QStringLiteral("\r");
    }
    return QStringLiteral("\r\n");
}

LineColumn lineColumnAt(const QString& text, int offset)
{
    offset = std::clamp(offset, 0, static_cast<int>(text.size()));
    LineColumn result;
    int lineStart = 0;
    for (int i = 0; i < offset; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\r') && i + 1 < offset && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        else if (!isLineEnd(c))
            continue;
        ++result.line;
        lineStart = i + 1;
    }
    result.column = offset - lineStart;
    return result;
}

int offsetAt(const QString& text, int line, int column)
{
    int offset = 0;
    for (int current = EditorLine::first; current < line && offset < text.size(); ++current) {
        while (offset < text.size() && !isLineEnd(text.at(offset)))
            ++offset;
        if (offset < text.size() && text.at(offset) == QLatin1Char('\r') && offset + 1 < text.size()
            && text.at(offset + 1) == QLatin1Char('\n'))
            ++offset;
        if (offset < text.size())
            ++offset;
    }
    int lineEndAt = offset;
    while (lineEndAt < text.size() && !isLineEnd(text.at(lineEndAt)))
        ++lineEndAt;
    return offset + std::clamp(column, 0, lineEndAt - offset);
}

int Tag::indexOf(QStringView name) const
{
    for (int i = 0; i < attributes.size(); ++i) {
        if (QStringView(attributes.at(i).name).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

std::optional<Tag> readTag(const QString& text, int start)
{
    const int size = static_cast<int>(text.size());
    if (start < 0 || start >= size || text.at(start) != QLatin1Char('<'))
        return std::nullopt;
    Tag tag;
    tag.start = start;
    int pos = start + 1;
    while (pos < size && !endsName(text, pos))
        ++pos;
    tag.nameEnd = pos;

    while (pos < size) {
        const QChar c = text.at(pos);
        if (isBlank(c)) {
            ++pos;
            continue;
        }
        if (c == QLatin1Char('>')) {
            tag.contentEnd = pos > tag.nameEnd && text.at(pos - 1) == QLatin1Char('/') ? pos - 1 : pos;
            tag.end = pos + 1;
            return tag;
        }
        if (c == QLatin1Char('/')) {
            ++pos;
            continue;
        }

        TagAttribute attribute;
        attribute.start = pos;
        ++pos; // a name has at least one character, even "=" standing alone
        while (pos < size && !isBlank(text.at(pos)) && text.at(pos) != QLatin1Char('=') && text.at(pos) != QLatin1Char('>')
            && text.at(pos) != QLatin1Char('/'))
            ++pos;
        attribute.name = text.mid(attribute.start, pos - attribute.start);
        attribute.end = pos;
        int after = pos;
        while (after < size && isBlank(text.at(after)))
            ++after;
        if (after < size && text.at(after) == QLatin1Char('=')) {
            ++after;
            while (after < size && isBlank(text.at(after)))
                ++after;
            attribute.hasValue = true;
            if (after < size && (text.at(after) == QLatin1Char('"') || text.at(after) == QLatin1Char('\''))) {
                attribute.quote = text.at(after);
                const int closing = static_cast<int>(text.indexOf(attribute.quote, after + 1));
                const int bracket = static_cast<int>(text.indexOf(QLatin1Char('>'), after + 1));
                attribute.valueStart = after + 1;
                if (closing >= 0) {
                    attribute.valueEnd = closing;
                    attribute.end = closing + 1;
                } else if (bracket >= 0) {
                    // An open quote: the value ends with the tag rather than with the page.
                    attribute.valueEnd = bracket;
                    attribute.end = bracket;
                } else {
                    return std::nullopt;
                }
            } else {
                attribute.valueStart = after;
                int valueEnd = after;
                while (valueEnd < size && !isBlank(text.at(valueEnd)) && text.at(valueEnd) != QLatin1Char('>'))
                    ++valueEnd;
                attribute.valueEnd = valueEnd;
                attribute.end = valueEnd;
            }
            attribute.value = text.mid(attribute.valueStart, attribute.valueEnd - attribute.valueStart);
            pos = attribute.end;
        }
        tag.attributes.append(attribute);
    }
    return std::nullopt;
}

int findTagStart(const QString& text, QStringView name, int from)
{
    int pos = std::max(0, from);
    while (true) {
        pos = static_cast<int>(text.indexOf(QLatin1Char('<'), pos));
        if (pos < 0)
            return -1;
        if (startsWithNoCase(text, pos, u"<!--")) {
            const int close = static_cast<int>(text.indexOf(QStringLiteral("-->"), pos + 4));
            if (close < 0)
                return -1;
            pos = close + 3;
            continue;
        }
        if (startsWithNoCase(text, pos + 1, name) && endsName(text, pos + 1 + static_cast<int>(name.size())))
            return pos;
        ++pos;
    }
}

std::optional<Tag> findTag(const QString& text, QStringView name, int from)
{
    const int start = findTagStart(text, name, from);
    return start < 0 ? std::nullopt : readTag(text, start);
}

std::optional<Tag> findClosingTag(const QString& text, QStringView name, int from)
{
    int pos = std::max(0, from);
    while (true) {
        pos = static_cast<int>(text.indexOf(QStringLiteral("</"), pos));
        if (pos < 0)
            return std::nullopt;
        const int nameEnd = pos + 2 + static_cast<int>(name.size());
        if (startsWithNoCase(text, pos + 2, name) && endsName(text, nameEnd)) {
            int close = nameEnd;
            while (close < text.size() && isBlank(text.at(close)))
                ++close;
            if (close < text.size() && text.at(close) == QLatin1Char('>')) {
                Tag tag;
                tag.start = pos;
                tag.nameEnd = nameEnd;
                tag.contentEnd = close;
                tag.end = close + 1;
                return tag;
            }
        }
        pos += 2;
    }
}

std::optional<Tag> tagAround(const QString& text, QStringView name, int offset)
{
    int from = 0;
    while (auto tag = findTag(text, name, from)) {
        if (tag->start > offset)
            return std::nullopt;
        if (offset < tag->end)
            return tag;
        from = tag->end;
    }
    return std::nullopt;
}

TextEdit insertOnOwnLine(const QString& text, int offset, const QString& markup)
{
    const QString eol = lineEnd(text);
    const bool atLineStart = offset == 0 || isLineEnd(text.at(offset - 1));
    bool moreOnLine = false;
    for (int i = offset; i < text.size() && !isLineEnd(text.at(i)); ++i) {
        if (!isBlank(text.at(i))) {
            moreOnLine = true;
            break;
        }
    }
    TextEdit edit;
    edit.start = offset;
    edit.end = offset;
    edit.replacement = (atLineStart ? QString() : eol) + markup + (moreOnLine ? eol : QString());
    edit.selectionStart = offset + (atLineStart ? 0 : static_cast<int>(eol.size())) + static_cast<int>(markup.size());
    edit.selectionEnd = edit.selectionStart;
    return edit;
}

QString quotedValue(const QString& value)
{
    QString escaped = value;
    escaped.replace(QLatin1Char('"'), QStringLiteral("&quot;"));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QString rewriteTag(const QString& text, const Tag& tag, const QList<AttributeChange>& changes)
{
    struct Splice {
        int start;
        int end;
        QString text;
    };
    QList<Splice> splices;
    int appendAt = tag.nameEnd;
    for (const TagAttribute& attribute : tag.attributes)
        appendAt = std::max(appendAt, attribute.end);
    QString appended;

    for (const AttributeChange& change : changes) {
        if (!change.value) {
            for (const TagAttribute& attribute : tag.attributes) {
                if (QStringView(attribute.name).compare(change.name, Qt::CaseInsensitive) != 0)
                    continue;
                int from = attribute.start;
                while (from > tag.nameEnd && isBlank(text.at(from - 1)))
                    --from;
                splices.append({ from, attribute.end, QString() });
            }
            continue;
        }
        const int index = tag.indexOf(change.name);
        if (index < 0) {
            appended += QLatin1Char(' ') + change.name + QLatin1Char('=') + quotedValue(*change.value);
            continue;
        }
        const TagAttribute& attribute = tag.attributes.at(index);
        if (attribute.hasValue && attribute.value == *change.value)
            continue;
        splices.append({ attribute.start, attribute.end, attribute.name + QLatin1Char('=') + quotedValue(*change.value) });
    }
    if (!appended.isEmpty())
        splices.append({ appendAt, appendAt, appended });

    std::sort(splices.begin(), splices.end(), [](const Splice& a, const Splice& b) { return a.start > b.start; });
    QString result = text.mid(tag.start, tag.end - tag.start);
    int lastStart = INT_MAX;
    for (const Splice& splice : splices) {
        if (splice.end > lastStart)
            continue; // two changes to one attribute: the first one listed wins
        result.replace(splice.start - tag.start, splice.end - splice.start, splice.text);
        lastStart = splice.start;
    }
    return result;
}

EditorSelection selectionOf(const QString& text, int start, int end)
{
    const LineColumn from = lineColumnAt(text, start);
    const LineColumn to = lineColumnAt(text, end);
    return EditorSelection { from.column, to.column, from.line, to.line };
}

void applyToEditor(TLEdit* editor, const QString& text, const TextEdit& edit)
{
    if (!editor)
        return;
    if (edit.start != edit.end || !edit.replacement.isEmpty()) {
        editor->SetSelection(selectionOf(text, edit.start, edit.end));
        editor->replaceSelection(edit.replacement);
    }
    editor->SetSelection(selectionOf(applied(text, edit), edit.selectionStart, edit.selectionEnd));
    editor->ensureCaretVisible();
}

} // namespace PageText
