#include "workspace/editing/metaeditor.h"

namespace MetaEditor {

namespace {

QString valueOf(const PageText::Tag& tag, QStringView name)
{
    const int index = tag.indexOf(name);
    return index < 0 ? QString() : tag.attributes.at(index).value;
}

PageText::AttributeChange change(const QString& name, const QString& value)
{
    return { name, value.isEmpty() ? std::nullopt : std::optional<QString>(value) };
}

} // namespace

MetaFields GetMetaInfo(const PageText::Tag& tag)
{
    return { valueOf(tag, u"http-equiv"), valueOf(tag, u"name"), valueOf(tag, u"content") };
}

QString buildMetaTag(const MetaFields& fields)
{
    QString tag = QStringLiteral("<META ");
    if (!fields.httpEquiv.isEmpty())
        tag += QStringLiteral("HTTP-EQUIV=") + PageText::quotedValue(fields.httpEquiv) + QLatin1Char(' ');
    if (!fields.name.isEmpty())
        tag += QStringLiteral("NAME=") + PageText::quotedValue(fields.name) + QLatin1Char(' ');
    if (!fields.content.isEmpty())
        tag += QStringLiteral("CONTENT=") + PageText::quotedValue(fields.content) + QLatin1Char(' ');
    return tag + QLatin1Char('>');
}

MetaPlace findMeta(const QString& text, int caret)
{
    MetaPlace place;
    std::optional<PageText::Tag> tag = PageText::tagAround(text, u"meta", caret);
    if (!tag) {
        const int start = PageText::findTagStart(text, u"meta");
        if (start >= 0) {
            tag = PageText::readTag(text, start);
            if (!tag) {
                place.state = MetaState::Unclosed;
                return place;
            }
        }
    }
    if (tag) {
        place.state = MetaState::Found;
        place.tag = *tag;
        place.current = GetMetaInfo(*tag);
        return place;
    }

    place.state = MetaState::Missing;
    if (const auto title = PageText::findTag(text, u"title")) {
        if (const auto closing = PageText::findClosingTag(text, u"title", title->end)) {
            place.insertAt = closing->end;
            place.ownLine = true;
            return place;
        }
    }
    if (const auto head = PageText::findTag(text, u"head")) {
        place.insertAt = head->end;
        place.ownLine = true;
        return place;
    }
    place.insertAt = caret;
    return place;
}

std::optional<PageText::TextEdit> metaEdit(const QString& text, const MetaPlace& place, const MetaFields& fields)
{
    if (place.state == MetaState::Unclosed || fields.isEmpty())
        return std::nullopt;
    if (place.state == MetaState::Found) {
        PageText::TextEdit edit;
        edit.start = place.tag.start;
        edit.end = place.tag.end;
        edit.replacement = PageText::rewriteTag(text, place.tag,
            { change(QStringLiteral("HTTP-EQUIV"), fields.httpEquiv), change(QStringLiteral("NAME"), fields.name),
                change(QStringLiteral("CONTENT"), fields.content) });
        edit.selectionStart = edit.start + static_cast<int>(edit.replacement.size());
        edit.selectionEnd = edit.selectionStart;
        return edit;
    }
    const QString tag = buildMetaTag(fields);
    if (place.ownLine)
        return PageText::insertOnOwnLine(text, place.insertAt, tag);
    const int end = place.insertAt + static_cast<int>(tag.size());
    return PageText::TextEdit { place.insertAt, place.insertAt, tag, end, end };
}

} // namespace MetaEditor
