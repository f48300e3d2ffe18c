#include "workspace/editing/bodyeditor.h"

#include "workspace/tags/tagtexts.h"

#include <algorithm>
#include <array>

namespace BodyEditor {

namespace {

struct NamedColour {
    const char16_t* name;
    QRgb rgb;
};

constexpr std::array<NamedColour, 16> namedColours { {
    { u"black", 0x000000 }, { u"silver", 0xC0C0C0 }, { u"gray", 0x808080 }, { u"white", 0xFFFFFF },
    { u"maroon", 0x800000 }, { u"red", 0xFF0000 }, { u"purple", 0x800080 }, { u"fuchsia", 0xFF00FF },
    { u"green", 0x008000 }, { u"lime", 0x00FF00 }, { u"olive", 0x808000 }, { u"yellow", 0xFFFF00 },
    { u"navy", 0x000080 }, { u"blue", 0x0000FF }, { u"teal", 0x008080 }, { u"aqua", 0x00FFFF },
} };

QString hexValue(const QColor& colour)
{
    return QLatin1Char('#') + TagTexts::colourHex(colour);
}

std::optional<int> parseMargin(const QString& text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        return std::nullopt;
    return std::max(-1, value);
}

} // namespace

std::optional<QColor> parseColour(QStringView text)
{
    text = text.trimmed();
    QStringView digits = text;
    if (digits.startsWith(QLatin1Char('#')))
        digits = digits.mid(1);
    if (digits.size() == 6) {
        bool ok = false;
        const uint value = digits.toUInt(&ok, 16);
        // toUInt also takes a sign or a "0x"; six digits must be six digits.
        const bool allHex = std::all_of(digits.begin(), digits.end(), [](QChar c) {
            const char16_t u = c.unicode();
            return (u >= '0' && u <= '9') || (u >= 'a' && u <= 'f') || (u >= 'A' && u <= 'F');
        });
        if (ok && allHex)
            return QColor::fromRgb(static_cast<QRgb>(value));
    }
    for (const NamedColour& named : namedColours) {
        if (text.compare(QStringView(named.name), Qt::CaseInsensitive) == 0)
            return QColor::fromRgb(named.rgb);
    }
    return std::nullopt;
}

BodyAttributes SetBodyVars(const QString& tagText, const BodyAttributes& remembered)
{
    BodyAttributes body = remembered;
    body.backgroundImage.clear();
    const int start = std::max(0, static_cast<int>(tagText.indexOf(QLatin1Char('<'))));
    std::optional<PageText::Tag> tag = PageText::readTag(tagText, start);
    if (!tag)
        tag = PageText::readTag(tagText + QLatin1Char('>'), start);
    if (!tag)
        return body;

    auto value = [&](QStringView name) -> std::optional<QString> {
        const int index = tag->indexOf(name);
        if (index < 0 || tag->attributes.at(index).value.trimmed().isEmpty())
            return std::nullopt;
        return tag->attributes.at(index).value;
    };
    auto readColour = [&](QStringView name, QColor& colour) {
        if (const auto text = value(name)) {
            if (const auto parsed = parseColour(*text))
                colour = *parsed;
        }
    };
    if (const auto image = value(u"background"))
        body.backgroundImage = *image;
    readColour(u"text", body.text);
    readColour(u"link", body.link);
    readColour(u"vlink", body.visited);
    readColour(u"alink", body.active);
    readColour(u"bgcolor", body.background);
    if (const auto text = value(u"rightmargin")) {
        if (const auto margin = parseMargin(*text))
            body.rightMargin = *margin;
    }
    if (const auto text = value(u"leftmargin")) {
        if (const auto margin = parseMargin(*text))
            body.leftMargin = *margin;
    }
    // The tag itself says whether the background is fixed; the previous page has no say in it.
    body.fixedBackground = tag->indexOf(u"bgproperties") >= 0;
    return body;
}

QString buildBodyTag(const BodyAttributes& body)
{
    QString tag = QStringLiteral("<BODY ");
    if (!body.backgroundImage.isEmpty())
        tag += QStringLiteral("BACKGROUND=") + PageText::quotedValue(body.backgroundImage) + QLatin1Char(' ');
    tag += QStringLiteral("TEXT=\"") + hexValue(body.text) + QStringLiteral("\" ");
    tag += QStringLiteral("LINK=\"") + hexValue(body.link) + QStringLiteral("\" ");
    tag += QStringLiteral("ALINK=\"") + hexValue(body.active) + QStringLiteral("\" ");
    tag += QStringLiteral("VLINK=\"") + hexValue(body.visited) + QStringLiteral("\" ");
    tag += QStringLiteral("BGCOLOR=\"") + hexValue(body.background) + QStringLiteral("\" ");
    if (body.leftMargin > -1)
        tag += QStringLiteral("LEFTMARGIN=\"%1\" ").arg(body.leftMargin);
    if (body.rightMargin > -1)
        tag += QStringLiteral("RIGHTMARGIN=\"%1\" ").arg(body.rightMargin);
    if (body.fixedBackground)
        tag += QStringLiteral("BGPROPERTIES=\"FIXED\"");
    return tag + QLatin1Char('>');
}

QString rewriteBodyTag(const QString& text, const PageText::Tag& tag, const BodyAttributes& before,
    const BodyAttributes& after)
{
    QList<PageText::AttributeChange> changes;
    auto present = [&](QStringView name) { return tag.indexOf(name) >= 0; };
    auto set = [&](const QString& name, const QString& value) { changes.append({ name, value }); };
    auto remove = [&](const QString& name) { changes.append({ name, std::nullopt }); };

    if (!(after.backgroundImage == before.backgroundImage && present(u"background"))) {
        if (after.backgroundImage.isEmpty())
            remove(QStringLiteral("BACKGROUND"));
        else
            set(QStringLiteral("BACKGROUND"), after.backgroundImage);
    }
    auto colour = [&](const QString& name, const QColor& old, const QColor& now) {
        if (!(now == old && present(name)))
            set(name, hexValue(now));
    };
    colour(QStringLiteral("TEXT"), before.text, after.text);
    colour(QStringLiteral("LINK"), before.link, after.link);
    colour(QStringLiteral("ALINK"), before.active, after.active);
    colour(QStringLiteral("VLINK"), before.visited, after.visited);
    colour(QStringLiteral("BGCOLOR"), before.background, after.background);
    auto margin = [&](const QString& name, int old, int now) {
        if (now == old && present(name))
            return;
        if (now <= -1)
            remove(name);
        else
            set(name, QString::number(now));
    };
    margin(QStringLiteral("LEFTMARGIN"), before.leftMargin, after.leftMargin);
    margin(QStringLiteral("RIGHTMARGIN"), before.rightMargin, after.rightMargin);
    if (!after.fixedBackground)
        remove(QStringLiteral("BGPROPERTIES"));
    else if (!present(u"bgproperties"))
        set(QStringLiteral("BGPROPERTIES"), QStringLiteral("FIXED"));
    return PageText::rewriteTag(text, tag, changes);
}

QString bodyPreviewHtml(const BodyAttributes& body)
{
    QString html = QStringLiteral("<BODY");
    if (!body.backgroundImage.isEmpty())
        html += QStringLiteral(" BACKGROUND=") + PageText::quotedValue(body.backgroundImage);
    html += QStringLiteral("><center>");
    auto line = [&](const QColor& colour, const QString& caption, bool underlined) {
        html += QStringLiteral("<FONT COLOR=\"") + hexValue(colour) + QStringLiteral("\">")
            + (underlined ? QStringLiteral("<u>") + caption + QStringLiteral("</u>") : caption)
            + QStringLiteral("</FONT><br>");
    };
    line(body.text, QStringLiteral("Text Color"), false);
    line(body.link, QStringLiteral("Link Color"), true);
    line(body.visited, QStringLiteral("Visited Link Color"), true);
    line(body.active, QStringLiteral("Active Link Color"), true);
    return html + QStringLiteral("</center>");
}

BodyPlace findBody(const QString& text)
{
    BodyPlace place;
    const int start = PageText::findTagStart(text, u"body");
    if (start >= 0) {
        const auto tag = PageText::readTag(text, start);
        if (!tag) {
            place.state = BodyState::Unclosed;
            return place;
        }
        place.state = BodyState::Found;
        place.tag = *tag;
        place.tagText = text.mid(tag->start, tag->end - tag->start);
        return place;
    }
    place.state = BodyState::Missing;
    if (const auto head = PageText::findClosingTag(text, u"head")) {
        place.insertAt = head->end;
        return place;
    }
    if (const auto title = PageText::findClosingTag(text, u"title")) {
        place.insertAt = title->end;
        return place;
    }
    for (const QStringView name : { QStringView(u"html"), QStringView(u"!doctype") }) {
        if (const auto tag = PageText::findTag(text, name)) {
            place.insertAt = tag->end;
            return place;
        }
    }
    return place;
}

std::optional<PageText::TextEdit> bodyEdit(const QString& text, const BodyPlace& place, const BodyAttributes& before,
    const BodyAttributes& after)
{
    switch (place.state) {
    case BodyState::Unclosed:
        return std::nullopt;
    case BodyState::Found: {
        PageText::TextEdit edit;
        edit.start = place.tag.start;
        edit.end = place.tag.end;
        edit.replacement = rewriteBodyTag(text, place.tag, before, after);
        edit.selectionStart = edit.start + static_cast<int>(edit.replacement.size());
        edit.selectionEnd = edit.selectionStart;
        return edit;
    }
    case BodyState::Missing:
        break;
    }
    return PageText::insertOnOwnLine(text, place.insertAt, buildBodyTag(after));
}

} // namespace BodyEditor
