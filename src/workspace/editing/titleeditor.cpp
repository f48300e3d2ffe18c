#include "workspace/editing/titleeditor.h"

namespace TitleEditor {

TitlePlace findTitle(const QString& text)
{
    TitlePlace place;
    const int start = PageText::findTagStart(text, u"title");
    if (start >= 0) {
        const auto opening = PageText::readTag(text, start);
        const auto closing = opening ? PageText::findClosingTag(text, u"title", opening->end) : std::nullopt;
        if (!closing) {
            place.state = TitleState::Unclosed;
            return place;
        }
        place.state = TitleState::Found;
        place.elementStart = opening->start;
        place.contentStart = opening->end;
        place.contentEnd = closing->start;
        place.elementEnd = closing->end;
        place.currentTitle = text.mid(place.contentStart, place.contentEnd - place.contentStart).simplified();
        return place;
    }

    place.state = TitleState::Missing;
    for (const QStringView name : { QStringView(u"head"), QStringView(u"html"), QStringView(u"!doctype") }) {
        if (const auto tag = PageText::findTag(text, name)) {
            place.insertAt = tag->end;
            return place;
        }
    }
    place.insertAt = 0;
    return place;
}

std::optional<PageText::TextEdit> titleEdit(const QString& text, const TitlePlace& place, const QString& newTitle)
{
    switch (place.state) {
    case TitleState::Unclosed:
        return std::nullopt;
    case TitleState::Found: {
        PageText::TextEdit edit;
        edit.start = place.contentStart;
        edit.end = place.contentEnd;
        edit.replacement = newTitle;
        edit.selectionStart = place.elementEnd + static_cast<int>(newTitle.size()) - (place.contentEnd - place.contentStart);
        edit.selectionEnd = edit.selectionStart;
        return edit;
    }
    case TitleState::Missing:
        break;
    }
    return PageText::insertOnOwnLine(text, place.insertAt, QStringLiteral("<TITLE>") + newTitle + QStringLiteral("</TITLE>"));
}

} // namespace TitleEditor
